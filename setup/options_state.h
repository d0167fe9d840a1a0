#pragma once

// The options screen's share of the program's state: its icon bar, its five panels
// with their controls as data (the deck and back lists with their previews, the
// animation sliders with the try-out shape, the difficulty options, Scopa's rule
// switches and the suit of "Denari", the table backgrounds with their preview), and
// each panel's sub-menu strip with its save and close icons. Its handlers
// (setup/options.h) change it and the Qt screen shows it.

#include <cstdint>
#include <string>
#include <vector>

#include "core/fixed_array.h"
#include "setup/icon_bar.h"
#include "setup/setup_screen.h"

namespace tavolora::setup {

// One of the panels on the right of the icon bar; twips, in the screen.
struct OptionsPanel {
    bool Visible = false;
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Caption;
};

// A drop-down list: the text it shows and its entries, in order.
struct ComboBox {
    std::string Text;
    std::vector<std::string> List;
};

// A picture stretched to its size (twips); "" shows none. A file that cannot be
// loaded shows nothing either.
struct Preview {
    std::string Picture;
    float Width = 0;
    float Height = 0;
};

struct CheckBox {
    bool Value = false;  // ticked
    bool Enabled = true;
    std::string Caption;
};

struct CommandButton {
    bool Enabled = true;
    std::string Caption;
};

// A panel's sub-menu strip: its save icon (2k - 1) at the strip's origin and its
// close icon (2k) further right, the description label, the highlight and its
// timer, all in one bar. The save icon shows the check picture while the panel's
// settings are the stored ones, the plain save picture while changes wait.
struct SubMenuStrip {
    IconBar bar;
    bool saved = true;
};

// The panels' frames and captions that never change after loading.
struct OptionsCaptions {
    std::string Form;  // the window's caption
    std::string PNL_Menu_Principale;
    std::string FRM_Mazzo_Mazzo, Frame9, Frame2;
    FixedArray<std::string, 1, 5> FRM_Animazione{};  // the frames around sliders 1 to 5
    std::string FRM_Regole_Scopa, FRM_Punti_Denari, FRM_Altri_Punti, FRM_Regole_Standard, FRM_Seme_Denari;
    std::string Frame1;  // around the background list and its preview
};

struct OptionsState {
    OptionsCaptions captions;
    // The window's size; its place is the screen host's (the main window's list).
    float Width = 0;
    float Height = 0;
    // The background's second gradient colour: the main menu's, by game.
    std::uint32_t BackColor2 = 0;

    // Icons 1 deck, 2 animations, 3 difficulty, 4 background, 5 close, 6 rules.
    IconBar IMG_Icona;

    OptionsPanel FRM_Mazzo;
    OptionsPanel FRM_Animazioni;
    OptionsPanel FRM_Difficolta;
    OptionsPanel FRM_Sfondo_Tavolo;
    OptionsPanel FRM_Regole;
    // The strips of panels 1 deck, 2 animations, 3 difficulty, 4 background and 6
    // rules; there is no panel 5.
    FixedArray<SubMenuStrip, 1, 6> PNL_SubMenu_Opzioni{};
    // The panel whose strip the sub-menu's handlers work on.
    int Pannello_Attivo = 1;

    // --- Deck and card back.
    ComboBox CMB_Mazzo_Carte;
    // Out of sight beyond the panel's edge: its text follows the deck list.
    ComboBox CMB_Mazzo_Dorso;
    // Walks the forty cards in suit order, one card a unit: 10 shows the first five.
    Slider HSR_Carte{10, 10, 45, 1, 5, 1, true};
    FixedArray<Preview, 0, 4> IMG_Mazzo_Prova{};
    Preview IMG_Mazzo_Dorso;
    bool Mazzo_Carte_Valido = false;
    bool Mazzo_Dorso_Valido = false;
    // The deck folder the last check or preview addressed, and the picture it loaded.
    std::string Percorso_Mazzo_Scelto;
    std::string Percorso_Immagine;

    // --- Animations.
    FixedArray<Slider, 1, 5> SLD_Movimento{};
    FixedArray<CommandButton, 1, 5> CMD_Movimento_Prova{};
    CheckBox CHK_Aspetta_Tavolo;
    // The try-out shape and its timer: it falls from Top 360 to 4920 in N steps of
    // 20 ms, the time a flight of N steps takes on the table.
    float SHP_1_Left = 8400;
    float SHP_1_Top = 360;
    int TME_Prove = 0;  // the timer's interval, 0 stopped
    float Passo_Prova = 0;
    int Passi_Fatti = 0;
    int Passi_Prova = 0;

    // --- Difficulty: 1 easy, 2 normal, 3 hard; 0 is never shown, yet a stored 0
    // selects it and is saved as it was.
    FixedArray<OptionButton, 0, 3> OPT_Difficolta{};
    CommandButton CMD_Opzioni_Difficolta_Seleziona;
    CommandButton CMD_06_Difficolta_Chiudi;

    // --- Scopa's rules: a point for each valued card 1 to 10 of the "Denari" suit,
    // for the most cards, the primiera, the most cards of the suit; the presets; the
    // suit that counts as "Denari" with its ace from the deck in use.
    FixedArray<CheckBox, 1, 13> CHK_Regole_Scopa{};
    FixedArray<CommandButton, 1, 4> CMD_Regole_Scopa{};
    Slider HSR_Mazzo_Asso{1, 1, 4, 1, 1, 1, true};
    Preview IMG_Mazzo_Asso;
    std::string Percorso_Carta;

    // --- Table background.
    ComboBox CMB_Sfondo_Tavolo;
    Preview IMG_Sfondo_Tavolo{"", 4000, 3000};
};

}  // namespace tavolora::setup
