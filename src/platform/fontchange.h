#pragma once

#include <functional>

namespace platform {

// The "fonts changed" broadcast: other programs and the program's own views hear of it.
class FontChange {
public:
    virtual ~FontChange() = default;
    virtual void Broadcast() = 0;
    // Number of broadcasts so far (tests count them).
    virtual int BroadcastCount() const = 0;
};

}  // namespace platform
