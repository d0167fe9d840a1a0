// How long the window takes to show the table: a full redraw of the table's
// background picture, 460 card pictures and 40 flying cards, one frame of 40 flights,
// a frame in which nothing moved, and a redraw after the table changed size, which
// scales the background again.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <memory>

#include "app/master_context.h"
#include "platform/qt/qt_platform.h"
#include "platform/random.h"
#include "program/program.h"
#include "table/qt/main_window.h"
#include "table/qt/table_view.h"

namespace {

using tavolora::Program;
using tavolora::table::Control;

struct Table {
    tavolora::platform::qt::QtPlatform platform{TAVOLORA_PROGRAM_DIR};
    Program program{platform.ports()};
    tavolora::table::qt::F_01_Master window{tavolora::app::master_context(program), platform};

    Table() {
        tavolora::platform::Rng rng(1);
        const auto below = [&rng](int n) {
            return static_cast<float>(rng.next_u64() % static_cast<unsigned>(n));
        };
        auto& w = program.master;
        window.resize(1024, 768);
        // The shown window reports its size to the program, which lays out the table
        // for it: that happens first, so that it does not undo the table below.
        window.show();
        QApplication::processEvents();
        w.PIC_Tavolo.Visible = true;
        w.PIC_Tavolo.Width = 1024 * 15;
        w.PIC_Tavolo.Height = 768 * 15 - 500;
        const std::string folder = TAVOLORA_PROGRAM_DIR;
        // The background stretched over the whole table, behind every card, as a
        // match shows it.
        Control& background = w.IMG_Sfondo_Tavolo;
        background.Picture = folder + "\\Tables\\Feltro.jpg";
        background.Left = 0;
        background.Top = 0;
        background.Width = w.PIC_Tavolo.Width;
        background.Height = w.PIC_Tavolo.Height;
        background.ZOrder(1);
        background.Visible = true;
        const std::string deck = folder + "\\Cards\\Tavolora\\";
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

// The table and its background one pixel narrower on each step, through 64 widths and
// back: every redraw scales the background to a size it has not kept.
void BM_RedrawAfterResize(benchmark::State& state) {
    Table& t = *table();
    auto& w = t.program.master;
    const float width = w.PIC_Tavolo.Width;
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 64;
        w.PIC_Tavolo.Width = width - static_cast<float>(15 * step);
        w.IMG_Sfondo_Tavolo.Width = w.PIC_Tavolo.Width;
        t.window.sync();
        QApplication::processEvents();
        if (t.window.table().picture_rect(w.IMG_Sfondo_Tavolo.key).width() != t.window.table().width()) {
            state.SkipWithError("the background is not the table's width");
        }
    }
    w.PIC_Tavolo.Width = width;
    w.IMG_Sfondo_Tavolo.Width = width;
    t.window.sync();
    QApplication::processEvents();
}
BENCHMARK(BM_RedrawAfterResize)->Unit(benchmark::kMillisecond);

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
