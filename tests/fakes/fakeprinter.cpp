#include "fakes/fakeprinter.h"

namespace fakes {

FakePrinter::FakePrinter(std::string name, platform::PrinterPage page, bool toFile) {
    Configure(std::move(name), page, toFile);
}

void FakePrinter::Configure(std::string name, platform::PrinterPage page, bool toFile) {
    name_ = std::move(name);
    page_ = page;
    toFile_ = toFile;
    canvas_ = std::make_unique<RecordingDevice>(page.width, page.height, page.dpiY);
}

bool FakePrinter::Setup(QWidget* /*owner*/) {
    ++setupCalls_;
    if (setups_.empty()) {
        return false;
    }
    SetupAnswer answer = std::move(setups_.front());
    setups_.pop_front();
    Configure(std::move(answer.name), answer.page, answer.toFile);
    return true;
}

QPainter* FakePrinter::BeginDoc(const std::string& title, const std::string& file,
                                std::string& error) {
    if (!failure_.empty()) {
        error = std::move(failure_);
        failure_.clear();
        return nullptr;
    }
    documents_.push_back({title, file, {}, false});
    device_ = std::make_unique<RecordingDevice>(page_.width, page_.height, page_.dpiY);
    painter_.begin(device_.get());
    return &painter_;
}

bool FakePrinter::NewPage() {
    device_->NewPage();
    return true;
}

bool FakePrinter::EndDoc(std::string& /*error*/) {
    painter_.end();
    documents_.back().pages = device_->Pages();
    documents_.back().ended = true;
    return true;
}

}  // namespace fakes
