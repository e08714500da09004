#pragma once

#include <QDialog>

#include "output/printinfo.h"
#include "platform/printer.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class TFontList;
class TPreviewPaper;
class TSampleFontCache;

// "Print Preview": the sheet the print window describes, one page at a time, drawn by the
// same layout as the printed sheet but in screen pixels, at a zoom of 50 % to 200 %.
class TfPreview : public QDialog {
    Q_OBJECT

public:
    // Shows the preview of fonts modally over owner. info holds the print window's settings
    // in screen pixels; page is the printer's page, whose size the paper takes.
    static void ShowPreview(const TFontList& fonts, const TPrintInfo& info,
                            const platform::PrinterPage& page, TSampleFontCache& faces,
                            QWidget* owner);

    TfPreview(const TFontList& fonts, const TPrintInfo& info, const platform::PrinterPage& page,
              TSampleFontCache& faces, QWidget* parent = nullptr);

    int CurrentPage() const { return currentPage_; }
    int PageCount() const { return info_.PageCount; }
    // Shows page n (1-based); other numbers than those of the sheet's pages are ignored.
    void GoToPage(int n);

private:
    static constexpr double kZooms[] = {0.5, 0.75, 1.0, 1.5, 2.0};

    QWidget* BuildButtonStrip();
    void BuildShortcuts();
    void ApplyZoom();
    void RenderPage();
    void UpdateControls();
    void ScrollLine(int action);

    const TFontList& fonts_;
    TPrintInfo info_;
    TSampleFontCache& faces_;
    int currentPage_ = 1;

    QPushButton* bFirst_ = nullptr;
    QPushButton* bPrev_ = nullptr;
    QPushButton* bNext_ = nullptr;
    QPushButton* bLast_ = nullptr;
    QComboBox* cbZoom_ = nullptr;
    QScrollArea* sbPaper_ = nullptr;
    TPreviewPaper* paper_ = nullptr;
    QLabel* lStatus_ = nullptr;
};
