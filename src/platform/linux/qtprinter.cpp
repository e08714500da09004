#include "platform/linux/qtprinter.h"

#include <QPrintDialog>
#include <QPrinterInfo>

namespace platform {

QtPrinter::QtPrinter() : printer_(QPrinter::HighResolution) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
    }
    pdf_.SetPaper(printer_.pageLayout());
}

std::string QtPrinter::Name() const {
    return PrintsToFile() ? pdf_.Name() : printer_.printerName().toStdString();
}

bool QtPrinter::PrintsToFile() const {
    return printer_.outputFormat() == QPrinter::PdfFormat;
}

PrinterPage QtPrinter::Page() const {
    if (PrintsToFile()) {
        return pdf_.Page();
    }
    return {printer_.width(), printer_.height(), printer_.logicalDpiX(), printer_.logicalDpiY()};
}

QPaintDevice& QtPrinter::Canvas() {
    return PrintsToFile() ? pdf_.Canvas() : static_cast<QPaintDevice&>(printer_);
}

bool QtPrinter::Setup(QWidget* owner) {
    QPrintDialog dialog(&printer_, owner);
    // The dialog chooses the printer and its paper only: pages and ranges are the print
    // window's own business.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    pdf_.SetPaper(printer_.pageLayout());
    return chosen;
}

QPainter* QtPrinter::BeginDoc(const std::string& title, const std::string& file,
                              std::string& error) {
    if (PrintsToFile()) {
        return pdf_.BeginDoc(title, file, error);
    }
    printer_.setDocName(QString::fromStdString(title));
    printer_.setCreator(QString::fromStdString(title));
    if (!painter_.begin(&printer_)) {
        error = "Cannot print on " + Name() + ".";
        return nullptr;
    }
    return &painter_;
}

bool QtPrinter::NewPage() {
    return PrintsToFile() ? pdf_.NewPage() : printer_.newPage();
}

bool QtPrinter::EndDoc(std::string& error) {
    if (PrintsToFile()) {
        return pdf_.EndDoc(error);
    }
    if (!painter_.isActive()) {
        return true;
    }
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) {
        error = "The document could not be finished on " + Name() + ".";
        return false;
    }
    return true;
}

}  // namespace platform
