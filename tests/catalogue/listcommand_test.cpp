#include "catalogue/listcommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue_fixture.h"
#include "fakes/fakefontchange.h"
#include "fakes/fakefonttable.h"
#include "fakes/fakeinstalledfonts.h"
#include "support/truetypebuilder.h"

namespace {

using testsupport::kLangEnglish;
using testsupport::kLangKorean;
using testsupport::TrueTypeBuilder;

class ListCommandTest : public CatalogueFixture {
protected:
    ListCommandTest() {
        services.fontTable = &table;
        services.installedFonts = &installed;
        services.fontChange = &fontChange;
    }

    int Run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        return RunListCommand(args, out, err, services);
    }

    fakes::FakeFontTable table;
    fakes::FakeInstalledFonts installed;
    fakes::FakeFontChange fontChange;
    platform::Services services = sandbox.Services();
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ListCommandTest, BadArgumentsExitWithTwoAndUsage) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--bogus"},
                                                 {"--mode", "all"},
                                                 {"--mode"},
                                                 {"--sort", "size"},
                                                 {"--lang", "412"},
                                                 {"--lang", "0x12345"},
                                                 {"--lang", "0xZZ"},
                                                 {"--mode", "installed", "/tmp"},
                                                 {"--home", ""}}) {
        EXPECT_EQ(Run(args), 2) << args[0];
        EXPECT_NE(err.str().find("usage: glyphwell list"), std::string::npos);
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(installed.ListCount(), 0);
}

TEST_F(ListCommandTest, InstalledModeIsTheDefaultAndPrintsOneEscapedLinePerRecord) {
    const std::string odd =
        WriteFont("odd.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Tab\tBack\\Line\nCr\r"));
    const std::string plain =
        WriteFont("plain.ttf", TrueTypeBuilder().AllNames(kLangEnglish, "Plain", "Bold"));
    installed.SetFiles({plain, odd});
    EXPECT_EQ(Run({}), 0);
    const std::string oddSize = std::to_string(std::filesystem::file_size(odd));
    const std::string plainSize = std::to_string(std::filesystem::file_size(plain));
    EXPECT_EQ(out.str(), "Plain Bold\t" + plain + "\t0\t" + plainSize + "\t0x0409\n" +
                             "Tab\\tBack\\\\Line\\nCr\\r\t" + odd + "\t0\t" + oddSize +
                             "\t0x0409\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(fontChange.BroadcastCount(), 0);
}

TEST_F(ListCommandTest, AllNamesFollowTheLanguageGiven) {
    TrueTypeBuilder font;
    font.AllNames(kLangEnglish, "Hangul", "Regular")
        .Name(kLangKorean, 1, "\xED\x95\x9C")
        .Name(kLangKorean, 4, "\xED\x95\x9C \xEB\xB3\xB4\xED\x86\xB5");
    const std::string path = WriteFont("ko.ttf", font);
    installed.SetFiles({path});
    const std::string size = std::to_string(std::filesystem::file_size(path));

    EXPECT_EQ(Run({"--all-names", "--lang", "0x0409"}), 0);
    EXPECT_EQ(out.str(),
              "Hangul Regular\t" + path + "\t0\t" + size +
                  "\t0x0409\tHangul\tRegular\tVersion 1.0\tHangul Copyright\tHangul Trademark\n");

    EXPECT_EQ(Run({"--lang", "0x412", "--all-names"}), 0);
    EXPECT_EQ(out.str(),
              "\xED\x95\x9C \xEB\xB3\xB4\xED\x86\xB5\t" + path + "\t0\t" + size +
                  "\t0x0412\t\xED\x95\x9C\tRegular\tVersion 1.0\tHangul Copyright\tHangul "
                  "Trademark\n");
}

TEST_F(ListCommandTest, FoldersGoThroughAddFolderWithMessagesOnStandardError) {
    WriteFont("one/b.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Bravo"));
    WriteFont("one/a.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Alpha"));
    WriteFont("two/c.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Charlie"));
    const std::string broken = WriteBytesFile("two/x.ttf", testsupport::brokenfonts::SixtyTables());
    EXPECT_EQ(Run({"--sort", "path", folder + "/two", folder + "/one", folder + "/one/"}), 0);
    std::istringstream lines(out.str());
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);) {
        names.push_back(line.substr(0, line.find('\t')));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Bravo", "Charlie"}));
    EXPECT_EQ(err.str(), broken + "\nInvalid TrueType Font! ErrorCode:2\n" +
                             "Message: Same folder already exists.\n" + broken + " (ERROR:13)\n");
    // Registered for the run, and gone again with the list.
    EXPECT_EQ(table.Adds().size(), 3u);
    EXPECT_EQ(table.AddedFileCount(), 0);
}

TEST_F(ListCommandTest, FolderModeWithoutFoldersListsTheStoredSlots) {
    WriteFont("stored/a.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Stored"));
    const std::string home = sandbox.Path() + "/otherhome";
    sandbox.WriteFile("work/broken/x.ttf", testsupport::brokenfonts::NoNameTable());
    sandbox.WriteFile(
        "otherhome/glyphwell.ini",
        "[Folders]\r\nFolder1=" + folder + "/broken\r\nFolder2=  " + folder + "/stored  \r\n");
    EXPECT_EQ(Run({"--mode", "folders", "--home", home}), 0);
    EXPECT_EQ(out.str().substr(0, 7), "Stored\t");
    std::ifstream log(home + "/error.log");
    std::string line;
    std::getline(log, line);
    EXPECT_EQ(line, folder + "/broken/x.ttf (ERROR:13)");
}

TEST_F(ListCommandTest, WithoutHomeAnUnusableProgramFolderGivesWayToTheConfigFolder) {
    // As for the viewer: the executable's folder only while it can be written to.
    services.programFolder = sandbox.Path() + "/not-there/";
    WriteFont("stored/a.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Stored"));
    sandbox.WriteFile("config/glyphwell/glyphwell.ini",
                      "[Folders]\r\nFolder1=" + folder + "/stored\r\n");
    EXPECT_EQ(Run({"--mode", "folders"}), 0);
    EXPECT_EQ(out.str().substr(0, 7), "Stored\t");
}

TEST_F(ListCommandTest, BrokenCollectionIsReportedAndTheLoadGoesOn) {
    const std::string bad =
        WriteBytesFile("b.ttc", testsupport::brokenfonts::CollectionWithoutTag());
    installed.SetFiles({WriteFont("a.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "Before")), bad,
                        WriteFont("c.ttf", TrueTypeBuilder().Name(kLangEnglish, 4, "After"))});
    EXPECT_EQ(Run({"--mode", "installed"}), 0);
    EXPECT_EQ(out.str().substr(0, 6), "After\t");
    EXPECT_NE(out.str().find("\nBefore\t"), std::string::npos);
    EXPECT_EQ(err.str(), bad + " (ERROR:13)\n");
}

TEST(ListCommandNeedsFontTable, OnlyScreenAndFolderModes) {
    EXPECT_FALSE(ListCommandNeedsFontTable({}));
    EXPECT_FALSE(ListCommandNeedsFontTable({"--mode", "installed", "--all-names"}));
    EXPECT_FALSE(ListCommandNeedsFontTable({"--bogus"}));
    EXPECT_TRUE(ListCommandNeedsFontTable({"--mode", "screen"}));
    EXPECT_TRUE(ListCommandNeedsFontTable({"--mode", "folders"}));
    EXPECT_TRUE(ListCommandNeedsFontTable({"/some/folder"}));
}

}  // namespace
