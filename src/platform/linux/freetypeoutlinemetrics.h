#pragma once

#include "platform/linux/freetypeface.h"
#include "platform/outlinemetrics.h"

namespace platform {

// Outline metrics read with FreeType from the face's own tables (head, OS/2, hhea, post),
// scaled the way the window system scales them for a font of the given character height.
class FreeTypeOutlineMetrics : public OutlineMetricsSource {
public:
    std::optional<OutlineMetrics> Get(const std::string& path, int faceIndex,
                                      int pixelHeight) override;

private:
    FreeTypeLibrary library_;
};

}  // namespace platform
