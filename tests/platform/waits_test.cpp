#include <gtest/gtest.h>

#include "tests/support/headless_program.h"

namespace tavolora::platform {
namespace {

using headless::StalledWait;
using testing::HeadlessProgram;
using testing::HeadlessUser;
using testing::Journal;

TEST(TimedPause, LastsExactlyItsUnitsOfThirtyMillisecondsOfVirtualTime) {
    HeadlessProgram h;
    for (std::int16_t units : {1, 8, 100, 1093}) {
        h.program.settings.Tempi_Animazione(5) = units;
        const Micros start = h.platform.now();
        h.program.animation.Attendi_Pausa_Movimento_5();
        EXPECT_EQ(h.platform.now() - start, units * 30 * kMillisecond) << units << " units";
    }
    h.program.settings.Tempi_Animazione(4) = 2;
    const Micros start = h.platform.now();
    h.program.animation.Attendi_Pausa_Movimento_4();
    EXPECT_EQ(h.platform.now() - start, 60 * kMillisecond);
}

TEST(TimedPause, OfZeroReturnsAtOnceWithoutLettingEventsRun) {
    HeadlessProgram h;
    bool ran = false;
    h.platform.post([&ran] { ran = true; });
    h.program.settings.Tempi_Animazione(5) = 0;
    h.program.animation.Attendi_Pausa_Movimento_5();
    h.program.settings.Tempi_Animazione(5) = -4;
    h.program.animation.Attendi_Pausa_Movimento_5();
    EXPECT_FALSE(ran);
    EXPECT_EQ(h.platform.now(), 0);
}

TEST(HeadlessWaits, AWaitThatCanNeverEndFailsNamingTheWait) {
    HeadlessProgram h;
    try {
        h.program.waits.wait_until("attesa del giocatore", [] { return false; });
        FAIL() << "the wait returned";
    } catch (const StalledWait& stalled) {
        EXPECT_NE(std::string(stalled.what()).find("attesa del giocatore"), std::string::npos);
        EXPECT_NE(std::string(stalled.what()).find("can never end"), std::string::npos);
    }
}

TEST(HeadlessWaits, AWaitKeptBusyByATimerFailsOnceItHasGoneOnTooLong) {
    HeadlessProgram h;
    h.platform.set_hang_limit(10 * 1000 * kMillisecond);
    h.program.waits.start_timer(20 * kMillisecond, true, [] {});
    EXPECT_THROW(h.program.waits.wait_until("voli", [] { return false; }), StalledWait);
    EXPECT_LE(h.platform.now(), 10 * 1000 * kMillisecond + 20 * kMillisecond);
}

TEST(HeadlessWaits, TheScriptedUserActsWhenTheProgramWaitsForIt) {
    HeadlessProgram h;
    bool done = false;
    Journal order;
    h.platform.when_idle([&] {
        order.push_back("idle");
        done = true;
    });
    h.program.waits.start_timer(50 * kMillisecond, false, [&] { order.push_back("timer"); });
    h.platform.at(20 * kMillisecond, [&] { order.push_back("at 20"); });
    h.program.waits.wait_until("continua", [&] { return done; });
    EXPECT_EQ(order, (Journal{"at 20", "timer", "idle"}));
    EXPECT_EQ(h.platform.now(), 50 * kMillisecond);
}

TEST(NestedWaits, AClickAtTheInnermostWaitUnwindsThemInOrder) {
    HeadlessProgram h;
    HeadlessUser user(h);
    Journal journal;
    int saves = 0;
    h.program.waits.set_exit_save([&saves] { ++saves; });
    testing::run_nested_waits(h.program, user, false, journal);
    EXPECT_EQ(journal, testing::expected_nested_waits());
    // The flights land at 60 + 8 x 20 ms, inside the pause of 240 ms, which still
    // ends on time.
    EXPECT_EQ(h.platform.now(), 240 * kMillisecond);
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(h.program.waits.finished());
}

TEST(NestedWaits, AQuitRequestInsideThemStopsTheGameAndSavesOnce) {
    HeadlessProgram h;
    HeadlessUser user(h);
    Journal journal;
    int saves = 0;
    h.program.waits.set_exit_save([&saves] { ++saves; });
    testing::run_nested_waits(h.program, user, true, journal);
    EXPECT_EQ(journal, (Journal{"pausa: inizio", "attesa continua: inizio", "voli: inizio"}));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(h.program.waits.finished());
    EXPECT_TRUE(h.platform.ended());
    EXPECT_EQ(h.program.waits.running_handlers(), 0);
    EXPECT_EQ(h.program.waits.running_waits(), 0);

    // Nothing of the game runs any more: the flight ticker and any input are refused.
    const Micros stopped = h.platform.now();
    h.platform.settle();
    EXPECT_LE(h.platform.now() - stopped, 20 * kMillisecond);
    EXPECT_FALSE(h.program.input.click({table::ControlId::CMD_M_Continua}));
    EXPECT_EQ(journal.size(), 3U);
    h.program.waits.request_quit();
    EXPECT_EQ(saves, 1);
}

TEST(Quit, WithNoHandlerRunningTheProgramEndsAtOnce) {
    HeadlessProgram h;
    int saves = 0;
    h.program.waits.set_exit_save([&saves] { ++saves; });
    h.program.waits.request_quit();
    EXPECT_TRUE(h.platform.ended());
    EXPECT_EQ(saves, 1);
    EXPECT_THROW(h.program.waits.pump_once(), QuitRequested);
}

TEST(Quit, EsciUnwindsItsHandlerAndTheProgramSavesOnExit) {
    HeadlessProgram h;
    table::MasterWindow& w = h.program.master;
    EXPECT_TRUE(w.screens(table::Screen::F_011_Menu).loaded);
    EXPECT_TRUE(h.program.input.click({table::ControlId::Q_E}));
    EXPECT_TRUE(h.platform.ended());
    // The exit-time save unloads the main menu, which stores the last user and game.
    EXPECT_FALSE(w.screens(table::Screen::F_011_Menu).loaded);
}

}  // namespace
}  // namespace tavolora::platform
