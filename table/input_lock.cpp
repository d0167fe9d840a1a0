// The human's input locked while cards move and computer seats play, and the
// on-table button strip prepared for the game.

#include <algorithm>
#include <array>

#include "program/program.h"
#include "table/animation.h"

namespace tavolora::table {

namespace {
namespace game = engine::game;

// The menu titles that lock, in order. "Esci" is never locked: the program can be
// ended in the middle of a hand.
std::array<Control*, 7> locked_titles(MasterWindow& w) {
    return {&w.Q_N, &w.Q_G, &w.Q_C, &w.Q_Gi, &w.Q_H, &w.Q_O, &w.Q_U};
}
}  // namespace

void Animation::Disabilita_Menu() {
    for (Control* title : locked_titles(program_.master)) title->Enabled = false;
}

void Animation::Abilita_Menu() {
    for (Control* title : locked_titles(program_.master)) title->Enabled = true;
}

void Animation::Blocca_Comandi() {
    MasterWindow& w = program_.master;
    const int cards = std::clamp(program_.match.Carte_In_Mano, 0, 40);
    for (int j = 1; j <= cards; ++j) {
        if (Control* card = w.P.find(j)) card->Enabled = false;
    }
    program_.anim.Comandi_Bloccati = true;
    w.CMD_Ordine_Carte.Enabled = false;
    w.CMD_M_Tiri.Enabled = false;
    Disabilita_Menu();
}

void Animation::Sblocca_Comandi() {
    MasterWindow& w = program_.master;
    const int cards = std::clamp(program_.match.Carte_In_Mano, 0, 40);
    for (int j = 1; j <= cards; ++j) {
        // Only the positions that hold a card.
        if (program_.match.Tabella_Carte(engine::seat::kHuman, j, engine::attr::kSuit) == 0) continue;
        if (Control* card = w.P.find(j)) card->Enabled = true;
    }
    program_.anim.Comandi_Bloccati = false;
    w.CMD_Ordine_Carte.Enabled = true;
    w.CMD_M_Tiri.Enabled = true;
    Abilita_Menu();
}

void Animation::Imposta_Menu_Gioco() {
    MasterWindow& w = program_.master;
    const auto text = [this](int entry) { return program_.settings.Testi(entry).trimmed_right(); };

    w.CMD_M_ApriChiudi(0).Visible = false;
    w.CMD_M_Briscola.Caption = text(73);
    w.CMD_M_Punteggio.Caption = text(74);
    w.CMD_M_Carte.Caption = text(75);
    w.CMD_M_Tiri.Caption = text(76);
    w.CMD_M_Continua.Caption = text(77);
    w.CMD_M_Chiudi_Partita.Caption = text(78);
    w.FRM_M_Menu.ZOrder(0);
    w.FRM_M_Menu.Height = 2535;

    switch (program_.match.Codice_Gioco) {
        case game::kBriscola:
            w.show_floating(w.FRM_M_Menu);
            w.CMD_M_Briscola.Caption = text(73);
            for (Control* button : {&w.CMD_M_Briscola, &w.CMD_M_Carte, &w.CMD_M_Continua, &w.CMD_M_Punteggio,
                                    &w.CMD_M_Tiri, &w.CMD_M_Chiudi_Partita}) {
                button->Visible = true;
            }
            break;
        case game::kScopa:
            // No tricks to continue or look over: the first button lays the table out again.
            w.show_floating(w.FRM_M_Menu);
            w.CMD_M_Briscola.Caption = text(80);
            for (Control* button :
                 {&w.CMD_M_Briscola, &w.CMD_M_Carte, &w.CMD_M_Punteggio, &w.CMD_M_Chiudi_Partita}) {
                button->Visible = true;
            }
            w.CMD_M_Continua.Visible = false;
            w.CMD_M_Tiri.Visible = false;
            break;
        case game::kCamicia:
            // Nothing to look over: a short strip whose first button also leaves the
            // match. Its height is set before the strip shows.
            w.FRM_M_Menu.Height = 975;
            w.show_floating(w.FRM_M_Menu);
            w.CMD_M_Briscola.Caption = text(78);
            w.CMD_M_Briscola.Visible = true;
            for (Control* button : {&w.CMD_M_Carte, &w.CMD_M_Continua, &w.CMD_M_Punteggio, &w.CMD_M_Tiri}) {
                button->Visible = false;
            }
            w.CMD_M_Chiudi_Partita.Visible = true;
            break;
        case game::kTresette:
            // The first button opens the declarations summary.
            w.show_floating(w.FRM_M_Menu);
            w.CMD_M_Briscola.Caption = text(79);
            for (Control* button : {&w.CMD_M_Briscola, &w.CMD_M_Carte, &w.CMD_M_Continua, &w.CMD_M_Punteggio,
                                    &w.CMD_M_Tiri, &w.CMD_M_Chiudi_Partita}) {
                button->Visible = true;
            }
            break;
        default:
            break;
    }
}

void Animation::Nascondi_Menu_Gioco() {
    MasterWindow& w = program_.master;
    w.FRM_M_Menu.Visible = false;
    w.CMD_M_ApriChiudi(0).Visible = false;
    // The exit button keeps its visibility.
    for (Control* button :
         {&w.CMD_M_Briscola, &w.CMD_M_Carte, &w.CMD_M_Continua, &w.CMD_M_Punteggio, &w.CMD_M_Tiri}) {
        button->Visible = false;
    }
}

}  // namespace tavolora::table
