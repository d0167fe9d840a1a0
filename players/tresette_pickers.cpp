// Tresette's building blocks: the card counting that tells the computer which cards
// are out and which have become master cards, the restriction of the hand to the
// cards that may follow the led suit (and its restore), and the pickers. Each picker
// looks at the hand of the seat to move and writes one hand position into column 4
// of its row, 0 when no card meets its criterion.

#include <cstdint>

#include "core/numbers.h"
#include "players/players.h"
#include "program/program.h"

namespace tavolora::players {

namespace {

using engine::attr::kSuit;
using engine::attr::kValue;
using engine::list::kTable;
using engine::list::kTurnCells;

// The per-card figures, by card id: points (thirds), base rank, and the strength
// the counting keeps; list 34 attribute 1 marks a card that is out.
constexpr int kPoints = 31;
constexpr int kBaseRank = 32;
constexpr int kCounting = 34;
constexpr int kOut = 88;
// The put-aside cards of the restricted hand, and the suit tallies.
constexpr int kPutAside = 35;
constexpr int kWork = 36;

// A strength above this makes a master card: no higher card of its suit in play.
constexpr int kMasterAbove = 299;

// The Tresette order, from the highest card down.
constexpr int kTresetteOrder[10] = {3, 2, 1, 10, 9, 8, 7, 6, 5, 4};

int card_id(int suit, int value) {
    return (suit - 1) * 10 + value;
}

// A figure of the card at (lista, position); an empty position has none (0).
int figure_at(const engine::CardTable& cards, int figure_list, int figure_attr, int lista, int position) {
    const int suit = cards(lista, position, kSuit);
    if (suit == 0) return 0;
    return cards(figure_list, card_id(suit, cards(lista, position, kValue)), figure_attr);
}

int strength_at(const engine::CardTable& cards, int lista, int position) {
    return figure_at(cards, kCounting, 2, lista, position);
}

enum class Search { Maximum, Minimum };

// The search of most pickers: over hand positions 1..`Carte_In_Mano`, the first
// occupied position that passes `filter` and whose figure beats the running best
// strictly, the best starting at `start`. Column 4 gets the position, or 0; `best`
// keeps the last best.
template <class Filter, class Figure>
void search_hand(engine::MatchState& m, Search kind, int start, double& best, Filter filter, Figure figure) {
    const int seat = m.Giocatore_Corrente;
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    best = start;
    choice = 0;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        if (m.Tabella_Carte(seat, p, kSuit) == 0 || !filter(p)) continue;
        const int f = figure(p);
        if (kind == Search::Maximum ? f > best : f < best) {
            best = f;
            choice = static_cast<std::int16_t>(p);
        }
    }
}

}  // namespace

int Players::partner_of(int seat) {
    switch (seat) {
        case 1:
            return 3;
        case 2:
            return 9;
        case 3:
            return 1;
        default:
            return 0;
    }
}

// --- The card counting ------------------------------------------------------------

void Players::Aggiorna_Forza_Carte() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;

    program_.engine.Svuota_Lista(kCounting);

    // The per-suit tallies only grow and nobody reads them; a tally at the top of
    // the 16-bit range stays there rather than wrap after some hundred hands.
    const auto tally = [&m](int suit) {
        std::int16_t& cell = m.Contatori(suit);
        store16(cell, cell + 1LL);
    };
    for (int p = 1; p <= 40; ++p) {
        const int suit = cards(seat, p, kSuit);
        if (suit != 0) tally(suit);
    }
    for (int pile = engine::list::kFirstPile; pile <= engine::list::kLastPile; ++pile) {
        for (int p = 1; p <= 40; ++p) {
            const int suit = cards(pile, p, kSuit);
            if (suit == 0) continue;
            tally(suit);
            cards(kCounting, card_id(suit, cards(pile, p, kValue)), 1) = kOut;
        }
    }

    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) {
            const int id = card_id(suit, value);
            cards(kCounting, id, 2) = cards(kBaseRank, id, 1);
        }
    }
    // Every card gains 33 for each higher card of its suit that is out.
    for (int higher = 0; higher < 10; ++higher) {
        for (int suit = 1; suit <= 4; ++suit) {
            if (cards(kCounting, card_id(suit, kTresetteOrder[higher]), 1) != kOut) continue;
            for (int lower = higher + 1; lower < 10; ++lower) {
                std::int16_t& strength = cards(kCounting, card_id(suit, kTresetteOrder[lower]), 2);
                strength = static_cast<std::int16_t>(strength + 33);
            }
        }
    }
}

// --- The playable cards -----------------------------------------------------------

void Players::Limita_Carte_Giocabili() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;

    program_.engine.Svuota_Lista(kPutAside);
    program_.engine.Conta_Carte_Tavolo();
    // Leading, or with no card of the led suit: every card may be played. A card set
    // aside is never of the led suit, so the answers for the positions still to come
    // stand while the hand shrinks.
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        if (engine::may_play_tresette(m, seat, p)) continue;
        for (int a = 1; a <= 3; ++a) {
            cards(kPutAside, p, a) = cards(seat, p, a);
            cards(seat, p, a) = 0;
        }
    }
}

void Players::Ripristina_Mano() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        if (cards(kPutAside, p, kSuit) == 0) continue;
        for (int a = 1; a <= 3; ++a) {
            cards(seat, p, a) = cards(kPutAside, p, a);
            cards(kPutAside, p, a) = 0;
        }
    }
}

// --- The search pickers -----------------------------------------------------------

void Players::Scegli_Carta_Vincente_Seme() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    const int led = cards(kTable, 1, kSuit);
    const int led_strength = strength_at(cards, kTable, 1);
    search_hand(
        m, Search::Maximum, -1, m.Valore_Massimo,
        [&](int p) { return cards(seat, p, kSuit) == led && strength_at(cards, seat, p) > led_strength; },
        [&](int p) { return figure_at(cards, kPoints, 1, seat, p); });
    // A Two or a Three is kept for the tricks it takes by rank, never spent on one
    // card's third.
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    if (choice != 0 && m.Valore_Massimo < 3) {
        const int value = cards(seat, choice, kValue);
        if (value == 2 || value == 3) choice = 0;
    }
}

void Players::Scegli_Carta_Dominante() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    const auto strength = [&](int p) { return strength_at(cards, seat, p); };

    program_.engine.Conta_Carte_Tavolo();
    if (m.Carte_In_Tavola == 0) {
        search_hand(
            m, Search::Maximum, kMasterAbove, m.Valore_Massimo, [](int) { return true; }, strength);
        return;
    }
    program_.engine.Determina_Vincitore_Mano_Squadre();
    const int led = cards(kTable, 1, kSuit);
    search_hand(
        m, Search::Maximum, strength_at(cards, kTurnCells, 5), m.Valore_Massimo,
        [&](int p) { return cards(seat, p, kSuit) == led; }, strength);
}

void Players::Scegli_Carta_Dominante_Seme() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    search_hand(
        m, Search::Maximum, kMasterAbove, m.Valore_Massimo,
        [&](int p) { return cards(seat, p, kSuit) == m.Seme_Scelto; },
        [&](int p) { return strength_at(cards, seat, p); });
}

void Players::Scegli_Carta_Forte_Seme() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    search_hand(
        m, Search::Maximum, -1, m.Valore_Massimo,
        [&](int p) { return cards(seat, p, kSuit) == m.Seme_Scelto; },
        [&](int p) { return strength_at(cards, seat, p); });
}

void Players::Scegli_Carta_Minima() {
    Aggiorna_Forza_Carte();
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    search_hand(
        m, Search::Minimum, 1000, m.Valore_Minimo, [](int) { return true; },
        [&](int p) { return figure_at(cards, kBaseRank, 1, seat, p); });
}

void Players::Scegli_Carta_Minima_Seme() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    search_hand(
        m, Search::Minimum, 1000, m.Valore_Minimo,
        [&](int p) { return cards(seat, p, kSuit) == m.Seme_Scelto; },
        [&](int p) { return figure_at(cards, kBaseRank, 1, seat, p); });
}

void Players::Scegli_Carta_Piu_Punti() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    search_hand(
        m, Search::Maximum, -1, m.Valore_Massimo, [](int) { return true; },
        [&](int p) { return figure_at(cards, kPoints, 1, seat, p); });
}

void Players::Scegli_Carta_Punti_Non_Alta() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    search_hand(
        m, Search::Maximum, -1, m.Valore_Massimo, [&](int p) { return strength_at(cards, seat, p) < 269; },
        [&](int p) { return figure_at(cards, kPoints, 1, seat, p); });
}

// --- The other pickers ------------------------------------------------------------

void Players::Cerca_Carta_Seme_Valore() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    choice = 0;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int suit = cards(seat, p, kSuit);
        if (suit != 0 && suit == m.Seme_Scelto && cards(seat, p, kValue) == m.Valore_Cercato) {
            choice = static_cast<std::int16_t>(p);
        }
    }
}

void Players::Scegli_Carta_Seme_Soglia() {
    engine::MatchState& m = program_.match;
    const auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    std::int16_t& choice = m.Tabella_Giocatori(seat, 4);
    choice = 0;

    // The next seat in turn order, back to the first after the last player.
    int k = m.Indice_Turno + 1;
    if (k < 1 || k > 9 || m.Ordine_Giocatori(k) == 0) k = 1;
    m.Compagno = k;
    const int next = m.Ordine_Giocatori(k);
    const int led = cards(kTable, 1, kSuit);

    // Its best card of the led suit (0 when it holds none, or there is no order).
    int best = 0;
    if (next >= 1 && next <= 9 && led != 0) {
        for (int p = 1; p <= m.Carte_In_Mano; ++p) {
            if (cards(next, p, kSuit) == led && strength_at(cards, next, p) > best)
                best = strength_at(cards, next, p);
        }
    }
    m.Valore_Massimo = best;
    m.Seme_Scelto = led;

    // The last card of the suit that tops it by less than 60: less than two steps of
    // the order, counting the cards out.
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int suit = cards(seat, p, kSuit);
        if (suit == 0 || suit != m.Seme_Scelto) continue;
        const int strength = strength_at(cards, seat, p);
        if (strength > best && strength < best + 60) choice = static_cast<std::int16_t>(p);
    }
    if (choice == 0) Scegli_Carta_Minima();
}

void Players::Valuta_Carte_Alte() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;
    m.Compagno = partner_of(seat);

    // Who holds the master card of each suit, every hand looked at.
    for (int suit = 1; suit <= 4; ++suit) cards(kWork, suit, 1) = 0;
    for (int holder = 1; holder <= 9; ++holder) {
        for (int p = 1; p <= m.Carte_In_Mano; ++p) {
            const int suit = cards(holder, p, kSuit);
            if (suit != 0 && strength_at(cards, holder, p) > kMasterAbove) {
                cards(kWork, suit, 1) = static_cast<std::int16_t>(holder);
            }
        }
    }

    Ripristina_Mano();
    // The last suit (in the order 1 to 4) that the partner commands and the seat holds.
    for (int suit = 1; suit <= 4; ++suit) {
        if (cards(kWork, suit, 1) != m.Compagno) continue;
        bool holds = false;
        for (int p = 1; p <= m.Carte_In_Mano && !holds; ++p) holds = cards(seat, p, kSuit) == suit;
        if (!holds) continue;
        m.Seme_Scelto = suit;
        Scegli_Carta_Minima_Seme();
    }
}

void Players::Scegli_Seme_Da_Giocare() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;

    // Positions 1..4: the other seat's count of each suit (attribute 1) and a mark of
    // its Ace (10) or Three (1) there (attribute 3); 11..14 the own counts.
    for (int suit = 1; suit <= 4; ++suit) {
        for (int a = 1; a <= 3; ++a) {
            cards(kWork, suit, a) = 0;
            cards(kWork, 10 + suit, a) = 0;
        }
    }
    const auto add = [](std::int16_t& cell, int n) { cell = static_cast<std::int16_t>(cell + n); };
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int suit = cards(seat, p, kSuit);
        if (suit != 0) add(cards(kWork, 10 + suit, 1), 1);
    }
    // Played by two only: the "partner" is the opponent.
    m.Compagno = partner_of(seat);
    if (m.Compagno != 0) {
        for (int p = 1; p <= m.Carte_In_Mano; ++p) {
            const int suit = cards(m.Compagno, p, kSuit);
            if (suit == 0) continue;
            add(cards(kWork, suit, 1), 1);
            const int value = cards(m.Compagno, p, kValue);
            if (value == 1) add(cards(kWork, suit, 3), 10);
            if (value == 3) cards(kWork, suit, 3) = 1;
        }
    }

    // The suit where the own hand outnumbers the other's most; the lower suit on a tie.
    m.Valore_Massimo = -10;
    for (int suit = 1; suit <= 4; ++suit) {
        const int own = cards(kWork, 10 + suit, 1);
        if (own <= 0) continue;
        const int difference = own - cards(kWork, suit, 1);
        if (difference > m.Valore_Massimo) {
            m.Seme_Scelto = suit;
            m.Valore_Massimo = difference;
        }
    }

    // A lone Ace of the other seat's falls to a master card.
    const int chosen = m.Seme_Scelto;
    const bool lone_ace =
        chosen >= 1 && chosen <= 4 && cards(kWork, chosen, 1) == 1 && cards(kWork, chosen, 3) > 9;
    if (lone_ace) {
        Scegli_Carta_Dominante_Seme();
    } else {
        Scegli_Carta_Minima_Seme();
    }
}

void Players::Scegli_Carta_Minima_Per_Seme() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    const int seat = m.Giocatore_Corrente;

    for (int suit = 1; suit <= 4; ++suit) cards(kWork, suit, 1) = 0;
    m.Compagno = engine::seat::kHuman;
    for (int p = 1; p <= m.Carte_In_Mano; ++p) {
        const int suit = cards(engine::seat::kHuman, p, kSuit);
        if (suit != 0) cards(kWork, suit, 1) = 1;
    }
    for (int suit = 1; suit <= 4; ++suit) {
        if (cards(kWork, suit, 1) != 0) continue;
        m.Seme_Scelto = suit;
        Scegli_Carta_Minima_Seme();
        if (m.Tabella_Giocatori(seat, 4) != 0) return;
    }
}

}  // namespace tavolora::players
