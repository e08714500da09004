#include <gtest/gtest.h>

#include <QStringList>

#include "fakes/fakefonttable.h"
#include "render/fontstyle.h"
#include "render/lrucache.h"
#include "render/samplefontcache.h"

TEST(LruCache, DropsTheEntryUsedLongestAgo) {
    TLruCache<int> cache(2);
    cache.Insert("a", 1);
    cache.Insert("b", 2);
    ASSERT_NE(cache.Find("a"), nullptr);
    cache.Insert("c", 3);
    EXPECT_EQ(cache.Find("b"), nullptr);
    EXPECT_EQ(*cache.Find("a"), 1);
    EXPECT_EQ(*cache.Find("c"), 3);
    cache.Insert("c", 4);
    EXPECT_EQ(*cache.Find("c"), 4);
    EXPECT_EQ(cache.Size(), 2u);
}

TEST(SampleFontCache, StaysWithinItsLimitHoweverManyFacesAreDrawn) {
    fakes::FakeFontTable table;
    TSampleFontCache cache(&table, 16);
    for (int i = 0; i < 500; ++i) {
        cache.Plain("Face " + std::to_string(i), 16, 0);
        cache.Scaled("Face " + std::to_string(i), 16, 0, 4);
    }
    EXPECT_EQ(cache.FaceCount(), 16u);
}

TEST(SampleFontCache, SelectsTheResolvedFamilyAndStyle) {
    fakes::FakeFontTable table;
    table.SetResolved("DejaVu Sans Bold", platform::ResolvedFace{"DejaVu Sans", "Bold", true});
    TSampleFontCache cache(&table);
    const QFont& font = cache.Plain("DejaVu Sans Bold", 20, 0).font;
    EXPECT_EQ(font.families(), QStringList{"DejaVu Sans"});
    EXPECT_EQ(font.styleName(), "Bold");
    EXPECT_EQ(font.pointSize(), 20);
    EXPECT_EQ(font.styleStrategy(), QFont::NoAntialias | QFont::NoFontMerging);
    const SampleFace& large = cache.Scaled("DejaVu Sans Bold", 20, fsItalic, 4);
    EXPECT_EQ(large.font.pointSize(), 80);
    EXPECT_TRUE(large.font.italic());
    // The supersampled face still reports the height of the face at the size asked for.
    EXPECT_EQ(large.height, cache.Plain("DejaVu Sans Bold", 20, fsItalic).height);
}

TEST(SampleFontCache, ANameWithACommaStaysOneFamily) {
    fakes::FakeFontTable table;
    TSampleFontCache cache(&table);
    EXPECT_EQ(cache.Plain("Odd, Name", 12, 0).font.families(), QStringList{"Odd, Name"});
}
