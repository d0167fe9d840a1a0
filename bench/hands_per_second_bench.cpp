// Whole hands per second, the figure to hold against other engines of these games:
// two players, the easiest difficulty, every flight one step, no thinking pause,
// played headless one hand after another on one core. The human's seat plays a
// random legal card through the dispatcher, as in every headless match.

#include <benchmark/benchmark.h>


#include "bench/play_hands.h"
#include "tests/support/headless_match.h"

namespace {

using tavolora::bench::play_hands;
using tavolora::testing::MatchPlan;

// A points match that never ends, so that the hands follow one another without a
// new match being set up between them.
MatchPlan quickest_match(int game) {
    MatchPlan plan;
    plan.game = game;
    plan.players = 2;
    plan.difficulty = 0;
    plan.mode = 2;
    plan.target_points = 1000000;  // past any 16-bit total
    plan.flight_steps = 1;
    plan.thinking = 0;
    plan.display = 1;  // the shortest timed show of the table: 0 would wait for a click
    return plan;
}

void BM_HandsPerSecond_Briscola(benchmark::State& state) { play_hands(state, quickest_match(1)); }
BENCHMARK(BM_HandsPerSecond_Briscola)->Unit(benchmark::kMicrosecond);

void BM_HandsPerSecond_Scopa(benchmark::State& state) { play_hands(state, quickest_match(2)); }
BENCHMARK(BM_HandsPerSecond_Scopa)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
