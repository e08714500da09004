#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <cstdint>

#include "catalogue/fontinfo.h"
#include "preview/samplefontcache.h"
#include "preview/supersampledtext.h"

// Everything one paint needs to know about the control, taken once per paint.
struct RowPaintSettings {
    int width = 0;
    int itemHeight = 0;
    int headerHeight = 0;
    std::uint32_t color = 0xFFFFFF;
    std::uint32_t nameColor = 0;
    std::uint32_t selColor = 0;
    std::uint32_t textColor = 0;
    bool antiAlias = false;
    bool showFileInfo = true;
    bool showFullPath = false;
    bool hasFocus = false;
    int fontSize = 16;
    std::uint8_t fontStyle = 0;
    QString text;
};

// Draws one row of the preview list: the shaded name band with its soft shadow, the name,
// the file information and the sample line in the record's own face.
class TRowPainter {
public:
    explicit TRowPainter(TSampleFontCache& fonts);

    // Takes the settings for the rows that follow and derives every shade from the background.
    void Begin(const RowPaintSettings& settings);
    // Forgets kept renderings, for when faces may now resolve differently.
    void ForgetRendered();
    // Draws record's row with its top at y; erase first fills the whole row with the background.
    void Draw(QPainter& painter, const TFontInfo& record, int y, bool focused, bool erase);

private:
    enum BandKind { kPlainBand, kFocusedBand, kActiveBand, kBandKinds };
    static constexpr int kShadowLines = 4;

    void DrawBand(QPainter& painter, int y, BandKind kind) const;
    void DrawName(QPainter& painter, const TFontInfo& record, int y, bool focused) const;
    void DrawFileInfo(QPainter& painter, const TFontInfo& record, int y, bool focused) const;
    void DrawPlainSample(QPainter& painter, const TFontInfo& record, int y);
    void DrawSmoothSample(QPainter& painter, const TFontInfo& record, int y);

    TSampleFontCache& fonts_;
    TSupersampledText supersampler_;
    QImage smoothRow_;
    RowPaintSettings settings_;
    QFont nameFont_;
    QFont infoFont_;
    std::array<std::array<std::uint32_t, kShadowLines + 1>, kBandKinds> bandShades_{};
};

// A 0x00BBGGRR colour as Qt's colour.
QColor BgrToColor(std::uint32_t color);

// The file information of a row: "<file> (<size> KB)", the size in whole kilobytes with the
// locale's thousands separators, the file as its bare name or its whole path.
QString FileInfoText(const TFontInfo& record, bool fullPath);
