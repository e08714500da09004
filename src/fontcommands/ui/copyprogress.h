#pragma once

#include <QDialog>
#include <string>

#include "fileops/fileprogress.h"
#include "platform/events.h"

class QLabel;
class QPushButton;
class TXPGauge;

// The window shown while fonts are copied or moved: where from and to, the file in work
// with its size, a file counter, the total size, a gauge with its time estimate, and Cancel.
// One instance lives for the program's run; each run shows and closes it.
class TfCopying : public QDialog, public TCopyProgress {
    Q_OBJECT

public:
    TfCopying(QWidget* owner, platform::ProcessEvents processEvents);

    void BeginDisplay(const Display& display) override;
    void SetTargetName(const std::string& name) override;
    void StartTiming() override;
    void PauseTiming() override;
    void RestartTiming() override;
    void SetFileName(const std::string& text) override;
    void SetCurrent(int count) override;
    void Advance(std::uint64_t step) override;
    bool CancelRequested() const override { return cancelled_; }
    void EndDisplay() override;

    void SetSourceName(const std::string& name);
    void SetTotal(int total);

    QLabel* Path = nullptr;
    QLabel* FileName = nullptr;
    QLabel* lCount = nullptr;
    QLabel* TotalSize = nullptr;
    QLabel* Remaining = nullptr;
    TXPGauge* Gauge = nullptr;
    QPushButton* XPButton1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void FormShow();
    void UpdatePath();
    void UpdateCount();
    void LetEventsRun();

    QWidget* owner_;
    platform::ProcessEvents processEvents_;
    int current_ = 0;
    int total_ = 0;
    std::string sourceName_;
    std::string targetName_;
    bool cancelled_ = false;
    bool cursorSet_ = false;
};
