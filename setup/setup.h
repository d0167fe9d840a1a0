#pragma once

// The screens' share of a running program: each screen's state, as its Qt screen
// shows it, and the handlers that change it.

#include "setup/credits.h"
#include "setup/game_setup.h"
#include "setup/help_screen.h"
#include "setup/main_menu.h"
#include "setup/match_setup.h"
#include "setup/new_user.h"
#include "setup/options.h"
#include "setup/setup_screen.h"
#include "setup/users.h"
#include "setup/users_screen.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

struct Setup {
    explicit Setup(Program& program)
        : game_setup(program),
          main_menu_events(program),
          match_setup(program),
          users(program),
          new_user(program),
          options_events(program),
          help_events(program),
          credits_events(program) {}
    Setup(const Setup&) = delete;
    Setup& operator=(const Setup&) = delete;

    // State, by screen.
    MainMenuState main_menu;
    SetupScreenState setup_screen;
    UsersScreenState users_screen;
    NewUserScreenState new_user_screen;
    OptionsState options;
    HelpScreenState help_screen;
    CreditsScreenState credits_screen;

    // Handlers.
    GameSetup game_setup;
    MainMenu main_menu_events;
    MatchSetup match_setup;
    UserScreen users;
    NewUserScreen new_user;
    Options options_events;
    HelpScreen help_events;
    Credits credits_events;
};

}  // namespace tavolora::setup
