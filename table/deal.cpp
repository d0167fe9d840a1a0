// The deal: the shuffled deck copy (list 21) into the hands of the card table, then
// one face-down card flying from the deck to every dealt place.

#include <algorithm>

#include "program/program.h"
#include "table/animation.h"

namespace tavolora::table {

namespace {
namespace game = engine::game;
namespace list = engine::list;
namespace attr = engine::attr;

bool is_seat(int code) {
    return code == 1 || code == 2 || code == 3 || code == engine::seat::kHuman;
}


// Camicia's two piles: list 2 the human's, list 3 the computer's, 20 cards each.
constexpr int kHumanPile = 2;
constexpr int kComputerPile = 3;
constexpr int kCamiciaPile = 20;
}  // namespace

void Animation::Assegna_Carte_Giocatori() {
    engine::MatchState& m = program_.match;
    auto& cards = m.Tabella_Carte;
    std::int16_t& deck = cards(list::kTurnCells, 1, 1);

    Libera_Animazioni();
    switch (m.Codice_Gioco) {
        case game::kBriscola:
        case game::kBriscolaVariant:
        case game::kScopa:
        case game::kTresette: {
            if (m.Numero_Giocatori == 3) {
                Togli_Carta_Tre_Giocatori();
                deck = 39;
            } else {
                deck = 40;
            }
            // Seat after seat in turn order, each taking the next cards from the top.
            const int players = std::clamp(m.Numero_Giocatori, 0, 9);
            const int hand = std::clamp(m.Carte_In_Mano, 0, 40);
            for (int p = 1; p <= players; ++p) {
                const int seat = m.Ordine_Giocatori(p);
                if (!is_seat(seat)) continue;
                // Never below the first card of the deck, whatever the set-up asked.
                for (int k = 1; k <= hand && deck >= 1; ++k) {
                    cards(seat, k, attr::kSuit) = cards(list::kDeck, deck, attr::kSuit);
                    cards(seat, k, attr::kValue) = cards(list::kDeck, deck, attr::kValue);
                    cards(seat, k, attr::kOwner) = static_cast<std::int16_t>(seat);
                    --deck;
                }
            }
            if (m.Codice_Gioco == game::kScopa) {
                // The opening cards face up on the table, places 1 onward, put down by nobody.
                const int opening = std::clamp<int>(m.Carte_Tavola_Iniziali, 0, 40);
                for (int k = 1; k <= opening && deck >= 1; ++k) {
                    cards(list::kTable, k, attr::kSuit) = cards(list::kDeck, deck, attr::kSuit);
                    cards(list::kTable, k, attr::kValue) = cards(list::kDeck, deck, attr::kValue);
                    cards(list::kTable, k, attr::kOwner) = 0;
                    --deck;
                }
            }
            break;
        }
        case game::kCamicia:
            // Two face-down piles of 20 from the bottom of the deck copy up: the human's
            // (list 2) takes positions 1..20, the computer's (list 3) 21..40. The deck
            // count is not touched: Camicia has no draw.
            for (int k = 1; k <= kCamiciaPile; ++k) {
                for (const int attribute : {attr::kSuit, attr::kValue}) {
                    cards(kHumanPile, k, attribute) = cards(list::kDeck, k, attribute);
                    cards(kComputerPile, k, attribute) = cards(list::kDeck, k + kCamiciaPile, attribute);
                }
            }
            for (int k = 1; k <= kCamiciaPile; ++k) {
                cards(kHumanPile, k, attr::kOwner) = kHumanPile;
                cards(kComputerPile, k, attr::kOwner) = kComputerPile;
            }
            break;
        default:
            break;
    }
}

void Animation::Togli_Carta_Tre_Giocatori() {
    auto& cards = program_.match.Tabella_Carte;
    const auto move = [&cards](int to, int from) {
        cards(list::kDeck, to, attr::kSuit) = cards(list::kDeck, from, attr::kSuit);
        cards(list::kDeck, to, attr::kValue) = cards(list::kDeck, from, attr::kValue);
    };
    // The Four of Spade goes to position 40, under the 39 cards dealt and drawn.
    for (int i = 39; i >= 1; --i) {
        if (cards(list::kDeck, i, attr::kSuit) == 4 && cards(list::kDeck, i, attr::kValue) == 4) {
            move(41, 40);
            move(40, i);
            move(i, 41);
        }
    }
}

void Animation::Distribuisci_Carte() {
    Libera_Animazioni();
    program_.storage.Carica_Opzioni_Utente();
    switch (program_.match.Codice_Gioco) {
        case game::kBriscola:
        case game::kBriscolaVariant:
        case game::kScopa:
        case game::kTresette:
            fill_deal_flights();
            program_.engine.Aggiorna_Punteggi();
            break;
        case game::kCamicia:
            fill_camicia_deal_flights();
            break;
        default:
            break;
    }
    Avvia_Animazioni();
}

void Animation::fill_camicia_deal_flights() {
    AnimationState& a = program_.anim;
    const auto& C = a.Coordinate_Tavolo;
    // The piles are thrown with the back of a card lying still.
    const std::string back = back_picture("0");
    const int steps = program_.settings.Tempi_Animazione(1);
    // Deck card k flies to the pile it was dealt to: 1..20 the human's (C3, C4), 21..40
    // the computer's (C5, C6); every flight starts k stack steps from the bottom deck
    // card. The landing scatters the pictures by slot number; each slot names the
    // picture it stands for all the same.
    for (int k = 1; k <= 2 * kCamiciaPile; ++k) {
        const bool human = k <= kCamiciaPile;
        const int picture = human ? k : 40 + (k - kCamiciaPile);
        fill_flight_slot(k, picture, back, whole_twips(C(1) + a.Passo_Top(1) * k),
                         whole_twips(C(2) + a.Passo_Left(1) * k), human ? C(3) : C(5), human ? C(4) : C(6),
                         steps);
    }
}

void Animation::fill_deal_flights() {
    const engine::MatchState& m = program_.match;
    AnimationState& a = program_.anim;
    const auto& C = a.Coordinate_Tavolo;
    const int deck = m.Tabella_Carte(list::kTurnCells, 1, 1);
    const std::string back = back_picture("00");

    // The step count stays in slot 1 while the slots are filled.
    a.Animazioni_Carte(1).Passi = program_.settings.Tempi_Animazione(1);
    int slot = 0;
    const auto fly_to = [&](int picture) {
        const Control* card = program_.master.P.find(picture);
        if (card == nullptr || slot == kFlightSlots) return;
        ++slot;
        // Beyond the places of the cards that stay in the deck.
        const long stack = slot + deck;
        fill_flight_slot(slot, picture, back, whole_twips(C(1) + a.Passo_Top(1) * stack),
                         whole_twips(C(2) + a.Passo_Left(1) * stack), whole_twips(card->Top),
                         whole_twips(card->Left), a.Animazioni_Carte(1).Passi);
    };

    const int hand = std::clamp(m.Carte_In_Mano, 0, 40);
    for (int p = std::clamp(m.Numero_Giocatori, 0, 9); p >= 1; --p) {
        const int block = picture_block(m.Ordine_Giocatori(p));
        if (block < 0) continue;
        for (int k = 1; k <= hand; ++k) fly_to(40 * block + k);
    }
    if (m.Codice_Gioco == game::kScopa) {
        // After the hands, the opening table cards; a place the deal left empty gets none.
        const int opening = std::clamp<int>(m.Carte_Tavola_Iniziali, 0, 40);
        for (int k = 1; k <= opening; ++k) {
            if (m.Tabella_Carte(list::kTable, k, attr::kSuit) != 0) fly_to(200 + k);
        }
    }
}

}  // namespace tavolora::table
