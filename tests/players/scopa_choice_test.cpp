#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

#include "tests/support/headless_program.h"

namespace tavolora::players {

// Scopa's choice and the play step, reached apart from the turn flow around them.
class ScopaProbe {
public:
    static void choose(Players& players) { players.choose_scopa_card(); }
    static void play_chosen_card(Players& players) { players.play_chosen_card(); }
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
constexpr int kHuman = engine::seat::kHuman;

// Seat 2 to move in a two-player hand (order 9, 2), the human to follow; the
// primiera figures with no rule suit.
class ScopaChoice : public ::testing::Test {
protected:
    HeadlessProgram h;
    Program& program = h.program;
    engine::MatchState& m = program.match;
    Players& players = program.players;

    void SetUp() override {
        m.Codice_Gioco = engine::game::kScopa;
        m.Numero_Giocatori = 2;
        m.Ordine_Giocatori(1) = kHuman;
        m.Ordine_Giocatori(2) = 2;
        m.Indice_Turno = 2;
        m.Giocatore_Corrente = 2;
        program.engine.Assegna_Valori_Carte();
    }

    void hand(int seat, std::initializer_list<Card> cards) {
        m.Carte_In_Mano = static_cast<int>(cards.size());
        int p = 1;
        for (const Card& c : cards) put(seat, p++, c, c.suit == 0 ? 0 : seat);
    }
    // The table cards from position 1 on (kEmpty leaves a hole), and their sums.
    void table(std::initializer_list<Card> cards) {
        int p = 1;
        for (const Card& c : cards) put(kTable, p++, c, c.suit == 0 ? 0 : kHuman);
        program.engine.Calcolo_Combinazioni();
    }
    void put(int lista, int position, Card c, int owner) {
        m.Tabella_Carte(lista, position, kSuit) = static_cast<std::int16_t>(c.suit);
        m.Tabella_Carte(lista, position, kValue) = static_cast<std::int16_t>(c.value);
        m.Tabella_Carte(lista, position, kOwner) = static_cast<std::int16_t>(owner);
    }

    std::int16_t& choice() { return m.Tabella_Giocatori(2, 4); }
    // One chooser from a given earlier choice.
    template <class Chooser>
    int run(Chooser chooser, int earlier = 0) {
        choice() = static_cast<std::int16_t>(earlier);
        (players.*chooser)();
        return choice();
    }
    // The whole choice of the computer turn at a difficulty.
    int choose(int difficulty) {
        program.settings.Difficolta = static_cast<std::int16_t>(difficulty);
        ScopaProbe::choose(players);
        return choice();
    }
    std::set<int> choices(int difficulty, int times = 200) {
        std::set<int> seen;
        for (int k = 0; k < times; ++k) seen.insert(choose(difficulty));
        return seen;
    }
};

TEST_F(ScopaChoice, CapturesBySumTakeTheLastMatchOrTheFirstGreatestBaseRank) {
    // Sums of 1, 5, 4: 1, 5, 4, 6, 5, 9, 10.
    table({{1, 1}, {2, 5}, {3, 4}});
    // Base ranks: the Nine 10, the Ace 16, the Five 15, the Ten 10, the Three 13.
    hand(2, {{1, 9}, {2, 1}, {3, 5}, {1, 10}, {4, 3}});

    EXPECT_EQ(run(&Players::Scegli_Presa_Combinazioni), 4);
    EXPECT_EQ(run(&Players::Scegli_Presa_Migliore, 5), 2);  // the Ace, lowest in value
    EXPECT_EQ(m.Valore_Massimo, 16);

    // Equal base ranks keep the first position; a rule-suit card ranks above.
    hand(2, {{1, 9}, {2, 10}, {3, 7}});
    EXPECT_EQ(run(&Players::Scegli_Presa_Migliore), 1);
    m.Tabella_Carte(32, 20, 1) = 11;  // the Ten of suit 2
    EXPECT_EQ(run(&Players::Scegli_Presa_Migliore), 2);

    // Nothing captures: the earlier choice stays, and the best figure is back to 0.
    hand(2, {{1, 7}, {2, 8}, {3, 3}});
    EXPECT_EQ(run(&Players::Scegli_Presa_Combinazioni, 3), 3);
    EXPECT_EQ(run(&Players::Scegli_Presa_Migliore, 0), 0);
    EXPECT_EQ(m.Valore_Massimo, 0);

    // A single table card: the first sum alone.
    table({{3, 6}, kEmpty, kEmpty});
    ASSERT_EQ(m.combinazioni.LTOT_Somme.size(), 1u);
    hand(2, {{2, 2}, {1, 6}, kEmpty});
    EXPECT_EQ(run(&Players::Scegli_Presa_Combinazioni), 2);
    EXPECT_EQ(run(&Players::Scegli_Presa_Migliore), 2);
}

TEST_F(ScopaChoice, TheSweepSearchTakesTheLastCardEqualToTheWholeTable) {
    hand(2, {{1, 5}, kEmpty, {3, 5}, {4, 2}});
    // An empty table sums to 0: neither a card nor an empty position matches it.
    table({});
    EXPECT_EQ(run(&Players::Cerca_Scopa, 4), 4);
    EXPECT_EQ(m.Somma_Tavola, 0);
    EXPECT_EQ(run(&Players::Cerca_Scopa), 0);

    // A hole left by a capture: every position is added up.
    table({{1, 2}, kEmpty, {2, 3}});
    EXPECT_EQ(run(&Players::Cerca_Scopa, 4), 3);
    EXPECT_EQ(m.Somma_Tavola, 5);
}

TEST_F(ScopaChoice, TheSafeDiscardLooksAtTheNextPlayersHand) {
    // Seat 2 plays last in the order: the next turn position is empty and wraps to 1.
    table({{1, 3}});
    hand(kHuman, {{1, 4}, {2, 5}, {3, 9}, {4, 10}});
    hand(2, {{1, 2}, {2, 1}, {3, 6}, {4, 8}});
    // 2 + 3 and 1 + 3 and 6 + 3 are in the human's hand; 8 + 3 matches no card.
    EXPECT_EQ(run(&Players::Scegli_Carta_Scopa_Sicura, 2), 4);
    EXPECT_EQ(m.Compagno, 1);
    EXPECT_EQ(m.Somma_Tavola, 3);
    EXPECT_EQ(m.Valore_Massimo, 8);

    // The least safe value wins, the first position of it on a tie.
    put(kHuman, 3, {3, 7}, kHuman);
    hand(2, {{1, 8}, {2, 6}, {3, 6}, {4, 2}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Scopa_Sicura, 4), 2);

    // No safe card: the earlier choice stays.
    hand(2, {{1, 1}, {2, 2}, kEmpty, {4, 4}});
    hand(kHuman, {{1, 4}, {2, 5}, {3, 7}, {4, 7}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Scopa_Sicura, 4), 4);
    EXPECT_EQ(run(&Players::Scegli_Carta_Scopa_Sicura, 0), 0);

    // Three players, seat 2 in the middle of 9, 2, 1: seat 1 is next, not the human.
    m.Numero_Giocatori = 3;
    m.Ordine_Giocatori(3) = 1;
    hand(1, {{1, 9}, {2, 9}, {3, 9}, {4, 9}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Scopa_Sicura), 1);
    EXPECT_EQ(m.Compagno, 3);
}

TEST_F(ScopaChoice, TheDiscardByValueKeepsAnEarlierChoiceOrPlaysTheGreatestCard) {
    table({{1, 1}});
    hand(2, {{1, 9}, {2, 3}, kEmpty, {4, 9}, {3, 2}});
    EXPECT_EQ(run(&Players::Scegli_Carta_Scarto_Scopa, 5), 5);

    // From a random start: the first Nine, or the second when the start is there.
    std::set<int> seen;
    for (int k = 0; k < 200; ++k) seen.insert(run(&Players::Scegli_Carta_Scarto_Scopa));
    EXPECT_EQ(seen, (std::set<int>{1, 4}));
}

TEST_F(ScopaChoice, ASweepIsPlayedAtEveryDifficulty) {
    // Sums of 1, 1, 8 are 1, 1, 8, 2, 9, 9, 10: the Ace and the Two capture, the Ten
    // sweeps; the table's 10 keeps the discards of levels 2 and 3 out.
    table({{1, 1}, {2, 1}, {3, 8}});
    hand(2, {{4, 1}, {2, 10}, {3, 2}});
    for (int difficulty : {0, 1, 2, 3, 7, -1})
        EXPECT_EQ(choose(difficulty), 2) << "difficulty " << difficulty;
}

TEST_F(ScopaChoice, TheSafeDiscardOfLevelThreeRunsOnATableBelowTen) {
    // Table 4 + 5 = 9: the capture is the Five (base rank 15); the Four is safe
    // (13 matches nothing), the Ace is not (10 is in the human's hand).
    table({{1, 4}, {2, 5}});
    hand(kHuman, {{1, 10}, {2, 7}, {3, 6}});
    hand(2, {{3, 4}, {4, 5}, {3, 1}});
    EXPECT_EQ(choose(3), 1);
    EXPECT_EQ(choose(1), 2);  // level 1 keeps the capture

    // Table 4 + 6 = 10: the capture of the Six stands.
    table({{1, 4}, {2, 6}});
    hand(2, {{3, 4}, {4, 6}, {3, 1}});
    EXPECT_EQ(choose(3), 2);
}

TEST_F(ScopaChoice, LevelTwoDiscardsTheGreatestCardOnlyWithoutACaptureOnATableBelowTen) {
    table({{1, 2}, {2, 3}});  // 5
    hand(2, {{1, 4}, {2, 9}, {3, 8}});
    EXPECT_EQ(choose(2), 2);
    EXPECT_EQ(choices(1), (std::set<int>{1, 2, 3}));  // level 1 has no discard

    hand(2, {{1, 4}, {2, 9}, {3, 3}});
    EXPECT_EQ(choose(2), 3);  // the capture stands

    table({{1, 6}, {2, 4}});  // 10
    hand(2, {{1, 9}, {2, 7}, {3, 8}});
    EXPECT_EQ(choices(2), (std::set<int>{1, 2, 3}));
}

TEST_F(ScopaChoice, NoChoiceIsEverLeftOverFromAnEarlierTurn) {
    // The last turn chose position 3, now empty; nothing captures or sweeps. Level 2
    // discards the Six, level 3 finds the Four safe (the human's hand is empty), and
    // every other level plays at random, a difficulty outside 0..3 as level 0.
    table({{1, 1}});
    hand(2, {{1, 4}, {2, 6}, kEmpty});
    struct Case {
        int difficulty;
        std::set<int> played;
    };
    for (const Case& c :
         {Case{0, {1, 2}}, Case{1, {1, 2}}, Case{2, {2}}, Case{3, {1}}, Case{7, {1, 2}}, Case{-1, {1, 2}}}) {
        std::set<int> seen;
        for (int k = 0; k < 60; ++k) {
            choice() = 3;
            seen.insert(choose(c.difficulty));
        }
        EXPECT_EQ(seen, c.played) << "difficulty " << c.difficulty;
    }
}

TEST_F(ScopaChoice, ThePlayStepShowsTheCardAtItsTablePlaceAndNotesThePlace) {
    // A capture left a hole at position 2: the card goes there.
    table({{1, 1}, kEmpty, {3, 3}});
    hand(2, {{2, 2}, {4, 7}});
    table::MasterWindow& w = program.master;
    for (int k : {81, 82, 201, 202, 203}) w.P.Load(k);
    m.Tabella_Giocatori(5, 1) = 9;
    w.P(82).Visible = true;

    choice() = 2;
    ScopaProbe::play_chosen_card(players);
    EXPECT_EQ(w.P(202).Picture, program.animation.face_picture(4, 7));
    EXPECT_EQ(program.anim.Animazioni_Carte(1).Immagine, w.P(202).Picture);
    EXPECT_EQ(m.Tabella_Giocatori(5, 1), 2);
    EXPECT_EQ(m.Tabella_Carte(kTable, 2, kValue), 7);
    EXPECT_EQ(m.Tabella_Carte(kTable, 2, kOwner), 2);
    EXPECT_EQ(m.Tabella_Carte(kTable, 3, kValue), 3);
    EXPECT_FALSE(w.P(82).Visible);

    // The next card goes to position 4, which has no picture: the play goes on.
    choice() = 1;
    ScopaProbe::play_chosen_card(players);
    EXPECT_EQ(m.Tabella_Giocatori(5, 1), 4);
    EXPECT_EQ(m.Tabella_Carte(kTable, 4, kValue), 2);
    EXPECT_TRUE(w.P(203).Picture.empty());

    // Briscola neither loads the table picture nor notes the place.
    m.Codice_Gioco = engine::game::kBriscola;
    for (int p = 2; p <= 4; ++p) put(kTable, p, kEmpty, 0);
    put(2, 1, {1, 5}, 2);
    w.P(202).Picture.clear();
    ScopaProbe::play_chosen_card(players);
    EXPECT_TRUE(w.P(202).Picture.empty());
    EXPECT_EQ(m.Tabella_Giocatori(5, 1), 4);
}

TEST_F(ScopaChoice, TheComputerTurnPlaysTheSweepAndTakesTheTable) {
    table({{1, 2}, {2, 3}});
    hand(kHuman, {{4, 4}, {4, 6}, {4, 9}});
    hand(2, {{3, 5}, {1, 9}, {2, 2}});
    table::MasterWindow& w = program.master;
    for (int k : {81, 82, 83, 201, 202, 203}) w.P.Load(k);
    program.settings.Tempi_Animazione(5) = 1;
    program.settings.Difficolta = 1;
    m.Partita_Finita = true;  // no further turn

    players.Gioca_Turno_Computer();
    EXPECT_EQ(m.Tabella_Giocatori(2, 2), 5);
    EXPECT_EQ(m.Tabella_Giocatori(5, 1), 3);
    EXPECT_EQ(m.Tabella_Carte(2, 1, kSuit), 0);
    EXPECT_EQ(m.Ultimo_Presa, 2);
    EXPECT_EQ(program.engine.Conta_Carte_Lista(kTable), 0);
    EXPECT_EQ(program.engine.Conta_Carte_Lista(12), 3);
}

}  // namespace
}  // namespace tavolora::players
