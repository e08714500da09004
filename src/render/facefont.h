#pragma once

#include <QFont>
#include <string>

#include "platform/fonttable.h"

// The font that draws exactly face, as the font table resolved it. Font merging is off: a
// character the face lacks shows as missing instead of being borrowed from another font,
// so every face shows its own letters only.
QFont FaceFont(const platform::ResolvedFace& face);
// A face name (a record's full name) resolved through the font table to the face to draw;
// by family alone when table is null.
platform::ResolvedFace ResolveFace(platform::FontTable* table, const std::string& faceName);
// The font of a face name, resolved as above.
QFont FaceFont(platform::FontTable* table, const std::string& faceName);
