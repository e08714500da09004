#include "favorites/ui/favoritespane.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>
#include <set>

#include "controls/centring.h"
#include "favorites/favoriteline.h"
#include "favorites/fontfavorites.h"
#include "favorites/selectionlines.h"
#include "favorites/ui/addfav.h"
#include "favorites/ui/favoritesmenu.h"
#include "favorites/ui/favrowdelegate.h"
#include "favorites/ui/favrows.h"
#include "favorites/ui/favtitle.h"
#include "platform/collation.h"
#include "platform/dialogs.h"
#include "platform/uifont.h"
#include "preview/xfontlistview.h"

namespace {

constexpr int kToolStripHeight = 24;
constexpr int kHintMargin = 8;

using NameSet = std::set<std::string, TNameLess>;

QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromUtf8(name));
    return item;
}

}  // namespace

TFavoritesPane::TFavoritesPane(TFontFavorites& store, std::string favoritesFile,
                               TXFontListView& fontView, platform::Dialogs& dialogs,
                               TFavoritesPaneHost host, QWidget* parent)
    : QWidget(parent),
      store_(store),
      favoritesFile_(std::move(favoritesFile)),
      fontView_(fontView),
      dialogs_(dialogs),
      host_(std::move(host)) {
    setObjectName(QStringLiteral("pFavorites"));
    BuildLayout();
    BuildPopupMenu();
    UpdateAddButton();
}

TFavoritesPane::~TFavoritesPane() = default;

void TFavoritesPane::BuildLayout() {
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Base));
    setPalette(background);
    setAutoFillBackground(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    pFavTitle = new TFavTitle(this);
    connect(pFavTitle, &TFavTitle::closeClicked, this, [this] {
        if (host_.CloseRequested) {
            host_.CloseRequested();
        } else {
            hide();
        }
    });
    column->addWidget(pFavTitle);

    FavToolBar = new QToolBar(this);
    FavToolBar->setObjectName(QStringLiteral("FavToolBar"));
    FavToolBar->setFixedHeight(kToolStripHeight);
    FavToolBar->setMovable(false);
    FavToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    FavToolBar->setFont(platform::UiFont(QStringLiteral("Tahoma"), 8));
    tbAddFav = FavToolBar->addAction(QStringLiteral("Add"));
    tbAddFav->setObjectName(QStringLiteral("tbAddFav"));
    connect(tbAddFav, &QAction::triggered, this, [this] { AddToFavoritesCommand(); });
    FavToolBar->addSeparator();
    tbNewFolder = FavToolBar->addAction(QStringLiteral("New Folder"));
    tbNewFolder->setObjectName(QStringLiteral("tbNewFolder"));
    connect(tbNewFolder, &QAction::triggered, this, [this] { NewFolderCommand(); });
    column->addWidget(FavToolBar);

    Label2 = new QLabel(
        QStringLiteral("To add font(s) here, select fonts then click \"Add\" button above"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setFont(platform::UiFont(QStringLiteral("Tahoma"), 8));
    Label2->setContentsMargins(kHintMargin, kHintMargin, kHintMargin, kHintMargin);
    QPalette grey = Label2->palette();
    grey.setColor(QPalette::WindowText, grey.color(QPalette::Disabled, QPalette::Text));
    Label2->setPalette(grey);
    column->addWidget(Label2);

    rows_ = new TFavRows(this);
    delegate_ = new TFavRowDelegate(*rows_, this);
    lbFav = new QListView(this);
    lbFav->setObjectName(QStringLiteral("lbFav"));
    lbFav->setModel(rows_);
    lbFav->setItemDelegate(delegate_);
    lbFav->setFrameShape(QFrame::NoFrame);
    lbFav->setSelectionMode(QAbstractItemView::SingleSelection);
    lbFav->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbFav->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbFav->setAcceptDrops(true);
    lbFav->installEventFilter(this);
    lbFav->viewport()->installEventFilter(this);
    column->addWidget(lbFav, 1);
}

void TFavoritesPane::BuildPopupMenu() {
    FavPopupMenu = new QMenu(this);
    FavPopupMenu->setObjectName(QStringLiteral("FavPopupMenu"));
    connect(AddMenuItem(FavPopupMenu, "Expand1", "E&xpand"), &QAction::triggered, this,
            [this] { ExpandGroup(SelectedRow()); });
    connect(AddMenuItem(FavPopupMenu, "Collapse1", "&Collapse"), &QAction::triggered, this,
            [this] { CollapseGroup(SelectedRow()); });
    connect(AddMenuItem(FavPopupMenu, "View1", "&View"), &QAction::triggered, this,
            [this] { ViewCommand(); });
    FavPopupMenu->addSeparator();
    connect(AddMenuItem(FavPopupMenu, "Rename1", "&Rename"), &QAction::triggered, this,
            [this] { RenameCommand(); });
    connect(AddMenuItem(FavPopupMenu, "Delete1", "&Delete"), &QAction::triggered, this,
            [this] { DeleteCommand(); });
    connect(FavPopupMenu, &QMenu::aboutToShow, this, [this] { PopupMenuOpens(); });
}

void TFavoritesPane::PopupMenuOpens() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    auto item = [this](const char* name) {
        return FavPopupMenu->findChild<QAction*>(QString::fromUtf8(name));
    };
    item("Rename1")->setVisible(IsGroupRow(row));
    item("View1")->setVisible(IsGroupRow(row));
    item("Expand1")->setVisible(IsGroupRow(row) && !IsExpandedRow(row));
    item("Collapse1")->setVisible(IsExpandedRow(row));
    item("Delete1")->setVisible(true);
}

void TFavoritesPane::PopUpAt(QPoint globalPos) {
    FavPopupMenu->popup(globalPos);
}

int TFavoritesPane::RowCount() const {
    return rows_->Count();
}

const std::string& TFavoritesPane::RowText(int row) const {
    return rows_->Text(row);
}

int TFavoritesPane::RowMarker(int row) const {
    return rows_->Marker(row);
}

bool TFavoritesPane::IsGroupRow(int row) const {
    return row >= 0 && row < RowCount() && rows_->IsGroupRow(row);
}

bool TFavoritesPane::IsExpandedRow(int row) const {
    return row >= 0 && row < RowCount() && rows_->IsExpandedRow(row);
}

int TFavoritesPane::GroupRowOf(int row) const {
    return rows_->GroupRowOf(row);
}

std::string TFavoritesPane::GroupNameOf(int row) const {
    const int group = GroupRowOf(row);
    return group >= 0 ? RowText(group) : std::string();
}

int TFavoritesPane::SelectedRow() const {
    const QModelIndexList selected = lbFav->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void TFavoritesPane::SelectRow(int row) {
    if (row < 0 || row >= RowCount()) {
        lbFav->clearSelection();
        return;
    }
    const QModelIndex index = rows_->index(row);
    lbFav->setCurrentIndex(index);
    lbFav->scrollTo(index);
}

void TFavoritesPane::ExpandGroup(int row) {
    if (!IsGroupRow(row) || IsExpandedRow(row)) {
        return;
    }
    const std::vector<std::string> fonts = store_.GetGroupFonts(RowText(row));
    // An empty group never expands.
    if (!fonts.empty()) {
        rows_->Expand(row, fonts);
    }
}

void TFavoritesPane::CollapseGroup(int row) {
    if (IsExpandedRow(row)) {
        rows_->Collapse(row);
    }
}

void TFavoritesPane::ToggleGroup(int row) {
    if (IsExpandedRow(row)) {
        CollapseGroup(row);
    } else {
        ExpandGroup(row);
    }
}

void TFavoritesPane::RefreshFavorites() {
    NameSet expanded;
    for (int row = 0; row < RowCount(); ++row) {
        if (IsExpandedRow(row)) {
            expanded.insert(RowText(row));
        }
    }
    if (!Guarded([this] {
            store_.LoadFromFile(favoritesFile_);
            store_.DeleteMissingFonts();
        })) {
        return;
    }
    std::vector<TFavRows::Group> groups;
    for (std::string& name : store_.GetGroups()) {
        const int count = store_.GetFontCount(name);
        groups.push_back({std::move(name), count});
    }
    rows_->SetGroups(groups);
    for (int row = 0; row < RowCount(); ++row) {
        if (IsGroupRow(row) && expanded.count(RowText(row)) != 0) {
            ExpandGroup(row);
        }
    }
    UpdateFavoritesMenu();
    Label2->setVisible(RowCount() == 0);
}

void TFavoritesPane::SetFavoritesMenu(QMenu* menu, const QIcon& image) {
    favoritesMenu_ = menu;
    favoritesMenuImage_ = image;
    UpdateFavoritesMenu();
}

void TFavoritesPane::UpdateFavoritesMenu() {
    if (favoritesMenu_ == nullptr) {
        return;
    }
    FillFavoritesMenu(*favoritesMenu_, store_.GetGroups(), favoritesMenuImage_,
                      [this](const std::string& group) {
                          if (host_.ShowFavorites) {
                              host_.ShowFavorites(group);
                          }
                      });
}

void TFavoritesPane::AddToFavorites(const std::string& group,
                                    const std::vector<std::string>& lines) {
    const bool saved = Guarded([&] {
        store_.Edit(favoritesFile_, [&](TFontFavorites& store) {
            store.AddFonts(group, lines);
            return true;
        });
    });
    if (saved) {
        RefreshFavorites();
    }
}

std::vector<std::string> TFavoritesPane::SelectionLines() {
    const TSelectionLines selection =
        EntryLinesOfSelection(fontView_.Items(), fontView_.ItemIndex());
    if (selection.refused > 0) {
        dialogs_.MessageBox(std::to_string(selection.refused) +
                                " font(s) were left out: their name or file path cannot be "
                                "written into the favorites file.",
                            QCoreApplication::applicationName().toStdString(),
                            platform::MsgButtons::Ok, platform::MsgIcon::Warning, window());
    }
    return selection.lines;
}

void TFavoritesPane::AddToFavoritesCommand() {
    if (fontView_.ItemIndex() < 0) {
        return;
    }
    const std::vector<std::string> lines = SelectionLines();
    if (lines.empty()) {
        return;
    }
    TfAddFav dialog(dialogs_, window());
    CentreOver(&dialog, window());
    const std::string group = dialog.Execute(favoritesFile_, lines);
    if (!group.empty()) {
        AddToFavorites(group, lines);
    }
}

void TFavoritesPane::NewFolderCommand() {
    std::string text = "New Folder";
    if (dialogs_.InputString("New Folder", "\n\nNew Folder:", text, window()) != platform::IdOk) {
        return;
    }
    const std::string name = CleanGroupName(text);
    if (name.empty() || !Guarded([&] { store_.AddFolder(favoritesFile_, name); })) {
        return;
    }
    RefreshFavorites();
    SelectGroupNamed(name);
}

void TFavoritesPane::SelectGroupNamed(const std::string& name) {
    for (int row = 0; row < RowCount(); ++row) {
        if (IsGroupRow(row) && platform::CompareStrI(RowText(row), name) == 0) {
            SelectRow(row);
            return;
        }
    }
}

void TFavoritesPane::RenameCommand() {
    const int row = SelectedRow();
    if (!IsGroupRow(row)) {
        return;
    }
    const std::string oldName = RowText(row);
    std::string text = oldName;
    if (dialogs_.InputString("Rename", "\n\nNew Favorites Folder Name:", text, window()) !=
        platform::IdOk) {
        return;
    }
    const std::string newName = CleanGroupName(text);
    bool renamed = false;
    if (newName.empty() || !Guarded([&] {
            store_.Edit(favoritesFile_, [&](TFontFavorites& store) {
                renamed = store.RenameGroup(oldName, newName);
                return renamed;
            });
        }) ||
        !renamed) {
        return;
    }
    const std::optional<std::string> shown = host_.ShownGroup ? host_.ShownGroup() : std::nullopt;
    if (shown && platform::CompareStrI(*shown, oldName) == 0 && host_.ShownGroupRenamed) {
        host_.ShownGroupRenamed(newName);
    }
    // The new text keeps an expanded group expanded through the rebuild.
    rows_->SetText(row, newName);
    RefreshFavorites();
}

void TFavoritesPane::DeleteCommand() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    const bool group = IsGroupRow(row);
    const char* question = group ? "Are you sure you want to delete this favorites group?"
                                 : "Are you sure you want to delete this font from favorites?";
    if (dialogs_.MessageBox(question, "Confirm Delete", platform::MsgButtons::YesNo,
                            platform::MsgIcon::Warning, window()) != platform::IdYes) {
        return;
    }
    const std::string groupName = GroupNameOf(row);
    const std::string font = RowText(row);
    const bool saved = Guarded([&] {
        store_.Edit(favoritesFile_, [&](TFontFavorites& store) {
            if (group) {
                store.DeleteGroup(groupName);
            } else {
                store.DeleteFont(groupName, font);
            }
            return true;
        });
    });
    if (!saved) {
        return;
    }
    RefreshFavorites();
    const std::optional<std::string> shown = host_.ShownGroup ? host_.ShownGroup() : std::nullopt;
    if (!shown) {
        return;
    }
    if (group && host_.AllFonts) {
        host_.AllFonts();
    } else if (!group && host_.ShowFavorites) {
        host_.ShowFavorites(*shown);
    }
}

void TFavoritesPane::ViewCommand() {
    const int row = SelectedRow();
    if (row >= 0 && host_.ShowFavorites) {
        host_.ShowFavorites(GroupNameOf(row));
    }
}

void TFavoritesPane::OpenFontRow(int row, bool evenIfShown) {
    const std::string group = GroupNameOf(row);
    const std::optional<std::string> shown = host_.ShownGroup ? host_.ShownGroup() : std::nullopt;
    if ((evenIfShown || !shown || *shown != group) && host_.ShowFavorites) {
        host_.ShowFavorites(group);
    }
    fontView_.SetItemIndex(fontView_.Items().Find(RowText(row)));
}

void TFavoritesPane::UpdateAddButton() {
    tbAddFav->setEnabled(fontView_.Items().Mode() == flmInstalled);
}

void TFavoritesPane::LoadExpandedFav(const TExpandedFav& section) {
    NameSet names;
    for (const auto& [row, name] : section) {
        names.insert(name);
    }
    // From the last row up, so expanding never moves a row still to be looked at.
    for (int row = RowCount() - 1; row >= 0; --row) {
        if (IsGroupRow(row) && names.count(RowText(row)) != 0) {
            ExpandGroup(row);
        }
    }
}

TFavoritesPane::TExpandedFav TFavoritesPane::ExpandedFav() const {
    TExpandedFav section;
    for (int row = 0; row < RowCount(); ++row) {
        if (IsExpandedRow(row)) {
            section.emplace_back(std::to_string(row), RowText(row));
        }
    }
    return section;
}

bool TFavoritesPane::Guarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        ShowError(error.what());
    }
    return false;
}

void TFavoritesPane::ShowError(const std::string& message) {
    dialogs_.MessageBox(message, QCoreApplication::applicationName().toStdString(),
                        platform::MsgButtons::Ok, platform::MsgIcon::Error, window());
}
