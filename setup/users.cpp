#include "setup/users.h"

#include <algorithm>

#include "program/program.h"
#include "storage/folders.h"
#include "storage/host_path.h"
#include "storage/users.h"
#include "table/pictures.h"

namespace tavolora::setup {

namespace {
// The layout of the list, in twips: a row every 840 below a margin of 320, the
// selection mark 10 above its row; the screen is at least 3735 high and 645 higher
// than the users' panel.
constexpr float kRowStep = 840;
constexpr float kFirstRowTop = 320;
constexpr float kMarkAbove = 10;
constexpr float kScreenWidth = 5145;
constexpr float kLeastHeight = 3735;
constexpr float kAroundPanel = 645;

constexpr const char* kWarning = "Attenzione!";
}  // namespace

UsersScreenState& UserScreen::s() {
    return program_.setup.users_screen;
}
const UsersScreenState& UserScreen::s() const {
    return program_.setup.users_screen;
}

std::string UserScreen::text(int entry) const {
    return program_.settings.Testi(entry).trimmed_right();
}

bool UserScreen::loaded() const {
    return program_.master.screens(table::Screen::F_02_Utenti).loaded;
}

void UserScreen::load() {
    if (loaded()) return;
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_02_Utenti);
    screen.loaded = true;
    screen.Visible = true;
    build();
    Form_Load();
}

void UserScreen::unload() {
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_02_Utenti);
    screen.loaded = false;
    screen.Visible = false;
}

// The screen as it is built, before its loading runs.
void UserScreen::build() {
    UsersScreenState& c = s();
    c = UsersScreenState{};
    c.PNL_Scelte_Primarie = text(0);
    c.IMG_Icona = IconBar({{1, 1080, 120, text(21), "", true},
                           {2, 120, 120, text(22), "", true},
                           {3, 600, 1200, text(9), "", true}},
                          "Crea utente", 2);
    c.BackColor2 = program_.setup.main_menu.BackColor2;
}

void UserScreen::Form_Load() {
    UsersScreenState& c = s();
    c.Caption = text(25);
    c.FRM_Utente = text(24);
    program_.master_events.Nascondi_Menu();
    Inizializzazione_02();
    program_.master.form.Caption = std::string(table::kProgramName) + " V " + table::kProgramVersion + " [ " +
                                   table::kProgramEdition + " ]";
}

void UserScreen::Inizializzazione_02() {
    UsersScreenState& c = s();
    const std::string folder = program_.ports.folder.program_folder();
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_02_Utenti);
    c.Utente_Selezionato = -1;
    c.Rec.Visible = false;
    screen.Width = kScreenWidth;
    program_.master_events.Genera_Costanti();

    // The name table and the list hold ten users; more files than that, put there
    // from outside the program, are not shown.
    std::vector<std::string> users = storage::user_names(folder);
    if (users.size() > kRows) users.resize(kRows);
    c.rows.clear();
    for (std::size_t i = 0; i < users.size(); ++i) {
        UserRow row;
        row.LBL_Utente = users[i];
        row.Top = kFirstRowTop + kRowStep * static_cast<float>(i);
        // A user whose file or photo cannot be read still has a row, with an empty
        // frame for the photo.
        if (const auto record = storage::read_user(folder, users[i])) {
            const std::string photo = storage::photo_path(folder, record->Foto);
            if (!photo.empty() && program_.ports.images.picture_size(storage::host_path(photo)))
                row.PIC_Utente = photo;
        }
        c.rows.push_back(std::move(row));
    }

    c.FRM_Utente_Height = kRowStep * static_cast<float>(c.rows.size()) + kFirstRowTop;
    select_menu_user();
    screen.Height = std::max(c.FRM_Utente_Height + kAroundPanel, kLeastHeight);
    program_.master.place_beside_menu(table::Screen::F_02_Utenti);
}

void UserScreen::LBL_Utente_Click(int index) {
    UsersScreenState& c = s();
    if (index < 0 || index >= static_cast<int>(c.rows.size())) return;
    c.Utente_Selezionato = index;
    c.Rec = {true, 120, kFirstRowTop - kMarkAbove + kRowStep * static_cast<float>(index), 2295, 750};
}

void UserScreen::select_menu_user() {
    const UsersScreenState& c = s();
    if (c.rows.empty()) return;
    // A caption read at start is padded with blanks.
    const std::string name = table::TrimRight(program_.setup.main_menu.LBL_Primarie(1).Caption);
    const auto row =
        std::find_if(c.rows.begin(), c.rows.end(), [&name](const UserRow& r) { return r.LBL_Utente == name; });
    LBL_Utente_Click(row == c.rows.end() ? 0 : static_cast<int>(row - c.rows.begin()));
}

void UserScreen::CMD_02_Cancella_Utente_Click() {
    UsersScreenState& c = s();
    const std::string folder = program_.ports.folder.program_folder();
    // The count is the users on disk, not the rows shown.
    if (storage::user_names(folder).size() == 1) {
        program_.show_message(kWarning, "Non puoi cancellare l'ultimo utente rimasto!");
        return;
    }
    if (c.Utente_Selezionato < 0 || c.Utente_Selezionato >= static_cast<int>(c.rows.size())) return;
    const std::string name = c.rows[static_cast<std::size_t>(c.Utente_Selezionato)].LBL_Utente;
    if (!program_.ask_yes_no(kWarning, "Sei sicuro di voler eliminare l'utente " + name + "?")) return;
    // The user's file goes first: when it stays, the user stays whole, options and all.
    if (!storage::remove_user(folder, name)) {
        program_.show_message(kWarning, "Non è stato possibile eliminare l'utente " + name + "!");
        return;
    }
    Inizializzazione_02();
}

void UserScreen::CMD_02_Nuovo_Utente_Click() {
    if (storage::user_names(program_.ports.folder.program_folder()).size() >= kMostUsers) {
        program_.show_message(kWarning, "Non puoi creare più di 8 utenti!");
        return;
    }
    program_.setup.new_user.load();
    unload();
}

void UserScreen::IMG_Icona_Click(int index) {
    switch (index) {
        case 1: {
            CMD_02_Cancella_Utente_Click();
            rebuild_user_names();
            // The main menu keeps its user while that user is there; a deleted one
            // gives way to the first user. The user the menu shows is the one the
            // program works for, as after a step of its arrows: a deleted user never
            // stays current, where the next options read would bring back its files.
            program_.settings.Nome_Utente.assign(program_.setup.main_menu.LBL_Primarie(1).Caption);
            program_.storage.Imposta_Percorso_Opzioni();
            select_menu_user();
            break;
        }
        case 2:
            CMD_02_Nuovo_Utente_Click();
            break;
        case 3:
            unload();
            break;
        default:
            break;
    }
}

void UserScreen::rebuild_user_names() {
    storage::SettingsState& settings = program_.settings;
    MenuLabel& label = program_.setup.main_menu.LBL_Primarie(1);
    const std::string shown = table::TrimRight(label.Caption);
    for (int j = 1; j <= kRows; ++j) settings.Utenti_Giochi(1, j).assign("");
    program_.master_events.Genera_Costanti();
    const std::vector<std::string> users = storage::user_names(program_.ports.folder.program_folder());
    for (std::size_t i = 0; i < users.size() && i < kRows; ++i)
        settings.Utenti_Giochi(1, static_cast<int>(i) + 1).assign(users[i]);
    label = {settings.Utenti_Giochi(1, 1).trimmed_right(), "1"};
    program_.setup.main_menu_events.show_listed_user(shown);
}

}  // namespace tavolora::setup
