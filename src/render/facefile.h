#pragma once

#include <optional>

#include "platform/fontfilelookup.h"

class TFontInfo;

namespace platform {
struct Services;
}

// Where record's face lives: a face loaded from a file is that file (a collection face by its
// index); a screen font, known only by its family name, is the file the family resolves to.
// Nothing when the face cannot be found.
std::optional<platform::FaceFile> RecordFaceFile(const TFontInfo& record,
                                                 const platform::Services& services);
