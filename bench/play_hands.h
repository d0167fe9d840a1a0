#pragma once

// Whole hands of a headless match, flights and pauses included (in virtual time),
// one after another: the loop of every hands-per-second figure.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "tests/support/headless_match.h"

namespace tavolora::bench {

inline void play_hands(benchmark::State& state, const testing::MatchPlan& plan) {
    testing::HeadlessMatch match(plan);
    match.start();
    std::int64_t hands = 0;
    for (auto _ : state) {
        while (!match.hand_over()) match.play_human_card();
        match.continue_after_hand();
        ++hands;
    }
    state.SetItemsProcessed(hands);
    state.counters["hands_per_second"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}

}  // namespace tavolora::bench
