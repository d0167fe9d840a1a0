// Briscola's card choice: a random card, or each hand card played into a simulated
// trick and scored (list 35 and list 36 by hand position), then the best position.

#include <algorithm>
#include <string>

#include "core/fatal.h"
#include "core/numbers.h"
#include "players/players.h"
#include "program/program.h"

namespace tavolora::players {

namespace {

// The figure an empty hand position gets, below every card's.
constexpr std::int16_t kNoCard = -30000;

int card_id(int suit, int value) {
    return (suit - 1) * 10 + value;
}

}  // namespace

void Players::Scegli_Carta_Casuale() {
    engine::MatchState& m = program_.match;
    const int seat = m.Giocatore_Corrente;
    bool holds_card = false;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) holds_card = holds_card || m.Tabella_Carte(seat, p, 1) != 0;
    if (!holds_card) {
        fatal("Scegli_Carta_Casuale: seat " + std::to_string(seat) + " holds no card");
    }
    // Draw until the position holds a card.
    do {
        const double r = program_.random.next_unit();
        const int p = static_cast<int>(r * m.Carte_In_Mano + 1);
        m.Tabella_Giocatori(seat, 4) = static_cast<std::int16_t>(std::min(p, m.Carte_In_Mano));
    } while (m.Tabella_Carte(seat, m.Tabella_Giocatori(seat, 4), engine::attr::kSuit) == 0);
}

void Players::Valuta_Carte_Computer() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    const int difficulty = program_.settings.Difficolta;
    const int trump = cards(engine::list::kDeck, 1, engine::attr::kSuit);
    table::Control& trace = program_.master.List1;

    program_.engine.Svuota_Lista(35);
    program_.engine.Conta_Carte_Tavolo();
    const int n = m.Carte_In_Tavola;  // 0: the seat leads
    const int own = n + 1;            // the table place of the card tried
    trace.Clear();

    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int suit = cards(seat, p, engine::attr::kSuit);
        if (suit == 0) {
            cards(35, p, 1) = kNoCard;
            cards(36, p, 1) = kNoCard;
            continue;
        }
        for (int a = 1; a <= 3; ++a) cards(engine::list::kTable, own, a) = cards(seat, p, a);
        const int K = cards(33, card_id(suit, cards(seat, p, engine::attr::kValue)), 1);
        cards(35, p, 3) = static_cast<std::int16_t>(K);

        program_.engine.Determina_Vincitore_Mano_Squadre();
        const bool won = m.Vincitore_Mano == seat;

        // P: the points of the whole simulated trick; V: the base ranks of the
        // cards played before the seat's.
        int P = 0;
        int V = 0;
        for (int q = 1; q <= own; ++q) {
            const int id = card_id(cards(engine::list::kTable, q, engine::attr::kSuit),
                                   cards(engine::list::kTable, q, engine::attr::kValue));
            P += cards(31, id, 1);
            if (q < own) V += cards(32, id, 1);
        }
        cards(35, p, 2) = static_cast<std::int16_t>(V);
        cards(35, p, 1) = static_cast<std::int16_t>(P);

        if (difficulty < 3) {
            const int s = m.Numero_Giocatori - own == 0 ? 1 : -1;  // playing last
            if (!won) {
                cards(35, p, 1) = static_cast<std::int16_t>(-P);
                cards(36, p, 1) = static_cast<std::int16_t>(-K);
            } else if (suit == trump) {
                cards(36, p, 1) = static_cast<std::int16_t>(s * (K - V));
            } else {
                cards(36, p, 1) = static_cast<std::int16_t>(s * K + 4);
            }
        } else if (difficulty == 3) {
            const int D = won ? 4 : -4;
            trace.AddItem("valore= " + format_plain(V));
            trace.AddItem("costo= " + format_plain(K));
            int total = V - K;
            if (suit == trump) {
                if (n > 0) total = V - K + D;
            } else if (D > 0 && n > 0) {
                total = V + K + D;
            }
            cards(35, p, 1) = static_cast<std::int16_t>(total);
            trace.AddItem("tot= " + format_plain(total));
        }
        trace.AddItem("");

        // The recount inside the look-ahead found the tried card last.
        for (int a = 1; a <= 3; ++a) cards(engine::list::kTable, m.Carte_In_Tavola, a) = 0;
    }
    m.Contatori(9) = 0;
}

void Players::Scegli_Carta_Max_35() {
    choose_max(35);
}

void Players::Scegli_Carta_Max_36() {
    choose_max(36);
}

void Players::choose_max(int lista) {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    std::int16_t& choice = m.Tabella_Giocatori(m.Giocatore_Corrente, 4);
    choice = 1;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        if (cards(lista, p, 1) > cards(lista, choice, 1)) choice = static_cast<std::int16_t>(p);
    }
}

}  // namespace tavolora::players
