#include "fontcommands/copytofolder.h"

#include <cerrno>

#include "commands_fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::FileCall;

class CopyToFolderTest : public CommandFixture {
protected:
    CopyToFolderTest() {
        for (const char* family : {"Alpha", "Beta", "Gamma"}) {
            paths.push_back(MakeFont(std::string("folder/") + family + ".ttf", family));
        }
        ShowFolder(sandbox.Path() + "/folder");
        fs::create_directories(target);
        broadcastsBeforeRun = change.BroadcastCount();
    }
    int Run(bool move, int focused = 0) {
        dialogs.QueueFolder(target);
        return TCopyToFolder(context).Run(focused, move, lastFolder);
    }

    std::vector<std::string> paths;
    std::string target = sandbox.Path() + "/target";
    std::string lastFolder;
    int broadcastsBeforeRun = 0;
};

TEST_F(CopyToFolderTest, CopiedFontsAreUnmarkedAndTheFolderIsRememberedForTheSession) {
    Mark("Alpha Regular");
    Mark("Beta Regular");
    EXPECT_EQ(Run(false), 2);
    EXPECT_EQ(dialogs.Calls()[0].kind, "BrowseForFolder");
    EXPECT_EQ(dialogs.Calls()[0].caption, "Select destination folder to copy(move) font files");
    EXPECT_EQ(lastFolder, target);
    EXPECT_EQ(testsupport::ReadFileBytes(target + "/Alpha.ttf"),
              testsupport::ReadFileBytes(paths[0]));
    EXPECT_FALSE(Marked("Alpha Regular"));
    EXPECT_TRUE(Listed("Alpha Regular"));
    EXPECT_EQ(change.BroadcastCount(), broadcastsBeforeRun);

    Run(false, view.Find("Gamma Regular"));
    EXPECT_EQ(dialogs.Calls().back().text, target);  // the picker starts at the last folder
}

TEST_F(CopyToFolderTest, NoFolderChosenDoesNothing) {
    Mark("Alpha Regular");
    EXPECT_EQ(TCopyToFolder(context).Run(0, true, lastFolder), 0);
    EXPECT_TRUE(files.Log().empty());
    EXPECT_TRUE(lastFolder.empty());
}

TEST_F(CopyToFolderTest, AFileThatExistsThereIsSkippedLoggedAndStaysMarked) {
    sandbox.WriteFile("target/Beta.ttf", "another Beta");
    Mark("Alpha Regular");
    Mark("Beta Regular");
    EXPECT_EQ(Run(false), 1);
    EXPECT_EQ(ErrorLog(), std::vector<std::string>{paths[1]});
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[1].text,
              "There are some fonts skipped or met error to copy(move) to folder\nThey are still "
              "selected.\nFor more information, see 'error.log' file.");
    EXPECT_EQ(dialogs.Calls()[1].icon, platform::MsgIcon::Information);
    EXPECT_TRUE(Marked("Beta Regular"));
    EXPECT_EQ(testsupport::ReadFileBytes(target + "/Beta.ttf"), "another Beta");
}

TEST_F(CopyToFolderTest, MovedFontsLeaveBothListsAndTheOthersAreLoadedAgain) {
    Mark("Alpha Regular");
    Mark("Beta Regular");
    files.FailPath(FileCall::Rename, "/folder/Beta.ttf", EBUSY);
    dialogs.QueueFolder(target);
    dialogs.QueueResult(platform::IdOk);
    EXPECT_EQ(TCopyToFolder(context).Run(0, true, lastFolder), 1);
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), target + "/Alpha.ttf");
    EXPECT_TRUE(NotListedAnywhere("Alpha Regular"));
    EXPECT_FALSE(table.IsAdded(paths[0]));
    EXPECT_TRUE(table.IsAdded(paths[1]));
    EXPECT_TRUE(Marked("Beta Regular"));
    EXPECT_EQ(ErrorLog(), std::vector<std::string>{paths[1]});
    EXPECT_EQ(change.BroadcastCount() - broadcastsBeforeRun, 1);
    ExpectNothingLost();
}

TEST_F(CopyToFolderTest, AMoveToAnotherVolumeCancelledMidFileLosesNothing) {
    files.SetOtherVolume(target);
    fs::resize_file(paths[1], 300000);  // long enough to be cancelled inside
    census.Take({paths[1]});
    Mark("Alpha Regular");
    Mark("Beta Regular");
    Mark("Gamma Regular");
    copyProgress.CancelAfterAdvances(2);
    EXPECT_EQ(Run(true), 1);
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), target + "/Alpha.ttf");
    EXPECT_TRUE(Exists(paths[1]));
    EXPECT_FALSE(Exists(target + "/Beta.ttf"));
    EXPECT_EQ(ErrorLog(), (std::vector<std::string>{paths[1], paths[2]}));
    ExpectNothingLost();
}

}  // namespace
