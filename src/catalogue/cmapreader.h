#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "catalogue/charcoverage.h"
#include "catalogue/fontbytes.h"

namespace catalogue {

// The characters a face maps to glyphs, read straight from its `cmap` table: the Unicode
// subtable of format 12 (the whole repertoire), else of format 4 (the Basic Multilingual
// Plane), without the codes that map to glyph 0 or past the face's glyph count, as font
// engines leave them out. Reading the table is a few reads of the file where a font engine
// would load the whole face (for a CJK face, ten times the time).
// Nothing when the face's offset table is at no faceOffset the file holds, it has no `maxp`
// or `cmap`, or no Unicode subtable of those formats: a font engine may know more then.
std::optional<TCharCoverage> ReadUnicodeCoverage(FontBytes& bytes, std::uint32_t faceOffset);

// Fuzz entry point: the same over a font in memory.
std::optional<TCharCoverage> ReadUnicodeCoverageFromMemory(const std::uint8_t* data,
                                                           std::size_t size,
                                                           std::uint32_t faceOffset);

}  // namespace catalogue
