#include "controls/menupainter.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

namespace {

const QColor kItemBack(255, 255, 255);
const QColor kStrip(47, 126, 227);
const QColor kHighlightFill(151, 188, 244);
const QColor kSeparatorLine(220, 220, 220);
const QColor kTopHighlight(20, 102, 204);

constexpr int kStripWidth = 4;
constexpr int kImageLeft = 8;
constexpr int kTextLeft = 28;
constexpr int kRightMargin = 8;
constexpr int kSeparatorHeight = 9;
constexpr int kSeparatorY = 4;
constexpr int kSeparatorRightInset = 4;
constexpr int kMinItemHeight = 22;
constexpr int kItemPadding = 6;
// Room between the label and the right-hand texts, which the menu adds after it.
constexpr int kShortcutGap = 24;

// A one-pixel frame on the outermost pixels of rect.
void FrameRect(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

int TextFlags(bool showMnemonic) {
    return Qt::TextSingleLine | Qt::AlignVCenter |
           (showMnemonic ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

}  // namespace

TMenuPainter::TMenuPainter(const TImageList& images, QColor grayText, QColor face)
    : images_(images), grayText_(grayText), face_(face) {}

void TMenuPainter::DrawItem(QPainter& painter, const QRect& rect, const TMenuItemLook& item) const {
    // The item's right edge as the window system counts it: the first column past the item.
    const int right = rect.left() + rect.width();
    painter.fillRect(rect, kItemBack);
    painter.fillRect(QRect(rect.left(), rect.top(), kStripWidth, rect.height()), kStrip);
    if (item.highlighted && !item.separator) {
        painter.fillRect(QRect(QPoint(rect.left() + kStripWidth, rect.top()), rect.bottomRight()),
                         kHighlightFill);
        painter.fillRect(QRect(right - kStripWidth, rect.top(), kStripWidth, rect.height()),
                         kStrip);
        FrameRect(painter, QRect(QPoint(rect.left() + 3, rect.top()), rect.bottomRight()), kStrip);
    }
    if (item.separator) {
        const int y = rect.top() + kSeparatorY;
        painter.fillRect(
            QRect(QPoint(rect.left() + kImageLeft, y), QPoint(right - kSeparatorRightInset - 1, y)),
            kSeparatorLine);
        return;
    }
    DrawImage(painter, rect, item);
    DrawTexts(painter, rect, item);
}

void TMenuPainter::DrawImage(QPainter& painter, const QRect& rect,
                             const TMenuItemLook& item) const {
    const int x = rect.left() + kImageLeft;
    const int y = rect.top() + (rect.height() - ImageSize) / 2;
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1;
    if (item.checked) {
        painter.drawPixmap(x, y + 1, images_.Image(item.radio ? RadioImage : CheckImage, ratio));
    } else if (!item.image.isNull()) {
        painter.drawPixmap(QRect(x, y, ImageSize, ImageSize), item.image);
    }
}

void TMenuPainter::DrawTexts(QPainter& painter, const QRect& rect,
                             const TMenuItemLook& item) const {
    const int tab = static_cast<int>(item.caption.indexOf(QLatin1Char('\t')));
    const QString label = tab < 0 ? item.caption : item.caption.left(tab);
    QString rightText = tab < 0 ? QString() : item.caption.mid(tab + 1);
    if (rightText.isEmpty()) {
        rightText = item.shortcut;
    }
    const QColor ink = item.highlighted ? QColor(Qt::white) : QColor(Qt::black);
    const QRect textArea(QPoint(rect.left() + kTextLeft, rect.top()),
                         QPoint(rect.right() - kRightMargin, rect.bottom()));
    painter.setPen(item.enabled ? ink : grayText_);
    painter.drawText(textArea, TextFlags(item.showMnemonic) | Qt::AlignLeft, label);
    if (!rightText.isEmpty()) {
        painter.setPen(item.highlighted ? QColor(Qt::white) : grayText_);
        painter.drawText(textArea, TextFlags(false) | Qt::AlignRight, rightText);
    }
}

QSize TMenuPainter::ItemSize(const QSize& label, bool separator) {
    if (separator) {
        return {kTextLeft, kSeparatorHeight};
    }
    const int height =
        std::max({kMinItemHeight, label.height() + kItemPadding, ImageSize + kItemPadding});
    return {kTextLeft + label.width() + kShortcutGap + kRightMargin, height};
}

void TMenuPainter::DrawTopItem(QPainter& painter, const QRect& rect, const QString& caption,
                               bool highlighted, bool showMnemonic) const {
    painter.fillRect(rect, highlighted ? kTopHighlight : face_);
    painter.setPen(highlighted ? QColor(Qt::white) : QColor(Qt::black));
    painter.drawText(rect, TextFlags(showMnemonic) | Qt::AlignHCenter, caption);
}
