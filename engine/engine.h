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

    // --- Turn order and turn flow.

    // The turn order of a new hand, the lead moving on one seat per hand.
    void Imposta_Ordine_Giocatori();
    // After every card reaches the table: ends the trick or the hand, gives the
    // turn to the human, or plays the next computer seat (which passes the turn on).
    void Passa_Turno();
    // The human's turn: the hand's cards and the menus unlocked.
    void Abilita_Giocatore();

    // --- Playing a card: lays the card just put at the end of the table list.
    void Gioca_Carta();

    // --- Hand starters.
    void Inizia_Mano_Briscola();
    void Inizia_Mano_Briscola_2();
    void Inizia_Mano_Scopa();
    void Inizia_Mano_Tresette();
    // Game code 5: the preparation of a deck, with no deal and no turn.
    void Prepara_Mazzo();

    // --- Deck, card values and hand sorting.
    void Mescola_Mazzo();
    void Assegna_Valori_Carte();
    void Ordina_Carte_Mano();

    // --- Scopa's captures.
    // Every combination of the cards on the table with its sum.
    void Calcolo_Combinazioni();
    // The capture of the card just played, if any: the smallest combinations that
    // add up to its value, the one of greatest capture value taken.
    void Esegui_Presa_Scopa();

    // --- Camicia's piles. List 2 is the human's pile, list 3 the computer's, list 4
    // the central pile; the last occupied position of each is its top.
    void Conta_Carte_Lista_2();
    void Conta_Carte_Lista_3();
    // Shows the top card of the human's pile face up, ready to be clicked.
    void Disegna_Carta();
    // Redraws both piles face down (the human's top card face up) and clears the
    // central pile's pictures.
    void Disegna_Pile_Camicia();
    // The turn to the other player than the one who turned the central pile's top.
    void Passa_Turno_Camicia();
    // The rules of the card just turned: a demand, a payment, the gather, the turn.
    void Dopo_Giocata_Camicia();
    // The central pile under the pile of the player whose demand was paid.
    void Raccogli_Pila_Camicia();

    // --- Trick winner and teams.
    void Determina_Vincitore_Mano();
    // The computer players' look-ahead: who would take the cards now on the table.
    void Determina_Vincitore_Mano_Squadre();
    void Mappa_Giocatore_Squadra();
    void Mappa_Compagno();

    // --- Score panel.
    void Somma_Punti_Prese();
    void Aggiorna_Punteggi();

    // --- End of hand and of match.
    void Fine_Mano();
    // Scopa's points of the hand under the rule switches.
    void Assegna_Punti_Fine_Mano();
    void Verifica_Fine_Partita();
    void Fine_Partita();

    // --- Declarations.
    // Tresette: scans the hands and flags the new declarations; when there are any,
    // refreshes the panel and lists them.
    void Cerca_Accusi();
    // Lists the declarations of the hand in the special events panel and shows it.
    void Mostra_Riepilogo_Accusi();
    // Adds the thirds of every declaration to its side's score cell.
    void Somma_Punti_Accusi();
    void Verifica_Accuso_151();

private:
    // The turn passes to the next position of the order, back to the first after
    // the last player.
    void advance_turn();
    void pass_turn_scopa();
    void lay_card_scopa();
    // The hand pictures of a new hand: the human's faces, the computer seats' backs.
    void load_hand_pictures();
    // Briscola's and Tresette's hand up to the deal: options, table reset, shuffle,
    // figures, turn order, the cards dealt in the data, the layout and the pictures.
    void prepare_trick_hand();
    // The deal's flights over the shown table; card input stays locked.
    void deal_hand();
    // Camicia: places the picture of a pile card at its place in the fanned pile
    // (pile 2 the human's, 3 the computer's).
    void place_pile_card(int pile, int position);
    void end_hand_briscola();
    void end_hand_scopa();
    void end_hand_tresette();
    // `Vincitore_Partita` := the seat of the greatest match total strictly above the
    // threshold, the lower seat code on equal totals; 0 for none.
    void find_match_winner(double threshold);
    // A match to a target: the winner past it announced and the match ended, or the
    // end-of-hand panel for the next hand.
    void end_hand_against_target();
    // The points of every captured pile's cards into its score cell.
    void count_pile_points();
    // The table list of the current game: Camicia's central pile, else list 20.
    int table_list() const;

    Program& program_;
    MatchState& m_;
};

// Tresette's duty to follow suit, the one rule both the human's click and the
// computer's choice obey: while cards lie on the table (Carte_In_Tavola as last
// counted), the card at hand position `position` (1 to 40) of `seat` may be played
// when it is of the first table card's suit, or when the hand, positions 1 to
// Carte_In_Mano, holds no card of that suit. A seat that leads plays any card.
bool may_play_tresette(const MatchState& m, int seat, int position);

}  // namespace tavolora::engine
