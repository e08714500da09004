#include "mainwindow/menuimages.h"

#include <QAction>
#include <QWidget>

#include "controls/menuimagelist.h"

namespace {

struct TItemImage {
    const char* name;
    TMenuImage image;
};

constexpr TItemImage kItemImages[] = {
    {"Charmap1", miCharmap},
    {"Charmap2", miCharmap},
    {"Find1", miFind},
    {"InstallFont1", miInstall},
    {"InstallFont2", miInstall},
    {"Print1", miPrint},
    {"Properties1", miProperties},
    {"Properties2", miProperties},
    {"UninstallFont1", miDelete},
    {"UninstallFont2", miDelete},
    {"DeleteFont1", miDelete},
    {"DeleteFont2", miDelete},
    {"Refresh1", miRefresh},
    {"AddtoFavorites1", miAddToFavorites},
    {"AddtoFavorites2", miAddToFavorites},
    {"Contents1", miContents},
    {"RenameFontFiles1", miRename},
    {"OpenExplorer1", miExplorer},
};

}  // namespace

void SetMenuImages(QWidget& window) {
    for (const TItemImage& entry : kItemImages) {
        if (auto* item = window.findChild<QAction*>(QString::fromLatin1(entry.name))) {
            item->setIcon(MenuImage(entry.image));
        }
    }
}
