#pragma once

#include <string>

namespace platform {

// Opening documents, folders and programs with the desktop.
class Shell {
public:
    virtual ~Shell() = default;
    // The program names "notepad.exe" (with its file as parameters) and "charmap.exe" start
    // the desktop's counterparts; anything else is a document or folder and opens with what
    // the desktop associates with it, never as a program, whatever its mode bits. True when
    // started.
    virtual bool Execute(const std::string& file, const std::string& parameters,
                         const std::string& workingFolder) = 0;
    // Opens a URL (web or mailto:). True when handed to the desktop.
    virtual bool OpenUrl(const std::string& url) = 0;
};

}  // namespace platform
