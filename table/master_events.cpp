#include "table/master_events.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/numbers.h"
#include "program/program.h"

namespace tavolora::table {

MasterEvents::MasterEvents(Program& program) : program_(program) {
    register_input();
}

void MasterEvents::register_input() {
    using Handler = void (MasterEvents::*)();
    const std::pair<ControlId, Handler> menu[] = {
        {ControlId::Q_C, &MasterEvents::Q_C_Click}, {ControlId::Q_E, &MasterEvents::Q_E_Click},
        {ControlId::Q_G, &MasterEvents::Q_G_Click}, {ControlId::Q_O, &MasterEvents::Q_O_Click},
        {ControlId::Q_U, &MasterEvents::Q_U_Click}, {ControlId::Q_Gi, &MasterEvents::Q_Gi_Click},
    };
    for (const auto& [id, handler] : menu) {
        program_.input.on(id, InputEvent::Click,
                          [this, handler = handler](ControlKey, const MouseArgs&) { (this->*handler)(); });
    }
    register_match_input();
    register_look_overs();
    register_floating_panels();
}

void MasterEvents::Genera_Costanti() {
    program_.settings.Cartella_Utenti = program_.ports.folder.program_folder() + "\\Users" + "\\";
}

void MasterEvents::Q_C_Click() {
    program_.setup.credits_events.load();
}

void MasterEvents::Q_E_Click() {
    // The main menu's unload stores the last user and game: that is the exit-time
    // save, which runs once the waits have unwound. A match in play is abandoned.
    program_.waits.quit_now();
}

void MasterEvents::Q_G_Click() {
    program_.master.PIC_Tavolo.Height = 0;
    program_.setup.help_events.load();
}

void MasterEvents::Q_O_Click() {
    program_.master.PIC_Tavolo.Height = 0;
    program_.setup.options_events.load();
}

void MasterEvents::Q_U_Click() {
    Chiudi_Tutte_Le_Form();
    program_.setup.users.load();
}

void MasterEvents::Q_Gi_Click() {
    Chiudi_Tutte_Le_Form();
    program_.master.screens.Load(Screen::F_03_Giochi);
}

void MasterEvents::window_resized(float outer_width, float outer_height, float client_width,
                                  float client_height) {
    // Layout points are 16-bit twips; the window is kept small enough for them.
    const auto fit = [](float twips) { return std::clamp(twips, 0.0F, 32767.0F); };
    FormGeometry& form = program_.master.form;
    form.Width = fit(outer_width);
    // Whatever frame the window system draws, or none, the outer height is read as
    // the client's plus the caption and borders the layout allows for, so that the
    // table fills the client area exactly.
    (void)outer_height;
    form.Height = fit(client_height + kCaptionAndBorders);
    form.ScaleWidth = fit(client_width);
    form.ScaleHeight = fit(client_height);
    // The table surface is aligned to the top of the client area: it keeps its
    // width, and its height is the layout's.
    program_.master.PIC_Tavolo.Width = form.ScaleWidth;
    MDIForm_Resize();
}

void MasterEvents::MDIForm_Resize() {
    program_.animation.Disponi_Tavolo();
    program_.animation.Centra_Menu();
    // A smaller window leaves nothing out of reach: what stood past its new edges
    // comes back inside, also what is hidden now and shows later.
    program_.master.keep_screens_inside();
    program_.master.keep_floating_inside();
}

void MasterEvents::start_flight_ticker(int highest_slot) {
    flight_reach_ = std::clamp(std::max(flight_reach_, highest_slot), 0, kFlightSlots);
    if (ticker_) return;
    ticker_ = program_.waits.start_timer(kFlightTickMilliseconds * platform::kMillisecond, true,
                                         [this] { flight_tick(); });
}

void MasterEvents::flight_tick() {
    ControlArray& timers = program_.master.T_Anim;
    const auto flying = [&timers](int i) {
        const Control* timer = timers.find(i);
        return timer != nullptr && timer->Interval > 0;
    };
    // Every flying card moves one step, in slot order, so the window and a
    // headless run land the cards in the same order. One pass does both: a landing
    // touches only its own slot's timer, so whether a slot still flies is known as
    // soon as it has stepped.
    bool any = false;
    for (int i = 1; i <= flight_reach_; ++i) {
        if (!flying(i)) continue;
        T_Anim_Timer(i);
        any = any || flying(i);
    }
    if (!any) stop_flight_ticker();
}

void MasterEvents::stop_flight_ticker() {
    flight_reach_ = 0;
    if (!ticker_) return;
    program_.waits.stop_timer(*ticker_);
    ticker_.reset();
}

void MasterEvents::T_Anim_Timer(int index) {
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    Tipo_Animazione& slot = a.Animazioni_Carte(index);

    --slot.Passi;
    if (Control* copy = w.P_A.find(index)) {
        copy->Top += slot.Coordinate(9);
        copy->Left += slot.Coordinate(10);
    }
    if (slot.Passi != 0) return;

    w.T_Anim(index).Interval = 0;
    a.Carta_Animata = slot.Carta(1);
    w.P_A.Unload(index);
    w.T_Anim.Unload(index);
    ++a.Animazioni_Concluse;
    a.Indice_Animazione = index;
    Sususu();
}

void MasterEvents::Nascondi_Menu() {
    MasterWindow& w = program_.master;
    for (Control* item : {&w.Q_C, &w.Q_E, &w.Q_G, &w.Q_H, &w.Q_N, &w.Q_N_Partite, &w.Q_N_Punteggio,
                          &w.Q_N_151, &w.Q_O, &w.Q_U, &w.Q_Gi}) {
        item->Visible = false;
    }
}

void MasterEvents::Chiudi_Tutte_Le_Form() {
    MasterWindow& w = program_.master;
    Nascondi_Menu();
    program_.setup.users.unload();
    // The new-user screen's closing brings the user screen back.
    program_.setup.new_user.unload();
    w.screens.Unload(Screen::F_03_Giochi);
    w.PIC_Tavolo.Visible = false;
    w.screens.Unload(Screen::F_040_Partita);
    w.screens.Unload(Screen::F_06_Opzioni);
    w.screens.Unload(Screen::F_08_Crediti);
    w.screens.Unload(Screen::F_12_Help);
}

void MasterEvents::close_screens_for_match() {
    setup::Setup& s = program_.setup;
    // The new-user screen's closing brings the user screen back: the user screen
    // closes after it.
    s.new_user.unload();
    s.users.unload();
    program_.master.screens.Unload(Screen::F_03_Giochi);
    s.options_events.unload();
    s.credits_events.unload();
    s.help_events.unload();
}

void MasterEvents::start_up() {
    program_.master.load_design_pictures(program_.ports.folder.program_folder());
    program_.master.form.Caption =
        std::string(kProgramName) + " V " + kProgramVersion + " [ " + kProgramEdition + " ]";
    Nascondi_Menu();
    program_.animation.Centra_Menu();
}

}  // namespace tavolora::table
