// The window's controls, from the top strip down to the status bar.
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/btnstatusbar.h"
#include "controls/imagelist.h"
#include "controls/shading.h"
#include "controls/xpanel.h"
#include "platform/colorref.h"
#include "controls/ximagelabel.h"
#include "controls/xlabel.h"
#include "mainwindow/mainform.h"
#include "preview/xfontlistview.h"

namespace {

constexpr int kTopStripHeight = 30;
constexpr int kSampleBarHeight = 23;
constexpr int kStylePanelWidth = 198;
constexpr int kTabWidth = 84;
constexpr int kTabHeight = 21;
constexpr int kFolderBarHeight = 21;
constexpr int kFavPaneMinWidth = 100;
constexpr std::uint32_t kSelColor = 33023;
constexpr const char* kFormSampleText = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890";

QHBoxLayout* RowLayout(QWidget* owner) {
    auto* layout = new QHBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QFrame* NewColorBox(QWidget* parent, const char* name, int tag, const char* hint, int x, int y) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    box->setProperty("tag", tag);
    box->setToolTip(hint);
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    box->setGeometry(x, y, 16, 15);
    box->setCursor(Qt::PointingHandCursor);
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

void TMainForm::LoadBitmaps() {
    // A picture that fails to load stays empty; what is drawn with it then shows nothing.
    const qreal ratio = devicePixelRatioF();
    fontBitmap_ = ResourceBitmap(":/images/FONT.png", ratio);
    folderBitmap_ = ResourceBitmap(":/images/FONTFOLDER.png", ratio);
    tabBitmap_ = ResourceBitmap(":/images/TAB.png", ratio);
    tabSelectedBitmap_ = ResourceBitmap(":/images/TAB_SELECTED.png", ratio);
}

void TMainForm::BuildLayout() {
    auto* central = new QWidget(this);
    central->setObjectName("Client");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildTopStrip());
    column->addWidget(BuildSampleBar());
    for (const char* name : {"SampleLine1", "SampleLine2"}) {
        auto* line = new QWidget(central);
        line->setObjectName(name);
        line->setFixedHeight(1);
        line->setAutoFillBackground(true);
        column->addWidget(line);
    }

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    pnFavorites = new QWidget(Splitter1);
    pnFavorites->setObjectName("pnFavorites");
    pnFavorites->setMinimumWidth(kFavPaneMinWidth);
    pnFavorites->hide();
    Splitter1->addWidget(pnFavorites);
    Splitter1->addWidget(BuildCentre());
    Splitter1->setStretchFactor(1, 1);
    connect(Splitter1, &QSplitter::splitterMoved, this,
            [this] { favPaneWidth_ = pnFavorites->width(); });
    column->addWidget(Splitter1, 1);

    StatusBar1 = new TBtnStatusBar(central);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->SetItems(QStringList{"=100 Fonts", "=Selected"});
    StatusBar1->SetHeadColor(QColor(0, 0, 255));
    StatusBar1->SetHotColor(palette().color(QPalette::WindowText));
    column->addWidget(StatusBar1);
    setCentralWidget(central);
}

void TMainForm::ShowFavoritesPane(bool shown) {
    if (!shown) {
        pnFavorites->hide();
        return;
    }
    pnFavorites->show();
    const int rest = std::max(1, Splitter1->width() - favPaneWidth_ - Splitter1->handleWidth());
    Splitter1->setSizes({favPaneWidth_, rest});
}

QToolBar* TMainForm::NewToolBar(const char* name) {
    auto* bar = new QToolBar(XPanel1);
    bar->setObjectName(name);
    bar->setIconSize(QSize(22, 22));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(kTopStripHeight);
    // The buttons keep their room; the credit at the right gives way on a narrow window.
    bar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return bar;
}

QWidget* TMainForm::BuildTopStrip() {
    auto* strip = new TXPanel(this);
    strip->OnPaint = [](TXPanel& sender, QPainter& canvas) {
        PaintGradient(canvas, sender.rect(), sender.palette().color(QPalette::Button));
    };
    XPanel1 = strip;
    XPanel1->setObjectName("XPanel1");
    XPanel1->setFixedHeight(kTopStripHeight);
    auto* row = RowLayout(XPanel1);

    ToolBar1 = NewToolBar("ToolBar1");
    actions_->Fill(*ToolBar1, TActionPlace::PrintBar);
    ToolBar2 = NewToolBar("ToolBar2");
    ToolBar2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    actions_->Fill(*ToolBar2, TActionPlace::FavoritesBar);
    ToolBar4 = NewToolBar("ToolBar4");
    actions_->Fill(*ToolBar4, TActionPlace::CommandBar);
    for (QToolBar* bar : {ToolBar1, ToolBar2, ToolBar4}) {
        row->addWidget(bar);
    }

    lbCredit = new TXLabel(XPanel1);
    lbCredit->setObjectName("lbCredit");
    lbCredit->SetCaption(std::string("<c808080>by </c><b>the Glyphwell Viewer authors</b>"));
    lbCredit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbCredit->SetTransparent(true);
    lbCredit->setCursor(Qt::PointingHandCursor);
    lbCredit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lbCredit->OnClick = [this] { Homepage1Click(); };
    row->addWidget(lbCredit, 1);
    row->addSpacing(6);
    return XPanel1;
}

QWidget* TMainForm::BuildSampleBar() {
    pnSample = new QWidget(this);
    pnSample->setObjectName("pnSample");
    pnSample->setFixedHeight(kSampleBarHeight);
    auto* row = RowLayout(pnSample);
    row->setContentsMargins(4, 0, 0, 0);
    lbText = new QLabel("&Text :", pnSample);
    lbText->setObjectName("lbText");
    cbString = new QComboBox(pnSample);
    cbString->setObjectName("cbString");
    cbString->setEditable(true);
    cbString->setInsertPolicy(QComboBox::NoInsert);
    cbString->setMaxVisibleItems(20);
    lbText->setBuddy(cbString);
    for (QWidget* w : {static_cast<QWidget*>(lbText), static_cast<QWidget*>(cbString)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { SampleTextContext->popup(w->mapToGlobal(pos)); });
    }
    row->addWidget(lbText);
    row->addSpacing(6);
    row->addWidget(cbString, 1);
    row->addSpacing(6);

    pnStyle = new QWidget(pnSample);
    pnStyle->setObjectName("pnStyle");
    pnStyle->setFixedWidth(kStylePanelWidth);
    auto* styleRow = RowLayout(pnStyle);
    styleRow->addWidget(BuildStyleButtons(pnStyle));
    cbFontSize = new QComboBox(pnStyle);
    cbFontSize->setObjectName("cbFontSize");
    cbFontSize->setEditable(true);
    cbFontSize->setInsertPolicy(QComboBox::NoInsert);
    cbFontSize->setFixedWidth(41);
    cbFontSize->addItems({"8", "9", "10", "11", "12", "14", "16", "18", "20", "24", "30", "36",
                          "48", "60", "72", "80"});
    styleRow->addWidget(cbFontSize);
    styleRow->addSpacing(4);
    row->addWidget(pnStyle);

    connect(cbString, &QComboBox::editTextChanged, this,
            [this](const QString& text) { FontView->SetText(text.toUtf8().toStdString()); });
    connect(cbFontSize, &QComboBox::editTextChanged, this,
            [this](const QString& text) { cbFontSizeChange(text); });
    return pnSample;
}

QWidget* TMainForm::BuildStyleButtons(QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* row = RowLayout(holder);
    auto* colors = new QWidget(holder);
    colors->setFixedSize(48, kSampleBarHeight);
    // The background swatch lies under the text swatch, down and to the right of it.
    sBackColor = NewColorBox(colors, "sBackColor", 1, "Background Color", 12, 7);
    sForeColor = NewColorBox(colors, "sForeColor", 0, "Font Color", 4, 2);
    sFontNameColor = NewColorBox(colors, "sFontNameColor", 2, "FontName Color", 30, 4);
    sForeColor->raise();
    row->addWidget(colors);

    sbBold = NewStyleButton(holder, "sbBold", 0, "bold", "Bold (Ctrl+B)");
    sbItalic = NewStyleButton(holder, "sbItalic", 1, "italic", "Italic (Ctrl+I)");
    sbUnderline = NewStyleButton(holder, "sbUnderline", 2, "underline", "Underline (Ctrl+U)");
    for (QToolButton* button : {sbBold, sbItalic, sbUnderline}) {
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, button] { sbBoldClick(button); });
    }
    row->addSpacing(4);
    return holder;
}

QWidget* TMainForm::BuildCentre() {
    auto* centre = new QWidget(Splitter1);
    centre->setObjectName("pnCentre");
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildTabBar());
    column->addSpacing(2);
    column->addWidget(BuildFolderBar());
    BuildFontView();
    column->addWidget(FontView, 1);
    return centre;
}

QWidget* TMainForm::BuildTabBar() {
    TabBar = new QWidget(this);
    TabBar->setObjectName("TabBar");
    TabBar->setAutoFillBackground(true);
    QPalette white = TabBar->palette();
    white.setColor(QPalette::Window, Qt::white);
    TabBar->setPalette(white);
    TabBar->setFixedHeight(kTabHeight + 1);
    auto* row = RowLayout(TabBar);
    row->setContentsMargins(4, 1, 0, 0);
    tabGroup_ = new QButtonGroup(TabBar);
    tabGroup_->setExclusive(true);
    const struct {
        QToolButton** button;
        const char* name;
        const char* caption;
        const char* hint;
    } tabs[] = {{&tbScreen, "tbScreen", "Screen", "Alt+1"},
                {&tbInstalled, "tbInstalled", "Installed", "Alt+2"},
                {&tbFolders, "tbFolders", "Folders", "Alt+3"},
                {&tbSelected, "tbSelected", "Selected", "Alt+4"},
                {&tbFavGroup, "tbFavGroup", "", ""}};
    int tag = 0;
    for (const auto& tab : tabs) {
        auto* button = new QToolButton(TabBar);
        button->setObjectName(tab.name);
        button->setText(tab.caption);
        button->setToolTip(tab.hint);
        button->setProperty("tag", tag);
        button->setCheckable(true);
        button->setFixedSize(kTabWidth, kTabHeight);
        tabGroup_->addButton(button, tag);
        row->addWidget(button);
        *tab.button = button;
        connect(button, &QToolButton::clicked, this, [this, tag] { TabClick(tag); });
        ++tag;
    }
    // The favorites tab only shows which group is open; it never runs a command.
    tbFavGroup->setEnabled(false);
    tbFavGroup->hide();
    row->addStretch(1);
    return TabBar;
}

QWidget* TMainForm::BuildFolderBar() {
    pnFolders = new QWidget(this);
    pnFolders->setObjectName("pnFolders");
    pnFolders->setFixedHeight(kFolderBarHeight);
    auto* row = RowLayout(pnFolders);
    sbAddFolder = new QToolButton(pnFolders);
    sbAddFolder->setObjectName("sbAddFolder");
    sbAddFolder->setText("Add");
    sbAddFolder->setIcon(QIcon(":/images/addfolder.png"));
    sbAddFolder->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    sbAddFolder->setAutoRaise(true);
    sbAddFolder->setFixedHeight(kFolderBarHeight);
    connect(sbAddFolder, &QToolButton::clicked, this, [this] { AddFolderCommand(); });
    row->addWidget(sbAddFolder);
    auto* line = new QFrame(pnFolders);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addSpacing(2);
    row->addWidget(line);
    row->addSpacing(2);

    const QPixmap folderPicture = ResourceBitmap(":/images/folder.png", devicePixelRatioF());
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        auto* label = new TXImageLabel(pnFolders);
        label->setObjectName(QString("ilFolder%1").arg(slot + 1));
        label->setProperty("tag", slot);
        label->SetImage(folderPicture);
        label->SetLeftMargin(4);
        label->SetRightMargin(4);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->SetTransparent(true);
        label->setFixedHeight(kFolderBarHeight);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        label->hide();
        connect(label, &QWidget::customContextMenuRequested, this, [this, label, slot](QPoint pos) {
            // FoldersContextPopup: the item remembers which slot it removes.
            folderMenuSlot_ = slot;
            FoldersContext->popup(label->mapToGlobal(pos));
        });
        ilFolder[slot] = label;
        row->addWidget(label);
    }
    row->addStretch(1);
    lbFolderHint = new QLabel("To remove folder from the list ", pnFolders);
    lbFolderHint->setObjectName("lbFolderHint");
    lbFolderHint->setToolTip("Click right  button on folder name");
    row->addWidget(lbFolderHint);
    pnFolders->hide();
    return pnFolders;
}

void TMainForm::BuildFontView() {
    FontView = new TXFontListView(services_, this);
    FontView->setObjectName("FontView");
    FontView->SetBorderSingle(false);
    FontView->SetSelColor(kSelColor);
    FontView->SetShowFileInfo(true);
    FontView->SetShowFullPath(true);
    FontView->SetText(kFormSampleText);
    FontView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FontView, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { PopupMenu1->popup(FontView->mapToGlobal(pos)); });
    FontView->OnChange = [this](TXFontListView&) { FontViewChange(); };
    FontView->OnChangeSelected = [this](TXFontListView&) { FontViewChangeSelected(); };
    FontView->OnChangeFontSize = [this](TXFontListView&) { FontViewChangeFontSize(); };
    connect(FontView, &TXFontListView::keyDown, this, [this](QKeyEvent* e) { FontViewKeyDown(e); });
    connect(FontView, &TXFontListView::mouseDown, this,
            [this](QMouseEvent* e) { FontViewMouseDown(e); });
}
