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

    // --- Tresette's choice. The pickers look at the hand of `Giocatore_Corrente` and
    // write the chosen hand position into column 4 of the seat, 0 when no card meets
    // their criterion (unless said otherwise).
    // The decision tree by difficulty, lead or follow and number of players.
    void Scegli_Carta_Tresette();
    // The card counting: list 34 marks the cards already in a pile (88) and gives
    // every card its strength, its base rank plus 33 for each higher card of its suit
    // that is out. A strength above 299 makes a master card.
    void Aggiorna_Forza_Carte();
    // Puts the cards that may not follow the led suit aside to list 35, each at its
    // own position; with no card of the led suit (or when leading) nothing is put aside.
    void Limita_Carte_Giocabili();
    // Puts the cards of list 35 back at their hand positions.
    void Ripristina_Mano();
    // The card of the led suit with the most points among those stronger than the led
    // card, never a Two or a Three.
    void Scegli_Carta_Vincente_Seme();
    // The lowest card of a suit in which the partner holds a master card; restores
    // the hand for good. Leaves column 4 as it was when no suit qualifies.
    void Valuta_Carte_Alte();
    // Two players, leading: the suit where the own hand outnumbers the opponent's
    // most, then its lowest card (a master card onto a lone Ace).
    void Scegli_Seme_Da_Giocare();
    // Leading: the strongest master card. Following: the strongest card of the led
    // suit that beats the card now winning the trick.
    void Scegli_Carta_Dominante();
    // The strongest card of `Seme_Scelto`, only if it is a master card.
    void Scegli_Carta_Dominante_Seme();
    // The last card of the led suit just above (less than 60 over) the next seat's
    // best card of that suit; else the lowest card.
    void Scegli_Carta_Seme_Soglia();
    // The strongest card of `Seme_Scelto`.
    void Scegli_Carta_Forte_Seme();
    // The card of lowest base rank, after a fresh count of the cards out.
    void Scegli_Carta_Minima();
    // The card of lowest base rank of `Seme_Scelto`.
    void Scegli_Carta_Minima_Seme();
    // The lowest card of the first suit that the user lacks and the seat holds.
    // Leaves column 4 as it was when the user holds every suit.
    void Scegli_Carta_Minima_Per_Seme();
    // The card of suit `Seme_Scelto` and value `Valore_Cercato`.
    void Cerca_Carta_Seme_Valore();
    // The card with the most points.
    void Scegli_Carta_Piu_Punti();
    // The card with the most points among those of strength below 269.
    void Scegli_Carta_Punti_Non_Alta();

private:
    // The tests' windows on the play step, on Scopa's choice and on the Tresette signal.
    friend class PlayersProbe;
    friend class ScopaProbe;
    friend class TresetteProbe;

    // Briscola's turn (codes 1 and 6): the choice by difficulty, the play, the turn on.
    void briscola_turn();
    // Camicia's turn (code 3): the top card of the computer's pile turned onto the
    // central pile, and its rules applied.
    void camicia_turn();
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

    // Tresette's turn (code 4): the counting, the legal choice (a random legal card
    // when the tree chooses nothing), a four-player leader's signal, the play.
    void tresette_turn();
    // The signal word of a computer seat leading in a four-player game, shown beside
    // its hand: "Volo!", "Busso!" or "Striscio!".
    void show_tresette_signal();
    // Four players, leading: a card played into the partner's declarations. Returns
    // true when it chose one.
    bool declaration_lead();
    // The tree's levels, by lead or follow and number of players.
    void tresette_lead(int difficulty);
    void tresette_follow(int difficulty);
    // The size of the whole hand while it is restricted: restored, counted and
    // restricted again.
    int whole_hand_count();
    // The partner of a computer seat: 1 and 3 together, 2 with the user (with two
    // players, its opponent); 0 for any other seat.
    static int partner_of(int seat);

    Program& program_;
};

}  // namespace tavolora::players
