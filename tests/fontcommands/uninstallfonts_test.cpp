#include "fontcommands/uninstallfonts.h"

#include <cerrno>
#include <stdexcept>

#include "commands_fixture.h"
#include "fileops/filecopy.h"

namespace {

namespace fs = std::filesystem;
using platform::FileCall;

// Installed fonts in a fontconfig folder of the sandbox: Alpha, Beta, Gamma and a collection
// "Pair.ttc" holding the faces Pair One and Pair Two.
class UninstallTest : public CommandFixture {
protected:
    UninstallTest() {
        for (const char* family : {"Alpha", "Beta", "Gamma"}) {
            paths.push_back(MakeFont(std::string("system/") + family + ".ttf", family));
        }
        paths.push_back(MakeCollection("system/Pair.ttc", "Pair One", "Pair Two"));
        ShowInstalled(paths);
        broadcastsBeforeRun = change.BroadcastCount();
    }

    int Run(TRemoveOptions options, int focused = 0, int answer = platform::IdYes) {
        options.uninstall = true;
        if (options.backupFolder.empty()) {
            options.backupFolder = backup;
        }
        TUninstallFonts command(
            context, options,
            [this, answer](const std::string& caption, const std::string& question) {
                asked.push_back(caption + "|" + question);
                return answer;
            });
        return command.Run(focused);
    }
    int RunBroadcasts() const { return change.BroadcastCount() - broadcastsBeforeRun; }

    std::vector<std::string> paths;
    std::string system = sandbox.Path() + "/system";
    std::string backup = sandbox.HomeFolder() + "uninstalled";
    std::vector<std::string> asked;
    int broadcastsBeforeRun = 0;
};

TEST_F(UninstallTest, WithBackupMarkedFontsMoveIntoADefaultFolderMadeForThem) {
    Mark("Alpha Regular");
    Mark("Gamma Regular");
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(asked, (std::vector<std::string>{
                         "Confirm Uninstall Font(s)|\"2 selected fonts\"\nAre you sure you want "
                         "to uninstall these selected fonts?"}));
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), backup + "/Alpha.ttf");
    EXPECT_EQ(census.WhereIs(paths[2], sandbox.Path()), backup + "/Gamma.ttf");
    EXPECT_TRUE(NotListedAnywhere("Alpha Regular"));
    EXPECT_TRUE(NotListedAnywhere("Gamma Regular"));
    EXPECT_TRUE(Listed("Beta Regular"));
    // Installed fonts are not application fonts: releasing them is no failure.
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_EQ(installed.RefreshedFolders(), std::vector<std::string>{system});
    EXPECT_EQ(RunBroadcasts(), 1);
    EXPECT_FALSE(Exists(sandbox.HomeFolder() + "error.log"));
    ExpectNothingLost();
}

TEST_F(UninstallTest, BackupNamesCountUpBeforeTheFilesOwnExtension) {
    sandbox.WriteFile("home/uninstalled/Alpha.ttf", "older Alpha");
    sandbox.WriteFile("home/uninstalled/Pair.ttc", "older Pair");
    sandbox.WriteFile("home/uninstalled/Pair1.ttc", "older Pair 1");
    Mark("Alpha Regular");
    Mark("Pair One Regular");
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), backup + "/Alpha1.ttf");
    EXPECT_EQ(census.WhereIs(paths[3], sandbox.Path()), backup + "/Pair2.ttc");
    EXPECT_EQ(testsupport::ReadFileBytes(backup + "/Alpha.ttf"), "older Alpha");
    ExpectNothingLost();
}

TEST_F(UninstallTest, WithAllNinetyNineBackupNamesTakenTheFileStaysAndTheRunGoesOn) {
    sandbox.WriteFile("home/uninstalled/Alpha.ttf", "x");
    for (int n = 1; n <= 99; ++n) {
        sandbox.WriteFile("home/uninstalled/Alpha" + std::to_string(n) + ".ttf", "x");
    }
    Mark("Alpha Regular");
    Mark("Beta Regular");
    EXPECT_EQ(Run({}), 1);
    EXPECT_TRUE(Exists(paths[0]));
    EXPECT_TRUE(Listed("Alpha Regular"));
    EXPECT_TRUE(Marked("Alpha Regular"));
    EXPECT_TRUE(NotListedAnywhere("Beta Regular"));
    EXPECT_EQ(ErrorLog(), std::vector<std::string>{paths[0] + " (Delete ERROR:183"});
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"There are some fonts couldn't be deleted(uninstalled).\n"
                                       "They are still selected.\nFor more information, see "
                                       "'error.log' file."});
}

TEST_F(UninstallTest, AProtectedFontIsNotTouchedAndLoggedFirst) {
    sandbox.WriteFile("home/protect.lst", "other.ttf\r\nbeta.TTF\r\n");
    Mark("Alpha Regular");
    Mark("Beta Regular");
    Mark("Gamma Regular");
    files.FailPath(FileCall::Rename, "/system/Gamma.ttf", EACCES);
    dialogs.QueueResult(platform::IdOk);
    EXPECT_EQ(Run({}), 1);
    EXPECT_TRUE(Exists(paths[1]));
    EXPECT_TRUE(Listed("Beta Regular"));
    EXPECT_TRUE(Marked("Beta Regular"));
    EXPECT_EQ(ErrorLog(), (std::vector<std::string>{paths[1] + " (skipped:protected font)",
                                                    paths[2] + " (Delete ERROR:5"}));
    EXPECT_EQ(std::count(table.Removes().begin(), table.Removes().end(), paths[1]), 0);
    ExpectNothingLost();
}

TEST_F(UninstallTest, AProtectListThatCannotBeReadStopsBeforeAnyFontIsTouched) {
    sandbox.WriteFile("home/protect.lst", "beta.ttf\n");
    files.FailPath(FileCall::OpenRead, "protect.lst", EACCES);
    Mark("Alpha Regular");
    try {
        Run({});
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file " + sandbox.HomeFolder() + "protect.lst");
    }
    EXPECT_TRUE(Exists(paths[0]));
    EXPECT_TRUE(table.Removes().empty());
    EXPECT_EQ(RunBroadcasts(), 0);
}

TEST_F(UninstallTest, BothFacesOfOneCollectionAreOneFileAndLeaveTogether) {
    Mark("Pair One Regular");
    Mark("Pair Two Regular");
    EXPECT_EQ(Run({}), 1);
    EXPECT_EQ(census.WhereIs(paths[3], sandbox.Path()), backup + "/Pair.ttc");
    EXPECT_TRUE(NotListedAnywhere("Pair One Regular"));
    EXPECT_TRUE(NotListedAnywhere("Pair Two Regular"));
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_EQ(files.CountOf(FileCall::Rename), 1);
}

TEST_F(UninstallTest, OpenTypeFontsAndCollectionsLeaveLikeTrueTypeOnes) {
    paths.push_back(MakeFont("system/Delta.otf", "Delta"));
    paths.push_back(MakeCollection("system/Duo.otc", "Duo One", "Duo Two"));
    master.SetFileTypes(TFontFileTypes(true));
    installed.SetFiles(paths);
    master.Refresh();
    view.Assign(master);
    Mark("Delta Regular");
    Mark("Duo Two Regular");
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(census.WhereIs(paths[4], sandbox.Path()), backup + "/Delta.otf");
    EXPECT_EQ(census.WhereIs(paths[5], sandbox.Path()), backup + "/Duo.otc");
    EXPECT_TRUE(NotListedAnywhere("Duo One Regular"));
}

TEST_F(UninstallTest, WithoutBackupFontsGoToTheTrashAndARefusedOneStays) {
    Mark("Alpha Regular");
    Mark("Beta Regular");
    trash.Reject(paths[0], 1000 + EXDEV);
    dialogs.QueueResult(platform::IdYes);
    EXPECT_EQ(Run({.backup = false}), 1);
    EXPECT_EQ(asked.front(),
              "Confirm Uninstall Font(s)|\"2 selected fonts\"\nAre you sure you want to send "
              "these selected fonts to Recycle Bin?");
    EXPECT_EQ(trash.Trashed(), std::vector<std::string>{paths[1]});
    EXPECT_TRUE(Exists(paths[0]));
    EXPECT_TRUE(Marked("Alpha Regular"));
    EXPECT_EQ(ErrorLog(), std::vector<std::string>{paths[0] + " (Delete ERROR:1018"});
    EXPECT_EQ(files.CountOf(FileCall::Unlink), 0);
    ExpectNothingLost();
}

TEST_F(UninstallTest, ShiftDeletesForGoodWithoutTheTrash) {
    EXPECT_EQ(Run({.permanent = true, .backup = false}, view.Find("Beta Regular")), 1);
    EXPECT_EQ(asked.front(),
              "Confirm Uninstall Font(s)|\"Beta Regular\"\nAre you sure you want to delete this "
              "font?");
    EXPECT_FALSE(Exists(paths[1]));
    EXPECT_TRUE(trash.Trashed().empty());
}

TEST_F(UninstallTest, AnythingButYesChangesNothing) {
    Mark("Alpha Regular");
    for (const int answer : {platform::IdNo, platform::IdCancel}) {
        EXPECT_EQ(Run({}, 0, answer), 0);
    }
    EXPECT_TRUE(Listed("Alpha Regular"));
    EXPECT_EQ(files.Log().size(), 0u);
    EXPECT_TRUE(table.Removes().empty());
}

TEST_F(UninstallTest, ABackupFolderTheUserChoseIsNeverMade) {
    Mark("Alpha Regular");
    const std::string chosen = sandbox.Path() + "/mine";
    dialogs.QueueResult(platform::IdOk);
    EXPECT_EQ(Run({.backupFolder = chosen}), 0);
    EXPECT_FALSE(Exists(chosen));
    EXPECT_EQ(ErrorLog(), std::vector<std::string>{paths[0] + " (Delete ERROR:2"});
    ExpectNothingLost();
}

TEST_F(UninstallTest, ACancelledRunLogsEveryFileItDidNotReachWithItsOwnCode) {
    Mark("Alpha Regular");
    Mark("Beta Regular");
    Mark("Gamma Regular");
    files.FailPath(FileCall::Rename, "/system/Alpha.ttf", EBUSY);
    dialogs.QueueResult(platform::IdYes);
    copyProgress.CancelAfterAdvances(2);  // after Alpha's failure and Beta's move
    EXPECT_EQ(Run({}), 1);
    EXPECT_EQ(ErrorLog(), (std::vector<std::string>{paths[0] + " (Delete ERROR:32",
                                                    paths[2] + " (Delete ERROR:1223"}));
    ExpectNothingLost();
}

TEST_F(UninstallTest, AcrossVolumesASourceThatCannotBeDeletedStaysWithNoCopyLeft) {
    fs::create_directories(backup);
    files.SetOtherVolume(backup);
    files.FailPath(FileCall::Unlink, paths[0], EACCES);
    Mark("Alpha Regular");
    Mark("Beta Regular");
    dialogs.QueueResult(platform::IdYes);
    EXPECT_EQ(Run({}), 1);
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), paths[0]);
    EXPECT_EQ(census.WhereIs(paths[1], sandbox.Path()), backup + "/Beta.ttf");
    EXPECT_TRUE(Listed("Alpha Regular"));
    EXPECT_EQ(ErrorLog(), std::vector<std::string>{paths[0] + " (Delete ERROR:5"});
    ExpectNothingLost();
}

TEST_F(UninstallTest, ARunWithoutErrorsLeavesTheLastErrorLog) {
    sandbox.WriteFile("home/error.log", "older run\n");
    Mark("Alpha Regular");
    EXPECT_EQ(Run({}), 1);
    EXPECT_EQ(ErrorLog(), std::vector<std::string>{"older run"});
}

// Fonts shown from a folder: the list loaded them, so deleting releases and reloads them.
class DeleteTest : public CommandFixture {
protected:
    DeleteTest() {
        for (const char* family : {"Alpha", "Beta"}) {
            paths.push_back(MakeFont(std::string("folder/") + family + ".ttf", family));
        }
        ShowFolder(sandbox.Path() + "/folder");
        broadcastsBeforeRun = change.BroadcastCount();
    }

    std::vector<std::string> paths;
    int broadcastsBeforeRun = 0;
};

TEST_F(DeleteTest, DeletedFontsLeaveTheTableAndTheOthersAreLoadedAgain) {
    sandbox.WriteFile("home/protect.lst", "alpha.ttf\n");  // read by uninstall only
    Mark("Alpha Regular");
    Mark("Beta Regular");
    trash.Reject(paths[1], 5);
    dialogs.QueueResult(platform::IdOk);
    std::vector<std::string> asked;
    TUninstallFonts command(context, {.uninstall = false},
                            [&asked](const std::string& caption, const std::string& question) {
                                asked.push_back(caption + "|" + question);
                                return platform::IdYes;
                            });
    EXPECT_EQ(command.Run(0), 1);
    EXPECT_EQ(asked, (std::vector<std::string>{
                         "Confirm Delete Font(s)|\"2 selected fonts\"\nAre you sure you want to "
                         "send these selected fonts to Recycle Bin?"}));
    EXPECT_EQ(trash.Trashed(), std::vector<std::string>{paths[0]});
    EXPECT_TRUE(NotListedAnywhere("Alpha Regular"));
    EXPECT_FALSE(table.IsAdded(paths[0]));
    EXPECT_TRUE(table.IsAdded(paths[1]));
    EXPECT_TRUE(Marked("Beta Regular"));
    EXPECT_TRUE(installed.RefreshedFolders().empty());
    EXPECT_EQ(change.BroadcastCount() - broadcastsBeforeRun, 1);
    ExpectNothingLost();
}

}  // namespace
