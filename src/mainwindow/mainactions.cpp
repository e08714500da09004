// The action table: every command of the menus, the context menus and the toolbars, each
// where it shows with its caption, shortcut, tag, rule and handler. A new command is one
// entry here (and a handler in the window).
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "mainwindow/actiontable.h"
#include "mainwindow/mainform.h"
#include "preview/xfontlistview.h"

namespace {

using P = TActionPlace;

// ---- rules: what an item shows when its menu opens

TActionState Enabled(bool enabled) {
    TActionState state;
    state.enabled = enabled;
    return state;
}

TActionState Shown(bool visible, bool enabled) {
    TActionState state = Enabled(enabled);
    state.visible = visible;
    return state;
}

TActionState Checked(bool checked) {
    TActionState state;
    state.checked = checked;
    return state;
}

// An item of an exclusive group is checked when its condition holds; the group unchecks the
// others.
TActionState CheckedIf(bool condition) {
    TActionState state;
    if (condition) {
        state.checked = true;
    }
    return state;
}

TActionState FilledFolders(const TCommandState& s) {
    return Enabled(s.Filled() && s.viewMode == flmFolders);
}
TActionState UninstallItem(const TCommandState& s) {
    return Shown(s.viewMode == flmInstalled, s.Filled() && s.viewMode == flmInstalled);
}
TActionState DeleteItem(const TCommandState& s) {
    return Shown(s.masterMode == flmFolders, s.Filled() && s.masterMode == flmFolders);
}
TActionState Filled(const TCommandState& s) {
    return Enabled(s.Filled());
}
TActionState Installed(const TCommandState& s) {
    return Enabled(s.viewMode == flmInstalled);
}
TActionState Folders(const TCommandState& s) {
    return Enabled(s.viewMode == flmFolders);
}
TActionState HasBackupFolder(const TCommandState& s) {
    return Enabled(s.hasBackupFolder);
}

TActionState ScreenChecked(const TCommandState& s) {
    return CheckedIf(s.masterMode == flmScreen);
}
TActionState InstalledChecked(const TCommandState& s) {
    return CheckedIf(s.masterMode == flmInstalled);
}
TActionState FoldersChecked(const TCommandState& s) {
    return CheckedIf(s.masterMode != flmScreen && s.masterMode != flmInstalled);
}
TActionState AllChecked(const TCommandState& s) {
    return CheckedIf(s.whole);
}
TActionState SelectedChecked(const TCommandState& s) {
    return CheckedIf(!s.whole);
}
TActionState AntiAliasChecked(const TCommandState& s) {
    return Checked(s.antiAlias);
}
TActionState BoldChecked(const TCommandState& s) {
    return Checked((s.style & fsBold) != 0);
}
TActionState ItalicChecked(const TCommandState& s) {
    return Checked((s.style & fsItalic) != 0);
}
TActionState UnderlineChecked(const TCommandState& s) {
    return Checked((s.style & fsUnderline) != 0);
}
TActionState ByNameChecked(const TCommandState& s) {
    return CheckedIf(s.masterSort != stPath);
}
TActionState ByPathChecked(const TCommandState& s) {
    return CheckedIf(s.masterSort == stPath);
}

// The list's context menu: every item only on a filled list.
TActionState SelectItem(const TCommandState& s) {
    return Shown(!s.focusedMarked, s.Filled());
}
TActionState DeselectItem(const TCommandState& s) {
    return Shown(s.focusedMarked, s.Filled());
}
TActionState FolderFileItem(const TCommandState& s) {
    return Shown(s.viewMode == flmFolders, s.Filled());
}
TActionState InstalledFileItem(const TCommandState& s) {
    return Shown(s.viewMode == flmInstalled, s.Filled());
}
TActionState FolderCopyItem(const TCommandState& s) {
    return Shown(s.Filled() && s.viewMode == flmFolders, s.Filled());
}
TActionState FilledInstalled(const TCommandState& s) {
    return Enabled(s.Filled() && s.viewMode == flmInstalled);
}
TActionState ListByNameChecked(const TCommandState& s) {
    TActionState state = CheckedIf(s.viewSort == stName);
    state.enabled = s.Filled();
    return state;
}
TActionState ListByPathChecked(const TCommandState& s) {
    TActionState state = CheckedIf(s.viewSort != stName);
    state.enabled = s.Filled();
    return state;
}

// The toolbar: install only folder fonts; delete, or uninstall, only files.
TActionState InstallButton(const TCommandState& s) {
    return Enabled(s.viewMode == flmFolders);
}
TActionState DeleteButton(const TCommandState& s) {
    TActionState state = Enabled(s.viewMode != flmScreen);
    if (s.whole && s.viewMode == flmInstalled) {
        state.toolTip = "Uninstall";
        state.tag = 1;
    } else if (s.whole && s.viewMode == flmFolders) {
        state.toolTip = "Delete";
        state.tag = 0;
    }
    return state;
}

int TagOf(const QAction& sender) {
    return sender.property("tag").toInt();
}

}  // namespace

std::vector<TAction> TMainForm::Actions() {
    // A handler that needs nothing of the item chosen.
    const auto call = [this](void (TMainForm::*command)()) {
        return [this, command](const QAction&) { (this->*command)(); };
    };
    const auto mode = [this](TFontListMode m) {
        return [this, m](const QAction&) { ModeCommand(m); };
    };
    const auto sort = [this](const QAction& sender) {
        SortCommand(static_cast<TSortType>(TagOf(sender)));
    };
    const auto style = [this](const QAction& sender) { Bold1Click(TagOf(sender)); };
    const auto select = [this](const QAction& sender) { Select2Click(TagOf(sender) != 0); };
    const auto remove = [this](const QAction& sender) { UninstallFont1Click(TagOf(sender)); };
    const auto copy = [this](const QAction& sender) { CopyToFolderClick(TagOf(sender)); };
    const auto install = call(&TMainForm::InstallFont1Click);
    using A = TAction;
    // The whole context menu follows the list, its lines too.
    const TAction ListLine = Separator(P::ListMenu).Rule(Filled);
    // One entry a line or a few, as the menus read; the formatter would scatter them.
    // clang-format off
    return {
        A(P::FontMenu, "InstallFont1", "&Install Font")
            .Keys("Alt+I").Rule(FilledFolders).Run(install),
        A(P::FontMenu, "UninstallFont1", "&Uninstall Font")
            .Keys("Alt+U").Tag(1).Rule(UninstallItem).Run(remove),
        A(P::FontMenu, "DeleteFont1", "&Delete Font").Keys("Alt+D").Rule(DeleteItem).Run(remove),
        Separator(P::FontMenu),
        A(P::FontMenu, "Charmap1", "&Charmap")
            .Keys("Alt+C")
            .Rule(Filled)
            .Run(call(&TMainForm::CharmapCommand)),
        Separator(P::FontMenu),
        A(P::FontMenu, "Properties1", "P&roperties")
            .Keys("Alt+Enter")
            .Rule(Filled)
            .Run(call(&TMainForm::PropertiesCommand)),
        Separator(P::FontMenu),
        A(P::FontMenu, "ExportasBitmap1", "Export as &Bitmap").Run(call(&TMainForm::ExportCommand)),
        Separator(P::FontMenu),
        A(P::FontMenu, "PrintSetup1", "Print Setup").Flags(afHidden),
        A(P::FontMenu, "PrintPreview1", "Print Preview").Flags(afHidden),
        A(P::FontMenu, "Print1", "&Print").Keys("Ctrl+P").Run(call(&TMainForm::PrintCommand)),
        Separator(P::FontMenu),
        A(P::FontMenu, "Exit1", "E&xit").Keys("Alt+X").Run([this](const QAction&) { close(); }),

        A(P::EditMenu, "Select1", "&Select\tSpacebar").Run(call(&TMainForm::Select1Click)),
        A(P::EditMenu, "SelectAll1", "Select &All")
            .Keys("Ctrl+A")
            .Run(call(&TMainForm::SelectAllCommand)),
        A(P::EditMenu, "InvertSelection1", "&Invert Selection")
            .Keys("Ctrl+Shift+I")
            .Run(call(&TMainForm::InvertSelectionCommand)),
        Separator(P::EditMenu),
        A(P::EditMenu, "CopyToFolder1", "Copy To Folder...").Rule(FilledFolders).Run(copy),
        A(P::EditMenu, "MoveToFolder1", "Move To Folder...")
            .Tag(1).Rule(FilledFolders).Run(copy),
        Separator(P::EditMenu),
        A(P::EditMenu, "Find1", "&Find").Keys("Ctrl+F").Run(call(&TMainForm::FindCommand)),
        A(P::EditMenu, "FindNext1", "Find Ne&xt").Keys("F3").Run(call(&TMainForm::FindNextCommand)),
        Separator(P::EditMenu),
        A(P::EditMenu, "NextSelected1", "&Next Selected")
            .Keys("Ctrl+N")
            .Run(call(&TMainForm::NextSelectedCommand)),

        A(P::ViewMenu, "ScreenFonts1", "&Screen Fonts")
            .Keys("Alt+1")
            .Rule(ScreenChecked)
            .Run(mode(flmScreen))
            .Group(1),
        A(P::ViewMenu, "InstalledFonts1", "Insta&lled Fonts")
            .Keys("Alt+2")
            .Rule(InstalledChecked)
            .Run(mode(flmInstalled))
            .Group(1),
        A(P::ViewMenu, "FontsinFolder1", "Fonts in &Folder...")
            .Keys("Alt+3")
            .Rule(FoldersChecked)
            .Run(call(&TMainForm::FoldersCommand))
            .Group(1),
        Separator(P::ViewMenu),
        A(P::ViewMenu, "All1", "&All Fonts")
            .Keys("Alt+A")
            .Rule(AllChecked)
            .Run(call(&TMainForm::AllFontsCommand))
            .Group(2),
        A(P::ViewMenu, "Selected1", "Sele&cted Fonts")
            .Keys("Alt+S")
            .Rule(SelectedChecked)
            .Run(call(&TMainForm::SelectedFontsCommand))
            .Group(2),
        Separator(P::ViewMenu),
        A(P::ViewMenu, "Antialiasing1", "An&tialiasing")
            .Keys("Ctrl+T")
            .Rule(AntiAliasChecked)
            .Run(call(&TMainForm::Antialiasing1Click))
            .Flags(afCheckable),
        A(P::ViewMenu, "DropShadow1", "&Drop Shadow").Flags(afHidden),
        Separator(P::ViewMenu),
        A(P::ViewMenu, "Bold1", "&Bold")
            .Keys("Ctrl+B")
            .Rule(BoldChecked)
            .Run(style)
            .Flags(afCheckable),
        A(P::ViewMenu, "Italic1", "&Italic")
            .Keys("Ctrl+I")
            .Tag(1)
            .Rule(ItalicChecked)
            .Run(style)
            .Flags(afCheckable),
        A(P::ViewMenu, "Underline1", "&Underline")
            .Keys("Ctrl+U")
            .Tag(2)
            .Rule(UnderlineChecked)
            .Run(style)
            .Flags(afCheckable),
        Separator(P::ViewMenu),
        A(P::ViewMenu, "ArrangebyFontName1", "Arrange by Font&Name")
            .Tag(stName)
            .Rule(ByNameChecked)
            .Run(sort)
            .Group(3),
        A(P::ViewMenu, "ArrangebyPath1", "Arrange by &Path")
            .Tag(stPath)
            .Rule(ByPathChecked)
            .Run(sort)
            .Group(3),
        Separator(P::ViewMenu),
        A(P::ViewMenu, "Refresh1", "&Refresh").Keys("F5").Run(call(&TMainForm::RefreshCommand)),

        A(P::FavoritesMenu, "AddtoFavorites1", "&Add to Favorites")
            .Rule(Installed)
            .Run(call(&TMainForm::AddtoFavorites1Click)),
        Separator(P::FavoritesMenu),

        A(P::ToolsMenu, "CharacterMap1", "Character &Map")
            .Run(call(&TMainForm::CharacterMap1Click)),
        A(P::ToolsMenu, "OpenExplorer1", "Open &Explorer")
            .Keys("Ctrl+Enter")
            .Run(call(&TMainForm::OpenExplorer1Click)),
        A(P::ToolsMenu, "ExplorerUninstalledFolder1", "Explorer \"&Uninstalled\" Folder")
            .Rule(HasBackupFolder)
            .Run(call(&TMainForm::ExplorerUninstalledFolder1Click)),
        Separator(P::ToolsMenu),
        A(P::ToolsMenu, "RenameFontFiles1", "&Rename Font File(s)")
            .Keys("F2")
            .Rule(Folders)
            .Run(call(&TMainForm::RenameFontFile1Click)),
        Separator(P::ToolsMenu),
        A(P::ToolsMenu, "Seeerrorlogfile1", "See \"error.log\" file")
            .Run(call(&TMainForm::Seeerrorlogfile1Click)),
        Separator(P::ToolsMenu),
        A(P::ToolsMenu, "SetSampleText1", "Set Sample &Text")
            .Run(call(&TMainForm::SetSampleTextCommand)),
        Separator(P::ToolsMenu, "N_Options"),
        A(P::ToolsMenu, "Options1", "&Options...").Run(call(&TMainForm::Options1Click)),

        A(P::HelpMenu, "Contents1", "&Contents").Keys("F1").Run(call(&TMainForm::Contents1Click)),
        A(P::HelpMenu, "Shortcut1", "&Shortcut").Run(call(&TMainForm::Shortcut1Click)),
        Separator(P::HelpMenu),
        A(P::HelpMenu, "Homepage1", "&Homepage").Run(call(&TMainForm::Homepage1Click)),
        Separator(P::HelpMenu),
        A(P::HelpMenu, "About1", "&About...").Run(call(&TMainForm::About1Click)),

        A(P::ListMenu, "Select2", "&Select").Rule(SelectItem).Run(select),
        A(P::ListMenu, "Deselect2", "De&select").Tag(1).Rule(DeselectItem).Run(select),
        ListLine,
        A(P::ListMenu, "InstallFont2", "&Install Font(s)").Rule(FolderFileItem).Run(install),
        A(P::ListMenu, "UninstallFont2", "&Uninstall Font(s)")
            .Tag(1).Rule(InstalledFileItem).Run(remove),
        A(P::ListMenu, "DeleteFont2", "&Delete Font(s)").Rule(FolderFileItem).Run(remove),
        ListLine,
        A(P::ListMenu, "CopyToFolder2", "Copy To Folder...").Rule(FolderCopyItem).Run(copy),
        A(P::ListMenu, "MoveToFolder2", "Move To Folder...")
            .Tag(1).Rule(FolderCopyItem).Run(copy),
        ListLine,
        A(P::ListMenu, "AddtoFavorites2", "&Add to Favorites")
            .Rule(FilledInstalled)
            .Run(call(&TMainForm::AddtoFavorites1Click)),
        ListLine,
        A(P::ListMenu, "Edit2", "&Edit").Rule(Filled).Run(call(&TMainForm::Edit2Click)),
        A(P::ListMenu, "Charmap2", "&Charmap").Rule(Filled).Run(call(&TMainForm::CharmapCommand)),
        ListLine,
        A(P::ListMenu, "ArrangebyFontName2", "Arrange by FontName")
            .Tag(stName)
            .Rule(ListByNameChecked)
            .Run(sort)
            .Group(1),
        A(P::ListMenu, "ArrangebyPath2", "Arrange by Path")
            .Tag(stPath)
            .Rule(ListByPathChecked)
            .Run(sort)
            .Group(1),
        ListLine,
        A(P::ListMenu, "Properties2", "P&roperties")
            .Rule(Filled)
            .Run(call(&TMainForm::PropertiesCommand)),

        A(P::FolderMenu, "RemoveFolder1", "&Remove Folder")
            .Run([this](const QAction&) { RemoveFolderCommand(pnModes->MenuSlot()); }),

        A(P::SampleTextMenu, "SetSampleText2", "Set Sample Text")
            .Run(call(&TMainForm::SetSampleTextCommand)),

        A(P::PrintBar, "tbPrint", "Print").Icon("print").Run(call(&TMainForm::PrintCommand)),
        A(P::FavoritesBar, "tbFavorites", "Favorites")
            .Icon("favorites")
            .Flags(afCheckable | afToggle)
            .Run([this](const QAction& sender) { ShowFavoritesPane(sender.isChecked()); }),
        A(P::CommandBar, "tbCharmap", "Charmap")
            .Icon("charmap")
            .Run(call(&TMainForm::CharmapCommand)),
        A(P::CommandBar, "tbProperties", "Properties")
            .Icon("properties")
            .Run(call(&TMainForm::PropertiesCommand)),
        Separator(P::CommandBar),
        A(P::CommandBar, "tbInstall", "Install").Icon("install").Rule(InstallButton).Run(install),
        A(P::CommandBar, "tbDelete", "Delete")
            .Icon("delete").Tag(1).Rule(DeleteButton).Run(remove),
    };
    // clang-format on
}

TCommandState TMainForm::CommandState() {
    TFontList& view = FontView->Items();
    const int focused = FontView->ItemIndex();
    TCommandState state;
    state.count = view.GetCount();
    state.viewMode = view.Mode();
    state.masterMode = fontList_->Mode();
    state.whole = fontList_->GetCount() == view.GetCount();
    state.focusedMarked =
        focused >= 0 && focused < view.GetCount() && view.GetItems(focused).Selected();
    state.masterSort = fontList_->SortType();
    state.viewSort = view.SortType();
    state.style = FontView->FontStyle();
    state.antiAlias = FontView->AntiAlias();
    state.hasBackupFolder = !backupFolder_.empty();
    return state;
}

void TMainForm::BuildMenus() {
    const struct {
        TActionPlace place;
        const char* name;
        const char* caption;
        int tag;
    } menus[] = {
        {P::FontMenu, "N1", "&Font", 0},       {P::EditMenu, "Edit1", "&Edit", 0},
        {P::ViewMenu, "View1", "&View", 0},    {P::FavoritesMenu, "Favorites1", "Favorites", 0},
        {P::ToolsMenu, "Tools1", "T&ools", 0}, {P::HelpMenu, "Help1", "&Help", 1}};
    for (const auto& entry : menus) {
        QMenu* menu = menuBar()->addMenu(entry.caption);
        menu->setObjectName(entry.name);
        menu->menuAction()->setProperty("tag", entry.tag);
        actions_->Fill(*menu, entry.place);
    }
    PopupMenu1 = NewPopup("PopupMenu1", P::ListMenu);
    FoldersContext = NewPopup("FoldersContext", P::FolderMenu);
    SampleTextContext = NewPopup("SampleTextContext", P::SampleTextMenu);
}

QMenu* TMainForm::NewPopup(const char* name, TActionPlace place) {
    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    actions_->Fill(*menu, place);
    return menu;
}

void TMainForm::Select1Click() {
    // Exactly what the space bar does in the list.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(FontView, &press);
    QApplication::sendEvent(FontView, &release);
}

void TMainForm::SelectAllCommand() {
    FontView->SelectAll();
}

void TMainForm::InvertSelectionCommand() {
    FontView->InvertSelection();
}

void TMainForm::FoldersCommand() {
    ModeCommand(flmFolders);
    RefreshFolderLabels();
}
