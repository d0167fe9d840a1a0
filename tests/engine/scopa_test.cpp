// Scopa's capture sums, the capture a played card makes, the rule points and the
// end of a hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/headless_match.h"
#include "tests/table/table_fixture.h"

namespace tavolora::engine {
namespace {

using testing::TableTest;
using Card = std::pair<int, int>;

class ScopaEngine : public TableTest {
protected:
    void SetUp() override {
        choose(game::kScopa, {9, 2});
        m.Indice_Turno = 1;  // the human, at the first place of the order, plays
        // Each card's capture figure is its value unless a test says otherwise.
        for (int id = 1; id <= 40; ++id)
            m.Tabella_Carte(32, id, 1) = static_cast<std::int16_t>((id - 1) % 10 + 1);
        program.waits.set_wait_observer([this](std::string_view wait) { waits.emplace_back(wait); });
    }

    void put(int lista, int position, Card card, int owner = 0) {
        m.Tabella_Carte(lista, position, 1) = static_cast<std::int16_t>(card.first);
        m.Tabella_Carte(lista, position, 2) = static_cast<std::int16_t>(card.second);
        m.Tabella_Carte(lista, position, 3) = static_cast<std::int16_t>(owner);
    }
    Card card(int lista, int position) const {
        return {m.Tabella_Carte(lista, position, 1), m.Tabella_Carte(lista, position, 2)};
    }
    // The table, in table order; a card of suit 0 leaves a hole.
    void lay_table(const std::vector<Card>& cards) {
        for (std::size_t i = 0; i < cards.size(); ++i) put(20, static_cast<int>(i) + 1, cards[i]);
    }
    std::vector<Card> cards_of(int lista) const {
        std::vector<Card> cards;
        for (int p = 1; p <= 40; ++p) {
            if (m.Tabella_Carte(lista, p, 1) != 0) cards.push_back(card(lista, p));
        }
        return cards;
    }
    void set_figure(Card c, int figure) {
        m.Tabella_Carte(32, (c.first - 1) * 10 + c.second, 1) = static_cast<std::int16_t>(figure);
    }

    // The human plays `played` after the table has been counted for the turn: the
    // card goes to the first free place, then the capture runs.
    void human_plays(Card played) {
        run([&] { program.engine.Calcolo_Combinazioni(); });
        program.engine.Conta_Carte_Tavolo();
        const int place = m.Carte_In_Tavola + 1;
        put(20, place, played, 9);
        m.Tabella_Giocatori(9, 1) = static_cast<std::int16_t>(played.first);
        m.Tabella_Giocatori(9, 2) = static_cast<std::int16_t>(played.second);
        m.Tabella_Giocatori(9, 3) = 9;
        m.Tabella_Giocatori(5, 1) = static_cast<std::int16_t>(place);
        run([&] { program.engine.Esegui_Presa_Scopa(); });
    }

    std::vector<std::string> waits;
};

// --- The capture sums ------------------------------------------------------------------

TEST_F(ScopaEngine, CombinationsComeBySizeInOrdinalOrderSkippingTheTablesHoles) {
    lay_table({{1, 2}, {0, 0}, {2, 5}, {3, 1}});
    run([&] { program.engine.Calcolo_Combinazioni(); });
    const CaptureSums& c = m.combinazioni;
    EXPECT_EQ(c.Numero_Elementi, 3);
    EXPECT_EQ(c.Posizione_Elemento, (std::vector<int>{1, 3, 4}));
    using C = CaptureSums::Combination;
    EXPECT_EQ(c.LTOT, (std::vector<C>{{1}, {2}, {3}, {1, 2}, {1, 3}, {2, 3}, {1, 2, 3}}));
    EXPECT_EQ(c.LTOT_Somme, (std::vector<int>{2, 5, 1, 7, 3, 6, 8}));

    // An empty table has no combination at all.
    lay_table({{0, 0}, {0, 0}, {0, 0}, {0, 0}});
    run([&] { program.engine.Calcolo_Combinazioni(); });
    EXPECT_TRUE(c.LTOT.empty());
    EXPECT_TRUE(c.LTOT_Somme.empty());
}

TEST_F(ScopaEngine, TenAndMoreTableCardsAreListedLikeAnyOther) {
    std::vector<Card> table;
    for (int k = 0; k < 13; ++k) table.push_back({k / 10 + 1, k % 10 + 1});
    lay_table(table);
    run([&] { program.engine.Calcolo_Combinazioni(); });
    const CaptureSums& c = m.combinazioni;
    ASSERT_EQ(c.LTOT.size(), 8191U);
    ASSERT_EQ(c.LTOT_Somme.size(), 8191U);
    // The pairs follow the thirteen singles: 1 with 2, ..., 1 with 13, then 2 with 3.
    EXPECT_EQ(c.LTOT[13], (CaptureSums::Combination{1, 2}));
    EXPECT_EQ(c.LTOT[24], (CaptureSums::Combination{1, 13}));
    EXPECT_EQ(c.LTOT[25], (CaptureSums::Combination{2, 3}));
    EXPECT_EQ(c.LTOT.back().size(), 13U);
    EXPECT_EQ(c.LTOT_Somme.back(), 55 + 1 + 2 + 3);
    for (std::size_t i = 1; i < c.LTOT.size(); ++i) {
        ASSERT_LE(c.LTOT[i - 1].size(), c.LTOT[i].size());
        if (c.LTOT[i - 1].size() == c.LTOT[i].size()) {
            ASSERT_LT(c.LTOT[i - 1], c.LTOT[i]);
        }
    }
}

TEST_F(ScopaEngine, NineCardsGiveFiveHundredElevenCombinations) {
    std::vector<Card> table;
    for (int v = 1; v <= 9; ++v) table.push_back({1, v});
    lay_table(table);
    run([&] { program.engine.Calcolo_Combinazioni(); });
    EXPECT_EQ(m.combinazioni.LTOT.size(), 511U);
}

TEST_F(ScopaEngine, MoreCardsThanPlayCanLeaveOnTheTableStopTheProgram) {
    std::vector<Card> table;
    for (int k = 0; k < 14; ++k) table.push_back({k / 10 + 1, k % 10 + 1});
    lay_table(table);
    EXPECT_DEATH(run([&] { program.engine.Calcolo_Combinazioni(); }), "more cards on the table");
}

// --- The capture -----------------------------------------------------------------------

TEST_F(ScopaEngine, ASingleCardOfTheValueIsTakenBeforeAnySum) {
    put(2, 1, {4, 1});  // the other player still holds a card: no last play
    lay_table({{1, 3}, {2, 4}, {3, 7}});
    human_plays({4, 7});
    EXPECT_EQ(cards_of(19), (std::vector<Card>{{3, 7}, {4, 7}}));
    EXPECT_EQ(cards_of(20), (std::vector<Card>{{1, 3}, {2, 4}}));
    EXPECT_EQ(m.Ultimo_Presa, 9);
}

TEST_F(ScopaEngine, OnlyTheSmallestCombinationsThatAddUpAreAdmissible) {
    put(2, 1, {4, 1});
    // 1 + 2 + 4 is also 7, but the pair 4 + 3 has fewer cards.
    lay_table({{1, 1}, {1, 2}, {1, 4}, {1, 3}});
    human_plays({2, 7});
    EXPECT_EQ(cards_of(19), (std::vector<Card>{{1, 4}, {1, 3}, {2, 7}}));
    EXPECT_EQ(cards_of(20), (std::vector<Card>{{1, 1}, {1, 2}}));
    const CaptureSums& c = m.combinazioni;
    int admissible = 0;
    for (const auto& capture : c.Lista_Prese_Possibili) admissible += capture.has_value() ? 1 : 0;
    EXPECT_EQ(admissible, 1);
}

TEST_F(ScopaEngine, CaptureValuesCompareAsTextAndTheEarlierWinsATie) {
    put(2, 1, {4, 1});
    // 2 + 5 and 3 + 4: the second is worth 15, which ranks below the first's 7 as text.
    lay_table({{1, 2}, {1, 5}, {2, 3}, {2, 4}});
    set_figure({2, 3}, 10);
    set_figure({2, 4}, 5);
    human_plays({3, 7});
    EXPECT_EQ(cards_of(20), (std::vector<Card>{{2, 3}, {2, 4}}));

    // Figures equal: the earlier pair.
    set_figure({2, 3}, 3);
    set_figure({2, 4}, 4);
    for (int p = 1; p <= 40; ++p) put(19, p, {0, 0});
    lay_table({{1, 2}, {1, 5}, {2, 3}, {2, 4}, {0, 0}});
    human_plays({4, 7});
    EXPECT_EQ(cards_of(20), (std::vector<Card>{{2, 3}, {2, 4}}));
}

TEST_F(ScopaEngine, OfTwoEqualCardsTheOneWhoseFigureRanksHigherAsTextIsTaken) {
    put(2, 1, {4, 1});
    lay_table({{1, 7}, {2, 7}});
    set_figure({1, 7}, 21);
    set_figure({2, 7}, 3);
    human_plays({3, 7});
    EXPECT_EQ(cards_of(20), (std::vector<Card>{{1, 7}}));

    for (int p = 1; p <= 40; ++p) put(19, p, {0, 0});
    lay_table({{1, 7}, {2, 7}, {0, 0}});
    set_figure({2, 7}, 21);
    human_plays({4, 7});
    EXPECT_EQ(cards_of(20), (std::vector<Card>{{2, 7}}));  // the lower place on a tie
}

TEST_F(ScopaEngine, NothingToTakeLeavesTheCardOnTheTableWithoutAWait) {
    put(2, 1, {4, 1});
    program.settings.Tempi_Animazione(5) = 0;
    lay_table({{1, 3}, {2, 4}});
    human_plays({3, 9});
    EXPECT_EQ(cards_of(20), (std::vector<Card>{{1, 3}, {2, 4}, {3, 9}}));
    EXPECT_EQ(m.Tabella_Carte(38, 41, 1), 0);
    EXPECT_TRUE(cards_of(38).empty());
    EXPECT_TRUE(cards_of(19).empty());
    EXPECT_EQ(std::count(waits.begin(), waits.end(), "Continua"), 0);
}

TEST_F(ScopaEngine, WithNoDisplayTimeACaptureWaitsForTheContinueRequest) {
    put(2, 1, {4, 1});
    program.settings.Tempi_Animazione(5) = 0;
    int asked = 0;
    h.platform.set_idle_responder([&](std::string_view wait) {
        if (wait != "Continua") return false;
        ++asked;
        a.Continua = true;
        return true;
    });
    lay_table({{1, 3}, {2, 4}});
    human_plays({3, 3});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(cards_of(19), (std::vector<Card>{{1, 3}, {3, 3}}));
}

TEST_F(ScopaEngine, TakingTheWholeTableIsASweepUnlessItIsTheHandsLastPlay) {
    put(2, 1, {4, 1});
    lay_table({{1, 2}, {2, 5}});
    human_plays({3, 7});
    EXPECT_TRUE(cards_of(20).empty());
    EXPECT_EQ(m.Tabella_Carte(37, 19, 1), 1);

    // The last card of the hand: nobody holds a card and the deck is spent.
    put(2, 1, {0, 0});
    m.Tabella_Carte(10, 1, 1) = 0;
    lay_table({{1, 4}});
    human_plays({3, 4});
    EXPECT_TRUE(cards_of(20).empty());
    EXPECT_EQ(m.Tabella_Carte(37, 19, 1), 1);
}

// --- The rule points of a hand ---------------------------------------------------------

class ScopaPoints : public ScopaEngine {
protected:
    void SetUp() override {
        ScopaEngine::SetUp();
        for (int r = 1; r <= 20; ++r) rules()(r) = 0;
        rules()(20) = 3;
        // Primiera figures: the value itself, a Sette worth most.
        for (int id = 1; id <= 40; ++id) {
            const int value = (id - 1) % 10 + 1;
            m.Tabella_Carte(31, id, 1) = static_cast<std::int16_t>(value == 7 ? 21 : value);
        }
    }
    FixedArray<std::int16_t, 1, 20>& rules() { return program.settings.Regole_Partita; }
    void give(int seat, const std::vector<Card>& cards) {
        int p = program.engine.Conta_Carte_Iniziali(seat + 10);
        for (const Card& c : cards) put(seat + 10, ++p, c, seat);
    }
    // `count` cards of the suit, values from 1 up and round again.
    static std::vector<Card> many(int suit, int count) {
        std::vector<Card> cards;
        for (int k = 0; k < count; ++k) cards.push_back({suit, k % 10 + 1});
        return cards;
    }
    int score(int seat) const { return m.Tabella_Carte(seat + 10, 41, 1); }
};

TEST_F(ScopaPoints, MostCardsScoresOnlyWhenNobodyElseHoldsAsMany) {
    rules()(11) = 1;
    give(9, many(1, 21));
    give(2, many(2, 19));
    program.engine.Assegna_Punti_Fine_Mano();
    EXPECT_EQ(score(9), 1);
    EXPECT_EQ(score(2), 0);

    for (int p = 1; p <= 40; ++p) put(19, p, {0, 0});
    give(9, many(1, 19));
    program.engine.Assegna_Punti_Fine_Mano();
    EXPECT_EQ(score(9), 0);
    EXPECT_EQ(score(2), 0);
}

TEST_F(ScopaPoints, TheChosenSuitCountsItsCardsAndItsSwitchedOnValues) {
    rules()(13) = 1;
    rules()(7) = 1;
    rules()(10) = 1;
    rules()(20) = 2;
    give(9, {{2, 7}, {2, 1}, {1, 10}});
    give(2, {{2, 10}, {3, 7}, {3, 10}, {4, 4}});
    program.engine.Assegna_Punti_Fine_Mano();
    EXPECT_EQ(score(9), 2);  // the most of suit 2, and its Sette
    EXPECT_EQ(score(2), 1);  // its Re of suit 2
}

TEST_F(ScopaPoints, PrimieraSumsTheBestCardOfEachSuitAMissingSuitCountingNothing) {
    rules()(12) = 1;
    // Three Sette and nothing of suit 4: 63. Four Sei: 24.
    give(9, {{1, 7}, {2, 7}, {3, 7}});
    give(2, {{1, 6}, {2, 6}, {3, 6}, {4, 6}, {4, 1}});
    program.engine.Assegna_Punti_Fine_Mano();
    EXPECT_EQ(score(9), 1);
    EXPECT_EQ(score(2), 0);
}

TEST_F(ScopaPoints, EverySwitchOffScoresNothing) {
    give(9, many(3, 25));
    give(2, many(1, 15));
    m.Tabella_Carte(19, 41, 1) = 5;
    program.engine.Assegna_Punti_Fine_Mano();
    EXPECT_EQ(score(9), 0);
    EXPECT_EQ(score(2), 0);
}

// --- The end of a hand -----------------------------------------------------------------

class ScopaHandEnd : public ScopaPoints {
protected:
    void SetUp() override {
        ScopaPoints::SetUp();
        for (int s : {1, 2, 3, 9}) w.LBL_Parziale_Punti(s).Enabled = s == 2 || s == 9;
        m.Nomi_Giocatori(2) = "Galvino";
        program.settings.Nome_Utente.assign("Anna");
        m.Partita_Finita = true;
        rules()(11) = 1;
    }
    void end_hand() {
        run([&] { program.engine.Fine_Mano(); });
    }
};

TEST_F(ScopaHandEnd, TheCardsLeftOnTheTableGoToTheLastTaker) {
    m.Modalita_Partita = 2;
    m.Punti_Da_Raggiungere = 11;
    m.Ultimo_Presa = 2;
    put(20, 7, {1, 5});
    put(20, 12, {2, 9});
    give(9, many(1, 4));
    end_hand();
    EXPECT_TRUE(cards_of(20).empty());
    EXPECT_EQ(cards_of(12), (std::vector<Card>{{1, 5}, {2, 9}}));
    EXPECT_EQ(m.Tabella_Carte(37, 9, 1), 1);  // most cards: 4 against 2
    EXPECT_EQ(m.Tabella_Carte(37, 2, 1), 0);
}

TEST_F(ScopaHandEnd, TheHandAndItsSweepsJoinTheTotalsUntilOnePassesTheTarget) {
    m.Modalita_Partita = 2;
    m.Punti_Da_Raggiungere = 3;
    m.Tabella_Carte(37, 9, 1) = 2;
    m.Tabella_Carte(37, 19, 1) = 1;  // a sweep this hand
    give(9, many(1, 5));
    give(2, many(2, 3));
    end_hand();
    EXPECT_EQ(m.Tabella_Carte(37, 9, 1), 4);
    EXPECT_EQ(w.LBL_Parziale_Punti(9).Caption, "2");
    EXPECT_EQ(m.Tabella_Carte(37, 19, 1), 0);
    EXPECT_EQ(m.Tabella_Carte(19, 41, 1), 0);
    EXPECT_EQ(m.Vincitore_Partita, 9);
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].title, "Fine Partita");
    EXPECT_EQ(h.platform.messages()[0].text, "Ha vinto Anna");
    EXPECT_TRUE(m.Partita_Terminata);
}

TEST_F(ScopaHandEnd, BelowTheTargetTheNextHandIsOffered) {
    m.Modalita_Partita = 2;
    m.Punti_Da_Raggiungere = 11;
    give(9, many(1, 5));
    end_hand();
    EXPECT_EQ(m.Vincitore_Partita, 0);
    EXPECT_TRUE(h.platform.messages().empty());
    EXPECT_TRUE(w.PIC_Fine_Partita.Visible);
    EXPECT_FALSE(m.Partita_Terminata);
}

TEST_F(ScopaHandEnd, ASingleHandNobodyScoresInIsADraw) {
    m.Modalita_Partita = 1;
    give(9, many(1, 5));
    give(2, many(2, 5));
    end_hand();
    EXPECT_EQ(m.Vincitore_Partita, 0);
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].title, "Fine Partita");
    EXPECT_EQ(h.platform.messages()[0].text, "Partita in parità");
    EXPECT_TRUE(m.Partita_Terminata);
}

TEST_F(ScopaHandEnd, ASingleHandGoesToTheGreatestScoreTheLowerSeatOnATie) {
    m.Modalita_Partita = 1;
    m.Tabella_Carte(37, 19, 1) = 1;  // the human swept once
    give(9, many(1, 5));
    give(2, many(2, 6));  // the most cards
    end_hand();
    EXPECT_EQ(m.Tabella_Carte(37, 2, 1), 1);
    EXPECT_EQ(m.Tabella_Carte(37, 9, 1), 1);
    EXPECT_EQ(m.Vincitore_Partita, 2);
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].text, "Ha vinto Galvino");
}

// --- The score panel ----------------------------------------------------------------------

TEST_F(ScopaHandEnd, ThePanelShowsCardsTakenWithTheSweepsAndTheStandingAgainstTheTarget) {
    m.Partita_Finita = false;
    m.Modalita_Partita = 2;
    m.Punti_Da_Raggiungere = 11;
    m.Tabella_Carte(37, 19, 1) = 2;
    m.Tabella_Carte(37, 9, 1) = 4;
    program.engine.Aggiorna_Punteggi();
    EXPECT_EQ(w.LBL_RiepilogoPrese_testo.Caption, "Numero di carte prese");
    EXPECT_EQ(w.LBL_Parziale_Punti(9).Caption, "2");
    EXPECT_EQ(w.LBL_Totale_Punti(9).Caption, " 6 /  11");
    EXPECT_EQ(w.LBL_Totale_Punti(2).Caption, " 0 /  11");

    // With the stop option a sweep that passes the target ends the match at once.
    m.Ferma_Punteggio = true;
    m.Tabella_Carte(37, 19, 1) = 8;
    run([&] { program.engine.Aggiorna_Punteggi(); });
    EXPECT_EQ(m.Vincitore_Partita, 9);
    EXPECT_TRUE(m.Partita_Finita);
    EXPECT_TRUE(m.Partita_Terminata);
}

// --- The start of a match ---------------------------------------------------------------

namespace start {

struct Seats {
    int players;
    int hand;
    int table;
};

class ScopaStart : public ::testing::TestWithParam<Seats> {};

TEST_P(ScopaStart, HandsTableCardsAndThePanelsSeatsFollowTheNumberOfPlayers) {
    const Seats seats = GetParam();
    testing::MatchPlan plan;
    plan.game = game::kScopa;
    plan.players = seats.players;
    plan.mode = 2;
    plan.target_points = 11;
    testing::HeadlessMatch match(plan);
    MatchState& m = match.program().match;
    table::MasterWindow& w = match.program().master;
    // What a four-player match before this one left behind.
    m.Carte_In_Mano = 10;
    m.Carte_Tavola_Iniziali = 0;
    match.start();

    EXPECT_EQ(m.Carte_In_Mano, seats.hand);
    EXPECT_EQ(m.Carte_Tavola_Iniziali, seats.table);
    // The human leads, so the opening cards still lie as dealt.
    int on_table = 0;
    for (int p = 1; p <= 40; ++p) on_table += m.Tabella_Carte(20, p, 1) != 0 ? 1 : 0;
    EXPECT_EQ(on_table, seats.table);
    EXPECT_EQ(match.program().engine.Conta_Carte_Lista(9), seats.hand);

    EXPECT_EQ(w.PIC_Riepilogo_Accusi.Caption, "Riepilogo delle scope");
    EXPECT_EQ(w.LBL_RiepilogoPrese_testo.Caption, "Numero di carte prese");
    EXPECT_EQ(w.Visualizza_Prese(9).Caption, "Anna");
    EXPECT_EQ(w.Visualizza_Prese(2).Caption, "Galvino");
    EXPECT_EQ(w.Visualizza_Prese(1).Caption, seats.players >= 3 ? "Tuno" : "-");
    EXPECT_EQ(w.Visualizza_Prese(3).Caption, seats.players == 4 ? "Melto" : "-");
    EXPECT_EQ(w.LBL_Parziale_Punti(1).Enabled, seats.players >= 3);
    EXPECT_EQ(w.LBL_Totale_Punti(3).Enabled, seats.players == 4);
    EXPECT_EQ(w.LBL_Totale_Punti(9).Caption, " 0 /  11");
    if (seats.players == 2) {
        EXPECT_EQ(w.LBL_Totale_Punti(1).Caption, "-");
    }
}

INSTANTIATE_TEST_SUITE_P(Players, ScopaStart,
                         ::testing::Values(Seats{2, 3, 4}, Seats{3, 3, 4}, Seats{4, 10, 0}),
                         [](const auto& info) { return std::to_string(info.param.players) + "Players"; });

}  // namespace start

}  // namespace
}  // namespace tavolora::engine
