#pragma once

// The card table surface PIC_Tavolo on screen. It paints the pictures that lie on
// the table (the background, the card pictures and the flying copies) in their
// stacking order, repainting only what changed since the last frame, mirrors the
// other controls as widgets (which stand over it in its parent, the window's client
// area, beside the screens), and turns mouse events into events of the controls
// under the pointer, for the input dispatcher.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "table/control.h"
#include "table/input_dispatcher.h"
#include "table/qt/control_widgets.h"
#include "table/qt/picture_cache.h"

namespace tavolora::table {
class MasterWindow;
}

namespace tavolora::table::qt {

class TableView : public QWidget {
    Q_OBJECT

public:
    // The view of `master`'s table at `twips` to a pixel, in `parent`, which also
    // holds the widgets of the table's controls; its mouse events go to `input`.
    TableView(MasterWindow& master, InputDispatcher& input, Twips twips, controls::ControlHost& host,
              QWidget* parent);

    // Mirrors the table data: the surface itself, its pictures and its widgets.
    void sync();

    ControlWidgets& widgets() { return widgets_; }
    // Called after every mouse event the table passed on: the window shows at once
    // what it changed.
    void set_after_input(std::function<void()> after);
    PictureCache& pictures() { return pictures_; }
    // Where a picture of the table stands on screen, in the view's pixels.
    QRect picture_rect(ControlKey key) const;
    // The control a mouse event at `point` goes to: the topmost picture there, or the
    // surface itself.
    ControlKey control_at(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Item {
        bool shown = false;
        QRect rect;
        std::string picture;
        std::int64_t z = 0;
        bool stretch = false;
        friend bool operator==(const Item&, const Item&) = default;
    };

    Item item_of(const Control& control) const;
    int index_of(ControlKey key) const;
    void deliver(ControlKey key, InputEvent event, QMouseEvent* mouse);
    // The pointer of the card picture under the mouse, or the table's own.
    void show_pointer(QPoint point);

    MasterWindow& master_;
    InputDispatcher& input_;
    Twips twips_;
    PictureCache pictures_;
    ControlWidgets widgets_;
    std::vector<Control*> painted_;  // every picture slot the view paints
    std::vector<Item> items_;        // what each of them showed at the last frame
    std::optional<ControlKey> pressed_;
    std::function<void()> after_input_;
    // The pointer shown now: its shape and picture.
    std::pair<int, std::string> pointer_{0, {}};
};

}  // namespace tavolora::table::qt
