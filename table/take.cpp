// The taken cards go to the taker's pile: in the card table first, then each card
// flies from its table picture to its place on the pile.

#include <algorithm>
#include <string>
#include <utility>

#include "core/fatal.h"
#include "core/program.h"
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
}  // namespace

void Animation::Raccogli_Presa() {
    switch (program_.match.Codice_Gioco) {
        case game::kBriscola:
        case game::kTresette:
        case game::kBriscolaVariant:
            take_trick();
            break;
        case game::kScopa:
            // Scopa's step comes here: the captured cards to the capturer's pile, and the sweep.
            break;
        default:
            break;
    }
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
        const int offset = place - 1;
        fill_flight_slot(i, 200 + i,
                         face_picture(cards(pile, place, attr::kSuit), cards(pile, place, attr::kValue)),
                         whole_twips(card->Top), whole_twips(card->Left),
                         whole_twips(C(top_entry) + a.Passo_Top(1) * offset),
                         whole_twips(C(left_entry) + a.Passo_Left(1) * offset), steps);
    }
    program_.engine.Svuota_Tavolo();

    // The landing step counts the cards landed in Contatori(1) and reads the pile's
    // list in Lista_Scelta.
    m.Contatori(1) = 0;
    program_.engine.Conta_Carte_Lista(pile);

    a.Fase_Animazione = phase::kTaken;
    Avvia_Animazioni();
    a.Fase_Animazione = phase::kNone;
}

}  // namespace tavolora::table
