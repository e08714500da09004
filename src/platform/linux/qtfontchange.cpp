#include "platform/linux/qtfontchange.h"

#include "platform/linux/fontconfigstate.h"
#include "platform/userfonts.h"

namespace platform {

void QtFontChange::Broadcast() {
    FontconfigState::RescanFolder(UserFontsFolder());
    ++count_;
    emit FontsChanged();
    // A listener may add another; iterate by index over what was there when the call began.
    const std::size_t n = listeners_.size();
    for (std::size_t i = 0; i < n; ++i) {
        listeners_[i]();
    }
}

void QtFontChange::AddListener(std::function<void()> listener) {
    listeners_.push_back(std::move(listener));
}

}  // namespace platform
