#include "table/qt/table_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QCursor>
#include <QPainter>

#include <algorithm>

#include "core/program.h"
#include "platform/qt/qt_platform.h"

namespace tavolora::table::qt {

namespace {
QColor colour_of(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

Twips twips_of(const Program& program) {
    return Twips{program.ports.metrics.twips_per_pixel_x(), program.ports.metrics.twips_per_pixel_y()};
}
}  // namespace

TableView::TableView(Program& program, controls::ControlHost& host, QWidget* parent)
    : QWidget(parent),
      program_(program),
      twips_(twips_of(program)),
      widgets_(program, this, pictures_, twips_, host) {
    setObjectName(QStringLiteral("PIC_Tavolo"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    program_.master.for_each([this](Control& control) {
        if (painted_on_surface(control)) painted_.push_back(&control);
    });
    items_.resize(painted_.size());
    hide();
}

TableView::Item TableView::item_of(const Control& control) const {
    Item item;
    item.shown = control.exists && control.Visible;
    if (!item.shown) return item;
    item.rect = twips_.rect(control.Left, control.Top, control.Width, control.Height);
    item.picture = control.Picture;
    item.z = control.z;
    item.stretch = control.Stretch;
    return item;
}

void TableView::sync() {
    const Control& surface = program_.master.PIC_Tavolo;
    const QRect geometry = twips_.rect(surface.Left, surface.Top, surface.Width, surface.Height);
    if (geometry != this->geometry()) setGeometry(geometry);
    const QColor colour = colour_of(surface.BackColor);
    if (palette().color(QPalette::Window) != colour) {
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        setPalette(p);
        update();
    }

    QRegion dirty;
    for (std::size_t i = 0; i < painted_.size(); ++i) {
        Item now = item_of(*painted_[i]);
        if (now == items_[i]) continue;
        if (items_[i].shown) dirty += items_[i].rect;
        if (now.shown) dirty += now.rect;
        items_[i] = std::move(now);
    }
    // Qt paints a region of many rectangles far slower than their bounding box.
    if (!dirty.isEmpty()) update(dirty.rectCount() <= 8 ? dirty : QRegion(dirty.boundingRect()));

    widgets_.sync();
    if (isHidden() == surface.Visible) setHidden(!surface.Visible);
}

void TableView::set_after_input(std::function<void()> after) {
    after_input_ = after;
    widgets_.set_after_input(std::move(after));
}

int TableView::index_of(ControlKey key) const {
    for (std::size_t i = 0; i < painted_.size(); ++i) {
        if (painted_[i]->key == key) return static_cast<int>(i);
    }
    return -1;
}

QRect TableView::picture_rect(ControlKey key) const {
    const int i = index_of(key);
    return i < 0 ? QRect() : items_[static_cast<std::size_t>(i)].rect;
}

ControlKey TableView::control_at(QPoint point) const {
    const Item* best = nullptr;
    ControlKey key = program_.master.PIC_Tavolo.key;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (item.shown && item.rect.contains(point) && (best == nullptr || item.z > best->z)) {
            best = &item;
            key = painted_[i]->key;
        }
    }
    return key;
}

void TableView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    std::vector<const Item*> visible;
    for (const Item& item : items_) {
        if (item.shown && event->region().intersects(item.rect)) visible.push_back(&item);
    }
    std::sort(visible.begin(), visible.end(), [](const Item* a, const Item* b) { return a->z < b->z; });
    for (const Item* item : visible) {
        // A picture that cannot be loaded is drawn as nothing.
        if (item->stretch) {
            const QPixmap& pixmap = pictures_.stretched(item->picture, item->rect.size());
            if (!pixmap.isNull()) painter.drawPixmap(item->rect.topLeft(), pixmap);
        } else {
            const QPixmap& pixmap = pictures_.picture(item->picture);
            if (!pixmap.isNull()) {
                painter.drawPixmap(item->rect.topLeft(), pixmap, QRect(QPoint(0, 0), item->rect.size()));
            }
        }
    }
}

void TableView::deliver(ControlKey key, InputEvent event, QMouseEvent* mouse) {
    MouseArgs args;
    args.Button = event == InputEvent::MouseMove ? buttons_of(mouse->buttons()) : button_of(mouse->button());
    args.Shift = shift_of(mouse->modifiers());
    QPointF origin(0, 0);
    if (const int i = index_of(key); i >= 0) origin = items_[static_cast<std::size_t>(i)].rect.topLeft();
    args.X = twips_.to_twips_x(mouse->position().x() - origin.x());
    args.Y = twips_.to_twips_y(mouse->position().y() - origin.y());
    platform::qt::guarded([&] { program_.input.deliver(key, event, args); });
    if (after_input_) after_input_();
}

void TableView::show_pointer(QPoint point) {
    const ControlKey key = control_at(point);
    const Control* control = program_.master.find(key);
    // A picture that takes no mouse now shows the table's pointer.
    const std::pair<int, std::string> wanted =
        control != nullptr && control != &program_.master.PIC_Tavolo && program_.master.accepts_input(key)
            ? std::pair<int, std::string>{control->MousePointer, control->MouseIcon}
            : std::pair<int, std::string>{pointer::kDefault, {}};
    if (wanted == pointer_) return;
    pointer_ = wanted;
    if (wanted.first == pointer::kDefault) {
        unsetCursor();
    } else {
        setCursor(pointer_of(wanted.first, wanted.second, pictures_));
    }
}

void TableView::mousePressEvent(QMouseEvent* event) {
    const ControlKey key = control_at(event->position().toPoint());
    pressed_ = key;
    deliver(key, InputEvent::MouseDown, event);
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_) return;
    // The release goes to the control that had the press, and makes a click when
    // the pointer is still over it.
    const ControlKey key = *pressed_;
    pressed_.reset();
    deliver(key, InputEvent::MouseUp, event);
    if (control_at(event->position().toPoint()) == key) deliver(key, InputEvent::Click, event);
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    deliver(pressed_.value_or(control_at(point)), InputEvent::MouseMove, event);
    show_pointer(point);
}

}  // namespace tavolora::table::qt
