#pragma once

// The program-wide values of the settings storage: the options record and what the
// rest of the program copies from it (the animation timings, the difficulty, the
// folders of the deck, the card back and the table background, the rules), the
// current user, the name tables and the text table.

#include <cstdint>
#include <string>

#include "core/fixed_array.h"
#include "storage/records.h"

namespace tavolora::storage {

struct SettingsState {
    // The one options record in memory, shared by every user's options file and
    // the general options file: each routine reads record 1 into it first.
    Tipo_Opzioni Opzioni;
    Tipo_Utente Utente;
    // The current user's options file for the current game ("" when the current
    // user has no usable name, and so no file).
    std::string Percorso_Opzioni;
    FixedArray<std::string, 1, 10> Estensioni{};

    // (1) deck to players, (2) players to table, (3) table to players: steps of a
    // flight; (4) computer decision time, (5) time the full table stays shown: units
    // of 30 ms.
    FixedArray<std::int16_t, 1, 8> Tempi_Animazione{};
    // 0 random play, 1 easy, 2 normal, 3 hard.
    std::int16_t Difficolta = 0;
    std::string Percorso_Mazzo_Carte;
    std::string Percorso_Mazzo_Dorso;
    // A picture path, "N" (no background) or "R" (keep the last picture).
    std::string Percorso_Sfondo;
    // The current game's rule switches (Scopa's).
    FixedArray<std::int16_t, 1, 20> Regole_Partita{};
    // The users folder, with its trailing "\".
    std::string Cartella_Utenti;

    // The current user.
    FixedText<14> Nome_Utente;
    // The human as every caption names them: the current user, or "Giocatore" while
    // there is no user. Files are named after Nome_Utente alone, so nothing is ever
    // stored under the stand-in.
    FixedText<14> player_name() const {
        return Nome_Utente.trimmed().empty() ? FixedText<14>(kUnnamedPlayer) : Nome_Utente;
    }
    static constexpr const char* kUnnamedPlayer = "Giocatore";
    // Row 1: the users in list order; row 2: the game names by game code.
    FixedArray2<FixedText<20>, 3, 10> Utenti_Giochi{};
    // The names of the kinds of match of each game, by game code and mode position.
    FixedArray2<FixedText<15>, 10, 5> Modalita_Giochi{};

    // The built-in labels, 0..99.
    FixedArray<FixedText<50>, 0, 99> Testi{};
    std::int16_t Lingua = 0;
    std::string Percorso_Guida;

    // Whether the player has been told this run that a save of the options files or
    // of the general file failed: once is enough, a message at every click is not.
    bool options_save_reported = false;
    bool general_save_reported = false;
};

}  // namespace tavolora::storage
