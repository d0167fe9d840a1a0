// Declarations: Tresette's sets of Aces, Twos and Threes and its Napoletane, and the
// 151 variant's King and Knight.

#include <algorithm>
#include <array>

#include "core/numbers.h"
#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

namespace {
// The seat whose cells a seat's points go to: with four players the pairs share
// one, seat 2 with the human and seat 3 with seat 1.
int side_seat(int seat, int players) {
    if (players != 4) return seat;
    return seat == 2 ? 9 : seat == 3 ? 1 : seat;
}

// Tresette's declaration kinds, at positions 11..20 of list 37.
constexpr int kFourAces = 11;    // 11..13: four Aces, Twos, Threes
constexpr int kThreeAces = 14;   // 14..16: exactly three of them
constexpr int kNapoletana = 17;  // 17..20: Ace, Two and Three of suit 1..4
constexpr int kLastKind = 20;

const std::array<const char*, 14> kDeclarationNames = {"Quattro Assi",
                                                       "Quattro Due",
                                                       "Quattro Tre",
                                                       "Tre Assi",
                                                       "Tre Due",
                                                       "Tre Tre",
                                                       "Napoletana a Bastoni",
                                                       "Napoletana a Coppe",
                                                       "Napoletana a Denari",
                                                       "Napoletana a Spade",
                                                       "Bastoni",
                                                       "Coppe",
                                                       "Denari",
                                                       "Spade"};
}  // namespace

void Engine::Cerca_Accusi() {
    if (m_.Codice_Gioco != game::kTresette) return;
    auto& cards = m_.Tabella_Carte;
    m_.Accuso_Trovato = 0;
    const int hand = std::clamp(m_.Carte_In_Mano, 0, 40);
    const auto declare = [&](int kind, int s, int detail) {
        cards(list::kMatch, kind, 1) = 1;
        cards(list::kMatch, kind, 2) = static_cast<std::int16_t>(s);
        cards(list::kMatch, kind, 3) = static_cast<std::int16_t>(detail);
        m_.Accuso_Trovato = -1;
    };
    for (int t = 1; t <= m_.Numero_Giocatori && t <= 9; ++t) {
        const int s = m_.Ordine_Giocatori(t);
        if (s < 1 || s > 9) continue;
        // Which suits of each value the hand holds.
        std::array<std::array<bool, 5>, 4> holds{};  // [value 1..3][suit 1..4]
        std::array<int, 4> count{};
        for (int p = 1; p <= hand; ++p) {
            const int suit = cards(s, p, attr::kSuit);
            const int value = cards(s, p, attr::kValue);
            if (suit < 1 || suit > 4 || value < 1 || value > 3) continue;
            holds[value][suit] = true;
            ++count[value];
        }
        for (int v = 3; v >= 1; --v) {
            if (count[v] == 4 && cards(list::kMatch, kFourAces - 1 + v, 1) == 0) {
                declare(kFourAces - 1 + v, s, 0);
                // Four of a value score as four, never also as three.
                cards(list::kMatch, kThreeAces - 1 + v, 1) = -1;
            } else if (count[v] == 3 && cards(list::kMatch, kThreeAces - 1 + v, 1) == 0) {
                int missing = 0;
                for (int u = 1; u <= 4; ++u) {
                    if (!holds[v][u]) missing = u;
                }
                declare(kThreeAces - 1 + v, s, missing);
            }
        }
        for (int u = 1; u <= 4; ++u) {
            if (holds[1][u] && holds[2][u] && holds[3][u] &&
                cards(list::kMatch, kNapoletana - 1 + u, 1) == 0) {
                declare(kNapoletana - 1 + u, s, 1);
            }
        }
    }
    if (m_.Accuso_Trovato != 0) {
        Aggiorna_Punteggi();
        Mostra_Riepilogo_Accusi();
    }
}

void Engine::Mostra_Riepilogo_Accusi() {
    table::MasterWindow& w = program_.master;
    const auto& cards = m_.Tabella_Carte;
    for (int i = 1; i <= 14; ++i) m_.Nomi_Accusi(i) = storage::FixedText<20>(kDeclarationNames[i - 1]).text();
    w.Lista_Evento_Speciale.Clear();
    for (int kind = kFourAces; kind <= kLastKind; ++kind) {
        if (cards(list::kMatch, kind, 1) != 1) continue;
        const int s = cards(list::kMatch, kind, 2);
        const std::string name = s >= 1 && s <= 3 ? table::Trim(m_.Nomi_Giocatori(s))
                                                  : program_.settings.player_name().trimmed_right();
        std::string line = name + " ha accusato " + table::TrimRight(m_.Nomi_Accusi(kind - 10));
        if (kind >= kThreeAces && kind < kNapoletana) {
            const int missing = cards(list::kMatch, kind, 3);
            if (missing >= 1 && missing <= 4)
                line += " mancante " + table::TrimRight(m_.Nomi_Accusi(missing + 10));
        }
        w.Lista_Evento_Speciale.AddItem(line);
    }
    w.show_floating(w.PIC_Riepilogo_Accusi);
    w.PIC_Riepilogo_Accusi.ZOrder(0);
}

void Engine::Somma_Punti_Accusi() {
    auto& cards = m_.Tabella_Carte;
    for (int kind = kFourAces; kind <= kLastKind; ++kind) {
        if (cards(list::kMatch, kind, 1) != 1) continue;
        const int side = side_seat(cards(list::kMatch, kind, 2), m_.Numero_Giocatori);
        if (side < 1 || side > 9) continue;
        std::int16_t& score = cards(side + 10, list::kScoreCell, 1);
        store16(score, score + (kind < kThreeAces ? 12 : 9));
    }
}

void Engine::Verifica_Accuso_151() {
    auto& cards = m_.Tabella_Carte;
    const int trump = cards(list::kDeck, 1, attr::kSuit);
    for (int s = 1; s <= 9; ++s) {
        for (int j = 1; j <= 5; ++j) {
            if (cards(s, j, attr::kValue) != 10) continue;
            const int suit = cards(s, j, attr::kSuit);
            if (suit < 1 || suit > 4) continue;
            for (int k = 1; k <= 5; ++k) {
                std::int16_t& flag = cards(list::kMatch, 10 + suit, 1);
                if (flag != 0) break;
                if (cards(s, k, attr::kSuit) != suit || cards(s, k, attr::kValue) != 9) continue;
                const int points = suit == trump ? 40 : 20;
                std::int16_t& total = cards(list::kMatch, side_seat(s, m_.Numero_Giocatori), 1);
                store16(total, total + points);
                flag = 1;
                const table::Control* name = program_.master.LBL_Parziale_Nome.find(s);
                const std::string who = name != nullptr ? table::Trim(name->Caption) : std::string();
                // The number stands in the sentence with one blank before it, not in the place
                // of a sign as a score caption has it.
                program_.show_message("Accuso!", who + " ha accusato " + format_plain(points) + " punti!");
            }
        }
    }
}

}  // namespace tavolora::engine
