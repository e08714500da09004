#include "mainwindow/actiontable.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>
#include <cstring>
#include <utility>

namespace {

// Enter on the main keyboard and on the keypad are one key to the shortcuts.
QKeyCombination Normalized(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Enter) {
        key = Qt::Key_Return;
    }
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return QKeyCombination(modifiers, key);
}

QKeyCombination KeysOf(const char* text) {
    if (text == nullptr) {
        return QKeyCombination();
    }
    const QKeyCombination keys =
        QKeySequence(QString::fromLatin1(text), QKeySequence::PortableText)[0];
    return Normalized(keys.key(), keys.keyboardModifiers());
}

void Apply(QAction& item, const TActionState& state) {
    if (state.visible) {
        item.setVisible(*state.visible);
    }
    if (state.enabled) {
        item.setEnabled(*state.enabled);
    }
    if (state.checked) {
        item.setChecked(*state.checked);
    }
    if (state.tag) {
        item.setProperty("tag", *state.tag);
    }
    if (state.toolTip != nullptr) {
        item.setToolTip(QString::fromUtf8(state.toolTip));
    }
}

}  // namespace

TAction Separator(TActionPlace place, const char* name, std::uint8_t flags) {
    return TAction(place, name, nullptr).Flags(static_cast<std::uint8_t>(flags | afSeparator));
}

TActionTable::TActionTable(std::vector<TAction> actions, std::function<TCommandState()> state)
    : actions_(std::move(actions)), items_(actions_.size()), state_(std::move(state)) {
    keys_.reserve(actions_.size());
    for (const TAction& action : actions_) {
        keys_.push_back(KeysOf(action.keys));
    }
}

void TActionTable::Fill(QMenu& menu, TActionPlace place) {
    for (std::size_t row = 0; row < actions_.size(); ++row) {
        if (actions_[row].place == place) {
            Add(menu, row);
        }
    }
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this, place] { ApplyRules(place); });
}

void TActionTable::Fill(QToolBar& bar, TActionPlace place) {
    for (std::size_t row = 0; row < actions_.size(); ++row) {
        if (actions_[row].place == place) {
            Add(bar, row);
        }
    }
}

void TActionTable::Add(QWidget& owner, std::size_t row) {
    const TAction& action = actions_[row];
    auto* item = new QAction(&owner);
    item->setSeparator((action.flags & afSeparator) != 0);
    if (action.name != nullptr) {
        item->setObjectName(action.name);
    }
    if (action.caption != nullptr) {
        // The shortcut is shown after a tab, as a menu shows right-hand text; the key preview
        // runs it (RunShortcut), so that the rules decide first.
        const QString caption = QString::fromUtf8(action.caption);
        item->setText(action.keys != nullptr ? caption + "\t" + action.keys : caption);
    }
    if (action.icon != nullptr) {
        item->setIcon(QIcon(QString(":/images/") + action.icon + ".png"));
    }
    item->setProperty("tag", action.tag);
    item->setCheckable((action.flags & afCheckable) != 0 || action.group != 0);
    if ((action.flags & afHidden) != 0) {
        item->setVisible(false);
    }
    if (action.group != 0) {
        // The group of the row before with this group, in this place; else a new one.
        QActionGroup* group = nullptr;
        for (std::size_t before = 0; before < row && group == nullptr; ++before) {
            if (actions_[before].place == action.place && actions_[before].group == action.group) {
                group = items_[before]->actionGroup();
            }
        }
        if (group == nullptr) {
            group = new QActionGroup(&owner);
            group->setExclusive(true);
        }
        group->addAction(item);
    }
    if (action.run) {
        const auto signal =
            (action.flags & afToggle) != 0 ? &QAction::toggled : &QAction::triggered;
        QObject::connect(item, signal, item, [run = action.run, item] { run(*item); });
    }
    owner.addAction(item);
    items_[row] = item;
}

void TActionTable::ApplyRules(TActionPlace place) {
    const TCommandState state = state_();
    for (std::size_t row = 0; row < actions_.size(); ++row) {
        if (actions_[row].place == place && actions_[row].rule != nullptr &&
            items_[row] != nullptr) {
            Apply(*items_[row], actions_[row].rule(state));
        }
    }
}

bool TActionTable::RunShortcut(const QKeyEvent& key) {
    const QKeyCombination pressed = Normalized(static_cast<Qt::Key>(key.key()), key.modifiers());
    for (std::size_t row = 0; row < actions_.size(); ++row) {
        if (keys_[row] != pressed || actions_[row].keys == nullptr || items_[row] == nullptr) {
            continue;
        }
        ApplyRules(actions_[row].place);
        if (!items_[row]->isEnabled()) {
            return false;
        }
        items_[row]->trigger();
        return true;
    }
    return false;
}

QAction* TActionTable::Find(const char* name) const {
    for (std::size_t row = 0; row < actions_.size(); ++row) {
        if (actions_[row].name != nullptr && std::strcmp(actions_[row].name, name) == 0) {
            return items_[row];
        }
    }
    return nullptr;
}
