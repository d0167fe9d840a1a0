#include "table/master_window.h"

#include "storage/icons.h"

namespace tavolora::table {

namespace {
void place(Control& c, float left, float top, float width, float height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

// The four seats of the panels' label and button arrays, in the order of the rows.
constexpr int kSeatRows[] = {9, 1, 2, 3};
}  // namespace

void ChildScreens::Load(Screen screen) {
    ChildScreen& s = (*this)(screen);
    s.loaded = true;
    s.Visible = true;
}

void ChildScreens::Unload(Screen screen) {
    ChildScreen& s = (*this)(screen);
    s.loaded = false;
    s.Visible = false;
}

MasterWindow::MasterWindow() {
    const float width = kStartWidthPixels * 15.0F;
    const float height = kStartHeightPixels * 15.0F;
    form.Width = width;
    form.Height = height + kCaptionAndBorders;
    form.ScaleWidth = width;
    form.ScaleHeight = height;

    build_table();
    build_signal_chooser();
    build_end_panel();
    build_strip();
    build_scores_panel();
    build_captured_panel();
    build_declarations_panel();
    build_work_controls();
    build_menu();
    // The main menu stands in the window for the whole run.
    screens.Load(Screen::F_011_Menu);
}

void MasterWindow::build_table() {
    add(PIC_Tavolo, ControlId::PIC_Tavolo, ControlKind::Surface, nullptr);
    PIC_Tavolo.Visible = false;
    PIC_Tavolo.BackColor = kTableGreen;
    place(PIC_Tavolo, 0, 0, form.ScaleWidth, form.ScaleHeight);

    add(IMG_Sfondo_Tavolo, ControlId::IMG_Sfondo_Tavolo, ControlKind::Picture, &PIC_Tavolo);
    IMG_Sfondo_Tavolo.Visible = false;
    IMG_Sfondo_Tavolo.Stretch = true;
    IMG_Sfondo_Tavolo.Enabled = true;
    add(IMG_Sfondo_Tavolo_temp, ControlId::IMG_Sfondo_Tavolo_temp, ControlKind::Picture, &PIC_Tavolo);
    IMG_Sfondo_Tavolo_temp.Visible = false;
    IMG_Sfondo_Tavolo_temp.AutoSize = true;

    // The templates of the card pictures and of the flying copies stay hidden.
    add(P, ControlId::P);
    P(0).AutoSize = true;
    P(0).Visible = false;
    add(P_A, ControlId::P_A);
    P_A(0).AutoSize = true;
    P_A(0).Visible = false;
    add(T_Anim, ControlId::T_Anim);
    T_Anim(0).Interval = 0;

    add(LBL_Parola_Tresette, ControlId::LBL_Parola_Tresette, ControlKind::Label, &PIC_Tavolo);
    LBL_Parola_Tresette.Visible = false;
    place(LBL_Parola_Tresette, 0, 0, 1815, 495);
}

void MasterWindow::build_signal_chooser() {
    add(PIC_Parola_Tiro, ControlId::PIC_Parola_Tiro, ControlKind::Surface, &PIC_Tavolo);
    PIC_Parola_Tiro.Visible = false;
    place(PIC_Parola_Tiro, 0, 0, 4815, 1935);
    add(CMD_Parola_Tiro, ControlId::CMD_Parola_Tiro);
    const char* captions[] = {"Busso! / Ho buone carte in questo seme",
                              "Striscio! / Ho altre carte di questo seme",
                              "Volo! / E' la mia ultima carta di questo seme"};
    for (int i = 0; i <= 2; ++i) {
        Control& button = CMD_Parola_Tiro(i);
        button.Visible = true;
        button.Caption = captions[i];
        place(button, 120, 120 + 600.0F * static_cast<float>(i), 4575, 495);
    }
}

void MasterWindow::build_end_panel() {
    add(PIC_Fine_Partita, ControlId::PIC_Fine_Partita, ControlKind::Surface, &PIC_Tavolo);
    PIC_Fine_Partita.Visible = false;
    place(PIC_Fine_Partita, 0, 0, 4815, 2295);
    add(LBL_Commento_Finale, ControlId::LBL_Commento_Finale, ControlKind::Label, &PIC_Fine_Partita);
    LBL_Commento_Finale.Caption = "Commento finale!";
    place(LBL_Commento_Finale, 120, 120, 4575, 615);
    add(CMD_Continua, ControlId::CMD_Continua, ControlKind::Button, &PIC_Fine_Partita);
    CMD_Continua.Caption = "Continua la partita...";
    place(CMD_Continua, 120, 840, 4575, 375);
    add(CMD_PIC_Fine_Partita_Visualizza_Punteggi, ControlId::CMD_PIC_Fine_Partita_Visualizza_Punteggi,
        ControlKind::Button, &PIC_Fine_Partita);
    CMD_PIC_Fine_Partita_Visualizza_Punteggi.Caption = "Visualizza Punteggi";
    place(CMD_PIC_Fine_Partita_Visualizza_Punteggi, 120, 1320, 4575, 375);
    add(ThemeButton2, ControlId::ThemeButton2, ControlKind::Button, &PIC_Fine_Partita);
    ThemeButton2.Caption = "Visualizza Carte Prese";
    place(ThemeButton2, 120, 1800, 4575, 375);
}

void MasterWindow::build_strip() {
    add(FRM_M_Menu, ControlId::FRM_M_Menu, ControlKind::Strip, &PIC_Tavolo);
    FRM_M_Menu.Caption = "Menù di gioco";
    place(FRM_M_Menu, 0, 0, 3015, 2535);

    Control* buttons[] = {&CMD_M_Briscola, &CMD_M_Punteggio, &CMD_M_Carte,
                          &CMD_M_Tiri,     &CMD_M_Continua,  &CMD_M_Chiudi_Partita};
    const ControlId ids[] = {ControlId::CMD_M_Briscola, ControlId::CMD_M_Punteggio,
                             ControlId::CMD_M_Carte,    ControlId::CMD_M_Tiri,
                             ControlId::CMD_M_Continua, ControlId::CMD_M_Chiudi_Partita};
    for (int i = 0; i < 6; ++i) {
        add(*buttons[i], ids[i], ControlKind::Button, &FRM_M_Menu);
        place(*buttons[i], 120, 420 + 345.0F * static_cast<float>(i), 2775, 315);
    }
    add(CMD_Muovi_Menu_M, ControlId::CMD_Muovi_Menu_M, ControlKind::IconButton, &FRM_M_Menu);
    place(CMD_Muovi_Menu_M, 2295, 60, 300, 240);
    make_drag_handle(CMD_Muovi_Menu_M);

    add(CMD_M_ApriChiudi, ControlId::CMD_M_ApriChiudi);
    Control& reopen = CMD_M_ApriChiudi(0);
    reopen.Visible = false;
    reopen.ToolTipText = "Clicca per aprire il menù di gioco";
    place(reopen, 2640, 60, 300, 240);
    Control& close = CMD_M_ApriChiudi(1);
    close.container = &FRM_M_Menu;
    close.Visible = true;
    close.ToolTipText = "Clicca per chiudere il menù di gioco";
    place(close, 2640, 60, 300, 240);
}

void MasterWindow::make_drag_handle(Control& handle) {
    handle.ToolTipText = "Tieni premuto per spostare";
    handle.MousePointer = pointer::kSizeAll;
}

void MasterWindow::load_design_pictures(const std::string& program_folder) {
    const auto icon = [&program_folder](const storage::icons::IconFile& file) {
        return storage::icons::path(program_folder, file);
    };
    for (Control* handle :
         {&CMD_Muovi_Menu_M, &CMD_Muovi_PIC_051_Monitor, &CMD_Muovi_PIC_052_Monitor, &CMD_Muovi_PIC_Riepilogo_Accusi}) {
        handle->Picture = icon(storage::icons::kTavoloSposta);
    }
    for (Control* close : {&CMD_M_ApriChiudi(1), &CMD_Chiudi_PIC_051_Monitor, &CMD_Chiudi_PIC_052_Monitor,
                           &CMD_Chiudi_PIC_Riepilogo_Accusi}) {
        close->Picture = icon(storage::icons::kTavoloChiudi);
    }
    CMD_M_ApriChiudi(0).Picture = icon(storage::icons::kTavoloApri);
    // Every card picture copies the template's pointer: the hand's card pointer.
    P(0).MousePointer = pointer::kCustom;
    P(0).MouseIcon = icon(storage::icons::kCursoreCarta);
}

void MasterWindow::add_floating_panel(const FloatingPanel& panel) {
    add(panel.panel, panel.id, ControlKind::Panel, &PIC_Tavolo);
    panel.panel.Visible = false;
    panel.panel.Caption = panel.caption;
    place(panel.panel, panel.left, panel.top, panel.width, panel.height);
    // The close button and the drag handle stand at the right of the title band.
    add(panel.close, panel.close_id, ControlKind::IconButton, &panel.panel);
    place(panel.close, panel.width - 390, 30, 300, 240);
    panel.close.ToolTipText = "Chiudi questa finestra";
    add(panel.move, panel.move_id, ControlKind::IconButton, &panel.panel);
    place(panel.move, panel.width - 750, 30, 300, 240);
    make_drag_handle(panel.move);
}

void MasterWindow::build_scores_panel() {
    add_floating_panel({PIC_51_Monitor, ControlId::PIC_51_Monitor, "Riepilogo dei punteggi", 3000, 120, 5055,
                        2295, CMD_Chiudi_PIC_051_Monitor, ControlId::CMD_Chiudi_PIC_051_Monitor,
                        CMD_Muovi_PIC_051_Monitor, ControlId::CMD_Muovi_PIC_051_Monitor});

    add(FRM_Punteggio_Parziale, ControlId::FRM_Punteggio_Parziale, ControlKind::Frame, &PIC_51_Monitor);
    FRM_Punteggio_Parziale.Caption = "Giocatori";
    place(FRM_Punteggio_Parziale, 120, 360, 1815, 1815);
    add(Frame2, ControlId::Frame2, ControlKind::Frame, &PIC_51_Monitor);
    Frame2.Caption = "Parziali";
    place(Frame2, 2040, 360, 1095, 1815);
    add(Frame1, ControlId::Frame1, ControlKind::Frame, &PIC_51_Monitor);
    Frame1.Caption = "Totali";
    constexpr float kTotalsWidth = 1695;
    place(Frame1, 3240, 360, kTotalsWidth, 1815);

    add(LBL_Parziale_Nome, ControlId::LBL_Parziale_Nome);
    add(LBL_Parziale_Punti, ControlId::LBL_Parziale_Punti);
    add(LBL_Totale_Nome, ControlId::LBL_Totale_Nome);
    add(LBL_Totale_Punti, ControlId::LBL_Totale_Punti);
    // Each line of the panel stands in from its frame's edges by this much.
    constexpr float kLineMargin = 120;
    float top = 300;
    for (int seat : kSeatRows) {
        Control& name = LBL_Parziale_Nome(seat);
        name.Visible = true;
        place(name, kLineMargin, top, 1575, 255);
        Control& points = LBL_Parziale_Punti(seat);
        points.Visible = true;
        points.Caption = "-";
        place(points, kLineMargin, top, 855, 255);
        // Nothing ever names the seats in "Totali": the standing ("121 / 1200") takes
        // the whole line, so that it reads on one line in the frame's own font.
        Control& total_name = LBL_Totale_Nome(seat);
        total_name.Visible = false;
        place(total_name, kLineMargin, top, 855, 255);
        Control& total = LBL_Totale_Punti(seat);
        total.Visible = true;
        total.Caption = "-";
        place(total, kLineMargin, top, kTotalsWidth - 2 * kLineMargin, 255);
        top += 360;
    }
}

void MasterWindow::build_captured_panel() {
    // The seat buttons stand in their captioned frame below the title band, so that
    // the band's handle and close button take their clicks and the panel's title and
    // the frame's caption both read whole; the card frame comes below them, and the
    // panel is as much taller as the frame's caption takes.
    constexpr float kTitleBand = 300;     // the panels' title band, 20 pixels
    constexpr float kMargin = 120;
    constexpr float kButtonsTop = kTitleBand + 60;
    constexpr float kButtonsHeight = 1050;  // the caption's line, two rows of buttons
    constexpr float kCardsTop = kButtonsTop + kButtonsHeight + 60;
    constexpr float kCardsHeight = 2655;
    constexpr float kWidth = 4815;
    add_floating_panel({PIC_52_Monitor, ControlId::PIC_52_Monitor, "Visualizzazione delle carte prese", 120,
                        2520, kWidth, kCardsTop + kCardsHeight + kMargin, CMD_Chiudi_PIC_052_Monitor,
                        ControlId::CMD_Chiudi_PIC_052_Monitor, CMD_Muovi_PIC_052_Monitor,
                        ControlId::CMD_Muovi_PIC_052_Monitor});

    // The frame is as wide as the panel less a narrow margin, so that the buttons
    // stand 120 and 2520 from the panel's left edge with their gap of 225 between.
    constexpr float kButtonsLeft = 60;
    add(FRM_Pulsanti_Prese, ControlId::FRM_Pulsanti_Prese, ControlKind::Frame, &PIC_52_Monitor);
    place(FRM_Pulsanti_Prese, kButtonsLeft, kButtonsTop, kWidth - 2 * kButtonsLeft, kButtonsHeight);
    add(Visualizza_Prese, ControlId::Visualizza_Prese);
    // In the frame: two rows of two, under the caption's line.
    const float lefts[] = {60, 60, 2460, 2460};
    const float tops[] = {300, 640, 300, 640};
    for (int row = 0; row < 4; ++row) {
        Control& button = Visualizza_Prese(kSeatRows[row]);
        button.Visible = true;
        place(button, lefts[row], tops[row], 2175, 300);
    }

    add(FRM_CartePrese, ControlId::FRM_CartePrese, ControlKind::Frame, &PIC_52_Monitor);
    place(FRM_CartePrese, kMargin, kCardsTop, 4100, kCardsHeight);
    add(IMG_Prese, ControlId::IMG_Prese);
    for (int k = 0; k <= 3; ++k) {
        Control& slot = IMG_Prese(k);
        slot.Visible = true;
        slot.Stretch = true;
        place(slot, 240 + 960.0F * static_cast<float>(k), 360, 795, 1260);
    }
    add(HSR_Prese, ControlId::HSR_Prese, ControlKind::ScrollBar, &FRM_CartePrese);
    HSR_Prese.Enabled = false;
    // One card an arrow or a page.
    HSR_Prese.SmallChange = 1;
    HSR_Prese.LargeChange = 1;
    place(HSR_Prese, 240, 1800, 3615, 255);
    add(LBL_RiepilogoPrese_testo, ControlId::LBL_RiepilogoPrese_testo, ControlKind::Label, &FRM_CartePrese);
    place(LBL_RiepilogoPrese_testo, 240, 2280, 2535, 255);
    add(LBL_RiepilogoPrese_Numero, ControlId::LBL_RiepilogoPrese_Numero, ControlKind::Label, &FRM_CartePrese);
    place(LBL_RiepilogoPrese_Numero, 2880, 2280, 975, 255);
}

void MasterWindow::build_declarations_panel() {
    // Just below the captured-cards panel, as they first stand, so that neither
    // covers the other's title band.
    const float top = PIC_52_Monitor.Top + PIC_52_Monitor.Height - 15;
    add_floating_panel({PIC_Riepilogo_Accusi, ControlId::PIC_Riepilogo_Accusi, "", 120, top, 4815, 2055,
                        CMD_Chiudi_PIC_Riepilogo_Accusi, ControlId::CMD_Chiudi_PIC_Riepilogo_Accusi,
                        CMD_Muovi_PIC_Riepilogo_Accusi, ControlId::CMD_Muovi_PIC_Riepilogo_Accusi});
    add(FRM_Riepilogo_Accusi_Inside, ControlId::FRM_Riepilogo_Accusi_Inside, ControlKind::Frame,
        &PIC_Riepilogo_Accusi);
    FRM_Riepilogo_Accusi_Inside.Caption = "Riepilogo degli accusi";
    place(FRM_Riepilogo_Accusi_Inside, 120, 330, 4575, 1605);
    add(Lista_Evento_Speciale, ControlId::Lista_Evento_Speciale, ControlKind::ListBox,
        &FRM_Riepilogo_Accusi_Inside);
    place(Lista_Evento_Speciale, 120, 300, 4335, 1185);
}

void MasterWindow::build_work_controls() {
    struct Hidden {
        Control& control;
        ControlId id;
        ControlKind kind;
    };
    const Hidden hidden[] = {
        {CMD_Ordine_Carte, ControlId::CMD_Ordine_Carte, ControlKind::Button},
        {List1, ControlId::List1, ControlKind::ListBox},
        {Lista_Left, ControlId::Lista_Left, ControlKind::ListBox},
        {Lista_Left_Ordinata, ControlId::Lista_Left_Ordinata, ControlKind::ListBox},
        {Lista_Distanze, ControlId::Lista_Distanze, ControlKind::ListBox},
        {t, ControlId::t, ControlKind::TextBox},
        {Label1, ControlId::Label1, ControlKind::Label},
        {Label2, ControlId::Label2, ControlKind::Label},
    };
    for (const Hidden& h : hidden) {
        add(h.control, h.id, h.kind, &PIC_Tavolo);
        h.control.Visible = false;
        place(h.control, 0, 0, 1215, 375);
    }
}

void MasterWindow::build_menu() {
    struct Item {
        Control& control;
        ControlId id;
        const char* caption;
        Control* title;  // the menu title that holds a sub-menu item
    };
    const Item items[] = {
        {Q_N, ControlId::Q_N, "Nuova partita", nullptr},
        {Q_N_Singola, ControlId::Q_N_Singola, "Singola", &Q_N},
        {Q_N_Partite, ControlId::Q_N_Partite, "Partite", &Q_N},
        {Q_N_Punteggio, ControlId::Q_N_Punteggio, "Punteggio", &Q_N},
        {Q_N_151, ControlId::Q_N_151, "151", &Q_N},
        {Q_U, ControlId::Q_U, "Utenti", nullptr},
        {Q_Gi, ControlId::Q_Gi, "Giochi", nullptr},
        {Q_O, ControlId::Q_O, "Opzioni", nullptr},
        {Q_G, ControlId::Q_G, "Guida", nullptr},
        {Q_H, ControlId::Q_H, "HighScores", nullptr},
        {Q_C, ControlId::Q_C, "Crediti", nullptr},
        {Q_E, ControlId::Q_E, "Esci", nullptr},
    };
    for (const Item& item : items) {
        add(item.control, item.id, ControlKind::MenuItem, item.title);
        item.control.Caption = item.caption;
    }
}

}  // namespace tavolora::table
