#pragma once

#include <QPainter>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "fakes/recordingdevice.h"
#include "platform/printer.h"

namespace fakes {

// A printer that records the documents printed on it, page by page, and whose set-up dialog
// answers from a queue (a set-up with nothing queued is cancelled).
class FakePrinter : public platform::Printer {
public:
    struct Document {
        std::string title;
        std::string file;
        std::vector<DrawnPage> pages;
        bool ended = false;
    };
    struct SetupAnswer {
        std::string name;
        platform::PrinterPage page;
        bool toFile = false;
    };

    FakePrinter(std::string name, platform::PrinterPage page, bool toFile = false);

    std::string Name() const override { return name_; }
    bool PrintsToFile() const override { return toFile_; }
    platform::PrinterPage Page() const override { return page_; }
    QPaintDevice& Canvas() override { return *canvas_; }
    bool Setup(QWidget* owner) override;
    QPainter* BeginDoc(const std::string& title, const std::string& file,
                       std::string& error) override;
    bool NewPage() override;
    bool EndDoc(std::string& error) override;

    void QueueSetup(SetupAnswer answer) { setups_.push_back(std::move(answer)); }
    // The next document fails to begin with reason.
    void FailNextBegin(std::string reason) { failure_ = std::move(reason); }

    const std::vector<Document>& Documents() const { return documents_; }
    int SetupCalls() const { return setupCalls_; }

private:
    void Configure(std::string name, platform::PrinterPage page, bool toFile);

    std::string name_;
    platform::PrinterPage page_;
    bool toFile_;
    std::unique_ptr<RecordingDevice> canvas_;
    std::unique_ptr<RecordingDevice> device_;
    QPainter painter_;
    std::deque<SetupAnswer> setups_;
    std::string failure_;
    std::vector<Document> documents_;
    int setupCalls_ = 0;
};

}  // namespace fakes
