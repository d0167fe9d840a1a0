#include "controls/gradient_container/grad_container.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "controls/gradient_container/gradient_engine.h"
#include "controls/platform/exposed.h"
#include "controls/platform/input_codes.h"
#include "controls/platform/regions.h"
#include "controls/platform/stored_properties.h"

namespace tavolora::controls {

namespace {

// A new container shows its header icon at the picture's own size; a stored one
// without "IconSize" fits it to the band.
constexpr int kNewIconSize = 0;

// What shows through where nothing is painted.
constexpr Colour kSurfaceBackground = rgb(0, 128, 0);

// A caption with line breaks: the width of its widest line and the height of all its
// lines, as the toolkit measures text.
QSizeF caption_extent(const QString& caption, const QFont& font) {
    double width = 0;
    double height = 0;
    for (const QString& line : caption.split(QLatin1Char('\n'))) {
        const QSizeF size = Surface::text_size(line, font);
        width = std::max(width, size.width());
        height += size.height();
    }
    return {width, height};
}

}  // namespace

GradContainer::GradContainer(ControlHost& host, const QString& name, QWidget* parent)
    : QWidget(parent), host_(host), name_(name) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The form follows the pointer over the container, buttons held or not.
    setMouseTracking(true);
    surface_.set_background(kSurfaceBackground);
}

// --- Property store -----------------------------------------------------------

template <class Self, class Row>
void GradContainer::stored_properties(Self& self, Row&& row) {
    // Whole numbers are kept within their member's width; colours keep their bits.
    // clang-format off
    //   names               member                               reading default              writing
    row("HeaderVisible",     self.header_visible_,                true,                        kAsRead);
    row("BackMiddleOut",     self.back_middle_out_,               true,                        kAsRead);
    row("HeaderMiddleOut",   self.header_middle_out_,             true,                        kAsRead);
    row("HeaderAngle",       clamped(self.header_angle_),         180,                         kAsRead);
    row("BackAngle",         clamped(self.back_angle_),           180,                         kAsRead);
    row("BackColor1",        self.back_colour1_,                  Colour{0x00FAE8DCu},         kAsRead);
    row("BackColor2",        self.back_colour2_,                  Colour{0x00FCF4EFu},         kAsRead);
    row("BorderThickness",   clamped(self.border_thickness_),     1,                           kAsRead);
    row("BorderColor",       self.border_colour_,                 Colour{0x00DCC1ADu},         kAsRead);
    row("Caption",           self.caption_,                       QStringLiteral("Gradient Container"), kAsRead);
    row("HeaderColor1",      self.header_colour1_,                Colour{0x00EDC5A7u},         kAsRead);
    row("HeaderColor2",      self.header_colour2_,                Colour{0x00F7E0D3u},         kAsRead);
    row("IconSize",          clamped(self.icon_size_),            1,                           kAsRead);
    row("CaptionColor",      self.caption_colour_,                Colour{0x007B2D02u},         kAsRead);
    row("HeaderHeight",      clamped(self.header_height_),        25,                          kAsRead);
    // The store holds no "no font": a container without one stores nothing, and
    // reads back the form's font.
    row("CaptionFont",       self.caption_font_,                  self.host_.form_font(),      kAsRead);
    row("CaptionAlignment",  clamped(self.caption_alignment_),    0,                           kAsRead);
    row("HeaderIcon",        self.header_icon_,                   QImage(),                    kAsRead);
    row("Curvature",         clamped(self.curvature_),            10,                          kAsRead);
    row("Enabled",           self.enabled_,                       false,                       kAsRead);
    row("Transparent",       self.transparent_,                   false,                       kAsRead);
    row("ScaleLeft",         self.scale_left_,                    0.0F,                        kAsRead);
    row("ScaleTop",          self.scale_top_,                     0.0F,                        kAsRead);
    // clang-format on
}

// Every property at the value a stored container without it takes, but the icon's
// size; no notices and no repaint.
void GradContainer::InitProperties() {
    ReadProperties(PropertyBag());
    icon_size_ = kNewIconSize;
}

void GradContainer::ReadProperties(const PropertyBag& bag) { stored_properties(*this, StoreReader{bag}); }

void GradContainer::WriteProperties(PropertyBag& bag) const { stored_properties(*this, StoreWriter{bag}); }

void GradContainer::notice(const void* member) {
    const PropertyNames names = names_of(member, [this](auto&& row) { stored_properties(*this, row); });
    emit PropertyChanged(QLatin1String(names.notice));
}

// --- Properties ---------------------------------------------------------------

void GradContainer::set_HeaderVisible(bool visible) {
    header_visible_ = visible;
    notice(&header_visible_);
    RedrawAll();
}

void GradContainer::set_BackMiddleOut(bool middle_out) {
    back_middle_out_ = middle_out;
    notice(&back_middle_out_);
    RedrawAll();
}

void GradContainer::set_HeaderMiddleOut(bool middle_out) {
    header_middle_out_ = middle_out;
    notice(&header_middle_out_);
    RedrawAll();
}

void GradContainer::set_HeaderAngle(int angle) {
    header_angle_ = angle;
    notice(&header_angle_);
    RedrawAll();
}

void GradContainer::set_BackAngle(int angle) {
    back_angle_ = static_cast<qint16>(std::clamp(angle, 0, 360));
    notice(&back_angle_);
    RedrawAll();
}

void GradContainer::set_BackColor1(Colour colour) {
    back_colour1_ = colour;
    notice(&back_colour1_);
    RedrawAll();
}

void GradContainer::set_BackColor2(Colour colour) {
    back_colour2_ = colour;
    notice(&back_colour2_);
    RedrawAll();
}

void GradContainer::set_BorderThickness(qint16 thickness) {
    border_thickness_ = thickness;
    notice(&border_thickness_);
    RedrawAll();
}

void GradContainer::set_BorderColor(Colour colour) {
    border_colour_ = colour;
    notice(&border_colour_);
    RedrawAll();
}

void GradContainer::set_Caption(const QString& caption) {
    caption_ = caption;
    notice(&caption_);
    RedrawAll();
}

void GradContainer::set_HeaderColor1(Colour colour) {
    header_colour1_ = colour;
    notice(&header_colour1_);
    RedrawAll();
}

void GradContainer::set_HeaderColor2(Colour colour) {
    header_colour2_ = colour;
    notice(&header_colour2_);
    RedrawAll();
}

void GradContainer::set_IconSize(int size) {
    icon_size_ = size;
    notice(&icon_size_);
    RedrawAll();
}

void GradContainer::set_CaptionColor(Colour colour) {
    caption_colour_ = colour;
    notice(&caption_colour_);
    RedrawAll();
}

void GradContainer::set_HeaderHeight(int height) {
    header_height_ = height;
    notice(&header_height_);
    RedrawAll();
}

void GradContainer::set_CaptionFont(const std::optional<QFont>& font) {
    caption_font_ = font;
    notice(&caption_font_);
    RedrawAll();
}

void GradContainer::set_CaptionAlignment(int alignment) {
    caption_alignment_ = alignment;
    notice(&caption_alignment_);
    RedrawAll();
}

void GradContainer::set_HeaderIcon(const QImage& icon) {
    header_icon_ = icon;
    notice(&header_icon_);
    RedrawAll();
}

void GradContainer::set_Curvature(int curvature) {
    curvature_ = curvature;
    notice(&curvature_);
    RedrawAll();
}

// Only kept: the controls inside stay as they are, enabled or not.
void GradContainer::set_Enabled(bool enabled) {
    enabled_ = enabled;
    notice(&enabled_);
}

void GradContainer::set_Transparent(bool transparent) {
    transparent_ = transparent;
    notice(&transparent_);
    if (transparent) {
        // The form's picture goes over what the surface shows, without a clear.
        fit_surface();
        CopyParentBackground();
    } else {
        RedrawAll();
    }
    repaint();
}

void GradContainer::set_ScaleLeft(float value) {
    scale_left_ = value;
    notice(&scale_left_);
}

void GradContainer::set_ScaleTop(float value) {
    scale_top_ = value;
    notice(&scale_top_);
}

// --- Painting -----------------------------------------------------------------

void GradContainer::fit_surface() {
    if (surface_.width() != width() || surface_.height() != height()) surface_.resize(width(), height());
}

void GradContainer::RedrawAll() {
    fit_surface();
    surface_.clear();
    if (transparent_) {
        // The window keeps the outline of the last plain repaint.
        CopyParentBackground();
    } else {
        DrawBackground();
        if (header_visible_) DrawHeader();
        DrawShapeBorder();
    }
    update();
}

void GradContainer::DrawBackground() {
    // A body of no length stays in the surface's own background colour.
    draw_gradient(surface_, surface_.width(), surface_.height(), TranslateColor(back_colour2_),
                  TranslateColor(back_colour1_), static_cast<float>(back_angle_), back_middle_out_);
}

void GradContainer::DrawHeader() {
    if (!caption_font_) return;
    const QFont& font = *caption_font_;
    const int w = surface_.width();

    // The band is the gradient itself. A band of no length (a header one pixel high
    // with level lines, a container one pixel wide with upright ones) shows no band;
    // the caption and the icon are painted all the same.
    draw_gradient(surface_, w, header_height_, TranslateColor(header_colour2_),
                  TranslateColor(header_colour1_), static_cast<float>(header_angle_), header_middle_out_);

    // The caption's place, measured in single precision as the toolkit measures text.
    QString caption = caption_;
    caption.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QSizeF extent = caption_extent(caption, font);
    const double text_height = static_cast<float>(extent.height());
    const double text_width = static_cast<float>(extent.width());
    const double a_width = static_cast<float>(Surface::text_size(QStringLiteral("A"), font).width());
    const double w_f = static_cast<float>(w);
    const bool has_icon = PictureIsValid(header_icon_);

    int x = 0;
    if (caption_alignment_ == 2)
        x = round_even((w_f - text_width) / 2);
    else if (caption_alignment_ == 0)
        x = has_icon ? round_even(a_width + header_height_) : round_even(a_width);
    else
        x = round_even(w_f - text_width - round_even(a_width));
    const int y = round_even((header_height_ - text_height) / 2);
    surface_.draw_text(caption, QRect(x, y, round_even(text_width), round_even(text_height)),
                       kDtLeft | kDtTop, font, TranslateColor(caption_colour_));

    // The icon last, over the caption where they meet.
    if (!has_icon) return;
    const int icon_x = border_thickness_ + 3;
    const int icon_y = 2;
    if (icon_size_ == 0) {
        surface_.draw_picture(header_icon_,
                              QRect(icon_x, icon_y, header_icon_.width(), header_icon_.height()));
        return;
    }
    // Fitted to the band; a band too low to hold it shows no icon.
    const int fitted_width = header_height_ - 2;
    const int fitted_height = header_height_ - 3;
    if (fitted_width <= 0 || fitted_height <= 0) return;
    const QImage fitted =
        header_icon_.scaled(fitted_width, fitted_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    surface_.draw_picture(fitted, QRect(icon_x, icon_y, fitted_width, fitted_height));
}

bool GradContainer::PictureIsValid(const QImage& picture) {
    return !picture.isNull() && picture.width() != 0 && picture.height() != 0;
}

void GradContainer::DrawShapeBorder() {
    const int w = surface_.width();
    const int h = surface_.height();
    const int t = border_thickness_;
    const QRegion outer = round_rect_region(0, 0, w, h, curvature_, curvature_);
    const QRegion inner = round_rect_region(t, t, w - t, h - t, curvature_, curvature_);
    // The ring between the outline and the same outline inset by the thickness.
    surface_.fill_region(outer.xored(inner), TranslateColor(border_colour_));
    apply_outline(outer);
}

void GradContainer::apply_outline(const QRegion& outer) {
    // Giving the window its outline makes it repaint: it is given only when the
    // outline changes, never again for the same size and curvature.
    if (outline_size_ == size() && outline_curvature_ == curvature_) return;
    outline_ = outer;
    outline_size_ = size();
    outline_curvature_ = curvature_;
    // An outline with no pixels shows none of the window; an empty mask would
    // show all of it, so the mask is then a pixel outside the window.
    setMask(outer.isEmpty() ? QRegion(-1, -1, 1, 1) : outer);
    ++outlines_applied_;
}

void GradContainer::CopyParentBackground() {
    // Without a form to copy from (the container sits in another control, or the
    // host cannot give the form's surface) the surface keeps what it holds.
    if (!host_.form_surface) return;
    const QImage form = host_.form_surface(this);
    if (form.isNull()) return;
    // The form's whole surface; the piece behind the container starts at its place
    // on the form, in pixels.
    surface_.copy_from(form, pos());
}

// --- Notifications --------------------------------------------------------------

void GradContainer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RedrawAll();
}

void GradContainer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    RedrawAll();
}

// Shows the kept picture; painting happens only in the notifications and setters.
void GradContainer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paint_exposed(painter, event->region(), surface_.image());
}

void GradContainer::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseMove(mouse_button_code(event->buttons()), shift_code(event->modifiers()),
                   static_cast<float>(at.x()), static_cast<float>(at.y()));
}

}  // namespace tavolora::controls
