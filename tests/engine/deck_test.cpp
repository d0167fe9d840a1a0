#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "tests/support/headless_program.h"

namespace tavolora::engine {
namespace {

using testing::HeadlessProgram;

using Deck = std::vector<std::pair<int, int>>;

Deck deck_of(const MatchState& m) {
    Deck deck;
    for (int p = 1; p <= 40; ++p) {
        deck.emplace_back(m.Tabella_Carte(list::kDeck, p, attr::kSuit),
                          m.Tabella_Carte(list::kDeck, p, attr::kValue));
    }
    return deck;
}

Deck shuffled(std::uint64_t seed) {
    HeadlessProgram h({}, seed);
    h.program.engine.Mescola_Mazzo();
    return deck_of(h.program.match);
}

TEST(Shuffle, DealsEveryCardOnceIntoTheDeckAndLeavesTheScratchListEmpty) {
    HeadlessProgram h;
    MatchState& m = h.program.match;
    for (int p = 1; p <= 40; ++p) {
        for (int a = 1; a <= 3; ++a) {
            m.Tabella_Carte(1, p, a) = 7;
            m.Tabella_Carte(list::kDeck, p, a) = 9;
        }
    }
    h.program.engine.Mescola_Mazzo();

    std::set<std::pair<int, int>> seen;
    for (int p = 1; p <= 40; ++p) {
        const int suit = m.Tabella_Carte(list::kDeck, p, attr::kSuit);
        const int value = m.Tabella_Carte(list::kDeck, p, attr::kValue);
        EXPECT_TRUE(suit >= 1 && suit <= 4 && value >= 1 && value <= 10) << "position " << p;
        EXPECT_EQ(m.Tabella_Carte(list::kDeck, p, attr::kOwner), 0);
        seen.emplace(suit, value);
        for (int a = 1; a <= 3; ++a) EXPECT_EQ(m.Tabella_Carte(1, p, a), 0);
    }
    EXPECT_EQ(seen.size(), 40u);
}

TEST(Shuffle, OneSeedGivesOneDeckAndEveryShuffleTakesANewSeed) {
    EXPECT_EQ(shuffled(5), shuffled(5));
    EXPECT_NE(shuffled(5), shuffled(6));

    // The second shuffle of a match takes the next seed, whatever the choices drew
    // from the same generator in between.
    HeadlessProgram quiet({}, 5);
    HeadlessProgram busy({}, 5);
    quiet.program.engine.Mescola_Mazzo();
    busy.program.engine.Mescola_Mazzo();
    const Deck first = deck_of(quiet.program.match);
    for (int k = 0; k < 17; ++k) busy.program.random.next_unit();
    quiet.program.engine.Mescola_Mazzo();
    busy.program.engine.Mescola_Mazzo();
    EXPECT_EQ(deck_of(quiet.program.match), deck_of(busy.program.match));
    EXPECT_NE(deck_of(quiet.program.match), first);
    EXPECT_EQ(deck_of(quiet.program.match), shuffled(6));
}

class CardFigures : public ::testing::Test {
protected:
    HeadlessProgram h;
    MatchState& m = h.program.match;

    int figure(int lista, int suit, int value) const {
        return m.Tabella_Carte(lista, (suit - 1) * 10 + value, 1);
    }
    std::vector<int> figures(int lista, int suit) const {
        std::vector<int> row;
        for (int value = 1; value <= 10; ++value) row.push_back(figure(lista, suit, value));
        return row;
    }
};

TEST_F(CardFigures, BriscolaRaisesTheTrumpSuitsOrderNumbersOnly) {
    const std::vector<int> points{11, 0, 10, 0, 0, 0, 0, 2, 3, 4};
    const std::vector<int> ranks{14, 1, 16, 2, 3, 4, 5, 8, 10, 12};
    for (int code : {game::kBriscola, game::kBriscolaVariant}) {
        m.Codice_Gioco = static_cast<std::int16_t>(code);
        m.Tabella_Carte(list::kDeck, 1, attr::kSuit) = 3;
        m.Fattore_Forza = 1;
        m.Incremento_Forza = 3;
        h.program.engine.Assegna_Valori_Carte();
        for (int suit = 1; suit <= 4; ++suit) {
            EXPECT_EQ(figures(31, suit), points) << "game " << code << " suit " << suit;
            EXPECT_EQ(figures(32, suit), ranks) << "game " << code << " suit " << suit;
            if (suit == 3) {
                EXPECT_EQ(figures(33, suit), (std::vector<int>{17, 4, 19, 5, 6, 7, 8, 11, 13, 15}));
            } else {
                EXPECT_EQ(figures(33, suit), ranks) << "game " << code << " suit " << suit;
            }
        }
    }
}

TEST_F(CardFigures, TheLinearRuleRoundsHalvesToTheEvenNeighbour) {
    m.Codice_Gioco = game::kBriscola;
    m.Tabella_Carte(list::kDeck, 1, attr::kSuit) = 1;
    m.Fattore_Forza = 1.5;
    m.Incremento_Forza = 0;
    h.program.engine.Assegna_Valori_Carte();
    // 1.5 -> 2, 4.5 -> 4, 7.5 -> 8.
    EXPECT_EQ(figures(33, 1), (std::vector<int>{21, 2, 24, 3, 4, 6, 8, 12, 15, 18}));
    EXPECT_EQ(figure(33, 2, 5), 3);
}

TEST_F(CardFigures, CamiciaAndTheDeckPreparationKeepWhatTheListsHold) {
    for (int code : {game::kCamicia, game::kDeckOnly}) {
        m.Codice_Gioco = static_cast<std::int16_t>(code);
        for (int id = 1; id <= 40; ++id) {
            for (int lista = 31; lista <= 33; ++lista)
                m.Tabella_Carte(lista, id, 1) = static_cast<std::int16_t>(id + lista);
        }
        h.program.engine.Assegna_Valori_Carte();
        for (int id = 1; id <= 40; ++id) {
            for (int lista = 31; lista <= 33; ++lista) EXPECT_EQ(m.Tabella_Carte(lista, id, 1), id + lista);
        }
    }
}

TEST(HandSort, BriscolaKeepsTheHumansHandInTheOrderOfTheDeal) {
    HeadlessProgram h;
    MatchState& m = h.program.match;
    m.Codice_Gioco = game::kBriscola;
    m.Carte_In_Mano = 3;
    const int hand[3][2] = {{2, 3}, {1, 10}, {2, 1}};
    for (int p = 1; p <= 3; ++p) {
        h.program.master.P.Load(p);
        m.Tabella_Carte(9, p, attr::kSuit) = static_cast<std::int16_t>(hand[p - 1][0]);
        m.Tabella_Carte(9, p, attr::kValue) = static_cast<std::int16_t>(hand[p - 1][1]);
        m.Tabella_Carte(9, p, attr::kOwner) = 9;
    }
    h.program.engine.Ordina_Carte_Mano();
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(m.Tabella_Carte(9, p, attr::kSuit), hand[p - 1][0]);
        EXPECT_EQ(m.Tabella_Carte(9, p, attr::kValue), hand[p - 1][1]);
        EXPECT_EQ(m.Tabella_Carte(9, p, attr::kOwner), 9);
    }
}

}  // namespace
}  // namespace tavolora::engine
