#include "fontcommands/ui/delprogress.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "controls/centring.h"
#include "controls/imagelist.h"
#include "controls/xpbutton.h"
#include "controls/xpgauge.h"

namespace {

constexpr std::uint32_t kBarColor = 3265326;     // red 46, green 211, blue 49
constexpr std::uint32_t kBorderColor = 3947580;  // grey 60

}  // namespace

TfDeleting::TfDeleting(QWidget* owner, platform::ProcessEvents processEvents)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      owner_(owner),
      processEvents_(std::move(processEvents)) {
    setObjectName("fDeleting");
    setWindowTitle("Deleting...");
    setFixedSize(376, 130);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(20, 16, 32, 32);
    Image1->setPixmap(ResourceBitmap(QStringLiteral(":/images/deleting.png"), devicePixelRatioF()));
    Item = new QLabel(this);
    Item->setObjectName("Item");
    Item->setGeometry(20, 80, 257, 17);
    Gauge = new TXPGauge(this);
    Gauge->setObjectName("Gauge");
    Gauge->setGeometry(19, 101, 262, 13);
    Gauge->SetBarColor(kBarColor);
    Gauge->SetBorderColor(kBorderColor);
    Gauge->SetProcessEvents(processEvents_);
    bCancel = new TXPButton("Cancel", this);
    bCancel->setObjectName("bCancel");
    bCancel->setGeometry(296, 96, 65, 22);
    bCancel->setDefault(true);
    connect(bCancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

void TfDeleting::BeginDisplay(int gaugeMax) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorSet_ = true;
    Gauge->SetMaxValue(static_cast<std::uint64_t>(std::max(gaugeMax, 1)));
    if (owner_ != nullptr) {
        CentreOver(this, owner_);
        owner_->setEnabled(false);
    }
    show();
    setEnabled(true);
    LetEventsRun();
}

void TfDeleting::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Item->clear();
    Gauge->SetProgress(0);
    cancelled_ = false;
}

void TfDeleting::SetItem(const std::string& name) {
    Item->setText(QString::fromStdString(name));
    LetEventsRun();
}

void TfDeleting::Advance() {
    Gauge->SetProgress(Gauge->Progress() + 1);
    LetEventsRun();
}

void TfDeleting::EndDisplay() {
    if (owner_ != nullptr) {
        owner_->setEnabled(true);
    }
    cancelled_ = true;
    hide();
    if (cursorSet_) {
        QApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
}

// Escape and closing the window press Cancel; the window itself goes when the run ends.
void TfDeleting::reject() {
    bCancel->click();
}

void TfDeleting::LetEventsRun() {
    if (processEvents_) {
        processEvents_();
    }
}
