#include "ui/win/output_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "ui/win/wide_text.h"

namespace morvanta {
namespace {

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"unknown error";
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return ToUtf8(message);
}

}  // namespace

WindowsOutputFile::WindowsOutputFile(const std::string& path) : path_(path) {
    if (path == "-") {
        // The same bytes as everywhere: no carriage returns added.
        _setmode(_fileno(stdout), _O_BINARY);
        file_ = stdout;
    } else {
        name_ = ToUtf16(path);
        const DWORD attributes = GetFileAttributesW(name_.c_str());
        regular_ = attributes == INVALID_FILE_ATTRIBUTES ||
                   (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
        target_ = regular_ ? name_ + L".morvanta-part" : name_;
        file_ = _wfopen(target_.c_str(), L"wb");
        if (!file_) {
            openError_ = GetLastError();
            stream_.setstate(std::ios::badbit);
            return;
        }
    }
    buffer_ = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(file_, std::ios::out, 1 << 16);
    stream_.rdbuf(buffer_.get());
}

WindowsOutputFile::~WindowsOutputFile() {
    // Not closed: the writing was given up, so a regular file keeps what it had.
    stream_.rdbuf(nullptr);
    buffer_.reset();
    if (!file_ || file_ == stdout) return;
    std::fclose(file_);
    if (regular_) DeleteFileW(target_.c_str());
}

std::string WindowsOutputFile::Close() {
    if (!file_)
        return "cannot write '" + path_ + "': " + SystemMessage(static_cast<DWORD>(openError_));
    bool written = static_cast<bool>(stream_.flush());
    stream_.rdbuf(nullptr);
    buffer_.reset();  // flushes; the FILE stays open
    if (file_ == stdout) {
        file_ = nullptr;
        return written && std::fflush(stdout) == 0 ? std::string{}
                                                   : "cannot write to the standard output";
    }
    written = std::fclose(file_) == 0 && written;
    file_ = nullptr;
    if (written && regular_)
        written = MoveFileExW(target_.c_str(), name_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    if (written) return {};
    const std::string reason = SystemMessage(GetLastError());
    if (regular_) DeleteFileW(target_.c_str());
    return "cannot write '" + path_ + "': " + reason;
}

std::string WriteOutputFile(const std::string& path, std::string_view bytes) {
    WindowsOutputFile file(path);
    file.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.Close();
}

}  // namespace morvanta
