#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "output/printinfo.h"
#include "output/ui/outputenv.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TColorSwatch;
class TFontList;
class TSampleFontCache;

namespace platform {
class Printer;
}

// "Print": the font sample sheet's title, colours, size, sample text, page range, filter and
// margins, with the number of pages the sheet will have. "Print" prints the sheet and closes;
// the margins and colours are kept in the settings file after a sheet was printed.
class TfPrint : public QDialog {
    Q_OBJECT

public:
    // What the sheet shows: the view's fonts in its order, its sample text, the size typed
    // into the main window's size box and whether the view shows whole paths.
    struct Source {
        const TFontList& fonts;
        std::string sampleText;
        std::string fontSizeText;
        bool showFullPath = false;
    };

    // The print command: runs the window centred over owner and prints on printer. True when
    // a sheet was printed.
    static bool PrintFonts(const Source& source, platform::Printer& printer, const TOutputEnv& env,
                           QWidget* owner);

    TfPrint(const Source& source, platform::Printer& printer, const TOutputEnv& env,
            QWidget* parent = nullptr);
    ~TfPrint() override;

private:
    void BuildPrinterLine();
    void BuildOptions();
    void BuildPageRange();
    void BuildMargins();
    void BuildBottom();
    void Connect();
    void LoadSettings();

    int ScreenDpi() const;
    std::string SampleText() const;
    int LineCount() const;
    // The sheet as the dialog's controls describe it, in dots of a device with dpiX x dpiY.
    TPrintInfo SheetInfo(int dpiX, int dpiY) const;
    void ShowPrinterName();
    void UpdatePageCount();
    void mTextChange();
    void ePagesChange();
    void SwatchClick(TColorSwatch* swatch);
    void bPrintSetupClick();
    void bPreviewClick();
    void bPrintClick();
    // Reads the range of "Pages"; false when it is not a valid one.
    bool ReadRange(int& fromPage, int& toPage) const;
    bool PrintSheet(int fromPage, int toPage);
    void WarnInvalidRange();
    void SaveSettings();

    Source source_;
    platform::Printer& printer_;
    TOutputEnv env_;
    std::unique_ptr<TSampleFontCache> faces_;
    QString memoText_;
    int memoLines_ = 0;

    QLabel* lPrinter_ = nullptr;
    QLineEdit* eTitle_ = nullptr;
    TColorSwatch* sFontName_ = nullptr;
    TColorSwatch* sString_ = nullptr;
    TColorSwatch* sTitle_ = nullptr;
    QComboBox* cbFontSize_ = nullptr;
    QSpinBox* seFontHeight_ = nullptr;
    QCheckBox* cbPrintFileName_ = nullptr;
    QPlainTextEdit* mText_ = nullptr;
    QRadioButton* rbAll_ = nullptr;
    QRadioButton* rbPages_ = nullptr;
    QLineEdit* ePages_ = nullptr;
    QSpinBox* seTop_ = nullptr;
    QSpinBox* seBottom_ = nullptr;
    QSpinBox* seLeft_ = nullptr;
    QSpinBox* seRight_ = nullptr;
    QComboBox* cbPrint_ = nullptr;
    QLabel* lPages_ = nullptr;
    QPushButton* bPrint_ = nullptr;
};
