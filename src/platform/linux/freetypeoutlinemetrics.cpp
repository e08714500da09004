#include "platform/linux/freetypeoutlinemetrics.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

FT_Library Library(void* library) {
    return static_cast<FT_Library>(library);
}

class FaceHandle {
public:
    FaceHandle(FT_Library library, const std::string& path, int faceIndex) {
        if (library == nullptr || faceIndex < 0 ||
            FT_New_Face(library, path.c_str(), faceIndex, &face_) != 0) {
            face_ = nullptr;
        }
    }
    ~FaceHandle() {
        if (face_ != nullptr) {
            FT_Done_Face(face_);
        }
    }
    FaceHandle(const FaceHandle&) = delete;
    FaceHandle& operator=(const FaceHandle&) = delete;

    FT_Face get() const { return face_; }

private:
    FT_Face face_ = nullptr;
};

struct Scaler {
    double factor;
    int operator()(long fontUnits) const {
        return static_cast<int>(std::lround(static_cast<double>(fontUnits) * factor));
    }
};

void FillTextMetrics(OutlineMetrics& m, const TT_OS2& os2, const TT_HoriHeader& hhea,
                     const Scaler& px, int pixelHeight) {
    const int winAscent = px(os2.usWinAscent);
    const int winDescent = px(os2.usWinDescent);
    m.height = winAscent + winDescent;
    m.internalLeading = std::max(0, m.height - pixelHeight);
    // The leading the designer asked for beyond what the Windows ascent and descent cover.
    const long hheaHeight = hhea.Ascender - hhea.Descender + hhea.Line_Gap;
    const long winHeight = static_cast<long>(os2.usWinAscent) + os2.usWinDescent;
    m.externalLeading = std::max(0, px(hheaHeight - winHeight));
}

void FillOutlineMetrics(OutlineMetrics& m, FT_Face face, const TT_OS2& os2,
                        const TT_HoriHeader& hhea, const Scaler& px) {
    m.ascent = px(os2.sTypoAscender);
    m.descent = px(os2.sTypoDescender);
    m.lineGap = px(os2.sTypoLineGap);
    m.emSquare = face->units_per_EM;
    m.averageCharWidth = px(os2.xAvgCharWidth);
    m.maxCharWidth = px(hhea.advance_Width_Max);
    m.xHeight = os2.version >= 2 ? px(os2.sxHeight) : 0;
    m.capHeight = os2.version >= 2 ? px(os2.sCapHeight) : 0;
    m.strikeoutPosition = px(os2.yStrikeoutPosition);
    m.strikeoutSize = px(os2.yStrikeoutSize);
    m.weight = os2.usWeightClass;
}

}  // namespace

FreeTypeOutlineMetrics::FreeTypeOutlineMetrics() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) == 0) {
        library_ = library;
    }
}

FreeTypeOutlineMetrics::~FreeTypeOutlineMetrics() {
    if (library_ != nullptr) {
        FT_Done_FreeType(Library(library_));
    }
}

std::optional<OutlineMetrics> FreeTypeOutlineMetrics::Get(const std::string& path, int faceIndex,
                                                          int pixelHeight) {
    if (pixelHeight <= 0) {
        return std::nullopt;
    }
    FaceHandle face(Library(library_), path, faceIndex);
    if (face.get() == nullptr || !FT_IS_SCALABLE(face.get()) || face.get()->units_per_EM == 0) {
        return std::nullopt;
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_OS2));
    const auto* hhea =
        static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_HHEA));
    const auto* post =
        static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_POST));
    if (os2 == nullptr || os2->version == 0xFFFF || hhea == nullptr) {
        return std::nullopt;
    }
    const Scaler px{static_cast<double>(pixelHeight) / face.get()->units_per_EM};
    OutlineMetrics m;
    FillTextMetrics(m, *os2, *hhea, px, pixelHeight);
    FillOutlineMetrics(m, face.get(), *os2, *hhea, px);
    if (post != nullptr) {
        m.italicAngle =
            static_cast<int>(std::lround(static_cast<double>(post->italicAngle) / 65536.0 * 10.0));
        m.underlinePosition = px(post->underlinePosition);
        m.underlineThickness = px(post->underlineThickness);
    }
    return m;
}

}  // namespace platform
