#pragma once

#include <optional>

#include "platform/outlinemetrics.h"

class TFontInfo;

namespace platform {
struct Services;
}

// The outline metrics of record's face at a character height of pixelHeight: a face loaded
// from a file is measured in that file (a collection face by its index); a screen font, known
// only by its family name, in the file the family resolves to. Nothing when the face cannot
// be found or has no outline metrics.
std::optional<platform::OutlineMetrics> FaceMetrics(const TFontInfo& record,
                                                    const platform::Services& services,
                                                    int pixelHeight);
