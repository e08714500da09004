#include "mainwindow/options.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>

#include "controls/xpbutton.h"
#include "controls/xpedit.h"
#include "controls/xpgroupbox.h"
#include "controls/xpradiobutton.h"
#include "platform/colorref.h"

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

}  // namespace

TfOptions::TfOptions(QWidget* parent) : QDialog(parent) {
    setObjectName("fOptions");
    setWindowTitle("Options");
    setFixedSize(421, 377);
    BuildStartMode();
    BuildUninstall();
    BuildFilename();
    // OK is the default button but stores nothing and leaves the window open: the window is
    // not connected to the settings yet.
    bOK = new TXPButton("OK", this);
    bOK->setObjectName("bOK");
    bOK->setGeometry(256, 344, 75, 25);
    bOK->setDefault(true);
    bCancel = new TXPButton("Cancel", this);
    bCancel->setObjectName("bCancel");
    bCancel->setGeometry(338, 344, 75, 25);
    bCancel->setAutoDefault(false);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
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
    ePath->setGeometry(72, 70, 320, 21);
    pathLabel->setBuddy(ePath);
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
