#include "output/ui/exportimage.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringLiteral>

#include "controls/centring.h"
#include "controls/xpbutton.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "render/samplefontcache.h"

namespace {

constexpr int kClientWidth = 472;
constexpr int kClientHeight = 274;
constexpr int kSizeStep = 4;
const char* const kCaption = "Export as Bitmap";
const char* const kFilter = "BMP (Bitmap Image) (*.bmp);;PNG (Portable Network Graphics) (*.png)";

QLabel* NewLabel(QWidget* parent, const char* text, QPoint at) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->move(at);
    label->adjustSize();
    return label;
}

QSpinBox* NewSize(QWidget* parent, const char* name, const QRect& bounds) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setGeometry(bounds);
    spin->setRange(0, TExportPicture::kMaxSide);
    spin->setSingleStep(kSizeStep);
    return spin;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption,
                       const QRect& bounds) {
    auto* button = new TXPButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(bounds);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

bool TfExportImage::ExportFonts(const TFontList& items, bool selectedView, const TExportLook& look,
                                const std::string& sampleText, const TOutputEnv& env,
                                QWidget* owner) {
    const std::vector<std::string> names = TExportPicture::ChosenFonts(items, selectedView);
    if (names.empty()) {
        env.dialogs.MessageBox("Please, select fonts you want to export as an image", "",
                               platform::MsgButtons::Ok, platform::MsgIcon::Information, owner);
        return false;
    }
    TfExportImage dialog(look, env, owner);
    if (owner != nullptr) {
        CentreOver(&dialog, owner);
    }
    return dialog.Execute(names, sampleText) == QDialog::Accepted;
}

TfExportImage::TfExportImage(const TExportLook& look, const TOutputEnv& env, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      look_(look),
      env_(env),
      faces_(std::make_unique<TSampleFontCache>(env.services.fontTable)) {
    setObjectName(QStringLiteral("fExportImage"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setFixedSize(kClientWidth, kClientHeight);
    NewLabel(this, "Width:", {10, 14});
    seWidth_ = NewSize(this, "seWidth", QRect(60, 10, 80, 22));
    NewLabel(this, "px", {144, 14});
    NewLabel(this, "Height:", {180, 14});
    seHeight_ = NewSize(this, "seHeight", QRect(232, 10, 80, 22));
    NewLabel(this, "px", {316, 14});
    NewLabel(this, "Preview", {10, 44});
    auto* box = new QScrollArea(this);
    box->setObjectName(QStringLiteral("sbPreview"));
    box->setGeometry(10, 62, 453, 169);
    Image_ = new QLabel;
    Image_->setObjectName(QStringLiteral("Image"));
    box->setWidget(Image_);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bExport_ = NewButton(this, "bExport", "Export", QRect(306, 242, 75, 25));
    bExport_->setDefault(true);
    auto* cancel = NewButton(this, "bCancel", "Cancel", QRect(388, 242, 75, 25));
    connect(bExport_, &QPushButton::clicked, this, [this] { bExportClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QSpinBox* spin : {seWidth_, seHeight_}) {
        connect(spin, &QSpinBox::valueChanged, this, [this, spin] { SizeChange(spin); });
    }
}

TfExportImage::~TfExportImage() = default;

int TfExportImage::Execute(const std::vector<std::string>& fontNames,
                           const std::string& sampleText) {
    if (!Prepare(fontNames, sampleText)) {
        return QDialog::Rejected;
    }
    return exec();
}

bool TfExportImage::Prepare(const std::vector<std::string>& fontNames,
                            const std::string& sampleText) {
    if (fontNames.empty() || sampleText.empty()) {
        return false;
    }
    picture_ = std::make_unique<TExportPicture>(fontNames, QString::fromStdString(sampleText),
                                                look_, *faces_);
    const std::int64_t width = picture_->NaturalWidth();
    const std::int64_t height = picture_->NaturalHeight();
    const std::int64_t boundedWidth = std::min<std::int64_t>(width, TExportPicture::kMaxSide);
    const std::int64_t boundedHeight = std::min<std::int64_t>(
        {height, TExportPicture::kMaxSide,
         TExportPicture::kMaxPixels / std::max<std::int64_t>(boundedWidth, 1)});
    {
        const QSignalBlocker widthBlocker(seWidth_);
        const QSignalBlocker heightBlocker(seHeight_);
        seWidth_->setValue(static_cast<int>(boundedWidth));
        seHeight_->setValue(static_cast<int>(boundedHeight));
    }
    if (boundedWidth != width || boundedHeight != height) {
        env_.dialogs.MessageBox(
            QStringLiteral("A picture of %1 x %2 pixels would be too large. Pictures are limited "
                           "to %3 pixels a side and %4 million pixels in all.")
                .arg(width)
                .arg(height)
                .arg(TExportPicture::kMaxSide)
                .arg(TExportPicture::kMaxPixels / 1000000)
                .toStdString(),
            kCaption, platform::MsgButtons::Ok, platform::MsgIcon::Warning, this);
    }
    DrawImage();
    return true;
}

// The whole picture stays within the pixel bound: the side just changed gives way.
void TfExportImage::SizeChange(QSpinBox* changed) {
    const QSpinBox* other = changed == seWidth_ ? seHeight_ : seWidth_;
    const std::int64_t pixels = std::int64_t{changed->value()} * other->value();
    if (pixels > TExportPicture::kMaxPixels) {
        const QSignalBlocker blocker(changed);
        changed->setValue(static_cast<int>(TExportPicture::kMaxPixels / other->value()));
        env_.dialogs.MessageBox(QStringLiteral("Pictures are limited to %1 million pixels in all.")
                                    .arg(TExportPicture::kMaxPixels / 1000000)
                                    .toStdString(),
                                kCaption, platform::MsgButtons::Ok, platform::MsgIcon::Warning,
                                this);
    }
    DrawImage();
}

void TfExportImage::DrawImage() {
    const int width = seWidth_->value();
    const int height = seHeight_->value();
    image_ = picture_ != nullptr ? picture_->Draw(width, height) : QImage();
    Image_->setPixmap(QPixmap::fromImage(image_));
    Image_->resize(width, height);
    // Qt cannot save a picture without pixels.
    bExport_->setEnabled(width > 0 && height > 0);
}

void TfExportImage::bExportClick() {
    const std::string file = env_.dialogs.SaveFileName("Export Bitmap", kFilter, "", this);
    if (file.empty()) {
        return;
    }
    std::string error;
    if (!TExportPicture::Save(image_, file, error)) {
        env_.dialogs.MessageBox(error, kCaption, platform::MsgButtons::Ok, platform::MsgIcon::Error,
                                this);
        return;
    }
    accept();
}
