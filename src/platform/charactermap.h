#pragma once

#include <string>
#include <vector>

namespace platform {

// The characters a face's character map covers.
class CharacterMap {
public:
    virtual ~CharacterMap() = default;
    // Every Unicode code point the face at faceIndex of path maps to a glyph, in ascending
    // order; empty when the file cannot be read or has no Unicode map.
    virtual std::vector<char32_t> CodePoints(const std::string& path, int faceIndex) = 0;
};

}  // namespace platform
