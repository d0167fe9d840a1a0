// The parts of the modern deck shared by its faces, its suit signs and its
// court figures: the suit colours, the flat signs and the figure portraits.
//
// Everything is drawn in card pixels (72 x 120), flat, without ink outlines.
#pragma once

#include "cardfaces.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace tavolora::art::moderne {

// The four tones of one suit: each suit is told by its colour alone.
struct Tones {
    QColor main;   // the sign itself
    QColor dark;   // numerals, rims, shadows
    QColor light;  // highlights and second parts of a sign
    QColor pale;   // the panel behind the figures and the aces' disc
};

Tones tonesFor(Suit suit);

namespace neutral {
inline const QColor paper{0xff, 0xff, 0xff};
inline const QColor edge{0x5b, 0x61, 0x6a};
inline const QColor rim{0xc9, 0xcd, 0xd3};
// Behind the back's rounded corners: a soft grey, so that the side of a stack of
// backs shows the light edges of its cards, not a dark line at each corner.
inline const QColor backCorner{0xb4, 0xb9, 0xc0};
inline const QColor ink{0x26, 0x29, 0x30};
inline const QColor skin{0xf3, 0xc6, 0x9f};
inline const QColor skinShade{0xdc, 0xa6, 0x7e};
inline const QColor cheek{0xf0, 0x9a, 0x86};
inline const QColor lips{0xb4, 0x3a, 0x3a};
inline const QColor hair{0x5a, 0x3a, 0x24};
inline const QColor grey{0xd9, 0xdc, 0xe1};
inline const QColor greyShade{0xb3, 0xb8, 0xc0};
inline const QColor gold{0xf2, 0xb7, 0x22};
inline const QColor goldShade{0xc8, 0x8a, 0x06};
inline const QColor horse{0xfa, 0xf7, 0xf2};
inline const QColor horseShade{0xd8, 0xd2, 0xca};
inline const QColor mane{0x57, 0x5c, 0x66};
}  // namespace neutral

// Whether a sign is long and thin (baton, sword) or compact (cup, coin).
inline bool isLong(Suit suit) {
    return suit == Suit::Bastoni || suit == Suit::Spade;
}

// Draws a suit sign standing upright around `centre`, `height` pixels tall
// (a coin's diameter). Small signs leave out the inner details that would
// only blur at their size.
void drawSign(QPainter& p, Suit suit, QPointF centre, qreal height);
// The same, turned clockwise by `angle` degrees and painted in `tones`.
void drawSign(QPainter& p, Suit suit, QPointF centre, qreal height, qreal angle, const Tones& tones);

// Where a hand holds a sign of that height drawn around `centre`.
QPointF signGrip(Suit suit, QPointF centre, qreal height);

// The court figures on their panel. The panel has already been filled; they
// draw inside the card's inner area and leave the corner tabs to the caller.
void drawFante(QPainter& p, Suit suit);
void drawCavallo(QPainter& p, Suit suit);
void drawRe(QPainter& p, Suit suit);

// Path helpers.
QPainterPath circle(QPointF centre, qreal r);
QPainterPath oval(QPointF centre, qreal rx, qreal ry);
void fill(QPainter& p, const QPainterPath& path, const QColor& colour);

}  // namespace tavolora::art::moderne
