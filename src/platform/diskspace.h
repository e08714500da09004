#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Free bytes of the volume holding path that the user may fill (the root reserve left out);
// 0 when the volume cannot be queried.
std::uint64_t FreeDiskSpace(const std::string& path);

}  // namespace platform
