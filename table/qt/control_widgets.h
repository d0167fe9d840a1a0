#pragma once

// The table's controls that are not plain pictures (buttons, labels, the floating
// panels, the strip, the visible lists) as Qt widgets that mirror the table data.
// The buttons, the floating panels and the button strip are the program's own
// controls, made through their factory; the standard controls are plain Qt widgets.
// All of them only show the data and pass their events on to the input dispatcher.
//
// The controls that lie straight on the table (the panels, the strip, the overlays)
// stand in the window's client area beside the screens, over the table, rather than
// inside the table's own widget: stacked among themselves as the table data stacks
// them, and a control the data brings to the front of the table comes to the front
// of the screens too, so that a panel the person opens over the main menu shows
// whole. A screen shown afterwards stands in front of it in its turn.

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>
#include <vector>

#include "controls/factory.h"
#include "controls/platform/host.h"
#include "table/control.h"
#include "table/input_dispatcher.h"

class QCursor;
class QWidget;

namespace tavolora::table {
class MasterWindow;
}

namespace tavolora::table::qt {

class PictureCache;

// Twips of the table data to pixels of the screen, and back.
struct Twips {
    int per_pixel_x = 15;
    int per_pixel_y = 15;
    int x(float twips) const;
    int y(float twips) const;
    QRect rect(float left, float top, float width, float height) const;
    float to_twips_x(double pixels) const { return static_cast<float>(pixels * per_pixel_x); }
    float to_twips_y(double pixels) const { return static_cast<float>(pixels * per_pixel_y); }
};

// Whether the table view paints the control itself rather than giving it a widget.
bool painted_on_surface(const Control& control);

// The toolkit's mouse arguments: Button 1 left, 2 right, 4 middle (a mask of the
// held buttons in a move); Shift 1 shift, 2 control, 4 alt.
int button_of(Qt::MouseButton button);
int buttons_of(Qt::MouseButtons buttons);
int shift_of(Qt::KeyboardModifiers modifiers);

// The pointer a control shows: one of the toolkit's shapes, or its own picture.
QCursor pointer_of(int mouse_pointer, const std::string& mouse_icon, PictureCache& pictures);

class ControlWidgets {
public:
    // The widgets of the controls of `master`'s table; those that lie straight on the
    // table are children of `layer`, the parent of the table's own widget. Their
    // events go to `input`.
    ControlWidgets(MasterWindow& master, InputDispatcher& input, QWidget* layer, PictureCache& pictures,
                   Twips twips, controls::ControlHost& host);
    ControlWidgets(const ControlWidgets&) = delete;
    ControlWidgets& operator=(const ControlWidgets&) = delete;

    // Creates, updates and stacks the widgets after the table data.
    void sync();

    // The widget that shows a control, once it has been shown (tests use it).
    QWidget* widget(ControlKey key) const;

    // Called after every event a widget passed on: the window shows at once what
    // the event changed, so that a panel dragged by its handle follows the mouse.
    void set_after_input(std::function<void()> after) { after_input_ = std::move(after); }
    // An event of a control, to the input dispatcher; then the window shows it.
    void deliver(ControlKey key, InputEvent event, const MouseArgs& args = {});

private:
    struct Shown {
        QRect geometry;
        bool visible = false;
        bool enabled = true;
        QString caption;
        std::string picture;
        QStringList items;
        int value = 0;
        int min = 0;
        int max = 0;
        int small_change = 1;
        int large_change = 1;
        QString tooltip;
        int pointer = 0;
        std::string mouse_icon;
        std::int64_t z = 0;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    struct Mirror {
        Control* control = nullptr;
        QWidget* widget = nullptr;
        Shown shown;
        // The font the widget was made with: a name is fitted from it.
        QFont font;
    };

    Shown wanted(const Control& control) const;
    QWidget* parent_widget(const Control& control);
    // Whether the control's widget stands on the layer: no container of it has a
    // widget of its own.
    bool on_layer(const Control& control) const;
    QRect geometry_in_parent(const Control& control) const;
    Mirror* mirror_of(const Control* control);
    QWidget* create(Mirror& mirror);
    // The program's own button, panel or container, made from the design's values.
    QWidget* create_own_control(controls::ControlClass kind, Control& control, QWidget* parent);
    // A plain Qt widget for the standard controls (labels, lists, frames, scroll bars...).
    QWidget* create_standard(Mirror& mirror, QWidget* parent);
    void apply(Mirror& mirror, const Shown& now);
    // A player's name or a standing, whole on one line of its widget where a smaller
    // font lets it be.
    void show_on_one_line(Mirror& mirror, const Shown& now);
    void restack(QWidget* parent);
    // Puts a widget of the layer directly under the table's widget that the data
    // stacks next in front of it, or in front of everything when none is.
    void restack_on_layer(const Mirror& mirror);

    MasterWindow& master_;
    InputDispatcher& input_;
    QWidget* layer_;
    PictureCache& pictures_;
    Twips twips_;
    controls::ControlHost& host_;
    std::vector<Mirror> mirrors_;
    std::function<void()> after_input_;
};

}  // namespace tavolora::table::qt
