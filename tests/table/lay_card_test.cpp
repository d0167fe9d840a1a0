#include <gtest/gtest.h>

#include <cmath>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using testing::TableTest;

// Two-player Briscola on the start window: C21 4660, C22 8670, the free area
// 2160..7060 down and 6080..11580 across; a card 1080 wide.
class LayCard : public TableTest {
protected:
    void SetUp() override {
        choose(1, {9, 2});
        animation.Disponi_Tavolo();
        m.Tabella_Carte(20, 1, 1) = 2;
        m.Carte_In_Tavola = 1;
        program.settings.Tempi_Animazione(2) = 4;
    }

    // A card of the seat at `turn_position` laid from its hand picture P(3).
    const Control& lay(int turn_position, std::uint64_t seed) {
        program.cosmetic.reseed(seed);
        m.Indice_Turno = static_cast<std::int16_t>(turn_position);
        animation.Libera_Animazioni();
        animation.fill_flight_slot(1, 3, face(2, 2), 8860, 10110, 0, 0, 1);
        run([&] { animation.Trova_Posto_Sul_Tavolo(); });
        return w.P(201);
    }
};

TEST_F(LayCard, ACardFallsNearTheCentreLeaningTowardsItsSeatAndFliesThere) {
    bool above = false;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        // The human's: below and right of the centre by up to 2w/3 and w/4.
        const Control& mine = lay(1, seed);
        EXPECT_GE(mine.Top, C(21) + 1);
        EXPECT_LT(mine.Top, C(21) + 2 * kCardWidth / 3 + 1);
        EXPECT_GE(mine.Left, C(22) + 1);
        EXPECT_LT(mine.Left, C(22) + kCardWidth / 4 + 1);
        const Tipo_Animazione& slot = a.Animazioni_Carte(1);
        EXPECT_EQ(slot.Coordinate(5), std::nearbyint(mine.Top));
        EXPECT_EQ(slot.Coordinate(6), std::nearbyint(mine.Left));
        // The front seat's: up to w/3 higher.
        const Control& front = lay(2, seed);
        EXPECT_GE(front.Top, C(21) + 1 - kCardWidth / 3);
        above = above || front.Top < C(21);
    }
    EXPECT_TRUE(above);

    // The player's picture and start stay; the flight needs no landing phase.
    const Tipo_Animazione& slot = a.Animazioni_Carte(1);
    EXPECT_EQ(a.Animazioni_Avviate, 1);
    EXPECT_EQ(slot.Carta(1), 3);
    EXPECT_EQ(slot.Carta(2), 201);
    EXPECT_EQ(slot.Immagine, face(2, 2));
    EXPECT_EQ(slot.Coordinate(2), 10110);
    EXPECT_EQ(slot.Coordinate(10), std::nearbyint((slot.Coordinate(6) - 10110) / 4.0));
    EXPECT_EQ(a.Fase_Animazione, phase::kNone);
}

TEST_F(LayCard, ACardReachingAHandRowStaysWithinATenth) {
    a.Coordinate_Tavolo(7) = 30000;  // every place lies above the front row
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const Control& card = lay(1, seed);
        EXPECT_GE(card.Top, C(21) + 0.1F);
        EXPECT_LT(card.Top, C(21) + (2 * kCardWidth / 3 + 1) / 10);
        EXPECT_LT(card.Left, C(22) + (kCardWidth / 4 + 1) / 10);
    }
}

TEST_F(LayCard, AfterTwentyAttemptsOutsideTheLastPlaceStands) {
    a.Limiti_Tavolo(1) = 8000;  // the limits cross: no place is inside
    a.Limiti_Tavolo(3) = 2000;
    program.cosmetic.reseed(3);
    platform::Rng expected = program.cosmetic;
    for (int draw = 1; draw <= 2 * 20; ++draw) expected.next_unit();

    const Control& card = lay(1, 3);
    EXPECT_EQ(program.cosmetic.next_unit(), expected.next_unit());  // 20 attempts, two numbers each
    EXPECT_EQ(a.Animazioni_Avviate, 1);
    EXPECT_EQ(a.Animazioni_Carte(1).Coordinate(5), std::nearbyint(card.Top));

    // Without its table picture the card is not laid and nothing flies.
    m.Carte_In_Tavola = 0;
    const platform::Micros before = h.platform.now();
    lay(1, 3);
    EXPECT_EQ(h.platform.now(), before);
}

}  // namespace
}  // namespace tavolora::table
