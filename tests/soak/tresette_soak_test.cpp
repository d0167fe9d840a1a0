// Many seeded Tresette matches, every play checked against the rules, which are
// written here apart from the engine's.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>
#include <vector>

#include "tests/support/soak_support.h"

namespace tavolora::soak {
namespace {

using engine::attr::kOwner;
using engine::attr::kSuit;
using engine::attr::kValue;
using testing::HeadlessMatch;
using testing::MatchPlan;

// Thirds of a point of the values 1..10, and their place in the trick order (the
// Three highest, then the Two, the Ace, the Re down to the Quattro).
constexpr std::array<int, 10> kThirds = {3, 1, 1, 0, 0, 0, 0, 1, 1, 1};
constexpr std::array<int, 10> kOrder = {8, 9, 10, 1, 2, 3, 4, 5, 6, 7};

int thirds_of(int value) {
    return kThirds.at(static_cast<std::size_t>(value - 1));
}
int order_of(int value) {
    return kOrder.at(static_cast<std::size_t>(value - 1));
}

// The pile a seat's cards go to: with four players the pairs share one.
int side_of(int seat, int players) {
    if (players != 4) return seat;
    return seat == 2 ? 9 : seat == 3 ? 1 : seat;
}

class Checker {
public:
    Checker(HeadlessMatch& match, const MatchPlan& plan) : match_(match), plan_(plan) {
        match.on_wait([this](std::string_view wait) { at_wait(wait); });
    }

    void at_wait(std::string_view wait) {
        if (wait != "Avvia_Animazioni") return;
        const Program& p = match_.program();
        check_cards();
        switch (p.anim.Fase_Animazione) {
            case table::phase::kNone:  // a card laid on the table
                check_laid_card();
                break;
            case table::phase::kTaken:
                check_trick();
                break;
            case table::phase::kDeal:
                first_play_ = true;
                break;
            default:
                break;
        }
    }

    void check_cards() {
        ASSERT_EQ(testing::deck_fault(match_.program().match.Tabella_Carte, plan_.players), "") << where();
        ++checks;
    }

    // The card just laid follows the led suit whenever its player holds one.
    void check_laid_card() {
        const auto& cards = match_.program().match.Tabella_Carte;
        int n = 0;
        while (n < 40 && cards(20, n + 1, kSuit) != 0) ++n;
        ASSERT_GE(n, 1) << where();
        if (first_play_) {
            check_declarations();
            first_play_ = false;
        }
        ++plays;
        if (n == 1) return;
        const int led = cards(20, 1, kSuit);
        const int suit = cards(20, n, kSuit);
        const int seat = cards(20, n, kOwner);
        if (suit == led) return;
        for (int p = 1; p <= 40; ++p) {
            ASSERT_NE(cards(seat, p, kSuit), led) << "seat " << seat << " did not follow suit" << where();
        }
    }

    // The trick just taken: in its pile in playing order, won by the highest card of
    // the led suit.
    void check_trick() {
        const Program& p = match_.program();
        const auto& cards = p.match.Tabella_Carte;
        const int pile = p.match.Vincitore_Mano + 10;
        int n = 0;
        while (n < 40 && cards(pile, n + 1, kSuit) != 0) ++n;
        ASSERT_GE(n, plan_.players) << where();
        const int first = n - plan_.players + 1;
        const int led = cards(pile, first, kSuit);
        int best = first;
        for (int i = first + 1; i <= n; ++i) {
            if (cards(pile, i, kSuit) == led &&
                order_of(cards(pile, i, kValue)) > order_of(cards(pile, best, kValue)))
                best = i;
        }
        ASSERT_EQ(side_of(cards(pile, best, kOwner), plan_.players), p.match.Vincitore_Mano) << where();
        ++tricks;
    }

    // Before the first card of a hand is taken, the declarations flagged are those
    // the dealt hands hold.
    void check_declarations() {
        const auto& cards = match_.program().match.Tabella_Carte;
        std::map<int, std::array<int, 2>> expected;  // kind -> seat, detail
        for (int seat : {1, 2, 3, 9}) {
            std::array<std::array<bool, 5>, 4> holds{};
            std::array<int, 4> count{};
            const auto hold = [&](int suit, int value) {
                if (value >= 1 && value <= 3) {
                    holds[static_cast<std::size_t>(value)][static_cast<std::size_t>(suit)] = true;
                    ++count[static_cast<std::size_t>(value)];
                }
            };
            for (int p = 1; p <= 40; ++p) {
                if (cards(seat, p, kSuit) != 0) hold(cards(seat, p, kSuit), cards(seat, p, kValue));
                if (cards(20, p, kSuit) != 0 && cards(20, p, kOwner) == seat)
                    hold(cards(20, p, kSuit), cards(20, p, kValue));
            }
            for (int v = 1; v <= 3; ++v) {
                const auto cv = static_cast<std::size_t>(v);
                if (count[cv] == 4) expected[10 + v] = {seat, 0};
                if (count[cv] == 3) {
                    int missing = 0;
                    for (int u = 1; u <= 4; ++u) {
                        if (!holds[cv][static_cast<std::size_t>(u)]) missing = u;
                    }
                    expected[13 + v] = {seat, missing};
                }
            }
            for (int u = 1; u <= 4; ++u) {
                const auto cu = static_cast<std::size_t>(u);
                if (holds[1][cu] && holds[2][cu] && holds[3][cu]) expected[16 + u] = {seat, 1};
            }
        }
        for (int kind = 11; kind <= 20; ++kind) {
            const auto it = expected.find(kind);
            const bool declared = cards(37, kind, 1) == 1;
            ASSERT_EQ(declared, it != expected.end()) << "kind " << kind << where();
            if (!declared) continue;
            ASSERT_EQ(cards(37, kind, 2), it->second[0]) << "kind " << kind << where();
            ASSERT_EQ(cards(37, kind, 3), it->second[1]) << "kind " << kind << where();
            ++declarations;
        }
    }

    void start_hand() {
        const auto& cards = match_.program().match.Tabella_Carte;
        for (int s = 1; s <= 9; ++s) totals_before_[static_cast<std::size_t>(s)] = cards(37, s, 1);
    }

    bool played_out() const { return testing::played_out(match_.program().match.Tabella_Carte); }

    // The end of the hand was counted: the stop option can end a match on the last
    // trick's panel refresh, before the count. Every counted hand moves a total.
    bool hand_counted() const {
        if (plan_.mode != 2) return true;
        const auto& cards = match_.program().match.Tabella_Carte;
        for (int s = 1; s <= 9; ++s) {
            if (cards(37, s, 1) != totals_before_[static_cast<std::size_t>(s)]) return true;
        }
        return false;
    }

    // The hand's thirds: the cards' 32, the last trick's 3 and the declarations, pile
    // by pile; in a match to a target only whole points carry into the totals.
    void check_hand_end() {
        const Program& p = match_.program();
        const auto& cards = p.match.Tabella_Carte;
        std::array<int, 10> expected{};
        int all = 0;
        for (int s = 1; s <= 9; ++s) {
            for (int q = 1; q <= 40 && cards(s + 10, q, kSuit) != 0; ++q) {
                expected[static_cast<std::size_t>(s)] += thirds_of(cards(s + 10, q, kValue));
            }
            all += expected[static_cast<std::size_t>(s)];
        }
        ASSERT_EQ(all, 32) << where();
        const int last = p.match.Ultimo_Presa;
        ASSERT_GE(last, 1) << where();
        expected[static_cast<std::size_t>(last)] += 3;
        for (int kind = 11; kind <= 20; ++kind) {
            if (cards(37, kind, 1) != 1) continue;
            expected[static_cast<std::size_t>(side_of(cards(37, kind, 2), plan_.players))] +=
                kind <= 13 ? 12 : 9;
        }
        for (int s = 1; s <= 9; ++s) {
            const auto cs = static_cast<std::size_t>(s);
            ASSERT_EQ(cards(s + 10, 41, 1), expected[cs]) << "seat " << s << where();
            if (plan_.mode == 2) {
                const int before = totals_before_[cs];
                ASSERT_EQ(cards(37, s, 1), 3 * (before / 3) + 3 * (expected[cs] / 3))
                    << "seat " << s << " before " << before << " hand " << expected[cs] << where();
            }
        }
        start_hand();
        ++hands;
    }

    std::string where() const {
        std::ostringstream out;
        out << " (seed " << plan_.seed << ", " << plan_.players << " players, difficulty " << plan_.difficulty
            << ", mode " << plan_.mode << ")";
        return out.str();
    }

    int checks = 0;
    int plays = 0;
    int tricks = 0;
    int declarations = 0;
    int hands = 0;

private:
    HeadlessMatch& match_;
    MatchPlan plan_;
    bool first_play_ = false;
    std::array<int, 10> totals_before_{};
};

struct SoakTotals {
    int hands = 0;
    int plays = 0;
    int tricks = 0;
    int declarations = 0;
    int checks = 0;
};

// Plays seeded matches, going round every difficulty and kind of match, until at
// least `hands_wanted` hands have been played out.
SoakTotals soak(int players, int hands_wanted) {
    SoakTotals totals;
    hands_wanted *= testing::soak_scale();
    std::uint64_t seed = testing::soak_seed() + 7000 + 1000 * static_cast<std::uint64_t>(players);
    for (int round = 0; totals.hands < hands_wanted; ++round) {
        MatchPlan plan = testing::varied_plan(4, players, round, ++seed);
        plan.target_points = 11 + static_cast<int>(seed % 3) * 5;
        HeadlessMatch match(plan);
        Checker checker(match, plan);
        match.start();
        const int hands = testing::play_match(match, checker);
        if (hands == 0) return totals;
        // The last hand, unless the stop option ended the match inside it.
        if (checker.played_out() && checker.hand_counted() && checker.hands < hands) checker.check_hand_end();
        if (::testing::Test::HasFailure()) return totals;
        const auto& cards = match.program().match.Tabella_Carte;
        const int winner = match.program().match.Vincitore_Partita;
        if (plan.mode == 2) {
            EXPECT_GE(winner, 1) << checker.where();
            if (winner < 1) return totals;
            // Past the target in whole points: of the match, and of the hand in play when
            // the stop option ended the match inside it.
            const bool inside_hand = !checker.played_out() || !checker.hand_counted();
            const int total = cards(37, winner, 1) / 3 + (inside_hand ? cards(winner + 10, 41, 1) / 3 : 0);
            EXPECT_GT(total, plan.target_points) << checker.where();
        }
        totals.hands += checker.hands;
        totals.plays += checker.plays;
        totals.tricks += checker.tricks;
        totals.declarations += checker.declarations;
        totals.checks += checker.checks;
    }
    return totals;
}

class TresetteSoak : public ::testing::TestWithParam<int> {};

// Over the three numbers of players, at least 2,000 hands played out.
TEST_P(TresetteSoak, EveryCardOnceEveryPlayFollowsSuitEveryThirdCounted) {
    const SoakTotals totals = soak(GetParam(), 680);
    std::cout << GetParam() << " players: " << totals.hands << " hands, " << totals.plays << " plays, "
              << totals.tricks << " tricks, " << totals.declarations << " declarations, " << totals.checks
              << " checks of the whole deck\n";
    EXPECT_GE(totals.hands, 680);
}

INSTANTIATE_TEST_SUITE_P(Players, TresetteSoak, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Players"; });

}  // namespace
}  // namespace tavolora::soak
