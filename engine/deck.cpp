// The deck of a hand: the shuffle into list 21, the per-card figures of the game
// (points, base rank, order number) and the sort of the human's hand.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/numbers.h"
#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

namespace {

// A position drawn uniformly from 1..count: 1 + Int(count x r), r in [0, 1).
int draw_position(platform::Random& random, int count) {
    const auto drawn = static_cast<int>(std::floor(count * random.next_unit()));
    return 1 + std::min(drawn, count - 1);
}

// The Briscola figures of values 1..10, the same for every suit.
constexpr int kBriscolaPoints[10] = {11, 0, 10, 0, 0, 0, 0, 2, 3, 4};
constexpr int kBriscolaRank[10] = {14, 1, 16, 2, 3, 4, 5, 8, 10, 12};
// Tresette's points in thirds and its trick order (Three, Two, Ace, then Re down to
// Quattro) as base ranks, the same for every suit.
constexpr int kTresetteThirds[10] = {3, 1, 1, 0, 0, 0, 0, 1, 1, 1};
constexpr int kTresetteRank[10] = {240, 270, 300, 30, 60, 90, 120, 150, 180, 210};
// Scopa's primiera values of values 1..10: the points and the base rank of every
// suit but the rule suit.
constexpr int kPrimiera[10] = {16, 12, 13, 14, 15, 18, 21, 10, 10, 10};

int card_id(int suit, int value) {
    return (suit - 1) * 10 + value;
}

}  // namespace

void Engine::Mescola_Mazzo() {
    // The work deck: row k holds the card whose id is k; (row, 1) suit, (row, 2) value.
    FixedArray2<std::int16_t, 40, 2> Mazzo_Lavoro{};
    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) {
            Mazzo_Lavoro(card_id(suit, value), 1) = static_cast<std::int16_t>(suit);
            Mazzo_Lavoro(card_id(suit, value), 2) = static_cast<std::int16_t>(value);
        }
    }

    platform::Rng& random = program_.random;
    random.reseed(program_.ports.seeds.next_seed());

    const auto swap_rows = [&Mazzo_Lavoro](int a, int b) {
        std::swap(Mazzo_Lavoro(a, 1), Mazzo_Lavoro(b, 1));
        std::swap(Mazzo_Lavoro(a, 2), Mazzo_Lavoro(b, 2));
    };
    for (int k = 1; k <= 160; ++k) {
        const int a = draw_position(random, 40);
        const int b = draw_position(random, 40);
        swap_rows(a, b);
    }

    // Deal the rows out one by one into list 1; the last row left not yet taken
    // fills the gap of the row just taken.
    auto& cards = m_.Tabella_Carte;
    for (int i = 1; i <= 39; ++i) {
        const int left = 41 - i;
        const int a = draw_position(random, left);
        cards(1, i, attr::kSuit) = Mazzo_Lavoro(a, 1);
        cards(1, i, attr::kValue) = Mazzo_Lavoro(a, 2);
        Mazzo_Lavoro(a, 1) = Mazzo_Lavoro(left, 1);
        Mazzo_Lavoro(a, 2) = Mazzo_Lavoro(left, 2);
    }
    cards(1, 40, attr::kSuit) = Mazzo_Lavoro(1, 1);
    cards(1, 40, attr::kValue) = Mazzo_Lavoro(1, 2);

    for (int p = 1; p <= 40; ++p) {
        cards(list::kDeck, p, attr::kSuit) = cards(1, p, attr::kSuit);
        cards(list::kDeck, p, attr::kValue) = cards(1, p, attr::kValue);
        cards(list::kDeck, p, attr::kOwner) = 0;
        for (int a = 1; a <= 3; ++a) cards(1, p, a) = 0;
    }
}

void Engine::Assegna_Valori_Carte() {
    auto& cards = m_.Tabella_Carte;
    switch (m_.Codice_Gioco) {
        case game::kBriscola:
        case game::kBriscolaVariant: {
            const int trump = cards(list::kDeck, 1, attr::kSuit);
            for (int suit = 1; suit <= 4; ++suit) {
                for (int value = 1; value <= 10; ++value) {
                    const int id = card_id(suit, value);
                    cards(31, id, 1) = static_cast<std::int16_t>(kBriscolaPoints[value - 1]);
                    cards(32, id, 1) = static_cast<std::int16_t>(kBriscolaRank[value - 1]);
                    cards(33, id, 1) = static_cast<std::int16_t>(kBriscolaRank[value - 1]);
                }
                if (suit != trump) continue;
                // The trump suit's order numbers are raised by the linear rule; a factor
                // or addend that would not fit a 16-bit cell leaves the number as it was.
                for (int value = 1; value <= 10; ++value) {
                    std::int16_t& order = cards(33, card_id(suit, value), 1);
                    const double raised = round_half_even(order * m_.Fattore_Forza + m_.Incremento_Forza);
                    if (raised >= INT16_MIN && raised <= INT16_MAX) order = static_cast<std::int16_t>(raised);
                }
            }
            break;
        }
        case game::kScopa: {
            const auto& rules = program_.settings.Regole_Partita;
            const int rule_suit = rules(20);
            for (int suit = 1; suit <= 4; ++suit) {
                for (int value = 1; value <= 10; ++value) {
                    const int id = card_id(suit, value);
                    cards(31, id, 1) = static_cast<std::int16_t>(kPrimiera[value - 1]);
                    cards(32, id, 1) = static_cast<std::int16_t>(kPrimiera[value - 1]);
                }
                if (suit != rule_suit) continue;
                // The rule suit's base ranks: points x factor + addend, or three addends
                // for a value whose switch is on. A figure that would not fit a 16-bit
                // cell leaves the rank as it was.
                for (int value = 1; value <= 10; ++value) {
                    const int id = card_id(suit, value);
                    const double points = cards(31, id, 1);
                    const int addends = rules(value) == 1 ? 3 : 1;
                    const double raised = round_half_even(points * m_.Fattore_Forza +
                                                          static_cast<double>(addends) * m_.Incremento_Forza);
                    if (raised >= INT16_MIN && raised <= INT16_MAX)
                        cards(32, id, 1) = static_cast<std::int16_t>(raised);
                }
            }
            break;
        }
        case game::kTresette:
            for (int suit = 1; suit <= 4; ++suit) {
                for (int value = 1; value <= 10; ++value) {
                    const int id = card_id(suit, value);
                    cards(31, id, 1) = static_cast<std::int16_t>(kTresetteThirds[value - 1]);
                    cards(32, id, 1) = static_cast<std::int16_t>(kTresetteRank[value - 1]);
                }
            }
            break;
        default:
            // Camicia and the deck preparation use no figures: lists 31 to 33 stay.
            break;
    }
}

void Engine::Ordina_Carte_Mano() {
    switch (m_.Codice_Gioco) {
        case game::kScopa: {
            // By value, n passes of neighbour exchanges through list 22, position 1;
            // equal values keep their order and an empty position (value 0) comes first.
            auto& cards = m_.Tabella_Carte;
            constexpr int kHand = list::kHumanHand;
            const int n = std::clamp(m_.Carte_In_Mano, 0, 40);
            for (int pass = 1; pass <= n; ++pass) {
                for (int j = 1; j <= n - 1; ++j) {
                    if (cards(kHand, j, attr::kValue) <= cards(kHand, j + 1, attr::kValue)) continue;
                    for (int a = 1; a <= 3; ++a) {
                        cards(22, 1, a) = cards(kHand, j, a);
                        cards(kHand, j, a) = cards(kHand, j + 1, a);
                        cards(kHand, j + 1, a) = cards(22, 1, a);
                    }
                }
            }
            break;
        }
        case game::kTresette: {
            // By suit, then value: the key suit x 100 + value in list 22, sorted with n
            // passes of neighbour exchanges through position 41, then written back.
            auto& cards = m_.Tabella_Carte;
            constexpr int kHand = list::kHumanHand;
            const int n = std::clamp(m_.Carte_In_Mano, 0, 40);
            for (int j = 1; j <= n; ++j) {
                cards(22, j, 1) = static_cast<std::int16_t>(cards(kHand, j, attr::kSuit) * 100 +
                                                            cards(kHand, j, attr::kValue));
                cards(22, j, 2) = cards(kHand, j, attr::kValue);
                cards(22, j, 3) = cards(kHand, j, attr::kOwner);
            }
            for (int pass = 1; pass <= n; ++pass) {
                for (int j = 1; j <= n - 1; ++j) {
                    if (cards(22, j, 1) <= cards(22, j + 1, 1)) continue;
                    for (int a = 1; a <= 3; ++a) {
                        cards(22, 41, a) = cards(22, j, a);
                        cards(22, j, a) = cards(22, j + 1, a);
                        cards(22, j + 1, a) = cards(22, 41, a);
                    }
                }
            }
            for (int j = 1; j <= n; ++j) {
                cards(kHand, j, attr::kValue) = cards(22, j, 2);
                cards(kHand, j, attr::kOwner) = cards(22, j, 3);
                cards(kHand, j, attr::kSuit) =
                    static_cast<std::int16_t>((cards(22, j, 1) - cards(22, j, 2)) / 100);
            }
            break;
        }
        default:
            // The other games keep the order of the deal.
            break;
    }
    program_.animation.Aggiorna_Carte_Mano();
    Cerca_Accusi();
}

}  // namespace tavolora::engine
