// The four suit signs of the Italian deck, drawn as vector paths.
//
// Every sign is drawn around `centre`, `size` pixels tall (for the coin: its
// diameter), turned clockwise by `angle` degrees. Long signs (baton, sword) are
// drawn upright with their grip at the bottom before turning.
#pragma once

#include <QPointF>

class QPainter;

namespace tavolora::art {

enum class Suit { Bastoni = 1, Coppe = 2, Denari = 3, Spade = 4 };

// Batons and swords are long and thin; cups and coins are compact.
inline bool isLongSign(Suit suit) {
    return suit == Suit::Bastoni || suit == Suit::Spade;
}

void drawBaton(QPainter& p, QPointF centre, qreal size, qreal angle);
void drawCup(QPainter& p, QPointF centre, qreal size, qreal angle);
void drawCoin(QPainter& p, QPointF centre, qreal size, qreal angle);
void drawSword(QPainter& p, QPointF centre, qreal size, qreal angle);

void drawSuitSign(QPainter& p, Suit suit, QPointF centre, qreal size, qreal angle);

// Draws the sign so that the place where a hand holds it lands on `hand`.
void drawHeldSign(QPainter& p, Suit suit, QPointF hand, qreal size, qreal angle);

// A small leafy sprig, used as an ornament around the aces.
void drawSprig(QPainter& p, QPointF base, qreal length, qreal angle);

}  // namespace tavolora::art
