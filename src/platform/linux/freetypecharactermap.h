#pragma once

#include "platform/charactermap.h"

namespace platform {

// A face's Unicode character map, read with FreeType.
class FreeTypeCharacterMap : public CharacterMap {
public:
    FreeTypeCharacterMap();
    ~FreeTypeCharacterMap() override;
    FreeTypeCharacterMap(const FreeTypeCharacterMap&) = delete;
    FreeTypeCharacterMap& operator=(const FreeTypeCharacterMap&) = delete;

    std::vector<char32_t> CodePoints(const std::string& path, int faceIndex) override;

private:
    void* library_ = nullptr;  // FT_Library, kept out of the header
};

}  // namespace platform
