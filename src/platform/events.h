#pragma once

#include <functional>

namespace platform {

// Lets pending user-interface events run during a long operation. The program passes
// QCoreApplication::processEvents; tests pass their own.
using ProcessEvents = std::function<void()>;

}  // namespace platform
