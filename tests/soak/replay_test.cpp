// One seed gives one match, card by card, in every build: the journal of a seeded
// match is compared with the one kept in the repository.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/headless_match.h"

namespace tavolora::soak {
namespace {

std::string journal_of(const testing::MatchPlan& plan) {
    testing::HeadlessMatch match(plan);
    std::ostringstream journal;
    const auto& cards = match.program().match.Tabella_Carte;
    match.on_wait([&](std::string_view wait) {
        const Program& p = match.program();
        if (wait != "Avvia_Animazioni") return;
        if (p.anim.Fase_Animazione == table::phase::kTaken) {
            // The trick has just gone to its pile: its last cards, in playing order.
            const int pile = p.match.Vincitore_Mano + 10;
            int n = 0;
            while (n < 40 && cards(pile, n + 1, 1) != 0) ++n;
            journal << "presa " << p.match.Vincitore_Effettivo << ":";
            for (int i = n - p.match.Numero_Giocatori + 1; i <= n; ++i) {
                journal << ' ' << cards(pile, i, 3) << '=' << cards(pile, i, 1) << '/' << cards(pile, i, 2);
            }
            journal << '\n';
        } else if (p.anim.Fase_Animazione == table::phase::kDeal) {
            journal << "mano, briscola " << cards(21, 1, 1) << '/' << cards(21, 1, 2) << '\n';
        }
    });
    const int hands = match.play_to_end();
    journal << "mani " << hands << ", vince " << match.program().match.Vincitore_Partita << '\n';
    for (int s : {1, 2, 3, 9}) journal << "totale " << s << ' ' << cards(37, s, 1) << '\n';
    for (const auto& message : match.platform().messages())
        journal << message.title << ": " << message.text << '\n';
    return journal.str();
}

TEST(Replay, ASeedPlaysTheSameMatchInEveryBuild) {
    testing::MatchPlan plan;
    plan.players = 4;
    plan.difficulty = 3;
    plan.mode = 2;
    plan.target_points = 150;
    plan.seed = 20261206;
    const std::string journal = journal_of(plan);
    EXPECT_EQ(journal, journal_of(plan));

    const std::string golden = std::string(TAVOLORA_SOURCE_DIR) + "/tests/soak/briscola_replay.journal";
    if (std::getenv("TAVOLORA_WRITE_JOURNAL") != nullptr) std::ofstream(golden) << journal;
    std::ifstream in(golden);
    ASSERT_TRUE(in) << "no journal at " << golden << " (run once with TAVOLORA_WRITE_JOURNAL=1)";
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(journal, kept);
}

}  // namespace
}  // namespace tavolora::soak
