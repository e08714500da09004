#include "details/largechar.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TLargeChar::TLargeChar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void TLargeChar::SetCharFont(const QFont& font) {
    font_ = font;
    update();
}

void TLargeChar::SetText(const QString& text) {
    text_ = text;
    update();
}

void TLargeChar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (text_.isEmpty()) {
        return;
    }
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font_, this);
    // Centred by the character's advance and the font's line height, halves truncated.
    const int left = (width() - metrics.horizontalAdvance(text_)) / 2;
    const int top = (height() - metrics.height()) / 2;
    painter.drawText(left, top + metrics.ascent(), text_);
}

void TLargeChar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick) {
        OnClick();
    }
}
