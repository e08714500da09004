#include "platform/collectionface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/sandbox.h"
#include "support/truetypebuilder.h"

namespace {

using testsupport::CollectionBuilder;
using testsupport::TrueTypeBuilder;

TrueTypeBuilder Face(const std::string& family) {
    return TrueTypeBuilder().AllNames(testsupport::kLangEnglish, family, "Regular");
}

std::uint32_t OffsetOfFace(const std::string& collection, int index) {
    const auto* p = reinterpret_cast<const unsigned char*>(collection.data()) + 12 + 4 * index;
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           p[3];
}

class CollectionFaceTest : public testing::Test {
protected:
    Sandbox sandbox;
};

TEST_F(CollectionFaceTest, EachListedOffsetGivesItsPosition) {
    const std::string bytes =
        CollectionBuilder().Face(Face("A")).Face(Face("B")).Face(Face("C")).Build();
    const std::string path = sandbox.WriteFile("three.ttc", bytes);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(platform::CollectionFaceIndex(path, OffsetOfFace(bytes, i)), i);
    }
    EXPECT_EQ(platform::CollectionFaceIndex(path, 0), -1);
    EXPECT_EQ(platform::CollectionFaceIndex(path, OffsetOfFace(bytes, 1) + 4), -1);
}

TEST_F(CollectionFaceTest, ASingleFontHasFaceZeroAtOffsetZeroOnly) {
    const std::string path = sandbox.WriteFile("one.ttf", Face("A").Build());
    EXPECT_EQ(platform::CollectionFaceIndex(path, 0), 0);
    EXPECT_EQ(platform::CollectionFaceIndex(path, 12), -1);
}

TEST_F(CollectionFaceTest, BrokenOrMissingFilesGiveNoFace) {
    const std::string bytes = CollectionBuilder().Face(Face("A")).Face(Face("B")).Build();
    // Cut inside the second offset: only the first face is listed whole.
    const std::string cut = sandbox.WriteFile("cut.ttc", bytes.substr(0, 18));
    EXPECT_EQ(platform::CollectionFaceIndex(cut, OffsetOfFace(bytes, 0)), 0);
    EXPECT_EQ(platform::CollectionFaceIndex(cut, OffsetOfFace(bytes, 1)), -1);
    const std::string forged = sandbox.WriteFile(
        "forged.ttc", testsupport::brokenfonts::CollectionWithFaces(0xFFFFFFFF, 1));
    EXPECT_EQ(platform::CollectionFaceIndex(forged, 7), -1);
    EXPECT_EQ(platform::CollectionFaceIndex(sandbox.WriteFile("tiny.ttc", "ttc"), 0), -1);
    EXPECT_EQ(platform::CollectionFaceIndex(sandbox.Path() + "/absent.ttc", 0), -1);
}

}  // namespace
