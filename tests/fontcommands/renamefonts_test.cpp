#include "fontcommands/renamefonts.h"

#include <cerrno>

#include "commands_fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::FileCall;

class RenameTest : public CommandFixture {
protected:
    RenameTest() {
        paths.push_back(MakeFont("folder/x1.ttf", "Foo"));
        paths.push_back(MakeFont("folder/x2.ttf", "Bar"));
        paths.push_back(MakeFont("folder/x3.TTF", "Baz"));
        ShowFolder(folder);
    }
    int Run(int focused = 0) { return TRenameFonts(context).Run(focused); }
    std::string In(const std::string& name) const { return folder + "/" + name; }
    std::string FileOf(const TFontList& list, const std::string& fullName) const {
        return list.GetItems(list.Find(fullName)).FileName();
    }

    std::string folder = sandbox.Path() + "/folder";
    std::vector<std::string> paths;
};

TEST_F(RenameTest, AFileTakesItsFontNameAndKeepsItsExtension) {
    Mark("Foo Regular");
    Mark("Baz Regular");
    dialogs.QueueResult(platform::IdYes);
    EXPECT_EQ(Run(), 2);
    EXPECT_EQ(dialogs.Calls()[0].text,
              "\"2 selected fonts\"\nThis will change filename to its font name.\nAre you sure "
              "you want to do this action?");
    EXPECT_EQ(dialogs.Calls()[0].caption, "Rename");
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), In("Foo Regular.ttf"));
    EXPECT_EQ(census.WhereIs(paths[2], sandbox.Path()), In("Baz Regular.TTF"));
    for (const TFontList* list : {&master, &view}) {
        EXPECT_EQ(FileOf(*list, "Foo Regular"), In("Foo Regular.ttf"));
    }
    EXPECT_FALSE(Marked("Foo Regular"));
    EXPECT_FALSE(table.IsAdded(paths[0]));
    EXPECT_TRUE(table.IsAdded(In("Foo Regular.ttf")));
    ExpectNothingLost();
}

TEST_F(RenameTest, ATakenNameAsksForAnotherAndUsesWhatIsTyped) {
    sandbox.WriteFile("folder/Foo Regular.ttf", "someone else");
    dialogs.QueueResult(platform::IdYes);
    dialogs.QueueText(platform::IdOk, "Foo2");
    EXPECT_EQ(Run(view.Find("Foo Regular")), 1);
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[0].text,
              "\"Foo Regular\"\nThis will change filename to its font name.\nAre you sure you "
              "want to do this action?");
    EXPECT_EQ(dialogs.Calls()[1].kind, "InputString");
    EXPECT_EQ(dialogs.Calls()[1].text,
              "Same filename already exists or filename is invalid.\nPut new filename without "
              "'.ttf'");
    EXPECT_EQ(dialogs.Calls()[1].input, "Foo Regular");
    EXPECT_EQ(testsupport::ReadFileBytes(In("Foo Regular.ttf")), "someone else");
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), In("Foo2.ttf"));
}

TEST_F(RenameTest, OpenTypeFilesAndCollectionsKeepTheirOwnExtension) {
    MakeFont("folder/x4.otf", "Qux");
    MakeCollection("folder/x5.otc", "Quux", "Quuux");
    sandbox.WriteFile("folder/Quux Regular.otc", "taken");
    master.SetFileTypes(TFontFileTypes(true));
    master.Refresh();
    view.Assign(master);
    Mark("Qux Regular");
    Mark("Quux Regular");
    dialogs.QueueResult(platform::IdYes);
    dialogs.QueueText(platform::IdOk, "Quux Both");
    EXPECT_EQ(Run(), 2);
    EXPECT_TRUE(Exists(In("Qux Regular.otf")));
    EXPECT_TRUE(Exists(In("Quux Both.otc")));
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[1].text,
              "Same filename already exists or filename is invalid.\nPut new filename without "
              "'.otc'");
    // Both faces of the collection follow their file.
    EXPECT_EQ(FileOf(view, "Quuux Regular"), In("Quux Both.otc"));
}

// A font name is untrusted: whatever it holds, the file stays in its folder.
TEST_F(RenameTest, NamesThatWouldLeaveTheFolderOrAreNoNamesAreInvalid) {
    for (const std::string& name :
         {std::string("../escape"), std::string("a/b"), std::string(".."), std::string("."),
          std::string(), std::string("tab\there"), std::string("nul\0byte", 8)}) {
        EXPECT_EQ(TRenameFonts::FileNameFor(name, ".ttf"), "") << name;
    }
    EXPECT_EQ(TRenameFonts::FileNameFor("Noto Sans CJK", ".ttc"), "Noto Sans CJK.ttc");
    EXPECT_EQ(TRenameFonts::FileNameFor("...", ".ttf"), "....ttf");
}

TEST_F(RenameTest, AnInvalidTypedNameAsksAgain) {
    sandbox.WriteFile("folder/Bar Regular.ttf", "taken");
    dialogs.QueueResult(platform::IdYes);
    dialogs.QueueText(platform::IdOk, "../up");
    dialogs.QueueText(platform::IdOk, "Bar Two");
    EXPECT_EQ(Run(view.Find("Bar Regular")), 1);
    EXPECT_EQ(dialogs.Calls().size(), 3u);
    EXPECT_EQ(census.WhereIs(paths[1], sandbox.Path()), In("Bar Two.ttf"));
    EXPECT_FALSE(Exists(sandbox.Path() + "/up.ttf"));
}

TEST_F(RenameTest, AFileAlreadyNamedAfterItsFontIsDone) {
    fs::rename(paths[0], In("Foo Regular.ttf"));
    master.Refresh();
    view.Assign(master);
    Mark("Foo Regular");
    dialogs.QueueResult(platform::IdYes);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_FALSE(Marked("Foo Regular"));
}

TEST_F(RenameTest, CancelInThePromptAsksWhetherToGoOnAndYesGoesOn) {
    sandbox.WriteFile("folder/Bar Regular.ttf", "taken");
    Mark("Bar Regular");  // first in the list's order
    Mark("Foo Regular");
    dialogs.QueueResult(platform::IdYes);
    dialogs.QueueResult(platform::IdCancel);
    dialogs.QueueResult(platform::IdYes);
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(dialogs.Calls().size(), 3u);
    EXPECT_EQ(dialogs.Calls()[2].text, "Do you want to process the rest of files?");
    EXPECT_EQ(dialogs.Calls()[2].caption, "Rename");
    EXPECT_EQ(dialogs.Calls()[2].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(dialogs.Calls()[2].icon, platform::MsgIcon::Question);
    EXPECT_TRUE(Exists(paths[1]));
    EXPECT_TRUE(Marked("Bar Regular"));
    EXPECT_TRUE(table.IsAdded(paths[1]));
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), In("Foo Regular.ttf"));
}

TEST_F(RenameTest, OtherFailuresGiveTheFileUpWithoutAPrompt) {
    files.FailPath(FileCall::Rename, "x1.ttf", EBUSY);
    dialogs.QueueResult(platform::IdYes);
    EXPECT_EQ(Run(view.Find("Foo Regular")), 0);
    EXPECT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_TRUE(table.IsAdded(paths[0]));
}

TEST_F(RenameTest, OnFileSystemsWithoutTheNoReplaceFlagATakenNameStillPrompts) {
    platform::PosixFileSystem linkOnly([](const char*, const char*) { return errno = EINVAL, -1; });
    fakes::FaultyFileSystem wrapped(linkOnly);
    TFontCommandContext withLinks{master, view, services, dialogs, wrapped, nullptr, nullptr};
    sandbox.WriteFile("folder/Foo Regular.ttf", "taken");
    dialogs.QueueResult(platform::IdYes);
    dialogs.QueueText(platform::IdOk, "Foo Three");
    EXPECT_EQ(TRenameFonts(withLinks).Run(view.Find("Foo Regular")), 1);
    EXPECT_EQ(dialogs.Calls()[1].kind, "InputString");
    EXPECT_EQ(testsupport::ReadFileBytes(In("Foo Regular.ttf")), "taken");
    EXPECT_EQ(census.WhereIs(paths[0], sandbox.Path()), In("Foo Three.ttf"));
}

}  // namespace
