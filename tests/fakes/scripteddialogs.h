#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace fakes {

// One dialog the code under test opened.
struct DialogCall {
    std::string
        kind;  // "MessageBox", "InputString", "BrowseForFolder", "ChooseColor", "SaveFileName"
    std::string text;     // message text, prompt, start folder or filter
    std::string caption;  // caption or title
    platform::MsgButtons buttons = platform::MsgButtons::Ok;
    platform::MsgIcon icon = platform::MsgIcon::None;
    std::string input;  // the text a prompt was given, or the initial path of a save dialog
    QWidget* owner = nullptr;
};

// What the user "does" in the next dialog.
struct DialogAnswer {
    int result = platform::IdOk;
    std::string text = {};    // InputString: replaces the caller's text when result is IdOk
    std::string folder = {};  // BrowseForFolder
    std::uint32_t color = 0;  // ChooseColor (0x00BBGGRR), when result is IdOk
    std::string file = {};    // SaveFileName
};

// Dialogs that answer from a queue, in order, and record every call. Constructing one
// installs it as the current dialogs; destroying it puts the previous ones back. A call
// with nothing queued is recorded and answers as a cancelled dialog.
class ScriptedDialogs : public platform::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void Queue(DialogAnswer answer);
    void QueueResult(int result);
    void QueueText(int result, std::string text);
    void QueueFolder(std::string folder);
    void QueueColor(std::uint32_t color);
    void QueueFile(std::string file);

    const std::vector<DialogCall>& Calls() const { return calls_; }
    std::size_t PendingAnswers() const { return answers_.size(); }
    // Calls that found no queued answer.
    int UnexpectedCalls() const { return unexpected_; }

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
    // The next answer, or a cancelled one when none is queued.
    DialogAnswer Next();

    std::deque<DialogAnswer> answers_;
    std::vector<DialogCall> calls_;
    int unexpected_ = 0;
    platform::Dialogs* previous_ = nullptr;
};

}  // namespace fakes
