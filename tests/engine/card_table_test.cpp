#include <gtest/gtest.h>

#include "tests/support/headless_program.h"

namespace tavolora::engine {
namespace {

using testing::HeadlessProgram;

class CardTable : public ::testing::Test {
protected:
    HeadlessProgram h;
    Program& program = h.program;
    MatchState& m = program.match;
    Engine& engine = program.engine;

    void put(int lista, int position, int suit, int value, int owner = 0) {
        m.Tabella_Carte(lista, position, attr::kSuit) = static_cast<std::int16_t>(suit);
        m.Tabella_Carte(lista, position, attr::kValue) = static_cast<std::int16_t>(value);
        m.Tabella_Carte(lista, position, attr::kOwner) = static_cast<std::int16_t>(owner);
    }
};

TEST_F(CardTable, CountsSkipHolesButLeadingCountStopsAtTheFirst) {
    put(5, 1, 2, 7);
    put(5, 3, 4, 1);
    EXPECT_EQ(engine.Conta_Carte_Lista(5), 2);
    EXPECT_EQ(m.Indice_1, 41);
    EXPECT_EQ(engine.Conta_Carte_Iniziali(5), 1);
    EXPECT_EQ(m.Indice_1, 2);  // left on the first empty position
    EXPECT_EQ(m.Lista_Scelta, 5);
    EXPECT_EQ(engine.Conta_Carte_Lista(6), 0);
    EXPECT_EQ(engine.Conta_Carte_Iniziali(6), 0);
}

TEST_F(CardTable, AFullListCountsForty) {
    for (int p = 1; p <= 40; ++p) put(21, p, 1 + (p - 1) / 10, 1 + (p - 1) % 10);
    EXPECT_EQ(engine.Conta_Carte_Iniziali(21), 40);
    EXPECT_EQ(engine.Conta_Carte_Lista(21), 40);
}

TEST_F(CardTable, EmptyingAListKeepsThePileScoreCells) {
    for (int p = 1; p <= 40; ++p) put(19, p, 3, 5, 9);
    m.Tabella_Carte(19, 41, 1) = 42;
    m.Tabella_Carte(19, 41, 3) = 2;
    engine.Svuota_Lista(19);
    EXPECT_EQ(engine.Conta_Carte_Lista(19), 0);
    EXPECT_EQ(m.Tabella_Carte(19, 40, attr::kOwner), 0);
    EXPECT_EQ(m.Tabella_Carte(19, 41, 1), 42);
    EXPECT_EQ(m.Tabella_Carte(19, 41, 3), 2);
}

TEST_F(CardTable, TheTableCountReadsTheCentralPileInCamiciaAndListTwentyElsewhere) {
    put(20, 1, 1, 1);
    put(20, 2, 1, 2);
    put(4, 1, 2, 3);
    for (int code : {1, 2, 4, 6}) {
        m.Codice_Gioco = static_cast<std::int16_t>(code);
        engine.Conta_Carte_Tavolo();
        EXPECT_EQ(m.Carte_In_Tavola, 2) << "game " << code;
        EXPECT_EQ(m.Indice_2, 20);
    }
    m.Codice_Gioco = game::kCamicia;
    engine.Conta_Carte_Tavolo();
    EXPECT_EQ(m.Carte_In_Tavola, 1);
    EXPECT_EQ(m.Indice_2, 4);
}

TEST_F(CardTable, ALoopOnTheSharedCounterFindsItMovedByTheTableCount) {
    m.Codice_Gioco = game::kBriscola;
    put(20, 1, 1, 1);
    put(20, 2, 2, 2);
    put(20, 3, 3, 3);
    m.Indice_1 = 1;
    engine.Conta_Carte_Tavolo();
    EXPECT_EQ(m.Indice_1, 4);  // the table's first empty position
}

TEST_F(CardTable, ClearingTheTableEmptiesThePlayedCardsAndTheirPictures) {
    m.Codice_Gioco = game::kBriscola;
    table::MasterWindow& w = program.master;
    for (int n = 1; n <= 3; ++n) {
        put(20, n, n, n, 9);
        ASSERT_TRUE(w.P.Load(200 + n));
        w.P(200 + n).Visible = true;
        w.P(200 + n).Picture = "x.bmp";
    }
    engine.Svuota_Tavolo();
    EXPECT_EQ(engine.Conta_Carte_Lista(20), 0);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_FALSE(w.P(200 + n).Visible);
        EXPECT_TRUE(w.P(200 + n).Picture.empty());
    }
}

TEST_F(CardTable, ClearingByTheCaptureListTouchesOnlyTheNamedPlaces) {
    table::MasterWindow& w = program.master;
    for (int n = 1; n <= 4; ++n) put(20, n, 1, n);
    ASSERT_TRUE(w.P.Load(202));
    w.P(202).Visible = true;
    m.Tabella_Carte(38, 41, 1) = 3;
    m.Tabella_Carte(38, 1, 3) = 2;
    m.Tabella_Carte(38, 2, 3) = 4;
    m.Tabella_Carte(38, 3, 3) = 0;  // names no place: passed over
    engine.Svuota_Tavolo_Da_Indice();
    EXPECT_EQ(m.Tabella_Carte(20, 1, attr::kSuit), 1);
    EXPECT_EQ(m.Tabella_Carte(20, 2, attr::kSuit), 0);
    EXPECT_EQ(m.Tabella_Carte(20, 3, attr::kSuit), 1);
    EXPECT_EQ(m.Tabella_Carte(20, 4, attr::kValue), 0);
    EXPECT_TRUE(w.P(202).Visible);  // pictures are the caller's
    EXPECT_EQ(program.anim.Larghezza_Carta, 4);
}

class TableReset : public CardTable {
protected:
    void fill_match_cells() {
        for (int L = 1; L <= 36; ++L) put(L, 7, 2, 5, 1);
        for (int L = 11; L <= 19; ++L) {
            for (int a = 1; a <= 3; ++a) m.Tabella_Carte(L, 41, a) = static_cast<std::int16_t>(L + a);
        }
        m.Tabella_Carte(1, 41, 1) = 5;
        for (int p = 1; p <= 20; ++p) m.Tabella_Carte(37, p, 1) = static_cast<std::int16_t>(p);
        m.Tabella_Carte(37, 15, 3) = 3;
        m.Tabella_Carte(38, 1, 3) = 6;
        m.Partita_Finita = true;
    }
};

TEST_F(TableReset, TresetteKeepsTheScoreCellsAndClearsTheDeclarations) {
    m.Codice_Gioco = game::kTresette;
    fill_match_cells();
    engine.Inizializza_Tavolo();
    for (int L = 1; L <= 36; ++L) EXPECT_EQ(m.Tabella_Carte(L, 7, attr::kSuit), 0);
    EXPECT_EQ(m.Tabella_Carte(19, 41, 1), 20);
    EXPECT_EQ(m.Tabella_Carte(11, 41, 3), 14);
    EXPECT_EQ(m.Tabella_Carte(37, 9, 1), 9);   // match totals stay
    EXPECT_EQ(m.Tabella_Carte(37, 11, 1), 0);  // declarations go
    EXPECT_EQ(m.Tabella_Carte(37, 15, 3), 0);
    EXPECT_EQ(m.Tabella_Carte(38, 1, 3), 6);
    EXPECT_FALSE(m.Partita_Finita);
}

TEST_F(TableReset, ScopaClearsTheScoreCellsAndTheSweepCounts) {
    m.Codice_Gioco = game::kScopa;
    fill_match_cells();
    engine.Inizializza_Tavolo();
    EXPECT_EQ(m.Tabella_Carte(1, 41, 1), 0);
    for (int L = 11; L <= 19; ++L) {
        for (int a = 1; a <= 3; ++a) EXPECT_EQ(m.Tabella_Carte(L, 41, a), 0);
    }
    for (int p = 11; p <= 19; ++p) EXPECT_EQ(m.Tabella_Carte(37, p, 1), 0);
    EXPECT_EQ(m.Tabella_Carte(37, 9, 1), 9);
    EXPECT_EQ(m.Tabella_Carte(37, 20, 1), 20);
}

TEST_F(TableReset, BriscolaCarriesEveryCellAtPositionFortyOne) {
    m.Codice_Gioco = game::kBriscola;
    fill_match_cells();
    engine.Inizializza_Tavolo();
    EXPECT_EQ(m.Tabella_Carte(1, 41, 1), 5);
    EXPECT_EQ(m.Tabella_Carte(13, 41, 2), 15);
    EXPECT_EQ(m.Tabella_Carte(37, 15, 3), 3);
}

TEST_F(TableReset, EveryLoadedCardPictureEndsHiddenAndBlank) {
    table::MasterWindow& w = program.master;
    for (int k : {1, 40, 41, 120, 201, 241, 280, 305, 460}) {
        ASSERT_TRUE(w.P.Load(k));
        w.P(k).Visible = true;
        w.P(k).Picture = "card.bmp";
    }
    engine.Inizializza_Tavolo();
    for (int k : {1, 40, 41, 120, 201, 241, 280, 305, 460}) {
        EXPECT_FALSE(w.P(k).Visible) << k;
        EXPECT_TRUE(w.P(k).Picture.empty()) << k;
    }
    EXPECT_FALSE(w.P.loaded(2));  // members that were not loaded stay so
}

TEST_F(CardTable, PausaLetsPendingEventsRunAndNeverAdvancesTime) {
    int posted = 0;
    int timed = 0;
    h.platform.post([&posted] { ++posted; });
    program.waits.start_timer(10 * platform::kMillisecond, false, [&timed] { ++timed; });
    engine.Pausa(0);
    EXPECT_EQ(posted, 0);
    EXPECT_EQ(m.Indice_1, 1);
    engine.Pausa(1000);
    EXPECT_EQ(posted, 1);
    EXPECT_EQ(timed, 0);
    EXPECT_EQ(h.platform.now(), 0);
    EXPECT_EQ(m.Indice_1, 1001);
}

}  // namespace
}  // namespace tavolora::engine
