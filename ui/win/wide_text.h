#pragma once

#include <string>
#include <vector>

namespace morvanta {

// UTF-16, the system's text, and UTF-8, the program's.
std::string ToUtf8(const std::wstring& text);
std::wstring ToUtf16(const std::string& text);

// The process's arguments as the user typed them, in UTF-8, without the program's name.
std::vector<std::string> CommandLineArguments();

}  // namespace morvanta
