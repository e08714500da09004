#include "platform/userfonts.h"

#include <cstdlib>

namespace platform {
namespace {

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::string UserFontsFolder() {
    // Relative values of XDG_DATA_HOME are invalid by the XDG rules and must be ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        return WithoutTrailingSlashes(dataHome) + "/fonts";
    }
    const char* home = std::getenv("HOME");
    const std::string base = home != nullptr && home[0] != '\0' ? home : "/tmp";
    return WithoutTrailingSlashes(base) + "/.local/share/fonts";
}

}  // namespace platform
