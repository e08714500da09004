#include "fakes/scripteddialogs.h"

namespace fakes {

ScriptedDialogs::ScriptedDialogs() : previous_(platform::SetDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
    platform::SetDialogs(previous_);
}

void ScriptedDialogs::Queue(DialogAnswer answer) {
    answers_.push_back(std::move(answer));
}

void ScriptedDialogs::QueueResult(int result) {
    Queue(DialogAnswer{.result = result});
}

void ScriptedDialogs::QueueText(int result, std::string text) {
    Queue(DialogAnswer{.result = result, .text = std::move(text)});
}

void ScriptedDialogs::QueueFolder(std::string folder) {
    Queue(DialogAnswer{.folder = std::move(folder)});
}

void ScriptedDialogs::QueueColor(std::uint32_t color) {
    Queue(DialogAnswer{.color = color});
}

void ScriptedDialogs::QueueFile(std::string file) {
    Queue(DialogAnswer{.file = std::move(file)});
}

DialogAnswer ScriptedDialogs::Next() {
    if (answers_.empty()) {
        ++unexpected_;
        return DialogAnswer{.result = platform::IdCancel};
    }
    DialogAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

int ScriptedDialogs::MessageBox(const std::string& text, const std::string& caption,
                                platform::MsgButtons buttons, platform::MsgIcon icon,
                                QWidget* owner) {
    calls_.push_back({"MessageBox", text, caption, buttons, icon, {}, owner});
    return Next().result;
}

int ScriptedDialogs::InputString(const std::string& caption, const std::string& prompt,
                                 std::string& text, QWidget* owner) {
    calls_.push_back({"InputString", prompt, caption, platform::MsgButtons::OkCancel,
                      platform::MsgIcon::None, text, owner});
    DialogAnswer answer = Next();
    if (answer.result == platform::IdOk) {
        text = std::move(answer.text);
    }
    return answer.result;
}

std::string ScriptedDialogs::BrowseForFolder(const std::string& title,
                                             const std::string& startFolder, QWidget* owner) {
    calls_.push_back({"BrowseForFolder",
                      startFolder,
                      title,
                      platform::MsgButtons::OkCancel,
                      platform::MsgIcon::None,
                      {},
                      owner});
    DialogAnswer answer = Next();
    return answer.result == platform::IdOk ? answer.folder : std::string();
}

bool ScriptedDialogs::ChooseColor(std::uint32_t& color, QWidget* owner) {
    calls_.push_back({"ChooseColor",
                      {},
                      {},
                      platform::MsgButtons::OkCancel,
                      platform::MsgIcon::None,
                      {},
                      owner});
    const DialogAnswer answer = Next();
    if (answer.result != platform::IdOk) {
        return false;
    }
    color = answer.color;
    return true;
}

std::string ScriptedDialogs::SaveFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialPath, QWidget* owner) {
    calls_.push_back({"SaveFileName", filter, title, platform::MsgButtons::OkCancel,
                      platform::MsgIcon::None, initialPath, owner});
    DialogAnswer answer = Next();
    return answer.result == platform::IdOk ? answer.file : std::string();
}

}  // namespace fakes
