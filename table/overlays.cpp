// What lies under and over the cards: the table background, the end-of-hand panel
// and the Tresette signal chooser.

#include "program/program.h"
#include "table/animation.h"

namespace tavolora::table {

void Animation::Disegna_Sfondo_Tavolo() {
    MasterWindow& w = program_.master;
    Control& background = w.IMG_Sfondo_Tavolo;
    // The whole window, title bar and borders included, behind every card.
    background.Top = 0;
    background.Left = 0;
    background.Height = w.form.Height;
    background.Width = w.form.Width;
    background.ZOrder(1);

    const std::string& setting = program_.settings.Percorso_Sfondo;
    const std::string choice = Trim(setting);
    if (choice == "N") {
        background.Picture.clear();
        background.Visible = false;
        return;
    }
    // "R" keeps the picture loaded last (the work picture's own before the first).
    if (choice != "R") {
        background.Visible = false;
        LoadPicture(w.IMG_Sfondo_Tavolo_temp, setting, program_.pictures);
    }
    // Painted stretched to the background's size; a picture that did not load is
    // painted as nothing.
    background.Picture = w.IMG_Sfondo_Tavolo_temp.Picture;
    background.Visible = true;
}

void Animation::Mostra_Fine_Partita() {
    MasterWindow& w = program_.master;
    Control& panel = w.PIC_Fine_Partita;
    panel.Left = (w.form.Width - panel.Width) / 2;
    panel.Top = (w.form.Height - panel.Height) / 2;
    panel.Visible = true;
    panel.ZOrder(0);
    w.LBL_Parola_Tresette.Visible = false;
}

void Animation::Mostra_Parola_Tiro() {
    const auto& C = program_.anim.Coordinate_Tavolo;
    Control& chooser = program_.master.PIC_Parola_Tiro;
    chooser.Top = C(23) - chooser.Height / 2;
    chooser.Left = C(24) - chooser.Width / 2;
    chooser.Visible = true;
    chooser.ZOrder(0);
}

}  // namespace tavolora::table
