#include "controls/cellcaption.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <algorithm>

namespace {

constexpr int kCellSize = 13;
constexpr int kCaptionLeft = 17;
constexpr int kDefaultHeight = 17;

}  // namespace

void PaintCellAndCaption(QPainter& painter, const QRect& rect, const QPixmap& cell,
                         const QString& caption, const QColor& ink) {
    painter.drawPixmap(rect.left(), rect.top() + (rect.height() - kCellSize) / 2, cell);
    painter.setPen(ink);
    painter.drawText(QRect(QPoint(rect.left() + kCaptionLeft, rect.top()), rect.bottomRight()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     caption);
}

QSize CellAndCaptionSize(const QFontMetrics& metrics, const QString& caption) {
    const QRect text =
        metrics.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
    return {kCaptionLeft + text.width() + 2, std::max(kDefaultHeight, metrics.height())};
}
