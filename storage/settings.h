#pragma once

// The settings storage: the current user's options file for the current game and
// what the rest of the program copies from it, the options screen's panels, the
// match settings of the set-up screen, the general options file, the name tables
// and the text table.
//
// Where the screens have a control, these routines take or give its value as a
// plain value; the Qt screens show them.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fixed_array.h"
#include "storage/names.h"
#include "storage/records.h"

namespace tavolora {
class Program;
}

namespace tavolora::storage {

// The deck panel's two combo boxes, with the lists they offer.
struct DeckPanel {
    std::string CMB_Mazzo_Carte;
    std::vector<std::string> carte_list;
    std::string CMB_Mazzo_Dorso;
    std::vector<std::string> dorso_list;
};

// The stored deck and back, as the deck panel shows them (blank-padded).
struct DeckShown {
    std::string CMB_Mazzo_Carte;
    std::string CMB_Mazzo_Dorso;
};

// The background panel's combo box and its list.
struct BackgroundPanel {
    std::string CMB_Sfondo_Tavolo;
    std::vector<std::string> list;
};

// The list entries of the background panel for no picture and for keeping the last.
inline constexpr std::string_view kScelta_Nessuno = "->Nessuno";
inline constexpr std::string_view kScelta_Casuale = "->Casuale";

// The animation panel: five sliders and the box "wait for the mouse click".
struct AnimationPanel {
    FixedArray<int, 1, 5> SLD_Movimento{};
    bool CHK_Aspetta_Tavolo = false;
    friend bool operator==(const AnimationPanel&, const AnimationPanel&) = default;
};

// Scopa's rules panel: 13 check boxes (0 or 1) and the suit scroll bar.
struct RulesPanel {
    FixedArray<int, 1, 13> CHK_Regole_Scopa{};
    int HSR_Mazzo_Asso = 1;
};

// What showing Scopa's stored rules does to the panel: a box is left as it is where
// the stored value is neither 0 nor 1.
struct RulesShown {
    FixedArray<std::optional<bool>, 1, 13> CHK_Regole_Scopa{};
    int HSR_Mazzo_Asso = 0;
};

// The match set-up screen's controls for Briscola, Scopa and Tresette, as the show
// routine fills them.
struct MatchSettingsShown {
    int OPT_Numero_Giocatori = 0;
    int SLD_Punteggio = 0;
    int SLD_Partite = 0;
    int CHK_Ferma_Punteggio = 0;
    int OPT_Gioca_Per_Primo = 0;
    int OPT_Verso_Delle_Carte = 0;
    FixedArray<std::string, 1, 3> TXT_Nome_Giocatore{};  // all 20 characters
    int punteggio_max = 0;
    int punteggio_tick = 0;
    int punteggio_large_step = 0;
    std::string LBL_Modalita_Tag;
};

// The same controls as the save routine reads them. An option group with no option
// selected leaves its setting as it was.
struct MatchSettingsScreen {
    std::optional<int> OPT_Numero_Giocatori;  // the selected option, 2 to 4
    int SLD_Punteggio = 0;
    int SLD_Partite = 0;
    bool CHK_Ferma_Punteggio = false;
    std::optional<int> OPT_Gioca_Per_Primo;  // 0 the user, 1 to 3 a computer seat
    bool OPT_Verso_Delle_Carte_0 = true;     // the first direction ("Orario") selected
    FixedArray<std::string, 1, 3> TXT_Nome_Giocatore{};
    std::string LBL_Modalita_Tag;
};

struct CamiciaSettingsShown {
    int OPT_Camicia = 0;
    int SLD_Camicia_Numero = 0;
    std::string LBL_Modalita_Tag;
};

// The kinds of file whose failed save the player is told of, once each per run.
enum class SavedFile { Options, General };

// What a read of the general options file found: the last user (trimmed) and game
// when the file is valid. A missing, unreadable or short file is not valid and may be
// written; one of two records or more is not valid and is left as the user has it.
struct GeneralOptions {
    enum class File { Short, Valid, TooLong };
    File file = File::Short;
    std::string user;
    std::int16_t game = 0;
};

class Settings {
public:
    explicit Settings(Program& program) : program_(program) {}
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // --- The current options file.

    // `Percorso_Opzioni` := the current user's file for the current game (none when
    // the current user's name cannot name a file); the picture extensions.
    void Imposta_Percorso_Opzioni();

    // Reads the file, or takes the defaults when it is not valid (and saves them, as
    // the options screen's deck panel would, unless the file is too long: that one is
    // left as the user has it, and no save ever writes it), then copies the deck and back
    // folders, the difficulty, the timings and the background for the program.
    void Carica_Opzioni_Utente();
    // The same test, for the background only.
    void Carica_Sfondo();
    // The difficulty, read again; a failed read keeps the last good one, and a file
    // too long to be valid gives the defaults'.
    void Leggi_Difficolta();
    // The level the difficulty panel shows: the one the next computer turn plays at.
    std::int16_t Mostra_Difficolta();
    // The rule switches for the match about to start.
    void Carica_Regole_Partita();

    // --- The options screen's panels.

    DeckShown Mostra_Mazzo();
    // Saves the deck and the back when both texts are in their lists; returns
    // whether it wrote. Every saver reads the record of its own file (or the
    // defaults) and changes only its own fields in it.
    bool Salva_Mazzo(const DeckPanel& panel);
    // The stored background as the file holds it (50 characters, blank-padded), the
    // defaults' when the file is too long to be valid, or nothing when it holds no
    // whole record.
    std::optional<std::string> Mostra_Sfondo();
    // Saves the background when its text is exactly one entry of its list.
    bool Salva_Sfondo(const BackgroundPanel& panel);
    AnimationPanel Mostra_Animazioni();
    // Each saver returns whether the file was written.
    bool Salva_Animazioni(const AnimationPanel& panel);
    // The selected difficulty option (0 to 3), if any.
    bool Salva_Difficolta(std::optional<int> selected);
    // Scopa only: nothing for another game.
    std::optional<RulesShown> Mostra_Regole_Scopa();
    // For another game the record is written back as it is.
    bool Salva_Regole_Scopa(const RulesPanel& panel);

    // --- The match settings of the set-up screen.

    MatchSettingsShown Mostra_Impostazioni_Partita_1() { return show_match_settings(1); }
    MatchSettingsShown Mostra_Impostazioni_Partita_2() { return show_match_settings(2); }
    MatchSettingsShown Mostra_Impostazioni_Partita_4() { return show_match_settings(4); }
    CamiciaSettingsShown Mostra_Impostazioni_Camicia();
    // These save what is in `Opzioni`, which "Gioca!" has just loaded, changed by
    // the screen's controls. A save that fails is reported (once a run) and the
    // match goes on with the settings in memory.
    void Salva_Impostazioni_Partita_1(const MatchSettingsScreen& screen) { save_match_settings(screen); }
    void Salva_Impostazioni_Partita_2(const MatchSettingsScreen& screen) { save_match_settings(screen); }
    void Salva_Impostazioni_Partita_4(const MatchSettingsScreen& screen) { save_match_settings(screen); }
    // From the match state: the Camicia option and the card count.
    void Salva_Impostazioni_Camicia();

    // --- The general options file: the last user and game. The main menu puts
    // them on its labels and reads them back.

    // Reads the general file's record into `Opzioni` when the file is valid, and says
    // what it found.
    GeneralOptions read_general_options();
    // Writes the last user and game (the game label's number) into the general file,
    // its other fields as they were read. Returns whether the file was written; a
    // failure is reported once a run. A file too long to be valid is never written.
    bool write_general_options(std::string_view user, long game);

    // --- Start-up.

    // The users of the users folder, the game names and the kinds of match.
    void fill_name_tables();
    // The built-in labels.
    void Carica_Testi_Italiano();

    // --- Small services.

    // The last part of a path written with "\".
    static std::string Estrai_Nome_File(std::string_view path);

    // Whether a name typed for a new user can be one; when it cannot, the program's
    // "Errore" message says why and nothing is touched.
    bool accept_user_name(std::string_view name);

    // Tells the player, the first time in a run for each kind of file, that a save
    // failed and what it did not save. Never unwinds: a quit asked for meanwhile is
    // left to the next wait, so that a save inside a match cannot break it.
    void report_failed_save(SavedFile kind, std::string_view what);

    // Why the current options file takes no save (it is too long to be valid), in
    // the words of a message; nothing when it may be written.
    std::optional<std::string> why_options_left_alone() const;

    // Host paths of the files, for the tests and the screens.
    std::filesystem::path options_file() const;
    std::filesystem::path general_options_file() const;

private:
    // What a read of the current options file found.
    enum class Read {
        Record,   // record 1 was read
        Short,    // no file, an unreadable one, or one shorter than a record
        TooLong,  // two records or more: not valid, and not to be written over
    };
    // Reads record 1 of the current options file into `Opzioni`. With
    // `require_valid`, a file that does not hold exactly one record fails; without,
    // one that holds no whole record. A failed read leaves the defaults in `Opzioni`.
    // Only the record's bytes are read, whatever the file's size.
    Read read_options(bool require_valid);
    // Record 1 of the current options file, tested as above; nothing when it fails,
    // with the reason in `why` when given.
    std::optional<Tipo_Opzioni> stored_options(bool require_valid, Read* why = nullptr) const;
    // Writes `Opzioni`, or a record, as record 1 of the current options file;
    // returns whether the file was written.
    bool write_options();
    bool write_options(const Tipo_Opzioni& record);
    // A saver's work: record 1 of the current file (the defaults when it has none),
    // changed by `change` and written; `Opzioni` is left holding it.
    bool save_own_fields(const std::function<void(Tipo_Opzioni&)>& change);
    // A file that is not valid: the defaults in memory, saved as the deck panel's
    // save would save them when the file is missing or short.
    void use_defaults(Read why);
    void apply_options(bool background_only);
    MatchSettingsShown show_match_settings(int game);
    void save_match_settings(const MatchSettingsScreen& screen);
    // Reports a failed save of the current options file (not when there is no file).
    void report_options_not_saved(std::string_view what);
    std::string program_folder() const;

    Program& program_;
};

}  // namespace tavolora::storage
