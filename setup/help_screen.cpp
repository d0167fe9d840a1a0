#include "setup/help_screen.h"

#include "program/program.h"

namespace tavolora::setup {

namespace {

// Sets a flag to false for a scope and back to true when it ends, also when a quit
// unwinds it.
class Disabled {
public:
    explicit Disabled(bool& enabled) : enabled_(enabled) { enabled_ = false; }
    ~Disabled() { enabled_ = true; }
    Disabled(const Disabled&) = delete;
    Disabled& operator=(const Disabled&) = delete;

private:
    bool& enabled_;
};

}  // namespace

HelpScreenState& HelpScreen::s() {
    return program_.setup.help_screen;
}

bool HelpScreen::loaded() const {
    return program_.master.screens(table::Screen::F_12_Help).loaded;
}

void HelpScreen::load() {
    if (loaded()) return;
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_12_Help);
    screen.loaded = true;
    screen.Visible = true;
    ++opening_;
    build();
    Form_Load();
}

void HelpScreen::unload() {
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_12_Help);
    screen.loaded = false;
    screen.Visible = false;
}

// The screen as it is built, before its loading runs.
void HelpScreen::build() {
    HelpScreenState& h = s();
    h = HelpScreenState{};
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_12_Help);
    screen.Width = kHelpWidth;
    screen.Height = kHelpHeight;
    h.FRM_Help = program_.settings.Testi(17).trimmed_right();
    // The close icon at the foot of the screen, under the frame; the bar does not slide.
    h.IMG_Icona =
        IconBar({{3, 120, 6645, "", "", true}}, program_.settings.Testi(9).trimmed_right(), 3, false);
}

void HelpScreen::Form_Load() {
    HelpScreenState& h = s();
    h.BackColor2 = program_.setup.main_menu.BackColor2;
    program_.master.place_beside_menu(table::Screen::F_12_Help);
    h.TVW_Help = program_.help.Carica_Indice_Guida();
}

void HelpScreen::TVW_Help_NodeClick(std::string_view key) {
    // A click that reaches a closed screen (queued before the close) lists nothing.
    if (!loaded()) return;
    HelpScreenState& h = s();
    h.Capitolo_Guida.clear();
    h.Sezione_Guida = "99";
    // After the leading "A": blanks are passed over, the rest up to "_" is the
    // chapter, and what follows the "_" is the section.
    for (std::size_t i = 1; i < key.size(); ++i) {
        const char c = key[i];
        if (c == ' ') continue;
        if (c == '_') {
            h.Sezione_Guida = std::string(key.substr(i + 1));
            break;
        }
        h.Capitolo_Guida += c;
    }
    Mostra_Testo_Guida();
}

void HelpScreen::Mostra_Testo_Guida() {
    HelpScreenState& h = s();
    h.TXT_Help.clear();
    const Disabled disabled(h.TVW_Help_Enabled);
    const int opening = opening_;
    program_.help.Mostra_Testo_Guida(h.Capitolo_Guida, h.Sezione_Guida,
                                     [this, &h, opening](std::string line) {
                                         // The screen closed during the events after the line before: the
                                         // listing ends with it.
                                         if (!loaded() || opening != opening_) return false;
                                         h.TXT_Help.push_back(std::move(line));
                                         return true;
                                     });
}

void HelpScreen::IMG_Icona_Click(int /*index*/) {
    table::MasterWindow& w = program_.master;
    w.PIC_Tavolo.Height = w.form.Height;
    unload();
}

}  // namespace tavolora::setup
