#pragma once

// The match engine's program-wide variables. One instance lives in each Program.

#include <cstdint>

#include "core/fixed_array.h"

namespace tavolora::engine {

// Every card of a hand wherever it lies, and every per-card figure of the current
// game: list 1..38, position 1..41, attribute 1..3 (suit, value, owner seat). A
// position is empty when its suit is 0.
using CardTable = FixedArray3<std::int16_t, 38, 41, 3>;

// The lists of the card table.
namespace list {
inline constexpr int kHumanHand = 9;
inline constexpr int kTurnCells = 10;   // (10, 1, 1) the deck counter
inline constexpr int kFirstPile = 11;   // captured piles: seat + 10, 11..19
inline constexpr int kLastPile = 19;
inline constexpr int kTable = 20;
inline constexpr int kDeck = 21;
inline constexpr int kCamiciaTable = 4;  // Camicia's central pile
inline constexpr int kMatch = 37;        // match totals, declarations, sweep counts
inline constexpr int kCapture = 38;      // Scopa's capture index list
inline constexpr int kScoreCell = 41;    // the position of a pile's score cells
}  // namespace list

// Attributes of a card entry.
namespace attr {
inline constexpr int kSuit = 1;
inline constexpr int kValue = 2;
inline constexpr int kOwner = 3;
}  // namespace attr

// Game codes.
namespace game {
inline constexpr int kBriscola = 1;
inline constexpr int kScopa = 2;
inline constexpr int kCamicia = 3;
inline constexpr int kTresette = 4;
inline constexpr int kDeckOnly = 5;
inline constexpr int kBriscolaVariant = 6;
}  // namespace game

struct MatchState {
    CardTable Tabella_Carte{};

    std::int16_t Codice_Gioco = 0;
    // The kind of match: 1 single hand, 2 target score, 3 games won, 4 the 151
    // variant; in Camicia the index of the chosen Camicia option.
    int Modalita_Partita = 0;
    // The card count that wins a Camicia game to a number of cards.
    std::int16_t Numero_Carte_Camicia = 0;
    bool Partita_Finita = false;

    // The shared cells of the list routines: the list a routine works on and the
    // count it leaves. Callers read them after the call, so they stay shared.
    int Lista_Scelta = 0;
    int Numero_Carte_Lista = 0;
    // The number of cards on the table, as last counted.
    std::int16_t Carte_In_Tavola = 0;

    // The shared loop counters, where a caller reads what a routine leaves in them.
    int Indice_1 = 0;
    int Indice_2 = 0;
    int Indice_3 = 0;
    int Indice_4 = 0;
    int Indice_5 = 0;
    // A counter of the card-laying and capture routines, also the card width.
    double Larghezza_Carta = 0;
};

}  // namespace tavolora::engine
