#include "platform/linux/freetypeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform {

FreeTypeLibrary::FreeTypeLibrary() {
    if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
    }
}

FreeTypeLibrary::~FreeTypeLibrary() {
    if (library_ != nullptr) {
        FT_Done_FreeType(library_);
    }
}

FreeTypeFace::FreeTypeFace(const FreeTypeLibrary& library, const std::string& path, int faceIndex) {
    if (library.Get() == nullptr || faceIndex < 0 ||
        FT_New_Face(library.Get(), path.c_str(), faceIndex, &face_) != 0) {
        face_ = nullptr;
    }
}

FreeTypeFace::~FreeTypeFace() {
    if (face_ != nullptr) {
        FT_Done_Face(face_);
    }
}

}  // namespace platform
