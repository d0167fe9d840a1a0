#include "setup/credits.h"

#include "program/program.h"

namespace tavolora::setup {

namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

CreditsScreenState& Credits::s() {
    return program_.setup.credits_screen;
}

bool Credits::loaded() const {
    return program_.master.screens(table::Screen::F_08_Crediti).loaded;
}

void Credits::load() {
    if (loaded()) return;
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_08_Crediti);
    screen.loaded = true;
    screen.Visible = true;
    build();
    Form_Load();
}

void Credits::unload() {
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_08_Crediti);
    screen.loaded = false;
    screen.Visible = false;
}

// The screen as it is built, before its loading runs: the captions of its design.
void Credits::build() {
    CreditsScreenState& c = s();
    c = CreditsScreenState{};
    table::ChildScreen& screen = program_.master.screens(table::Screen::F_08_Crediti);
    screen.Width = kCreditsWidth;
    screen.Height = kCreditsHeight;
    c.PNL_Menu_Principale = "Un gioco creato e sviluppato da:";
    c.Frame2 = "Creato da:";
    c.FRM_Email = "Scrivici una E-Mail";
    c.Label8 = "Posta elettronica:";
    c.Frame5 = "Prodotto e distribuito da:";
    c.Label6 = "Edizioni Esempio S.r.l.";
    c.Label4 = "Via dell'Esempio 1\n00000 Esempio (XX)";
    c.Label5 = "Tel. 000 000 0000";
    c.Label7 = "Fax 000 000 0001";
    c.Label2 = c.links.Sito_Editore;
    c.Label3 = trimmed(c.links.Email_Editore);
    c.IMG_Icona_ToolTipText(1) = "Spedisci un email";
    c.IMG_Icona_ToolTipText(2) = "Visita il sito web";
    c.LBL_Descrizione = program_.settings.Testi(9).trimmed_right();
}

void Credits::Form_Load() {
    CreditsScreenState& c = s();
    c.Label1 = table::kProgramName;
    c.LBL_Sito_Web = c.links.Sito_Autore;
    c.LBL_Email = c.links.Email_Autore;
    c.BackColor2 = program_.setup.main_menu.BackColor2;
    program_.master.place_beside_menu(table::Screen::F_08_Crediti);
}

bool Credits::Apri_Collegamento(std::string_view target) {
    return program_.ports.shell.open_link(target);
}

void Credits::write_to(const std::string& address) {
    Apri_Collegamento("mailto:" + trimmed(address));
}

void Credits::Image1_Click() {
    Apri_Collegamento(s().links.Sito_Autore);
}
void Credits::LBL_Sito_Web_Click() {
    Apri_Collegamento(s().links.Sito_Autore);
}
void Credits::Label8_Click() {
    write_to(s().links.Email_Autore);
}
void Credits::LBL_Email_Click() {
    write_to(s().links.Email_Autore);
}

void Credits::IMG_Icona_Click(int index) {
    if (index == 1) {
        write_to(s().links.Email_Autore);
    } else {
        Apri_Collegamento(s().links.Sito_Autore);
    }
}

void Credits::Image2_Click() {
    Apri_Collegamento(s().links.Sito_Editore);
}
void Credits::Label2_Click() {
    Apri_Collegamento(s().links.Sito_Editore);
}
void Credits::Label6_Click() {
    Apri_Collegamento(s().links.Sito_Editore);
}
void Credits::Label3_Click() {
    write_to(s().links.Email_Editore);
}

void Credits::IMG_Icona_Uscita_Click() {
    table::MasterWindow& w = program_.master;
    w.PIC_Tavolo.Height = w.form.Height;
    unload();
}

}  // namespace tavolora::setup
