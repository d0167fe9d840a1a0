#pragma once

// The main window F_01_Master as data: its own size and title, the card table
// surface with every control on it, the menu bar, and where its child screens
// stand. The Qt main window (table/qt) mirrors it; the rules of play read and write
// it directly.

#include <array>
#include <string>

#include "table/control.h"

namespace tavolora::table {

// The window itself. Width and Height are the outer size (frame and title bar
// included), ScaleWidth and ScaleHeight the client area, all in twips.
struct FormGeometry {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    float ScaleWidth = 0;
    float ScaleHeight = 0;
    std::string Caption;
};

// The screens that open inside the main window, as far as the table sees them.
enum class Screen : std::uint8_t {
    F_011_Menu,
    F_02_Utenti,
    F_022_Utenti_Nuovo,
    F_03_Giochi,
    F_040_Partita,
    F_06_Opzioni,
    F_08_Crediti,
    F_12_Help,
    Count
};

struct ChildScreen {
    bool loaded = false;
    bool Visible = false;
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

class ChildScreens {
public:
    ChildScreen& operator()(Screen screen) { return screens_.at(static_cast<std::size_t>(screen)); }
    const ChildScreen& operator()(Screen screen) const {
        return screens_.at(static_cast<std::size_t>(screen));
    }
    // Loading a child window shows it; unloading closes it. The Qt screens follow.
    void Load(Screen screen);
    void Unload(Screen screen);

private:
    std::array<ChildScreen, static_cast<std::size_t>(Screen::Count)> screens_{};
};

// A place along one side of the client area, `room` long, at which the part of an
// element from `near` to `far` past that place (in the element's own twips) lies
// inside: moved back where the part runs before the near edge or past the far one.
// A part longer than the room starts at the near edge.
float within_room(float place, float near, float far, float room);

// The height of the window's caption and borders that the table layout leaves
// above the table: the table's height is the window's outer height less this. The
// outer height is taken as the client area's plus this, whatever frame the window
// system draws, so that the table fills the client area.
inline constexpr float kCaptionAndBorders = 500;

// The table surface's colour when it has no background picture (&HBBGGRR).
inline constexpr std::uint32_t kTableGreen = 0x008000;
// The window opens at this size, in pixels.
inline constexpr int kStartWidthPixels = 1024;
inline constexpr int kStartHeightPixels = 768;
// Layout points are 16-bit twips: at 15 twips to a pixel no side may pass this.
inline constexpr int kLargestSidePixels = 2184;

class MasterWindow : public ControlTree {
public:
    MasterWindow();

    FormGeometry form;

    // The table surface and the pictures on it.
    Control PIC_Tavolo;
    Control IMG_Sfondo_Tavolo;
    Control IMG_Sfondo_Tavolo_temp;
    ControlArray P{*this, ControlId::P, ControlKind::Picture, 0, 460, &PIC_Tavolo};
    ControlArray P_A{*this, ControlId::P_A, ControlKind::Picture, 0, 40, &PIC_Tavolo};
    ControlArray T_Anim{*this, ControlId::T_Anim, ControlKind::Timer, 0, 40, &PIC_Tavolo};
    Control LBL_Parola_Tresette;

    // The Tresette signal chooser.
    Control PIC_Parola_Tiro;
    ControlArray CMD_Parola_Tiro{
        *this, ControlId::CMD_Parola_Tiro, ControlKind::Button, 0, 2, &PIC_Parola_Tiro, {0, 1, 2}};

    // The end-of-hand panel.
    Control PIC_Fine_Partita;
    Control LBL_Commento_Finale;
    Control CMD_Continua;
    Control CMD_PIC_Fine_Partita_Visualizza_Punteggi;
    Control ThemeButton2;

    // The on-table button strip.
    Control FRM_M_Menu;
    Control CMD_M_Briscola;
    Control CMD_M_Punteggio;
    Control CMD_M_Carte;
    Control CMD_M_Tiri;
    Control CMD_M_Continua;
    Control CMD_M_Chiudi_Partita;
    Control CMD_Muovi_Menu_M;
    ControlArray CMD_M_ApriChiudi{
        *this, ControlId::CMD_M_ApriChiudi, ControlKind::IconButton, 0, 1, &PIC_Tavolo, {0, 1}};

    // The scores panel; its label arrays have members 1, 2, 3 and 9 (seat codes).
    Control PIC_51_Monitor;
    Control FRM_Punteggio_Parziale;
    Control Frame2;
    Control Frame1;
    ControlArray LBL_Parziale_Nome{*this, ControlId::LBL_Parziale_Nome, ControlKind::Label, 1,
                                   9,     &FRM_Punteggio_Parziale,      {1, 2, 3, 9}};
    ControlArray LBL_Parziale_Punti{
        *this, ControlId::LBL_Parziale_Punti, ControlKind::Label, 1, 9, &Frame2, {1, 2, 3, 9}};
    ControlArray LBL_Totale_Nome{*this,       ControlId::LBL_Totale_Nome, ControlKind::Label, 1, 9, &Frame1,
                                 {1, 2, 3, 9}};
    ControlArray LBL_Totale_Punti{*this,       ControlId::LBL_Totale_Punti, ControlKind::Label, 1, 9, &Frame1,
                                  {1, 2, 3, 9}};
    Control CMD_Chiudi_PIC_051_Monitor;
    Control CMD_Muovi_PIC_051_Monitor;

    // The captured-cards panel.
    Control PIC_52_Monitor;
    Control FRM_Pulsanti_Prese;
    ControlArray Visualizza_Prese{*this, ControlId::Visualizza_Prese, ControlKind::Button, 1,
                                  9,     &FRM_Pulsanti_Prese,         {1, 2, 3, 9}};
    Control FRM_CartePrese;
    ControlArray IMG_Prese{*this, ControlId::IMG_Prese, ControlKind::Image, 0,
                           3,     &FRM_CartePrese,      {0, 1, 2, 3}};
    Control HSR_Prese;
    Control LBL_RiepilogoPrese_testo;
    Control LBL_RiepilogoPrese_Numero;
    Control CMD_Chiudi_PIC_052_Monitor;
    Control CMD_Muovi_PIC_052_Monitor;

    // The declarations panel.
    Control PIC_Riepilogo_Accusi;
    Control FRM_Riepilogo_Accusi_Inside;
    Control Lista_Evento_Speciale;
    Control CMD_Chiudi_PIC_Riepilogo_Accusi;
    Control CMD_Muovi_PIC_Riepilogo_Accusi;

    // Hidden work controls.
    Control CMD_Ordine_Carte;
    Control List1;
    Control Lista_Left;
    Control Lista_Left_Ordinata;
    Control Lista_Distanze;
    Control t;
    Control Label1;
    Control Label2;

    // The menu bar, in the order of its titles.
    Control Q_N;
    Control Q_N_Singola;
    Control Q_N_Partite;
    Control Q_N_Punteggio;
    Control Q_N_151;
    Control Q_U;
    Control Q_Gi;
    Control Q_O;
    Control Q_G;
    Control Q_H;
    Control Q_C;
    Control Q_E;

    ChildScreens screens;

    // The pictures the window's design gives its small buttons and the card
    // pictures' pointer, from the program's Icons folder.
    void load_design_pictures(const std::string& program_folder);

    // Where every screen but the main menu stands, with its Width and Height set:
    // centred between the main menu's right edge and the window's, and at
    // (the window's height - its own - 600) / 2 from the top, then moved back inside
    // the client area where that runs past an edge. It stands over the main menu only
    // when the window is too narrow for both.
    void place_beside_menu(Screen screen);
    // The Left of a screen `width` wide placed so, and the Top of one `height` high.
    float left_beside_menu(float width) const;
    float top_centred(float height) const;

    // What stands past an edge of the client area comes back inside, so that it can
    // be reached again: every loaded screen, shown or not, whole; every floating
    // panel and the strip, shown or not, whole where it fits and by its title band's
    // handle and close button whatever its size; the strip's reopen button whole. The
    // window runs both on every resize, so that nothing opened later shows out of
    // reach either.
    void keep_screens_inside();
    void keep_floating_inside();
    // A screen or a control of the table whole inside the client area, at its top
    // left corner where it is larger.
    template <typename Placed>
    void keep_whole_inside(Placed& placed) const {
        placed.Left = within_room(placed.Left, 0, placed.Width, form.ScaleWidth);
        placed.Top = within_room(placed.Top, 0, placed.Height, form.ScaleHeight);
    }
    // Shows a floating panel or the strip, brought inside the client area as above
    // when a drag left it past an edge.
    void show_floating(Control& element);

private:
    struct FloatingPanel {
        Control& panel;
        ControlId id;
        const char* caption;
        float left, top, width, height;
        Control& close;
        ControlId close_id;
        Control& move;
        ControlId move_id;
    };
    void add_floating_panel(const FloatingPanel& panel);
    // A drag handle: its tooltip and the move pointer.
    static void make_drag_handle(Control& handle);
    void build_table();
    void build_signal_chooser();
    void build_end_panel();
    void build_strip();
    void build_scores_panel();
    void build_captured_panel();
    void build_declarations_panel();
    void build_work_controls();
    void build_menu();
};

}  // namespace tavolora::table
