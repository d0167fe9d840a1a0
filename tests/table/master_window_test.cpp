#include <gtest/gtest.h>

#include <utility>

#include "tests/support/headless_program.h"

namespace tavolora::table {
namespace {

using testing::HeadlessProgram;

TEST(MasterWindow, ControlsStartAsTheWindowIsCreated) {
    HeadlessProgram h;
    const MasterWindow& w = h.program.master;
    EXPECT_FALSE(w.PIC_Tavolo.Visible);
    EXPECT_EQ(w.PIC_Tavolo.BackColor, 0x008000U);
    EXPECT_EQ(w.PIC_Tavolo.Left, 0);
    EXPECT_TRUE(w.FRM_M_Menu.Visible);
    EXPECT_EQ(w.FRM_M_Menu.Caption, "Menù di gioco");
    EXPECT_EQ(w.FRM_M_Menu.Width, 3015);
    EXPECT_EQ(w.FRM_M_Menu.Height, 2535);
    for (const Control* hidden :
         {&w.IMG_Sfondo_Tavolo, &w.LBL_Parola_Tresette, &w.PIC_Parola_Tiro, &w.PIC_Fine_Partita,
          &w.PIC_51_Monitor, &w.PIC_52_Monitor, &w.PIC_Riepilogo_Accusi, &w.CMD_Ordine_Carte, &w.List1}) {
        EXPECT_FALSE(hidden->Visible) << describe(hidden->key);
    }
    EXPECT_EQ(w.PIC_51_Monitor.Left, 3000);
    EXPECT_EQ(w.PIC_51_Monitor.Caption, "Riepilogo dei punteggi");
    EXPECT_EQ(w.PIC_52_Monitor.Top, 2520);
    EXPECT_EQ(w.PIC_Riepilogo_Accusi.Height, 2055);
    EXPECT_FALSE(w.CMD_M_ApriChiudi(0).Visible);
    EXPECT_TRUE(w.CMD_M_ApriChiudi(1).Visible);
    EXPECT_EQ(w.CMD_Parola_Tiro(2).Caption, "Volo! / E' la mia ultima carta di questo seme");
    EXPECT_EQ(w.CMD_Continua.Caption, "Continua la partita...");

    // Only the templates of the card pictures, flying copies and timers exist.
    EXPECT_TRUE(w.P.loaded(0));
    EXPECT_FALSE(w.P.loaded(1));
    EXPECT_FALSE(w.P_A.loaded(1));
    EXPECT_TRUE(w.T_Anim.loaded(0));
    EXPECT_FALSE(w.P(0).Visible);

    // The panels' seat arrays have members 1, 2, 3 and 9 only.
    for (int seat : {1, 2, 3, 9}) EXPECT_TRUE(w.LBL_Parziale_Punti.loaded(seat));
    EXPECT_FALSE(w.LBL_Parziale_Punti.loaded(4));
    EXPECT_TRUE(w.Visualizza_Prese.loaded(9));

    // The menu bar, every item visible, in the order of its titles.
    EXPECT_EQ(w.Q_N.Caption, "Nuova partita");
    EXPECT_EQ(w.Q_N_151.container, &w.Q_N);
    EXPECT_EQ(w.Q_H.Caption, "HighScores");
    EXPECT_TRUE(w.Q_E.Visible);
}

TEST(MasterWindow, TheFloatingElementsHoldTheirContentsBelowTheirTitleBands) {
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    // Each panel's (and the strip's) handle and close button lie in its title band, and
    // everything else it holds below the band and inside it, so that nothing lies over
    // the handle and the close button or over the title.
    const struct {
        const Control& element;
        const Control& handle;
        const Control& close;
        float band;
    } floating[] = {
        {w.PIC_51_Monitor, w.CMD_Muovi_PIC_051_Monitor, w.CMD_Chiudi_PIC_051_Monitor, 300},
        {w.PIC_52_Monitor, w.CMD_Muovi_PIC_052_Monitor, w.CMD_Chiudi_PIC_052_Monitor, 300},
        {w.PIC_Riepilogo_Accusi, w.CMD_Muovi_PIC_Riepilogo_Accusi, w.CMD_Chiudi_PIC_Riepilogo_Accusi, 300},
        // The strip's header and the margin under it.
        {w.FRM_M_Menu, w.CMD_Muovi_Menu_M, w.CMD_M_ApriChiudi(1), 300},
    };
    for (const auto& f : floating) {
        SCOPED_TRACE(describe(f.element.key));
        for (const Control* tool : {&f.handle, &f.close}) {
            EXPECT_GE(tool->Top, 0);
            EXPECT_LE(tool->Top + tool->Height, f.band);
            EXPECT_LE(tool->Left + tool->Width, f.element.Width);
        }
        EXPECT_LE(f.handle.Left + f.handle.Width, f.close.Left);
        int held = 0;
        w.for_each([&](const Control& c) {
            if (c.container != &f.element || &c == &f.handle || &c == &f.close || !c.exists) return;
            ++held;
            EXPECT_GE(c.Top, f.band) << describe(c.key);
            EXPECT_GE(c.Left, 0) << describe(c.key);
            EXPECT_LE(c.Left + c.Width, f.element.Width) << describe(c.key);
            EXPECT_LE(c.Top + c.Height, f.element.Height) << describe(c.key);
        });
        EXPECT_GT(held, 0);
    }
    // The captured-cards panel's seat buttons lie inside their frame, under its
    // caption's line, side by side without touching.
    const Control& frame = w.FRM_Pulsanti_Prese;
    for (int seat : {1, 2, 3, 9}) {
        const Control& button = w.Visualizza_Prese(seat);
        EXPECT_EQ(button.container, &frame);
        EXPECT_GE(button.Top, 240);
        EXPECT_LE(button.Left + button.Width, frame.Width);
        EXPECT_LE(button.Top + button.Height, frame.Height);
    }
    EXPECT_LT(w.Visualizza_Prese(9).Left + w.Visualizza_Prese(9).Width, w.Visualizza_Prese(2).Left);
    EXPECT_LT(w.Visualizza_Prese(9).Top + w.Visualizza_Prese(9).Height, w.Visualizza_Prese(1).Top);
    // As they first stand, the captured-cards panel leaves the declarations panel's
    // title band clear.
    EXPECT_LE(w.PIC_52_Monitor.Top + w.PIC_52_Monitor.Height, w.PIC_Riepilogo_Accusi.Top + 30);
}

TEST(MasterWindow, LoadedMembersCopyTheTemplateAndStartHiddenInFront) {
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    w.P(0).Enabled = false;
    w.P(0).Visible = true;
    ASSERT_TRUE(w.P.Load(5));
    EXPECT_FALSE(w.P.Load(5));
    EXPECT_FALSE(w.P(5).Visible);
    EXPECT_FALSE(w.P(5).Enabled);
    EXPECT_EQ(w.P(5).key.index, 5);
    ASSERT_TRUE(w.P.Load(6));
    EXPECT_GT(w.P(6).z, w.P(5).z);
    w.P(5).ZOrder(0);
    EXPECT_GT(w.P(5).z, w.P(6).z);
    w.P(5).ZOrder(1);
    EXPECT_LT(w.P(5).z, w.P(0).z);
    w.P.Unload(5);
    EXPECT_EQ(w.P.find(5), nullptr);
    w.P.Unload(0);  // the template stays
    EXPECT_TRUE(w.P.loaded(0));
}

using MasterWindowDeathTest = ::testing::Test;

TEST(MasterWindowDeathTest, ReachingAMemberThatIsNotLoadedIsAProgrammersError) {
    HeadlessProgram h;
    EXPECT_DEATH(h.program.master.P(7), "member 7 is not loaded");
    EXPECT_DEATH(h.program.master.P.Load(461), "outside 0..460");
}

TEST(MasterWindow, StartUpTitlesTheWindowAndHidesTheMenuBar) {
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    h.program.master_events.start_up();
    EXPECT_EQ(w.form.Caption, "Tavolora V 1.4 [ Brevanto ]");
    for (const Control* title : {&w.Q_N, &w.Q_U, &w.Q_Gi, &w.Q_O, &w.Q_G, &w.Q_H, &w.Q_C, &w.Q_E}) {
        EXPECT_FALSE(title->Visible) << describe(title->key);
    }
    EXPECT_TRUE(w.Q_N_Singola.Visible);  // reached only through its hidden title
    h.program.master_events.Nascondi_Menu();
    EXPECT_FALSE(w.Q_E.Visible);
}

TEST(MasterWindow, TheUsersFolderIsBesideTheProgram) {
    HeadlessProgram h("/opt/tavolora");
    h.program.master_events.Genera_Costanti();
    EXPECT_EQ(h.program.settings.Cartella_Utenti, "/opt/tavolora\\Users\\");
}

TEST(MasterWindow, AResizeLaysTheTableOutAndCentresTheMainMenu) {
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    h.program.match.Codice_Gioco = 1;  // a game lays its table out
    h.program.master_events.window_resized(15000, 9000, 14880, 8500);
    EXPECT_EQ(w.form.Height, 9000);
    EXPECT_EQ(w.PIC_Tavolo.Width, 14880);
    EXPECT_EQ(w.PIC_Tavolo.Height, 9000 - 500);
    const ChildScreen& menu = w.screens(Screen::F_011_Menu);
    EXPECT_EQ(menu.Width, 4440);
    EXPECT_EQ(menu.Height, 7115);
    EXPECT_FLOAT_EQ(menu.Top, 642.5F);
    EXPECT_EQ(menu.Left, 200);

    // A window too short for the centring puts the menu at the top of the client
    // area, never above it.
    h.program.master_events.window_resized(15000, 7500, 14880, 7200);
    EXPECT_EQ(menu.Top, 0);
}

TEST(MasterWindow, TheTableFillsTheClientAreaWhateverFrameTheWindowHasOrNone) {
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    h.program.match.Codice_Gioco = 1;
    // Two sizes, each without a frame (an outer size equal to the client's), with a
    // thin frame and with a tall caption.
    for (const auto& [client_width, client_height] : {std::pair{15240.0F, 10800.0F}, std::pair{23880.0F, 14520.0F}}) {
        for (const float frame : {0.0F, 120.0F, 690.0F}) {
            h.program.master_events.window_resized(client_width + frame, client_height + frame, client_width,
                                                   client_height);
            EXPECT_EQ(w.PIC_Tavolo.Width, client_width);
            EXPECT_EQ(w.PIC_Tavolo.Height, client_height) << "frame " << frame;
        }
    }
}

TEST(MasterWindow, AResizeWhileAHandIsPreparedLeavesTheTableButCentresTheMenu) {
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    h.program.match.Codice_Gioco = 1;
    h.program.master_events.window_resized(15000, 9000, 14880, 8500);
    h.program.anim.Preparazione_In_Corso = true;
    h.program.master_events.window_resized(12000, 8000, 11880, 7500);
    EXPECT_EQ(w.PIC_Tavolo.Height, 8500);
    EXPECT_FLOAT_EQ(w.screens(Screen::F_011_Menu).Top, (8000.0F - 7115.0F - 600.0F) / 2);
}

TEST(MasterWindow, HelpAndOptionsCollapseTheTableWithoutHidingIt) {
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    w.PIC_Tavolo.Visible = true;
    w.PIC_Tavolo.Height = 8000;
    h.program.master_events.Q_G_Click();
    EXPECT_TRUE(w.PIC_Tavolo.Visible);
    EXPECT_EQ(w.PIC_Tavolo.Height, 0);
    EXPECT_TRUE(w.screens(Screen::F_12_Help).loaded);
    w.PIC_Tavolo.Height = 8000;
    h.program.master_events.Q_O_Click();
    EXPECT_EQ(w.PIC_Tavolo.Height, 0);
    EXPECT_TRUE(w.screens(Screen::F_06_Opzioni).Visible);
}

TEST(MasterWindow, UsersAndGamesCloseEveryScreenButTheMainMenu) {
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    w.PIC_Tavolo.Visible = true;
    for (Screen s : {Screen::F_040_Partita, Screen::F_06_Opzioni, Screen::F_08_Crediti, Screen::F_12_Help,
                     Screen::F_03_Giochi}) {
        w.screens.Load(s);
    }
    h.program.master_events.Q_U_Click();
    EXPECT_FALSE(w.PIC_Tavolo.Visible);
    EXPECT_FALSE(w.Q_N.Visible);
    for (Screen s : {Screen::F_040_Partita, Screen::F_06_Opzioni, Screen::F_08_Crediti, Screen::F_12_Help,
                     Screen::F_03_Giochi}) {
        EXPECT_FALSE(w.screens(s).loaded);
    }
    EXPECT_TRUE(w.screens(Screen::F_02_Utenti).loaded);
    EXPECT_TRUE(w.screens(Screen::F_011_Menu).loaded);
    h.program.master_events.Q_Gi_Click();
    EXPECT_FALSE(w.screens(Screen::F_02_Utenti).loaded);
    EXPECT_TRUE(w.screens(Screen::F_03_Giochi).loaded);
}

class Input : public ::testing::Test {
protected:
    HeadlessProgram h;
    MasterWindow& w = h.program.master;
    InputDispatcher& input = h.program.input;
    std::vector<std::string> calls;

    void SetUp() override {
        w.PIC_Tavolo.Visible = true;
        for (int k = 1; k <= 3; ++k) {
            ASSERT_TRUE(w.P.Load(k));
            w.P(k).Visible = true;
            w.P(k).Enabled = true;
        }
        input.on(ControlId::P, InputEvent::Click,
                 [this](ControlKey key, const MouseArgs&) { calls.push_back("click " + describe(key)); });
        // Only the dispatcher is under test here, not what the game does on a press.
        for (InputEvent event : {InputEvent::MouseDown, InputEvent::MouseUp}) {
            input.on(ControlId::P, event, [](ControlKey, const MouseArgs&) {});
        }
    }
};

TEST_F(Input, IsCheckedAgainstTheControlWhenItIsDelivered) {
    EXPECT_TRUE(input.click({ControlId::P, 1}));
    h.platform.post([this] { input.click({ControlId::P, 2}); });
    w.P(2).Enabled = false;  // disabled after the click was queued
    h.platform.settle();
    EXPECT_FALSE(input.click({ControlId::P, 3 + 1}));  // not loaded
    w.P(3).Visible = false;
    EXPECT_FALSE(input.click({ControlId::P, 3}));
    w.P(3).Visible = true;
    w.PIC_Tavolo.Enabled = false;  // a disabled container disables what it holds
    EXPECT_FALSE(input.click({ControlId::P, 3}));
    w.PIC_Tavolo.Enabled = true;
    EXPECT_TRUE(input.click({ControlId::P, 3}));
    EXPECT_EQ(calls, (std::vector<std::string>{"click P(1)", "click P(3)"}));
}

TEST_F(Input, DeliversMouseEventsInTheWindowSystemsOrder) {
    for (InputEvent event : {InputEvent::MouseDown, InputEvent::MouseUp}) {
        input.on(ControlId::P, event, [this, event](ControlKey, const MouseArgs& args) {
            calls.push_back((event == InputEvent::MouseDown ? "down " : "up ") + std::to_string(args.Button));
        });
    }
    input.click({ControlId::P, 1}, 2);
    EXPECT_EQ(calls, (std::vector<std::string>{"down 2", "up 2", "click P(1)"}));
}

TEST_F(Input, APlayCannotStartWhileAnotherRuns) {
    int plays = 0;
    bool inner_refused = false;
    bool continued = false;
    input.on(ControlId::CMD_M_Continua, InputEvent::Click,
             [&](ControlKey, const MouseArgs&) { continued = true; });
    input.on(
        ControlId::P, InputEvent::Click,
        [&](ControlKey, const MouseArgs&) {
            ++plays;
            // Inside the play's wait, a second card click and the continue button.
            h.platform.post([&] { inner_refused = !input.click({ControlId::P, 2}); });
            h.platform.post([&] { input.click({ControlId::CMD_M_Continua}); });
            h.program.waits.wait_until("gioco", [&] { return continued; });
        },
        HandlerKind::Play);
    EXPECT_TRUE(input.click({ControlId::P, 1}));
    EXPECT_EQ(plays, 1);
    EXPECT_TRUE(inner_refused);
    EXPECT_TRUE(continued);
    EXPECT_FALSE(input.play_running());
    EXPECT_TRUE(input.click({ControlId::P, 3}));  // the next play may start
    EXPECT_EQ(plays, 2);
}

}  // namespace
}  // namespace tavolora::table
