#include "mainwindow/appdialogs.h"

#include <QApplication>

#include "controls/getstring.h"

int AppDialogs::InputString(const std::string& caption, const std::string& prompt,
                            std::string& text, QWidget* owner) {
    QWidget* window = owner != nullptr ? owner : QApplication::activeWindow();
    return ::InputString(window, caption, prompt, text);
}
