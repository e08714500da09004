#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Options window. It is not connected to the settings (its menu item stays hidden):
// OK neither stores nor closes; Cancel, Esc and the frame close it.
class TfOptions : public QDialog {
    Q_OBJECT

public:
    explicit TfOptions(QWidget* parent = nullptr);

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
    QGroupBox* gbFilename = nullptr;
    QRadioButton* rbFileName = nullptr;
    QRadioButton* rbFullPath = nullptr;
    QPushButton* bOK = nullptr;
    QPushButton* bCancel = nullptr;

private:
    void BuildStartMode();
    void BuildUninstall();
    void BuildFilename();
};
