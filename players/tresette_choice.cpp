// Tresette's card choice: a fixed decision tree over the difficulty, whether the
// seat leads or follows, and the number of players. Each leaf runs pickers in a
// fixed order, a later one when an earlier one chose nothing; a leaf may end with
// nothing chosen, and the computer turn then plays a random legal card.

#include <cstdint>

#include "players/players.h"
#include "program/program.h"

namespace tavolora::players {

namespace {

using engine::attr::kSuit;
using engine::attr::kValue;
using engine::list::kTable;
using engine::list::kTurnCells;

constexpr int kMatchList = engine::list::kMatch;

// The card now winning the trick (list 10, position 5) is a master card.
bool winner_is_master(const engine::CardTable& cards) {
    const int suit = cards(kTurnCells, 5, kSuit);
    if (suit == 0) return false;
    return cards(34, (suit - 1) * 10 + cards(kTurnCells, 5, kValue), 2) > 299;
}

// The side of the seat holds the winning card, as the last trick-winner search left
// `Vincitore_Mano`: 1 for seats 1 and 3, 9 for seats 9 and 2.
bool own_side_winning(const engine::MatchState& m) {
    const int seat = m.Giocatore_Corrente;
    return (m.Vincitore_Mano == 1 && (seat == 1 || seat == 3)) ||
           (m.Vincitore_Mano == 9 && (seat == 2 || seat == 9));
}

bool side_known(const engine::MatchState& m) {
    return m.Vincitore_Mano == 1 || m.Vincitore_Mano == 9;
}

// The partner's declarations that the seat leads into, in the order tried: the
// list 37 position of the declaration, the value of the own card sought in each
// suit, and whether that suit's lowest card is led (else the card found itself).
struct DeclarationRow {
    int position;
    int value;
    bool lead_lowest;
};
constexpr DeclarationRow kDeclarationRows[] = {
    {13, 2, true},   // four Threes: the Two's suit, from the bottom
    {12, 3, true},   // four Twos: the Three's suit, from the bottom
    {11, 3, false},  // four Aces: the Three
    {16, 2, true},   // three Threes
    {15, 3, true},   // three Twos
    {14, 3, false},  // three Aces
};
constexpr int kFirstThreeOfAKind = 14;
constexpr int kFirstNapoletana = 17;

}  // namespace

void Players::Scegli_Carta_Tresette() {
    const int difficulty = program_.settings.Difficolta;
    if (difficulty < 1 || difficulty > 3) return;
    program_.engine.Conta_Carte_Tavolo();
    if (program_.match.Carte_In_Tavola == 0) {
        tresette_lead(difficulty);
    } else {
        tresette_follow(difficulty);
    }
}

int Players::whole_hand_count() {
    Ripristina_Mano();
    const int n = program_.engine.Conta_Carte_Lista(program_.match.Giocatore_Corrente);
    Limita_Carte_Giocabili();
    return n;
}

bool Players::declaration_lead() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const std::int16_t& choice = m.Tabella_Giocatori(m.Giocatore_Corrente, 4);
    m.Compagno = partner_of(m.Giocatore_Corrente);

    // The partner holds the Ace, Two and Three of a suit: lead its strongest card.
    for (int position = kFirstNapoletana; position <= kFirstNapoletana + 3; ++position) {
        if (cards(kMatchList, position, 2) != m.Compagno) continue;
        m.Seme_Scelto = position - kFirstNapoletana + 1;
        Scegli_Carta_Forte_Seme();
        if (choice != 0) return true;
    }

    for (const DeclarationRow& row : kDeclarationRows) {
        if (cards(kMatchList, row.position, 2) != m.Compagno) continue;
        const int missing = row.position >= kFirstThreeOfAKind ? cards(kMatchList, row.position, 3) : 0;
        for (int suit = 1; suit <= 4; ++suit) {
            if (suit == missing) continue;
            m.Seme_Scelto = suit;
            m.Valore_Cercato = static_cast<std::int16_t>(row.value);
            Cerca_Carta_Seme_Valore();
            if (choice == 0) continue;
            if (row.lead_lowest) Scegli_Carta_Minima_Seme();
            return true;
        }
    }
    return false;
}

void Players::tresette_lead(int difficulty) {
    engine::MatchState& m = program_.match;
    const std::int16_t& choice = m.Tabella_Giocatori(m.Giocatore_Corrente, 4);
    const auto fallback = [&] {
        if (choice == 0) Scegli_Carta_Minima();
    };
    switch (m.Numero_Giocatori) {
        case 2: {
            const int h = program_.engine.Conta_Carte_Lista(m.Giocatore_Corrente);
            if (difficulty == 1) {
                h > 8 ? Scegli_Carta_Minima() : Scegli_Carta_Dominante();
            } else {
                h > 8 ? Scegli_Seme_Da_Giocare() : Scegli_Carta_Dominante();
                fallback();
            }
            break;
        }
        case 3: {
            const int h = program_.engine.Conta_Carte_Lista(m.Giocatore_Corrente);
            h > (difficulty == 1 ? 10 : 6) ? Scegli_Carta_Minima() : Scegli_Carta_Dominante();
            break;
        }
        case 4:
            if (choice == 0) declaration_lead();
            if (choice == 0) Scegli_Carta_Dominante();
            if (choice == 0) {
                if (difficulty == 1) Scegli_Carta_Casuale();
                if (difficulty == 3) Valuta_Carte_Alte();
            }
            break;
        default:
            break;
    }
}

void Players::tresette_follow(int difficulty) {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    const std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    const auto fallback = [&] {
        if (choice == 0) Scegli_Carta_Minima();
    };
    const auto table_count = [&] { return program_.engine.Conta_Carte_Lista(kTable); };
    // The most points when the own side holds the trick, else the lowest card;
    // nothing while no side is known.
    const auto by_side = [&](void (Players::*winning)()) {
        if (!side_known(m)) return;
        own_side_winning(m) ? (this->*winning)() : Scegli_Carta_Minima();
    };

    if (difficulty == 1) {
        switch (m.Numero_Giocatori) {
            case 2:
                if (program_.engine.Conta_Carte_Lista(seat) > 2) {
                    Scegli_Carta_Minima();
                    break;
                }
                program_.engine.Determina_Vincitore_Mano_Squadre();
                winner_is_master(cards) ? Scegli_Carta_Minima() : Scegli_Carta_Dominante();
                break;
            case 3:
                if (table_count() == 1) {
                    if (whole_hand_count() > 5) {
                        Scegli_Carta_Minima();
                    } else {
                        Scegli_Carta_Dominante();
                        fallback();
                    }
                } else {
                    Scegli_Carta_Vincente_Seme();
                    fallback();
                }
                break;
            case 4:
                // No search of its own: the side that won the last trick, the leader's.
                by_side(&Players::Scegli_Carta_Punti_Non_Alta);
                break;
            default:
                break;
        }
        return;
    }

    // Difficulties 2 and 3 first look at the card now winning the trick.
    program_.engine.Determina_Vincitore_Mano_Squadre();
    const bool master = winner_is_master(cards);
    switch (m.Numero_Giocatori) {
        case 2:
            if (master) {
                if (difficulty == 2 || whole_hand_count() > 8) {
                    Scegli_Carta_Minima();
                } else {
                    Scegli_Carta_Minima_Per_Seme();
                }
            } else if (cards(kTable, 1, kValue) == 1) {
                Scegli_Carta_Dominante();
            } else {
                Scegli_Carta_Vincente_Seme();
                fallback();
            }
            break;
        case 3:
            if (master) {
                if (difficulty == 2 || whole_hand_count() > 1) {
                    Scegli_Carta_Minima();
                } else {
                    Scegli_Carta_Minima_Per_Seme();
                }
            } else if (table_count() == 1) {
                if (whole_hand_count() > 5) {
                    Scegli_Carta_Seme_Soglia();
                } else {
                    Scegli_Carta_Dominante();
                    fallback();
                }
            } else {
                Scegli_Carta_Vincente_Seme();
                fallback();
            }
            break;
        case 4:
            if (difficulty == 3) {
                if (master) {
                    Scegli_Carta_Minima();
                } else if (const int t = table_count(); t >= 1 && t <= 3) {
                    by_side(&Players::Scegli_Carta_Piu_Punti);
                }
            } else if (master) {
                by_side(&Players::Scegli_Carta_Piu_Punti);
            } else {
                Scegli_Carta_Dominante();
                fallback();
            }
            break;
        default:
            break;
    }
}

}  // namespace tavolora::players
