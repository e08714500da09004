#pragma once

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

#include "platform/printer.h"

namespace platform {

// A printer that makes PDF files: pages at a high resolution, without unprintable edges (so
// margins count from the paper's edge), each text in its own embedded face where the face
// allows embedding. A file appears only whole: it is written beside its place and moved
// there when the document ends, so a failed run never leaves half a file or harms an old one.
class PdfPrinter : public Printer {
public:
    static constexpr int kResolution = 1200;

    // An A4 portrait page unless told otherwise.
    PdfPrinter();
    // The paper of the documents that follow (its margins are ignored).
    void SetPaper(const QPageLayout& layout);

    std::string Name() const override { return "PDF file"; }
    bool PrintsToFile() const override { return true; }
    PrinterPage Page() const override;
    QPaintDevice& Canvas() override { return *measure_; }
    // A PDF file has nothing to set up.
    bool Setup(QWidget* /*owner*/) override { return false; }
    QPainter* BeginDoc(const std::string& title, const std::string& file,
                       std::string& error) override;
    bool NewPage() override;
    bool EndDoc(std::string& error) override;

private:
    std::unique_ptr<QPdfWriter> NewWriter(QIODevice* device) const;

    QPageLayout layout_;
    QBuffer unused_;
    std::unique_ptr<QPdfWriter> measure_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
};

}  // namespace platform
