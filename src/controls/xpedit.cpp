#include "controls/xpedit.h"

#include <QEvent>
#include <QPainter>

#include "platform/colorref.h"

namespace {

const QColor kBorder = ColorFromRef(12164479);
// The frame and the ring inside it.
constexpr int kFrame = 2;

}  // namespace

TXPEdit::TXPEdit(QWidget* parent) : QLineEdit(parent), borderColor_(kBorder) {
    setFrame(false);
    // The frame is ours; the box keeps one more pixel of its own margin at the sides.
    setTextMargins(1, kFrame, 1, kFrame);
    AdjustHeight();
}

void TXPEdit::SetBorderColor(const QColor& color) {
    borderColor_ = color;
    update();
}

QSize TXPEdit::sizeHint() const {
    return {QLineEdit::sizeHint().width(), fontMetrics().height() + 2 * kFrame};
}

QSize TXPEdit::minimumSizeHint() const {
    return {QLineEdit::minimumSizeHint().width(), fontMetrics().height() + 2 * kFrame};
}

void TXPEdit::AdjustHeight() {
    setFixedHeight(fontMetrics().height() + 2 * kFrame);
}

void TXPEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        AdjustHeight();
    }
}

void TXPEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QColor back =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(borderColor_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(back);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}
