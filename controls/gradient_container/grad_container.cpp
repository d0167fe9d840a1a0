#include "controls/gradient_container/grad_container.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/gradient_container/gradient_engine.h"
#include "controls/platform/exposed.h"
#include "controls/platform/input_codes.h"
#include "controls/platform/regions.h"

namespace tavolora::controls {

namespace {

// The values of a container just placed on a form.
constexpr bool kHeaderVisible = true;
constexpr bool kBackMiddleOut = true;
constexpr bool kHeaderMiddleOut = true;
constexpr int kHeaderAngle = 180;
constexpr qint16 kBackAngle = 180;
constexpr Colour kBackColor1 = 0x00FAE8DCu;
constexpr Colour kBackColor2 = 0x00FCF4EFu;
constexpr qint16 kBorderThickness = 1;
constexpr Colour kBorderColor = 0x00DCC1ADu;
constexpr Colour kHeaderColor1 = 0x00EDC5A7u;
constexpr Colour kHeaderColor2 = 0x00F7E0D3u;
constexpr int kIconSize = 0;
// A stored container without "IconSize" fits its icon to the band.
constexpr int kStoredIconSize = 1;
constexpr Colour kCaptionColor = 0x007B2D02u;
constexpr int kHeaderHeight = 25;
constexpr int kCaptionAlignment = 0;
constexpr int kCurvature = 10;
constexpr bool kEnabled = false;
constexpr bool kTransparent = false;
constexpr float kScaleLeft = 0;
constexpr float kScaleTop = 0;

QString default_caption() {
    return QStringLiteral("Gradient Container");
}

// What shows through where nothing is painted.
constexpr Colour kSurfaceBackground = rgb(0, 128, 0);

// Stored whole numbers kept within the width of the property they belong to.
int to_int32(qint64 value) {
    return static_cast<int>(
        std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
qint16 to_int16(qint64 value) {
    return static_cast<qint16>(
        std::clamp<qint64>(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

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

void GradContainer::InitProperties() {
    header_visible_ = kHeaderVisible;
    back_middle_out_ = kBackMiddleOut;
    header_middle_out_ = kHeaderMiddleOut;
    header_angle_ = kHeaderAngle;
    back_angle_ = kBackAngle;
    back_colour1_ = kBackColor1;
    back_colour2_ = kBackColor2;
    border_thickness_ = kBorderThickness;
    border_colour_ = kBorderColor;
    caption_ = default_caption();
    header_colour1_ = kHeaderColor1;
    header_colour2_ = kHeaderColor2;
    icon_size_ = kIconSize;
    caption_colour_ = kCaptionColor;
    header_height_ = kHeaderHeight;
    caption_font_ = host_.form_font();
    caption_alignment_ = kCaptionAlignment;
    header_icon_ = QImage();
    curvature_ = kCurvature;
    enabled_ = kEnabled;
    transparent_ = kTransparent;
    scale_left_ = kScaleLeft;
    scale_top_ = kScaleTop;
}

void GradContainer::ReadProperties(const PropertyBag& bag) {
    const auto colour = [&](const char* name, Colour fallback) {
        return static_cast<Colour>(bag.read_int(QLatin1String(name), fallback));
    };
    header_icon_ = bag.read_picture(QStringLiteral("HeaderIcon"), QImage());
    caption_font_ = bag.read_font(QStringLiteral("CaptionFont"), host_.form_font());
    icon_size_ = to_int32(bag.read_int(QStringLiteral("IconSize"), kStoredIconSize));
    header_angle_ = to_int32(bag.read_int(QStringLiteral("HeaderAngle"), kHeaderAngle));
    back_angle_ = to_int16(bag.read_int(QStringLiteral("BackAngle"), kBackAngle));
    header_colour2_ = colour("HeaderColor2", kHeaderColor2);
    header_colour1_ = colour("HeaderColor1", kHeaderColor1);
    back_colour2_ = colour("BackColor2", kBackColor2);
    back_colour1_ = colour("BackColor1", kBackColor1);
    border_colour_ = colour("BorderColor", kBorderColor);
    caption_colour_ = colour("CaptionColor", kCaptionColor);
    caption_ = bag.read_string(QStringLiteral("Caption"), default_caption());
    curvature_ = to_int32(bag.read_int(QStringLiteral("Curvature"), kCurvature));
    caption_alignment_ = to_int32(bag.read_int(QStringLiteral("CaptionAlignment"), kCaptionAlignment));
    header_height_ = to_int32(bag.read_int(QStringLiteral("HeaderHeight"), kHeaderHeight));
    enabled_ = bag.read_bool(QStringLiteral("Enabled"), kEnabled);
    border_thickness_ = to_int16(bag.read_int(QStringLiteral("BorderThickness"), kBorderThickness));
    back_middle_out_ = bag.read_bool(QStringLiteral("BackMiddleOut"), kBackMiddleOut);
    header_middle_out_ = bag.read_bool(QStringLiteral("HeaderMiddleOut"), kHeaderMiddleOut);
    header_visible_ = bag.read_bool(QStringLiteral("HeaderVisible"), kHeaderVisible);
    transparent_ = bag.read_bool(QStringLiteral("Transparent"), kTransparent);
    scale_left_ = static_cast<float>(bag.read_float(QStringLiteral("ScaleLeft"), kScaleLeft));
    scale_top_ = static_cast<float>(bag.read_float(QStringLiteral("ScaleTop"), kScaleTop));
}

void GradContainer::WriteProperties(PropertyBag& bag) const {
    const auto number = [&](const char* name, qint64 value, qint64 fallback) {
        bag.write(QLatin1String(name), value, fallback);
    };
    number("HeaderAngle", header_angle_, kHeaderAngle);
    number("BackAngle", back_angle_, kBackAngle);
    number("IconSize", icon_size_, kStoredIconSize);
    number("HeaderColor2", header_colour2_, kHeaderColor2);
    number("HeaderColor1", header_colour1_, kHeaderColor1);
    number("BackColor2", back_colour2_, kBackColor2);
    number("BackColor1", back_colour1_, kBackColor1);
    number("BorderColor", border_colour_, kBorderColor);
    number("CaptionColor", caption_colour_, kCaptionColor);
    bag.write(QStringLiteral("Caption"), caption_, default_caption());
    number("CaptionAlignment", caption_alignment_, kCaptionAlignment);
    number("HeaderHeight", header_height_, kHeaderHeight);
    // The store holds no "no font": a container without one stores nothing, and
    // reads back the form's font.
    bag.write(QStringLiteral("CaptionFont"), caption_font_.value_or(host_.form_font()), host_.form_font());
    number("Curvature", curvature_, kCurvature);
    bag.write(QStringLiteral("HeaderIcon"), header_icon_, QImage());
    bag.write(QStringLiteral("Enabled"), enabled_, kEnabled);
    number("BorderThickness", border_thickness_, kBorderThickness);
    bag.write(QStringLiteral("BackMiddleOut"), back_middle_out_, kBackMiddleOut);
    bag.write(QStringLiteral("HeaderMiddleOut"), header_middle_out_, kHeaderMiddleOut);
    bag.write(QStringLiteral("HeaderVisible"), header_visible_, kHeaderVisible);
    bag.write(QStringLiteral("Transparent"), transparent_, kTransparent);
    bag.write(QStringLiteral("ScaleLeft"), static_cast<double>(scale_left_), static_cast<double>(kScaleLeft));
    bag.write(QStringLiteral("ScaleTop"), static_cast<double>(scale_top_), static_cast<double>(kScaleTop));
}

// --- Properties ---------------------------------------------------------------

void GradContainer::set_HeaderVisible(bool visible) {
    header_visible_ = visible;
    notice(QStringLiteral("HeaderVisible"));
    RedrawAll();
}

void GradContainer::set_BackMiddleOut(bool middle_out) {
    back_middle_out_ = middle_out;
    notice(QStringLiteral("BackMiddleOut"));
    RedrawAll();
}

void GradContainer::set_HeaderMiddleOut(bool middle_out) {
    header_middle_out_ = middle_out;
    notice(QStringLiteral("HeaderMiddleOut"));
    RedrawAll();
}

void GradContainer::set_HeaderAngle(int angle) {
    header_angle_ = angle;
    notice(QStringLiteral("HeaderAngle"));
    RedrawAll();
}

void GradContainer::set_BackAngle(int angle) {
    back_angle_ = static_cast<qint16>(std::clamp(angle, 0, 360));
    notice(QStringLiteral("BackAngle"));
    RedrawAll();
}

void GradContainer::set_BackColor1(Colour colour) {
    back_colour1_ = colour;
    notice(QStringLiteral("BackColor1"));
    RedrawAll();
}

void GradContainer::set_BackColor2(Colour colour) {
    back_colour2_ = colour;
    notice(QStringLiteral("BackColor2"));
    RedrawAll();
}

void GradContainer::set_BorderThickness(qint16 thickness) {
    border_thickness_ = thickness;
    notice(QStringLiteral("BorderThickness"));
    RedrawAll();
}

void GradContainer::set_BorderColor(Colour colour) {
    border_colour_ = colour;
    notice(QStringLiteral("BorderColor"));
    RedrawAll();
}

void GradContainer::set_Caption(const QString& caption) {
    caption_ = caption;
    notice(QStringLiteral("Caption"));
    RedrawAll();
}

void GradContainer::set_HeaderColor1(Colour colour) {
    header_colour1_ = colour;
    notice(QStringLiteral("HeaderColor1"));
    RedrawAll();
}

void GradContainer::set_HeaderColor2(Colour colour) {
    header_colour2_ = colour;
    notice(QStringLiteral("HeaderColor2"));
    RedrawAll();
}

void GradContainer::set_IconSize(int size) {
    icon_size_ = size;
    notice(QStringLiteral("IconSize"));
    RedrawAll();
}

void GradContainer::set_CaptionColor(Colour colour) {
    caption_colour_ = colour;
    notice(QStringLiteral("CaptionColor"));
    RedrawAll();
}

void GradContainer::set_HeaderHeight(int height) {
    header_height_ = height;
    notice(QStringLiteral("HeaderHeight"));
    RedrawAll();
}

void GradContainer::set_CaptionFont(const std::optional<QFont>& font) {
    caption_font_ = font;
    notice(QStringLiteral("CaptionFont"));
    RedrawAll();
}

void GradContainer::set_CaptionAlignment(int alignment) {
    caption_alignment_ = alignment;
    notice(QStringLiteral("CaptionAlignment"));
    RedrawAll();
}

void GradContainer::set_HeaderIcon(const QImage& icon) {
    header_icon_ = icon;
    notice(QStringLiteral("HeaderIcon"));
    RedrawAll();
}

void GradContainer::set_Curvature(int curvature) {
    curvature_ = curvature;
    notice(QStringLiteral("Curvature"));
    RedrawAll();
}

// Only kept: the controls inside stay as they are, enabled or not.
void GradContainer::set_Enabled(bool enabled) {
    enabled_ = enabled;
    notice(QStringLiteral("Enabled"));
}

void GradContainer::set_Transparent(bool transparent) {
    transparent_ = transparent;
    notice(QStringLiteral("Transparent"));
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
    notice(QStringLiteral("ScaleLeft"));
}

void GradContainer::set_ScaleTop(float value) {
    scale_top_ = value;
    notice(QStringLiteral("ScaleTop"));
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
