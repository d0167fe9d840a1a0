#pragma once

// The settings storage's routines for the match settings of each trick game, by game
// code, read instead of switching on the game. Camicia keeps two values of its own
// and has its own pair of routines.

#include <array>
#include <cstddef>

#include "core/games.h"
#include "storage/settings.h"

namespace tavolora::setup {

struct MatchSettingsRoutines {
    storage::MatchSettingsShown (storage::Settings::*show)() = nullptr;
    void (storage::Settings::*save)(const storage::MatchSettingsScreen&) = nullptr;
};

// The routines of a game, or nullptr for Camicia and a code that names no game.
inline const MatchSettingsRoutines* match_settings_routines(int code) {
    using S = storage::Settings;
    static constexpr std::array<MatchSettingsRoutines, games::kCount + 1> kRoutines{{
        {},
        {&S::Mostra_Impostazioni_Partita_1, &S::Salva_Impostazioni_Partita_1},
        {&S::Mostra_Impostazioni_Partita_2, &S::Salva_Impostazioni_Partita_2},
        {},
        {&S::Mostra_Impostazioni_Partita_4, &S::Salva_Impostazioni_Partita_4},
    }};
    if (code < 1 || code > games::kCount) return nullptr;
    const MatchSettingsRoutines& routines = kRoutines[static_cast<std::size_t>(code)];
    return routines.show != nullptr ? &routines : nullptr;
}

}  // namespace tavolora::setup
