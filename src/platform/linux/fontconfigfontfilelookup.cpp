#include "platform/linux/fontconfigfontfilelookup.h"

#include <fontconfig/fontconfig.h>

#include <memory>

#include "platform/collation.h"
#include "platform/linux/fontconfigstate.h"

namespace platform {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

// A family may carry a name in several languages; any of them counts.
bool HasFamily(FcPattern* pattern, const std::string& family) {
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
        if (value != nullptr && CompareStrI(reinterpret_cast<const char*>(value), family) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<FaceFile> FontconfigFontFileLookup::FileOfFamily(const std::string& family) {
    if (family.empty()) {
        return std::nullopt;
    }
    FontconfigState::EnsureCurrent();
    PatternPtr wanted(FcPatternCreate());
    FcPatternAddString(wanted.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, wanted.get(), &result));
    FcChar8* file = nullptr;
    int index = 0;
    if (!match || !HasFamily(match.get(), family) ||
        FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
        return std::nullopt;
    }
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    // The upper 16 bits number the named instances of a variable font; FreeType takes the
    // face index alone for the default instance.
    return FaceFile{reinterpret_cast<const char*>(file), index & 0xFFFF};
}

}  // namespace platform
