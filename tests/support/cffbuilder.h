#pragma once

#include <string>
#include <string_view>

// The `CFF ` table of a small OpenType font with PostScript outlines: glyph 0 is the missing
// glyph (a hollow box, or nothing), glyph 1 a filled square, both with the advance given, on
// an em of 1000 units. Just what font engines need to load and draw it: a Name INDEX with the
// PostScript name, a Top DICT pointing at the charset, the charstrings and a Private DICT.
namespace testsupport {

std::string BuildCffTable(std::string_view postScriptName, int advance, bool missingBox);

}  // namespace testsupport
