#include <gtest/gtest.h>

#include "tests/support/headless_program.h"

namespace tavolora::table {
namespace {

using platform::kMillisecond;
using testing::HeadlessProgram;

class Flights : public ::testing::Test {
protected:
    HeadlessProgram h;
    Program& program = h.program;
    AnimationState& a = program.anim;
    MasterWindow& w = program.master;

    void fly(std::int16_t top, std::int16_t left, std::int16_t target_top, std::int16_t target_left,
             int steps, int slots = 1) {
        program.animation.Libera_Animazioni();
        for (int k = 1; k <= slots; ++k) {
            program.animation.fill_flight_slot(k, k, "", top, left, target_top, target_left, steps);
        }
        program.waits.at_boundary([this] { program.animation.Avvia_Animazioni(); });
    }
};

TEST_F(Flights, WithEverySlotFreeTheDriverReturnsAtOnce) {
    ASSERT_TRUE(w.P_A.Load(3));
    w.P_A(3).Visible = true;
    program.animation.Libera_Animazioni();
    EXPECT_FALSE(w.P_A(3).Visible);
    w.P_A(3).Visible = true;
    program.animation.Avvia_Animazioni();
    EXPECT_EQ(a.Animazioni_Avviate, 0);
    EXPECT_EQ(a.Animazioni_Concluse, 0);
    EXPECT_FALSE(a.Animazioni_Finite);
    EXPECT_TRUE(w.P_A(3).Visible);  // the slots were not freed again
    EXPECT_EQ(h.platform.now(), 0);
}

TEST_F(Flights, ABatchLandsTogetherAfterItsStepsAndFreesItsSlots) {
    fly(100, 200, 3000, 4000, 5, 12);
    EXPECT_EQ(a.Animazioni_Avviate, 12);
    EXPECT_EQ(a.Animazioni_Concluse, 12);
    EXPECT_TRUE(a.Animazioni_Finite);
    EXPECT_EQ(h.platform.now(), 5 * 20 * kMillisecond);
    for (int i = 1; i <= kFlightSlots; ++i) {
        EXPECT_EQ(a.Animazioni_Carte(i).Stato(1), 'Z');
        EXPECT_FALSE(w.P_A.loaded(i));
        EXPECT_FALSE(w.T_Anim.loaded(i));
    }
    // The last slot to land is the highest; the ticker has stopped.
    EXPECT_EQ(a.Indice_Animazione, 12);
    EXPECT_EQ(a.Carta_Animata, 12);
    EXPECT_FALSE(h.platform.has_timers());
}

TEST_F(Flights, StepsAreWholeTwipsWithHalvesToEven) {
    fly(100, 500, 1000, 500, 8);
    const Tipo_Animazione& slot = a.Animazioni_Carte(1);
    EXPECT_EQ(slot.Coordinate(9), 112);  // 900 / 8 = 112.5
    EXPECT_EQ(slot.Coordinate(10), 0);
    // The copy ends at start + 8 x 112, short of the target.
    EXPECT_EQ(w.P_A.member_slot(1).Top, 996);
    EXPECT_EQ(w.P_A.member_slot(1).Left, 500);

    fly(1000, 900, 100, 300, 4);  // up and to the left
    EXPECT_EQ(a.Animazioni_Carte(1).Coordinate(9), -225);
    EXPECT_EQ(a.Animazioni_Carte(1).Coordinate(10), -150);
    EXPECT_EQ(w.P_A.member_slot(1).Top, 100);
}

TEST_F(Flights, OneStepJumpsAndAStepCountBelowOneCountsAsOne) {
    fly(0, 0, 700, 800, 1);
    EXPECT_EQ(h.platform.now(), 20 * kMillisecond);
    EXPECT_EQ(w.P_A.member_slot(1).Top, 700);

    fly(0, 0, 700, 800, 0);
    EXPECT_EQ(a.Animazioni_Carte(1).Coordinate(9), 700);
    EXPECT_EQ(a.Animazioni_Concluse, 1);

    // A slot filled by hand with no steps still lands on the first tick.
    program.animation.Libera_Animazioni();
    program.animation.fill_flight_slot(1, 1, "", 0, 0, 10, 10, 3);
    a.Animazioni_Carte(1).Passi = 0;
    program.waits.at_boundary([this] { program.animation.Avvia_Animazioni(); });
    EXPECT_EQ(a.Animazioni_Concluse, 1);
}

TEST_F(Flights, AHigherSlotFliesAboveALowerOne) {
    program.animation.Libera_Animazioni();
    for (int k = 1; k <= 3; ++k) program.animation.fill_flight_slot(k, k, "", 0, 0, 100, 100, 50);
    bool checked = false;
    h.platform.at(50 * kMillisecond, [&] {
        EXPECT_TRUE(w.P_A(1).Visible);
        EXPECT_LT(w.P_A(1).z, w.P_A(2).z);
        EXPECT_LT(w.P_A(2).z, w.P_A(3).z);
        EXPECT_EQ(w.P_A(3).Top, 4);  // two ticks of 2 twips
        checked = true;
    });
    program.waits.at_boundary([this] { program.animation.Avvia_Animazioni(); });
    EXPECT_TRUE(checked);
}

TEST_F(Flights, TheFlyingCopyShowsItsPictureTrimmedOfBlanks) {
    program.animation.Libera_Animazioni();
    program.animation.fill_flight_slot(1, 7, "  missing\\1\\1.bmp  ", 0, 0, 10, 10, 2);
    bool seen = false;
    h.platform.at(20 * kMillisecond, [&] {
        EXPECT_EQ(w.P_A(1).Picture, "missing\\1\\1.bmp");
        seen = true;
    });
    program.waits.at_boundary([this] { program.animation.Avvia_Animazioni(); });
    EXPECT_TRUE(seen);
    EXPECT_EQ(a.Animazioni_Concluse, 1);  // a picture that does not load still flies
}

TEST(SeededFlights, ReplayTheSameWayAndTwoProgramsDoNotMeet) {
    HeadlessProgram first;
    HeadlessProgram second;
    const auto one = testing::run_seeded_flights(first.program, 7, 6);
    const auto two = testing::run_seeded_flights(second.program, 7, 6);
    ASSERT_EQ(one.size(), 6U);
    EXPECT_EQ(one, two);
    HeadlessProgram third;
    EXPECT_NE(testing::run_seeded_flights(third.program, 8, 6), one);
}

}  // namespace
}  // namespace tavolora::table
