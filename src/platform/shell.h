#pragma once

#include <string>

namespace platform {

// Opening documents, folders and programs with the desktop.
class Shell {
public:
    virtual ~Shell() = default;
    // A document or folder opens with what the desktop associates with it; a program name
    // ("notepad.exe", "charmap.exe") starts the desktop's counterpart. True when started.
    virtual bool Execute(const std::string& file, const std::string& parameters,
                         const std::string& workingFolder) = 0;
    // Opens a URL (web or mailto:). True when handed to the desktop.
    virtual bool OpenUrl(const std::string& url) = 0;
};

}  // namespace platform
