#include "platform/streamdialogs.h"

#include <ostream>

namespace platform {

int StreamDialogs::MessageBox(const std::string& text, const std::string& caption,
                              MsgButtons buttons, MsgIcon /*icon*/, QWidget* /*owner*/) {
    out_ << (caption.empty() ? text : caption + ": " + text) << '\n';
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

int StreamDialogs::InputString(const std::string& /*caption*/, const std::string& /*prompt*/,
                               std::string& /*text*/, QWidget* /*owner*/) {
    return IdCancel;
}

std::string StreamDialogs::BrowseForFolder(const std::string& /*title*/,
                                           const std::string& /*startFolder*/, QWidget* /*owner*/) {
    return {};
}

bool StreamDialogs::ChooseColor(std::uint32_t& /*color*/, QWidget* /*owner*/) {
    return false;
}

std::string StreamDialogs::SaveFileName(const std::string& /*title*/, const std::string& /*filter*/,
                                        const std::string& /*initialPath*/, QWidget* /*owner*/) {
    return {};
}

}  // namespace platform
