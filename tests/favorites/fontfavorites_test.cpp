#include "favorites/fontfavorites.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/sandbox.h"

namespace {

using Lines = std::vector<std::string>;

TFontFavorites StoreOf(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    TFontFavorites store;
    store.LoadFromBytes(bytes);
    return store;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(TFontFavorites, LinesEndAtCrLfOrCrOrLfAndAreWrittenWithCrLf) {
    TFontFavorites store;
    store.LoadFromBytes("[A]\rOne=/x/1.ttf\nTwo=/x/2.ttf\r\n\r\n[B]\n\rLast=/x/3.ttf");
    EXPECT_EQ(store.Lines(),
              (Lines{"[A]", "One=/x/1.ttf", "Two=/x/2.ttf", "", "[B]", "", "Last=/x/3.ttf"}));
    EXPECT_EQ(store.SaveToBytes(),
              "[A]\r\nOne=/x/1.ttf\r\nTwo=/x/2.ttf\r\n\r\n[B]\r\n\r\nLast=/x/3.ttf\r\n");
}

TEST(TFontFavorites, ByteOrderMarksBeforeTheFirstLineAreDropped) {
    TFontFavorites store;
    store.LoadFromBytes("\xEF\xBB\xBF\xEF\xBB\xBF[First]\r\n\xEF\xBB\xBF[Second]\r\n");
    EXPECT_EQ(store.GetGroups(), Lines{"First"});
    EXPECT_EQ(store.GetFontCount("First"), 1);
}

TEST(TFontFavorites, GroupsComeInFileOrderAndLinesAboveTheFirstHeaderBelongToNone) {
    const TFontFavorites store = StoreOf(
        {"Orphan=/x/o.ttf", "[Headings]", "Impact=/x/i.ttf", "", "[a=b]", "[Font]=/x/f.ttf", "[]"});
    EXPECT_EQ(store.GetGroups(), (Lines{"Headings", "a=b", ""}));
    EXPECT_EQ(store.GetGroupFonts("a=b"), Lines{"[Font]"});
    EXPECT_EQ(StoreOf({}).GetGroups(), Lines{});
    EXPECT_EQ(StoreOf({"Arial=/x/a.ttf", "junk"}).GetGroups(), Lines{});
}

TEST(TFontFavorites, GroupNamesMatchIgnoringCaseAndTheFirstOfDuplicatesWins) {
    const TFontFavorites store =
        StoreOf({"[Same]", "One=/x/1.ttf", "", "[SAME]", "Two=/x/2.ttf", "Three=/x/3.ttf"});
    EXPECT_EQ(store.FindGroup("same"), 0);
    EXPECT_EQ(store.FindGroup("Other"), -1);
    EXPECT_EQ(store.GetGroupFonts("SAME"), Lines{"One"});
    EXPECT_EQ(store.GetFontCount("sAmE"), 1);
    EXPECT_EQ(store.GetGroups(), (Lines{"Same", "SAME"}));
}

TEST(TFontFavorites, GroupFontsAreNonEmptyLinesSortedIgnoringCase) {
    const TFontFavorites store = StoreOf(
        {"[G]", "zeta=/x/z.ttf", "", "Alpha=/x/a.ttf", "beta=/x/b.ttf", "", "[Next]", "Q=/x/q"});
    EXPECT_EQ(store.GetGroupFonts("g"), (Lines{"Alpha", "beta", "zeta"}));
    EXPECT_EQ(store.GetFontCount("G"), 3);
    const std::vector<TFavoriteEntry> entries = store.GetGroupEntries("G");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (TFavoriteEntry{"Alpha", "/x/a.ttf"}));
    EXPECT_EQ(store.GetGroupFonts("Missing"), Lines{});
    EXPECT_EQ(store.GetFontCount("Missing"), 0);
}

TEST(TFontFavorites, IsGroupOutsideTheLinesIsARangeError) {
    const TFontFavorites store = StoreOf({"[G]", "A=/x/a.ttf"});
    EXPECT_TRUE(store.IsGroup(0));
    EXPECT_FALSE(store.IsGroup(1));
    for (const int index : {-1, 2}) {
        try {
            store.IsGroup(index);
            ADD_FAILURE() << "no error for " << index;
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ(error.what(), "List index out of bounds!");
        }
    }
}

TEST(TFontFavorites, AddedLinesGoRightAfterTheHeaderInReverseOrder) {
    TFontFavorites existing = StoreOf({"[G]", "C=/x/c.ttf", "", "[H]"});
    existing.AddFonts("g", {"A=/x/a.ttf", "B=/x/b.ttf"});
    EXPECT_EQ(existing.Lines(),
              (Lines{"[G]", "B=/x/b.ttf", "A=/x/a.ttf", "C=/x/c.ttf", "", "[H]"}));

    TFontFavorites missing = StoreOf({"[G]"});
    missing.AddFonts("New", {"A=/x/a.ttf", "B=/x/b.ttf"});
    EXPECT_EQ(missing.Lines(), (Lines{"[G]", "", "[New]", "B=/x/b.ttf", "A=/x/a.ttf"}));
    EXPECT_EQ(missing.FindGroup("NEW"), 2);
}

TEST(TFontFavorites, AddedLinesThatWouldForgeOtherLinesAreSkipped) {
    TFontFavorites store = StoreOf({"[G]"});
    store.AddFonts("G", {"Evil=/x\r\n[Forged]", "[Forged]", "", "Good=/x/g.ttf"});
    store.AddFonts("Bad\n[Forged]", {"A=/x/a.ttf"});
    EXPECT_EQ(store.Lines(), (Lines{"[G]", "Good=/x/g.ttf"}));
}

TEST(TFontFavorites, DeleteFontRemovesTheFirstLineOfThatNameInTheGroupOnly) {
    TFontFavorites store =
        StoreOf({"[G]", "Arial=/x/1.ttf", "ARIAL=/x/2.ttf", "[H]", "Arial=/x/3.ttf"});
    store.DeleteFont("h", "arial");
    store.DeleteFont("G", "arial");
    store.DeleteFont("Missing", "Arial");
    EXPECT_EQ(store.Lines(), (Lines{"[G]", "ARIAL=/x/2.ttf", "[H]"}));
}

TEST(TFontFavorites, DeleteGroupTakesItsBlankLinesAndKeepsTheNextHeader) {
    TFontFavorites store = StoreOf({"[G]", "A=/x/a.ttf", "", "[H]", "B=/x/b.ttf"});
    store.DeleteGroup("g");
    EXPECT_EQ(store.Lines(), (Lines{"[H]", "B=/x/b.ttf"}));
    store.DeleteGroup("Missing");
    EXPECT_EQ(store.Lines(), (Lines{"[H]", "B=/x/b.ttf"}));
}

TEST(TFontFavorites, RenameRefusesANameAnotherGroupHasButAllowsALetterCaseChange) {
    TFontFavorites store = StoreOf({"[Body]", "[Headings]"});
    EXPECT_FALSE(store.RenameGroup("Body", "HEADINGS"));
    EXPECT_FALSE(store.RenameGroup("Missing", "Other"));
    EXPECT_FALSE(store.RenameGroup("Body", "Two\nLines"));
    EXPECT_EQ(store.Lines(), (Lines{"[Body]", "[Headings]"}));
    EXPECT_TRUE(store.RenameGroup("body", "BODY"));
    EXPECT_TRUE(store.RenameGroup("Headings", "Titles"));
    EXPECT_EQ(store.Lines(), (Lines{"[BODY]", "[Titles]"}));
    EXPECT_EQ(store.FindGroup("headings"), -1);
    EXPECT_EQ(store.FindGroup("titles"), 1);
}

class FavoritesFileTest : public ::testing::Test {
protected:
    std::string FavFile() const { return sandbox.HomeFolder() + "installed.fav"; }
    Sandbox sandbox;
};

TEST_F(FavoritesFileTest, DeleteMissingFontsDropsOnlyFilesGoneFromAFolderThatIsThere) {
    const std::string kept = sandbox.WriteFile("fonts/kept.ttf", "x");
    const std::string fonts = sandbox.Path() + "/fonts/";
    const std::string unplugged = sandbox.Path() + "/unplugged/drive/";
    std::filesystem::create_symlink(kept, fonts + "link.ttf");
    std::filesystem::create_symlink(fonts + "nowhere.ttf", fonts + "dangling.ttf");
    TFontFavorites store =
        StoreOf({"Orphan=" + kept, "[G]", "Kept=" + kept, "Gone=" + fonts + "gone.ttf",
                 "Away=" + unplugged + "a.ttf", "Folder=" + fonts, "Link=" + fonts + "link.ttf",
                 "Dangling=" + fonts + "dangling.ttf", "", "junk", "Rel=fonts/kept.ttf",
                 "Win=C:\\WINDOWS\\Fonts\\a.ttf", "Empty=", "[Empty group]"});
    store.DeleteMissingFonts();
    EXPECT_EQ(store.Lines(),
              (Lines{"Orphan=" + kept, "[G]", "Kept=" + kept, "Away=" + unplugged + "a.ttf",
                     "Link=" + fonts + "link.ttf", "[Empty group]"}));
    EXPECT_EQ(store.GetGroupFonts("G"), (Lines{"Away", "Kept", "Link"}));
}

TEST_F(FavoritesFileTest, MissingFileIsAnEmptyStoreAndUnreadableOneIsAnError) {
    TFontFavorites store = StoreOf({"[Old]"});
    store.LoadFromFile(FavFile());
    EXPECT_TRUE(store.Lines().empty());

    store = StoreOf({"[Old]"});
    const std::string folder = sandbox.Path() + "/folder.fav";
    std::filesystem::create_directory(folder);
    try {
        store.LoadFromFile(folder);
        ADD_FAILURE() << "a folder read as a favorites file";
    } catch (const TFavoritesError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + folder);
    }
    EXPECT_EQ(store.Lines(), Lines{"[Old]"});
}

TEST_F(FavoritesFileTest, SaveWritesTheLinesAndReportsAFileItCannotCreate) {
    const TFontFavorites store = StoreOf({"[G]", "A=/x/a.ttf"});
    store.SaveToFile(FavFile());
    EXPECT_EQ(ReadBytes(FavFile()), "[G]\r\nA=/x/a.ttf\r\n");
    const std::string nowhere = sandbox.Path() + "/no/such/folder/installed.fav";
    try {
        store.SaveToFile(nowhere);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const TFavoritesError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + nowhere);
    }
}

TEST_F(FavoritesFileTest, EditReloadsSoAGroupWrittenByOthersSurvives) {
    const std::string font = sandbox.WriteFile("fonts/a.ttf", "x");
    TFontFavorites store;
    store.LoadFromFile(FavFile());
    sandbox.WriteFile("home/installed.fav", "[Written elsewhere]\r\n");
    store.Edit(FavFile(), [&](TFontFavorites& s) {
        s.AddFonts("Mine", {"A=" + font});
        return true;
    });
    EXPECT_EQ(ReadBytes(FavFile()), "[Written elsewhere]\r\n\r\n[Mine]\r\nA=" + font + "\r\n");
}

TEST_F(FavoritesFileTest, EditNeverWritesOverAFileItCouldNotRead) {
    std::filesystem::create_directory(FavFile());
    TFontFavorites store;
    bool changed = false;
    EXPECT_THROW(store.Edit(FavFile(),
                            [&](TFontFavorites&) {
                                changed = true;
                                return true;
                            }),
                 TFavoritesError);
    EXPECT_FALSE(changed);
    EXPECT_TRUE(std::filesystem::is_directory(FavFile()));
}

TEST_F(FavoritesFileTest, AddFolderWithANameThatExistsAddsNothing) {
    sandbox.WriteFile("home/installed.fav", "[Headings]\r\n");
    TFontFavorites store;
    store.AddFolder(FavFile(), "HEADINGS");
    EXPECT_EQ(ReadBytes(FavFile()), "[Headings]\r\n");
    store.AddFolder(FavFile(), "Body");
    EXPECT_EQ(ReadBytes(FavFile()), "[Headings]\r\n[Body]\r\n");
    EXPECT_EQ(store.GetGroups(), (Lines{"Headings", "Body"}));
}

TEST(TFontFavoritesBadInput, HugeLinesAndManyGroupsReadAsTheRulesSay) {
    const std::string longName(100000, 'n');
    const std::string longPath = "/" + std::string(100000, 'p');
    std::string bytes = "[" + longName + "]\r\n" + longName + "=" + longPath + "\r\n";
    for (int i = 0; i < 10000; ++i) {
        bytes += "[Group " + std::to_string(i % 5000) + "]\n" + std::string(i % 3, '=') + "\n";
    }
    TFontFavorites store;
    store.LoadFromBytes(bytes);
    const Lines groups = store.GetGroups();
    ASSERT_EQ(groups.size(), 10001u);
    EXPECT_EQ(groups.front(), longName);
    EXPECT_EQ(store.GetGroupEntries(longName).front(), (TFavoriteEntry{longName, longPath}));
    // "Group 4999" first appears as the 5,000th group; its lone "=" line is its only font.
    EXPECT_EQ(store.FindGroup("group 4999"), 2 + 2 * 4999);
    EXPECT_EQ(store.GetGroupFonts("GROUP 4999"), Lines{""});
}

}  // namespace
