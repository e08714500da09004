#pragma once

#include <iosfwd>

#include "platform/dialogs.h"

namespace platform {

// The dialogs of a program without windows (the `list` command, start-up before the window
// system): a message goes to a text stream as "caption: text" (the text alone without a
// caption) and a question takes its first answer, except that "Retry" is never chosen
// unattended, since a caller retrying a persistent failure would never stop. Prompts and
// pickers are cancelled.
class StreamDialogs : public Dialogs {
public:
    explicit StreamDialogs(std::ostream& out) : out_(out) {}

    int MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon icon, QWidget* owner) override;
    int InputString(const std::string& caption, const std::string& prompt, std::string& text,
                    QWidget* owner) override;
    std::string BrowseForFolder(const std::string& title, const std::string& startFolder,
                                QWidget* owner) override;
    bool ChooseColor(std::uint32_t& color, QWidget* owner) override;
    std::string SaveFileName(const std::string& title, const std::string& filter,
                             const std::string& initialPath, QWidget* owner) override;

private:
    std::ostream& out_;
};

}  // namespace platform
