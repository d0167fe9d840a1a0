// The look-overs of the table (throws, trump card, scores and captured-cards
// panels), the captured-cards viewer, and the floating panels and strip, on matches
// played headless to the moment each one is used.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless_match.h"
#include "tests/support/table_snapshot.h"

namespace tavolora::testing {
namespace {

using table::Control;
using table::ControlId;
using table::ControlKey;
using table::InputEvent;
using table::MouseArgs;


MatchPlan plan_of(int game, int players, int first_player = 0) {
    MatchPlan plan;
    plan.game = game;
    plan.players = players;
    plan.first_player = first_player;
    return plan;
}

struct LookOvers : ::testing::Test {
    bool send(ControlId id, InputEvent event, int index = 0, MouseArgs args = {}) {
        return p().input.deliver({id, index}, event, args);
    }
    Program& p() { return match->program(); }
    table::MasterWindow& w() { return match->program().master; }
    void start(const MatchPlan& plan) {
        match = std::make_unique<HeadlessMatch>(plan);
        match->start();
    }
    std::unique_ptr<HeadlessMatch> match;
};

TEST_F(LookOvers, TheThrowsShowEachTableCardAtItsSeatsHandAndTheLeaveRestoresTheTable) {
    // Four players, seat 3 first: three cards lie on the table at the human's turn.
    start(plan_of(1, 4, 3));
    ASSERT_NE(p().match.Tabella_Carte(20, 3, 1), 0);
    const auto before = seen(p());

    ASSERT_TRUE(send(ControlId::CMD_M_Tiri, InputEvent::MouseEnter));
    EXPECT_TRUE(p().anim.Visualizzazione_Attiva);
    for (int i = 1; i <= 3; ++i) {
        const int seat = p().match.Tabella_Carte(20, i, 3);
        const Control& copy = w().P(280 + i);
        const Control& hand = w().P(40 * seat + p().match.Tabella_Giocatori(seat, 4));
        EXPECT_TRUE(copy.Visible);
        EXPECT_FALSE(w().P(200 + i).Visible);
        EXPECT_EQ(copy.Picture, w().P(200 + i).Picture);
        EXPECT_EQ(copy.Left, hand.Left);
        EXPECT_EQ(copy.Top, hand.Top);
        EXPECT_GT(copy.z, w().P(200 + i).z);
    }
    ASSERT_TRUE(send(ControlId::CMD_M_Tiri, InputEvent::MouseLeave));
    EXPECT_EQ(seen(p()), before);
    EXPECT_FALSE(p().anim.Visualizzazione_Attiva);

    // Again, ended this time by a release on the table's background.
    ASSERT_TRUE(send(ControlId::CMD_M_Tiri, InputEvent::MouseEnter));
    w().IMG_Sfondo_Tavolo.Visible = true;
    ASSERT_TRUE(send(ControlId::IMG_Sfondo_Tavolo, InputEvent::MouseUp));
    w().IMG_Sfondo_Tavolo.Visible = false;
    EXPECT_EQ(seen(p()), before);

    // A continue request pending while the cards are locked refuses the look.
    p().anim.Comandi_Bloccati = true;
    p().anim.Continua = true;
    p().anim.Codice_Visualizzazione = 1;
    p().master_events.New_FormMouseDown();
    EXPECT_FALSE(p().anim.Visualizzazione_Attiva);
}

TEST_F(LookOvers, TheTrumpCardShowsOverTheDeckOnlyInBriscolaAndGoesBackUnderIt) {
    start(plan_of(1, 2));
    Control& trump = w().P(241);
    const auto before = seen(p());
    ASSERT_TRUE(send(ControlId::CMD_M_Briscola, InputEvent::MouseEnter));
    EXPECT_TRUE(trump.Visible);
    EXPECT_GT(trump.z, w().P(242).z);
    EXPECT_EQ(trump.Picture, p().animation.face_picture(p().match.Tabella_Carte(21, 1, 1),
                                                        p().match.Tabella_Carte(21, 1, 2)));
    ASSERT_TRUE(send(ControlId::CMD_M_Briscola, InputEvent::MouseLeave));
    EXPECT_EQ(seen(p()), before);
    EXPECT_LT(trump.z, w().P(242).z);
    EXPECT_LT(w().IMG_Sfondo_Tavolo.z, trump.z);

    // Hidden before the look, hidden after it.
    trump.Visible = false;
    ASSERT_TRUE(send(ControlId::CMD_M_Briscola, InputEvent::MouseEnter));
    EXPECT_TRUE(trump.Visible);
    ASSERT_TRUE(send(ControlId::CMD_M_Briscola, InputEvent::MouseLeave));
    EXPECT_FALSE(trump.Visible);

    // In Scopa the same hover shows nothing.
    start(plan_of(2, 2));
    const auto scopa = seen(p());
    send(ControlId::CMD_M_Briscola, InputEvent::MouseEnter);
    EXPECT_EQ(seen(p()), scopa);
}

TEST_F(LookOvers, TheStripsFirstButtonDoesEachGamesOwnThing) {
    // Tresette: the declarations summary.
    start(plan_of(4, 2));
    w().PIC_Riepilogo_Accusi.Visible = false;
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Briscola}));
    EXPECT_TRUE(w().PIC_Riepilogo_Accusi.Visible);
    // Camicia: the match is left.
    start(plan_of(3, 2));
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Briscola}));
    EXPECT_FALSE(w().PIC_Tavolo.Visible);
    EXPECT_TRUE(w().screens(table::Screen::F_011_Menu).Visible);
    // Scopa: the cards on the table are lined up again.
    start(plan_of(2, 2));
    for (int i = 1; i <= 4; ++i) w().P(200 + i).Left = 100.0F * static_cast<float>(i);
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Briscola}));
    EXPECT_LT(w().P(201).Left + w().P(201).Width, w().P(202).Left + 1);
}

TEST_F(LookOvers, TheScoresAndCapturedCardsPanelsOpenFromTheStripAndTheEndPanel) {
    start(plan_of(1, 2));
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Punteggio}));
    EXPECT_TRUE(w().PIC_51_Monitor.Visible);
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Carte}));
    EXPECT_TRUE(w().PIC_52_Monitor.Visible);
    EXPECT_GT(w().PIC_52_Monitor.z, w().PIC_51_Monitor.z);
    ASSERT_TRUE(p().input.click({ControlId::CMD_Chiudi_PIC_051_Monitor}));
    ASSERT_TRUE(p().input.click({ControlId::CMD_Chiudi_PIC_052_Monitor}));
    EXPECT_FALSE(w().PIC_51_Monitor.Visible);
    EXPECT_FALSE(w().PIC_52_Monitor.Visible);

    // At the end of the hand the panel's two buttons open the same panels.
    while (!match->hand_over()) ASSERT_TRUE(match->play_human_card());
    ASSERT_TRUE(w().PIC_Fine_Partita.Visible);
    ASSERT_TRUE(p().input.click({ControlId::CMD_PIC_Fine_Partita_Visualizza_Punteggi}));
    EXPECT_TRUE(w().PIC_51_Monitor.Visible);
    ASSERT_TRUE(p().input.click({ControlId::ThemeButton2}));
    EXPECT_TRUE(w().PIC_52_Monitor.Visible);
}

TEST_F(LookOvers, TheViewerPagesThroughAPileFourCardsAtATime) {
    start(plan_of(1, 4));
    auto& cards = p().match.Tabella_Carte;
    // The human's pile: seven cards, then another seat's, empty.
    for (int i = 1; i <= 7; ++i) {
        cards(19, i, 1) = static_cast<std::int16_t>(1 + i % 4);
        cards(19, i, 2) = static_cast<std::int16_t>(i);
    }
    for (int i = 1; i <= 12; ++i) cards(12, i, 1) = 2, cards(12, i, 2) = static_cast<std::int16_t>(1 + i % 10);
    for (int i = 8; i <= 40; ++i) cards(19, i, 1) = 0;
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Carte}));
    const auto shows = [this, &cards](int slot, int position) {
        return w().IMG_Prese(slot).Picture == p().animation.face_picture(cards(19, position, 1), cards(19, position, 2));
    };

    ASSERT_TRUE(p().input.click({ControlId::Visualizza_Prese, 9}));
    table::Control& bar = w().HSR_Prese;
    EXPECT_TRUE(bar.Enabled);
    EXPECT_EQ(bar.Max, 3);
    EXPECT_EQ(w().LBL_RiepilogoPrese_Numero.Caption, "1.75");
    for (int slot = 0; slot < 4; ++slot) EXPECT_TRUE(shows(slot, slot + 1)) << slot;
    // The last page: cards 4 to 7.
    bar.Value = 3;
    ASSERT_TRUE(send(ControlId::HSR_Prese, InputEvent::Change));
    for (int slot = 0; slot < 4; ++slot) EXPECT_TRUE(shows(slot, slot + 4)) << slot;
    // The slots keep the card's shape: 72 x 120 pixels fit 756 x 1260 twips.
    EXPECT_EQ(w().IMG_Prese(0).Height, 1260);
    EXPECT_EQ(w().IMG_Prese(0).Width, 756);

    // Seat 2's twelve cards are three tricks; the scroll place stays.
    ASSERT_TRUE(p().input.click({ControlId::Visualizza_Prese, 2}));
    EXPECT_EQ(w().LBL_RiepilogoPrese_Numero.Caption, "3");
    EXPECT_EQ(bar.Max, 8);
    EXPECT_EQ(bar.Value, 3);
    // An empty pile: "0", no cards, no scrolling.
    ASSERT_TRUE(p().input.click({ControlId::Visualizza_Prese, 3}));
    EXPECT_EQ(w().LBL_RiepilogoPrese_Numero.Caption, "0");
    EXPECT_FALSE(bar.Enabled);
    for (int slot = 0; slot < 4; ++slot) EXPECT_TRUE(w().IMG_Prese(slot).Picture.empty());
}

TEST_F(LookOvers, PanelsDragByTheirHandlesCloseReopenWhereTheyWereAndComeToTheFront) {
    start(plan_of(4, 2));
    Control& panel = w().PIC_51_Monitor;
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Punteggio}));
    const float left = panel.Left;
    const float top = panel.Top;
    // A right-button press drags as well; the vertical offset is taken whole.
    MouseArgs press{2, 0, 100, 50.5F};
    ASSERT_TRUE(send(ControlId::CMD_Muovi_PIC_051_Monitor, InputEvent::MouseDown, 0, press));
    ASSERT_TRUE(send(ControlId::CMD_Muovi_PIC_051_Monitor, InputEvent::MouseMove, 0, {2, 0, 400, 250}));
    EXPECT_EQ(panel.Left, left + 300);
    EXPECT_EQ(panel.Top, top + 200);  // 250 - 50
    ASSERT_TRUE(send(ControlId::CMD_Muovi_PIC_051_Monitor, InputEvent::MouseUp, 0, {2, 0, 130, 80}));
    EXPECT_EQ(panel.Left, left + 330);
    EXPECT_EQ(panel.Top, top + 230);
    // Without a press a move drags nothing.
    send(ControlId::CMD_Muovi_PIC_051_Monitor, InputEvent::MouseMove, 0, {0, 0, 900, 900});
    EXPECT_EQ(panel.Left, left + 330);

    ASSERT_TRUE(p().input.click({ControlId::CMD_Chiudi_PIC_051_Monitor}));
    EXPECT_FALSE(panel.Visible);
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Punteggio}));
    EXPECT_TRUE(panel.Visible);
    EXPECT_EQ(panel.Left, left + 330);

    // A move over a panel brings it in front of the others.
    ASSERT_TRUE(p().input.click({ControlId::CMD_M_Carte}));
    EXPECT_GT(w().PIC_52_Monitor.z, panel.z);
    ASSERT_TRUE(send(ControlId::PIC_51_Monitor, InputEvent::MouseMove));
    EXPECT_GT(panel.z, w().PIC_52_Monitor.z);
}

TEST_F(LookOvers, TheStripClosesToItsReopenButtonWhereItsCloseButtonWasAndOpensAgain) {
    start(plan_of(1, 2));
    Control& strip = w().FRM_M_Menu;
    send(ControlId::CMD_Muovi_Menu_M, InputEvent::MouseDown, 0, {1, 0, 0, 0});
    send(ControlId::CMD_Muovi_Menu_M, InputEvent::MouseUp, 0, {1, 0, 600, 450});
    const float close_left = strip.Left + w().CMD_M_ApriChiudi(1).Left;
    const float close_top = strip.Top + w().CMD_M_ApriChiudi(1).Top;

    ASSERT_TRUE(p().input.click({ControlId::CMD_M_ApriChiudi, 1}));
    EXPECT_FALSE(strip.Visible);
    Control& reopen = w().CMD_M_ApriChiudi(0);
    EXPECT_TRUE(reopen.Visible);
    EXPECT_EQ(reopen.Left, close_left);
    EXPECT_EQ(reopen.Top, close_top);

    ASSERT_TRUE(p().input.click({ControlId::CMD_M_ApriChiudi, 0}));
    EXPECT_TRUE(strip.Visible);
    EXPECT_FALSE(reopen.Visible);
    EXPECT_TRUE(w().CMD_M_Tiri.Visible);
}

TEST_F(LookOvers, TheCardPointerOverTheHandTheDiagonalArrowOverOtherCards) {
    start(plan_of(1, 2));
    ASSERT_FALSE(w().P(0).MouseIcon.empty());
    send(ControlId::P, InputEvent::MouseMove, 1);
    EXPECT_EQ(w().P(1).MousePointer, table::pointer::kCustom);
    EXPECT_EQ(w().P(1).MouseIcon, w().P(0).MouseIcon);
    EXPECT_EQ(p().anim.Codice_Visualizzazione, 19);
    w().P(242).Enabled = true;
    send(ControlId::P, InputEvent::MouseMove, 242);
    EXPECT_EQ(w().P(242).MousePointer, table::pointer::kSizeNeSw);
    EXPECT_EQ(p().anim.Codice_Visualizzazione, 20);
}

}  // namespace
}  // namespace tavolora::testing
