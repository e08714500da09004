// How fast the preview list draws a 1000 x 700 client at 16 points over real font files:
// a full repaint (plain and anti-aliased), a focus move by one row, and a Page Down onto
// rows whose fonts were never drawn. Goals: 8 ms, 16 ms, 2 ms and 33 ms.
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
#include "platform/linux/qtfonttable.h"
#include "platform/services.h"
#include "preview/xfontlistview.h"

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

// One list of real faces, added to the font table as a folder load adds them, shown in a
// view whose client is exactly 1000 x 700.
class PaintWorld {
public:
    PaintWorld() : files_(RealFontFiles()), master_(false, &services_) {
        services_.fontTable = &table_;
        for (const std::string& file : files_) {
            table_.AddFontFile(file);
            auto record = std::make_unique<TFontInfo>();
            record->SetFileName(file);
            if (!record->FullName().empty()) {
                master_.Add(std::move(record));
            }
        }
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
    int FaceCount() const { return master_.GetCount(); }

    // Makes every face cold again: the font table drops and re-adds the files (Qt then
    // forgets its font engines) and the view gets its list anew (it forgets its fonts).
    void ForgetDrawnFonts() {
        for (const std::string& file : files_) {
            table_.RemoveFontFile(file);
        }
        for (const std::string& file : files_) {
            table_.AddFontFile(file);
        }
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
    std::vector<std::string> files_;
    platform::QtFontTable table_;
    platform::Services services_;
    TFontList master_;
    std::unique_ptr<TXFontListView> view_;
};

PaintWorld& World() {
    static PaintWorld world;
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

void BM_PageDownOntoNeverDrawnFonts(benchmark::State& state) {
    PaintWorld& world = World();
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

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
