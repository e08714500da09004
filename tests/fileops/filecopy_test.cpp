#include "fileops/filecopy.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine_fixture.h"
#include "fakes/scriptedprogress.h"

namespace {

namespace fs = std::filesystem;
using platform::FileCall;

class FileCopyTest : public EngineFixture {
protected:
    fakes::ScriptedCopyProgress progress;
    TFileCopy copy{files, dialogs, &progress};

    // Answers every file-exists question with action; a renaming answer puts "-new" before
    // the extension.
    void AnswerExists(std::uint32_t action) {
        copy.OnFileExists = [this, action](TFileCopy&, const std::string&, std::string& target,
                                           std::uint32_t& flags) {
            ++asked;
            flags = action;
            if ((action & faRenamed) != 0) {
                target.insert(target.rfind('.'), "-new");
            }
        };
    }
    int asked = 0;
};

TEST_F(FileCopyTest, ACopyKeepsBytesPermissionsAndModificationTime) {
    const std::string font = MakeFile(from, "a.ttf", 1000);
    ASSERT_EQ(::chmod(font.c_str(), 0640), 0);
    const fs::file_time_type stamp = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(font, stamp);
    copy.Files = {font};
    copy.CopyTo(to);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_EQ(Bytes(to + "/a.ttf"), Bytes(font));
    EXPECT_EQ(fs::status(to + "/a.ttf").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(fs::last_write_time(to + "/a.ttf"), stamp);
    EXPECT_TRUE(testsupport::TemporaryFiles(sandbox.Path()).empty());
}

TEST_F(FileCopyTest, TheGaugeMovesByBufferBlocksAndTheWindowNamesFoldersAndFile) {
    copy.Files = {MakeFile(from, "big.ttf", 200000)};
    copy.CopyTo(to);
    EXPECT_EQ(progress.Advances(), (std::vector<std::uint64_t>{65535, 65535, 65535, 3395}));
    const auto& display = progress.LastDisplay();
    EXPECT_EQ(display.caption, "Installing...");
    EXPECT_TRUE(display.byBytes);
    EXPECT_EQ(display.gaugeMax, 200000u);
    EXPECT_EQ(display.totalSize, "200,000");
    EXPECT_EQ(display.totalCount, 1);
    EXPECT_EQ(display.sourceName, "from");
    EXPECT_EQ(progress.TargetName(), "to");
    const std::vector<std::string> start(progress.Events().begin(), progress.Events().begin() + 5);
    EXPECT_EQ(start, (std::vector<std::string>{"Begin", "Target to", "Start",
                                               "File big.ttf (200,000 bytes) ", "Current 1"}));
    EXPECT_EQ(progress.Events().back(), "End");
}

TEST_F(FileCopyTest, WithoutAHandlerAnExistingTargetSkipsItAndEveryLaterFile) {
    copy.Files = {MakeFile(from, "a.ttf"), MakeFile(from, "b.ttf"), MakeFile(from, "c.ttf")};
    MakeFile(to, "b.ttf");
    copy.CopyTo(to);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_EQ(copy.Result(1), kResultSkipped);
    EXPECT_EQ(copy.Result(2), kResultSkipped);
    EXPECT_FALSE(Exists(to + "/c.ttf"));
    EXPECT_EQ(progress.Current(), 2);                  // the count stops for skipped files
    EXPECT_EQ(files.CountOf(FileCall::CreateNew), 1);  // no copy is made to be thrown away
    fs::remove(to + "/a.ttf");  // the one copy made; the census would count it twice
    ExpectNothingLost();
}

TEST_F(FileCopyTest, HandlerDecisionsOnAnExistingTarget) {
    struct Case {
        const char* name;
        std::uint32_t action;
        int firstResult;
        int laterResult;
        const char* targetHolds;  // "new" or "old"
        bool renamedCopy;
    };
    const Case cases[] = {
        {"skip", faSkip, kResultSkipped, 0, "old", false},
        {"skip all", faSkip | faAll, kResultSkipped, kResultSkipped, "old", false},
        {"overwrite", faOverwrite, 0, 0, "new", false},
        {"rename", faRenamed, 0, 0, "old", true},
        {"stop", faStop, kResultCancelled, kResultCancelled, "old", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sandbox own;
        const std::string src = own.WriteFile("from/a.ttf", "new a");
        const std::string later = own.WriteFile("from/b.ttf", "new b");
        const std::string dst = own.WriteFile("to/a.ttf", "old a");
        TFileCopy run(files, dialogs, &progress);
        run.OnFileExists = [&c](TFileCopy&, const std::string&, std::string& target,
                                std::uint32_t& flags) {
            flags = c.action;
            if ((c.action & faRenamed) != 0) {
                target.insert(target.rfind('.'), "-new");
            }
        };
        run.Files = {src, later};
        run.CopyTo(own.Path() + "/to");
        EXPECT_EQ(run.Result(0), c.firstResult);
        EXPECT_EQ(run.Result(1), c.laterResult);
        EXPECT_EQ(Bytes(dst), std::string(c.targetHolds) + " a");
        EXPECT_EQ(Exists(own.Path() + "/to/a-new.ttf"), c.renamedCopy);
        EXPECT_EQ(Bytes(src), "new a");
        EXPECT_TRUE(testsupport::TemporaryFiles(own.Path()).empty());
    }
}

TEST_F(FileCopyTest, AHandlerThatDecidesNothingSkipsInsteadOfAskingForever) {
    copy.Files = {MakeFile(from, "a.ttf")};
    MakeFile(to, "a.ttf");
    AnswerExists(0);
    copy.CopyTo(to);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(copy.Result(0), kResultSkipped);
    // The time estimate does not count the time the question was open.
    const auto& events = progress.Events();
    const auto pause = std::find(events.begin(), events.end(), "Pause");
    EXPECT_NE(pause, events.end());
    EXPECT_NE(std::find(pause, events.end(), "Restart"), events.end());
}

// Another program maps the old target; truncating it in place would kill that program and
// change what it sees. The old file keeps its bytes until it is unmapped.
TEST_F(FileCopyTest, OverwriteLeavesAMappedTargetItsOldBytes) {
    const std::string target = to + "/a.ttf";
    const std::string oldBytes(8192, 'o');
    sandbox.WriteFile("to/a.ttf", oldBytes);
    const int fd = ::open(target.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    void* mapped = ::mmap(nullptr, oldBytes.size(), PROT_READ, MAP_SHARED, fd, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    copy.Files = {MakeFile(from, "a.ttf", 100)};
    AnswerExists(faOverwrite);
    copy.CopyTo(to);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_EQ(std::memcmp(mapped, oldBytes.data(), oldBytes.size()), 0);
    EXPECT_EQ(Bytes(target), Bytes(from + "/a.ttf"));
    ::munmap(mapped, oldBytes.size());
    ::close(fd);
}

TEST_F(FileCopyTest, AReadOnlyTargetIsReplacedOnlyWithOverwrite) {
    const std::string target = MakeFile(to, "a.ttf");
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    copy.Files = {MakeFile(from, "a.ttf")};
    EXPECT_EQ(copy.CopyOne(copy.Files[0], target), 80);
    copy.Action = faOverwrite;
    EXPECT_EQ(copy.CopyOne(copy.Files[0], target), 0);
    EXPECT_EQ(Bytes(target), Bytes(copy.Files[0]));
}

TEST_F(FileCopyTest, OverwriteReplacesAPlantedLinkWithoutWritingThroughIt) {
    const std::string elsewhere = MakeFile(sandbox.Path(), "elsewhere.ttf");
    fs::create_symlink(elsewhere, to + "/a.ttf");
    copy.Files = {MakeFile(from, "a.ttf")};
    copy.Action = faOverwrite;
    EXPECT_EQ(copy.CopyOne(copy.Files[0], to + "/a.ttf"), 0);
    EXPECT_FALSE(fs::is_symlink(to + "/a.ttf"));
    EXPECT_EQ(census.WhereIs(elsewhere, sandbox.Path()), elsewhere);
}

TEST_F(FileCopyTest, CancelInTheMiddleOfAFileLeavesNoPartOfIt) {
    copy.Files = {MakeFile(from, "a.ttf", 1000), MakeFile(from, "b.ttf", 300000),
                  MakeFile(from, "c.ttf")};
    progress.CancelAfterAdvances(3);  // during the second file
    copy.CopyTo(to);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_EQ(copy.Result(1), kResultCancelled);
    EXPECT_EQ(copy.Result(2), kResultCancelled);
    EXPECT_FALSE(Exists(to + "/b.ttf"));
    EXPECT_EQ(dialogs.Calls().size(), 0u);
    fs::remove(to + "/a.ttf");  // the one copy made; the census would count it twice
    ExpectNothingLost();
}

// Faults in the middle of a file or on either end: the file fails with its code, the run
// asks whether to go on, and no partial or temporary file is left. Faults met while the
// run's copies are placed together end both copies of the group.
TEST_F(FileCopyTest, FaultsFailTheFileAndLeaveNothingBehind) {
    using platform::MsgButtons;
    struct Case {
        const char* name;
        FileCall call;
        int nth;
        const char* pathPart;
        int err;
        int expected;
        MsgButtons firstQuestion;
        bool laterDone;
    };
    const Case cases[] = {
        {"disk full mid-file", FileCall::Write, 2, nullptr, ENOSPC, 112, MsgButtons::YesNo, true},
        {"read error mid-file", FileCall::Read, 2, nullptr, EIO, 30, MsgButtons::YesNo, true},
        {"source not readable", FileCall::OpenRead, 0, "/from/a.ttf", EACCES, 5, MsgButtons::YesNo,
         true},
        {"target folder not writable", FileCall::CreateNew, 0, "/to/", EACCES, 5, MsgButtons::YesNo,
         false},
        {"volume sync fails", FileCall::SyncVolume, 1, nullptr, EIO, 30, MsgButtons::Ok, false},
        {"rename into place fails", FileCall::Rename, 1, nullptr, EROFS, 19, MsgButtons::Ok, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sandbox own;
        platform::PosixFileSystem ownReal;
        fakes::FaultyFileSystem faulty(ownReal);
        fakes::ScriptedDialogs answers;
        answers.QueueResult(platform::IdYes);
        testsupport::FileCensus originals;
        const std::string a = own.WriteFile("from/a.ttf", std::string(200000, 'a'));
        const std::string b = own.WriteFile("from/b.ttf", "b");
        fs::create_directories(own.Path() + "/to");
        originals.Take({a, b});
        if (c.pathPart != nullptr) {
            faulty.FailPath(c.call, c.pathPart, c.err);
        } else {
            faulty.FailNth(c.call, c.nth, c.err);
        }
        TFileCopy run(faulty, answers, nullptr);
        run.Files = {a, b};
        run.CopyTo(own.Path() + "/to");
        EXPECT_EQ(run.Result(0), c.expected);
        ASSERT_GE(answers.Calls().size(), 1u);
        EXPECT_EQ(answers.Calls()[0].buttons, c.firstQuestion);
        EXPECT_FALSE(Exists(own.Path() + "/to/a.ttf"));
        EXPECT_TRUE(testsupport::TemporaryFiles(own.Path()).empty());
        EXPECT_EQ(originals.Check(own.Path() + "/from"), "");
        EXPECT_EQ(run.Done(1), c.laterDone);
    }
}

TEST_F(FileCopyTest, CopiesOfARunWaitForOneSyncOfTheVolumeBeforeTakingTheirNames) {
    copy.Files = {MakeFile(from, "a.ttf"), MakeFile(from, "b.ttf"), MakeFile(from, "c.ttf")};
    copy.CopyTo(to);
    EXPECT_EQ(files.CountOf(FileCall::SyncVolume), 1);
    EXPECT_EQ(files.CountOf(FileCall::Sync), 0);
    const int synced = files.IndexOf(FileCall::SyncVolume, to);
    int renames = 0;
    for (std::size_t i = 0; i < files.Log().size(); ++i) {
        const auto& call = files.Log()[i];
        if (call.kind == FileCall::Write) {
            EXPECT_LT(static_cast<int>(i), synced);
        }
        if (call.kind == FileCall::Rename) {
            EXPECT_GT(static_cast<int>(i), synced);
            ++renames;
        }
    }
    EXPECT_EQ(renames, 3);
    EXPECT_TRUE(copy.Done(2));
}

TEST_F(FileCopyTest, TwoFilesOfOneNameMeetAsAClashThoughTheFirstStillWaits) {
    fs::create_directories(from + "/sub");
    copy.Files = {MakeFile(from, "a.ttf"), MakeFile(from + "/sub", "a.ttf")};
    AnswerExists(faRenamed);
    copy.CopyTo(to);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_TRUE(copy.Done(1));
    EXPECT_EQ(Bytes(to + "/a.ttf"), Bytes(from + "/a.ttf"));
    EXPECT_EQ(Bytes(to + "/a-new.ttf"), Bytes(from + "/sub/a.ttf"));
}

TEST_F(FileCopyTest, AnErrorOnTheLastFileOffersOnlyOk) {
    copy.Files = {MakeFile(from, "a.ttf")};
    files.FailNth(FileCall::Write, 1, ENOSPC);
    dialogs.QueueResult(platform::IdOk);
    copy.CopyTo(to);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "There is no enough space in disk");
    EXPECT_EQ(dialogs.Calls()[0].caption, "Do you want to process the rest of files?");
    EXPECT_EQ(dialogs.Calls()[0].buttons, platform::MsgButtons::Ok);
}

TEST_F(FileCopyTest, TooLittleSpaceRefusesTheRunBeforeAnyCopy) {
    copy.Files = {MakeFile(from, "a.ttf", 5000), MakeFile(from, "b.ttf", 5000)};
    files.SetFreeBytes(9999);
    copy.CopyTo(to);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "There is no enough space in disk");
    EXPECT_EQ(dialogs.Calls()[0].caption, "Error");
    EXPECT_EQ(dialogs.Calls()[0].icon, platform::MsgIcon::Error);
    EXPECT_EQ(copy.Result(0), 112);
    EXPECT_EQ(copy.Result(1), 112);
    EXPECT_EQ(files.CountOf(FileCall::CreateNew), 0);
    EXPECT_TRUE(progress.Events().empty());
}

TEST_F(FileCopyTest, AMissingTargetFolderIsNotAFullDisk) {
    copy.Files = {MakeFile(from, "a.ttf")};
    copy.CopyTo(to + "/missing");
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "The system cannot find the file/folder specified");
    EXPECT_EQ(copy.Result(0), 3);
}

class FileMoveTest : public FileCopyTest {};

TEST_F(FileMoveTest, OnOneVolumeFilesAreRenamedAndCountedNotSized) {
    copy.Files = {MakeFile(from, "a.ttf", 5000), MakeFile(from, "b.ttf", 5000)};
    copy.MoveTo(to);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_TRUE(copy.Done(1));
    EXPECT_FALSE(progress.LastDisplay().byBytes);
    EXPECT_EQ(progress.LastDisplay().gaugeMax, 2u);
    EXPECT_EQ(progress.Advances(), (std::vector<std::uint64_t>{1, 1}));
    EXPECT_NE(std::find(progress.Events().begin(), progress.Events().end(), "File a.ttf"),
              progress.Events().end());
    EXPECT_EQ(files.CountOf(FileCall::CreateNew), 0);
    EXPECT_EQ(census.WhereIs(from + "/a.ttf", sandbox.Path()), to + "/a.ttf");
    ExpectNothingLost();
}

TEST_F(FileMoveTest, OnOneVolumeAnExistingTargetIsNeverReplacedUnasked) {
    copy.Files = {MakeFile(from, "a.ttf")};
    MakeFile(to, "a.ttf");
    AnswerExists(faSkip);
    copy.MoveTo(to);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(copy.Result(0), kResultSkipped);
    ExpectNothingLost();
}

TEST_F(FileMoveTest, OnOneVolumeOverwriteIsOneReplacingRename) {
    const std::string old = MakeFile(to, "a.ttf");
    copy.Files = {MakeFile(from, "a.ttf")};
    AnswerExists(faOverwrite);
    copy.MoveTo(to);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_EQ(files.IndexOf(FileCall::Unlink, old), -1);
    EXPECT_EQ(census.WhereIs(from + "/a.ttf", sandbox.Path()), old);
}

TEST_F(FileMoveTest, CancelIsHonouredBeforeEachFileOnOneVolume) {
    copy.Files = {MakeFile(from, "a.ttf"), MakeFile(from, "b.ttf")};
    progress.CancelAfterAdvances(1);
    copy.MoveTo(to);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_EQ(copy.Result(1), kResultCancelled);
    EXPECT_TRUE(Exists(from + "/b.ttf"));
}

TEST_F(FileMoveTest, AcrossVolumesTheSourceGoesOnlyAfterItsCopyIsOnTheDisk) {
    files.SetOtherVolume(to);
    const std::string source = MakeFile(from, "a.ttf", 70000);
    copy.Files = {source};
    copy.MoveTo(to);
    ASSERT_TRUE(copy.Done(0));
    EXPECT_TRUE(progress.LastDisplay().byBytes);
    const auto& log = files.Log();
    int synced = -1;
    int renamed = -1;
    int folderSynced = files.IndexOf(FileCall::SyncFolder, to);
    for (int i = 0; i < static_cast<int>(log.size()); ++i) {
        if (log[i].kind == FileCall::Sync && log[i].path.find("/to/.a.ttf.") != std::string::npos) {
            synced = i;
        }
        if (log[i].kind == FileCall::Rename && log[i].target == to + "/a.ttf") {
            renamed = i;
        }
    }
    const int unlinked = files.IndexOf(FileCall::Unlink, source);
    ASSERT_GE(synced, 0);
    EXPECT_LT(synced, renamed);
    EXPECT_LT(renamed, folderSynced);
    EXPECT_LT(folderSynced, unlinked);
    EXPECT_EQ(census.WhereIs(source, sandbox.Path()), to + "/a.ttf");
    ExpectNothingLost();
}

TEST_F(FileMoveTest, AcrossVolumesASourceThatCannotBeDeletedFailsTheMove) {
    files.SetOtherVolume(to);
    const std::string source = MakeFile(from, "a.ttf");
    copy.Files = {source};
    files.FailPath(FileCall::Unlink, source, EACCES);
    dialogs.QueueResult(platform::IdOk);
    copy.MoveTo(to);
    EXPECT_EQ(copy.Result(0), 5);
    EXPECT_FALSE(copy.Done(0));
    EXPECT_FALSE(Exists(to + "/a.ttf"));
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].caption, "Error");
    ExpectNothingLost();
}

TEST_F(FileMoveTest, AcrossVolumesAReplacedTargetKeepsTheCopyWhenTheSourceStays) {
    files.SetOtherVolume(to);
    const std::string source = MakeFile(from, "a.ttf");
    sandbox.WriteFile("to/a.ttf", "old");
    copy.Files = {source};
    copy.Action = faOverwrite | faAll;
    files.FailPath(FileCall::Unlink, source, EACCES);
    copy.MoveTo(to);
    EXPECT_EQ(copy.Result(0), 5);
    EXPECT_EQ(Bytes(source), Bytes(to + "/a.ttf"));
}

TEST_F(FileMoveTest, ARenameRefusedAcrossMountsFallsBackToCopyAndDelete) {
    const std::string source = MakeFile(from, "a.ttf");
    copy.Files = {source};
    files.FailNth(FileCall::Rename, 1, EXDEV);
    copy.MoveTo(to);
    EXPECT_TRUE(copy.Done(0));
    EXPECT_FALSE(Exists(source));
    EXPECT_EQ(census.WhereIs(source, sandbox.Path()), to + "/a.ttf");
    EXPECT_EQ(progress.Current(), 1);
}

TEST_F(FileMoveTest, StopFromTheHandlerEndsTheRunAsCancelled) {
    copy.Files = {MakeFile(from, "a.ttf"), MakeFile(from, "b.ttf")};
    MakeFile(to, "a.ttf");
    AnswerExists(faStop);
    copy.MoveTo(to);
    EXPECT_EQ(copy.Result(0), kResultCancelled);
    EXPECT_EQ(copy.Result(1), kResultCancelled);
    EXPECT_TRUE(Exists(from + "/b.ttf"));
    ExpectNothingLost();
}

}  // namespace
