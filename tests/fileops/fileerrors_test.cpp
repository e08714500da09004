#include "fileops/fileerrors.h"

#include <gtest/gtest.h>

#include "fakes/scripteddialogs.h"

namespace {

TEST(FileErrorText, EachCodeHasItsText) {
    const std::pair<int, const char*> cases[] = {
        {2, "The system cannot find the file/folder specified"},
        {3, "The system cannot find the file/folder specified"},
        {5, "Access is denied."},
        {19, "Disk is write-protected"},
        {21, "Drive is not ready"},
        {30, "Read failed. Disk may be broken."},
        {32, "There has been sharing violation. File or Folder is being used by another program"},
        {112, "There is no enough space in disk"},
        {123, "Invalid Name"},
        {145, "Folder is not empty."},
        {183, "The file/folder which has same name is already exists."},
        {1005, "The volume does not contain a recognized file system."},
        {1040,
         "Error Occured. Error Code : 1040\n\nPlease mail me an error code and situation "
         "error occured."},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(FileErrorText(code), text) << code;
    }
}

TEST(AskContinue, BeforeTheLastFileAsksYesOrNo) {
    fakes::ScriptedDialogs dialogs;
    dialogs.QueueResult(platform::IdYes);
    dialogs.QueueResult(platform::IdNo);
    EXPECT_TRUE(AskContinue(dialogs, 5, "Caption", false));
    EXPECT_FALSE(AskContinue(dialogs, 5, "Caption", false));
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[0].text,
              "Access is denied.\n\nDo you want to process the rest of files?");
    EXPECT_EQ(dialogs.Calls()[0].caption, "Caption");
    EXPECT_EQ(dialogs.Calls()[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(dialogs.Calls()[0].icon, platform::MsgIcon::Error);
}

TEST(AskContinue, OnTheLastFileOnlyInforms) {
    fakes::ScriptedDialogs dialogs;
    dialogs.QueueResult(platform::IdOk);
    EXPECT_FALSE(AskContinue(dialogs, 112, "Error", true));
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "There is no enough space in disk");
    EXPECT_EQ(dialogs.Calls()[0].buttons, platform::MsgButtons::Ok);
}

TEST(FormatThousands, GroupsDigitsByThree) {
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(200000), "200,000");
    EXPECT_EQ(FormatThousands(1234567890123ull), "1,234,567,890,123");
}

}  // namespace
