#include "platform/diskspace.h"

#include <sys/statvfs.h>

namespace platform {

std::uint64_t FreeDiskSpace(const std::string& path) {
    struct statvfs info {};
    if (path.empty() || statvfs(path.c_str(), &info) != 0) {
        return 0;
    }
    // f_bavail, not f_bfree: the blocks reserved for root are not the user's to fill, and
    // counting them lets a copy pass the check and then die with a full disk.
    return static_cast<std::uint64_t>(info.f_bavail) * static_cast<std::uint64_t>(info.f_frsize);
}

}  // namespace platform
