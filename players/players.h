#pragma once

// The computer players: the turn of a computer seat and the card choice of each
// game at each difficulty.

namespace tavolora {
class Program;
}

namespace tavolora::players {

class Players {
public:
    explicit Players(Program& program) : program_(program) {}
    Players(const Players&) = delete;
    Players& operator=(const Players&) = delete;

    // Plays one turn of the seat in `Giocatore_Corrente` and passes the turn on.
    void Gioca_Turno_Computer();

    // --- Briscola's choice; each leaves the hand position in column 4 of the seat.
    // A random occupied position (also the last resort of the other games).
    void Scegli_Carta_Casuale();
    // Plays each hand card into a simulated trick and scores it in lists 35 and 36.
    void Valuta_Carte_Computer();
    void Scegli_Carta_Max_35();
    void Scegli_Carta_Max_36();

    // --- Scopa's choice.
    // A hand card whose value equals any capture sum (the last such position).
    void Scegli_Presa_Combinazioni();
    // Of those, the one of greatest base rank.
    void Scegli_Presa_Migliore();
    // A hand card equal to the whole table's sum: a sweep.
    void Cerca_Scopa();
    // The least card whose play leaves no sum the next player holds.
    void Scegli_Carta_Scopa_Sicura();
    // When nothing is chosen: the card of greatest value.
    void Scegli_Carta_Scarto_Scopa();

private:
    // The tests' window on the play step.
    friend class PlayersProbe;

    // Briscola's turn (codes 1 and 6): the choice by difficulty, the play, the turn on.
    void briscola_turn();
    // Moves the chosen card from the hand to the table and fills its flight.
    void play_chosen_card();
    // The first hand position holding the greatest figure of list 35 or 36.
    void choose_max(int lista);

    Program& program_;
};

}  // namespace tavolora::players
