#include "controls/autosize.h"

#include <QRect>
#include <QWidget>

void ResizeToWidth(QWidget& label, int newWidth, bool rightAligned) {
    QRect bounds = label.geometry();
    if (rightAligned) {
        bounds.setLeft(bounds.left() + bounds.width() - newWidth);
    }
    bounds.setWidth(newWidth);
    label.setGeometry(bounds);
    label.updateGeometry();
}
