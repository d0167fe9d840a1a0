#include "setup/match_setup.h"

#include <algorithm>

#include "core/games.h"
#include "program/program.h"
#include "setup/match_settings_routines.h"
#include "storage/basic_text.h"
#include "storage/code_page.h"
#include "table/pictures.h"

namespace tavolora::setup {

namespace {

std::string text(const Program& program, int entry) { return program.settings.Testi(entry).trimmed_right(); }

// An option group: selecting one member clears the others.
template <long Lo, long Hi>
void select(FixedArray<OptionButton, Lo, Hi>& group, int index) {
    for (long i = Lo; i <= Hi; ++i) group(i).Value = i == index;
}

template <long Lo, long Hi>
std::optional<int> selected(const FixedArray<OptionButton, Lo, Hi>& group) {
    for (long i = Lo; i <= Hi; ++i) {
        if (group(i).Value) return i;
    }
    return std::nullopt;
}

}  // namespace

SetupScreenState& MatchSetup::s() { return program_.setup.setup_screen; }
const SetupScreenState& MatchSetup::s() const { return program_.setup.setup_screen; }

bool MatchSetup::loaded() const { return program_.master.screens(table::Screen::F_040_Partita).loaded; }

void MatchSetup::load() {
    if (loaded()) return;
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_040_Partita);
    screen.loaded = true;
    screen.Visible = true;
    build();
    Form_Load();
}

void MatchSetup::unload() {
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_040_Partita);
    screen.loaded = false;
    screen.Visible = false;
}

// The screen as it is built, before its loading runs.
void MatchSetup::build() {
    SetupScreenState& c = s();
    c = SetupScreenState{};
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_040_Partita);
    screen.Width = 7785;
    screen.Height = 8145;
    c.TXT_Nome_Giocatore(1).Text = "Galvino";
    c.TXT_Nome_Giocatore(2).Text = "Tuno";
    c.TXT_Nome_Giocatore(3).Text = "Melto";
    c.SLD_Punteggio = {1, 1, 1200, 1, 120, 60, true};
    c.SLD_Partite = {1, 1, 15, 3, 5, 1, true};
    c.SLD_Camicia_Numero = {21, 21, 39, 3, 4, 1, true};
    c.OPT_Camicia(0).Value = true;
    c.IMG_Icona_Menu = IconBar({{1, 1050, 0, text(program_, 9), "", true}, {2, 5565, 0, text(program_, 4), "", true}},
                               text(program_, 4), 2);
    // The arrows stand at the two ends of the panel of the kind of match.
    c.IMG_Icona = IconBar({{1, 240, 420, "", "", true}, {2, 6465, 420, "", "", true}}, "", 0, false);
}

void MatchSetup::Form_Load() {
    SetupScreenState& c = s();
    const engine::MatchState& m = program_.match;
    SetupCaptions& t = c.captions;
    t.Panel1 = text(program_, 31);
    t.FRM_Generali_Briscola = text(program_, 32);
    t.FRM_Generali_Camicia = text(program_, 33);
    t.FRM_Numero_Punteggio = text(program_, 34);
    t.FRM_Numero_Partite = text(program_, 35);
    t.Frame4 = text(program_, 51);
    t.FRM_Inizia_Giro = text(program_, 39);
    t.Frame5 = text(program_, 40);
    t.FRM_Verso_Delle_Carte = text(program_, 44);
    t.Frame1 = text(program_, 52);
    t.FRM_Camicia_Numero = text(program_, 50);
    t.PNL_Scelte_Primarie = "Menù";
    t.LBL_Nome_Giocatore(2) = text(program_, 41);
    t.LBL_Nome_Giocatore(1) = text(program_, 42);
    t.LBL_Nome_Giocatore(3) = text(program_, 43);
    t.CHK_Ferma_Punteggio = text(program_, 47);
    for (int i = 2; i <= 4; ++i) c.OPT_Numero_Giocatori(i).Caption = text(program_, 34 + i);
    c.OPT_Verso_Delle_Carte(0).Caption = text(program_, 45);
    c.OPT_Verso_Delle_Carte(1).Caption = text(program_, 46);
    c.OPT_Camicia(0).Caption = text(program_, 48);
    c.OPT_Camicia(2).Caption = text(program_, 49);
    c.IMG_Icona_Menu.description = text(program_, 4);

    program_.animation.Disponi_Opzioni_Partita();
    c.LBL_Modalita.Tag = "1";
    c.LBL_Modalita.Caption = program_.settings.Modalita_Giochi(m.Codice_Gioco, 1).trimmed_right();
    c.FRM_Generali_Briscola = {true, 120, 1470};
    c.OPT_Gioca_Per_Primo(0).Caption = program_.settings.player_name().text();
    for (int k = 1; k <= 3; ++k) c.OPT_Gioca_Per_Primo(k).Caption = c.TXT_Nome_Giocatore(k).Text;
    select(c.OPT_Verso_Delle_Carte, 0);

    if (const games::Game* game = games::find(m.Codice_Gioco)) {
        if (game->camicia_panel) {
            c.FRM_Generali_Camicia.Visible = true;
            SLD_Camicia_Numero_Change();
            OPT_Camicia_Click(0);
        } else {
            for (int count = 2; count <= 4; ++count)
                c.OPT_Numero_Giocatori(count).Enabled = game->players[static_cast<std::size_t>(count - 2)];
            if (game->players_at_load != 0) set_players(game->players_at_load);
            SLD_Partite_Change();
            SLD_Punteggio_Change();
        }
    }

    // Centred in the space right of the main menu, inside the window.
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_040_Partita);
    screen.Left = program_.master.left_beside_menu(screen.Width);
    c.BackColor2 = program_.setup.main_menu.BackColor2;
}

void MatchSetup::IMG_Icona_Click(int index) {
    SetupScreenState& c = s();
    const int game = program_.match.Codice_Gioco;
    const auto named = [this, game](long position) {
        return position >= 1 && position <= 5 &&
               !program_.settings.Modalita_Giochi(game, static_cast<int>(position)).trimmed().empty();
    };
    long p = storage::basic_val(c.LBL_Modalita.Tag);
    if (index == 1) {
        --p;
        if (p <= 0) {
            // Back from the first kind: the game's last one.
            p = 1;
            for (int position = 5; position >= 1; --position) {
                if (named(position)) {
                    p = position;
                    break;
                }
            }
        }
    } else {
        ++p;
        if (!named(p)) p = 1;
    }
    p = std::clamp(p, 1L, 5L);
    c.LBL_Modalita.Caption = program_.settings.Modalita_Giochi(game, static_cast<int>(p)).trimmed_right();
    c.LBL_Modalita.Tag = std::to_string(p);
    program_.animation.Disponi_Opzioni_Partita();
    program_.master_events.open_new_match(games::kind_at(game, static_cast<int>(p)));
}

void MatchSetup::OPT_Numero_Giocatori_Click(int index) {
    SetupScreenState& c = s();
    select(c.OPT_Gioca_Per_Primo, 0);
    for (int k = 1; k <= 3; ++k) {
        c.TXT_Nome_Giocatore(k).Enabled = false;
        c.OPT_Gioca_Per_Primo(k).Enabled = false;
    }
    // The computer seats of the turn orders of 2, 3 and 4 players.
    const auto in_play = [&c](int k) {
        c.TXT_Nome_Giocatore(k).Enabled = true;
        c.OPT_Gioca_Per_Primo(k).Enabled = true;
    };
    if (index >= 2) in_play(2);
    if (index >= 3) in_play(1);
    if (index >= 4) in_play(3);
}

void MatchSetup::OPT_Camicia_Click(int index) {
    SetupScreenState& c = s();
    if (index != 0 && index != 2) return;
    const bool count = index == 2;
    c.SLD_Camicia_Numero.Enabled = count;
    c.TXT_Camicia_Numero.Enabled = count;
    c.FRM_Camicia_Numero_Enabled = count;
}

void MatchSetup::SLD_Punteggio_Change() { s().TXT_Numero_Punteggio.Text = std::to_string(s().SLD_Punteggio.Value); }
void MatchSetup::SLD_Partite_Change() { s().TXT_Numero_Partite.Text = std::to_string(s().SLD_Partite.Value); }
void MatchSetup::SLD_Camicia_Numero_Change() {
    s().TXT_Camicia_Numero.Text = std::to_string(s().SLD_Camicia_Numero.Value);
}

void MatchSetup::TXT_Nome_Giocatore_Change(int index) {
    if (index >= 1 && index <= 3) s().OPT_Gioca_Per_Primo(index).Caption = s().TXT_Nome_Giocatore(index).Text;
}

void MatchSetup::IMG_Icona_Menu_Click(int index) {
    if (index == 1) {
        unload();
    } else if (index == 2) {
        CMD_Gioca_Click();
    }
    if (index == 1 || index == 2) {
        table::MasterWindow& w = program_.master;
        w.FRM_Pulsanti_Prese.Caption = text(program_, 81);
        w.FRM_Punteggio_Parziale.Caption = text(program_, 82);
        w.Frame2.Caption = text(program_, 83);
        w.Frame1.Caption = text(program_, 84);
    }
}

void MatchSetup::CMD_Gioca_Click() { program_.setup.game_setup.CMD_Gioca_Click(controls()); }

// --- Controls set from code ----------------------------------------------------------

void MatchSetup::set_players(int count) {
    if (count < 2 || count > 4) return;  // a stored count with no option selects nothing
    select(s().OPT_Numero_Giocatori, count);
    OPT_Numero_Giocatori_Click(count);
}

void MatchSetup::set_first_player(int seat) {
    if (seat >= 0 && seat <= 3) select(s().OPT_Gioca_Per_Primo, seat);
}

void MatchSetup::set_direction(int index) {
    if (index == 0 || index == 1) select(s().OPT_Verso_Delle_Carte, index);
}

void MatchSetup::set_name(int seat, std::string_view name) {
    if (seat < 1 || seat > 3) return;
    s().TXT_Nome_Giocatore(seat).Text = std::string(name);
    TXT_Nome_Giocatore_Change(seat);
}

// A slider keeps its value within its range, like the platform's slider; a change of
// value runs its handler.
void MatchSetup::slide(Slider& slider, int value, void (MatchSetup::*changed)()) {
    slider.Value = std::clamp(value, slider.Min, slider.Max);
    (this->*changed)();
}

void MatchSetup::set_points(int value) { slide(s().SLD_Punteggio, value, &MatchSetup::SLD_Punteggio_Change); }
void MatchSetup::set_games(int value) { slide(s().SLD_Partite, value, &MatchSetup::SLD_Partite_Change); }
void MatchSetup::set_camicia_count(int value) {
    slide(s().SLD_Camicia_Numero, value, &MatchSetup::SLD_Camicia_Numero_Change);
}

void MatchSetup::set_camicia_kind(int index) {
    if (index != 0 && index != 2) return;  // the hidden options are never selected
    select(s().OPT_Camicia, index);
    OPT_Camicia_Click(index);
}

void MatchSetup::set_points_range(int max, int tick, int large_step) {
    Slider& slider = s().SLD_Punteggio;
    slider.Max = max;
    slider.TickFrequency = tick;
    slider.LargeChange = large_step;
    if (slider.Value > slider.Max) set_points(slider.Max);
}

void MatchSetup::show_saved_settings() {
    load();
    SetupScreenState& c = s();
    const int game = program_.match.Codice_Gioco;
    if (game == games::kCamicia) {
        const storage::CamiciaSettingsShown shown = program_.storage.Mostra_Impostazioni_Camicia();
        set_camicia_kind(shown.OPT_Camicia);
        set_camicia_count(shown.SLD_Camicia_Numero);
        c.LBL_Modalita.Tag = shown.LBL_Modalita_Tag;
        return;
    }
    const MatchSettingsRoutines* routines = match_settings_routines(game);
    if (routines == nullptr) return;
    const storage::MatchSettingsShown shown = (program_.storage.*routines->show)();
    set_players(shown.OPT_Numero_Giocatori);
    set_points(shown.SLD_Punteggio);
    set_games(shown.SLD_Partite);
    c.CHK_Ferma_Punteggio = shown.CHK_Ferma_Punteggio != 0;
    set_first_player(shown.OPT_Gioca_Per_Primo);
    set_direction(shown.OPT_Verso_Delle_Carte);
    // A name is stored padded to its 20 characters; the box shows the name itself,
    // so that what is typed at its end follows the name, and, from a damaged file,
    // only what can be read of it.
    for (int k = 1; k <= 3; ++k) set_name(k, storage::printable(table::TrimRight(shown.TXT_Nome_Giocatore(k))));
    set_points_range(shown.punteggio_max, shown.punteggio_tick, shown.punteggio_large_step);
    c.LBL_Modalita.Tag = shown.LBL_Modalita_Tag;
}

SetupControls MatchSetup::controls() const {
    const SetupScreenState& c = s();
    SetupControls screen;
    storage::MatchSettingsScreen& settings = screen.settings;
    settings.OPT_Numero_Giocatori = selected(c.OPT_Numero_Giocatori);
    settings.SLD_Punteggio = c.SLD_Punteggio.Value;
    settings.SLD_Partite = c.SLD_Partite.Value;
    settings.CHK_Ferma_Punteggio = c.CHK_Ferma_Punteggio;
    settings.OPT_Gioca_Per_Primo = selected(c.OPT_Gioca_Per_Primo);
    settings.OPT_Verso_Delle_Carte_0 = c.OPT_Verso_Delle_Carte(0).Value;
    for (int k = 1; k <= 3; ++k) settings.TXT_Nome_Giocatore(k) = c.TXT_Nome_Giocatore(k).Text;
    settings.LBL_Modalita_Tag = c.LBL_Modalita.Tag;
    screen.TXT_Numero_Partite = c.TXT_Numero_Partite.Text;
    screen.TXT_Numero_Punteggio = c.TXT_Numero_Punteggio.Text;
    screen.OPT_Camicia = selected(c.OPT_Camicia);
    screen.TXT_Camicia_Numero = c.TXT_Camicia_Numero.Text;
    return screen;
}

}  // namespace tavolora::setup
