// How fast the preview list draws a 1000 x 700 client at 16 points over real font files:
// a full repaint (plain and anti-aliased), a focus move by one row, and a Page Down onto
// rows whose fonts were never drawn. Goals: 8 ms, 16 ms, 2 ms and 33 ms. The last is also
// measured with "OwnSample" on, over faces that cover the sample and faces that do not (the
// Noto CJK collections and small one-script faces made for the run), every face's character
// map read anew.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "platform/linux/freetypecharactermap.h"
#include "platform/linux/qtfonttable.h"
#include "platform/services.h"
#include "preview/xfontlistview.h"
#include "render/ownsample.h"
#include "support/drawablefontbuilder.h"

namespace {

// The fonts every Debian desktop has: fonts-dejavu-core and -extra, and what sits beside them.
std::vector<std::string> RealFontFiles() {
    std::vector<std::string> files;
    for (const char* folder : {"/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/noto",
                               "/usr/share/fonts/truetype/droid"}) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.path().extension() == ".ttf") {
                files.push_back(entry.path().string());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Faces of one script each (squares for its letters, nothing for the rest), written once.
std::vector<std::string> OneScriptFontFiles() {
    const std::string folder = std::filesystem::temp_directory_path() / "gw-paint-bench-scripts";
    std::filesystem::create_directories(folder);
    const std::pair<const char*, const char*> scripts[] = {{"Hangul", "가나다라마바사아자차"},
                                                           {"Han", "永和九年天地日月山水"},
                                                           {"Kana", "あいうえおアイウエオ"},
                                                           {"Cyrillic", "АБВГДабвгд"},
                                                           {"Greek", "ΑΒΓΔΕαβγδε"},
                                                           {"Arabic", "ابتثجحخدذر"},
                                                           {"Hebrew", "אבגדהוזחטי"},
                                                           {"Thai", "กขคงจฉชซญด"},
                                                           {"Devanagari", "अआइईउऊएऐओक"},
                                                           {"Icons", "\uF000\uF001\uF002\uF003"}};
    std::vector<std::string> files;
    for (const auto& [name, letters] : scripts) {
        const std::string path = folder + "/" + name + ".otf";
        testsupport::DrawableFontBuilder(std::string("Only ") + name, "Regular")
            .Characters(letters)
            .EmptyMissingGlyph()
            .PostScriptOutlines()
            .Write(path);
        files.push_back(path);
    }
    return files;
}

// Interleaves the CJK collections, the one-script faces and the real faces, so every page
// has faces with and without the sample's letters.
std::vector<std::string> MixedFontFiles() {
    std::vector<std::vector<std::string>> groups = {RealFontFiles(), OneScriptFontFiles(), {}};
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator("/usr/share/fonts/opentype/noto", error)) {
        if (entry.path().extension() == ".ttc") {
            groups[2].push_back(entry.path().string());
        }
    }
    std::vector<std::string> files;
    for (std::size_t i = 0; files.size() < groups[0].size() + groups[1].size() + groups[2].size();
         ++i) {
        for (const auto& group : groups) {
            if (i < group.size()) {
                files.push_back(group[i]);
            }
        }
    }
    return files;
}

// One list of real faces, added to the font table as a folder load adds them, shown in a
// view whose client is exactly 1000 x 700.
class PaintWorld {
public:
    explicit PaintWorld(std::vector<std::string> files)
        : files_(std::move(files)), master_(false, &services_) {
        services_.fontTable = &table_;
        services_.characterMap = &characterMap_;
        for (const std::string& file : files_) {
            table_.AddFontFile(file);
        }
        MakeRecords();
        view_ = std::make_unique<TXFontListView>(services_);
        view_->SetBorderSingle(false);
        view_->SetFontSize(16);
        view_->resize(1000, 700);
        view_->show();
        QApplication::processEvents();
        const QSize client = view_->viewport()->size();
        view_->resize(view_->width() + 1000 - client.width(),
                      view_->height() + 700 - client.height());
        view_->Items().Assign(master_);
        QApplication::processEvents();
    }

    TXFontListView& View() { return *view_; }
    const platform::Services& Services() const { return services_; }
    int FaceCount() const { return master_.GetCount(); }

    // Makes every face cold again: the font table drops and re-adds the files (Qt then
    // forgets its font engines), the records are made anew (they forget their character
    // maps) and the view gets its list anew (it forgets its fonts).
    void ForgetDrawnFonts() {
        for (const std::string& file : files_) {
            table_.RemoveFontFile(file);
        }
        for (const std::string& file : files_) {
            table_.AddFontFile(file);
        }
        MakeRecords();
        view_->Items().Assign(master_);
        // Rebuilding Qt's font database is not part of drawing a page; do it here.
        QFontMetrics(QApplication::font()).height();
    }

    // Gives the view its list anew: it forgets its own fonts and renderings, while the font
    // table and Qt keep theirs.
    void Refill() { view_->Items().Assign(master_); }

    void Press(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(view_.get(), &press);
        QApplication::processEvents();
    }

private:
    void MakeRecords() {
        master_.Clear();
        for (const std::string& file : files_) {
            if (file.ends_with(".ttc")) {
                master_.AddTTC(file);
                continue;
            }
            auto record = std::make_unique<TFontInfo>();
            record->SetFileName(file);
            if (!record->FullName().empty()) {
                master_.Add(std::move(record));
            }
        }
    }

    std::vector<std::string> files_;
    platform::QtFontTable table_;
    platform::FreeTypeCharacterMap characterMap_;
    platform::Services services_;
    TFontList master_;
    std::unique_ptr<TXFontListView> view_;
};

PaintWorld& World() {
    static PaintWorld world(RealFontFiles());
    return world;
}

PaintWorld& MixedWorld() {
    static PaintWorld world(MixedFontFiles());
    return world;
}

void FullRepaint(benchmark::State& state, bool antiAlias) {
    TXFontListView& view = World().View();
    view.SetAntiAlias(antiAlias);
    view.SetItemIndex(0);
    view.SetTopItem(0);
    view.viewport()->repaint();
    for (auto _ : state) {
        view.viewport()->repaint();
    }
    state.counters["rows"] = view.VisibleCount();
    view.SetAntiAlias(false);
}

void BM_FullRepaintPlain(benchmark::State& state) {
    FullRepaint(state, false);
}
void BM_FullRepaintAntiAliased(benchmark::State& state) {
    FullRepaint(state, true);
}

// The same rows drawn after the list was given anew: every supersampled row is rendered.
void BM_FullRepaintAntiAliasedUnrendered(benchmark::State& state) {
    PaintWorld& world = World();
    TXFontListView& view = world.View();
    view.SetAntiAlias(true);
    view.SetTopItem(0);
    for (auto _ : state) {
        state.PauseTiming();
        world.Refill();
        state.ResumeTiming();
        view.viewport()->repaint();
    }
    view.SetAntiAlias(false);
}

void BM_FocusMoveOneRow(benchmark::State& state) {
    PaintWorld& world = World();
    TXFontListView& view = world.View();
    view.SetAntiAlias(state.range(0) != 0);
    view.SetTopItem(0);
    view.SetItemIndex(3);
    view.viewport()->repaint();
    bool down = true;
    for (auto _ : state) {
        world.Press(down ? Qt::Key_Down : Qt::Key_Up);
        down = !down;
    }
    view.SetAntiAlias(false);
}

void PageDownOntoNeverDrawnFonts(benchmark::State& state, PaintWorld& world) {
    TXFontListView& view = world.View();
    view.SetAntiAlias(state.range(0) != 0);
    if (world.FaceCount() < 2 * view.VisibleCount()) {
        state.SkipWithError("too few real font files for two pages");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        // Focus on the last whole row of the first page, so Page Down shows the next page.
        view.SetTopItem(0);
        view.SetItemIndex(0);
        view.SetItemIndex(view.VisibleCount() - 2);
        view.viewport()->repaint();
        world.ForgetDrawnFonts();
        QApplication::processEvents();
        state.ResumeTiming();
        world.Press(Qt::Key_PageDown);
    }
    state.counters["top"] = view.TopItem();
    state.counters["faces"] = world.FaceCount();
    view.SetAntiAlias(false);
}

void BM_PageDownOntoNeverDrawnFonts(benchmark::State& state) {
    PageDownOntoNeverDrawnFonts(state, World());
}

// The part "OwnSample" adds to a Page Down: reading the character maps of the faces of the
// next page, on records that never read them.
void BM_ReadCharacterMapsOfTheNextPage(benchmark::State& state) {
    PaintWorld& world = MixedWorld();
    const int rows = world.View().VisibleCount();
    for (auto _ : state) {
        state.PauseTiming();
        world.ForgetDrawnFonts();
        state.ResumeTiming();
        for (int index = rows - 2; index < 2 * rows - 2; ++index) {
            benchmark::DoNotOptimize(
                RecordCoverage(world.View().Items().GetItems(index), world.Services()));
        }
    }
}

// The mixed faces, "OwnSample" off (second argument 0) and on (1).
void BM_PageDownOntoNeverDrawnMixedFonts(benchmark::State& state) {
    PaintWorld& world = MixedWorld();
    world.View().SetOwnSample(state.range(1) != 0);
    PageDownOntoNeverDrawnFonts(state, world);
    world.View().SetOwnSample(false);
}

}  // namespace

BENCHMARK(BM_FullRepaintPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaintAntiAliased)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaintAntiAliasedUnrendered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FocusMoveOneRow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDownOntoNeverDrawnFonts)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCharacterMapsOfTheNextPage)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDownOntoNeverDrawnMixedFonts)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
