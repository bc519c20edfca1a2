#pragma once

#include <string>

namespace morvanta {

// The path a save dialog's answer names: as typed, with the extension (".png", ".csv") added
// when the file's name has none, so that a picture or a table opens from a school drive.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace morvanta
