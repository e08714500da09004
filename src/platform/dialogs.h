#pragma once

#include <cstdint>
#include <string>

class QWidget;

namespace platform {

// Windows-numbered results, so callers can compare with the values the program uses.
enum DialogResult : int {
    IdNone = 0,
    IdOk = 1,
    IdCancel = 2,
    IdAbort = 3,
    IdRetry = 4,
    IdIgnore = 5,
    IdYes = 6,
    IdNo = 7
};

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Information, Warning, Error, Question };

// Every message box, question, text prompt, folder picker, colour and file dialog of the
// program goes through here. The application installs the Qt implementation; tests install
// a scripted one that answers in order and records what was asked.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual int MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                           MsgIcon icon, QWidget* owner = nullptr) = 0;
    // One-line text prompt centred on owner; returns IdOk (text replaced) or IdCancel.
    virtual int InputString(const std::string& caption, const std::string& prompt,
                            std::string& text, QWidget* owner = nullptr) = 0;
    // Folder picker; empty when cancelled.
    virtual std::string BrowseForFolder(const std::string& title, const std::string& startFolder,
                                        QWidget* owner = nullptr) = 0;
    // Colour dialog preset to color (0x00BBGGRR); false when cancelled.
    virtual bool ChooseColor(std::uint32_t& color, QWidget* owner = nullptr) = 0;
    // Save-file dialog; empty when cancelled. filter uses Qt's "Name (*.ext)" form.
    virtual std::string SaveFileName(const std::string& title, const std::string& filter,
                                     const std::string& initialPath, QWidget* owner = nullptr) = 0;
};

// The dialogs in use: a hook with a real default (messages go to standard error and every
// question answers its first button) so deep code such as the font reader can reach it.
Dialogs& CurrentDialogs();
// Installs d (not owned); nullptr restores the default. Returns the previous one.
Dialogs* SetDialogs(Dialogs* d);

}  // namespace platform
