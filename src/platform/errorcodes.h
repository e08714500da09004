#pragma once

namespace platform {

// What the failing call was doing: the same errno maps to different Windows codes.
enum class ErrnoContext { General, Create, RenameOrMkdir, MissingFolderOnTheWay };

constexpr int kErrorCancelled = 1223;

// errno -> the Windows error code the program prints and logs.
int WinErrorFromErrno(int err, ErrnoContext context = ErrnoContext::General);

}  // namespace platform
