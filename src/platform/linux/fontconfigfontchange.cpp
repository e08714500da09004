#include "platform/linux/fontconfigfontchange.h"

#include "platform/linux/fontconfigstate.h"
#include "platform/userfonts.h"

namespace platform {

void FontconfigFontChange::Broadcast() {
    FontconfigState::RescanFolder(UserFontsFolder());
}

}  // namespace platform
