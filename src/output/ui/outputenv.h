#pragma once

#include <string>

namespace platform {
class Dialogs;
struct Services;
}  // namespace platform

// What the output windows take from the program: its services (the font table resolves each
// sample's face), its dialogs, and its settings file (the program folder's "glyphwell.ini").
struct TOutputEnv {
    const platform::Services& services;
    platform::Dialogs& dialogs;
    std::string settingsFile;
};
