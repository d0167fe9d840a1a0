// How long the program's own controls take to paint: a style-5 button (the
// screens'), a style-7 button (the card table's), and a gradient container as large
// as the window can be, at the main menu's angle and as the option screens' flat
// wash. Each must stay far under a 20 ms frame.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "controls/button/painter.h"
#include "controls/gradient_container/grad_container.h"
#include "controls/platform/fonts.h"

namespace {

using namespace tavolora::controls;

void paint_button(benchmark::State& state, int style) {
    const SystemColours colours;
    Surface surface(185, 21);
    ButtonFields f;
    f.Style = style;
    f.Caption = QStringLiteral("Visualizza carte prese");
    f.client = {0, 0, 185, 21};
    f.inner = {4, 4, 181, 17};
    f.caption_format = kDtSingleLine | kDtVCenter | kDtCenter;
    f.font = form_font(QStringLiteral("Verdana"), 8.25);
    int states[] = {kNormal, kHot, kPressed, kDisabled};
    int i = 0;
    for (auto _ : state) {
        f.state = states[i++ % 4];
        f.Enabled = f.state != kDisabled;
        refresh(surface, f, PaintContext{colours, true, {}});
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void BM_Style5Button(benchmark::State& state) { paint_button(state, 5); }
void BM_Style7Button(benchmark::State& state) { paint_button(state, 7); }

void paint_container(benchmark::State& state, int angle) {
    Surface surface(2184, 2184);
    for (auto _ : state) {
        draw_gradient(surface, surface.width(), surface.height(), rgb(255, 255, 255), rgb(0, 0, 192),
                      static_cast<float>(angle), angle == 60);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void BM_FullWindowContainerAt60Degrees(benchmark::State& state) { paint_container(state, 60); }
void BM_FullWindowContainerAt0Degrees(benchmark::State& state) { paint_container(state, 0); }

BENCHMARK(BM_Style5Button)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Style7Button)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullWindowContainerAt60Degrees)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullWindowContainerAt0Degrees)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
