#include "mainwindow/modebar.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/imagelist.h"
#include "controls/ximagelabel.h"
#include "controls/xptabbar.h"
#include "fileops/paths.h"

namespace {

constexpr int kFolderBarHeight = 21;

}  // namespace

TModeBar::TModeBar(QWidget* parent) : QWidget(parent) {
    setObjectName("pnModes");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildTabs();
    column->addWidget(tabs_);
    column->addSpacing(2);
    column->addWidget(BuildFolderBar());
}

void TModeBar::BuildTabs() {
    tabs_ = new TXPTabBar(this);
    tabs_->setObjectName("TabBar");
    tabs_->SetFaces(ResourceBitmap(":/images/TAB.png", devicePixelRatioF()),
                    ResourceBitmap(":/images/TAB_SELECTED.png", devicePixelRatioF()));
    tab_[mtScreen] = tabs_->AddTab("tbScreen", "Screen", "Alt+1");
    tab_[mtInstalled] = tabs_->AddTab("tbInstalled", "Installed", "Alt+2");
    tab_[mtFolders] = tabs_->AddTab("tbFolders", "Folders", "Alt+3");
    tab_[mtSelected] = tabs_->AddTab("tbSelected", "Selected", "Alt+4");
    tab_[mtFavGroup] = tabs_->AddTab("tbFavGroup", "", "");
    // The favorites tab only shows which group is open; it never runs a command.
    tab_[mtFavGroup]->setEnabled(false);
    tab_[mtFavGroup]->hide();
    tabs_->OnTabClick = [this](int index) {
        if (OnTabClick) {
            OnTabClick(static_cast<TModeTab>(index));
        }
    };
}

QWidget* TModeBar::BuildFolderBar() {
    folderBar_ = new QWidget(this);
    folderBar_->setObjectName("pnFolders");
    folderBar_->setFixedHeight(kFolderBarHeight);
    auto* row = new QHBoxLayout(folderBar_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* add = new QToolButton(folderBar_);
    add->setObjectName("sbAddFolder");
    add->setText("Add");
    add->setIcon(QIcon(":/images/addfolder.png"));
    add->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    add->setAutoRaise(true);
    add->setFixedHeight(kFolderBarHeight);
    connect(add, &QToolButton::clicked, this, [this] {
        if (OnAddFolder) {
            OnAddFolder();
        }
    });
    row->addWidget(add);
    auto* line = new QFrame(folderBar_);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addSpacing(2);
    row->addWidget(line);
    row->addSpacing(2);
    const QPixmap folderPicture = ResourceBitmap(":/images/folder.png", devicePixelRatioF());
    for (int slot = 0; slot < kFolderSlots; ++slot) {
        ilFolder_[slot] = NewFolderSlot(folderBar_, slot, folderPicture);
        row->addWidget(ilFolder_[slot]);
    }
    row->addStretch(1);
    auto* hint = new QLabel("To remove folder from the list ", folderBar_);
    hint->setObjectName("lbFolderHint");
    hint->setToolTip("Click right  button on folder name");
    row->addWidget(hint);
    folderBar_->hide();
    return folderBar_;
}

TXImageLabel* TModeBar::NewFolderSlot(QWidget* parent, int slot, const QPixmap& picture) {
    auto* label = new TXImageLabel(parent);
    label->setObjectName(QString("ilFolder%1").arg(slot + 1));
    label->setProperty("tag", slot);
    label->SetImage(picture);
    label->SetLeftMargin(4);
    label->SetRightMargin(4);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->SetTransparent(true);
    label->setFixedHeight(kFolderBarHeight);
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    label->hide();
    connect(label, &QWidget::customContextMenuRequested, this, [this, label, slot](QPoint pos) {
        // The menu's item removes the slot it opened on.
        menuSlot_ = slot;
        if (OnFolderMenu) {
            OnFolderMenu(label->mapToGlobal(pos));
        }
    });
    return label;
}

void TModeBar::Press(TModeTab tab) {
    tab_[tab]->setChecked(true);
}

void TModeBar::HideFavoritesTab() {
    tab_[mtFavGroup]->hide();
}

void TModeBar::ShowFavoritesTab(const QString& group) {
    // Room the tab's face keeps free on both sides of its caption.
    constexpr int kTabTextMargin = 8;
    QToolButton* tab = tab_[mtFavGroup];
    QFont pressed = tab->font();
    pressed.setBold(true);
    tab->setText(
        QFontMetrics(pressed).elidedText(group, Qt::ElideRight, tab->width() - kTabTextMargin));
    tab->setToolTip(group);
    tab->setShortcut(QKeySequence());
    tab->show();
    tab->setChecked(true);
}

void TModeBar::ShowFolderBar(bool shown) {
    folderBar_->setVisible(shown);
}

void TModeBar::ShowFolder(int slot, const std::string& path) {
    if (slot < 0 || slot >= kFolderSlots) {
        return;
    }
    TXImageLabel* label = ilFolder_[slot];
    label->SetCaption(ExtractFileName(path) + "  ");
    label->setToolTip(QString::fromUtf8(path));
    label->setVisible(!path.empty());
}

std::string TModeBar::Folder(int slot) const {
    if (slot < 0 || slot >= kFolderSlots) {
        return {};
    }
    return ilFolder_[slot]->toolTip().toUtf8().toStdString();
}
