#include "platform/diskspace.h"

#include <sys/statvfs.h>

namespace platform {

std::uint64_t FreeDiskSpace(const std::string& path) {
    struct statvfs info {};
    if (path.empty() || statvfs(path.c_str(), &info) != 0) {
        return 0;
    }
    // f_bfree, not f_bavail: the whole volume's free space, including the reserved part.
    return static_cast<std::uint64_t>(info.f_bfree) * static_cast<std::uint64_t>(info.f_frsize);
}

}  // namespace platform
