#pragma once

#include <cstdint>
#include <string_view>

// Which font files the catalogue takes. By default TrueType alone: ".ttf" files from folders,
// ".ttf" and ".ttc" entries from the installed list. With OpenType on ("Option"/"OpenType")
// the OpenType kinds join them everywhere: ".otf" (CFF outlines under the same table
// directory and `name` table, version tag "OTTO") and the collections ".ttc" and ".otc".
class TFontFileTypes {
public:
    TFontFileTypes() = default;
    explicit TFontFileTypes(bool openType) : openType_(openType) {}

    bool OpenType() const { return openType_; }
    // A file a folder scan takes, by its name.
    bool FromFolder(std::string_view path) const;
    // An entry of the installed list the installed load takes, by its name.
    bool FromInstalled(std::string_view path) const;
    // A name of a file read as a collection (".ttc", and ".otc" too).
    static bool IsCollection(std::string_view path);
    // The first four bytes of a single font rather than a collection: TrueType's version 1.0
    // or Apple's "true", and with OpenType on also "OTTO".
    bool IsSingleFontTag(const std::uint8_t* tag) const;

private:
    bool openType_ = false;
};
