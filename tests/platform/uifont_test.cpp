#include "platform/uifont.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include "platform/fontmatch.h"

namespace {

QString Family(const QFont& font) {
    return QFontInfo(font).family();
}

// What the desktop gives where a stand-in is missing.
QString Desktop() {
    return QFontInfo(QGuiApplication::font()).family();
}

QString WhenPresent(const QString& family) {
    return QFontDatabase::families().contains(family) ? family : Desktop();
}

TEST(UiFont, WindowsFacesGetTheirFixedStandIns) {
    const struct {
        QString face;
        QString family;
    } cases[] = {
        {QStringLiteral("Tahoma"), WhenPresent(QStringLiteral("DejaVu Sans Condensed"))},
        {QStringLiteral("MS Sans Serif"), WhenPresent(QStringLiteral("DejaVu Sans"))},
        {QStringLiteral("Verdana"), WhenPresent(QStringLiteral("DejaVu Sans"))},
        {QStringLiteral("Arial"), WhenPresent(QStringLiteral("Liberation Sans"))},
        {QStringLiteral("굴림"),
         WhenPresent(QString::fromStdString(platform::MatchFontFamily("sans-serif:lang=ko")))},
        {QStringLiteral("No Such Face Anywhere"), Desktop()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Family(platform::UiFont(c.face, 8)), c.family) << c.face.toStdString();
    }
}

TEST(UiFont, SizesAndBoldAreAsAsked) {
    const QFont points = platform::UiFont(QStringLiteral("Tahoma"), 9, true);
    EXPECT_EQ(points.pointSize(), 9);
    EXPECT_TRUE(points.bold());
    const QFont pixels = platform::UiPixelFont(QStringLiteral("MS Sans Serif"), 12);
    EXPECT_EQ(pixels.pixelSize(), 12);
    EXPECT_FALSE(pixels.bold());
}

}  // namespace
