#include "ui/win/wide_text.h"

#include <windows.h>

#include <cstdlib>

namespace morvanta {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), size, nullptr, nullptr);
    return result;
}

std::wstring ToUtf16(const std::string& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, result.data(), size);
    return result;
}

std::vector<std::string> CommandLineArguments() {
    // The runtime splits the UTF-16 command line by the system's rules (a program built for
    // wide characters), as CommandLineToArgvW would, without loading the shell.
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) arguments.push_back(ToUtf8(__wargv[i]));
    return arguments;
}

}  // namespace morvanta
