#include "detailsfixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/language.h"
#include "support/truetypebuilder.h"

namespace {

std::uint32_t Get32(const std::string& bytes, std::size_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           p[3];
}

}  // namespace

DetailsFixture::DetailsFixture() {
    services.outlineMetrics = &metrics;
    services.fontFiles = &fontFiles;
}

std::string DetailsFixture::WriteFont(const std::string& name, const std::string& bytes) {
    return sandbox.WriteFile("work/" + name, bytes);
}

bool DetailsFixture::HaveDejaVu() const {
    return std::filesystem::exists(kDejaVuSans) && std::filesystem::exists(kDejaVuBold);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string CollectionOf(const std::vector<std::string>& files) {
    std::vector<std::string> fonts;
    for (const std::string& file : files) {
        fonts.push_back(ReadWholeFile(file));
    }
    return testsupport::CollectionOfFonts(fonts);
}

std::uint32_t FaceOffsetIn(const std::string& collection, int index) {
    return Get32(collection, 12 + 4 * static_cast<std::size_t>(index));
}
