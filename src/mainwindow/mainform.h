#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/fontlist.h"
#include "mainwindow/actiontable.h"
#include "platform/services.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QMouseEvent;
class QSplitter;
class QToolBar;
class QToolButton;
class QWheelEvent;
class TBtnStatusBar;
class TXFontListView;
class TXImageLabel;
class TXLabel;
class TfScan;
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

    // Components, named as their objectName.
    QWidget* XPanel1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QToolBar* ToolBar4 = nullptr;
    TXLabel* lbCredit = nullptr;

    QWidget* pnSample = nullptr;
    QLabel* lbText = nullptr;
    QComboBox* cbString = nullptr;
    QWidget* pnStyle = nullptr;
    QFrame* sForeColor = nullptr;
    QFrame* sBackColor = nullptr;
    QFrame* sFontNameColor = nullptr;
    QToolButton* sbBold = nullptr;
    QToolButton* sbItalic = nullptr;
    QToolButton* sbUnderline = nullptr;
    QComboBox* cbFontSize = nullptr;

    QSplitter* Splitter1 = nullptr;
    QWidget* pnFavorites = nullptr;
    QWidget* TabBar = nullptr;
    QToolButton* tbScreen = nullptr;
    QToolButton* tbInstalled = nullptr;
    QToolButton* tbFolders = nullptr;
    QToolButton* tbSelected = nullptr;
    QToolButton* tbFavGroup = nullptr;
    QWidget* pnFolders = nullptr;
    QToolButton* sbAddFolder = nullptr;
    TXImageLabel* ilFolder[kFolderSlots] = {};
    QLabel* lbFolderHint = nullptr;
    TXFontListView* FontView = nullptr;
    TBtnStatusBar* StatusBar1 = nullptr;

    QMenu* PopupMenu1 = nullptr;
    QMenu* FoldersContext = nullptr;
    QMenu* SampleTextContext = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Begins dragging the marked fonts towards the favorites pane.
    virtual void StartFontDrag();

private:
    // Layout (mainform_layout.cpp).
    void BuildLayout();
    QWidget* BuildTopStrip();
    QToolBar* NewToolBar(const char* name);
    QWidget* BuildSampleBar();
    QWidget* BuildStyleButtons(QWidget* parent);
    QWidget* BuildCentre();
    QWidget* BuildTabBar();
    QWidget* BuildFolderBar();
    void ShowFavoritesPane(bool shown);
    void BuildFontView();
    void LoadBitmaps();

    // The action table: menus, toolbars, shortcuts (mainactions.cpp).
    std::vector<TAction> Actions();
    TCommandState CommandState();
    void BuildMenus();
    QMenu* NewPopup(const char* name, TActionPlace place);
    void Select1Click();
    void SelectAllCommand();
    void InvertSelectionCommand();
    void FoldersCommand();

    // Commands of the menus (mainform_commands.cpp).
    void ShowMasterList();
    void SetStatusItem(int index, const QString& text);
    void TabClick(int tag);
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
    void Select2Click(bool deselect);
    void Antialiasing1Click();
    void Bold1Click(int tag);
    void sbBoldClick(QToolButton* button);
    void SetColorBoxFill(QFrame* box, std::uint32_t color);
    void sForeColorMouseUp(QFrame* box);
    void cbFontSizeChange(const QString& text);
    void FontViewChangeFontSize();
    bool HandleWidgetEvent(QObject* watched, QEvent* event);
    void PaintTab(QToolButton* tab);
    void PaintTabBaseline();

    // Keyboard and mouse (mainform_keys.cpp).
    void FontViewKeyDown(QKeyEvent* event);
    bool FormShortCut(QKeyEvent* event);
    void FormKeyDown(QKeyEvent* event);
    void FontViewMouseDown(QMouseEvent* event);
    void FontViewMouseMove(QMouseEvent* event);
    void FontViewMouseWheel(QWheelEvent* event);
    void FontViewDblClick();
    bool HandleViewEvent(QEvent* event);
    void FindFrom(int start);

    // Settings (mainform_settings.cpp).
    void FormShow();
    void LoadSettings();
    void LoadWindowBounds(const std::string& value);
    void LoadFavPaneWidth(int stored);
    void LoadFontSettings(const TViewerSettings& settings);
    void LoadHistory(const std::vector<std::string>& history);
    void SaveSettings();
    std::string SettingsFile() const;

    // The options of the Options window (mainform_options.cpp): applied at start-up and when
    // the window stores them; a change of the file types reloads a loaded list.
    void ApplyOptions(const TViewerSettings& settings);
    std::string DefaultBackupFolder() const;

    const platform::Services& services_;
    std::unique_ptr<TFontList> fontList_;
    TfScan* scan_ = nullptr;
    QPixmap fontBitmap_;
    QPixmap folderBitmap_;
    QPixmap tabBitmap_;
    QPixmap tabSelectedBitmap_;
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
    // Expanded favorites groups as read at start-up, written back unchanged until the
    // favorites pane exists to say which groups are expanded.
    std::vector<std::pair<std::string, std::string>> expandedFavorites_;
    bool shown_ = false;
    int favPaneWidth_ = 160;
    // The key press being previewed, so its trip through the parent widgets is seen once.
    const QEvent* previewedKey_ = nullptr;
    QObject* previewedReceiver_ = nullptr;
    int folderMenuSlot_ = -1;
    QButtonGroup* tabGroup_ = nullptr;
    std::unique_ptr<TActionTable> actions_;
};
