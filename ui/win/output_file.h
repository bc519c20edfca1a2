#pragma once

#include <string>

namespace morvanta {

// Writes bytes to a file named in UTF-8 ("-": the standard output, byte for byte). A regular
// file is replaced only once all of it is written. Returns why it could not, or nothing.
std::string WriteOutputFile(const std::string& path, const std::string& bytes);

}  // namespace morvanta
