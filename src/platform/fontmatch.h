#pragma once

#include <string>

namespace platform {

// The family the desktop's font configuration picks for a pattern such as
// "sans-serif:lang=ko" (a family that can show Korean text); empty when nothing matches.
std::string MatchFontFamily(const std::string& pattern);

}  // namespace platform
