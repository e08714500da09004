#include "output/ui/settext.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "output/samplehistory.h"
#include "platform/inifile.h"
#include "support/sandbox.h"

namespace {

class SetTextTest : public ::testing::Test {
protected:
    SetTextTest() : file(sandbox.HomeFolder() + "glyphwell.ini") {}

    // Runs the editor over box; edit acts on the shown dialog before it is closed.
    bool Edit(QComboBox& box, const std::function<void(TfSetText&)>& edit) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TfSetText*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            edit(*dialog);
        });
        return TfSetText::EditSampleTexts(file.FileName(), box, nullptr);
    }

    static QPlainTextEdit* Memo(TfSetText& dialog) {
        return dialog.findChild<QPlainTextEdit*>("Memo1");
    }
    static void Click(TfSetText& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    }

    Sandbox sandbox;
    platform::IniFile file;
};

TEST_F(SetTextTest, SavingDropsEmptyLinesNumbersWithoutGapsAndFillsTheBox) {
    QComboBox box;
    box.setEditable(true);
    box.addItem("Old");
    box.setEditText("Typed text");
    QString shown;
    EXPECT_TRUE(Edit(box, [&](TfSetText& dialog) {
        shown = Memo(dialog)->toPlainText();
        Memo(dialog)->setPlainText("A\n\nB");
        Click(dialog, "bSave");
    }));
    EXPECT_EQ(shown, "");
    EXPECT_EQ(file.ReadSection("History"), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(file.ReadString("History", "1", ""), "A");
    EXPECT_EQ(file.ReadString("History", "2", ""), "B");
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.itemText(0), "A");
    EXPECT_EQ(box.itemText(1), "B");
    EXPECT_EQ(box.currentText(), "Typed text");

    EXPECT_FALSE(Edit(box, [&](TfSetText& dialog) {
        shown = Memo(dialog)->toPlainText();
        Memo(dialog)->setPlainText("Changed");
        Click(dialog, "bCancel");
    }));
    EXPECT_EQ(shown, "A\nB");
    EXPECT_EQ(file.ReadString("History", "1", ""), "A");
    EXPECT_EQ(box.count(), 2);
}

TEST_F(SetTextTest, AnEmptyMemoLeavesTheSectionAndTheBoxEmpty) {
    WriteSampleTexts(file, {"One", "Two"});
    QComboBox box;
    box.addItems({"One", "Two"});
    EXPECT_TRUE(Edit(box, [&](TfSetText& dialog) {
        Memo(dialog)->clear();
        Click(dialog, "bSave");
    }));
    EXPECT_TRUE(file.ReadSectionValues("History").empty());
    EXPECT_EQ(box.count(), 0);
}

TEST(SampleHistory, KeysAreReadUpToTheirCountAndGapsGiveEmptyTexts) {
    Sandbox sandbox;
    platform::IniFile file(sandbox.HomeFolder() + "glyphwell.ini");
    file.WriteString("History", "1", "one");
    file.WriteString("History", "3", "three");
    EXPECT_EQ(ReadSampleTexts(file), (std::vector<std::string>{"one", ""}));
}

TEST(SampleHistory, TextsWithBlanksOrQuotesAroundThemReadBackUnchanged) {
    Sandbox sandbox;
    platform::IniFile file(sandbox.HomeFolder() + "glyphwell.ini");
    const std::vector<std::string> texts = {
        "  Hi", "Hi  ",  "\"Hi\"", "'Hi'",     "\"",  "\"Hi", "a \"b\"",
        "\t",   "plain", "=x=",    "\"\"\"\"", "' '", ""};
    ASSERT_TRUE(WriteSampleTexts(file, texts));
    EXPECT_EQ(ReadSampleTexts(file), texts);
    EXPECT_EQ(ProfileValue("plain"), "plain");
    EXPECT_EQ(ProfileValue("\"Hi"), "\"Hi");
}

}  // namespace
