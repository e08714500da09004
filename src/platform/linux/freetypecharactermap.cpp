#include "platform/linux/freetypecharactermap.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform {

FreeTypeCharacterMap::FreeTypeCharacterMap() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) == 0) {
        library_ = library;
    }
}

FreeTypeCharacterMap::~FreeTypeCharacterMap() {
    if (library_ != nullptr) {
        FT_Done_FreeType(static_cast<FT_Library>(library_));
    }
}

std::vector<char32_t> FreeTypeCharacterMap::CodePoints(const std::string& path, int faceIndex) {
    std::vector<char32_t> codes;
    FT_Face face = nullptr;
    if (library_ == nullptr || faceIndex < 0 ||
        FT_New_Face(static_cast<FT_Library>(library_), path.c_str(), faceIndex, &face) != 0) {
        return codes;
    }
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) {
        FT_UInt glyph = 0;
        for (FT_ULong code = FT_Get_First_Char(face, &glyph); glyph != 0;
             code = FT_Get_Next_Char(face, code, &glyph)) {
            // A broken map may list codes beyond Unicode; they name no character.
            if (code <= 0x10FFFF) {
                codes.push_back(static_cast<char32_t>(code));
            }
        }
    }
    FT_Done_Face(face);
    return codes;
}

}  // namespace platform
