// Leaving a match with "Esci dalla partita" from inside each kind of wait a match
// stands in: the waits unwind, nothing of the match runs or waits any more, the
// main menu is back, and a whole new match plays through after it.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/support/headless_match.h"

namespace tavolora::testing {
namespace {

using table::ControlId;

struct LeaveCase {
    const char* name;
    // The wait to leave from, and at which of its beginnings; "" leaves while the
    // program waits for the human's card, after `at` cards played.
    const char* wait;
    int at;
    MatchPlan plan;
};

void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }

MatchPlan plan_of(int game, int players, int thinking = 0, int display = 1) {
    MatchPlan plan;
    plan.game = game;
    plan.players = players;
    plan.thinking = thinking;
    plan.display = display;
    return plan;
}

class LeaveMatch : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(LeaveMatch, NothingOfTheMatchIsLeftAndANewOnePlaysThrough) {
    const LeaveCase& c = GetParam();
    // A seed whose match stands in the wait; most do at once.
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        MatchPlan plan = c.plan;
        plan.seed = seed;
        HeadlessMatch match(plan);
        Program& p = match.program();
        const std::string wanted = c.wait;
        int seen = 0;
        bool asked = false;
        bool left = false;
        int waits_after = 0;
        match.on_wait([&](std::string_view wait) {
            if (asked) {
                ++waits_after;
                return;
            }
            if (wait != wanted || ++seen < c.at) return;
            asked = true;
            match.platform().post([&] { left = p.input.click({ControlId::CMD_M_Chiudi_Partita}); });
        });
        if (wanted.empty()) {
            match.start();
            for (int card = 0; card < c.at; ++card) ASSERT_TRUE(match.play_human_card());
            asked = true;
            left = p.input.click({ControlId::CMD_M_Chiudi_Partita});
        } else {
            match.play_to_end();
        }
        if (!asked) continue;
        SCOPED_TRACE(seed);

        ASSERT_TRUE(left);
        EXPECT_EQ(waits_after, 0) << "a rule of play ran after the request";
        EXPECT_EQ(p.waits.running_waits(), 0);
        EXPECT_EQ(p.waits.running_handlers(), 0);
        EXPECT_FALSE(match.platform().has_timers());
        EXPECT_FALSE(p.waits.unwinding());
        const table::MasterWindow& w = p.master;
        for (int i = 1; i <= table::kFlightSlots; ++i) {
            EXPECT_FALSE(w.P_A.loaded(i));
            EXPECT_FALSE(w.T_Anim.loaded(i));
            EXPECT_EQ(p.anim.Animazioni_Carte(i).Stato(1), 'Z');
        }
        EXPECT_FALSE(p.anim.Comandi_Bloccati);
        EXPECT_FALSE(p.anim.Continua);
        EXPECT_FALSE(w.PIC_Tavolo.Visible);
        EXPECT_FALSE(w.PIC_Parola_Tiro.Visible);
        EXPECT_FALSE(w.PIC_Fine_Partita.Visible);
        EXPECT_FALSE(w.PIC_Riepilogo_Accusi.Visible);
        EXPECT_TRUE(w.Q_N.Enabled);
        EXPECT_TRUE(w.screens(table::Screen::F_011_Menu).Visible);

        // The next match starts clean and is played to its end.
        match.on_wait(nullptr);
        match.play_to_end();
        EXPECT_TRUE(match.match_over());
        EXPECT_TRUE(w.PIC_Fine_Partita.Visible || !w.PIC_Tavolo.Visible);
        EXPECT_FALSE(match.platform().ended());
        return;
    }
    FAIL() << "no seed stood in the wait " << c.wait;
}

INSTANTIATE_TEST_SUITE_P(
    EveryWait, LeaveMatch,
    ::testing::Values(LeaveCase{"DealFlights", "Avvia_Animazioni", 1, plan_of(1, 2)},
                      LeaveCase{"TrickFlights", "Avvia_Animazioni", 6, plan_of(1, 4)},
                      LeaveCase{"HumansCardFlying", "P_Click", 3, plan_of(2, 2)},
                      LeaveCase{"ComputerThinking", "Attendi_Pausa_Movimento_4", 3, plan_of(1, 3, 2)},
                      LeaveCase{"TableShownAfterATrick", "Attendi_Pausa_Movimento_5", 2, plan_of(4, 2)},
                      LeaveCase{"ContinueRequest", "Continua", 2, plan_of(1, 2, 0, 0)},
                      LeaveCase{"TresetteSignal", "Parola_Tiro", 1, plan_of(4, 4)},
                      LeaveCase{"CamiciaTurns", "Avvia_Animazioni", 12, plan_of(3, 2)},
                      LeaveCase{"HumansTurn", "", 3, plan_of(2, 4)}),
    [](const ::testing::TestParamInfo<LeaveCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavolora::testing
