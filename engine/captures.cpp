// Scopa's captures: the sums of every combination of the table's cards, and the
// capture a played card makes.

#include <array>
#include <charconv>
#include <optional>
#include <string_view>

#include "core/fatal.h"
#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

namespace {
// The card id of a suit and value: its row in the per-card figures.
int card_id(int suit, int value) {
    return (suit - 1) * 10 + value;
}

// Whether `a` ranks above `b` as their decimal texts compare ("9" above "15", "-100"
// below "-101"): the ranking of the captures is textual, written without building
// a string.
bool ranks_above_as_text(int a, int b) {
    // Equal numbers write equal texts. Most combinations are no capture and meet the
    // placeholder already ranked, so this settles them without writing anything.
    if (a == b) return false;
    char text_a[16];
    char text_b[16];
    const auto end_a = std::to_chars(text_a, text_a + sizeof text_a, a).ptr;
    const auto end_b = std::to_chars(text_b, text_b + sizeof text_b, b).ptr;
    return std::string_view(text_a, static_cast<std::size_t>(end_a - text_a)) >
           std::string_view(text_b, static_cast<std::size_t>(end_b - text_b));
}

// What a combination that is not an admissible capture counts in the ranking, and
// where the ranking starts: both below every capture's value.
constexpr int kNoCapture = -100;
constexpr int kRankingStart = -101;
}  // namespace

void Engine::Calcolo_Combinazioni() {
    CaptureSums& c = m_.combinazioni;
    const auto& cards = m_.Tabella_Carte;

    // Let the window run its pending events before the table is read.
    c.Combinazioni_Pronte = 1;
    program_.waits.pump_once();
    if (c.Combinazioni_Pronte != 1) {
        program_.waits.wait_until("Combinazioni_Pronte", [&c] { return c.Combinazioni_Pronte == 1; });
    }

    // The cards on the table, in table order.
    c.ELE.clear();
    c.Posizione_Elemento.clear();
    for (int p = 1; p <= 40; ++p) {
        if (cards(list::kTable, p, attr::kSuit) == 0) continue;
        c.Posizione_Elemento.push_back(p);
        c.ELE.push_back(static_cast<int>(c.Posizione_Elemento.size()));
    }
    const int n = static_cast<int>(c.ELE.size());
    c.Numero_Elementi = n;
    // A card that matches a table card or a sum of them always captures, so a table
    // with more cards than this has been built by a fault in the play.
    if (n > kMostTableCards) fatal("Scopa: more cards on the table than play can leave there");

    // Every combination, by size: the singles, then each combination of the last
    // size extended by every ordinal greater than its last one. Each sum is the sum
    // of the combination it extends and the new card's value, the values read once.
    std::array<int, kMostTableCards + 1> value_of{};
    for (int k = 1; k <= n; ++k) value_of[k] = cards(list::kTable, c.Posizione_Elemento[k - 1], attr::kValue);
    c.LTOT.clear();
    c.LTOT_Somme.clear();
    const std::size_t count = n == 0 ? 0 : (std::size_t{1} << n) - 1;
    c.LTOT.reserve(count);
    c.LTOT_Somme.reserve(count);
    std::size_t first_of_size = 0;
    for (int k = 1; k <= n; ++k) {
        c.LTOT.push_back({static_cast<std::uint8_t>(k)});
        c.LTOT_Somme.push_back(value_of[k]);
    }
    for (int size = 2; size <= n; ++size) {
        const std::size_t end_of_size = c.LTOT.size();
        for (std::size_t j = first_of_size; j < end_of_size; ++j) {
            for (int m = c.LTOT[j].back() + 1; m <= n; ++m) {
                CaptureSums::Combination longer = c.LTOT[j];
                longer.push_back(static_cast<std::uint8_t>(m));
                c.LTOT.push_back(longer);
                c.LTOT_Somme.push_back(c.LTOT_Somme[j] + value_of[m]);
            }
        }
        first_of_size = end_of_size;
    }
}

void Engine::Esegui_Presa_Scopa() {
    CaptureSums& c = m_.combinazioni;
    auto& cards = m_.Tabella_Carte;
    const int player = m_.Ordine_Giocatori(m_.Indice_Turno);
    const int played_value = m_.Tabella_Giocatori(player, attr::kValue);

    // The admissible captures: the combinations that add up to the played value and
    // have as few cards as the smallest of them.
    c.Lista_Prese_Possibili.clear();
    c.Lista_Prese_Possibili_Valore.clear();
    std::size_t least_size = 0;
    for (std::size_t i = 0; i < c.LTOT_Somme.size(); ++i) {
        c.Lista_Prese_Possibili.emplace_back();
        if (c.LTOT_Somme[i] != played_value) continue;
        if (least_size == 0) least_size = c.LTOT[i].size();
        if (c.LTOT[i].size() == least_size) c.Lista_Prese_Possibili.back() = c.LTOT[i];
    }
    for (const auto& capture : c.Lista_Prese_Possibili) {
        if (!capture) {
            c.Lista_Prese_Possibili_Valore.push_back(kNoCapture);
            continue;
        }
        int value = 0;
        for (std::uint8_t k : *capture) {
            const int p = c.Posizione_Elemento[k - 1];
            value += cards(
                32, card_id(cards(list::kTable, p, attr::kSuit), cards(list::kTable, p, attr::kValue)), 1);
        }
        c.Lista_Prese_Possibili_Valore.push_back(value);
    }

    // The capture taken: the greatest value, compared as text ("9" above "15"), the
    // earlier one on a tie. The placeholder's "-100" ranks below the start's "-101".
    int best = kRankingStart;
    std::optional<CaptureSums::Combination> chosen;
    for (std::size_t i = 0; i < c.Lista_Prese_Possibili_Valore.size(); ++i) {
        if (ranks_above_as_text(c.Lista_Prese_Possibili_Valore[i], best)) {
            best = c.Lista_Prese_Possibili_Valore[i];
            chosen = c.LTOT[i];
        }
    }

    c.Combinazioni_Pronte = 1;
    program_.waits.pump_once();
    if (c.Combinazioni_Pronte != 1) {
        program_.waits.wait_until("Combinazioni_Pronte", [&c] { return c.Combinazioni_Pronte == 1; });
    }

    Svuota_Lista(list::kCapture);
    cards(list::kCapture, list::kScoreCell, 1) = 0;
    if (!chosen) return;

    if (program_.settings.Tempi_Animazione(5) == 0) {
        program_.anim.Continua = false;
        program_.waits.wait_until("Continua", [this] { return program_.anim.Continua; });
    } else {
        program_.animation.Attendi_Pausa_Movimento_5();
    }

    m_.Ultimo_Presa = static_cast<std::int16_t>(player);
    table::MasterWindow& w = program_.master;
    int k = 0;
    const auto take = [&](int p) {
        ++k;
        cards(list::kCapture, k, attr::kOwner) = static_cast<std::int16_t>(p);
        cards(list::kCapture, k, attr::kSuit) = cards(list::kTable, p, attr::kSuit);
        cards(list::kCapture, k, attr::kValue) = cards(list::kTable, p, attr::kValue);
        if (table::Control* picture = w.P.find(200 + p)) picture->Visible = false;
    };
    for (std::uint8_t ordinal : *chosen) take(c.Posizione_Elemento[ordinal - 1]);
    const int played_place = m_.Tabella_Giocatori(5, 1);
    take(played_place);
    cards(list::kCapture, list::kScoreCell, 1) = static_cast<std::int16_t>(k);
    if (table::Control* picture = w.P.find(200 + played_place)) picture->Picture.clear();

    program_.animation.Raccogli_Presa();
}

}  // namespace tavolora::engine
