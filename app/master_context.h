#pragma once

// The window is given the pieces of the running program it shows and drives, never
// the program itself: main() and the tests take them from the program here, in one
// place, so that every window is built alike.

#include "program/program.h"
#include "table/qt/main_window.h"

namespace tavolora::app {

inline table::qt::MasterContext master_context(Program& program) {
    return table::qt::MasterContext{program.master, program.master_events, program.input,
                                    program.waits,  program.ports.metrics, program.setup};
}

}  // namespace tavolora::app
