// First showing, and the settings file "glyphwell.ini" read at start-up and written at close.
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <optional>

#include "platform/colorref.h"
#include "mainwindow/application.h"
#include "mainwindow/mainform.h"
#include "platform/inifile.h"
#include "preview/xfontlistview.h"

namespace {

constexpr const char* kDefaultBounds = "0,100,100,550,500";
constexpr int kDefaultFavPane = 160;
constexpr int kStyleBold = 2;
constexpr int kStyleItalic = 4;
constexpr int kStyleUnderline = 8;

// shade(c, k): each component loses the fraction k of itself.
QColor Shade(const QColor& color, double k) {
    auto part = [k](int value) { return static_cast<int>(value - value * k); };
    return QColor(part(color.red()), part(color.green()), part(color.blue()));
}

// "Main": maximized flag, left, top, width, height. Commas and blanks separate the items;
// an empty item between two commas counts (and fails as a number).
std::optional<std::array<int, 5>> ParseBounds(const std::string& value) {
    QStringList items;
    for (const QString& piece : QString::fromUtf8(value).split(',')) {
        const QStringList words =
            piece.trimmed().split(QRegularExpression("\\s+"), Qt::KeepEmptyParts);
        items.append(words);
    }
    if (items.size() < 5) {
        return std::nullopt;
    }
    std::array<int, 5> bounds{};
    for (int i = 0; i < 5; ++i) {
        bool isNumber = false;
        bounds[i] = items[i].toInt(&isNumber);
        if (!isNumber) {
            return std::nullopt;
        }
    }
    return bounds;
}

// Where the window's client area may lie: every screen's room together, without the
// desktop's panels and the window system's frame (as far as it is known yet).
QRect DesktopRoom(const QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desk = screen != nullptr ? screen->availableVirtualGeometry() : QRect();
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return desk.marginsRemoved({client.left() - frame.left(), client.top() - frame.top(),
                                frame.right() - client.right(), frame.bottom() - client.bottom()});
}

struct Span {
    int start;
    int length;
};

// One side of the window as stored, made to lie on the desktop: at least `minimum` long, no
// longer than the desktop unless the minimum is, and moved onto it. Stored values may sit at
// the ends of the int range, so the arithmetic is done in 64 bits.
Span FitOnDesktop(int start, int length, int minimum, int deskStart, int deskLength) {
    length = std::clamp(length, minimum, std::max(minimum, deskLength));
    const std::int64_t lastStart = std::int64_t{deskStart} + deskLength - length;
    const std::int64_t fitted =
        std::clamp<std::int64_t>(start, deskStart, std::max<std::int64_t>(deskStart, lastStart));
    return {static_cast<int>(fitted), length};
}

void SetFill(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

}  // namespace

std::string TMainForm::SettingsFile() const {
    return services_.programFolder + "glyphwell.ini";
}

void TMainForm::FormShow() {
    const QColor face = palette().color(QPalette::Button);
    SetFill(findChild<QWidget*>("SampleLine1"), Shade(face, 0.04));
    SetFill(findChild<QWidget*>("SampleLine2"), Shade(face, 0.12));
    // A first load that fails (a broken font set) must still leave a usable window: the
    // set-up below runs whatever the load does, and the error is shown after it.
    std::exception_ptr failure;
    try {
        LoadSettings();
    } catch (...) {
        failure = std::current_exception();
    }
    // The sample text itself is not stored: every run starts with the list's own text.
    cbString->setEditText(QString::fromUtf8(FontView->Text()));
    cbString->lineEdit()->setCursorPosition(0);
    cbFontSize->setEditText(QString::number(FontView->FontSize()));
    SetColorBoxFill(sForeColor, FontView->TextColor());
    SetColorBoxFill(sBackColor, FontView->Color());
    SetColorBoxFill(sFontNameColor, FontView->NameColor());
    viewKind_ = vkAll;
    FontView->Items().Assign(*fontList_);
    if (failure) {
        TApplication::ShowError(failure, this);
    }
}

void TMainForm::LoadWindowBounds(const std::string& value) {
    std::optional<std::array<int, 5>> bounds = ParseBounds(value);
    if (!bounds) {
        bounds = ParseBounds(kDefaultBounds);
    }
    const auto& [maximized, left, top, width, height] = *bounds;
    if (maximized == 1) {
        // The restore bounds stay those of the design.
        setGeometry(257, 167, 766, 582);
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        // Hand-edited bounds far off or far too big would give a window out of reach, one
        // whose right edge overflows, or one painted into a buffer of gigabytes: the window
        // goes where the desktop holds it whole, and closing writes those bounds back.
        const QRect room = DesktopRoom(*this);
        const Span x = FitOnDesktop(left, width, minimumWidth(), room.left(), room.width());
        const Span y = FitOnDesktop(top, height, minimumHeight(), room.top(), room.height());
        setGeometry(x.start, y.start, x.length, y.length);
    }
}

void TMainForm::LoadFavPaneWidth(int stored) {
    // The pane never takes the room of the tabs and the list on the desktop; the width used
    // is the one the close step writes back.
    const int centre = Splitter1->widget(1)->minimumSizeHint().width();
    const int room = DesktopRoom(*this).width() - Splitter1->handleWidth() - centre;
    const int minimum = pnFavorites->minimumWidth();
    favPaneWidth_ = std::clamp(stored, minimum, std::max(minimum, room));
}

void TMainForm::LoadSettings() {
    const platform::IniFile ini(SettingsFile());
    LoadWindowBounds(ini.ReadString("Window", "Main", kDefaultBounds));
    LoadFavPaneWidth(ini.ReadInteger("Window", "FavPane", kDefaultFavPane));
    // Checking the button shows the pane at that width.
    tbFavorites->setChecked(ini.ReadInteger("Option", "Left", 1) != 0);
    // Values outside the known ones are passed on; the list decides what they mean.
    fontList_->SetSortType(static_cast<TSortType>(
        static_cast<std::uint8_t>(ini.ReadInteger("Option", "Sort", stName))));
    backupOnUninstall_ = ini.ReadInteger("Option", "Backup", 1) != 0;
    backupFolder_ = ini.ReadString("Option", "BackupPath", "");
    if (backupFolder_.empty()) {
        backupFolder_ = services_.programFolder + "uninstalled";
    }
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        const QString path =
            QString::fromUtf8(ini.ReadString("Folders", "Folder" + std::to_string(slot + 1), ""));
        fontList_->SetFolders(slot, path.trimmed().toUtf8().toStdString());
    }
    RefreshFolderLabels();
    LoadFontSettings();
    LoadHistory();
    // The favorites pane comes later; its expanded groups are kept as they were read.
    expandedFavorites_ = ini.ReadSectionValues("ExpandedFav");
    fontList_->SetMode(static_cast<TFontListMode>(
        static_cast<std::uint8_t>(ini.ReadInteger("Option", "ViewMode", flmInstalled))));
}

void TMainForm::LoadFontSettings() {
    const platform::IniFile ini(SettingsFile());
    // Bold is 2, not 1: the value 1 means nothing.
    const int stored = ini.ReadInteger("Font", "Style", 0);
    TFontStyles style = 0;
    const struct {
        int flag;
        TFontStyles bit;
        QToolButton* button;
    } styles[] = {{kStyleBold, fsBold, sbBold},
                  {kStyleItalic, fsItalic, sbItalic},
                  {kStyleUnderline, fsUnderline, sbUnderline}};
    for (const auto& entry : styles) {
        const bool on = (stored & entry.flag) != 0;
        entry.button->setChecked(on);
        if (on) {
            style = static_cast<TFontStyles>(style | entry.bit);
        }
    }
    FontView->SetFontStyle(style);
    FontView->SetFontSize(ini.ReadInteger("Font", "Size", 16));
    FontView->SetAntiAlias(ini.ReadInteger("Font", "AntiAlias", 0) != 0);
    FontView->SetColor(static_cast<std::uint32_t>(ini.ReadInteger("Color", "Back", 16777215)));
    FontView->SetTextColor(static_cast<std::uint32_t>(ini.ReadInteger("Color", "Fore", 0)));
    FontView->SetNameColor(static_cast<std::uint32_t>(ini.ReadInteger("Color", "Name", 32768)));
}

void TMainForm::LoadHistory() {
    const platform::IniFile ini(SettingsFile());
    // Keys 1 to N, N the number of key lines: a gap gives an empty entry, keys above N
    // are not read.
    const auto count = static_cast<int>(ini.ReadSection("History").size());
    QStringList texts;
    for (int i = 1; i <= count; ++i) {
        texts.append(QString::fromUtf8(ini.ReadString("History", std::to_string(i), "")));
    }
    // Filling the list must not replace the sample text shown.
    const QSignalBlocker blocker(cbString);
    cbString->clear();
    cbString->addItems(texts);
    cbString->setCurrentIndex(-1);
}

void TMainForm::SaveSettings() {
    try {
        platform::IniFile ini(SettingsFile());
        const QRect bounds = geometry();
        const QString main = QString("%1,%2,%3,%4,%5")
                                 .arg(isMaximized() ? 1 : 0)
                                 .arg(bounds.left())
                                 .arg(bounds.top())
                                 .arg(bounds.width())
                                 .arg(bounds.height());
        ini.WriteString("Window", "Main", main.toStdString());
        const bool paneShown = !pnFavorites->isHidden();
        ini.WriteInteger("Window", "FavPane", favPaneWidth_);
        ini.WriteInteger("Option", "Left", paneShown ? 1 : 0);
        ini.WriteInteger("Option", "Sort", fontList_->SortType());
        ini.WriteInteger("Option", "ViewMode", fontList_->Mode());
        for (int slot = 0; slot < kFolderSlots; ++slot) {
            ini.WriteString("Folders", "Folder" + std::to_string(slot + 1),
                            fontList_->GetFolders(slot));
        }
        const TFontStyles style = FontView->FontStyle();
        ini.WriteInteger("Font", "Style",
                         ((style & fsBold) ? kStyleBold : 0) +
                             ((style & fsItalic) ? kStyleItalic : 0) +
                             ((style & fsUnderline) ? kStyleUnderline : 0));
        ini.WriteInteger("Font", "Size", FontView->FontSize());
        ini.WriteString("Font", "AntiAlias", FontView->AntiAlias() ? "1" : "0");
        ini.WriteInteger("Color", "Back", static_cast<int>(FontView->Color()));
        ini.WriteInteger("Color", "Fore", static_cast<int>(FontView->TextColor()));
        // Kept like the other two, so a name colour chosen in a run survives it.
        ini.WriteInteger("Color", "Name", static_cast<int>(FontView->NameColor()));
        SaveHistory();
    } catch (...) {
        // Saving settings never bothers the user; the keys written so far stay written.
    }
}

void TMainForm::SaveHistory() {
    platform::IniFile ini(SettingsFile());
    ini.EraseSection("History");
    for (int i = 0; i < cbString->count(); ++i) {
        ini.WriteString("History", std::to_string(i + 1),
                        cbString->itemText(i).toUtf8().toStdString());
    }
    ini.EraseSection("ExpandedFav");
    for (const auto& [row, group] : expandedFavorites_) {
        ini.WriteString("ExpandedFav", row, group);
    }
}
