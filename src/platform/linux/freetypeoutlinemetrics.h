#pragma once

#include "platform/outlinemetrics.h"

namespace platform {

// Outline metrics read with FreeType from the face's own tables (head, OS/2, hhea, post),
// scaled the way the window system scales them for a font of the given character height.
class FreeTypeOutlineMetrics : public OutlineMetricsSource {
public:
    FreeTypeOutlineMetrics();
    ~FreeTypeOutlineMetrics() override;
    FreeTypeOutlineMetrics(const FreeTypeOutlineMetrics&) = delete;
    FreeTypeOutlineMetrics& operator=(const FreeTypeOutlineMetrics&) = delete;

    std::optional<OutlineMetrics> Get(const std::string& path, int faceIndex,
                                      int pixelHeight) override;

private:
    void* library_ = nullptr;  // FT_Library, kept out of the header
};

}  // namespace platform
