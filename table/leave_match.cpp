// Leaving a match from the table: whatever the match is doing (cards in flight, a
// pause, a wait for the player's continue, a signal or a card), every wait in
// progress unwinds as it does when the program ends, and once nothing of the match
// runs any more the table is put away and the main menu comes back. The next match
// starts from a table with nothing left of this one.

#include "program/program.h"
#include "table/master_events.h"

namespace tavolora::table {

void MasterEvents::CMD_M_Chiudi_Partita_Click() {
    program_.waits.leave_now([this] { leave_match(); });
}

void MasterEvents::leave_match() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;

    // Nothing flies any more: the ticker stops and the flying copies go.
    stop_flight_ticker();
    for (int i = 1; i <= kFlightSlots; ++i) {
        w.T_Anim.Unload(i);
        w.P_A.Unload(i);
    }
    program_.animation.Libera_Animazioni();
    a.Animazioni_Avviate = 0;
    a.Animazioni_Concluse = 0;
    a.Animazioni_Finite = true;
    a.Fase_Animazione = phase::kNone;
    a.Preparazione_In_Corso = false;
    // No request, lock or gesture of the match left is waiting for the next one.
    a.Continua = false;
    a.Comandi_Bloccati = false;
    a.Pulsante_Mouse = 1;
    a.Trascinamento_Attivo = false;
    a.Codice_Visualizzazione = 0;
    end_look_over();

    // The overlays and the floating panels go with the table.
    for (Control* shown : {&w.PIC_Parola_Tiro, &w.PIC_Fine_Partita, &w.LBL_Parola_Tresette, &w.PIC_51_Monitor,
                           &w.PIC_52_Monitor, &w.PIC_Riepilogo_Accusi}) {
        shown->Visible = false;
    }
    m.Partita_Finita = true;
    m.Partita_Terminata = true;
    w.PIC_Tavolo.Visible = false;
    program_.animation.Abilita_Menu();
    w.screens.Load(Screen::F_011_Menu);
}

}  // namespace tavolora::table
