#include "platform/linux/qttrash.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <filesystem>

#include "platform/errorcodes.h"

namespace platform {

int QtTrash::MoveToTrash(const std::string& path) {
    struct stat info {};
    if (path.empty() || lstat(path.c_str(), &info) != 0) {
        return WinErrorFromErrno(path.empty() ? ENOENT : errno);
    }
    // Moving needs write access to the folder holding the file; Qt reports only success,
    // so the usual cause is checked first to give the right code.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0) {
        return WinErrorFromErrno(errno);
    }
    errno = 0;
    if (QFile::moveToTrash(QString::fromStdString(path))) {
        return 0;
    }
    return WinErrorFromErrno(errno != 0 ? errno : EACCES);
}

}  // namespace platform
