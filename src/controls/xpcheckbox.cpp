#include "controls/xpcheckbox.h"

#include <QPainter>

#include "controls/cellcaption.h"
#include "controls/glyphwellstyle.h"

namespace {

constexpr int kCheckedCell = 0;
constexpr int kUncheckedCell = 1;

}  // namespace

TXPCheckBox::TXPCheckBox(QWidget* parent) : TXPCheckBox(QString(), parent) {}

TXPCheckBox::TXPCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent), cells_(QStringLiteral(":/images/CHECKBTN.png"), QSize(13, 13)) {
    resize(121, 17);
}

void TXPCheckBox::SetFocusedColor(const QColor& color) {
    focusedColor_ = color;
    update();
}

QSize TXPCheckBox::sizeHint() const {
    return CellAndCaptionSize(fontMetrics(), text());
}

bool TXPCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void TXPCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor ink = !isEnabled() ? GrayText(palette())
                       : hasFocus() ? focusedColor_
                                    : palette().color(QPalette::WindowText);
    const int cell = checkState() == Qt::Unchecked ? kUncheckedCell : kCheckedCell;
    PaintCellAndCaption(painter, rect(), cells_.Image(cell, devicePixelRatioF()), text(), ink);
}
