#pragma once

#include <QDialog>
#include <string>

#include "fileops/fileprogress.h"
#include "platform/events.h"

class QLabel;
class QPushButton;
class TXPGauge;

// The window shown while fonts are deleted: a picture, the file in work, a gauge that steps
// once per file, and Cancel. One instance lives for the program's run.
class TfDeleting : public QDialog, public TDeleteProgress {
    Q_OBJECT

public:
    TfDeleting(QWidget* owner, platform::ProcessEvents processEvents);

    void BeginDisplay(int gaugeMax) override;
    void SetItem(const std::string& name) override;
    void Advance() override;
    bool CancelRequested() const override { return cancelled_; }
    void EndDisplay() override;

    QLabel* Image1 = nullptr;
    QLabel* Item = nullptr;
    TXPGauge* Gauge = nullptr;
    QPushButton* bCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void LetEventsRun();

    QWidget* owner_;
    platform::ProcessEvents processEvents_;
    bool cancelled_ = false;
    bool cursorSet_ = false;
};
