#pragma once

#include <string>
#include <vector>

namespace platform {

// How the window system knows one face: the family and style that select exactly it.
struct ResolvedFace {
    std::string family;
    std::string style;   // empty: draw by family alone
    bool exact = false;  // false when the name was unknown and the family is a fallback guess
};

// The system font table: fonts added and removed per file, families enumerated, and face
// names resolved to the exact face for drawing.
class FontTable {
public:
    virtual ~FontTable() = default;
    // Adds every face of the file. Returns 0 on success, else a Windows error code.
    virtual int AddFontFile(const std::string& path) = 0;
    // Removes a file added with AddFontFile. False when it was not added.
    virtual bool RemoveFontFile(const std::string& path) = 0;
    // Family names of every font the table knows, once per family, in the table's order.
    virtual std::vector<std::string> Families() = 0;
    // Resolves a face name (a record's FullName) to the face to draw: a face loaded from a
    // file is found by its full name; a family name resolves to that family.
    virtual ResolvedFace Resolve(const std::string& faceName) = 0;
};

}  // namespace platform
