#pragma once

// What must hold of the cards after every play of a whole match, whatever the game.

#include <map>
#include <string>
#include <vector>

#include "engine/match_state.h"

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

}  // namespace tavolora::testing
