// The per-game starting points and steps of the table layout.

#include <gtest/gtest.h>

#include <memory>

#include "core/games.h"
#include "table/table_positions.h"

namespace tavolora::table {
namespace {

TEST(TablePositions, EachGameStartsFromItsOwnPointsAndCamiciaKeepsTheRest) {
    auto anim = std::make_unique<AnimationState>();
    AnimationState& a = *anim;
    a.Coordinate_Tavolo(8) = 1234;
    Imposta_Posizioni_Tavolo(a, games::kCamicia);
    EXPECT_EQ(a.Coordinate_Tavolo(1), 4000);
    EXPECT_EQ(a.Coordinate_Tavolo(8), 1234);  // Camicia keeps what the last game left
    EXPECT_EQ(a.Passo_Top(1), -10);
    EXPECT_EQ(a.Passo_Left(5), 2000);
    Imposta_Posizioni_Tavolo(a, games::kScopa);
    EXPECT_EQ(a.Coordinate_Tavolo(8), 10000);
    EXPECT_EQ(a.Coordinate_Tavolo(22), 8000);

    // The codes no game button sets: 5 lays out as the card games do, 6 sets only the
    // steps.
    a.Coordinate_Tavolo(1) = 1;
    a.Passo_Top(1) = 7;
    Imposta_Posizioni_Tavolo(a, games::kBriscolaVariant);
    EXPECT_EQ(a.Coordinate_Tavolo(1), 1);
    EXPECT_EQ(a.Passo_Top(1), -10);
    Imposta_Posizioni_Tavolo(a, games::kDeckOnly);
    EXPECT_EQ(a.Coordinate_Tavolo(1), 600);
    EXPECT_EQ(a.Coordinate_Tavolo(2), 100);
}

}  // namespace
}  // namespace tavolora::table
