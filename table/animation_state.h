#pragma once

// The program-wide state of the table layout and the card flights.

#include <cstdint>
#include <string>

#include "core/fixed_array.h"

namespace tavolora::table {

// One flight slot.
struct Tipo_Animazione {
    // Element 1: 'Z' free, 'N' filled and to be started.
    FixedArray<char, 1, 2> Stato{};
    // Element 1: the card picture P(...) the flight stands for; element 2: the table
    // picture a card laid on the table goes to.
    FixedArray<std::int16_t, 1, 2> Carta{};
    // The picture the flying copy shows.
    std::string Immagine;
    // Twips: (1) start Top, (2) start Left, (5) target Top, (6) target Left, (9) Top
    // step, (10) Left step per tick.
    FixedArray<std::int16_t, 1, 12> Coordinate{};
    // Ticks left.
    std::int16_t Passi = 0;

    Tipo_Animazione() { Stato.fill('Z'); }
};

inline constexpr int kFlightSlots = 40;
// Each tick of the flight ticker moves every flying card one step.
inline constexpr int kFlightTickMilliseconds = 20;

// What a landed card means to the landing step.
namespace phase {
inline constexpr int kNone = 0;
inline constexpr int kCamiciaDeal = 1024;
inline constexpr int kDeal = 1025;
inline constexpr int kTaken = 1026;
inline constexpr int kDrawn = 1027;
}  // namespace phase

struct AnimationState {
    FixedArray<Tipo_Animazione, 1, kFlightSlots> Animazioni_Carte{};
    std::int16_t Animazioni_Avviate = 0;
    std::int16_t Animazioni_Concluse = 0;
    bool Animazioni_Finite = false;
    int Fase_Animazione = phase::kNone;
    // The flight that has just landed, handed to the landing step.
    std::int16_t Carta_Animata = 0;
    int Indice_Animazione = 0;

    // The table layout: points in twips as (Top, Left) pairs, and the steps between
    // the cards of a group.
    FixedArray<std::int16_t, 1, 40> Coordinate_Tavolo{};
    FixedArray<std::int16_t, 1, 10> Passo_Top{};
    FixedArray<std::int16_t, 1, 10> Passo_Left{};

    // True while a hand is being prepared: the table layout then does nothing.
    bool Preparazione_In_Corso = false;
    // The player's continue request.
    bool Continua = false;
};

}  // namespace tavolora::table
