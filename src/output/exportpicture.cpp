#include "output/exportpicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>
#include <QStringLiteral>
#include <algorithm>
#include <cmath>

#include "catalogue/fontlist.h"
#include "platform/colorref.h"
#include "platform/uifont.h"
#include "render/rowpainter.h"
#include "render/samplefontcache.h"

namespace {

QFont LabelFont() {
    return platform::UiFont(QStringLiteral("Tahoma"), 8);
}

// Draws text with its top-left corner at (x, y).
void TextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + QFontMetrics(painter.font(), painter.device()).ascent(), text);
}

// A picture in the screen's format; the image's own resolution gives the point sizes.
QImage NewPicture(int width, int height) {
    return QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
}

}  // namespace

TExportPicture::TExportPicture(std::vector<std::string> fontNames, QString sampleText,
                               TExportLook look, TSampleFontCache& faces)
    : fontNames_(std::move(fontNames)),
      sampleText_(std::move(sampleText)),
      look_(look),
      faces_(faces) {
    CalcExtent();
}

int TExportPicture::LabelHeight(const QPaintDevice& canvas) const {
    return QFontMetrics(LabelFont(), &canvas).height() + 4;
}

void TExportPicture::CalcExtent() {
    const QImage canvas = NewPicture(1, 1);
    int maxWidth = 0;
    int maxHeight = 0;
    for (const std::string& name : fontNames_) {
        const QFontMetrics metrics(faces_.Plain(name, look_.fontSize, look_.fontStyle).font,
                                   &canvas);
        maxWidth = std::max({maxWidth, metrics.horizontalAdvance(sampleText_), SmoothWidth(name)});
        maxHeight = std::max(maxHeight, metrics.height());
    }
    const auto count = static_cast<std::int64_t>(fontNames_.size());
    naturalWidth_ = std::int64_t{maxWidth} + 8;
    naturalHeight_ = count * (maxHeight + 4) + count * LabelHeight(canvas);
}

// The smoothing draws a made-up bold wider than the face's advances say: each glyph is
// widened, and the last one's strokes grow past its advance.
int TExportPicture::SmoothWidth(const std::string& name) {
    if (!look_.antiAlias) {
        return 0;
    }
    SampleFace& face =
        faces_.Scaled(name, look_.fontSize, look_.fontStyle, TSupersampledText::kScale);
    const double large = TSampleFontCache::Width(face, sampleText_) + 2 * face.boldStrength;
    return static_cast<int>(std::ceil(large / TSupersampledText::kScale));
}

QImage TExportPicture::Draw(int width, int height) {
    QImage picture = NewPicture(width, height);
    if (picture.isNull()) {
        return picture;
    }
    picture.fill(ColorFromRef(look_.backColor));
    if (fontNames_.empty()) {
        return picture;
    }
    QPainter painter(&picture);
    const int label = LabelHeight(picture);
    const int row = height / static_cast<int>(fontNames_.size());
    for (std::size_t i = 0; i < fontNames_.size(); ++i) {
        const int top = row * static_cast<int>(i);
        painter.setFont(LabelFont());
        painter.setPen(ColorFromRef(look_.nameColor));
        TextAt(painter, 4, top + 2, QString::fromStdString(fontNames_[i]));
        DrawSample(painter, picture, fontNames_[i], {4, top + label + 2});
    }
    return picture;
}

void TExportPicture::DrawSample(QPainter& painter, const QImage& picture, const std::string& name,
                                QPoint at) {
    if (look_.antiAlias) {
        DrawSmoothSample(painter, picture, name, at);
        return;
    }
    painter.setFont(faces_.Plain(name, look_.fontSize, look_.fontStyle).font);
    painter.setPen(ColorFromRef(look_.textColor));
    TextAt(painter, at.x(), at.y(), sampleText_);
}

// The smoothing blends the text into what the picture already holds there, so rows that
// overlap at a small height keep each other's ink as the plain samples do.
void TExportPicture::DrawSmoothSample(QPainter& painter, const QImage& picture,
                                      const std::string& name, QPoint at) {
    SampleFace& face =
        faces_.Scaled(name, look_.fontSize, look_.fontStyle, TSupersampledText::kScale);
    const QRect shown =
        QRect(at.x(), at.y(), picture.width() - at.x(), face.height) & picture.rect();
    if (shown.isEmpty()) {
        return;
    }
    QImage line = picture.copy(shown);
    const TSupersampledText::LargeFace large{
        face.key,          face.font,
        face.ascent,       TSampleFontCache::Width(face, sampleText_ + QLatin1Char(' ')),
        face.boldStrength, face.boldAdvance};
    smooth_.Render(line, 0, large, sampleText_, look_.textColor);
    painter.drawImage(shown.topLeft(), line);
}

bool TExportPicture::Save(const QImage& picture, const std::string& file, std::string& error) {
    const QString name = QString::fromStdString(file);
    const char* format = name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
    QSaveFile output(name);
    if (!output.open(QIODevice::WriteOnly)) {
        error = "Cannot write \"" + file + "\": " + output.errorString().toStdString();
        return false;
    }
    if (!picture.save(&output, format)) {
        output.cancelWriting();
        error = "Cannot write \"" + file + "\": the picture could not be encoded.";
        return false;
    }
    if (!output.commit()) {
        error = "Cannot write \"" + file + "\": " + output.errorString().toStdString();
        return false;
    }
    return true;
}

std::vector<std::string> TExportPicture::ChosenFonts(const TFontList& items, bool selectedView) {
    std::vector<std::string> names;
    for (int i = 0; i < items.GetCount(); ++i) {
        const TFontInfo& record = items.GetItems(i);
        if (selectedView || record.Selected()) {
            names.push_back(record.FullName());
        }
    }
    return names;
}
