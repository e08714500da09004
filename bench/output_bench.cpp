// How fast the output commands are over 1,000 distinct faces (small drawable fonts made for
// the run): a PDF sheet of all of them at 10 per page (goal 10 s), turning a print preview
// page at 100 % (goal 50 ms), and the export preview following a width change for 50 fonts
// (goal 50 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "output/printlayout.h"
#include "output/ui/exportimage.h"
#include "output/ui/previewpaper.h"
#include "output/ui/printpreview.h"
#include "platform/dialogs.h"
#include "platform/linux/pdfprinter.h"
#include "platform/linux/qtfonttable.h"
#include "platform/services.h"
#include "render/samplefontcache.h"
#include "support/drawablefontbuilder.h"

namespace {

constexpr int kFonts = 1000;
const char* const kSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890";

// 1,000 faces, each its own file, in the font table as a folder load puts them.
class OutputWorld {
public:
    OutputWorld() : fonts_(false, &services_) {
        services_.fontTable = &table_;
        for (int i = 0; i < kFonts; ++i) {
            const std::string family = "Bench Face " + std::to_string(1000 + i);
            const std::string path = folder_.filePath(QString::number(i) + ".ttf").toStdString();
            testsupport::DrawableFontBuilder(family, "Regular")
                .Characters("ABCDEFGHIJKLMNOPQRSTUVWXYZ 1234567890")
                .Write(path);
            table_.AddFontFile(path);
            auto record = std::make_unique<TFontInfo>();
            record->SetFileName(path);
            fonts_.Add(std::move(record));
        }
    }

    const TFontList& Fonts() const { return fonts_; }
    const platform::Services& Services() const { return services_; }
    std::string File(const char* name) const { return folder_.filePath(name).toStdString(); }

private:
    QTemporaryDir folder_;
    platform::QtFontTable table_;
    platform::Services services_;
    TFontList fonts_;
};

OutputWorld& World() {
    static OutputWorld world;
    return world;
}

// The default sheet on printer, its page height cut so that exactly 10 items fit.
TPrintInfo TenPerPage(platform::Printer& printer, const TFontList& fonts) {
    const platform::PrinterPage page = printer.Page();
    TPrintInfo info;
    info.PageWidth = page.width;
    info.PageHeight = page.height;
    info.PixelsPerInch = page.dpiY;
    info.MarginLeft = info.MarginRight = info.MarginBottom = 12 * page.dpiY * 10 / 254;
    info.MarginTop = 26 * page.dpiY * 10 / 254;
    info.FontSize = 16;
    info.PrintFileName = true;
    info.Title = "Benchmark";
    info.SampleText = kSample;
    info.LineCount = 1;
    CalcPrintLayout(printer.Canvas(), fonts, info);
    info.PageHeight = info.MarginTop + info.MarginBottom + 10 * info.ItemHeight + 1;
    CalcPrintLayout(printer.Canvas(), fonts, info);
    return info;
}

void BM_PdfSheetOf1000Fonts(benchmark::State& state) {
    OutputWorld& world = World();
    for (auto _ : state) {
        platform::PdfPrinter printer;
        TPrintInfo info = TenPerPage(printer, world.Fonts());
        TSampleFontCache faces(world.Services().fontTable);
        std::string error;
        QPainter* painter = printer.BeginDoc("Glyphwell Viewer", world.File("sheet.pdf"), error);
        info.Printer = &printer;
        DrawPrintPages(*painter, world.Fonts(), info, faces);
        printer.EndDoc(error);
        state.counters["pages"] = info.PageCount;
    }
}

void BM_PreviewPageTurnAt100Percent(benchmark::State& state) {
    OutputWorld& world = World();
    TSampleFontCache faces(world.Services().fontTable);
    TPrintInfo info;
    info.PixelsPerInch = 96;
    info.MarginLeft = info.MarginRight = info.MarginBottom = 45;
    info.MarginTop = 98;
    info.FontSize = 16;
    info.PrintFileName = true;
    info.SampleText = kSample;
    info.LineCount = 1;
    TfPreview preview(world.Fonts(), info, {4960, 7016, 600, 600}, faces);
    preview.resize(1000, 900);
    preview.show();
    QApplication::processEvents();
    auto* paper = preview.findChild<TPreviewPaper*>("pbPaper");
    int page = 1;
    for (auto _ : state) {
        page = page % preview.PageCount() + 1;
        preview.GoToPage(page);
        paper->repaint();
    }
    state.counters["pages"] = preview.PageCount();
}

void BM_ExportPreviewFollowsAWidthChange(benchmark::State& state) {
    OutputWorld& world = World();
    std::vector<std::string> names;
    for (int i = 0; i < 50; ++i) {
        names.push_back(world.Fonts().GetItems(i).FullName());
    }
    const TOutputEnv env{world.Services(), platform::CurrentDialogs(), ""};
    TfExportImage dialog(TExportLook{}, env);
    dialog.Prepare(names, kSample);
    dialog.show();
    QApplication::processEvents();
    auto* width = dialog.findChild<QSpinBox*>("seWidth");
    auto* image = dialog.findChild<QWidget*>("Image");
    int step = 4;
    for (auto _ : state) {
        width->setValue(width->value() + step);
        step = -step;
        image->repaint();
    }
}

}  // namespace

BENCHMARK(BM_PdfSheetOf1000Fonts)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewPageTurnAt100Percent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPreviewFollowsAWidthChange)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
