#include "table/qt/table_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QCursor>
#include <QPainter>

#include <algorithm>

#include "controls/platform/exposed.h"
#include "platform/qt/qt_platform.h"
#include "table/master_window.h"

namespace tavolora::table::qt {

namespace {
QColor colour_of(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// A rectangle by its edges, the right and bottom ones outside it. Painting tests
// every picture against every rectangle it paints, and QRect's own tests are calls
// into Qt's library.
struct Edges {
    int left;
    int top;
    int right;
    int bottom;

    explicit Edges(const QRect& r)
        : left(r.left()), top(r.top()), right(r.left() + r.width()), bottom(r.top() + r.height()) {}
    Edges(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QRect rect() const { return {left, top, width(), height()}; }
    bool overlaps(const Edges& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool covers(const Edges& o) const {
        return left <= o.left && top <= o.top && o.right <= right && o.bottom <= bottom;
    }
    Edges within(const Edges& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
};
}  // namespace

TableView::TableView(MasterWindow& master, InputDispatcher& input, Twips twips, controls::ControlHost& host,
                     QWidget* parent)
    : QWidget(parent),
      master_(master),
      input_(input),
      twips_(twips),
      widgets_(master, input, parent != nullptr ? parent : this, pictures_, twips_, host) {
    setObjectName(QStringLiteral("PIC_Tavolo"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    master_.for_each([this](Control& control) {
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
    const Control& surface = master_.PIC_Tavolo;
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
    // Each rectangle of the region is painted on its own, testing every picture
    // against it: beyond a few rectangles, their bounding box costs less.
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
    ControlKey key = master_.PIC_Tavolo.key;
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
    // Each picture is settled once for the whole event: what it shows, where, and
    // in which order, bottom first.
    struct Shown {
        std::int64_t z;
        Edges at;        // where the picture's pixels go, in the view
        QPixmap pixmap;  // at its on-screen size: drawing it is a plain copy
        QPointF scale;   // the pixmap's pixels to one of the view's
        bool opaque;     // hides everything under it
    };
    const QRegion& region = event->region();
    const QRect bounds = region.boundingRect();
    const qreal ratio = devicePixelRatio();
    std::vector<Shown> shown;
    for (const Item& item : items_) {
        if (!item.shown || !bounds.intersects(item.rect)) continue;
        QPixmap pixmap;
        QRect rect = item.rect;
        if (item.stretch) {
            // Scaled to the screen's own pixels, so that a high-density screen shows
            // it sharp and Qt never scales it while painting.
            pixmap = pictures_.scaled(item.picture, (QSizeF(rect.size()) * ratio).toSize());
        } else {
            // Shown at its own size, its top-left part when the control is smaller.
            pixmap = pictures_.picture(item.picture);
            rect &= QRect(rect.topLeft(), pixmap.size());
        }
        // A picture that cannot be loaded is drawn as nothing.
        if (pixmap.isNull() || rect.isEmpty()) continue;
        const QPointF scale = item.stretch ? QPointF(static_cast<qreal>(pixmap.width()) / rect.width(),
                                                     static_cast<qreal>(pixmap.height()) / rect.height())
                                           : QPointF(1, 1);
        const bool opaque = !pixmap.hasAlphaChannel();
        shown.push_back({item.z, Edges(rect), std::move(pixmap), scale, opaque});
    }
    std::stable_sort(shown.begin(), shown.end(), [](const Shown& a, const Shown& b) { return a.z < b.z; });

    QPainter painter(this);
    const QColor back = palette().color(QPalette::Window);
    controls::for_each_exposed_rect(painter, region, [&](const QRect& rect) {
        const Edges area(rect);
        // The topmost opaque picture that covers the whole rectangle hides all that
        // lies under it, the table's colour too: painting starts from it.
        std::size_t first = shown.size();
        while (first > 0 && !(shown[first - 1].opaque && shown[first - 1].at.covers(area))) --first;
        if (first > 0) {
            --first;
        } else {
            painter.fillRect(rect, back);
        }
        for (std::size_t i = first; i < shown.size(); ++i) {
            const Shown& picture = shown[i];
            if (!picture.at.overlaps(area)) continue;
            const Edges part = picture.at.within(area);
            const QPointF from((part.left - picture.at.left) * picture.scale.x(),
                               (part.top - picture.at.top) * picture.scale.y());
            painter.drawPixmap(
                part.rect(), picture.pixmap,
                QRectF(from, QSizeF(part.width() * picture.scale.x(), part.height() * picture.scale.y())));
        }
    });
}

void TableView::deliver(ControlKey key, InputEvent event, QMouseEvent* mouse) {
    MouseArgs args;
    args.Button = event == InputEvent::MouseMove ? buttons_of(mouse->buttons()) : button_of(mouse->button());
    args.Shift = shift_of(mouse->modifiers());
    QPointF origin(0, 0);
    if (const int i = index_of(key); i >= 0) origin = items_[static_cast<std::size_t>(i)].rect.topLeft();
    args.X = twips_.to_twips_x(mouse->position().x() - origin.x());
    args.Y = twips_.to_twips_y(mouse->position().y() - origin.y());
    platform::qt::guarded([&] { input_.deliver(key, event, args); });
    if (after_input_) after_input_();
}

void TableView::show_pointer(QPoint point) {
    const ControlKey key = control_at(point);
    const Control* control = master_.find(key);
    // A picture that takes no mouse now shows the table's pointer.
    const std::pair<int, std::string> wanted =
        control != nullptr && control != &master_.PIC_Tavolo && master_.accepts_input(key)
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
