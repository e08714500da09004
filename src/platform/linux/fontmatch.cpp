#include "platform/fontmatch.h"

#include <fontconfig/fontconfig.h>

#include "platform/linux/fontconfigstate.h"

namespace platform {

std::string MatchFontFamily(const std::string& pattern) {
    FontconfigState::EnsureCurrent();
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (wanted == nullptr) {
        return {};
    }
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    FcPatternDestroy(wanted);
    if (match == nullptr) {
        return {};
    }
    std::string family;
    FcChar8* name = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name != nullptr) {
        family = reinterpret_cast<const char*>(name);
    }
    FcPatternDestroy(match);
    return family;
}

}  // namespace platform
