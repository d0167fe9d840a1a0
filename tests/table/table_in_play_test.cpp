// The table's pictures over whole seeded hands: what the player sees must be what
// the card table holds, after every deal and whatever the window does meanwhile.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/support/headless_match.h"

namespace tavolora::table {
namespace {

using testing::HeadlessMatch;
using testing::MatchPlan;

// A card's face as the program names it, in the headless match's deck.
std::string face_of(const HeadlessMatch& match, int suit, int value) {
    return match.folder().string() + "\\Cards\\Mazzo\\" + std::to_string(suit) + "\\" + std::to_string(value) +
           ".bmp";
}

std::string where(const MatchPlan& plan) {
    std::ostringstream out;
    out << " (seed " << plan.seed << ", " << plan.players << " players)";
    return out.str();
}

// --- The human's hand after every deal -----------------------------------------------

class ScopaHandPictures : public ::testing::TestWithParam<int> {};

// Each position of the hand that holds a card shows that card's face; an empty one
// shows nothing.
void expect_hand_shown(const HeadlessMatch& match, const MatchPlan& plan) {
    const Program& p = match.program();
    const auto& cards = p.match.Tabella_Carte;
    for (int j = 1; j <= p.match.Carte_In_Mano; ++j) {
        const Control* picture = p.master.P.find(j);
        ASSERT_NE(picture, nullptr) << where(plan);
        const int suit = cards(engine::seat::kHuman, j, engine::attr::kSuit);
        if (suit == 0) {
            EXPECT_FALSE(picture->Visible && !picture->Picture.empty())
                << "P(" << j << ") shows " << picture->Picture << " for an empty place" << where(plan);
            continue;
        }
        EXPECT_TRUE(picture->Visible) << "P(" << j << ") hidden" << where(plan);
        EXPECT_EQ(picture->Picture, face_of(match, suit, cards(engine::seat::kHuman, j, engine::attr::kValue)))
            << "P(" << j << ")" << where(plan);
    }
}

// The deals from the deck's last cards come unsorted, and the landing of a Scopa
// draw shows the hand pictures as they were: the hand must still be drawn anew.
TEST_P(ScopaHandPictures, AtEveryTurnTheHumanSeesTheCardsHeld) {
    int turns = 0;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        MatchPlan plan;
        plan.game = 2;
        plan.players = GetParam();
        plan.seed = 100 * seed + static_cast<std::uint64_t>(GetParam());
        HeadlessMatch match(plan);
        match.start();
        while (!match.hand_over()) {
            expect_hand_shown(match, plan);
            if (::testing::Test::HasFailure()) return;
            ++turns;
            if (!match.play_human_card()) break;
        }
    }
    EXPECT_GT(turns, 30 * 10);
}

INSTANTIATE_TEST_SUITE_P(Players, ScopaHandPictures, ::testing::Values(2, 3),
                         [](const auto& info) { return std::to_string(info.param) + "Players"; });

}  // namespace
}  // namespace tavolora::table
