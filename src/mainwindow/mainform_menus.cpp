// The menu bar, the context menus, their opening rules and the shortcut table.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "mainwindow/mainform.h"
#include "preview/xfontlistview.h"

namespace {

// Enter on the main keyboard and on the keypad are one key to the shortcut table.
QKeyCombination Normalized(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Enter) {
        key = Qt::Key_Return;
    }
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return QKeyCombination(modifiers, key);
}

QKeyCombination Keys(const char* text) {
    const QKeySequence sequence(QString::fromLatin1(text), QKeySequence::PortableText);
    const QKeyCombination keys = sequence[0];
    return Normalized(keys.key(), keys.keyboardModifiers());
}

void ExclusiveGroup(QObject* owner, std::initializer_list<QAction*> actions) {
    auto* group = new QActionGroup(owner);
    group->setExclusive(true);
    for (QAction* action : actions) {
        action->setCheckable(true);
        group->addAction(action);
    }
}

}  // namespace

QAction* TMainForm::AddItem(QMenu* menu, const char* name, const QString& caption, int tag,
                            const char* keys) {
    // The shortcut is shown after a tab, as the menu shows right-hand text; it is run by the
    // key preview (RunShortcut) so that the menu's opening rules decide first.
    auto* action = new QAction(keys == nullptr ? caption : caption + "\t" + keys, menu);
    action->setObjectName(name);
    action->setProperty("tag", tag);
    menu->addAction(action);
    if (keys != nullptr) {
        shortcuts_.push_back({Keys(keys), menu, action});
    }
    return action;
}

void TMainForm::Connect(QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

QAction* TMainForm::Item(const char* name) const {
    return findChild<QAction*>(name);
}

void TMainForm::BuildMenus() {
    BuildFontMenu();
    BuildEditMenu();
    BuildViewMenu();
    BuildToolsAndHelpMenus();
    BuildPopupMenu();
    BuildSmallMenus();
    menuRules_ = {{N1, [this] { N1Click(); }},
                  {Edit1, [this] { Edit1Click(); }},
                  {View1, [this] { View1Click(); }},
                  {Favorites1, [this] { Favorites1Click(); }},
                  {Tools1, [this] { Tools1Click(); }}};
    for (const auto& [menu, rule] : menuRules_) {
        connect(menu, &QMenu::aboutToShow, this, [this, m = menu] { ApplyMenuRules(m); });
    }
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
}

void TMainForm::BuildFontMenu() {
    N1 = menuBar()->addMenu("&Font");
    N1->setObjectName("N1");
    AddItem(N1, "InstallFont1", "&Install Font", 0, "Alt+I");
    AddItem(N1, "UninstallFont1", "&Uninstall Font", 1, "Alt+U");
    AddItem(N1, "DeleteFont1", "&Delete Font", 0, "Alt+D");
    N1->addSeparator();
    AddItem(N1, "Charmap1", "&Charmap", 0, "Alt+C");
    N1->addSeparator();
    AddItem(N1, "Properties1", "P&roperties", 0, "Alt+Enter");
    N1->addSeparator();
    AddItem(N1, "ExportasBitmap1", "Export as &Bitmap");
    N1->addSeparator();
    AddItem(N1, "PrintSetup1", "Print Setup")->setVisible(false);
    AddItem(N1, "PrintPreview1", "Print Preview")->setVisible(false);
    AddItem(N1, "Print1", "&Print", 0, "Ctrl+P");
    N1->addSeparator();
    Connect(AddItem(N1, "Exit1", "E&xit", 0, "Alt+X"), [this] { close(); });
}

void TMainForm::BuildEditMenu() {
    Edit1 = menuBar()->addMenu("&Edit");
    Edit1->setObjectName("Edit1");
    Connect(AddItem(Edit1, "Select1", "&Select\tSpacebar"), [this] {
        // Exactly what the space bar does in the list.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
        QApplication::sendEvent(FontView, &press);
        QApplication::sendEvent(FontView, &release);
    });
    Connect(AddItem(Edit1, "SelectAll1", "Select &All", 0, "Ctrl+A"),
            [this] { FontView->SelectAll(); });
    Connect(AddItem(Edit1, "InvertSelection1", "&Invert Selection", 0, "Ctrl+Shift+I"),
            [this] { FontView->InvertSelection(); });
    Edit1->addSeparator();
    AddItem(Edit1, "CopyToFolder1", "Copy To Folder...", 0);
    AddItem(Edit1, "MoveToFolder1", "Move To Folder...", 1);
    Edit1->addSeparator();
    Connect(AddItem(Edit1, "Find1", "&Find", 0, "Ctrl+F"), [this] { FindCommand(); });
    Connect(AddItem(Edit1, "FindNext1", "Find Ne&xt", 0, "F3"), [this] { FindNextCommand(); });
    Edit1->addSeparator();
    Connect(AddItem(Edit1, "NextSelected1", "&Next Selected", 0, "Ctrl+N"),
            [this] { NextSelectedCommand(); });
}

void TMainForm::BuildViewMenu() {
    View1 = menuBar()->addMenu("&View");
    View1->setObjectName("View1");
    QAction* screen = AddItem(View1, "ScreenFonts1", "&Screen Fonts", 0, "Alt+1");
    QAction* installed = AddItem(View1, "InstalledFonts1", "Insta&lled Fonts", 0, "Alt+2");
    QAction* folders = AddItem(View1, "FontsinFolder1", "Fonts in &Folder...", 0, "Alt+3");
    ExclusiveGroup(this, {screen, installed, folders});
    Connect(screen, [this] { ModeCommand(flmScreen); });
    Connect(installed, [this] { ModeCommand(flmInstalled); });
    Connect(folders, [this] {
        ModeCommand(flmFolders);
        RefreshFolderLabels();
    });
    View1->addSeparator();
    QAction* all = AddItem(View1, "All1", "&All Fonts", 0, "Alt+A");
    QAction* selected = AddItem(View1, "Selected1", "Sele&cted Fonts", 0, "Alt+S");
    ExclusiveGroup(this, {all, selected});
    Connect(all, [this] { AllFontsCommand(); });
    Connect(selected, [this] { SelectedFontsCommand(); });
    View1->addSeparator();
    QAction* antialias = AddItem(View1, "Antialiasing1", "An&tialiasing", 0, "Ctrl+T");
    antialias->setCheckable(true);
    Connect(antialias, [this] { Antialiasing1Click(); });
    AddItem(View1, "DropShadow1", "&Drop Shadow")->setVisible(false);
    View1->addSeparator();
    const struct {
        const char* name;
        const char* caption;
        const char* keys;
    } styles[] = {{"Bold1", "&Bold", "Ctrl+B"},
                  {"Italic1", "&Italic", "Ctrl+I"},
                  {"Underline1", "&Underline", "Ctrl+U"}};
    for (int tag = 0; tag < 3; ++tag) {
        QAction* style =
            AddItem(View1, styles[tag].name, styles[tag].caption, tag, styles[tag].keys);
        style->setCheckable(true);
        Connect(style, [this, tag] { Bold1Click(tag); });
    }
    View1->addSeparator();
    QAction* byName = AddItem(View1, "ArrangebyFontName1", "Arrange by Font&Name", stName);
    QAction* byPath = AddItem(View1, "ArrangebyPath1", "Arrange by &Path", stPath);
    ExclusiveGroup(this, {byName, byPath});
    Connect(byName, [this] { SortCommand(stName); });
    Connect(byPath, [this] { SortCommand(stPath); });
    View1->addSeparator();
    Connect(AddItem(View1, "Refresh1", "&Refresh", 0, "F5"), [this] { RefreshCommand(); });

    Favorites1 = menuBar()->addMenu("Favorites");
    Favorites1->setObjectName("Favorites1");
    AddItem(Favorites1, "AddtoFavorites1", "&Add to Favorites");
    Favorites1->addSeparator();
}

void TMainForm::BuildToolsAndHelpMenus() {
    Tools1 = menuBar()->addMenu("T&ools");
    Tools1->setObjectName("Tools1");
    Connect(AddItem(Tools1, "CharacterMap1", "Character &Map"), [this] { CharacterMap1Click(); });
    Connect(AddItem(Tools1, "OpenExplorer1", "Open &Explorer", 0, "Ctrl+Enter"),
            [this] { OpenExplorer1Click(); });
    Connect(AddItem(Tools1, "ExplorerUninstalledFolder1", "Explorer \"&Uninstalled\" Folder"),
            [this] { ExplorerUninstalledFolder1Click(); });
    Tools1->addSeparator();
    AddItem(Tools1, "RenameFontFiles1", "&Rename Font File(s)", 0, "F2");
    Tools1->addSeparator();
    Connect(AddItem(Tools1, "Seeerrorlogfile1", "See \"error.log\" file"),
            [this] { Seeerrorlogfile1Click(); });
    Tools1->addSeparator();
    AddItem(Tools1, "SetSampleText1", "Set Sample &Text");
    QAction* optionsLine = Tools1->addSeparator();
    optionsLine->setObjectName("N_Options");
    optionsLine->setVisible(false);
    QAction* options = AddItem(Tools1, "Options1", "&Options...");
    options->setVisible(false);
    Connect(options, [this] { Options1Click(); });

    Help1 = menuBar()->addMenu("&Help");
    Help1->setObjectName("Help1");
    Help1->menuAction()->setProperty("tag", 1);
    Connect(AddItem(Help1, "Contents1", "&Contents", 0, "F1"), [this] { Contents1Click(); });
    Connect(AddItem(Help1, "Shortcut1", "&Shortcut"), [this] { Shortcut1Click(); });
    Help1->addSeparator();
    Connect(AddItem(Help1, "Homepage1", "&Homepage"), [this] { Homepage1Click(); });
    Help1->addSeparator();
    Connect(AddItem(Help1, "About1", "&About..."), [this] { About1Click(); });
}

void TMainForm::BuildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Connect(AddItem(PopupMenu1, "Select2", "&Select", 0), [this] { Select2Click(false); });
    Connect(AddItem(PopupMenu1, "Deselect2", "De&select", 1), [this] { Select2Click(true); });
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "InstallFont2", "&Install Font(s)");
    AddItem(PopupMenu1, "UninstallFont2", "&Uninstall Font(s)", 1);
    AddItem(PopupMenu1, "DeleteFont2", "&Delete Font(s)", 0);
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "CopyToFolder2", "Copy To Folder...", 0);
    AddItem(PopupMenu1, "MoveToFolder2", "Move To Folder...", 1);
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "AddtoFavorites2", "&Add to Favorites");
    PopupMenu1->addSeparator();
    Connect(AddItem(PopupMenu1, "Edit2", "&Edit"), [this] { Edit2Click(); });
    AddItem(PopupMenu1, "Charmap2", "&Charmap");
    PopupMenu1->addSeparator();
    QAction* byName = AddItem(PopupMenu1, "ArrangebyFontName2", "Arrange by FontName", stName);
    QAction* byPath = AddItem(PopupMenu1, "ArrangebyPath2", "Arrange by Path", stPath);
    ExclusiveGroup(PopupMenu1, {byName, byPath});
    Connect(byName, [this] { SortCommand(stName); });
    Connect(byPath, [this] { SortCommand(stPath); });
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "Properties2", "P&roperties");
}

void TMainForm::BuildSmallMenus() {
    FoldersContext = new QMenu(this);
    FoldersContext->setObjectName("FoldersContext");
    RemoveFolder1 = AddItem(FoldersContext, "RemoveFolder1", "&Remove Folder");
    Connect(RemoveFolder1, [this] { RemoveFolderCommand(folderMenuSlot_); });
    SampleTextContext = new QMenu(this);
    SampleTextContext->setObjectName("SampleTextContext");
    AddItem(SampleTextContext, "SetSampleText2", "Set Sample Text");
}

void TMainForm::ApplyMenuRules(QMenu* menu) {
    const auto rule = menuRules_.find(menu);
    if (rule != menuRules_.end()) {
        rule->second();
    }
}

void TMainForm::N1Click() {
    const TFontList& list = FontView->Items();
    const bool filled = list.GetCount() > 0;
    const TFontListMode m = list.Mode();
    Item("InstallFont1")->setEnabled(filled && m == flmFolders);
    Item("UninstallFont1")->setVisible(m == flmInstalled);
    Item("UninstallFont1")->setEnabled(filled && m == flmInstalled);
    Item("DeleteFont1")->setVisible(fontList_->Mode() == flmFolders);
    Item("DeleteFont1")->setEnabled(filled && fontList_->Mode() == flmFolders);
    Item("Charmap1")->setEnabled(filled);
    Item("Properties1")->setEnabled(filled);
}

void TMainForm::Edit1Click() {
    const TFontList& list = FontView->Items();
    const bool enabled = list.GetCount() > 0 && list.Mode() == flmFolders;
    Item("CopyToFolder1")->setEnabled(enabled);
    Item("MoveToFolder1")->setEnabled(enabled);
}

void TMainForm::View1Click() {
    switch (fontList_->Mode()) {
        case flmInstalled:
            Item("InstalledFonts1")->setChecked(true);
            break;
        case flmScreen:
            Item("ScreenFonts1")->setChecked(true);
            break;
        default:
            Item("FontsinFolder1")->setChecked(true);
            break;
    }
    const TFontStyles style = FontView->FontStyle();
    Item("Bold1")->setChecked((style & fsBold) != 0);
    Item("Italic1")->setChecked((style & fsItalic) != 0);
    Item("Underline1")->setChecked((style & fsUnderline) != 0);
    const bool whole = fontList_->GetCount() == FontView->Items().GetCount();
    Item(whole ? "All1" : "Selected1")->setChecked(true);
    Item("Antialiasing1")->setChecked(FontView->AntiAlias());
    Item(fontList_->SortType() == stPath ? "ArrangebyPath1" : "ArrangebyFontName1")
        ->setChecked(true);
}

void TMainForm::Favorites1Click() {
    Item("AddtoFavorites1")->setEnabled(FontView->Items().Mode() == flmInstalled);
}

void TMainForm::Tools1Click() {
    Item("RenameFontFiles1")->setEnabled(FontView->Items().Mode() == flmFolders);
    Item("ExplorerUninstalledFolder1")->setEnabled(!backupFolder_.empty());
}

void TMainForm::PopupMenu1Popup() {
    TFontList& list = FontView->Items();
    const bool filled = list.GetCount() > 0;
    const TFontListMode m = list.Mode();
    const QList<QAction*> items = PopupMenu1->actions();
    if (filled) {
        for (QAction* item : items) {
            item->setEnabled(true);
        }
    }
    Item("InstallFont2")->setVisible(m == flmFolders);
    Item("UninstallFont2")->setVisible(m == flmInstalled);
    Item("DeleteFont2")->setVisible(m == flmFolders);
    Item("AddtoFavorites2")->setEnabled(m == flmInstalled);
    const int current = FontView->ItemIndex();
    const bool marked = filled && current >= 0 && list.GetItems(current).Selected();
    Item("Deselect2")->setVisible(marked);
    Item("Select2")->setVisible(!marked);
    Item("CopyToFolder2")->setVisible(filled && m == flmFolders);
    Item("MoveToFolder2")->setVisible(filled && m == flmFolders);
    if (!filled) {
        for (QAction* item : items) {
            item->setEnabled(false);
        }
    }
    Item(list.SortType() == stName ? "ArrangebyFontName2" : "ArrangebyPath2")->setChecked(true);
}

bool TMainForm::RunShortcut(QKeyEvent* event) {
    const QKeyCombination pressed =
        Normalized(static_cast<Qt::Key>(event->key()), event->modifiers());
    for (const Shortcut& shortcut : shortcuts_) {
        if (shortcut.keys != pressed) {
            continue;
        }
        ApplyMenuRules(shortcut.menu);
        if (!shortcut.action->isEnabled()) {
            return false;
        }
        shortcut.action->trigger();
        return true;
    }
    return false;
}
