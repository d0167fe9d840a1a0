// A combination of table cards held in place: it reads, compares and orders as the
// vector of its ordinals would, since the tie rules read the capture lists in order.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/match_state.h"

namespace tavolora::engine {
namespace {

std::vector<std::uint8_t> ordinals(const Combination& c) {
    return std::vector<std::uint8_t>(c.begin(), c.end());
}

TEST(CaptureCombination, OrdersAsTheVectorOfItsOrdinals) {
    const std::vector<Combination> combinations = {{}, {1}, {1, 2}, {1, 2, 3}, {1, 3}, {2}, {2, 3}, {13}};
    for (const Combination& a : combinations) {
        for (const Combination& b : combinations) {
            SCOPED_TRACE(::testing::PrintToString(ordinals(a)) + " against " +
                         ::testing::PrintToString(ordinals(b)));
            EXPECT_EQ(a == b, ordinals(a) == ordinals(b));
            EXPECT_EQ(a < b, ordinals(a) < ordinals(b));
        }
    }
    // Equal ordinals are equal whatever was written in the unused places before.
    Combination grown{4, 5, 6};
    Combination built;
    built.push_back(4);
    built.push_back(5);
    built.push_back(6);
    EXPECT_EQ(grown, built);
    EXPECT_EQ(built.size(), 3U);
    EXPECT_EQ(built.back(), 6);
}

TEST(CaptureCombination, HoldsEveryCardTheTableCanHoldAndNoMore) {
    Combination all;
    for (int k = 1; k <= kMostTableCards; ++k) all.push_back(static_cast<std::uint8_t>(k));
    EXPECT_EQ(all.size(), static_cast<std::size_t>(kMostTableCards));
    EXPECT_EQ(all.back(), kMostTableCards);
    EXPECT_DEATH(all.push_back(14), "more cards than the table holds");
}

}  // namespace
}  // namespace tavolora::engine
