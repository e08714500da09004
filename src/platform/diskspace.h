#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Free bytes of the volume holding path (all of them, not only the caller's share);
// 0 when the volume cannot be queried.
std::uint64_t FreeDiskSpace(const std::string& path);

}  // namespace platform
