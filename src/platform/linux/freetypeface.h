#pragma once

#include <string>

// FreeType's handles, declared here so that headers need not include FreeType's own.
struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace platform {

// One FreeType library instance, released with its owner.
class FreeTypeLibrary {
public:
    FreeTypeLibrary();
    ~FreeTypeLibrary();
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

    // Null when FreeType could not start.
    FT_LibraryRec_* Get() const { return library_; }

private:
    FT_LibraryRec_* library_ = nullptr;
};

// One face of a font file, open for as long as this object lives.
class FreeTypeFace {
public:
    FreeTypeFace(const FreeTypeLibrary& library, const std::string& path, int faceIndex);
    ~FreeTypeFace();
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    // Null when the file or the face cannot be read.
    FT_FaceRec_* Get() const { return face_; }

private:
    FT_FaceRec_* face_ = nullptr;
};

}  // namespace platform
