#include "platform/errorcodes.h"

#include <cerrno>

namespace platform {

int WinErrorFromErrno(int err, ErrnoContext context) {
    switch (err) {
        case 0:
            return 0;
        case ENOENT:
            return context == ErrnoContext::MissingFolderOnTheWay ? 3 : 2;
        case EACCES:
        case EPERM:
            return 5;
        case EROFS:
            return 19;
        case EBUSY:
        case ETXTBSY:
            return 32;
        case EEXIST:
            return context == ErrnoContext::RenameOrMkdir ? 183 : 80;
        case ENOSPC:
        case EDQUOT:
            return 112;
        case EINVAL:
        case ENAMETOOLONG:
            return 123;
        case ENOTEMPTY:
            return 145;
        case EXDEV:
            return 17;
        case EIO:
            return 30;
        case ECANCELED:
            return kErrorCancelled;
        default:
            return 1000 + err;
    }
}

}  // namespace platform
