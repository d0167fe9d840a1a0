// The southern deck. (Being drawn: for now a plain stand-in.)
#include "decks.h"

#include <QPainter>

namespace tavolora::art::meridione {

QImage renderFace(Suit suit, int value) {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(QColor(0xff, 0xff, 0xf4));
    QPainter p(&image);
    p.drawRect(0, 0, kCardWidth - 1, kCardHeight - 1);
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("%1/%2").arg(int(suit)).arg(value));
    return image;
}

QImage renderBack(BackStyle style) {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(style == BackStyle::Resting ? QColor(0xa0, 0x20, 0x20) : QColor(0x20, 0x20, 0xa0));
    return image;
}

}  // namespace tavolora::art::meridione
