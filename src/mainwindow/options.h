#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct TViewerSettings;

namespace platform {
class Dialogs;
}

// The Options window: the start mode, what uninstalling does with a font file and where its
// backups go, how rows name their file, and the fonts the lists take and how they draw. It
// shows the settings given to ShowSettings; OK closes it accepted (the caller stores what
// StoreSettings gives), Cancel and Esc close it rejected.
class TfOptions : public QDialog {
    Q_OBJECT

public:
    // dialogs gives the folder picker for the backup folder.
    explicit TfOptions(platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // Sets the choices from settings: the start mode (viewMode is the mode shown under it),
    // Backup and its path, FullPath, OpenType and OwnSample.
    void ShowSettings(const TViewerSettings& settings);
    // Puts the choices into the same keys of settings, leaving the others alone.
    void StoreSettings(TViewerSettings& settings) const;

    QGroupBox* gbStartMode = nullptr;
    QRadioButton* rbLastMode = nullptr;
    QRadioButton* rbFixedMode = nullptr;
    QGroupBox* gbMode = nullptr;
    QRadioButton* rbScreen = nullptr;
    QRadioButton* rbInstalled = nullptr;
    QRadioButton* rbFolder = nullptr;
    QGroupBox* gbUninstall = nullptr;
    QRadioButton* rbDelete = nullptr;
    QRadioButton* rbBackup = nullptr;
    QLineEdit* ePath = nullptr;
    QPushButton* bBrowse = nullptr;
    QGroupBox* gbFilename = nullptr;
    QRadioButton* rbFileName = nullptr;
    QRadioButton* rbFullPath = nullptr;
    QGroupBox* gbFonts = nullptr;
    QCheckBox* cbOpenType = nullptr;
    QCheckBox* cbOwnSample = nullptr;
    QPushButton* bOK = nullptr;
    QPushButton* bCancel = nullptr;

private:
    void BuildStartMode();
    void BuildUninstall();
    void BuildFilename();
    void BuildFonts();
    void BuildButtons();
    // The mode choices count only for a fixed start mode, the path only for backups.
    void FollowChoices();
    void bBrowseClick();

    platform::Dialogs& dialogs_;
};
