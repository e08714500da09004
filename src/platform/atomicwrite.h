#pragma once

#include <string>
#include <string_view>

namespace platform {

// Replaces the content of the file at path in one step: the new content is written to a
// temporary file beside it, flushed to the disk, given the old file's permission bits (and
// owner, where allowed) and renamed over it, so a full disk or a crash leaves either the old
// file or the new one, whole. A file reached through symbolic links is written at its final
// target and the links stay. Something at path that cannot be read as a regular file (a
// folder, a pipe, a file the user may not read: it may hold data only its owner can still
// recover), a read-only file (no owner write bit) and one the user may not write are left
// alone and the write fails. False (errno set where the system said why) when the content
// was not written.
bool WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace platform
