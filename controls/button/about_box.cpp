#include "controls/button/about_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavolora::controls {

AboutBox::AboutBox(const SystemColours& colours, QWidget* button)
    : QWidget(button), colours_(colours), surface_(kWidth, kHeight) {
    resize(kWidth, kHeight);
    hide();
}

void AboutBox::show_about(std::uint32_t about_style) {
    window_style_ = about_style | 0x00C60000u;
    setParent(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("About ThemeButton ") + QStringLiteral("3.0"));
    paint_all();
    show();
}

void AboutBox::paint_all() { surface_.set_background(colours_.get(kColorBtnFace)); paint_close(false); }

void AboutBox::paint_close(bool pressed) {
    pressed_ = pressed;
    update();
}

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
}

void AboutBox::mousePressEvent(QMouseEvent*) { paint_close(true); }

void AboutBox::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) hide();
}

}  // namespace tavolora::controls
