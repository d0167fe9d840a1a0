#pragma once

// The match engine: the card table and its list routines, and (as the games come)
// the deck, the turn flow, tricks, captures, declarations and scoring.

#include <cstdint>

namespace tavolora {
class Program;
}

namespace tavolora::engine {

struct MatchState;

class Engine {
public:
    explicit Engine(Program& program);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // --- Card lists. Each works on the list in `Lista_Scelta`; the overloads that
    // take a list number set it first and return the count.

    // Empties positions 1..40 of the list; position 41 (a pile's score cells) stays.
    void Svuota_Lista();
    void Svuota_Lista(int lista);
    // `Numero_Carte_Lista` := the occupied positions among 1..40, holes skipped.
    void Conta_Carte_Lista();
    int Conta_Carte_Lista(int lista);
    // `Numero_Carte_Lista` := the occupied positions before the first empty one.
    void Conta_Carte_Iniziali();
    int Conta_Carte_Iniziali(int lista);
    // `Carte_In_Tavola` := the cards on the table (list 20; Camicia's list 4) up to
    // the first empty position.
    void Conta_Carte_Tavolo();
    // Clears the counted table cards and their pictures.
    void Svuota_Tavolo();
    // Clears the table positions named by the capture list (list 38); pictures stay.
    void Svuota_Tavolo_Da_Indice();
    // The reset at the start of every hand.
    void Inizializza_Tavolo();
    // Lets the window process its pending events n times.
    void Pausa(std::int16_t n);

private:
    // The table list of the current game: Camicia's central pile, else list 20.
    int table_list() const;

    Program& program_;
    MatchState& m_;
};

}  // namespace tavolora::engine
