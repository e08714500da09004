#include "mainwindow/appdialogs.h"

#include <QApplication>

#include "controls/getstring.h"

int AppDialogs::MessageBox(const std::string& text, const std::string& caption,
                           platform::MsgButtons buttons, platform::MsgIcon icon, QWidget* owner) {
    return desktop_.MessageBox(text, caption, buttons, icon, owner);
}

int AppDialogs::InputString(const std::string& caption, const std::string& prompt,
                            std::string& text, QWidget* owner) {
    QWidget* window = owner != nullptr ? owner : QApplication::activeWindow();
    return ::InputString(window, caption, prompt, text);
}

std::string AppDialogs::BrowseForFolder(const std::string& title, const std::string& startFolder,
                                        QWidget* owner) {
    return desktop_.BrowseForFolder(title, startFolder, owner);
}

bool AppDialogs::ChooseColor(std::uint32_t& color, QWidget* owner) {
    return desktop_.ChooseColor(color, owner);
}

std::string AppDialogs::SaveFileName(const std::string& title, const std::string& filter,
                                     const std::string& initialPath, QWidget* owner) {
    return desktop_.SaveFileName(title, filter, initialPath, owner);
}
