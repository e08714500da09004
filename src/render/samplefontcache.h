#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/fonttable.h"
#include "render/lrucache.h"

// A record's face prepared for drawing its sample, with the measurements the painter asks
// for again and again.
struct SampleFace {
    std::string key;  // unique for face name, size, style and scale
    QFont font;
    int height = 0;    // height of "Ag" at the requested size
    int ascent = 0;    // of font itself
    QString measured;  // the text whose width is stored below
    int width = -1;    // advance of measured, in font's pixels
    // For scaled faces, in font's pixels: how much the engine thickens the face at pointSize
    // when it makes up a bold, and how much wider that makes each glyph's advance there.
    double boldStrength = 0;
    double boldAdvance = 0;
};

// Fonts for the samples: each face name resolved once through the font table to the exact
// face it names, and a QFont per face, size and style. Both caches are bounded, so the memory
// held for drawing stays the same however many fonts have been scrolled past.
class TSampleFontCache {
public:
    static constexpr std::size_t kFaceLimit = 256;
    static constexpr std::size_t kResolveLimit = 2048;

    // table may be null: faces are then looked up by name only.
    explicit TSampleFontCache(platform::FontTable* table, std::size_t faceLimit = kFaceLimit);

    // The face at pointSize, drawn without anti-aliasing (the plain sample).
    SampleFace& Plain(const std::string& faceName, int pointSize, std::uint8_t styles);
    // The face at scale times pointSize for the supersampling renderer; height is still
    // that of the face at pointSize, so the caller knows the size of the reduced result.
    SampleFace& Scaled(const std::string& faceName, int pointSize, std::uint8_t styles, int scale);
    // Advance width of text in face's font, with room for the advance emboldening adds,
    // remembered for the last text measured.
    static int Width(SampleFace& face, const QString& text);

    // Forgets every resolution, e.g. after fonts were added to or removed from the table.
    void Clear();
    std::size_t FaceCount() const { return faces_.Size(); }

private:
    SampleFace& Get(const std::string& faceName, int pointSize, std::uint8_t styles, int scale);
    const platform::ResolvedFace& Resolve(const std::string& faceName);
    QFont Build(const platform::ResolvedFace& face, double pointSize, std::uint8_t styles,
                QFont::StyleStrategy strategy) const;
    static void MatchMadeUpBold(SampleFace& face, const QFont& plain, int scale);

    platform::FontTable* table_;
    TLruCache<platform::ResolvedFace> resolved_;
    TLruCache<SampleFace> faces_;
};
