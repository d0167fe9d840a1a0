#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using platform::kMillisecond;
using testing::TableTest;

class Deal : public TableTest {
protected:
    std::pair<int, int> card(int lista, int position) const {
        return {m.Tabella_Carte(lista, position, 1), m.Tabella_Carte(lista, position, 2)};
    }
    static std::pair<int, int> deck_card(int position) {
        return {(position - 1) / 10 + 1, (position - 1) % 10 + 1};
    }
};

TEST_F(Deal, SeatAfterSeatInTurnOrderFromTheTopOfTheDeck) {
    choose(1, {9, 2});
    fill_deck();
    animation.Assegna_Carte_Giocatori();
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(card(9, k), deck_card(41 - k));
        EXPECT_EQ(card(2, k), deck_card(38 - k));
        EXPECT_EQ(m.Tabella_Carte(2, k, 3), 2);
    }
    EXPECT_EQ(deck_count(), 34);

    // Four hands of 13 would need 52 cards: the last seat gets the one left and
    // nothing is read below the deck.
    choose(4, {9, 1, 2, 3}, 13);
    animation.Assegna_Carte_Giocatori();
    EXPECT_EQ(deck_count(), 0);
    EXPECT_EQ(card(3, 1), deck_card(1));
    EXPECT_EQ(m.Tabella_Carte(3, 2, 1), 0);
}

TEST_F(Deal, WithThreePlayersTheFourOfSuitFourIsNeverDealt) {
    choose(6, {9, 1, 2});
    fill_deck();
    animation.Assegna_Carte_Giocatori();
    EXPECT_EQ(card(21, 40), std::make_pair(4, 4));
    EXPECT_EQ(card(21, 34), deck_card(40));
    EXPECT_EQ(card(21, 41), deck_card(40));  // the swap cell keeps its copy
    EXPECT_EQ(card(9, 1), deck_card(39));
    EXPECT_EQ(card(1, 3), deck_card(40));
    EXPECT_EQ(deck_count(), 30);
}

TEST_F(Deal, EveryDealtCardFliesFromBeyondTheDeckToItsHandPicture) {
    choose(1, {9, 2});
    fill_deck();
    animation.Assegna_Carte_Giocatori();
    animation.Disponi_Tavolo();
    program.settings.Tempi_Animazione(1) = 2;  // read again from the options: 8
    run([&] { animation.Distribuisci_Carte(); });

    EXPECT_EQ(a.Animazioni_Avviate, 6);
    EXPECT_EQ(h.platform.now(), 8 * 20 * kMillisecond);
    // The turn order read backwards: seat 2 first, then the human.
    const int pictures[] = {81, 82, 83, 1, 2, 3};
    for (int s = 1; s <= 6; ++s) {
        const Tipo_Animazione& slot = a.Animazioni_Carte(s);
        const Control& target = w.P(pictures[s - 1]);
        EXPECT_EQ(slot.Carta(1), pictures[s - 1]);
        EXPECT_EQ(slot.Immagine, back("00"));
        EXPECT_EQ(slot.Coordinate(1), C(1) - 10 * (34 + s)) << s;
        EXPECT_EQ(slot.Coordinate(2), C(2) + 5 * (34 + s)) << s;
        EXPECT_EQ(slot.Coordinate(5), target.Top);
        EXPECT_EQ(slot.Coordinate(6), target.Left);
        EXPECT_EQ(slot.Coordinate(9), std::nearbyint((target.Top - slot.Coordinate(1)) / 8.0));
    }
    EXPECT_EQ(a.Animazioni_Carte(7).Carta(1), 0);
}

TEST_F(Deal, TheCardPicturesOfAGame) {
    choose(1, {9, 2});
    for (int k : {1, 40, 41, 80, 81, 120, 201, 240, 241, 280}) EXPECT_TRUE(w.P.loaded(k)) << k;
    for (int k : {121, 161, 200, 281, 301}) EXPECT_FALSE(w.P.loaded(k)) << k;
    EXPECT_FALSE(w.P(1).Enabled);  // no card can be clicked before it is dealt
    EXPECT_FALSE(w.P(81).Enabled);

    // Again: nothing new; the human's cards keep their state, the others are
    // disabled anew.
    w.P(1).Enabled = true;
    w.P(201).Enabled = true;
    choose(4, {9, 1, 2, 3});
    EXPECT_TRUE(w.P(1).Enabled);
    EXPECT_FALSE(w.P(201).Enabled);
    EXPECT_TRUE(w.P.loaded(200));

    m.Codice_Gioco = 7;
    w.P.Unload(5);
    animation.Carica_Controlli_Carte();
    EXPECT_FALSE(w.P.loaded(5));
}

}  // namespace
}  // namespace tavolora::table
