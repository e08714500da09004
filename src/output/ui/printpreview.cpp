#include "output/ui/printpreview.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStringLiteral>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "catalogue/fontlist.h"
#include "controls/centring.h"
#include "controls/xpbutton.h"
#include "controls/xpcombobox.h"
#include "output/printlayout.h"
#include "output/ui/previewpaper.h"

namespace {

constexpr int kStripHeight = 37;
constexpr int kInitialZoom = 2;  // 100 %
constexpr double kMetresPerInch = 0.0254;

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new TXPButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// A page-sized picture at the screen's resolution, so point sizes come out as on screen.
QImage ScreenPicture(int width, int height, int pixelsPerInch) {
    QImage picture(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(pixelsPerInch / kMetresPerInch));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}

}  // namespace

void TfPreview::ShowPreview(const TFontList& fonts, const TPrintInfo& info,
                            const platform::PrinterPage& page, TSampleFontCache& faces,
                            QWidget* owner) {
    TfPreview preview(fonts, info, page, faces, owner);
    if (owner != nullptr) {
        CentreOver(&preview, owner);
    }
    preview.setWindowState(Qt::WindowMaximized);
    preview.exec();
}

TfPreview::TfPreview(const TFontList& fonts, const TPrintInfo& info,
                     const platform::PrinterPage& page, TSampleFontCache& faces, QWidget* parent)
    : QDialog(parent, Qt::Window), fonts_(fonts), info_(info), faces_(faces) {
    setObjectName(QStringLiteral("fPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildButtonStrip());
    sbPaper_ = new QScrollArea(this);
    sbPaper_->setObjectName(QStringLiteral("sbPaper"));
    sbPaper_->setBackgroundRole(QPalette::Button);
    sbPaper_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    paper_ = new TPreviewPaper;
    paper_->setObjectName(QStringLiteral("pbPaper"));
    sbPaper_->setWidget(paper_);
    layout->addWidget(sbPaper_, 1);
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    lStatus_ = new QLabel(status);
    lStatus_->setObjectName(QStringLiteral("lStatus"));
    status->addWidget(lStatus_);
    layout->addWidget(status);
    BuildShortcuts();

    const int screenDpi = info_.PixelsPerInch;
    info_.PageHeight = page.dpiY > 0 ? page.height * screenDpi / page.dpiY : 0;
    info_.PageWidth = page.dpiX > 0 ? page.width * screenDpi / page.dpiX : 0;
    info_.PageFilter = 0;
    info_.Printer = nullptr;
    QImage canvas = ScreenPicture(1, 1, screenDpi);
    CalcPrintLayout(canvas, fonts_, info_);
    RenderPage();
    ApplyZoom();
    UpdateControls();
    resize(800, 600);
}

QWidget* TfPreview::BuildButtonStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pButtons"));
    strip->setFixedHeight(kStripHeight);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 6, 6, 6);
    bFirst_ = NewButton(strip, "bFirst", "<< First");
    bPrev_ = NewButton(strip, "bPrev", "< Prev");
    bNext_ = NewButton(strip, "bNext", "Next >");
    bLast_ = NewButton(strip, "bLast", "Last >>");
    for (QPushButton* button : {bFirst_, bPrev_, bNext_, bLast_}) {
        row->addWidget(button);
    }
    connect(bFirst_, &QPushButton::clicked, this, [this] { GoToPage(1); });
    connect(bPrev_, &QPushButton::clicked, this, [this] { GoToPage(currentPage_ - 1); });
    connect(bNext_, &QPushButton::clicked, this, [this] { GoToPage(currentPage_ + 1); });
    connect(bLast_, &QPushButton::clicked, this, [this] { GoToPage(info_.PageCount); });
    cbZoom_ = new TXPComboBox(strip);
    cbZoom_->setObjectName(QStringLiteral("cbZoom"));
    cbZoom_->addItems({QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"),
                       QStringLiteral("150%"), QStringLiteral("200%")});
    cbZoom_->setCurrentIndex(kInitialZoom);
    connect(cbZoom_, &QComboBox::currentIndexChanged, this, [this] { ApplyZoom(); });
    row->addWidget(cbZoom_);
    auto* note = new QLabel(QStringLiteral(" If item height is too big or small, change \"Font "
                                           "Height\" value on print dialog. "),
                            strip);
    note->setObjectName(QStringLiteral("lNote"));
    note->setAutoFillBackground(true);
    note->setBackgroundRole(QPalette::ToolTipBase);
    note->setForegroundRole(QPalette::ToolTipText);
    row->addWidget(note);
    row->addStretch(1);
    return strip;
}

// The keys belong to the window before its controls: the zoom list keeps its arrows to
// itself otherwise.
void TfPreview::BuildShortcuts() {
    const struct {
        Qt::Key key;
        int action;
    } keys[] = {{Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
                {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd},
                {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
                {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub}};
    for (const auto& entry : keys) {
        auto* shortcut = new QShortcut(QKeySequence(entry.key), this);
        const int action = entry.action;
        connect(shortcut, &QShortcut::activated, this, [this, action] { ScrollLine(action); });
    }
}

void TfPreview::ScrollLine(int action) {
    sbPaper_->verticalScrollBar()->triggerAction(
        static_cast<QAbstractSlider::SliderAction>(action));
}

void TfPreview::ApplyZoom() {
    const double factor = kZooms[std::clamp(cbZoom_->currentIndex(), 0, 4)];
    paper_->resize(static_cast<int>(factor * info_.PageWidth),
                   static_cast<int>(factor * info_.PageHeight));
}

void TfPreview::GoToPage(int n) {
    if (n == currentPage_ || n < 1 || n > info_.PageCount) {
        return;
    }
    currentPage_ = n;
    RenderPage();
    sbPaper_->verticalScrollBar()->setValue(0);
    sbPaper_->horizontalScrollBar()->setValue(0);
    UpdateControls();
}

void TfPreview::RenderPage() {
    QImage picture = ScreenPicture(info_.PageWidth, info_.PageHeight, info_.PixelsPerInch);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
    TPrintInfo page = info_;
    page.FromPage = page.ToPage = currentPage_;
    DrawPrintPages(painter, fonts_, page, faces_);
    painter.end();
    paper_->SetPage(std::move(picture));
}

void TfPreview::UpdateControls() {
    bNext_->setEnabled(currentPage_ < info_.PageCount);
    bLast_->setEnabled(currentPage_ < info_.PageCount);
    bFirst_->setEnabled(currentPage_ > 1);
    bPrev_->setEnabled(currentPage_ > 1);
    lStatus_->setText(QStringLiteral("%1 page / %2 pages").arg(currentPage_).arg(info_.PageCount));
}
