// Many seeded Camicia deals, every card turned checked: the deck whole, and every
// deal ending by its kind of match or reaching the cap of cards.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/support/soak_support.h"

namespace tavolora::soak {
namespace {

using engine::attr::kSuit;
using testing::HeadlessMatch;
using testing::MatchPlan;

// Some deals never end: the cards come round again. A deal is stopped after this
// many cards and counted apart.
constexpr int kCardCap = 20000;

class Checker {
public:
    Checker(HeadlessMatch& match, const MatchPlan& plan) : match_(match), plan_(plan) {
        match.on_wait([this](std::string_view wait) { at_wait(wait); });
    }

    // Every flight batch: the 40 cards in the two piles and the central pile, once
    // each. A batch over a central pile is a card just turned.
    void at_wait(std::string_view wait) {
        if (wait != "Avvia_Animazioni") return;
        const auto& cards = match_.program().match.Tabella_Carte;
        ASSERT_EQ(testing::cards_fault(cards, {2, 3, 4}, 0, false), "") << where();
        if (cards(4, 1, kSuit) != 0) ++turned;
        ++checks;
    }

    std::string where() const {
        std::ostringstream out;
        out << " (seed " << plan_.seed << ", kind " << plan_.camicia_kind << ", " << plan_.camicia_cards
            << " cards, after " << turned << " turned)";
        return out.str();
    }

    int turned = 0;
    int checks = 0;

private:
    HeadlessMatch& match_;
    MatchPlan plan_;
};

struct SoakTotals {
    int deals = 0;
    int ended = 0;
    int capped = 0;
    long long turned = 0;
    int longest = 0;
    long long checks = 0;
};

SoakTotals soak(int kind, int deals_wanted) {
    SoakTotals totals;
    deals_wanted *= testing::soak_scale();
    for (int deal = 0; deal < deals_wanted; ++deal) {
        MatchPlan plan;
        plan.game = 3;
        plan.seed = testing::soak_seed() + 30000 + static_cast<std::uint64_t>(kind) * 10000 +
                    static_cast<std::uint64_t>(deal);
        plan.camicia_kind = kind;
        plan.camicia_cards = 21 + static_cast<int>(plan.seed % 19);
        plan.flight_steps = 1;
        HeadlessMatch match(plan);
        Checker checker(match, plan);
        match.start();
        while (!match.match_over() && checker.turned < kCardCap) {
            if (!match.play_human_card()) {
                ADD_FAILURE() << "the human has no card to turn and the deal is not over" << checker.where();
                return totals;
            }
            if (::testing::Test::HasFatalFailure()) return totals;
        }
        const Program& p = match.program();
        ++totals.deals;
        totals.turned += checker.turned;
        totals.checks += checker.checks;
        totals.longest = std::max(totals.longest, checker.turned);
        if (!match.match_over()) {
            ++totals.capped;
            continue;
        }
        ++totals.ended;
        // The match ends by its kind: an empty pile, or the chosen count reached.
        const int human = p.match.Carte_Mazzo_2;
        const int computer = p.match.Carte_Mazzo_3;
        const int winner = p.match.Vincitore_Partita;
        const bool by_count = kind == 2 && std::max(human, computer) >= plan.camicia_cards;
        if (by_count) {
            EXPECT_EQ(winner, human >= plan.camicia_cards ? 2 : 3) << checker.where();
        } else {
            EXPECT_TRUE(human == 0 || computer == 0) << checker.where();
            EXPECT_EQ(winner, computer == 0 ? 2 : 3) << checker.where();
        }
        const auto& messages = match.platform().messages();
        EXPECT_FALSE(messages.empty()) << checker.where();
        if (messages.empty()) return totals;
        EXPECT_EQ(messages.back().text, winner == 2 ? "Hai vinto la partita!" : "Hai perso!")
            << checker.where();
    }
    return totals;
}

class CamiciaSoak : public ::testing::TestWithParam<int> {};

// Over the four kinds of match, 5,000 deals.
TEST_P(CamiciaSoak, EveryCardOnceAndEveryDealEndsOrReachesTheCap) {
    const SoakTotals totals = soak(GetParam(), 1250);
    std::cout << "kind " << GetParam() << ": " << totals.deals << " deals, " << totals.ended << " ended, "
              << totals.capped << " stopped at " << kCardCap << " cards; " << totals.turned
              << " cards turned, the longest deal " << totals.longest << "; " << totals.checks
              << " checks of the whole deck\n";
    EXPECT_EQ(totals.deals, 1250 * testing::soak_scale());
}

INSTANTIATE_TEST_SUITE_P(Kinds, CamiciaSoak, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return "Kind" + std::to_string(info.param); });

}  // namespace
}  // namespace tavolora::soak
