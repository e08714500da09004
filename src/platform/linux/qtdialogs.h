#pragma once

#include "platform/dialogs.h"

namespace platform {

// The program's dialogs on Qt: message boxes with the Windows buttons and results, Qt's
// folder, colour and save dialogs, and a generic text prompt (the application replaces it
// with its own prompt window).
class QtDialogs : public Dialogs {
public:
    int MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon icon, QWidget* owner = nullptr) override;
    int InputString(const std::string& caption, const std::string& prompt, std::string& text,
                    QWidget* owner = nullptr) override;
    std::string BrowseForFolder(const std::string& title, const std::string& startFolder,
                                QWidget* owner = nullptr) override;
    bool ChooseColor(std::uint32_t& color, QWidget* owner = nullptr) override;
    std::string SaveFileName(const std::string& title, const std::string& filter,
                             const std::string& initialPath, QWidget* owner = nullptr) override;
};

}  // namespace platform
