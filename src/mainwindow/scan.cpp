#include "mainwindow/scan.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <charconv>
#include <string_view>

#include "controls/imagelist.h"
#include "controls/xpbutton.h"
#include "controls/xpgauge.h"
#include "fileops/paths.h"
#include "platform/uifont.h"

namespace {

// The number of registry entries the list passes for installed fonts; anything that is not a
// whole number counts as nothing.
int ParseCount(const std::string& info) {
    int value = 0;
    const auto result = std::from_chars(info.data(), info.data() + info.size(), value);
    return result.ec == std::errc() && result.ptr == info.data() + info.size() ? std::max(value, 0)
                                                                               : 0;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& bounds) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

TfScan::TfScan(QWidget* mainWindow, std::function<void()> processEvents)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      mainWindow_(mainWindow),
      processEvents_(std::move(processEvents)) {
    setObjectName("fScan");
    setWindowTitle("Scan Fonts");
    setFixedSize(306, 161);
    setFont(platform::UiFont(QStringLiteral("MS Sans Serif"), 8));
    BuildHeader();
    Count = MakeLabel(this, "Count", QRect(95, 48, 117, 17));
    FontName = MakeLabel(this, "FontName", QRect(12, 72, 282, 21));
    Gauge = new TXPGauge(this);
    Gauge->setObjectName("Gauge");
    Gauge->setGeometry(14, 108, 278, 11);
    Gauge->SetColor(QColor(255, 255, 255));
    Gauge->SetInnerShadow(true);
    Gauge->SetBorderColor(std::uint32_t{3947580});
    Gauge->SetBarColor(std::uint32_t{3265326});
    Gauge->SetProcessEvents(processEvents_);
    bCancel = new TXPButton("Cancel", this);
    bCancel->setObjectName("bCancel");
    bCancel->setGeometry(220, 132, 72, 22);
    bCancel->setDefault(true);
    connect(bCancel, &QPushButton::clicked, this, [this] { bCancelClick(); });
}

void TfScan::BuildHeader() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, 0, 306, 29);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, QColor(255, 255, 255));
    Panel1->setPalette(white);
    auto* picture = new QLabel(Panel1);
    picture->setGeometry(12, 8, 16, 16);
    const QPixmap folder = ResourceBitmap(":/images/FONTFOLDER.png", devicePixelRatioF());
    picture->setPixmap(folder.isNull() ? style()->standardIcon(QStyle::SP_DirIcon).pixmap(16, 16)
                                       : folder);
    auto* caption = new QLabel("Please wait while scanning fonts in folder", Panel1);
    caption->setObjectName("Panel1Caption");
    caption->setGeometry(36, 0, 264, 29);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(0, 29, 306, 2);
}

int TfScan::LoadTotal(const TFontList& sender, TFontListMode mode, const std::string& info) const {
    if (mode == flmInstalled) {
        return ParseCount(info);
    }
    if (mode != flmFolders) {
        return 0;
    }
    // The files the list's scan takes, so the counter ends where the scan does.
    const auto isFontFile = [&sender](std::string_view name) {
        return sender.FileTypes().FromFolder(name);
    };
    if (!info.empty()) {
        return CountFontFiles(info, isFontFile);
    }
    int total = 0;
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        const std::string folder = sender.GetFolders(slot);
        if (!folder.empty()) {
            total += CountFontFiles(folder, isFontFile);
        }
    }
    return total;
}

TfScan::~TfScan() {
    RestoreCursor();
}

void TfScan::FontListLoadBegin(TFontList& sender, TFontListMode mode, bool&,
                               const std::string& info) {
    try {
        BeginLoad(sender, mode, info);
    } catch (...) {
        // The list raises no end for a load whose beginning failed.
        FontListLoadEnd(sender);
        throw;
    }
}

void TfScan::BeginLoad(const TFontList& sender, TFontListMode mode, const std::string& info) {
    // The wait cursor stays until the load's end, which the list raises on every way out.
    if (!waiting_) {
        waiting_ = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    // Resetting a filled gauge lets pending events run: the main window is shut off first so
    // a queued click cannot start a second load inside this one.
    if (mainWindow_ != nullptr) {
        mainWindow_->setEnabled(false);
    }
    fileCount_ = 0;
    Gauge->SetProgress(0);
    if (mainWindow_ != nullptr) {
        const QRect main = mainWindow_->frameGeometry();
        move(main.left() + main.width() / 2 - width() / 2,
             main.top() + main.height() / 2 - height() / 2);
    }
    show();
    setEnabled(true);
    fileTotal_ = LoadTotal(sender, mode, info);
    Gauge->SetMaxValue(static_cast<std::uint64_t>(fileTotal_));
    Count->clear();
    FontName->clear();
    if (processEvents_) {
        processEvents_();
    }
}

void TfScan::FontListLoadProgress(TFontList&, TFontListMode, bool& abort, const std::string& info) {
    FontName->setText(QString::fromUtf8(info));
    Gauge->SetProgress(Gauge->Progress() + 1);
    ++fileCount_;
    Count->setText(QString::asprintf("%d/%d", fileCount_, fileTotal_));
    abort = cancelled_;
    if (processEvents_) {
        processEvents_();
    }
}

void TfScan::FontListLoadEnd(TFontList&) {
    if (mainWindow_ != nullptr) {
        mainWindow_->setEnabled(true);
    }
    hide();
    RestoreCursor();
}

void TfScan::RestoreCursor() {
    if (waiting_) {
        waiting_ = false;
        QApplication::restoreOverrideCursor();
    }
}

void TfScan::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfScan::FormShow() {
    cancelled_ = false;
}

void TfScan::bCancelClick() {
    cancelled_ = true;
}

// Esc and Enter both press Cancel; the window itself only goes away when the load ends.
void TfScan::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        bCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfScan::reject() {
    bCancel->click();
}
