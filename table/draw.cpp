// The draw from the deck: in the trick games each seat draws one card after a
// trick, the winner first; in Scopa every seat gets a new hand once all hands are
// played out. Each card flies from the deck to its hand picture.

#include <algorithm>
#include <array>
#include <string>

#include "program/program.h"
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
            deal_new_hands();
            break;
        default:
            break;
    }

    a.Fase_Animazione = phase::kDrawn;
    Avvia_Animazioni();
    a.Fase_Animazione = phase::kNone;

    // The hands dealt from the last cards of the deck stay as they came, but the
    // human's is still drawn anew: the landing of a Scopa draw only shows the hand
    // pictures, which still hold the faces of the hand just played out.
    if (code == game::kScopa) {
        if (deck != 0) {
            program_.engine.Ordina_Carte_Mano();
        } else {
            Aggiorna_Carte_Mano();
        }
    }
    if (code == game::kTresette && (deck != 0 || drew)) program_.engine.Ordina_Carte_Mano();
}

void Animation::take_top_card(int seat, int position) {
    auto& cards = program_.match.Tabella_Carte;
    std::int16_t& deck = cards(list::kTurnCells, 1, 1);
    const int k = deck;
    cards(seat, position, attr::kSuit) = cards(list::kDeck, k, attr::kSuit);
    cards(seat, position, attr::kValue) = cards(list::kDeck, k, attr::kValue);
    cards(seat, position, attr::kOwner) = static_cast<std::int16_t>(seat);
    if (Control* deck_card = program_.master.P.find(240 + k)) deck_card->Visible = false;
    --deck;
}

void Animation::deal_new_hands() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    auto& cards = m.Tabella_Carte;
    std::int16_t& deck = cards(list::kTurnCells, 1, 1);
    const auto& C = a.Coordinate_Tavolo;

    // Seat after seat from turn-order position 1, each taking its hand from the top
    // of the deck. Only the cards left are dealt: the last hands of a three-player
    // match can come short, and nothing is read below the first card of the deck.
    std::array<int, kFlightSlots> pictures{};
    int flights = 0;
    const int players = std::clamp(m.Numero_Giocatori, 0, 9);
    const int hand = std::clamp(m.Carte_In_Mano, 0, 40);
    for (int t = 1; t <= players; ++t) {
        const int seat = m.Ordine_Giocatori(t);
        const int block = picture_block(seat);
        if (block < 0) continue;
        for (int j = 1; j <= hand && deck >= 1 && flights < kFlightSlots; ++j) {
            take_top_card(seat, j);
            pictures[static_cast<std::size_t>(flights++)] = 40 * block + j;
        }
    }

    // Every card flies face down, the human's too. As in the deal, flight s starts
    // s stack steps beyond the cards that stay in the deck: at C1 + Passo_Top(1) x
    // (s + deck count after the redeal), and likewise on Left, so the batch rises
    // from the places of the cards just taken.
    const std::string back = back_picture("00");
    a.Animazioni_Carte(1).Passi = program_.settings.Tempi_Animazione(1);
    int slot = 0;
    for (int f = 0; f < flights; ++f) {
        const int picture = pictures[static_cast<std::size_t>(f)];
        const Control* target = program_.master.P.find(picture);
        if (target == nullptr) continue;
        ++slot;
        const long stack = slot + deck;
        fill_flight_slot(slot, picture, back, whole_twips(C(1) + a.Passo_Top(1) * stack),
                         whole_twips(C(2) + a.Passo_Left(1) * stack), whole_twips(target->Top),
                         whole_twips(target->Left), a.Animazioni_Carte(1).Passi);
    }
}

void Animation::draw_one_card_each() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    auto& cards = m.Tabella_Carte;
    const auto& C = a.Coordinate_Tavolo;

    a.Animazioni_Carte(1).Passi = program_.settings.Tempi_Animazione(1);
    for (int i = 1; i <= m.Numero_Giocatori; ++i) {
        const int seat = m.Ordine_Giocatori(m.Indice_Turno_Vincitore);
        // The place left by the card the seat played.
        const int j = m.Tabella_Giocatori(seat, 4);
        take_top_card(seat, j);

        const int block = picture_block(seat);
        if (block >= 0) {
            // The human's card flies face up, and in Tresette the front seat's too (the
            // two players see each other's draw); every other seat's face down.
            const bool face_up = seat == engine::seat::kHuman || (m.Codice_Gioco == game::kTresette && seat == 2);
            const std::string& image = face_up ? face_picture(cards(seat, j, attr::kSuit), cards(seat, j, attr::kValue))
                                               : back_picture("00");
            const int picture = 40 * block + j;
            if (const Control* target = program_.master.P.find(picture)) {
                fill_flight_slot(i, picture, image, C(1), C(2), whole_twips(target->Top),
                                 whole_twips(target->Left), a.Animazioni_Carte(1).Passi);
            }
        }

        // After every seat has drawn the winner's position is where it started.
        if (++m.Indice_Turno_Vincitore > m.Numero_Giocatori) m.Indice_Turno_Vincitore = 1;
    }
}

}  // namespace tavolora::table
