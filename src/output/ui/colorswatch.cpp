#include "output/ui/colorswatch.h"

#include <QMouseEvent>

#include "platform/colorref.h"

TColorSwatch::TColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    SetColor(0);
}

void TColorSwatch::SetColor(std::uint32_t color) {
    color_ = color;
    QPalette shades = palette();
    shades.setColor(QPalette::Window, ColorFromRef(color));
    setPalette(shades);
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QFrame::mouseReleaseEvent(event);
}
