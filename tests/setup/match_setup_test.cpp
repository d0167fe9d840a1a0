// The match set-up screen: its loading per game, the rules among its controls, the
// arrows of the kind of match, and "Gioca!" from the screen to the first hand.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "storage/basic_text.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "tests/setup/setup_fixture.h"

namespace tavolora::testing {
namespace {

using table::Screen;
using table::ControlId;

class MatchSetup : public StartedProgram {
protected:
    // The screen as it loads for `game`, before any saved setting is shown.
    void load_for(int game) {
        p.match.Codice_Gioco = static_cast<std::int16_t>(game);
        set_up().load();
    }
    bool selected(int players) const { return p.setup.setup_screen.OPT_Numero_Giocatori(players).Value; }
    // Name box k and who-plays-first option k, which always go together.
    bool seat_enabled(int k) {
        EXPECT_EQ(screen().TXT_Nome_Giocatore(k).Enabled, screen().OPT_Gioca_Per_Primo(k).Enabled) << k;
        return screen().TXT_Nome_Giocatore(k).Enabled;
    }
    // The play icon of the main menu, for the game chosen on it.
    void open_from_menu(int game) {
        choose_game(game);
        click([this] { menu().IMG_Icona_Click(1); });
    }
    // A match of `game` to points for `players`, from the main menu to the first hand.
    void start_to_points(int game, int players) {
        open_from_menu(game);
        for (int step = 0; step < 4 && screen().LBL_Modalita.Caption != "Punteggio"; ++step) {
            click([this] { set_up().IMG_Icona_Click(2); });
        }
        ASSERT_EQ(screen().LBL_Modalita.Caption, "Punteggio");
        set_up().set_players(players);
        click([this] { set_up().IMG_Icona_Menu_Click(2); });
        ASSERT_TRUE(p.master.PIC_Tavolo.Visible);
        ASSERT_EQ(p.match.Numero_Giocatori, players);
    }
    // The strip's button that leaves the match for the main menu.
    void leave_match() {
        click([this] { p.master_events.CMD_M_Chiudi_Partita_Click(); });
        ASSERT_TRUE(shown(Screen::F_011_Menu).Visible);
    }
    // A click of a control of the table, as the window delivers it.
    void click_table(table::ControlId id, int index = 0) { ASSERT_TRUE(p.input.click({id, index})); }
};

TEST_F(MatchSetup, AsBuiltForBriscolaNoCountOrFirstPlayerIsChosen) {
    load_for(games::kBriscola);
    for (int n = 2; n <= 4; ++n) {
        EXPECT_FALSE(selected(n));
        EXPECT_TRUE(screen().OPT_Numero_Giocatori(n).Enabled);
    }
    for (int k = 0; k <= 3; ++k) EXPECT_FALSE(screen().OPT_Gioca_Per_Primo(k).Value);
    EXPECT_EQ(screen().TXT_Nome_Giocatore(1).Text, "Galvino");
    EXPECT_EQ(screen().TXT_Nome_Giocatore(2).Text, "Tuno");
    EXPECT_EQ(screen().TXT_Nome_Giocatore(3).Text, "Melto");
    EXPECT_EQ(screen().OPT_Gioca_Per_Primo(2).Caption, "Tuno");
    EXPECT_EQ(screen().OPT_Gioca_Per_Primo(0).Caption, p.settings.Nome_Utente.text());
    EXPECT_EQ(screen().SLD_Punteggio.Min, 1);
    EXPECT_EQ(screen().SLD_Punteggio.Max, 1200);
    EXPECT_EQ(screen().TXT_Numero_Punteggio.Text, "1");
    EXPECT_EQ(screen().LBL_Modalita.Caption, "Singola");
    EXPECT_EQ(screen().captions.Panel1, "Scegli la modalità di gioco");
    EXPECT_EQ(screen().OPT_Numero_Giocatori(3).Caption, "3 Giocatori");
    EXPECT_EQ(screen().IMG_Icona_Menu.description, "Gioca!");
    EXPECT_EQ(screen().IMG_Icona_Menu.shape_left, 5565);
    EXPECT_TRUE(screen().OPT_Verso_Delle_Carte(0).Value);
    EXPECT_TRUE(screen().FRM_Generali_Briscola.Visible);
    EXPECT_FALSE(screen().FRM_Generali_Camicia.Visible);
    // Centred in the room right of the main menu.
    const table::ChildScreen& menu_place = shown(Screen::F_011_Menu);
    const table::ChildScreen& place = shown(Screen::F_040_Partita);
    const float right = menu_place.Left + menu_place.Width;
    EXPECT_FLOAT_EQ(place.Left, right + (p.master.form.Width - right - place.Width) / 2);
}

TEST_F(MatchSetup, TheNumberOfPlayersOpensItsSeatsAndPutsTheUserFirst) {
    load_for(games::kScopa);
    EXPECT_TRUE(selected(4));
    EXPECT_FALSE(screen().OPT_Numero_Giocatori(3).Enabled);
    EXPECT_TRUE(seat_enabled(1) && seat_enabled(2) && seat_enabled(3));
    EXPECT_TRUE(screen().OPT_Gioca_Per_Primo(0).Value);

    set_up().set_first_player(3);
    set_up().set_players(2);
    EXPECT_TRUE(screen().OPT_Gioca_Per_Primo(0).Value);
    EXPECT_FALSE(screen().OPT_Gioca_Per_Primo(3).Value);
    EXPECT_FALSE(seat_enabled(1));
    EXPECT_TRUE(seat_enabled(2));
    EXPECT_FALSE(seat_enabled(3));
    EXPECT_FALSE(selected(4));

    set_up().set_players(3);
    EXPECT_TRUE(seat_enabled(1) && seat_enabled(2));
    EXPECT_FALSE(seat_enabled(3));
}

TEST_F(MatchSetup, CamiciasCardCountIsOpenOnlyForAGameToCards) {
    load_for(games::kCamicia);
    EXPECT_TRUE(screen().FRM_Generali_Camicia.Visible);
    EXPECT_TRUE(screen().OPT_Camicia(0).Value);
    EXPECT_FALSE(screen().SLD_Camicia_Numero.Enabled);
    EXPECT_FALSE(screen().FRM_Camicia_Numero_Enabled);
    EXPECT_EQ(screen().TXT_Camicia_Numero.Text, "21");
    set_up().set_camicia_kind(2);
    EXPECT_TRUE(screen().SLD_Camicia_Numero.Enabled);
    EXPECT_TRUE(screen().TXT_Camicia_Numero.Enabled);
    set_up().set_camicia_kind(1);  // a hidden option: nothing changes
    EXPECT_TRUE(screen().OPT_Camicia(2).Value);
    set_up().set_camicia_kind(0);
    EXPECT_FALSE(screen().TXT_Camicia_Numero.Enabled);
}

TEST_F(MatchSetup, SlidersFillTheirBoxesNamesFillTheirCaptionsAndTypingMovesNoSlider) {
    load_for(games::kBriscola);
    set_up().set_points(61);
    set_up().set_games(40);  // past the end: the slider's last value
    EXPECT_EQ(screen().TXT_Numero_Punteggio.Text, "61");
    EXPECT_EQ(screen().TXT_Numero_Partite.Text, "15");
    screen().TXT_Numero_Punteggio.Text = "500";
    EXPECT_EQ(screen().SLD_Punteggio.Value, 61);
    set_up().set_name(3, "Rita");
    EXPECT_EQ(screen().OPT_Gioca_Per_Primo(3).Caption, "Rita");
    set_up().set_points_range(50, 1, 5);
    EXPECT_EQ(screen().SLD_Punteggio.Value, 50);
    EXPECT_EQ(screen().TXT_Numero_Punteggio.Text, "50");
}

TEST_F(MatchSetup, TheModeArrowsStepThroughEachGamesKindsAndShowTheirPanels) {
    struct Step {
        const char* caption;
        int mode;
        bool points, games;
    };
    const Step briscola[] = {{"Partite", 3, false, true},
                             {"Punteggio", 2, true, false},
                             {"151", 4, true, false},
                             {"Singola", 1, false, false}};
    open_from_menu(games::kBriscola);
    for (const Step& step : briscola) {
        click([this] { set_up().IMG_Icona_Click(2); });
        EXPECT_EQ(screen().LBL_Modalita.Caption, step.caption);
        EXPECT_EQ(p.match.Modalita_Partita, step.mode);
        EXPECT_EQ(screen().FRM_Numero_Punteggio.Visible, step.points) << step.caption;
        EXPECT_EQ(screen().FRM_Numero_Partite.Visible, step.games) << step.caption;
        EXPECT_TRUE(screen().FRM_Generali_Briscola.Visible);
    }
    click([this] { set_up().IMG_Icona_Click(1); });  // back from the first: the last
    EXPECT_EQ(screen().LBL_Modalita.Caption, "151");
    EXPECT_EQ(p.match.Carte_In_Mano, 5);
    EXPECT_EQ(screen().LBL_Modalita.Tag, "4");

    for (int game : {games::kScopa, games::kTresette}) {
        open_from_menu(game);
        click([this] { set_up().LBL_Modalita_Click(); });
        EXPECT_EQ(screen().LBL_Modalita.Caption, "Punteggio");
        EXPECT_TRUE(screen().FRM_Numero_Punteggio.Visible);
        click([this] { set_up().IMG_Icona_Click(2); });
        EXPECT_EQ(screen().LBL_Modalita.Caption, "Singola");
        click([this] { set_up().IMG_Icona_Click(1); });
        EXPECT_EQ(screen().LBL_Modalita.Caption, "Punteggio");
        EXPECT_EQ(p.match.Modalita_Partita, 2);
    }

    open_from_menu(games::kCamicia);
    for (int arrow : {1, 2}) {
        click([this, arrow] { set_up().IMG_Icona_Click(arrow); });
        EXPECT_EQ(screen().LBL_Modalita.Caption, "Singola");
        EXPECT_TRUE(screen().FRM_Generali_Camicia.Visible);
    }
}

TEST_F(MatchSetup, ChiudiForgetsTheScreenAndSetsTheTablesPanelCaptions) {
    open_from_menu(games::kBriscola);
    set_up().set_name(1, "Rita");
    click([this] { set_up().IMG_Icona_Menu_Click(1); });
    EXPECT_FALSE(shown(Screen::F_040_Partita).loaded);
    EXPECT_FALSE(shown(Screen::F_040_Partita).Visible);
    EXPECT_EQ(p.master.FRM_Pulsanti_Prese.Caption, "Visualizzazione delle prese di:");
    EXPECT_EQ(p.master.Frame1.Caption, "Totali");
    load_for(games::kBriscola);
    EXPECT_EQ(screen().TXT_Nome_Giocatore(1).Text, "Galvino");
}

TEST_F(MatchSetup, GiocaCopiesTheScreenIntoTheMatchAndTheNextOpeningShowsItAgain) {
    open_from_menu(games::kBriscola);
    click([this] {
        set_up().IMG_Icona_Click(2);
        set_up().IMG_Icona_Click(2);  // "Punteggio"
    });
    set_up().set_players(3);
    set_up().set_name(1, "Una giocatrice dal nome lungo");
    set_up().set_points(61);
    screen().CHK_Ferma_Punteggio = true;
    set_up().set_first_player(1);
    set_up().set_direction(1);
    click([this] { set_up().IMG_Icona_Menu_Click(2); });

    const engine::MatchState& m = p.match;
    EXPECT_EQ(m.Numero_Giocatori, 3);
    EXPECT_EQ(m.Modalita_Partita, 2);
    EXPECT_EQ(m.Primo_Giocatore, 1);
    EXPECT_EQ(m.Contatori(6), 1);
    EXPECT_EQ(m.Punti_Da_Raggiungere, 61);
    EXPECT_TRUE(m.Ferma_Punteggio);
    EXPECT_EQ(m.Nomi_Giocatori(1), "Una giocatrice dal n");
    EXPECT_EQ(m.Nomi_Giocatori(3), "-" + std::string(19, ' '));
    EXPECT_FALSE(shown(Screen::F_040_Partita).loaded);
    EXPECT_FALSE(shown(Screen::F_011_Menu).Visible);
    EXPECT_TRUE(p.master.PIC_Tavolo.Visible);
    EXPECT_EQ(p.master.Frame2.Caption, "Parziali");

    // The settings were saved: the next opening shows them and their kind of match.
    click([this] { menu().IMG_Icona_Click(1); });
    EXPECT_EQ(screen().LBL_Modalita.Caption, "Punteggio");
    EXPECT_TRUE(screen().FRM_Numero_Punteggio.Visible);
    EXPECT_TRUE(selected(3));
    EXPECT_EQ(screen().SLD_Punteggio.Value, 61);
    EXPECT_TRUE(screen().OPT_Gioca_Per_Primo(1).Value);
    EXPECT_TRUE(screen().OPT_Verso_Delle_Carte(1).Value);
    EXPECT_TRUE(screen().CHK_Ferma_Punteggio);
    // The name comes back without the blanks that pad it in the file, so that typing
    // at its end adds to it; the file still holds it padded to its 20 characters.
    EXPECT_EQ(screen().TXT_Nome_Giocatore(1).Text, "Una giocatrice dal n");
    EXPECT_EQ(screen().TXT_Nome_Giocatore(2).Text, "Galvino");
    EXPECT_EQ(screen().OPT_Gioca_Per_Primo(2).Caption, "Galvino");
    EXPECT_EQ(p.settings.Opzioni.Nomi_Giocatori(2).text(), "Galvino" + std::string(13, ' '));
    set_up().set_name(2, screen().TXT_Nome_Giocatore(2).Text + "ne");
    EXPECT_EQ(screen().OPT_Gioca_Per_Primo(2).Caption, "Galvinone");
}

TEST_F(MatchSetup, AMatchWhoseDeckLacksACardDoesNotStartAndTheMenuComesBack) {
    std::filesystem::remove(folder.path() / "Cards" / "Mazzo" / "3" / "7.bmp");
    open_from_menu(games::kScopa);
    set_up().set_players(2);
    click([this] { set_up().IMG_Icona_Menu_Click(2); });

    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].title, "Attenzione!");
    EXPECT_NE(h.platform.messages()[0].text.find("7 di Denari"), std::string::npos);
    EXPECT_TRUE(shown(Screen::F_011_Menu).Visible);
    EXPECT_FALSE(shown(Screen::F_040_Partita).loaded);
    EXPECT_FALSE(p.master.PIC_Tavolo.Visible);
    EXPECT_TRUE(p.master.Q_O.Enabled);
    EXPECT_EQ(p.match.Tabella_Carte(9, 1, 1), 0);  // no card was dealt

    // The main menu works again, with the settings kept.
    click([this] { menu().IMG_Icona_Click(1); });
    EXPECT_TRUE(shown(Screen::F_040_Partita).Visible);
    EXPECT_TRUE(selected(2));
}

// A match started with any other screen of the main menu open starts on a clear
// table: the screen is closed (the user screen is not brought back by the new-user
// screen's closing), and the scores and captured-cards panels of the match before
// are hidden where the player left them.
TEST_F(MatchSetup, GiocaClosesEveryOtherScreenAndThePanelsOfTheMatchBefore) {
    // Every screen but the set-up screen itself, which "Gioca!" closes.
    std::vector<OpenedScreen> screens = screens_from_menu();
    std::erase_if(screens, [](const OpenedScreen& s) { return s.screen == Screen::F_040_Partita; });
    table::MasterWindow& w = p.master;
    for (int game : {games::kBriscola, games::kCamicia}) {
        choose_game(game);
        for (const auto& [id, name, open] : screens) {
            SCOPED_TRACE(std::string(name) + " in game " + std::to_string(game));
            click(open);
            ASSERT_TRUE(shown(id).Visible);
            // The match before left its panels open where the player moved them.
            w.PIC_51_Monitor.Visible = true;
            w.PIC_51_Monitor.Left = 6000;
            w.PIC_52_Monitor.Visible = true;
            w.PIC_52_Monitor.Top = 4000;

            click([this] { menu().IMG_Icona_Click(1); });
            if (game != games::kCamicia) set_up().set_players(2);
            click([this] { set_up().IMG_Icona_Menu_Click(2); });

            for (Screen other : {Screen::F_011_Menu, Screen::F_02_Utenti, Screen::F_022_Utenti_Nuovo,
                                 Screen::F_03_Giochi, Screen::F_040_Partita, Screen::F_06_Opzioni,
                                 Screen::F_08_Crediti, Screen::F_12_Help}) {
                EXPECT_FALSE(shown(other).Visible) << static_cast<int>(other);
                // Camicia keeps its set-up screen loaded, hidden; the main menu is
                // never unloaded.
                if (other != Screen::F_011_Menu && other != Screen::F_040_Partita) {
                    EXPECT_FALSE(shown(other).loaded) << static_cast<int>(other);
                }
            }
            EXPECT_TRUE(w.PIC_Tavolo.Visible);
            EXPECT_GT(w.PIC_Tavolo.Height, 0);
            EXPECT_FALSE(w.PIC_51_Monitor.Visible);
            EXPECT_FALSE(w.PIC_52_Monitor.Visible);
            EXPECT_EQ(w.PIC_51_Monitor.Left, 6000);
            EXPECT_EQ(w.PIC_52_Monitor.Top, 4000);
            // Back to the main menu for the next screen.
            click([this] { p.master_events.CMD_M_Chiudi_Partita_Click(); });
            ASSERT_TRUE(shown(Screen::F_011_Menu).Visible);
        }
    }
}

// Every match's start, Camicia's too, leaves the strip open and its reopen button
// hidden: the button stands on the table only while the strip is closed.
TEST_F(MatchSetup, EveryMatchStartsWithTheStripOpenAndItsReopenButtonHidden) {
    const table::MasterWindow& w = p.master;
    for (int game : {games::kBriscola, games::kCamicia, games::kScopa, games::kTresette}) {
        SCOPED_TRACE("game " + std::to_string(game));
        open_from_menu(game);
        if (game != games::kCamicia) set_up().set_players(2);
        click([this] { set_up().IMG_Icona_Menu_Click(2); });
        ASSERT_TRUE(w.PIC_Tavolo.Visible);
        EXPECT_TRUE(w.FRM_M_Menu.Visible);
        EXPECT_FALSE(w.CMD_M_ApriChiudi(0).Visible);
        click_table(ControlId::CMD_M_ApriChiudi, 1);
        EXPECT_FALSE(w.FRM_M_Menu.Visible);
        EXPECT_TRUE(w.CMD_M_ApriChiudi(0).Visible);
        click_table(ControlId::CMD_M_ApriChiudi, 0);
        EXPECT_TRUE(w.FRM_M_Menu.Visible);
        EXPECT_FALSE(w.CMD_M_ApriChiudi(0).Visible);
        leave_match();
    }
}

// Every match's start makes its own seats live on the score panel (points and
// standing) and on the captured-cards viewer's buttons, and greys the empty ones,
// whatever match of whatever game the run played before: a four-player Briscola after
// a two-player Scopa shows the other side's points on Tuno and Melto.
TEST_F(MatchSetup, EachMatchShowsItsOwnSeatsOnTheScorePanelAndTheViewer) {
    const std::pair<int, int> run[] = {{games::kScopa, 2},    {games::kBriscola, 4}, {games::kTresette, 2},
                                       {games::kBriscola, 3}, {games::kScopa, 4},    {games::kTresette, 3},
                                       {games::kBriscola, 2}, {games::kTresette, 4}};
    const table::MasterWindow& w = p.master;
    for (const auto& [game, players] : run) {
        SCOPED_TRACE("game " + std::to_string(game) + " with " + std::to_string(players) + " players");
        start_to_points(game, players);
        if (HasFatalFailure()) return;
        for (int seat : {9, 1, 2, 3}) {
            const bool in_play = seat == 9 || seat == 2 || (seat == 1 && players >= 3) || (seat == 3 && players == 4);
            EXPECT_EQ(w.LBL_Parziale_Punti(seat).Enabled, in_play) << seat;
            EXPECT_EQ(w.LBL_Totale_Punti(seat).Enabled, in_play) << seat;
            EXPECT_EQ(w.Visualizza_Prese(seat).Enabled, in_play) << seat;
            // A seat in play is named and shows its points and its standing ("0 / 11");
            // an empty one shows "-" alone.
            EXPECT_EQ(table::Trim(w.LBL_Parziale_Nome(seat).Caption) == "-", !in_play) << seat;
            EXPECT_EQ(w.LBL_Parziale_Punti(seat).Caption == "-", !in_play) << seat;
            EXPECT_EQ(w.LBL_Totale_Punti(seat).Caption.find(" / ") != std::string::npos, in_play) << seat;
        }
        leave_match();
    }
}

// The captured-cards viewer starts each match afresh: opened in a new match, of
// another game with another deck, it shows the human's pile of this match as it
// stands, never the pile, the figure, the scroll place or the deck the last match
// left in it. Within a match it still changes only when a seat is chosen.
TEST_F(MatchSetup, TheCapturedCardsViewerStartsEachMatchAfresh) {
    // Scopa is played with another deck, of wider cards.
    write_test_deck(folder, 90, 120, "Altro");
    const std::filesystem::path scopa_options = folder.path() / "Users" / "Anna_2.opt";
    const auto stored = storage::read_file(scopa_options);
    ASSERT_TRUE(stored.has_value());
    storage::Tipo_Opzioni options = storage::decode_options(*stored);
    options.Mazzo_Carte.assign("Altro");
    options.Mazzo_Dorso.assign("Altro");
    const storage::OptionsBytes bytes = storage::encode(options);
    folder.write("Users/Anna_2.opt", std::string(bytes.data(), bytes.size()));

    table::MasterWindow& w = p.master;
    auto& cards = p.match.Tabella_Carte;
    const auto capture = [&cards](int pile, int count) {
        for (int i = 1; i <= count; ++i) {
            cards(pile, i, 1) = static_cast<std::int16_t>(1 + i % 4);
            cards(pile, i, 2) = static_cast<std::int16_t>(1 + i % 10);
        }
    };
    const auto empty_slots = [&w] {
        for (int k = 0; k < 4; ++k) {
            if (!w.IMG_Prese(k).Picture.empty()) return false;
        }
        return true;
    };

    // A four-player Briscola in which Galvino's fourteen cards were looked at, from
    // the sixth on.
    start_to_points(games::kBriscola, 4);
    capture(12, 14);
    click_table(ControlId::CMD_M_Carte);
    click_table(ControlId::Visualizza_Prese, 2);
    w.HSR_Prese.Value = 5;
    ASSERT_TRUE(p.input.deliver({ControlId::HSR_Prese}, table::InputEvent::Change));
    EXPECT_EQ(w.LBL_RiepilogoPrese_Numero.Caption, "3.5");
    EXPECT_NE(w.IMG_Prese(0).Picture.find("Mazzo"), std::string::npos);
    leave_match();

    // A Scopa with the other deck: nothing taken yet, nothing shown.
    start_to_points(games::kScopa, 2);
    click_table(ControlId::CMD_M_Carte);
    EXPECT_TRUE(w.PIC_52_Monitor.Visible);
    EXPECT_EQ(p.anim.Lista_Prese, 19);
    EXPECT_EQ(w.LBL_RiepilogoPrese_testo.Caption, "Numero di carte prese");
    EXPECT_EQ(w.LBL_RiepilogoPrese_Numero.Caption, "0");
    EXPECT_TRUE(empty_slots());
    EXPECT_FALSE(w.HSR_Prese.Enabled);
    EXPECT_EQ(w.HSR_Prese.Value, 0);
    // The slots take the shape of this deck's cards: 90 x 120 pixels fit 795 x 1060.
    EXPECT_EQ(w.IMG_Prese(0).Width, 795);
    EXPECT_EQ(w.IMG_Prese(0).Height, 1060);
    // Cards taken later show when a seat is chosen, in this deck.
    capture(19, 3);
    click_table(ControlId::CMD_Chiudi_PIC_052_Monitor);
    click_table(ControlId::CMD_M_Carte);
    EXPECT_EQ(w.LBL_RiepilogoPrese_Numero.Caption, "0");
    click_table(ControlId::Visualizza_Prese, 9);
    EXPECT_EQ(w.LBL_RiepilogoPrese_Numero.Caption, "3");
    EXPECT_NE(w.IMG_Prese(0).Picture.find("Altro"), std::string::npos);
    leave_match();

    // A two-player Briscola first looked at after four cards were taken: the human's
    // pile as it stands then, two tricks.
    start_to_points(games::kBriscola, 2);
    capture(19, 4);
    click_table(ControlId::CMD_M_Carte);
    EXPECT_EQ(p.anim.Lista_Prese, 19);
    EXPECT_EQ(w.LBL_RiepilogoPrese_testo.Caption, "Numero di prese");
    EXPECT_EQ(w.LBL_RiepilogoPrese_Numero.Caption, "2");
    EXPECT_NE(w.IMG_Prese(0).Picture.find("Mazzo"), std::string::npos);
    EXPECT_EQ(w.IMG_Prese(0).Width, 756);
}

// A fresh install has no user: wherever a caption names the human (the set-up's
// who-plays-first option, the panels' seats, the sweeps, the declarations, the
// winner) they are "Giocatore", and no file is written under that name. Whole
// seeded matches of Scopa, Tresette and the 151 variant are played until each kind
// of caption has named the human.
TEST(WithoutUsers, TheHumanIsCalledGiocatoreInEveryCaptionAndNothingIsStoredForIt) {
    struct Kind {
        const char* what;
        std::string text;
        bool seen = false;
    };
    Kind kinds[] = {{"a sweep", "Giocatore ha fatto scopa!"},
                    {"a Tresette declaration", "Giocatore ha accusato "},
                    {"a 151 declaration", "Giocatore ha accusato"},
                    {"the winner", "Ha vinto Giocatore"}};
    const auto starts = [](const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; };
    for (int round = 0; round < 12; ++round) {
        MatchPlan plan;
        plan.with_user = false;
        plan.seed = 40 + static_cast<std::uint64_t>(round);
        plan.mode = 2;
        switch (round % 3) {
            case 0:
                plan.game = games::kScopa;
                plan.target_points = 11;
                break;
            case 1:
                plan.game = games::kTresette;
                plan.target_points = 11;
                break;
            default:
                plan.game = games::kBriscola;
                plan.players = 4;
                plan.mode = 4;
                plan.target_points = 151;
                break;
        }
        SCOPED_TRACE("game " + std::to_string(plan.game) + ", seed " + std::to_string(plan.seed));
        HeadlessMatch match(plan);
        Program& p = match.program();
        ASSERT_EQ(p.settings.Nome_Utente.trimmed(), "");
        p.setup.match_setup.load();
        EXPECT_EQ(p.setup.setup_screen.OPT_Gioca_Per_Primo(0).Caption.substr(0, 9), "Giocatore");

        // The summary's lines, as each wait finds them: the human's name the human's.
        std::vector<std::string> lines;
        const auto note = [&lines](const std::string& line) {
            if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
        };
        match.on_wait([&](std::string_view) {
            for (const std::string& line : p.master.Lista_Evento_Speciale.items) note(line);
            const table::Control& seat = p.master.LBL_Parziale_Nome(9);
            if (p.master.PIC_Tavolo.Visible && table::Trim(seat.Caption) != "Giocatore")
                note("seat label: " + seat.Caption);
        });
        match.play_to_end(30);
        EXPECT_EQ(table::Trim(p.master.Visualizza_Prese(9).Caption), "Giocatore");
        for (const std::string& line : lines) {
            EXPECT_FALSE(line.empty() || line.front() == ' ' || starts(line, "seat label")) << line;
            if (starts(line, kinds[0].text)) kinds[0].seen = true;
            if (plan.game == games::kTresette && starts(line, kinds[1].text)) kinds[1].seen = true;
        }
        for (const auto& message : match.platform().messages()) {
            EXPECT_FALSE(message.text.empty() || message.text.front() == ' ' || message.text == "Ha vinto ")
                << message.title << ": " << message.text;
            if (message.title == "Accuso!" && starts(message.text, kinds[2].text)) kinds[2].seen = true;
            if (message.text == kinds[3].text) kinds[3].seen = true;
        }
        // Nothing is written for the stand-in: no user file, no options file, and the
        // general file names no user.
        EXPECT_FALSE(std::filesystem::exists(match.folder().path() / "Users"));
        if (const auto general = storage::read_file(match.folder().path() / "Options" / "TVQ.opt")) {
            EXPECT_EQ(storage::decode_options(*general).Mazzo_Dorso.trimmed(), "");
        }
    }
    for (const Kind& kind : kinds) EXPECT_TRUE(kind.seen) << kind.what << " naming the human";
}

}  // namespace
}  // namespace tavolora::testing
