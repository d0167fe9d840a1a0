#include <gtest/gtest.h>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using testing::TableTest;

// The play of a card, the step every seat shares.
class PlayCard : public TableTest {
protected:
    // A card of `seat` at hand position 2, its picture at a half twip in both
    // directions, played to the table as the place after one card.
    Tipo_Animazione& play(int seat, bool scopa) {
        const int picture = Animation::picture_block(seat) * 40 + 2;
        m.Tabella_Carte(seat, 2, 1) = 3;
        m.Tabella_Carte(seat, 2, 2) = 7;
        m.Tabella_Carte(seat, 2, 3) = static_cast<std::int16_t>(seat);
        w.P(picture).Visible = true;
        w.P(picture).Top = 6250.5f;  // halves to even: down to 6250
        w.P(picture).Left = 1001.5f;  // up to 1002
        animation.Libera_Animazioni();
        animation.play_card({.from_list = seat,
                             .position = 2,
                             .picture = &w.P(picture),
                             .to_list = 20,
                             .place = 2,
                             .player_row = seat,
                             .scopa = scopa});
        return a.Animazioni_Carte(1);
    }
};

TEST_F(PlayCard, TheHumanAndAComputerSeatLeaveTheSameTableAndFlightBehind) {
    choose(1, {9, 2});
    for (int seat : {9, 2}) {
        const Tipo_Animazione& slot = play(seat, false);
        EXPECT_EQ(slot.Stato(1), 'N') << seat;
        EXPECT_EQ(slot.Immagine, face(3, 7)) << seat;
        EXPECT_EQ(slot.Coordinate(1), 6250) << seat;
        EXPECT_EQ(slot.Coordinate(2), 1002) << seat;
        EXPECT_EQ(slot.Carta(1), 2) << seat;  // the hand position, not the picture
        EXPECT_FALSE(w.P(Animation::picture_block(seat) * 40 + 2).Visible) << seat;
        for (int attribute = 1; attribute <= 3; ++attribute) {
            EXPECT_EQ(m.Tabella_Carte(20, 2, attribute), m.Tabella_Giocatori(seat, attribute)) << seat;
            EXPECT_EQ(m.Tabella_Carte(seat, 2, attribute), 0) << seat;
        }
        EXPECT_EQ(m.Tabella_Carte(20, 2, 3), seat);
    }
    // Only Scopa shows the face at the table place before the flight.
    EXPECT_EQ(m.Tabella_Giocatori(5, 1), 0);
    EXPECT_NE(w.P(202).Picture, face(3, 7));
}

TEST_F(PlayCard, ScopaShowsTheFaceAtItsPlaceAndKeepsThePlaceForTheCapture) {
    choose(2, {9, 2});
    play(2, true);
    EXPECT_EQ(w.P(202).Picture, face(3, 7));
    EXPECT_FALSE(w.P(202).Visible);
    EXPECT_EQ(m.Tabella_Giocatori(5, 1), 2);
}

TEST_F(PlayCard, WithoutAPictureTheCardStillMovesAndTheStartStays) {
    choose(3, {9, 2});
    Tipo_Animazione& slot = a.Animazioni_Carte(1);
    slot.Coordinate(1) = 111;
    slot.Coordinate(2) = 222;
    m.Tabella_Carte(3, 5, 1) = 4;
    m.Tabella_Carte(3, 5, 2) = 1;
    animation.play_card({.from_list = 3, .position = 5, .picture = nullptr, .to_list = 4, .place = 1});
    EXPECT_EQ(m.Tabella_Carte(4, 1, 1), 4);
    EXPECT_EQ(m.Tabella_Carte(3, 5, 1), 0);
    EXPECT_EQ(slot.Coordinate(1), 111);
    EXPECT_EQ(slot.Coordinate(2), 222);
    EXPECT_EQ(slot.Carta(1), 5);
    EXPECT_EQ(slot.Immagine, face(4, 1));
}

}  // namespace
}  // namespace tavolora::table
