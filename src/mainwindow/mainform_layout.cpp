// The window's controls, from the top strip down to the status bar.
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/shading.h"
#include "controls/xlabel.h"
#include "controls/xpanel.h"
#include "mainwindow/mainform.h"
#include "mainwindow/mainstatusbar.h"
#include "mainwindow/samplebar.h"
#include "platform/dialogs.h"
#include "preview/xfontlistview.h"

namespace {

constexpr int kTopStripHeight = 30;
constexpr int kFavPaneMinWidth = 100;
constexpr std::uint32_t kSelColor = 33023;
constexpr const char* kFormSampleText = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890";

}  // namespace

void TMainForm::BuildLayout() {
    auto* central = new QWidget(this);
    central->setObjectName("Client");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildTopStrip());
    // The sample bar edits the view; the view joins the window below the mode tabs.
    BuildFontView();
    pnSample = new TSampleBar(*FontView, platform::CurrentDialogs(), central);
    pnSample->OnContextMenu = [this](QPoint pos) { SampleTextContext->popup(pos); };
    column->addWidget(pnSample);
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

    StatusBar1 = new TMainStatusBar(central);
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
    auto* row = new QHBoxLayout(XPanel1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

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

QWidget* TMainForm::BuildCentre() {
    auto* centre = new QWidget(Splitter1);
    centre->setObjectName("pnCentre");
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    pnModes = new TModeBar(centre);
    pnModes->OnTabClick = [this](TModeTab tab) { TabClick(tab); };
    pnModes->OnAddFolder = [this] { AddFolderCommand(); };
    pnModes->OnFolderMenu = [this](QPoint pos) { FoldersContext->popup(pos); };
    column->addWidget(pnModes);
    // Placing the view here puts it after the tabs in the window's tab order.
    column->addWidget(FontView, 1);
    return centre;
}

void TMainForm::BuildFontView() {
    // Made without a parent: it joins the window, and its tab order, where it is placed.
    FontView = new TXFontListView(services_);
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
