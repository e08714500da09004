#pragma once

#include "platform/charactermap.h"
#include "platform/linux/freetypeface.h"

namespace platform {

// A face's Unicode character map, read with FreeType.
class FreeTypeCharacterMap : public CharacterMap {
public:
    std::vector<char32_t> CodePoints(const std::string& path, int faceIndex) override;

private:
    FreeTypeLibrary library_;
};

}  // namespace platform
