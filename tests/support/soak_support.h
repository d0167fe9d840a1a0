#pragma once

// What the soak tests share: what must hold of the cards after every play of a
// whole match, whatever the game, and the loop that plays a match to its end.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/match_state.h"
#include "tests/support/card_checks.h"
#include "tests/support/headless_match.h"

namespace tavolora::testing {

// A longer soak with seeds never tried before is run by hand through the
// environment: TAVOLORA_SOAK_SCALE multiplies what every soak plays (a whole number
// from 1 to 10000; 1 when unset or not such a number), TAVOLORA_SOAK_SEED is added
// to every soak's first seed (0 when unset or not a number). The failure messages
// name the seed of the match, which replays it with the same two settings.
inline long soak_setting(const char* name, long fallback, long least, long most) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value >= least && value <= most ? value : fallback;
}

inline int soak_scale() {
    return static_cast<int>(soak_setting("TAVOLORA_SOAK_SCALE", 1, 1, 10000));
}

inline std::uint64_t soak_seed() {
    // Kept below 2^40 so that no soak's seeds wrap round.
    return static_cast<std::uint64_t>(soak_setting("TAVOLORA_SOAK_SEED", 0, 0, (1L << 40)));
}

// The first players a match can have: the human (0) and the computer seats in play.
inline std::vector<int> possible_leaders(int players) {
    if (players == 2) return {0, 2};
    if (players == 3) return {0, 1, 2};
    return {0, 1, 2, 3};
}

// A match of a game offered singly and to a target, varied by round and seed: every
// difficulty and one outside 0..3, both kinds, every first player and direction, the
// stop option on and off, and now and then the wait for the continue request.
inline MatchPlan varied_plan(int game, int players, int round, std::uint64_t seed) {
    MatchPlan plan;
    plan.game = game;
    plan.players = players;
    plan.difficulty = round % 5 == 4 ? 7 : round % 5;
    plan.mode = round % 3 == 0 ? 1 : 2;
    plan.seed = seed;
    const std::vector<int> leaders = possible_leaders(players);
    plan.first_player = leaders[seed % leaders.size()];
    plan.clockwise = seed % 3 != 0;
    plan.stop_at_target = seed % 2 == 0;
    plan.display = seed % 7 == 0 ? 0 : 1;
    return plan;
}

// Plays a started match to its end, the human's cards chosen among the legal ones.
// The checker's `check_hand_end` runs at the end of every hand the match goes on
// after; a hand must end with every card played. Returns the hands begun, 0 after a failure.
template <class Checker>
int play_match(HeadlessMatch& match, Checker& checker, int hand_limit = 300) {
    int hands = 1;
    while (!match.match_over() && hands < hand_limit) {
        if (match.hand_over()) {
            if (!checker.played_out()) {
                ADD_FAILURE() << "a hand ended with cards still to play" << checker.where();
                return 0;
            }
            checker.check_hand_end();
            if (::testing::Test::HasFatalFailure()) return 0;
            match.continue_after_hand();
            if (!match.match_over()) ++hands;
            continue;
        }
        if (!match.play_human_card()) break;
        if (::testing::Test::HasFatalFailure()) return 0;
    }
    if (!match.match_over()) {
        ADD_FAILURE() << "the match did not end" << checker.where();
        return 0;
    }
    return hands;
}

}  // namespace tavolora::testing
