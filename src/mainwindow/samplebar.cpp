#include "mainwindow/samplebar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

#include "controls/colorbox.h"
#include "controls/xpcombobox.h"
#include "platform/dialogs.h"
#include "preview/xfontlistview.h"

namespace {

constexpr int kSampleBarHeight = 23;
constexpr int kStylePanelWidth = 198;

QHBoxLayout* RowLayout(QWidget* owner) {
    auto* layout = new QHBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

TColorBox* NewColorBox(QWidget* parent, const char* name, int tag, const char* hint, int x, int y) {
    auto* box = new TColorBox(parent);
    box->setObjectName(name);
    box->setProperty("tag", tag);
    box->setToolTip(hint);
    box->setGeometry(x, y, 16, 15);
    return box;
}

QToolButton* NewStyleButton(QWidget* parent, const char* name, int tag, const char* image,
                            const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setProperty("tag", tag);
    button->setIcon(QIcon(QString(":/images/") + image + ".png"));
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFixedSize(22, 22);
    return button;
}

}  // namespace

TSampleBar::TSampleBar(TXFontListView& view, platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      view_(view),
      dialogs_(dialogs),
      lbText_(new QLabel("&Text :", this)),
      cbString_(new TXPComboBox(this)) {
    setObjectName("pnSample");
    setFixedHeight(kSampleBarHeight);
    auto* row = RowLayout(this);
    row->setContentsMargins(4, 0, 0, 0);
    lbText_->setObjectName("lbText");
    cbString_->setObjectName("cbString");
    cbString_->setEditable(true);
    cbString_->setInsertPolicy(QComboBox::NoInsert);
    cbString_->setMaxVisibleItems(20);
    lbText_->setBuddy(cbString_);
    for (QWidget* w : {static_cast<QWidget*>(lbText_), static_cast<QWidget*>(cbString_)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint& pos) {
            if (OnContextMenu) {
                OnContextMenu(w->mapToGlobal(pos));
            }
        });
    }
    row->addWidget(lbText_);
    row->addSpacing(6);
    row->addWidget(cbString_, 1);
    row->addSpacing(6);

    auto* pnStyle = new QWidget(this);
    pnStyle->setObjectName("pnStyle");
    pnStyle->setFixedWidth(kStylePanelWidth);
    auto* styleRow = RowLayout(pnStyle);
    styleRow->addWidget(BuildStyleButtons());
    cbFontSize_ = new TXPComboBox(pnStyle);
    cbFontSize_->setObjectName("cbFontSize");
    cbFontSize_->setEditable(true);
    cbFontSize_->setInsertPolicy(QComboBox::NoInsert);
    cbFontSize_->setFixedWidth(41);
    cbFontSize_->addItems({"8", "9", "10", "11", "12", "14", "16", "18", "20", "24", "30", "36",
                           "48", "60", "72", "80"});
    styleRow->addWidget(cbFontSize_);
    styleRow->addSpacing(4);
    row->addWidget(pnStyle);

    connect(cbString_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { view_.SetText(text.toUtf8().toStdString()); });
    connect(cbFontSize_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { SizeChange(text); });
}

QWidget* TSampleBar::BuildStyleButtons() {
    auto* holder = new QWidget(this);
    auto* row = RowLayout(holder);
    auto* colors = new QWidget(holder);
    colors->setFixedSize(48, kSampleBarHeight);
    // The background swatch lies under the text swatch, down and to the right of it.
    sBackColor_ = NewColorBox(colors, "sBackColor", 1, "Background Color", 12, 7);
    sForeColor_ = NewColorBox(colors, "sForeColor", 0, "Font Color", 4, 2);
    sFontNameColor_ = NewColorBox(colors, "sFontNameColor", 2, "FontName Color", 30, 4);
    sForeColor_->raise();
    for (TColorBox* box : {sForeColor_, sBackColor_, sFontNameColor_}) {
        box->OnClick = [this](TColorBox& sender) { ColorClick(sender); };
    }
    row->addWidget(colors);

    styleButtons_[0] = NewStyleButton(holder, "sbBold", 0, "bold", "Bold (Ctrl+B)");
    styleButtons_[1] = NewStyleButton(holder, "sbItalic", 1, "italic", "Italic (Ctrl+I)");
    styleButtons_[2] = NewStyleButton(holder, "sbUnderline", 2, "underline", "Underline (Ctrl+U)");
    for (QToolButton* button : styleButtons_) {
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, button] { StyleClick(button); });
    }
    row->addSpacing(4);
    return holder;
}

void TSampleBar::ShowViewSettings() {
    cbString_->setEditText(QString::fromUtf8(view_.Text()));
    cbString_->lineEdit()->setCursorPosition(0);
    cbFontSize_->setEditText(QString::number(view_.FontSize()));
    sForeColor_->SetColor(view_.TextColor());
    sBackColor_->SetColor(view_.Color());
    sFontNameColor_->SetColor(view_.NameColor());
}

void TSampleBar::ShowStyle() {
    for (QToolButton* button : styleButtons_) {
        const int bit = 1 << button->property("tag").toInt();
        button->setChecked((view_.FontStyle() & bit) != 0);
    }
}

void TSampleBar::ShowFontSize() {
    cbFontSize_->setEditText(QString::number(view_.FontSize()));
}

void TSampleBar::ToggleStyle(int tag) {
    QToolButton* button = styleButtons_[tag];
    button->setChecked(!button->isChecked());
    StyleClick(button);
}

void TSampleBar::StyleClick(QToolButton* button) {
    // The button's tag is the style's index: 0 bold, 1 italic, 2 underline.
    const auto bit = static_cast<TFontStyles>(1u << button->property("tag").toInt());
    TFontStyles style = view_.FontStyle();
    style = button->isChecked() ? static_cast<TFontStyles>(style | bit)
                                : static_cast<TFontStyles>(style & ~bit);
    view_.SetFontStyle(style);
}

void TSampleBar::ColorClick(TColorBox& box) {
    std::uint32_t color = box.Color();
    if (!dialogs_.ChooseColor(color, window())) {
        return;
    }
    switch (box.property("tag").toInt()) {
        case 0:
            view_.SetTextColor(color);
            break;
        case 1:
            view_.SetColor(color);
            break;
        default:
            view_.SetNameColor(color);
            break;
    }
    box.SetColor(color);
}

void TSampleBar::SizeChange(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    bool isNumber = false;
    const int size = text.toInt(&isNumber);
    if (isNumber) {
        // Sizes the list refuses (below 5, above 100) leave the typed text in the box.
        view_.SetFontSize(size);
    } else {
        ShowFontSize();
    }
}

std::string TSampleBar::FontSizeText() const {
    return cbFontSize_->currentText().toStdString();
}

std::vector<std::string> TSampleBar::History() const {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(cbString_->count()));
    for (int i = 0; i < cbString_->count(); ++i) {
        texts.push_back(cbString_->itemText(i).toUtf8().toStdString());
    }
    return texts;
}

void TSampleBar::SetHistory(const std::vector<std::string>& texts) {
    QStringList items;
    for (const std::string& text : texts) {
        items.append(QString::fromUtf8(text));
    }
    // Filling the list must not replace the sample text shown.
    const QSignalBlocker blocker(cbString_);
    cbString_->clear();
    cbString_->addItems(items);
    cbString_->setCurrentIndex(-1);
}
