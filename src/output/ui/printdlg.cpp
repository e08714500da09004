#include "output/ui/printdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringLiteral>
#include <charconv>

#include "catalogue/fontlist.h"
#include "controls/centring.h"
#include "controls/imagelist.h"
#include "controls/xpbutton.h"
#include "controls/xpcheckbox.h"
#include "controls/xpcombobox.h"
#include "controls/xpedit.h"
#include "controls/xpgroupbox.h"
#include "controls/xpradiobutton.h"
#include "output/printlayout.h"
#include "output/printsettings.h"
#include "output/sheettext.h"
#include "output/ui/colorswatch.h"
#include "output/ui/printpreview.h"
#include "platform/dialogs.h"
#include "platform/inifile.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/uifont.h"
#include "render/samplefontcache.h"

namespace {

constexpr int kClientWidth = 438;
constexpr int kClientHeight = 406;
constexpr int kMemoLimit = 150;
constexpr int kMaxFontHeight = 200;
const char* const kJobTitle = "Glyphwell Viewer";
const QColor kGroupCaptionColor(0, 0, 255);
const char* const kFontSizes[] = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                  "20", "24", "30", "36", "48", "60", "72", "80"};

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const QRect& bounds) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(bounds);
    return widget;
}

QLabel* NewLabel(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

QGroupBox* NewGroup(QWidget* parent, const char* name, const char* caption, const QRect& bounds) {
    auto* group = Named(new TXPGroupBox(QString::fromLatin1(caption), parent), name, bounds);
    group->SetCaptionColor(kGroupCaptionColor);
    return group;
}

QSpinBox* NewSpin(QWidget* parent, const char* name, const QRect& bounds, int maximum) {
    auto* spin = Named(new QSpinBox(parent), name, bounds);
    spin->setRange(0, maximum);
    return spin;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption,
                       const QRect& bounds) {
    auto* button = Named(new TXPButton(QString::fromLatin1(caption), parent), name, bounds);
    button->setAutoDefault(false);
    return button;
}

// A whole number, with the blanks around it ignored.
bool ReadPageNumber(const QString& text, int& number) {
    const std::string digits = text.trimmed().toStdString();
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, number);
    return !digits.empty() && error == std::errc() && end == last;
}

}  // namespace

bool TfPrint::PrintFonts(const Source& source, platform::Printer& printer, const TOutputEnv& env,
                         QWidget* owner) {
    TfPrint dialog(source, printer, env, owner);
    if (owner != nullptr) {
        CentreOver(&dialog, owner);
    }
    return dialog.exec() == QDialog::Accepted;
}

TfPrint::TfPrint(const Source& source, platform::Printer& printer, const TOutputEnv& env,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      source_(source),
      printer_(printer),
      env_(env),
      faces_(std::make_unique<TSampleFontCache>(env.services.fontTable)) {
    setObjectName(QStringLiteral("fPrint"));
    setWindowTitle(QStringLiteral("Print"));
    setFont(platform::UiFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(kClientWidth, kClientHeight);
    BuildPrinterLine();
    BuildOptions();
    BuildPageRange();
    BuildMargins();
    BuildBottom();
    LoadSettings();
    Connect();
    ShowPrinterName();
    UpdatePageCount();
}

TfPrint::~TfPrint() = default;

void TfPrint::BuildPrinterLine() {
    auto* icon = Named(new QLabel(this), "imPrinter", QRect(12, 10, 22, 22));
    icon->setPixmap(ResourceBitmap(QStringLiteral(":/images/print.png"), devicePixelRatioF()));
    lPrinter_ = Named(new QLabel(this), "lPrinter", QRect(42, 14, 280, 16));
    auto* setup = NewButton(this, "bPrintSetup", "Print Setup...", QRect(330, 9, 97, 25));
    connect(setup, &QPushButton::clicked, this, [this] { bPrintSetupClick(); });
}

void TfPrint::BuildOptions() {
    QGroupBox* group = NewGroup(this, "gbOptions", "Options", QRect(8, 38, 422, 198));
    NewLabel(group, QStringLiteral("Title :"), {12, 22});
    eTitle_ = Named(new TXPEdit(group), "eTitle", QRect(84, 18, 326, 21));
    eTitle_->setMaxLength(static_cast<int>(TPrintInfo::kTitleLimit));
    QLabel* note =
        NewLabel(group, QStringLiteral("Title will be printed top of the page"), {84, 40});
    note->setStyleSheet(QStringLiteral("color: gray;"));

    NewLabel(group, QStringLiteral("Font name:"), {12, 62});
    sFontName_ = Named(new TColorSwatch(group), "sFontName", QRect(84, 60, 40, 18));
    NewLabel(group, QStringLiteral("String:"), {150, 62});
    sString_ = Named(new TColorSwatch(group), "sString", QRect(200, 60, 40, 18));
    NewLabel(group, QStringLiteral("Title:"), {266, 62});
    sTitle_ = Named(new TColorSwatch(group), "sTitle", QRect(306, 60, 40, 18));

    NewLabel(group, QStringLiteral("Font Size:"), {12, 88});
    cbFontSize_ = Named(new TXPComboBox(group), "cbFontSize", QRect(84, 84, 56, 22));
    cbFontSize_->setEditable(true);
    for (const char* size : kFontSizes) {
        cbFontSize_->addItem(QString::fromLatin1(size));
    }
    cbFontSize_->setEditText(QString::fromStdString(source_.fontSizeText));
    NewLabel(group, QStringLiteral("Font Height:"), {150, 88});
    seFontHeight_ = NewSpin(group, "seFontHeight", QRect(230, 84, 50, 22), kMaxFontHeight);
    NewLabel(group, QStringLiteral("mm"), {284, 88});

    NewLabel(group, QStringLiteral("Sample Text:"), {12, 112});
    cbPrintFileName_ = Named(new TXPCheckBox(QStringLiteral("Print font file name"), group),
                             "cbPrintFileName", QRect(266, 110, 146, 18));
    cbPrintFileName_->setChecked(true);
    mText_ = Named(new QPlainTextEdit(group), "mText", QRect(12, 130, 398, 60));
    mText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    mText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mText_->setPlainText(QString::fromStdString(source_.sampleText));
    memoText_ = mText_->toPlainText();
    memoLines_ = LineCount();
}

void TfPrint::BuildPageRange() {
    QGroupBox* group = NewGroup(this, "gbPageRange", "Page range", QRect(8, 242, 250, 110));
    rbAll_ =
        Named(new TXPRadioButton(QStringLiteral("A&ll"), group), "rbAll", QRect(12, 20, 80, 18));
    rbAll_->setChecked(true);
    rbPages_ = Named(new TXPRadioButton(QStringLiteral("Pa&ges :"), group), "rbPages",
                     QRect(12, 44, 72, 18));
    ePages_ = Named(new TXPEdit(group), "ePages", QRect(88, 42, 150, 21));
    QLabel* note =
        Named(new QLabel(QStringLiteral("Enter either a single page or  a single page range, For "
                                        "example, 5-12"),
                         group),
              "lPagesNote", QRect(12, 66, 230, 40));
    note->setWordWrap(true);
}

void TfPrint::BuildMargins() {
    QGroupBox* group = NewGroup(this, "gbMargins", "Margins (mm)", QRect(266, 242, 164, 110));
    const struct {
        const char* caption;
        const char* name;
        QSpinBox*& spin;
    } rows[] = {{"Top :", "seTop", seTop_},
                {"Bottom :", "seBottom", seBottom_},
                {"Left :", "seLeft", seLeft_},
                {"Right :", "seRight", seRight_}};
    int y = 18;
    for (const auto& row : rows) {
        NewLabel(group, QString::fromLatin1(row.caption), {14, y + 3});
        row.spin = NewSpin(group, row.name, QRect(80, y, 56, 21), TPrintSettings::kMaxMargin);
        y += 22;
    }
}

void TfPrint::BuildBottom() {
    lPages_ = Named(new QLabel(this), "lPages", QRect(12, 356, 200, 16));
    NewLabel(this, QStringLiteral("Print:"), {12, 382});
    cbPrint_ = Named(new TXPComboBox(this), "cbPrint", QRect(48, 378, 140, 22));
    cbPrint_->addItems({QStringLiteral("All pages in range"), QStringLiteral("Odd pages"),
                        QStringLiteral("Even pages")});
    auto* preview = NewButton(this, "bPreview", "Pre&view", QRect(200, 376, 72, 25));
    connect(preview, &QPushButton::clicked, this, [this] { bPreviewClick(); });
    bPrint_ = NewButton(this, "bPrint", "Print", QRect(278, 376, 72, 25));
    bPrint_->setDefault(true);
    connect(bPrint_, &QPushButton::clicked, this, [this] { bPrintClick(); });
    auto* cancel = NewButton(this, "bCancel", "Cancel", QRect(356, 376, 74, 25));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfPrint::Connect() {
    for (QSpinBox* spin : {seTop_, seBottom_, seFontHeight_}) {
        connect(spin, &QSpinBox::valueChanged, this, [this] { UpdatePageCount(); });
    }
    connect(cbFontSize_, &QComboBox::editTextChanged, this, [this] { UpdatePageCount(); });
    connect(mText_, &QPlainTextEdit::textChanged, this, [this] { mTextChange(); });
    connect(ePages_, &QLineEdit::textChanged, this, [this] { ePagesChange(); });
    for (TColorSwatch* swatch : {sFontName_, sString_, sTitle_}) {
        connect(swatch, &TColorSwatch::clicked, this, [this, swatch] { SwatchClick(swatch); });
    }
}

void TfPrint::LoadSettings() {
    const TPrintSettings settings = TPrintSettings::Read(platform::IniFile(env_.settingsFile));
    seTop_->setValue(settings.top);
    seBottom_->setValue(settings.bottom);
    seLeft_->setValue(settings.left);
    seRight_->setValue(settings.right);
    sFontName_->SetColor(settings.nameColor);
    sString_->SetColor(settings.textColor);
    sTitle_->SetColor(settings.titleColor);
    // The line height of the chosen size, in whole millimetres.
    const QFont font(platform::UiFont(QStringLiteral("Tahoma"),
                                      SheetFontSize(cbFontSize_->currentText().toStdString())));
    seFontHeight_->setValue(
        static_cast<int>(QFontMetrics(font, this).height() * 25.4 / ScreenDpi()));
}

int TfPrint::ScreenDpi() const {
    return logicalDpiY();
}

std::string TfPrint::SampleText() const {
    return CutUtf8(mText_->toPlainText().toStdString(), TPrintInfo::kSampleTextLimit);
}

int TfPrint::LineCount() const {
    return static_cast<int>(SampleLines(mText_->toPlainText()).size());
}

TPrintInfo TfPrint::SheetInfo(int dpiX, int dpiY) const {
    TPrintInfo info;
    info.PixelsPerInch = dpiY;
    info.MarginLeft = MmToDots(seLeft_->value(), dpiX);
    info.MarginRight = MmToDots(seRight_->value(), dpiX);
    info.MarginTop = MmToDots(seTop_->value(), dpiY);
    info.MarginBottom = MmToDots(seBottom_->value(), dpiY);
    info.TextHeight = MmToDots(seFontHeight_->value(), dpiY);
    info.FontSize = SheetFontSize(cbFontSize_->currentText().toStdString());
    info.PrintFileName = cbPrintFileName_->isChecked();
    info.Title = CutUtf8(eTitle_->text().toStdString(), TPrintInfo::kTitleLimit);
    info.SampleText = SampleText();
    info.LineCount = static_cast<int>(SampleLines(QString::fromStdString(info.SampleText)).size());
    info.NameColor = sFontName_->Color();
    info.TextColor = sString_->Color();
    info.TitleColor = sTitle_->Color();
    info.ShowFullPath = source_.showFullPath;
    info.ScreenPixelsPerInch = ScreenDpi();
    return info;
}

void TfPrint::ShowPrinterName() {
    lPrinter_->setText(QStringLiteral("Printer: ") + QString::fromStdString(printer_.Name()));
}

// The dialog's estimate, laid out on the screen: the printer's page scaled to screen pixels.
void TfPrint::UpdatePageCount() {
    if (!ParseFontSize(cbFontSize_->currentText().toStdString())) {
        return;
    }
    const platform::PrinterPage page = printer_.Page();
    const int dpi = ScreenDpi();
    TPrintInfo info = SheetInfo(dpi, dpi);
    info.PageHeight = page.dpiY > 0 ? page.height * dpi / page.dpiY : 0;
    info.PageWidth = page.dpiX > 0 ? page.width * dpi / page.dpiX : 0;
    CalcPrintLayout(*this, source_.fonts, info);
    lPages_->setText(QStringLiteral("Total %1 Pages").arg(info.PageCount));
}

// The memo takes at most kMemoLimit characters from typing (a longer sample text it was
// given stays whole), and a change of its line count changes the page count.
void TfPrint::mTextChange() {
    const QString text = mText_->toPlainText();
    if (text.size() > kMemoLimit && text.size() > memoText_.size()) {
        const QSignalBlocker blocker(mText_);
        mText_->setPlainText(memoText_);
        mText_->moveCursor(QTextCursor::End);
        return;
    }
    memoText_ = text;
    if (LineCount() != memoLines_) {
        memoLines_ = LineCount();
        UpdatePageCount();
    }
}

void TfPrint::ePagesChange() {
    (ePages_->text().isEmpty() ? rbAll_ : rbPages_)->setChecked(true);
}

void TfPrint::SwatchClick(TColorSwatch* swatch) {
    std::uint32_t color = swatch->Color();
    if (env_.dialogs.ChooseColor(color, this)) {
        swatch->SetColor(color);
    }
}

void TfPrint::bPrintSetupClick() {
    if (printer_.Setup(this)) {
        ShowPrinterName();
        UpdatePageCount();
    }
}

// The preview shows every page of the sheet in screen pixels; range and filter are the
// printed job's only.
void TfPrint::bPreviewClick() {
    const int dpi = ScreenDpi();
    TfPreview::ShowPreview(source_.fonts, SheetInfo(dpi, dpi), printer_.Page(), *faces_, this);
}

bool TfPrint::ReadRange(int& fromPage, int& toPage) const {
    fromPage = toPage = -1;
    if (!rbPages_->isChecked()) {
        return true;
    }
    const QString text = ePages_->text();
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        const bool valid = ReadPageNumber(text, fromPage);
        toPage = fromPage;
        return valid;
    }
    return ReadPageNumber(text.left(dash), fromPage) && ReadPageNumber(text.mid(dash + 1), toPage);
}

void TfPrint::WarnInvalidRange() {
    env_.dialogs.MessageBox("This is not a valid print range.", "Warning", platform::MsgButtons::Ok,
                            platform::MsgIcon::Warning, this);
}

void TfPrint::bPrintClick() {
    int fromPage = -1;
    int toPage = -1;
    if (!ReadRange(fromPage, toPage)) {
        WarnInvalidRange();
        return;
    }
    if (PrintSheet(fromPage, toPage)) {
        accept();
    }
}

// Prints the sheet on the printer; false (the dialog stays open) when nothing was printed.
bool TfPrint::PrintSheet(int fromPage, int toPage) {
    const platform::PrinterPage page = printer_.Page();
    TPrintInfo info = SheetInfo(page.dpiX, page.dpiY);
    info.PageWidth = page.width;
    info.PageHeight = page.height;
    CalcPrintLayout(printer_.Canvas(), source_.fonts, info);
    info.FromPage = fromPage;
    info.ToPage = toPage;
    info.PageFilter = cbPrint_->currentIndex();
    // A job always makes at least one sheet of paper: none is started that would be blank.
    if (SelectedPages(info).empty()) {
        WarnInvalidRange();
        return false;
    }
    std::string file;
    if (printer_.PrintsToFile()) {
        file = env_.dialogs.SaveFileName("Print to File", "PDF (*.pdf)", "", this);
        if (file.empty()) {
            return false;
        }
    }
    std::string error;
    QPainter* painter = printer_.BeginDoc(kJobTitle, file, error);
    if (painter == nullptr) {
        env_.dialogs.MessageBox(error, "Print", platform::MsgButtons::Ok, platform::MsgIcon::Error,
                                this);
        return false;
    }
    info.Printer = &printer_;
    DrawPrintPages(*painter, source_.fonts, info, *faces_);
    if (!printer_.EndDoc(error)) {
        env_.dialogs.MessageBox(error, "Print", platform::MsgButtons::Ok, platform::MsgIcon::Error,
                                this);
        return false;
    }
    SaveSettings();
    return true;
}

// Errors of the settings file are not the print job's: they are ignored.
void TfPrint::SaveSettings() {
    TPrintSettings settings;
    settings.left = seLeft_->value();
    settings.right = seRight_->value();
    settings.top = seTop_->value();
    settings.bottom = seBottom_->value();
    settings.nameColor = sFontName_->Color();
    settings.textColor = sString_->Color();
    settings.titleColor = sTitle_->Color();
    platform::IniFile file(env_.settingsFile);
    settings.Write(file);
}
