// The main menu: its two rows, its action icons and the icon bar's highlight.

#include <functional>
#include <string>
#include <utility>

#include "setup/icon_bar.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "tests/setup/setup_fixture.h"

namespace tavolora::testing {
namespace {

using setup::IconBar;
using table::Screen;

TEST(IconBar, TheHighlightSlidesAQuarterOfTheWayEachTickAndSnapsUnderTenTwips) {
    IconBar bar({{1, 1080, 120, "Nuova partita", "designed", true}, {4, 120, 840, "Guida", "", true}},
                "Nuova partita", 1);
    EXPECT_EQ(bar.interval, 0);
    bar.hover(4);
    EXPECT_EQ(bar.interval, IconBar::kInterval);
    EXPECT_EQ(bar.description, "Guida");
    EXPECT_EQ(bar.icon(4)->tooltip, "Guida");
    EXPECT_EQ(bar.icon(1)->tooltip, "designed");  // until its own first hover

    const std::pair<float, float> steps[] = {{840, 300}, {660, 435}, {525, 536.25F}, {423.75F, 612.1875F}};
    for (const auto& [left, top] : steps) {
        bar.tick();
        EXPECT_FLOAT_EQ(bar.shape_left, left);
        EXPECT_FLOAT_EQ(bar.shape_top, top);
    }
    int ticks = 4;
    while (bar.interval != 0 && ticks < 100) {
        bar.tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 13);
    EXPECT_EQ(bar.shape_left, 120);
    EXPECT_EQ(bar.shape_top, 840);

    // Hovering the icon it rests on starts the timer; the first tick stops it.
    bar.hover(4);
    EXPECT_EQ(bar.interval, IconBar::kInterval);
    bar.tick();
    EXPECT_EQ(bar.interval, 0);
    EXPECT_EQ(bar.shape_left, 120);
}

TEST(IconBar, AReleaseAnywherePutsBackThePressedIconAndAHoverWhilePressedAimsAtItsShiftedPlace) {
    IconBar bar({{1, 1050, 0, "Chiudi", "", true}, {2, 5565, 0, "Gioca!", "", true}}, "Gioca!", 2);
    bar.press(1);
    EXPECT_EQ(bar.icon(1)->Left, 1080);
    EXPECT_EQ(bar.icon(1)->Top, 50);
    bar.hover(1);
    bar.release();  // over the other icon, or off the bar
    EXPECT_EQ(bar.icon(1)->Left, 1050);
    EXPECT_EQ(bar.icon(1)->Top, 0);
    EXPECT_EQ(bar.destination_left, 1080);
    EXPECT_EQ(bar.destination_top, 50);

    // A bar that does not slide keeps only the pressed look.
    IconBar still({{3, 120, 6645, "", "", true}}, "", 3, false);
    still.hover(3);
    EXPECT_EQ(still.interval, 0);
    still.press(3);
    EXPECT_EQ(still.icon(3)->Top, 6695);
    still.release();
    EXPECT_EQ(still.icon(3)->Top, 6645);
}

using MainMenu = StartedProgram;

TEST_F(MainMenu, LoadsWithTheFirstUserAndGameItsCaptionsAndTheHighlightOnPlay) {
    const setup::MainMenuState& m = p.setup.main_menu;
    EXPECT_TRUE(shown(Screen::F_011_Menu).Visible);
    EXPECT_EQ(m.PNL_Menu_Principale, "Menù principale");
    EXPECT_EQ(m.PNL_Scelte_Primarie, "Scelta utente e gioco");
    EXPECT_EQ(m.LBL_Primarie(1).Caption.substr(0, 4), "Anna");
    EXPECT_EQ(m.LBL_Primarie(2).Caption, "Briscola");
    EXPECT_EQ(m.IMG_Icona.description, "Nuova partita");
    EXPECT_EQ(m.IMG_Icona.shape_left, 1080);
    EXPECT_EQ(m.IMG_Icona.icon(1)->tooltip, "Clicca sulle icone per eseguire l'operazione scritta in basso");
    EXPECT_EQ(m.IMG_Icona.icon(7)->text, "Esci");
    EXPECT_EQ(m.IMG_Icona.icon(6), nullptr);
    EXPECT_FALSE(p.master.Q_N.Visible);  // the menu bar is hidden for good
}

TEST_F(MainMenu, TheGameArrowsReachEveryGameBothWaysEachWithItsColour) {
    const setup::MainMenuState& m = p.setup.main_menu;
    const char* forward[] = {"Scopa", "Camicia", "Tresette", "Briscola"};
    for (int step = 0; step < 4; ++step) {
        menu().IMG_Icona_Primarie_Click(4);
        const int game = step == 3 ? 1 : step + 2;
        EXPECT_EQ(m.LBL_Primarie(2).Caption, forward[step]);
        EXPECT_EQ(m.LBL_Primarie(2).Tag, std::to_string(game));
        EXPECT_EQ(p.match.Codice_Gioco, game);
        EXPECT_EQ(m.BackColor2, games::find(game)->colour);
    }
    menu().IMG_Icona_Primarie_Click(3);  // back from the first: the last named
    EXPECT_EQ(m.LBL_Primarie(2).Caption, "Tresette");
    menu().IMG_Icona_Primarie_Click(3);
    EXPECT_EQ(m.LBL_Primarie(2).Caption, "Camicia");
    EXPECT_EQ(p.match.Codice_Gioco, 3);
    EXPECT_EQ(p.settings.Percorso_Opzioni, folder.string() + "\\Users\\Anna_3.opt");
    // The four games have four colours.
    EXPECT_NE(games::find(2)->colour, games::find(4)->colour);
    EXPECT_NE(games::find(1)->colour, games::find(2)->colour);
}

TEST_F(MainMenu, TheUserArrowsWrapBothWaysAndEveryArrowClosesTheOtherScreens) {
    const setup::MainMenuState& m = p.setup.main_menu;
    set_up().load();
    p.master.PIC_Tavolo.Visible = true;
    menu().IMG_Icona_Primarie_Click(1);  // back from the first: the last
    EXPECT_EQ(m.LBL_Primarie(1).Caption, "Carla");
    EXPECT_FALSE(shown(Screen::F_040_Partita).loaded);
    EXPECT_FALSE(p.master.PIC_Tavolo.Visible);
    EXPECT_TRUE(shown(Screen::F_011_Menu).Visible);
    menu().IMG_Icona_Primarie_Click(2);  // past the last: the first
    EXPECT_EQ(m.LBL_Primarie(1).Caption, "Anna");
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Anna");
}

TEST_F(MainMenu, ThePlayIconOpensEachGamesSetUpWithItsSavedSettings) {
    for (int game = 1; game <= 4; ++game) {
        choose_game(game);
        click([this] { menu().IMG_Icona_Click(1); });
        SCOPED_TRACE(game);
        EXPECT_TRUE(shown(Screen::F_040_Partita).loaded);
        EXPECT_TRUE(shown(Screen::F_040_Partita).Visible);
        EXPECT_TRUE(shown(Screen::F_011_Menu).Visible);
        EXPECT_EQ(screen().LBL_Modalita.Caption, "Singola");
        EXPECT_EQ(screen().LBL_Modalita.Tag, "1");
        const bool camicia = game == games::kCamicia;
        EXPECT_EQ(screen().FRM_Generali_Camicia.Visible, camicia);
        EXPECT_TRUE(screen().FRM_Generali_Briscola.Visible);
        EXPECT_FALSE(screen().FRM_Numero_Punteggio.Visible);
        if (!camicia) {
            EXPECT_EQ(p.match.Modalita_Partita, 1);
            EXPECT_TRUE(screen().OPT_Numero_Giocatori(2).Value);
            EXPECT_TRUE(screen().OPT_Gioca_Per_Primo(0).Value);
            EXPECT_TRUE(screen().OPT_Verso_Delle_Carte(0).Value);
            EXPECT_EQ(screen().TXT_Numero_Partite.Text, "5");
        }
        // Each icon saved the general file with the shown user and game.
        const storage::Tipo_Opzioni general = storage::decode_options(
            *storage::read_file(folder.path() / "Options" / "TVQ.opt"));
        EXPECT_EQ(general.Impostazioni(1), game);
    }
    // The points slider's range is the game's: Scopa's 50 hold 100 points no more.
    choose_game(games::kScopa);
    click([this] { menu().IMG_Icona_Click(1); });
    EXPECT_EQ(screen().SLD_Punteggio.Max, 50);
    EXPECT_LE(screen().SLD_Punteggio.Value, 50);
    EXPECT_EQ(screen().TXT_Numero_Punteggio.Text, std::to_string(screen().SLD_Punteggio.Value));
}

TEST_F(MainMenu, TheOtherIconsOpenTheirScreensAndTheExitSavesAndEnds) {
    click([this] { menu().IMG_Icona_Click(5); });
    EXPECT_TRUE(shown(Screen::F_08_Crediti).loaded);
    click([this] { menu().IMG_Icona_Click(2); });
    EXPECT_TRUE(shown(Screen::F_02_Utenti).loaded);
    EXPECT_FALSE(shown(Screen::F_08_Crediti).loaded);

    menu().IMG_Icona_Primarie_Click(2);
    choose_game(games::kTresette);
    click([this] { menu().IMG_Icona_Click(7); });
    EXPECT_TRUE(h.platform.ended());
    // The next start shows the user and game the exit left.
    HeadlessProgram again(folder.string());
    again.program.waits.at_boundary([&again] { again.program.start_up(); });
    EXPECT_EQ(again.program.setup.main_menu.LBL_Primarie(1).Caption.substr(0, 5), "Bruno");
    EXPECT_EQ(again.program.setup.main_menu.LBL_Primarie(2).Caption, "Tresette");
    EXPECT_EQ(again.program.match.Codice_Gioco, games::kTresette);
}

// Every screen the main menu opens, at the window sizes a person meets: inside the
// client area; beside the main menu where there is room for both, and otherwise
// against the right edge, over as little of the menu as it can; where the centring
// already fits, exactly there.
TEST_F(MainMenu, EveryScreenOpensInsideTheWindowAndBesideTheMenuWhereThereIsRoom) {
    const std::vector<OpenedScreen> screens = screens_from_menu();
    const table::FormGeometry& form = p.master.form;
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{800, 600}, std::pair{1600, 1000}}) {
        // A thin frame, as a window manager draws one.
        p.master_events.window_resized(width * 15.0F + 120, height * 15.0F + 450, width * 15.0F, height * 15.0F);
        const table::ChildScreen& main_menu = shown(Screen::F_011_Menu);
        const float menu_right = main_menu.Left + main_menu.Width;
        const auto inside = [&form](const table::ChildScreen& s) {
            return s.Left >= 0 && s.Top >= 0 && s.Left + s.Width <= form.ScaleWidth &&
                   s.Top + s.Height <= form.ScaleHeight;
        };
        EXPECT_TRUE(inside(main_menu)) << width << "x" << height;
        EXPECT_EQ(main_menu.Left, 200);
        for (const auto& [id, name, open] : screens) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(width) + "x" + std::to_string(height));
            click(open);
            const table::ChildScreen& s = shown(id);
            ASSERT_TRUE(s.Visible);
            EXPECT_TRUE(inside(s)) << s.Left << ", " << s.Top << ", " << s.Width << " x " << s.Height;
            if (form.ScaleWidth >= menu_right + s.Width) {
                EXPECT_GE(s.Left, menu_right);
            } else {
                EXPECT_FLOAT_EQ(s.Left + s.Width, form.ScaleWidth);
            }
            if (width == 1600) {
                EXPECT_FLOAT_EQ(s.Left, menu_right + (form.Width - menu_right - s.Width) / 2);
                EXPECT_FLOAT_EQ(s.Top, (form.Height - s.Height - 600) / 2);
            }
            p.master_events.Chiudi_Tutte_Le_Form();
        }
    }
    // The options screen, wider than the room right of the menu at 1024 x 768,
    // overlaps the menu by what it must and no more.
    p.master_events.window_resized(15360, 11520, 15360, 11520);
    click([this] { menu().IMG_Icona_Click(3); });
    EXPECT_FLOAT_EQ(shown(Screen::F_06_Opzioni).Left, 15360 - 11780);
    p.master_events.Chiudi_Tutte_Le_Form();

    // A window smaller than a screen: the screen starts at the client area's top
    // left corner, so that its title and icons show; the menu too.
    p.master_events.window_resized(9000, 6000, 9000, 6000);
    click([this] { menu().IMG_Icona_Click(3); });
    EXPECT_EQ(shown(Screen::F_06_Opzioni).Left, 0);
    EXPECT_EQ(shown(Screen::F_06_Opzioni).Top, 0);
    EXPECT_EQ(shown(Screen::F_011_Menu).Top, 0);
}

}  // namespace
}  // namespace tavolora::testing
