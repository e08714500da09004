#pragma once

#include "platform/dialogs.h"

// The dialogs the application installs: the desktop's, with the program's own text prompt.
class AppDialogs : public platform::Dialogs {
public:
    // desktop answers everything but the text prompt; it must outlive this.
    explicit AppDialogs(platform::Dialogs& desktop) : desktop_(desktop) {}

    int MessageBox(const std::string& text, const std::string& caption,
                   platform::MsgButtons buttons, platform::MsgIcon icon,
                   QWidget* owner = nullptr) override;
    int InputString(const std::string& caption, const std::string& prompt, std::string& text,
                    QWidget* owner = nullptr) override;
    std::string BrowseForFolder(const std::string& title, const std::string& startFolder,
                                QWidget* owner = nullptr) override;
    bool ChooseColor(std::uint32_t& color, QWidget* owner = nullptr) override;
    std::string SaveFileName(const std::string& title, const std::string& filter,
                             const std::string& initialPath, QWidget* owner = nullptr) override;

private:
    platform::Dialogs& desktop_;
};
