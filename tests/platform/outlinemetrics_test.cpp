#include "platform/linux/freetypeoutlinemetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/collectionface.h"
#include "support/sandbox.h"

namespace {

const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kDejaVuBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const std::string kDejaVuSerif = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
const std::string kNotoCjk = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";

// The few fields of a face's own tables the window system's metrics come from, read straight
// from the file's bytes (not through FreeType).
struct RawTables {
    long unitsPerEm = 0, xMin = 0, xMax = 0;        // head
    long ascender = 0, descender = 0, lineGap = 0;  // hhea
    long avgCharWidth = 0, typoAscender = 0, typoDescender = 0, typoLineGap = 0, winAscent = 0,
         winDescent = 0;  // OS/2
};

class FileBytes {
public:
    explicit FileBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), {});
    }
    long U16(std::size_t at) const { return (Byte(at) << 8) | Byte(at + 1); }
    long S16(std::size_t at) const { return static_cast<std::int16_t>(U16(at)); }
    std::size_t U32(std::size_t at) const { return (U16(at) << 16) | U16(at + 2); }
    std::string Tag(std::size_t at) const { return std::string(bytes_.data() + at, 4); }
    // Offset of the table tagged tag in the face whose offset table is at face.
    std::size_t Table(std::size_t face, const std::string& tag) const {
        for (long i = 0; i < U16(face + 4); ++i) {
            const std::size_t record = face + 12 + 16 * static_cast<std::size_t>(i);
            if (Tag(record) == tag) {
                return U32(record + 8);
            }
        }
        ADD_FAILURE() << "no " << tag << " table";
        return 0;
    }

private:
    long Byte(std::size_t at) const {
        return at < bytes_.size() ? static_cast<unsigned char>(bytes_[at]) : 0;
    }
    std::vector<char> bytes_;
};

RawTables ReadTables(const FileBytes& file, std::size_t face) {
    RawTables t;
    const std::size_t head = file.Table(face, "head");
    const std::size_t hhea = file.Table(face, "hhea");
    const std::size_t os2 = file.Table(face, "OS/2");
    t.unitsPerEm = file.U16(head + 18);
    t.xMin = file.S16(head + 36);
    t.xMax = file.S16(head + 40);
    t.ascender = file.S16(hhea + 4);
    t.descender = file.S16(hhea + 6);
    t.lineGap = file.S16(hhea + 8);
    t.avgCharWidth = file.S16(os2 + 2);
    t.typoAscender = file.S16(os2 + 68);
    t.typoDescender = file.S16(os2 + 70);
    t.typoLineGap = file.S16(os2 + 72);
    t.winAscent = file.U16(os2 + 74);
    t.winDescent = file.U16(os2 + 76);
    return t;
}

// value font units at pixels per em, rounded half up to whole pixels.
long Px(long value, long pixels, long unitsPerEm) {
    const long twice = 2 * value * pixels + unitsPerEm;
    const long divisor = 2 * unitsPerEm;
    return twice >= 0 ? twice / divisor : -((-twice + divisor - 1) / divisor);
}

class OutlineMetricsTest : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kDejaVuSans)) {
            GTEST_SKIP() << "fonts-dejavu-core is not installed";
        }
    }
    platform::FreeTypeOutlineMetrics metrics;
};

TEST_F(OutlineMetricsTest, ScalesTheFaceTablesToTheCharacterHeight) {
    // DejaVu Sans: 2048 units per em, Windows ascent 1901 and descent 483, typographic
    // ascender 1556 and descender -492, weight 400.
    const auto m = metrics.Get(kDejaVuSans, 0, 2048);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->emSquare, 2048);
    EXPECT_EQ(m->height, 1901 + 483);
    EXPECT_EQ(m->internalLeading, 1901 + 483 - 2048);
    EXPECT_EQ(m->ascent, 1556);
    EXPECT_EQ(m->descent, -492);
    EXPECT_EQ(m->weight, 400);
    EXPECT_EQ(m->italicAngle, 0);
    EXPECT_GT(m->maxCharWidth, m->averageCharWidth);
}

TEST_F(OutlineMetricsTest, SmallHeightsRound) {
    const auto m = metrics.Get(kDejaVuSans, 0, 12);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->height, 14);  // 11.14 + 2.83, each rounded: 11 + 3
    EXPECT_EQ(m->internalLeading, 2);
    EXPECT_EQ(m->ascent, 9);
    EXPECT_EQ(m->descent, -3);
}

// Text metrics: height from the Windows ascent and descent, each rounded on its own; internal
// leading is what they cover beyond the em; external leading is the hhea line gap beyond what
// the Windows extent adds to the hhea extent; the widest character spans head's bounding box.
// Outline metrics: the OS/2 typographic values.
TEST(OutlineMetricsFromTables, MatchTheFaceTablesAsTheWindowSystemScalesThem) {
    struct Case {
        std::string path;
        int face;  // position in the collection
    };
    const Case cases[] = {{kDejaVuSans, 0}, {kDejaVuSerif, 0}, {kNotoCjk, 1}};
    platform::FreeTypeOutlineMetrics metrics;
    int checked = 0;
    for (const Case& c : cases) {
        if (!std::filesystem::exists(c.path)) {
            continue;
        }
        const FileBytes file(c.path);
        const std::size_t faceAt = file.Tag(0) == "ttcf" ? file.U32(12 + 4 * c.face) : 0;
        const RawTables t = ReadTables(file, faceAt);
        ASSERT_EQ(platform::CollectionFaceIndex(c.path, static_cast<std::uint32_t>(faceAt)),
                  c.face);
        for (const int ppem : {9, 12, 13, 16, 33}) {
            SCOPED_TRACE(c.path + " at " + std::to_string(ppem));
            const auto m = metrics.Get(c.path, c.face, ppem);
            ASSERT_TRUE(m.has_value());
            const auto px = [&](long v) { return Px(v, ppem, t.unitsPerEm); };
            EXPECT_EQ(m->height, px(t.winAscent) + px(t.winDescent));
            EXPECT_EQ(m->internalLeading, px(t.winAscent + t.winDescent - t.unitsPerEm));
            EXPECT_EQ(m->externalLeading,
                      std::max(0L, px(t.lineGap -
                                      (t.winAscent + t.winDescent - (t.ascender - t.descender)))));
            EXPECT_EQ(m->ascent, px(t.typoAscender));
            EXPECT_EQ(m->descent, px(t.typoDescender));
            EXPECT_EQ(m->lineGap, px(t.typoLineGap));
            EXPECT_EQ(m->averageCharWidth, px(t.avgCharWidth));
            EXPECT_EQ(m->maxCharWidth, px(t.xMax - t.xMin));
        }
        ++checked;
    }
    if (checked == 0) {
        GTEST_SKIP() << "neither fonts-dejavu-core nor fonts-noto-cjk is installed";
    }
}

TEST_F(OutlineMetricsTest, BoldFaceReportsItsWeight) {
    const auto m = metrics.Get(kDejaVuBold, 0, 12);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->weight, 700);
}

TEST_F(OutlineMetricsTest, FailsSafelyOnBadInput) {
    Sandbox sandbox;
    const std::string junk = sandbox.WriteFile("junk.ttf", std::string(300, '\x01'));
    EXPECT_FALSE(metrics.Get(junk, 0, 12).has_value());
    EXPECT_FALSE(metrics.Get(sandbox.Path() + "/absent.ttf", 0, 12).has_value());
    EXPECT_FALSE(metrics.Get(kDejaVuSans, 5, 12).has_value());
    EXPECT_FALSE(metrics.Get(kDejaVuSans, -1, 12).has_value());
    EXPECT_FALSE(metrics.Get(kDejaVuSans, 0, 0).has_value());
}

}  // namespace
