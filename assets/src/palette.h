// Colours and pens shared by every card picture.
#pragma once

#include <QColor>
#include <QPen>

namespace tavolora::art {

namespace colour {
inline const QColor ink{0x22, 0x1b, 0x17};
inline const QColor cardFace{0xfb, 0xf6, 0xe8};
inline const QColor cardEdge{0x3a, 0x34, 0x30};
inline const QColor frame{0x9a, 0x2e, 0x24};

inline const QColor red{0xc8, 0x30, 0x2a};
inline const QColor darkRed{0x8c, 0x1e, 0x22};
inline const QColor blue{0x2c, 0x5a, 0xa6};
inline const QColor darkBlue{0x1d, 0x36, 0x6e};
inline const QColor gold{0xe9, 0xb4, 0x38};
inline const QColor lightGold{0xf7, 0xd9, 0x70};
inline const QColor darkGold{0x9a, 0x66, 0x12};
inline const QColor green{0x3c, 0x8c, 0x3a};
inline const QColor darkGreen{0x24, 0x5c, 0x22};
inline const QColor white{0xff, 0xfd, 0xf7};

inline const QColor skin{0xf4, 0xcf, 0xa8};
inline const QColor hair{0x6b, 0x42, 0x22};
inline const QColor greyHair{0xd8, 0xd2, 0xc8};

inline const QColor bark{0x8a, 0x58, 0x2c};
inline const QColor darkBark{0x4e, 0x30, 0x16};
inline const QColor lightBark{0xa8, 0x74, 0x42};
inline const QColor woodCut{0xea, 0xc6, 0x8e};

inline const QColor steel{0xa9, 0xc4, 0xe0};
inline const QColor darkSteel{0x4e, 0x70, 0x98};

inline const QColor horse{0xf1, 0xec, 0xe2};
inline const QColor horseShade{0xc9, 0xc1, 0xb4};
inline const QColor mane{0x4a, 0x34, 0x26};

inline const QColor backField{0x2a, 0x4f, 0x8e};
// The back's thin edge round its cream margin: soft, so that the side of a stack of
// backs shows the light edges of its cards.
inline const QColor backEdge{0xcf, 0xc4, 0xae};
inline const QColor backLattice{0xd9, 0xb8, 0x5c};
}  // namespace colour

// Outline pen whose width is given in device pixels, whatever the painter's scale.
inline QPen outline(qreal widthPx = 1.0, const QColor& c = colour::ink) {
    QPen pen(c, widthPx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

}  // namespace tavolora::art
