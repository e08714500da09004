#pragma once

#include <QIcon>

// The menu image list: one bitmap resource of 16 × 16 pictures, picked by index.
inline constexpr const char* kMenuImagesResource = ":/images/MENUIMAGES.png";

// The pictures of the menu image list.
enum TMenuImage : int {
    miCharmap = 0,
    miFind = 1,
    miInstall = 4,
    miPrint = 6,
    miProperties = 7,
    miDelete = 8,  // uninstall and delete
    miFavoritesGroup = 9,
    miRefresh = 10,
    miAddToFavorites = 11,
    miContents = 12,
    miCheck = 13,
    miRadio = 14,
    miRename = 15,
    miExplorer = 16,
};

// The picture at index as a menu item's icon, for plain and doubled pixel ratios; a null icon
// for an index outside the list.
QIcon MenuImage(int index);
