#pragma once

// The main menu's share of the program's state: the labels of the current user and
// game, and how its arrows step them. The Qt screen shows these labels and calls
// these routines.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/fixed_array.h"
#include "setup/icon_bar.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

struct MenuLabel {
    std::string Caption;
    std::string Tag;  // the position in its row, as decimal text
};

// An arrow of the user and game rows: where it stands in its picture box, in twips.
struct MenuArrow {
    float Left = 0;
    float Top = 0;
};

FixedArray<MenuArrow, 1, 4> first_arrows();

struct MainMenuState {
    // (1) the current user, (2) the current game, whose Tag is the game code.
    FixedArray<MenuLabel, 1, 2> LBL_Primarie{};
    // The background's second gradient colour, by game (&HBBGGRR).
    std::uint32_t BackColor2 = 0xC00000;
    // The panels' captions.
    std::string PNL_Menu_Principale;
    std::string PNL_Scelte_Primarie;
    // (1) back and (2) forward along the users, (3) back and (4) forward along the games.
    FixedArray<MenuArrow, 1, 4> IMG_Icona_Primarie = first_arrows();
    // The action icons 1 to 5 and 7, with the description label and the highlight.
    IconBar IMG_Icona;
};

// The user and game the main menu shows after a restore.
struct CurrentChoice {
    std::string user;
    int game = 0;
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

    // The name tables, then their first user and game on the labels.
    void Inizializza_Tabelle_Utenti_Giochi();
    // Restores the last user and game of the general options file on the labels and
    // makes them current; a missing or short file is written from the labels first,
    // a file too long to be valid is left as it is. Returns the user and game it
    // restored, or nothing when the file could not be used (the labels then stay as
    // they are).
    std::optional<CurrentChoice> Carica_Opzioni_Generali();
    // Saves the shown user and game in the general options file. Returns whether the
    // file was written; a failure is reported once a run.
    bool Salva_Opzioni_Generali();

    // Puts the user label on the listed user of that name (letter case aside), at
    // its place in the list so that the arrows step on from there. Returns false,
    // the label left as it is, when no listed user has that name.
    bool show_listed_user(std::string_view name);

    // Steps a label: 1 back and 2 forward along the users, 3 back and 4 forward along
    // the games; then the shown user and game become the current ones.
    void IMG_Icona_Primarie_Click(int index);

    // An action icon: the table's positions for the game and the general options
    // saved first, then 1 the match set-up of the current game, 2 the users, 3 the
    // options, 4 the help, 5 the credits, 7 the end of the program.
    void IMG_Icona_Click(int index);

private:
    // The play icon: the game's saved settings on the set-up screen, and the handler
    // of its saved kind of match, which prepares and shows it.
    void open_match_setup();

    Program& program_;
};

}  // namespace tavolora::setup
