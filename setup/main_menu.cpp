#include "setup/main_menu.h"

#include <algorithm>

#include "core/games.h"
#include "core/numbers.h"
#include "program/program.h"
#include "storage/basic_text.h"
#include "storage/code_page.h"
#include "storage/names.h"
#include "table/table_positions.h"

namespace tavolora::setup {

FixedArray<MenuArrow, 1, 4> first_arrows() {
    FixedArray<MenuArrow, 1, 4> arrows;
    arrows(1) = {0, 0};
    arrows(2) = {3240, 0};
    arrows(3) = {0, 900};
    arrows(4) = {3240, 900};
    return arrows;
}

std::uint32_t game_colour(int game, std::uint32_t current) {
    const games::Game* facts = games::find(game);
    return facts != nullptr ? facts->colour : current;
}

void MainMenu::Form_Load() {
    storage::SettingsState& s = program_.settings;
    MainMenuState& menu = program_.setup.main_menu;
    // Loading the main menu shows it, and with it the main window.
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_011_Menu);
    screen.loaded = true;
    screen.Visible = true;
    const auto text = [&s](int entry) { return s.Testi(entry).trimmed_right(); };
    menu.PNL_Menu_Principale = text(13);
    menu.PNL_Scelte_Primarie = text(12);
    const struct {
        int index;
        float left;
        float top;
        int entry;
    } icons[] = {{1, 1080, 120, 14}, {2, 120, 2040, 15}, {3, 2040, 840, 16},
                 {4, 120, 840, 17},  {5, 2040, 2040, 18}, {7, 1080, 2760, 20}};
    std::vector<BarIcon> bar;
    for (const auto& icon : icons) bar.push_back({icon.index, icon.left, icon.top, text(icon.entry), "", true});
    menu.IMG_Icona = IconBar(std::move(bar), text(14), 1);
    menu.IMG_Icona.icon(1)->tooltip = "Clicca sulle icone per eseguire l'operazione scritta in basso";
    program_.animation.Centra_Menu();
    Inizializza_Tabelle_Utenti_Giochi();
    menu.LBL_Primarie(1) = {s.Utenti_Giochi(1, 1).text(), "1"};
    menu.LBL_Primarie(2) = {s.Utenti_Giochi(2, 1).text(), "1"};
    s.Nome_Utente.assign(menu.LBL_Primarie(1).Caption);
    program_.match.Codice_Gioco = 1;
    Carica_Opzioni_Generali();
    program_.storage.Imposta_Percorso_Opzioni();
}

void MainMenu::Form_Unload() {
    Salva_Opzioni_Generali();
}

void MainMenu::Inizializza_Tabelle_Utenti_Giochi() {
    const storage::SettingsState& s = program_.settings;
    program_.storage.fill_name_tables();
    MainMenuState& menu = program_.setup.main_menu;
    menu.LBL_Primarie(1) = {s.Utenti_Giochi(1, 1).trimmed_right(), "1"};
    menu.LBL_Primarie(2) = {s.Utenti_Giochi(2, 1).trimmed_right(), "1"};
}

std::optional<CurrentChoice> MainMenu::Carica_Opzioni_Generali() {
    using File = storage::GeneralOptions::File;
    const storage::SettingsState& s = program_.settings;
    MainMenuState& menu = program_.setup.main_menu;
    // A missing or short file is written from the labels once and read again. A file
    // of two records or more is left as the user has it: the labels as they stand
    // serve for this run.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const storage::GeneralOptions stored = program_.storage.read_general_options();
        if (stored.file == File::Valid) {
            // The last user is looked up among the users, so that the arrows step on
            // from where it stands; one that is no longer there (or whose name cannot
            // be a user's) gives way to the first user.
            menu.LBL_Primarie(1) = {s.Utenti_Giochi(1, 1).trimmed_right(), "1"};
            if (storage::check_user_name(stored.user) == storage::NameProblem::None) show_listed_user(stored.user);
            menu.LBL_Primarie(2).Tag = format_plain(static_cast<long>(stored.game) - 1);
            IMG_Icona_Primarie_Click(4);
            return CurrentChoice{s.Nome_Utente.trimmed_right(), program_.match.Codice_Gioco};
        }
        if (stored.file == File::TooLong) break;
        if (attempt == 0 && !Salva_Opzioni_Generali()) break;
    }
    return std::nullopt;
}

bool MainMenu::Salva_Opzioni_Generali() {
    const MainMenuState& menu = program_.setup.main_menu;
    return program_.storage.write_general_options(menu.LBL_Primarie(1).Caption,
                                                  storage::basic_val(menu.LBL_Primarie(2).Tag));
}

bool MainMenu::show_listed_user(std::string_view name) {
    const storage::SettingsState& s = program_.settings;
    for (int position = 1; position <= 10; ++position) {
        const std::string listed = s.Utenti_Giochi(1, position).trimmed_right();
        if (!listed.empty() && storage::same_ignoring_case(listed, name)) {
            program_.setup.main_menu.LBL_Primarie(1) = {listed, format_plain(position)};
            return true;
        }
    }
    return false;
}

void MainMenu::IMG_Icona_Primarie_Click(int index) {
    storage::SettingsState& s = program_.settings;
    MainMenuState& menu = program_.setup.main_menu;
    program_.master_events.Chiudi_Tutte_Le_Form();

    const int row = index >= 3 ? 2 : 1;
    MenuLabel& label = menu.LBL_Primarie(row);
    const auto named = [&s, row](int position) { return !s.Utenti_Giochi(row, position).trimmed().empty(); };
    const long p = storage::basic_val(label.Tag);
    long q = p;
    if (index == 1 || index == 3) {
        q = p - 1;
        if (q <= 0) {
            // Back from the first: the last named position (the first when none is).
            q = 1;
            for (int position = 10; position >= 1; --position) {
                if (named(position)) {
                    q = position;
                    break;
                }
            }
        }
        if (q > 10) q = 10;
    } else if (index == 2) {
        q = p + 1;
        if (q > 10 || q < 1 || !named(static_cast<int>(q))) q = 1;
    } else if (index == 4) {
        q = std::max(p + 1, 1L);
        while (q <= 10 && !named(static_cast<int>(q))) ++q;
        if (q > 10) q = 1;  // taken even when blank
    } else {
        return;
    }
    label.Caption = s.Utenti_Giochi(row, static_cast<int>(q)).trimmed_right();
    label.Tag = format_plain(q);

    s.Nome_Utente.assign(menu.LBL_Primarie(1).Caption);
    std::int16_t game = 0;
    if (store16(game, storage::basic_val(menu.LBL_Primarie(2).Tag))) program_.match.Codice_Gioco = game;
    menu.BackColor2 = game_colour(program_.match.Codice_Gioco, menu.BackColor2);
    program_.storage.Imposta_Percorso_Opzioni();
}

}  // namespace tavolora::setup

namespace tavolora::setup {

void MainMenu::IMG_Icona_Click(int index) {
    table::Imposta_Posizioni_Tavolo(program_.anim, program_.match.Codice_Gioco);
    Salva_Opzioni_Generali();
    table::MasterEvents& master = program_.master_events;
    switch (index) {
        case 1:
            open_match_setup();
            break;
        case 2:
            master.Q_U_Click();
            break;
        case 3:
            master.Q_O_Click();
            break;
        case 4:
            master.Q_G_Click();
            break;
        case 5:
            master.Q_C_Click();
            break;
        case 7:
            master.Q_E_Click();
            break;
        default:
            break;
    }
}

void MainMenu::open_match_setup() {
    const int game = program_.match.Codice_Gioco;
    if (games::find(game) == nullptr) return;
    program_.setup.match_setup.show_saved_settings();
    SetupLabel& label = program_.setup.setup_screen.LBL_Modalita;
    const long tag = storage::basic_val(label.Tag);
    // A stored kind outside the game's five places names none.
    if (tag >= 1 && tag <= 5) label.Caption = program_.settings.Modalita_Giochi(game, static_cast<int>(tag)).trimmed_right();
    program_.master_events.open_new_match(games::kind_at(game, static_cast<int>(std::clamp(tag, 0L, 6L))));
}

}  // namespace tavolora::setup
