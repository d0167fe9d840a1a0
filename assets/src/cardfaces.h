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

enum class BackStyle {
    Resting,  // a covered card lying still in a hand, a pile or the stock: upright
    Lifted,   // the same card flying, stacked or held by a side seat: laid on its side
};

// `value` runs from 1 (Asso) to 10 (Re).
QImage renderFace(Suit suit, int value);
// Resting: kCardWidth x kCardHeight; Lifted: laid on its side, kCardHeight x kCardWidth.
QImage renderBack(BackStyle style);

// An upright card picture turned a quarter clockwise, pixel for pixel: the lifted
// back is the still back's design laid on its side, never the picture squeezed.
QImage laidOnSide(const QImage& upright);

}  // namespace tavolora::art
