// Card pictures far larger than the table: a deck of 1000 x 1500 pixels puts the
// layout's points and the cards' places beyond what a 16-bit twip holds. Whole
// matches of every game still play to their end, every card accounted for, and in
// the sanitizer build nothing is stored into a cell too small for it.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/card_checks.h"
#include "tests/support/headless_match.h"

namespace tavolora::testing {
namespace {

struct LargeDeckMatch {
    const char* name;
    int game;
    int players;
    int mode;
};

// Each card of the deck once, wherever it lies: hands, table, piles and deck in the
// trick and capture games, the two piles and the central one in Camicia.
std::string fault_of(const Program& p) {
    const auto& cards = p.match.Tabella_Carte;
    if (p.match.Codice_Gioco == 3) return cards_fault(cards, {2, 3, 4}, 0, false);
    return deck_fault(cards, p.match.Numero_Giocatori);
}

class LargeCards : public ::testing::TestWithParam<LargeDeckMatch> {};

// On the start window and on the largest one the layout allows (2184 pixels a side).
TEST_P(LargeCards, AWholeMatchPlaysToItsEndOnAnyWindow) {
    const LargeDeckMatch& kind = GetParam();
    const struct {
        float width, height;
    } windows[] = {{15360, 11520}, {32760, 32760}};
    std::uint64_t seed = 40;
    for (const auto& window : windows) {
        SCOPED_TRACE("window " + std::to_string(window.width) + " seed " + std::to_string(seed + 1));
        MatchPlan plan;
        plan.game = kind.game;
        plan.players = kind.players;
        plan.mode = kind.mode;
        plan.seed = ++seed;
        plan.first_player = seed % 2 == 0 ? 0 : 2;
        plan.target_points = kind.game == 2 ? 3 : kind.game == 4 ? 11 : 120;
        plan.camicia_kind = 2;  // to 21 cards: a deal that always ends
        plan.camicia_cards = 21;
        plan.card_width = 1000;
        plan.card_height = 1500;
        HeadlessMatch match(plan);
        Program& p = match.program();
        p.master_events.window_resized(window.width, window.height, window.width, window.height - 500);
        int faults = 0;
        match.on_wait([&p, &faults](std::string_view wait) {
            // A capture's flights carry cards that are on the table and in the pile at once.
            if (wait != "Avvia_Animazioni" || p.anim.Fase_Animazione == table::phase::kTaken || faults > 0) return;
            const std::string fault = fault_of(p);
            if (!fault.empty() && ++faults == 1) ADD_FAILURE() << fault;
        });
        const int hands = match.play_to_end(60);
        EXPECT_TRUE(match.match_over()) << hands << " hands";
        // The layout measured the big cards: 22500 twips high (Camicia keeps the size
        // in its own cell only, beside its piles).
        EXPECT_EQ(kind.game == 3 ? p.anim.Altezza_Carta_Twips : p.anim.Altezza_Carta, 22500);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryGame, LargeCards,
    ::testing::Values(LargeDeckMatch{"Briscola2", 1, 2, 1}, LargeDeckMatch{"Briscola4", 1, 4, 2},
                      LargeDeckMatch{"Briscola151", 1, 2, 4}, LargeDeckMatch{"Scopa3", 2, 3, 2},
                      LargeDeckMatch{"Tresette4", 4, 4, 2}, LargeDeckMatch{"Camicia", 3, 2, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavolora::testing
