// The score panel, the end of a hand and the end of the match.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/numbers.h"
#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

namespace {
// The seats with a line on the score panel, in ascending seat code.
constexpr std::array<int, 4> kPanelSeats = {1, 2, 3, 9};

// Thirds of a point as whole points and thirds: 17 reads "5 e 2/3".
std::string thirds_caption(long long thirds) {
    return format_plain(thirds / 3) + " e " + format_plain(thirds % 3) + "/3";
}
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
            // The Sette and the Re of the third suit, one point each.
            for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
                const int count = Conta_Carte_Iniziali(L);
                int points = 0;
                for (int p = 1; p <= count; ++p) {
                    if (m_.Tabella_Carte(L, p, attr::kSuit) != 3) continue;
                    const int value = m_.Tabella_Carte(L, p, attr::kValue);
                    if (value == 7 || value == 10) ++points;
                }
                store16(m_.Tabella_Carte(L, list::kScoreCell, 1), points);
            }
            return;
        default:
            return;
    }
    count_pile_points();
    m_.Lista_Scelta = 20;
    if (m_.Codice_Gioco == game::kTresette) Somma_Punti_Accusi();
}

void Engine::Aggiorna_Punteggi() {
    table::MasterWindow& w = program_.master;
    auto& cards = m_.Tabella_Carte;

    // Written in place: this runs after every trick, and the captions keep their room.
    const std::string user = program_.settings.player_name().trimmed();
    w.Visualizza_Prese(9).Caption = user;
    for (int s = 1; s <= 3; ++s) w.Visualizza_Prese(s).Caption.assign(table::TrimView(m_.Nomi_Giocatori(s)));
    w.LBL_Parziale_Nome(9).Caption = user;
    for (int s = 1; s <= 3; ++s) w.LBL_Parziale_Nome(s).Caption.assign(table::TrimView(m_.Nomi_Giocatori(s)));

    switch (m_.Codice_Gioco) {
        case game::kBriscola:
        case game::kBriscolaVariant:
        case game::kScopa:
        case game::kTresette:
            break;
        default:
            return;
    }
    // Scopa's hand points are the rule points of the end of the hand and the sweeps
    // made so far; Tresette's are thirds, its standing whole points of the hand and of
    // the match apart. Only Briscola has the 151 mode and games to win.
    const bool scopa = m_.Codice_Gioco == game::kScopa;
    const bool tresette = m_.Codice_Gioco == game::kTresette;
    const bool briscola = !scopa && !tresette;
    const int mode = m_.Modalita_Partita;
    const bool to_target = mode == 2 || (mode == 4 && briscola);
    w.LBL_RiepilogoPrese_testo.Caption = scopa ? "Numero di carte prese" : "Numero di prese";
    if (!scopa) Somma_Punti_Prese();

    const auto in_play = [&w](int s) { return w.LBL_Parziale_Punti(s).Enabled; };
    const auto hand = [&cards, scopa](int s) {
        const long long sweeps = scopa ? cards(list::kMatch, s + 10, 1) : 0;
        return cards(s + 10, list::kScoreCell, 1) + sweeps;
    };
    const auto total = [&cards](int s) { return static_cast<long long>(cards(list::kMatch, s, 1)); };
    const auto running = [&](int s) { return tresette ? hand(s) / 3 + total(s) / 3 : hand(s) + total(s); };
    const double target = tresette ? std::floor(m_.Punti_Da_Raggiungere / 3) : m_.Punti_Da_Raggiungere;
    for (int s : kPanelSeats) {
        if (!in_play(s)) continue;
        w.LBL_Parziale_Punti(s).Caption = tresette ? thirds_caption(hand(s)) : format_plain(hand(s));
        w.LBL_Totale_Punti(s).Caption = "-";
    }

    if (mode == 4 && briscola) Verifica_Accuso_151();
    // The target reads the same on every seat's line.
    const std::string target_text =
        to_target ? (tresette ? format_plain_number(target) : format_signed_number(target)) : std::string();
    for (int s : kPanelSeats) {
        if (!in_play(s)) continue;
        if (to_target) {
            std::string& caption = w.LBL_Totale_Punti(s).Caption;
            caption = format_signed(running(s));
            caption += " / ";
            caption += target_text;
        } else if (mode == 3 && briscola) {
            w.LBL_Totale_Punti(s).Caption =
                format_plain(static_cast<long long>(cards(s + 10, list::kScoreCell, 3))) + " / " +
                format_plain_number(m_.Partite_Da_Vincere);
        }
    }
    m_.Indice_1 = 10;

    // With the stop option, a total past the target ends the match at once.
    if (!m_.Ferma_Punteggio || !to_target) return;
    m_.Vincitore_Partita = 0;
    double bar = target;
    for (int s : kPanelSeats) {
        const double seat_total = in_play(s) ? static_cast<double>(running(s)) : 0.0;
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

void Engine::find_match_winner(double threshold) {
    m_.Vincitore_Partita = 0;
    double best = -1;
    for (int s = 1; s <= 9; ++s) {
        const double seat_total = m_.Tabella_Carte(list::kMatch, s, 1);
        if (seat_total > threshold && seat_total > best) {
            threshold = best = seat_total;
            m_.Vincitore_Partita = static_cast<std::int16_t>(s);
        }
    }
}

void Engine::end_hand_against_target() {
    find_match_winner(m_.Punti_Da_Raggiungere);
    if (m_.Vincitore_Partita == 0) {
        program_.animation.Mostra_Fine_Partita();
        return;
    }
    announce_winner(program_);
    Fine_Partita();
}

void Engine::Fine_Mano() {
    switch (m_.Codice_Gioco) {
        case game::kBriscola:
            end_hand_briscola();
            return;
        case game::kScopa:
            end_hand_scopa();
            return;
        case game::kTresette:
            end_hand_tresette();
            return;
        default:
            return;
    }
}

void Engine::end_hand_briscola() {
    auto& cards = m_.Tabella_Carte;
    switch (m_.Modalita_Partita) {
        case 1:
            Verifica_Fine_Partita();
            announce_winner(program_);
            Fine_Partita();
            return;
        case 2:
        case 4:
            // The hand's points join the match totals.
            count_pile_points();
            for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
                store16(cards(list::kMatch, L - 10, 1),
                        cards(list::kMatch, L - 10, 1) + cards(L, list::kScoreCell, 1));
            }
            end_hand_against_target();
            return;
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

void Engine::end_hand_scopa() {
    auto& cards = m_.Tabella_Carte;
    table::MasterWindow& w = program_.master;
    program_.animation.Attendi_Pausa_Movimento_5();

    // The cards left on the table go to the last taker.
    Svuota_Lista(list::kCapture);
    int k = 0;
    for (int i = 1; i <= 40; ++i) {
        if (cards(list::kTable, i, attr::kSuit) == 0) continue;
        ++k;
        cards(list::kCapture, k, attr::kSuit) = cards(list::kTable, i, attr::kSuit);
        cards(list::kCapture, k, attr::kValue) = cards(list::kTable, i, attr::kValue);
        cards(list::kCapture, k, attr::kOwner) = static_cast<std::int16_t>(i);
        if (table::Control* picture = w.P.find(200 + i)) picture->Visible = false;
    }
    cards(list::kCapture, list::kScoreCell, 1) = static_cast<std::int16_t>(k);
    Aggiorna_Punteggi();
    program_.animation.Raccogli_Presa();
    Assegna_Punti_Fine_Mano();
    program_.animation.Abilita_Menu();

    const int mode = m_.Modalita_Partita;
    if (mode != 1 && mode != 2) return;
    Aggiorna_Punteggi();
    // The hand's points, the rule points and the sweeps, join the match totals; the
    // piles' cells are ready for the next hand.
    for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
        std::int16_t& total = cards(list::kMatch, L - 10, 1);
        const int hand = cards(L, list::kScoreCell, 1) + cards(list::kMatch, L, 1);
        if (mode == 1) {
            total = static_cast<std::int16_t>(hand);
        } else {
            store16(total, total + hand);
            if (table::Control* label = w.LBL_Parziale_Punti.find(L - 10))
                label->Caption = format_plain(hand);
        }
        cards(L, list::kScoreCell, 1) = 0;
        cards(list::kMatch, L, 1) = 0;
    }

    if (mode == 1) {
        find_match_winner(0);
        if (m_.Vincitore_Partita == 0) {
            // Nobody scored: the single hand is drawn.
            program_.show_message("Fine Partita", "Partita in parità");
        } else {
            announce_winner(program_);
        }
        m_.Partita_Terminata = true;
        Fine_Partita();
        return;
    }
    end_hand_against_target();
}

void Engine::end_hand_tresette() {
    auto& cards = m_.Tabella_Carte;
    table::MasterWindow& w = program_.master;
    w.LBL_Parola_Tresette.Visible = false;
    const int mode = m_.Modalita_Partita;
    if (mode != 1 && mode != 2) return;

    // The hand in thirds: the cards, the declarations and the last trick's point.
    count_pile_points();
    Somma_Punti_Accusi();
    if (m_.Partita_Finita && m_.Ultimo_Presa >= 1 && m_.Ultimo_Presa <= 9) {
        std::int16_t& last = cards(m_.Ultimo_Presa + 10, list::kScoreCell, 1);
        store16(last, last + 3);
    }
    const auto label_hand = [&](int s) {
        table::Control* label = w.LBL_Parziale_Punti.find(s);
        if (label == nullptr || !label->Enabled) return false;
        const int thirds = cards(s + 10, list::kScoreCell, 1);
        label->Caption = thirds_caption(thirds);
        label->Tag = format_plain(thirds);
        return true;
    };

    if (mode == 1) {
        m_.Vincitore_Partita = 0;
        int best = 0;
        for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
            if (cards(L, list::kScoreCell, 1) > best) {
                best = cards(L, list::kScoreCell, 1);
                m_.Vincitore_Partita = static_cast<std::int16_t>(L - 10);
            }
        }
        for (int s = 1; s <= 9; ++s) {
            if (label_hand(s)) w.LBL_Totale_Punti(s).Caption = "-";
        }
        announce_winner(program_);
        Fine_Partita();
        return;
    }

    // Only the hand's whole points join the match total.
    for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
        std::int16_t& total = cards(list::kMatch, L - 10, 1);
        store16(total, 3 * (total / 3) + 3 * (cards(L, list::kScoreCell, 1) / 3));
    }
    for (int s = 1; s <= 9; ++s) {
        if (!label_hand(s)) continue;
        const int total = cards(list::kMatch, s, 1);
        w.LBL_Totale_Punti(s).Caption =
            format_plain(total / 3) + " / " + format_plain_number(std::floor(m_.Punti_Da_Raggiungere / 3));
        w.LBL_Totale_Punti(s).Tag = format_plain(total);
    }
    end_hand_against_target();
}

namespace {
// The pile whose figure is the greatest, above 0 and held by no other pile; 0 when
// there is none.
int single_best(const std::array<int, 9>& figures) {
    int max = 0;
    int best = 0;
    for (int i = 0; i < 9; ++i) {
        if (figures[i] == max) best = 0;
        if (figures[i] > max) {
            max = figures[i];
            best = list::kFirstPile + i;
        }
    }
    return best;
}
}  // namespace

void Engine::Assegna_Punti_Fine_Mano() {
    auto& cards = m_.Tabella_Carte;
    const auto& rules = program_.settings.Regole_Partita;
    const auto on = [&rules](int entry) { return rules(entry) == 1; };
    const int suit = rules(20);

    std::array<int, 9> counts{};
    for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
        cards(L, list::kScoreCell, 1) = 0;
        counts[L - list::kFirstPile] = Conta_Carte_Iniziali(L);
    }
    const auto award = [&cards](int pile) {
        if (pile != 0) ++cards(pile, list::kScoreCell, 1);
    };

    if (on(11)) award(single_best(counts));
    if (on(13)) {
        std::array<int, 9> of_suit{};
        for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
            for (int p = 1; p <= counts[L - list::kFirstPile]; ++p) {
                if (cards(L, p, attr::kSuit) == suit) ++of_suit[L - list::kFirstPile];
            }
        }
        award(single_best(of_suit));
    }
    // The chosen suit's cards whose values are switched on, a point each.
    for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
        for (int p = 1; p <= counts[L - list::kFirstPile]; ++p) {
            const int value = cards(L, p, attr::kValue);
            if (cards(L, p, attr::kSuit) == suit && value >= 1 && value <= 10 && on(value)) award(L);
        }
    }
    if (on(12)) {
        // Primiera: the best card of each suit, by its primiera figure, summed.
        std::array<int, 9> figures{};
        for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
            std::array<int, 4> best_of_suit{};
            for (int p = 1; p <= counts[L - list::kFirstPile]; ++p) {
                const int card_suit = cards(L, p, attr::kSuit);
                if (card_suit < 1 || card_suit > 4) continue;
                const int figure = cards(31, (card_suit - 1) * 10 + cards(L, p, attr::kValue), 1);
                best_of_suit[card_suit - 1] = std::max(best_of_suit[card_suit - 1], figure);
            }
            for (int best : best_of_suit) figures[L - list::kFirstPile] += best;
        }
        award(single_best(figures));
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
        case game::kCamicia: {
            Conta_Carte_Lista_2();
            Conta_Carte_Lista_3();
            table::MasterWindow& w = program_.master;
            w.Label1.Caption = format_plain(m_.Carte_Mazzo_3);
            w.Label2.Caption = format_plain(m_.Carte_Mazzo_2);
            m_.Partita_Finita = false;
            const auto decide = [this](int winner) {
                m_.Vincitore_Partita = static_cast<std::int16_t>(winner);
                m_.Partita_Finita = true;
            };
            if (m_.Modalita_Partita == 2) {
                // The first pile to hold the chosen number of cards wins.
                if (m_.Carte_Mazzo_3 >= m_.Numero_Carte_Camicia) decide(3);
                if (m_.Carte_Mazzo_2 >= m_.Numero_Carte_Camicia) decide(2);
            }
            // In every kind of match a player left without cards loses: the computer's
            // turn and the human's click have nothing to turn from an empty pile.
            if (!m_.Partita_Finita) {
                if (m_.Carte_Mazzo_3 == 0) decide(2);
                if (m_.Carte_Mazzo_2 == 0) decide(3);
            }
            if (m_.Partita_Finita) Fine_Partita();
            return;
        }
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
            m_.Partita_Terminata = true;
            if (m_.Vincitore_Partita == 2) {
                program_.show_message("Complimenti...", "Hai vinto la partita!");
            } else {
                program_.show_message("Riprova...", "Hai perso!");
            }
            w.PIC_Tavolo.Visible = false;
            program_.animation.Abilita_Menu();
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
