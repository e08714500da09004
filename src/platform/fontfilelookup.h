#pragma once

#include <optional>
#include <string>

namespace platform {

// A face as FreeType opens it: the file and the face's index inside it.
struct FaceFile {
    std::string path;
    int faceIndex = 0;
};

// Finds the file behind a font known only by its family name (a screen font), the face the
// window system would pick for that name alone.
class FontFileLookup {
public:
    virtual ~FontFileLookup() = default;
    // Nothing when no installed face carries that family name (a substitute would describe
    // another font).
    virtual std::optional<FaceFile> FileOfFamily(const std::string& family) = 0;
};

}  // namespace platform
