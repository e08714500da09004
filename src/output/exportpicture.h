#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "render/supersampledtext.h"

class QPainter;
class TFontList;
class TSampleFontCache;

// The look of an exported picture, taken from the list view. Colours are 0x00BBGGRR values.
struct TExportLook {
    int fontSize = 16;
    std::uint32_t backColor = 0xFFFFFF;
    std::uint32_t textColor = 0;
    std::uint32_t nameColor = 0x008000;
    std::uint8_t fontStyle = 0;  // TFontStyles of the samples
    bool antiAlias = false;      // samples smoothed as the list smooths them
};

// A picture of fonts: for each font a small label with its name and under it the sample text
// in that very font, the rows sharing the picture's height evenly.
class TExportPicture {
public:
    // Each side and the whole are bounded: a picture of many thousand fonts would otherwise
    // ask for gigabytes (32767 is also the largest side BMP readers take).
    static constexpr int kMaxSide = 32767;
    static constexpr std::int64_t kMaxPixels = 64ll * 1024 * 1024;

    TExportPicture(std::vector<std::string> fontNames, QString sampleText, TExportLook look,
                   TSampleFontCache& faces);

    const std::vector<std::string>& FontNames() const { return fontNames_; }
    // The size that shows every sample whole, one row per font (it may exceed the bounds).
    std::int64_t NaturalWidth() const { return naturalWidth_; }
    std::int64_t NaturalHeight() const { return naturalHeight_; }
    // The picture at width x height (within the bounds).
    QImage Draw(int width, int height);

    // Writes picture to file: PNG when the name ends in ".png", else BMP. The file appears
    // whole or not at all; false with the reason in error.
    static bool Save(const QImage& picture, const std::string& file, std::string& error);
    // The fonts a picture shows: every font of the view when it shows the marked fonts,
    // else the marked ones; in view order, by full name.
    static std::vector<std::string> ChosenFonts(const TFontList& items, bool selectedView);

private:
    void CalcExtent();
    int LabelHeight(const QPaintDevice& canvas) const;
    // Width of the smoothed sample in the named face; 0 when samples are not smoothed.
    int SmoothWidth(const std::string& name);
    // The sample in the named face with its top-left corner at, painted on picture.
    void DrawSample(QPainter& painter, const QImage& picture, const std::string& name, QPoint at);
    void DrawSmoothSample(QPainter& painter, const QImage& picture, const std::string& name,
                          QPoint at);

    std::vector<std::string> fontNames_;
    QString sampleText_;
    TExportLook look_;
    TSampleFontCache& faces_;
    TSupersampledText smooth_;
    std::int64_t naturalWidth_ = 0;
    std::int64_t naturalHeight_ = 0;
};
