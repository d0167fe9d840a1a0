#include "storage/settings.h"

#include <algorithm>
#include <functional>

#include "core/games.h"
#include "core/numbers.h"
#include "platform/waits.h"
#include "program/program.h"
#include "storage/basic_text.h"
#include "storage/code_page.h"
#include "storage/default_options.h"
#include "storage/folders.h"
#include "storage/host_path.h"
#include "storage/record_file.h"

namespace tavolora::storage {

namespace {
// The animation timings and the difficulty as the program may use them: a flight
// has at least one step, a pause lasts at most 200 units of 30 ms, and a difficulty
// the computer players do not know plays at random. The file keeps what it holds.
std::int16_t usable_timing(int index, std::int16_t stored) {
    if (index <= 3) return std::max<std::int16_t>(stored, 1);
    return std::clamp<std::int16_t>(stored, 0, 200);
}

std::int16_t usable_difficulty(std::int16_t stored) {
    return stored >= 0 && stored <= 3 ? stored : 0;
}

// How many entries of a list are exactly the trimmed text of its combo box.
int entries_equal(const std::vector<std::string>& list, std::string_view text) {
    const std::string wanted = [&text] {
        const auto first = text.find_first_not_of(' ');
        if (first == std::string_view::npos) return std::string();
        return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
    }();
    return static_cast<int>(std::count(list.begin(), list.end(), wanted));
}

// Why an options or general file is not written, in the words of the message that
// tells of it; nothing when its size allows a save.
std::optional<std::string> left_alone(const std::filesystem::path& file) {
    const std::optional<std::uintmax_t> size = file.empty() ? std::nullopt : stored_size(file);
    if (!size || *size < kTooLongOptionsFile) return std::nullopt;
    return "il file " + file.string() + " è lungo " + std::to_string(*size) +
           " byte, troppo per un file di opzioni, e resta com'è finché non lo si toglie";
}
}  // namespace

std::string Settings::program_folder() const {
    return program_.ports.folder.program_folder();
}

std::filesystem::path Settings::options_file() const {
    const std::string& path = program_.settings.Percorso_Opzioni;
    return path.empty() ? std::filesystem::path() : host_path(path);
}

std::filesystem::path Settings::general_options_file() const {
    return host_path(program_folder() + "\\Options" + "\\" + "TVQ" + ".opt");
}

// --- The current options file ------------------------------------------------------

void Settings::Imposta_Percorso_Opzioni() {
    SettingsState& s = program_.settings;
    const std::string user = s.Nome_Utente.trimmed();
    // A user whose name cannot be a file name has no options file: the program then
    // works with the defaults and writes nothing.
    s.Percorso_Opzioni = check_user_name(user) == NameProblem::None
                             ? program_folder() + "\\Users" + "\\" + user + "_" +
                                   format_plain(program_.match.Codice_Gioco) + ".opt"
                             : std::string();
    s.Estensioni(1) = ".bmp";
    s.Estensioni(2) = ".jpg";
}

std::optional<Tipo_Opzioni> Settings::stored_options(bool require_valid, Read* why) const {
    // Read at every computer turn: the file as named first, the case-blind search
    // only when that fails. The validity rule needs only the size: a file of any size
    // costs one record. A file too long to be valid gives nothing to any read, with or
    // without the test: the defaults then serve in the panels as they do in play.
    const std::string& path = program_.settings.Percorso_Opzioni;
    std::optional<StoredRecord> stored;
    if (!path.empty()) {
        stored = with_host_path(
            path, [](const std::filesystem::path& file) { return read_record(file, layout::kOptionsLength); });
    }
    const bool too_long = stored && stored->size >= kTooLongOptionsFile;
    const bool readable = stored && !too_long &&
                          (require_valid ? valid_options_file_size(stored->size)
                                         : stored->size >= layout::kOptionsLength);
    if (why != nullptr) *why = readable ? Read::Record : too_long ? Read::TooLong : Read::Short;
    if (!readable) return std::nullopt;
    return decode_options(stored->bytes);
}

Settings::Read Settings::read_options(bool require_valid) {
    Read why = Read::Short;
    std::optional<Tipo_Opzioni> stored = stored_options(require_valid, &why);
    program_.settings.Opzioni =
        stored ? *stored : default_options(program_folder(), program_.match.Codice_Gioco);
    return why;
}

bool Settings::write_options() {
    return write_options(program_.settings.Opzioni);
}

bool Settings::write_options(const Tipo_Opzioni& record) {
    const std::filesystem::path file = options_file();
    if (file.empty()) return false;
    const OptionsBytes bytes = encode(record);
    return write_record_below(file, std::string_view(bytes.data(), bytes.size()), kTooLongOptionsFile) ==
           RecordSave::Written;
}

bool Settings::save_own_fields(const std::function<void(Tipo_Opzioni&)>& change) {
    // The record starts from this file alone, never from what `Opzioni` held before:
    // that may be another user's options or the general file's. A file too long to
    // be valid takes no save: the defaults stay in memory, as the load left them.
    Read why = Read::Short;
    std::optional<Tipo_Opzioni> stored = stored_options(false, &why);
    Tipo_Opzioni record = stored.value_or(default_options(program_folder(), program_.match.Codice_Gioco));
    if (why == Read::TooLong) {
        program_.settings.Opzioni = record;
        return false;
    }
    change(record);
    program_.settings.Opzioni = record;
    return write_options(record);
}

void Settings::use_defaults(Read why) {
    // The defaults are in `Opzioni` after the failed read. They are saved when there
    // is a deck to save, as the deck panel saves a deck and a back from its lists:
    // that makes a missing or short file valid. A file of two records or more stays
    // as the user left it, and the defaults serve in memory only: writing them over
    // its first record would lose the user's settings and still not make it valid.
    if (why == Read::TooLong) return;
    if (program_.settings.Opzioni.Mazzo_Carte.trimmed().empty()) return;
    if (!write_options()) report_options_not_saved("le opzioni predefinite");
}

void Settings::report_options_not_saved(std::string_view what) {
    // Without a user there is no file, and nothing that could have been saved.
    if (options_file().empty()) return;
    const std::optional<std::string> why = why_options_left_alone();
    report_failed_save(SavedFile::Options, std::string(what) + " per " + program_.settings.Nome_Utente.trimmed() +
                                               (why ? ": " + *why : " (file " + options_file().string() + ")"));
}

std::optional<std::string> Settings::why_options_left_alone() const {
    return left_alone(options_file());
}

void Settings::report_failed_save(SavedFile kind, std::string_view what) {
    SettingsState& s = program_.settings;
    bool& reported = kind == SavedFile::General ? s.general_save_reported : s.options_save_reported;
    if (reported) return;
    reported = true;
    try {
        program_.show_message("Attenzione!", "Non è stato possibile salvare " + std::string(what) +
                                                 ". Il gioco continua: ciò che non è stato salvato vale solo fino all'uscita.");
    } catch (const platform::QuitRequested&) {
        // The quit flag stays set: the next wait unwinds, outside the save.
    }
}

void Settings::apply_options(bool background_only) {
    SettingsState& s = program_.settings;
    const Tipo_Opzioni& o = s.Opzioni;
    const std::string folder = program_folder();
    // A stored name that would lead outside its folder counts as missing.
    const auto component = [](const std::string& name) {
        return is_single_component(name) ? name : std::string();
    };
    if (!background_only) {
        s.Percorso_Mazzo_Carte = folder + "\\Cards" + "\\" + component(o.Mazzo_Carte.trimmed());
        s.Percorso_Mazzo_Dorso = folder + "\\Cards" + "\\" + component(o.Mazzo_Dorso.trimmed());
        s.Difficolta = usable_difficulty(o.Difficolta);
        for (int i = 1; i <= 5; ++i) s.Tempi_Animazione(i) = usable_timing(i, o.Animazioni(i));
    }
    const std::string background = o.Sfondo_Tavolo.trimmed();
    if (background == "N" || background == "R") {
        s.Percorso_Sfondo = background;
    } else if (is_single_component(background)) {
        s.Percorso_Sfondo = folder + "\\Tables" + "\\" + background + s.Estensioni(2);
    } else {
        s.Percorso_Sfondo = "N";
    }
}

void Settings::Carica_Opzioni_Utente() {
    if (const Read read = read_options(true); read != Read::Record) use_defaults(read);
    apply_options(false);
}

void Settings::Carica_Sfondo() {
    if (const Read read = read_options(true); read != Read::Record) use_defaults(read);
    apply_options(true);
}

void Settings::Leggi_Difficolta() {
    // A file too long to be valid gives the defaults' difficulty, the one its load
    // put in play.
    if (read_options(false) != Read::Short) {
        program_.settings.Difficolta = usable_difficulty(program_.settings.Opzioni.Difficolta);
    }
}

std::int16_t Settings::Mostra_Difficolta() {
    Leggi_Difficolta();
    // Without a user there is no file: the next match plays at a new user's level,
    // which the read left in `Opzioni`, whatever the last match played at.
    if (program_.settings.Percorso_Opzioni.empty()) return usable_difficulty(program_.settings.Opzioni.Difficolta);
    return program_.settings.Difficolta;
}

void Settings::Carica_Regole_Partita() {
    read_options(false);
    SettingsState& s = program_.settings;
    for (int i = 1; i <= 20; ++i) s.Regole_Partita(i) = s.Opzioni.Regole(i);
}

// --- The options screen's panels ---------------------------------------------------

DeckShown Settings::Mostra_Mazzo() {
    if (const Read read = read_options(true); read != Read::Record) use_defaults(read);
    const Tipo_Opzioni& o = program_.settings.Opzioni;
    return {o.Mazzo_Carte.text(), o.Mazzo_Dorso.text()};
}

bool Settings::Salva_Mazzo(const DeckPanel& panel) {
    const int found = entries_equal(panel.dorso_list, panel.CMB_Mazzo_Dorso) +
                      entries_equal(panel.carte_list, panel.CMB_Mazzo_Carte);
    if (found != 2) return false;
    // The other fields keep what the file holds.
    return save_own_fields([&panel](Tipo_Opzioni& o) {
        o.Mazzo_Carte.assign(FixedText<50>(panel.CMB_Mazzo_Carte).trimmed());
        o.Mazzo_Dorso.assign(FixedText<50>(panel.CMB_Mazzo_Dorso).trimmed());
    });
}

std::optional<std::string> Settings::Mostra_Sfondo() {
    // A file too long to be valid shows the defaults' background, the one play uses.
    if (read_options(true) == Read::Short) return std::nullopt;
    return program_.settings.Opzioni.Sfondo_Tavolo.text();
}

bool Settings::Salva_Sfondo(const BackgroundPanel& panel) {
    if (entries_equal(panel.list, panel.CMB_Sfondo_Tavolo) != 1) return false;
    const std::string text = FixedText<50>(panel.CMB_Sfondo_Tavolo).trimmed();
    std::string stored = text;
    if (text == kScelta_Nessuno) stored = "N";
    if (text == kScelta_Casuale) stored = "R";
    return save_own_fields([&stored](Tipo_Opzioni& o) { o.Sfondo_Tavolo.assign(stored); });
}

AnimationPanel Settings::Mostra_Animazioni() {
    read_options(false);
    const Tipo_Opzioni& o = program_.settings.Opzioni;
    AnimationPanel panel;
    for (int i = 1; i <= 4; ++i) panel.SLD_Movimento(i) = o.Animazioni(i);
    panel.SLD_Movimento(5) = o.Animazioni(5);
    panel.CHK_Aspetta_Tavolo = o.Animazioni(5) == 0;
    return panel;
}

bool Settings::Salva_Animazioni(const AnimationPanel& panel) {
    return save_own_fields([&panel](Tipo_Opzioni& o) {
        for (int i = 1; i <= 5; ++i) store16(o.Animazioni(i), panel.SLD_Movimento(i));
        if (panel.CHK_Aspetta_Tavolo) o.Animazioni(5) = 0;
    });
}

bool Settings::Salva_Difficolta(std::optional<int> selected) {
    return save_own_fields([selected](Tipo_Opzioni& o) {
        if (selected && *selected >= 0 && *selected <= 3) o.Difficolta = static_cast<std::int16_t>(*selected);
    });
}

std::optional<RulesShown> Settings::Mostra_Regole_Scopa() {
    read_options(false);
    if (program_.match.Codice_Gioco != 2) return std::nullopt;
    const Tipo_Opzioni& o = program_.settings.Opzioni;
    RulesShown shown;
    for (int i = 1; i <= 13; ++i) {
        if (o.Regole(i) == 0) shown.CHK_Regole_Scopa(i) = false;
        if (o.Regole(i) == 1) shown.CHK_Regole_Scopa(i) = true;
    }
    shown.HSR_Mazzo_Asso = o.Regole(20);
    return shown;
}

bool Settings::Salva_Regole_Scopa(const RulesPanel& panel) {
    const bool scopa = program_.match.Codice_Gioco == 2;
    return save_own_fields([&panel, scopa](Tipo_Opzioni& o) {
        if (!scopa) return;
        for (int i = 1; i <= 13; ++i) o.Regole(i) = panel.CHK_Regole_Scopa(i) == 1 ? 1 : 0;
        store16(o.Regole(20), panel.HSR_Mazzo_Asso);
    });
}

// --- Match settings ------------------------------------------------------------------

MatchSettingsShown Settings::show_match_settings(int game) {
    read_options(false);
    const Tipo_Opzioni& o = program_.settings.Opzioni;
    MatchSettingsShown shown;
    shown.OPT_Numero_Giocatori = o.Impostazioni(1);
    shown.SLD_Punteggio = o.Impostazioni(2);
    shown.SLD_Partite = o.Impostazioni(3);
    shown.CHK_Ferma_Punteggio = o.Impostazioni(4);
    shown.OPT_Gioca_Per_Primo = o.Impostazioni(5);
    shown.OPT_Verso_Delle_Carte = o.Impostazioni(6);
    for (int k = 1; k <= 3; ++k) shown.TXT_Nome_Giocatore(k) = o.Nomi_Giocatori(k).text();
    const games::Game* facts = games::find(game);
    const games::PointsSlider slider = facts != nullptr ? facts->points : games::kGames[0].points;
    shown.punteggio_max = slider.max;
    shown.punteggio_tick = slider.tick;
    shown.punteggio_large_step = slider.large_step;
    shown.LBL_Modalita_Tag = format_plain(o.Impostazioni(15));
    return shown;
}

void Settings::save_match_settings(const MatchSettingsScreen& screen) {
    // "Gioca!" has just loaded this file into `Opzioni`; the record is read again all
    // the same, so that a caller that did not can never write another file's fields.
    const bool written = save_own_fields([&screen](Tipo_Opzioni& o) {
        if (screen.OPT_Numero_Giocatori && *screen.OPT_Numero_Giocatori >= 2 &&
            *screen.OPT_Numero_Giocatori <= 4) {
            o.Impostazioni(1) = static_cast<std::int16_t>(*screen.OPT_Numero_Giocatori);
        }
        store16(o.Impostazioni(2), screen.SLD_Punteggio);
        store16(o.Impostazioni(3), screen.SLD_Partite);
        o.Impostazioni(4) = screen.CHK_Ferma_Punteggio ? 1 : 0;
        if (screen.OPT_Gioca_Per_Primo && *screen.OPT_Gioca_Per_Primo >= 0 &&
            *screen.OPT_Gioca_Per_Primo <= 3) {
            o.Impostazioni(5) = static_cast<std::int16_t>(*screen.OPT_Gioca_Per_Primo);
        }
        o.Impostazioni(6) = screen.OPT_Verso_Delle_Carte_0 ? 0 : 1;
        store16(o.Impostazioni(15), basic_val(screen.LBL_Modalita_Tag));
        for (int k = 1; k <= 3; ++k) o.Nomi_Giocatori(k).assign(screen.TXT_Nome_Giocatore(k));
    });
    if (!written) report_options_not_saved("le impostazioni della partita");
}

CamiciaSettingsShown Settings::Mostra_Impostazioni_Camicia() {
    read_options(false);
    const Tipo_Opzioni& o = program_.settings.Opzioni;
    return {o.Impostazioni(1), o.Impostazioni(2), format_plain(o.Impostazioni(15))};
}

void Settings::Salva_Impostazioni_Camicia() {
    const engine::MatchState& m = program_.match;
    const bool written = save_own_fields([&m](Tipo_Opzioni& o) {
        store16(o.Impostazioni(1), m.Modalita_Partita);
        o.Impostazioni(2) = m.Numero_Carte_Camicia;
    });
    if (!written) report_options_not_saved("le impostazioni della partita");
}

// --- The general options file --------------------------------------------------------

GeneralOptions Settings::read_general_options() {
    SettingsState& s = program_.settings;
    const auto stored = read_record(general_options_file(), layout::kOptionsLength);
    if (stored && valid_options_file_size(stored->size)) {
        s.Opzioni = decode_options(stored->bytes);
        return {GeneralOptions::File::Valid, FixedText<50>(s.Opzioni.Mazzo_Dorso.trimmed_right()).trimmed(),
                s.Opzioni.Impostazioni(1)};
    }
    if (stored && stored->size >= 2 * layout::kOptionsLength) return {GeneralOptions::File::TooLong, "", 0};
    return {};
}

bool Settings::write_general_options(std::string_view user, long game) {
    SettingsState& s = program_.settings;
    const std::filesystem::path file = general_options_file();
    // Only the last user and game mean anything here; the other fields go back as
    // they were read, and a file without a record starts from a blank one, never from
    // a user's options that happen to be in memory. A file too long to be valid is
    // never written: while it stays so, the last user and game are not remembered,
    // and the player is told so as of a failed save.
    const auto stored = read_record(file, layout::kOptionsLength);
    RecordSave saved = RecordSave::LeftAlone;
    if (!stored || stored->size < kTooLongOptionsFile) {
        s.Opzioni = stored && stored->bytes.size() >= layout::kOptionsLength ? decode_options(stored->bytes)
                                                                            : Tipo_Opzioni{};
        s.Opzioni.Mazzo_Dorso.assign(FixedText<50>(user).trimmed_right());
        store16(s.Opzioni.Impostazioni(1), game);
        const OptionsBytes record = encode(s.Opzioni);
        saved = write_record_below(file, std::string_view(record.data(), record.size()), kTooLongOptionsFile);
    }
    if (saved == RecordSave::Written) return true;
    const std::optional<std::string> why = saved == RecordSave::LeftAlone ? left_alone(file) : std::nullopt;
    report_failed_save(SavedFile::General,
                       "l'ultimo utente e l'ultimo gioco" + (why ? ": " + *why : " (file " + file.string() + ")"));
    return false;
}

// --- Start-up ------------------------------------------------------------------------

void Settings::fill_name_tables() {
    SettingsState& s = program_.settings;
    for (int i = 1; i <= 10; ++i) {
        s.Utenti_Giochi(1, i).assign("");
        s.Utenti_Giochi(2, i).assign("");
        for (int j = 1; j <= 5; ++j) s.Modalita_Giochi(i, j).assign("");
    }
    // Every game the program plays has its name, at its code, and its kinds of match.
    for (const games::Game& game : games::kGames) {
        s.Utenti_Giochi(2, game.code).assign(game.name);
        for (int position = 1; position <= 5; ++position)
            s.Modalita_Giochi(game.code, position).assign(game.kinds[static_cast<std::size_t>(position - 1)]);
    }
    program_.master_events.Genera_Costanti();

    const std::vector<std::string> users = user_names(program_folder());
    for (std::size_t i = 0; i < users.size() && i < 10; ++i) {
        s.Utenti_Giochi(1, static_cast<int>(i) + 1).assign(users[i]);
    }
}

// --- Small services ------------------------------------------------------------------

std::string Settings::Estrai_Nome_File(std::string_view path) {
    const auto separator = path.find_last_of('\\');
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

bool Settings::accept_user_name(std::string_view name) {
    const std::string why = user_name_refusal(name);
    if (why.empty()) return true;
    // "Errore", and under it what is wrong with the name.
    program_.show_message(table::kProgramName, "Errore\n\n" + why);
    return false;
}

}  // namespace tavolora::storage
