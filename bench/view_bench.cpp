// How long the window takes to show the table: a full redraw of 460 card pictures
// and 40 flying cards, one frame of 40 flights, and a frame in which nothing moved.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <memory>

#include "core/program.h"
#include "platform/qt/qt_platform.h"
#include "platform/random.h"
#include "table/qt/main_window.h"
#include "table/qt/table_view.h"

namespace {

using tavolora::Program;
using tavolora::table::Control;

struct Table {
    tavolora::platform::qt::QtPlatform platform{TAVOLORA_PROGRAM_DIR};
    Program program{platform.ports()};
    tavolora::table::qt::F_01_Master window{program, platform};

    Table() {
        tavolora::platform::Rng rng(1);
        const auto below = [&rng](int n) {
            return static_cast<float>(rng.next_u64() % static_cast<unsigned>(n));
        };
        auto& w = program.master;
        window.resize(1024, 768);
        w.PIC_Tavolo.Visible = true;
        w.PIC_Tavolo.Width = 1024 * 15;
        w.PIC_Tavolo.Height = 768 * 15 - 500;
        const std::string deck = std::string(TAVOLORA_PROGRAM_DIR) + "\\Cards\\Tavolora\\";
        for (int k = 1; k <= 460; ++k) {
            w.P.Load(k);
            Control& card = w.P(k);
            tavolora::table::LoadPicture(
                card, deck + std::to_string(1 + (k % 4)) + "\\" + std::to_string(1 + (k % 10)) + ".bmp",
                program.pictures);
            card.Left = below(14000);
            card.Top = below(9000);
            card.Visible = true;
        }
        for (int i = 1; i <= 40; ++i) {
            w.P_A.Load(i);
            Control& copy = w.P_A(i);
            tavolora::table::LoadPicture(copy, deck + "1\\00.bmp", program.pictures);
            copy.Left = below(14000);
            copy.Top = below(9000);
            copy.Visible = true;
        }
        window.show();
        window.sync();
        QApplication::processEvents();
    }
};

std::unique_ptr<Table>& table() {
    static std::unique_ptr<Table> instance;
    if (!instance) instance = std::make_unique<Table>();
    return instance;
}

void BM_FullRedraw(benchmark::State& state) {
    auto& view = table()->window.table();
    QImage image(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_FlightFrame(benchmark::State& state) {
    Table& t = *table();
    auto& copies = t.program.master.P_A;
    float step = 30;
    for (auto _ : state) {
        for (int i = 1; i <= 40; ++i) {
            copies(i).Left += step;
            copies(i).Top += step / 2;
        }
        step = -step;
        t.window.sync();
        QApplication::processEvents();  // paints what changed
    }
}
BENCHMARK(BM_FlightFrame)->Unit(benchmark::kMillisecond);

void BM_FrameWithNothingMoved(benchmark::State& state) {
    Table& t = *table();
    for (auto _ : state) {
        t.window.sync();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FrameWithNothingMoved)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    table().reset();
    benchmark::Shutdown();
    return 0;
}
