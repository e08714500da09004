#include "platform/linux/qtdialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

using platform::MsgButtons;
using platform::MsgIcon;

template <typename Dialog>
void WhenOpens(std::function<void(Dialog*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

void ClickButton(QMessageBox* box, QMessageBox::StandardButton which) {
    QAbstractButton* button = box->button(which);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

TEST(QtDialogs, MessageBoxShowsTextCaptionIconAndButtons) {
    platform::QtDialogs dialogs;
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    WhenOpens<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        caption = box->windowTitle();
        icon = box->icon();
        buttonCount = static_cast<int>(box->buttons().size());
        ClickButton(box, QMessageBox::No);
    });
    EXPECT_EQ(dialogs.MessageBox("Delete 3 files?", "Confirm", MsgButtons::YesNoCancel,
                                 MsgIcon::Question),
              platform::IdNo);
    EXPECT_EQ(text, QStringLiteral("Delete 3 files?"));
    EXPECT_EQ(caption, QStringLiteral("Confirm"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttonCount, 3);
}

TEST(QtDialogs, EachButtonGivesItsWindowsResult) {
    platform::QtDialogs dialogs;
    const struct {
        MsgButtons buttons;
        QMessageBox::StandardButton click;
        int expected;
    } cases[] = {
        {MsgButtons::Ok, QMessageBox::Ok, platform::IdOk},
        {MsgButtons::OkCancel, QMessageBox::Cancel, platform::IdCancel},
        {MsgButtons::YesNo, QMessageBox::Yes, platform::IdYes},
        {MsgButtons::RetryCancel, QMessageBox::Retry, platform::IdRetry},
        {MsgButtons::AbortRetryIgnore, QMessageBox::Ignore, platform::IdIgnore},
        {MsgButtons::AbortRetryIgnore, QMessageBox::Abort, platform::IdAbort},
    };
    for (const auto& c : cases) {
        WhenOpens<QMessageBox>([&](QMessageBox* box) { ClickButton(box, c.click); });
        EXPECT_EQ(dialogs.MessageBox("t", "c", c.buttons, MsgIcon::Error), c.expected);
    }
}

TEST(QtDialogs, EscapeIsCancelOrNo) {
    platform::QtDialogs dialogs;
    const struct {
        MsgButtons buttons;
        int expected;
    } cases[] = {
        {MsgButtons::Ok, platform::IdOk},
        {MsgButtons::OkCancel, platform::IdCancel},
        {MsgButtons::YesNo, platform::IdNo},
        {MsgButtons::YesNoCancel, platform::IdCancel},
    };
    for (const auto& c : cases) {
        WhenOpens<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        EXPECT_EQ(dialogs.MessageBox("t", "c", c.buttons, MsgIcon::Warning), c.expected);
    }
}

TEST(QtDialogs, EnterTakesTheFirstButton) {
    platform::QtDialogs dialogs;
    WhenOpens<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(dialogs.MessageBox("t", "c", MsgButtons::YesNo, MsgIcon::Question), platform::IdYes);
}

TEST(QtDialogs, ColourIsPresetAndReturnedAsBlueGreenRed) {
    platform::QtDialogs dialogs;
    QColor shown;
    WhenOpens<QColorDialog>([&](QColorDialog* dialog) {
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });
    std::uint32_t color = 0x00CCBBAA;
    EXPECT_TRUE(dialogs.ChooseColor(color));
    EXPECT_EQ(shown, QColor(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(color, 0x00563412u);
}

TEST(QtDialogs, CancelledColourLeavesTheValue) {
    platform::QtDialogs dialogs;
    WhenOpens<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    std::uint32_t color = 0x00123456;
    EXPECT_FALSE(dialogs.ChooseColor(color));
    EXPECT_EQ(color, 0x00123456u);
}

TEST(QtDialogs, CancelledFolderPickerIsEmpty) {
    platform::QtDialogs dialogs;
    WhenOpens<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(dialogs.BrowseForFolder("Select folder", "/"), "");
}

TEST(QtDialogs, SavedNamesGetTheExtensionOfTheChosenFileType) {
    platform::QtDialogs dialogs;
    const QString folder = QDir::tempPath();
    const struct {
        int filter;
        const char* typed;
        const char* chosen;
    } cases[] = {
        {0, "sheet", "sheet.bmp"}, {1, "sheet", "sheet.png"}, {0, "sheet.png", "sheet.png"}};
    for (const auto& c : cases) {
        WhenOpens<QFileDialog>([&](QFileDialog* dialog) {
            const QStringList filters = dialog->nameFilters();
            ASSERT_EQ(filters.size(), 2);
            dialog->selectNameFilter(filters.at(c.filter));
            emit dialog->filterSelected(filters.at(c.filter));
            dialog->selectFile(QString::fromLatin1(c.typed));
            static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        });
        const std::string chosen = dialogs.SaveFileName(
            "Export Bitmap", "BMP (Bitmap Image) (*.bmp);;PNG (Portable Network Graphics) (*.png)",
            folder.toStdString());
        EXPECT_EQ(chosen, (folder + "/" + c.chosen).toStdString()) << c.typed;
    }
}

}  // namespace
