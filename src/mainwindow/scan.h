#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "catalogue/fontlist.h"

class QLabel;
class QPushButton;
class QWidget;
class TXPGauge;

// The window shown while the master font list loads: a file counter, the name of the font
// just read, a gauge and Cancel. The main window connects the list's OnLoadBegin,
// OnLoadProgress and OnLoadEnd to the three handlers below.
class TfScan : public QDialog {
    Q_OBJECT

public:
    TfScan(QWidget* mainWindow, std::function<void()> processEvents);
    ~TfScan() override;

    void FontListLoadBegin(TFontList& sender, TFontListMode mode, bool& abort,
                           const std::string& info);
    void FontListLoadProgress(TFontList& sender, TFontListMode mode, bool& abort,
                              const std::string& info);
    void FontListLoadEnd(TFontList& sender);

    int FileTotal() const { return fileTotal_; }
    int FileCount() const { return fileCount_; }
    bool Cancelled() const { return cancelled_; }

    QWidget* Panel1 = nullptr;
    QLabel* Count = nullptr;
    QLabel* FontName = nullptr;
    TXPGauge* Gauge = nullptr;
    QPushButton* bCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void BuildHeader();
    void FormShow();
    void BeginLoad(const TFontList& sender, TFontListMode mode, const std::string& info);
    void RestoreCursor();
    void bCancelClick();
    int LoadTotal(const TFontList& sender, TFontListMode mode, const std::string& info) const;

    QWidget* mainWindow_;
    std::function<void()> processEvents_;
    int fileTotal_ = 0;
    int fileCount_ = 0;
    bool cancelled_ = false;
    // The wait cursor is shown (once, however many beginnings came before the end).
    bool waiting_ = false;
};
