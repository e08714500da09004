// The output commands: printing the sample sheet, exporting the marked fonts as a picture,
// and editing the list of sample texts ("&Print", "Export as &Bitmap", "Set Sample &Text").
#include <QComboBox>

#include "mainwindow/mainform.h"
#include "mainwindow/samplebar.h"
#include "output/ui/exportimage.h"
#include "output/ui/printdlg.h"
#include "output/ui/settext.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "preview/xfontlistview.h"

platform::Printer& TMainForm::MainPrinter() {
    if (printer_ == nullptr) {
        printer_ = services_.newPrinter();
    }
    return *printer_;
}

void TMainForm::PrintCommand() {
    const TfPrint::Source source{FontView->Items(), FontView->Text(), pnSample->FontSizeText(),
                                 FontView->ShowFullPath()};
    TfPrint::PrintFonts(source, MainPrinter(),
                        TOutputEnv{services_, platform::CurrentDialogs(), SettingsFile()}, this);
}

void TMainForm::ExportCommand() {
    TExportLook look;
    look.fontSize = FontView->FontSize();
    look.backColor = FontView->Color();
    look.textColor = FontView->TextColor();
    look.nameColor = FontView->NameColor();
    look.fontStyle = FontView->FontStyle();
    look.antiAlias = FontView->AntiAlias();
    // The "Selected" view shows the marked fonts: all of them go, also those unmarked since.
    TfExportImage::ExportFonts(FontView->Items(), viewKind_ == vkSelected, look, FontView->Text(),
                               TOutputEnv{services_, platform::CurrentDialogs(), SettingsFile()},
                               this);
}

void TMainForm::SetSampleTextCommand() {
    TfSetText::EditSampleTexts(SettingsFile(), pnSample->SampleTextBox(), this);
}
