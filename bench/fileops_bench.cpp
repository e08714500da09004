// Speed of the font commands and the file engine under them, in a sandbox with its own
// fonts.conf (no real font is touched), on copies of the fonts-dejavu-core files.
//   fileops_bench [--corpus DIR] [google benchmark flags]
// The corpus is made once in DIR (default /tmp/gw-bench-fileops) and kept for later runs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "fileops/filecopy.h"
#include "fontcommands/installfonts.h"
#include "fontcommands/ui/copyprogress.h"
#include "fontcommands/ui/delprogress.h"
#include "fontcommands/uninstallfonts.h"
#include "platform/dialogs.h"
#include "platform/linux/fontconfigfontchange.h"
#include "platform/linux/fontconfiginstalledfonts.h"
#include "platform/linux/posixfilesystem.h"
#include "platform/linux/qtfonttable.h"
#include "platform/linux/qttrash.h"
#include "platform/services.h"
#include "support/sandbox.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kCopyFiles = 500;
constexpr int kCommandFonts = 1000;
const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu";
// Bigger files for the copy (about 420 KB each on average), smaller ones for the commands.
const char* const kLargeFiles[] = {"DejaVuSans.ttf",          "DejaVuSansMono.ttf",
                                   "DejaVuSerif.ttf",         "DejaVuSerifCondensed.ttf",
                                   "DejaVuSansMono-Bold.ttf", "DejaVuSerif-Bold.ttf"};
const char* const kSmallFiles[] = {"DejaVuSansMono-Oblique.ttf", "DejaVuSansMono-BoldOblique.ttf"};

std::string& CorpusRoot() {
    static std::string root = "/tmp/gw-bench-fileops";
    return root;
}

template <std::size_t N>
std::vector<std::string> CorpusFolder(const std::string& name, int count,
                                      const char* const (&cores)[N]) {
    const fs::path folder = fs::path(CorpusRoot()) / name;
    fs::create_directories(folder);
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
        const std::string core = cores[static_cast<std::size_t>(i) % N];
        const fs::path copy = folder / (std::to_string(100000 + i) + "-" + core);
        if (!fs::exists(copy)) {
            fs::copy_file(fs::path(kDejaVu) / core, copy);
        }
        files.push_back(copy.string());
    }
    return files;
}

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void ProcessEvents() {
    QCoreApplication::processEvents();
}

// Counts fontconfig refreshes and times them, so a figure can be given without them.
class TimedFontChange : public platform::FontChange {
public:
    void Broadcast() override {
        const auto start = Clock::now();
        inner_.Broadcast();
        ++count_;
        seconds += Seconds(start);
    }
    int BroadcastCount() const { return count_; }
    double seconds = 0;

private:
    platform::FontconfigFontChange inner_;
    int count_ = 0;
};

// Times the font table's loading and releasing of files.
class TimedFontTable : public platform::FontTable {
public:
    int AddFontFile(const std::string& path) override {
        const auto start = Clock::now();
        const int result = inner_.AddFontFile(path);
        seconds += Seconds(start);
        return result;
    }
    bool RemoveFontFile(const std::string& path) override {
        const auto start = Clock::now();
        const bool result = inner_.RemoveFontFile(path);
        seconds += Seconds(start);
        return result;
    }
    std::vector<std::string> Families() override { return inner_.Families(); }
    platform::ResolvedFace Resolve(const std::string& name) override {
        return inner_.Resolve(name);
    }
    double seconds = 0;

private:
    platform::QtFontTable inner_;
};

class CountedInstalledFonts : public platform::InstalledFonts {
public:
    std::vector<std::string> Files() override { return inner_.Files(); }
    void RefreshFolder(const std::string& folder) override {
        ++refreshes;
        inner_.RefreshFolder(folder);
    }
    int refreshes = 0;

private:
    platform::FontconfigInstalledFonts inner_;
};

// Every question answered with its first choice (Yes, OK).
class YesDialogs : public platform::Dialogs {
public:
    int MessageBox(const std::string&, const std::string&, platform::MsgButtons buttons,
                   platform::MsgIcon, QWidget*) override {
        return buttons == platform::MsgButtons::Ok ? platform::IdOk : platform::IdYes;
    }
    int InputString(const std::string&, const std::string&, std::string&, QWidget*) override {
        return platform::IdCancel;
    }
    std::string BrowseForFolder(const std::string&, const std::string&, QWidget*) override {
        return {};
    }
    bool ChooseColor(std::uint32_t&, QWidget*) override { return false; }
    std::string SaveFileName(const std::string&, const std::string&, const std::string&,
                             QWidget*) override {
        return {};
    }
};

// 500 font files (about 200 MB) copied by the engine with its progress window, against cp of
// the same files followed by one sync, in turns within each iteration. The engine syncs
// every file before it takes its name; cp alone does not.
void BM_CopyEngineAgainstCpAndSync(benchmark::State& state) {
    const std::vector<std::string> files = CorpusFolder("copy", kCopyFiles, kLargeFiles);
    std::uintmax_t bytes = 0;
    for (const std::string& file : files) {
        bytes += fs::file_size(file);
    }
    const std::string target = CorpusRoot() + "/copy-target";
    platform::PosixFileSystem fileSystem;
    YesDialogs dialogs;
    TfCopying window(nullptr, ProcessEvents);
    double engine = 0;
    double cp = 0;
    for (auto _ : state) {
        fs::remove_all(target);
        fs::create_directories(target);
        std::system("sync");
        auto start = Clock::now();
        TFileCopy copy(fileSystem, dialogs, &window);
        copy.Files = files;
        copy.CopyTo(target);
        const double engineRun = Seconds(start);
        if (!copy.Done(kCopyFiles - 1)) {
            state.SkipWithError("the engine did not copy every file");
            break;
        }
        fs::remove_all(target);
        fs::create_directories(target);
        std::system("sync");
        start = Clock::now();
        const std::string command = "cp -- " + CorpusRoot() + "/copy/* " + target + " && sync";
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("cp failed");
            break;
        }
        const double cpRun = Seconds(start);
        engine += engineRun;
        cp += cpRun;
        state.SetIterationTime(engineRun);
    }
    fs::remove_all(target);
    const auto runs = static_cast<double>(state.iterations());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["engine_s"] = engine / runs;
    state.counters["cp_sync_s"] = cp / runs;
    state.counters["ratio"] = engine / cp;
}
BENCHMARK(BM_CopyEngineAgainstCpAndSync)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A sandbox with its own fontconfig, the real services, the progress windows, the master
// list and the view's list; 1,000 fonts are linked into it from the corpus, so setting it up
// writes no font bytes.
struct CommandWorld {
    Sandbox sandbox;
    platform::PosixFileSystem fileSystem;
    YesDialogs dialogs;
    TimedFontTable table;
    CountedInstalledFonts installed;
    TimedFontChange change;
    platform::QtTrash trash;
    platform::Services services = sandbox.Services();
    TfCopying copying{nullptr, ProcessEvents};
    TfDeleting deleting{nullptr, ProcessEvents};
    TFontList master{true, &services};
    TFontList view{false, &services};
    TFontCommandContext context{master, view, services, dialogs, fileSystem, &copying, &deleting};

    CommandWorld() {
        services.fontTable = &table;
        services.installedFonts = &installed;
        services.fontChange = &change;
        services.trash = &trash;
    }
    void LinkFonts(const std::string& folder) {
        fs::create_directories(folder);
        for (const std::string& file : CorpusFolder("fonts", kCommandFonts, kSmallFiles)) {
            fs::create_hard_link(file, folder + "/" + fs::path(file).filename().string());
        }
    }
    // Loads the master list in mode (folder mode shows folder), copies it into the view and
    // marks every font there.
    void ShowAllMarked(TFontListMode mode, const std::string& folder = {}) {
        master.SetFolders(0, folder);
        master.SetMode(mode);
        view.Assign(master);
        for (int i = 0; i < view.GetCount(); ++i) {
            view.GetItems(i).SetSelected(true);
        }
    }
    std::string FontFolder() const { return sandbox.Path() + "/folder"; }
};

// What a command's run did: fonts handled, fontconfig refreshes and their time, time in the
// font table. Counted from Begin(), after the lists were loaded.
class CommandReport {
public:
    explicit CommandReport(CommandWorld& world) : world_(world) {}
    void Begin() {
        refreshes_ = world_.installed.refreshes + world_.change.BroadcastCount();
        world_.change.seconds = 0;
        world_.table.seconds = 0;
    }
    void End(benchmark::State& state, int handled) const {
        state.counters["fonts"] = handled;
        state.counters["refreshes"] =
            world_.installed.refreshes + world_.change.BroadcastCount() - refreshes_;
        state.counters["refresh_s"] = world_.change.seconds;
        state.counters["font_table_s"] = world_.table.seconds;
    }

private:
    CommandWorld& world_;
    int refreshes_ = 0;
};

using CommandRun = std::function<int()>;

// Each iteration prepares a fresh world and times only the command's run; after (when given)
// adds figures of its own.
void TimeCommandRuns(benchmark::State& state,
                     const std::function<CommandRun(CommandWorld&)>& prepare,
                     const std::function<void(benchmark::State&, CommandWorld&)>& after = {}) {
    for (auto _ : state) {
        state.PauseTiming();
        // Made and torn down (files removed, fontconfig reloaded) while the clock stands.
        {
            CommandWorld world;
            const CommandRun run = prepare(world);
            CommandReport report(world);
            report.Begin();
            state.ResumeTiming();
            const int handled = run();
            state.PauseTiming();
            report.End(state, handled);
            if (after) {
                after(state, world);
            }
        }
        state.ResumeTiming();
    }
}

int AnswerYes(const std::string&, const std::string&) {
    return platform::IdYes;
}

// Uninstall 1,000 installed fonts with "Backup" on: each is moved into the backup folder,
// the lists lose them, and fontconfig is refreshed once.
void BM_Uninstall1000WithBackup(benchmark::State& state) {
    TimeCommandRuns(state, [](CommandWorld& world) -> CommandRun {
        world.LinkFonts(world.sandbox.FontsFolder());
        world.ShowAllMarked(flmInstalled);
        auto command = std::make_shared<TUninstallFonts>(
            world.context,
            TRemoveOptions{.uninstall = true,
                           .backupFolder = world.sandbox.HomeFolder() + "uninstalled"},
            AnswerYes);
        return [command] { return command->Run(0); };
    });
}
BENCHMARK(BM_Uninstall1000WithBackup)->Unit(benchmark::kMillisecond)->Iterations(3);

// Delete 1,000 fonts shown from a folder into the desktop's trash (the sandbox's).
void BM_Delete1000ToTrash(benchmark::State& state) {
    TimeCommandRuns(state, [](CommandWorld& world) -> CommandRun {
        world.LinkFonts(world.FontFolder());
        world.ShowAllMarked(flmFolders, world.FontFolder());
        auto command =
            std::make_shared<TUninstallFonts>(world.context, TRemoveOptions{}, AnswerYes);
        return [command] { return command->Run(0); };
    });
}
BENCHMARK(BM_Delete1000ToTrash)->Unit(benchmark::kMillisecond)->Iterations(3);

// Install 1,000 fonts from a folder: copied into the Fonts folder and synced, fontconfig
// refreshed once, then loaded into the font table. cp and one sync of the same files is
// measured after each run for comparison.
void BM_Install1000(benchmark::State& state) {
    TimeCommandRuns(
        state,
        [](CommandWorld& world) -> CommandRun {
            world.LinkFonts(world.FontFolder());
            world.ShowAllMarked(flmFolders, world.FontFolder());
            std::system("sync");
            auto command = std::make_shared<TInstallFonts>(world.context);
            return [command] { return command->Run(0); };
        },
        [](benchmark::State& state, CommandWorld& world) {
            const std::string copies = world.sandbox.Path() + "/cp";
            fs::create_directories(copies);
            std::system("sync");
            const auto start = Clock::now();
            std::system(("cp -- " + world.FontFolder() + "/* " + copies + " && sync").c_str());
            state.counters["cp_sync_s"] = Seconds(start);
        });
}
BENCHMARK(BM_Install1000)->Unit(benchmark::kMillisecond)->Iterations(3);

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
    QApplication app(qtArgc, argv);
    int benchArgc = static_cast<int>(args.size());
    benchmark::Initialize(&benchArgc, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
