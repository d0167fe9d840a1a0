#include <gtest/gtest.h>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using platform::kMillisecond;
using testing::TableTest;

// Two-player Briscola dealt, the human first in turn order.
class DrawAndTake : public TableTest {
protected:
    void SetUp() override {
        choose(1, {9, 2});
        fill_deck();
        animation.Assegna_Carte_Giocatori();
    }

    // The flight phase while the first tick runs.
    int phase_in_flight = -1;
    void watch_phase() {
        h.platform.at(20 * kMillisecond, [this] { phase_in_flight = a.Fase_Animazione; });
    }
};

TEST_F(DrawAndTake, TheTrickWinnerDrawsFirstAndTheHumansCardFliesFaceUp) {
    deck_count() = 3;
    animation.Disponi_Tavolo();
    // Both seats played their second card; seat 2, at position 2, took the trick.
    m.Tabella_Giocatori(9, 4) = 2;
    m.Tabella_Giocatori(2, 4) = 2;
    m.Indice_Turno_Vincitore = 2;
    watch_phase();
    run([&] { animation.Pesca_Carte_Mazzo(); });

    EXPECT_EQ(phase_in_flight, phase::kDrawn);
    EXPECT_EQ(a.Fase_Animazione, phase::kNone);
    EXPECT_EQ(deck_count(), 1);
    EXPECT_EQ(m.Indice_Turno_Vincitore, 2);
    EXPECT_EQ(m.Tabella_Carte(2, 2, 2), 3);  // deck position 3: suit 1, value 3
    EXPECT_EQ(m.Tabella_Carte(9, 2, 2), 2);
    EXPECT_EQ(m.Tabella_Carte(9, 2, 3), 9);
    EXPECT_FALSE(w.P(243).Visible);
    EXPECT_FALSE(w.P(242).Visible);
    EXPECT_TRUE(w.P(241).Visible);  // the last card, the trump, stays

    const Tipo_Animazione& first = a.Animazioni_Carte(1);
    EXPECT_EQ(first.Carta(1), 82);
    EXPECT_EQ(first.Immagine, back("00"));
    EXPECT_EQ(first.Coordinate(1), C(1));
    EXPECT_EQ(first.Coordinate(2), C(2));
    EXPECT_EQ(first.Coordinate(6), w.P(82).Left);
    const Tipo_Animazione& second = a.Animazioni_Carte(2);
    EXPECT_EQ(second.Carta(1), 2);
    EXPECT_EQ(second.Immagine, face(1, 2));
    EXPECT_EQ(second.Coordinate(6), w.P(2).Left);

    // One card left for two players: nobody draws.
    m.Tabella_Carte(9, 2, 1) = 0;
    run([&] { animation.Pesca_Carte_Mazzo(); });
    EXPECT_EQ(deck_count(), 1);
    EXPECT_EQ(m.Tabella_Carte(9, 2, 1), 0);
    EXPECT_EQ(a.Animazioni_Avviate, 0);
    EXPECT_EQ(a.Fase_Animazione, phase::kNone);
}

TEST_F(DrawAndTake, ATrickFliesOntoTheWinnersPileOneStepShortOfEachPlace) {
    animation.Disponi_Tavolo();
    for (int k = 1; k <= 6; ++k) m.Tabella_Carte(12, k, 1) = 1;
    const std::int16_t trick[2][3] = {{3, 5, 9}, {3, 7, 2}};
    for (int i = 1; i <= 2; ++i) {
        for (int at = 1; at <= 3; ++at) m.Tabella_Carte(20, i, at) = trick[i - 1][at - 1];
        w.P(200 + i).Top = 4660;
        w.P(200 + i).Left = 7000.0F + 1000.0F * static_cast<float>(i);
        w.P(200 + i).Visible = true;
    }
    m.Vincitore_Mano = 2;
    program.settings.Tempi_Animazione(3) = 4;
    watch_phase();
    run([&] { animation.Raccogli_Presa(); });

    EXPECT_EQ(phase_in_flight, phase::kTaken);
    EXPECT_EQ(a.Fase_Animazione, phase::kNone);
    EXPECT_EQ(h.platform.now(), 4 * 20 * kMillisecond);
    EXPECT_EQ(m.Ultimo_Presa, 2);
    // The trick after the pile's six cards, with the seat that played each.
    for (int i = 1; i <= 2; ++i) {
        for (int at = 1; at <= 3; ++at) EXPECT_EQ(m.Tabella_Carte(12, 6 + i, at), trick[i - 1][at - 1]);
    }
    EXPECT_EQ(m.Tabella_Carte(20, 1, 1), 0);
    EXPECT_FALSE(w.P(201).Visible);
    // What the landing step reads.
    EXPECT_EQ(m.Lista_Scelta, 12);
    EXPECT_EQ(a.Carte_Tavola_Dopo_Presa, 2);

    for (int i = 1; i <= 2; ++i) {
        const Tipo_Animazione& slot = a.Animazioni_Carte(i);
        EXPECT_EQ(slot.Carta(1), 200 + i);
        EXPECT_EQ(slot.Immagine, face(3, trick[i - 1][1]));
        EXPECT_EQ(slot.Coordinate(2), 7000 + 1000 * i);
        EXPECT_EQ(slot.Coordinate(5), C(17) + (5 + i) * -10);
        EXPECT_EQ(slot.Coordinate(6), C(18) + (5 + i) * 5);
    }
}

TEST_F(DrawAndTake, TheHandsOnScreen) {
    m.Tabella_Carte(9, 2, 1) = 0;
    w.P(2).Picture = "old";
    w.P(2).Visible = true;
    // After a draw an empty position of the human is left as it is.
    animation.Mostra_Carte_Mano();
    EXPECT_EQ(w.P(1).Picture, face(4, 10));
    EXPECT_TRUE(w.P(1).Visible);
    EXPECT_EQ(w.P(2).Picture, "old");
    EXPECT_TRUE(w.P(83).Visible);
    // Redrawn from the card table it is hidden and cleared; after a right-button
    // look the later cards lie on top.
    w.P(1).ZOrder(0);
    a.Pulsante_Mouse = 2;
    animation.Aggiorna_Carte_Mano();
    EXPECT_FALSE(w.P(2).Visible);
    EXPECT_EQ(w.P(2).Picture, "");
    EXPECT_LT(w.P(1).z, w.P(3).z);
}

}  // namespace
}  // namespace tavolora::table
