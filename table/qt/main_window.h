#pragma once

// F_01_Master on screen: the one frame window, whose client area holds the card
// table and the screens. It mirrors the main window's data (title, menu bar, table)
// whenever the program lets events run, and reports its size and the close button.

#include <QMainWindow>

#include <memory>
#include <vector>

#include "controls/platform/host.h"
#include "table/control.h"

class QAction;
class QMenu;

namespace tavolora::platform {
class Waits;
class WindowMetrics;
}  // namespace tavolora::platform

namespace tavolora::platform::qt {
class QtPlatform;
}

namespace tavolora::screens {
class ScreenHost;
}

namespace tavolora::setup {
struct Setup;
}

namespace tavolora::table {
class InputDispatcher;
class MasterEvents;
class MasterWindow;
}  // namespace tavolora::table

namespace tavolora::table::qt {

class TableView;

// What the window is given of the running program, and no more: the window and its
// table as data, the window's own handlers (its size), the input dispatcher every
// click goes through, the waits (their boundary and the quit request), the window
// metrics, and the screens' state and handlers for the screen host.
struct MasterContext {
    MasterWindow& master;
    MasterEvents& events;
    InputDispatcher& input;
    platform::Waits& waits;
    const platform::WindowMetrics& metrics;
    setup::Setup& setup;
};

class F_01_Master : public QMainWindow {
    Q_OBJECT

public:
    F_01_Master(MasterContext context, platform::qt::QtPlatform& platform);
    ~F_01_Master() override;

    // Shows the table data as it stands now.
    void sync();

    TableView& table() { return *table_; }
    screens::ScreenHost& screens() { return *screens_; }
    QWidget& client_area() { return *client_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    struct MenuItem {
        ControlId id;
        QAction* action;
    };

    void build_menu();
    void sync_menu();
    void keep_within_largest_side();
    void schedule_size_report();
    void report_size();

    MasterWindow& master_;
    MasterEvents& events_;
    InputDispatcher& input_;
    platform::Waits& waits_;
    const platform::WindowMetrics& metrics_;
    platform::qt::QtPlatform& platform_;
    // What the window gives the program's own controls on it and on its screens.
    controls::ControlHost host_;
    QWidget* client_ = nullptr;
    TableView* table_ = nullptr;
    // The screens over the table.
    std::unique_ptr<screens::ScreenHost> screens_;
    std::vector<MenuItem> menu_;
    bool size_report_pending_ = false;
    // A sync is running; another was asked for meanwhile.
    bool syncing_ = false;
    bool sync_again_ = false;
    QMetaObject::Connection about_to_block_;
};

}  // namespace tavolora::table::qt
