#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "favorites/fontfavorites.h"

// Favorites files as hand edits, other editors and broken disks leave them. Each one is read
// and put through every operation; a file a fuzzer finds can be dropped into the folder.

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::map<std::string, std::string> CorpusFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(GW_FAVORITES_CORPUS)) {
        if (entry.path().extension() == ".fav") {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().filename().string()] =
                std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return files;
}

void ExpectConsistent(const TFontFavorites& store, const std::string& file) {
    TFontFavorites again;
    again.LoadFromBytes(store.SaveToBytes());
    EXPECT_EQ(again.Lines(), store.Lines()) << file << ": saving changes what is read back";
    for (const std::string& group : store.GetGroups()) {
        const int header = store.FindGroup(group);
        ASSERT_GE(header, 0) << file;
        EXPECT_TRUE(store.IsGroup(header)) << file;
        const auto fonts = store.GetGroupFonts(group);
        EXPECT_EQ(static_cast<int>(fonts.size()), store.GetFontCount(group)) << file;
        EXPECT_EQ(store.GetGroupEntries(group).size(), fonts.size()) << file;
    }
    EXPECT_THROW(store.IsGroup(store.Count()), std::out_of_range) << file;
}

void Exercise(TFontFavorites store, const std::string& file) {
    for (const std::string& group : store.GetGroups()) {
        const int before = store.GetFontCount(group);
        store.AddFonts(group, {"Added=/x/added.ttf"});
        EXPECT_EQ(store.GetFontCount(group), before + 1) << file;
        store.DeleteFont(group, "ADDED");
        EXPECT_EQ(store.GetFontCount(group), before) << file;
        store.RenameGroup(group, group + " renamed");
    }
    ExpectConsistent(store, file);
    while (!store.GetGroups().empty()) {
        const std::size_t before = store.GetGroups().size();
        store.DeleteGroup(store.GetGroups().front());
        ASSERT_EQ(store.GetGroups().size(), before - 1) << file;
    }
}

TEST(FavoritesCorpus, EveryFileReadsAndTakesEveryOperation) {
    const auto files = CorpusFiles();
    ASSERT_GE(files.size(), 10u);
    for (const auto& [file, bytes] : files) {
        TFontFavorites store;
        store.LoadFromBytes(bytes);
        ExpectConsistent(store, file);
        Exercise(store, file);
        store.DeleteMissingFonts();
        for (const std::string& line : store.Lines()) {
            EXPECT_TRUE(IsHeaderLine(line) || SplitEntry(line).path.rfind('/', 0) == 0)
                << file << ": kept " << line;
        }
        ExpectConsistent(store, file);
    }
}

TEST(FavoritesCorpus, GroupsAndFontsAreReadAsTheLineRulesSay) {
    using namespace std::string_literals;
    const struct {
        std::string file;
        Lines groups;
        std::string group;
        Lines fonts;
    } cases[] = {
        {"empty.fav", {}, "", {}},
        {"only-blank-lines.fav", {}, "", {}},
        {"no-header.fav", {}, "Arial", {}},
        {"junk-lines.fav",
         {"Headings"},
         "headings",
         {"", ";comment", "Arial", "Name", "not an entry"}},
        {"mixed-endings.fav", {"A", "B"}, "b", {"Three"}},
        {"byte-order-mark.fav", {"First"}, "First", {"Arial", "\xEF\xBB\xBF[Second]"}},
        {"duplicate-groups.fav", {"Same", "SAME", "same"}, "same", {"One"}},
        {"equals-in-names.fav", {"a=b", "="}, "A=B", {"=D", "A=B", "C=", "E"}},
        {"brackets.fav", {"[x]", "", " spaced "}, "[x]", {"[Font", "[y"}},
        {"binary.fav", {"\0nul\0"s, "\xFF\xFE"}, "\xFF\xFE", {"\xC3("}},
        {"windows-paths.fav", {"Headings", "Body"}, "Headings", {"Arial Black", "Impact"}},
        {"unterminated.fav", {"Last"}, "Last", {"No line end"}},
    };
    const auto files = CorpusFiles();
    for (const auto& c : cases) {
        ASSERT_TRUE(files.count(c.file)) << c.file;
        TFontFavorites store;
        store.LoadFromBytes(files.at(c.file));
        EXPECT_EQ(store.GetGroups(), c.groups) << c.file;
        EXPECT_EQ(store.GetGroupFonts(c.group), c.fonts) << c.file;
    }
}

}  // namespace
