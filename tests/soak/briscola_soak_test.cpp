// Many seeded Briscola matches, every play checked against what must always hold.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>

#include "tests/support/soak_support.h"

namespace tavolora::soak {
namespace {

using engine::attr::kOwner;
using engine::attr::kSuit;
using engine::attr::kValue;
using testing::HeadlessMatch;
using testing::MatchPlan;

constexpr std::array<int, 10> kPoints = {11, 0, 10, 0, 0, 0, 0, 2, 3, 4};

int points_of(int value) {
    return kPoints.at(static_cast<std::size_t>(value - 1));
}

// The winner of a trick by the rules of Briscola, written apart from the engine's.
int trick_winner(const std::vector<std::array<int, 3>>& trick, int trump) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < trick.size(); ++i) {
        const auto& x = trick[i];
        const auto& b = trick[best];
        if (x[0] == b[0]) {
            const int px = points_of(x[1]);
            const int pb = points_of(b[1]);
            if (px > pb || (px == pb && x[1] > b[1])) best = i;
        } else if (x[0] == trump) {
            best = i;
        }
    }
    return trick[best][2];
}

// The seats in playing order before the turn for the hand is taken.
std::vector<int> base_order(int players, bool clockwise) {
    const bool reversed = !clockwise;
    if (players == 2) return {9, 2};
    if (players == 3) return reversed ? std::vector<int>{9, 1, 2} : std::vector<int>{9, 2, 1};
    return reversed ? std::vector<int>{9, 1, 2, 3} : std::vector<int>{9, 3, 2, 1};
}

class Checker {
public:
    Checker(HeadlessMatch& match, const MatchPlan& plan) : match_(match), plan_(plan) {
        match.on_wait([this](std::string_view wait) { at_wait(wait); });
    }

    // Every card of the deck once.
    void check_cards() {
        ASSERT_EQ(testing::deck_fault(match_.program().match.Tabella_Carte, plan_.players), "") << where();
        ++checks;
    }

    void at_wait(std::string_view wait) {
        const Program& p = match_.program();
        if (wait != "Avvia_Animazioni") return;
        check_cards();
        if (p.anim.Fase_Animazione == table::phase::kTaken) check_trick();
        if (p.anim.Fase_Animazione == table::phase::kDeal) check_lead();
    }

    // The trick just taken: in its pile in playing order, won by the rule.
    void check_trick() {
        const Program& p = match_.program();
        const auto& cards = p.match.Tabella_Carte;
        const int pile = p.match.Vincitore_Mano + 10;
        int n = 0;
        while (n < 40 && cards(pile, n + 1, kSuit) != 0) ++n;
        std::vector<std::array<int, 3>> trick;
        for (int i = n - plan_.players + 1; i <= n; ++i) {
            trick.push_back({cards(pile, i, kSuit), cards(pile, i, kValue), cards(pile, i, kOwner)});
        }
        const int trump = cards(21, 1, kSuit);
        ASSERT_EQ(trick_winner(trick, trump), p.match.Vincitore_Effettivo) << where();
        const int side = plan_.players == 4
                             ? (p.match.Vincitore_Effettivo == 2   ? 9
                                : p.match.Vincitore_Effettivo == 3 ? 1
                                                                   : p.match.Vincitore_Effettivo)
                             : p.match.Vincitore_Effettivo;
        ASSERT_EQ(side, p.match.Vincitore_Mano) << where();
        ++tricks;
    }

    // The lead moves on one seat per hand, in the direction of play.
    void check_lead() {
        const Program& p = match_.program();
        const int at = p.match.Indice_Turno % plan_.players + 1;
        const int leader = p.match.Ordine_Giocatori(at);
        const std::vector<int> order = base_order(plan_.players, plan_.clockwise);
        if (last_leader_ != 0 && match_hands_ > 0) {
            const auto it = std::find(order.begin(), order.end(), last_leader_);
            const int expected = order[static_cast<std::size_t>((it - order.begin() + 1) % plan_.players)];
            ASSERT_EQ(leader, expected) << where();
        }
        last_leader_ = leader;
        ++match_hands_;
    }

    bool played_out() const { return testing::played_out(match_.program().match.Tabella_Carte); }

    // At the end of a hand played out the piles hold the 120 points.
    void check_hand_end() {
        const auto& cards = match_.program().match.Tabella_Carte;
        int total = 0;
        for (int pile = 11; pile <= 19; ++pile) {
            for (int p = 1; p <= 40 && cards(pile, p, kSuit) != 0; ++p)
                total += points_of(cards(pile, p, kValue));
        }
        ASSERT_EQ(total, 120) << where();
        ++hands;
    }

    std::string where() const {
        std::ostringstream out;
        out << " (seed " << plan_.seed << ", " << plan_.players << " players, difficulty " << plan_.difficulty
            << ", mode " << plan_.mode << ")";
        return out.str();
    }

    int checks = 0;
    int tricks = 0;
    int hands = 0;

private:
    HeadlessMatch& match_;
    MatchPlan plan_;
    int last_leader_ = 0;
    int match_hands_ = 0;
};

// The match ended by its own rule.
void check_match_end(const HeadlessMatch& match, const MatchPlan& plan, int hands, const Checker& checker) {
    const Program& p = match.program();
    const auto& cards = p.match.Tabella_Carte;
    ASSERT_TRUE(match.match_over()) << checker.where();
    const int winner = p.match.Vincitore_Partita;
    switch (plan.mode) {
        case 1:
            EXPECT_EQ(hands, 1) << checker.where();
            break;
        case 2:
        case 4: {
            // The winner's total (with the hand in play, when the stop option ended it
            // during a hand) is past the target.
            ASSERT_GE(winner, 1) << checker.where();
            const int total = cards(37, winner, 1) + (plan.stop_at_target ? cards(winner + 10, 41, 1) : 0);
            EXPECT_GT(total, plan.target_points) << checker.where();
            break;
        }
        case 3:
            ASSERT_GE(winner, 1) << checker.where();
            EXPECT_GE(cards(winner + 10, 41, 3), plan.target_games) << checker.where();
            break;
        default:
            break;
    }
}

struct SoakTotals {
    int hands = 0;
    int tricks = 0;
    int checks = 0;
};

// Plays seeded matches, going round every difficulty and kind of match, until at
// least `hands_wanted` hands have been played.
SoakTotals soak(int players, bool variant_151, int hands_wanted) {
    SoakTotals totals;
    hands_wanted *= testing::soak_scale();
    std::uint64_t seed = testing::soak_seed() + 1000 * static_cast<std::uint64_t>(players) + (variant_151 ? 500 : 0);
    const std::vector<int> modes = variant_151 ? std::vector<int>{4} : std::vector<int>{1, 2, 3};
    for (int round = 0; totals.hands < hands_wanted; ++round) {
        const int difficulty = round % 4;
        const int mode = modes[static_cast<std::size_t>(round / 4) % modes.size()];
        MatchPlan plan;
        plan.players = players;
        plan.difficulty = difficulty;
        plan.mode = mode;
        plan.seed = ++seed;
        // The human or a computer seat in play leads the first hand.
        const std::vector<int> leaders = testing::possible_leaders(players);
        plan.first_player = leaders[seed % leaders.size()];
        plan.clockwise = seed % 3 != 0;
        plan.stop_at_target = seed % 2 == 0;
        plan.display = seed % 5 == 0 ? 0 : 1;  // sometimes the continue button
        plan.target_points = variant_151 ? 151 : 120 + static_cast<int>(seed % 3) * 30;
        plan.target_games = 2;
        HeadlessMatch match(plan);
        Checker checker(match, plan);
        match.start();
        int hands = 1;
        while (!match.match_over() && hands < 200) {
            if (match.hand_over()) {
                checker.check_hand_end();
                if (::testing::Test::HasFatalFailure()) return totals;
                match.continue_after_hand();
                if (!match.match_over()) ++hands;
                continue;
            }
            if (!match.play_human_card()) break;
            if (::testing::Test::HasFatalFailure()) return totals;
        }
        // A match decided by the stop option ends inside its hand.
        if (checker.played_out()) checker.check_hand_end();
        check_match_end(match, plan, hands, checker);
        if (::testing::Test::HasFailure()) return totals;
        totals.hands += checker.hands;
        totals.tricks += checker.tricks;
        totals.checks += checker.checks;
    }
    return totals;
}

class BriscolaSoak : public ::testing::TestWithParam<int> {};

// Over the three numbers of players: at least 2,000 hands of every difficulty and
// kind of match, and 500 of the 151 variant.
TEST_P(BriscolaSoak, EveryPlayKeepsTheDeckWholeAndEveryTrickGoesByTheRule) {
    const SoakTotals totals = soak(GetParam(), false, 670);
    std::cout << GetParam() << " players: " << totals.hands << " hands, " << totals.tricks << " tricks, "
              << totals.checks << " checks of the whole deck\n";
    EXPECT_GE(totals.hands, 670);
}

TEST_P(BriscolaSoak, The151VariantToo) {
    const SoakTotals totals = soak(GetParam(), true, 167);
    std::cout << GetParam() << " players, 151: " << totals.hands << " hands, " << totals.tricks
              << " tricks\n";
    EXPECT_GE(totals.hands, 167);
}

INSTANTIATE_TEST_SUITE_P(Players, BriscolaSoak, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Players"; });

}  // namespace
}  // namespace tavolora::soak
