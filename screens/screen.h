#pragma once

// What every screen gets from the window that holds it, and what it offers the
// screen host. A screen shows its state from setup/ and hands every click, hover
// and timer tick to the input dispatcher, which runs the handler where the play
// gate, the boundary and the quit apply as on the card table.

#include <QWidget>

#include <functional>
#include <string>

#include "controls/platform/host.h"
#include "table/input_dispatcher.h"
#include "table/qt/control_widgets.h"

namespace tavolora::screens {

struct ScreenContext {
    table::InputDispatcher& input;
    controls::ControlHost& host;
    std::string program_folder;
    table::qt::Twips twips;
    // Shows every screen after its state changed (the host's sync).
    std::function<void()> refresh;

    // A click that starts something (a match, another screen, the end of the
    // program): refused while a play runs.
    void play(const std::function<void()>& handler) const;
    // A hover, a press, a timer tick, a change of a box: runs at any time.
    void touch(const std::function<void()>& handler) const;
};

class ScreenWidget : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
    // Shows the screen's state as it stands now; changes only what differs.
    virtual void sync() = 0;
};

}  // namespace tavolora::screens
