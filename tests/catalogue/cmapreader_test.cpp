#include "catalogue/cmapreader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/linux/freetypecharactermap.h"
#include "support/bigendian.h"
#include "support/drawablefontbuilder.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"

namespace {

using testsupport::Put16;
using testsupport::Put32;
using Runs = std::vector<std::pair<char32_t, char32_t>>;

// A face of just the tables given, directory first.
std::string Face(const std::map<std::string, std::string>& tables) {
    std::string out;
    Put32(out, 0x00010000);
    Put16(out, static_cast<int>(tables.size()));
    out.append(6, '\0');
    std::string data;
    const auto base = static_cast<std::uint32_t>(12 + 16 * tables.size());
    for (const auto& [tag, table] : tables) {
        out += tag;
        Put32(out, 0);
        Put32(out, base + static_cast<std::uint32_t>(data.size()));
        Put32(out, static_cast<std::uint32_t>(table.size()));
        data += table;
    }
    return out + data;
}

std::string Maxp(int glyphs) {
    std::string out;
    Put32(out, 0x00005000);
    Put16(out, glyphs);
    return out;
}

// A `cmap` table with one subtable per (platform, encoding, subtable bytes).
std::string Cmap(const std::vector<std::tuple<int, int, std::string>>& subtables) {
    std::string out;
    Put16(out, 0);
    Put16(out, static_cast<int>(subtables.size()));
    std::string data;
    const auto base = static_cast<std::uint32_t>(4 + 8 * subtables.size());
    for (const auto& [platformId, encodingId, bytes] : subtables) {
        Put16(out, platformId);
        Put16(out, encodingId);
        Put32(out, base + static_cast<std::uint32_t>(data.size()));
        data += bytes;
    }
    return out + data;
}

// Groups of start code, end code, start glyph.
std::string Format12(const std::vector<std::array<std::uint32_t, 3>>& groups) {
    std::string out;
    Put16(out, 12);
    Put16(out, 0);
    Put32(out, static_cast<std::uint32_t>(16 + 12 * groups.size()));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(groups.size()));
    for (const auto& group : groups) {
        for (const std::uint32_t field : group) {
            Put32(out, field);
        }
    }
    return out;
}

struct Segment {
    int start;
    int end;
    int delta;
    int rangeOffset;  // in bytes from the segment's own rangeOffset field; 0: by delta
};

// Segments as given (the closing 0xFFFF one included by the caller), then the glyph array.
std::string Format4(const std::vector<Segment>& segments, const std::vector<int>& glyphArray,
                    int lengthField = -1) {
    const int count = static_cast<int>(segments.size());
    std::string out;
    Put16(out, 4);
    Put16(out, lengthField >= 0 ? lengthField
                                : 16 + 8 * count + 2 * static_cast<int>(glyphArray.size()));
    Put16(out, 0);
    Put16(out, 2 * count);
    out.append(6, '\0');
    for (const Segment& s : segments) {
        Put16(out, s.end);
    }
    Put16(out, 0);
    for (const Segment& s : segments) {
        Put16(out, s.start);
    }
    for (const Segment& s : segments) {
        Put16(out, s.delta);
    }
    for (const Segment& s : segments) {
        Put16(out, s.rangeOffset);
    }
    for (const int glyph : glyphArray) {
        Put16(out, glyph);
    }
    return out;
}

std::optional<TCharCoverage> Read(const std::string& font, std::uint32_t faceOffset = 0) {
    return catalogue::ReadUnicodeCoverageFromMemory(
        reinterpret_cast<const std::uint8_t*>(font.data()), font.size(), faceOffset);
}

TEST(ReadUnicodeCoverage, Format12LeavesOutGlyphZeroAndGlyphsPastTheLast) {
    const std::string font =
        Face({{"cmap", Cmap({{3, 10,
                              Format12({{0x20, 0x22, 0},                  // 0x20 maps to glyph 0
                                        {0x41, 0x5A, 5},                  // A..T within 25 glyphs
                                        {0x1F600, 0x1F601, 1},            // beyond the plane
                                        {0x50, 0x40, 1},                  // reversed: nothing
                                        {0x10FFFE, 0xFFFFFFFF, 2}})}})},  // past the last code
              {"maxp", Maxp(25)}});
    EXPECT_EQ(Read(font),
              TCharCoverage::FromRuns(
                  {{0x21, 0x22}, {0x41, 0x54}, {0x1F600, 0x1F601}, {0x10FFFE, 0x10FFFF}}));
}

TEST(ReadUnicodeCoverage, Format4ByDeltaAndThroughTheGlyphArray) {
    // Segment 2 reads its glyphs from the array: its field is 2 bytes before the array's
    // start in a two-segment-later layout, so rangeOffset = 2 * (segments left) = 4.
    const std::string font =
        Face({{"cmap", Cmap({{3, 1,
                              Format4({{0x30, 0x32, -0x2F, 0},  // 1, 2, 3
                                       {0x61, 0x64, 0, 4},      // array: 7, 0, 9, 99
                                       {0xFFFF, 0xFFFF, 1, 0}},
                                      {7, 0, 9, 99}, 0)}})},  // a wrong length field
              {"maxp", Maxp(50)}});
    EXPECT_EQ(Read(font), TCharCoverage::FromRuns({{0x30, 0x32}, {0x61, 0x61}, {0x63, 0x63}}));
}

TEST(ReadUnicodeCoverage, OverlappingSegmentsReadEachCodeOnce) {
    std::vector<Segment> segments;
    for (int i = 0; i < 2000; ++i) {
        segments.push_back({0, 0xFFFE, 1, 0});
    }
    segments.push_back({0xFFFF, 0xFFFF, 1, 0});
    const std::string font =
        Face({{"cmap", Cmap({{0, 3, Format4(segments, {})}})}, {"maxp", Maxp(0xFFFF)}});
    // Code 0xFFFE maps to glyph 0xFFFF, past the last glyph.
    EXPECT_EQ(Read(font), TCharCoverage::FromRuns({{0, 0xFFFD}}));
}

TEST(ReadUnicodeCoverage, PrefersFormat12AndLeavesOtherMapsToAFontEngine) {
    const std::string bmp = Format4({{0x41, 0x41, -0x40, 0}, {0xFFFF, 0xFFFF, 1, 0}}, {});
    const std::string full = Format12({{0x42, 0x42, 1}});
    const auto face = [](const std::vector<std::tuple<int, int, std::string>>& subtables) {
        return Face({{"cmap", Cmap(subtables)}, {"maxp", Maxp(5)}});
    };
    EXPECT_EQ(Read(face({{3, 1, bmp}, {3, 10, full}})), TCharCoverage({0x42}));
    EXPECT_EQ(Read(face({{0, 3, bmp}})), TCharCoverage({0x41}));
    // A symbol map, variation sequences, a format the reader does not know: not here.
    EXPECT_FALSE(Read(face({{3, 0, bmp}})));
    EXPECT_FALSE(Read(face({{0, 5, full}})));
    std::string format6 = bmp;
    format6[1] = 6;
    EXPECT_FALSE(Read(face({{3, 1, format6}})));
}

TEST(ReadUnicodeCoverage, FacesThatCannotBeReadGiveNothing) {
    const std::string cmap = Cmap({{3, 10, Format12({{0x41, 0x41, 1}})}});
    const std::string good = Face({{"cmap", cmap}, {"maxp", Maxp(5)}});
    ASSERT_TRUE(Read(good));
    EXPECT_FALSE(Read(Face({{"cmap", cmap}})));  // no glyph count
    EXPECT_FALSE(Read(Face({{"cmap", cmap}, {"maxp", Maxp(0)}})));
    EXPECT_FALSE(Read(good.substr(0, good.size() - 1)));  // maxp cut short
    EXPECT_FALSE(Read(good, 4));                          // no face there
    EXPECT_FALSE(Read(good, 0xFFFFFFFF));
    EXPECT_FALSE(Read(""));
}

// What FreeType reads from the same faces, so a row decides as a font engine would.
TEST(ReadUnicodeCoverage, AgreesWithFreeTypeOnRealAndBuiltFaces) {
    Sandbox sandbox;
    std::vector<std::pair<std::string, int>> faces;
    for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"}) {
        faces.emplace_back(file, 0);
    }
    const char* cjk = "/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc";
    if (std::filesystem::exists(cjk)) {
        faces.emplace_back(cjk, 0);
        faces.emplace_back(cjk, 3);
    }
    for (const bool postScript : {false, true}) {
        testsupport::DrawableFontBuilder built("Built", "Regular");
        built.Characters("ABC가나다\uFFFD");
        if (postScript) {
            built.PostScriptOutlines();
        }
        faces.emplace_back(sandbox.WriteFile(postScript ? "b.otf" : "b.ttf", built.Build()), 0);
    }
    platform::FreeTypeCharacterMap freeType;
    for (const auto& [path, index] : faces) {
        if (!std::filesystem::exists(path)) {
            continue;
        }
        catalogue::FontBytes bytes(path);
        ASSERT_TRUE(bytes.Open());
        // The face's offset table, as the font list keeps it.
        std::uint32_t offset = 0;
        if (index > 0) {
            std::uint8_t entry[4];
            ASSERT_EQ(bytes.Read(12 + 4 * static_cast<std::uint64_t>(index), 4, entry), 4u);
            offset = catalogue::ReadBe32(entry);
        } else if (path.ends_with(".ttc")) {
            std::uint8_t entry[4];
            ASSERT_EQ(bytes.Read(12, 4, entry), 4u);
            offset = catalogue::ReadBe32(entry);
        }
        const auto read = catalogue::ReadUnicodeCoverage(bytes, offset);
        ASSERT_TRUE(read) << path;
        EXPECT_EQ(*read, TCharCoverage(freeType.CodePoints(path, index))) << path << " " << index;
    }
}

}  // namespace
