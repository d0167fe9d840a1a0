#pragma once

// The match set-up screen F_040_Partita, as its handlers change the program's state:
// its loading, the arrows of the kind of match, the players' rules, the sliders and
// their boxes, the names and the who-plays-first captions, Camicia's options, the
// saved settings shown on it, and its icon bar ("Chiudi", "Gioca!"). Setting a
// control from code runs its handler at once, as the screen's own controls do; the
// set_ routines below are that.

#include <string_view>

#include "setup/setup_screen.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

class MatchSetup {
public:
    explicit MatchSetup(Program& program) : program_(program) {}
    MatchSetup(const MatchSetup&) = delete;
    MatchSetup& operator=(const MatchSetup&) = delete;

    // Reaching the screen loads it when it is not loaded: the controls as built, then
    // Form_Load. Loading a child window shows it.
    void load();
    // The screen closed: nothing of it survives.
    void unload();
    bool loaded() const;

    // --- The screen's handlers.

    void Form_Load();
    // The kind of match: 1 back, any other index forward; then the handler of the new
    // kind prepares and shows the screen.
    void IMG_Icona_Click(int index);
    void LBL_Modalita_Click() { IMG_Icona_Click(2); }
    void OPT_Numero_Giocatori_Click(int index);
    void OPT_Camicia_Click(int index);
    void SLD_Punteggio_Change();
    void SLD_Partite_Change();
    void SLD_Camicia_Numero_Change();
    void TXT_Nome_Giocatore_Change(int index);
    // "Chiudi" (1) closes the screen; "Gioca!" (2) starts the match.
    void IMG_Icona_Menu_Click(int index);
    // The match started from the screen's controls; returns when the human is to play.
    void CMD_Gioca_Click();

    // --- Controls set from code, each running its handler.

    void set_players(int count);
    void set_first_player(int seat);
    void set_direction(int index);
    void set_name(int seat, std::string_view name);
    void set_points(int value);
    void set_games(int value);
    void set_camicia_count(int value);
    void set_camicia_kind(int index);
    // The points slider's range, keeping its value within it.
    void set_points_range(int max, int tick, int large_step);

    // The game's saved settings written into the screen (loading it first), as the
    // main menu's play icon shows them.
    void show_saved_settings();

    // What "Gioca!" reads of the screen.
    SetupControls controls() const;

private:
    SetupScreenState& s();
    const SetupScreenState& s() const;
    void build();
    void slide(Slider& slider, int value, void (MatchSetup::*changed)());

    Program& program_;
};

}  // namespace tavolora::setup
