#include "details/ansitable.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "catalogue/fontinfo.h"
#include "controls/centring.h"
#include "controls/xpbutton.h"
#include "controls/xpcheckbox.h"
#include "details/chartablemodel.h"
#include "details/largechar.h"
#include "details/numbertext.h"
#include "details/propersize.h"
#include "details/recordface.h"
#include "platform/charactermap.h"
#include "platform/uifont.h"
#include "render/facefont.h"

namespace {

constexpr int kCellSize = 27;
constexpr int kGridTargetHeight = 24;
constexpr int kLargeTargetHeight = 120;
constexpr int kEditPixelHeight = 19;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& bounds) {
    auto* label = new QLabel(text, parent);
    if (name != nullptr) {
        label->setObjectName(name);
    }
    label->setGeometry(bounds);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* button = new TXPButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, 75, 25);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TfCharTable::TfCharTable(const platform::Services& services, QWidget* parent)
    : QDialog(parent), services_(services), model_(new TCharTableModel(this)) {
    setObjectName("fCharTable");
    setFixedSize(495, 438);
    setFont(platform::UiPixelFont(QStringLiteral("Tahoma"), 11));
    BuildTop();
    BuildGrid();
    // The window sees keys before its controls: Escape closes it wherever the focus is.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

TfCharTable::~TfCharTable() = default;

void TfCharTable::Execute(const TFontInfo& record, const platform::Services& services,
                          QWidget* owner) {
    TfCharTable window(services, owner);
    if (owner != nullptr) {
        CentreOver(&window, owner);
    }
    window.ShowFont(record);
    window.exec();
}

void TfCharTable::BuildTop() {
    auto* panel = new QFrame(this);
    panel->setObjectName("pnChar");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 145, 135);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    pbChar = new TLargeChar(panel);
    pbChar->setObjectName("pbChar");
    pbChar->setGeometry(2, 2, 141, 131);
    pbChar->OnClick = [this] { pbCharClick(); };
    MakeLabel(this, nullptr, "Hex :", QRect(166, 12, 56, 16));
    Hex = MakeLabel(this, "Hex", "0021", QRect(222, 12, 80, 16));
    MakeLabel(this, nullptr, "Decimal :", QRect(166, 32, 56, 16));
    Decimal = MakeLabel(this, "Decimal", "33", QRect(222, 32, 80, 16));
    eChars = new QLineEdit(this);
    eChars->setObjectName("eChars");
    eChars->setGeometry(166, 58, 321, 32);
    bbSelect = MakeButton(this, "bbSelect", "&Select", 166, 98);
    bbCopy = MakeButton(this, "bbCopy", "&Copy", 247, 98);
    connect(bbSelect, &QPushButton::clicked, this, &TfCharTable::bbSelectClick);
    connect(bbCopy, &QPushButton::clicked, this, &TfCharTable::bbCopyClick);
    cbAllChars = new TXPCheckBox("All characters of the font", this);
    cbAllChars->setObjectName("cbAllChars");
    cbAllChars->setGeometry(166, 126, 321, 18);
    connect(cbAllChars, &QCheckBox::toggled, this, &TfCharTable::cbAllCharsClick);
}

void TfCharTable::BuildGrid() {
    sgTable = new QTableView(this);
    sgTable->setObjectName("sgTable");
    sgTable->setModel(model_);
    sgTable->horizontalHeader()->hide();
    sgTable->verticalHeader()->hide();
    // A cell is 27 pixels with a grid line of 1 beside it.
    for (QHeaderView* header : {sgTable->horizontalHeader(), sgTable->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
        header->setDefaultSectionSize(kCellSize + 1);
    }
    sgTable->setShowGrid(true);
    sgTable->setSelectionMode(QAbstractItemView::SingleSelection);
    sgTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    sgTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgTable->setTabKeyNavigation(false);
    sgTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int width = TCharTableModel::kColumns * (kCellSize + 1) + 2 * sgTable->frameWidth() +
                      sgTable->verticalScrollBar()->sizeHint().width();
    sgTable->setGeometry((495 - width) / 2, 151, width, 438 - 151 - 8);
    connect(
        sgTable->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { sgTableSelectCell(current.column(), current.row()); });
    connect(sgTable, &QTableView::doubleClicked, this, &TfCharTable::bbSelectClick);
}

void TfCharTable::ShowFont(const TFontInfo& record) {
    faceName_ = record.FullName();
    faceFile_ = RecordFaceFile(record, services_);
    const QFont face = FaceFont(services_.fontTable, faceName_);
    heights_ = std::make_unique<TFaceHeights>(face, pbChar);
    QFont gridFont = face;
    gridFont.setPointSize(GetProperFontSize(kGridTargetHeight));
    sgTable->setFont(gridFont);
    QFont largeFont = face;
    const int largeSize = GetProperFontSize(kLargeTargetHeight);
    pbChar->setProperty("tag", largeSize);
    largeFont.setPointSize(largeSize);
    pbChar->SetCharFont(largeFont);
    QFont editFont = face;
    editFont.setPixelSize(kEditPixelHeight);
    eChars->setFont(editFont);
    UpdateCaption();
}

int TfCharTable::GetProperFontSize(int target) {
    if (!heights_) {
        heights_ = std::make_unique<TFaceHeights>(FaceFont(services_.fontTable, faceName_), pbChar);
    }
    return heights_->ProperSize(target);
}

void TfCharTable::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TfCharTable::FormShow() {
    FillGrid();
    eChars->clear();
}

void TfCharTable::FillGrid() {
    if (cbAllChars->isChecked()) {
        std::vector<char32_t> codes;
        if (faceFile_ && services_.characterMap != nullptr) {
            codes = services_.characterMap->CodePoints(faceFile_->path, faceFile_->faceIndex);
        }
        // Fonts map control codes (0, carriage return) to empty glyphs; they are no
        // characters to look at or collect.
        std::erase_if(codes,
                      [](char32_t code) { return QChar::category(code) == QChar::Other_Control; });
        model_->SetCodes(std::move(codes));
    } else {
        model_->SetCodes(TCharTableModel::SingleByteCodes());
    }
    UpdateCaption();
    sgTable->scrollToTop();
    if (model_->CodeCount() > 0) {
        sgTable->setCurrentIndex(model_->index(0, 0));
    }
    sgTableSelectCell(0, 0);
}

void TfCharTable::UpdateCaption() {
    QString caption = "Character Map -  " + QString::fromStdString(faceName_);
    if (cbAllChars->isChecked()) {
        caption += QString(" (%1 characters)").arg(GroupedNumber(model_->CodeCount()));
    }
    setWindowTitle(caption);
}

void TfCharTable::sgTableSelectCell(int column, int row) {
    const char32_t code = model_->CodeAt(row, column);
    DrawLargeChar();
    if (code == TCharTableModel::kNoCharacter) {
        Hex->clear();
        Decimal->clear();
        return;
    }
    Hex->setText(QString("%1").arg(static_cast<uint>(code), 4, 16, QChar('0')).toUpper());
    Decimal->setText(QString::number(static_cast<uint>(code)));
}

void TfCharTable::DrawLargeChar() {
    const QModelIndex current = sgTable->currentIndex();
    pbChar->SetText(current.isValid() ? model_->TextAt(current.row(), current.column())
                                      : QString());
}

void TfCharTable::bbSelectClick() {
    const QModelIndex current = sgTable->currentIndex();
    if (current.isValid()) {
        eChars->end(false);
        eChars->insert(model_->TextAt(current.row(), current.column()));
    }
}

void TfCharTable::bbCopyClick() {
    eChars->selectAll();
    eChars->copy();
}

void TfCharTable::pbCharClick() {
    // Without a character there is nothing to copy, and the clipboard keeps what it holds.
    if (!pbChar->Text().isEmpty()) {
        QApplication::clipboard()->setText(pbChar->Text());
    }
}

void TfCharTable::cbAllCharsClick() {
    FillGrid();
}

bool TfCharTable::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
        if (watched == sgTable && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            bbSelectClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
