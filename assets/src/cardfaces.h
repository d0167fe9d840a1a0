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
    Resting,  // a covered card lying still in a hand, a pile or the stock
    Lifted,   // the same card while it is moving or stacked on others
};

// `value` runs from 1 (Asso) to 10 (Re).
QImage renderFace(Suit suit, int value);
QImage renderBack(BackStyle style);

}  // namespace tavolora::art
