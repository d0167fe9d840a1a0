// Scopa's card choice: a capture by any sum or the best capture by base rank, a
// sweep, a safe discard that leaves the next player no sum to take, and a discard
// of the greatest card. Each writes the hand position into column 4 of the seat to
// move and leaves it as it was when it finds nothing, so a later chooser overrides
// an earlier one only with a card of its own.

#include <cstdint>

#include "players/players.h"
#include "program/program.h"

namespace tavolora::players {

namespace {

using engine::attr::kSuit;
using engine::attr::kValue;

int card_id(int suit, int value) {
    return (suit - 1) * 10 + value;
}

// True when some combination of the table cards adds up to `value`.
bool some_sum_is(const engine::CaptureSums& sums, int value) {
    for (const int sum : sums.LTOT_Somme) {
        if (sum == value) return true;
    }
    return false;
}

}  // namespace

void Players::sum_table() {
    engine::MatchState& m = program_.match;
    int sum = 0;
    for (int p = 1; p <= 40; ++p) sum += m.Tabella_Carte(engine::list::kTable, p, kValue);
    m.Somma_Tavola = static_cast<std::int16_t>(sum);
}

void Players::Scegli_Presa_Combinazioni() {
    engine::MatchState& m = program_.match;
    const int seat = m.Giocatore_Corrente;
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    // The last hand position that matches wins.
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int value = m.Tabella_Carte(seat, p, kValue);
        if (value != 0 && some_sum_is(m.combinazioni, value)) choice = static_cast<std::int16_t>(p);
    }
}

void Players::Scegli_Presa_Migliore() {
    engine::MatchState& m = program_.match;
    const int seat = m.Giocatore_Corrente;
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    // The first hand position with the greatest base rank wins.
    m.Valore_Massimo = 0;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int value = m.Tabella_Carte(seat, p, kValue);
        if (value == 0 || !some_sum_is(m.combinazioni, value)) continue;
        const int rank = m.Tabella_Carte(32, card_id(m.Tabella_Carte(seat, p, kSuit), value), 1);
        if (rank > m.Valore_Massimo) {
            m.Valore_Massimo = rank;
            choice = static_cast<std::int16_t>(p);
        }
    }
}

void Players::Cerca_Scopa() {
    engine::MatchState& m = program_.match;
    const int seat = m.Giocatore_Corrente;
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    sum_table();
    // The last hand position equal to the whole table wins.
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int value = m.Tabella_Carte(seat, p, kValue);
        if (value != 0 && value == m.Somma_Tavola) choice = static_cast<std::int16_t>(p);
    }
}

void Players::Scegli_Carta_Scopa_Sicura() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    sum_table();

    // The next player's turn position, wrapping to the first after the last seat.
    m.Compagno = m.Indice_Turno + 1;
    if (m.Compagno < 1 || m.Compagno > 9 || m.Ordine_Giocatori(m.Compagno) == 0) m.Compagno = 1;
    const int next = m.Ordine_Giocatori(m.Compagno);
    if (next < 1 || next > 9) return;  // no turn order: nobody to fear

    // The first hand position of least value whose play leaves a table sum that no
    // card of the next player matches. A sum above 10 matches no card.
    m.Valore_Massimo = 1000;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int value = cards(seat, p, kValue);
        if (value == 0) continue;
        const int left = value + m.Somma_Tavola;
        bool safe = true;
        for (int q = 1; q <= m.Carte_In_Mano && safe; ++q) safe = cards(next, q, kValue) != left;
        if (safe && value < m.Valore_Massimo) {
            m.Valore_Massimo = value;
            choice = static_cast<std::int16_t>(p);
        }
    }
}

void Players::Scegli_Carta_Scarto_Scopa() {
    engine::MatchState& m = program_.match;
    const int seat = m.Giocatore_Corrente;
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    if (choice != 0) return;
    // From a random card in hand, on to every strictly greater one: the random start
    // stays when it holds the greatest value, else the first position holding it.
    Scegli_Carta_Casuale();
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        if (m.Tabella_Carte(seat, p, kValue) > m.Tabella_Carte(seat, choice, kValue)) {
            choice = static_cast<std::int16_t>(p);
        }
    }
}

}  // namespace tavolora::players
