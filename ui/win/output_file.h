#pragma once

#include <cstdio>
#include <ext/stdio_filebuf.h>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "session/output_file.h"

namespace morvanta {

// A file named in UTF-8 being written ("-": the standard output, byte for byte). A regular
// file is written to a temporary copy beside it that replaces it only once all of it is
// written; anything else the name names is written in place.
class WindowsOutputFile : public OutputFile {
public:
    explicit WindowsOutputFile(const std::string& path);
    ~WindowsOutputFile() override;
    WindowsOutputFile(const WindowsOutputFile&) = delete;
    WindowsOutputFile& operator=(const WindowsOutputFile&) = delete;

    std::ostream& Stream() override { return stream_; }
    // Ends the writing (once); returns why the file could not be written, or nothing. A file
    // not closed is left as it was.
    std::string Close() override;

private:
    std::string path_;
    std::wstring name_, target_;  // the file, and what is written (its copy, or itself)
    bool regular_ = false;
    std::FILE* file_ = nullptr;
    unsigned long openError_ = 0;
    std::unique_ptr<__gnu_cxx::stdio_filebuf<char>> buffer_;
    std::ostream stream_{nullptr};
};

// Writes bytes to a file as WindowsOutputFile does. Returns why it could not, or nothing.
std::string WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace morvanta
