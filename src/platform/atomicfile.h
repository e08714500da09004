#pragma once

#include <string>
#include <string_view>

namespace platform {

enum class ReadStatus { Ok, Missing, Failed };

// Reads a whole regular file. Missing means nothing is there (the caller may start empty);
// Failed means something is there that cannot be read: a folder, a pipe, a device, a file
// without read permission or one whose reading broke off. A pipe is never waited on.
ReadStatus ReadWholeFile(const std::string& fileName, std::string& content);

// Replaces fileName with content so that a crash or a full disk never leaves half a file:
// the bytes go to a temporary file in the same folder, are flushed to the disk, take the old
// file's permission bits (and owner, where allowed) and are renamed over it. A link is
// followed, so the file it names is replaced and the link stays. Something at fileName that
// cannot be read is never replaced: it may hold data only its owner can still recover.
// Returns false (errno set) when nothing was changed.
bool ReplaceFile(const std::string& fileName, std::string_view content);

}  // namespace platform
