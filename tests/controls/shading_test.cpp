#include "controls/shading.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "pixels.h"

TEST(Shading, ShadeTruncatesEachComponent) {
    EXPECT_EQ(Shade(QColor(240, 240, 240), 0.04), QColor(230, 230, 230));
    EXPECT_EQ(Shade(QColor(240, 240, 240), 0.12), QColor(211, 211, 211));
    EXPECT_EQ(Shade(QColor(100, 50, 7), 0.03), QColor(97, 48, 6));
    EXPECT_EQ(Shade(QColor(240, 240, 240), 0.008), QColor(238, 238, 238));
}

TEST(Shading, GradientLeavesFourteenRowsThenDarkensEachPairOfRows) {
    const QColor face(240, 240, 240);
    QImage image(30, 29, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintGradient(painter, image.rect(), face);
    painter.end();
    EXPECT_TRUE(SameRgb(image.pixel(5, 0), face));
    EXPECT_TRUE(SameRgb(image.pixel(29, 13), face));
    QColor pair = face;
    for (int y = 14; y < 29; y += 2) {
        pair = Shade(pair, 0.008);
        EXPECT_TRUE(SameRgb(image.pixel(0, y), pair)) << y;
        if (y + 1 < 29) {
            EXPECT_TRUE(SameRgb(image.pixel(29, y + 1), pair)) << y + 1;
        }
    }
}
