#include "details/recordface.h"

#include "platform/services.h"

std::optional<platform::OutlineMetrics> FaceMetrics(const TFontInfo& record,
                                                    const platform::Services& services,
                                                    int pixelHeight) {
    if (services.outlineMetrics == nullptr) {
        return std::nullopt;
    }
    const auto face = RecordFaceFile(record, services);
    if (!face) {
        return std::nullopt;
    }
    return services.outlineMetrics->Get(face->path, face->faceIndex, pixelHeight);
}
