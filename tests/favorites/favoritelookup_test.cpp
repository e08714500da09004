#include "favorites/favoritelookup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/fontlist.h"
#include "favorites/selectionlines.h"
#include "support/sandbox.h"

namespace {

// Installed records without reading any font: a name and a file the sandbox holds.
class InstalledRecordsTest : public ::testing::Test {
protected:
    void Add(const std::string& name, const std::string& file, bool marked = false) {
        auto record = std::make_unique<TFontInfo>();
        record->SetAutoRead(false);
        record->SetFileName(Path(file));
        record->SetFullName(name);
        record->SetSelected(marked);
        installed.Add(std::move(record));
    }

    std::string Path(const std::string& file) {
        return sandbox.WriteFile("fonts/" + file, "font bytes");
    }

    Sandbox sandbox;
    TFontList installed{false};
};

TEST_F(InstalledRecordsTest, EachEntryFindsItsRecordByNameIgnoringCaseInEntryOrder) {
    Add("Zeta", "z.ttf");
    Add("Alpha", "a.ttf");
    Add("Beta", "b.ttf");
    const std::vector<TFavoriteEntry> entries = {
        {"alpha", "/elsewhere/a.ttf"}, {"Missing", Path("m.ttf")}, {"ZETA", ""}, {"Alpha", ""}};
    EXPECT_EQ(FindFavoriteFonts(entries, installed), (std::vector<int>{1, 0, 1}));
}

TEST_F(InstalledRecordsTest, OfTwoFacesWithOneNameTheEntrysFileWinsElseTheFirst) {
    Add("DejaVu Sans", "one/DejaVuSans.ttf");
    Add("Other", "other.ttf");
    Add("DejaVu Sans", "two/DejaVuSans.ttf");
    Add("dejavu sans", "three/DejaVuSans.ttf");
    const std::vector<TFavoriteEntry> entries = {{"DejaVu Sans", Path("two/DejaVuSans.ttf")},
                                                 {"DejaVu Sans", Path("three/DejaVuSans.ttf")},
                                                 {"DejaVu Sans", "/gone/DejaVuSans.ttf"}};
    EXPECT_EQ(FindFavoriteFonts(entries, installed), (std::vector<int>{2, 3, 0}));
}

TEST_F(InstalledRecordsTest, AGroupFillsAListWithCopiesInEntryOrder) {
    Add("Alpha", "a.ttf", true);
    Add("Beta", "b.ttf");
    TFontList shown(false);
    shown.Add("Left over");
    int changes = 0;
    shown.OnChange = [&](TFontList&) { ++changes; };
    AssignFavoriteFonts(shown, installed, {{"beta", ""}, {"Gone", ""}, {"ALPHA", ""}});
    ASSERT_EQ(shown.GetCount(), 2);
    EXPECT_EQ(shown.GetItems(0).FullName(), "Beta");
    EXPECT_EQ(shown.GetItems(1).FileName(), Path("a.ttf"));
    EXPECT_TRUE(shown.GetItems(1).Selected());
    EXPECT_EQ(changes, 1);
}

TEST_F(InstalledRecordsTest, SelectionLinesAreTheMarkedFontsElseTheCurrentOne) {
    Add("First", "1.ttf");
    Add("Second", "2.ttf", true);
    Add("Third", "3.ttf", true);
    TSelectionLines marked = EntryLinesOfSelection(installed, 0);
    EXPECT_EQ(marked.lines,
              (std::vector<std::string>{"Second=" + Path("2.ttf"), "Third=" + Path("3.ttf")}));
    installed.GetItems(1).SetSelected(false);
    installed.GetItems(2).SetSelected(false);
    EXPECT_EQ(EntryLinesOfSelection(installed, 0).lines,
              std::vector<std::string>{"First=" + Path("1.ttf")});
    EXPECT_TRUE(EntryLinesOfSelection(installed, -1).lines.empty());
    EXPECT_TRUE(EntryLinesOfSelection(installed, 3).lines.empty());
}

TEST_F(InstalledRecordsTest, AFontWhoseNameWouldForgeLinesIsLeftOutAndCounted) {
    Add("Good", "good.ttf", true);
    Add("Evil\r\n[Forged]", "evil.ttf", true);
    const TSelectionLines result = EntryLinesOfSelection(installed, 0);
    EXPECT_EQ(result.lines, std::vector<std::string>{"Good=" + Path("good.ttf")});
    EXPECT_EQ(result.refused, 1);
}

}  // namespace
