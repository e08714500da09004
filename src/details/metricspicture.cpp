#include "details/metricspicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "platform/uifont.h"

namespace {

constexpr int kWidth = 377;
constexpr int kHeight = 225;
constexpr int kGlyphLeft = 150;
constexpr int kCellTop = 18;
constexpr int kAscentPixels = 100;  // the sample glyphs' ascent, chosen to fill the picture
constexpr int kHead = 3;            // arrow head size

const QColor kLine(90, 90, 90);
const QColor kArrow(255, 204, 0);
const QColor kLabel(255, 255, 255);
const QColor kGlyph(110, 170, 255);

QFont SansFont(int pixelSize) {
    return platform::UiPixelFont(QStringLiteral("Tahoma"), pixelSize);
}

// The sample font sized so that its ascent is close to kAscentPixels, whatever the family.
QFont GlyphFont() {
    QFont font = SansFont(100);
    const int ascent = std::max(1, QFontMetrics(font).ascent());
    font.setPixelSize(std::max(8, 100 * kAscentPixels / ascent));
    return font;
}

void VerticalArrow(QPainter& p, int x, int top, int bottom) {
    p.setPen(kArrow);
    p.drawLine(x, top, x, bottom);
    p.setBrush(kArrow);
    p.drawPolygon(
        QPolygon({QPoint(x, top), QPoint(x - kHead, top + kHead), QPoint(x + kHead, top + kHead)}));
    p.drawPolygon(QPolygon(
        {QPoint(x, bottom), QPoint(x - kHead, bottom - kHead), QPoint(x + kHead, bottom - kHead)}));
}

void HorizontalArrow(QPainter& p, int left, int right, int y) {
    p.setPen(kArrow);
    p.drawLine(left, y, right, y);
    p.setBrush(kArrow);
    p.drawPolygon(QPolygon(
        {QPoint(left, y), QPoint(left + kHead, y - kHead), QPoint(left + kHead, y + kHead)}));
    p.drawPolygon(QPolygon(
        {QPoint(right, y), QPoint(right - kHead, y - kHead), QPoint(right - kHead, y + kHead)}));
}

// A label right-aligned against x, vertically centred between top and bottom.
void LabelLeftOf(QPainter& p, int x, int top, int bottom, const QString& text) {
    p.setPen(kLabel);
    p.drawText(QRect(0, top, x - 4, bottom - top), Qt::AlignRight | Qt::AlignVCenter, text);
}

void Guide(QPainter& p, int y) {
    p.setPen(QPen(kLine, 1, Qt::DashLine));
    p.drawLine(0, y, kWidth, y);
}

// Where the lines of the sample lie, from the top of its cell down to the next line's top.
struct Lines {
    int cellTop;
    int emTop;
    int baseline;
    int cellBottom;
    int nextTop;
};

Lines LinesOf(const QFontMetrics& metrics, int pixelSize) {
    Lines lines;
    lines.cellTop = kCellTop;
    lines.baseline = kCellTop + metrics.ascent();
    const int internalLeading = std::max(4, metrics.height() - pixelSize);
    lines.emTop = kCellTop + internalLeading;
    lines.cellBottom = lines.baseline + metrics.descent();
    lines.nextTop = lines.cellBottom + 14;
    return lines;
}

void DrawHeights(QPainter& p, const Lines& l) {
    for (const int y : {l.cellTop, l.emTop, l.baseline, l.cellBottom, l.nextTop}) {
        Guide(p, y);
    }
    VerticalArrow(p, kWidth - 16, l.cellTop, l.cellBottom);
    p.setPen(kLabel);
    p.save();
    // The label turns about a whole pixel, so it draws the same at every height.
    const int middle = (l.cellTop + l.cellBottom) / 2;
    p.translate(kWidth - 4, middle);
    p.rotate(-90);
    p.drawText(QRect(-40, -12, 80, 12), Qt::AlignCenter, "Height");
    p.restore();
    VerticalArrow(p, 140, l.cellTop, l.emTop);
    LabelLeftOf(p, 134, l.cellTop - 4, l.emTop + 4, "InternalLeading");
    VerticalArrow(p, 140, l.emTop, l.baseline);
    LabelLeftOf(p, 134, l.emTop, l.baseline, "Ascent");
    VerticalArrow(p, 140, l.baseline, l.cellBottom);
    LabelLeftOf(p, 134, l.baseline, l.cellBottom, "Descent");
    VerticalArrow(p, 140, l.cellBottom, l.nextTop);
    LabelLeftOf(p, 134, l.cellBottom - 2, l.nextTop + 2, "LineGap, ExternalLeading");
}

void DrawWidths(QPainter& p, const QFontMetrics& metrics, const Lines& l) {
    const int average = metrics.averageCharWidth();
    const int widest = std::min(metrics.maxWidth(), kWidth - kGlyphLeft - 24);
    const int averageY = l.nextTop + 14;
    const int widestY = averageY + 22;
    HorizontalArrow(p, kGlyphLeft, kGlyphLeft + average, averageY);
    LabelLeftOf(p, kGlyphLeft, averageY - 8, averageY + 8, "Average Char Width");
    HorizontalArrow(p, kGlyphLeft, kGlyphLeft + widest, widestY);
    LabelLeftOf(p, kGlyphLeft, widestY - 8, widestY + 8, "Max Char Width");
}

}  // namespace

QPixmap MetricsPicture() {
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFont glyphFont = GlyphFont();
    const QFontMetrics metrics(glyphFont);
    const Lines lines = LinesOf(metrics, glyphFont.pixelSize());
    p.setFont(glyphFont);
    p.setPen(kGlyph);
    p.drawText(kGlyphLeft + 6, lines.baseline, QString::fromUtf8("\xC3\x81gx"));
    p.setFont(SansFont(10));
    DrawHeights(p, lines);
    DrawWidths(p, metrics, lines);
    return picture;
}
