#pragma once

#include <string>

#include "platform/shell.h"

namespace platform {

// The desktop's way to open things: documents and folders by their associated program,
// programs started detached. The Windows tools the program names map to desktop ones.
class QtShell : public Shell {
public:
    bool Execute(const std::string& file, const std::string& parameters,
                 const std::string& workingFolder) override;
    bool OpenUrl(const std::string& url) override;

    // The character map program to start for "charmap.exe"; empty when none is installed.
    static std::string CharacterMapProgram();

private:
    static bool OpenDocument(const std::string& path);
    static bool StartProgram(const std::string& program, const std::string& parameters,
                             const std::string& workingFolder);
};

}  // namespace platform
