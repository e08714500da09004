#include "controls/xlabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "controls/autosize.h"
#include "controls/markup.h"

TXLabel::TXLabel(QWidget* parent) : QLabel(parent) {}

TXLabel::TXLabel(const QString& caption, QWidget* parent) : QLabel(parent) {
    SetCaption(caption);
}

void TXLabel::SetCaption(const QString& caption) {
    setText(caption);
    AdjustBounds();
    update();
}

QColor TXLabel::FontColor() const {
    return palette().color(foregroundRole());
}

void TXLabel::SetFontColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(foregroundRole(), color);
    setPalette(p);
    update();
}

void TXLabel::SetAutoSize(bool value) {
    autoSize_ = value;
    AdjustBounds();
}

int TXLabel::GetTextWidth(const std::string& text) const {
    int width = 0;
    QFontMetrics metrics(font());
    TMarkupWalker walker(font(), FontColor());
    walker.Walk(text, {[&](const QFont& f) { metrics = QFontMetrics(f); }, nullptr,
                       [&](const QString& run) { width += metrics.horizontalAdvance(run); }});
    return width;
}

void TXLabel::AdjustBounds() {
    if (!autoSize_) {
        return;
    }
    ResizeToWidth(*this, GetTextWidth(Caption()), (alignment() & Qt::AlignRight) != 0);
}

QSize TXLabel::sizeHint() const {
    return {GetTextWidth(Caption()), QFontMetrics(font()).height()};
}

void TXLabel::DoDrawText(QPainter& painter, const QRect& rect) {
    const std::string caption = Caption();
    const int textHeight = QFontMetrics(font()).height();
    int y = rect.top();
    if (alignment() & Qt::AlignVCenter) {
        y = rect.top() + (rect.height() - textHeight) / 2;
    } else if (alignment() & Qt::AlignBottom) {
        y = rect.top() + rect.height() - textHeight;
    }
    int x = rect.left();
    if (alignment() & Qt::AlignRight) {
        x = width() - GetTextWidth(caption);
    } else if (alignment() & Qt::AlignHCenter) {
        x = (width() - GetTextWidth(caption)) / 2;
    }
    painter.setFont(font());
    painter.setPen(FontColor());
    QFontMetrics metrics(font());
    TMarkupWalker walker(font(), FontColor());
    walker.Walk(caption, {[&](const QFont& f) {
                              painter.setFont(f);
                              metrics = QFontMetrics(f);
                          },
                          [&](const QColor& c) { painter.setPen(c); },
                          [&](const QString& run) {
                              painter.drawText(x, y + metrics.ascent(), run);
                              x += metrics.horizontalAdvance(run);
                          }});
}

void TXLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DoDrawText(painter, contentsRect());
}

void TXLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TXLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit clicked();
        if (OnClick) {
            OnClick();
        }
    }
}

void TXLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        AdjustBounds();
    }
}
