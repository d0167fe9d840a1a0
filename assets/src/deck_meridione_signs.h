// The southern deck's four suit signs.
//
// Every sign is drawn around `centre`, `size` pixels tall (a coin: its
// diameter), turned clockwise by `angle` degrees. Cudgels and swords stand
// with their grip at the bottom before turning; `mirrored` flips a sign left
// to right first, so that a sword's blade curves the other way.
#pragma once

#include "suitsigns.h"

#include <QPointF>

class QPainter;

namespace tavolora::art::meridione {

void drawCudgel(QPainter& p, QPointF centre, qreal size, qreal angle, bool mirrored = false);
void drawScimitar(QPainter& p, QPointF centre, qreal size, qreal angle, bool mirrored = false);
void drawGoblet(QPainter& p, QPointF centre, qreal size, qreal angle = 0);
void drawFlowerCoin(QPainter& p, QPointF centre, qreal size);

void drawSign(QPainter& p, Suit suit, QPointF centre, qreal size, qreal angle = 0, bool mirrored = false);

// Draws the sign so that the place where a hand holds it lands on `hand`.
void drawSignInHand(QPainter& p, Suit suit, QPointF hand, qreal size, qreal angle, bool mirrored = false);

}  // namespace tavolora::art::meridione
