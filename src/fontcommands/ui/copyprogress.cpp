#include "fontcommands/ui/copyprogress.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "controls/centring.h"
#include "controls/xpbutton.h"
#include "controls/xpgauge.h"

namespace {

constexpr std::uint32_t kBarColor = 3265326;     // red 46, green 211, blue 49
constexpr std::uint32_t kBorderColor = 4868682;  // grey 74
const QColor kGrey(128, 128, 128);

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& bounds, const QColor& color) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

}  // namespace

TfCopying::TfCopying(QWidget* owner, platform::ProcessEvents processEvents)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      owner_(owner),
      processEvents_(std::move(processEvents)) {
    setObjectName("fCopying");
    setFixedSize(392, 143);
    Path = MakeLabel(this, "Path", QRect(13, 22, 368, 24), Qt::black);
    FileName = MakeLabel(this, "FileName", QRect(14, 60, 363, 17), Qt::black);
    QFont small = FileName->font();
    small.setPixelSize(12);
    FileName->setFont(small);
    lCount = MakeLabel(this, "lCount", QRect(12, 90, 140, 15), kGrey);
    TotalSize = MakeLabel(this, "TotalSize", QRect(150, 90, 150, 15), kGrey);
    TotalSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Remaining = MakeLabel(this, "Remaining", QRect(12, 126, 290, 15), kGrey);
    Gauge = new TXPGauge(this);
    Gauge->setObjectName("Gauge");
    Gauge->setGeometry(12, 107, 291, 12);
    Gauge->SetBarColor(kBarColor);
    Gauge->SetBorderColor(kBorderColor);
    Gauge->SetInnerShadow(true);
    Gauge->SetProcessEvents(processEvents_);
    XPButton1 = new TXPButton("Cancel", this);
    XPButton1->setObjectName("XPButton1");
    XPButton1->setGeometry(316, 102, 65, 22);
    XPButton1->setDefault(true);
    connect(XPButton1, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

void TfCopying::BeginDisplay(const Display& display) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorSet_ = true;
    SetSourceName(display.sourceName);
    Gauge->SetMaxValue(display.gaugeMax);
    TotalSize->setText(QString::fromStdString(display.totalSize));
    setWindowTitle(QString::fromStdString(display.caption));
    if (owner_ != nullptr) {
        CentreOver(this, owner_);
        owner_->setEnabled(false);
    }
    show();
    // Shown after the owner is shut off; a disabled parent must not disable this window.
    setEnabled(true);
    SetTotal(display.totalCount);
    SetCurrent(0);
    LetEventsRun();
}

void TfCopying::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfCopying::FormShow() {
    Path->clear();
    FileName->clear();
    lCount->clear();
    cancelled_ = false;
    Gauge->SetProgress(0);
}

void TfCopying::SetSourceName(const std::string& name) {
    sourceName_ = name;
    UpdatePath();
}

void TfCopying::SetTargetName(const std::string& name) {
    targetName_ = name;
    UpdatePath();
}

void TfCopying::UpdatePath() {
    Path->setText(QString::fromStdString("From '" + sourceName_ + "'  To '" + targetName_ + "'"));
}

void TfCopying::SetTotal(int total) {
    if (total != total_ || lCount->text().isEmpty()) {
        total_ = total;
        UpdateCount();
    }
}

void TfCopying::SetCurrent(int count) {
    if (count != current_ || lCount->text().isEmpty()) {
        current_ = count;
        UpdateCount();
    }
}

void TfCopying::UpdateCount() {
    lCount->setText(QString::asprintf("%d/%d", current_, total_));
}

void TfCopying::StartTiming() {
    Gauge->Start();
}

void TfCopying::PauseTiming() {
    Gauge->Pause();
}

void TfCopying::RestartTiming() {
    Gauge->Restart();
}

void TfCopying::SetFileName(const std::string& text) {
    FileName->setText(QString::fromStdString(text));
    LetEventsRun();
}

void TfCopying::Advance(std::uint64_t step) {
    Gauge->SetProgress(Gauge->Progress() + step);
    LetEventsRun();
}

void TfCopying::EndDisplay() {
    Gauge->Stop();
    cancelled_ = true;
    if (owner_ != nullptr) {
        owner_->setEnabled(true);
    }
    hide();
    if (cursorSet_) {
        QApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
}

// Escape and closing the window press Cancel; the window itself goes when the run ends.
void TfCopying::reject() {
    XPButton1->click();
}

void TfCopying::LetEventsRun() {
    if (processEvents_) {
        processEvents_();
    }
}
