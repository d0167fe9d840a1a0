// Camicia: the rules of a turned card, the gather of the central pile, the computer's
// turn and the end of the match.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/table/table_fixture.h"

namespace tavolora::engine {
namespace {

using testing::TableTest;
using Card = std::pair<int, int>;

constexpr int kHuman = 2;
constexpr int kComputer = 3;
constexpr int kCentre = 4;

class Camicia : public TableTest {
protected:
    void SetUp() override {
        choose(game::kCamicia, {9, 2});
        m.Modalita_Partita = 0;
        turn() = kHuman;
    }
    std::int16_t& turn() { return m.Tabella_Carte(10, 1, 1); }
    int to_pay() const { return m.Tabella_Carte(10, 5, 1); }
    int demand_owner() const { return m.Tabella_Carte(10, 4, 3); }

    // A pile from the bottom up.
    void pile(int lista, const std::vector<Card>& cards) {
        for (int p = 1; p <= 40; ++p) {
            for (int a = 1; a <= 3; ++a) m.Tabella_Carte(lista, p, a) = 0;
        }
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const int p = static_cast<int>(i) + 1;
            m.Tabella_Carte(lista, p, 1) = static_cast<std::int16_t>(cards[i].first);
            m.Tabella_Carte(lista, p, 2) = static_cast<std::int16_t>(cards[i].second);
            m.Tabella_Carte(lista, p, 3) = static_cast<std::int16_t>(lista == kCentre ? 0 : lista);
        }
    }
    std::vector<Card> cards_of(int lista) const {
        std::vector<Card> cards;
        for (int p = 1; p <= 40 && m.Tabella_Carte(lista, p, 1) != 0; ++p) {
            cards.push_back({m.Tabella_Carte(lista, p, 1), m.Tabella_Carte(lista, p, 2)});
        }
        return cards;
    }
    // `player` turns the top card of its pile onto the central pile, and its rules
    // apply, as the click and the computer's turn do after the flight.
    void turns(int player) {
        program.engine.Conta_Carte_Tavolo();
        const int top = static_cast<int>(cards_of(player).size());
        const int place = m.Carte_In_Tavola + 1;
        for (int a = 1; a <= 3; ++a) {
            m.Tabella_Carte(kCentre, place, a) = m.Tabella_Carte(player, top, a);
            m.Tabella_Carte(player, top, a) = 0;
        }
        run([&] { program.engine.Dopo_Giocata_Camicia(); });
    }
};

TEST_F(Camicia, AnAceTwoOrThreeAsksForThatManyCardsAndPassesTheTurn) {
    pile(kHuman, {{1, 5}, {1, 2}});
    pile(kComputer, {{2, 4}, {2, 6}, {2, 3}});
    turns(kHuman);
    EXPECT_EQ(turn(), kComputer);
    EXPECT_EQ(to_pay(), 2);
    EXPECT_EQ(demand_owner(), kHuman);

    // The computer, paying, turns a Three: the demand goes back with three to pay.
    turns(kComputer);
    EXPECT_EQ(turn(), kHuman);
    EXPECT_EQ(to_pay(), 3);
    EXPECT_EQ(demand_owner(), kComputer);
}

TEST_F(Camicia, APaymentGoesOnWithThePayerThenTheDemanderGathersAndTurnsNext) {
    pile(kHuman, {{1, 5}, {1, 2}});
    pile(kComputer, {{2, 4}, {2, 6}, {2, 7}, {2, 8}});
    turns(kHuman);  // the Two of suit 1
    turns(kComputer);
    EXPECT_EQ(turn(), kComputer);  // the payer goes on
    EXPECT_EQ(to_pay(), 1);
    turns(kComputer);
    // The human takes the central pile, turned over under its own pile, and turns
    // next: the last card turned lies at the bottom.
    EXPECT_EQ(cards_of(kHuman), (std::vector<Card>{{2, 7}, {2, 8}, {1, 2}, {1, 5}}));
    EXPECT_TRUE(cards_of(kCentre).empty());
    EXPECT_EQ(turn(), kHuman);
    EXPECT_EQ(to_pay(), 0);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(m.Tabella_Carte(kHuman, p, 3), kHuman);
}

TEST_F(Camicia, ACardFromFourUpWithNoDemandJustPassesTheTurn) {
    pile(kHuman, {{1, 5}, {1, 9}});
    pile(kComputer, {{2, 4}});
    turns(kHuman);
    EXPECT_EQ(turn(), kComputer);
    EXPECT_EQ(to_pay(), 0);
}

TEST_F(Camicia, WhenTheComputerGathersItTurnsTheNextCardItself) {
    pile(kHuman, {{1, 5}, {1, 7}});
    pile(kComputer, {{2, 4}, {2, 9}, {2, 1}});
    turn() = kComputer;
    run([&] { program.players.Gioca_Turno_Computer(); });  // its Ace
    EXPECT_EQ(turn(), kHuman);
    turns(kHuman);  // the human pays with a Seven: the computer takes both cards
    // ... then turns its top card (the Nine) and the turn comes back to the human.
    EXPECT_EQ(cards_of(kComputer), (std::vector<Card>{{1, 7}, {2, 1}, {2, 4}}));
    EXPECT_EQ(cards_of(kCentre), (std::vector<Card>{{2, 9}}));
    EXPECT_EQ(turn(), kHuman);
}

TEST_F(Camicia, TheComputerTurnsNothingOnTheHumansTurn) {
    pile(kComputer, {{2, 4}});
    run([&] { program.players.Gioca_Turno_Computer(); });
    EXPECT_EQ(cards_of(kComputer).size(), 1U);
    EXPECT_TRUE(cards_of(kCentre).empty());
}

// --- The end of the match ------------------------------------------------------------------

TEST_F(Camicia, ThePlayerLeftWithoutCardsLosesInEveryKindOfMatch) {
    for (int kind : {0, 1, 2, 3}) {
        m.Modalita_Partita = kind;
        m.Numero_Carte_Camicia = 30;
        m.Partita_Terminata = false;
        pile(kHuman, {{1, 5}});
        pile(kComputer, {});
        turn() = kComputer;
        const std::size_t shown = h.platform.messages().size();
        run([&] { program.players.Gioca_Turno_Computer(); });
        EXPECT_TRUE(m.Partita_Finita) << "kind " << kind;
        EXPECT_EQ(m.Vincitore_Partita, kHuman) << "kind " << kind;
        EXPECT_TRUE(cards_of(kCentre).empty()) << "kind " << kind;  // nothing turned
        ASSERT_EQ(h.platform.messages().size(), shown + 1) << "kind " << kind;
        EXPECT_EQ(h.platform.messages().back().title, "Complimenti...");
        EXPECT_EQ(h.platform.messages().back().text, "Hai vinto la partita!");
        EXPECT_FALSE(w.PIC_Tavolo.Visible);
    }
}

TEST_F(Camicia, AMatchToANumberOfCardsGoesToThePileThatReachesIt) {
    m.Modalita_Partita = 2;
    m.Numero_Carte_Camicia = 30;
    std::vector<Card> many;
    for (int k = 0; k < 30; ++k) many.push_back({k / 10 + 1, k % 10 + 1});
    pile(kHuman, many);
    pile(kComputer, std::vector<Card>(many.begin(), many.begin() + 10));
    run([&] { program.engine.Verifica_Fine_Partita(); });
    EXPECT_EQ(m.Vincitore_Partita, kHuman);
    EXPECT_EQ(w.Label1.Caption, "10");
    EXPECT_EQ(w.Label2.Caption, "30");

    many.push_back({4, 1});
    pile(kComputer, many);
    pile(kHuman, std::vector<Card>(many.begin(), many.begin() + 9));
    run([&] { program.engine.Verifica_Fine_Partita(); });
    EXPECT_EQ(m.Vincitore_Partita, kComputer);
    ASSERT_EQ(h.platform.messages().size(), 2U);
    EXPECT_EQ(h.platform.messages().back().title, "Riprova...");
    EXPECT_EQ(h.platform.messages().back().text, "Hai perso!");

    // Short of the count and with both piles holding cards, play goes on.
    pile(kHuman, std::vector<Card>(many.begin(), many.begin() + 20));
    pile(kComputer, std::vector<Card>(many.begin() + 20, many.end()));
    run([&] { program.engine.Verifica_Fine_Partita(); });
    EXPECT_FALSE(m.Partita_Finita);
}

TEST_F(Camicia, AnEmptyHumanPileShowsNoTopCard) {
    pile(kHuman, {});
    program.engine.Disegna_Carta();
    for (int k = 1; k <= 40; ++k) {
        if (const table::Control* card = w.P.find(k)) {
            EXPECT_FALSE(card->Visible);
        }
    }
    pile(kHuman, {{1, 5}, {3, 3}});
    program.engine.Disegna_Carta();
    EXPECT_TRUE(w.P(2).Visible);
    EXPECT_TRUE(w.P(2).Enabled);
    EXPECT_EQ(w.P(2).Picture, face(3, 3));
}

}  // namespace
}  // namespace tavolora::engine
