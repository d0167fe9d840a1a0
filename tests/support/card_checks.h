#pragma once

// What must hold of the cards whatever the game: each of the 40 cards lies in
// exactly one place. Free of any test framework, for the headless and the Qt tests.

#include <array>
#include <initializer_list>
#include <string>

#include "engine/match_state.h"

namespace tavolora::testing {

// Why the cards of `lists`, with the deck's first `undealt` cards and, when
// `set_aside`, its last one, are not the 40 cards once each; "" when they are.
inline std::string cards_fault(const engine::CardTable& cards, std::initializer_list<int> lists, int undealt,
                               bool set_aside) {
    std::array<int, 41> seen{};
    bool foreign = false;
    const auto count = [&](int lista, int from, int to) {
        for (int p = from; p <= to; ++p) {
            const int suit = cards(lista, p, engine::attr::kSuit);
            if (suit == 0) continue;
            const int id = (suit - 1) * 10 + cards(lista, p, engine::attr::kValue);
            if (id < 1 || id > 40) {
                foreign = true;
            } else {
                ++seen[static_cast<std::size_t>(id)];
            }
        }
    };
    for (int lista : lists) count(lista, 1, 40);
    count(21, 1, undealt);
    if (set_aside) count(21, 40, 40);
    if (foreign) return "a card that is no card of the deck";
    for (int id = 1; id <= 40; ++id) {
        const int times = seen[static_cast<std::size_t>(id)];
        if (times != 1) return "card " + std::to_string(id) + " " + std::to_string(times) + " times";
    }
    return "";
}

// The same for the trick and capture games: hands, table, piles, the undealt deck
// and the card set aside with three players.
inline std::string deck_fault(const engine::CardTable& cards, int players) {
    return cards_fault(cards, {1, 2, 3, 9, 20, 11, 12, 13, 19}, cards(10, 1, 1), players == 3);
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

}  // namespace tavolora::testing
