#include "setup/options.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "core/games.h"
#include "program/program.h"
#include "storage/code_page.h"
#include "storage/folders.h"
#include "storage/host_path.h"
#include "storage/names.h"
#include "table/pictures.h"

namespace tavolora::setup {

namespace {

// The panels' design places and sizes, twips.
constexpr float kPanelLeft = 2280;
constexpr float kPanelTop = 120;

// Where each strip's close icon stands, by panel; the save icon is at the origin.
constexpr float kCloseLeft[] = {0, 7980, 8295, 3150, 6615, 0, 6300};

// The panels that exist, by number: there is no panel 5.
constexpr int kPanels[] = {1, 2, 3, 4, 6};

// Scopa's presets: the switches each one ticks (0 ends the list), after all 13 are
// unticked.
struct Preset {
    const char* caption;
    int ticked[13];
};
const Preset kPresets[] = {
    {"4 Punti", {7, 11, 12, 13}},
    {"5 Punti", {7, 10, 11, 12, 13}},
    {"7 Punti", {7, 8, 9, 10, 11, 12, 13}},
    {"13 Punti", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
};

constexpr const char* kRuleCaptions[] = {"Asso",
                                         "Due",
                                         "Tre",
                                         "Quattro",
                                         "Cinque",
                                         "Sei",
                                         "Sette",
                                         "Fante",
                                         "Cavallo",
                                         "Re",
                                         "Numero di carte",
                                         "Primiera",
                                         "Numero di denari"};

std::string trimmed(std::string_view text) {
    return table::Trim(text);
}

std::string number(int n) {
    return std::to_string(n);
}

}  // namespace

OptionsState& Options::s() {
    return program_.setup.options;
}
const OptionsState& Options::s() const {
    return program_.setup.options;
}

std::string Options::text(int entry) const {
    return program_.settings.Testi(entry).trimmed_right();
}

std::string Options::folder() const {
    return program_.ports.folder.program_folder();
}

bool Options::loaded() const {
    return program_.master.screens(table::Screen::F_06_Opzioni).loaded;
}

void Options::load() {
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_06_Opzioni);
    const bool was_loaded = screen.loaded;
    screen.loaded = true;
    screen.Visible = true;
    if (was_loaded) return;
    build();
    Form_Load();
}

void Options::unload() {
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_06_Opzioni);
    screen.loaded = false;
    screen.Visible = false;
    // Nothing of the screen runs once it is gone: its timers stop with it.
    OptionsState& o = s();
    o.IMG_Icona.interval = 0;
    o.TME_Prove = 0;
    for (int k : kPanels) o.PNL_SubMenu_Opzioni(k).bar.interval = 0;
}

// The screen as it is built, before its loading runs.
void Options::build() {
    OptionsState& o = s();
    o = OptionsState{};
    const struct {
        int index;
        int entry;  // -1: the literal "Regole"
        float top;
    } icons[] = {{1, 53, 120}, {2, 54, 1200}, {3, 55, 2280}, {4, 56, 3360}, {6, -1, 4440}, {5, 9, 5520}};
    std::vector<BarIcon> bar;
    for (const auto& icon : icons) {
        bar.push_back(
            {icon.index, 480, icon.top, icon.entry < 0 ? std::string("Regole") : text(icon.entry), "", true});
    }
    o.IMG_Icona = IconBar(std::move(bar), text(53), 1);
    for (int k : kPanels) {
        SubMenuStrip& strip = o.PNL_SubMenu_Opzioni(k);
        strip.bar = IconBar({{2 * k - 1, 0, 0, "", "", true}, {2 * k, kCloseLeft[k], 0, "", "", true}}, "",
                            2 * k - 1);
        strip.saved = true;
    }
    for (int i = 1; i <= 5; ++i) o.SLD_Movimento(i) = {1, 1, 200, 1, 10, 10, true};
    for (int k = 1; k <= 4; ++k) o.CMD_Regole_Scopa(k).Caption = kPresets[k - 1].caption;
    for (int k = 1; k <= 13; ++k) o.CHK_Regole_Scopa(k).Caption = kRuleCaptions[k - 1];
    o.CMD_Opzioni_Difficolta_Seleziona.Caption = "Salva impostazioni";
    o.CMD_06_Difficolta_Chiudi.Caption = "Chiudi";
    o.FRM_Regole.Caption = "Regole e punti";
    o.captions.FRM_Regole_Scopa = "Scopa";
    o.captions.FRM_Punti_Denari = "Punti di Denari";
    o.captions.FRM_Altri_Punti = "Altri punti";
    o.captions.FRM_Regole_Standard = "Regole Standard";
    o.captions.FRM_Seme_Denari = "Scegli il seme di \"Denari\"";
}

void Options::Form_Load() {
    OptionsState& o = s();
    OptionsCaptions& c = o.captions;
    c.Form = text(16);
    c.PNL_Menu_Principale = text(0);
    o.FRM_Mazzo.Caption = text(53);
    c.FRM_Mazzo_Mazzo = text(59);
    c.Frame9 = text(60);
    c.Frame2 = text(61);
    o.FRM_Animazioni.Caption = text(54);
    for (int i = 1; i <= 5; ++i) c.FRM_Animazione(i) = text(61 + i);
    o.CHK_Aspetta_Tavolo.Caption = text(67);
    for (int i = 1; i <= 5; ++i) o.CMD_Movimento_Prova(i).Caption = text(68);
    o.FRM_Difficolta.Caption = text(55);
    for (int i = 1; i <= 3; ++i) o.OPT_Difficolta(i).Caption = text(68 + i);
    o.FRM_Sfondo_Tavolo.Caption = text(72);

    o.Width = 11780;
    o.Height = 8055;
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_06_Opzioni);
    screen.Width = o.Width;
    screen.Height = o.Height;

    // Which panels the game offers.
    for (BarIcon& icon : o.IMG_Icona.icons) icon.Visible = true;
    if (const games::Game* game = games::find(program_.match.Codice_Gioco)) {
        o.IMG_Icona.icon(3)->Visible = game->options.difficulty;
        o.IMG_Icona.icon(6)->Visible = game->options.rules;
        if (!game->options.wait_for_click) {
            set_wait(false);
            o.CHK_Aspetta_Tavolo.Enabled = false;
        }
    }
    Invisibilita_06();
    o.BackColor2 = program_.setup.main_menu.BackColor2;
    program_.master.place_beside_menu(table::Screen::F_06_Opzioni);
    o.Pannello_Attivo = 1;
    CMD_Mazzo_Click();
}

void Options::IMG_Icona_Click(int index) {
    OptionsState& o = s();
    const BarIcon* icon = o.IMG_Icona.icon(index);
    // An icon the game does not offer is not there to click.
    if (icon == nullptr || !icon->Visible) return;
    switch (index) {
        case 1:
            o.Pannello_Attivo = 1;
            CMD_Mazzo_Click();
            break;
        case 2:
            o.Pannello_Attivo = 2;
            CMD_Animazioni_Click();
            break;
        case 3:
            o.Pannello_Attivo = 3;
            CMD_Difficolta_Click();
            break;
        case 4:
            o.Pannello_Attivo = 4;
            CMD_Sfondo_Tavolo_Click();
            break;
        case 5:
            CMD_06_Chiudi_Click();
            return;
        case 6:
            o.Pannello_Attivo = 6;
            CMD_Regole_Click();
            break;
        default:
            return;
    }
    // The opener's own showing of the stored values fired the change handlers; the
    // panel opens as saved all the same.
    opening_touch(index);
}

void Options::opening_touch(int panel) {
    SubMenuStrip& strip = s().PNL_SubMenu_Opzioni(panel);
    strip.saved = true;
    strip.bar.description = text(58);
    strip.bar.destination_left = 0;
    strip.bar.destination_top = 0;
}

void Options::mark_changed() {
    const int panel = s().Pannello_Attivo;
    if (panel < 1 || panel > 6) return;
    SubMenuStrip& strip = s().PNL_SubMenu_Opzioni(panel);
    strip.saved = false;
    strip.bar.description = text(57);
}

Saved Options::outcome(bool written) const {
    return written ? Saved::Written : Saved::NotWritten;
}

Saved Options::told_by_the_panel(const std::function<Saved()>& save) {
    // The panel tells of its own failed save (after_save); the reload that follows a
    // save, which may try to write the defaults into the same file, adds no second
    // message. A save that could not write counts as told for the rest of the run.
    storage::SettingsState& settings = program_.settings;
    const bool reported = settings.options_save_reported;
    settings.options_save_reported = true;
    const Saved saved = save();
    settings.options_save_reported = reported || saved == Saved::NotWritten;
    return saved;
}

void Options::after_save(Saved saved) {
    const int panel = s().Pannello_Attivo;
    if (panel < 1 || panel > 6) return;
    SubMenuStrip& strip = s().PNL_SubMenu_Opzioni(panel);
    strip.saved = saved == Saved::Written;
    strip.bar.description = text(strip.saved ? 58 : 57);
    if (saved == Saved::Written) return;
    std::string why;
    if (saved == Saved::NotInList) {
        const std::string missing = panel == 1 ? missing_deck_picture() : std::string();
        if (!missing.empty()) {
            why = missing + ".";
        } else {
            why = panel == 4 ? "scegli uno sfondo dell'elenco." : "scegli un mazzo dell'elenco.";
        }
    } else if (program_.settings.Percorso_Opzioni.empty()) {
        why = "non c'è un utente a cui salvarle. Crea prima un utente.";
    } else if (const std::optional<std::string> left = program_.storage.why_options_left_alone()) {
        why = *left + ". Si gioca con le impostazioni predefinite.";
    } else {
        why = "il file delle opzioni non si può scrivere.";
    }
    program_.show_message("Attenzione!", "Le impostazioni non sono state salvate: " + why);
}

void Options::IMG_Icona_SubMenu_Opzioni_Click(int index) {
    // The parity tells the icon: odd the save icon, even the close icon, of whichever
    // strip; the open panel decides what they do.
    const bool save = index % 2 != 0;
    Saved saved = Saved::NotWritten;
    switch (s().Pannello_Attivo) {
        case 1:
            if (!save) {
                CMD_06_Mazzo_Chiudi_Click();
                return;
            }
            saved = told_by_the_panel([this] { return CMD_Opzioni_Mazzo_UtilizzaMazzo_Click(); });
            break;
        case 2:
            if (!save) {
                CMD_06_Animazioni_Chiudi_Click();
                return;
            }
            saved = told_by_the_panel([this] { return CMD_Animazioni_Utilizza_Click(); });
            break;
        case 3:
            if (!save) {
                CMD_06_Difficolta_Chiudi_Click();
                return;
            }
            saved = told_by_the_panel([this] { return CMD_Opzioni_Difficolta_Seleziona_Click(); });
            break;
        case 4:
            if (!save) {
                CMD_Sfondo_Tavolo_Chiudi_Click();
                return;
            }
            saved = told_by_the_panel([this] { return CMD_Opzioni_Sfondo_Tavolo_Utilizza_Click(); });
            break;
        case 6:
            if (!save) {
                Invisibilita_06();
                return;
            }
            saved = told_by_the_panel([this] { return Salva_Regole_Scopa(); });
            break;
        default:
            return;
    }
    after_save(saved);
}

void Options::save_from_button() {
    if (s().Pannello_Attivo == 3) after_save(told_by_the_panel([this] { return CMD_Opzioni_Difficolta_Seleziona_Click(); }));
}

void Options::IMG_Icona_SubMenu_Opzioni_MouseMove(int index) {
    OptionsState& o = s();
    const int panel = o.Pannello_Attivo;
    const int owner = (index + 1) / 2;
    if (panel < 1 || panel > 6 || owner < 1 || owner > 6) return;
    const BarIcon* icon = o.PNL_SubMenu_Opzioni(owner).bar.icon(index);
    if (icon == nullptr) return;
    // The open panel's strip slides and speaks, whichever icon is hovered; the
    // icons' tooltips stay as they are.
    SubMenuStrip& strip = o.PNL_SubMenu_Opzioni(panel);
    strip.bar.destination_left = static_cast<int>(std::nearbyint(icon->Left));
    strip.bar.destination_top = static_cast<int>(std::nearbyint(icon->Top));
    strip.bar.interval = IconBar::kInterval;
    if (index % 2 == 0) {
        strip.bar.description = text(9);
    } else {
        strip.bar.description = text(strip.saved ? 58 : 57);
    }
}

void Options::TMR_SubMenu_Opzioni_Timer(int index) {
    OptionsState& o = s();
    const int panel = o.Pannello_Attivo;
    if (panel < 1 || panel > 6) return;
    // A tick moves the open panel's highlight, whichever strip's timer fired. The
    // timer of a strip whose panel has closed meanwhile has nothing left to move and
    // stops, rather than tick unseen until the screen closes.
    if (index != panel && index >= 1 && index <= 6) o.PNL_SubMenu_Opzioni(index).bar.interval = 0;
    o.PNL_SubMenu_Opzioni(panel).bar.tick();
}

void Options::Invisibilita_06() {
    OptionsState& o = s();
    for (OptionsPanel* panel :
         {&o.FRM_Mazzo, &o.FRM_Animazioni, &o.FRM_Difficolta, &o.FRM_Sfondo_Tavolo, &o.FRM_Regole})
        panel->Visible = false;
}

void Options::CMD_06_Chiudi_Click() {
    unload();
    program_.master.PIC_Tavolo.Height = program_.master.form.Height;
}

// --- Deck and card back ------------------------------------------------------------

void Options::CMD_Mazzo_Click() {
    OptionsState& o = s();
    Invisibilita_06();
    Riempi_CMB_Mazzo();
    o.FRM_Mazzo.Top = kPanelTop;
    o.FRM_Mazzo.Left = kPanelLeft;
    o.FRM_Mazzo.Width = 9165;
    o.FRM_Mazzo.Height = 4667;
    o.FRM_Mazzo.Visible = true;
    const storage::DeckShown shown = program_.storage.Mostra_Mazzo();
    // A stored name that is no deck of the lists (a damaged file) shows as no choice.
    o.CMB_Mazzo_Carte.Text = listed_or_nothing(o.CMB_Mazzo_Carte, shown.CMB_Mazzo_Carte);
    o.CMB_Mazzo_Dorso.Text = listed_or_nothing(o.CMB_Mazzo_Dorso, shown.CMB_Mazzo_Dorso);
    CMB_Mazzo_Carte_Click();
    CMB_Mazzo_Dorso_Click();
    opening_touch(o.Pannello_Attivo);
}

void Options::Riempi_CMB_Mazzo() {
    OptionsState& o = s();
    const std::string cards = folder() + "\\Cards";
    std::error_code error;
    // No Cards folder: the lists keep what they held.
    if (!std::filesystem::is_directory(storage::host_path(cards), error)) return;
    o.CMB_Mazzo_Carte.List.clear();
    o.CMB_Mazzo_Dorso.List.clear();
    for (const std::string& deck : storage::deck_folders(folder())) {
        const std::string name = Estrapola(cards + "\\" + deck);
        o.CMB_Mazzo_Carte.Text = name;
        o.CMB_Mazzo_Dorso.Text = name;
        o.CMB_Mazzo_Carte.List.push_back(name);
        o.CMB_Mazzo_Dorso.List.push_back(name);
    }
}

std::string Options::Estrapola(std::string_view path) {
    const auto separator = path.find_last_of('\\');
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

bool Options::loads(const std::string& path) const {
    return program_.ports.images.picture_size(storage::host_path(path)).has_value();
}

bool Options::fit(const std::string& path, float& width, float& height) const {
    const auto size = program_.ports.images.picture_size(storage::host_path(path));
    if (!size || size->width <= 0 || size->height <= 0) return false;
    const float pw = static_cast<float>(size->width);
    const float ph = static_cast<float>(size->height);
    if (kPreviewHeight / ph > kPreviewWidth / pw) {
        width = kPreviewWidth;
        height = kPreviewWidth * ph / pw;
    } else {
        width = kPreviewHeight * pw / ph;
        height = kPreviewHeight;
    }
    return true;
}

std::string Options::missing_deck_picture() const {
    const OptionsState& o = s();
    const std::vector<std::string> decks = storage::deck_folders(folder());
    const auto is_deck = [&decks](const std::string& name) {
        return std::find(decks.begin(), decks.end(), name) != decks.end();
    };
    // The picture as the person finds it beside the program.
    const auto picture = [](const std::string& deck, int suit, const std::string& file) {
        return (std::filesystem::path("Cards") / deck / number(suit) / file).string();
    };
    const auto said = [](const std::string& deck, const std::string& what, const std::string& path) {
        return "nel mazzo \"" + storage::printable(deck) + "\" manca " + what + " \"" + storage::printable(path) +
               "\"";
    };
    const std::string cards = trimmed(o.CMB_Mazzo_Carte.Text);
    if (is_deck(cards)) {
        for (int suit = 1; suit <= 4; ++suit) {
            for (int value = 1; value <= 10; ++value) {
                const std::string file = number(value) + ".bmp";
                if (!loads(folder() + "\\Cards\\" + cards + "\\" + number(suit) + "\\" + file))
                    return said(cards, "la carta", picture(cards, suit, file));
            }
        }
    }
    const std::string back = trimmed(o.CMB_Mazzo_Dorso.Text);
    if (is_deck(back)) {
        // The still back, then the flying one.
        for (const char* file : {"0.bmp", "00.bmp"}) {
            if (!loads(folder() + "\\Cards\\" + back + "\\1\\" + file))
                return said(back, "il dorso", picture(back, 1, file));
        }
    }
    return {};
}

std::string Options::listed_or_nothing(const ComboBox& combo, std::string_view stored) {
    // Files are found whatever the letter case of their names: so is the entry.
    const std::string name = trimmed(stored);
    const auto entry = std::find_if(combo.List.begin(), combo.List.end(), [&name](const std::string& listed) {
        return storage::same_ignoring_case(listed, name);
    });
    return entry != combo.List.end() ? *entry : std::string();
}

bool Options::remove_entry(ComboBox& combo, const std::string& name) {
    // Entries 0 to count - 1: there is none at the count itself.
    for (std::size_t i = 0; i < combo.List.size(); ++i) {
        if (combo.List[i] == name) {
            combo.List.erase(combo.List.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

void Options::Controlla_Mazzo_Carte() {
    OptionsState& o = s();
    const std::string name = trimmed(o.CMB_Mazzo_Carte.Text);
    o.Percorso_Mazzo_Scelto = folder() + "\\Cards" + "\\" + name;
    o.Mazzo_Carte_Valido = true;
    // A name that would lead outside the Cards folder names no deck.
    bool complete = storage::is_single_component(name);
    for (int suit = 1; suit <= 4 && complete; ++suit) {
        for (int value = 1; value <= 10 && complete; ++value) {
            o.Percorso_Immagine =
                o.Percorso_Mazzo_Scelto + "\\" + number(suit) + "\\" + number(value) + ".bmp";
            complete = loads(o.Percorso_Immagine);
        }
    }
    if (complete) return;
    o.Mazzo_Carte_Valido = false;
    remove_entry(o.CMB_Mazzo_Carte, name);
}

void Options::Controlla_Mazzo_Dorso() {
    OptionsState& o = s();
    const std::string name = trimmed(o.CMB_Mazzo_Dorso.Text);
    o.Percorso_Mazzo_Scelto = folder() + "\\Cards" + "\\" + name;
    o.Mazzo_Dorso_Valido = true;
    const bool complete = storage::is_single_component(name) &&
                          loads(o.Percorso_Mazzo_Scelto + "\\1\\0.bmp") &&
                          loads(o.Percorso_Mazzo_Scelto + "\\1\\00.bmp");
    if (complete) return;
    o.Mazzo_Dorso_Valido = false;
    if (remove_entry(o.CMB_Mazzo_Dorso, name)) o.IMG_Mazzo_Dorso.Picture.clear();
}

void Options::CMB_Mazzo_Carte_Click() {
    OptionsState& o = s();
    mark_changed();
    Controlla_Mazzo_Carte();
    if (o.Mazzo_Carte_Valido) {
        // The back follows the deck.
        o.CMB_Mazzo_Dorso.Text = o.CMB_Mazzo_Carte.Text;
        CMB_Mazzo_Dorso_Click();
        o.Percorso_Immagine = o.Percorso_Mazzo_Scelto + "\\1\\1.bmp";
        float width = 0;
        float height = 0;
        if (fit(o.Percorso_Immagine, width, height)) {
            for (int i = 0; i <= 4; ++i) {
                o.IMG_Mazzo_Prova(i).Width = width;
                o.IMG_Mazzo_Prova(i).Height = height;
            }
            o.IMG_Mazzo_Asso.Width = width;
            o.IMG_Mazzo_Asso.Height = height;
        }
    }
    HSR_Carte_Change();
}

void Options::CMB_Mazzo_Dorso_Click() {
    OptionsState& o = s();
    Controlla_Mazzo_Dorso();
    if (!o.Mazzo_Dorso_Valido) {
        o.IMG_Mazzo_Dorso.Picture.clear();
        return;
    }
    const std::string back = o.Percorso_Mazzo_Scelto + "\\1\\0.bmp";
    fit(back, o.IMG_Mazzo_Dorso.Width, o.IMG_Mazzo_Dorso.Height);
    o.Percorso_Mazzo_Scelto = folder() + "\\Cards" + "\\" + trimmed(o.CMB_Mazzo_Dorso.Text);
    o.IMG_Mazzo_Dorso.Picture = o.Percorso_Mazzo_Scelto + "\\1\\0.bmp";
}

void Options::HSR_Carte_Change() {
    OptionsState& o = s();
    o.Percorso_Mazzo_Scelto = folder() + "\\Cards" + "\\" + trimmed(o.CMB_Mazzo_Carte.Text);
    const bool safe = storage::is_single_component(trimmed(o.CMB_Mazzo_Carte.Text));
    for (int i = 0; i <= 4; ++i) {
        // Two digits: the suit, then the value less one.
        const int n = o.HSR_Carte.Value + i;
        const int suit = n / 10;
        const int value = n % 10 + 1;
        o.IMG_Mazzo_Prova(i).Picture =
            safe ? o.Percorso_Mazzo_Scelto + "\\" + number(suit) + "\\" + number(value) + ".bmp"
                 : std::string();
    }
}

void Options::HSR_Mazzo_Asso_Change() {
    OptionsState& o = s();
    mark_changed();
    // The ace of the deck in use, whatever the deck list shows.
    program_.storage.Carica_Opzioni_Utente();
    o.Percorso_Carta = trimmed(program_.settings.Percorso_Mazzo_Carte) + "\\" +
                       number(o.HSR_Mazzo_Asso.Value) + "\\" + "1" + ".bmp";
    o.IMG_Mazzo_Asso.Picture = o.Percorso_Carta;
}

Saved Options::CMD_Opzioni_Mazzo_UtilizzaMazzo_Click() {
    OptionsState& o = s();
    program_.master.PIC_Tavolo.Visible = false;
    storage::DeckPanel panel{o.CMB_Mazzo_Carte.Text, o.CMB_Mazzo_Carte.List, o.CMB_Mazzo_Dorso.Text,
                             o.CMB_Mazzo_Dorso.List};
    const auto listed = [](const ComboBox& combo) {
        return std::count(combo.List.begin(), combo.List.end(), trimmed(combo.Text)) == 1;
    };
    const bool in_lists = listed(o.CMB_Mazzo_Carte) && listed(o.CMB_Mazzo_Dorso);
    const bool written = program_.storage.Salva_Mazzo(panel);
    program_.storage.Carica_Opzioni_Utente();
    if (!in_lists && !written) return Saved::NotInList;
    return outcome(written);
}

void Options::CMD_06_Mazzo_Chiudi_Click() {
    Invisibilita_06();
    s().FRM_Mazzo.Visible = false;
}

// --- Animations ----------------------------------------------------------------------

void Options::CMD_Animazioni_Click() {
    OptionsState& o = s();
    Invisibilita_06();
    const storage::AnimationPanel shown = program_.storage.Mostra_Animazioni();
    for (int i = 1; i <= 4; ++i) set_movement(i, shown.SLD_Movimento(i));
    // A stored 0 is the wait for the click: the slider stops at its least.
    set_movement(5, shown.SLD_Movimento(5));
    set_wait(shown.CHK_Aspetta_Tavolo);
    o.FRM_Animazioni.Top = kPanelTop;
    o.FRM_Animazioni.Left = kPanelLeft;
    o.FRM_Animazioni.Width = 9375;
    o.FRM_Animazioni.Height = 6730;
    o.FRM_Animazioni.Visible = true;
}

void Options::SLD_Movimento_Click(int /*index*/) {
    mark_changed();
}

void Options::CHK_Aspetta_Tavolo_Click() {
    OptionsState& o = s();
    mark_changed();
    const bool waits = o.CHK_Aspetta_Tavolo.Value;
    o.SLD_Movimento(5).Enabled = !waits;
    o.CMD_Movimento_Prova(5).Enabled = !waits;
}

void Options::CMD_Movimento_Prova_Click(int index) {
    OptionsState& o = s();
    if (index < 1 || index > 5) return;
    o.SHP_1_Top = kShapeTop;
    o.SHP_1_Left = kShapeLeft;
    // The slider's least is 1, so the step is always defined.
    o.Passi_Prova = std::max(o.SLD_Movimento(index).Value, 1);
    o.Passo_Prova = kShapeFall / static_cast<float>(o.Passi_Prova);
    o.Passi_Fatti = 0;
    o.TME_Prove = kTryOutInterval;
}

void Options::TME_Prove_Timer() {
    OptionsState& o = s();
    if (o.TME_Prove == 0) return;
    o.SHP_1_Top += o.Passo_Prova;
    ++o.Passi_Fatti;
    if (o.Passi_Fatti >= o.Passi_Prova) o.TME_Prove = 0;
}

Saved Options::CMD_Animazioni_Utilizza_Click() {
    const OptionsState& o = s();
    storage::AnimationPanel panel;
    for (int i = 1; i <= 5; ++i) panel.SLD_Movimento(i) = o.SLD_Movimento(i).Value;
    panel.CHK_Aspetta_Tavolo = o.CHK_Aspetta_Tavolo.Value;
    const bool written = program_.storage.Salva_Animazioni(panel);
    program_.storage.Carica_Opzioni_Utente();
    return outcome(written);
}

void Options::CMD_06_Animazioni_Chiudi_Click() {
    Invisibilita_06();
}

// --- Difficulty ----------------------------------------------------------------------

void Options::CMD_Difficolta_Click() {
    OptionsState& o = s();
    Invisibilita_06();
    o.FRM_Difficolta.Top = kPanelTop;
    o.FRM_Difficolta.Left = kPanelLeft;
    o.FRM_Difficolta.Width = 4245;
    o.FRM_Difficolta.Height = 3102;
    set_difficulty(program_.storage.Mostra_Difficolta());
    o.FRM_Difficolta.Visible = true;
}

void Options::OPT_Difficolta_Click(int /*index*/) {
    mark_changed();
}

Saved Options::CMD_Opzioni_Difficolta_Seleziona_Click() {
    const OptionsState& o = s();
    std::optional<int> selected;
    for (int i = 0; i <= 3; ++i) {
        if (o.OPT_Difficolta(i).Value) selected = i;
    }
    const bool written = program_.storage.Salva_Difficolta(selected);
    program_.storage.Leggi_Difficolta();
    return outcome(written);
}

void Options::CMD_06_Difficolta_Chiudi_Click() {
    Invisibilita_06();
}

// --- Scopa's rules -------------------------------------------------------------------

void Options::CMD_Regole_Click() {
    OptionsState& o = s();
    Invisibilita_06();
    o.FRM_Regole.Top = kPanelTop;
    o.FRM_Regole.Left = kPanelLeft;
    o.FRM_Regole.Width = 7515;
    o.FRM_Regole.Height = 5566;
    o.FRM_Regole.Visible = true;
    // Another game has no switches: the boxes keep what they showed.
    const std::optional<storage::RulesShown> shown = program_.storage.Mostra_Regole_Scopa();
    if (!shown) return;
    for (int i = 1; i <= 13; ++i) {
        if (shown->CHK_Regole_Scopa(i)) set_rule(i, *shown->CHK_Regole_Scopa(i));
    }
    set_suit(shown->HSR_Mazzo_Asso);
    HSR_Mazzo_Asso_Change();
}

void Options::CHK_Regole_Scopa_Click(int /*index*/) {
    mark_changed();
}

void Options::CMD_Regole_Scopa_Click(int index) {
    if (index < 1 || index > 4) return;
    // Every switch off first, so that no earlier choice survives the preset.
    for (int i = 1; i <= 13; ++i) set_rule(i, false);
    for (int i : kPresets[index - 1].ticked) {
        if (i != 0) set_rule(i, true);
    }
}

Saved Options::Salva_Regole_Scopa() {
    const OptionsState& o = s();
    storage::RulesPanel panel;
    for (int i = 1; i <= 13; ++i) panel.CHK_Regole_Scopa(i) = o.CHK_Regole_Scopa(i).Value ? 1 : 0;
    panel.HSR_Mazzo_Asso = o.HSR_Mazzo_Asso.Value;
    return outcome(program_.storage.Salva_Regole_Scopa(panel));
}

// --- Table background ----------------------------------------------------------------

void Options::CMD_Sfondo_Tavolo_Click() {
    OptionsState& o = s();
    Invisibilita_06();
    const std::string tables = folder() + "\\Tables";
    std::error_code error;
    // No Tables folder: no panel opens.
    if (!std::filesystem::is_directory(storage::host_path(tables), error)) return;
    ComboBox& combo = o.CMB_Sfondo_Tavolo;
    combo.List.clear();
    for (const std::string& picture : storage::background_pictures(folder())) {
        // The name less its extension, always four characters.
        const std::string name = picture.substr(0, picture.size() - 4);
        combo.Text = name;
        combo.List.push_back(name);
    }
    combo.List.emplace_back(storage::kScelta_Nessuno);
    combo.List.emplace_back(storage::kScelta_Casuale);
    o.FRM_Sfondo_Tavolo.Visible = true;
    o.FRM_Sfondo_Tavolo.Top = kPanelTop;
    o.FRM_Sfondo_Tavolo.Left = kPanelLeft;
    o.FRM_Sfondo_Tavolo.Width = 7710;
    o.FRM_Sfondo_Tavolo.Height = 4735;

    const std::optional<std::string> stored = program_.storage.Mostra_Sfondo();
    if (!stored) {
        combo.Text.clear();
        return;
    }
    // The background in use becomes the stored one.
    program_.storage.Carica_Sfondo();
    const std::string choice = trimmed(*stored);
    if (choice == "N") {
        combo.Text = std::string(storage::kScelta_Nessuno);
    } else if (choice == "R") {
        combo.Text = std::string(storage::kScelta_Casuale);
    } else {
        // A stored name that is no picture of the list (a damaged file) shows as no
        // choice.
        combo.Text = listed_or_nothing(combo, *stored);
        CMB_Sfondo_Tavolo_Click();
    }
}

void Options::CMB_Sfondo_Tavolo_Click() {
    OptionsState& o = s();
    const std::string t = trimmed(o.CMB_Sfondo_Tavolo.Text);
    o.Percorso_Immagine = folder() + "\\Tables" + "\\" + t + program_.settings.Estensioni(2);
    const bool picture = t != storage::kScelta_Nessuno && t != storage::kScelta_Casuale && t != "N" &&
                         t != "R" && storage::is_single_component(t);
    o.IMG_Sfondo_Tavolo.Picture = picture ? o.Percorso_Immagine : std::string();
    mark_changed();
}

Saved Options::CMD_Opzioni_Sfondo_Tavolo_Utilizza_Click() {
    const OptionsState& o = s();
    const std::string t = trimmed(o.CMB_Sfondo_Tavolo.Text);
    const bool in_list = std::count(o.CMB_Sfondo_Tavolo.List.begin(), o.CMB_Sfondo_Tavolo.List.end(), t) == 1;
    const bool written = program_.storage.Salva_Sfondo({o.CMB_Sfondo_Tavolo.Text, o.CMB_Sfondo_Tavolo.List});
    program_.storage.Carica_Sfondo();
    program_.animation.Disegna_Sfondo_Tavolo();
    if (!in_list) return Saved::NotInList;
    return outcome(written);
}

void Options::CMD_Sfondo_Tavolo_Chiudi_Click() {
    Invisibilita_06();
}

// --- Controls set from code ----------------------------------------------------------

void Options::set_deck(std::string_view name) {
    s().CMB_Mazzo_Carte.Text = std::string(name);
    CMB_Mazzo_Carte_Click();
}

void Options::set_cards_scroll(int value) {
    Slider& bar = s().HSR_Carte;
    const int clamped = std::clamp(value, bar.Min, bar.Max);
    if (clamped == bar.Value) return;
    bar.Value = clamped;
    HSR_Carte_Change();
}

void Options::set_suit(int value) {
    Slider& bar = s().HSR_Mazzo_Asso;
    // A stored suit outside 1 to 4 (a damaged file) is brought into range.
    const int clamped = std::clamp(value, bar.Min, bar.Max);
    if (clamped == bar.Value) return;
    bar.Value = clamped;
    HSR_Mazzo_Asso_Change();
}

void Options::set_movement(int index, int value) {
    if (index < 1 || index > 5) return;
    Slider& slider = s().SLD_Movimento(index);
    // The slider stays within 1 to 200: a stored 0 (the wait for the click) or a
    // damaged value shows at the nearest end.
    slider.Value = std::clamp(value, slider.Min, slider.Max);
}

void Options::set_wait(bool ticked) {
    CheckBox& box = s().CHK_Aspetta_Tavolo;
    if (box.Value == ticked) return;
    box.Value = ticked;
    CHK_Aspetta_Tavolo_Click();
}

void Options::set_difficulty(int index) {
    if (index < 0 || index > 3) return;
    FixedArray<OptionButton, 0, 3>& group = s().OPT_Difficolta;
    for (int i = 0; i <= 3; ++i) group(i).Value = i == index;
    OPT_Difficolta_Click(index);
}

void Options::set_rule(int index, bool ticked) {
    if (index < 1 || index > 13) return;
    CheckBox& box = s().CHK_Regole_Scopa(index);
    if (box.Value == ticked) return;
    box.Value = ticked;
    CHK_Regole_Scopa_Click(index);
}

void Options::set_background(std::string_view entry) {
    s().CMB_Sfondo_Tavolo.Text = std::string(entry);
    CMB_Sfondo_Tavolo_Click();
}

}  // namespace tavolora::setup
