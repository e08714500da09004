#include "render/samplefontcache.h"

#include <QFontMetrics>
#include <QRawFont>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "render/facefont.h"
#include "render/fontstyle.h"
#include "render/syntheticstyle.h"

TSampleFontCache::TSampleFontCache(platform::FontTable* table, std::size_t faceLimit)
    : table_(table), resolved_(kResolveLimit), faces_(faceLimit) {}

SampleFace& TSampleFontCache::Plain(const std::string& faceName, int pointSize,
                                    std::uint8_t styles) {
    return Get(faceName, pointSize, styles, 1);
}

SampleFace& TSampleFontCache::Scaled(const std::string& faceName, int pointSize,
                                     std::uint8_t styles, int scale) {
    return Get(faceName, pointSize, styles, scale);
}

int TSampleFontCache::Width(SampleFace& face, const QString& text) {
    if (face.width < 0 || face.measured != text) {
        face.measured = text;
        face.width = QFontMetrics(face.font).horizontalAdvance(text) +
                     static_cast<int>(std::ceil(face.boldAdvance * text.size()));
    }
    return face.width;
}

void TSampleFontCache::Clear() {
    resolved_.Clear();
    faces_.Clear();
}

SampleFace& TSampleFontCache::Get(const std::string& faceName, int pointSize, std::uint8_t styles,
                                  int scale) {
    // Names never hold a zero byte (they end at one when read), so it keeps keys apart.
    std::string key = faceName;
    key.push_back('\0');
    key += std::to_string(pointSize) + '/' + std::to_string(styles) + '/' + std::to_string(scale);
    if (SampleFace* cached = faces_.Find(key)) {
        return *cached;
    }
    const platform::ResolvedFace& resolved = Resolve(faceName);
    SampleFace face;
    face.key = key;
    // The supersampler reduces a sharp, bi-level rendering itself; the plain sample is
    // bi-level as the window system's plain text output was.
    face.font = Build(resolved, static_cast<double>(pointSize) * scale, styles, QFont::NoAntialias);
    if (scale > 1) {
        // Hinting snaps outlines to a pixel grid that the reduction then blurs anyway.
        face.font.setHintingPreference(QFont::PreferNoHinting);
    }
    const QFontMetrics metrics(face.font);
    face.ascent = metrics.ascent();
    if (scale == 1) {
        face.height = metrics.height();
    } else {
        const QFont plain = Build(resolved, pointSize, styles, QFont::NoAntialias);
        face.height = QFontMetrics(plain).height();
        if ((styles & fsBold) != 0) {
            MatchMadeUpBold(face, plain, scale);
        }
    }
    return faces_.Insert(key, std::move(face));
}

// The engine makes up a bold the face lacks for the plain sample but not at the large size:
// the strokes grow thicker, and the advances grow with them where the plain sample uses
// hinted advances rather than the face's design advances (the desktop's hinting settings
// decide), so the added advance is measured on the plain sample itself.
void TSampleFontCache::MatchMadeUpBold(SampleFace& face, const QFont& plain, int scale) {
    face.boldStrength = EngineBoldStrength(QRawFont::fromFont(face.font), scale);
    if (face.boldStrength <= 0) {
        return;
    }
    QFont regular = plain;
    regular.setBold(false);
    const QString probe(8, QLatin1Char('H'));
    const double added = QFontMetricsF(plain).horizontalAdvance(probe) -
                         QFontMetricsF(regular).horizontalAdvance(probe);
    face.boldAdvance = std::max(0.0, added * scale / probe.size());
}

const platform::ResolvedFace& TSampleFontCache::Resolve(const std::string& faceName) {
    if (const platform::ResolvedFace* cached = resolved_.Find(faceName)) {
        return *cached;
    }
    return resolved_.Insert(faceName, ResolveFace(table_, faceName));
}

QFont TSampleFontCache::Build(const platform::ResolvedFace& face, double pointSize,
                              std::uint8_t styles, QFont::StyleStrategy strategy) const {
    QFont font = FaceFont(face);
    font.setPointSizeF(pointSize);
    // With a style name the exact face is chosen by it; bold and italic then only add
    // emboldening or slant where the face lacks them, as the window system did.
    font.setBold((styles & fsBold) != 0);
    font.setItalic((styles & fsItalic) != 0);
    font.setUnderline((styles & fsUnderline) != 0);
    font.setStrikeOut((styles & fsStrikeOut) != 0);
    // A row shows its own face only (see FaceFont): filled in from other fonts, every face
    // without the sample's letters would look the same.
    font.setStyleStrategy(static_cast<QFont::StyleStrategy>(strategy | QFont::NoFontMerging));
    return font;
}
