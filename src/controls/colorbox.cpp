#include "controls/colorbox.h"

#include <QMouseEvent>

#include "platform/colorref.h"

TColorBox::TColorBox(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void TColorBox::SetColor(std::uint32_t color) {
    color_ = color;
    QPalette fill = palette();
    fill.setColor(QPalette::Window, ColorFromRef(color));
    setPalette(fill);
}

void TColorBox::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    if (OnClick) {
        OnClick(*this);
    }
}
