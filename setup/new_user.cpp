#include "setup/new_user.h"

#include <algorithm>

#include "program/program.h"
#include "storage/code_page.h"
#include "storage/folders.h"
#include "storage/host_path.h"
#include "storage/names.h"
#include "storage/record_file.h"
#include "storage/users.h"

namespace tavolora::setup {

namespace {
constexpr float kScreenWidth = 5295;
constexpr float kScreenHeight = 3765;

// The text without the blanks around it.
std::string_view without_blanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The first `count` characters of a UTF-8 text.
std::string first_characters(std::string_view utf8, std::size_t count) {
    std::size_t characters = 0;
    std::size_t end = 0;
    for (; end < utf8.size(); ++end) {
        if ((static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80 && characters++ == count) break;
    }
    return std::string(utf8.substr(0, end));
}
}  // namespace

NewUserScreenState& NewUserScreen::s() {
    return program_.setup.new_user_screen;
}
const NewUserScreenState& NewUserScreen::s() const {
    return program_.setup.new_user_screen;
}

bool NewUserScreen::loaded() const {
    return program_.master.screens(table::Screen::F_022_Utenti_Nuovo).loaded;
}

void NewUserScreen::load() {
    if (loaded()) return;
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_022_Utenti_Nuovo);
    screen.loaded = true;
    screen.Visible = true;
    build();
    Form_Load();
}

void NewUserScreen::unload() {
    if (!loaded()) return;
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_022_Utenti_Nuovo);
    screen.loaded = false;
    screen.Visible = false;
    // However the screen closes, the user screen comes back, with a fresh list.
    program_.setup.users.load();
}

void NewUserScreen::build() {
    NewUserScreenState& c = s();
    c = NewUserScreenState{};
    const auto text = [this](int entry) { return program_.settings.Testi(entry).trimmed_right(); };
    c.IMG_Icona = IconBar({{1, 480, 120, text(26), "", true}, {2, 480, 1200, text(9), "", true}}, "", 1);
    c.BackColor2 = program_.setup.main_menu.BackColor2;
}

void NewUserScreen::Form_Load() {
    NewUserScreenState& c = s();
    const auto text = [this](int entry) { return program_.settings.Testi(entry).trimmed_right(); };
    c.Caption = text(30);
    c.IMG_Icona.description = text(26);
    c.PNL_Scelte_Primarie = text(0);
    c.FRM_Utente = text(27);
    c.FRM_022_Inserisci_Nome = text(28);
    c.Frame2 = text(29);
    c.File1 = storage::user_photos(program_.ports.folder.program_folder());
    c.HSC_Foto.Max = static_cast<int>(c.File1.size());
    HSC_Foto_Change();
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_022_Utenti_Nuovo);
    screen.Width = kScreenWidth;
    screen.Height = kScreenHeight;
    program_.master.place_beside_menu(table::Screen::F_022_Utenti_Nuovo);
}

void NewUserScreen::HSC_Foto_Change() {
    NewUserScreenState& c = s();
    c.PIC_Utente.clear();
    const int position = c.HSC_Foto.Value - 1;
    if (position < 0 || position >= static_cast<int>(c.File1.size())) return;
    // A picture that cannot be loaded leaves the preview empty; it can still be chosen.
    const std::string path = program_.ports.folder.program_folder() + "\\Photos" + "\\" +
                             c.File1[static_cast<std::size_t>(position)];
    if (program_.ports.images.picture_size(storage::host_path(path))) c.PIC_Utente = path;
}

void NewUserScreen::set_name(std::string_view text) {
    s().TXT_022_Nome_Utente = first_characters(text, kNameLength);
}

void NewUserScreen::set_photo(int value) {
    PhotoScrollBar& bar = s().HSC_Foto;
    const int clamped = std::clamp(value, bar.Min, std::max(bar.Min, bar.Max));
    if (clamped == bar.Value) return;
    bar.Value = clamped;
    HSC_Foto_Change();
}

void NewUserScreen::CMD_022_Salva_Utente_Click() {
    NewUserScreenState& c = s();
    storage::SettingsState& settings = program_.settings;
    const std::string folder = program_.ports.folder.program_folder();
    std::string name(without_blanks(c.TXT_022_Nome_Utente));
    // A name that cannot be a file's (a blank one too) is refused, and why is said,
    // before any file is touched.
    if (!program_.storage.accept_user_name(name)) return;
    // A name that is already a user's (whatever its letter case) is that user: its
    // photo is replaced only when the user says so.
    const std::vector<std::string> users = storage::user_names(folder);
    const auto same = std::find_if(users.begin(), users.end(), [&name](const std::string& user) {
        return storage::same_ignoring_case(user, name);
    });
    if (same != users.end()) {
        if (!program_.ask_yes_no("Attenzione!", "L'utente " + *same + " esiste già: vuoi cambiarne il logo?"))
            return;
        name = *same;
    }

    storage::Tipo_Utente record = storage::read_user(folder, name).value_or(storage::Tipo_Utente{});
    const int position = c.HSC_Foto.Value - 1;
    record.Foto.assign(position >= 0 && position < static_cast<int>(c.File1.size())
                           ? c.File1[static_cast<std::size_t>(position)]
                           : std::string());
    // The write is atomic: a failed one leaves nothing to clean up.
    if (!storage::write_user(folder, name, record)) {
        program_.show_message(table::kProgramName, "Errore");
        return;
    }

    settings.Nome_Utente.assign(name);
    bool options_made = true;
    for (int game = 1; game <= kOptionsFiles; ++game) {
        program_.match.Codice_Gioco = static_cast<std::int16_t>(game);
        program_.storage.Imposta_Percorso_Opzioni();
        program_.setup.game_setup.Crea_Opzioni();
        const auto size = storage::stored_size(program_.storage.options_file());
        if (!size || !storage::valid_options_file_size(*size)) options_made = false;
    }
    // The user is there; a game without its options file gets the defaults when it
    // is played. The lists below still show the user.
    if (!options_made) program_.show_message(table::kProgramName, "Errore");

    program_.master_events.Genera_Costanti();
    program_.setup.users.rebuild_user_names();
    // The main menu shows the new user, at its place in the list so that the arrows
    // step on from there, with the first game: the user and game whose files the
    // program now reads and writes.
    MainMenuState& menu = program_.setup.main_menu;
    if (!program_.setup.main_menu_events.show_listed_user(name)) menu.LBL_Primarie(1) = {name, "1"};
    program_.match.Codice_Gioco = 1;
    menu.LBL_Primarie(2) = {settings.Utenti_Giochi(2, 1).trimmed_right(), "1"};
    menu.BackColor2 = game_colour(1, menu.BackColor2);
    program_.storage.Imposta_Percorso_Opzioni();
    unload();
}

void NewUserScreen::IMG_Icona_Click(int index) {
    if (index == 1) CMD_022_Salva_Utente_Click();
    if (index == 2) CMD_022_Torna_Click();
}

}  // namespace tavolora::setup
