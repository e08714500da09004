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

void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
    }
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
    std::string out = "ttcf";
    out.append("\x00\x01\x00\x00", 4);
    out.append(4 + 4 * files.size(), '\0');
    Put32(out, 8, static_cast<std::uint32_t>(files.size()));
    for (std::size_t i = 0; i < files.size(); ++i) {
        out.append((4 - out.size() % 4) % 4, '\0');
        const auto base = static_cast<std::uint32_t>(out.size());
        Put32(out, 12 + 4 * i, base);
        const std::string face = ReadWholeFile(files[i]);
        out += face;
        const std::uint32_t tables = Get32(face, 4) >> 16;
        for (std::uint32_t t = 0; t < tables; ++t) {
            const std::size_t offsetAt = base + 12 + 16 * t + 8;
            Put32(out, offsetAt, Get32(out, offsetAt) + base);
        }
    }
    return out;
}

std::uint32_t FaceOffsetIn(const std::string& collection, int index) {
    return Get32(collection, 12 + 4 * static_cast<std::size_t>(index));
}
