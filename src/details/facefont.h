#pragma once

#include <QFont>
#include <string>

namespace platform {
class FontTable;
}

// The font that draws exactly the face named faceName, resolved through the font table as the
// preview list resolves it (by family alone when table is null). Font merging is off: a
// character the face lacks shows as missing instead of being borrowed from another font.
QFont FaceFont(platform::FontTable* table, const std::string& faceName);
