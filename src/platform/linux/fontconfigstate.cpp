#include "platform/linux/fontconfigstate.h"

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <cstdlib>
#include <mutex>

namespace platform {
namespace {

struct State {
    std::mutex mutex;
    bool initialised = false;
    bool dirty = false;
    std::string configFile;  // FONTCONFIG_FILE when the configuration was last loaded
    unsigned generation = 0;
};

State& Shared() {
    static State state;
    return state;
}

std::string ConfigFileFromEnvironment() {
    const char* value = std::getenv("FONTCONFIG_FILE");
    return value != nullptr ? value : "";
}

void ReloadLocked(State& state) {
    // FcInitReinitialize reads FONTCONFIG_FILE again, which FcInit alone would not.
    FcInitReinitialize();
    state.initialised = true;
    state.dirty = false;
    state.configFile = ConfigFileFromEnvironment();
    ++state.generation;
}

}  // namespace

void FontconfigState::EnsureCurrent() {
    State& state = Shared();
    std::lock_guard lock(state.mutex);
    if (!state.initialised || state.dirty || state.configFile != ConfigFileFromEnvironment()) {
        ReloadLocked(state);
        return;
    }
    FcInitBringUptoDate();
}

void FontconfigState::Reload() {
    State& state = Shared();
    std::lock_guard lock(state.mutex);
    ReloadLocked(state);
}

void FontconfigState::RescanFolder(const std::string& folder) {
    State& state = Shared();
    std::lock_guard lock(state.mutex);
    // The cache goes where the configuration in force says, not where a stale one did.
    if (!state.initialised || state.configFile != ConfigFileFromEnvironment()) {
        ReloadLocked(state);
    }
    struct stat info {};
    if (!folder.empty() && stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        // Reading the folder anew and writing its cache, whatever the folder's time says: a
        // change within one tick of the file system's clock leaves that time as the old
        // cache recorded it. (FcDirCacheRescan would only look for new subfolders and keep
        // the old list of files.)
        FcCache* cache =
            FcDirCacheRead(reinterpret_cast<const FcChar8*>(folder.c_str()), FcTrue, nullptr);
        if (cache != nullptr) {
            FcDirCacheUnload(cache);
        }
    }
    state.dirty = true;
}

unsigned FontconfigState::Generation() {
    State& state = Shared();
    std::lock_guard lock(state.mutex);
    return state.generation;
}

}  // namespace platform
