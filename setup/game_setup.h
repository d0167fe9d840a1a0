#pragma once

// Game choice and match set-up, as they change the program's state.

#include "core/games.h"
#include "setup/setup_screen.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

class GameSetup {
public:
    explicit GameSetup(Program& program) : program_(program) {}
    GameSetup(const GameSetup&) = delete;
    GameSetup& operator=(const GameSetup&) = delete;

    // Makes sure the current user has a valid options file for the current game,
    // writing the defaults when it is missing or damaged (a valid file is never
    // changed), then records the current user, with game 1, in the general options
    // file. Leaves the general record in `Opzioni`.
    void Crea_Opzioni();

    // "Gioca!": the match state from the screen's controls, the settings saved, and
    // the first hand started; returns when the human is to play.
    void CMD_Gioca_Click(const SetupControls& screen);

private:
    // The readings of the set-up screen that the games share.
    void read_players(const SetupControls& screen);
    // The first player and the direction of play.
    void read_first_player(const SetupControls& screen);
    // The seats' names, on the score panel's lines and the viewer's buttons too.
    void read_seats(const SetupControls& screen);
    // The score panel refreshed, then the targets and the stop option read.
    void read_targets(const SetupControls& screen);

    // The cards of the chosen deck and back must all load, or no hand can be played:
    // then the match does not start, the main menu comes back and a message says
    // why. Returns whether the match can start.
    bool deck_usable();

    // Briscola, Scopa and Tresette: the settings saved and the controls read as the
    // game's row says, then the first hand.
    void start_trick_game(const SetupControls& screen, const games::Game& game);
    // The game's hand starter and what its start does after it.
    void first_hand();
    // Camicia deals and lays out its two piles itself; the set-up screen stays loaded.
    void start_camicia(const SetupControls& screen);

    Program& program_;
};

}  // namespace tavolora::setup
