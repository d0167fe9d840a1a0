// Camicia's piles: the card just turned, the demands and their payment, the gather
// of the central pile, and the pictures of the two piles.

#include "engine/engine.h"
#include "program/program.h"

namespace tavolora::engine {

namespace {
// The piles by their player: 2 the human's (list 2), 3 the computer's (list 3); the
// central pile is list 4. Turn cells of list 10: position 1 the player to turn next,
// position 4 the pending demand (the ace, two or three), position 5 the cards still
// to pay.
constexpr int kHumanPile = 2;
constexpr int kComputerPile = 3;
constexpr int kCentre = list::kCamiciaTable;
constexpr int kDemand = 4;
constexpr int kToPay = 5;

// The occupied positions before the first empty one; a list full to position 41
// (which play cannot make) leaves `count` as it was.
void count_pile(const CardTable& cards, int lista, int& count) {
    for (int p = 1; p <= 41; ++p) {
        if (cards(lista, p, attr::kSuit) == 0) {
            count = p - 1;
            return;
        }
    }
}
}  // namespace

void Engine::Conta_Carte_Lista_2() {
    count_pile(m_.Tabella_Carte, kHumanPile, m_.Carte_Mazzo_2);
}

void Engine::Conta_Carte_Lista_3() {
    count_pile(m_.Tabella_Carte, kComputerPile, m_.Carte_Mazzo_3);
}

void Engine::place_pile_card(int pile, int position) {
    table::AnimationState& a = program_.anim;
    const int block = pile == kHumanPile ? 0 : 40;
    const int anchor = pile == kHumanPile ? 3 : 5;
    table::Control* card = program_.master.P.find(block + position);
    if (card == nullptr) return;
    // A pile that has reached the table's edge grows no further.
    const int steps = program_.animation.stack_steps(a.Coordinate_Tavolo(anchor), a.Coordinate_Tavolo(anchor + 1),
                                                     position, card->Width, card->Height);
    card->Top = a.Coordinate_Tavolo(anchor) + static_cast<float>(steps) * a.Passo_Top(1);
    card->Left = a.Coordinate_Tavolo(anchor + 1) + static_cast<float>(steps) * a.Passo_Left(1);
}

void Engine::Disegna_Carta() {
    Conta_Carte_Lista_2();
    const int n = m_.Carte_Mazzo_2;
    if (n < 1 || n > 40) return;
    table::Control* card = program_.master.P.find(n);
    if (card == nullptr) return;
    place_pile_card(kHumanPile, n);
    table::LoadPicture(*card,
                       program_.animation.face_picture(m_.Tabella_Carte(kHumanPile, n, attr::kSuit),
                                                       m_.Tabella_Carte(kHumanPile, n, attr::kValue)),
                       program_.pictures);
    card->Visible = true;
    card->Enabled = true;
}

void Engine::Disegna_Pile_Camicia() {
    table::MasterWindow& w = program_.master;
    Conta_Carte_Lista_2();
    Conta_Carte_Lista_3();
    for (int k = 201; k <= 240; ++k) {
        if (table::Control* card = w.P.find(k)) card->Visible = false;
    }
    const std::string back = program_.animation.back_picture("0");
    const auto show_back = [&](int pile, int position, bool keep_shown) {
        table::Control* card = w.P.find((pile == kHumanPile ? 0 : 40) + position);
        if (card == nullptr || (keep_shown && card->Visible)) return;
        place_pile_card(pile, position);
        table::LoadPicture(*card, back, program_.pictures);
        card->ZOrder(0);
        card->Visible = true;
    };
    for (int k = 1; k <= m_.Carte_Mazzo_2 && k <= 40; ++k) show_back(kHumanPile, k, false);
    for (int k = 1; k <= m_.Carte_Mazzo_3 && k <= 40; ++k) show_back(kComputerPile, k, true);
    Disegna_Carta();
}

void Engine::Passa_Turno_Camicia() {
    auto& cards = m_.Tabella_Carte;
    const int top = m_.Carte_In_Tavola;
    const int owner = top >= 1 && top <= 40 ? cards(kCentre, top, attr::kOwner) : 0;
    if (owner == kHumanPile) {
        cards(list::kTurnCells, 1, 1) = kComputerPile;
        program_.animation.Disabilita_Menu();
    } else {
        cards(list::kTurnCells, 1, 1) = kHumanPile;
        program_.animation.Abilita_Menu();
    }
}

void Engine::Dopo_Giocata_Camicia() {
    auto& cards = m_.Tabella_Carte;
    Conta_Carte_Tavolo();
    const int c = m_.Carte_In_Tavola;
    if (c < 1 || c > 40) return;
    const int value = cards(kCentre, c, attr::kValue);
    if (value >= 1 && value <= 3) {
        // An ace, two or three asks the other player for that many cards; it replaces
        // any demand still pending.
        for (int a = 1; a <= 3; ++a) cards(list::kTurnCells, kDemand, a) = cards(kCentre, c, a);
        cards(list::kTurnCells, kToPay, 1) = static_cast<std::int16_t>(value);
        Passa_Turno_Camicia();
    } else if (cards(list::kTurnCells, kDemand, attr::kSuit) != 0) {
        // A payment: the payer goes on turning until it is complete.
        std::int16_t& to_pay = cards(list::kTurnCells, kToPay, 1);
        --to_pay;
        if (to_pay <= 0) Raccogli_Pila_Camicia();
    } else {
        Passa_Turno_Camicia();
    }
}

void Engine::Raccogli_Pila_Camicia() {
    if (m_.Codice_Gioco != game::kCamicia || m_.Partita_Finita) return;
    auto& cards = m_.Tabella_Carte;
    table::Animation& animation = program_.animation;
    table::AnimationState& a = program_.anim;
    table::MasterWindow& w = program_.master;

    animation.Libera_Animazioni();
    Conta_Carte_Tavolo();
    const int c = m_.Carte_In_Tavola;
    const int taker = cards(list::kTurnCells, kDemand, attr::kOwner);
    if (taker != kHumanPile && taker != kComputerPile) return;

    Svuota_Lista(list::kTurnCells);
    if (taker == kHumanPile) {
        Conta_Carte_Lista_2();
    } else {
        Conta_Carte_Lista_3();
    }
    const int n = taker == kHumanPile ? m_.Carte_Mazzo_2 : m_.Carte_Mazzo_3;
    if (table::Control* top = w.P.find((taker == kHumanPile ? 0 : 40) + n); top != nullptr && n >= 1) {
        top->Visible = false;
    }

    // The central pile goes under the taker's pile turned over as a whole: the last
    // card turned ends at the very bottom.
    for (int k = 1; k <= c; ++k) {
        for (int at = 1; at <= 3; ++at) cards(list::kTurnCells, k, at) = cards(kCentre, c + 1 - k, at);
    }
    for (int k = 1; k <= n && c + k <= 40; ++k) {
        for (int at = 1; at <= 3; ++at) cards(list::kTurnCells, c + k, at) = cards(taker, k, at);
    }
    for (int k = 1; k <= 40; ++k) {
        for (int at = 1; at <= 3; ++at) cards(taker, k, at) = cards(list::kTurnCells, k, at);
    }

    // Each card of the central pile flies from its picture to the taker's pile.
    const int anchor = taker == kHumanPile ? 3 : 5;
    for (int k = 1; k <= c; ++k) {
        const table::Control* from = w.P.find(200 + k);
        const double start_top = from != nullptr ? from->Top : a.Coordinate_Tavolo(21);
        const double start_left = from != nullptr ? from->Left : a.Coordinate_Tavolo(22);
        const int steps = animation.stack_steps(a.Coordinate_Tavolo(anchor), a.Coordinate_Tavolo(anchor + 1), k,
                                                from != nullptr ? from->Width : 0, from != nullptr ? from->Height : 0);
        animation.fill_flight_slot(
            k, 200 + k,
            animation.face_picture(cards(kCentre, k, attr::kSuit), cards(kCentre, k, attr::kValue)),
            table::Animation::whole_twips(start_top), table::Animation::whole_twips(start_left),
            table::Animation::whole_twips(a.Coordinate_Tavolo(anchor) + steps * a.Passo_Top(1)),
            table::Animation::whole_twips(a.Coordinate_Tavolo(anchor + 1) + steps * a.Passo_Left(1)),
            program_.settings.Tempi_Animazione(3));
    }

    Svuota_Lista(list::kTurnCells);
    Svuota_Lista(kCentre);
    for (int k = 1; k <= 40; ++k) {
        cards(kComputerPile, k, attr::kOwner) = kComputerPile;
        cards(kHumanPile, k, attr::kOwner) = kHumanPile;
    }
    for (int k = 201; k <= 240; ++k) {
        if (table::Control* card = w.P.find(k)) card->Visible = false;
    }
    animation.Avvia_Animazioni();

    Disegna_Pile_Camicia();
    cards(list::kTurnCells, 1, 1) = static_cast<std::int16_t>(taker);
    program_.players.Gioca_Turno_Computer();
}

}  // namespace tavolora::engine
