#include "platform/linux/freetypeoutlinemetrics.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// Font units to whole pixels the way the window system scales outline metrics: the scale
// in 16.16 fixed point for the character height, each value scaled to 26.6 and rounded half
// up to a whole pixel. Rounding each value on its own is why a height is not simply the
// rounded sum of its parts.
struct Scaler {
    FT_Fixed scale;
    int operator()(long fontUnits) const {
        return static_cast<int>((FT_MulFix(fontUnits, scale) + 32) >> 6);
    }
};

// The vertical extent the text metrics are built from: the Windows ascent and descent, or
// the horizontal header's for a font that leaves both Windows values zero.
struct WinExtent {
    long ascent;
    long descent;
};

WinExtent WindowsExtent(const TT_OS2& os2, const TT_HoriHeader& hhea) {
    if (os2.usWinAscent + os2.usWinDescent == 0) {
        return {hhea.Ascender, -static_cast<long>(hhea.Descender)};
    }
    return {os2.usWinAscent, os2.usWinDescent};
}

// The font's own tables the metrics are computed from.
struct FaceTables {
    const TT_Header& head;
    const TT_HoriHeader& hhea;
    const TT_OS2& os2;
};

void FillTextMetrics(OutlineMetrics& m, const FaceTables& t, const Scaler& px) {
    const TT_OS2& os2 = t.os2;
    const TT_HoriHeader& hhea = t.hhea;
    const WinExtent win = WindowsExtent(os2, hhea);
    m.height = px(win.ascent) + px(win.descent);
    m.internalLeading = px(win.ascent + win.descent - t.head.Units_Per_EM);
    // The line gap the designer asked for beyond what the Windows ascent and descent cover.
    const long hheaExtent = static_cast<long>(hhea.Ascender) - hhea.Descender;
    m.externalLeading = std::max(0, px(hhea.Line_Gap - (win.ascent + win.descent - hheaExtent)));
    m.averageCharWidth = px(os2.xAvgCharWidth);
    // The widest character is taken from the bounding box of all glyphs (head), not from
    // the widest advance (hhea).
    m.maxCharWidth = px(static_cast<long>(t.head.xMax) - t.head.xMin);
}

void FillOutlineMetrics(OutlineMetrics& m, const FaceTables& t, const Scaler& px) {
    const TT_OS2& os2 = t.os2;
    m.ascent = px(os2.sTypoAscender);
    m.descent = px(os2.sTypoDescender);
    m.lineGap = px(os2.sTypoLineGap);
    m.emSquare = t.head.Units_Per_EM;
    m.xHeight = os2.version >= 2 ? px(os2.sxHeight) : 0;
    m.capHeight = os2.version >= 2 ? px(os2.sCapHeight) : 0;
    m.strikeoutPosition = px(os2.yStrikeoutPosition);
    m.strikeoutSize = px(os2.yStrikeoutSize);
    m.weight = os2.usWeightClass;
}

}  // namespace

std::optional<OutlineMetrics> FreeTypeOutlineMetrics::Get(const std::string& path, int faceIndex,
                                                          int pixelHeight) {
    if (pixelHeight <= 0) {
        return std::nullopt;
    }
    const FreeTypeFace handle(library_, path, faceIndex);
    const FT_Face face = handle.Get();
    if (face == nullptr || !FT_IS_SCALABLE(face)) {
        return std::nullopt;
    }
    const auto* head = static_cast<const TT_Header*>(FT_Get_Sfnt_Table(face, FT_SFNT_HEAD));
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
    if (head == nullptr || head->Units_Per_EM == 0 || os2 == nullptr || os2->version == 0xFFFF ||
        hhea == nullptr) {
        return std::nullopt;
    }
    const FaceTables tables{*head, *hhea, *os2};
    const Scaler px{FT_DivFix(static_cast<FT_Long>(pixelHeight) * 64, head->Units_Per_EM)};
    OutlineMetrics m;
    FillTextMetrics(m, tables, px);
    FillOutlineMetrics(m, tables, px);
    if (post != nullptr) {
        m.italicAngle =
            static_cast<int>(std::lround(static_cast<double>(post->italicAngle) / 65536.0 * 10.0));
        m.underlinePosition = px(post->underlinePosition);
        m.underlineThickness = px(post->underlineThickness);
    }
    return m;
}

}  // namespace platform
