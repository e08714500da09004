#include "fileops/common.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "controls/centring.h"
#include "fileops/getstring.h"

int InputString(QWidget* window, const std::string& caption, const std::string& prompt,
                std::string& text) {
    TfGetString dialog(window);
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.Descript()->setText(QString::fromStdString(prompt));
    dialog.Edit()->setText(QString::fromStdString(text));
    dialog.Edit()->selectAll();
    dialog.Edit()->setFocus();
    if (window != nullptr) {
        CentreOver(&dialog, window);
    }
    const int result = dialog.exec();
    if (result == TfGetString::kResultOk) {
        text = dialog.Edit()->text().toStdString();
    }
    return result;
}
