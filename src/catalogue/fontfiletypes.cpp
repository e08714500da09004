#include "catalogue/fontfiletypes.h"

#include <cstring>

#include "catalogue/fontbytes.h"
#include "fileops/paths.h"

bool TFontFileTypes::FromFolder(std::string_view path) const {
    if (HasExtensionI(path, ".ttf")) {
        return true;
    }
    return openType_ && (HasExtensionI(path, ".otf") || IsCollection(path));
}

bool TFontFileTypes::FromInstalled(std::string_view path) const {
    if (HasExtensionI(path, ".ttf") || HasExtensionI(path, ".ttc")) {
        return true;
    }
    return openType_ && (HasExtensionI(path, ".otf") || HasExtensionI(path, ".otc"));
}

bool TFontFileTypes::IsCollection(std::string_view path) {
    return HasExtensionI(path, ".ttc") || HasExtensionI(path, ".otc");
}

bool TFontFileTypes::IsSingleFontTag(const std::uint8_t* tag) const {
    if (catalogue::ReadBe32(tag) == 0x00010000 || std::memcmp(tag, "true", 4) == 0) {
        return true;
    }
    return openType_ && std::memcmp(tag, "OTTO", 4) == 0;
}
