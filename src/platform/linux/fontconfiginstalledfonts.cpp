#include "platform/linux/fontconfiginstalledfonts.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <string_view>
#include <unordered_set>

#include "platform/collation.h"
#include "platform/linux/fontconfigstate.h"
#include "platform/userfonts.h"

namespace platform {
namespace {

struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

// The kinds the catalogue may take; which of them it does take is its own choice.
bool IsSfntFile(std::string_view path) {
    if (path.size() < 4) {
        return false;
    }
    const std::string_view ext = path.substr(path.size() - 4);
    for (const std::string_view kind : {".ttf", ".ttc", ".otf", ".otc"}) {
        if (CompareStrI(ext, kind) == 0) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<FcFontSet, FontSetDeleter> ListFiles() {
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return std::unique_ptr<FcFontSet, FontSetDeleter>(set);
}

}  // namespace

std::vector<std::string> FontconfigInstalledFonts::Files() {
    FontconfigState::EnsureCurrent();
    std::vector<std::string> files;
    const auto set = ListFiles();
    if (!set) {
        return files;
    }
    const std::string userPrefix = UserFontsFolder() + "/";
    std::unordered_set<std::string> seen;
    for (int i = 0; i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch) {
            continue;
        }
        std::string path(reinterpret_cast<const char*>(file));
        if (!IsSfntFile(path) || !seen.insert(path).second) {
            continue;
        }
        const bool directlyInUserFolder = path.size() > userPrefix.size() &&
                                          path.compare(0, userPrefix.size(), userPrefix) == 0 &&
                                          path.find('/', userPrefix.size()) == std::string::npos;
        files.push_back(directlyInUserFolder ? path.substr(userPrefix.size()) : path);
    }
    return files;
}

void FontconfigInstalledFonts::RefreshFolder(const std::string& folder) {
    FontconfigState::RescanFolder(folder);
}

}  // namespace platform
