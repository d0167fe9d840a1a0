#include <gtest/gtest.h>

#include <vector>

#include "tests/support/headless_program.h"

namespace tavolora::engine {
namespace {

using testing::HeadlessProgram;

struct Card {
    int suit;
    int value;
    int owner;
};

class Trick : public ::testing::Test {
protected:
    HeadlessProgram h;
    Program& program = h.program;
    MatchState& m = program.match;
    Engine& engine = program.engine;

    void briscola(int trump, int players) {
        m.Codice_Gioco = game::kBriscola;
        m.Numero_Giocatori = players;
        m.Tabella_Carte(list::kDeck, 1, attr::kSuit) = static_cast<std::int16_t>(trump);
        engine.Assegna_Valori_Carte();
    }
    // Tresette's base ranks: Three highest, then Two, Ace, 10 down to 4.
    void tresette(int players) {
        m.Codice_Gioco = game::kTresette;
        m.Numero_Giocatori = players;
        const int ranks[10] = {240, 270, 300, 30, 60, 90, 120, 150, 180, 210};
        for (int id = 1; id <= 40; ++id)
            m.Tabella_Carte(32, id, 1) = static_cast<std::int16_t>(ranks[(id - 1) % 10]);
    }
    void table(const std::vector<Card>& cards) {
        for (int p = 1; p <= 4; ++p) {
            const Card c = p <= static_cast<int>(cards.size()) ? cards[p - 1] : Card{0, 0, 0};
            m.Tabella_Carte(list::kTable, p, attr::kSuit) = static_cast<std::int16_t>(c.suit);
            m.Tabella_Carte(list::kTable, p, attr::kValue) = static_cast<std::int16_t>(c.value);
            m.Tabella_Carte(list::kTable, p, attr::kOwner) = static_cast<std::int16_t>(c.owner);
            program.master.P.Load(200 + p);
        }
    }
    void order(const std::vector<int>& seats) {
        for (int i = 1; i <= static_cast<int>(seats.size()); ++i)
            m.Ordine_Giocatori(i) = static_cast<std::int16_t>(seats[i - 1]);
    }
    // The look-ahead's winner of the cards now on the table.
    int lookahead() {
        engine.Determina_Vincitore_Mano_Squadre();
        return m.Vincitore_Mano;
    }
    bool best_is(Card c) const {
        return m.Tabella_Carte(list::kTurnCells, 5, attr::kSuit) == c.suit &&
               m.Tabella_Carte(list::kTurnCells, 5, attr::kValue) == c.value &&
               m.Tabella_Carte(list::kTurnCells, 5, attr::kOwner) == c.owner;
    }
};

TEST_F(Trick, BriscolaTrumpsTakeTheLedSuitWhichRanksByPointsThenFaceValue) {
    struct Case {
        int trump;
        std::vector<Card> cards;
        Card best;
    };
    const Case cases[] = {
        {3, {{1, 3, 9}, {2, 1, 1}, {3, 2, 2}}, {3, 2, 2}},    // the Ace of suit 2 is passed over
        {3, {{3, 7, 9}, {3, 10, 1}, {1, 1, 2}}, {3, 10, 1}},  // a trump led: 4 points over 0
        {3, {{1, 1, 9}, {3, 4, 1}, {3, 2, 2}}, {3, 4, 1}},    // after a trump, only a higher one
        {4, {{2, 3, 9}, {2, 1, 2}}, {2, 1, 2}},               // Ace over Three
        {4, {{2, 1, 9}, {2, 3, 2}}, {2, 1, 9}},
        {4, {{2, 6, 9}, {2, 7, 2}}, {2, 7, 2}},  // 7 over 6, both 0 points
        {4, {{2, 7, 9}, {2, 6, 2}}, {2, 7, 9}},
        {4, {{1, 2, 9}, {2, 1, 2}}, {1, 2, 9}},  // another suit, no trump
    };
    for (const Case& c : cases) {
        briscola(c.trump, static_cast<int>(c.cards.size()));
        table(c.cards);
        EXPECT_EQ(lookahead(), c.best.owner) << "led " << c.cards[0].suit << "," << c.cards[0].value;
        EXPECT_TRUE(best_is(c.best)) << "led " << c.cards[0].suit << "," << c.cards[0].value;
    }
}

TEST_F(Trick, TresetteFollowsTheLedSuitByBaseRankWithNoTrump) {
    tresette(3);
    m.Tabella_Carte(list::kDeck, 1, attr::kSuit) = 1;  // whatever the deck holds
    table({{2, 4, 9}, {1, 3, 1}, {2, 5, 2}});
    EXPECT_EQ(lookahead(), 2);
    EXPECT_TRUE(best_is({2, 5, 2}));
    table({{2, 1, 9}, {2, 2, 1}, {2, 3, 2}});
    EXPECT_EQ(lookahead(), 2);  // Three over Two over Ace
    table({{2, 3, 9}, {2, 2, 1}, {2, 1, 2}});
    EXPECT_EQ(lookahead(), 9);
}

TEST_F(Trick, TheWinnerLeadsAndFourPlayersShareTheirTeamsPile) {
    briscola(2, 4);
    order({2, 3, 9, 1});
    m.Indice_Turno = 4;
    table({{1, 4, 2}, {1, 5, 3}, {1, 1, 9}, {1, 3, 1}});
    engine.Determina_Vincitore_Mano();
    EXPECT_EQ(m.Vincitore_Mano, 9);
    EXPECT_EQ(m.Vincitore_Effettivo, 9);
    EXPECT_EQ(m.Indice_Turno, 3);

    table({{2, 1, 2}, {1, 5, 3}, {1, 6, 9}, {1, 3, 1}});  // seat 2 leads a trump
    engine.Determina_Vincitore_Mano();
    EXPECT_EQ(m.Vincitore_Mano, 9);
    EXPECT_EQ(m.Vincitore_Effettivo, 2);
    EXPECT_EQ(m.Indice_Turno, 1);  // seat 2's own place, not its pile seat's
    EXPECT_EQ(m.Indice_Turno_Vincitore, 1);
    EXPECT_EQ(engine.Conta_Carte_Lista(19), 8);
    EXPECT_EQ(engine.Conta_Carte_Lista(20), 0);
    EXPECT_EQ(m.Tabella_Carte(19, 5, attr::kOwner), 2);

    // Three players: every seat keeps its own pile.
    briscola(4, 3);
    order({9, 1, 2});
    table({{3, 8, 9}, {3, 9, 1}, {2, 1, 2}});
    engine.Determina_Vincitore_Mano();
    EXPECT_EQ(m.Vincitore_Mano, 1);
    EXPECT_EQ(m.Vincitore_Effettivo, 1);
    EXPECT_EQ(m.Indice_Turno, 2);
    EXPECT_EQ(engine.Conta_Carte_Lista(11), 3);
}

TEST_F(Trick, AnEmptyTablePlaceNeverTakesTheTrick) {
    // No deck either: trump suit 0, which an empty place must not pass for.
    m.Codice_Gioco = game::kBriscola;
    m.Numero_Giocatori = 2;
    engine.Assegna_Valori_Carte();
    order({9, 2});
    table({{1, 6, 2}});
    engine.Determina_Vincitore_Mano();
    EXPECT_EQ(m.Vincitore_Mano, 2);
    EXPECT_EQ(m.Indice_Turno, 2);
}

TEST_F(Trick, GamesWithoutTricksChangeNothing) {
    for (int code : {game::kScopa, game::kCamicia, game::kDeckOnly}) {
        m.Codice_Gioco = static_cast<std::int16_t>(code);
        m.Numero_Giocatori = 2;
        order({9, 2});
        table({{1, 1, 9}, {1, 3, 2}});
        m.Vincitore_Mano = 77;
        m.Indice_Turno = 1;
        m.Carte_In_Tavola = 5;
        engine.Determina_Vincitore_Mano();
        engine.Determina_Vincitore_Mano_Squadre();
        EXPECT_EQ(m.Vincitore_Mano, 77) << "game " << code;
        EXPECT_EQ(m.Indice_Turno, 1);
        EXPECT_EQ(m.Carte_In_Tavola, 5);
        EXPECT_EQ(engine.Conta_Carte_Lista(20), 2);
    }
}

TEST_F(Trick, TheLookAheadReportsWithoutTouchingTheTurnOrTheCards) {
    briscola(1, 2);
    order({9, 2});
    m.Indice_Turno = 1;
    m.Indice_Turno_Vincitore = 2;
    table({{3, 5, 2}});
    EXPECT_EQ(lookahead(), 2);  // one card: its owner
    EXPECT_EQ(m.Giocatore_Ultima_Carta, 2);

    table({{3, 5, 9}, {3, 4, 2}});
    EXPECT_EQ(lookahead(), 9);  // with two players seat 9 is no partner of 2
    EXPECT_EQ(m.Giocatore_Ultima_Carta, 2);
    EXPECT_EQ(m.Carte_In_Tavola, 2);
    EXPECT_EQ(m.Indice_Turno, 1);
    EXPECT_EQ(m.Indice_Turno_Vincitore, 2);
    EXPECT_EQ(engine.Conta_Carte_Lista(20), 2);
}

TEST_F(Trick, FourPlayersTheLookAheadGivesAPartnersTrickToTheSeatTrying) {
    briscola(4, 4);
    struct Case {
        std::vector<Card> cards;
        int result;
    };
    const Case cases[] = {
        {{{2, 1, 3}, {2, 4, 9}, {2, 5, 1}}, 1},  // seat 1 tries, its partner 3 takes
        {{{2, 1, 1}, {2, 4, 2}, {2, 5, 3}}, 3}, {{{2, 1, 9}, {2, 4, 1}, {2, 5, 2}}, 2},
        {{{2, 1, 2}, {2, 4, 3}, {2, 5, 1}}, 2},  // an opponent takes
        {{{2, 1, 2}, {2, 4, 3}, {4, 2, 1}}, 1},  // the seat's own trump
    };
    for (const Case& c : cases) {
        table(c.cards);
        EXPECT_EQ(lookahead(), c.result) << "tried by " << c.cards.back().owner;
    }

    // Under the Tresette rule the report is the winning team's pile seat.
    tresette(4);
    table({{2, 1, 9}, {2, 4, 1}, {2, 3, 2}});
    EXPECT_EQ(lookahead(), 9);
    EXPECT_EQ(m.Vincitore_Effettivo, 2);
    table({{2, 1, 9}, {2, 3, 3}, {2, 2, 1}});
    EXPECT_EQ(lookahead(), 1);
    EXPECT_EQ(m.Vincitore_Effettivo, 3);
    EXPECT_TRUE(best_is({2, 3, 3}));
}

// --- Tresette's duty to follow suit ---------------------------------------------------

TEST_F(Trick, TresetteFollowsTheLedSuitWhileTheHandHoldsIt) {
    tresette(3);
    m.Carte_In_Mano = 13;
    const auto hand = [&](int position, int suit) {
        m.Tabella_Carte(1, position, attr::kSuit) = static_cast<std::int16_t>(suit);
        m.Tabella_Carte(1, position, attr::kValue) = 4;
    };
    for (int p = 1; p <= 12; ++p) hand(p, p <= 6 ? 1 : 3);
    hand(13, 2);  // the only Coppe, at the last position of a thirteen-card hand

    // Leading: any card.
    m.Carte_In_Tavola = 0;
    EXPECT_TRUE(may_play_tresette(m, 1, 1));

    // Coppe led: only the Coppe, however far down the hand it lies.
    table({{2, 9, 2}});
    m.Carte_In_Tavola = 1;
    EXPECT_TRUE(may_play_tresette(m, 1, 13));
    for (int p : {1, 6, 7, 12}) EXPECT_FALSE(may_play_tresette(m, 1, p)) << p;

    // Denari led, none held: any card, and a card beyond the hand's size obliges
    // nothing.
    table({{4, 9, 2}});
    hand(14, 4);
    for (int p : {1, 7, 13}) EXPECT_TRUE(may_play_tresette(m, 1, p)) << p;
}

}  // namespace
}  // namespace tavolora::engine
