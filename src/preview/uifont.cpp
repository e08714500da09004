#include "preview/uifont.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QHash>

namespace {

// Fontconfig substitutes a similar family for a missing one, so only an exact family match
// counts as present. The answer is stable for the run and asked on every paint: keep it.
QString AvailableFamily(const QString& family) {
    static QHash<QString, QString> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd()) {
        return *found;
    }
    QFont wanted;
    wanted.setFamilies({family});
    QString chosen = family;
    if (QFontInfo(wanted).family().compare(family, Qt::CaseInsensitive) != 0) {
        // The family the desktop font really resolves to, not an alias such as "Sans Serif"
        // whose meaning can change with the font configuration.
        chosen = QFontInfo(QGuiApplication::font()).family();
    }
    // With no fonts known yet nothing resolves; ask again next time instead of keeping that.
    if (!chosen.isEmpty()) {
        known.insert(family, chosen);
    }
    return chosen;
}

}  // namespace

QFont UiFont(const QString& family, int pointSize, bool bold) {
    QFont font;
    const QString available = AvailableFamily(family);
    if (!available.isEmpty()) {
        font.setFamilies({available});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}
