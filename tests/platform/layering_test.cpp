#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// A call of a library function named prefix + an upper-case letter + more, such as FcInit(
// or FT_New_Face(.
bool CallsWithPrefix(std::string_view line, std::string_view prefix) {
    for (std::size_t at = line.find(prefix); at != std::string_view::npos;
         at = line.find(prefix, at + 1)) {
        std::size_t end = at + prefix.size();
        if ((at > 0 && IsIdentifierChar(line[at - 1])) || end >= line.size() ||
            std::isupper(static_cast<unsigned char>(line[end])) == 0) {
            continue;
        }
        while (end < line.size() && IsIdentifierChar(line[end])) {
            ++end;
        }
        while (end < line.size() && line[end] == ' ') {
            ++end;
        }
        if (end < line.size() && line[end] == '(') {
            return true;
        }
    }
    return false;
}

bool IsForbidden(std::string_view line) {
    static const std::string_view kNames[] = {"fontconfig/",      "ft2build",     "QFontDatabase",
                                              "QDesktopServices", "QMessageBox",  "moveToTrash",
                                              "QColorDialog",     "QFileDialog",  "QInputDialog",
                                              "QPrinter",         "QPrintDialog", "QPdfWriter"};
    for (const std::string_view name : kNames) {
        if (line.find(name) != std::string_view::npos) {
            return true;
        }
    }
    return CallsWithPrefix(line, "Fc") || CallsWithPrefix(line, "FT_");
}

// fontconfig, FreeType and the desktop-facing Qt classes belong to src/platform/linux only;
// everything else reaches them through the platform interfaces, so tests can replace them.
TEST(Layering, SystemFontAndDesktopCallsStayInThePlatformLayer) {
    const fs::path src = fs::path(GW_SOURCE_DIR) / "src";
    const fs::path linuxLayer = src / "platform" / "linux";
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
            if (IsForbidden(line)) {
                offenders.push_back(path.string() + ":" + std::to_string(number) + ": " + line);
            }
        }
    }
    EXPECT_TRUE(offenders.empty()) << testing::PrintToString(offenders);
}

}  // namespace
