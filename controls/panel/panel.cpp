// A stand-in until the panel is painted: a flat background with its caption.
#include "controls/panel/panel.h"

#include <QPainter>

namespace tavolora::controls {

Panel::Panel(ControlHost& host, const QString& name, QWidget* parent)
    : QWidget(parent), host_(host), name_(name), font_(host.form_font()), caption_(name) {
    setObjectName(name);
}

void Panel::InitProperties() { Redraw(); }
void Panel::ReadProperties(const PropertyBag& bag) {
    caption_ = bag.read_string(QStringLiteral("Caption"), name_);
    Redraw();
}
void Panel::WriteProperties(PropertyBag&) const {}
void Panel::set_BackColor(Colour colour) { back_colour_ = colour; Redraw(); }
void Panel::set_BorderColor(Colour colour) { border_colour_ = colour; Redraw(); }
void Panel::set_ForeColor(Colour colour) { fore_colour_ = colour; Redraw(); }
void Panel::set_TitleGradientStart(Colour colour) { gradient_start_ = colour; Redraw(); }
void Panel::set_TitleGradientEnd(Colour colour) { gradient_end_ = colour; Redraw(); }
void Panel::set_Font(const QFont& font) { font_ = font; Redraw(); }
void Panel::set_RoundedCorners(int corners) { rounded_corners_ = corners; Redraw(); }
void Panel::set_TitleHeight(qint16 height) { title_height_ = height; Redraw(); }
void Panel::set_Caption(const QString& caption) { caption_ = caption; Redraw(); }
void Panel::set_Alignment(int alignment) { alignment_ = alignment; Redraw(); }

void Panel::Redraw() {
    if (surface_.width() != width() || surface_.height() != height()) surface_.resize(width(), height());
    surface_.set_background(host_.colours().translate(back_colour_));
    surface_.print_text(5, 2, caption_, font_, 0);
    update();
}

void Panel::resizeEvent(QResizeEvent*) { Redraw(); }
void Panel::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, surface_.image()); }
void Panel::mousePressEvent(QMouseEvent*) {}
void Panel::mouseMoveEvent(QMouseEvent*) {}
void Panel::mouseReleaseEvent(QMouseEvent*) {}
void Panel::mouseDoubleClickEvent(QMouseEvent*) {}
void Panel::keyPressEvent(QKeyEvent*) {}
void Panel::keyReleaseEvent(QKeyEvent*) {}

}  // namespace tavolora::controls
