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
    // The tests' windows on the play step and on Scopa's choice.
    friend class PlayersProbe;
    friend class ScopaProbe;

    // Briscola's turn (codes 1 and 6): the choice by difficulty, the play, the turn on.
    void briscola_turn();
    // Scopa's turn (code 2): the choice, the play, the capture, the turn on.
    void scopa_turn();
    // Scopa's choice into column 4: the choosers of the difficulty, the sweep search
    // last, and a random card when nothing was chosen.
    void choose_scopa_card();
    // `Somma_Tavola` := the values of the cards on the table added up.
    void sum_table();
    // Moves the chosen card from the hand to the table and fills its flight; in Scopa
    // also shows its face at its table place and notes that place in (5, 1).
    void play_chosen_card();
    // The first hand position holding the greatest figure of list 35 or 36.
    void choose_max(int lista);

    Program& program_;
};

}  // namespace tavolora::players
