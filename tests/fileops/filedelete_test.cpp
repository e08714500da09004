#include "fileops/filedelete.h"

#include <sys/stat.h>

#include <cerrno>

#include "engine_fixture.h"
#include "fakes/faketrash.h"
#include "fakes/scriptedprogress.h"

namespace {

using platform::FileCall;

class FileDeleteTest : public EngineFixture {
protected:
    fakes::FakeTrash trash{sandbox.Path() + "/trash"};
    fakes::ScriptedDeleteProgress progress;
    TFileDelete remove{files, dialogs, &trash, &progress};
};

TEST_F(FileDeleteTest, FilesGoToTheTrashOneStepEach) {
    remove.Files = {MakeFile(from, "a.ttf"), MakeFile(from, "b.ttf")};
    remove.Execute();
    EXPECT_TRUE(remove.Done(0));
    EXPECT_TRUE(remove.Done(1));
    EXPECT_EQ(trash.Trashed(), remove.Files);
    EXPECT_EQ(progress.Events(), (std::vector<std::string>{"Begin 2", "Item a.ttf", "Advance",
                                                           "Item b.ttf", "Advance", "End"}));
    ExpectNothingLost();
}

TEST_F(FileDeleteTest, AFileTheTrashRefusesStaysAndIsNeverDeletedInstead) {
    remove.Files = {MakeFile(from, "a.ttf"), MakeFile(from, "b.ttf")};
    trash.Reject(remove.Files[0], 1000 + EXDEV);
    dialogs.QueueResult(platform::IdYes);
    remove.Execute();
    EXPECT_EQ(remove.Result(0), 1000 + EXDEV);
    EXPECT_TRUE(remove.Done(1));
    EXPECT_TRUE(Exists(remove.Files[0]));
    EXPECT_EQ(files.CountOf(FileCall::Unlink), 0);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].caption, "Do you want to process the rest of files?");
    EXPECT_EQ(dialogs.Calls()[0].buttons, platform::MsgButtons::YesNo);
    ExpectNothingLost();
}

TEST_F(FileDeleteTest, WithoutTheTrashFilesAreUnlinkedAndKeepTheirModeOnFailure) {
    remove.UseRecycleBin = false;
    const std::string readOnly = MakeFile(from, "a.ttf");
    const std::string refused = MakeFile(from, "b.ttf");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(refused.c_str(), 0444), 0);
    files.FailPath(FileCall::Unlink, refused, EACCES);
    dialogs.QueueResult(platform::IdOk);
    remove.Files = {readOnly, refused};
    remove.Execute();
    EXPECT_TRUE(remove.Done(0));
    EXPECT_FALSE(Exists(readOnly));
    EXPECT_EQ(remove.Result(1), 5);
    struct stat info {};
    ASSERT_EQ(::stat(refused.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_TRUE(trash.Trashed().empty());
}

TEST_F(FileDeleteTest, CancelStopsBeforeTheNextFile) {
    remove.Files = {MakeFile(from, "a.ttf"), MakeFile(from, "b.ttf"), MakeFile(from, "c.ttf")};
    progress.CancelAfterAdvances(1);
    remove.Execute();
    EXPECT_TRUE(remove.Done(0));
    EXPECT_EQ(remove.Result(1), kResultCancelled);
    EXPECT_EQ(remove.Result(2), kResultCancelled);
    EXPECT_TRUE(Exists(from + "/b.ttf"));
    EXPECT_EQ(progress.Events().back(), "End");
    ExpectNothingLost();
}

TEST_F(FileDeleteTest, NoAnswerEndsTheRunAndNothingRanBeforeARun) {
    EXPECT_FALSE(remove.Done(0));
    remove.Files = {MakeFile(from, "a.ttf"), MakeFile(from, "b.ttf")};
    trash.Reject(remove.Files[0], 5);
    dialogs.QueueResult(platform::IdNo);
    remove.Execute();
    EXPECT_EQ(remove.Result(0), 5);
    EXPECT_EQ(remove.Result(1), kResultCancelled);
    EXPECT_TRUE(Exists(from + "/b.ttf"));
}

}  // namespace
