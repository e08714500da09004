#include "favorites/ui/favoritesmenu.h"

#include <QAction>
#include <QMenu>

namespace {

constexpr int kFixedItems = 2;

}  // namespace

QString MnemonicFree(const std::string& name) {
    QString caption = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

std::string FavoritesMenuGroup(const QAction& item) {
    return item.data().toByteArray().toStdString();
}

void FillFavoritesMenu(QMenu& menu, const std::vector<std::string>& groups, const QIcon& image,
                       const std::function<void(const std::string&)>& choose) {
    const QList<QAction*> items = menu.actions();
    // Deleted once control returns to the event loop: the item being chosen may be the one
    // whose signal led here.
    for (qsizetype i = kFixedItems; i < items.size(); ++i) {
        menu.removeAction(items[i]);
        items[i]->deleteLater();
    }
    for (const std::string& group : groups) {
        QAction* item = menu.addAction(image, MnemonicFree(group));
        item->setData(QByteArray(group.data(), static_cast<qsizetype>(group.size())));
        QObject::connect(item, &QAction::triggered, &menu,
                         [choose, item] { choose(FavoritesMenuGroup(*item)); });
    }
}
