// The match set-up screen's place in the main window, and its option frames.

#include "core/program.h"
#include "table/animation.h"

namespace tavolora::table {

void Animation::Centra_Partita() {
    MasterWindow& w = program_.master;
    ChildScreen& setup = w.screens(Screen::F_040_Partita);
    const ChildScreen& menu = w.screens(Screen::F_011_Menu);
    setup.Width = 7785;
    setup.Height = 8145;
    // Centred in the space right of the main menu; not clamped, so a narrow window
    // lets it overlap the menu.
    const float menu_right = menu.Left + menu.Width;
    setup.Left = menu_right + (w.form.Width - menu_right - setup.Width) / 2;
    setup.Top = (w.form.Height - setup.Height - 600) / 2;
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
