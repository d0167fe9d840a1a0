#pragma once

// The new-user screen F_022_Utenti_Nuovo, as its handlers change the program's
// state: its loading, the name typed, the photo chosen, "Crea utente" (the user's
// file, the default options of games 1 to 10, the main menu's names) and "Chiudi".
// Whenever it closes, the user screen comes back.

#include <string_view>

#include "setup/users_screen.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

class NewUserScreen {
public:
    // The name box takes this many characters, the current user's whole name.
    static constexpr std::size_t kNameLength = 14;
    // A new user gets options files for the game numbers 1 to this.
    static constexpr int kOptionsFiles = 10;

    explicit NewUserScreen(Program& program) : program_(program) {}
    NewUserScreen(const NewUserScreen&) = delete;
    NewUserScreen& operator=(const NewUserScreen&) = delete;

    // Reaching the screen loads it when it is not loaded, which shows it. Unloading
    // a loaded screen closes it and loads the user screen again.
    void load();
    void unload();
    bool loaded() const;

    // --- The screen's handlers.

    void Form_Load();
    // The preview follows the scroll bar.
    void HSC_Foto_Change();
    // Saves the user typed in the box with the chosen photo.
    void CMD_022_Salva_Utente_Click();
    // Back to the user screen.
    void CMD_022_Torna_Click() { unload(); }
    // 1 saves, 2 goes back.
    void IMG_Icona_Click(int index);

    // --- Controls set by the user, each running its handler.

    // The name box: what is typed past its 14th character is refused.
    void set_name(std::string_view text);
    // The scroll bar, kept within its range.
    void set_photo(int value);

private:
    NewUserScreenState& s();
    const NewUserScreenState& s() const;
    void build();

    Program& program_;
};

}  // namespace tavolora::setup
