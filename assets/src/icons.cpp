// The icon family. (Being drawn: for now plain stand-ins.)
#include "icons.h"

#include <QPainter>

namespace tavolora::art {

QImage renderIcon(const storage::icons::IconFile& icon) {
    QImage image(icon.width, icon.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x30, 0x70, 0xc0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(image.rect().adjusted(1, 1, -1, -1));
    return image;
}

}  // namespace tavolora::art
