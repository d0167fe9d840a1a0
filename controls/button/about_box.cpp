#include "controls/button/about_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "controls/button/primitives.h"
#include "controls/platform/exposed.h"
#include "controls/platform/fonts.h"

namespace tavolora::controls {

namespace {

const QString kVersion = QStringLiteral("3.0");

// The box's text lines give their rectangles as left, top, right and height, as
// the "Close" button does.
QRect line_rect(int left, int top, int right, int height) {
    return QRect(left, top, right - left, height);
}

QFont box_font(double points, bool bold = false, bool underline = false) {
    return form_font(QStringLiteral("Verdana"), points, bold, false, underline);
}

}  // namespace

AboutBox::AboutBox(const SystemColours& colours, QWidget* button)
    : QWidget(button), colours_(colours), surface_(kWidth, kHeight) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kWidth, kHeight);
    hide();
}

void AboutBox::show_about(std::uint32_t about_style) {
    const bool shown = isVisible();
    window_style_ = about_style | kTopLevelBits;
    // A window of its own, above the others, with a caption, a sizing border and a
    // minimise box but no close box: a click in the box is the way to close it.
    const Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint;
    if (!isWindow() || windowFlags() != flags) setParent(nullptr, flags);
    setWindowTitle(QStringLiteral("About ThemeButton ") + kVersion);
    paint_all();
    show();
    // Shown again while it is up: it comes to the front.
    if (shown) raise();
}

void AboutBox::paint_all() {
    if (surface_.width() != width() || surface_.height() != height()) surface_.resize(width(), height());
    surface_.set_background(colours_.get(kColorBtnFace));
    const Colour text = colours_.get(kColorBtnText);
    const int format = kDtSingleLine | kDtVCenter | kDtLeft;
    surface_.draw_text(QStringLiteral("ThemeButton"), QRect(QPoint(20, 10), QPoint(219, 39)), format,
                       box_font(18), text);
    surface_.draw_text(QStringLiteral("Version ") + kVersion, line_rect(160, 70, 300, 20), format,
                       box_font(10), text);
    surface_.draw_text(QStringLiteral("By Falcoro"), line_rect(20, 110, 250, 20), format, box_font(10, true),
                       text);
    surface_.draw_text(QStringLiteral("www.falcoro.example"), line_rect(20, 140, 250, 20), format,
                       box_font(10), text);
    paint_close(false);
}

void AboutBox::paint_close(bool pressed) {
    pressed_ = pressed;
    Surface& s = surface_;
    const Colour face = colours_.get(kColorBtnFace);
    const Colour light = colour_clamp(face, 15);
    const Colour dark = colour_clamp(face, -15);
    // Lighter at the top when raised, darker at the top when pressed; the gradient has
    // a length, so it always draws.
    static_cast<void>(gradient_vertical(s, pressed ? dark : light, pressed ? light : dark, kCloseLeft,
                                        kCloseTop, kCloseRight, kCloseHeight));
    // The frame with its cut corners.
    const Colour shadow = colours_.get(kColorBtnShadow);
    const int l = kCloseLeft;
    const int t = kCloseTop;
    const int r = kCloseRight;
    const int b = kCloseTop + kCloseHeight;
    s.line(l + 2, t, r - 2, t, shadow);
    s.line(l + 2, t, l, t + 2, shadow);
    s.line(r - 2, t, r, t + 2, shadow);
    s.line(l, t + 2, l, b - 2, shadow);
    s.line(r, t + 2, r, b, shadow);
    s.line(l, b - 2, l + 2, b, shadow);
    s.line(r, b - 2, r - 3, b + 1, shadow);
    s.line(l + 2, b, r - 2, b, shadow);
    // The corners take the box's own colour again.
    for (const QPoint corner :
         {QPoint(l, t), QPoint(l + 1, t), QPoint(l, t + 1), QPoint(r, t), QPoint(r - 1, t), QPoint(r, t + 1),
          QPoint(l, b), QPoint(l + 1, b), QPoint(l, b - 1), QPoint(r, b), QPoint(r - 1, b), QPoint(r, b - 1)})
        s.set_pixel(corner.x(), corner.y(), face);
    s.draw_text(QStringLiteral("Close"), QRect(l, t, r - l, b - t), kDtSingleLine | kDtVCenter | kDtCenter,
                box_font(8, false, true), rgb(0, 0, 255));
    update();
}

void AboutBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    paint_exposed(p, event->region(), surface_.image());
}

void AboutBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The box is sizable; its surface follows and is drawn anew.
    if (surface_.width() != width() || surface_.height() != height()) paint_all();
}

void AboutBox::mousePressEvent(QMouseEvent*) {
    paint_close(true);
}

void AboutBox::mouseReleaseEvent(QMouseEvent* event) {
    // A left click anywhere in the box hides it. Any other release (another button,
    // or the pointer dragged out of the box) is no click: "Close" stands up again.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        hide();
    else
        paint_close(false);
}

}  // namespace tavolora::controls
