#include "platform/dialogs.h"

#include <cstdio>

namespace platform {
namespace {

// Without a window system (command-line use, early start-up) messages go to standard error
// and questions take their first answer, except that "Retry" is never chosen unattended:
// a caller retrying a persistent failure would never stop.
class StandardErrorDialogs : public Dialogs {
public:
    int MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                   MsgIcon /*icon*/, QWidget* /*owner*/) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        switch (buttons) {
            case MsgButtons::Ok:
            case MsgButtons::OkCancel:
                return IdOk;
            case MsgButtons::YesNo:
            case MsgButtons::YesNoCancel:
                return IdYes;
            case MsgButtons::RetryCancel:
                return IdCancel;
            case MsgButtons::AbortRetryIgnore:
                return IdAbort;
        }
        return IdOk;
    }
    int InputString(const std::string& /*caption*/, const std::string& /*prompt*/,
                    std::string& /*text*/, QWidget* /*owner*/) override {
        return IdCancel;
    }
    std::string BrowseForFolder(const std::string& /*title*/, const std::string& /*startFolder*/,
                                QWidget* /*owner*/) override {
        return {};
    }
    bool ChooseColor(std::uint32_t& /*color*/, QWidget* /*owner*/) override { return false; }
    std::string SaveFileName(const std::string& /*title*/, const std::string& /*filter*/,
                             const std::string& /*initialPath*/, QWidget* /*owner*/) override {
        return {};
    }
};

StandardErrorDialogs& DefaultDialogs() {
    static StandardErrorDialogs dialogs;
    return dialogs;
}

Dialogs*& Installed() {
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

}  // namespace

Dialogs& CurrentDialogs() {
    Dialogs* installed = Installed();
    return installed != nullptr ? *installed : DefaultDialogs();
}

Dialogs* SetDialogs(Dialogs* d) {
    Dialogs* previous = Installed();
    Installed() = d;
    return previous;
}

}  // namespace platform
