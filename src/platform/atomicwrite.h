#pragma once

#include <string>

namespace platform {

// Replaces the content of the file at path in one step: the new content is written and
// flushed beside the file, then renamed over it, so a full disk or a crash leaves either the
// old file or the new one, whole. A file reached through symbolic links is written at its
// final target and the links stay; an existing file keeps its permission bits. A read-only
// file (no owner write bit), one the user may not write, or anything but a regular file is
// left alone and the write fails. False when the content was not written.
bool WriteFileAtomically(const std::string& path, const std::string& content);

}  // namespace platform
