#include "details/properties.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <exception>
#include <string>

#include "catalogue/fontbytes.h"
#include "catalogue/fontinfo.h"
#include "catalogue/nametable.h"
#include "controls/centring.h"
#include "controls/xpbutton.h"
#include "controls/xpgroupbox.h"
#include "details/metricspicture.h"
#include "details/numbertext.h"
#include "details/recordface.h"
#include "fileops/fileutil.h"
#include "fileops/paths.h"
#include "platform/collation.h"
#include "platform/language.h"
#include "platform/uifont.h"

namespace {

constexpr int kMetricsPixelHeight = 12;

QString Text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QRect& bounds) {
    auto* label = new QLabel(caption, parent);
    // Names come from font files: never let one be taken for markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(bounds);
    return label;
}

// A caption ("Full Name :") and its value label, which gets the component name.
QLabel* MakePair(QWidget* parent, const char* name, const QString& caption, int x, int y,
                 int captionWidth, int valueWidth, Qt::Alignment valueAlignment = Qt::AlignLeft) {
    MakeLabel(parent, caption, QRect(x, y, captionWidth, 16));
    QLabel* value = MakeLabel(parent, {}, QRect(x + captionWidth, y, valueWidth, 16));
    value->setObjectName(name);
    value->setAlignment(valueAlignment | Qt::AlignVCenter);
    return value;
}

QPlainTextEdit* MakeNameBox(QWidget* parent, const char* name, const char* caption, int y) {
    auto* group = new TXPGroupBox(caption, parent);
    group->setGeometry(8, y, 362, 72);
    auto* box = new QPlainTextEdit(group);
    box->setObjectName(name);
    box->setGeometry(8, 18, 346, 48);
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
    return box;
}

// The face's full name read for US English, as a record preset to that language would read
// it; empty when the file offers none or cannot be read. A broken name table was reported
// when the record itself was read, so it is not reported again here.
std::string EnglishFullName(const TFontInfo& record) {
    catalogue::FontBytes bytes(record.FileName());
    if (record.FileName().empty() || !bytes.Open()) {
        return {};
    }
    std::string fullName;
    const catalogue::NameRequest request{record.FaceOffset(), record.UserLanguage(),
                                         platform::kLangEnglishUs, true};
    catalogue::ReadNames(bytes, request, {nullptr, nullptr, nullptr, nullptr, &fullName});
    return fullName;
}

QString TitleOf(const TFontInfo& record) {
    std::string english;
    try {
        english = EnglishFullName(record);
    } catch (const std::exception&) {
        english.clear();
    }
    if (english.empty() || platform::CompareStrI(english, record.FullName()) == 0) {
        return Text(record.FullName());
    }
    return QString("%1 (%2)").arg(Text(record.FullName()), Text(english));
}

QString Pixels(int value) {
    return QString::number(value) + " px";
}

}  // namespace

TfFontInfo::TfFontInfo(const platform::Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName("fFontInfo");
    setWindowTitle("Properties");
    setFixedSize(402, 426);
    setFont(platform::UiPixelFont(QStringLiteral("MS Sans Serif"), 12));
    pcInfo = new QTabWidget(this);
    pcInfo->setObjectName("pcInfo");
    pcInfo->setGeometry(8, 8, 386, 378);
    BuildGeneral();
    BuildMetrics();
    bOK = new TXPButton("OK", this);
    bOK->setObjectName("bOK");
    bOK->setGeometry(319, 393, 75, 25);
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfFontInfo::Execute(const TFontInfo& record, bool screenMode,
                         const platform::Services& services, QWidget* owner) {
    TfFontInfo window(services, owner);
    if (owner != nullptr) {
        CentreOver(&window, owner);
    }
    window.ShowFont(record, screenMode);
    window.exec();
}

void TfFontInfo::BuildGeneral() {
    tsGeneral = new QWidget;
    tsGeneral->setObjectName("tsGeneral");
    pcInfo->addTab(tsGeneral, "General");
    auto* icon = new QLabel(tsGeneral);
    icon->setGeometry(12, 10, 32, 32);
    const QPixmap fontIcon(":/images/FONT.png");
    if (!fontIcon.isNull()) {
        icon->setPixmap(fontIcon.scaled(32, 32, Qt::KeepAspectRatio, Qt::FastTransformation));
    }
    FontTitle = MakeLabel(tsGeneral, {}, QRect(52, 17, 326, 18));
    FontTitle->setObjectName("FontTitle");
    QFont titleFont = font();
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    FontTitle->setFont(titleFont);
    auto* line = new QFrame(tsGeneral);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, 50, 362, 2);
    FullName = MakePair(tsGeneral, "FullName", "Full Name :", 12, 62, 96, 262);
    FamilyName = MakePair(tsGeneral, "FamilyName", "Family Name :", 12, 82, 96, 262);
    Version = MakePair(tsGeneral, "Version", "Version :", 12, 102, 96, 262);
    Copyright = MakeNameBox(tsGeneral, "Copyright", "Copyright", 126);
    Trademark = MakeNameBox(tsGeneral, "Trademark", "Trademark", 204);
    FileName = MakePair(tsGeneral, "FileName", "Filename :", 12, 286, 96, 262);
    Folder = MakePair(tsGeneral, "Folder", "Folder :", 12, 306, 96, 262);
    Size = MakePair(tsGeneral, "Size", "Size :", 12, 326, 96, 262);
}

void TfFontInfo::BuildMetrics() {
    tsMetrics = new QWidget;
    tsMetrics->setObjectName("tsMetrics");
    pcInfo->addTab(tsMetrics, "Metrics");
    imMetrics = new QLabel(tsMetrics);
    imMetrics->setObjectName("imMetrics");
    imMetrics->setGeometry(2, 4, 377, 225);
    imMetrics->setPixmap(MetricsPicture());
    struct Value {
        QLabel*& label;
        const char* name;
        const char* caption;
    };
    const Value left[] = {{lHeight, "lHeight", "Height :"},
                          {lAscent, "lAscent", "Ascent :"},
                          {lDescent, "lDescent", "Descent :"},
                          {lLineGap, "lLineGap", "LineGap :"}};
    const Value right[] = {{lExtLeading, "lExtLeading", "ExternalLeading :"},
                           {lIntLeading, "lIntLeading", "InternalLeading :"},
                           {lAvgCharWidth, "lAvgCharWidth", "Average Char Width :"},
                           {lMaxCharWidth, "lMaxCharWidth", "Max Char Width :"}};
    for (int row = 0; row < 4; ++row) {
        const int y = 242 + 20 * row;
        left[row].label =
            MakePair(tsMetrics, left[row].name, left[row].caption, 10, y, 70, 80, Qt::AlignRight);
        right[row].label = MakePair(tsMetrics, right[row].name, right[row].caption, 182, y, 138, 50,
                                    Qt::AlignRight);
    }
}

void TfFontInfo::ShowFont(const TFontInfo& record, bool screenMode) {
    ShowMetrics(record);
    FontTitle->setText(TitleOf(record));
    ShowNames(record);
    ShowFile(record);
    pcInfo->setTabVisible(pcInfo->indexOf(tsGeneral), !screenMode);
    pcInfo->setCurrentWidget(screenMode ? tsMetrics : tsGeneral);
}

void TfFontInfo::ShowMetrics(const TFontInfo& record) {
    const auto metrics = FaceMetrics(record, services_, kMetricsPixelHeight);
    const auto show = [&](QLabel* label, int platform::OutlineMetrics::*field) {
        label->setText(metrics ? Pixels((*metrics).*field) : QString());
    };
    show(lHeight, &platform::OutlineMetrics::height);
    show(lAscent, &platform::OutlineMetrics::ascent);
    show(lDescent, &platform::OutlineMetrics::descent);
    show(lLineGap, &platform::OutlineMetrics::lineGap);
    show(lExtLeading, &platform::OutlineMetrics::externalLeading);
    show(lIntLeading, &platform::OutlineMetrics::internalLeading);
    show(lAvgCharWidth, &platform::OutlineMetrics::averageCharWidth);
    show(lMaxCharWidth, &platform::OutlineMetrics::maxCharWidth);
}

void TfFontInfo::ShowNames(const TFontInfo& record) {
    FullName->setText(Text(record.FullName()));
    // The first lazy name reads the whole name set once; the record keeps it for next time.
    FamilyName->setText(Text(record.FamilyName()));
    Version->setText(Text(record.Version()));
    Copyright->setPlainText(Text(record.Copyright()));
    Trademark->setPlainText(Text(record.Trademark()));
}

void TfFontInfo::ShowFile(const TFontInfo& record) {
    const std::string& path = record.FileName();
    FileName->setText(Text(ExtractFileName(path)));
    Folder->setText(Text(FolderPart(path)));
    Size->setText(GroupedNumber(GetFileSize(path)) + " bytes");
}
