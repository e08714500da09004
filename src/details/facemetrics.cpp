#include "details/facemetrics.h"

#include "catalogue/fontinfo.h"
#include "platform/collectionface.h"
#include "platform/fontfilelookup.h"
#include "platform/services.h"

std::optional<platform::OutlineMetrics> FaceMetrics(const TFontInfo& record,
                                                    const platform::Services& services,
                                                    int pixelHeight) {
    if (services.outlineMetrics == nullptr) {
        return std::nullopt;
    }
    platform::FaceFile face;
    if (!record.FileName().empty()) {
        // Records keep where the face starts in the file; FreeType numbers the faces.
        face.path = record.FileName();
        face.faceIndex = platform::CollectionFaceIndex(face.path, record.FaceOffset());
    } else if (services.fontFiles != nullptr) {
        auto found = services.fontFiles->FileOfFamily(record.FullName());
        if (!found) {
            return std::nullopt;
        }
        face = std::move(*found);
    } else {
        return std::nullopt;
    }
    if (face.faceIndex < 0) {
        return std::nullopt;
    }
    return services.outlineMetrics->Get(face.path, face.faceIndex, pixelHeight);
}
