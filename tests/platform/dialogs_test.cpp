#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include "fakes/scripteddialogs.h"

namespace {

using platform::CurrentDialogs;
using platform::MsgButtons;
using platform::MsgIcon;

TEST(DefaultDialogs, QuestionsTakeTheFirstAnswerButNeverRetry) {
    testing::internal::CaptureStderr();
    auto& d = CurrentDialogs();
    EXPECT_EQ(d.MessageBox("t", "c", MsgButtons::Ok, MsgIcon::None), platform::IdOk);
    EXPECT_EQ(d.MessageBox("t", "c", MsgButtons::OkCancel, MsgIcon::None), platform::IdOk);
    EXPECT_EQ(d.MessageBox("t", "c", MsgButtons::YesNo, MsgIcon::None), platform::IdYes);
    EXPECT_EQ(d.MessageBox("t", "c", MsgButtons::YesNoCancel, MsgIcon::None), platform::IdYes);
    EXPECT_EQ(d.MessageBox("t", "c", MsgButtons::AbortRetryIgnore, MsgIcon::None),
              platform::IdAbort);
    EXPECT_EQ(d.MessageBox("t", "c", MsgButtons::RetryCancel, MsgIcon::None), platform::IdCancel);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("c: t"), std::string::npos);
}

TEST(DefaultDialogs, PromptsAndPickersAreCancelled) {
    auto& d = CurrentDialogs();
    std::string text = "keep";
    EXPECT_EQ(d.InputString("c", "p", text), platform::IdCancel);
    EXPECT_EQ(text, "keep");
    EXPECT_EQ(d.BrowseForFolder("t", "/"), "");
    std::uint32_t color = 0x123456;
    EXPECT_FALSE(d.ChooseColor(color));
    EXPECT_EQ(color, 0x123456u);
    EXPECT_EQ(d.SaveFileName("t", "Bitmap (*.bmp)", "/x.bmp"), "");
}

TEST(ScriptedDialogs, AnswersInOrderAndRestoresThePreviousDialogs) {
    platform::Dialogs* before = &CurrentDialogs();
    {
        fakes::ScriptedDialogs scripted;
        EXPECT_EQ(&CurrentDialogs(), &scripted);
        scripted.QueueResult(platform::IdNo);
        scripted.QueueText(platform::IdOk, "typed");
        std::string text = "old";
        EXPECT_EQ(
            CurrentDialogs().MessageBox("Delete?", "Confirm", MsgButtons::YesNo, MsgIcon::Question),
            platform::IdNo);
        EXPECT_EQ(CurrentDialogs().InputString("Find", "Name:", text), platform::IdOk);
        EXPECT_EQ(text, "typed");
        ASSERT_EQ(scripted.Calls().size(), 2u);
        EXPECT_EQ(scripted.Calls()[0].kind, "MessageBox");
        EXPECT_EQ(scripted.Calls()[0].text, "Delete?");
        EXPECT_EQ(scripted.Calls()[0].icon, MsgIcon::Question);
        EXPECT_EQ(scripted.Calls()[1].input, "old");
        EXPECT_EQ(scripted.UnexpectedCalls(), 0);
    }
    EXPECT_EQ(&CurrentDialogs(), before);
}

TEST(ScriptedDialogs, UnexpectedCallIsRecordedAndCancelled) {
    fakes::ScriptedDialogs scripted;
    std::string text = "keep";
    EXPECT_EQ(CurrentDialogs().InputString("c", "p", text), platform::IdCancel);
    EXPECT_EQ(text, "keep");
    EXPECT_EQ(CurrentDialogs().BrowseForFolder("t", "/"), "");
    EXPECT_EQ(scripted.UnexpectedCalls(), 2);
    EXPECT_EQ(scripted.Calls().size(), 2u);
}

}  // namespace
