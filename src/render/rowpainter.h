#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

#include "catalogue/fontinfo.h"
#include "catalogue/fontlist.h"
#include "platform/services.h"
#include "render/samplefontcache.h"
#include "render/supersampledtext.h"

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
    // A face without the sample's letters draws a sample it covers (see OwnSampleText).
    bool ownSample = false;
    int fontSize = 16;
    std::uint8_t fontStyle = 0;
    QString text;
};

// Draws one row of the preview list: the shaded name band with its soft shadow, the name,
// the file information and the sample line in the record's own face.
class TRowPainter {
public:
    // services give the character maps an own sample is chosen from.
    TRowPainter(TSampleFontCache& fonts, const platform::Services& services);

    // Takes the settings for the rows that follow and derives every shade from the background.
    void Begin(const RowPaintSettings& settings);
    // Forgets kept renderings, for when faces may now resolve differently.
    void ForgetRendered();
    // Draws record's row with its top at y; erase first fills the whole row with the background.
    void Draw(QPainter& painter, const TFontInfo& record, int y, bool focused, bool erase);

    // Draws the rows first to last - 1 of items, first at the top, through one client-sized
    // image copied in one piece, so the list never flickers.
    void PaintAll(QPainter& target, QSize client, const TFontList& items, int first, int last,
                  int focused);
    // Draws only the rows that region touches, each whole through a row-sized image (a focus
    // move dirties two rows); what region holds below the last row gets the background.
    void PaintRows(QPainter& target, QSize client, const QRegion& region, const TFontList& items,
                   int first, int last, int focused);

private:
    enum BandKind { kPlainBand, kFocusedBand, kActiveBand, kBandKinds };
    static constexpr int kShadowLines = 4;

    void DrawBand(QPainter& painter, int y, BandKind kind) const;
    void DrawName(QPainter& painter, const TFontInfo& record, int y, bool focused) const;
    void DrawFileInfo(QPainter& painter, const TFontInfo& record, int y, bool focused) const;
    // Where the sample line goes in the row whose top is at y; it never draws outside.
    QRect SampleArea(int y) const;
    void DrawPlainSample(QPainter& painter, const TFontInfo& record, int y, const QString& text);
    void DrawSmoothSample(QPainter& painter, const TFontInfo& record, int y, const QString& text);

    TSampleFontCache& fonts_;
    const platform::Services& services_;
    TSupersampledText supersampler_;
    QImage smoothRow_;
    QImage frame_;
    QImage rowImage_;
    RowPaintSettings settings_;
    QFont nameFont_;
    QFontMetrics nameMetrics_;  // of nameFont_, to keep the file information clear of the name
    QFont infoFont_;
    std::array<std::array<std::uint32_t, kShadowLines + 1>, kBandKinds> bandShades_{};
};

// The file information of a row: "<file> (<size> KB)", the size in whole kilobytes with the
// locale's thousands separators, the file as its bare name or its whole path.
QString FileInfoText(const TFontInfo& record, bool fullPath);
