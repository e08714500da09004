#include "controls/centring.h"

#include <QRect>
#include <QWidget>

namespace {

QRect OuterRect(const QWidget* owner) {
    if (owner->isWindow()) {
        return owner->frameGeometry();
    }
    return QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
}

}  // namespace

void CentreOver(QWidget* dialog, const QWidget* owner) {
    const QRect outer = OuterRect(owner);
    const QWidget* topLevel = owner->window();
    const QSize frame = topLevel->frameGeometry().size() - topLevel->size();
    const QSize own = dialog->size() + frame;
    dialog->move(outer.left() + outer.width() / 2 - own.width() / 2,
                 outer.top() + outer.height() / 2 - own.height() / 2);
}
