// The play of a card from a hand or a Camicia pile: the same step for the human's
// click and the computer's turn, so both seats leave the same card table and the
// same flight behind.

#include "program/program.h"
#include "table/animation.h"

namespace tavolora::table {

void Animation::play_card(const CardPlay& play) {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    Tipo_Animazione& slot = program_.anim.Animazioni_Carte(1);

    // The face is read before the card leaves its list.
    std::string face = face_picture(cards(play.from_list, play.position, engine::attr::kSuit),
                                    cards(play.from_list, play.position, engine::attr::kValue));
    if (play.scopa) {
        // The card's table picture gets its face before the flight, still hidden; a
        // place without a picture is passed over.
        if (Control* on_table = program_.master.P.find(200 + play.place)) {
            LoadPicture(*on_table, face, program_.pictures);
        }
    }
    slot.Immagine = std::move(face);
    for (int attribute = 1; attribute <= 3; ++attribute) {
        const std::int16_t value = cards(play.from_list, play.position, attribute);
        if (play.player_row != 0) m.Tabella_Giocatori(play.player_row, attribute) = value;
        cards(play.to_list, play.place, attribute) = value;
        cards(play.from_list, play.position, attribute) = 0;
    }
    if (play.scopa) m.Tabella_Giocatori(5, 1) = static_cast<std::int16_t>(play.place);
    if (play.picture != nullptr) {
        play.picture->Visible = false;
        slot.Coordinate(1) = whole_twips(play.picture->Top);
        slot.Coordinate(2) = whole_twips(play.picture->Left);
    }
    slot.Stato(1) = 'N';
    slot.Carta(1) = static_cast<std::int16_t>(play.position);
}

}  // namespace tavolora::table
