// Declarations: the 151 variant's King and Knight (Tresette's come with Tresette).

#include "core/numbers.h"
#include "core/program.h"
#include "engine/engine.h"

namespace tavolora::engine {

void Engine::Cerca_Accusi() {
    if (m_.Codice_Gioco != game::kTresette) return;
    // Tresette's scan of the hands for its declarations comes with Tresette.
}

void Engine::Mostra_Riepilogo_Accusi() {}

void Engine::Somma_Punti_Accusi() {}

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
                // With four players a pair's points go to its side: 2 with 9, 3 with 1.
                const int side = m_.Numero_Giocatori == 4 ? (s == 2 ? 9 : s == 3 ? 1 : s) : s;
                std::int16_t& total = cards(list::kMatch, side, 1);
                store16(total, total + points);
                flag = 1;
                const table::Control* name = program_.master.LBL_Parziale_Nome.find(s);
                const std::string who = name != nullptr ? table::Trim(name->Caption) : std::string();
                program_.show_message("Accuso!", who + " ha accusato " + format_signed(points) + " punti!");
            }
        }
    }
}

}  // namespace tavolora::engine
