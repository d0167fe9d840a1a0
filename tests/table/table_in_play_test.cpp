// The table's pictures over whole seeded hands: what the player sees must be what
// the card table holds, after every deal and whatever the window does meanwhile.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

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

// --- Scopa's cards laid on the table -------------------------------------------------

// The share of `under` that `over` hides, both a card of w x h.
double hidden_share(const Control& under, float top, float left, double w, double h) {
    const double across = std::min<double>(under.Left, left) + w - std::max<double>(under.Left, left);
    const double down = std::min<double>(under.Top, top) + h - std::max<double>(under.Top, top);
    return across <= 0 || down <= 0 ? 0.0 : across * down / (w * h);
}

class ScopaLaidCards : public ::testing::TestWithParam<int> {};

// A card laid on a Scopa table may hide at most half of any card lying there
// whenever some place of the free area would do that; the cards taken are counted
// however little of them shows, so the player must be able to see them.
TEST_P(ScopaLaidCards, NoCardLyingThereIsMoreThanHalfHiddenWhileAPlaceLeavesItInSight) {
    int laid = 0;
    int crowded = 0;
    int hiding = 0;
    std::string first;
    for (std::uint64_t seed = 1; seed <= 150; ++seed) {
        MatchPlan plan;
        plan.game = 2;
        plan.players = GetParam();
        plan.seed = 1000 * seed + static_cast<std::uint64_t>(GetParam());
        HeadlessMatch match(plan);
        const Program& p = match.program();
        match.on_wait([&](std::string_view wait) {
            const AnimationState& a = p.anim;
            const Tipo_Animazione& flight = a.Animazioni_Carte(1);
            const int picture = flight.Carta(2);
            if (wait != "Avvia_Animazioni" || a.Fase_Animazione != phase::kNone || flight.Stato(1) != 'N' ||
                picture < 201 || picture > 240)
                return;
            const Control& card = p.master.P(picture);
            const double w = a.Spaziatura_Carte;
            const double h = a.Altezza_Carta;
            std::vector<const Control*> lying;
            for (int k = 201; k <= 240; ++k) {
                const Control* other = p.master.P.find(k);
                if (k != picture && other != nullptr && other->Visible) lying.push_back(other);
            }
            const auto most_hidden = [&](float left) {
                double most = 0;
                for (const Control* other : lying)
                    most = std::max(most, hidden_share(*other, card.Top, left, w, h));
                return most;
            };
            // Every place of the free area, a twip apart, at the card's own height.
            bool place_in_sight = false;
            for (int left = a.Limiti_Tavolo(2); left <= a.Limiti_Tavolo(4) && !place_in_sight; ++left) {
                place_in_sight = most_hidden(static_cast<float>(left)) <= 0.5;
            }
            ++laid;
            if (!place_in_sight) {
                ++crowded;
                return;
            }
            if (most_hidden(card.Left) > 0.5) {
                if (hiding++ == 0) {
                    std::ostringstream out;
                    out << "a card at Left " << card.Left << " hides " << most_hidden(card.Left)
                        << " of one of " << lying.size() << where(plan);
                    first = out.str();
                }
            }
        });
        match.start();
        while (!match.hand_over() && match.play_human_card()) {
        }
    }
    EXPECT_EQ(hiding, 0) << hiding << " of " << laid
                         << " cards laid hide more than half of a card; first: " << first;
    EXPECT_GT(laid, 150 * 20);
    std::cout << laid << " cards laid, " << crowded << " with no place leaving every card half in sight\n";
}

INSTANTIATE_TEST_SUITE_P(Players, ScopaLaidCards, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Players"; });

// --- A resize while the cards move ------------------------------------------------------

// The window resized as a window system would deliver it, at the next moment the
// program lets events run: from the start window to a smaller one and back.
void resize_soon(HeadlessMatch& match, int& resizes, std::function<void()> after = {}) {
    match.platform().post([&match, &resizes, after = std::move(after)] {
        const bool small = ++resizes % 2 == 1;
        match.program().master_events.window_resized(small ? 13000 : 15360, small ? 10000 : 11520,
                                                     small ? 12880 : 15240, small ? 9500 : 11020);
        if (after) after();
    });
}

class BriscolaResize : public ::testing::TestWithParam<int> {};

// The trump card lies face up under the deck while the deck holds a card; once the
// last card is drawn (the trump itself) only the hand that drew it shows it.
TEST_P(BriscolaResize, TheTrumpShowsUnderTheDeckOnlyWhileTheDeckHoldsACard) {
    int resizes = 0;
    int without_deck = 0;
    int wrong = 0;
    std::string first;
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        MatchPlan plan;
        plan.players = GetParam();
        plan.seed = seed;
        HeadlessMatch match(plan);
        const Program& p = match.program();
        match.on_wait([&](std::string_view) {
            resize_soon(match, resizes, [&] {
                const int deck = p.match.Tabella_Carte(engine::list::kTurnCells, 1, 1);
                if (deck == 0) ++without_deck;
                if (p.master.P(241).Visible != (deck >= 1) && wrong++ == 0) {
                    first = "deck of " + std::to_string(deck) + where(plan);
                }
            });
        });
        match.start();
        while (!match.hand_over() && match.play_human_card()) {
        }
    }
    EXPECT_EQ(wrong, 0) << "the trump shown wrongly after " << wrong << " of " << resizes << " resizes, "
                        << without_deck << " of them with an empty deck; first: " << first;
    EXPECT_GT(without_deck, 10);
}

INSTANTIATE_TEST_SUITE_P(Players, BriscolaResize, ::testing::Values(2, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Players"; });

// Why the pictures of some pile do not show as many cards as the pile holds; ""
// when every pile's do.
std::string pile_fault(const Program& p) {
    const std::pair<int, int> piles[] = {{19, 0}, {11, 1}, {12, 2}, {13, 3}};  // list, picture block
    for (const auto& [lista, block] : piles) {
        int shown = 0;
        for (int m = 1; m <= 40; ++m) {
            const Control* picture = p.master.P.find(300 + 40 * block + m);
            if (picture != nullptr && picture->Visible) ++shown;
        }
        int held = 0;
        while (held < 40 && p.match.Tabella_Carte(lista, held + 1, engine::attr::kSuit) != 0) ++held;
        if (shown != held) {
            return "pile " + std::to_string(lista) + " holds " + std::to_string(held) + " cards and shows " +
                   std::to_string(shown);
        }
    }
    return "";
}

// A resize while the taken cards fly lays the piles out anew; the cards still in
// the air land on the pile they left for, each on a picture of its own.
class PileResize : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(PileResize, EveryPileShowsTheCardsItHoldsAfterAResizeInATakesFlight) {
    const auto [game, players] = GetParam();
    int resizes = 0;
    int checks = 0;
    int wrong = 0;
    std::string first;
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        MatchPlan plan;
        plan.game = game;
        plan.players = players;
        plan.seed = seed;
        HeadlessMatch match(plan);
        const Program& p = match.program();
        const auto check = [&] {
            ++checks;
            const std::string fault = pile_fault(p);
            if (!fault.empty() && wrong++ == 0) first = fault + where(plan);
        };
        match.on_wait([&](std::string_view wait) {
            if (wait == "Avvia_Animazioni" && p.anim.Fase_Animazione == phase::kTaken)
                resize_soon(match, resizes);
        });
        match.start();
        while (!match.hand_over()) {
            check();
            if (!match.play_human_card()) break;
        }
        check();
    }
    EXPECT_EQ(wrong, 0) << wrong << " of " << checks << " looks at the piles found one wrong, after "
                        << resizes << " resizes; first: " << first;
    EXPECT_GT(resizes, 10 * 5);
}

INSTANTIATE_TEST_SUITE_P(Games, PileResize,
                         ::testing::Values(std::pair{1, 2}, std::pair{1, 4}, std::pair{2, 2},
                                           std::pair{2, 3}),
                         [](const auto& info) {
                             return std::string(info.param.first == 1 ? "Briscola" : "Scopa") +
                                    std::to_string(info.param.second) + "Players";
                         });

}  // namespace
}  // namespace tavolora::table
