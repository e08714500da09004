#include "details/facefont.h"

#include <QStringList>

#include "platform/fonttable.h"

QFont FaceFont(platform::FontTable* table, const std::string& faceName) {
    platform::ResolvedFace face;
    if (table != nullptr) {
        face = table->Resolve(faceName);
    } else {
        face.family = faceName;
    }
    QFont font;
    // setFamilies, not the family constructor: a name holding a comma must not be split into
    // a list of fallback families.
    font.setFamilies({QString::fromStdString(face.family)});
    if (!face.style.empty()) {
        font.setStyleName(QString::fromStdString(face.style));
    }
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}
