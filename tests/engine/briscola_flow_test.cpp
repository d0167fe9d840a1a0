#include <gtest/gtest.h>

#include <cstring>

#include "core/numbers.h"
#include "table/table_positions.h"
#include "tests/support/headless_match.h"

namespace tavolora::engine {
namespace {

using testing::HeadlessProgram;

class TurnOrder : public ::testing::Test {
protected:
    HeadlessProgram h;
    MatchState& m = h.program.match;

    std::vector<int> order() const {
        std::vector<int> seats;
        for (int i = 1; i <= 9 && m.Ordine_Giocatori(i) != 0; ++i) seats.push_back(m.Ordine_Giocatori(i));
        return seats;
    }
    void build(int players, int direction, int first, int hand) {
        m.Numero_Giocatori = players;
        m.Contatori(6) = static_cast<std::int16_t>(direction);
        m.Primo_Giocatore = first;
        m.Numero_Mano = static_cast<std::int16_t>(hand);
        h.program.engine.Imposta_Ordine_Giocatori();
    }
};

TEST_F(TurnOrder, FollowsTheDirectionAndMovesTheLeadOneSeatPerHand) {
    build(4, 0, 3, 0);
    EXPECT_EQ(order(), (std::vector<int>{9, 3, 2, 1}));
    EXPECT_EQ(m.Indice_Turno, 1);  // seat 3 leads: the turn passes to position 2
    build(2, 1, 0, 0);
    EXPECT_EQ(order(), (std::vector<int>{9, 2}));
    EXPECT_EQ(m.Primo_Giocatore, 9);
    build(3, 0, 0, 0);
    EXPECT_EQ(order(), (std::vector<int>{9, 2, 1}));
    // The third hand of four, clockwise the other way: seat 2 leads.
    build(4, 1, 0, 2);
    EXPECT_EQ(order(), (std::vector<int>{2, 3, 9, 1}));
    EXPECT_EQ(m.Indice_Turno, 0);
    // Hands past the number of players count as their remainder, stored back.
    build(3, 1, 0, 5);
    EXPECT_EQ(m.Numero_Mano, 2);
    EXPECT_EQ(order(), (std::vector<int>{2, 9, 1}));
}

// A hand's end set up by hand: piles filled with chosen cards, then the count.
class HandEnd : public ::testing::Test {
protected:
    testing::TempFolder folder;
    HeadlessProgram h{folder.string()};
    Program& p = h.program;
    MatchState& m = p.match;

    void SetUp() override {
        testing::write_test_deck(folder);
        m.Codice_Gioco = game::kBriscola;
        p.engine.Assegna_Valori_Carte();
        for (int s = 1; s <= 3; ++s) m.Nomi_Giocatori(s) = s == 1 ? "Tuno" : s == 2 ? "Galvino" : "Melto";
        p.settings.Nome_Utente.assign("Anna");
        p.engine.Aggiorna_Punteggi();  // the panel's names, as every trick leaves them
    }
    // Fills a pile with cards worth `points` in Briscola (Aces, Threes, figures).
    void give(int seat, int points) {
        static const int worth[] = {11, 10, 4, 3, 2};
        static const int value_of[] = {1, 3, 10, 9, 8};
        int position = 1 + p.engine.Conta_Carte_Iniziali(seat + 10);
        for (int suit = 1; suit <= 4 && points > 0; ++suit) {
            for (int k = 0; k < 5 && points > 0; ++k) {
                if (worth[k] > points || used[suit][k]) continue;
                used[suit][k] = true;
                m.Tabella_Carte(seat + 10, position, 1) = static_cast<std::int16_t>(suit);
                m.Tabella_Carte(seat + 10, position, 2) = static_cast<std::int16_t>(value_of[k]);
                m.Tabella_Carte(seat + 10, position, 3) = static_cast<std::int16_t>(seat);
                ++position;
                points -= worth[k];
            }
        }
        ASSERT_EQ(points, 0);
    }
    bool used[5][5]{};
};

TEST_F(HandEnd, ASixtySixtyHandGoesToTheComputerSeat) {
    m.Modalita_Partita = 1;
    m.Numero_Giocatori = 2;
    give(9, 60);
    give(2, 60);
    p.waits.at_boundary([this] { p.engine.Fine_Mano(); });
    EXPECT_EQ(m.Vincitore_Partita, 2);
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].title, "Fine Partita");
    EXPECT_EQ(h.platform.messages()[0].text, "Ha vinto Galvino");
    EXPECT_TRUE(m.Partita_Terminata);
    EXPECT_EQ(p.master.CMD_Continua.Caption, "Fine partita");
    EXPECT_TRUE(p.master.PIC_Fine_Partita.Visible);
    EXPECT_TRUE(p.master.screens(table::Screen::F_011_Menu).Visible);
}

TEST_F(HandEnd, ATargetIsPassedOnlyWhenStrictlyExceeded) {
    m.Modalita_Partita = 2;
    m.Numero_Giocatori = 2;
    m.Punti_Da_Raggiungere = 120;
    m.Tabella_Carte(list::kMatch, 9, 1) = 60;
    give(9, 60);  // 120 in all: not past the target
    give(2, 60);
    p.waits.at_boundary([this] { p.engine.Fine_Mano(); });
    EXPECT_EQ(m.Vincitore_Partita, 0);
    EXPECT_TRUE(h.platform.messages().empty());
    EXPECT_FALSE(m.Partita_Terminata);
    EXPECT_TRUE(p.master.PIC_Fine_Partita.Visible);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 9, 1), 120);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 2, 1), 60);

    // The next hand: 1 more point passes it.
    std::memset(used, 0, sizeof used);
    p.engine.Inizializza_Tavolo();
    p.engine.Assegna_Valori_Carte();
    give(9, 2);
    give(2, 118);
    p.waits.at_boundary([this] { p.engine.Fine_Mano(); });
    EXPECT_EQ(m.Vincitore_Partita, 2);  // 178 against 122
    EXPECT_TRUE(m.Partita_Terminata);
}

TEST_F(HandEnd, EqualTotalsPastTheTargetGoToTheLowerSeat) {
    m.Modalita_Partita = 2;
    m.Numero_Giocatori = 3;
    m.Punti_Da_Raggiungere = 30;
    give(9, 40);
    give(1, 40);
    give(2, 40);
    p.waits.at_boundary([this] { p.engine.Fine_Mano(); });
    EXPECT_EQ(m.Vincitore_Partita, 1);
    EXPECT_EQ(h.platform.messages().at(0).text, "Ha vinto Tuno");
}

TEST_F(HandEnd, AMatchToGamesEndsWhenAtLeastThatManyAreWon) {
    m.Modalita_Partita = 3;
    m.Numero_Giocatori = 2;
    m.Partite_Da_Vincere = 2;
    m.Tabella_Carte(19, list::kScoreCell, 3) = 5;  // more than needed already (a damaged count)
    give(9, 70);
    give(2, 50);
    p.waits.at_boundary([this] { p.engine.Fine_Mano(); });
    EXPECT_EQ(m.Tabella_Carte(19, list::kScoreCell, 3), 6);
    EXPECT_TRUE(m.Partita_Terminata);

    // One game short: the hand's winner is announced and the match goes on.
    HeadlessProgram other;
    other.program.match.Codice_Gioco = game::kBriscola;
    other.program.match.Modalita_Partita = 3;
    other.program.match.Partite_Da_Vincere = 3;
    other.program.engine.Assegna_Valori_Carte();
    other.program.match.Tabella_Carte(19, 1, 1) = 1;
    other.program.match.Tabella_Carte(19, 1, 2) = 1;
    other.program.waits.at_boundary([&other] { other.program.engine.Fine_Mano(); });
    EXPECT_EQ(other.program.match.Tabella_Carte(19, list::kScoreCell, 3), 1);
    EXPECT_FALSE(other.program.match.Partita_Terminata);
    EXPECT_EQ(other.platform.messages().size(), 1U);
    EXPECT_TRUE(other.program.master.PIC_Fine_Partita.Visible);
}

TEST_F(HandEnd, ThePanelWritesPlainHandPointsAndSignedTotals) {
    m.Numero_Giocatori = 2;
    give(9, 21);
    give(2, 4);
    m.Tabella_Carte(list::kMatch, 9, 1) = 100;
    m.Modalita_Partita = 2;
    m.Punti_Da_Raggiungere = 120;
    p.waits.at_boundary([this] { p.engine.Aggiorna_Punteggi(); });
    table::MasterWindow& w = p.master;
    EXPECT_EQ(w.LBL_Parziale_Punti(9).Caption, "21");
    EXPECT_EQ(w.LBL_Totale_Punti(9).Caption, " 121 /  120");
    EXPECT_EQ(w.LBL_Totale_Punti(2).Caption, " 4 /  120");
    EXPECT_EQ(w.LBL_Parziale_Nome(2).Caption, "Galvino");
    EXPECT_EQ(w.Visualizza_Prese(9).Caption, "Anna");
    EXPECT_EQ(w.LBL_RiepilogoPrese_testo.Caption, "Numero di prese");
    EXPECT_TRUE(h.platform.messages().empty());  // no stop at the target: nothing ends

    // With the stop option the total past the target ends the match, once.
    m.Ferma_Punteggio = true;
    p.waits.at_boundary([this] { p.engine.Aggiorna_Punteggi(); });
    p.waits.at_boundary([this] { p.engine.Aggiorna_Punteggi(); });
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].text, "Ha vinto Anna");
    EXPECT_TRUE(m.Partita_Finita);
    EXPECT_TRUE(m.Partita_Terminata);

    // Games: "won / to win", no leading blank; a single hand: "-".
    m.Modalita_Partita = 3;
    m.Partite_Da_Vincere = 5;
    m.Tabella_Carte(19, list::kScoreCell, 3) = 2;
    p.waits.at_boundary([this] { p.engine.Aggiorna_Punteggi(); });
    EXPECT_EQ(w.LBL_Totale_Punti(9).Caption, "2 / 5");
    m.Modalita_Partita = 1;
    p.waits.at_boundary([this] { p.engine.Aggiorna_Punteggi(); });
    EXPECT_EQ(w.LBL_Totale_Punti(9).Caption, "-");
}

TEST_F(HandEnd, KingAndKnightDeclareTwentyOrFortyInThe151Variant) {
    m.Numero_Giocatori = 4;
    m.Tabella_Carte(list::kDeck, 1, 1) = 3;  // trump: Denari
    const auto hold = [this](int seat, int position, int suit, int value) {
        m.Tabella_Carte(seat, position, 1) = static_cast<std::int16_t>(suit);
        m.Tabella_Carte(seat, position, 2) = static_cast<std::int16_t>(value);
    };
    hold(3, 1, 2, 10);
    hold(3, 4, 2, 9);  // King and Knight of Coppe: 20, to seat 1's side
    hold(9, 2, 3, 9);
    hold(9, 5, 3, 10);                                              // of the trump suit: 40
    p.waits.at_boundary([this] { p.engine.Aggiorna_Punteggi(); });  // fills the names
    p.waits.at_boundary([this] { p.engine.Verifica_Accuso_151(); });
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 1, 1), 20);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 3, 1), 0);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 9, 1), 40);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 12, 1), 1);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 13, 1), 1);
    ASSERT_EQ(h.platform.messages().size(), 2U);
    EXPECT_EQ(h.platform.messages()[0].title, "Accuso!");
    // The number with one blank before it, as a sentence has it; an announcement has
    // no icon.
    EXPECT_EQ(h.platform.messages()[0].text, "Melto ha accusato 20 punti!");
    EXPECT_EQ(h.platform.messages()[1].text, "Anna ha accusato 40 punti!");
    EXPECT_EQ(h.platform.message_kinds()[0], platform::MessageKind::Plain);
    // A suit is declared once in a hand.
    p.waits.at_boundary([this] { p.engine.Verifica_Accuso_151(); });
    EXPECT_EQ(h.platform.messages().size(), 2U);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 9, 1), 40);
}

TEST(NewMatch, EachKindShowsItsFramesAndClearsWhatItNeeds) {
    HeadlessProgram h;
    Program& p = h.program;
    MatchState& m = p.match;
    m.Codice_Gioco = game::kBriscola;
    for (int k = 1; k <= 20; ++k) m.Tabella_Carte(list::kMatch, k, 1) = 7;
    p.setup.match_setup.load();
    p.setup.setup_screen.TXT_Numero_Partite.Text = " 3 partite";
    p.master_events.Q_N_Partite_Click();
    EXPECT_EQ(m.Modalita_Partita, 3);
    EXPECT_EQ(m.Carte_In_Mano, 3);
    EXPECT_EQ(m.Partite_Da_Vincere, 3);
    EXPECT_TRUE(p.setup.setup_screen.FRM_Numero_Partite.Visible);
    EXPECT_FALSE(p.setup.setup_screen.FRM_Numero_Punteggio.Visible);
    EXPECT_TRUE(p.master.screens(table::Screen::F_040_Partita).Visible);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 1, 1), 7);

    p.master_events.Q_N_Punteggio_Click();
    EXPECT_EQ(m.Modalita_Partita, 2);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 9, 1), 0);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 12, 1), 7);

    p.master_events.Q_N_151_Click();
    EXPECT_EQ(m.Modalita_Partita, 4);
    EXPECT_EQ(m.Carte_In_Mano, 5);
    EXPECT_EQ(m.Tabella_Carte(list::kMatch, 12, 1), 0);
    EXPECT_TRUE(p.setup.setup_screen.FRM_Numero_Punteggio.Visible);

    // Kinds a game does not offer change nothing.
    m.Codice_Gioco = game::kScopa;
    m.Modalita_Partita = 1;
    p.master_events.Q_N_Partite_Click();
    p.master_events.Q_N_151_Click();
    EXPECT_EQ(m.Modalita_Partita, 1);
    m.Codice_Gioco = game::kCamicia;
    m.Modalita_Partita = 2;
    p.master_events.Q_N_Singola_Click();
    EXPECT_EQ(m.Modalita_Partita, 2);
    EXPECT_TRUE(p.setup.setup_screen.FRM_Generali_Camicia.Visible);
}

TEST(NewMatch, EachHandlerDealsTheHandOfItsGameCode) {
    HeadlessProgram h;
    Program& p = h.program;
    MatchState& m = p.match;
    m.Codice_Gioco = game::kBriscola;
    p.setup.match_setup.load();
    using Handler = void (table::MasterEvents::*)();
    struct Row {
        Handler handler;
        int game;
        int hand;  // 0: left as it was
    };
    const Row rows[] = {
        {&table::MasterEvents::Q_N_Singola_Click, game::kBriscola, 3},
        {&table::MasterEvents::Q_N_Singola_Click, game::kScopa, 0},
        {&table::MasterEvents::Q_N_Singola_Click, game::kCamicia, 0},
        {&table::MasterEvents::Q_N_Singola_Click, game::kTresette, 0},
        {&table::MasterEvents::Q_N_Singola_Click, game::kDeckOnly, 7},
        {&table::MasterEvents::Q_N_Singola_Click, game::kBriscolaVariant, 5},
        {&table::MasterEvents::Q_N_Punteggio_Click, game::kBriscola, 3},
        {&table::MasterEvents::Q_N_Punteggio_Click, game::kScopa, 0},
        {&table::MasterEvents::Q_N_Punteggio_Click, game::kTresette, 0},
        {&table::MasterEvents::Q_N_Punteggio_Click, game::kBriscolaVariant, 5},
        {&table::MasterEvents::Q_N_Partite_Click, game::kBriscola, 3},
        {&table::MasterEvents::Q_N_Partite_Click, game::kBriscolaVariant, 5},
        {&table::MasterEvents::Q_N_151_Click, game::kBriscola, 5},
        // Kinds a code does not have leave the hand too.
        {&table::MasterEvents::Q_N_Partite_Click, game::kTresette, 0},
        {&table::MasterEvents::Q_N_Punteggio_Click, game::kDeckOnly, 0},
        {&table::MasterEvents::Q_N_Singola_Click, 7, 0},
    };
    for (const Row& row : rows) {
        m.Codice_Gioco = row.game;
        m.Carte_In_Mano = 11;
        (p.master_events.*row.handler)();
        EXPECT_EQ(m.Carte_In_Mano, row.hand == 0 ? 11 : row.hand) << "game " << row.game;
    }
}

}  // namespace
}  // namespace tavolora::engine

namespace tavolora::engine {
namespace {

TEST(DeckOnly, PreparesADeckAndGivesNoTurn) {
    testing::TempFolder folder;
    testing::write_test_deck(folder);
    HeadlessProgram h(folder.string());
    Program& p = h.program;
    p.match.Codice_Gioco = game::kDeckOnly;
    p.match.Numero_Giocatori = 2;
    table::Imposta_Posizioni_Tavolo(p.anim, p.match.Codice_Gioco);
    p.master_events.window_resized(15360, 11520, 15240, 11020);
    p.waits.at_boundary([&p] { p.engine.Prepara_Mazzo(); });
    int cards = 0;
    for (int k = 1; k <= 40; ++k) cards += p.match.Tabella_Carte(list::kDeck, k, attr::kSuit) != 0;
    EXPECT_EQ(cards, 40);
    EXPECT_EQ(p.match.Ordine_Giocatori(1), 0);  // no turn order, no deal, no turn
    EXPECT_EQ(p.match.Tabella_Carte(10, 1, 1), 0);
    EXPECT_FALSE(p.anim.Preparazione_In_Corso);
    // The deck's own layout: 28 faces in 7 rows.
    EXPECT_EQ(p.match.Carte_In_Mano, 3);
    EXPECT_TRUE(p.master.P(28).Visible);
    EXPECT_FALSE(p.master.P(29).Visible);
}

TEST(HumanPlay, AClickPlaysOnlyAnUnlockedCardOfTheHandWithTheLeftButton) {
    testing::MatchPlan plan;
    plan.seed = 3;
    testing::HeadlessMatch match(plan);
    match.start();
    Program& p = match.program();
    ASSERT_FALSE(p.anim.Comandi_Bloccati);
    const auto hand_count = [&p] { return p.engine.Conta_Carte_Lista(9); };
    const int before = hand_count();

    // A right-button press lifts the card and a click after it plays nothing.
    p.input.click({table::ControlId::P, 1}, 2);
    EXPECT_EQ(hand_count(), before);
    // The locked hand plays nothing either.
    p.anim.Comandi_Bloccati = true;
    p.master_events.P_Click(1);
    EXPECT_EQ(hand_count(), before);
    p.anim.Comandi_Bloccati = false;
    // A left click plays the card; the computer answers inside the same click.
    EXPECT_TRUE(p.input.click({table::ControlId::P, 1}));
    EXPECT_FALSE(p.anim.Comandi_Bloccati);  // the human's turn again
    EXPECT_EQ(p.match.Tabella_Giocatori(9, 4), 1);
}

TEST(Variant151, AMatchDecidedDuringTheDealLeavesTheMenusUsable) {
    // A declaration counted as the cards are dealt passes a low target at once.
    for (std::uint64_t seed = 1; seed < 200; ++seed) {
        testing::MatchPlan plan;
        plan.mode = 4;
        plan.players = 4;
        plan.target_points = 10;
        plan.stop_at_target = true;
        plan.seed = seed;
        testing::HeadlessMatch match(plan);
        match.start();
        Program& p = match.program();
        if (!p.match.Partita_Terminata) continue;
        EXPECT_TRUE(p.master.Q_N.Enabled);
        EXPECT_TRUE(p.master.Q_U.Enabled);
        EXPECT_TRUE(p.master.screens(table::Screen::F_011_Menu).Visible);
        EXPECT_EQ(p.master.CMD_Continua.Caption, "Fine partita");
        const auto& messages = match.platform().messages();
        ASSERT_GE(messages.size(), 2U);
        EXPECT_EQ(messages.front().title, "Accuso!");
        EXPECT_EQ(messages.back().title, "Fine Partita");
        return;
    }
    FAIL() << "no seed deals a King and a Knight of one suit";
}

TEST(Variant151, AMatchDecidedAtTheDealOfALaterHandEndsOnFinePartita) {
    // The continue button deals the next hand, and a declaration counted during that
    // deal passes the target: the panel must close the table, not offer another hand.
    int decided_at_deal = 0;
    for (std::uint64_t seed = 1; seed <= 300 && decided_at_deal < 3; ++seed) {
        testing::MatchPlan plan;
        plan.mode = 4;
        plan.players = 4;
        plan.target_points = 151;
        plan.stop_at_target = true;
        plan.seed = seed;
        testing::HeadlessMatch match(plan);
        Program& p = match.program();
        match.start();
        for (int hands = 1; !match.match_over() && hands < 30;) {
            if (!match.hand_over()) {
                if (!match.play_human_card()) break;
                continue;
            }
            match.continue_after_hand();
            ++hands;
            // Decided before any card of the new hand was played: all five in hand.
            if (!match.match_over() || p.engine.Conta_Carte_Lista(9) != 5) continue;
            ++decided_at_deal;
            EXPECT_EQ(p.master.CMD_Continua.Caption, "Fine partita") << "seed " << seed << ", hand " << hands;
            EXPECT_TRUE(p.master.PIC_Fine_Partita.Visible) << "seed " << seed;
            // The button now closes the table.
            match.continue_after_hand();
            EXPECT_FALSE(p.master.PIC_Tavolo.Visible) << "seed " << seed;
        }
    }
    EXPECT_GE(decided_at_deal, 1) << "no seed decides a match at the deal of a later hand";
}

}  // namespace
}  // namespace tavolora::engine
