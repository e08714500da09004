#include "platform/linux/pdfprinter.h"

#include <QMarginsF>
#include <QPageSize>

namespace platform {

PdfPrinter::PdfPrinter()
    : layout_(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
      measure_(NewWriter(&unused_)) {}

void PdfPrinter::SetPaper(const QPageLayout& layout) {
    layout_ = layout;
    layout_.setMinimumMargins(QMarginsF());
    layout_.setMargins(QMarginsF());
    measure_ = NewWriter(&unused_);
}

std::unique_ptr<QPdfWriter> PdfPrinter::NewWriter(QIODevice* device) const {
    auto writer = std::make_unique<QPdfWriter>(device);
    writer->setResolution(kResolution);
    writer->setPageLayout(layout_);
    return writer;
}

PrinterPage PdfPrinter::Page() const {
    return {measure_->width(), measure_->height(), measure_->logicalDpiX(),
            measure_->logicalDpiY()};
}

QPainter* PdfPrinter::BeginDoc(const std::string& title, const std::string& file,
                               std::string& error) {
    file_ = std::make_unique<QSaveFile>(QString::fromStdString(file));
    if (!file_->open(QIODevice::WriteOnly)) {
        error = "Cannot write \"" + file + "\": " + file_->errorString().toStdString();
        file_.reset();
        return nullptr;
    }
    writer_ = NewWriter(file_.get());
    writer_->setTitle(QString::fromStdString(title));
    writer_->setCreator(QString::fromStdString(title));
    if (!painter_.begin(writer_.get())) {
        error = "Cannot write \"" + file + "\".";
        writer_.reset();
        file_.reset();
        return nullptr;
    }
    return &painter_;
}

bool PdfPrinter::NewPage() {
    return writer_ != nullptr && writer_->newPage();
}

bool PdfPrinter::EndDoc(std::string& error) {
    if (file_ == nullptr) {
        return true;
    }
    painter_.end();
    writer_.reset();
    const bool written = file_->commit();
    if (!written) {
        error = "Cannot write \"" + file_->fileName().toStdString() +
                "\": " + file_->errorString().toStdString();
    }
    file_.reset();
    return written;
}

}  // namespace platform
