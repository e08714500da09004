#include "controls/xpradiobutton.h"

#include <QKeyEvent>
#include <QPainter>

#include "controls/cellcaption.h"

namespace {

constexpr int kCheckedCell = 0;
constexpr int kUncheckedCell = 1;

}  // namespace

TXPRadioButton::TXPRadioButton(QWidget* parent) : TXPRadioButton(QString(), parent) {}

TXPRadioButton::TXPRadioButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent),
      cells_(QStringLiteral(":/images/RADIOBTN.png"), QSize(13, 13)) {
    // The group is this control's own (GroupIndex), not every radio button of the parent.
    setAutoExclusive(false);
    setFocusPolicy(Qt::ClickFocus);
    resize(121, 17);
    connect(this, &QAbstractButton::toggled, this, &TXPRadioButton::Checked);
}

void TXPRadioButton::SetGroupIndex(int value) {
    groupIndex_ = value;
}

void TXPRadioButton::SetFocusedColor(const QColor& color) {
    focusedColor_ = color;
    update();
}

QSize TXPRadioButton::sizeHint() const {
    return CellAndCaptionSize(fontMetrics(), text());
}

bool TXPRadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

QList<TXPRadioButton*> TXPRadioButton::Group() const {
    QList<TXPRadioButton*> group;
    if (parentWidget() == nullptr) {
        group.append(const_cast<TXPRadioButton*>(this));
        return group;
    }
    for (QObject* child : parentWidget()->children()) {
        auto* radio = qobject_cast<TXPRadioButton*>(child);
        if (radio != nullptr && radio->groupIndex_ == groupIndex_) {
            group.append(radio);
        }
    }
    return group;
}

void TXPRadioButton::Checked(bool checked) {
    setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    if (!checked) {
        return;
    }
    for (TXPRadioButton* other : Group()) {
        if (other != this) {
            other->setChecked(false);
        }
    }
}

void TXPRadioButton::nextCheckState() {
    // A click checks; only checking another one of the group unchecks.
    if (!isChecked()) {
        setChecked(true);
    }
}

void TXPRadioButton::checkStateSet() {
    QRadioButton::checkStateSet();
    if (isChecked()) {
        emit clicked(true);
    }
}

void TXPRadioButton::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        default:
            QRadioButton::keyPressEvent(event);
            return;
    }
    const QList<TXPRadioButton*> group = Group();
    const auto count = group.size();
    const auto self = group.indexOf(this);
    for (qsizetype i = 1; i < count; ++i) {
        TXPRadioButton* next = group[((self + step * i) % count + count) % count];
        if (next->isEnabled() && next->isVisible()) {
            next->click();
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void TXPRadioButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A disabled radio button keeps the caption's colour.
    const QColor ink =
        hasFocus() ? focusedColor_ : palette().color(QPalette::Active, QPalette::WindowText);
    const int cell = isChecked() ? kCheckedCell : kUncheckedCell;
    PaintCellAndCaption(painter, rect(), cells_.Image(cell, devicePixelRatioF()), text(), ink);
}
