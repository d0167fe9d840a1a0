#pragma once

// The match set-up screen's share of the program's state: the option frames the
// new-match handlers show, and the controls "Gioca!" reads.

#include <optional>
#include <string>

#include "storage/settings.h"

namespace tavolora::setup {

// An option frame of the set-up screen.
struct SetupFrame {
    bool Visible = false;
    float Left = 0;
    float Top = 0;
};

struct SetupScreenState {
    SetupFrame FRM_Generali_Briscola;
    SetupFrame FRM_Generali_Camicia;
    SetupFrame FRM_Numero_Partite;
    SetupFrame FRM_Numero_Punteggio;
    // The games box, which the "Partite" handler reads.
    std::string TXT_Numero_Partite = "5";
};

// What "Gioca!" reads of the screen: the controls that are saved as the game's
// match settings, and the number boxes.
struct SetupControls {
    storage::MatchSettingsScreen settings;
    std::string TXT_Numero_Partite;
    std::string TXT_Numero_Punteggio;
    std::optional<int> OPT_Camicia;
    std::string TXT_Camicia_Numero;
};

}  // namespace tavolora::setup
