#pragma once

#include <optional>

#include "platform/outlinemetrics.h"
#include "render/facefile.h"

class TFontInfo;

namespace platform {
struct Services;
}

// The face's outline metrics at a character height of pixelHeight; nothing when the face
// cannot be found or has no outline metrics.
std::optional<platform::OutlineMetrics> FaceMetrics(const TFontInfo& record,
                                                    const platform::Services& services,
                                                    int pixelHeight);
