#include "platform/errorcodes.h"

#include <cerrno>

namespace platform {

int WinErrorFromErrno(int err, ErrnoContext context) {
    switch (err) {
        case 0:
            return 0;
        case ENOENT:
            return context == ErrnoContext::MissingFolderOnTheWay ? kErrorPathNotFound
                                                                  : kErrorFileNotFound;
        case EACCES:
        case EPERM:
            return kErrorAccessDenied;
        case EROFS:
            return kErrorWriteProtect;
        case EBUSY:
        case ETXTBSY:
            return kErrorSharingViolation;
        case EEXIST:
            return context == ErrnoContext::RenameOrMkdir ? kErrorAlreadyExists : kErrorFileExists;
        case ENOSPC:
        case EDQUOT:
            return kErrorDiskFull;
        case EINVAL:
        case ENAMETOOLONG:
            return kErrorInvalidName;
        case ENOTEMPTY:
            return kErrorDirNotEmpty;
        case EXDEV:
            return kErrorNotSameDevice;
        case EIO:
            return kErrorReadFault;
        case ECANCELED:
            return kErrorCancelled;
        default:
            return kErrorFromErrnoBase + err;
    }
}

}  // namespace platform
