// The card pictures of a game and the hands on screen. P holds blocks of 40: the
// human's hand 1..40, computer seat s's hand 40 x s + 1.., the spare block 161..200,
// the table 201..240, the deck 241..280, and the piles from 300 on in the same
// block order.

#include <algorithm>
#include <string>

#include "program/program.h"
#include "table/animation.h"

namespace tavolora::table {

namespace {
namespace game = engine::game;
namespace attr = engine::attr;
}  // namespace

int Animation::picture_block(int seat) {
    if (seat == engine::seat::kHuman) return 0;
    if (seat >= 1 && seat <= 3) return seat;
    return -1;
}

void Animation::Carica_Controlli_Carte() {
    switch (program_.match.Codice_Gioco) {
        case game::kBriscola:
        case game::kScopa:
        case game::kTresette:
        case game::kDeckOnly:
        case game::kBriscolaVariant:
            break;
        case game::kCamicia:
            break;
        default:
            return;
    }

    ControlArray& P = program_.master.P;
    // A member that exists is not created again, but its enabled state is set anew.
    const auto create_disabled = [&P](int index) {
        P.Load(index);
        if (Control* picture = P.find(index)) picture->Enabled = false;
    };
    // Camicia leaves the blocks from 81 on as they are created: no seat plays them.
    const bool camicia = program_.match.Codice_Gioco == game::kCamicia;
    const int players = std::clamp(program_.match.Numero_Giocatori, 0, 9);
    for (int k = 1; k <= 40; ++k) {
        create_disabled(k + 200);
        create_disabled(k + 240);
        // The human's hand pictures (in Camicia the human's pile) are created
        // disabled, so that no card can be clicked while the first deal flies; one
        // that exists keeps its state.
        if (P.Load(k)) P(k).Enabled = false;
        create_disabled(k + 40);
        for (int m = 2; m <= players; ++m) {
            if (camicia) {
                P.Load(k + 40 * m);
            } else {
                create_disabled(k + 40 * m);
            }
        }
    }
}

void Animation::Mostra_Carte_Mano() {
    const engine::MatchState& m = program_.match;
    ControlArray& P = program_.master.P;
    const int cards = std::clamp(m.Carte_In_Mano, 0, 40);
    const int players = std::clamp(m.Numero_Giocatori, 0, 9);
    for (int t = 1; t <= players; ++t) {
        const int seat = m.Ordine_Giocatori(t);
        const int block = picture_block(seat);
        if (block < 0) continue;
        for (int j = 1; j <= cards; ++j) {
            const int suit = m.Tabella_Carte(seat, j, attr::kSuit);
            if (suit == 0) continue;  // an empty position is left as it is
            Control* picture = P.find(40 * block + j);
            if (picture == nullptr) continue;
            // The human's cards show their faces; a computer seat's keep the picture
            // they landed with.
            if (seat == engine::seat::kHuman) {
                LoadPicture(*picture, face_picture(suit, m.Tabella_Carte(seat, j, attr::kValue)),
                            program_.pictures);
            }
            picture->Visible = true;
        }
    }
}

void Animation::Aggiorna_Carte_Mano() {
    const engine::MatchState& m = program_.match;
    // Camicia has no hand: P(1..40) show the human's pile, and redrawing them from the
    // empty list 9 would hide the pile's top card under the pointer before its click.
    if (m.Codice_Gioco == game::kCamicia) return;
    const int cards = std::clamp(m.Carte_In_Mano, 0, 40);
    for (int j = 1; j <= cards; ++j) {
        Control* picture = program_.master.P.find(j);
        if (picture == nullptr) continue;
        const int suit = m.Tabella_Carte(engine::seat::kHuman, j, attr::kSuit);
        if (suit == 0) {
            picture->Visible = false;
            picture->Picture.clear();
            continue;
        }
        LoadPicture(*picture, face_picture(suit, m.Tabella_Carte(engine::seat::kHuman, j, attr::kValue)),
                    program_.pictures);
        picture->Visible = true;
        // After a right-button look the hand is stacked anew, later cards on top.
        if (program_.anim.Pulsante_Mouse == 2) picture->ZOrder(0);
    }
}

void Animation::Copri_Carte_Avversario() {
    // Two-player Tresette shows the front seat's drawn card until the human's next
    // click; then every card of that hand in sight shows its back again.
    if (program_.match.Numero_Giocatori != 2 || program_.match.Codice_Gioco != game::kTresette) return;
    const std::string back = back_picture("0");
    const int cards = std::clamp(program_.match.Carte_In_Mano, 0, 40);
    for (int j = 1; j <= cards; ++j) {
        Control* picture = program_.master.P.find(80 + j);
        if (picture != nullptr && picture->Visible) LoadPicture(*picture, back, program_.pictures);
    }
}

}  // namespace tavolora::table
