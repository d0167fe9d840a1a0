// The draw from the deck: in the trick games each seat draws one card after a
// trick, the winner first; the card flies from the deck to its hand picture.

#include "core/program.h"
#include "table/animation.h"

namespace tavolora::table {

namespace {
namespace game = engine::game;
namespace list = engine::list;
namespace attr = engine::attr;
}  // namespace

void Animation::Pesca_Carte_Mazzo() {
    const engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    const std::int16_t& deck = m.Tabella_Carte(list::kTurnCells, 1, 1);
    const int code = m.Codice_Gioco;

    bool drew = false;
    Libera_Animazioni();
    switch (code) {
        case game::kBriscola:
        case game::kTresette:
        case game::kBriscolaVariant:
            // No seat draws unless all can.
            if (deck < m.Numero_Giocatori) break;
            drew = true;
            draw_one_card_each();
            break;
        case game::kScopa:
            // Scopa's step comes here: a whole new hand for every seat, from turn-order position 1.
            break;
        default:
            break;
    }

    a.Fase_Animazione = phase::kDrawn;
    Avvia_Animazioni();
    a.Fase_Animazione = phase::kNone;

    if (code == game::kScopa && deck != 0) {
        // Scopa's step comes here: the hands sorted (Ordina_Carte_Mano).
    }
    if (code == game::kTresette && (deck != 0 || drew)) {
        // Tresette's step comes here: the hands sorted (Ordina_Carte_Mano).
    }
}

void Animation::draw_one_card_each() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    auto& cards = m.Tabella_Carte;
    std::int16_t& deck = cards(list::kTurnCells, 1, 1);
    const auto& C = a.Coordinate_Tavolo;

    a.Animazioni_Carte(1).Passi = program_.settings.Tempi_Animazione(1);
    for (int i = 1; i <= m.Numero_Giocatori; ++i) {
        const int seat = m.Ordine_Giocatori(m.Indice_Turno_Vincitore);
        // The place left by the card the seat played.
        const int j = m.Tabella_Giocatori(seat, 4);
        const int k = deck;
        cards(seat, j, attr::kSuit) = cards(list::kDeck, k, attr::kSuit);
        cards(seat, j, attr::kValue) = cards(list::kDeck, k, attr::kValue);
        cards(seat, j, attr::kOwner) = static_cast<std::int16_t>(seat);
        if (Control* deck_card = program_.master.P.find(240 + k)) deck_card->Visible = false;
        --deck;

        const int block = picture_block(seat);
        if (block >= 0) {
            // The human's card flies face up, every other seat's face down.
            std::string image = back_picture("00");
            if (seat == engine::seat::kHuman) {
                image = face_picture(cards(seat, j, attr::kSuit), cards(seat, j, attr::kValue));
            }
            if (m.Codice_Gioco == game::kTresette && seat == 2) {
                // Tresette's step comes here: seat 2's card flies face up.
            }
            const int picture = 40 * block + j;
            if (const Control* target = program_.master.P.find(picture)) {
                fill_flight_slot(i, picture, std::move(image), C(1), C(2), whole_twips(target->Top),
                                 whole_twips(target->Left), a.Animazioni_Carte(1).Passi);
            }
        }

        // After every seat has drawn the winner's position is where it started.
        if (++m.Indice_Turno_Vincitore > m.Numero_Giocatori) m.Indice_Turno_Vincitore = 1;
    }
}

}  // namespace tavolora::table
