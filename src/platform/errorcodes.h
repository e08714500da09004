#pragma once

namespace platform {

// The Windows error codes the program prints, logs and decides by, named once.
constexpr int kErrorFileNotFound = 2;
constexpr int kErrorPathNotFound = 3;
constexpr int kErrorAccessDenied = 5;
// The file was read but offers no usable font (no full name, not a font at all).
constexpr int kErrorInvalidData = 13;
// A rename between two volumes.
constexpr int kErrorNotSameDevice = 17;
constexpr int kErrorWriteProtect = 19;
constexpr int kErrorReadFault = 30;
constexpr int kErrorSharingViolation = 32;
constexpr int kErrorNotSupported = 50;
// Creating a file that exists.
constexpr int kErrorFileExists = 80;
constexpr int kErrorDiskFull = 112;
// A list without a font table cannot register folder fonts.
constexpr int kErrorCallNotImplemented = 120;
constexpr int kErrorInvalidName = 123;
constexpr int kErrorDirNotEmpty = 145;
// Renaming onto or making a folder that exists.
constexpr int kErrorAlreadyExists = 183;
constexpr int kErrorCancelled = 1223;
// Other errno values are reported as this plus errno.
constexpr int kErrorFromErrnoBase = 1000;

// What the failing call was doing: the same errno maps to different Windows codes.
enum class ErrnoContext { General, Create, RenameOrMkdir, MissingFolderOnTheWay };

// errno -> the Windows error code the program prints and logs.
int WinErrorFromErrno(int err, ErrnoContext context = ErrnoContext::General);

}  // namespace platform
