#pragma once

// A started program with three users, a deck and every game's options files, as a
// person finds it after creating a user: the main menu is up.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/games.h"
#include "tests/support/headless_match.h"
#include "tests/support/headless_program.h"

namespace tavolora::testing {

class StartedProgram : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* user : {"Anna", "Bruno", "Carla"}) folder.write(std::string("Users/") + user + ".usr", std::string(20, ' '));
        write_test_deck(folder);
        p.waits.at_boundary([this] { p.start_up(); });
        p.master_events.window_resized(15360, 11520, 15240, 11020);
        // Anna's options files for every game, with their defaults.
        for (int game = 1; game <= 4; ++game) {
            p.match.Codice_Gioco = static_cast<std::int16_t>(game);
            p.storage.Imposta_Percorso_Opzioni();
            p.setup.game_setup.Crea_Opzioni();
        }
        p.match.Codice_Gioco = 1;
        p.storage.Imposta_Percorso_Opzioni();
    }

    // The main menu's game label stepped forward to `game`.
    void choose_game(int game) {
        for (int step = 0; step < 4 && p.match.Codice_Gioco != game; ++step) menu().IMG_Icona_Primarie_Click(4);
        ASSERT_EQ(p.match.Codice_Gioco, game);
    }
    // A click as the window delivers it, where a quit unwinds.
    template <typename F>
    void click(F&& handler) {
        p.waits.at_boundary(std::forward<F>(handler));
    }

    // The screens the main menu's icons open, each with the clicks that open it.
    struct OpenedScreen {
        table::Screen screen;
        const char* name;
        std::function<void()> open;
    };
    std::vector<OpenedScreen> screens_from_menu() {
        return {
            {table::Screen::F_040_Partita, "set-up", [this] { menu().IMG_Icona_Click(1); }},
            {table::Screen::F_02_Utenti, "users", [this] { menu().IMG_Icona_Click(2); }},
            {table::Screen::F_022_Utenti_Nuovo, "new user",
             [this] {
                 menu().IMG_Icona_Click(2);
                 p.setup.users.IMG_Icona_Click(2);
             }},
            {table::Screen::F_06_Opzioni, "options", [this] { menu().IMG_Icona_Click(3); }},
            {table::Screen::F_12_Help, "help", [this] { menu().IMG_Icona_Click(4); }},
            {table::Screen::F_08_Crediti, "credits", [this] { menu().IMG_Icona_Click(5); }},
        };
    }

    setup::MainMenu& menu() { return p.setup.main_menu_events; }
    setup::MatchSetup& set_up() { return p.setup.match_setup; }
    setup::SetupScreenState& screen() { return p.setup.setup_screen; }
    const table::ChildScreen& shown(table::Screen s) const { return p.master.screens(s); }

    TempFolder folder;
    HeadlessProgram h{folder.string()};
    Program& p = h.program;
};

}  // namespace tavolora::testing
