#pragma once

#include <functional>
#include <string>

#include "platform/shell.h"

namespace platform {

// The desktop's way to open things: documents and folders by their associated program
// (QDesktopServices), the Windows tools the program names mapped to desktop ones, the
// character map started detached.
class QtShell : public Shell {
public:
    // How a decision is carried out. The desktop's own by default; tests hand in recording
    // ones, so that what the shell decides can be seen without starting anything.
    struct Launcher {
        std::function<bool(const std::string& path)> openDocument;
        std::function<bool(const std::string& program, const std::string& parameters,
                           const std::string& workingFolder)>
            startProgram;
    };

    QtShell();
    explicit QtShell(Launcher launcher);

    bool Execute(const std::string& file, const std::string& parameters,
                 const std::string& workingFolder) override;
    bool OpenUrl(const std::string& url) override;

    // The character map program to start for "charmap.exe"; empty when none is installed.
    static std::string CharacterMapProgram();

private:
    static bool OpenDocument(const std::string& path);
    static bool StartProgram(const std::string& program, const std::string& parameters,
                             const std::string& workingFolder);

    Launcher launcher_;
};

}  // namespace platform
