#include "fontcommands/installfonts.h"

#include <cerrno>

#include "commands_fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::FileCall;

// Remembers how many fonts the table had taken when the fonts were announced, so a test
// sees that fontconfig hears of the run before the table loads its fonts.
class OrderedFontChange : public fakes::FakeFontChange {
public:
    explicit OrderedFontChange(const fakes::FakeFontTable& table) : table_(table) {}
    void Broadcast() override {
        addsAtBroadcast = static_cast<int>(table_.Adds().size());
        FakeFontChange::Broadcast();
    }
    int addsAtBroadcast = -1;

private:
    const fakes::FakeFontTable& table_;
};

class InstallTest : public CommandFixture {
protected:
    InstallTest() {
        services.fontChange = &ordered;
        for (const char* family : {"Alpha", "Beta", "Gamma"}) {
            MakeFont(std::string("folder/") + family + ".ttf", family);
        }
        ShowFolder(folder);
        addsBeforeRun = static_cast<int>(table.Adds().size());
        broadcastsBeforeRun = ordered.BroadcastCount();
    }
    // The lists of the fixture outlive this class's members and still announce when cleared.
    ~InstallTest() override { services.fontChange = &change; }
    int RunBroadcasts() const { return ordered.BroadcastCount() - broadcastsBeforeRun; }
    std::string Installed(const char* family) const {
        return sandbox.FontsFolder() + "/" + family + ".ttf";
    }

    std::string folder = sandbox.Path() + "/folder";
    OrderedFontChange ordered{table};
    TInstallFonts install{context};
    int addsBeforeRun = 0;
    int broadcastsBeforeRun = 0;
};

TEST_F(InstallTest, MarkedFontsGoIntoAFontsFolderMadeWhenMissingThenOneRefreshThenTheTable) {
    fs::remove_all(sandbox.Path() + "/data");
    Mark("Alpha Regular");
    Mark("Gamma Regular");
    EXPECT_EQ(install.Run(0), 2);
    EXPECT_EQ(testsupport::ReadFileBytes(Installed("Alpha")),
              testsupport::ReadFileBytes(folder + "/Alpha.ttf"));
    EXPECT_TRUE(Exists(Installed("Gamma")));
    EXPECT_FALSE(Exists(Installed("Beta")));
    EXPECT_EQ(RunBroadcasts(), 1);
    EXPECT_EQ(ordered.addsAtBroadcast, addsBeforeRun);
    const std::vector<std::string> loaded(table.Adds().begin() + addsBeforeRun, table.Adds().end());
    EXPECT_EQ(loaded, (std::vector<std::string>{Installed("Alpha"), Installed("Gamma")}));
    EXPECT_FALSE(Marked("Alpha Regular"));
    EXPECT_FALSE(Marked("Gamma Regular"));
    // Installing changes no list.
    EXPECT_EQ(view.GetCount(), 3);
    EXPECT_EQ(master.GetCount(), 3);
}

TEST_F(InstallTest, OpenTypeFontsAndCollectionsInstallLikeTrueTypeOnes) {
    MakeFont("folder/Delta.otf", "Delta");
    MakeCollection("folder/Pair.otc", "Pair One", "Pair Two");
    master.SetFileTypes(TFontFileTypes(true));
    master.Refresh();
    view.Assign(master);
    Mark("Delta Regular");
    Mark("Pair One Regular");
    Mark("Pair Two Regular");
    EXPECT_EQ(install.Run(0), 2);
    EXPECT_TRUE(Exists(sandbox.FontsFolder() + "/Delta.otf"));
    EXPECT_TRUE(Exists(sandbox.FontsFolder() + "/Pair.otc"));
    EXPECT_FALSE(Marked("Pair Two Regular"));
}

TEST_F(InstallTest, WithNothingMarkedOnlyTheFocusedFontIsInstalled) {
    EXPECT_EQ(install.Run(view.Find("Beta Regular")), 1);
    EXPECT_TRUE(Exists(Installed("Beta")));
    EXPECT_FALSE(Exists(Installed("Alpha")));
}

TEST_F(InstallTest, ANameTakenInTheFontsFolderSkipsThatFontAndEveryLaterOne) {
    sandbox.WriteFile("data/fonts/Beta.ttf", "someone else's Beta");
    Mark("Alpha Regular");
    Mark("Beta Regular");
    Mark("Gamma Regular");
    EXPECT_EQ(install.Run(0), 1);
    EXPECT_FALSE(Marked("Alpha Regular"));
    EXPECT_TRUE(Marked("Beta Regular"));
    EXPECT_TRUE(Marked("Gamma Regular"));
    EXPECT_EQ(testsupport::ReadFileBytes(Installed("Beta")), "someone else's Beta");
    EXPECT_FALSE(Exists(Installed("Gamma")));
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(InstallTest, CancelDuringTheSecondFontKeepsTheFirstAndLeavesNoPartOfTheSecond) {
    Mark("Alpha Regular");
    Mark("Beta Regular");
    copyProgress.CancelAfterAdvances(1);
    EXPECT_EQ(install.Run(0), 1);
    EXPECT_TRUE(Exists(Installed("Alpha")));
    EXPECT_FALSE(Exists(Installed("Beta")));
    EXPECT_TRUE(testsupport::TemporaryFiles(sandbox.Path()).empty());
    EXPECT_TRUE(Marked("Beta Regular"));
    EXPECT_EQ(RunBroadcasts(), 1);
}

TEST_F(InstallTest, NothingInstalledMeansNoRefresh) {
    Mark("Alpha Regular");
    files.FailNth(FileCall::Write, 1, ENOSPC);
    dialogs.QueueResult(platform::IdOk);
    EXPECT_EQ(install.Run(0), 0);
    EXPECT_EQ(RunBroadcasts(), 0);
    EXPECT_EQ(static_cast<int>(table.Adds().size()), addsBeforeRun);
    EXPECT_TRUE(Marked("Alpha Regular"));
    ExpectNothingLost();
}

TEST_F(InstallTest, AFontsFolderThatCannotBeMadeStopsBeforeAnyCopy) {
    fs::remove_all(sandbox.FontsFolder());
    files.FailPath(FileCall::MakeFolder, "/data/fonts", EACCES);
    dialogs.QueueResult(platform::IdOk);
    EXPECT_EQ(install.Run(0), 0);
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].text, "Access is denied.");
    EXPECT_EQ(files.CountOf(FileCall::CreateNew), 0);
}

TEST_F(InstallTest, OnlyFontsShownFromFoldersCanBeInstalled) {
    ShowInstalled({folder + "/Alpha.ttf"});
    EXPECT_EQ(install.Run(0), 0);
    EXPECT_EQ(files.CountOf(FileCall::CreateNew), 0);
}

}  // namespace
