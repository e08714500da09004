#include "fakes/faketrash.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "platform/errorcodes.h"

namespace fakes {

int FakeTrash::MoveToTrash(const std::string& path) {
    if (const auto found = rejected_.find(path); found != rejected_.end()) {
        return found->second;
    }
    ::mkdir(folder_.c_str(), 0777);
    const std::string name = path.substr(path.find_last_of('/') + 1);
    std::string target = folder_ + "/" + name;
    struct stat info {};
    for (int n = 2; ::lstat(target.c_str(), &info) == 0; ++n) {
        target = folder_ + "/" + std::to_string(n) + "." + name;
    }
    if (std::rename(path.c_str(), target.c_str()) != 0) {
        return platform::WinErrorFromErrno(errno);
    }
    trashed_.push_back(path);
    landed_.push_back(target);
    return 0;
}

}  // namespace fakes
