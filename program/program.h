#pragma once

// One running program: every program-wide variable of every subsystem, grouped by
// the subsystem that owns it, and the subsystems' routines. There are no globals:
// two programs can run side by side in one process (tests, benchmarks,
// simulations), each with its own ports.

#include <string_view>

#include "engine/engine.h"
#include "engine/match_state.h"
#include "platform/ports.h"
#include "platform/random.h"
#include "platform/waits.h"
#include "players/players.h"
#include "setup/setup.h"
#include "storage/help.h"
#include "storage/settings.h"
#include "storage/settings_state.h"
#include "table/animation.h"
#include "table/animation_state.h"
#include "table/input_dispatcher.h"
#include "table/master_events.h"
#include "table/master_window.h"
#include "table/pictures.h"

namespace tavolora {

class Program {
public:
    explicit Program(platform::Ports ports);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    platform::Ports ports;
    platform::Waits waits;
    // The play's random numbers (shuffles, the computer's choices) and, apart, the
    // cosmetic ones (where a card lands on the table), so that a windowed run and a
    // headless run of one seed play the same cards.
    platform::Rng random;
    platform::Rng cosmetic;

    // State, by owning subsystem.
    engine::MatchState match;
    storage::SettingsState settings;
    table::AnimationState anim;
    table::MasterWindow master;
    table::PictureSizes pictures;

    // Routines, by subsystem.
    table::InputDispatcher input;
    engine::Engine engine;
    players::Players players;
    table::Animation animation;
    table::MasterEvents master_events;
    storage::Settings storage;
    storage::Help help;
    // The screens: their state and their handlers.
    setup::Setup setup;

    // The start: the text table, the main window, then the main menu with the last
    // user and game.
    void start_up();

    // Shows a message box (title, text, OK) and returns when the user has closed it;
    // unwinds when the program was asked to end meanwhile. Its kind, and so its icon,
    // follows the program's way of speaking: warnings are titled "Attenzione!", and
    // what could not be done says "Errore" first under the program's own title.
    void show_message(std::string_view title, std::string_view text);
    static platform::MessageKind message_kind(std::string_view title, std::string_view text);
    // Asks with Yes and No buttons; true for Yes. Unwinds as show_message does.
    bool ask_yes_no(std::string_view title, std::string_view text);

private:
    void save_at_exit();
};

}  // namespace tavolora
