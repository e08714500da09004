// Speed and memory of the catalogue, on copies of the fonts-dejavu-core files.
//   catalogue_bench [--corpus DIR] [google benchmark flags]
// The corpus (5,000 files) is made once in DIR (default /tmp/gw-bench-corpus) and kept for
// later runs, so every measurement but the first sees a warm page cache.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/fontinfo.h"
#include "catalogue/fontlist.h"
#include "platform/linux/fontconfiginstalledfonts.h"
#include "platform/linux/qtfonttable.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCorpusFiles = 5000;
constexpr int kFolderLoadFiles = 500;
constexpr int kMemoryRecords = 100000;
const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu";
const char* const kCoreFiles[] = {"DejaVuSans.ttf",     "DejaVuSans-Bold.ttf",
                                  "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf",
                                  "DejaVuSerif.ttf",    "DejaVuSerif-Bold.ttf"};

std::string& CorpusRoot() {
    static std::string root = "/tmp/gw-bench-corpus";
    return root;
}

// count copies of the core files in root/name (made when missing), in name order.
std::vector<std::string> CorpusFolder(const std::string& name, int count) {
    const fs::path folder = fs::path(CorpusRoot()) / name;
    fs::create_directories(folder);
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
        const std::string core = kCoreFiles[i % std::size(kCoreFiles)];
        const fs::path copy = folder / (std::to_string(100000 + i) + "-" + core);
        if (!fs::exists(copy)) {
            fs::copy_file(fs::path(kDejaVu) / core, copy);
        }
        files.push_back(copy.string());
    }
    return files;
}

const std::vector<std::string>& Corpus() {
    static const std::vector<std::string> files = CorpusFolder("all", kCorpusFiles);
    return files;
}

void ReportRate(benchmark::State& state, std::size_t faces) {
    state.counters["faces_per_s"] = benchmark::Counter(
        static_cast<double>(faces), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["us_per_face"] = benchmark::Counter(
        static_cast<double>(faces) * 1e-6,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// (a) The full-name pass of every file, as a load does it.
void BM_ReadFullNames(benchmark::State& state) {
    const auto& files = Corpus();
    for (auto _ : state) {
        for (const std::string& path : files) {
            TFontInfo record;
            record.SetFileName(path);
            benchmark::DoNotOptimize(record.FullName().data());
        }
    }
    ReportRate(state, files.size());
}
BENCHMARK(BM_ReadFullNames)->Unit(benchmark::kMillisecond);

// Qt builds its font database on the first application font: that once-only cost belongs
// to neither measurement.
void WarmUp(platform::FontTable& table, const std::string& path) {
    table.AddFontFile(path);
    table.RemoveFontFile(path);
}

// The real font table, timing its registrations, so a load can be set against the part of
// its time the font table takes.
class TimedFontTable : public platform::FontTable {
public:
    int AddFontFile(const std::string& path) override {
        const auto start = std::chrono::steady_clock::now();
        const int result = table_.AddFontFile(path);
        addTime_ += std::chrono::steady_clock::now() - start;
        return result;
    }
    bool RemoveFontFile(const std::string& path) override { return table_.RemoveFontFile(path); }
    std::vector<std::string> Families() override { return table_.Families(); }
    platform::ResolvedFace Resolve(const std::string& name) override {
        return table_.Resolve(name);
    }

    double AddSeconds() const { return std::chrono::duration<double>(addTime_).count(); }

private:
    platform::QtFontTable table_;
    std::chrono::steady_clock::duration addTime_{};
};

// (b) A folder-mode load with the real font table; "overhead_pct" is the load's time beyond
// the registrations it made, against those registrations.
void BM_FolderLoad(benchmark::State& state) {
    const std::vector<std::string> files = CorpusFolder("folder", kFolderLoadFiles);
    TimedFontTable table;
    WarmUp(table, files.front());
    platform::Services services;
    services.fontTable = &table;
    double loadSeconds = 0;
    const double addBefore = table.AddSeconds();
    for (auto _ : state) {
        TFontList list(true, &services);
        list.SetFolders(0, CorpusRoot() + "/folder");
        const auto start = std::chrono::steady_clock::now();
        list.LoadFonts(flmFolders);
        loadSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        list.SetAutoLoad(false);
        list.SetMode(flmNone);
        state.ResumeTiming();
    }
    const double addSeconds = table.AddSeconds() - addBefore;
    state.counters["overhead_pct"] = 100.0 * (loadSeconds - addSeconds) / addSeconds;
    ReportRate(state, files.size());
}
BENCHMARK(BM_FolderLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FontTableRegistrationOnly(benchmark::State& state) {
    const std::vector<std::string> files = CorpusFolder("folder", kFolderLoadFiles);
    platform::QtFontTable table;
    WarmUp(table, files.front());
    for (auto _ : state) {
        for (const std::string& path : files) {
            benchmark::DoNotOptimize(table.AddFontFile(path));
        }
        state.PauseTiming();
        for (const std::string& path : files) {
            table.RemoveFontFile(path);
        }
        state.ResumeTiming();
    }
    ReportRate(state, files.size());
}
BENCHMARK(BM_FontTableRegistrationOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

// (c) An installed-mode load: fontconfig's list of a sandbox Fonts folder holding the corpus.
void BM_InstalledLoad(benchmark::State& state) {
    const auto& files = Corpus();
    Sandbox sandbox;
    fs::remove(sandbox.FontsFolder());
    fs::create_directories(fs::path(sandbox.FontsFolder()).parent_path());
    fs::create_symlink(CorpusRoot() + "/all", sandbox.FontsFolder());
    sandbox.ReloadFonts();
    platform::FontconfigInstalledFonts installed;
    platform::Services services;
    services.installedFonts = &installed;
    // fontconfig builds its cache of the folder once, as the system has it ready.
    benchmark::DoNotOptimize(installed.Files().size());
    int count = 0;
    for (auto _ : state) {
        TFontList list(true, &services);
        list.LoadFonts(flmInstalled);
        count = list.GetCount();
    }
    state.counters["records"] = count;
    ReportRate(state, files.size());
}
BENCHMARK(BM_InstalledLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

// Heap bytes per record of a list of 100,000 records after the full-name pass.
void BM_MemoryPerRecord(benchmark::State& state) {
    const auto& files = Corpus();
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        auto list = std::make_unique<TFontList>(false);
        {
            FontListUpdate update(*list);
            for (int i = 0; i < kMemoryRecords; ++i) {
                auto record = std::make_unique<TFontInfo>();
                record->SetFileName(files[static_cast<std::size_t>(i) % files.size()]);
                list->Add(std::move(record));
            }
        }
        const std::size_t after = mallinfo2().uordblks;
        state.counters["bytes_per_record"] =
            static_cast<double>(after - before) / static_cast<double>(kMemoryRecords);
        state.counters["MB_total"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_MemoryPerRecord)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::string(argv[i]) == "--corpus" && i + 1 < argc) {
            CorpusRoot() = argv[++i];
        } else {
            args.push_back(argv[i]);
        }
    }
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    int benchArgc = static_cast<int>(args.size());
    benchmark::Initialize(&benchArgc, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
