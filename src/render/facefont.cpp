#include "render/facefont.h"

#include <QStringList>

QFont FaceFont(const platform::ResolvedFace& face) {
    QFont font;
    // setFamilies, not the family constructor: a name holding a comma must not be split into
    // a list of fallback families.
    font.setFamilies({QString::fromUtf8(face.family)});
    if (!face.style.empty()) {
        font.setStyleName(QString::fromUtf8(face.style));
    }
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

platform::ResolvedFace ResolveFace(platform::FontTable* table, const std::string& faceName) {
    if (table != nullptr) {
        return table->Resolve(faceName);
    }
    platform::ResolvedFace face;
    face.family = faceName;
    return face;
}

QFont FaceFont(platform::FontTable* table, const std::string& faceName) {
    return FaceFont(ResolveFace(table, faceName));
}
