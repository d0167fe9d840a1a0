#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "tests/support/headless_program.h"

namespace tavolora::players {

// The leader's signal, reached apart from the turn around it.
class TresetteProbe {
public:
    static void signal(Players& players) { players.show_tresette_signal(); }
};

namespace {

using engine::attr::kOwner;
using engine::attr::kSuit;
using engine::attr::kValue;
using engine::list::kTable;
using testing::HeadlessProgram;

struct Card {
    int suit;
    int value;
};
constexpr Card kEmpty{0, 0};
struct Played {
    int suit;
    int value;
    int owner;
};
constexpr int kHuman = engine::seat::kHuman;

int card_id(int suit, int value) {
    return (suit - 1) * 10 + value;
}

class TresetteChoice : public ::testing::Test {
protected:
    HeadlessProgram h;
    Program& program = h.program;
    engine::MatchState& m = program.match;
    Players& players = program.players;

    void SetUp() override {
        m.Codice_Gioco = engine::game::kTresette;
        program.engine.Assegna_Valori_Carte();
        seat_to_move(2, 2);
    }

    // `seat` to move in a game of `count` players with the turn orders 9, 2 / 9, 2, 1
    // / 9, 3, 2, 1, and the hand size of the game.
    void seat_to_move(int count, int seat) {
        static const std::vector<int> orders[] = {{9, 2}, {9, 2, 1}, {9, 3, 2, 1}};
        m.Numero_Giocatori = count;
        m.Carte_In_Mano = count == 3 ? 13 : 10;
        m.Ordine_Giocatori.fill(0);
        int i = 0;
        for (int s : orders[count - 2]) {
            m.Ordine_Giocatori(++i) = static_cast<std::int16_t>(s);
            if (s == seat) m.Indice_Turno = static_cast<std::int16_t>(i);
        }
        m.Giocatore_Corrente = static_cast<std::int16_t>(seat);
    }
    void put(int lista, int position, int suit, int value, int owner) {
        m.Tabella_Carte(lista, position, kSuit) = static_cast<std::int16_t>(suit);
        m.Tabella_Carte(lista, position, kValue) = static_cast<std::int16_t>(value);
        m.Tabella_Carte(lista, position, kOwner) = static_cast<std::int16_t>(owner);
    }
    void hand(int seat, std::initializer_list<Card> cards) {
        for (int p = 1; p <= 40; ++p) put(seat, p, 0, 0, 0);
        int p = 1;
        for (const Card& c : cards) put(seat, p++, c.suit, c.value, c.suit == 0 ? 0 : seat);
    }
    void table(std::initializer_list<Played> cards) {
        for (int p = 1; p <= 40; ++p) put(kTable, p, 0, 0, 0);
        int p = 1;
        for (const Played& c : cards) put(kTable, p++, c.suit, c.value, c.owner);
    }
    // Cards taken into a seat's pile (list seat + 10), after those already there.
    void pile(int seat, std::initializer_list<Card> cards) {
        const int lista = seat + 10;
        int p = program.engine.Conta_Carte_Lista(lista) + 1;
        for (const Card& c : cards) put(lista, p++, c.suit, c.value, seat);
    }
    void count() { players.Aggiorna_Forza_Carte(); }
    int strength(int suit, int value) const { return m.Tabella_Carte(34, card_id(suit, value), 2); }
    std::int16_t& choice() { return m.Tabella_Giocatori(m.Giocatore_Corrente, 4); }

    template <class Picker>
    int run(Picker picker, int earlier = 0) {
        choice() = static_cast<std::int16_t>(earlier);
        (players.*picker)();
        return choice();
    }
    // The tree at a difficulty as the computer turn runs it, checking that it leaves
    // the hand restricted exactly as it found it.
    int choose(int difficulty) {
        program.settings.Difficolta = static_cast<std::int16_t>(difficulty);
        program.engine.Assegna_Valori_Carte();
        count();
        choice() = 0;
        players.Limita_Carte_Giocabili();
        const std::vector<int> restricted = snapshot();
        players.Scegli_Carta_Tresette();
        // Only a four-player lead may restore the hand for good.
        if (m.Numero_Giocatori != 4 || m.Carte_In_Tavola != 0) {
            EXPECT_EQ(snapshot(), restricted);
        }
        players.Ripristina_Mano();
        return choice();
    }
    // The seat's hand and the put-aside list.
    std::vector<int> snapshot() const {
        std::vector<int> cells;
        for (int lista : {static_cast<int>(m.Giocatore_Corrente), 35}) {
            for (int p = 1; p <= 40; ++p) {
                for (int a = 1; a <= 3; ++a) cells.push_back(m.Tabella_Carte(lista, p, a));
            }
        }
        return cells;
    }
};

// --- The card counting ------------------------------------------------------------

TEST_F(TresetteChoice, TheCountingRaisesACardForEachHigherCardOfItsSuitInAPile) {
    hand(2, {{1, 5}, {2, 2}, {4, 1}});
    count();
    int masters = 0;
    for (int id = 1; id <= 40; ++id) {
        EXPECT_EQ(m.Tabella_Carte(34, id, 1), 0);
        EXPECT_EQ(m.Tabella_Carte(34, id, 2), m.Tabella_Carte(32, id, 1));
        if (m.Tabella_Carte(34, id, 2) > 299) ++masters;
    }
    EXPECT_EQ(masters, 4);  // the Threes

    pile(kHuman, {{1, 3}});
    count();
    EXPECT_EQ(m.Tabella_Carte(34, card_id(1, 3), 1), 88);
    EXPECT_EQ(strength(1, 2), 303);
    EXPECT_EQ(strength(1, 1), 273);
    EXPECT_EQ(strength(1, 4), 63);
    EXPECT_EQ(strength(2, 2), 270);  // each suit counts alone

    pile(2, {{1, 2}});
    count();
    EXPECT_EQ(strength(1, 1), 306);
    EXPECT_EQ(strength(1, 3), 300);  // a card out is raised like the others
    pile(1, {{1, 1}});
    count();
    EXPECT_EQ(strength(1, 10), 309);

    // A higher card on the table or in any hand does not raise the cards below it.
    table({{2, 3, kHuman}});
    hand(kHuman, {{3, 3}});
    hand(2, {{3, 2}, {2, 2}});
    count();
    EXPECT_EQ(strength(2, 2), 270);
    EXPECT_EQ(strength(3, 2), 270);
    EXPECT_EQ(m.Tabella_Carte(34, card_id(2, 3), 1), 0);

    // A Four whose nine higher cards are all out.
    pile(3, {{4, 3}, {4, 2}, {4, 1}, {4, 10}, {4, 9}, {4, 8}, {4, 7}, {4, 6}, {4, 5}});
    count();
    EXPECT_EQ(strength(4, 4), 327);
}

TEST_F(TresetteChoice, TheCountingTalliesSuitsWithoutEverWrapping) {
    for (int e = 1; e <= 10; ++e) m.Contatori(e) = 0;
    m.Contatori(6) = 1;
    hand(2, {{1, 5}, {2, 2}, kEmpty, {1, 1}});
    pile(kHuman, {{3, 3}, {1, 7}});
    const auto tallies = [this] {
        return std::vector<int>{m.Contatori(1), m.Contatori(2), m.Contatori(3), m.Contatori(4)};
    };
    count();
    EXPECT_EQ(tallies(), (std::vector<int>{3, 1, 1, 0}));
    count();  // added to what the entries held
    EXPECT_EQ(tallies(), (std::vector<int>{6, 2, 2, 0}));

    // Two players never clear the tallies: a long match tops them out instead of
    // wrapping them to negative numbers.
    m.Contatori(2) = INT16_MAX - 1;
    for (int turn = 0; turn < 20000; ++turn) count();
    EXPECT_EQ(tallies(), (std::vector<int>{INT16_MAX, INT16_MAX, 20002, 0}));
    EXPECT_EQ(m.Contatori(6), 1);
    EXPECT_EQ(strength(1, 2), 270);  // the counting itself is unaffected
}

// --- The playable cards -----------------------------------------------------------

TEST_F(TresetteChoice, TheRestrictionPutsAsideTheOtherSuitsAtTheirPositionsAndRestoresThem) {
    seat_to_move(4, 1);
    hand(1, {{2, 5}, {1, 7}, {2, 3}, {4, 1}, kEmpty, {1, 10}});
    const std::vector<int> whole = snapshot();
    table({{1, 4, kHuman}});

    players.Limita_Carte_Giocabili();
    std::vector<int> playable;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        if (m.Tabella_Carte(1, p, kSuit) != 0) playable.push_back(p);
    }
    EXPECT_EQ(playable, (std::vector<int>{2, 6}));
    EXPECT_EQ(m.Tabella_Carte(35, 3, kValue), 3);
    EXPECT_EQ(m.Tabella_Carte(35, 4, kSuit), 4);
    EXPECT_EQ(m.Tabella_Carte(35, 4, kOwner), 1);
    EXPECT_EQ(m.Tabella_Carte(35, 5, kSuit), 0);

    // A position chosen on the restricted hand names the same card afterwards.
    EXPECT_EQ(run(&Players::Scegli_Carta_Piu_Punti), 6);
    players.Ripristina_Mano();
    EXPECT_EQ(snapshot(), whole);
    EXPECT_EQ(m.Tabella_Carte(1, choice(), kValue), 10);
    players.Ripristina_Mano();  // nothing left to bring back
    EXPECT_EQ(snapshot(), whole);

    // No card of the led suit, or leading: the whole hand may be played.
    table({{3, 4, kHuman}});
    players.Limita_Carte_Giocabili();
    EXPECT_EQ(snapshot(), whole);
    table({});
    players.Limita_Carte_Giocabili();
    EXPECT_EQ(snapshot(), whole);

    // A single card of the led suit is the only playable one.
    table({{4, 6, kHuman}, {4, 2, 3}});
    players.Limita_Carte_Giocabili();
    EXPECT_EQ(program.engine.Conta_Carte_Lista(1), 1);
    EXPECT_EQ(m.Tabella_Carte(1, 4, kValue), 1);
    EXPECT_EQ(program.engine.Conta_Carte_Lista(35), 4);
    EXPECT_EQ(run(&Players::Scegli_Carta_Minima), 4);
    players.Ripristina_Mano();
    EXPECT_EQ(snapshot(), whole);
}

// --- The pickers ------------------------------------------------------------------

TEST_F(TresetteChoice, TheDominantCardIsAMasterWhenLeadingAndBeatsTheTrickWhenFollowing) {
    hand(2, {{1, 2}, {2, 10}, {3, 1}});
    count();
    EXPECT_EQ(run(&Players::Scegli_Carta_Dominante, 3), 0);

    // Two master cards: the stronger, by strength rather than by rank.
    hand(2, {{2, 3}, {1, 2}, {3, 1}});
    pile(kHuman, {{1, 3}});
    count();
    EXPECT_EQ(run(&Players::Scegli_Carta_Dominante), 2);
    EXPECT_EQ(m.Valore_Massimo, 303);

    // Following: against the card now winning, not the led one. Seat 1 plays last of
    // 9, 2, 1.
    seat_to_move(3, 1);
    table({{1, 5, kHuman}, {1, 10, 2}});
    hand(1, {{1, 9}, {1, 1}, {2, 3}});
    count();
    EXPECT_EQ(run(&Players::Scegli_Carta_Dominante), 2);
    EXPECT_EQ(m.Vincitore_Mano, 2);
    hand(1, {{1, 9}, {1, 8}, {2, 3}});  // nothing of the suit beats the King
    EXPECT_EQ(run(&Players::Scegli_Carta_Dominante), 0);

    // Of one suit: only a master card; the strongest one at any strength.
    m.Seme_Scelto = 2;
    hand(1, {{2, 2}, {2, 10}, {1, 3}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Dominante_Seme), 0);
    EXPECT_EQ(run(&Players::Scegli_Carta_Forte_Seme), 1);
    m.Seme_Scelto = 4;
    EXPECT_EQ(run(&Players::Scegli_Carta_Forte_Seme, 2), 0);
}

TEST_F(TresetteChoice, TheWinningCardOfTheSuitIsNeverATwoOrAThree) {
    table({{1, 7, kHuman}});
    // The Two comes first with one third; the Ten's equal third does not replace it,
    // and the Two is dropped.
    hand(2, {{1, 2}, {1, 10}});
    count();
    EXPECT_EQ(run(&Players::Scegli_Carta_Vincente_Seme, 2), 0);
    hand(2, {{1, 10}, {1, 3}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Vincente_Seme), 1);
    hand(2, {{1, 10}, {1, 1}, {1, 2}});  // the Ace's three thirds
    EXPECT_EQ(run(&Players::Scegli_Carta_Vincente_Seme), 2);
    hand(2, {{1, 5}, {2, 1}});  // nothing of the suit above the Seven
    EXPECT_EQ(run(&Players::Scegli_Carta_Vincente_Seme), 0);

    // It measures against the led card even when a later one is winning.
    seat_to_move(3, 1);
    table({{1, 7, kHuman}, {1, 2, 2}});
    hand(1, {{1, 1}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Vincente_Seme), 1);
}

TEST_F(TresetteChoice, TheLeastAndTheRichestCards) {
    // Equal base ranks in different suits: the first in hand order.
    hand(2, {{3, 9}, {2, 8}, {1, 8}, {4, 10}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Minima), 2);
    EXPECT_EQ(m.Valore_Minimo, 150);
    m.Seme_Scelto = 4;
    EXPECT_EQ(run(&Players::Scegli_Carta_Minima_Seme), 4);
    m.Seme_Scelto = 2;
    hand(2, {{3, 9}, kEmpty, {1, 8}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Minima_Seme, 1), 0);

    // The least card counts afresh: the strengths it leaves know the piles.
    pile(kHuman, {{1, 3}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Minima), 3);
    EXPECT_EQ(strength(1, 2), 303);

    hand(2, {{1, 4}, {2, 10}, {3, 1}, {4, 2}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Piu_Punti), 3);

    // Points below the high cards: the Ace until its Three is out, then the Ten.
    for (int p = 1; p <= 40; ++p) put(kHuman + 10, p, 0, 0, 0);
    hand(2, {{2, 1}, {2, 10}, {2, 2}});
    count();
    EXPECT_EQ(run(&Players::Scegli_Carta_Punti_Non_Alta), 1);
    pile(kHuman, {{2, 3}});
    count();
    EXPECT_EQ(run(&Players::Scegli_Carta_Punti_Non_Alta), 2);
    hand(2, {{2, 2}, {3, 3}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Punti_Non_Alta, 1), 0);
}

TEST_F(TresetteChoice, TheLeadIntoThePartnersMasterCard) {
    seat_to_move(4, 1);
    hand(3, {{1, 3}, {3, 3}, {4, 5}});
    hand(2, {{2, 3}});
    hand(1, {{1, 7}, {1, 5}, {3, 10}, {3, 6}, {2, 4}});
    count();
    // Suits 1 and 3 both qualify; the last one tried gives the card.
    EXPECT_EQ(run(&Players::Valuta_Carte_Alte), 4);
    EXPECT_EQ(m.Compagno, 3);
    EXPECT_EQ(m.Seme_Scelto, 3);

    // The hand is restored first: a card put aside counts.
    hand(1, {{2, 4}, {4, 6}});
    put(35, 3, 3, 7, 1);
    EXPECT_EQ(run(&Players::Valuta_Carte_Alte), 3);
    EXPECT_EQ(m.Tabella_Carte(1, 3, kValue), 7);
    EXPECT_EQ(m.Tabella_Carte(35, 3, kSuit), 0);

    // An opponent's master card does not count; with no suit the column stays.
    hand(1, {{2, 4}, {4, 6}});
    EXPECT_EQ(run(&Players::Valuta_Carte_Alte, 2), 2);
}

TEST_F(TresetteChoice, TheTwoPlayerLeadComparesTheSuitsOfBothHands) {
    // Own counts 3, 2, 0, 5 against 4, 0, 2, 4: differences -1, 2 and 1.
    hand(2, {{1, 4}, {1, 6}, {1, 10}, {2, 7}, {2, 5}, {4, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8}});
    hand(kHuman, {{1, 1}, {1, 2}, {1, 3}, {1, 5}, {3, 1}, {3, 2}, {4, 1}, {4, 2}, {4, 3}, {4, 9}});
    count();
    EXPECT_EQ(run(&Players::Scegli_Seme_Da_Giocare), 5);
    EXPECT_EQ(m.Seme_Scelto, 2);
    EXPECT_EQ(m.Valore_Massimo, 2);
    EXPECT_EQ(m.Compagno, kHuman);

    // Equal differences: the lower suit.
    hand(2, {{3, 4}, {2, 6}});
    hand(kHuman, {});
    EXPECT_EQ(run(&Players::Scegli_Seme_Da_Giocare), 2);

    // The opponent's lone card of the suit is its Ace: the master card falls on it,
    // and without one nothing is chosen.
    hand(2, {{3, 4}, {3, 3}, {1, 5}});
    hand(kHuman, {{3, 1}, {1, 1}, {1, 2}});
    EXPECT_EQ(run(&Players::Scegli_Seme_Da_Giocare), 2);
    hand(2, {{3, 4}, {3, 10}, {1, 5}});
    EXPECT_EQ(run(&Players::Scegli_Seme_Da_Giocare), 0);
    // A lone Three is no reason: the lowest card of the suit.
    hand(2, {{3, 10}, {3, 4}, {1, 5}});
    hand(kHuman, {{3, 3}, {1, 1}, {1, 2}});
    EXPECT_EQ(run(&Players::Scegli_Seme_Da_Giocare), 2);
}

TEST_F(TresetteChoice, TheThresholdCardTopsTheNextSeatsBestOfTheSuit) {
    // Seat 2 plays second of 9, 2, 1: seat 1 is next, its best of suit 1 the King.
    seat_to_move(3, 2);
    table({{1, 5, kHuman}});
    hand(1, {{1, 7}, {1, 10}, {2, 3}});
    hand(2, {{1, 1}, {1, 9}, {1, 2}, {2, 4}});
    count();
    EXPECT_EQ(run(&Players::Scegli_Carta_Seme_Soglia), 1);  // the Ace: 240 in (210, 270)
    EXPECT_EQ(m.Compagno, 3);
    EXPECT_EQ(m.Valore_Massimo, 210);
    EXPECT_EQ(m.Seme_Scelto, 1);

    // Seat 1 plays last: the order wraps to the human, who holds none of the suit.
    // Only a card below 60 qualifies; else the lowest card.
    seat_to_move(3, 1);
    table({{1, 5, kHuman}, {1, 8, 2}});
    hand(kHuman, {{2, 1}});
    hand(1, {{1, 1}, {1, 4}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Seme_Soglia), 2);
    EXPECT_EQ(m.Compagno, 1);
    hand(1, {{1, 1}, {1, 2}, {2, 4}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Seme_Soglia), 3);
}

TEST_F(TresetteChoice, TheLowestCardOfASuitTheUserLacks) {
    hand(kHuman, {{1, 1}, {2, 1}, {3, 1}, {4, 1}});
    hand(2, {{2, 5}, {3, 7}, {3, 4}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Minima_Per_Seme, 2), 2);
    EXPECT_EQ(m.Compagno, kHuman);

    // The user lacks suits 1 and 3; the seat holds no suit 1.
    hand(kHuman, {{2, 1}, {4, 1}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Minima_Per_Seme), 3);
    EXPECT_EQ(m.Seme_Scelto, 3);
    // Holding both, the first suit decides.
    hand(2, {{2, 5}, {3, 4}, {1, 9}, {1, 10}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Minima_Per_Seme), 3);
}

// --- The decision tree: leading ---------------------------------------------------

TEST_F(TresetteChoice, TwoPlayersLeadTheLowestCardEarlyAndMasterCardsLate) {
    // Nine cards with the Three of suit 3; the human holds three of suit 1.
    hand(kHuman, {{1, 1}, {1, 2}, {1, 3}});
    hand(2, {{1, 6}, {1, 4}, {1, 5}, {2, 7}, {2, 10}, {3, 3}, {3, 8}, {4, 1}, {4, 9}});
    EXPECT_EQ(choose(1), 2);
    // Suit 1 is even with the human's; suit 2 is the first with two more.
    EXPECT_EQ(choose(2), 4);
    EXPECT_EQ(choose(3), 4);

    // Eight cards: the master card.
    hand(2, {{1, 6}, {1, 4}, {1, 5}, {2, 7}, {2, 10}, {3, 3}, {3, 8}, {4, 1}});
    for (int difficulty : {1, 2, 3}) EXPECT_EQ(choose(difficulty), 6) << difficulty;
    // With none, difficulty 1 chooses nothing; 2 and 3 the lowest card.
    hand(2, {{1, 6}, {1, 4}, {1, 5}, {2, 7}, {2, 10}, {3, 2}, {3, 8}, {4, 1}});
    EXPECT_EQ(choose(1), 0);
    EXPECT_EQ(choose(2), 2);
    EXPECT_EQ(choose(3), 2);

    // No difficulty outside 1 to 3 chooses.
    hand(2, {{3, 3}});
    for (int difficulty : {0, 4, -1}) EXPECT_EQ(choose(difficulty), 0) << difficulty;
}

TEST_F(TresetteChoice, ThreePlayersLeadTheLowestCardWhileTheHandIsLong) {
    seat_to_move(3, 1);
    // Eleven cards: the lowest at every difficulty, the master card left alone.
    hand(1, {{3, 3}, {1, 6}, {1, 4}, {1, 5}, {2, 7}, {2, 10}, {3, 8}, {4, 1}, {4, 9}, {4, 10}, {2, 9}});
    for (int difficulty : {1, 2, 3}) EXPECT_EQ(choose(difficulty), 3) << difficulty;

    // Seven cards: still the lowest from difficulty 2; difficulty 1 takes the master.
    hand(1, {{3, 3}, {1, 6}, {1, 4}, {1, 5}, {2, 7}, {2, 10}, {3, 8}});
    EXPECT_EQ(choose(1), 1);
    EXPECT_EQ(choose(2), 3);
    EXPECT_EQ(choose(3), 3);

    // Six: the master card, or nothing.
    hand(1, {{1, 6}, {1, 4}, {1, 5}, {2, 7}, {2, 10}, {3, 3}});
    EXPECT_EQ(choose(2), 6);
    hand(1, {{1, 6}, {1, 4}, {1, 5}, {2, 7}, {2, 10}, {3, 2}});
    EXPECT_EQ(choose(2), 0);
    EXPECT_EQ(choose(3), 0);
}

TEST_F(TresetteChoice, FourPlayersLeadIntoThePartnersDeclarations) {
    seat_to_move(4, 3);  // partner: seat 1
    auto declare = [this](int position, int seat, int missing = 0) {
        m.Tabella_Carte(37, position, 1) = 1;
        m.Tabella_Carte(37, position, 2) = static_cast<std::int16_t>(seat);
        m.Tabella_Carte(37, position, 3) = static_cast<std::int16_t>(missing);
    };
    auto clear = [this] {
        for (int p = 11; p <= 20; ++p) {
            for (int a = 1; a <= 3; ++a) m.Tabella_Carte(37, p, a) = 0;
        }
    };

    // "Napoletana a Coppe": the strongest Coppe card, before any master card.
    declare(18, 1, 1);
    hand(3, {{1, 3}, {2, 5}, {2, 10}, {2, 6}});
    for (int difficulty : {1, 2, 3}) EXPECT_EQ(choose(difficulty), 3) << difficulty;
    // An opponent's declaration is no signal.
    clear();
    declare(18, 2, 1);
    EXPECT_EQ(choose(2), 1);

    // The four Threes: the suit of the seat's Two, from its lowest card.
    clear();
    declare(13, 1);
    hand(3, {{1, 5}, {2, 8}, {2, 2}, {2, 4}, {3, 1}});
    EXPECT_EQ(choose(2), 4);
    EXPECT_EQ(m.Seme_Scelto, 2);

    // Three Aces with Coppe missing: Coppe is passed over, the Three of Spade played.
    clear();
    declare(14, 1, 2);
    hand(3, {{2, 3}, {4, 6}, {4, 3}, {1, 7}});
    EXPECT_EQ(choose(2), 3);
    declare(14, 1, 3);
    EXPECT_EQ(choose(2), 1);

    // The four Aces: the Three itself, not the suit's lowest card.
    clear();
    declare(11, 1);
    hand(3, {{2, 4}, {2, 3}});
    EXPECT_EQ(choose(2), 2);

    // Nothing found in the declarations: the next steps of the lead.
    clear();
    declare(12, 1);
    hand(3, {{2, 4}, {1, 5}, {4, 10}});
    EXPECT_EQ(choose(2), 0);
}

TEST_F(TresetteChoice, FourPlayersLeadAMasterCardThenEachDifficultyItsOwnWay) {
    seat_to_move(4, 1);  // partner: seat 3
    hand(1, {{2, 4}, {1, 5}, {3, 3}, {1, 7}});
    for (int difficulty : {1, 2, 3}) EXPECT_EQ(choose(difficulty), 3) << difficulty;

    // No master card. The partner holds the Three of suit 1.
    hand(1, {{2, 4}, {1, 5}, {1, 9}, {1, 7}});
    hand(3, {{1, 3}});
    EXPECT_EQ(choose(2), 0);
    EXPECT_EQ(choose(3), 2);  // into the partner's master card
    std::set<int> seen;
    for (int k = 0; k < 100; ++k) seen.insert(choose(1));
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4}));
}

// --- The decision tree: following -------------------------------------------------

TEST_F(TresetteChoice, FourPlayersFollowByTheSideThatHoldsTheTrick) {
    // Seat 2 plays third of 9, 3, 2, 1; its partner is the human.
    seat_to_move(4, 2);
    hand(2, {{1, 1}, {1, 5}, {2, 4}, {1, 9}});

    // The opponents' King holds the trick: the lowest playable card at 3, a stronger
    // card at 2.
    table({{1, 7, kHuman}, {1, 10, 3}});
    EXPECT_EQ(choose(3), 2);
    EXPECT_EQ(choose(2), 1);
    // The partner's King: the most points.
    table({{1, 10, kHuman}, {1, 7, 3}});
    EXPECT_EQ(choose(3), 1);

    // A master card holds the trick: at 3 always the lowest playable card; at 2 the
    // side decides.
    table({{1, 3, kHuman}, {1, 7, 3}});
    EXPECT_EQ(choose(3), 2);
    EXPECT_EQ(choose(2), 1);
    table({{1, 7, kHuman}, {1, 3, 3}});
    EXPECT_EQ(choose(3), 2);
    EXPECT_EQ(choose(2), 2);

    // At 2 with nothing that beats the trick: the lowest playable card.
    table({{1, 7, kHuman}, {1, 2, 3}});
    EXPECT_EQ(choose(2), 2);

    // Difficulty 1 makes no search: the side the last search left, that of the
    // leader; none known chooses nothing.
    table({{1, 7, kHuman}, {1, 10, 3}});
    m.Vincitore_Mano = 9;
    EXPECT_EQ(choose(1), 1);
    m.Vincitore_Mano = 1;
    EXPECT_EQ(choose(1), 2);
    m.Vincitore_Mano = 0;
    EXPECT_EQ(choose(1), 0);
}

TEST_F(TresetteChoice, TwoPlayersFollow) {
    // An Ace led that is not a master card: the strongest card of its suit that
    // beats it, or nothing.
    table({{1, 1, kHuman}});
    hand(2, {{1, 2}, {1, 3}, {1, 5}, {2, 3}});
    EXPECT_EQ(choose(2), 2);
    EXPECT_EQ(choose(3), 2);
    hand(2, {{1, 5}, {1, 6}, {2, 3}});
    EXPECT_EQ(choose(3), 0);

    // Another card led: the winning card with the most points, never a Two or a
    // Three; else the lowest playable card.
    table({{1, 7, kHuman}});
    hand(2, {{1, 2}, {1, 10}, {1, 4}, {3, 4}});
    EXPECT_EQ(choose(2), 3);
    hand(2, {{1, 2}, {1, 1}, {1, 4}});
    EXPECT_EQ(choose(3), 2);

    // A master card led: the lowest card. At 3 with a short hand, the lowest card of
    // a suit the human lacks (here the seat holds none of the led suit).
    table({{1, 3, kHuman}});
    hand(kHuman, {{1, 5}, {2, 1}, {4, 1}});
    hand(2, {{2, 4}, {3, 10}, {3, 8}, {4, 5}, {2, 9}, {4, 9}, {2, 10}, {4, 10}, {2, 8}, {4, 8}});
    EXPECT_EQ(choose(2), 1);
    EXPECT_EQ(choose(3), 1);
    put(2, 10, 0, 0, 0);
    EXPECT_EQ(choose(3), 1);
    put(2, 9, 0, 0, 0);
    EXPECT_EQ(choose(2), 1);
    EXPECT_EQ(choose(3), 3);

    // Difficulty 1: the lowest card with three or more playable ones; with two, a
    // card that beats the trick when it holds no master card.
    table({{1, 9, kHuman}});
    hand(2, {{1, 1}, {1, 10}, {1, 4}});
    EXPECT_EQ(choose(1), 3);
    hand(2, {{1, 1}, {1, 10}, {2, 4}});
    EXPECT_EQ(choose(1), 1);
    table({{1, 3, kHuman}});
    EXPECT_EQ(choose(1), 2);
}

TEST_F(TresetteChoice, ThreePlayersFollowBySeat) {
    // Seat 2 plays second: with a long hand, just above the next seat's best card.
    seat_to_move(3, 2);
    table({{1, 5, kHuman}});
    hand(1, {{1, 10}});
    hand(2, {{1, 2}, {1, 9}, {1, 1}, {2, 4}, {2, 5}, {3, 6}});
    EXPECT_EQ(choose(3), 3);
    EXPECT_EQ(choose(2), 3);
    EXPECT_EQ(choose(1), 2);  // the lowest playable card
    // With a short hand, the strongest card that wins.
    hand(2, {{1, 2}, {1, 9}, {1, 1}, {2, 4}, {2, 5}});
    EXPECT_EQ(choose(3), 1);
    EXPECT_EQ(choose(1), 1);

    // Seat 1 plays last: the winning card with the most points.
    seat_to_move(3, 1);
    table({{1, 5, kHuman}, {1, 8, 2}});
    hand(1, {{1, 10}, {1, 2}, {1, 4}, {2, 1}});
    EXPECT_EQ(choose(3), 1);
    EXPECT_EQ(choose(1), 1);
    // A master card holds the trick: the lowest playable card.
    table({{1, 5, kHuman}, {1, 3, 2}});
    EXPECT_EQ(choose(3), 3);
    EXPECT_EQ(choose(2), 3);
}

// --- The signal word and the whole turn ------------------------------------------

class TresetteTurn : public TresetteChoice {
protected:
    table::MasterWindow& w = program.master;

    void SetUp() override {
        TresetteChoice::SetUp();
        program.settings.Tempi_Animazione(2) = 1;
        program.settings.Tempi_Animazione(5) = 1;
        program.anim.Altezza_Carta = 1800;
        for (int s : {1, 2, 3}) {
            for (int p = 1; p <= 10; ++p) {
                w.P.Load(s * 40 + p);
                w.P(s * 40 + p).Top = static_cast<float>(1000 * s);
                w.P(s * 40 + p).Left = static_cast<float>(100 * p + 10 * s);
            }
        }
        for (int k = 201; k <= 204; ++k) w.P.Load(k);
        w.LBL_Parola_Tresette.Width = 1815;
    }

    std::string signal(int seat, int position) {
        m.Giocatore_Corrente = static_cast<std::int16_t>(seat);
        choice() = static_cast<std::int16_t>(position);
        TresetteProbe::signal(players);
        return w.LBL_Parola_Tresette.Caption;
    }
};

TEST_F(TresetteTurn, TheLeadersSignalWordTellsThePartnerAboutTheSuit) {
    seat_to_move(4, 1);
    for (int e = 1; e <= 10; ++e) m.Contatori(e) = 7;
    hand(1, {{1, 3}, {2, 5}, {4, 7}, {2, 2}, {4, 6}});
    EXPECT_EQ(signal(1, 1), "Volo!");  // the only card of its suit, even a Three
    EXPECT_EQ(m.Tabella_Giocatori(1, 2), 3);
    EXPECT_EQ(signal(1, 2), "Busso!");
    EXPECT_EQ(m.Contatori(1), 2);
    EXPECT_EQ(m.Contatori(4), 1);
    EXPECT_EQ(signal(1, 5), "Striscio!");
    for (int e : {2, 3, 4, 5}) EXPECT_EQ(m.Contatori(e), 0) << e;
    EXPECT_EQ(m.Contatori(6), 7);  // the direction of play
}

TEST_F(TresetteTurn, TheSignalStandsBesideTheLeadersMiddleCard) {
    seat_to_move(4, 1);
    table::Control& label = w.LBL_Parola_Tresette;
    hand(1, {{1, 5}});
    hand(2, {{1, 5}});
    hand(3, {{1, 5}});

    w.IMG_Sfondo_Tavolo.Visible = true;
    signal(1, 1);
    EXPECT_EQ(label.container, &w.IMG_Sfondo_Tavolo);
    EXPECT_EQ(label.Top, w.P(45).Top);
    EXPECT_EQ(label.Left, w.P(45).Left - 1815);
    EXPECT_TRUE(label.Visible);
    EXPECT_GT(label.z, w.P(45).z);

    w.IMG_Sfondo_Tavolo.Visible = false;
    signal(2, 1);
    EXPECT_EQ(label.container, &w.PIC_Tavolo);
    EXPECT_EQ(label.Top, w.P(85).Top + 1800);
    EXPECT_EQ(label.Left, w.P(85).Left);

    signal(3, 1);
    EXPECT_EQ(label.Top, w.P(125).Top);
    EXPECT_EQ(label.Left, w.P(125).Left + 1800);
}

TEST_F(TresetteTurn, AFourPlayerLeaderPlaysItsChoiceAndSignals) {
    seat_to_move(4, 1);
    program.settings.Difficolta = 3;
    m.Partita_Finita = true;  // no further turn
    hand(1, {{2, 4}, {1, 5}, {3, 3}, {1, 7}, {3, 6}});

    players.Gioca_Turno_Computer();
    EXPECT_EQ(m.Tabella_Carte(kTable, 1, kSuit), 3);
    EXPECT_EQ(m.Tabella_Carte(kTable, 1, kValue), 3);
    EXPECT_EQ(m.Tabella_Carte(kTable, 1, kOwner), 1);
    EXPECT_EQ(m.Tabella_Carte(1, 3, kSuit), 0);
    EXPECT_EQ(m.Tabella_Giocatori(1, 4), 3);
    EXPECT_FALSE(w.P(43).Visible);
    EXPECT_EQ(w.LBL_Parola_Tresette.Caption, "Busso!");
    EXPECT_TRUE(w.LBL_Parola_Tresette.Visible);
}

TEST_F(TresetteTurn, AFollowerPlaysALegalCardAndLeavesTheSignalAlone) {
    seat_to_move(4, 2);
    m.Partita_Finita = true;
    table::Control& label = w.LBL_Parola_Tresette;
    label.Caption = "Volo!";
    label.Top = 77;
    label.Visible = true;

    // Difficulty 0 plays a random card, always one of the led suit.
    program.settings.Difficolta = 0;
    std::set<int> played;
    for (int k = 0; k < 30; ++k) {
        table({{4, 6, kHuman}, {4, 1, 3}});
        hand(2, {{1, 5}, {4, 7}, {2, 2}, {4, 10}, {3, 3}});
        players.Gioca_Turno_Computer();
        ASSERT_EQ(m.Tabella_Carte(kTable, 3, kSuit), 4);
        played.insert(m.Tabella_Giocatori(2, 4));
        EXPECT_EQ(program.engine.Conta_Carte_Lista(2), 4);
    }
    EXPECT_EQ(played, (std::set<int>{2, 4}));
    EXPECT_EQ(label.Caption, "Volo!");
    EXPECT_EQ(label.Top, 77);

    // Two players lead without a signal.
    seat_to_move(2, 2);
    label.Visible = false;
    program.settings.Difficolta = 2;
    table({});
    hand(2, {{1, 5}, {4, 7}});
    players.Gioca_Turno_Computer();
    EXPECT_EQ(m.Tabella_Carte(kTable, 1, kValue), 5);
    EXPECT_FALSE(label.Visible);
}

}  // namespace
}  // namespace tavolora::players
