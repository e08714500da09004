#pragma once

#include <QKeyCombination>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "catalogue/fontlist.h"
#include "render/fontstyle.h"

class QAction;
class QKeyEvent;
class QMenu;
class QToolBar;
class QWidget;

// Where an action shows: a menu of the menu bar, a context menu or a toolbar.
enum class TActionPlace : std::uint8_t {
    FontMenu,
    EditMenu,
    ViewMenu,
    FavoritesMenu,
    ToolsMenu,
    HelpMenu,
    ListMenu,        // the font list's context menu
    FolderMenu,      // a folder slot's context menu
    SampleTextMenu,  // the sample text's context menu
    PrintBar,
    FavoritesBar,
    CommandBar,
};

// What the rules look at, taken each time they are applied.
struct TCommandState {
    int count = 0;                       // fonts in the list the view shows
    TFontListMode viewMode = flmNone;    // that list's mode
    TFontListMode masterMode = flmNone;  // the master list's mode
    bool whole = true;                   // the view shows the whole master list
    bool focusedMarked = false;          // the focused font is marked
    TSortType masterSort = stName;
    TSortType viewSort = stName;
    TFontStyles style = 0;
    bool antiAlias = false;
    bool hasBackupFolder = false;

    bool Filled() const { return count > 0; }
};

// What a rule sets on its item; what it leaves empty stays as it was.
struct TActionState {
    std::optional<bool> enabled;
    std::optional<bool> visible;
    std::optional<bool> checked;
    std::optional<int> tag;
    const char* toolTip = nullptr;
};

using TActionRule = TActionState (*)(const TCommandState& state);
// Runs a command; sender is the item chosen (its tag, its check).
using TActionHandler = std::function<void(const QAction& sender)>;

enum TActionFlag : std::uint8_t {
    afSeparator = 1,  // a line between items
    afHidden = 2,     // never shown
    afCheckable = 4,
    afToggle = 8,  // the handler runs whenever the check changes, not only when chosen
};

// One command of the main window as it shows in one place, written as
//   TAction(place, "Name1", "&Caption").Keys("Ctrl+X").Tag(1).Rule(...).Run(...)
struct TAction {
    TAction(TActionPlace place, const char* name, const char* caption)
        : place(place), name(name), caption(caption) {}

    TAction& Keys(const char* value) { return keys = value, *this; }
    TAction& Tag(int value) { return tag = value, *this; }
    TAction& Rule(TActionRule value) { return rule = value, *this; }
    TAction& Run(TActionHandler value) { return run = std::move(value), *this; }
    TAction& Flags(std::uint8_t value) { return flags = value, *this; }
    TAction& Group(int value) { return group = value, *this; }
    TAction& Icon(const char* value) { return icon = value, *this; }

    TActionPlace place;
    const char* name;            // the component name (objectName)
    const char* caption;         // menu text, or a toolbar button's text
    const char* keys = nullptr;  // shortcut: shown after a tab, run by the key preview
    int tag = 0;
    TActionRule rule = nullptr;  // applied when its menu opens (toolbars: with the caption)
    TActionHandler run;          // empty: the command does nothing yet
    std::uint8_t flags = 0;
    int group = 0;               // checkable items of a place with one group exclude each other
    const char* icon = nullptr;  // toolbar buttons
};

// A line between the items of place.
TAction Separator(TActionPlace place, const char* name = nullptr, std::uint8_t flags = 0);

// The main window's menus, toolbars and shortcuts, built from one list of actions: each item
// in its place in list order, its rule applied when its menu opens and before its shortcut
// runs, its handler run when it is chosen.
class TActionTable {
public:
    TActionTable(std::vector<TAction> actions, std::function<TCommandState()> state);
    TActionTable(const TActionTable&) = delete;
    TActionTable& operator=(const TActionTable&) = delete;

    // Adds the items of place to menu (opening it applies their rules) or to bar.
    void Fill(QMenu& menu, TActionPlace place);
    void Fill(QToolBar& bar, TActionPlace place);
    // Applies the rules of every item of place.
    void ApplyRules(TActionPlace place);
    // The item whose shortcut key is: its place's rules are applied first, and it runs only
    // when they leave it enabled. True when it ran.
    bool RunShortcut(const QKeyEvent& key);
    // The item named name; null when there is none.
    QAction* Find(const char* name) const;

private:
    void Add(QWidget& owner, std::size_t row);

    std::vector<TAction> actions_;
    std::vector<QAction*> items_;  // per row, once built
    std::vector<QKeyCombination> keys_;
    std::function<TCommandState()> state_;
};
