// First showing, and the settings file "glyphwell.ini" read at start-up and written at close.
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <optional>
#include <utility>

#include "catalogue/viewersettings.h"
#include "favorites/ui/favoritespane.h"
#include "mainwindow/application.h"
#include "mainwindow/mainform.h"
#include "mainwindow/samplebar.h"
#include "output/samplehistory.h"
#include "platform/inifile.h"
#include "preview/xfontlistview.h"

namespace {

constexpr const char* kDefaultBounds = "0,100,100,550,500";

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
    return services_.programFolder + kSettingsFileName;
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
    pnSample->ShowViewSettings();
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
    const TViewerSettings settings = ReadViewerSettings(SettingsFile());
    LoadWindowBounds(settings.mainBounds);
    LoadFavPaneWidth(settings.favPaneWidth);
    // Checking the button shows the pane at that width.
    actions_->Find("tbFavorites")->setChecked(settings.favoritesShown);
    // Values outside the known ones are passed on; the list decides what they mean.
    fontList_->SetSortType(settings.sortType);
    ApplyOptions(settings);
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        fontList_->SetFolders(slot, settings.folders[static_cast<std::size_t>(slot)]);
    }
    RefreshFolderLabels();
    LoadFontSettings(settings);
    pnSample->SetHistory(ReadSampleTexts(platform::IniFile(SettingsFile())));
    favoritesPane_->RefreshFavorites();
    favoritesPane_->LoadExpandedFav(settings.expandedFavorites);
    fontList_->SetMode(settings.viewMode);
}

void TMainForm::LoadFontSettings(const TViewerSettings& settings) {
    TFontStyles style = 0;
    for (const auto& [on, bit] :
         {std::pair{settings.bold, fsBold}, std::pair{settings.italic, fsItalic},
          std::pair{settings.underline, fsUnderline}}) {
        if (on) {
            style = static_cast<TFontStyles>(style | bit);
        }
    }
    FontView->SetFontStyle(style);
    pnSample->ShowStyle();
    FontView->SetFontSize(settings.fontSize);
    FontView->SetAntiAlias(settings.antiAlias);
    FontView->SetColor(settings.backColor);
    FontView->SetTextColor(settings.foreColor);
    FontView->SetNameColor(settings.nameColor);
}

void TMainForm::SaveSettings() {
    try {
        TViewerSettings settings;
        const QRect bounds = geometry();
        settings.mainBounds = QString("%1,%2,%3,%4,%5")
                                  .arg(isMaximized() ? 1 : 0)
                                  .arg(bounds.left())
                                  .arg(bounds.top())
                                  .arg(bounds.width())
                                  .arg(bounds.height())
                                  .toStdString();
        settings.favPaneWidth = favPaneWidth_;
        settings.favoritesShown = !pnFavorites->isHidden();
        settings.sortType = fontList_->SortType();
        settings.viewMode = fontList_->Mode();
        for (int slot = 0; slot < kFolderSlots; ++slot) {
            settings.folders[static_cast<std::size_t>(slot)] = fontList_->GetFolders(slot);
        }
        const TFontStyles style = FontView->FontStyle();
        settings.bold = (style & fsBold) != 0;
        settings.italic = (style & fsItalic) != 0;
        settings.underline = (style & fsUnderline) != 0;
        settings.fontSize = FontView->FontSize();
        settings.antiAlias = FontView->AntiAlias();
        settings.backColor = FontView->Color();
        settings.foreColor = FontView->TextColor();
        // Kept like the other two, so a name colour chosen in a run survives it.
        settings.nameColor = FontView->NameColor();
        settings.expandedFavorites = favoritesPane_->ExpandedFav();
        WriteViewerSettings(SettingsFile(), settings);
        platform::IniFile file(SettingsFile());
        WriteSampleTexts(file, pnSample->History());
    } catch (...) {
        // Saving settings never bothers the user; the keys written so far stay written.
    }
}
