// The start of a hand: from the options to the first turn.

#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

namespace {
// The back of a computer seat's hand card: the side seats' lie in columns.
const char* back_of_seat(int s) {
    return s == 2 ? "0" : "00";
}
}  // namespace

void Engine::load_hand_pictures() {
    table::Animation& animation = program_.animation;
    for (int k = 1; k <= m_.Numero_Giocatori && k <= 9; ++k) {
        const int s = m_.Ordine_Giocatori(k);
        if (s != seat::kHuman && (s < 1 || s > 3)) continue;
        for (int i = 1; i <= m_.Carte_In_Mano && i <= 40; ++i) {
            const int index = s == seat::kHuman ? i : 40 * s + i;
            table::Control* picture = program_.master.P.find(index);
            if (picture == nullptr) continue;
            const std::string file = s == seat::kHuman
                                         ? animation.face_picture(m_.Tabella_Carte(9, i, attr::kSuit),
                                                                  m_.Tabella_Carte(9, i, attr::kValue))
                                         : animation.back_picture(back_of_seat(s));
            table::LoadPicture(*picture, file, program_.pictures);
        }
    }
}

void Engine::prepare_trick_hand() {
    table::AnimationState& a = program_.anim;
    table::Animation& animation = program_.animation;

    // The options are read again, so a change made between hands applies.
    a.Preparazione_In_Corso = true;
    program_.master.PIC_Tavolo.Visible = false;
    program_.storage.Carica_Opzioni_Utente();
    Inizializza_Tavolo();
    animation.Carica_Controlli_Carte();
    Mescola_Mazzo();
    Assegna_Valori_Carte();
    Imposta_Ordine_Giocatori();
    animation.Assegna_Carte_Giocatori();
    a.Preparazione_In_Corso = false;
    animation.Disponi_Tavolo();
    load_hand_pictures();
}

void Engine::deal_hand() {
    table::AnimationState& a = program_.anim;
    program_.master.PIC_Tavolo.Visible = true;
    a.Fase_Animazione = table::phase::kDeal;
    program_.animation.Distribuisci_Carte();
    program_.animation.Blocca_Comandi();
    a.Fase_Animazione = table::phase::kNone;
}

void Engine::Inizia_Mano_Briscola() {
    prepare_trick_hand();
    deal_hand();
    // A 151 match can be decided by a declaration counted during the deal: its
    // end has unlocked the menus, and they stay usable.
    if (m_.Partita_Terminata) program_.animation.Abilita_Menu();
    program_.animation.Posiziona_Carta_Mazzo();
    Passa_Turno();
}

void Engine::Inizia_Mano_Briscola_2() {
    Inizia_Mano_Briscola();
}

void Engine::Inizia_Mano_Scopa() {
    table::AnimationState& a = program_.anim;
    table::Animation& animation = program_.animation;
    table::MasterWindow& w = program_.master;

    // The table area stays on screen while the hand is built; the options are those
    // the match started with.
    a.Preparazione_In_Corso = true;
    w.PIC_Tavolo.Visible = false;
    w.PIC_Tavolo.Visible = true;
    Inizializza_Tavolo();
    animation.Carica_Controlli_Carte();
    Mescola_Mazzo();
    m_.Fattore_Forza = 1.5;
    m_.Incremento_Forza = 3;
    Assegna_Valori_Carte();
    Aggiorna_Punteggi();
    Imposta_Ordine_Giocatori();
    animation.Assegna_Carte_Giocatori();
    a.Preparazione_In_Corso = false;
    animation.Disponi_Tavolo();
    Aggiorna_Punteggi();

    load_hand_pictures();
    // The face-up cards of the table.
    for (int n = 1; n <= m_.Carte_Tavola_Iniziali && n <= 40; ++n) {
        if (table::Control* picture = w.P.find(200 + n)) {
            table::LoadPicture(*picture,
                               animation.face_picture(m_.Tabella_Carte(list::kTable, n, attr::kSuit),
                                                      m_.Tabella_Carte(list::kTable, n, attr::kValue)),
                               program_.pictures);
        }
    }

    Aggiorna_Punteggi();
    animation.Imposta_Menu_Gioco();
    deal_hand();
    Ordina_Carte_Mano();
    Aggiorna_Punteggi();
    Passa_Turno();
}

void Engine::Inizia_Mano_Tresette() {
    prepare_trick_hand();
    program_.master.LBL_Parola_Tresette.Visible = false;
    deal_hand();
    // The human's hand sorted, and the declarations of every hand looked for.
    Ordina_Carte_Mano();
    Passa_Turno();
}

void Engine::Prepara_Mazzo() {
    program_.anim.Preparazione_In_Corso = true;
    program_.master.PIC_Tavolo.Visible = false;
    program_.storage.Carica_Opzioni_Utente();
    Inizializza_Tavolo();
    program_.animation.Carica_Controlli_Carte();
    Mescola_Mazzo();
    Assegna_Valori_Carte();
    program_.anim.Preparazione_In_Corso = false;
    program_.animation.Disponi_Tavolo();
}

}  // namespace tavolora::engine
