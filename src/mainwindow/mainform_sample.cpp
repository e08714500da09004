// The sample-text bar: style buttons, colour boxes, size box, and the tab faces.
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include "platform/colorref.h"
#include "mainwindow/mainform.h"
#include "platform/dialogs.h"
#include "preview/xfontlistview.h"

namespace {

const QColor kTabLine(152, 152, 152);

}  // namespace

void TMainForm::Antialiasing1Click() {
    FontView->SetAntiAlias(!FontView->AntiAlias());
}

void TMainForm::Bold1Click(int tag) {
    QToolButton* buttons[] = {sbBold, sbItalic, sbUnderline};
    QToolButton* button = buttons[tag];
    button->setChecked(!button->isChecked());
    sbBoldClick(button);
}

void TMainForm::sbBoldClick(QToolButton* button) {
    // The button's tag is the style's index: 0 bold, 1 italic, 2 underline.
    const auto bit = static_cast<TFontStyles>(1u << button->property("tag").toInt());
    TFontStyles style = FontView->FontStyle();
    style = button->isChecked() ? static_cast<TFontStyles>(style | bit)
                                : static_cast<TFontStyles>(style & ~bit);
    FontView->SetFontStyle(style);
}

void TMainForm::SetColorBoxFill(QFrame* box, std::uint32_t color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, ColorFromRef(color));
    box->setPalette(palette);
}

void TMainForm::sForeColorMouseUp(QFrame* box) {
    std::uint32_t color = ColorToRef(box->palette().color(QPalette::Window));
    if (!platform::CurrentDialogs().ChooseColor(color, this)) {
        return;
    }
    switch (box->property("tag").toInt()) {
        case 0:
            FontView->SetTextColor(color);
            break;
        case 1:
            FontView->SetColor(color);
            break;
        default:
            FontView->SetNameColor(color);
            break;
    }
    SetColorBoxFill(box, color);
}

void TMainForm::cbFontSizeChange(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    bool isNumber = false;
    const int size = text.toInt(&isNumber);
    if (isNumber) {
        // Sizes the list refuses (below 5, above 100) leave the typed text in the box.
        FontView->SetFontSize(size);
    } else {
        cbFontSize->setEditText(QString::number(FontView->FontSize()));
    }
}

void TMainForm::FontViewChangeFontSize() {
    cbFontSize->setEditText(QString::number(FontView->FontSize()));
}

bool TMainForm::HandleWidgetEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == sForeColor || watched == sBackColor || watched == sFontNameColor)) {
        sForeColorMouseUp(static_cast<QFrame*>(watched));
        return true;
    }
    if (event->type() == QEvent::Paint && watched == TabBar) {
        PaintTabBaseline();
        return true;
    }
    if (event->type() == QEvent::Paint && watched->parent() == TabBar) {
        if (auto* tab = qobject_cast<QToolButton*>(watched)) {
            PaintTab(tab);
            return true;
        }
    }
    return false;
}

void TMainForm::PaintTab(QToolButton* tab) {
    // TabBarCustomDrawButton: the face bitmap, the caption, and the tab's part of the
    // baseline under which the pressed tab opens.
    QPainter painter(tab);
    const bool pressed = tab->isChecked();
    painter.drawPixmap(0, 0, pressed ? tabSelectedBitmap_ : tabBitmap_);
    QFont font = tab->font();
    font.setBold(pressed);
    painter.setFont(font);
    // The favorites tab is never enabled, yet pressed it names the group shown.
    painter.setPen(tab->isEnabled() || pressed ? Qt::black : Qt::gray);
    const int width = tab->width();
    const int textWidth = QFontMetrics(font).horizontalAdvance(tab->text());
    painter.drawText(QPoint((width - textWidth) / 2, 5 + QFontMetrics(font).ascent()), tab->text());
    painter.setPen(kTabLine);
    const int bottom = tab->height() - 1;
    painter.drawLine(pressed ? width - 2 : 0, bottom, width + 1, bottom);
}

void TMainForm::PaintTabBaseline() {
    // TabBarCustomDraw: the baseline goes on left of the first tab and right of the last one
    // shown, so that it runs unbroken under the tabs.
    QPainter painter(TabBar);
    painter.setPen(kTabLine);
    const QRect last = tbFavGroup->isHidden() ? tbSelected->geometry() : tbFavGroup->geometry();
    painter.drawLine(0, last.bottom(), tbScreen->x() - 1, last.bottom());
    painter.drawLine(last.right() + 1, last.bottom(), TabBar->width() - 1, last.bottom());
}
