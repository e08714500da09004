#include "render/facefile.h"

#include "catalogue/fontinfo.h"
#include "platform/collectionface.h"
#include "platform/services.h"

std::optional<platform::FaceFile> RecordFaceFile(const TFontInfo& record,
                                                 const platform::Services& services) {
    if (record.FileName().empty()) {
        if (services.fontFiles == nullptr) {
            return std::nullopt;
        }
        return services.fontFiles->FileOfFamily(record.FullName());
    }
    // Records keep where the face starts in the file; FreeType numbers the faces.
    const int index = platform::CollectionFaceIndex(record.FileName(), record.FaceOffset());
    if (index < 0) {
        return std::nullopt;
    }
    return platform::FaceFile{record.FileName(), index};
}
