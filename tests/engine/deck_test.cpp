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

TEST_F(CardFigures, ScopaRaisesTheRuleSuitsBaseRanksUnderItsSwitches) {
    const std::vector<int> primiera{16, 12, 13, 14, 15, 18, 21, 10, 10, 10};
    m.Codice_Gioco = game::kScopa;
    m.Fattore_Forza = 1.5;
    m.Incremento_Forza = 3;
    auto& rules = h.program.settings.Regole_Partita;
    for (int id = 1; id <= 40; ++id) m.Tabella_Carte(33, id, 1) = static_cast<std::int16_t>(100 + id);

    // Rule suit 4, the Seven's switch on, the Ace's off. Halves go to the even
    // neighbour: 22.5 gives 22, 25.5 gives 26.
    rules(20) = 4;
    rules(7) = 1;
    rules(1) = 0;
    h.program.engine.Assegna_Valori_Carte();
    EXPECT_EQ(figure(32, 4, 7), 40);
    EXPECT_EQ(figure(32, 4, 1), 27);
    EXPECT_EQ(figures(32, 4), (std::vector<int>{27, 21, 22, 24, 26, 30, 40, 18, 18, 18}));
    for (int suit = 1; suit <= 4; ++suit) {
        EXPECT_EQ(figures(31, suit), primiera) << "suit " << suit;
        if (suit != 4) {
            EXPECT_EQ(figures(32, suit), primiera) << "suit " << suit;
        }
    }

    // Every switch on: three addends for every value of the rule suit.
    for (int value = 1; value <= 10; ++value) rules(value) = 1;
    rules(20) = 2;
    h.program.engine.Assegna_Valori_Carte();
    EXPECT_EQ(figures(32, 2), (std::vector<int>{33, 27, 28, 30, 32, 36, 40, 24, 24, 24}));
    EXPECT_EQ(figures(32, 4), primiera);  // last hand's rule suit is plain again

    // A rule suit that is no suit raises nothing.
    rules(20) = 0;
    h.program.engine.Assegna_Valori_Carte();
    for (int suit = 1; suit <= 4; ++suit) EXPECT_EQ(figures(32, suit), primiera) << "suit " << suit;

    // Scopa has no order numbers.
    for (int id = 1; id <= 40; ++id) EXPECT_EQ(m.Tabella_Carte(33, id, 1), 100 + id);
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

class ScopaHandSort : public ::testing::Test {
protected:
    HeadlessProgram h;
    MatchState& m = h.program.match;

    struct Card {
        int suit, value, owner;
        friend bool operator==(const Card&, const Card&) = default;
    };
    void hand(int seat, const std::vector<Card>& cards) {
        m.Carte_In_Mano = static_cast<int>(cards.size());
        for (int p = 1; p <= m.Carte_In_Mano; ++p) {
            if (seat == seat::kHuman) h.program.master.P.Load(p);
            m.Tabella_Carte(seat, p, attr::kSuit) = static_cast<std::int16_t>(cards[p - 1].suit);
            m.Tabella_Carte(seat, p, attr::kValue) = static_cast<std::int16_t>(cards[p - 1].value);
            m.Tabella_Carte(seat, p, attr::kOwner) = static_cast<std::int16_t>(cards[p - 1].owner);
        }
    }
    std::vector<Card> hand_of(int seat) const {
        std::vector<Card> cards;
        for (int p = 1; p <= m.Carte_In_Mano; ++p) {
            cards.push_back({m.Tabella_Carte(seat, p, attr::kSuit), m.Tabella_Carte(seat, p, attr::kValue),
                             m.Tabella_Carte(seat, p, attr::kOwner)});
        }
        return cards;
    }
    void SetUp() override { m.Codice_Gioco = game::kScopa; }
};

TEST_F(ScopaHandSort, ByValueEqualValuesKeepingTheirOrder) {
    hand(2, {{4, 9, 2}, {1, 1, 2}, {3, 4, 2}});
    hand(seat::kHuman, {{3, 7, 9}, {1, 2, 9}, {2, 7, 9}});
    h.program.engine.Ordina_Carte_Mano();
    EXPECT_EQ(hand_of(seat::kHuman), (std::vector<Card>{{1, 2, 9}, {3, 7, 9}, {2, 7, 9}}));
    // Only the human's hand is sorted.
    EXPECT_EQ(hand_of(2), (std::vector<Card>{{4, 9, 2}, {1, 1, 2}, {3, 4, 2}}));

    // A reversed hand of ten needs every one of the n passes.
    std::vector<Card> reversed;
    for (int value = 10; value >= 1; --value) reversed.push_back({1 + value % 4, value, 9});
    hand(seat::kHuman, reversed);
    h.program.engine.Ordina_Carte_Mano();
    for (int p = 1; p <= 10; ++p) EXPECT_EQ(m.Tabella_Carte(seat::kHuman, p, attr::kValue), p);
}

TEST_F(ScopaHandSort, AnEmptyPositionMovesToTheFront) {
    hand(seat::kHuman, {{2, 5, 9}, {1, 3, 9}, {0, 0, 0}});
    h.program.engine.Ordina_Carte_Mano();
    EXPECT_EQ(hand_of(seat::kHuman), (std::vector<Card>{{0, 0, 0}, {1, 3, 9}, {2, 5, 9}}));
}

}  // namespace
}  // namespace tavolora::engine
