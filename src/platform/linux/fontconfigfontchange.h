#pragma once

#include "platform/fontchange.h"

namespace platform {

// "Fonts changed": rewrites fontconfig's cache of the user's Fonts folder, so other programs
// and the program's next listing see the change.
class FontconfigFontChange : public FontChange {
public:
    void Broadcast() override;
};

}  // namespace platform
