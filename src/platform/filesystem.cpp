#include "platform/filesystem.h"

#include <cerrno>

#include "platform/errorcodes.h"

namespace platform {

int FileCallError(FileCall call, int err) {
    switch (call) {
        case FileCall::CreateNew:
            // O_CREAT only meets ENOENT when a folder on the way is missing.
            return err == ENOENT ? 3 : WinErrorFromErrno(err, ErrnoContext::Create);
        case FileCall::Rename:
        case FileCall::MakeFolder:
            return WinErrorFromErrno(err, ErrnoContext::RenameOrMkdir);
        case FileCall::FreeSpace:
            return WinErrorFromErrno(err, ErrnoContext::MissingFolderOnTheWay);
        default:
            return WinErrorFromErrno(err);
    }
}

}  // namespace platform
