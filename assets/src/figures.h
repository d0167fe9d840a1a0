// The three court cards, drawn in card pixel coordinates (72 x 120).
#pragma once

#include "suitsigns.h"

class QPainter;

namespace tavolora::art {

void drawFante(QPainter& p, Suit suit);    // a standing page, full length
void drawCavallo(QPainter& p, Suit suit);  // a rider on a horse
void drawRe(QPainter& p, Suit suit);       // a crowned king in a long robe

}  // namespace tavolora::art
