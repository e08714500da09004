#pragma once

#include "platform/fontchange.h"

namespace fakes {

// Counts "fonts changed" broadcasts.
class FakeFontChange : public platform::FontChange {
public:
    void Broadcast() override;
    int BroadcastCount() const { return count_; }

private:
    int count_ = 0;
};

}  // namespace fakes
