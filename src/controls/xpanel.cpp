#include "controls/xpanel.h"

#include <QPainter>

TXPanel::TXPanel(QWidget* parent) : QWidget(parent) {
    resize(100, 100);
}

void TXPanel::paintEvent(QPaintEvent*) {
    if (OnPaint) {
        QPainter canvas(this);
        OnPaint(*this, canvas);
    }
}
