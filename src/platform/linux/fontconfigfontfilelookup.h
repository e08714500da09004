#pragma once

#include "platform/fontfilelookup.h"

namespace platform {

// The family's regular face as fontconfig matches it.
class FontconfigFontFileLookup : public FontFileLookup {
public:
    std::optional<FaceFile> FileOfFamily(const std::string& family) override;
};

}  // namespace platform
