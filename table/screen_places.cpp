// Where the screens stand in the main window, and the match set-up screen's option
// frames.

#include <algorithm>

#include "program/program.h"
#include "table/animation.h"

namespace tavolora::table {

namespace {
// The allowance taken from the window's outer height before a screen is centred.
constexpr float kCentringAllowance = 600;
// The main menu's size and its distance from the window's left edge.
constexpr float kMenuWidth = 4440;
constexpr float kMenuHeight = 7115;
constexpr float kMenuLeft = 200;

// A screen `length` long, placed along a side of the client area `room` long: moved
// back inside where it runs past an edge; one longer than the room starts at the
// near edge, so that its title, icons and close icon stay in view.
float inside(float place, float length, float room) {
    return within_room(place, 0, length, room);
}
}  // namespace

float within_room(float place, float near, float far, float room) {
    // 0 - near, so that a part from the element's own edge gives 0, not -0.
    return std::max(0.0F - near, std::min(place, room - far));
}

float MasterWindow::left_beside_menu(float width) const {
    const ChildScreen& menu = screens(Screen::F_011_Menu);
    const float menu_right = menu.Left + menu.Width;
    const float centred = menu_right + (form.Width - menu_right - width) / 2;
    // Clear of the main menu whenever the client area has room for both; otherwise
    // against the right edge, over as little of the menu as it can.
    const float rightmost = form.ScaleWidth - width;
    return inside(std::max(centred, std::min(menu_right, rightmost)), width, form.ScaleWidth);
}

float MasterWindow::top_centred(float height) const {
    return inside((form.Height - height - kCentringAllowance) / 2, height, form.ScaleHeight);
}

void MasterWindow::place_beside_menu(Screen screen) {
    ChildScreen& placed = screens(screen);
    placed.Left = left_beside_menu(placed.Width);
    placed.Top = top_centred(placed.Height);
}

void MasterWindow::keep_screens_inside() {
    for (int s = 0; s < static_cast<int>(Screen::Count); ++s) {
        ChildScreen& screen = screens(static_cast<Screen>(s));
        if (screen.loaded) keep_whole_inside(screen);
    }
}

void Animation::Centra_Menu() {
    MasterWindow& w = program_.master;
    ChildScreen& menu = w.screens(Screen::F_011_Menu);
    menu.Width = kMenuWidth;
    menu.Height = kMenuHeight;
    menu.Top = w.top_centred(menu.Height);
    menu.Left = inside(kMenuLeft, menu.Width, w.form.ScaleWidth);
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
