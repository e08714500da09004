#include "platform/inifile.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/sandbox.h"

namespace {

using platform::IniFile;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace fs = std::filesystem;

fs::perms Permissions(const std::string& path) {
    return fs::symlink_status(path).permissions();
}

// Files are checked as an unprivileged user's would be while this lives, also when the tests
// run as the superuser, who reads and replaces files of mode 0000.
class AsUnprivilegedUser {
public:
    AsUnprivilegedUser() : privileged_(geteuid() == 0) {
        if (privileged_) {
            setfsgid(kNobody);
            setfsuid(kNobody);
        }
    }
    ~AsUnprivilegedUser() {
        if (privileged_) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool privileged_;
};

class IniFileTest : public testing::Test {
protected:
    Sandbox sandbox;
    std::string Write(const std::string& content) {
        return sandbox.WriteFile("home/test.ini", content);
    }
    // Every reader gives its default and every writer fails, leaving the file as it was.
    static void ExpectUnreadable(IniFile& ini) {
        EXPECT_EQ(ini.ReadString("Window", "Left", "default"), "default");
        EXPECT_EQ(ini.ReadInteger("Window", "Left", 7), 7);
        EXPECT_TRUE(ini.ReadSections().empty());
        EXPECT_FALSE(ini.SectionExists("Window"));
        EXPECT_FALSE(ini.WriteString("Window", "Top", "20"));
        EXPECT_FALSE(ini.EraseSection("Window"));
        EXPECT_FALSE(ini.DeleteKey("Window", "Left"));
    }
};

TEST_F(IniFileTest, FindsSectionsAndKeysIgnoringCase) {
    IniFile ini(Write("[Window]\r\nLeft=10\r\nTOP = 20 \r\n[Option]\r\nSort=2\r\n"));
    EXPECT_EQ(ini.ReadString("window", "left", "x"), "10");
    EXPECT_EQ(ini.ReadInteger("WINDOW", "top", 0), 20);
    EXPECT_EQ(ini.ReadInteger("option", "SORT", 0), 2);
    EXPECT_EQ(ini.ReadString("Option", "Left", "none"), "none");
    EXPECT_TRUE(ini.SectionExists("OPTION"));
    EXPECT_FALSE(ini.SectionExists("Print"));
}

TEST_F(IniFileTest, ReadsLfCrAndMixedLineEnds) {
    IniFile ini(Write("[A]\nx=1\r[B]\r\ny=2\n\r[C]\rz=3"));
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(ini.ReadString("A", "x", ""), "1");
    EXPECT_EQ(ini.ReadString("B", "y", ""), "2");
    EXPECT_EQ(ini.ReadString("C", "z", ""), "3");
}

TEST_F(IniFileTest, IgnoresGarbageAndLinesWithoutEquals) {
    IniFile ini(
        Write("orphan=before any section\n[Fav]\njust text\n\x01\x02\xff\n=novalue\n"
              "[broken\nname=value\n"));
    EXPECT_EQ(ini.ReadSection("Fav"), (std::vector<std::string>{"name"}));
    EXPECT_EQ(ini.ReadString("Fav", "just text", "default"), "default");
    EXPECT_EQ(ini.ReadString("Fav", "name", ""), "value");
    EXPECT_EQ(ini.ReadString("", "orphan", "no"), "no");
}

TEST_F(IniFileTest, KeepsNonUtf8BytesAndVeryLongLines) {
    const std::string longValue(100000, 'x');
    const std::string cp949 = "\xB1\xBC\xB8\xB2";
    IniFile ini(Write("[S]\nlong=" + longValue + "\nname=" + cp949 + "\n"));
    EXPECT_EQ(ini.ReadString("S", "long", ""), longValue);
    EXPECT_EQ(ini.ReadString("S", "name", ""), cp949);
}

TEST_F(IniFileTest, FirstOfDuplicateKeysAndSectionsWins) {
    IniFile ini(Write("[S]\nk=first\nk=second\n[s]\nk=third\nother=1\n"));
    EXPECT_EQ(ini.ReadString("S", "k", ""), "first");
    EXPECT_EQ(ini.ReadString("S", "other", "missing"), "missing");
}

TEST_F(IniFileTest, StripsOneMatchingPairOfQuotes) {
    IniFile ini(Write("[S]\na=\"quoted\"\nb='single'\nc=\"open\n"));
    EXPECT_EQ(ini.ReadString("S", "a", ""), "quoted");
    EXPECT_EQ(ini.ReadString("S", "b", ""), "single");
    EXPECT_EQ(ini.ReadString("S", "c", ""), "\"open");
}

TEST_F(IniFileTest, IntegersThatDoNotParseReadAsDefault) {
    IniFile ini(Write("[S]\na=12abc\nb=\nc=-7\nd=0x1F\ne=99999999999\nf=$FF\ng=0xFFFFFFFF\n"));
    EXPECT_EQ(ini.ReadInteger("S", "a", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "b", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "c", 5), -7);
    EXPECT_EQ(ini.ReadInteger("S", "d", 5), 31);
    EXPECT_EQ(ini.ReadInteger("S", "e", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "f", 5), 255);
    EXPECT_EQ(ini.ReadInteger("S", "g", 5), -1);
    EXPECT_TRUE(ini.ReadBool("S", "c", false));
    EXPECT_TRUE(ini.ReadBool("S", "missing", true));
}

TEST_F(IniFileTest, WriteCreatesFileAndSection) {
    IniFile ini(sandbox.HomeFolder() + "new.ini");
    ASSERT_TRUE(ini.WriteString("Window", "Left", "10"));
    ASSERT_TRUE(ini.WriteInteger("Window", "Top", -3));
    ASSERT_TRUE(ini.WriteBool("Option", "Hint", true));
    EXPECT_EQ(ReadAll(ini.FileName()), "[Window]\r\nLeft=10\r\nTop=-3\r\n[Option]\r\nHint=1\r\n");
}

TEST_F(IniFileTest, WriteReplacesKeyInPlaceIgnoringCaseAndKeepsOtherLines) {
    IniFile ini(Write("; comment\n[Window]\nLeft=1\n\n[Font]\nSize=9\n"));
    ASSERT_TRUE(ini.WriteString("WINDOW", "left", "2"));
    ASSERT_TRUE(ini.WriteString("Window", "Width", "300"));
    EXPECT_EQ(ReadAll(ini.FileName()),
              "; comment\r\n[Window]\r\nleft=2\r\nWidth=300\r\n\r\n[Font]\r\nSize=9\r\n");
}

TEST_F(IniFileTest, WriteRefusesTextThatWouldBreakTheFile) {
    IniFile ini(Write("[S]\nk=v\n"));
    EXPECT_FALSE(ini.WriteString("S", "k", "two\nlines"));
    EXPECT_FALSE(ini.WriteString("S", "a=b", "v"));
    EXPECT_FALSE(ini.WriteString("S]\n[T", "k", "v"));
    EXPECT_FALSE(ini.WriteString("S", "", "v"));
    EXPECT_FALSE(ini.WriteString(" \t", "k", "v"));
    EXPECT_FALSE(ini.WriteString("S", "[T]", "v"));
    EXPECT_FALSE(ini.WriteString("S", " [T", "v"));
    EXPECT_EQ(ReadAll(ini.FileName()), "[S]\nk=v\n");
}

TEST_F(IniFileTest, WriteFailsInMissingFolder) {
    IniFile ini(sandbox.Path() + "/no/such/folder/x.ini");
    EXPECT_FALSE(ini.WriteString("S", "k", "v"));
}

TEST_F(IniFileTest, EraseSectionRemovesEveryCopyWithItsKeys) {
    IniFile ini(Write("[A]\na=1\n[B]\nb=2\n[a]\nc=3\n"));
    ASSERT_TRUE(ini.EraseSection("a"));
    EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"B"});
    EXPECT_EQ(ini.ReadString("B", "b", ""), "2");
    EXPECT_TRUE(ini.EraseSection("missing"));
}

TEST_F(IniFileTest, DeleteKeyLeavesTheSection) {
    IniFile ini(Write("[Fav]\ntemp=\nkeep=1\n"));
    ASSERT_TRUE(ini.DeleteKey("fav", "TEMP"));
    EXPECT_TRUE(ini.SectionExists("Fav"));
    EXPECT_EQ(ini.ReadSection("Fav"), std::vector<std::string>{"keep"});
}

TEST_F(IniFileTest, WriteThenDeleteLeavesAnEmptySection) {
    IniFile ini(sandbox.HomeFolder() + "installed.fav");
    ASSERT_TRUE(ini.WriteString("New Group", "temp", ""));
    ASSERT_TRUE(ini.DeleteKey("New Group", "temp"));
    EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"New Group"});
    EXPECT_TRUE(ini.ReadSection("New Group").empty());
}

TEST_F(IniFileTest, SectionValuesKeepFileOrder) {
    IniFile ini(Write("\xEF\xBB\xBF[G]\nB Font=/f/b.ttf\nA Font=/f/a.ttf\n"));
    const auto values = ini.ReadSectionValues("g");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], (std::pair<std::string, std::string>{"B Font", "/f/b.ttf"}));
    EXPECT_EQ(values[1], (std::pair<std::string, std::string>{"A Font", "/f/a.ttf"}));
}

TEST_F(IniFileTest, UnreadableFileGivesDefaultsAndIsNeverReplaced) {
    const std::string settings = Write("[Window]\r\nLeft=10\r\n");
    // The folder lets anyone replace the file, so only the settings module can keep it.
    fs::permissions(sandbox.Path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(sandbox.HomeFolder(), fs::perms::all);
    fs::permissions(settings, fs::perms::none);
    {
        AsUnprivilegedUser unprivileged;
        ASSERT_FALSE(std::ifstream(settings).is_open());
        IniFile ini(settings);
        ExpectUnreadable(ini);
    }
    EXPECT_EQ(ReadAll(settings), "[Window]\r\nLeft=10\r\n");
    EXPECT_EQ(Permissions(settings), fs::perms::none);
    EXPECT_EQ(std::distance(fs::directory_iterator(sandbox.HomeFolder()), {}), 1);
}

TEST_F(IniFileTest, SpecialFilesAndLinkLoopsGiveDefaultsAndAreKept) {
    const std::string pipe = sandbox.HomeFolder() + "pipe.ini";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    const std::string folder = sandbox.HomeFolder() + "folder.ini";
    fs::create_directories(folder + "/inside");
    const std::string loop = sandbox.HomeFolder() + "loop.ini";
    fs::create_symlink("loop.ini", loop);
    for (const std::string& path : {pipe, folder, loop}) {
        SCOPED_TRACE(path);
        IniFile ini(path);
        ExpectUnreadable(ini);
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_directory(folder + "/inside"));
    EXPECT_EQ(fs::read_symlink(loop), "loop.ini");
}

TEST_F(IniFileTest, ReadOnlyFileIsNotReplaced) {
    IniFile ini(Write("[Window]\r\nLeft=10\r\n"));
    fs::permissions(ini.FileName(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(ini.ReadString("Window", "Left", ""), "10");
    EXPECT_FALSE(ini.WriteString("Window", "Left", "20"));
    EXPECT_FALSE(ini.EraseSection("Window"));
    EXPECT_EQ(ReadAll(ini.FileName()), "[Window]\r\nLeft=10\r\n");
}

TEST_F(IniFileTest, WriteKeepsThePermissionBits) {
    const mode_t savedMask = umask(022);
    IniFile ini(Write("[Window]\r\nLeft=10\r\n"));
    fs::permissions(ini.FileName(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(ini.WriteString("Window", "Left", "20"));
    EXPECT_EQ(Permissions(ini.FileName()), fs::perms::owner_read | fs::perms::owner_write);
    IniFile created(sandbox.HomeFolder() + "new.ini");
    EXPECT_TRUE(created.WriteString("Window", "Left", "20"));
    EXPECT_EQ(Permissions(created.FileName()), fs::perms::owner_read | fs::perms::owner_write |
                                                   fs::perms::group_read | fs::perms::others_read);
    umask(savedMask);
}

TEST_F(IniFileTest, LinkedFileIsWrittenThroughToItsTarget) {
    const std::string target = sandbox.WriteFile("shared/settings.ini", "[Window]\r\nLeft=10\r\n");
    const std::string link = sandbox.HomeFolder() + "glyphwell.ini";
    fs::create_symlink("../shared/settings.ini", link);
    const std::string dangling = sandbox.HomeFolder() + "installed.fav";
    fs::create_symlink("../shared/installed.fav", dangling);

    EXPECT_TRUE(IniFile(link).WriteString("Window", "Top", "20"));
    EXPECT_TRUE(IniFile(dangling).WriteString("Group", "Font", "/f/a.ttf"));
    EXPECT_EQ(fs::read_symlink(link), "../shared/settings.ini");
    EXPECT_EQ(fs::read_symlink(dangling), "../shared/installed.fav");
    EXPECT_EQ(ReadAll(target), "[Window]\r\nLeft=10\r\nTop=20\r\n");
    EXPECT_EQ(ReadAll(sandbox.Path() + "/shared/installed.fav"), "[Group]\r\nFont=/f/a.ttf\r\n");
}

TEST_F(IniFileTest, NamesAreTrimmedOfBlanksBeforeLookup) {
    IniFile ini(Write("[Spaced]\r\nk=v\r\n"));
    EXPECT_EQ(ini.ReadString(" Spaced ", " k\t", ""), "v");
    EXPECT_TRUE(ini.SectionExists("Spaced "));
    EXPECT_EQ(ini.ReadSection("\tSpaced"), std::vector<std::string>{"k"});
    ASSERT_TRUE(ini.WriteString("Spaced ", "k2", "w"));
    ASSERT_TRUE(ini.WriteString(" New ", "x", "1"));
    EXPECT_EQ(ReadAll(ini.FileName()), "[Spaced]\r\nk=v\r\nk2=w\r\n[New]\r\nx=1\r\n");
    ASSERT_TRUE(ini.DeleteKey(" New", " x "));
    ASSERT_TRUE(ini.EraseSection(" Spaced "));
    EXPECT_EQ(ReadAll(ini.FileName()), "[New]\r\n");
}

// Text after one byte-order mark that is not understood (such as a second mark) keeps its
// meaning across a save: the mark is written back, so the hidden lines stay hidden.
TEST_F(IniFileTest, ByteOrderMarksKeepTheirMeaningWhenSaved) {
    const std::string twoMarks = "\xEF\xBB\xBF\xEF\xBB\xBF[Folders]\r\nFolder1=/hidden\r\n";
    IniFile ini(Write(twoMarks));
    EXPECT_EQ(ini.ReadString("Folders", "Folder1", "none"), "none");
    ASSERT_TRUE(ini.WriteString("Option", "Sort", "2"));
    EXPECT_EQ(ini.ReadString("Folders", "Folder1", "none"), "none");
    EXPECT_EQ(ReadAll(ini.FileName()), twoMarks + "[Option]\r\nSort=2\r\n");

    IniFile oneMark(sandbox.WriteFile("home/one.ini", "\xEF\xBB\xBF[G]\r\na=1\r\n"));
    ASSERT_TRUE(oneMark.WriteString("g", "b", "2"));
    EXPECT_EQ(ReadAll(oneMark.FileName()), "\xEF\xBB\xBF[G]\r\na=1\r\nb=2\r\n");
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    IniFile ini(sandbox.HomeFolder() + "absent.ini");
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
    EXPECT_TRUE(ini.EraseSection("S"));
}

}  // namespace

// The in-memory form reads the same lines and edits the text it is given, touching no file.
TEST_F(IniFileTest, TextInMemoryIsReadAndEditedInPlace) {
    std::string text = "\xEF\xBB\xBF[View]\nSize=12\r\n[Option]\rSort=1";
    IniFile ini = IniFile::OverText(text);
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"View", "Option"}));
    EXPECT_EQ(ini.ReadInteger("view", "size", 0), 12);
    ASSERT_TRUE(ini.WriteString("Option", "Color", "'red'"));
    EXPECT_EQ(text, "\xEF\xBB\xBF[View]\r\nSize=12\r\n[Option]\r\nSort=1\r\nColor='red'\r\n");
    EXPECT_EQ(ini.ReadString("Option", "Color", ""), "red");
    ASSERT_TRUE(ini.EraseSection("View"));
    EXPECT_EQ(text, "\xEF\xBB\xBF[Option]\r\nSort=1\r\nColor='red'\r\n");
    EXPECT_FALSE(ini.WriteString("Option", "Bad\nKey", "1"));
    EXPECT_TRUE(fs::is_empty(sandbox.HomeFolder()));
}
