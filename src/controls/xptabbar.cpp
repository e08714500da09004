#include "controls/xptabbar.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QToolButton>

namespace {

const QColor kTabLine(152, 152, 152);

// One tab: the face picture, the caption, and the tab's part of the baseline, under which
// the pressed tab opens.
class TTab : public QToolButton {
public:
    TTab(QWidget* parent, const QPixmap& face, const QPixmap& pressedFace)
        : QToolButton(parent), face_(face), pressedFace_(pressedFace) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const bool pressed = isChecked();
        painter.drawPixmap(0, 0, pressed ? pressedFace_ : face_);
        QFont captionFont = font();
        captionFont.setBold(pressed);
        painter.setFont(captionFont);
        // A disabled tab that is pressed (the favorites group on show) still names what is shown.
        painter.setPen(isEnabled() || pressed ? Qt::black : Qt::gray);
        const QFontMetrics metrics(captionFont);
        const int textWidth = metrics.horizontalAdvance(text());
        painter.drawText(QPoint((width() - textWidth) / 2, 5 + metrics.ascent()), text());
        painter.setPen(kTabLine);
        const int bottom = height() - 1;
        painter.drawLine(pressed ? width() - 2 : 0, bottom, width() + 1, bottom);
    }

private:
    const QPixmap& face_;
    const QPixmap& pressedFace_;
};

}  // namespace

TXPTabBar::TXPTabBar(QWidget* parent) : QWidget(parent), group_(new QButtonGroup(this)) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFixedHeight(kTabHeight + 1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 1, 0, 0);
    row->setSpacing(0);
    row->addStretch(1);
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) {
        if (OnTabClick) {
            OnTabClick(index);
        }
    });
}

QToolButton* TXPTabBar::AddTab(const char* name, const QString& caption, const QString& hint) {
    const int index = static_cast<int>(tabs_.size());
    auto* tab = new TTab(this, face_, pressedFace_);
    tab->setObjectName(name);
    tab->setText(caption);
    tab->setToolTip(hint);
    tab->setProperty("tag", index);
    tab->setCheckable(true);
    tab->setFixedSize(kTabWidth, kTabHeight);
    group_->addButton(tab, index);
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertWidget(row->count() - 1, tab);
    tabs_.push_back(tab);
    return tab;
}

void TXPTabBar::SetFaces(const QPixmap& tab, const QPixmap& pressed) {
    face_ = tab;
    pressedFace_ = pressed;
    update();
}

void TXPTabBar::paintEvent(QPaintEvent*) {
    // The baseline goes left of the first tab and right of the last one shown, so that it runs
    // unbroken under the tabs.
    const QToolButton* last = nullptr;
    for (const QToolButton* tab : tabs_) {
        if (!tab->isHidden()) {
            last = tab;
        }
    }
    if (last == nullptr) {
        return;
    }
    QPainter painter(this);
    painter.setPen(kTabLine);
    const QRect shown = last->geometry();
    painter.drawLine(0, shown.bottom(), tabs_.front()->x() - 1, shown.bottom());
    painter.drawLine(shown.right() + 1, shown.bottom(), width() - 1, shown.bottom());
}
