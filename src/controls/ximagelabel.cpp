#include "controls/ximagelabel.h"

#include <QBitmap>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "controls/autosize.h"

TXImageLabel::TXImageLabel(QWidget* parent) : QLabel(parent) {}

void TXImageLabel::SetCaption(const QString& caption) {
    setText(caption);
    AdjustBounds();
    update();
}

// A picture without alpha takes its bottom-left pixel as the transparent colour, the way a
// bitmap marked transparent is drawn.
void TXImageLabel::SetImage(const QPixmap& image) {
    image_ = image;
    if (!image_.isNull() && !image_.hasAlphaChannel()) {
        const QImage pixels = image_.toImage();
        const QColor key = pixels.pixelColor(0, pixels.height() - 1);
        image_.setMask(image_.createMaskFromColor(key, Qt::MaskInColor));
    }
    AdjustBounds();
    update();
}

void TXImageLabel::SetLeftMargin(int value) {
    if (value == leftMargin_) {
        return;
    }
    leftMargin_ = value;
    AdjustBounds();
    update();
}

void TXImageLabel::SetRightMargin(int value) {
    if (value == rightMargin_) {
        return;
    }
    rightMargin_ = value;
    AdjustBounds();
    update();
}

void TXImageLabel::SetAutoSize(bool value) {
    autoSize_ = value;
    AdjustBounds();
}

// The picture's size in the label's units, also for a picture made for a denser screen.
QSize TXImageLabel::ImageSize() const {
    return image_.isNull() ? QSize(0, 0) : image_.deviceIndependentSize().toSize();
}

int TXImageLabel::NaturalWidth() const {
    const int imageWidth = ImageSize().width();
    return fontMetrics().horizontalAdvance(text()) + imageWidth + leftMargin_ + rightMargin_ + 4;
}

void TXImageLabel::AdjustBounds() {
    if (!autoSize_) {
        return;
    }
    ResizeToWidth(*this, NaturalWidth(), (alignment() & Qt::AlignRight) != 0);
}

QSize TXImageLabel::sizeHint() const {
    const int imageHeight = ImageSize().height();
    return {NaturalWidth(), std::max(fontMetrics().height(), imageHeight)};
}

void TXImageLabel::DoDrawText(QPainter& painter, const QRect& rect) {
    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();
    int y = rect.top();
    if (alignment() & Qt::AlignVCenter) {
        y = rect.top() + (rect.height() - textHeight) / 2;
    } else if (alignment() & Qt::AlignBottom) {
        y = rect.top() + rect.height() - textHeight;
    }
    const int imageWidth = ImageSize().width();
    const int captionWidth = metrics.horizontalAdvance(text());
    // Right and centred captions are placed in what is left after picture and margins, so
    // the caption never runs past the right edge.
    const int room = width() - (imageWidth + leftMargin_ + 4) - rightMargin_;
    int x = rect.left();
    if (alignment() & Qt::AlignRight) {
        x = room - captionWidth;
    } else if (alignment() & Qt::AlignHCenter) {
        x = (room - captionWidth) / 2;
    }
    if (!image_.isNull()) {
        painter.drawPixmap(leftMargin_, (height() - ImageSize().height()) / 2, image_);
    }
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(x + imageWidth + leftMargin_ + 4, y + metrics.ascent(), text());
}

void TXImageLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DoDrawText(painter, contentsRect());
}

void TXImageLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        AdjustBounds();
    }
}
