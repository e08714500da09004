#pragma once

#include <QMainWindow>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/fontlist.h"
#include "mainwindow/actiontable.h"
#include "mainwindow/modebar.h"
#include "platform/printer.h"
#include "platform/services.h"

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QSplitter;
class QToolBar;
class QWheelEvent;
class TMainStatusBar;
class TSampleBar;
class TFavoritesPane;
class TFontFavorites;
class TXFontListView;
class TXLabel;
class TfCopying;
class TfDeleting;
class TfScan;
class TFontInfo;
struct TFontCommandContext;
struct TOpenRequest;
struct TViewerSettings;

// What the font list view shows.
enum TViewKind : std::uint8_t { vkAll = 0, vkFavorites = 1, vkSelected = 2 };

// The main window: the master font list, the preview list showing all of it or a part,
// the sample-text bar, the mode tabs and folder slots, menus with their opening rules and
// shortcuts, and the settings kept in "glyphwell.ini" between runs.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(const platform::Services& services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The load notifications of the master list drive this window (null: loads run silently).
    void SetScanWindow(TfScan* scan) { scan_ = scan; }
    // The progress windows of the font commands, made after this window (null: the commands
    // run without them).
    void SetFileWindows(TfCopying* copying, TfDeleting* deleting);

    TFontList& FontList() { return *fontList_; }
    TViewKind ViewKind() const { return viewKind_; }
    const std::string& FindText() const { return findText_; }
    const std::string& LastFolder() const { return lastFolder_; }
    bool BackupOnUninstall() const { return backupOnUninstall_; }
    const std::string& BackupFolder() const { return backupFolder_; }
    const std::string& FavoritesFile() const { return favoritesFile_; }
    // Full names of the marked fonts of the view's list, each with its index there.
    const std::vector<std::pair<std::string, int>>& SelectedFonts() const { return selectedFonts_; }
    QPoint DragStart() const { return dragStart_; }

    // Commands that other parts of the program (and the keyboard) run.
    void ModeCommand(TFontListMode mode);
    void AllFontsCommand();
    void SelectedFontsCommand();
    void RefreshCommand();
    void SortCommand(TSortType sortType);
    void AddFolderCommand();
    void RemoveFolderCommand(int slot);
    void FindCommand();
    void FindNextCommand();
    void NextSelectedCommand();
    void UpdateCaption();
    void RefreshFolderLabels();
    void FontViewChange();
    void FontViewChangeSelected();

    // Files and folders from the file manager: its command line and what it drops on the
    // window (mainform_drops.cpp). OpenPaths shows them in the folder mode, each folder (a
    // file's own folder) in a free slot, the first file focused.
    void OpenPaths(const std::vector<std::string>& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ShowRequest(const TOpenRequest& request);
    bool ShowsFolder(const std::string& folder) const;
    void FocusFile(const std::string& path);
    void InstallDroppedFonts(const TOpenRequest& request);
    void RunInstall(TFontList& chosen);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Begins dragging the marked fonts towards the favorites pane.
    virtual void StartFontDrag();

    // ---- Font details and output (mainform_details.cpp, mainform_output.cpp)
    // The printer the print command prints on: the desktop's, made when first printed on
    // (asking for the printers takes a moment).
    virtual platform::Printer& MainPrinter();

private:
    void PropertiesCommand();
    void CharmapCommand();
    void PrintCommand();
    void ExportCommand();
    void SetSampleTextCommand();
    // The record of the list's focused row; null when no row is focused.
    const TFontInfo* FocusedFont() const;

    std::unique_ptr<platform::Printer> printer_;
    // ---- end of font details and output

private:
    // Layout: the top strip, the parts, the list and the panes (mainform_layout.cpp).
    void BuildLayout();
    QWidget* BuildTopStrip();
    QToolBar* NewToolBar(const char* name);
    QWidget* BuildCentre();
    void ShowFavoritesPane(bool shown);
    void BuildFontView();

    // The action table: menus, toolbars, shortcuts (mainactions.cpp).
    std::vector<TAction> Actions();
    TCommandState CommandState();
    void BuildMenus();
    QMenu* NewPopup(const char* name, TActionPlace place);
    void Select1Click();
    void SelectAllCommand();
    void InvertSelectionCommand();
    void FoldersCommand();

    // View modes, folder slots, caption, tabs and status texts (mainform_commands.cpp).
    void ShowMasterList();
    void TabClick(TModeTab tab);

    // Help, explorer and the small windows (mainform_tools.cpp).
    void Contents1Click();
    void Shortcut1Click();
    void Homepage1Click();
    void About1Click();
    void OpenExplorer1Click();
    void ExplorerUninstalledFolder1Click();
    void Seeerrorlogfile1Click();
    void CharacterMap1Click();
    void Edit2Click();
    void Options1Click();

    // The sample's look from the menus (mainform_sample.cpp).
    void Antialiasing1Click();
    void Bold1Click(int tag);
    void FontViewChangeFontSize();

    // Keyboard, mouse, find and marking (mainform_keys.cpp).
    void FontViewKeyDown(QKeyEvent* event);
    bool FormShortCut(QKeyEvent* event);
    void FormKeyDown(QKeyEvent* event);
    void FontViewMouseDown(QMouseEvent* event);
    void FontViewMouseMove(QMouseEvent* event);
    void FontViewMouseWheel(QWheelEvent* event);
    void FontViewDblClick();
    bool HandleViewEvent(QEvent* event);
    void FindFrom(int start);
    void Select2Click(bool deselect);

    // Settings (mainform_settings.cpp).
    void FormShow();
    void LoadSettings();
    void LoadWindowBounds(const std::string& value);
    void LoadFavPaneWidth(int stored);
    void LoadFontSettings(const TViewerSettings& settings);
    void SaveSettings();
    std::string SettingsFile() const;

    // Components, named as their objectName; the parts own theirs.
    QWidget* XPanel1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QToolBar* ToolBar4 = nullptr;
    TXLabel* lbCredit = nullptr;
    TSampleBar* pnSample = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* pnFavorites = nullptr;
    TModeBar* pnModes = nullptr;
    TXFontListView* FontView = nullptr;
    TMainStatusBar* StatusBar1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* FoldersContext = nullptr;
    QMenu* SampleTextContext = nullptr;

    // Font commands: install, uninstall, delete, copy or move to a folder, rename
    // (mainform_fontcommands.cpp).
    void InstallFont1Click();
    void UninstallFont1Click(int tag);
    void CopyToFolderClick(int tag);
    void RenameFontFile1Click();
    void RunFontCommand(const std::function<void(const TFontCommandContext&)>& command);
    TfCopying* copying_ = nullptr;
    TfDeleting* deleting_ = nullptr;

    // The options of the Options window (mainform_options.cpp): applied at start-up and when
    // the window stores them; a change of the file types reloads a loaded list.
    void ApplyOptions(const TViewerSettings& settings);
    std::string DefaultBackupFolder() const;

    const platform::Services& services_;
    std::unique_ptr<TFontList> fontList_;
    TfScan* scan_ = nullptr;
    QPoint dragStart_;
    bool dragRunning_ = false;
    TViewKind viewKind_ = vkAll;
    std::string favoritesGroup_;
    std::string lastFolder_;
    std::string lastCopyFolder_;
    std::vector<std::pair<std::string, int>> selectedFonts_;
    bool backupOnUninstall_ = true;
    std::string backupFolder_;
    std::string findText_;
    std::string favoritesFile_;
    bool shown_ = false;
    int favPaneWidth_ = 160;
    // The key press being previewed, so its trip through the parent widgets is seen once.
    const QEvent* previewedKey_ = nullptr;
    QObject* previewedReceiver_ = nullptr;
    std::unique_ptr<TActionTable> actions_;

    // Favorites (mainform_favorites.cpp): the store, the pane in the left panel, the groups
    // of the "Favorites" menu, the group shown, Ctrl+1 to Ctrl+9 and the drag to the pane.
    void BuildFavorites();
    void ShowFavorites(const std::string& group);
    void SetFavoritesTab(const std::string& group);
    void FavoritesKeyDown(QKeyEvent* event);
    void AddtoFavorites1Click();
    std::unique_ptr<TFontFavorites> favorites_;
    TFavoritesPane* favoritesPane_ = nullptr;
};
