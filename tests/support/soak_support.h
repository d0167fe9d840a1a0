#pragma once

// What the soak tests share: what must hold of the cards after every play of a
// whole match, whatever the game, and the loop that plays a match to its end.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/match_state.h"
#include "tests/support/headless_match.h"

namespace tavolora::testing {

// Why the deck is not whole, or "" when every card lies once in the hands, on the
// table, in the piles, in the undealt deck or set aside with three players.
inline std::string deck_fault(const engine::CardTable& cards, int players) {
    std::map<int, int> seen;
    const auto count = [&](int lista, int from, int to) {
        for (int p = from; p <= to; ++p) {
            const int suit = cards(lista, p, engine::attr::kSuit);
            if (suit != 0) ++seen[(suit - 1) * 10 + cards(lista, p, engine::attr::kValue)];
        }
    };
    for (int lista : {1, 2, 3, 9, 20, 11, 12, 13, 19}) count(lista, 1, 40);
    count(21, 1, cards(10, 1, 1));
    if (players == 3) count(21, 40, 40);
    if (seen.size() != 40) return std::to_string(seen.size()) + " different cards";
    for (const auto& [id, times] : seen) {
        if (times != 1) return "card " + std::to_string(id) + " " + std::to_string(times) + " times";
    }
    return "";
}

// No card is left in a hand or in the deck.
inline bool played_out(const engine::CardTable& cards) {
    for (int lista : {1, 2, 3, 9}) {
        for (int p = 1; p <= 40; ++p) {
            if (cards(lista, p, engine::attr::kSuit) != 0) return false;
        }
    }
    return cards(10, 1, 1) == 0;
}

// The first players a match can have: the human (0) and the computer seats in play.
inline std::vector<int> possible_leaders(int players) {
    if (players == 2) return {0, 2};
    if (players == 3) return {0, 1, 2};
    return {0, 1, 2, 3};
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
