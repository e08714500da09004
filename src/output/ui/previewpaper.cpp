#include "output/ui/previewpaper.h"

#include <QPainter>

TPreviewPaper::TPreviewPaper(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPreviewPaper::SetPage(QImage page) {
    page_ = std::move(page);
    update();
}

void TPreviewPaper::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (page_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // Zooms other than 100 % scale the rendered page; smoothing keeps small text readable.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, size() != page_.size());
    painter.drawImage(rect(), page_);
}
