#pragma once

#include <string_view>

namespace platform {

// The one place where strings are compared for sorting and finding, so that every list of
// the program orders names alike. Results are <0, 0, >0.
int CompareStr(std::string_view a, std::string_view b);   // case-sensitive (lstrcmpA)
int CompareStrI(std::string_view a, std::string_view b);  // ignoring case (lstrcmpiA)
int CompareText(std::string_view a, std::string_view b);  // ignoring case (AnsiCompareText)
// True when text begins with prefix, ignoring case over prefix's length.
bool StartsWithI(std::string_view text, std::string_view prefix);

}  // namespace platform
