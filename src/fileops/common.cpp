#include "fileops/common.h"

#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QWidget>

#include "fileops/getstring.h"

namespace {

QRect OuterRect(const QWidget* window) {
    if (window->isWindow()) {
        return window->frameGeometry();
    }
    return QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
}

// left = window left + window width / 2 - dialog width / 2, halves truncated toward zero;
// top likewise, with outer (framed) sizes. The dialog's frame does not exist before it is
// shown, so it is taken to be as thick as the owner's.
void CentreOn(QWidget* dialog, const QWidget* window) {
    const QRect outer = OuterRect(window);
    const QWidget* topLevel = window->window();
    const QSize frame = topLevel->frameGeometry().size() - topLevel->size();
    const QSize own = dialog->size() + frame;
    dialog->move(outer.left() + outer.width() / 2 - own.width() / 2,
                 outer.top() + outer.height() / 2 - own.height() / 2);
}

}  // namespace

int InputString(QWidget* window, const std::string& caption, const std::string& prompt,
                std::string& text) {
    TfGetString dialog(window);
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.Descript()->setText(QString::fromStdString(prompt));
    dialog.Edit()->setText(QString::fromStdString(text));
    dialog.Edit()->selectAll();
    dialog.Edit()->setFocus();
    if (window != nullptr) {
        CentreOn(&dialog, window);
    }
    const int result = dialog.exec();
    if (result == TfGetString::kResultOk) {
        text = dialog.Edit()->text().toStdString();
    }
    return result;
}
