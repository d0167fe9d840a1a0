// Tavolora: builds the program and its window, and runs the event loop.

#include <QApplication>

#include "app/master_context.h"
#include "platform/qt/qt_platform.h"
#include "program/program.h"
#include "table/qt/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolora"));

    tavolora::platform::qt::QtPlatform platform;
    tavolora::Program program(platform.ports());
    tavolora::table::qt::F_01_Master window(tavolora::app::master_context(program), platform);

    program.waits.at_boundary([&program] { program.start_up(); });
    window.sync();
    window.show();
    if (program.waits.finished()) return 0;
    return QApplication::exec();
}
