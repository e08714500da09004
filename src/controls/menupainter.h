#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "controls/imagelist.h"

class QPainter;
class QRect;

// What one drop-down menu item shows.
struct TMenuItemLook {
    QString caption;   // the label; after a tab, the right-hand text
    QString shortcut;  // shown at the right when the caption has no right-hand text
    QPixmap image;     // the item's command image; null when it has none
    bool separator = false;
    bool enabled = true;
    bool highlighted = false;
    bool checked = false;
    bool radio = false;  // one of a group of exclusive items
    bool showMnemonic = true;
};

// The painters of the window's own menus: white drop-down items with a blue strip at the
// left, a light blue highlight in a blue frame, an image column and grey shortcut texts; and
// the top-level items of the menu bar on the button face.
class TMenuPainter {
public:
    // Indexes of the check and radio marks in the menu image list.
    static constexpr int CheckImage = 13;
    static constexpr int RadioImage = 14;
    static constexpr int ImageSize = 16;

    // images: the menu image list (its marks are drawn for checked items); grayText: the
    // colour of disabled labels and of shortcuts; face: the button face of the menu bar.
    TMenuPainter(const TImageList& images, QColor grayText, QColor face);

    // DrawMenuItem.
    void DrawItem(QPainter& painter, const QRect& rect, const TMenuItemLook& item) const;
    // The size of a drop-down item whose label (and image) measure label.
    static QSize ItemSize(const QSize& label, bool separator);
    // MainMenuDrawItem.
    void DrawTopItem(QPainter& painter, const QRect& rect, const QString& caption, bool highlighted,
                     bool showMnemonic) const;

private:
    void DrawImage(QPainter& painter, const QRect& rect, const TMenuItemLook& item) const;
    void DrawTexts(QPainter& painter, const QRect& rect, const TMenuItemLook& item) const;

    const TImageList& images_;
    QColor grayText_;
    QColor face_;
};
