#pragma once

// The main menu's share of the program's state: the labels of the current user and
// game, and how its arrows step them. The Qt screen shows these labels and calls
// these routines.

#include <cstdint>
#include <string>

#include "core/fixed_array.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

struct MenuLabel {
    std::string Caption;
    std::string Tag;  // the position in its row, as decimal text
};

struct MainMenuState {
    // (1) the current user, (2) the current game, whose Tag is the game code.
    FixedArray<MenuLabel, 1, 2> LBL_Primarie{};
    // The background's second gradient colour, by game (&HBBGGRR).
    std::uint32_t BackColor2 = 0xC00000;
};

// The background colour of each game.
std::uint32_t game_colour(int game, std::uint32_t current);

class MainMenu {
public:
    explicit MainMenu(Program& program) : program_(program) {}
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // What the main menu's loading does to the program's state: the name tables, the
    // first user and game, then the last user and game restored, and the current
    // options file's path.
    void Form_Load();

    // What the main menu's closing saves: the shown user and game.
    void Form_Unload();

    // Steps a label: 1 back and 2 forward along the users, 4 forward along the games;
    // then the shown user and game become the current ones.
    void IMG_Icona_Primarie_Click(int index);

private:
    Program& program_;
};

}  // namespace tavolora::setup
