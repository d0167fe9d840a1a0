#pragma once

// The match set-up screen's share of the program's state: its controls as data (the
// kind of match, the players, who plays first, the direction, the names, the targets,
// Camicia's options, the icon bar), which its handlers (setup/match_setup.h) change
// and the Qt screen shows; and the values "Gioca!" reads.

#include <optional>
#include <string>

#include "core/fixed_array.h"
#include "setup/icon_bar.h"
#include "storage/settings.h"

namespace tavolora::setup {

// An option frame of the set-up screen.
struct SetupFrame {
    bool Visible = false;
    float Left = 0;
    float Top = 0;
};

struct OptionButton {
    bool Value = false;  // selected
    bool Enabled = true;
    std::string Caption;
};

struct TextBox {
    std::string Text;
    bool Enabled = true;
};

struct Slider {
    int Value = 0;
    int Min = 0;
    int Max = 0;
    int SmallChange = 1;
    int LargeChange = 1;
    int TickFrequency = 1;
    bool Enabled = true;
};

struct SetupLabel {
    std::string Caption;
    std::string Tag;
};

// The screen's captions, from the text table.
struct SetupCaptions {
    std::string Panel1, FRM_Generali_Briscola, FRM_Generali_Camicia, FRM_Numero_Punteggio, FRM_Numero_Partite;
    std::string Frame4, FRM_Inizia_Giro, Frame5, FRM_Verso_Delle_Carte, Frame1, FRM_Camicia_Numero;
    std::string PNL_Scelte_Primarie;
    FixedArray<std::string, 1, 3> LBL_Nome_Giocatore{};
    std::string CHK_Ferma_Punteggio;
};

struct SetupScreenState {
    SetupFrame FRM_Generali_Briscola;
    SetupFrame FRM_Generali_Camicia;
    SetupFrame FRM_Numero_Partite;
    SetupFrame FRM_Numero_Punteggio;

    SetupCaptions captions;
    SetupLabel LBL_Modalita;  // Tag: the kind of match's position in the game's list
    FixedArray<OptionButton, 2, 4> OPT_Numero_Giocatori{};
    FixedArray<OptionButton, 0, 3> OPT_Gioca_Per_Primo{};
    FixedArray<TextBox, 1, 3> TXT_Nome_Giocatore{};
    FixedArray<OptionButton, 0, 1> OPT_Verso_Delle_Carte{};
    Slider SLD_Punteggio;
    Slider SLD_Partite;
    Slider SLD_Camicia_Numero;
    TextBox TXT_Numero_Punteggio;
    // The games box, which the "Partite" handler reads too.
    TextBox TXT_Numero_Partite{"5"};
    TextBox TXT_Camicia_Numero;
    bool CHK_Ferma_Punteggio = false;
    FixedArray<OptionButton, 0, 3> OPT_Camicia{};
    bool FRM_Camicia_Numero_Enabled = true;
    // "Chiudi" (1) and "Gioca!" (2), with the description label and the highlight.
    IconBar IMG_Icona_Menu;
    // The arrows of the kind of match (1 back, 2 forward), pressed as icons.
    IconBar IMG_Icona;
    // The background's second gradient colour, the main menu's.
    std::uint32_t BackColor2 = 0;
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
