// Who plays next, and the card just played laid on the table.

#include <algorithm>

#include "core/numbers.h"
#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

void Engine::Imposta_Ordine_Giocatori() {
    auto& order = m_.Ordine_Giocatori;
    order.fill(0);
    const bool reversed = m_.Contatori(6) != 0;
    const auto set = [&order](std::initializer_list<std::int16_t> seats) {
        int i = 1;
        for (std::int16_t s : seats) order(i++) = s;
    };
    switch (m_.Numero_Giocatori) {
        case 2:
            set({9, 2});
            break;
        case 3:
            reversed ? set({9, 1, 2}) : set({9, 2, 1});
            break;
        case 4:
            reversed ? set({9, 1, 2, 3}) : set({9, 3, 2, 1});
            break;
        default:
            break;
    }
    if (m_.Primo_Giocatore == 0) m_.Primo_Giocatore = seat::kHuman;

    const int players = std::clamp(m_.Numero_Giocatori, 0, 9);
    for (int i = 1; i <= players; ++i) {
        if (order(i) == m_.Primo_Giocatore) {
            m_.Indice_Turno = static_cast<std::int16_t>(i - 1);
            break;
        }
    }
    if (players == 0) return;

    // The lead moves on one seat per hand: the hands played, as a remainder, turn
    // the order to the left.
    m_.Numero_Mano = static_cast<std::int16_t>(((m_.Numero_Mano % players) + players) % players);
    for (int turn = 0; turn < m_.Numero_Mano; ++turn) {
        const std::int16_t first = order(1);
        for (int i = 1; i < players; ++i) order(i) = order(i + 1);
        order(players) = first;
    }
}

void Engine::Abilita_Giocatore() {
    program_.animation.Sblocca_Comandi();
}

void Engine::advance_turn() {
    ++m_.Indice_Turno;
    if (m_.Indice_Turno > 9 || m_.Indice_Turno < 1 || m_.Ordine_Giocatori(m_.Indice_Turno) == 0) {
        m_.Indice_Turno = 1;
    }
}

void Engine::Passa_Turno() {
    switch (m_.Codice_Gioco) {
        case game::kBriscola:
        case game::kTresette:
        case game::kBriscolaVariant:
            break;
        case game::kScopa:
            pass_turn_scopa();
            return;
        default:
            return;  // Camicia drives its turns from the card click; code 5 plays none
    }

    advance_turn();

    Conta_Carte_Tavolo();
    if (m_.Carte_In_Tavola == m_.Numero_Giocatori) {
        table::MasterWindow& w = program_.master;
        if (program_.settings.Tempi_Animazione(5) == 0) {
            w.CMD_M_Continua.Enabled = true;
            w.CMD_M_Tiri.Enabled = true;
            program_.anim.Continua = false;
            program_.waits.wait_until("Continua", [this] { return program_.anim.Continua; });
            w.CMD_M_Continua.Enabled = false;
            w.CMD_M_Tiri.Enabled = false;
        } else {
            program_.animation.Attendi_Pausa_Movimento_5();
        }
        Determina_Vincitore_Mano();
        Svuota_Tavolo();
        program_.animation.Pesca_Carte_Mazzo();
        program_.animation.Mostra_Carte_Mano();
        Aggiorna_Punteggi();
    }
    if (m_.Partita_Finita) return;

    const int next = m_.Ordine_Giocatori(m_.Indice_Turno);
    if (next < 1) return;  // no turn order: nobody plays
    if (Conta_Carte_Lista(next) == 0) {
        m_.Partita_Finita = true;
        Fine_Mano();
        return;
    }
    if (next == seat::kHuman) {
        Abilita_Giocatore();
        return;
    }
    m_.Giocatore_Corrente = static_cast<std::int16_t>(next);
    program_.animation.Attendi_Pausa_Movimento_4();
    program_.players.Gioca_Turno_Computer();
}

// Scopa: every card is a turn of its own; an empty hand is refilled from the deck
// until the deck runs out.
void Engine::pass_turn_scopa() {
    if (m_.Partita_Finita) return;
    advance_turn();
    int next = m_.Ordine_Giocatori(m_.Indice_Turno);
    if (next < 1) return;  // no turn order: nobody plays
    if (Conta_Carte_Lista(next) == 0) {
        if (m_.Tabella_Carte(list::kTurnCells, 1, 1) != 0) {
            program_.animation.Pesca_Carte_Mazzo();
        } else {
            // With three players the deck's last cards make one hand short: the turn
            // passes over an empty hand while another still holds a card.
            for (int passed = 1; passed < m_.Numero_Giocatori && Conta_Carte_Lista(next) == 0; ++passed) {
                advance_turn();
                next = m_.Ordine_Giocatori(m_.Indice_Turno);
            }
            if (Conta_Carte_Lista(next) == 0) {
                m_.Partita_Finita = true;
                Fine_Mano();
                return;
            }
        }
    }
    if (next == seat::kHuman) {
        Calcolo_Combinazioni();
        Abilita_Giocatore();
        return;
    }
    m_.Giocatore_Corrente = static_cast<std::int16_t>(next);
    program_.animation.Attendi_Pausa_Movimento_4();
    Calcolo_Combinazioni();
    program_.players.Gioca_Turno_Computer();
}

void Engine::Gioca_Carta() {
    int lista = 0;
    switch (m_.Codice_Gioco) {
        case game::kBriscola:
        case game::kTresette:
        case game::kBriscolaVariant:
            lista = list::kTable;
            break;
        case game::kScopa:
            lay_card_scopa();
            return;
        case game::kCamicia:
            lista = list::kCamiciaTable;
            break;
        default:
            return;
    }
    Conta_Carte_Tavolo();
    const int n = m_.Carte_In_Tavola;
    program_.animation.Trova_Posto_Sul_Tavolo();
    // A table place that cannot hold a card, or a picture that is not loaded, is
    // passed over: the play goes on.
    if (n < 1 || n > 40) return;
    if (table::Control* picture = program_.master.P.find(200 + n)) {
        table::LoadPicture(*picture,
                           program_.animation.face_picture(m_.Tabella_Carte(lista, n, attr::kSuit),
                                                           m_.Tabella_Carte(lista, n, attr::kValue)),
                           program_.pictures);
        picture->Visible = true;
        picture->ZOrder(0);
    }
}

// Scopa lays the card at the place chosen for it (a hole a capture left, or the end
// of the table) and redraws the whole table.
void Engine::lay_card_scopa() {
    program_.animation.Trova_Posto_Sul_Tavolo();
    table::MasterWindow& w = program_.master;
    for (int i = 1; i <= 40; ++i) {
        table::Control* picture = w.P.find(200 + i);
        if (picture == nullptr) continue;
        const int suit = m_.Tabella_Carte(list::kTable, i, attr::kSuit);
        if (suit == 0) {
            picture->Picture.clear();
            picture->Visible = false;
        } else {
            table::LoadPicture(
                *picture,
                program_.animation.face_picture(suit, m_.Tabella_Carte(list::kTable, i, attr::kValue)),
                program_.pictures);
            picture->Visible = true;
        }
    }
    if (table::Control* picture = w.P.find(200 + m_.Tabella_Giocatori(5, 1))) picture->ZOrder(0);
}

}  // namespace tavolora::engine
