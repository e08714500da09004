#pragma once

#include <QDialog>

#include "platform/services.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TFontInfo;

// The "Properties" window of one font: a "General" page with the names read from the font's
// `name` table and the file's facts, and a "Metrics" page with the face's vertical and width
// metrics at a character height of 12 pixels.
class TfFontInfo : public QDialog {
    Q_OBJECT

public:
    // services.outlineMetrics gives the metrics, services.fontFiles the file of a screen
    // font's family; either may be null (the metrics then stay empty).
    explicit TfFontInfo(const platform::Services& services, QWidget* parent = nullptr);

    // Shows the window for record, centred over owner, and returns when it was closed. A
    // screen font (screenMode) has no file, so only its "Metrics" page is shown.
    static void Execute(const TFontInfo& record, bool screenMode,
                        const platform::Services& services, QWidget* owner);

    // Fills both pages from record and shows the first page that is visible.
    void ShowFont(const TFontInfo& record, bool screenMode);

    QTabWidget* pcInfo = nullptr;
    QWidget* tsGeneral = nullptr;
    QWidget* tsMetrics = nullptr;
    QLabel* FontTitle = nullptr;
    QLabel* FullName = nullptr;
    QLabel* FamilyName = nullptr;
    QLabel* Version = nullptr;
    QPlainTextEdit* Copyright = nullptr;
    QPlainTextEdit* Trademark = nullptr;
    QLabel* FileName = nullptr;
    QLabel* Folder = nullptr;
    QLabel* Size = nullptr;
    QLabel* imMetrics = nullptr;
    QLabel* lHeight = nullptr;
    QLabel* lAscent = nullptr;
    QLabel* lDescent = nullptr;
    QLabel* lLineGap = nullptr;
    QLabel* lExtLeading = nullptr;
    QLabel* lIntLeading = nullptr;
    QLabel* lAvgCharWidth = nullptr;
    QLabel* lMaxCharWidth = nullptr;
    QPushButton* bOK = nullptr;

private:
    void BuildGeneral();
    void BuildMetrics();
    void ShowMetrics(const TFontInfo& record);
    void ShowNames(const TFontInfo& record);
    void ShowFile(const TFontInfo& record);

    platform::Services services_;
};
