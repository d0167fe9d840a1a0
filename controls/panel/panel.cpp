#include "controls/panel/panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include "controls/platform/exposed.h"
#include "controls/platform/input_codes.h"
#include "controls/platform/regions.h"

namespace tavolora::controls {

namespace {

// The stored names, in the order they are written and read.
const QString kBackColor = QStringLiteral("BackColor");
const QString kBorderColor = QStringLiteral("BorderColor");
const QString kForeColor = QStringLiteral("ForeColor");
const QString kTitleGradientStart = QStringLiteral("TitleGradientStart");
const QString kTitleGradientEnd = QStringLiteral("TitleGradientEnd");
const QString kFont = QStringLiteral("Font");
const QString kRoundedCorners = QStringLiteral("RoundedCorners");
const QString kTitleHeight = QStringLiteral("TitleHeight");
const QString kCaption = QStringLiteral("Caption");
const QString kAlignment = QStringLiteral("Alignment");

constexpr Colour kDefaultBackColor = 0x80000000u | kColorBtnFace;
constexpr Colour kDefaultBorderColor = 0;
constexpr Colour kDefaultForeColor = 0;
constexpr Colour kDefaultGradientStart = 0x00FFFFFFu;
constexpr Colour kDefaultGradientEnd = 0x00D96C00u;
constexpr int kDefaultRoundedCorners = 0;
constexpr qint16 kDefaultTitleHeight = 18;
constexpr int kDefaultAlignment = 2;

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

void Panel::InitProperties() {
    set_BackColor(kDefaultBackColor);
    set_BorderColor(kDefaultBorderColor);
    set_ForeColor(kDefaultForeColor);
    set_TitleGradientStart(kDefaultGradientStart);
    set_TitleGradientEnd(kDefaultGradientEnd);
    set_Font(host_.form_font());
    set_RoundedCorners(kDefaultRoundedCorners);
    set_TitleHeight(kDefaultTitleHeight);
    set_Caption(name_);
    set_Alignment(kDefaultAlignment);
}

void Panel::ReadProperties(const PropertyBag& bag) {
    set_BackColor(static_cast<Colour>(bag.read_int(kBackColor, kDefaultBackColor)));
    set_BorderColor(static_cast<Colour>(bag.read_int(kBorderColor, kDefaultBorderColor)));
    set_ForeColor(static_cast<Colour>(bag.read_int(kForeColor, kDefaultForeColor)));
    set_TitleGradientStart(static_cast<Colour>(bag.read_int(kTitleGradientStart, kDefaultGradientStart)));
    set_TitleGradientEnd(static_cast<Colour>(bag.read_int(kTitleGradientEnd, kDefaultGradientEnd)));
    set_Font(bag.read_font(kFont, host_.form_font()));
    set_RoundedCorners(static_cast<int>(bag.read_int(kRoundedCorners, kDefaultRoundedCorners)));
    set_TitleHeight(static_cast<qint16>(bag.read_int(kTitleHeight, kDefaultTitleHeight)));
    set_Caption(bag.read_string(kCaption, name_));
    set_Alignment(static_cast<int>(bag.read_int(kAlignment, kDefaultAlignment)));
}

void Panel::WriteProperties(PropertyBag& bag) const {
    bag.write(kBackColor, qint64(back_colour_), qint64(kDefaultBackColor));
    bag.write(kBorderColor, qint64(border_colour_), qint64(kDefaultBorderColor));
    bag.write(kForeColor, qint64(fore_colour_), qint64(kDefaultForeColor));
    bag.write(kTitleGradientStart, qint64(gradient_start_), qint64(kDefaultGradientStart));
    bag.write(kTitleGradientEnd, qint64(gradient_end_), qint64(kDefaultGradientEnd));
    bag.write(kFont, font_, host_.form_font());
    bag.write(kRoundedCorners, qint64(rounded_corners_), qint64(kDefaultRoundedCorners));
    bag.write(kTitleHeight, qint64(title_height_), qint64(kDefaultTitleHeight));
    bag.write(kCaption, caption_, name_);
    bag.write(kAlignment, qint64(alignment_), qint64(kDefaultAlignment));
}

// --- Properties -------------------------------------------------------------------

void Panel::changed(const QString& name) {
    // The form's handler of the notice may close the form and the panel with it.
    const QPointer<Panel> alive(this);
    emit PropertyChanged(name);
    if (alive) Redraw();
}

void Panel::set_BackColor(Colour colour) {
    back_colour_ = colour;
    changed(kBackColor);
}

void Panel::set_BorderColor(Colour colour) {
    border_colour_ = colour;
    changed(kBorderColor);
}

void Panel::set_ForeColor(Colour colour) {
    fore_colour_ = colour;
    changed(kForeColor);
}

void Panel::set_TitleGradientStart(Colour colour) {
    gradient_start_ = colour;
    changed(kTitleGradientStart);
}

void Panel::set_TitleGradientEnd(Colour colour) {
    gradient_end_ = colour;
    changed(kTitleGradientEnd);
}

void Panel::set_Font(const QFont& font) {
    // The caption's font only: the widget's own font is left alone, so that the
    // controls placed in the panel keep the fonts their screen gave them.
    font_ = font;
    changed(kFont);
}

void Panel::set_RoundedCorners(int corners) {
    rounded_corners_ = corners;
    changed(kRoundedCorners);
}

void Panel::set_TitleHeight(qint16 height) {
    title_height_ = height;
    changed(kTitleHeight);
}

void Panel::set_Caption(const QString& caption) {
    caption_ = caption;
    changed(kCaption);
}

void Panel::set_Alignment(int alignment) {
    alignment_ = alignment;
    changed(kAlignment);
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
