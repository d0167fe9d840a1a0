#pragma once

// The match engine's program-wide variables. One instance lives in each Program.

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/fatal.h"
#include "core/fixed_array.h"
#include "core/games.h"

namespace tavolora::engine {

// Every card of a hand wherever it lies, and every per-card figure of the current
// game: list 1..38, position 1..41, attribute 1..3 (suit, value, owner seat). A
// position is empty when its suit is 0.
using CardTable = FixedArray3<std::int16_t, 38, 41, 3>;

// The lists of the card table.
namespace list {
inline constexpr int kHumanHand = 9;
inline constexpr int kTurnCells = 10;  // (10, 1, 1) the deck counter
inline constexpr int kFirstPile = 11;  // captured piles: seat + 10, 11..19
inline constexpr int kLastPile = 19;
inline constexpr int kTable = 20;
inline constexpr int kDeck = 21;
inline constexpr int kCamiciaTable = 4;  // Camicia's central pile
inline constexpr int kMatch = 37;        // match totals, declarations, sweep counts
inline constexpr int kCapture = 38;      // Scopa's capture index list
inline constexpr int kScoreCell = 41;    // the position of a pile's score cells
}  // namespace list

// Attributes of a card entry.
namespace attr {
inline constexpr int kSuit = 1;
inline constexpr int kValue = 2;
inline constexpr int kOwner = 3;
}  // namespace attr

// Game codes: the four games (core/games.h), and the two the engine keeps besides.
namespace game {
inline constexpr int kBriscola = games::kBriscola;
inline constexpr int kScopa = games::kScopa;
inline constexpr int kCamicia = games::kCamicia;
inline constexpr int kTresette = games::kTresette;
inline constexpr int kDeckOnly = games::kDeckOnly;
inline constexpr int kBriscolaVariant = games::kBriscolaVariant;
}  // namespace game

// Seat codes: 9 the human, 1..3 the computer seats (2 in front).
namespace seat {
inline constexpr int kHuman = 9;
}  // namespace seat

// The most cards the table can hold in Scopa: a card equal to a table card or to the
// sum of some of them always captures, so no more than 13 ever lie there.
inline constexpr int kMostTableCards = 13;

// The ordinals of one combination of table cards, held in place: a full table makes
// 8,191 of them at every Scopa turn, and none of them needs the heap. It reads,
// compares and orders as a vector of its ordinals would.
class Combination {
public:
    using value_type = std::uint8_t;
    using const_iterator = const std::uint8_t*;
    using iterator = const_iterator;

    Combination() = default;
    Combination(std::initializer_list<std::uint8_t> ordinals) {
        for (std::uint8_t k : ordinals) push_back(k);
    }

    // More ordinals than the table can hold cards is a programmer's error.
    void push_back(std::uint8_t ordinal) {
        if (size_ >= kMostTableCards) fatal("a combination of more cards than the table holds");
        ordinals_[size_++] = ordinal;
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::uint8_t back() const { return ordinals_[size_ - 1]; }
    std::uint8_t operator[](std::size_t i) const { return ordinals_[i]; }
    const_iterator begin() const { return ordinals_.data(); }
    const_iterator end() const { return ordinals_.data() + size_; }

    friend bool operator==(const Combination& a, const Combination& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend std::strong_ordering operator<=>(const Combination& a, const Combination& b) {
        return std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::array<std::uint8_t, kMostTableCards> ordinals_{};
    std::uint8_t size_ = 0;
};

// The capture sums of the table at the start of a Scopa turn: every combination of
// the cards on the table with its sum, as ordered lists read by index. A
// combination is the ordinals of its cards (1 for the first card collected in table
// order, 2 for the second...), strictly increasing. Entries come by size (all
// singles in ordinal order, then all pairs in increasing order, then all triples...),
// so every tie rule that reads the lists in order keeps its meaning.
struct CaptureSums {
    using Combination = engine::Combination;
    // The ordinals collected, in table order.
    std::vector<int> ELE;
    // For ordinal k, at index k - 1, the table position of its card.
    std::vector<int> Posizione_Elemento;
    std::vector<Combination> LTOT;
    std::vector<int> LTOT_Somme;
    // By the same index: the admissible captures of the card just played (nothing
    // for the others), and their capture values (-100 for the others), which rank
    // as their decimal text would.
    std::vector<std::optional<Combination>> Lista_Prese_Possibili;
    std::vector<int> Lista_Prese_Possibili_Valore;
    int Combinazioni_Pronte = 0;
    int Numero_Elementi = 0;
};

struct MatchState {
    CardTable Tabella_Carte{};

    std::int16_t Codice_Gioco = 0;
    // The kind of match: 1 single hand, 2 target score, 3 games won, 4 the 151
    // variant; in Camicia the index of the chosen Camicia option.
    int Modalita_Partita = 0;
    // The card count that wins a Camicia game to a number of cards.
    std::int16_t Numero_Carte_Camicia = 0;
    // The hand is over (and, once the end is handled, the match is decided).
    bool Partita_Finita = false;
    // The end of the match has been handled.
    bool Partita_Terminata = false;

    // The match set-up's choices.
    int Numero_Giocatori = 2;
    int Primo_Giocatore = 0;  // 0 the human (9 once the order is built) or a computer seat
    int Carte_In_Mano = 3;
    std::int16_t Carte_Tavola_Iniziali = 0;
    // The computer seats' names, 20 characters each, "-" for a seat not in play.
    FixedArray<std::string, 1, 3> Nomi_Giocatori{};
    double Punti_Da_Raggiungere = 0;
    double Partite_Da_Vincere = 0;
    bool Ferma_Punteggio = false;
    // The linear rule of the card values: order number x factor + addend.
    double Fattore_Forza = 1;
    int Incremento_Forza = 3;

    // The turn order, the seat that played last and the last trick's winner.
    FixedArray<std::int16_t, 1, 9> Ordine_Giocatori{};
    std::int16_t Indice_Turno = 0;
    std::int16_t Indice_Turno_Vincitore = 0;
    std::int16_t Numero_Mano = 0;
    // The computer seat about to play.
    std::int16_t Giocatore_Corrente = 0;
    // By seat: (s, 1..3) the card the seat is playing, (s, 4) its hand position;
    // (5, 1) in Scopa the table place of the card being played.
    FixedArray2<std::int16_t, 9, 4> Tabella_Giocatori{};
    // Scratch of the Tresette signal (1..5); (6) the direction of play.
    FixedArray<std::int16_t, 1, 10> Contatori{};

    // The trick's winner after the pair mapping (the pile seat), the seat that won,
    // the owner of the last card of a look-ahead, the last taker, the match winner.
    std::int16_t Vincitore_Mano = 0;
    std::int16_t Vincitore_Effettivo = 0;
    std::int16_t Giocatore_Ultima_Carta = 0;
    std::int16_t Ultimo_Presa = 0;
    std::int16_t Vincitore_Partita = 0;

    // The shared cells of the list routines: the list a routine works on and the
    // count it leaves. Callers read them after the call, so they stay shared.
    int Lista_Scelta = 0;
    int Numero_Carte_Lista = 0;
    // The number of cards on the table, as last counted.
    std::int16_t Carte_In_Tavola = 0;

    // The shared loop counters, where a caller reads what a routine leaves in them.
    int Indice_1 = 0;
    int Indice_2 = 0;
    int Indice_3 = 0;
    int Indice_4 = 0;
    int Indice_5 = 0;
    // Scratch of the searches: the least and greatest value found so far.
    double Valore_Minimo = 0;
    double Valore_Massimo = 0;

    // Scopa: the capture sums of the table, the table's sum, the next player's turn
    // position (the safe discard's), the cards a capture takes.
    CaptureSums combinazioni;
    std::int16_t Somma_Tavola = 0;
    int Compagno = 0;

    // Camicia: the cards in the human's pile (list 2) and in the computer's (list 3),
    // as last counted.
    int Carte_Mazzo_2 = 0;
    int Carte_Mazzo_3 = 0;

    // Tresette: the suit and value handed to the computer's card pickers, whether the
    // last scan of the hands found a new declaration (0 or -1), and the names of the
    // declaration kinds (1..10, kinds 11..20 of list 37) and of the suits (11..14).
    int Seme_Scelto = 0;
    std::int16_t Valore_Cercato = 0;
    std::int16_t Accuso_Trovato = 0;
    FixedArray<std::string, 1, 14> Nomi_Accusi{};
};

}  // namespace tavolora::engine
