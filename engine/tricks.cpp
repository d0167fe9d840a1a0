// The trick: which card takes it under the Briscola rule (codes 1 and 6) or the
// Tresette rule (code 4), the seat that leads next, the partnerships of four
// players, the computer players' look-ahead on a trick not yet complete, and
// Tresette's duty to follow suit.

#include <algorithm>

#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

namespace {

enum class Rule { None, Briscola, Tresette };

Rule trick_rule(int game_code) {
    switch (game_code) {
        case game::kBriscola:
        case game::kBriscolaVariant:
            return Rule::Briscola;
        case game::kTresette:
            return Rule::Tresette;
        default:
            return Rule::None;
    }
}

int card_id(int suit, int value) {
    return (suit - 1) * 10 + value;
}

// True when the table card at `position` beats the best card so far (list 10,
// position 5). An empty position never does.
bool beats_best(const CardTable& cards, Rule rule, int position) {
    const int suit = cards(list::kTable, position, attr::kSuit);
    const int value = cards(list::kTable, position, attr::kValue);
    const int best_suit = cards(list::kTurnCells, 5, attr::kSuit);
    const int best_value = cards(list::kTurnCells, 5, attr::kValue);
    if (suit == 0) return false;
    if (suit != best_suit) {
        return rule == Rule::Briscola && suit == cards(list::kDeck, 1, attr::kSuit);
    }
    if (rule == Rule::Tresette) {
        return cards(32, card_id(suit, value), 1) > cards(32, card_id(best_suit, best_value), 1);
    }
    const int points = cards(31, card_id(suit, value), 1);
    const int best_points = cards(31, card_id(best_suit, best_value), 1);
    return points > best_points || (points == best_points && value > best_value);
}

// The search over table positions 1..count: the best card ends in list 10,
// position 5, and its owner in `Vincitore_Mano`.
void find_best_card(MatchState& m, Rule rule, int count) {
    auto& cards = m.Tabella_Carte;
    for (int a = 1; a <= 3; ++a) cards(list::kTurnCells, 5, a) = cards(list::kTable, 1, a);
    for (int i = 2; i <= count; ++i) {
        if (!beats_best(cards, rule, i)) continue;
        for (int a = 1; a <= 3; ++a) cards(list::kTurnCells, 5, a) = cards(list::kTable, i, a);
    }
    m.Vincitore_Mano = cards(list::kTurnCells, 5, attr::kOwner);
}

}  // namespace

void Engine::Determina_Vincitore_Mano() {
    const Rule rule = trick_rule(m_.Codice_Gioco);
    if (rule == Rule::None) return;

    find_best_card(m_, rule, m_.Numero_Giocatori);
    // The seat that won leads the next trick, whatever pile its cards go to.
    for (int i = 1; i <= m_.Numero_Giocatori; ++i) {
        if (m_.Ordine_Giocatori(i) == m_.Vincitore_Mano) {
            m_.Indice_Turno_Vincitore = static_cast<std::int16_t>(i);
            m_.Indice_Turno = static_cast<std::int16_t>(i);
        }
    }
    Mappa_Giocatore_Squadra();
    program_.animation.Raccogli_Presa();
}

void Engine::Determina_Vincitore_Mano_Squadre() {
    const Rule rule = trick_rule(m_.Codice_Gioco);
    if (rule == Rule::None) return;

    Conta_Carte_Tavolo();
    // The look-ahead always has the candidate card on the table; with none there is
    // nobody to report.
    if (m_.Carte_In_Tavola < 1) return;
    m_.Giocatore_Ultima_Carta = m_.Tabella_Carte(list::kTable, m_.Carte_In_Tavola, attr::kOwner);
    find_best_card(m_, rule, m_.Carte_In_Tavola);
    if (rule == Rule::Briscola) {
        Mappa_Compagno();
    } else {
        Mappa_Giocatore_Squadra();
    }
}

void Engine::Mappa_Giocatore_Squadra() {
    m_.Vincitore_Effettivo = m_.Vincitore_Mano;
    if (m_.Numero_Giocatori != 4) return;
    // Pairs 9 and 2, 1 and 3: a team's tricks go to the pile of 9 or of 1.
    if (m_.Vincitore_Mano == 2) m_.Vincitore_Mano = 9;
    if (m_.Vincitore_Mano == 3) m_.Vincitore_Mano = 1;
}

void Engine::Mappa_Compagno() {
    if (m_.Numero_Giocatori != 4) return;
    // A trick the partner would take counts for the seat trying its card.
    const int winner = m_.Vincitore_Mano;
    const int last = m_.Giocatore_Ultima_Carta;
    if (winner == 1 && last == 3) m_.Vincitore_Mano = 3;
    if (winner == 3 && last == 1) m_.Vincitore_Mano = 1;
    if (winner == 9 && last == 2) m_.Vincitore_Mano = 2;
}

bool may_play_tresette(const MatchState& m, int seat, int position) {
    if (m.Carte_In_Tavola <= 0) return true;
    const auto& cards = m.Tabella_Carte;
    const int led = cards(list::kTable, 1, attr::kSuit);
    if (cards(seat, position, attr::kSuit) == led) return true;
    // The hand's positions end at its size: three players hold 13 cards, and no
    // card lies beyond the size in any game.
    const int hand = std::clamp(m.Carte_In_Mano, 0, 40);
    for (int p = 1; p <= hand; ++p) {
        if (cards(seat, p, attr::kSuit) == led) return false;
    }
    return true;
}

}  // namespace tavolora::engine
