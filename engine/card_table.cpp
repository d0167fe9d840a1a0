// The card table's list routines and the reset at the start of every hand.

#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

Engine::Engine(Program& program) : program_(program), m_(program.match) {}

int Engine::table_list() const {
    return m_.Codice_Gioco == game::kCamicia ? list::kCamiciaTable : list::kTable;
}

void Engine::Svuota_Lista() {
    for (m_.Indice_1 = 1; m_.Indice_1 <= 40; ++m_.Indice_1) {
        for (m_.Indice_2 = 1; m_.Indice_2 <= 3; ++m_.Indice_2) {
            m_.Tabella_Carte(m_.Lista_Scelta, m_.Indice_1, m_.Indice_2) = 0;
        }
    }
}

void Engine::Svuota_Lista(int lista) {
    m_.Lista_Scelta = lista;
    Svuota_Lista();
}

void Engine::Conta_Carte_Lista() {
    // Counted in locals (this runs at every card landed); the shared counter is left
    // past the end, where the loop of the rules leaves it.
    const auto& cards = m_.Tabella_Carte;
    const auto lista = m_.Lista_Scelta;
    int count = 0;
    for (int i = 1; i <= 40; ++i) {
        if (cards(lista, i, attr::kSuit) != 0) ++count;
    }
    m_.Numero_Carte_Lista = count;
    m_.Indice_1 = 41;
}

int Engine::Conta_Carte_Lista(int lista) {
    m_.Lista_Scelta = lista;
    Conta_Carte_Lista();
    return m_.Numero_Carte_Lista;
}

void Engine::Conta_Carte_Iniziali() {
    m_.Numero_Carte_Lista = 40;
    for (m_.Indice_1 = 1; m_.Indice_1 <= 40; ++m_.Indice_1) {
        if (m_.Tabella_Carte(m_.Lista_Scelta, m_.Indice_1, attr::kSuit) == 0) {
            m_.Numero_Carte_Lista = m_.Indice_1 - 1;
            return;
        }
    }
}

int Engine::Conta_Carte_Iniziali(int lista) {
    m_.Lista_Scelta = lista;
    Conta_Carte_Iniziali();
    return m_.Numero_Carte_Lista;
}

void Engine::Conta_Carte_Tavolo() {
    m_.Indice_2 = table_list();
    // With all 41 positions taken (the table never holds that many) the count keeps
    // its previous value.
    for (m_.Indice_1 = 1; m_.Indice_1 <= 41; ++m_.Indice_1) {
        if (m_.Tabella_Carte(m_.Indice_2, m_.Indice_1, attr::kSuit) == 0) {
            m_.Carte_In_Tavola = static_cast<std::int16_t>(m_.Indice_1 - 1);
            return;
        }
    }
}

void Engine::Svuota_Tavolo() {
    Conta_Carte_Tavolo();
    auto& P = program_.master.P;
    for (m_.Indice_1 = 1; m_.Indice_1 <= m_.Carte_In_Tavola; ++m_.Indice_1) {
        for (m_.Indice_2 = 1; m_.Indice_2 <= 3; ++m_.Indice_2) {
            m_.Tabella_Carte(list::kTable, m_.Indice_1, m_.Indice_2) = 0;
        }
        if (table::Control* picture = P.find(200 + m_.Indice_1)) {
            picture->Picture.clear();
            picture->Visible = false;
        }
    }
}

void Engine::Svuota_Tavolo_Da_Indice() {
    const int captured = m_.Tabella_Carte(list::kCapture, list::kScoreCell, 1);
    for (m_.Indice_1 = 1; m_.Indice_1 <= captured && m_.Indice_1 <= 40; ++m_.Indice_1) {
        const int place = m_.Tabella_Carte(list::kCapture, m_.Indice_1, attr::kOwner);
        // A capture names table places 1..40; anything else names no card.
        if (place < 1 || place > 40) continue;
        for (int a = 1; a <= 3; ++a) m_.Tabella_Carte(list::kTable, place, a) = 0;
    }
    program_.anim.Larghezza_Carta = 4;
}

void Engine::Inizializza_Tavolo() {
    // Every loaded card picture ends hidden and blank: hands of all seats, the
    // table, the deck and the piles. Members that are not loaded are passed over.
    auto& P = program_.master.P;
    for (int k = 1; k <= P.upper(); ++k) {
        if (table::Control* picture = P.find(k)) {
            picture->Visible = false;
            picture->Picture.clear();
        }
    }

    auto& cards = m_.Tabella_Carte;
    for (int L = 1; L <= 36; ++L) {
        for (int p = 1; p <= 40; ++p) {
            for (int a = 1; a <= 3; ++a) cards(L, p, a) = 0;
        }
    }

    // The score cells at position 41 carry over from hand to hand in every game
    // but Scopa; Tresette clears its declarations.
    if (m_.Codice_Gioco == game::kScopa) {
        for (int L = 1; L <= 36; ++L) cards(L, list::kScoreCell, 1) = 0;
        for (int p = 11; p <= 19; ++p) cards(list::kMatch, p, 1) = 0;
        for (int L = list::kFirstPile; L <= list::kLastPile; ++L) {
            for (int a = 1; a <= 3; ++a) cards(L, list::kScoreCell, a) = 0;
        }
    } else if (m_.Codice_Gioco == game::kTresette) {
        for (int p = 11; p <= 20; ++p) {
            for (int a = 1; a <= 3; ++a) cards(list::kMatch, p, a) = 0;
        }
    }

    m_.Partita_Finita = false;
}

void Engine::Pausa(std::int16_t n) {
    for (m_.Indice_1 = 1; m_.Indice_1 <= n; ++m_.Indice_1) program_.waits.pump_once();
}

}  // namespace tavolora::engine
