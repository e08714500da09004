#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
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

// ---- which folder includes which

// The folders of src/ from the bottom up, each with the folders it may build on (all of them
// above it) and its libraries. src/CMakeLists.txt and the README's folder table say the same.
struct Layer {
    std::string folder;
    std::set<std::string> buildsOn;
    std::set<std::string> libraries;
    bool widgets;  // may include Qt Widgets headers
};

const std::vector<Layer>& Layers() {
    static const std::vector<Layer> kLayers = {
        {"platform", {}, {"platform", "platform_qt", "platform_print"}, false},
        {"platform/linux", {"platform"}, {"platform", "platform_qt", "platform_print"}, true},
        {"fileops", {"platform"}, {"fileops"}, false},
        {"catalogue", {"platform", "fileops"}, {"catalogue"}, false},
        {"favorites", {"platform", "fileops", "catalogue"}, {"favorites"}, false},
        {"render", {"platform", "fileops", "catalogue"}, {"render"}, false},
        {"controls", {"platform"}, {"controls"}, true},
        {"preview", {"platform", "catalogue", "render"}, {"preview"}, true},
        {"details", {"platform", "fileops", "catalogue", "render", "controls"}, {"details"}, true},
        {"fontcommands", {"platform", "fileops", "catalogue"}, {"fontcommands"}, false},
        {"fontcommands/ui",
         {"platform", "fileops", "fontcommands", "controls"},
         {"fontcommands_ui"},
         true},
        {"output", {"platform", "catalogue", "render"}, {"output"}, false},
        {"output/ui",
         {"platform", "catalogue", "render", "output", "controls"},
         {"output_ui"},
         true},
        {"favorites/ui",
         {"platform", "catalogue", "favorites", "controls", "preview"},
         {"favorites_ui"},
         true},
        {"mainwindow",
         {"platform", "fileops", "catalogue", "favorites", "render", "controls", "preview",
          "details", "fontcommands", "fontcommands/ui", "output", "output/ui", "favorites/ui"},
         {"mainwindow"},
         true},
        // The executable: mainwindow/main.cpp picks the platform implementations, builds the
        // services and starts a window or a command.
        {"glyphwell",
         {"platform", "platform/linux", "fileops", "catalogue", "favorites", "render", "controls",
          "preview", "details", "fontcommands", "fontcommands/ui", "output", "output/ui",
          "favorites/ui", "mainwindow"},
         {"glyphwell"},
         true},
    };
    return kLayers;
}

const Layer* FindLayer(const std::string& folder) {
    for (const Layer& layer : Layers()) {
        if (layer.folder == folder) {
            return &layer;
        }
    }
    return nullptr;
}

// The folder a path below src/ belongs to: "platform/linux" and the "ui" parts are folders
// of their own; mainwindow/main.cpp is the executable's.
std::string FolderOf(const std::string& relativePath) {
    if (relativePath == "mainwindow/main.cpp") {
        return "glyphwell";
    }
    const std::string folder = fs::path(relativePath).parent_path().string();
    const std::size_t slash = folder.find('/');
    if (slash == std::string::npos || folder == "platform/linux" || folder.substr(slash) == "/ui") {
        return folder;
    }
    return folder.substr(0, slash);
}

struct Include {
    std::string file;  // below src/
    int line;
    std::string name;  // as written between the quotes or brackets
    bool quoted;
};

std::vector<Include> SourceIncludes() {
    const fs::path src = fs::path(GW_SOURCE_DIR) / "src";
    std::vector<Include> includes;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".cpp" && path.extension() != ".h")) {
            continue;
        }
        const std::string relative = fs::relative(path, src).generic_string();
        std::ifstream in(path);
        std::string text;
        for (int number = 1; std::getline(in, text); ++number) {
            std::istringstream words(text);
            std::string directive;
            std::string name;
            if (!(words >> directive >> name) || directive != "#include" || name.size() < 3) {
                continue;
            }
            const bool quoted = name.front() == '"';
            includes.push_back({relative, number, name.substr(1, name.size() - 2), quoted});
        }
    }
    return includes;
}

// "library: link link..." per library, as CMake wrote it (see gw_note_links).
std::map<std::string, std::set<std::string>> CMakeLinks() {
    std::map<std::string, std::set<std::string>> links;
    std::ifstream in(GW_LINKS_FILE);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::set<std::string>& targets = links[line.substr(0, colon)];
        std::istringstream list(line.substr(colon + 1));
        std::string target;
        while (list >> target) {
            targets.insert(target);
        }
    }
    return links;
}

// The folder a library of the table is in; empty for other targets (Qt, fontconfig, ...).
std::string FolderOfLibrary(const std::string& library) {
    for (const Layer& layer : Layers()) {
        if (layer.libraries.count(library) != 0) {
            return layer.folder;
        }
    }
    return {};
}

// The folders a folder's includes reach, other than its own.
std::map<std::string, std::set<std::string>> IncludedFolders() {
    std::map<std::string, std::set<std::string>> used;
    for (const Include& include : SourceIncludes()) {
        if (include.quoted && include.name.find('/') != std::string::npos) {
            const std::string from = FolderOf(include.file);
            const std::string to = FolderOf(include.name);
            if (to != from) {
                used[from].insert(to);
            }
        }
    }
    return used;
}

TEST(Layering, EveryFolderBuildsOnlyOnFoldersBelowIt) {
    std::set<std::string> below;
    for (const Layer& layer : Layers()) {
        for (const std::string& folder : layer.buildsOn) {
            EXPECT_EQ(below.count(folder), 1u) << layer.folder << " builds on " << folder;
        }
        below.insert(layer.folder);
    }
}

TEST(Layering, FoldersIncludeOnlyWhatTheyBuildOn) {
    std::vector<std::string> offenders;
    for (const Include& include : SourceIncludes()) {
        if (!include.quoted || include.name.find('/') == std::string::npos) {
            continue;
        }
        const std::string from = FolderOf(include.file);
        const std::string to = FolderOf(include.name);
        const Layer* layer = FindLayer(from);
        if (layer == nullptr || FindLayer(to) == nullptr ||
            (to != from && layer->buildsOn.count(to) == 0)) {
            offenders.push_back(include.file + ":" + std::to_string(include.line) + ": " + from +
                                " includes " + include.name);
        }
    }
    EXPECT_TRUE(offenders.empty()) << testing::PrintToString(offenders);
}

// Each library links the folders its sources include, directly, and no folder they do not:
// the links in CMake tell the layering as it is.
TEST(Layering, LibrariesLinkExactlyTheFoldersTheyInclude) {
    const auto links = CMakeLinks();
    ASSERT_FALSE(links.empty()) << GW_LINKS_FILE;
    for (const auto& [library, targets] : links) {
        EXPECT_FALSE(FolderOfLibrary(library).empty()) << library << " is missing from the table";
    }
    const auto used = IncludedFolders();
    for (const Layer& layer : Layers()) {
        std::set<std::string> linked;
        for (const std::string& library : layer.libraries) {
            ASSERT_EQ(links.count(library), 1u) << library << " is not built";
            for (const std::string& target : links.at(library)) {
                const std::string folder = FolderOfLibrary(target);
                if (!folder.empty() && folder != FolderOfLibrary(library)) {
                    linked.insert(folder);
                }
            }
        }
        std::set<std::string> included;
        if (used.count(layer.folder) != 0) {
            for (const std::string& folder : used.at(layer.folder)) {
                // platform/linux is the platform libraries' own part.
                included.insert(folder == "platform/linux" ? "platform" : folder);
            }
        }
        included.erase(FolderOfLibrary(*layer.libraries.begin()));
        EXPECT_EQ(linked, included) << layer.folder << ": linked (left) against included";
    }
}

// The core libraries are plain C++ on the platform layer: tested without a window, they never
// include a Qt Widgets header nor link Qt Widgets.
TEST(Layering, CoreFoldersUseNoWidgets) {
    const fs::path widgets(GW_QT_WIDGETS_DIR);
    ASSERT_TRUE(fs::exists(widgets / "QWidget")) << widgets;
    std::vector<std::string> offenders;
    for (const Include& include : SourceIncludes()) {
        const Layer* layer = FindLayer(FolderOf(include.file));
        if (layer != nullptr && !layer->widgets && !include.quoted &&
            fs::exists(widgets / include.name)) {
            offenders.push_back(include.file + ":" + std::to_string(include.line) + ": " +
                                include.name);
        }
    }
    EXPECT_TRUE(offenders.empty()) << testing::PrintToString(offenders);
    const auto links = CMakeLinks();
    for (const Layer& layer : Layers()) {
        for (const std::string& library : layer.libraries) {
            if (!layer.widgets && library == layer.folder && links.count(library) != 0) {
                EXPECT_EQ(links.at(library).count("Qt6::Widgets"), 0u) << library;
            }
        }
    }
}

}  // namespace
