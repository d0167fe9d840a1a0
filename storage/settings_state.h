#pragma once

// The settings that the rest of the program reads from the current user's options:
// the animation timings and the folders of the deck, the card back and the table
// background.

#include <cstdint>
#include <string>

#include "core/fixed_array.h"

namespace tavolora::storage {

struct SettingsState {
    // (1) deck to players, (2) players to table, (3) table to players: steps of a
    // flight; (4) computer decision time, (5) time the full table stays shown: units
    // of 30 ms.
    FixedArray<std::int16_t, 1, 8> Tempi_Animazione{};
    std::string Percorso_Mazzo_Carte;
    std::string Percorso_Mazzo_Dorso;
    std::string Percorso_Sfondo;
    // The users folder, with its trailing "\".
    std::string Cartella_Utenti;
};

}  // namespace tavolora::storage
