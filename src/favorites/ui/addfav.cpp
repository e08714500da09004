#include "favorites/ui/addfav.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "controls/imagelist.h"
#include "controls/xpbutton.h"
#include "favorites/favoriteline.h"
#include "favorites/fontfavorites.h"
#include "favorites/ui/grouplistdelegate.h"
#include "platform/collation.h"
#include "platform/dialogs.h"
#include "platform/uifont.h"

namespace {

constexpr int kClientWidth = 351;
constexpr int kClientHeight = 245;
constexpr int kNameRole = Qt::UserRole;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption, QRect at) {
    auto* button = new TXPButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(at);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TfAddFav::TfAddFav(platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("fAddFav"));
    setWindowTitle(QStringLiteral("Add Favorites"));
    setFont(platform::UiFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(kClientWidth, kClientHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(20, 12, 32, 32);
    Image1->setPixmap(
        ResourceBitmap(QStringLiteral(":/images/addfavorite.png"), devicePixelRatioF()));
    Label3 =
        NewLabel(this, "Label3", QStringLiteral("Add this font to your favorites list."), {64, 12});
    lFontName = NewLabel(this, "lFontName", QString(), {64, 32});
    lFontName->setFixedSize(185, 17);
    lFontName->setFont(FontNameFont());
    Label1 = NewLabel(this, "Label1", QStringLiteral("Create in :"), {20, 64});

    lbGroup = new QListWidget(this);
    lbGroup->setObjectName(QStringLiteral("lbGroup"));
    lbGroup->setGeometry(20, 80, 237, 149);
    lbGroup->setUniformItemSizes(true);
    lbGroup->setItemDelegate(new TGroupListDelegate(lbGroup));
    lbGroup->setSelectionMode(QAbstractItemView::SingleSelection);

    bOK = NewButton(this, "bOK", QStringLiteral("OK"), {266, 12, 77, 23});
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, [this] { bOKClick(); });
    bCancel = NewButton(this, "bCancel", QStringLiteral("Cancel"), {266, 40, 77, 23});
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
    bNewFolder = NewButton(this, "bNewFolder", QStringLiteral("New Folder..."), {266, 80, 77, 23});
    connect(bNewFolder, &QPushButton::clicked, this, [this] { bNewFolderClick(); });
}

QFont TfAddFav::FontNameFont() {
    return platform::UiPixelFont(QStringLiteral("굴림"), 12, true);
}

std::string TfAddFav::Execute(const std::string& fileName, const std::vector<std::string>& lines) {
    fileName_ = fileName;
    lines_ = lines;
    const QString description =
        lines_.size() == 1
            ? QString::fromStdString(SplitEntry(lines_.front()).name)
            : QStringLiteral("Selected %1 Fonts").arg(static_cast<qsizetype>(lines_.size()));
    lFontName->setText(description);
    FillGroups();
    if (exec() != QDialog::Accepted || lbGroup->selectedItems().isEmpty()) {
        return {};
    }
    return GroupOfRow(lbGroup->row(lbGroup->selectedItems().front()));
}

// The groups as the favorites pane shows them: read by the store's own rules, so a name
// with "]" or blanks around it is the very group the fonts then go to.
void TfAddFav::FillGroups() {
    lbGroup->clear();
    TFontFavorites store;
    try {
        store.LoadFromFile(fileName_);
    } catch (const TFavoritesError&) {
        // The list stays empty, as for a missing file; saving the fonts reports the error.
    }
    for (const std::string& group : store.GetGroups()) {
        AddGroupRow(group);
    }
    if (lbGroup->count() > 0) {
        lbGroup->setCurrentRow(0);
    }
}

void TfAddFav::AddGroupRow(const std::string& name) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), lbGroup);
    item->setData(kNameRole, QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

int TfAddFav::RowOfGroup(const std::string& name) const {
    for (int row = 0; row < lbGroup->count(); ++row) {
        if (platform::CompareStrI(GroupOfRow(row), name) == 0) {
            return row;
        }
    }
    return -1;
}

std::string TfAddFav::GroupOfRow(int row) const {
    const QListWidgetItem* item = lbGroup->item(row);
    return item != nullptr ? item->data(kNameRole).toByteArray().toStdString() : std::string();
}

void TfAddFav::bOKClick() {
    if (!lbGroup->selectedItems().isEmpty()) {
        accept();
    }
}

void TfAddFav::bNewFolderClick() {
    std::string text;
    if (dialogs_.InputString("New Folder", "\n\nNew Folder:", text, this) != platform::IdOk) {
        return;
    }
    const std::string name = CleanGroupName(text);
    if (name.empty()) {
        return;
    }
    try {
        TFontFavorites().AddFolder(fileName_, name);
    } catch (const TFavoritesError& error) {
        dialogs_.MessageBox(error.what(), QCoreApplication::applicationName().toStdString(),
                            platform::MsgButtons::Ok, platform::MsgIcon::Error, this);
        return;
    }
    const int existing = RowOfGroup(name);
    if (existing >= 0) {
        lbGroup->setCurrentRow(existing);
    } else {
        AddGroupRow(name);
    }
}
