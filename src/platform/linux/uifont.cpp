#include "platform/uifont.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QHash>

#include "platform/fontmatch.h"

namespace platform {
namespace {

// The family that stands in for a face the windows name.
QString StandIn(const QString& face) {
    if (face == QStringLiteral("Tahoma")) {
        return QStringLiteral("DejaVu Sans Condensed");
    }
    if (face == QStringLiteral("MS Sans Serif") || face == QStringLiteral("Verdana")) {
        return QStringLiteral("DejaVu Sans");
    }
    if (face == QStringLiteral("Arial")) {
        return QStringLiteral("Liberation Sans");
    }
    if (face == QStringLiteral("굴림")) {
        return QString::fromStdString(MatchFontFamily("sans-serif:lang=ko"));
    }
    return face;
}

// Fontconfig substitutes a similar family for a missing one, so only an exact family match
// counts as present. The answer is stable for the run and asked on every paint: keep it.
QString AvailableFamily(const QString& face) {
    static QHash<QString, QString> known;
    const auto found = known.constFind(face);
    if (found != known.constEnd()) {
        return *found;
    }
    const QString wanted = StandIn(face);
    QString chosen = wanted;
    QFont probe;
    probe.setFamilies({wanted});
    if (wanted.isEmpty() || QFontInfo(probe).family().compare(wanted, Qt::CaseInsensitive) != 0) {
        // The family the desktop font really resolves to, not an alias such as "Sans Serif"
        // whose meaning can change with the font configuration.
        chosen = QFontInfo(QGuiApplication::font()).family();
    }
    // With no fonts known yet nothing resolves; ask again next time instead of keeping that.
    if (!chosen.isEmpty()) {
        known.insert(face, chosen);
    }
    return chosen;
}

QFont FontOf(const QString& face, bool bold) {
    QFont font;
    const QString family = AvailableFamily(face);
    if (!family.isEmpty()) {
        font.setFamilies({family});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont UiFont(const QString& face, int pointSize, bool bold) {
    QFont font = FontOf(face, bold);
    font.setPointSize(pointSize);
    return font;
}

QFont UiPixelFont(const QString& face, int pixelSize, bool bold) {
    QFont font = FontOf(face, bold);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace platform
