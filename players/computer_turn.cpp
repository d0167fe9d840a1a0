// The turn of a computer seat: the game's choosers by difficulty, the chosen card
// played from the hand by the step every seat shares, the play, and the
// turn handed on. A Tresette leader of four players also shows its signal word.

#include <cstdint>
#include <string>

#include "core/fatal.h"
#include "players/players.h"
#include "program/program.h"

namespace tavolora::players {

void Players::Gioca_Turno_Computer() {
    switch (program_.match.Codice_Gioco) {
        case engine::game::kBriscola:
        case engine::game::kBriscolaVariant:
            briscola_turn();
            break;
        case engine::game::kScopa:
            scopa_turn();
            break;
        case engine::game::kCamicia:
            camicia_turn();
            break;
        case engine::game::kTresette:
            tresette_turn();
            break;
        default:
            // No game plays under any other code: no card, no turn passed.
            break;
    }
}

void Players::briscola_turn() {
    program_.storage.Leggi_Difficolta();
    switch (program_.settings.Difficolta) {
        case 1:
        case 3:
            // At 3 the evaluation leaves its own totals in list 35.
            Valuta_Carte_Computer();
            Scegli_Carta_Max_35();
            break;
        case 2:
            Valuta_Carte_Computer();
            Scegli_Carta_Max_36();
            break;
        default:
            // 0, and a difficulty no options screen sets, play a random card: never a
            // position left over from an earlier turn.
            Scegli_Carta_Casuale();
            break;
    }
    play_chosen_card();
    program_.engine.Gioca_Carta();
    program_.engine.Passa_Turno();
}

void Players::camicia_turn() {
    engine::MatchState& m = program_.match;
    engine::Engine& engine = program_.engine;
    auto& cards = m.Tabella_Carte;
    constexpr int kPile = 3;
    if (cards(engine::list::kTurnCells, 1, 1) != kPile) return;

    engine.Conta_Carte_Lista_3();
    engine.Conta_Carte_Tavolo();
    engine.Verifica_Fine_Partita();
    // An empty pile has no card to turn (the end of the match has seen to it).
    const int top = m.Carte_Mazzo_3;
    if (m.Partita_Finita || top < 1 || top > 40) return;

    program_.animation.play_card({.from_list = kPile,
                                  .position = top,
                                  .picture = program_.master.P.find(40 + top),
                                  .to_list = engine::list::kCamiciaTable,
                                  .place = m.Carte_In_Tavola + 1});
    engine.Gioca_Carta();

    engine.Dopo_Giocata_Camicia();
    if (!m.Partita_Finita) engine.Verifica_Fine_Partita();
}

void Players::scopa_turn() {
    choose_scopa_card();
    play_chosen_card();
    program_.engine.Gioca_Carta();
    program_.engine.Esegui_Presa_Scopa();
    program_.engine.Passa_Turno();
}

void Players::choose_scopa_card() {
    engine::MatchState& m = program_.match;
    std::int16_t& choice = m.Tabella_Giocatori(m.Giocatore_Corrente, 4);
    choice = 0;
    program_.storage.Leggi_Difficolta();
    switch (program_.settings.Difficolta) {
        case 1:
            Scegli_Presa_Combinazioni();
            break;
        case 2:
            Scegli_Presa_Combinazioni();
            sum_table();
            if (m.Somma_Tavola < 10) Scegli_Carta_Scarto_Scopa();
            break;
        case 3:
            Scegli_Presa_Migliore();
            sum_table();
            if (m.Somma_Tavola < 10) Scegli_Carta_Scopa_Sicura();
            break;
        default:
            // 0, and a difficulty no options screen sets: the sweep search alone.
            break;
    }
    // A sweep overrides every earlier choice.
    Cerca_Scopa();
    if (choice == 0) Scegli_Carta_Casuale();
}

void Players::tresette_turn() {
    engine::MatchState& m = program_.match;
    // The figures and the counting are renewed at every turn.
    program_.engine.Assegna_Valori_Carte();
    Aggiorna_Forza_Carte();
    program_.storage.Leggi_Difficolta();

    std::int16_t& choice = m.Tabella_Giocatori(m.Giocatore_Corrente, 4);
    choice = 0;
    Limita_Carte_Giocabili();
    Scegli_Carta_Tresette();
    Ripristina_Mano();
    if (choice == 0) {
        // A random card among the legal ones.
        Limita_Carte_Giocabili();
        Scegli_Carta_Casuale();
        Ripristina_Mano();
    }

    program_.engine.Conta_Carte_Tavolo();
    if (m.Carte_In_Tavola == 0 && m.Numero_Giocatori == 4) show_tresette_signal();
    play_chosen_card();
    program_.engine.Gioca_Carta();
    program_.engine.Passa_Turno();
}

void Players::show_tresette_signal() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    const int position = m.Tabella_Giocatori(seat, 4);
    for (int a = 1; a <= 3; ++a) m.Tabella_Giocatori(seat, a) = cards(seat, position, a);

    // (1) the cards of the led suit in the hand, the led card included; (4) one of
    // them is a Three or a Two.
    const int suit = cards(seat, position, engine::attr::kSuit);
    for (int entry = 1; entry <= 5; ++entry) m.Contatori(entry) = 0;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        if (cards(seat, p, engine::attr::kSuit) != suit) continue;
        ++m.Contatori(1);
        const int value = cards(seat, p, engine::attr::kValue);
        if (value == 3 || value == 2) m.Contatori(4) = 1;
    }

    table::MasterWindow& w = program_.master;
    table::Control& label = w.LBL_Parola_Tresette;
    if (m.Contatori(1) > 1) label.Caption = "Striscio!";
    if (m.Contatori(4) == 1) label.Caption = "Busso!";
    if (m.Contatori(1) == 1) label.Caption = "Volo!";

    // Beside the leader's hand: left of seat 1's, below seat 2's, right of seat 3's.
    label.container = w.IMG_Sfondo_Tavolo.Visible ? &w.IMG_Sfondo_Tavolo : &w.PIC_Tavolo;
    if (const table::Control* middle = w.P.find(seat * 40 + m.Carte_In_Mano / 2)) {
        label.Top = middle->Top;
        label.Left = middle->Left;
    }
    label.ZOrder(0);
    switch (seat) {
        case 1:
            label.Left -= label.Width;
            break;
        case 2:
            label.Top += program_.anim.Altezza_Carta;
            break;
        case 3:
            label.Left += program_.anim.Altezza_Carta;
            break;
        default:
            break;
    }
    label.Visible = true;
}

void Players::play_chosen_card() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    const int position = m.Tabella_Giocatori(seat, 4);
    if (position < 1 || position > m.Carte_In_Mano || cards(seat, position, engine::attr::kSuit) == 0) {
        fatal("Gioca_Turno_Computer: seat " + std::to_string(seat) + " chose hand position " +
              std::to_string(position) + ", which holds no card");
    }

    // The hand picture must exist: the seat holds a card at the position.
    table::Control& picture = program_.master.P(seat * 40 + position);
    program_.engine.Conta_Carte_Tavolo();
    program_.animation.play_card({.from_list = seat,
                                  .position = position,
                                  .picture = &picture,
                                  .to_list = engine::list::kTable,
                                  .place = m.Carte_In_Tavola + 1,
                                  .player_row = seat,
                                  .scopa = m.Codice_Gioco == engine::game::kScopa});
}

}  // namespace tavolora::players
