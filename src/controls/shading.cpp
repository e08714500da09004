#include "controls/shading.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

namespace {

constexpr int kFlatRows = 14;
constexpr double kGradientStep = 0.008;

}  // namespace

QColor Shade(const QColor& color, double k) {
    const auto part = [k](int value) { return static_cast<int>(value - value * k); };
    return QColor(part(color.red()), part(color.green()), part(color.blue()));
}

void PaintGradient(QPainter& painter, const QRect& rect, const QColor& face) {
    painter.fillRect(rect, face);
    QColor color = face;
    for (int y = kFlatRows; y < rect.height(); y += 2) {
        color = Shade(color, kGradientStep);
        const int rows = std::min(2, rect.height() - y);
        painter.fillRect(QRect(rect.left(), rect.top() + y, rect.width(), rows), color);
    }
}
