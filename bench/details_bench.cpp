// How long the properties window and the character table take to open on a face of a CJK
// collection: built, filled and painted once. Goal: 100 ms each. "Cold" opens each face for
// the first time (nothing of it measured or drawn before); "warm" opens one face again.
// Needs fonts-noto-cjk; without it every benchmark skips with a message.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/fontinfo.h"
#include "details/ansitable.h"
#include "details/properties.h"
#include "platform/linux/fontconfigfontfilelookup.h"
#include "platform/linux/freetypecharactermap.h"
#include "platform/linux/freetypeoutlinemetrics.h"
#include "platform/linux/qtfonttable.h"
#include "platform/services.h"

namespace {

const char* const kCollections[] = {"/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
                                    "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc",
                                    "/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc",
                                    "/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc"};

std::uint32_t Be32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           p[3];
}

struct Face {
    std::string path;
    std::uint32_t offset;
};

// Every face of the collections present, as the font list finds them.
std::vector<Face> CollectionFaces() {
    std::vector<Face> faces;
    for (const char* path : kCollections) {
        std::ifstream in(path, std::ios::binary);
        unsigned char header[12 + 4 * 64] = {};
        in.read(reinterpret_cast<char*>(header), sizeof header);
        if (in.gcount() < 16) {
            continue;
        }
        const std::uint32_t count = std::min<std::uint32_t>(Be32(header + 8), 64);
        for (std::uint32_t i = 0; i < count; ++i) {
            faces.push_back({path, Be32(header + 12 + 4 * i)});
        }
    }
    return faces;
}

class DetailsWorld {
public:
    DetailsWorld() : faces_(CollectionFaces()) {
        services_.fontTable = &table_;
        services_.outlineMetrics = &metrics_;
        services_.fontFiles = &fontFiles_;
        services_.characterMap = &characterMap_;
    }

    const platform::Services& Services() const { return services_; }
    std::size_t FaceCount() const { return faces_.size(); }

    std::unique_ptr<TFontInfo> Record(std::size_t index) const {
        auto record = std::make_unique<TFontInfo>();
        record->SetFaceOffset(faces_[index % faces_.size()].offset);
        record->SetFileName(faces_[index % faces_.size()].path);
        return record;
    }

private:
    std::vector<Face> faces_;
    platform::QtFontTable table_;
    platform::FreeTypeOutlineMetrics metrics_;
    platform::FontconfigFontFileLookup fontFiles_;
    platform::FreeTypeCharacterMap characterMap_;
    platform::Services services_;
};

DetailsWorld& World() {
    static DetailsWorld world;
    return world;
}

using Opener = void (*)(TFontInfo& record);

// Built, filled, shown and painted once, as opening it from the main window does.
void ShowAndPaint(QWidget& window) {
    window.show();
    window.repaint();
    window.close();
}

void OpenCharTable(TFontInfo& record) {
    TfCharTable window(World().Services());
    window.ShowFont(record);
    ShowAndPaint(window);
}

void OpenProperties(TFontInfo& record) {
    TfFontInfo window(World().Services());
    window.ShowFont(record, false);
    ShowAndPaint(window);
}

void OpenCold(benchmark::State& state, Opener open) {
    DetailsWorld& world = World();
    if (world.FaceCount() == 0) {
        state.SkipWithError("fonts-noto-cjk is not installed");
        return;
    }
    std::size_t next = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        const auto record = world.Record(next++);
        state.ResumeTiming();
        open(*record);
    }
    state.counters["faces"] = static_cast<double>(world.FaceCount());
}

void OpenWarm(benchmark::State& state, Opener open) {
    DetailsWorld& world = World();
    if (world.FaceCount() == 0) {
        state.SkipWithError("fonts-noto-cjk is not installed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        const auto record = world.Record(0);
        state.ResumeTiming();
        open(*record);
    }
}

// Each cold run opens a face no run before it opened: the character table takes the faces
// from the first on, the properties window those after them.
void BM_OpenCharTableCold(benchmark::State& state) {
    OpenCold(state, OpenCharTable);
}
void BM_OpenPropertiesCold(benchmark::State& state) {
    OpenCold(state, OpenProperties);
}
void BM_OpenCharTableWarm(benchmark::State& state) {
    OpenWarm(state, OpenCharTable);
}
void BM_OpenPropertiesWarm(benchmark::State& state) {
    OpenWarm(state, OpenProperties);
}

}  // namespace

BENCHMARK(BM_OpenCharTableCold)->Arg(0)->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPropertiesCold)->Arg(15)->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCharTableWarm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPropertiesWarm)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
