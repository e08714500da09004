// The font list with "Option"/"OpenType" on: OpenType fonts and collections from folders and
// from the installed list, and `glyphwell list` following the stored option. With the option
// off the other tests of the catalogue pin today's behaviour.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "catalogue/fontlist.h"
#include "catalogue/listcommand.h"
#include "catalogue_fixture.h"
#include "fakes/fakefontchange.h"
#include "fakes/fakefonttable.h"
#include "fakes/fakeinstalledfonts.h"
#include "platform/inifile.h"
#include "support/drawablefontbuilder.h"
#include "support/truetypebuilder.h"

namespace {

using testsupport::CollectionBuilder;
using testsupport::TrueTypeBuilder;

// A font with PostScript outlines: version tag "OTTO" and a `CFF ` table.
std::string PostScriptFont(const std::string& family) {
    return testsupport::DrawableFontBuilder(family, "Regular")
        .Characters("ABC")
        .PostScriptOutlines()
        .Build();
}

std::string Collection(const std::string& family, int faces) {
    CollectionBuilder collection;
    for (int face = 0; face < faces; ++face) {
        collection.Face(Font(family, "Face" + std::to_string(face)));
    }
    return collection.Build();
}

class OpenTypeTest : public CatalogueFixture {
protected:
    OpenTypeTest() {
        services.fontTable = &table;
        services.installedFonts = &installed;
        services.fontChange = &fontChange;
    }

    std::unique_ptr<TFontList> MakeList(bool openType) {
        auto list = std::make_unique<TFontList>(true, &services);
        list->SetFileTypes(TFontFileTypes(openType));
        list->OnLoadProgress = [this](TFontList&, TFontListMode, bool&, const std::string& info) {
            progress.push_back(info);
        };
        return list;
    }

    // One file of each kind, and files no option makes a font.
    void MakeMixedFolder() {
        WriteFont("mixed/a.ttf", Font("Alpha"));
        WriteBytesFile("mixed/sub/b.otf", PostScriptFont("Beta"));
        WriteBytesFile("mixed/c.TTC", Collection("Gamma", 2));
        WriteBytesFile("mixed/d.otc", Collection("Delta", 3));
        WriteBytesFile("mixed/e.pfb", Font("Epsilon").Build());
        WriteBytesFile("mixed/f.woff", Font("Zeta").Build());
    }

    fakes::FakeFontTable table;
    fakes::FakeInstalledFonts installed;
    fakes::FakeFontChange fontChange;
    platform::Services services = sandbox.Services();
    std::vector<std::string> progress;
};

TEST_F(OpenTypeTest, FolderScanTakesTheOpenTypeKindsOnlyWhenOn) {
    MakeMixedFolder();
    const struct {
        bool openType;
        std::vector<std::string> names;
        int files;
    } cases[] = {
        {false, {"Alpha Regular"}, 1},
        {true,
         {"Alpha Regular", "Beta Regular", "Delta Face0", "Delta Face1", "Delta Face2",
          "Gamma Face0", "Gamma Face1"},
         4},
    };
    for (const auto& c : cases) {
        progress.clear();
        auto list = MakeList(c.openType);
        list->SetFolders(0, folder + "/mixed");
        list->SetMode(flmFolders);
        EXPECT_EQ(FullNames(*list), c.names) << c.openType;
        // A collection is one file for the font table and for the scan window.
        EXPECT_EQ(table.AddedFileCount(), c.files);
        EXPECT_EQ(static_cast<int>(progress.size()), c.files);
        EXPECT_TRUE(list->Errors().empty());
    }
}

TEST_F(OpenTypeTest, CollectionFacesKeepTheirOffsetsAndOneFontTableEntry) {
    const std::string path = WriteBytesFile("one/d.otc", Collection("Delta", 3));
    auto list = MakeList(true);
    list->SetFolders(0, folder + "/one");
    list->SetMode(flmFolders);
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->GetItems(0).FileName(), path);
    EXPECT_NE(list->GetItems(0).FaceOffset(), list->GetItems(1).FaceOffset());
    EXPECT_EQ(table.Adds(), std::vector<std::string>{path});
    EXPECT_EQ(progress, std::vector<std::string>{"d.otc"});
    // The file stays in the font table while a face of it is listed, and leaves it once.
    list->Delete(0);
    EXPECT_TRUE(table.IsAdded(path));
    list->SetMode(flmInstalled);
    EXPECT_EQ(table.AddedFileCount(), 0);
    EXPECT_EQ(table.Removes(), std::vector<std::string>{path});
}

TEST_F(OpenTypeTest, UnusableFolderCollectionsAreLoggedAsOneFile) {
    const std::string broken =
        WriteBytesFile("bad/broken.ttc", testsupport::brokenfonts::CollectionWithoutTag());
    const std::string nameless = WriteBytesFile(
        "bad/nameless.otc",
        CollectionBuilder().Face(TrueTypeBuilder().Record({1, 0, 0, 4, "Mac"})).Build());
    const std::string rejected = WriteBytesFile("bad/rejected.otc", Collection("Rejected", 2));
    table.Reject(rejected, 5);
    auto list = MakeList(true);
    list->SetFolders(0, folder + "/bad");
    list->SetMode(flmFolders);
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(list->Errors(), (std::vector<std::pair<std::string, int>>{
                                  {broken, 13}, {nameless, 13}, {rejected, 5}}));
    EXPECT_EQ(table.AddedFileCount(), 0);
}

TEST_F(OpenTypeTest, InstalledListTakesOtfAndOtcOnlyWhenOn) {
    sandbox.WriteFile("data/fonts/bare.otf", PostScriptFont("Bare"));
    const std::string ttf = WriteFont("t.ttf", Font("Plain"));
    const std::string otc = WriteBytesFile("c.OTC", Collection("Coll", 2));
    // fontconfig lists by content: a single PostScript font named like a collection.
    const std::string misnamed = WriteBytesFile("single.ttc", PostScriptFont("Single"));
    installed.SetFiles({"bare.otf", ttf, otc, misnamed});
    const struct {
        bool openType;
        std::vector<std::string> names;
        std::size_t errors;
    } cases[] = {
        {false, {"Plain Regular"}, 1},
        {true, {"Bare Regular", "Coll Face0", "Coll Face1", "Plain Regular", "Single Regular"}, 0},
    };
    for (const auto& c : cases) {
        auto list = MakeList(c.openType);
        list->SetMode(flmInstalled);
        EXPECT_EQ(FullNames(*list), c.names) << c.openType;
        EXPECT_EQ(list->Errors().size(), c.errors) << c.openType;
    }
}

TEST(GetInstalledFontFiles, TakesTheOpenTypeKindsOnlyWhenOn) {
    fakes::FakeInstalledFonts source;
    source.SetFiles({"b.TTC", "/x/a.otf", "/x/c.ttf", "d.OTC", "e.woff", "noext"});
    std::vector<std::string> out;
    GetInstalledFontFiles(source, out, TFontFileTypes(false));
    EXPECT_EQ(out, (std::vector<std::string>{"b.TTC", "/x/c.ttf"}));
    GetInstalledFontFiles(source, out, TFontFileTypes(true));
    EXPECT_EQ(out, (std::vector<std::string>{"b.TTC", "/x/a.otf", "/x/c.ttf", "d.OTC"}));
}

TEST_F(OpenTypeTest, ListCommandFollowsTheStoredOption) {
    installed.SetFiles(
        {WriteFont("t.ttf", Font("Plain")), WriteBytesFile("o.otf", PostScriptFont("Otto"))});
    WriteBytesFile("dir/o.otf", PostScriptFont("Folder Otto"));
    const std::string settings = sandbox.HomeFolder() + "glyphwell.ini";
    for (const bool openType : {false, true}) {
        platform::IniFile(settings).WriteInteger("Option", "OpenType", openType ? 1 : 0);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{}, {folder + "/dir"}}) {
            std::ostringstream out;
            std::ostringstream err;
            ASSERT_EQ(RunListCommand(args, out, err, services), 0);
            EXPECT_EQ(out.str().find("Otto Regular\t") != std::string::npos, openType) << out.str();
        }
    }
}

}  // namespace
