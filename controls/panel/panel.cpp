#include "controls/panel/panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include "controls/platform/exposed.h"
#include "controls/platform/input_codes.h"
#include "controls/platform/regions.h"
#include "controls/platform/stored_properties.h"

namespace tavolora::controls {

namespace {

// The caption keeps this distance from the side it is aligned to.
constexpr int kCaptionMargin = 5;

}  // namespace

QPoint caption_origin(int alignment, int width, int title_height, QSizeF text) {
    const double w = text.width();
    const double h = text.height();
    int x = 0;
    switch (alignment) {
        case 0:
            x = kCaptionMargin;
            break;
        case 1:
            x = round_even(width - kCaptionMargin - w);
            break;
        case 2:
            x = round_even(width * 0.5 - w * 0.5);
            break;
        default:
            break;
    }
    return {x, round_even(title_height * 0.5 - h * 0.5)};
}

Panel::Panel(ControlHost& host, const QString& name, QWidget* parent)
    : QWidget(parent), host_(host), name_(name), font_(host.form_font()), caption_(name) {
    setObjectName(name);
    // The surface covers the whole panel: nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button held are passed on too: the card table brings a floating
    // panel to the front when the pointer moves over it.
    setMouseTracking(true);
    // A click gives the panel the keyboard, as a plain control on a form takes it; Tab
    // passes it by.
    setFocusPolicy(Qt::ClickFocus);
    // The background may be a system colour: a new desktop scheme repaints it.
    connect(&host_, &ControlHost::systemColoursChanged, this, [this] { Redraw(); });
}

// --- Property store -----------------------------------------------------------

template <class Self, class Row>
void Panel::stored_properties(Self& self, Row&& row) {
    // The order is the order of the change notices while a panel is read.
    // clang-format off
    //   names                  member                 reading default                         writing
    row("BackColor",            self.back_colour_,     Colour{0x80000000u | kColorBtnFace},    kAsRead);
    row("BorderColor",          self.border_colour_,   Colour{0},                              kAsRead);
    row("ForeColor",            self.fore_colour_,     Colour{0},                              kAsRead);
    row("TitleGradientStart",   self.gradient_start_,  Colour{0x00FFFFFFu},                    kAsRead);
    row("TitleGradientEnd",     self.gradient_end_,    Colour{0x00D96C00u},                    kAsRead);
    row("Font",                 self.font_,            self.host_.form_font(),                 kAsRead);
    row("RoundedCorners",       self.rounded_corners_, 0,                                      kAsRead);
    row("TitleHeight",          self.title_height_,    qint16{18},                             kAsRead);
    row("Caption",              self.caption_,         self.name_,                             kAsRead);
    // The caption centred.
    row("Alignment",            self.alignment_,       2,                                      kAsRead);
    // clang-format on
}

// A new panel takes the values a stored one without any has.
void Panel::InitProperties() { ReadProperties(PropertyBag()); }

void Panel::ReadProperties(const PropertyBag& bag) {
    // Each value as its setter would take it: stored, then told to the form.
    const StoreReader read{bag};
    stored_properties(*this, [&](PropertyNames names, auto&& member, const auto& reading, const auto& writing) {
        read(names, member, reading, writing);
        changed(&member);
    });
}

void Panel::WriteProperties(PropertyBag& bag) const { stored_properties(*this, StoreWriter{bag}); }

// --- Properties -------------------------------------------------------------------

void Panel::changed(const void* member) {
    const PropertyNames names = names_of(member, [this](auto&& row) { stored_properties(*this, row); });
    // The form's handler of the notice may close the form and the panel with it.
    const QPointer<Panel> alive(this);
    emit PropertyChanged(QLatin1String(names.notice));
    if (alive) Redraw();
}

void Panel::set_BackColor(Colour colour) {
    back_colour_ = colour;
    changed(&back_colour_);
}

void Panel::set_BorderColor(Colour colour) {
    border_colour_ = colour;
    changed(&border_colour_);
}

void Panel::set_ForeColor(Colour colour) {
    fore_colour_ = colour;
    changed(&fore_colour_);
}

void Panel::set_TitleGradientStart(Colour colour) {
    gradient_start_ = colour;
    changed(&gradient_start_);
}

void Panel::set_TitleGradientEnd(Colour colour) {
    gradient_end_ = colour;
    changed(&gradient_end_);
}

void Panel::set_Font(const QFont& font) {
    // The caption's font only: the widget's own font is left alone, so that the
    // controls placed in the panel keep the fonts their screen gave them.
    font_ = font;
    changed(&font_);
}

void Panel::set_RoundedCorners(int corners) {
    rounded_corners_ = corners;
    changed(&rounded_corners_);
}

void Panel::set_TitleHeight(qint16 height) {
    title_height_ = height;
    changed(&title_height_);
}

void Panel::set_Caption(const QString& caption) {
    caption_ = caption;
    changed(&caption_);
}

void Panel::set_Alignment(int alignment) {
    alignment_ = alignment;
    changed(&alignment_);
}

// --- Painting ---------------------------------------------------------------------

void Panel::Redraw() {
    const int w = width();
    const int h = height();
    if (surface_.width() != w || surface_.height() != h) surface_.resize(w, h);
    const SystemColours& colours = host_.colours();

    // The background over the whole panel.
    surface_.set_background(colours.translate(back_colour_));

    apply_outline();

    // The title band, rows 1 to TitleHeight - 1 between the side borders. Its two
    // colours are plain RGB values: a system colour reference is not resolved here.
    // A band of no height or no width draws nothing.
    surface_.gradient_fill_vertical(1, 1, w - 2, title_height_, gradient_start_, gradient_end_);

    // The outline on the outermost pixels the window keeps, then the band's lower edge.
    const Colour border = colours.translate(border_colour_);
    surface_.round_rect(0, 0, w - 1, h - 1, rounded_corners_, rounded_corners_, border);
    surface_.line(0, title_height_, w, title_height_, border);

    print_caption();
    update();
}

void Panel::apply_outline() {
    // Giving the window its outline asks for a repaint; doing it from every repaint
    // would never stop, so it is done only when the shape has really changed.
    if (outline_size_ == size() && outline_corners_ == rounded_corners_) return;
    outline_ = round_rect_region(0, 0, width(), height(), rounded_corners_, rounded_corners_);
    outline_size_ = size();
    outline_corners_ = rounded_corners_;
    setMask(outline_);
    ++outlines_applied_;
}

void Panel::print_caption() {
    const QPoint at = caption_origin(alignment_, width(), title_height_, Surface::text_size(caption_, font_));
    // Not clipped to the band: only the panel's edges cut it.
    surface_.print_text(at.x(), at.y(), caption_, font_, host_.colours().translate(fore_colour_));
}

void Panel::resizeEvent(QResizeEvent*) {
    Redraw();
}

void Panel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paint_exposed(painter, event->region(), surface_.image());
}

// --- Input ------------------------------------------------------------------------
//
// Each event goes to the form as it comes, with the form's button, shift and key
// numbers and the position in the panel's pixels. The panel keeps no pressed look
// and no focus mark.

void Panel::mousePressEvent(QMouseEvent* event) {
    const int button = mouse_button_code(event->button());
    if (button == 0) return;
    pressed_ = true;
    double_click_ = false;
    const QPointF at = event->position();
    emit MouseDown(button, shift_code(event->modifiers()), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
}

void Panel::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseMove(mouse_button_code(event->buttons()), shift_code(event->modifiers()), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    const int button = mouse_button_code(event->button());
    if (button == 0) return;
    const QPointF at = event->position();
    // A click is a press and a release on the panel; the release that ends a double
    // click raises no second Click.
    const bool click = pressed_ && !double_click_ && rect().contains(at.toPoint());
    pressed_ = false;
    double_click_ = false;
    const QPointer<Panel> alive(this);
    emit MouseUp(button, shift_code(event->modifiers()), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
    if (alive && click) emit Click();
}

void Panel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (mouse_button_code(event->button()) == 0) return;
    pressed_ = true;
    double_click_ = true;
    emit DoubleClick();
}

void Panel::keyPressEvent(QKeyEvent* event) {
    const QPointer<Panel> alive(this);
    emit KeyDown(key_code(*event), shift_code(event->modifiers()));
    // Then one KeyPress for each character the key typed. The Delete key types none.
    if (event->key() != Qt::Key_Delete) {
        const QString text = event->text();
        for (const QChar c : text) {
            if (!alive) return;
            emit KeyPress(c.unicode());
        }
    }
    // The key goes on to the form as well, for its own shortcuts.
    if (alive) event->ignore();
}

void Panel::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its press, not its release.
    if (!event->isAutoRepeat()) emit KeyUp(key_code(*event), shift_code(event->modifiers()));
    event->ignore();
}

}  // namespace tavolora::controls
