#pragma once

namespace platform {

// The "fonts changed" broadcast: other programs hear that the set of fonts changed.
class FontChange {
public:
    virtual ~FontChange() = default;
    virtual void Broadcast() = 0;
};

}  // namespace platform
