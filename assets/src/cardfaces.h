// Whole card pictures: faces of the 40-card Italian deck and the card back.
#pragma once

#include "suitsigns.h"

#include <QImage>

namespace tavolora::art {

inline constexpr int kCardWidth = 72;
inline constexpr int kCardHeight = 120;
inline constexpr int kFante = 8;
inline constexpr int kCavallo = 9;
inline constexpr int kRe = 10;

// `value` runs from 1 (Asso) to 10 (Re).
QImage renderFace(Suit suit, int value);
// The back of a card, upright: kCardWidth x kCardHeight.
QImage renderBack();

// An upright card picture turned a quarter clockwise, pixel for pixel: the flying
// back is the still back laid on its side, never squeezed nor recoloured, so that
// the cards that fly, lie stacked and lie still all come from one deck.
QImage laidOnSide(const QImage& upright);

}  // namespace tavolora::art
