#include "ui/win/output_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cstdio>

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

std::string WriteOutputFile(const std::string& path, const std::string& bytes) {
    if (path == "-") {
        // The same bytes as everywhere: no carriage returns added.
        _setmode(_fileno(stdout), _O_BINARY);
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
                             std::fflush(stdout) == 0;
        return written ? std::string{} : "cannot write to the standard output";
    }
    const std::wstring name = ToUtf16(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    const bool regular = attributes == INVALID_FILE_ATTRIBUTES ||
                         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
    const std::wstring target = regular ? name + L".morvanta-part" : name;
    FILE* file = _wfopen(target.c_str(), L"wb");
    if (!file) return "cannot write '" + path + "': " + SystemMessage(GetLastError());
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (written && regular)
        written = MoveFileExW(target.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    if (written) return {};
    const std::string reason = SystemMessage(GetLastError());
    if (regular) DeleteFileW(target.c_str());
    return "cannot write '" + path + "': " + reason;
}

}  // namespace morvanta
