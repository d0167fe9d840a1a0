#include <gtest/gtest.h>

#include "core/fixed_array.h"
#include "core/numbers.h"

namespace tavolora {
namespace {

TEST(Numbers, StoreInto16BitCellLeavesCellUnchangedWhenValueDoesNotFit) {
    std::int16_t cell = 7;
    EXPECT_TRUE(store16(cell, -32768));
    EXPECT_EQ(cell, -32768);
    EXPECT_TRUE(store16(cell, 32767));
    EXPECT_EQ(cell, 32767);
    EXPECT_FALSE(store16(cell, 32768));
    EXPECT_FALSE(store16(cell, -32769));
    EXPECT_EQ(cell, 32767);
}

TEST(Numbers, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(round_half_even(0.5), 0.0);
    EXPECT_EQ(round_half_even(1.5), 2.0);
    EXPECT_EQ(round_half_even(2.5), 2.0);
    EXPECT_EQ(round_half_even(-2.5), -2.0);
    EXPECT_EQ(round_half_even(112.5), 112.0);  // 900 / 8, a flight step
    EXPECT_EQ(round_half_even(2.5000001), 3.0);
    EXPECT_EQ(round_half_even(-0.4), 0.0);
}

TEST(Numbers, PlainAndSignedCaptions) {
    EXPECT_EQ(format_plain(0), "0");
    EXPECT_EQ(format_plain(42), "42");
    EXPECT_EQ(format_plain(-3), "-3");
    EXPECT_EQ(format_signed(0), " 0");
    EXPECT_EQ(format_signed(61), " 61");
    EXPECT_EQ(format_signed(-12), "-12");
}

TEST(FixedArray, IndicesFollowTheirLowerBound) {
    FixedArray<int, 1, 3> one_based;
    one_based(1) = 10;
    one_based(3) = 30;
    EXPECT_EQ(one_based(1) + one_based(3), 40);
    EXPECT_EQ(*one_based.begin(), 10);

    FixedArray3<std::int16_t, 38, 41, 3> table{};
    table(38, 41, 3) = 5;
    table(1, 1, 1) = 1;
    EXPECT_EQ(table(38, 41, 3), 5);
    EXPECT_EQ(table(1, 1, 2), 0);
}

using FixedArrayDeathTest = ::testing::Test;

TEST(FixedArrayDeathTest, AnIndexOutOfRangeStopsTheProgramWithAMessage) {
    FixedArray<int, 1, 40> slots;
    EXPECT_DEATH(slots(0), "index 0 outside 1..40");
    EXPECT_DEATH(slots(41), "index 41 outside 1..40");
    FixedArray3<std::int16_t, 38, 41, 3> table{};
    EXPECT_DEATH(table(39, 1, 1), "index 39 outside 1..38");
    EXPECT_DEATH(table(1, 1, 4), "index 4 outside 1..3");
}

}  // namespace
}  // namespace tavolora
