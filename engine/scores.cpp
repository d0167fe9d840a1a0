// The score panel, the end of a hand and the end of the match.

#include <array>

#include "core/numbers.h"
#include "core/program.h"
#include "engine/engine.h"

namespace tavolora::engine {

namespace {
// The seats with a line on the score panel, in ascending seat code.
constexpr std::array<int, 4> kPanelSeats = {1, 2, 3, 9};
}  // namespace

void Engine::count_pile_points() {
    auto& cards = m_.Tabella_Carte;
    for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
        const int count = Conta_Carte_Iniziali(L);
        int points = 0;
        for (int p = 1; p <= count; ++p) {
            const int id = (cards(L, p, attr::kSuit) - 1) * 10 + cards(L, p, attr::kValue);
            if (id >= 1 && id <= 40) points += cards(31, id, 1);
        }
        store16(cards(L, list::kScoreCell, 1), points);
    }
}

void Engine::Somma_Punti_Prese() {
    program_.master.List1.Clear();
    switch (m_.Codice_Gioco) {
        case game::kBriscola:
        case game::kTresette:
            break;
        case game::kScopa:
            // Scopa counts its Sette and Re of Denari here: it comes with Scopa.
            return;
        default:
            return;
    }
    count_pile_points();
    m_.Lista_Scelta = 20;
    if (m_.Codice_Gioco == game::kTresette) {
        // Tresette adds its declarations' thirds here: they come with Tresette.
    }
}

void Engine::Aggiorna_Punteggi() {
    table::MasterWindow& w = program_.master;
    auto& cards = m_.Tabella_Carte;

    const std::string user = program_.settings.Nome_Utente.trimmed();
    w.Visualizza_Prese(9).Caption = user;
    for (int s = 1; s <= 3; ++s) w.Visualizza_Prese(s).Caption = table::Trim(m_.Nomi_Giocatori(s));
    w.LBL_Parziale_Nome(9).Caption = user;
    for (int s = 1; s <= 3; ++s) w.LBL_Parziale_Nome(s).Caption = table::Trim(m_.Nomi_Giocatori(s));

    switch (m_.Codice_Gioco) {
        case game::kBriscola:
        case game::kBriscolaVariant:
            break;
        case game::kScopa:
            // Scopa's panel (captured cards and sweeps) comes with Scopa.
            return;
        case game::kTresette:
            // Tresette's panel (points and thirds) comes with Tresette.
            return;
        default:
            return;
    }
    w.LBL_RiepilogoPrese_testo.Caption = "Numero di prese";
    Somma_Punti_Prese();

    const auto in_play = [&w](int s) { return w.LBL_Parziale_Punti(s).Enabled; };
    const auto hand = [&cards](int s) { return static_cast<long long>(cards(s + 10, list::kScoreCell, 1)); };
    const auto total = [&cards](int s) { return static_cast<long long>(cards(list::kMatch, s, 1)); };
    for (int s : kPanelSeats) {
        if (!in_play(s)) continue;
        w.LBL_Parziale_Punti(s).Caption = format_plain(hand(s));
        w.LBL_Totale_Punti(s).Caption = "-";
    }

    const int mode = m_.Modalita_Partita;
    if (mode == 4) Verifica_Accuso_151();
    for (int s : kPanelSeats) {
        if (!in_play(s)) continue;
        if (mode == 2 || mode == 4) {
            w.LBL_Totale_Punti(s).Caption =
                format_signed(hand(s) + total(s)) + " / " + format_signed_number(m_.Punti_Da_Raggiungere);
        } else if (mode == 3) {
            w.LBL_Totale_Punti(s).Caption =
                format_plain(static_cast<long long>(cards(s + 10, list::kScoreCell, 3))) + " / " +
                format_plain_number(m_.Partite_Da_Vincere);
        }
    }
    m_.Indice_1 = 10;

    // With the stop option, a total past the target ends the match at once.
    if (!m_.Ferma_Punteggio || (mode != 2 && mode != 4)) return;
    m_.Vincitore_Partita = 0;
    double bar = m_.Punti_Da_Raggiungere;
    for (int s : kPanelSeats) {
        const double seat_total = in_play(s) ? static_cast<double>(hand(s) + total(s)) : 0.0;
        if (seat_total > bar) {
            bar = seat_total;
            m_.Vincitore_Partita = static_cast<std::int16_t>(s);
        }
    }
    if (m_.Vincitore_Partita != 0 && !m_.Partita_Finita) {
        program_.show_message("Fine Partita",
                              "Ha vinto " + w.LBL_Parziale_Nome(m_.Vincitore_Partita).Caption);
        m_.Partita_Finita = true;
        Fine_Partita();
    }
}

namespace {
// "Ha vinto " and the winner's name, under "Fine Partita".
void announce_winner(Program& program) {
    const int winner = program.match.Vincitore_Partita;
    const table::Control* name = program.master.LBL_Parziale_Nome.find(winner);
    if (name == nullptr) return;
    program.show_message("Fine Partita", "Ha vinto " + name->Caption);
}
}  // namespace

void Engine::Fine_Mano() {
    auto& cards = m_.Tabella_Carte;
    switch (m_.Codice_Gioco) {
        case game::kBriscola:
            break;
        case game::kScopa:
            // Scopa's count (the table to the last taker, the rule points) comes with Scopa.
            return;
        case game::kTresette:
            // Tresette's count (thirds, declarations, the last trick) comes with Tresette.
            return;
        default:
            return;
    }

    switch (m_.Modalita_Partita) {
        case 1:
            Verifica_Fine_Partita();
            announce_winner(program_);
            Fine_Partita();
            return;
        case 2:
        case 4: {
            // The hand's points join the match totals.
            count_pile_points();
            for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
                store16(cards(list::kMatch, L - 10, 1),
                        cards(list::kMatch, L - 10, 1) + cards(L, list::kScoreCell, 1));
            }
            // The winner: the greatest total strictly above the target, the lower seat
            // code on equal totals.
            m_.Vincitore_Partita = 0;
            double threshold = m_.Punti_Da_Raggiungere;
            double best = -1;
            for (int s = 1; s <= 9; ++s) {
                const double seat_total = cards(list::kMatch, s, 1);
                if (seat_total > threshold && seat_total > best) {
                    threshold = best = seat_total;
                    m_.Vincitore_Partita = static_cast<std::int16_t>(s);
                }
            }
            if (m_.Vincitore_Partita == 0) {
                program_.animation.Mostra_Fine_Partita();
                return;
            }
            announce_winner(program_);
            Fine_Partita();
            return;
        }
        case 3: {
            Verifica_Fine_Partita();
            const int winner = m_.Vincitore_Partita;
            int games = 0;
            if (winner >= 1 && winner <= 9) {
                std::int16_t& won = cards(winner + 10, list::kScoreCell, 3);
                store16(won, won + 1);
                games = won;
            }
            Aggiorna_Punteggi();
            announce_winner(program_);
            // A match to a number of games ends when a side has won at least that many.
            if (winner != 0 && games >= m_.Partite_Da_Vincere) {
                Fine_Partita();
            } else {
                program_.animation.Mostra_Fine_Partita();
            }
            return;
        }
        default:
            return;
    }
}

void Engine::Verifica_Fine_Partita() {
    switch (m_.Codice_Gioco) {
        case game::kBriscola: {
            m_.Vincitore_Partita = 0;
            int best = 0;
            Somma_Punti_Prese();
            // The first pile with the greatest score: on equal scores the lower seat.
            for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
                const int score = m_.Tabella_Carte(L, list::kScoreCell, 1);
                if (score > best) {
                    best = score;
                    m_.Vincitore_Partita = static_cast<std::int16_t>(L - 10);
                }
            }
            return;
        }
        case game::kCamicia:
            // Camicia's check (a pile emptied, or the chosen count reached) comes with Camicia.
            return;
        default:
            return;
    }
}

void Engine::Fine_Partita() {
    table::MasterWindow& w = program_.master;
    switch (m_.Codice_Gioco) {
        case game::kBriscola:
        case game::kScopa:
        case game::kTresette:
            m_.Partita_Terminata = true;
            program_.animation.Abilita_Menu();
            w.CMD_Continua.Caption = "Fine partita";
            program_.animation.Mostra_Fine_Partita();
            break;
        case game::kCamicia:
            // Camicia's end (its own message, the table hidden) comes with Camicia.
            break;
        default:
            break;
    }
    // The main menu stands over the table again.
    table::ChildScreen& menu = w.screens(table::Screen::F_011_Menu);
    menu.loaded = true;
    menu.Visible = true;
}

}  // namespace tavolora::engine
