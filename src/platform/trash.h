#pragma once

#include <string>

namespace platform {

class Trash {
public:
    virtual ~Trash() = default;
    // Moves the file into the desktop's trash. Returns 0 or a Windows error code.
    virtual int MoveToTrash(const std::string& path) = 0;
};

}  // namespace platform
