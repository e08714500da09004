#pragma once

#include <string>

namespace platform {

// The user's Fonts folder: $XDG_DATA_HOME/fonts (default ~/.local/share/fonts), without a
// trailing separator. Read from the environment on every call, so a sandbox can move it.
std::string UserFontsFolder();

}  // namespace platform
