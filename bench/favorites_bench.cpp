// How fast favorites answer with a large file: 1,000 groups of 20 entries over 20,000 font
// files. RefreshFavorites with 50 groups expanded (goal 50 ms: reading the file, the sweep
// for missing fonts on the disk, the rows and their layout) and the lookup behind
// ShowFavorites of a 2,000-font group over 20,000 installed fonts (goal 100 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "favorites/favoritelookup.h"
#include "favorites/fontfavorites.h"
#include "favorites/ui/favoritespane.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "preview/xfontlistview.h"

namespace {

namespace fs = std::filesystem;

constexpr int kGroups = 1000;
constexpr int kEntriesPerGroup = 20;
constexpr int kFonts = kGroups * kEntriesPerGroup;
constexpr int kFontsPerFolder = 1000;
constexpr int kExpanded = 50;
constexpr int kShownGroupSize = 2000;

std::string FontName(int font) {
    return "Bench Font " + std::to_string(font) + " Regular";
}

// Empty files stand for the fonts: only their existence is asked for.
class FavoritesWorld {
public:
    FavoritesWorld() {
        std::string pattern = (fs::temp_directory_path() / "gw-favbench-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        for (int font = 0; font < kFonts; ++font) {
            const fs::path folder = root_ / ("fonts" + std::to_string(font / kFontsPerFolder));
            fs::create_directories(folder);
            paths_.push_back((folder / ("font" + std::to_string(font) + ".ttf")).string());
            std::ofstream(paths_.back()).put('\0');
        }
        std::ofstream out(FavoritesFile(), std::ios::binary);
        for (int group = 0; group < kGroups; ++group) {
            out << "\r\n[Group " << group << "]\r\n";
            for (int entry = 0; entry < kEntriesPerGroup; ++entry) {
                const int font = group * kEntriesPerGroup + entry;
                out << FontName(font) << "=" << paths_[font] << "\r\n";
            }
        }
        // One group of 2,000 fonts spread over all the installed ones.
        out << "\r\n[Large]\r\n";
        for (int font = 0; font < kFonts; font += kFonts / kShownGroupSize) {
            out << FontName(font) << "=" << paths_[font] << "\r\n";
        }
    }

    ~FavoritesWorld() {
        std::error_code error;
        fs::remove_all(root_, error);
    }

    std::string FavoritesFile() const { return (root_ / "installed.fav").string(); }
    const std::vector<std::string>& Paths() const { return paths_; }

private:
    fs::path root_;
    std::vector<std::string> paths_;
};

FavoritesWorld& World() {
    static FavoritesWorld world;
    return world;
}

// Installed records as the master list holds them: a name and an existing file.
void FillInstalled(TFontList& installed) {
    for (int font = 0; font < kFonts; ++font) {
        auto record = std::make_unique<TFontInfo>();
        record->SetAutoRead(false);
        record->SetFileName(World().Paths()[font]);
        record->SetFullName(FontName(font));
        installed.Add(std::move(record));
    }
}

void BM_RefreshFavoritesWithFiftyGroupsExpanded(benchmark::State& state) {
    platform::Services services;
    TXFontListView view(services);
    TFontFavorites store;
    TFavoritesPane pane(store, World().FavoritesFile(), view, platform::CurrentDialogs(), {});
    pane.resize(200, 700);
    pane.show();
    pane.RefreshFavorites();
    for (int group = kExpanded - 1; group >= 0; --group) {
        pane.ExpandGroup(group * 7);
    }
    QApplication::processEvents();
    for (auto _ : state) {
        pane.RefreshFavorites();
        pane.lbFav->doItemsLayout();
    }
    state.counters["rows"] = pane.RowCount();
}

// The store's part of the rebuild alone: reading the file and the sweep for missing fonts.
void BM_LoadAndDeleteMissingFonts(benchmark::State& state) {
    TFontFavorites store;
    for (auto _ : state) {
        store.LoadFromFile(World().FavoritesFile());
        store.DeleteMissingFonts();
    }
    state.counters["lines"] = store.Count();
}

void BM_ShowFavoritesLookupOfTwoThousandFonts(benchmark::State& state) {
    TFontList installed(false);
    FillInstalled(installed);
    TFontFavorites store;
    store.LoadFromFile(World().FavoritesFile());
    TFontList shown(false);
    for (auto _ : state) {
        AssignFavoriteFonts(shown, installed, store.GetGroupEntries("Large"));
    }
    state.counters["found"] = shown.GetCount();
}

}  // namespace

BENCHMARK(BM_RefreshFavoritesWithFiftyGroupsExpanded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndDeleteMissingFonts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowFavoritesLookupOfTwoThousandFonts)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
