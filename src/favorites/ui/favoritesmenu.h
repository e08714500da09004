#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

// A group name as a menu item or tab caption: "&" is doubled, so it shows as itself and
// never makes an accelerator letter.
QString MnemonicFree(const std::string& name);

// Keeps the first two items of the "Favorites" menu ("&Add to Favorites" and its separator)
// and puts one item per group after them, in file order, with image. The name itself rides
// in the item's data; choosing the item calls choose with it.
void FillFavoritesMenu(QMenu& menu, const std::vector<std::string>& groups, const QIcon& image,
                       const std::function<void(const std::string&)>& choose);

// The group name an item of that menu stands for.
std::string FavoritesMenuGroup(const QAction& item);
