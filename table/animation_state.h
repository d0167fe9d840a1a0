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

    // The card's size as the layout measured it, and the free area of the table in
    // which cards are laid: (1) top, (2) left, (3) bottom, (4) right.
    double Larghezza_Carta = 0;  // also a counter of some routines of the engine
    double Altezza_Carta_Twips = 0;
    std::int16_t Altezza_Carta = 0;
    double Spaziatura_Carte = 0;
    FixedArray<std::int16_t, 1, 4> Limiti_Tavolo{};
    // Scratch of the layout and of the panels' drag.
    double Trascinamento_X = 0;
    std::int16_t Trascinamento_Y = 0;
    bool Trascinamento_Attivo = false;

    // True while a hand is being prepared: the table layout then does nothing.
    bool Preparazione_In_Corso = false;
    // The player's continue request.
    bool Continua = false;
    // The human's card input is locked.
    bool Comandi_Bloccati = false;
    // The button of the last press on a card picture (1 left, 2 right, 4 middle).
    std::int16_t Pulsante_Mouse = 1;
    // What a look-over shows: 0 the table, 1 throws, 2 scores, 3 captured cards, 4
    // trump card; 19 and 20 the pointer over a card picture.
    std::int16_t Codice_Visualizzazione = 0;
    // The look-over of the throws or of the trump card in progress, and whether the
    // trump card's picture beside the deck was on view when it began.
    bool Visualizzazione_Attiva = false;
    bool Visualizzazione_Briscola = false;
    bool Briscola_Visibile = false;
    // The captured-cards viewer: whether a pile was chosen in this match, its list
    // (seat + 10), the figure shown (tricks, or cards in Scopa) and the pile's cards.
    bool Prese_Scelte = false;
    std::int16_t Lista_Prese = 0;
    double Numero_Prese = 0;
    std::int16_t Numero_Carte_Prese = 0;
    // The attempts of the last card laid on the table.
    std::int16_t Tentativi_Posto = 0;
    // The cards of the batch flying to a pile.
    int Carte_Tavola_Dopo_Presa = 0;
    // The pile list that batch flies to, kept for its landings: the shared
    // Lista_Scelta is the table layout's as well, and a resize inside the flights'
    // wait counts every pile with it.
    int landing_pile = 0;
};

}  // namespace tavolora::table
