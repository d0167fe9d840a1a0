// Where the screens stand in the main window, and the match set-up screen's option
// frames.

#include "program/program.h"
#include "table/animation.h"

namespace tavolora::table {

void MasterWindow::place_beside_menu(Screen screen) {
    ChildScreen& placed = screens(screen);
    const ChildScreen& menu = screens(Screen::F_011_Menu);
    const float menu_right = menu.Left + menu.Width;
    placed.Left = menu_right + (form.Width - menu_right - placed.Width) / 2;
    placed.Top = (form.Height - placed.Height - 600) / 2;
}

void Animation::Centra_Partita() {
    ChildScreen& setup = program_.master.screens(Screen::F_040_Partita);
    setup.Width = 7785;
    setup.Height = 8145;
    program_.master.place_beside_menu(Screen::F_040_Partita);
}

void Animation::Disponi_Opzioni_Partita() {
    setup::SetupScreenState& s = program_.setup.setup_screen;
    // The two frames of each pair share one place; the caller shows the ones it needs.
    const struct {
        setup::SetupFrame& frame;
        float top;
    } frames[] = {{s.FRM_Generali_Briscola, 1470},
                  {s.FRM_Generali_Camicia, 1470},
                  {s.FRM_Numero_Partite, 4950},
                  {s.FRM_Numero_Punteggio, 4950}};
    for (const auto& f : frames) {
        f.frame.Visible = false;
        f.frame.Top = f.top;
        f.frame.Left = 120;
    }
}

}  // namespace tavolora::table
