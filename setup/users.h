#pragma once

// The user screen F_02_Utenti, as its handlers change the program's state: its
// loading and list fill, the selection of a row, the delete with its confirmation,
// the opening of the new-user screen, and the main menu's user names rebuilt from
// the users folder.

#include <string>

#include "setup/users_screen.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

class UserScreen {
public:
    // No more users than these can be created; the last one cannot be deleted.
    static constexpr int kMostUsers = 8;
    // The rows the list and the name table hold.
    static constexpr int kRows = 10;

    explicit UserScreen(Program& program) : program_(program) {}
    UserScreen(const UserScreen&) = delete;
    UserScreen& operator=(const UserScreen&) = delete;

    // Reaching the screen loads it when it is not loaded (built, then Form_Load),
    // which shows it; unloading closes it. Neither does anything twice.
    void load();
    void unload();
    bool loaded() const;

    // --- The screen's handlers.

    // The captions, the menu bar hidden, the list filled, the window's title.
    void Form_Load();
    // Fills the list from the users folder, sizes the screen to it, selects the
    // row of the user the main menu shows and places the screen beside the main menu.
    void Inizializzazione_02();
    // A click on a row's name or photo selects it.
    void LBL_Utente_Click(int index);
    void PIC_Utente_Click(int index) { LBL_Utente_Click(index); }
    // Deletes the selected user after a Yes, unless it is the only one.
    void CMD_02_Cancella_Utente_Click();
    // Opens the new-user screen in place of this one, unless there are already 8.
    void CMD_02_Nuovo_Utente_Click();
    // 1 the delete (then the main menu's names rebuilt), 2 a new user, 3 closes.
    void IMG_Icona_Click(int index);

    // Row 1 of the name table from the users folder. The main menu's user label
    // stays on its user, at the user's new place, while that user is listed, and
    // goes to the first user otherwise.
    void rebuild_user_names();

private:
    UsersScreenState& s();
    const UsersScreenState& s() const;
    void build();
    std::string text(int entry) const;
    // Selects, and so marks, the row of the user the main menu shows (the one the
    // program works for), or the first row when that user is not listed.
    void select_menu_user();

    Program& program_;
};

}  // namespace tavolora::setup
