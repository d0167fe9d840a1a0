// The headless timers: the order they fire in, and a handler that stops its own
// timer, ends the program or is reached again from a wait inside it.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace tavolora::platform {
namespace {

using headless::HeadlessPlatform;

// Runs what falls due until nothing is left or `limit` of virtual time has passed.
void run_until(HeadlessPlatform& p, Micros limit, const std::function<bool()>& done) {
    while (!done() && p.now() <= limit) p.wait_for_more("prova");
}

TEST(HeadlessTimers, FireByDueTimeAndTimersDueTogetherInTheOrderTheyWereStarted) {
    HeadlessPlatform p;
    std::vector<std::string> fired;
    // Started out of due order, two pairs due together; the repeating one goes back
    // behind the timers already due with its next tick.
    p.start_timer(30 * kMillisecond, false, [&] { fired.push_back("c30"); });
    const TimerId ticker = p.start_timer(20 * kMillisecond, true, [&] { fired.push_back("tick"); });
    p.start_timer(20 * kMillisecond, false, [&] { fired.push_back("b20"); });
    p.start_timer(10 * kMillisecond, false, [&] { fired.push_back("a10"); });
    p.start_timer(40 * kMillisecond, false, [&] { fired.push_back("d40"); });
    run_until(p, 40 * kMillisecond, [&] { return fired.size() == 6; });
    p.stop_timer(ticker);
    // The ticker's second tick was scheduled when its first ran, after d40 was started.
    EXPECT_EQ(fired, (std::vector<std::string>{"a10", "tick", "b20", "c30", "d40", "tick"}));
    EXPECT_EQ(p.now(), 40 * kMillisecond);
    EXPECT_FALSE(p.has_timers());
}

TEST(HeadlessTimers, AHandlerThatStopsItsOwnTimerRunsToItsEndAndIsLetGoAfterwards) {
    HeadlessPlatform p;
    auto held = std::make_shared<int>(7);
    std::weak_ptr<int> watch = held;
    int ticks = 0;
    int seen_after_stop = 0;
    TimerId id = 0;
    id = p.start_timer(20 * kMillisecond, true, [&, held = std::move(held)] {
        ++ticks;
        p.stop_timer(id);
        seen_after_stop = *held;  // its captures are still there
    });
    run_until(p, 100 * kMillisecond, [&] { return ticks > 0; });
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(seen_after_stop, 7);
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(p.has_timers());

    // The next timer started works as any other.
    int later = 0;
    p.start_timer(5 * kMillisecond, false, [&] { ++later; });
    run_until(p, 200 * kMillisecond, [&] { return later > 0; });
    EXPECT_EQ(later, 1);
}

TEST(HeadlessTimers, AHandlerThatEndsTheProgramRunsToItsEnd) {
    HeadlessPlatform p;
    auto held = std::make_shared<int>(3);
    std::weak_ptr<int> watch = held;
    int seen = 0;
    p.start_timer(10 * kMillisecond, true, [&, held = std::move(held)] {
        p.exit_program();
        seen = *held;
    });
    p.start_timer(15 * kMillisecond, false, [&] { seen = -1; });
    p.wait_for_more("prova");
    EXPECT_TRUE(p.ended());
    EXPECT_EQ(seen, 3);
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(p.has_timers());
}

TEST(HeadlessTimers, ARepeatingHandlerReachedAgainFromAWaitInsideItRunsNested) {
    HeadlessPlatform p;
    int depth = 0;
    int deepest = 0;
    int ticks = 0;
    TimerId id = 0;
    id = p.start_timer(20 * kMillisecond, true, [&] {
        ++ticks;
        ++depth;
        deepest = std::max(deepest, depth);
        // The first tick waits for the next one, which stops the timer.
        if (ticks == 1) {
            while (ticks < 2) p.wait_for_more("dentro");
        } else {
            p.stop_timer(id);
        }
        --depth;
    });
    run_until(p, 200 * kMillisecond, [&] { return ticks >= 2 && depth == 0; });
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(deepest, 2);
    EXPECT_FALSE(p.has_timers());
    EXPECT_EQ(p.now(), 40 * kMillisecond);
}

}  // namespace
}  // namespace tavolora::platform
