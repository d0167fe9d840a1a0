// How long a person waits from the program's start to the main menu on screen: the
// text table, the main window, the main menu with its user and game restored, and
// the first frame of the window drawn. A program folder with the build's pictures
// and three users, as a player's is after a while.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <filesystem>

#include "app/master_context.h"
#include "platform/qt/qt_platform.h"
#include "program/program.h"
#include "table/qt/main_window.h"
#include "tests/support/temp_folder.h"

namespace {

void BM_StartToMainMenuDrawn(benchmark::State& state) {
    tavolora::testing::TempFolder folder;
    for (const char* part : {"Cards", "Tables", "Photos", "Icons", "Languages"})
        std::filesystem::create_directory_symlink(std::filesystem::path(TAVOLORA_PROGRAM_DIR) / part,
                                                  folder.path() / part);
    for (const char* user : {"Anna", "Bruno", "Carla"})
        folder.write(std::string("Users/") + user + ".usr", std::string(20, ' '));

    for (auto _ : state) {
        tavolora::platform::qt::QtPlatform platform(folder.string());
        tavolora::Program program(platform.ports());
        tavolora::table::qt::F_01_Master window(tavolora::app::master_context(program), platform);
        program.waits.at_boundary([&program] { program.start_up(); });
        window.resize(1024, 768);
        window.sync();
        window.show();
        QApplication::processEvents();
        // The whole window drawn once, the main menu on it.
        const QPixmap frame = window.grab();
        benchmark::DoNotOptimize(frame.cacheKey());
    }
}
BENCHMARK(BM_StartToMainMenuDrawn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
