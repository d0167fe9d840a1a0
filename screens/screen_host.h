#pragma once

// The one place that shows the screens: it mirrors the main window's list of child
// screens, making a screen's widget when the screen is loaded, placing and showing
// it as its data says, and dropping it when the screen is unloaded. Screens never
// open one another; the main window knows only this host.

#include <QPointer>

#include <functional>
#include <vector>

#include "screens/screen.h"
#include "setup/setup.h"
#include "table/master_window.h"

namespace tavolora::screens {

class ScreenHost {
public:
    // `screens` is the main window's list of child screens, `setup` the screens'
    // state and handlers. The screens are children of `area`, the main window's
    // client area, above the card table.
    ScreenHost(const table::ChildScreens& screens, setup::Setup& setup, ScreenContext context, QWidget* area);
    ScreenHost(const ScreenHost&) = delete;
    ScreenHost& operator=(const ScreenHost&) = delete;

    void sync();

    // The screen's widget while it is loaded and has one.
    ScreenWidget* screen(table::Screen id) const;

private:
    struct Entry {
        table::Screen id;
        std::function<ScreenWidget*(QWidget* parent)> make;
        QPointer<ScreenWidget> widget;
        QRect geometry;
    };

    const table::ChildScreens& screens_;
    QWidget* area_;
    ScreenContext context_;
    std::vector<Entry> entries_;
    bool syncing_ = false;
};

}  // namespace tavolora::screens
