#include "controls/xpgroupbox.h"

#include <QPainter>

#include "controls/glyphwellstyle.h"

namespace {

constexpr qreal kCornerRadius = 4;
constexpr int kCaptionLeft = 8;
// The caption's background is this much wider than its text, half on each side.
constexpr int kCaptionPadding = 6;

}  // namespace

TXPGroupBox::TXPGroupBox(QWidget* parent) : QGroupBox(parent) {}

TXPGroupBox::TXPGroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void TXPGroupBox::SetLineColor(const QColor& color) {
    lineColor_ = color;
    update();
}

void TXPGroupBox::SetCaptionColor(const QColor& color) {
    captionColor_ = color;
    update();
}

void TXPGroupBox::paintEvent(QPaintEvent* event) {
    if (isCheckable()) {
        QGroupBox::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(lineColor_);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0.5, top + 0.5, width() - 1, height() - top - 1), kCornerRadius,
                            kCornerRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (title().isEmpty()) {
        return;
    }
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QRect text = metrics.boundingRect(QRect(), flags, title());
    painter.fillRect(QRect(kCaptionLeft - kCaptionPadding / 2, 0, text.width() + kCaptionPadding,
                           metrics.height()),
                     palette().color(backgroundRole()));
    const QColor ink = !isEnabled()              ? GrayText(palette())
                       : captionColor_.isValid() ? captionColor_
                                                 : palette().color(QPalette::WindowText);
    painter.setPen(ink);
    painter.drawText(QRect(kCaptionLeft, 0, text.width() + kCaptionPadding, metrics.height()),
                     flags, title());
}
