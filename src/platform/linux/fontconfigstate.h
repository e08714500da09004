#pragma once

#include <string>

namespace platform {

// The process's fontconfig configuration, kept in step with FONTCONFIG_FILE (which a test
// sandbox changes after start) and with folders the program changed itself.
class FontconfigState {
public:
    // Makes the current configuration reflect the environment and every folder marked
    // changed; cheap when nothing changed.
    static void EnsureCurrent();
    // Re-reads the configuration and font set now.
    static void Reload();
    // Rewrites the on-disk cache of folder (so other programs see the change) and makes the
    // next EnsureCurrent() reload.
    static void RescanFolder(const std::string& folder);
    // Incremented by every reload, so caches built from the font set know when to rebuild.
    static unsigned Generation();
};

}  // namespace platform
