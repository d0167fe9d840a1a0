// The southern deck's court cards, drawn in card pixel coordinates (72 x 120),
// each figure standing in an arched panel tinted for its suit.
#pragma once

#include "suitsigns.h"

class QPainter;

namespace tavolora::art::meridione {

void drawFante(QPainter& p, Suit suit);    // a page standing in a short cape
void drawCavallo(QPainter& p, Suit suit);  // a rider on a horse stepping to the right
void drawRe(QPainter& p, Suit suit);       // a crowned king seated on his throne

}  // namespace tavolora::art::meridione
