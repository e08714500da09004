#include "platform/linux/freetypecharactermap.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform {

std::vector<char32_t> FreeTypeCharacterMap::CodePoints(const std::string& path, int faceIndex) {
    std::vector<char32_t> codes;
    const FreeTypeFace handle(library_, path, faceIndex);
    const FT_Face face = handle.Get();
    if (face != nullptr && FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) {
        FT_UInt glyph = 0;
        for (FT_ULong code = FT_Get_First_Char(face, &glyph); glyph != 0;
             code = FT_Get_Next_Char(face, code, &glyph)) {
            // A broken map may list codes beyond Unicode; they name no character.
            if (code <= 0x10FFFF) {
                codes.push_back(static_cast<char32_t>(code));
            }
        }
    }
    return codes;
}

}  // namespace platform
