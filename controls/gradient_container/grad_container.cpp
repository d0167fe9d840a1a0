// A stand-in until the container is painted: its body in its second colour.
#include "controls/gradient_container/grad_container.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavolora::controls {

GradContainer::GradContainer(ControlHost& host, const QString& name, QWidget* parent)
    : QWidget(parent), host_(host), name_(name) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.set_background(rgb(0, 128, 0));
}

void GradContainer::InitProperties() { caption_font_ = host_.form_font(); }
void GradContainer::ReadProperties(const PropertyBag& bag) {
    caption_ = bag.read_string(QStringLiteral("Caption"), QStringLiteral("Gradient Container"));
    back_colour1_ = static_cast<Colour>(bag.read_int(QStringLiteral("BackColor1"), 0x00FAE8DC));
    back_colour2_ = static_cast<Colour>(bag.read_int(QStringLiteral("BackColor2"), 0x00FCF4EF));
    caption_font_ = bag.read_font(QStringLiteral("CaptionFont"), host_.form_font());
}
void GradContainer::WriteProperties(PropertyBag&) const {}
void GradContainer::set_HeaderVisible(bool v) { header_visible_ = v; RedrawAll(); }
void GradContainer::set_BackMiddleOut(bool v) { back_middle_out_ = v; RedrawAll(); }
void GradContainer::set_HeaderMiddleOut(bool v) { header_middle_out_ = v; RedrawAll(); }
void GradContainer::set_HeaderAngle(int v) { header_angle_ = v; RedrawAll(); }
void GradContainer::set_BackAngle(int v) { back_angle_ = static_cast<qint16>(std::clamp(v, 0, 360)); RedrawAll(); }
void GradContainer::set_BackColor1(Colour v) { back_colour1_ = v; RedrawAll(); }
void GradContainer::set_BackColor2(Colour v) { back_colour2_ = v; RedrawAll(); }
void GradContainer::set_BorderThickness(qint16 v) { border_thickness_ = v; RedrawAll(); }
void GradContainer::set_BorderColor(Colour v) { border_colour_ = v; RedrawAll(); }
void GradContainer::set_Caption(const QString& v) { caption_ = v; RedrawAll(); }
void GradContainer::set_HeaderColor1(Colour v) { header_colour1_ = v; RedrawAll(); }
void GradContainer::set_HeaderColor2(Colour v) { header_colour2_ = v; RedrawAll(); }
void GradContainer::set_IconSize(int v) { icon_size_ = v; RedrawAll(); }
void GradContainer::set_CaptionColor(Colour v) { caption_colour_ = v; RedrawAll(); }
void GradContainer::set_HeaderHeight(int v) { header_height_ = v; RedrawAll(); }
void GradContainer::set_CaptionFont(const std::optional<QFont>& v) { caption_font_ = v; RedrawAll(); }
void GradContainer::set_CaptionAlignment(int v) { caption_alignment_ = v; RedrawAll(); }
void GradContainer::set_HeaderIcon(const QImage& v) { header_icon_ = v; RedrawAll(); }
void GradContainer::set_Curvature(int v) { curvature_ = v; RedrawAll(); }
void GradContainer::set_Enabled(bool v) { enabled_ = v; }
void GradContainer::set_Transparent(bool v) { transparent_ = v; RedrawAll(); }
void GradContainer::set_ScaleLeft(float v) { scale_left_ = v; }
void GradContainer::set_ScaleTop(float v) { scale_top_ = v; }

void GradContainer::RedrawAll() {
    if (surface_.width() != width() || surface_.height() != height()) surface_.resize(width(), height());
    surface_.fill_rect(0, 0, width(), height(), host_.colours().translate(back_colour2_));
    update();
}

void GradContainer::resizeEvent(QResizeEvent*) { RedrawAll(); }
void GradContainer::showEvent(QShowEvent*) { RedrawAll(); }
void GradContainer::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, surface_.image()); }
void GradContainer::mouseMoveEvent(QMouseEvent*) {}

bool draw_gradient(Surface&, int, int, Colour, Colour, float, bool) { return false; }

}  // namespace tavolora::controls
