#include "catalogue/fontlist.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "catalogue_fixture.h"
#include "fakes/fakefontchange.h"
#include "fakes/fakefonttable.h"
#include "fakes/fakeinstalledfonts.h"
#include "support/truetypebuilder.h"

namespace {

using testsupport::CollectionBuilder;
using testsupport::TrueTypeBuilder;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class TFontListTest : public CatalogueFixture {
protected:
    TFontListTest() {
        services.fontTable = &table;
        services.installedFonts = &installed;
        services.fontChange = &fontChange;
    }

    std::unique_ptr<TFontList> MakeList(bool manageResources = true) {
        auto list = std::make_unique<TFontList>(manageResources, &services);
        list->OnChange = [this](TFontList&) { ++changes; };
        list->OnLoaded = [this](TFontList&) { ++loaded; };
        list->OnLoadBegin = [this](TFontList&, TFontListMode, bool&, const std::string& info) {
            begins.push_back(info);
        };
        list->OnLoadProgress = [this](TFontList&, TFontListMode, bool& abort,
                                      const std::string& info) {
            progress.push_back(info);
            abort = abortAfter > 0 && static_cast<int>(progress.size()) >= abortAfter;
        };
        list->OnLoadEnd = [this](TFontList&) { ++ends; };
        return list;
    }

    // Three good fonts in two levels, one without usable names, one the font table rejects,
    // and files the folder scan must not take.
    void MakeFontFolder() {
        WriteFont("fonts/b.ttf", Font("Beta"));
        WriteFont("fonts/sub/a.ttf", Font("Alpha"));
        WriteFont("fonts/C.TTF", Font("Gamma"));
        WriteFont("fonts/mac.ttf", TrueTypeBuilder().Record({1, 0, 0, 4, "Mac"}));
        WriteFont("fonts/rejected.ttf", Font("Rejected"));
        table.Reject(folder + "/fonts/rejected.ttf", 5);
        WriteBytesFile("fonts/d.ttc", CollectionBuilder().Face(Font("Delta")).Build());
        WriteBytesFile("fonts/e.otf", Font("Epsilon").Build());
    }

    fakes::FakeFontTable table;
    fakes::FakeInstalledFonts installed;
    fakes::FakeFontChange fontChange;
    platform::Services services = sandbox.Services();
    int changes = 0;
    int loaded = 0;
    int ends = 0;
    int abortAfter = 0;
    std::vector<std::string> begins;
    std::vector<std::string> progress;
};

TEST_F(TFontListTest, IndexErrorsCarryTheirExactMessages) {
    auto list = MakeList();
    list->Add("One");
    const auto messageOf = [](auto&& call) {
        try {
            call();
        } catch (const std::out_of_range& e) {
            return std::string(e.what());
        }
        return std::string("no exception");
    };
    EXPECT_EQ(messageOf([&] { list->GetItems(-1); }), "List index out of bounds(-1)");
    EXPECT_EQ(messageOf([&] { list->GetItems(1); }), "List index out of bounds(1)");
    EXPECT_EQ(messageOf([&] { list->SetItems(3, std::make_unique<TFontInfo>()); }),
              "List index out of bounds (3)");
    EXPECT_EQ(messageOf([&] { list->Delete(2); }), "List index out of bounds(2)");
    EXPECT_EQ(list->GetCount(), 1);
}

TEST_F(TFontListTest, UpdateBracketFoldsChangesIntoOne) {
    auto list = MakeList();
    list->Add("A");
    EXPECT_EQ(changes, 1);
    {
        FontListUpdate outer(*list);
        FontListUpdate inner(*list);
        list->Add("B");
        list->Add("C");
        EXPECT_TRUE(list->GetUpdating());
    }
    EXPECT_FALSE(list->GetUpdating());
    // Every EndUpdate calls Change, which speaks only once the count is back at zero.
    EXPECT_EQ(changes, 2);
}

TEST_F(TFontListTest, ScreenFontsSkipRepeatsAndVerticalVariants) {
    table.SetFamilies({"Zeta", "zeta", "@Batang", "Batang", "Arial", "Zeta"});
    auto list = MakeList();
    list->SetMode(flmScreen);
    EXPECT_EQ(FullNames(*list), (std::vector<std::string>{"Arial", "Batang", "Zeta", "Zeta"}));
    EXPECT_EQ(list->Mode(), flmScreen);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(TFontListTest, SetModeToTheCurrentModeDoesNothingAndRefreshReloads) {
    auto list = MakeList();
    list->SetMode(flmInstalled);
    EXPECT_EQ(installed.ListCount(), 1);
    list->SetMode(flmInstalled);
    EXPECT_EQ(installed.ListCount(), 1);
    list->Refresh();
    EXPECT_EQ(installed.ListCount(), 2);
    EXPECT_EQ(loaded, 2);
}

TEST_F(TFontListTest, WithoutAutoLoadSetModeOnlyClearsAndRecordsTheMode) {
    auto list = MakeList();
    list->Add("Kept?");
    list->SetAutoLoad(false);
    list->SetMode(flmInstalled);
    EXPECT_EQ(list->Mode(), flmInstalled);
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(installed.ListCount(), 0);
    EXPECT_EQ(loaded, 0);
}

TEST_F(TFontListTest, InstalledFontsResolveBareNamesInTheFontsFolder) {
    const std::string fonts = sandbox.FontsFolder();
    sandbox.WriteFile("data/fonts/bare.ttf", Font("Bare").Build());
    const std::string full = WriteFont("elsewhere/full.TTF", Font("Full", "Bold"));
    const std::string ttc = WriteBytesFile("three.ttc", CollectionBuilder()
                                                            .Face(Font("Tri", "A"))
                                                            .Face(Font("Tri", "B"))
                                                            .Face(Font("Tri", "C"))
                                                            .Build());
    installed.SetFiles({"bare.ttf", full, "missing.ttf", ttc, fonts + "/skip.otf"});
    auto list = MakeList();
    list->SetMode(flmInstalled);

    EXPECT_EQ(FullNames(*list),
              (std::vector<std::string>{"Bare Regular", "Full Bold", "Tri A", "Tri B", "Tri C"}));
    EXPECT_EQ(list->GetItems(0).FileName(), fonts + "/bare.ttf");
    EXPECT_EQ(begins, (std::vector<std::string>{"4"}));
    EXPECT_EQ(progress, (std::vector<std::string>{"Bare Regular", "Full Bold", "three.ttc"}));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(changes, 1);
    // Installed fonts are in the font table already.
    EXPECT_TRUE(table.Adds().empty());
}

TEST_F(TFontListTest, CollectionGivesOneRecordPerFaceWithItsOffset) {
    const std::string ttc = WriteBytesFile("three.ttc", CollectionBuilder()
                                                            .Face(Font("Tri", "A"))
                                                            .Face(Font("Tri", "B"))
                                                            .Face(Font("Tri", "C"))
                                                            .Build());
    auto list = MakeList(false);
    list->AddTTC(ttc);
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->GetItems(0).FileName(), ttc);
    EXPECT_EQ(list->GetItems(2).FileName(), ttc);
    EXPECT_NE(list->GetItems(0).FaceOffset(), list->GetItems(1).FaceOffset());
    EXPECT_NE(list->GetItems(1).FaceOffset(), list->GetItems(2).FaceOffset());
    EXPECT_EQ(list->GetItems(1).FullName(), "Tri B");
}

TEST_F(TFontListTest, CollectionKeepsAtMostAHundredFacesAndOnlyOffsetsThatWereRead) {
    auto list = MakeList(false);
    list->AddTTC(
        WriteBytesFile("many.ttc", testsupport::brokenfonts::CollectionWithFaces(150, 101)));
    ASSERT_EQ(list->GetCount(), 100);
    EXPECT_EQ(list->GetItems(99).FullName(), "Face99 Regular");

    list->Clear();
    // Three faces declared, the file ends after the first offset.
    list->AddTTC(WriteBytesFile(
        "cut.ttc", CollectionBuilder().Face(Font("Cut")).DeclaredCount(3).TruncateTo(16).Build()));
    EXPECT_EQ(list->GetCount(), 1);
}

TEST_F(TFontListTest, MisnamedOrBrokenCollectionCostsOneFileNotTheList) {
    std::filesystem::create_directories(sandbox.HomeFolder());
    std::string apple = Font("Apple").Build();
    apple.replace(0, 4, "true");
    const std::string good = WriteFont("good.ttf", Font("Good"));
    const std::string plain = WriteFont("plain.ttc", Font("Plain"));
    const std::string bad =
        WriteBytesFile("bad.ttc", testsupport::brokenfonts::CollectionWithoutTag());
    const std::string tiny = WriteBytesFile("tiny.ttc", "tt");
    const std::string mac = WriteBytesFile("mac.TTC", apple);
    const std::string after = WriteFont("after.ttf", Font("After"));
    installed.SetFiles({good, plain, bad, tiny, mac, after});
    auto list = MakeList();
    list->SetMode(flmInstalled);

    EXPECT_EQ(FullNames(*list), (std::vector<std::string>{"After Regular", "Apple Regular",
                                                          "Good Regular", "Plain Regular"}));
    EXPECT_EQ(list->GetItems(3).FileName(), plain);
    EXPECT_EQ(list->GetItems(3).FaceOffset(), 0u);
    EXPECT_EQ(ReadText(sandbox.HomeFolder() + "error.log"),
              bad + " (ERROR:13)\n" + tiny + " (ERROR:13)\n");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(loaded, 1);
}

TEST_F(TFontListTest, AbortingAnInstalledLoadKeepsWhatWasLoadedSorted) {
    installed.SetFiles({WriteFont("z.ttf", Font("Zulu")), WriteFont("y.ttf", Font("Yankee")),
                        WriteFont("x.ttf", Font("Xray"))});
    abortAfter = 2;
    auto list = MakeList();
    list->SetMode(flmInstalled);
    EXPECT_EQ(FullNames(*list), (std::vector<std::string>{"Yankee Regular", "Zulu Regular"}));
    EXPECT_EQ(ends, 1);
}

TEST_F(TFontListTest, FolderLoadAddsGoodFontsAndLogsTheRest) {
    MakeFontFolder();
    std::filesystem::create_directories(sandbox.HomeFolder());
    auto list = MakeList();
    list->SetFolders(0, folder + "/fonts");
    list->SetFolders(3, folder + "/missing");
    list->SetMode(flmFolders);

    EXPECT_EQ(FullNames(*list),
              (std::vector<std::string>{"Alpha Regular", "Beta Regular", "Gamma Regular"}));
    EXPECT_EQ(table.AddedFileCount(), 3);
    EXPECT_EQ(begins, (std::vector<std::string>{""}));
    EXPECT_EQ(ends, 1);
    ASSERT_EQ(list->Errors().size(), 2u);
    EXPECT_EQ(ReadText(sandbox.HomeFolder() + "error.log"),
              folder + "/fonts/mac.ttf (ERROR:13)\n" + folder + "/fonts/rejected.ttf (ERROR:5)\n");
    EXPECT_EQ(list->GetFolderCount(), 2);
}

TEST_F(TFontListTest, FolderScanPassesLinkedFoldersSilently) {
    // Followed, a link back up would walk in circles; taken as a file, one named like a font
    // would be logged as a failed font.
    WriteFont("loop/a.ttf", Font("Once"));
    std::filesystem::create_directory_symlink(folder + "/loop", folder + "/loop/again");
    std::filesystem::create_directory_symlink(folder + "/loop", folder + "/loop/folder.ttf");
    auto list = MakeList();
    list->SetFolders(0, folder + "/loop");
    list->SetMode(flmFolders);
    EXPECT_EQ(FullNames(*list), (std::vector<std::string>{"Once Regular"}));
    EXPECT_TRUE(list->Errors().empty());
}

TEST_F(TFontListTest, AbortingAFolderScanStopsEachLevelAfterItsNextFont) {
    // Every progress call after the second answers abort, as the scan window does; each
    // folder level has its own flag, so the top level still takes its next font.
    for (const char* name :
         {"deep/a.ttf", "deep/m/x.ttf", "deep/m/y.ttf", "deep/z.ttf", "deep/zz.ttf"}) {
        WriteFont(name, Font(name));
    }
    abortAfter = 2;
    auto list = MakeList();
    list->SetFolders(0, folder + "/deep");
    list->SetMode(flmFolders);
    EXPECT_EQ(FullNames(*list),
              (std::vector<std::string>{"deep/a.ttf Regular", "deep/m/x.ttf Regular",
                                        "deep/z.ttf Regular"}));
    EXPECT_EQ(ends, 1);
}

TEST_F(TFontListTest, NamedPipeInAFontFolderIsLoggedNotWaitedOn) {
    // Opening a pipe for reading waits for a writer that never comes; the scan must go on.
    WriteFont("pipes/a.ttf", Font("Real"));
    const std::string pipe = folder + "/pipes/b.ttf";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    auto list = MakeList();
    list->SetFolders(0, folder + "/pipes");
    auto load = std::async(std::launch::async, [&] { list->SetMode(flmFolders); });
    if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        do {  // lets each blocked open go on
            ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
        } while (load.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready);
        FAIL() << "the folder scan blocked on a named pipe";
    }
    EXPECT_EQ(FullNames(*list), (std::vector<std::string>{"Real Regular"}));
    ASSERT_EQ(list->Errors().size(), 1u);
    EXPECT_EQ(list->Errors()[0].first, pipe);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TFontListTest, LoadWithoutErrorsLeavesTheErrorLogAlone) {
    const std::string log = sandbox.WriteFile("home/error.log", "old\n");
    WriteFont("ok/a.ttf", Font("Fine"));
    auto list = MakeList();
    list->SetFolders(0, folder + "/ok");
    list->SetMode(flmFolders);
    EXPECT_EQ(list->GetCount(), 1);
    EXPECT_EQ(ReadText(log), "old\n");
}

TEST_F(TFontListTest, LeavingFolderModeRemovesEveryFolderFont) {
    MakeFontFolder();
    auto list = MakeList();
    list->SetFolders(0, folder + "/fonts");
    list->SetMode(flmFolders);
    ASSERT_EQ(table.AddedFileCount(), 3);
    const int broadcasts = fontChange.BroadcastCount();

    list->SetMode(flmInstalled);
    EXPECT_EQ(table.AddedFileCount(), 0);
    EXPECT_EQ(table.Removes().size(), 3u);
    // The Clear of LoadFonts and the one of LoadInstalledFonts, both still in folder mode.
    EXPECT_EQ(fontChange.BroadcastCount(), broadcasts + 2);

    list->SetMode(flmScreen);
    EXPECT_EQ(table.Removes().size(), 3u);
    EXPECT_EQ(fontChange.BroadcastCount(), broadcasts + 2);
}

TEST_F(TFontListTest, DeletionsWithinAnUpdateAreAnnouncedOnceWhenItCloses) {
    MakeFontFolder();
    WriteFont("fonts/z.ttf", Font("Zeta"));
    auto list = MakeList();
    list->SetFolders(0, folder + "/fonts");
    list->SetMode(flmFolders);
    ASSERT_EQ(list->GetCount(), 4);
    const int before = fontChange.BroadcastCount();
    {
        FontListUpdate update(*list);
        list->Delete(0);
        list->Delete(0);
        EXPECT_EQ(fontChange.BroadcastCount(), before);
    }
    EXPECT_EQ(fontChange.BroadcastCount(), before + 1);
    // What is deleted while resources are left to the caller stays unannounced, even when
    // the list manages them again before the bracket closes.
    {
        FontListUpdate update(*list);
        list->SetManageResources(false);
        list->Delete(0);
        list->SetManageResources(true);
    }
    EXPECT_EQ(fontChange.BroadcastCount(), before + 1);
    list->Delete(0);
    EXPECT_EQ(fontChange.BroadcastCount(), before + 2);
}

TEST_F(TFontListTest, DestroyingAFolderListRemovesItsFonts) {
    MakeFontFolder();
    {
        auto list = MakeList();
        list->SetFolders(0, folder + "/fonts");
        list->SetMode(flmFolders);
        ASSERT_EQ(table.AddedFileCount(), 3);
    }
    EXPECT_EQ(table.AddedFileCount(), 0);
}

TEST_F(TFontListTest, ReplacingAFolderRecordRemovesTheFontOfTheOldOne) {
    MakeFontFolder();
    auto list = MakeList();
    list->SetFolders(0, folder + "/fonts");
    list->SetMode(flmFolders);
    const std::string replaced = list->GetItems(0).FileName();
    list->SetItems(0, std::make_unique<TFontInfo>());
    EXPECT_EQ(table.Removes(), (std::vector<std::string>{replaced}));
    EXPECT_FALSE(table.IsAdded(replaced));
    EXPECT_EQ(table.AddedFileCount(), 2);
}

TEST_F(TFontListTest, FolderLoadsBroadcastTheFontsTheyAdded) {
    WriteFont("first/a.ttf", Font("First"));
    WriteFont("second/b.ttf", Font("Second"));
    sandbox.WriteFile("work/broken/c.ttf", testsupport::brokenfonts::NoNameTable());
    auto list = MakeList();
    list->SetMode(flmInstalled);  // whose Clear tells nobody
    list->SetFolders(0, folder + "/first");
    struct Step {
        const char* what;
        std::function<void()> run;
        int broadcasts;
    };
    const Step steps[] = {
        {"loading the slots", [&] { list->SetMode(flmFolders); }, 1},
        {"adding a folder with a font", [&] { list->AddFolder(folder + "/second"); }, 1},
        {"adding a folder without usable fonts", [&] { list->AddFolder(folder + "/broken"); }, 0},
    };
    for (const Step& step : steps) {
        const int before = fontChange.BroadcastCount();
        step.run();
        EXPECT_EQ(fontChange.BroadcastCount() - before, step.broadcasts) << step.what;
    }
    EXPECT_EQ(list->GetCount(), 2);
}

TEST_F(TFontListTest, AssignCopiesModeAndFoldersButNeverTouchesResources) {
    MakeFontFolder();
    auto master = MakeList();
    master->SetFolders(2, folder + "/fonts");
    master->SetMode(flmFolders);
    master->SetSortType(stPath);
    master->GetItems(0).SetSelected(true);
    const std::size_t adds = table.Adds().size();
    {
        TFontList view(false, &services);
        int viewLoaded = 0;
        view.OnLoaded = [&](TFontList&) { ++viewLoaded; };
        view.Assign(*master);
        EXPECT_EQ(view.Mode(), flmFolders);
        EXPECT_EQ(view.GetFolders(2), folder + "/fonts");
        EXPECT_EQ(view.SortType(), stPath);
        EXPECT_EQ(view.GetCount(), 3);
        EXPECT_TRUE(view.GetItems(0).Selected());
        EXPECT_NE(&view.GetItems(0), &master->GetItems(0));
        EXPECT_EQ(viewLoaded, 1);
        view.Delete(0);
    }
    EXPECT_EQ(table.Adds().size(), adds);
    EXPECT_TRUE(table.Removes().empty());
    EXPECT_EQ(master->GetCount(), 3);
}

TEST_F(TFontListTest, AssignNamesMakesAScreenList) {
    auto list = MakeList();
    list->Assign(std::vector<std::string>{"Mono", "Sans"});
    EXPECT_EQ(list->Mode(), flmScreen);
    EXPECT_EQ(FullNames(*list), (std::vector<std::string>{"Mono", "Sans"}));
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(TFontListTest, FindIgnoresCaseAndIndexOfFileNameLooksAtPaths) {
    auto list = MakeList(false);
    list->Add("Alpha");
    list->Add("Beta");
    auto record = std::make_unique<TFontInfo>();
    record->SetFileName(WriteFont("c.ttf", Font("Gamma")));
    list->Add(std::move(record));
    EXPECT_EQ(list->Find("beta"), 1);
    EXPECT_EQ(list->IndexOf("GAMMA REGULAR"), 2);
    EXPECT_EQ(list->Find("Delta"), -1);
    EXPECT_EQ(list->IndexOfFileName(folder + "/C.TTF"), 2);
    EXPECT_EQ(list->IndexOfFileName(folder + "/d.ttf"), -1);
}

TEST_F(TFontListTest, SortByPathComparesFolderThenFileName) {
    auto list = MakeList(false);
    for (const std::string name : {"b/a.ttf", "a/z.ttf", "A/y.ttf", "a/sub/x.ttf"}) {
        auto record = std::make_unique<TFontInfo>();
        record->SetFileName(WriteFont(name, Font(name)));
        list->Add(std::move(record));
    }
    list->SetSortType(stPath);
    std::vector<std::string> paths;
    for (int i = 0; i < list->GetCount(); ++i) {
        paths.push_back(list->GetItems(i).FileName().substr(folder.size() + 1));
    }
    // "A" and "a" are one folder ignoring case; their files order by name.
    EXPECT_EQ(paths, (std::vector<std::string>{"A/y.ttf", "a/z.ttf", "a/sub/x.ttf", "b/a.ttf"}));
    list->SetSortType(stName);
    // Case only breaks ties in the collation: "a/sub" sorts before "A/y".
    EXPECT_EQ(list->GetItems(0).FullName(), "a/sub/x.ttf Regular");
}

TEST_F(TFontListTest, SetFoldersIsIgnoredInFolderMode) {
    auto list = MakeList();
    list->SetFolders(7, "/nowhere");
    list->SetMode(flmFolders);
    list->SetFolders(1, folder);
    EXPECT_EQ(list->GetFolderCount(), 0);
    EXPECT_EQ(list->GetFolders(-1), "");
    EXPECT_TRUE(begins.empty());  // no slot used: no load events
}

TEST_F(TFontListTest, AddFolderRulesAndMessages) {
    for (const char* name : {"Type/a.ttf", "Type2/b.ttf", "Type/sub/c.ttf", "Other/d.ttf"}) {
        WriteFont(name, Font(name));
    }
    std::filesystem::create_directories(sandbox.FontsFolder() + "/sub");
    std::filesystem::create_directories(sandbox.FontsFolder() + "2");
    auto list = MakeList();
    EXPECT_EQ(list->AddFolder(folder + "/Type"), -1);  // not in folder mode
    list->SetMode(flmFolders);

    const std::string same = "Same folder already exists.";
    const std::string parent = "Parent folder already exists.\nYou don't need to add this folder.";
    const std::string children =
        "Subfolder(s) already exist.\nPlease remove those folders first then add this folder.";
    struct Case {
        std::string path;
        int slot;
        std::string message;  // empty: none
    };
    const Case cases[] = {
        {folder + "/Type", 0, ""},
        {folder + "/Type", -1, same},
        {folder + "/Type/", -1, same},
        {folder + "/Type/sub", -1, parent},
        {folder + "/Type/sub/", -1, parent},
        {folder + "/Type2", 1, ""},  // a sibling whose name only starts alike
        {folder, -1, children},
        {folder + "/", -1, children},
        {folder + "/missing", -1, ""},
        {sandbox.FontsFolder() + "/sub", -1, ""},  // the user's Fonts folder: silently
        {sandbox.FontsFolder() + "2", 2, ""},
    };
    for (const Case& c : cases) {
        const std::size_t before = Messages().size();
        EXPECT_EQ(list->AddFolder(c.path), c.slot) << c.path;
        ASSERT_EQ(Messages().size(), before + (c.message.empty() ? 0 : 1)) << c.path;
        if (!c.message.empty()) {
            EXPECT_EQ(Messages().back().text, c.message) << c.path;
            EXPECT_EQ(Messages().back().caption, "Message");
            EXPECT_EQ(Messages().back().icon, platform::MsgIcon::Information);
        }
    }
    EXPECT_EQ(list->GetFolderCount(), 3);
    EXPECT_EQ(list->GetCount(), 3);
}

TEST_F(TFontListTest, RemovedSlotLeavesAGapTheNextFolderFills) {
    for (const char* name :
         {"f1/a.ttf", "f2/b.ttf", "f3/c.ttf", "f4/d.ttf", "f5/e.ttf", "f6/f.ttf"}) {
        WriteFont(name, Font(name));
    }
    auto list = MakeList();
    list->SetMode(flmFolders);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(list->AddFolder(folder + "/f" + std::to_string(i)), i - 1);
    }
    EXPECT_EQ(list->AddFolder(folder + "/f6"), -1);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "You can't add more than 5 folders.");

    const int broadcasts = fontChange.BroadcastCount();
    list->RemoveFolder(folder + "/F2");
    EXPECT_EQ(list->GetFolders(1), "");
    EXPECT_EQ(list->GetCount(), 4);
    EXPECT_FALSE(table.IsAdded(folder + "/f2/b.ttf"));
    EXPECT_EQ(fontChange.BroadcastCount(), broadcasts + 1);  // once for the folder's records
    EXPECT_EQ(list->AddFolder(folder + "/f6"), 1);
    EXPECT_EQ(list->GetFolders(1), folder + "/f6");
}

TEST_F(TFontListTest, RemoveFolderDeletesEveryRecordBelowItButNoneOfASibling) {
    for (const char* name : {"r/a.ttf", "r/b.ttf", "r/s/c.ttf", "keep/d.ttf", "r2/e.ttf"}) {
        WriteFont(name, Font(name));
    }
    auto list = MakeList();
    list->SetMode(flmFolders);
    list->AddFolder(folder + "/keep");
    list->AddFolder(folder + "/r");
    list->AddFolder(folder + "/r2");
    ASSERT_EQ(list->GetCount(), 5);
    list->RemoveFolder(folder + "/r");
    EXPECT_EQ(FullNames(*list),
              (std::vector<std::string>{"keep/d.ttf Regular", "r2/e.ttf Regular"}));
    EXPECT_EQ(list->GetFolders(1), "");
    EXPECT_EQ(table.AddedFileCount(), 2);
    list->RemoveFolder(folder + "/keep/");
    EXPECT_EQ(FullNames(*list), (std::vector<std::string>{"r2/e.ttf Regular"}));
    EXPECT_EQ(list->GetFolderCount(), 1);
}

TEST(GetInstalledFontFiles, KeepsTrueTypeEntriesInOrder) {
    fakes::FakeInstalledFonts source;
    source.SetFiles({"b.TTC", "/x/a.otf", "/x/c.ttf", "noext"});
    std::vector<std::string> out{"stale"};
    GetInstalledFontFiles(source, out);
    EXPECT_EQ(out, (std::vector<std::string>{"b.TTC", "/x/c.ttf"}));
}

}  // namespace
