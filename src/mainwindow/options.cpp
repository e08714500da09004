#include "mainwindow/options.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>

#include "controls/xpbutton.h"
#include "controls/xpcheckbox.h"
#include "controls/xpedit.h"
#include "controls/xpgroupbox.h"
#include "controls/xpradiobutton.h"
#include "platform/colorref.h"

#include "catalogue/viewersettings.h"
#include "platform/dialogs.h"

namespace {

// Group captions in the colour 12135447 (0x00BBGGRR).
constexpr std::uint32_t kGroupCaptionColor = 12135447;

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption, const QRect& bounds) {
    auto* group = new TXPGroupBox(caption, parent);
    group->setObjectName(name);
    group->SetCaptionColor(ColorFromRef(kGroupCaptionColor));
    group->setGeometry(bounds);
    return group;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* caption,
                        const QRect& bounds) {
    auto* radio = new TXPRadioButton(caption, parent);
    radio->setObjectName(name);
    radio->setGeometry(bounds);
    return radio;
}

// A check box with a line under it that says what it is for.
QCheckBox* MakeCheck(QWidget* parent, const char* name, const char* caption, const char* note,
                     int top) {
    auto* check = new TXPCheckBox(caption, parent);
    check->setObjectName(name);
    check->setGeometry(12, top, 385, 20);
    auto* label = new QLabel(note, parent);
    label->setGeometry(30, top + 20, 367, 32);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setForegroundRole(QPalette::PlaceholderText);
    label->setBuddy(check);
    return check;
}

}  // namespace

TfOptions::TfOptions(platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName("fOptions");
    setWindowTitle("Options");
    // The window of the start mode, uninstall and file name choices, made taller for the
    // choices of the fonts the lists take and draw.
    setFixedSize(421, 517);
    BuildStartMode();
    BuildUninstall();
    BuildFilename();
    BuildFonts();
    BuildButtons();
    FollowChoices();
}

void TfOptions::BuildStartMode() {
    gbStartMode = MakeGroup(this, "gbStartMode", "Start Mode", QRect(8, 8, 405, 140));
    rbLastMode = MakeRadio(gbStartMode, "rbLastMode", "Start with a mode used last time",
                           QRect(12, 20, 380, 20));
    rbFixedMode = MakeRadio(gbStartMode, "rbFixedMode", "Always start with one of following modes",
                            QRect(12, 42, 380, 20));
    rbLastMode->setChecked(true);
    gbMode = MakeGroup(gbStartMode, "gbMode", "Mode", QRect(28, 66, 365, 62));
    rbScreen = MakeRadio(gbMode, "rbScreen", "Screen Fonts", QRect(12, 26, 110, 20));
    rbInstalled = MakeRadio(gbMode, "rbInstalled", "Installed Fonts", QRect(126, 26, 115, 20));
    rbFolder = MakeRadio(gbMode, "rbFolder", "Fonts in Folder", QRect(245, 26, 115, 20));
    rbScreen->setChecked(true);
    connect(rbFixedMode, &QRadioButton::toggled, this, &TfOptions::FollowChoices);
}

void TfOptions::BuildUninstall() {
    gbUninstall = MakeGroup(this, "gbUninstall", "Uninstall", QRect(8, 154, 405, 106));
    rbDelete = MakeRadio(gbUninstall, "rbDelete", "Delete font file when uninstall font(s)",
                         QRect(12, 20, 380, 20));
    rbBackup = MakeRadio(gbUninstall, "rbBackup",
                         "Backup font file into following folder when uninstall font(s)",
                         QRect(12, 42, 380, 20));
    rbBackup->setChecked(true);
    auto* pathLabel = new QLabel("Path:", gbUninstall);
    pathLabel->setGeometry(30, 70, 40, 21);
    ePath = new TXPEdit(gbUninstall);
    ePath->setObjectName("ePath");
    ePath->setGeometry(72, 70, 290, 21);
    pathLabel->setBuddy(ePath);
    bBrowse = new TXPButton("...", gbUninstall);
    bBrowse->setObjectName("bBrowse");
    bBrowse->setToolTip("Choose the backup folder");
    bBrowse->setGeometry(366, 69, 27, 23);
    bBrowse->setAutoDefault(false);
    connect(bBrowse, &QPushButton::clicked, this, &TfOptions::bBrowseClick);
    connect(rbBackup, &QRadioButton::toggled, this, &TfOptions::FollowChoices);
}

void TfOptions::BuildFilename() {
    gbFilename = MakeGroup(this, "gbFilename", "Filename", QRect(8, 266, 405, 70));
    rbFileName = MakeRadio(gbFilename, "rbFileName", "Show only file name (ex: arial.ttf)",
                           QRect(12, 20, 380, 20));
    rbFullPath = MakeRadio(gbFilename, "rbFullPath",
                           "Show full path name (ex: c:\\windows\\fonts\\arial.ttf)",
                           QRect(12, 42, 380, 20));
    rbFullPath->setChecked(true);
}

void TfOptions::BuildFonts() {
    gbFonts = MakeGroup(this, "gbFonts", "Fonts", QRect(8, 342, 405, 134));
    cbOpenType = MakeCheck(gbFonts, "cbOpenType",
                           "Show OpenType fonts (.otf, .otc) and collections in folders",
                           "Most fonts people download today are OpenType: without this "
                           "choice the lists leave them out.",
                           20);
    cbOwnSample =
        MakeCheck(gbFonts, "cbOwnSample", "Let a font without the sample's letters show its own",
                  "A Korean, Chinese, Japanese, Thai or symbol font then shows "
                  "letters it has instead of empty boxes.",
                  76);
}

void TfOptions::BuildButtons() {
    bOK = new TXPButton("OK", this);
    bOK->setObjectName("bOK");
    bOK->setGeometry(256, 484, 75, 25);
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
    bCancel = new TXPButton("Cancel", this);
    bCancel->setObjectName("bCancel");
    bCancel->setGeometry(338, 484, 75, 25);
    bCancel->setAutoDefault(false);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfOptions::FollowChoices() {
    gbMode->setEnabled(rbFixedMode->isChecked());
    ePath->setEnabled(rbBackup->isChecked());
    bBrowse->setEnabled(rbBackup->isChecked());
}

void TfOptions::bBrowseClick() {
    const std::string folder =
        dialogs_.BrowseForFolder("Backup folder", ePath->text().toStdString(), this);
    if (!folder.empty()) {
        ePath->setText(QString::fromStdString(folder));
    }
}

void TfOptions::ShowSettings(const TViewerSettings& settings) {
    (settings.fixedStartMode ? rbFixedMode : rbLastMode)->setChecked(true);
    QRadioButton* const modes[] = {rbScreen, rbInstalled, rbFolder};
    // A mode other than the three (hand-edited) shows as none of them.
    for (int mode = 0; mode < 3; ++mode) {
        modes[mode]->setAutoExclusive(false);
        modes[mode]->setChecked(settings.viewMode == mode);
        modes[mode]->setAutoExclusive(true);
    }
    (settings.backupOnUninstall ? rbBackup : rbDelete)->setChecked(true);
    ePath->setText(QString::fromStdString(settings.backupPath));
    (settings.showFullPath ? rbFullPath : rbFileName)->setChecked(true);
    cbOpenType->setChecked(settings.openType);
    cbOwnSample->setChecked(settings.ownSample);
    FollowChoices();
}

void TfOptions::StoreSettings(TViewerSettings& settings) const {
    settings.fixedStartMode = rbFixedMode->isChecked();
    if (rbScreen->isChecked()) {
        settings.viewMode = flmScreen;
    } else if (rbInstalled->isChecked()) {
        settings.viewMode = flmInstalled;
    } else if (rbFolder->isChecked()) {
        settings.viewMode = flmFolders;
    }
    settings.backupOnUninstall = rbBackup->isChecked();
    settings.backupPath = ePath->text().trimmed().toStdString();
    settings.showFullPath = rbFullPath->isChecked();
    settings.openType = cbOpenType->isChecked();
    settings.ownSample = cbOwnSample->isChecked();
}
