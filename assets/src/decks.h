// The card decks the generator draws, each in its own style.
#pragma once

#include "cardfaces.h"

#include <QImage>
#include <QString>

#include <vector>

namespace tavolora::art {

struct DeckDesign {
    QString folder;  // the deck's folder under Cards, the name the options list
    QImage (*face)(Suit suit, int value);
    QImage (*back)();  // upright; the flying back is it laid on its side
};

// In the order of their folder names. A new user gets the third (the options
// file's default), so the house deck's name sorts third.
std::vector<DeckDesign> deckDesigns();

// A southern deck: the old Neapolitan manner of drawing, no corner numerals.
namespace meridione {
QImage renderFace(Suit suit, int value);
QImage renderBack();
}  // namespace meridione

// A modern, clear deck with large corner indices.
namespace moderne {
QImage renderFace(Suit suit, int value);
QImage renderBack();
}  // namespace moderne

}  // namespace tavolora::art
