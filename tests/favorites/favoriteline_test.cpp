#include "favorites/favoriteline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(FavoriteLine, HeaderIsABracketedNonEmptyLine) {
    const struct {
        std::string line;
        bool header;
    } cases[] = {
        {"[Headings]", true},       {"[]", true},       {"[a=b]", true},  {"[[x]]", true},
        {"[Font]=/x/f.ttf", false}, {"[", false},       {"]", false},     {"", false},
        {" [Body]", false},         {"[Body] ", false}, {"Body]", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsHeaderLine(c.line), c.header) << c.line;
    }
    EXPECT_EQ(HeaderName("[ spaced ]"), " spaced ");
    EXPECT_EQ(HeaderName("[]"), "");
}

TEST(FavoriteLine, EntrySplitsAtTheFirstEqualsBeforeASlashElseAtTheFirstEquals) {
    const struct {
        std::string line;
        TFavoriteEntry entry;
    } cases[] = {
        {"Arial=/fonts/arial.ttf", {"Arial", "/fonts/arial.ttf"}},
        {"A=B=/fonts/ab.ttf", {"A=B", "/fonts/ab.ttf"}},
        {"Name=/a=/b.ttf", {"Name", "/a=/b.ttf"}},
        {"Arial Black=C:\\WINDOWS\\Fonts\\ariblk.ttf",
         {"Arial Black", "C:\\WINDOWS\\Fonts\\ariblk.ttf"}},
        {"E=rel=ative", {"E", "rel=ative"}},
        {"=/only/path.ttf", {"", "/only/path.ttf"}},
        {"Name=", {"Name", ""}},
        {"no equals sign", {"no equals sign", ""}},
        {"", {"", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitEntry(c.line), c.entry) << c.line;
        EXPECT_EQ(EntryPath(c.line), c.entry.path) << c.line;
    }
}

TEST(FavoriteLine, EntryLineIsRefusedWhenItWouldNotReadBackAsTheSameFont) {
    const struct {
        std::string name;
        std::string path;
        bool stored;
    } cases[] = {
        {"Arial", "/fonts/arial.ttf", true},
        {"A=B", "/fonts/ab.ttf", true},
        {"[Bracketed", "/fonts/b.ttf", true},
        {"", "/fonts/nameless.ttf", true},
        {"Evil\r\n[Group]\r\nX", "/fonts/x.ttf", false},
        {"Evil\n[Group]", "/fonts/x.ttf", false},
        {"Evil\r[Group]", "/fonts/x.ttf", false},
        {"Nul\0Name"s, "/fonts/x.ttf", false},
        {"Arial", "/fonts/\n[Group]", false},
        {"A=/B", "/fonts/x.ttf", false},
        {"[Looks", "/like/a/header]", false},
    };
    for (const auto& c : cases) {
        const auto line = MakeEntryLine(c.name, c.path);
        EXPECT_EQ(line.has_value(), c.stored) << c.name;
        if (line) {
            EXPECT_EQ(*line, c.name + "=" + c.path);
        }
    }
}

TEST(FavoriteLine, TypedGroupNameLosesLineBreaksAndSurroundingBlanks) {
    EXPECT_EQ(CleanGroupName("  Headings  "), "Headings");
    EXPECT_EQ(CleanGroupName("Two\r\nLines"), "Two  Lines");
    EXPECT_EQ(CleanGroupName("Tab\tNul\0"s), "Tab Nul");
    EXPECT_EQ(CleanGroupName(" \n "), "");
    EXPECT_EQ(CleanGroupName("[Odd]=Name"), "[Odd]=Name");
}

}  // namespace
