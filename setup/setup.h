#pragma once

// The screens' share of a running program: the main menu's and the match set-up's
// state, as the Qt screens show it, and the handlers that change it.

#include "setup/game_setup.h"
#include "setup/main_menu.h"
#include "setup/match_setup.h"
#include "setup/setup_screen.h"
#include "setup/help_screen.h"
#include "setup/credits.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

struct Setup {
    explicit Setup(Program& program)
        : game_setup(program), main_menu_events(program), match_setup(program),
          help_events(program), credits_events(program) {}
    Setup(const Setup&) = delete;
    Setup& operator=(const Setup&) = delete;

    // State.
    MainMenuState main_menu;
    SetupScreenState setup_screen;

    // Handlers.
    GameSetup game_setup;
    MainMenu main_menu_events;
    MatchSetup match_setup;

    // The help and credits screens.
    HelpScreenState help_screen;
    HelpScreen help_events;
    CreditsScreenState credits_screen;
    Credits credits_events;
};

}  // namespace tavolora::setup
