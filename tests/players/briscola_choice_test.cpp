#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "tests/support/headless_program.h"

namespace tavolora::players {

// The play step of the computer turn, reached apart from the turn flow around it.
class PlayersProbe {
public:
    static void play_chosen_card(Players& players) { players.play_chosen_card(); }
};

namespace {

using engine::attr::kOwner;
using engine::attr::kSuit;
using engine::attr::kValue;
using testing::HeadlessProgram;

struct Card {
    int suit;
    int value;
};
constexpr Card kEmpty{0, 0};

class BriscolaChoice : public ::testing::Test {
protected:
    HeadlessProgram h;
    Program& program = h.program;
    engine::MatchState& m = program.match;
    Players& players = program.players;

    // Seat `seat` to move in a Briscola hand of `players` with `trump` as trump suit.
    void deal(int players_count, int trump, int seat, std::initializer_list<Card> hand) {
        m.Codice_Gioco = engine::game::kBriscola;
        m.Numero_Giocatori = players_count;
        m.Carte_In_Mano = static_cast<int>(hand.size());
        m.Tabella_Carte(engine::list::kDeck, 1, kSuit) = static_cast<std::int16_t>(trump);
        program.engine.Assegna_Valori_Carte();
        m.Giocatore_Corrente = static_cast<std::int16_t>(seat);
        int p = 1;
        for (const Card& c : hand) put(seat, p++, c.suit, c.value, c.suit == 0 ? 0 : seat);
    }
    void put(int lista, int position, int suit, int value, int owner) {
        m.Tabella_Carte(lista, position, kSuit) = static_cast<std::int16_t>(suit);
        m.Tabella_Carte(lista, position, kValue) = static_cast<std::int16_t>(value);
        m.Tabella_Carte(lista, position, kOwner) = static_cast<std::int16_t>(owner);
    }
    void lead(int position, int suit, int value, int owner) {
        put(engine::list::kTable, position, suit, value, owner);
    }

    // The evaluation and the pick of a difficulty, as the computer turn runs them.
    int choose(int difficulty) {
        program.settings.Difficolta = static_cast<std::int16_t>(difficulty);
        players.Valuta_Carte_Computer();
        if (difficulty == 2) {
            players.Scegli_Carta_Max_36();
        } else {
            players.Scegli_Carta_Max_35();
        }
        return m.Tabella_Giocatori(m.Giocatore_Corrente, 4);
    }
    std::vector<int> figures(int lista, int attribute) const {
        std::vector<int> row;
        for (int p = 1; p <= m.Carte_In_Mano; ++p) row.push_back(m.Tabella_Carte(lista, p, attribute));
        return row;
    }
    const std::vector<std::string>& trace() const { return program.master.List1.items; }
};

TEST_F(BriscolaChoice, LeadingEachDifficultyHasItsOwnIdeaOfTheCheapestCard) {
    // Trump 4. The Three of suit 1 (10 points, order 16), the Five of trumps (0,
    // order 3 + 3), the Knave of suit 2 (2, order 8). A lead always takes its trick.
    deal(2, 4, 2, {{1, 3}, {4, 5}, {2, 8}});

    EXPECT_EQ(choose(1), 1);  // the most points
    EXPECT_EQ(figures(35, 1), (std::vector<int>{10, 0, 2}));
    EXPECT_EQ(figures(35, 2), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(figures(35, 3), (std::vector<int>{16, 6, 8}));
    EXPECT_EQ(trace(), (std::vector<std::string>{"", "", ""}));

    EXPECT_EQ(choose(2), 3);  // non-trumps 4 - K, trumps -K
    EXPECT_EQ(figures(36, 1), (std::vector<int>{-12, -6, -4}));

    EXPECT_EQ(choose(3), 2);  // the smallest order number
    EXPECT_EQ(figures(35, 1), (std::vector<int>{-16, -6, -8}));
    EXPECT_EQ(trace(),
              (std::vector<std::string>{"valore= 0", "costo= 16", "tot= -16", "", "valore= 0", "costo= 6",
                                        "tot= -6", "", "valore= 0", "costo= 8", "tot= -8", ""}));
}

TEST_F(BriscolaChoice, PlayingLastTheTotalsOfDifficultyThreeWeighWhatIsOnTheTable) {
    // The human led the Four of suit 1 (rank 2). Trump 4. The Five of suit 1 takes
    // it, the Ace of trumps takes it, the Ace of suit 2 loses it.
    deal(2, 4, 2, {{1, 5}, {4, 1}, {2, 1}});
    lead(1, 1, 4, 9);
    for (int p = 1; p <= 3; ++p) m.Tabella_Carte(36, p, 1) = 555;

    EXPECT_EQ(choose(3), 1);
    EXPECT_EQ(figures(35, 1), (std::vector<int>{2 + 3 + 4, 2 - 17 + 4, 2 - 14}));
    EXPECT_EQ(figures(35, 2), (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(figures(35, 3), (std::vector<int>{3, 17, 14}));
    EXPECT_EQ(figures(36, 1), (std::vector<int>{555, 555, 555}));  // not written at 3
    EXPECT_EQ(trace().at(0), "valore= 2");
    EXPECT_EQ(trace().at(6), "tot= -11");

    EXPECT_EQ(choose(1), 2);  // the points of the trick, lost ones negative
    EXPECT_EQ(figures(35, 1), (std::vector<int>{0, 11, -11}));

    EXPECT_EQ(choose(2), 2);  // last to play: K + 4, trumps K - V, losers -K
    EXPECT_EQ(figures(36, 1), (std::vector<int>{7, 15, -14}));
}

TEST_F(BriscolaChoice, FourPlayersAPartnersCardStandingCountsAsWon) {
    // Seat 1 plays third after its partner 3 led the Ace of suit 1 and seat 9 followed.
    deal(4, 4, 1, {{1, 2}, {2, 5}, {3, 6}});
    lead(1, 1, 1, 3);
    lead(2, 1, 4, 9);
    EXPECT_EQ(choose(1), 1);  // equal figures: the first position
    EXPECT_EQ(figures(35, 1), (std::vector<int>{11, 11, 11}));
    EXPECT_EQ(choose(2), 1);  // s is -1 until the last seat: -K + 4
    EXPECT_EQ(figures(36, 1), (std::vector<int>{3, 1, 0}));

    // The same cards against an opponent's Ace are lost.
    lead(1, 1, 1, 2);
    EXPECT_EQ(choose(1), 1);
    EXPECT_EQ(figures(35, 1), (std::vector<int>{-11, -11, -11}));
    EXPECT_EQ(figures(36, 1), (std::vector<int>{-1, -3, -4}));
}

TEST_F(BriscolaChoice, AnEmptyPositionIsNeverChosenWhileACardIsInHand) {
    deal(2, 3, 2, {kEmpty, {2, 4}, {1, 2}});
    lead(1, 1, 1, 9);
    // Both cards lose: at 1 they tie, at 2 and 3 the smaller order number is dearer.
    for (int difficulty : {1, 2, 3}) {
        EXPECT_EQ(choose(difficulty), difficulty == 1 ? 2 : 3) << "difficulty " << difficulty;
        EXPECT_EQ(m.Tabella_Carte(35, 1, 1), -30000);
        EXPECT_EQ(m.Tabella_Carte(36, 1, 1), -30000);
        EXPECT_EQ(m.Tabella_Carte(35, 1, 3), 0);
        // The empty position writes no trace line.
        EXPECT_EQ(trace().size(), difficulty == 3 ? 8u : 2u);
    }
}

TEST_F(BriscolaChoice, TheEvaluationLeavesTheTableAsItFoundIt) {
    // The "151" variant's five cards: the bound is the hand size, a stale card past
    // it is never tried.
    deal(3, 2, 1, {{1, 7}, {3, 3}, {2, 9}, {4, 4}, {1, 8}});
    put(1, 6, 2, 1, 1);
    lead(1, 4, 6, 9);
    m.Tabella_Carte(35, 6, 1) = 99;
    m.Contatori(9) = 5;

    EXPECT_LE(choose(1), 5);
    EXPECT_EQ(m.Lista_Scelta, 35);
    EXPECT_EQ(m.Tabella_Carte(35, 6, 1), 0);  // the list was cleared first
    EXPECT_EQ(program.engine.Conta_Carte_Lista(20), 1);
    EXPECT_EQ(m.Tabella_Carte(engine::list::kTable, 1, kValue), 6);
    EXPECT_EQ(program.engine.Conta_Carte_Lista(1), 6);
    EXPECT_EQ(m.Contatori(9), 0);
    EXPECT_EQ(trace().size(), 5u);
}

TEST_F(BriscolaChoice, TheRandomCardIsAlwaysACardInHand) {
    deal(2, 1, 3, {kEmpty, {2, 2}, kEmpty, {3, 9}, {1, 1}, kEmpty});
    put(3, 7, 4, 4, 3);  // past the hand size
    std::set<int> chosen;
    for (int k = 0; k < 300; ++k) {
        m.Tabella_Giocatori(3, 4) = 0;
        players.Scegli_Carta_Casuale();
        chosen.insert(m.Tabella_Giocatori(3, 4));
    }
    EXPECT_EQ(chosen, (std::set<int>{2, 4, 5}));
}

class ComputerTurn : public BriscolaChoice {
protected:
    // Seat 2 leads the trick, the human to follow; the hand is marked over so that
    // the turn flow gives no further turn.
    void seat_two_leads(std::initializer_list<Card> hand, int game_code = engine::game::kBriscola) {
        deal(2, 4, 2, hand);
        m.Codice_Gioco = static_cast<std::int16_t>(game_code);
        m.Ordine_Giocatori(1) = 2;
        m.Ordine_Giocatori(2) = 9;
        m.Indice_Turno = 1;
        put(engine::list::kTable, 1, 0, 0, 0);
        put(9, 1, 3, 3, 9);
        m.Partita_Finita = true;
        table::MasterWindow& w = program.master;
        w.P.Load(1);
        for (int p = 1; p <= m.Carte_In_Mano; ++p) w.P.Load(80 + p);
        w.P.Load(201);
    }
    Card played() const {
        return {m.Tabella_Carte(engine::list::kTable, 1, kSuit),
                m.Tabella_Carte(engine::list::kTable, 1, kValue)};
    }
};

TEST_F(ComputerTurn, EachDifficultyPlaysItsOwnChoice) {
    struct Case {
        int code, difficulty, position;
    };
    // The hand of the leading case above: 1 plays the Three, 2 the Knave, 3 the Five.
    const Card hand[3] = {{1, 3}, {4, 5}, {2, 8}};
    for (const Case& c : {Case{1, 1, 1}, Case{1, 2, 3}, Case{1, 3, 2}, Case{6, 3, 2}}) {
        seat_two_leads({hand[0], hand[1], hand[2]}, c.code);
        program.settings.Difficolta = static_cast<std::int16_t>(c.difficulty);
        players.Gioca_Turno_Computer();
        EXPECT_EQ(played().suit, hand[c.position - 1].suit)
            << "game " << c.code << " difficulty " << c.difficulty;
        EXPECT_EQ(played().value, hand[c.position - 1].value)
            << "game " << c.code << " difficulty " << c.difficulty;
        EXPECT_EQ(m.Tabella_Carte(2, c.position, kSuit), 0);
    }
}

TEST_F(ComputerTurn, ADifficultyOutsideTheRangePlaysARandomCardInHand) {
    for (int difficulty : {0, 7, -1}) {
        seat_two_leads({kEmpty, {1, 7}, kEmpty});
        m.Tabella_Giocatori(2, 4) = 3;  // left over from an earlier turn: now empty
        program.settings.Difficolta = static_cast<std::int16_t>(difficulty);
        players.Gioca_Turno_Computer();
        EXPECT_EQ(played().suit, 1) << "difficulty " << difficulty;
        EXPECT_EQ(played().value, 7);
        EXPECT_EQ(m.Tabella_Giocatori(2, 4), 2);
    }
}

TEST_F(ComputerTurn, ThePlayStepMovesTheCardToTheTableAndPreparesItsFlight) {
    deal(3, 1, 3, {{2, 2}, {3, 7}, {4, 10}});
    lead(1, 1, 5, 9);
    lead(2, 1, 6, 1);
    m.Tabella_Giocatori(3, 4) = 2;
    table::MasterWindow& w = program.master;
    w.P.Load(122);
    w.P(122).Top = 1234.5f;  // to the nearest whole twip, halves to even
    w.P(122).Left = 987.5f;
    w.P(122).Visible = true;

    PlayersProbe::play_chosen_card(players);

    const table::Tipo_Animazione& slot = program.anim.Animazioni_Carte(1);
    EXPECT_EQ(slot.Stato(1), 'N');
    EXPECT_EQ(slot.Immagine, program.animation.face_picture(3, 7));
    EXPECT_EQ(slot.Coordinate(1), 1234);
    EXPECT_EQ(slot.Coordinate(2), 988);
    EXPECT_EQ(slot.Carta(1), 2);
    EXPECT_EQ(m.Tabella_Carte(engine::list::kTable, 3, kSuit), 3);
    EXPECT_EQ(m.Tabella_Carte(engine::list::kTable, 3, kValue), 7);
    EXPECT_EQ(m.Tabella_Carte(engine::list::kTable, 3, kOwner), 3);
    for (int a = 1; a <= 3; ++a) EXPECT_EQ(m.Tabella_Carte(3, 2, a), 0);
    EXPECT_EQ(m.Tabella_Giocatori(3, 1), 3);
    EXPECT_EQ(m.Tabella_Giocatori(3, 2), 7);
    EXPECT_EQ(m.Tabella_Giocatori(3, 3), 3);
    EXPECT_FALSE(w.P(122).Visible);
    EXPECT_EQ(m.Tabella_Carte(3, 1, kValue), 2);  // the rest of the hand stays
    EXPECT_EQ(m.Tabella_Carte(3, 3, kValue), 10);
}

}  // namespace
}  // namespace tavolora::players
