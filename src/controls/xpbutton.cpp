#include "controls/xpbutton.h"

#include <QPainter>

#include "controls/glyphwellstyle.h"
#include "platform/colorref.h"

namespace {

const QColor kFace(255, 255, 255);
const QColor kPressedFace(235, 235, 235);
const QColor kFrame = ColorFromRef(7551744);
const QColor kDisabledFace = ColorFromRef(15987956);
const QColor kDisabledFrame = ColorFromRef(12240841);
const QColor kEdgeDark = ColorFromRef(13621728);
const QColor kEdgeLight = ColorFromRef(14739948);
const QColor kFocusDark = ColorFromRef(14258009);
const QColor kFocusLight = ColorFromRef(13869427);
constexpr qreal kCornerRadius = 2.5;

// A line from (x1, y1) to (x2, y2) without its end point, as the window system draws lines.
void Line(QPainter& painter, const QColor& color, int x1, int y1, int x2, int y2) {
    painter.setPen(color);
    if (x1 == x2) {
        painter.drawLine(x1, y1, x2, y2 - 1);
    } else {
        painter.drawLine(x1, y1, x2 - 1, y2);
    }
}

}  // namespace

TXPButton::TXPButton(QWidget* parent) : QPushButton(parent) {}

TXPButton::TXPButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void TXPButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    const bool pressed = isDown() || isChecked();
    painter.setPen(enabled ? kFrame : kDisabledFrame);
    painter.setBrush(!enabled ? kDisabledFace : pressed ? kPressedFace : kFace);
    painter.drawRoundedRect(QRect(0, 0, width() - 1, height() - 1), kCornerRadius, kCornerRadius);
    if (enabled) {
        PaintEdges(painter, pressed);
    }
    painter.setPen(enabled ? palette().color(QPalette::ButtonText) : GrayText(palette()));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text());
}

void TXPButton::PaintEdges(QPainter& painter, bool pressed) const {
    const int w = width();
    const int h = height();
    if (pressed) {
        Line(painter, kEdgeDark, 2, 1, w - 2, 1);
        Line(painter, kEdgeDark, 1, 2, 1, h - 2);
        Line(painter, kEdgeLight, 1, 2, w - 1, 2);
        Line(painter, kEdgeLight, 2, 1, 2, h - 2);
        return;
    }
    Line(painter, kEdgeDark, 2, h - 2, w - 2, h - 2);
    Line(painter, kEdgeDark, w - 2, 2, w - 2, h - 2);
    Line(painter, kEdgeLight, 1, h - 3, w - 1, h - 3);
    Line(painter, kEdgeLight, w - 3, 1, w - 3, h - 2);
    if ((hasFocus() || isDefault()) && (focusPolicy() & Qt::TabFocus)) {
        Line(painter, kFocusDark, 2, h - 2, w - 2, h - 2);
        Line(painter, kFocusLight, 1, h - 3, w - 1, h - 3);
    }
}
