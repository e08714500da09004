// Favorites in the main window: the pane in the left panel, the groups of the "Favorites"
// menu, showing a group in the font list view, Ctrl+1 to Ctrl+9 and the drag to the pane.
#include <QAction>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "controls/menuimagelist.h"
#include "controls/waitcursor.h"
#include "favorites/favoritelookup.h"
#include "favorites/fontfavorites.h"
#include "favorites/ui/favoritespane.h"
#include "favorites/ui/fontdrag.h"
#include "mainwindow/mainform.h"
#include "platform/dialogs.h"
#include "preview/xfontlistview.h"

void TMainForm::BuildFavorites() {
    favorites_ = std::make_unique<TFontFavorites>();
    TFavoritesPaneHost host;
    host.ShownGroup = [this]() -> std::optional<std::string> {
        if (viewKind_ != vkFavorites) {
            return std::nullopt;
        }
        return favoritesGroup_;
    };
    host.ShowFavorites = [this](const std::string& group) { ShowFavorites(group); };
    host.AllFonts = [this] { AllFontsCommand(); };
    host.ShownGroupRenamed = [this](const std::string& group) { SetFavoritesTab(group); };
    host.CloseRequested = [this] { actions_->Find("tbFavorites")->setChecked(false); };
    favoritesPane_ = new TFavoritesPane(*favorites_, favoritesFile_, *FontView,
                                        platform::CurrentDialogs(), std::move(host), pnFavorites);
    auto* fill = new QVBoxLayout(pnFavorites);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(favoritesPane_);
    favoritesPane_->SetFavoritesMenu(findChild<QMenu*>("Favorites1"), MenuImage(miFavoritesGroup));
    connect(FontView, &TXFontListView::keyDown, this,
            [this](QKeyEvent* event) { FavoritesKeyDown(event); });
}

void TMainForm::ShowFavorites(const std::string& group) {
    if (fontList_->Mode() != flmInstalled) {
        fontList_->SetMode(flmInstalled);
    }
    WaitCursor wait;
    // The group goes into a list of the installed mode first, so that the view's list takes
    // that mode with it and the rules of the menus and toolbars see installed fonts.
    TFontList chosen(false);
    chosen.SetAutoLoad(false);
    chosen.SetMode(flmInstalled);
    chosen.SetSortType(fontList_->SortType());
    AssignFavoriteFonts(chosen, *fontList_, favorites_->GetGroupEntries(group));
    viewKind_ = vkFavorites;
    TFontList& items = FontView->Items();
    {
        FontListUpdate update(items);
        items.Assign(chosen);
        FontView->SetItemIndex(0);
    }
    SetFavoritesTab(group);
}

void TMainForm::SetFavoritesTab(const std::string& group) {
    favoritesGroup_ = group;
    pnModes->ShowFavoritesTab(QString::fromStdString(group));
}

void TMainForm::FavoritesKeyDown(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier)) {
        return;
    }
    const int number = event->key() - Qt::Key_0;
    if (number < 1 || number > 9) {
        return;
    }
    const std::vector<std::string> groups = favorites_->GetGroups();
    if (static_cast<std::size_t>(number) <= groups.size()) {
        ShowFavorites(groups[static_cast<std::size_t>(number - 1)]);
    }
}

void TMainForm::AddtoFavorites1Click() {
    favoritesPane_->AddToFavoritesCommand();
}

void TMainForm::StartFontDrag() {
    auto* drag = new QDrag(FontView);
    drag->setMimeData(NewFontDragData(*FontView));
    drag->exec(Qt::CopyAction);
    // FontViewEndDrag: wherever the drag ended, no group stays marked as its target.
    favoritesPane_->DragLeft();
}
