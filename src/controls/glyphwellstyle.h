#pragma once

#include <QPalette>
#include <QProxyStyle>

#include "controls/imagelist.h"

class QApplication;

// The program's own look on top of Fusion: menus and menu bar drawn by the menu painters,
// toolbars on the shaded gradient with etched separators, and a light palette of its own, so
// the windows look alike on every desktop colour scheme.
class TGlyphwellStyle : public QProxyStyle {
    Q_OBJECT

public:
    TGlyphwellStyle();

    QPalette standardPalette() const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    void DrawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    void DrawMenuBarItem(const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const;
    void DrawMenuMargins(const QStyleOption* option, QPainter* painter) const;
    bool ShowsMnemonics(const QStyleOption* option, const QWidget* widget) const;

    TImageList menuImages_;
};

// The light palette of the program's windows. Every colour of every group is set, so that
// nothing of a dark desktop palette shows through.
QPalette GlyphwellPalette();

// The grey of disabled texts and of menu shortcuts ("grey text").
QColor GrayText(const QPalette& palette);

// Gives the application the program's look: the style and its palette, and menu bars that stay
// in their windows (a menu bar exported to the desktop would not be drawn by the program).
// Call before the first window is made.
void InstallGlyphwellLook(QApplication& application);
