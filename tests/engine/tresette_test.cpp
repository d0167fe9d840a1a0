// Tresette's declarations, its score panel in thirds and the end of a hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/headless_match.h"
#include "tests/support/headless_program.h"

namespace tavolora::engine {
namespace {

using testing::HeadlessProgram;
using Card = std::pair<int, int>;

class TresetteEngine : public ::testing::Test {
protected:
    HeadlessProgram h;
    Program& p = h.program;
    MatchState& m = p.match;
    table::MasterWindow& w = p.master;

    void SetUp() override {
        m.Codice_Gioco = game::kTresette;
        p.engine.Assegna_Valori_Carte();
        p.settings.Nome_Utente.assign("Anna");
        m.Nomi_Giocatori(1) = "Tuno";
        m.Nomi_Giocatori(2) = "Galvino";
        m.Nomi_Giocatori(3) = "Melto";
        seats(2);
        p.engine.Aggiorna_Punteggi();  // the panel's names, as every trick leaves them
    }
    // The seats in play, in turn order, with their panel lines enabled.
    void seats(int players) {
        m.Numero_Giocatori = players;
        m.Carte_In_Mano = players == 3 ? 13 : 10;
        const std::vector<int> order = players == 2   ? std::vector<int>{9, 2}
                                       : players == 3 ? std::vector<int>{9, 2, 1}
                                                      : std::vector<int>{9, 3, 2, 1};
        m.Ordine_Giocatori.fill(0);
        for (std::size_t i = 0; i < order.size(); ++i) m.Ordine_Giocatori(static_cast<int>(i) + 1) = order[i];
        for (int s : {1, 2, 3, 9}) {
            w.LBL_Parziale_Punti(s).Enabled =
                std::find(order.begin(), order.end(), s) != order.end() && (players != 4 || s == 9 || s == 1);
        }
    }
    void give(int lista, const std::vector<Card>& cards) {
        int position = 0;
        while (position < 40 && m.Tabella_Carte(lista, position + 1, 1) != 0) ++position;
        for (const Card& c : cards) {
            ++position;
            m.Tabella_Carte(lista, position, 1) = static_cast<std::int16_t>(c.first);
            m.Tabella_Carte(lista, position, 2) = static_cast<std::int16_t>(c.second);
            m.Tabella_Carte(lista, position, 3) = static_cast<std::int16_t>(lista < 10 ? lista : lista - 10);
        }
    }
    int flag(int kind) const { return m.Tabella_Carte(37, kind, 1); }
    int score(int seat) const { return m.Tabella_Carte(seat + 10, 41, 1); }
    std::vector<std::string> summary() const { return w.Lista_Evento_Speciale.items; }
};

// --- Declarations ------------------------------------------------------------------------

TEST_F(TresetteEngine, FourOfAValueScoresAsFourAndNeverAsThree) {
    give(9, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 5}});
    p.engine.Cerca_Accusi();
    EXPECT_EQ(flag(11), 1);
    EXPECT_EQ(flag(14), -1);
    EXPECT_EQ(summary(), (std::vector<std::string>{"Anna ha accusato Quattro Assi"}));
    EXPECT_TRUE(w.PIC_Riepilogo_Accusi.Visible);
    p.engine.Somma_Punti_Prese();
    EXPECT_EQ(score(9), 12);

    // Looking again adds no line and no points.
    p.engine.Cerca_Accusi();
    p.engine.Somma_Punti_Prese();
    EXPECT_EQ(score(9), 12);
    EXPECT_EQ(summary().size(), 1U);
}

TEST_F(TresetteEngine, ThreeOfAValueNamesTheMissingSuit) {
    give(2, {{1, 2}, {3, 2}, {4, 2}, {2, 7}});
    p.engine.Cerca_Accusi();
    EXPECT_EQ(flag(15), 1);
    EXPECT_EQ(m.Tabella_Carte(37, 15, 2), 2);
    EXPECT_EQ(m.Tabella_Carte(37, 15, 3), 2);
    EXPECT_EQ(summary(), (std::vector<std::string>{"Galvino ha accusato Tre Due mancante Coppe"}));
}

TEST_F(TresetteEngine, ANapoletanaAndThreeAcesBothScore) {
    give(9, {{3, 1}, {3, 2}, {3, 3}, {1, 1}, {2, 1}});
    p.engine.Cerca_Accusi();
    EXPECT_EQ(flag(19), 1);
    EXPECT_EQ(flag(14), 1);
    EXPECT_EQ(summary(), (std::vector<std::string>{"Anna ha accusato Tre Assi mancante Spade",
                                                   "Anna ha accusato Napoletana a Denari"}));
    p.engine.Somma_Punti_Prese();
    EXPECT_EQ(score(9), 18);
}

TEST_F(TresetteEngine, WithFourPlayersAPartnersDeclarationScoresForTheSide) {
    seats(4);
    give(2, {{1, 3}, {2, 3}, {3, 3}, {4, 3}});
    give(3, {{1, 2}, {2, 2}, {3, 2}});
    p.engine.Cerca_Accusi();
    p.engine.Somma_Punti_Prese();
    EXPECT_EQ(flag(13), 1);
    EXPECT_EQ(flag(15), 1);
    EXPECT_EQ(score(9), 12);  // seat 2's four Threes
    EXPECT_EQ(score(1), 9);   // seat 3's three Twos
    EXPECT_EQ(score(2), 0);
    EXPECT_EQ(score(3), 0);
}

TEST_F(TresetteEngine, FourFoundAfterThreeReplacesIt) {
    give(9, {{1, 1}, {2, 1}, {3, 1}});
    p.engine.Cerca_Accusi();
    EXPECT_EQ(flag(14), 1);
    give(9, {{4, 1}});  // drawn later in the hand
    p.engine.Cerca_Accusi();
    EXPECT_EQ(flag(11), 1);
    EXPECT_EQ(flag(14), -1);
    p.engine.Somma_Punti_Prese();
    EXPECT_EQ(score(9), 12);
}

// --- The panel and the end of a hand -----------------------------------------------------

TEST_F(TresetteEngine, ThePanelShowsThirdsAndWholePointsAgainstTheTarget) {
    m.Modalita_Partita = 2;
    m.Punti_Da_Raggiungere = 93;          // 31 points
    give(19, {{1, 1}, {2, 10}, {3, 9}});  // 3 + 1 + 1 thirds
    m.Tabella_Carte(37, 9, 1) = 12;
    p.engine.Aggiorna_Punteggi();
    EXPECT_EQ(w.LBL_RiepilogoPrese_testo.Caption, "Numero di prese");
    EXPECT_EQ(w.LBL_Parziale_Punti(9).Caption, "1 e 2/3");
    EXPECT_EQ(w.LBL_Totale_Punti(9).Caption, " 5 / 31");
    EXPECT_EQ(w.LBL_Parziale_Punti(2).Caption, "0 e 0/3");
}

TEST_F(TresetteEngine, ASingleHandGoesToTheMostThirdsWithTheLastTrick) {
    m.Modalita_Partita = 1;
    m.Partita_Finita = true;
    give(19, {{1, 1}, {2, 1}, {3, 10}, {4, 10}, {1, 9}, {2, 9}});  // 3+3+1+1+1+1 = 10
    give(12, {{3, 1}, {4, 1}, {1, 10}, {2, 10}});                  // 3+3+1+1 = 8
    m.Ultimo_Presa = 2;                                            // and the last trick: 11
    w.LBL_Parola_Tresette.Visible = true;
    p.waits.at_boundary([&] { p.engine.Fine_Mano(); });
    EXPECT_FALSE(w.LBL_Parola_Tresette.Visible);
    EXPECT_EQ(w.LBL_Parziale_Punti(2).Caption, "3 e 2/3");
    EXPECT_EQ(w.LBL_Parziale_Punti(2).Tag, "11");
    EXPECT_EQ(w.LBL_Parziale_Punti(9).Caption, "3 e 1/3");
    EXPECT_EQ(m.Vincitore_Partita, 2);
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].text, "Ha vinto Galvino");
    EXPECT_TRUE(m.Partita_Terminata);
}

TEST_F(TresetteEngine, AHandCarriesOnlyItsWholePointsIntoTheMatch) {
    m.Modalita_Partita = 2;
    m.Partita_Finita = true;
    m.Punti_Da_Raggiungere = 93;
    // 14 thirds in the pile and the last trick's 3: 17 thirds, 5 points carried.
    give(19, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 8}, {2, 8}});
    m.Ultimo_Presa = 9;
    m.Tabella_Carte(37, 9, 1) = 0;
    p.waits.at_boundary([&] { p.engine.Fine_Mano(); });
    EXPECT_EQ(m.Tabella_Carte(37, 9, 1), 15);
    EXPECT_EQ(w.LBL_Parziale_Punti(9).Caption, "5 e 2/3");
    EXPECT_EQ(w.LBL_Totale_Punti(9).Caption, "5 / 31");
    EXPECT_EQ(w.LBL_Totale_Punti(9).Tag, "15");
    EXPECT_EQ(m.Vincitore_Partita, 0);
    EXPECT_TRUE(w.PIC_Fine_Partita.Visible);
    EXPECT_TRUE(h.platform.messages().empty());
}

// "Gioca!" for Tresette: the hand by the number of players, the target in thirds of
// a point, the summary's title.
TEST(TresetteStart, TheHandFollowsThePlayersAndTheTargetCountsInThirds) {
    for (const auto& [players, hand] : {std::pair{2, 10}, std::pair{3, 13}, std::pair{4, 10}}) {
        testing::MatchPlan plan;
        plan.game = game::kTresette;
        plan.players = players;
        plan.mode = 2;
        plan.target_points = 31;
        testing::HeadlessMatch match(plan);
        MatchState& m = match.program().match;
        m.Carte_In_Mano = 3;  // what a Briscola match before this one left
        match.start();
        EXPECT_EQ(m.Carte_In_Mano, hand) << players;
        EXPECT_EQ(m.Punti_Da_Raggiungere, 93) << players;
        EXPECT_EQ(match.program().master.PIC_Riepilogo_Accusi.Caption, "Riepilogo degli accusi");
    }
}

}  // namespace
}  // namespace tavolora::engine
