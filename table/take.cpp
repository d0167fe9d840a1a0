// The taken cards go to the taker's pile: in the card table first, then each card
// flies from its table picture to its place on the pile. In Scopa a capture that
// clears the table is a sweep, marked on the pile and announced.

#include <algorithm>
#include <string>
#include <utility>

#include "core/fatal.h"
#include "core/numbers.h"
#include "program/program.h"
#include "table/animation.h"

namespace tavolora::table {

namespace {
namespace game = engine::game;
namespace list = engine::list;
namespace attr = engine::attr;

// The layout points (Top, Left) of a seat's pile.
std::pair<int, int> pile_point_entries(int seat) {
    switch (seat) {
        case engine::seat::kHuman:
            return {13, 14};
        case 1:
            return {15, 16};
        case 2:
            return {17, 18};
        case 3:
            return {19, 20};
        default:
            fatal("a pile is taken by seat " + std::to_string(seat) + ", which has none");
    }
}

// The size of the picture a seat's pile shows, in twips: nothing where its back
// cannot be loaded.
platform::PixelSize pile_picture_size(Program& program, int seat) {
    return program.pictures.twips(program.animation.back_picture(Animation::pile_back(seat)))
        .value_or(platform::PixelSize{});
}

bool has_pile(int seat) {
    return seat == engine::seat::kHuman || (seat >= 1 && seat <= 3);
}

std::string trimmed_right(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Cards on the table, wherever they lie: captures leave empty places behind.
int table_cards(const engine::CardTable& cards) {
    int count = 0;
    for (int place = 1; place <= 40; ++place) count += cards(list::kTable, place, attr::kSuit) != 0 ? 1 : 0;
    return count;
}

// Cards in the seats' hands (lists 1..9).
int hand_cards(const engine::CardTable& cards) {
    int count = 0;
    for (int seat = 1; seat <= engine::seat::kHuman; ++seat) {
        for (int j = 1; j <= 40; ++j) count += cards(seat, j, attr::kSuit) != 0 ? 1 : 0;
    }
    return count;
}
}  // namespace

void Animation::Raccogli_Presa() {
    switch (program_.match.Codice_Gioco) {
        case game::kBriscola:
        case game::kTresette:
        case game::kBriscolaVariant:
            take_trick();
            break;
        case game::kScopa:
            take_capture();
            break;
        default:
            break;
    }
}

void Animation::take_capture() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    MasterWindow& w = program_.master;
    auto& cards = m.Tabella_Carte;
    const auto& C = a.Coordinate_Tavolo;

    // The seat to move captures during the hand; at its end the cards left go to the
    // last capturer. With four players the pair's cards go to one pile, and
    // Vincitore_Effettivo keeps the seat itself.
    if (m.Partita_Finita) {
        m.Vincitore_Mano = m.Ultimo_Presa;
    } else {
        m.Vincitore_Mano =
            m.Ordine_Giocatori.in_range(m.Indice_Turno) ? m.Ordine_Giocatori(m.Indice_Turno) : 0;
    }
    program_.engine.Mappa_Giocatore_Squadra();
    // Nobody to take them (no capture yet in the hand): the cards stay where they are.
    if (!has_pile(m.Vincitore_Mano)) return;

    const int pile = m.Vincitore_Mano + 10;
    const auto [top_entry, left_entry] = pile_point_entries(m.Vincitore_Mano);
    const int before = program_.engine.Conta_Carte_Iniziali(pile);
    const platform::PixelSize size = pile_picture_size(program_, m.Vincitore_Mano);

    Libera_Animazioni();
    const int steps = program_.settings.Tempi_Animazione(3);
    // The capture names table places 1..40; a pile holds at most 40 cards, position
    // 41 keeping its score cells.
    const int named = std::clamp<int>(cards(list::kCapture, list::kScoreCell, 1), 0, 40);
    int taken = 0;
    for (int i = 1; i <= named && before + taken < 40; ++i) {
        const int place = cards(list::kCapture, i, attr::kOwner);
        if (place < 1 || place > 40) continue;
        ++taken;
        const int at = before + taken;
        // Suit and value only: the pile's owner cell is left as it is (a sweep marks it).
        cards(pile, at, attr::kSuit) = cards(list::kTable, place, attr::kSuit);
        cards(pile, at, attr::kValue) = cards(list::kTable, place, attr::kValue);
        // From the card's table picture; one that is not loaded flies from the centre.
        const Control* card = w.P.find(200 + place);
        const double start_top = card != nullptr ? card->Top : C(21);
        const double start_left = card != nullptr ? card->Left : C(22);
        // The flight ends one stack step short of the place where the card lands.
        const int offset = stack_steps(C(top_entry), C(left_entry), at, size.width, size.height) - 1;
        fill_flight_slot(taken, 200 + place,
                         face_picture(cards(pile, at, attr::kSuit), cards(pile, at, attr::kValue)),
                         whole_twips(start_top), whole_twips(start_left),
                         whole_twips(C(top_entry) + a.Passo_Top(1) * offset),
                         whole_twips(C(left_entry) + a.Passo_Left(1) * offset), steps);
    }

    // The landing step counts the cards landed in Contatori(1) and reads the pile's
    // list in Lista_Scelta, as this batch left it.
    a.Carte_Tavola_Dopo_Presa = taken;
    m.Contatori(1) = 0;
    m.Lista_Scelta = pile;
    a.landing_pile = pile;
    a.Fase_Animazione = phase::kTaken;
    Avvia_Animazioni();
    a.Fase_Animazione = phase::kNone;

    program_.engine.Svuota_Tavolo_Da_Indice();

    // A capture that clears the table is a sweep, unless it is the last of the hand
    // (deck and hands empty) or the hand is over and the leftovers are given away.
    const bool table_cleared = table_cards(cards) == 0;
    const bool cards_to_play = cards(list::kTurnCells, 1, 1) != 0 || hand_cards(cards) != 0;
    if (table_cleared && cards_to_play && !m.Partita_Finita && taken > 0) {
        const int last = program_.engine.Conta_Carte_Iniziali(pile);
        if (last >= 1) cards(pile, last, attr::kOwner) = 15;
        std::int16_t& sweeps = cards(list::kMatch, pile, 1);
        store16(sweeps, sweeps + 1LL);
        w.show_floating(w.PIC_Riepilogo_Accusi);
        // The seat that made the capture, not its pair's pile.
        const int seat = m.Vincitore_Effettivo;
        std::string name;
        if (seat >= 4) {
            name = program_.settings.player_name().trimmed_right();
        } else if (m.Nomi_Giocatori.in_range(seat)) {
            name = trimmed_right(m.Nomi_Giocatori(seat));
        }
        w.Lista_Evento_Speciale.AddItem(name + " ha fatto scopa!");
        w.Lista_Evento_Speciale.ZOrder(0);
    }

    program_.engine.Aggiorna_Punteggi();
}

void Animation::take_trick() {
    engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    auto& cards = m.Tabella_Carte;
    const auto& C = a.Coordinate_Tavolo;

    m.Ultimo_Presa = m.Vincitore_Mano;
    const int pile = m.Vincitore_Mano + 10;
    const auto [top_entry, left_entry] = pile_point_entries(m.Vincitore_Mano);
    const int before = program_.engine.Conta_Carte_Iniziali(pile);
    const platform::PixelSize size = pile_picture_size(program_, m.Vincitore_Mano);
    program_.engine.Conta_Carte_Tavolo();
    m.Indice_5 = m.Carte_In_Tavola;
    a.Carte_Tavola_Dopo_Presa = m.Carte_In_Tavola;

    Libera_Animazioni();
    const int steps = program_.settings.Tempi_Animazione(3);
    // A pile holds at most 40 cards: position 41 keeps the pile's score cells.
    const int taken = std::min<int>(m.Carte_In_Tavola, 40 - before);
    for (int i = 1; i <= taken; ++i) {
        const int place = before + i;
        for (int at = attr::kSuit; at <= attr::kOwner; ++at)
            cards(pile, place, at) = cards(list::kTable, i, at);
        const Control* card = program_.master.P.find(200 + i);
        if (card == nullptr) continue;
        // The flight ends one stack step short of the place where the card lands.
        const int offset = stack_steps(C(top_entry), C(left_entry), place, size.width, size.height) - 1;
        fill_flight_slot(i, 200 + i,
                         face_picture(cards(pile, place, attr::kSuit), cards(pile, place, attr::kValue)),
                         whole_twips(card->Top), whole_twips(card->Left),
                         whole_twips(C(top_entry) + a.Passo_Top(1) * offset),
                         whole_twips(C(left_entry) + a.Passo_Left(1) * offset), steps);
    }
    program_.engine.Svuota_Tavolo();

    // The landing step counts the cards landed in Contatori(1) and reads the pile's
    // list in Lista_Scelta, as this batch left it.
    m.Contatori(1) = 0;
    program_.engine.Conta_Carte_Lista(pile);
    a.landing_pile = pile;

    a.Fase_Animazione = phase::kTaken;
    Avvia_Animazioni();
    a.Fase_Animazione = phase::kNone;
}

}  // namespace tavolora::table
