#include "platform/linux/qtfonttable.h"

#include <gtest/gtest.h>

#include <set>

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <filesystem>

#include "platform/linux/fontconfigfontchange.h"
#include "support/drawablefontbuilder.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"

namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

QImage Render(const platform::ResolvedFace& face) {
    QFont font(QString::fromStdString(face.family));
    if (!face.style.empty()) {
        font.setStyleName(QString::fromStdString(face.style));
    }
    font.setPixelSize(24);
    QImage image(300, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(4, 30, QStringLiteral("Hamburgefonstiv"));
    return image;
}

class QtFontTableTest : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kDejaVu + "DejaVuSans-Bold.ttf")) {
            GTEST_SKIP() << "fonts-dejavu-core is not installed";
        }
        regular = sandbox.CopyFile(kDejaVu + "DejaVuSans.ttf", "folder/DejaVuSans.ttf");
        bold = sandbox.CopyFile(kDejaVu + "DejaVuSans-Bold.ttf", "folder/DejaVuSans-Bold.ttf");
        condensedBold = sandbox.CopyFile(kDejaVu + "DejaVuSansCondensed-Bold.ttf",
                                         "folder/DejaVuSansCondensed-Bold.ttf");
    }
    Sandbox sandbox;
    std::string regular;
    std::string bold;
    std::string condensedBold;
};

TEST_F(QtFontTableTest, TwoFacesOfOneFamilyResolveToDifferentStyles) {
    platform::QtFontTable table;
    ASSERT_EQ(table.AddFontFile(regular), 0);
    ASSERT_EQ(table.AddFontFile(bold), 0);
    const platform::ResolvedFace r = table.Resolve("DejaVu Sans");
    const platform::ResolvedFace b = table.Resolve("DejaVu Sans Bold");
    EXPECT_TRUE(r.exact);
    EXPECT_TRUE(b.exact);
    EXPECT_EQ(r.family, "DejaVu Sans");
    EXPECT_EQ(b.family, "DejaVu Sans");
    EXPECT_EQ(b.style, "Bold");
    EXPECT_NE(r.style, b.style);
    EXPECT_NE(Render(r), Render(b));
}

TEST_F(QtFontTableTest, ResolvedStyleSelectsExactlyThatFace) {
    platform::QtFontTable table;
    ASSERT_EQ(table.AddFontFile(condensedBold), 0);
    const platform::ResolvedFace face = table.Resolve("dejavu sans condensed BOLD");
    EXPECT_TRUE(face.exact);
    EXPECT_EQ(face.family, "DejaVu Sans");
    EXPECT_EQ(face.style, "Condensed Bold");
    QFont font(QString::fromStdString(face.family));
    font.setStyleName(QString::fromStdString(face.style));
    const QFontInfo info(font);
    EXPECT_EQ(info.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(info.styleName(), QStringLiteral("Condensed Bold"));
}

TEST_F(QtFontTableTest, UnknownNameFallsBackToItselfNotExact) {
    platform::QtFontTable table;
    const platform::ResolvedFace face = table.Resolve("No Such Face 12345");
    EXPECT_FALSE(face.exact);
    EXPECT_EQ(face.family, "No Such Face 12345");
    EXPECT_TRUE(face.style.empty());
}

TEST_F(QtFontTableTest, FamilyNameResolvesToTheFamily) {
    platform::QtFontTable table;
    ASSERT_EQ(table.AddFontFile(bold), 0);
    const auto families = table.Families();
    ASSERT_NE(std::find(families.begin(), families.end(), "DejaVu Sans"), families.end());
    // Only the bold face is added, so "DejaVu Sans" is no face's full name here... unless the
    // system knows the regular face; either way it names a family Qt can draw.
    const platform::ResolvedFace face = table.Resolve("DEJAVU SANS");
    EXPECT_TRUE(face.exact);
    EXPECT_EQ(face.family, "DejaVu Sans");
}

TEST_F(QtFontTableTest, FamiliesAreNamedOnceWithoutFoundry) {
    platform::QtFontTable table;
    std::set<std::string> folded;
    for (const std::string& family : table.Families()) {
        EXPECT_FALSE(!family.empty() && family.back() == ']') << family;
        EXPECT_TRUE(
            folded.insert(QString::fromStdString(family).toCaseFolded().toStdString()).second)
            << family;
    }
    EXPECT_FALSE(folded.empty());
}

TEST_F(QtFontTableTest, RemovedFileNoLongerResolves) {
    platform::QtFontTable table;
    ASSERT_EQ(table.AddFontFile(condensedBold), 0);
    EXPECT_TRUE(table.RemoveFontFile(condensedBold));
    EXPECT_FALSE(table.RemoveFontFile(condensedBold));
    EXPECT_EQ(table.Resolve("DejaVu Sans Condensed Bold").style, "");
}

TEST_F(QtFontTableTest, AddingTwiceNeedsTwoRemoves) {
    platform::QtFontTable table;
    ASSERT_EQ(table.AddFontFile(bold), 0);
    ASSERT_EQ(table.AddFontFile(bold), 0);
    EXPECT_TRUE(table.RemoveFontFile(bold));
    EXPECT_EQ(table.Resolve("DejaVu Sans Bold").style, "Bold");
    EXPECT_TRUE(table.RemoveFontFile(bold));
    EXPECT_FALSE(table.RemoveFontFile(bold));
}

TEST_F(QtFontTableTest, FailuresGiveWindowsCodes) {
    platform::QtFontTable table;
    EXPECT_EQ(table.AddFontFile(sandbox.Path() + "/absent.ttf"), 2);
    const std::string junk = sandbox.WriteFile("folder/junk.ttf", std::string(512, '\x07'));
    EXPECT_EQ(table.AddFontFile(junk), 13);
    EXPECT_EQ(table.AddFontFile(sandbox.Path() + "/folder"), 5);
    EXPECT_FALSE(table.RemoveFontFile(junk));
}

TEST_F(QtFontTableTest, SystemFontIsFoundByFullName) {
    sandbox.CopyFile(kDejaVu + "DejaVuSerif-Bold.ttf", "data/fonts/DejaVuSerif-Bold.ttf");
    sandbox.ReloadFonts();
    platform::QtFontTable table;
    const platform::ResolvedFace face = table.Resolve("DejaVu Serif Bold");
    EXPECT_TRUE(face.exact);
    EXPECT_EQ(face.family, "DejaVu Serif");
    EXPECT_EQ(face.style, "Bold");
}

TEST(QtFontTableCollection, EveryFaceOfACollectionResolvesToItsOwnFamily) {
    using testsupport::DrawableFontBuilder;
    Sandbox sandbox;
    const auto collection = [&](const std::string& name, const std::string& style) {
        return sandbox.WriteFile(
            "folder/" + name,
            testsupport::CollectionOfFonts(
                {DrawableFontBuilder("Duo Sans", style).Characters("H").Build(),
                 DrawableFontBuilder("Duo Mono", style).Characters("H").Build()}));
    };
    platform::QtFontTable table;
    ASSERT_EQ(table.AddFontFile(collection("Duo-Regular.ttc", "Regular")), 0);
    ASSERT_EQ(table.AddFontFile(collection("Duo-Bold.ttc", "Bold")), 0);
    const struct {
        const char* faceName;
        const char* family;
        const char* style;
    } cases[] = {
        {"Duo Sans Regular", "Duo Sans", "Regular"},
        {"duo mono regular", "Duo Mono", "Regular"},
        {"Duo Sans Bold", "Duo Sans", "Bold"},
        {"Duo Mono Bold", "Duo Mono", "Bold"},
    };
    for (const auto& c : cases) {
        const platform::ResolvedFace face = table.Resolve(c.faceName);
        EXPECT_TRUE(face.exact) << c.faceName;
        EXPECT_EQ(face.family, c.family) << c.faceName;
        EXPECT_EQ(face.style, c.style) << c.faceName;
    }
}

// Installing or uninstalling changes fontconfig's font set; the next listing of the screen
// fonts follows it, and the files the table added stay listed.
TEST(QtFontTableFamilies, FollowAFontChange) {
    using testsupport::DrawableFontBuilder;
    Sandbox sandbox;
    const auto has = [](const std::vector<std::string>& families, const std::string& family) {
        return std::find(families.begin(), families.end(), family) != families.end();
    };
    platform::FontconfigFontChange fontChange;
    platform::QtFontTable table;
    const std::string kept = sandbox.WriteFile(
        "work/Kept.ttf", DrawableFontBuilder("Kept Sans", "Regular").Characters("H").Build());
    ASSERT_EQ(table.AddFontFile(kept), 0);
    const std::string gone = sandbox.FontsFolder() + "/Gone.ttf";
    ASSERT_TRUE(DrawableFontBuilder("Gone Sans", "Regular").Characters("H").Write(gone));
    fontChange.Broadcast();
    const std::vector<std::string> before = table.Families();
    EXPECT_TRUE(has(before, "Gone Sans"));
    EXPECT_TRUE(has(before, "Kept Sans"));

    std::filesystem::remove(gone);
    fontChange.Broadcast();
    const std::vector<std::string> after = table.Families();
    EXPECT_FALSE(has(after, "Gone Sans"));
    EXPECT_TRUE(has(after, "Kept Sans"));
}

}  // namespace
