#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

// fontconfig, FreeType and the desktop-facing Qt classes belong to src/platform/linux only;
// everything else reaches them through the platform interfaces, so tests can replace them.
TEST(Layering, SystemFontAndDesktopCallsStayInThePlatformLayer) {
    const fs::path src = fs::path(GW_SOURCE_DIR) / "src";
    const fs::path linuxLayer = src / "platform" / "linux";
    const std::regex forbidden(
        R"(\bFc[A-Z]\w+\s*\(|\bFT_[A-Z]\w+\s*\(|fontconfig/|ft2build|QFontDatabase|)"
        R"(QDesktopServices|QMessageBox|moveToTrash|QColorDialog|QFileDialog|QInputDialog)");
    std::vector<std::string> offenders;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".cpp" && path.extension() != ".h") ||
            path.string().rfind(linuxLayer.string() + "/", 0) == 0) {
            continue;
        }
        std::ifstream in(path);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (std::regex_search(line, forbidden)) {
                offenders.push_back(path.string() + ":" + std::to_string(number) + ": " + line);
            }
        }
    }
    EXPECT_TRUE(offenders.empty()) << testing::PrintToString(offenders);
}

}  // namespace
