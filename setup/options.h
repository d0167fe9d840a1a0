#pragma once

// The options screen F_06_Opzioni, as its handlers change the program's state: its
// loading, the icon bar that opens one panel at a time, the sub-menu strip of each
// panel (save, close, the hover text and the sliding highlight), and the panels:
// deck and card back, animations with their try-out, difficulty, table background
// and Scopa's rules. Everything edits the current user's options file for the
// current game, and only a panel's save writes it. Setting a control from code runs
// its handler at once, as the screen's own controls do; the set_ routines are that.

#include <functional>
#include <string>
#include <string_view>

#include "setup/options_state.h"

namespace tavolora {
class Program;
}

namespace tavolora::setup {

// How a panel's save ended: written; refused because the list's text is not one of
// its entries; or not written (no user to write for, or the file could not be).
enum class Saved { Written, NotInList, NotWritten };

class Options {
public:
    // Where the try-out shape starts and how far it falls, in twips.
    static constexpr float kShapeLeft = 8400;
    static constexpr float kShapeTop = 360;
    static constexpr float kShapeFall = 4560;
    static constexpr int kTryOutInterval = 20;
    // The preview box of a card: 795 x 1260 twips.
    static constexpr float kPreviewWidth = 795;
    static constexpr float kPreviewHeight = 1260;

    explicit Options(Program& program) : program_(program) {}
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    // Loads the screen when it is not loaded (the controls as built, then
    // Form_Load), and shows it.
    void load();
    void unload();
    bool loaded() const;

    // --- The screen.

    void Form_Load();
    // 1 deck, 2 animations, 3 difficulty, 4 background, 6 rules: the panel opened
    // and its strip shown as saved; 5 closes the screen.
    void IMG_Icona_Click(int index);
    // The strip of the open panel: an odd icon saves it, an even one closes it.
    void IMG_Icona_SubMenu_Opzioni_Click(int index);
    void IMG_Icona_SubMenu_Opzioni_MouseMove(int index);
    // A tick of strip `index`'s timer.
    void TMR_SubMenu_Opzioni_Timer(int index);
    // Hides every panel.
    void Invisibilita_06();
    // Closes the screen without saving; the table gets its height back.
    void CMD_06_Chiudi_Click();

    // --- Deck and card back.

    void CMD_Mazzo_Click();
    void Riempi_CMB_Mazzo();
    // The last part of a path written with "\".
    static std::string Estrapola(std::string_view path);
    void CMB_Mazzo_Carte_Click();
    void CMB_Mazzo_Dorso_Click();
    void Controlla_Mazzo_Carte();
    void Controlla_Mazzo_Dorso();
    void HSR_Carte_Change();
    void HSR_Mazzo_Asso_Change();
    Saved CMD_Opzioni_Mazzo_UtilizzaMazzo_Click();
    void CMD_06_Mazzo_Chiudi_Click();

    // --- Animations.

    void CMD_Animazioni_Click();
    void SLD_Movimento_Click(int index);
    void CHK_Aspetta_Tavolo_Click();
    void CMD_Movimento_Prova_Click(int index);
    void TME_Prove_Timer();
    Saved CMD_Animazioni_Utilizza_Click();
    void CMD_06_Animazioni_Chiudi_Click();

    // --- Difficulty.

    void CMD_Difficolta_Click();
    void OPT_Difficolta_Click(int index);
    Saved CMD_Opzioni_Difficolta_Seleziona_Click();
    void CMD_06_Difficolta_Chiudi_Click();

    // --- Scopa's rules.

    void CMD_Regole_Click();
    void CHK_Regole_Scopa_Click(int index);
    // The presets: 1 "4 Punti", 2 "5 Punti", 3 "7 Punti", 4 "13 Punti".
    void CMD_Regole_Scopa_Click(int index);
    Saved Salva_Regole_Scopa();

    // --- Table background.

    void CMD_Sfondo_Tavolo_Click();
    void CMB_Sfondo_Tavolo_Click();
    Saved CMD_Opzioni_Sfondo_Tavolo_Utilizza_Click();
    void CMD_Sfondo_Tavolo_Chiudi_Click();

    // The visible buttons of the difficulty panel, which do what its strip's icons do.
    void save_from_button();

    // --- Controls set from code (or by the user), each running its handler.

    void set_deck(std::string_view name);
    void set_cards_scroll(int value);
    void set_suit(int value);
    void set_movement(int index, int value);
    void set_wait(bool ticked);
    void set_difficulty(int index);
    void set_rule(int index, bool ticked);
    void set_background(std::string_view entry);

private:
    OptionsState& s();
    const OptionsState& s() const;
    void build();
    std::string text(int entry) const;
    std::string folder() const;
    // The strip of the open panel turns to the plain save picture: changes wait.
    void mark_changed();
    // A panel just opened shows its strip as saved, the highlight resting under the
    // save icon.
    void opening_touch(int panel);
    // The strip of the open panel after a save: the check picture only for a
    // written file; otherwise the plain picture, and the user is told why.
    // Runs a panel's save, which tells of its own failure.
    Saved told_by_the_panel(const std::function<Saved()>& save);
    void after_save(Saved saved);
    Saved outcome(bool written) const;
    // Whether the picture file loads, and its size in pixels.
    bool loads(const std::string& path) const;
    // The preview size of the picture in the 795 x 1260 box, its proportions kept.
    bool fit(const std::string& path, float& width, float& height) const;
    // The first entry equal to `name` is taken out of the list; whether one was.
    static bool remove_entry(ComboBox& combo, const std::string& name);
    // Why the decks chosen cannot be saved, when one is a deck folder of the list that
    // lacks a picture: which picture, and of which deck; empty otherwise.
    std::string missing_deck_picture() const;
    // What a combo shows of a name read from the options file: the entry of its list
    // that the name is (letter case aside), or no choice when the name is none of
    // them (a damaged file).
    static std::string listed_or_nothing(const ComboBox& combo, std::string_view stored);

    Program& program_;
};

}  // namespace tavolora::setup
