#include "session/file_names.h"

namespace morvanta {

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::string name = path.substr(nameStart == std::string::npos ? 0 : nameStart + 1);
    // A leading dot starts a hidden file's name, not an extension.
    if (name.empty() || name.find('.', 1) != std::string::npos) return path;
    return path + extension;
}

}  // namespace morvanta
