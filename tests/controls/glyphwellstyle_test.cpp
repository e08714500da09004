#include "controls/glyphwellstyle.h"

#include <gtest/gtest.h>

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QToolBar>

#include "controls/menuimagelist.h"
#include "pixels.h"

namespace {

const QColor Strip(47, 126, 227);

QPalette DarkPalette() {
    QPalette dark;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        dark.setColor(QPalette::All, static_cast<QPalette::ColorRole>(role), QColor(30, 30, 35));
    }
    return dark;
}

}  // namespace

TEST(TGlyphwellStyle, PaletteKeepsEveryColourOverADarkDesktopPalette) {
    const QPalette light = GlyphwellPalette();
    const QPalette resolved = light.resolve(DarkPalette());
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            EXPECT_EQ(resolved.color(group, r), light.color(group, r)) << group << " " << role;
        }
    }
    EXPECT_EQ(light.color(QPalette::Window), QColor(240, 240, 240));
    EXPECT_EQ(light.color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(GrayText(light), QColor(109, 109, 109));
}

TEST(TGlyphwellStyle, MenusAreMeasuredAndPaintedByTheMenuPainter) {
    TGlyphwellStyle style;
    QMenu menu;
    menu.setStyle(&style);
    menu.setPalette(GlyphwellPalette());
    QAction* find = menu.addAction(MenuImage(miFind), QStringLiteral("&Find\tCtrl+F"));
    QAction* line = menu.addSeparator();
    auto* group = new QActionGroup(&menu);
    QAction* screen = menu.addAction(QStringLiteral("&Screen Fonts"));
    screen->setCheckable(true);
    screen->setChecked(true);
    group->addAction(screen);
    const QImage image = Render(menu);
    EXPECT_EQ(menu.actionGeometry(line).height(), 9);
    EXPECT_EQ(menu.actionGeometry(find).height(), 22);
    EXPECT_EQ(menu.actionGeometry(find).left(), 1) << "one pixel of frame, no side margin";
    EXPECT_TRUE(SameRgb(image.pixel(0, 5), QColor(152, 152, 152)));
    // The strip runs from the top margin through every item.
    for (const int y :
         {1, menu.actionGeometry(find).center().y(), menu.actionGeometry(line).top()}) {
        EXPECT_TRUE(SameRgb(image.pixel(1, y), Strip)) << y;
        EXPECT_TRUE(SameRgb(image.pixel(5, y), QColor(255, 255, 255))) << y;
    }
    EXPECT_EQ(style.styleHint(QStyle::SH_Menu_AllowActiveAndDisabled), 1);
}

TEST(TGlyphwellStyle, ToolBarsStandOnTheGradient) {
    TGlyphwellStyle style;
    QWidget strip;
    QToolBar bar(&strip);
    bar.setStyle(&style);
    bar.setPalette(GlyphwellPalette());
    bar.setMovable(false);
    bar.resize(120, 30);
    const QImage image = Render(bar);
    const QColor face(240, 240, 240);
    EXPECT_TRUE(SameRgb(image.pixel(60, 13), face));
    EXPECT_TRUE(SameRgb(image.pixel(60, 14), QColor(238, 238, 238)));
    EXPECT_TRUE(SameRgb(image.pixel(60, 29), QColor(224, 224, 224)));
}

TEST(TGlyphwellStyle, InstallingTheLookSetsStylePaletteAndInWindowMenuBars) {
    const QString oldStyle = QApplication::style()->name();
    const QPalette oldPalette = QApplication::palette();
    const bool oldMenuBars = QCoreApplication::testAttribute(Qt::AA_DontUseNativeMenuBar);
    InstallGlyphwellLook(*qApp);
    EXPECT_NE(qobject_cast<TGlyphwellStyle*>(QApplication::style()), nullptr);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(240, 240, 240));
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeMenuBar));
    QApplication::setStyle(oldStyle);
    QApplication::setPalette(oldPalette);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar, oldMenuBars);
}
