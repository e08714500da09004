#pragma once

#include <QPainter>
#include <QPrinter>

#include "platform/linux/pdfprinter.h"
#include "platform/printer.h"

namespace platform {

// The desktop's printers through Qt Print Support (CUPS). Without any printer installed, or
// when the set-up dialog chose printing into a file, documents become PDF files through a
// PdfPrinter on the chosen paper. Paper printers draw inside their printable area.
class QtPrinter : public Printer {
public:
    QtPrinter();

    std::string Name() const override;
    bool PrintsToFile() const override;
    PrinterPage Page() const override;
    QPaintDevice& Canvas() override;
    bool Setup(QWidget* owner) override;
    QPainter* BeginDoc(const std::string& title, const std::string& file,
                       std::string& error) override;
    bool NewPage() override;
    bool EndDoc(std::string& error) override;

private:
    QPrinter printer_;
    QPainter painter_;
    PdfPrinter pdf_;
};

}  // namespace platform
