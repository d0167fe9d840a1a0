#include "table/qt/control_widgets.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

#include "controls/button/theme_button.h"
#include "controls/factory.h"
#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "controls/platform/fit_text.h"
#include "controls/platform/fonts.h"
#include "platform/qt/qt_platform.h"
#include "storage/icons.h"
#include "table/master_window.h"
#include "table/qt/picture_cache.h"

namespace tavolora::table::qt {

int Twips::x(float twips) const {
    return static_cast<int>(std::lround(twips / static_cast<float>(per_pixel_x)));
}
int Twips::y(float twips) const {
    return static_cast<int>(std::lround(twips / static_cast<float>(per_pixel_y)));
}

QRect Twips::rect(float left, float top, float width, float height) const {
    const int x0 = x(left);
    const int y0 = y(top);
    return {x0, y0, std::max(0, x(left + width) - x0), std::max(0, y(top + height) - y0)};
}

bool painted_on_surface(const Control& control) {
    return control.kind == ControlKind::Picture && control.container != nullptr &&
           control.container->key.id == ControlId::PIC_Tavolo;
}

int button_of(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 1;
    }
}

int buttons_of(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shift_of(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

QCursor pointer_of(int mouse_pointer, const std::string& mouse_icon, PictureCache& pictures) {
    switch (mouse_pointer) {
        case pointer::kSizeNeSw:
            return QCursor(Qt::SizeBDiagCursor);
        case pointer::kSizeAll:
            return QCursor(Qt::SizeAllCursor);
        case pointer::kCustom: {
            const QPixmap& picture = pictures.picture(mouse_icon);
            if (picture.isNull()) return QCursor(Qt::ArrowCursor);
            // The card pointer points with the tip of its finger.
            const bool card = mouse_icon.find(storage::icons::kCursoreCarta.stem) != std::string::npos;
            return card ? QCursor(picture, storage::icons::kCursoreCartaHotX, storage::icons::kCursoreCartaHotY)
                        : QCursor(picture, 0, 0);
        }
        default:
            return QCursor(Qt::ArrowCursor);
    }
}

namespace {

// A Qt widget that passes its mouse events on to the input dispatcher as the events
// of its control.
template <class Base>
class Forwarding : public Base {
public:
    Forwarding(ControlWidgets& widgets, ControlKey key, Twips twips, QWidget* parent)
        : Base(parent), widgets_(widgets), key_(key), twips_(twips) {
        this->setMouseTracking(true);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        send(InputEvent::MouseDown, event);
        Base::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        send(InputEvent::MouseUp, event);
        Base::mouseReleaseEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        send(InputEvent::MouseMove, event);
        Base::mouseMoveEvent(event);
    }
    void enterEvent(QEnterEvent* event) override {
        deliver(InputEvent::MouseEnter, {});
        Base::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        deliver(InputEvent::MouseLeave, {});
        Base::leaveEvent(event);
    }

    void deliver(InputEvent event, const MouseArgs& args) { widgets_.deliver(key_, event, args); }

private:
    void send(InputEvent event, QMouseEvent* mouse) {
        MouseArgs args;
        args.Button =
            event == InputEvent::MouseMove ? buttons_of(mouse->buttons()) : button_of(mouse->button());
        args.Shift = shift_of(mouse->modifiers());
        args.X = twips_.to_twips_x(mouse->position().x());
        args.Y = twips_.to_twips_y(mouse->position().y());
        deliver(event, args);
    }

    ControlWidgets& widgets_;
    ControlKey key_;
    Twips twips_;
};

// The controls whose captions must read whole on their one line: the players' names
// on the scores panel's rows and the captured-cards viewer's seat buttons, and each
// seat's standing ("121 / 1200"), which a wrapped line would cut.
bool fitted_to_its_line(const Control& control) {
    switch (control.key.id) {
        case ControlId::LBL_Parziale_Nome:
        case ControlId::LBL_Totale_Nome:
        case ControlId::LBL_Totale_Punti:
        case ControlId::Visualizza_Prese:
            return true;
        default:
            return false;
    }
}

// The class of the program's own control that shows a control of the table, if any.
std::optional<controls::ControlClass> control_class(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return controls::ControlClass::ThemeButton;
        case ControlKind::Panel:
            return controls::ControlClass::Panel;
        case ControlKind::Strip:
            return controls::ControlClass::GradContainer;
        default:
            return std::nullopt;
    }
}

// What the main window's design stored with each of its own controls: the table's
// buttons in style 7, the floating panels with rounded corners and a title band
// wide enough for their handle and close button, the button strip's green body
// under a white-to-blue header.
controls::PropertyBag stored_values(const Control& control) {
    controls::PropertyBag bag;
    const QString caption = QString::fromStdString(control.Caption);
    switch (control.kind) {
        case ControlKind::Button:
            bag.write_always(QStringLiteral("Style"), qint64(7));
            bag.write_always(QStringLiteral("Caption"), caption);
            bag.write_always(QStringLiteral("Font"), controls::form_font(QStringLiteral("Verdana"), 8.25));
            break;
        case ControlKind::Panel:
            bag.write_always(QStringLiteral("Caption"), caption);
            bag.write_always(QStringLiteral("RoundedCorners"), qint64(5));
            bag.write_always(QStringLiteral("TitleHeight"), qint64(20));
            bag.write_always(QStringLiteral("Font"), controls::form_font(QStringLiteral("Verdana"), 8.25, true));
            break;
        case ControlKind::Strip:
            bag.write_always(QStringLiteral("Caption"), caption);
            bag.write_always(QStringLiteral("CaptionAlignment"), qint64(2));
            bag.write_always(QStringLiteral("HeaderHeight"), qint64(18));
            bag.write_always(QStringLiteral("HeaderColor1"), qint64(0x00FFFFFF));
            bag.write_always(QStringLiteral("HeaderColor2"), qint64(0x00D96C00));
            bag.write_always(QStringLiteral("BackColor1"), qint64(0x00004000));
            bag.write_always(QStringLiteral("BackColor2"), qint64(0x00004000));
            bag.write_always(QStringLiteral("BorderColor"), qint64(0));
            bag.write_always(QStringLiteral("CaptionColor"), qint64(0));
            bag.write_always(QStringLiteral("Curvature"), qint64(5));
            bag.write_always(QStringLiteral("BackMiddleOut"), false);
            bag.write_always(QStringLiteral("HeaderMiddleOut"), false);
            bag.write_always(QStringLiteral("IconSize"), qint64(0));
            bag.write_always(QStringLiteral("CaptionFont"), controls::form_font(QStringLiteral("MS Sans Serif"), 8.25));
            break;
        default:
            break;
    }
    return bag;
}

}  // namespace

namespace {
// Whether a control of the table is shown by a widget of its own: not the surface,
// not a picture painted on it, not a timer or a menu item.
bool has_widget(const MasterWindow& master, const Control& control) {
    if (&control == &master.PIC_Tavolo || painted_on_surface(control)) return false;
    return control.kind != ControlKind::Timer && control.kind != ControlKind::MenuItem;
}
}  // namespace

ControlWidgets::ControlWidgets(MasterWindow& master, InputDispatcher& input, QWidget* layer,
                               PictureCache& pictures, Twips twips, controls::ControlHost& host)
    : master_(master), input_(input), layer_(layer), pictures_(pictures), twips_(twips), host_(host) {
    master_.for_each([this](Control& control) {
        if (has_widget(master_, control)) mirrors_.push_back(Mirror{&control, nullptr, {}, {}});
    });
}

ControlWidgets::Mirror* ControlWidgets::mirror_of(const Control* control) {
    for (Mirror& mirror : mirrors_) {
        if (mirror.control == control) return &mirror;
    }
    return nullptr;
}

void ControlWidgets::deliver(ControlKey key, InputEvent event, const MouseArgs& args) {
    platform::qt::guarded([&] { input_.deliver(key, event, args); });
    if (after_input_) after_input_();
}

QWidget* ControlWidgets::widget(ControlKey key) const {
    for (const Mirror& mirror : mirrors_) {
        if (mirror.control->key == key) return mirror.widget;
    }
    return nullptr;
}

QWidget* ControlWidgets::parent_widget(const Control& control) {
    // The nearest container with a widget of its own; pictures on the surface (the
    // table background holding the signal word) have none, so their content goes
    // on the layer with the table's other controls.
    for (const Control* c = control.container; c != nullptr; c = c->container) {
        if (c == &master_.PIC_Tavolo) return layer_;
        if (Mirror* mirror = mirror_of(c))
            return mirror->widget != nullptr ? mirror->widget : create(*mirror);
    }
    return layer_;
}

bool ControlWidgets::on_layer(const Control& control) const {
    for (const Control* c = control.container; c != nullptr; c = c->container) {
        if (c == &master_.PIC_Tavolo) return true;
        if (has_widget(master_, *c)) return false;
    }
    return true;
}

QRect ControlWidgets::geometry_in_parent(const Control& control) const {
    // Inside the pictures that hold it and, on the layer, inside the table's place.
    float left = control.Left;
    float top = control.Top;
    for (const Control* c = control.container; c != nullptr; c = c->container) {
        if (has_widget(master_, *c)) break;
        left += c->Left;
        top += c->Top;
    }
    return twips_.rect(left, top, control.Width, control.Height);
}

ControlWidgets::Shown ControlWidgets::wanted(const Control& control) const {
    Shown shown;
    shown.geometry = geometry_in_parent(control);
    shown.visible = control.exists && control.Visible;
    if (shown.visible && on_layer(control)) {
        // What lies on the table shows with it: not while the table is hidden, nor
        // while it is collapsed under a screen.
        const Control& table = master_.PIC_Tavolo;
        shown.visible = table.exists && table.Visible &&
                        !twips_.rect(table.Left, table.Top, table.Width, table.Height).isEmpty();
    }
    shown.enabled = control.Enabled;
    shown.caption = QString::fromStdString(control.Caption);
    shown.picture = control.Picture;
    for (const std::string& item : control.items) shown.items.push_back(QString::fromStdString(item));
    shown.value = control.Value;
    shown.min = control.Min;
    shown.max = control.Max;
    shown.small_change = control.SmallChange;
    shown.large_change = control.LargeChange;
    shown.tooltip = QString::fromStdString(control.ToolTipText);
    shown.pointer = control.MousePointer;
    shown.mouse_icon = control.MouseIcon;
    shown.z = control.z;
    return shown;
}

QWidget* ControlWidgets::create(Mirror& mirror) {
    QWidget* parent = parent_widget(*mirror.control);
    const ControlKey key = mirror.control->key;
    QWidget* widget = nullptr;
    if (const auto kind = control_class(mirror.control->kind)) {
        widget = create_own_control(*kind, *mirror.control, parent);
    } else {
        widget = create_standard(mirror, parent);
    }
    widget->setObjectName(QString::fromStdString(describe(key)));
    widget->hide();
    mirror.widget = widget;
    auto* own = qobject_cast<controls::ThemeButton*>(widget);
    mirror.font = own != nullptr ? own->Font() : widget->font();
    mirror.shown = Shown{};
    mirror.shown.visible = false;
    mirror.shown.caption = QStringLiteral("\x01");  // forces the first update
    return widget;
}

QWidget* ControlWidgets::create_own_control(controls::ControlClass kind, Control& control, QWidget* parent) {
    const ControlKey key = control.key;
    QWidget* widget = controls::create_control(kind, host_, QString::fromStdString(describe(key)),
                                               stored_values(control), parent);
    const auto deliver = [this, key](InputEvent event, MouseArgs args = {}) { this->deliver(key, event, args); };
    const auto mouse = [this](int button, int shift, float x, float y) {
        MouseArgs args;
        args.Button = button;
        args.Shift = shift;
        args.X = twips_.to_twips_x(x);
        args.Y = twips_.to_twips_y(y);
        return args;
    };
    if (auto* button = qobject_cast<controls::ThemeButton*>(widget)) {
        // A table's button takes the keyboard only from a click on it, and never
        // passes it on: when the focused button is disabled or hidden the focus goes
        // to no other button of the table, so the key pressed next reaches no button
        // the person did not click ("Esci dalla partita" after "Prosegui").
        button->setFocusPolicy(Qt::ClickFocus);
        // Clicks, the Space key's included, go through the dispatcher like the mouse's.
        QObject::connect(button, &controls::ThemeButton::Click, button,
                         [deliver] { deliver(InputEvent::Click); });
        QObject::connect(button, &controls::ThemeButton::MouseEnter, button,
                         [deliver] { deliver(InputEvent::MouseEnter); });
        QObject::connect(button, &controls::ThemeButton::MouseLeave, button,
                         [deliver] { deliver(InputEvent::MouseLeave); });
    } else if (auto* panel = qobject_cast<controls::Panel*>(widget)) {
        QObject::connect(panel, &controls::Panel::Click, panel, [deliver] { deliver(InputEvent::Click); });
        QObject::connect(panel, &controls::Panel::MouseDown, panel, [deliver, mouse](int b, int s, float x, float y) {
            deliver(InputEvent::MouseDown, mouse(b, s, x, y));
        });
        QObject::connect(panel, &controls::Panel::MouseMove, panel, [deliver, mouse](int b, int s, float x, float y) {
            deliver(InputEvent::MouseMove, mouse(b, s, x, y));
        });
        QObject::connect(panel, &controls::Panel::MouseUp, panel, [deliver, mouse](int b, int s, float x, float y) {
            deliver(InputEvent::MouseUp, mouse(b, s, x, y));
        });
    } else if (auto* strip = qobject_cast<controls::GradContainer*>(widget)) {
        QObject::connect(strip, &controls::GradContainer::MouseMove, strip,
                         [deliver, mouse](int b, int s, float x, float y) {
                             deliver(InputEvent::MouseMove, mouse(b, s, x, y));
                         });
    }
    return widget;
}

QWidget* ControlWidgets::create_standard(Mirror& mirror, QWidget* parent) {
    const ControlKey key = mirror.control->key;
    QWidget* widget = nullptr;
    switch (mirror.control->kind) {
        case ControlKind::Button:
        case ControlKind::IconButton: {
            auto* button = new Forwarding<QPushButton>(*this, key, twips_, parent);
            QObject::connect(button, &QPushButton::clicked, button,
                             [this, key] { deliver(key, InputEvent::Click); });
            if (mirror.control->kind == ControlKind::IconButton) {
                // A small picture button: its picture, no frame until the mouse is on it.
                button->setFlat(true);
                button->setFocusPolicy(Qt::NoFocus);
            }
            widget = button;
            break;
        }
        case ControlKind::Panel:
        case ControlKind::Strip:
        case ControlKind::Frame:
            widget = new Forwarding<QGroupBox>(*this, key, twips_, parent);
            break;
        case ControlKind::Surface: {
            auto* frame = new Forwarding<QFrame>(*this, key, twips_, parent);
            frame->setFrameShape(QFrame::Box);
            widget = frame;
            break;
        }
        case ControlKind::ListBox: {
            // A list box of the window system: lines of one height, never scrolled
            // sideways. An entry wider than the list (a long name that made a sweep
            // or a declaration) goes on in the lines below it, never out of sight.
            auto* list = new Forwarding<QListWidget>(*this, key, twips_, parent);
            list->setWordWrap(true);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            widget = list;
            break;
        }
        case ControlKind::ScrollBar: {
            auto* bar = new Forwarding<QScrollBar>(*this, key, twips_, parent);
            bar->setOrientation(Qt::Horizontal);
            Control* control = mirror.control;
            QObject::connect(bar, &QScrollBar::valueChanged, bar, [this, control](int value) {
                if (control->Value == value) return;
                control->Value = value;
                deliver(control->key, InputEvent::Change);
            });
            widget = bar;
            break;
        }
        case ControlKind::TextBox:
            widget = new Forwarding<QLineEdit>(*this, key, twips_, parent);
            break;
        case ControlKind::Picture:
        case ControlKind::Image:
        case ControlKind::Label:
        case ControlKind::Timer:
        case ControlKind::MenuItem: {
            auto* label = new Forwarding<QLabel>(*this, key, twips_, parent);
            label->setWordWrap(true);
            widget = label;
            break;
        }
    }
    // The overlays stand opaque over the cards.
    if (mirror.control->kind == ControlKind::Surface) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, QColor(240, 236, 224));
        palette.setColor(QPalette::WindowText, Qt::black);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
    return widget;
}

namespace {
// The height of a list box's line: its font's.
int line_height(const QListWidget& list) { return list.fontMetrics().height(); }

// A list box shows whole lines only, as the window system's do: its height is its
// frame and as many whole lines as the height given holds (one at least).
QRect whole_lines(const QListWidget& list, QRect geometry) {
    const int frame = 2 * list.frameWidth();
    const int line = line_height(list);
    geometry.setHeight(frame + std::max(1, (geometry.height() - frame) / line) * line);
    return geometry;
}

// Each entry takes as many whole lines as its text needs at the list's width, so
// that the lines of a wrapped entry keep the list's steps.
void size_entries(QListWidget& list) {
    const int line = line_height(list);
    // The room the item's painter leaves for its text: the width less its margins.
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    const int width = std::max(1, list.width() - 2 * list.frameWidth() - 2 * margin);
    for (int i = 0; i < list.count(); ++i) {
        QListWidgetItem* item = list.item(i);
        // Broken as the item's painter breaks it: at words, inside a word too long.
        QTextLayout layout(item->text(), list.font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        int lines = 0;
        layout.beginLayout();
        for (QTextLine text = layout.createLine(); text.isValid(); text = layout.createLine()) {
            text.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
        lines = std::max(1, lines);
        item->setSizeHint(QSize(list.width() - 2 * list.frameWidth(), lines * line));
    }
}
}  // namespace

void ControlWidgets::apply(Mirror& mirror, const Shown& now) {
    QWidget* w = mirror.widget;
    const Shown& was = mirror.shown;
    const ControlKind kind = mirror.control->kind;
    if (now.geometry != was.geometry) {
        auto* list = qobject_cast<QListWidget*>(w);
        w->setGeometry(list != nullptr ? whole_lines(*list, now.geometry) : now.geometry);
        if (list != nullptr && now.items == was.items) size_entries(*list);
    }
    if (auto* own = qobject_cast<controls::ThemeButton*>(w)) {
        if (now.enabled != was.enabled) own->set_Enabled(now.enabled);
    } else if (now.enabled != was.enabled) {
        w->setEnabled(now.enabled);
    }
    if (fitted_to_its_line(*mirror.control)) {
        if (now.caption != was.caption || now.geometry.size() != was.geometry.size()) show_on_one_line(mirror, now);
    } else if (now.caption != was.caption || now.picture != was.picture || now.items != was.items) {
        if (auto* own = qobject_cast<controls::ThemeButton*>(w)) {
            if (own->Caption() != now.caption) own->set_Caption(now.caption);
        } else if (auto* panel = qobject_cast<controls::Panel*>(w)) {
            if (panel->Caption() != now.caption) panel->set_Caption(now.caption);
        } else if (auto* strip = qobject_cast<controls::GradContainer*>(w)) {
            if (strip->Caption() != now.caption) strip->set_Caption(now.caption);
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            if (kind == ControlKind::IconButton) {
                button->setIcon(QIcon(pictures_.picture(now.picture)));
                button->setIconSize(now.geometry.size());
            } else {
                button->setText(now.caption);
            }
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            box->setTitle(now.caption);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            list->clear();
            list->addItems(now.items);
            size_entries(*list);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setText(now.caption);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (kind == ControlKind::Image) {
                label->setScaledContents(true);
                label->setPixmap(pictures_.picture(now.picture));
            } else {
                label->setText(now.caption);
            }
        }
    }
    if (auto* bar = qobject_cast<QScrollBar*>(w);
        bar != nullptr && (now.min != was.min || now.max != was.max || now.value != was.value ||
                           now.small_change != was.small_change || now.large_change != was.large_change)) {
        bar->setRange(now.min, now.max);
        bar->setValue(now.value);
        bar->setSingleStep(now.small_change);
        bar->setPageStep(now.large_change);
    }
    if (now.tooltip != was.tooltip) w->setToolTip(now.tooltip);
    if (now.pointer != was.pointer || now.mouse_icon != was.mouse_icon) {
        if (now.pointer == pointer::kDefault) {
            w->unsetCursor();
        } else {
            w->setCursor(pointer_of(now.pointer, now.mouse_icon, pictures_));
        }
    }
    if (now.visible != was.visible) w->setVisible(now.visible);
    mirror.shown = now;
}

void ControlWidgets::show_on_one_line(Mirror& mirror, const Shown& now) {
    if (auto* own = qobject_cast<controls::ThemeButton*>(mirror.widget)) {
        const controls::FittedText fitted = controls::fit_text(
            now.caption, mirror.font, controls::ThemeButton::caption_rect(now.geometry.size()).size());
        if (own->Font() != fitted.font) own->set_Font(fitted.font);
        if (own->Caption() != fitted.text) own->set_Caption(fitted.text);
    } else if (auto* label = qobject_cast<QLabel*>(mirror.widget)) {
        controls::show_fitted(*label, now.caption, mirror.font);
    }
}

void ControlWidgets::restack(QWidget* parent) {
    std::vector<Mirror*> children;
    for (Mirror& mirror : mirrors_) {
        if (mirror.widget != nullptr && mirror.widget->parentWidget() == parent) children.push_back(&mirror);
    }
    std::sort(children.begin(), children.end(),
              [](const Mirror* a, const Mirror* b) { return a->shown.z < b->shown.z; });
    for (Mirror* child : children) child->widget->raise();
}

void ControlWidgets::restack_on_layer(const Mirror& mirror) {
    const Mirror* next = nullptr;
    for (const Mirror& other : mirrors_) {
        if (&other == &mirror || other.widget == nullptr || other.widget->parentWidget() != layer_) continue;
        if (other.shown.z > mirror.shown.z && (next == nullptr || other.shown.z < next->shown.z)) next = &other;
    }
    if (next == nullptr) {
        mirror.widget->raise();
    } else {
        mirror.widget->stackUnder(next->widget);
    }
}

void ControlWidgets::sync() {
    std::vector<QWidget*> to_restack;
    std::vector<const Mirror*> on_layer;
    for (Mirror& mirror : mirrors_) {
        const Shown now = wanted(*mirror.control);
        // A control gets its widget the first time it is shown.
        if (mirror.widget == nullptr && !now.visible) continue;
        if (mirror.widget == nullptr) create(mirror);
        if (now == mirror.shown) continue;
        const bool restacked = now.z != mirror.shown.z;
        apply(mirror, now);
        if (!restacked) continue;
        if (mirror.widget->parentWidget() == layer_) {
            on_layer.push_back(&mirror);
        } else {
            to_restack.push_back(mirror.widget->parentWidget());
        }
    }
    std::sort(to_restack.begin(), to_restack.end());
    to_restack.erase(std::unique(to_restack.begin(), to_restack.end()), to_restack.end());
    for (QWidget* parent : to_restack) restack(parent);
    // On the layer the screens lie among the table's widgets: each widget that moved
    // in the data's stack is put back beside its neighbours there, the frontmost
    // first, so that each one's neighbour in front already stands in its place.
    std::sort(on_layer.begin(), on_layer.end(),
              [](const Mirror* a, const Mirror* b) { return a->shown.z > b->shown.z; });
    for (const Mirror* mirror : on_layer) restack_on_layer(*mirror);
}

}  // namespace tavolora::table::qt
