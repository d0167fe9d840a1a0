#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using testing::TableTest;
using Card = std::pair<int, int>;

// Camicia on the start window (15360 x 11520 twips outside, a card 1080 x 1800):
// the centre pile point C21/C22 is 4660/6980, the human's pile point C3/C4
// 7540/6980, the computer's C5/C6 1780/6980.
class CamiciaTable : public TableTest {
protected:
    // Camicia chosen after a game of three-card hands: the hand size stays.
    void choose_camicia(int players = 2) {
        if (players == 3) {
            choose(3, {9, 2, 1}, 3);
        } else {
            choose(3, {9, 2}, 3);
        }
    }

    Card card(int lista, int position) const {
        return {m.Tabella_Carte(lista, position, 1), m.Tabella_Carte(lista, position, 2)};
    }
    void put(int lista, int position, Card c, int owner) {
        m.Tabella_Carte(lista, position, 1) = static_cast<std::int16_t>(c.first);
        m.Tabella_Carte(lista, position, 2) = static_cast<std::int16_t>(c.second);
        m.Tabella_Carte(lista, position, 3) = static_cast<std::int16_t>(owner);
    }
    static Card deck_card(int position) { return {(position - 1) / 10 + 1, (position - 1) % 10 + 1}; }
    int count(int lista) const {
        int n = 0;
        while (n < 40 && m.Tabella_Carte(lista, n + 1, 1) != 0) ++n;
        return n;
    }
    std::int16_t& turn_cell() { return m.Tabella_Carte(10, 1, 1); }
};

// --- The deal of the two piles and its flights ---------------------------------------

TEST_F(CamiciaTable, TheDeckSplitsIntoTwoPilesOfTwentyAndTheDeckCountStays) {
    choose_camicia();
    fill_deck();
    deck_count() = 17;
    animation.fill_flight_slot(3, 1, back("00"), 0, 0, 0, 0, 1);
    animation.Assegna_Carte_Giocatori();

    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(card(2, k), deck_card(k)) << k;
        EXPECT_EQ(card(3, k), deck_card(20 + k)) << k;
        EXPECT_EQ(m.Tabella_Carte(2, k, 3), 2);
        EXPECT_EQ(m.Tabella_Carte(3, k, 3), 3);
    }
    EXPECT_EQ(m.Tabella_Carte(2, 21, 1), 0);
    EXPECT_EQ(m.Tabella_Carte(9, 1, 1), 0);  // no hand is dealt
    EXPECT_EQ(deck_count(), 17);
    EXPECT_EQ(a.Animazioni_Carte(3).Stato(1), 'Z');
}

// Camicia dealt in the data and laid out, as the match start has it when the piles fly.
class CamiciaDeal : public CamiciaTable {
protected:
    void SetUp() override {
        choose_camicia();
        fill_deck();
        animation.Assegna_Carte_Giocatori();
        m.Carte_Mazzo_2 = m.Carte_Mazzo_3 = 20;
        animation.Disponi_Tavolo();
    }

    // The deal flown with the cosmetic stream at `seed`: where each pile picture landed.
    std::vector<std::pair<float, float>> deal(std::uint64_t seed) {
        program.cosmetic.reseed(seed);
        a.Fase_Animazione = phase::kCamiciaDeal;
        run([&] { animation.Distribuisci_Carte(); });
        a.Fase_Animazione = phase::kNone;
        std::vector<std::pair<float, float>> places;
        for (int n = 1; n <= 20; ++n) {
            places.emplace_back(w.P(n).Top, w.P(n).Left);
            places.emplace_back(w.P(40 + n).Top, w.P(40 + n).Left);
        }
        return places;
    }
};

TEST_F(CamiciaDeal, FortyBacksFlyFromTheDeckTwentyToEachPile) {
    deal(1);
    const int steps = program.settings.Tempi_Animazione(1);
    EXPECT_EQ(a.Animazioni_Avviate, 40);
    EXPECT_EQ(h.platform.now(), steps * 20 * platform::kMillisecond);
    for (int k = 1; k <= 40; ++k) {
        const Tipo_Animazione& slot = a.Animazioni_Carte(k);
        const bool human = k <= 20;
        EXPECT_EQ(slot.Immagine, back("0")) << k;
        EXPECT_EQ(slot.Carta(1), human ? k : 20 + k);
        // Card k starts k stack steps from the bottom deck card.
        EXPECT_EQ(slot.Coordinate(1), C(1) - 10 * k) << k;
        EXPECT_EQ(slot.Coordinate(2), C(2) + 5 * k) << k;
        EXPECT_EQ(slot.Coordinate(5), human ? C(3) : C(5)) << k;
        EXPECT_EQ(slot.Coordinate(6), human ? C(4) : C(6)) << k;
        EXPECT_EQ(slot.Coordinate(9),
                  std::nearbyint(static_cast<double>(slot.Coordinate(5) - slot.Coordinate(1)) / steps));
        EXPECT_EQ(slot.Coordinate(10),
                  std::nearbyint(static_cast<double>(slot.Coordinate(6) - slot.Coordinate(2)) / steps));
        EXPECT_EQ(slot.Stato(1), 'Z');  // landed and freed
    }
}

TEST_F(CamiciaDeal, EachLandedCardIsScatteredNearItsPlaceInItsPile) {
    deal(7);
    for (int n = 1; n <= 20; ++n) {
        for (const auto& [picture, top, left] : {std::tuple{n, C(3), C(4)}, std::tuple{40 + n, C(5), C(6)}}) {
            const Control& p = w.P(picture);
            // Between 1 and 151 twips lower and 1 and 251 further right than the stack place.
            EXPECT_GE(p.Top, top - 10 * n + 1) << picture;
            EXPECT_LT(p.Top, top - 10 * n + 151) << picture;
            EXPECT_GE(p.Left, left + 5 * n + 1) << picture;
            EXPECT_LT(p.Left, left + 5 * n + 251) << picture;
            EXPECT_EQ(p.Picture, back("0"));
            EXPECT_TRUE(p.Visible);
        }
    }
    // Landed in slot order: each pile's twentieth card lies on top.
    EXPECT_LT(w.P(1).z, w.P(20).z);
    EXPECT_LT(w.P(20).z, w.P(41).z);
    EXPECT_LT(w.P(41).z, w.P(60).z);
    EXPECT_FALSE(w.P(21).Visible);
}

TEST_F(CamiciaDeal, TheScatterIsTheCosmeticStreamsAndOnlyCamiciasPhase) {
    const auto first = deal(1);
    EXPECT_EQ(deal(1), first);
    const auto other = deal(2);
    int differing = 0;
    for (std::size_t i = 0; i < first.size(); ++i) differing += first[i] != other[i] ? 1 : 0;
    EXPECT_GT(differing, 30);

    // The same phase in another game, or another phase in Camicia, places nothing.
    const Control before = w.P(5);
    a.Indice_Animazione = 5;
    a.Carta_Animata = 5;
    a.Fase_Animazione = phase::kDeal;
    program.master_events.Sususu();
    m.Codice_Gioco = 1;
    a.Fase_Animazione = phase::kCamiciaDeal;
    program.master_events.Sususu();
    EXPECT_EQ(w.P(5).Top, before.Top);
    EXPECT_EQ(w.P(5).Left, before.Left);
}

// --- The table: picture set, layout, strip, the card laid on the central pile -------

TEST_F(CamiciaTable, ThePictureSetLeavesTheUnusedSeatBlocksEnabled) {
    choose_camicia(3);
    for (int k = 1; k <= 40; ++k) {
        EXPECT_FALSE(w.P(k).Enabled) << k;  // the human's pile, until its top card shows
        EXPECT_FALSE(w.P(40 + k).Enabled) << k;
        EXPECT_TRUE(w.P(80 + k).Enabled) << k;
        EXPECT_TRUE(w.P(120 + k).Enabled) << k;
        EXPECT_FALSE(w.P(200 + k).Enabled) << k;
        EXPECT_FALSE(w.P(240 + k).Enabled) << k;
    }
    EXPECT_FALSE(w.P.loaded(161));
}

TEST_F(CamiciaTable, TheLayoutPlacesTheCentrePileAndTheTwoPilesAndKeepsTheCardSize) {
    choose_camicia();
    fill_deck();
    animation.Assegna_Carte_Giocatori();
    put(3, 13, {0, 0}, 0);  // the computer's pile has 12 cards left
    for (int k = 14; k <= 20; ++k) put(3, k, {0, 0}, 0);
    m.Carte_Mazzo_2 = 20;
    m.Carte_Mazzo_3 = 12;
    a.Altezza_Carta = 1234;
    a.Spaziatura_Carte = 777;
    w.P(1).Picture = back("0");
    w.P(53).Top = 99;
    animation.Disponi_Tavolo();

    EXPECT_EQ(a.Larghezza_Carta, 1080);
    EXPECT_EQ(a.Altezza_Carta_Twips, 1800);
    EXPECT_EQ(a.Altezza_Carta, 1234);
    EXPECT_EQ(a.Spaziatura_Carte, 777);
    EXPECT_EQ(w.PIC_Tavolo.Height, 11020);
    const std::pair<int, int> points[] = {{23, 5560}, {24, 7520}, {21, 4660}, {22, 6980},
                                          {3, 7540},  {4, 6980},  {5, 1780},  {6, 6980}};
    for (const auto& [entry, value] : points) EXPECT_EQ(C(entry), value) << "C" << entry;

    // Each pile fanned from its point, card i at i stack steps.
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(w.P(i).Top, 7540 - 10 * i) << i;
        EXPECT_EQ(w.P(i).Left, 6980 + 5 * i) << i;
    }
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(w.P(40 + i).Top, 1780 - 10 * i) << i;
        EXPECT_EQ(w.P(40 + i).Left, 6980 + 5 * i) << i;
    }
    EXPECT_EQ(w.P(53).Top, 99);  // past the computer's pile
    // The card measured on P(1) does not replace the card it shows.
    EXPECT_EQ(w.P(1).Picture, back("0"));
}

TEST_F(CamiciaTable, TheStripHoldsOnlyTheWayOut) {
    choose_camicia();
    program.storage.Carica_Testi_Italiano();
    for (Control* button : {&w.CMD_M_Briscola, &w.CMD_M_Carte, &w.CMD_M_Continua, &w.CMD_M_Punteggio,
                            &w.CMD_M_Tiri, &w.CMD_M_Chiudi_Partita}) {
        button->Visible = true;
    }
    w.FRM_M_Menu.Visible = false;
    animation.Imposta_Menu_Gioco();

    EXPECT_TRUE(w.FRM_M_Menu.Visible);
    EXPECT_EQ(w.FRM_M_Menu.Height, 975);
    EXPECT_EQ(w.CMD_M_Briscola.Caption, "Esci dalla partita");
    EXPECT_EQ(w.CMD_M_Chiudi_Partita.Caption, "Esci dalla partita");
    EXPECT_TRUE(w.CMD_M_Briscola.Visible);
    EXPECT_TRUE(w.CMD_M_Chiudi_Partita.Visible);
    for (const Control* hidden : {&w.CMD_M_Carte, &w.CMD_M_Continua, &w.CMD_M_Punteggio, &w.CMD_M_Tiri}) {
        EXPECT_FALSE(hidden->Visible);
    }
}

TEST_F(CamiciaTable, ATurnedCardLandsOnTheCentrePileAndFliesThere) {
    choose_camicia();
    animation.Disponi_Tavolo();
    program.settings.Tempi_Animazione(2) = 4;
    const auto lay = [&](std::uint64_t seed) -> const Control& {
        program.cosmetic.reseed(seed);
        m.Carte_In_Tavola = 3;
        animation.Libera_Animazioni();
        animation.fill_flight_slot(1, 20, face(2, 5), 7340, 7080, 0, 0, 1);
        run([&] { animation.Trova_Posto_Sul_Tavolo(); });
        return w.P(203);
    };

    // A free area round the centre pile: the first attempt stands.
    a.Limiti_Tavolo(1) = 0;
    a.Limiti_Tavolo(2) = 0;
    a.Limiti_Tavolo(3) = 20000;
    a.Limiti_Tavolo(4) = 20000;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        const Control& laid = lay(seed);
        EXPECT_GE(laid.Top, 4660 + 1);
        EXPECT_LT(laid.Top, 4660 + 401);
        EXPECT_GE(laid.Left, 6980 + 1);
        EXPECT_LT(laid.Left, 6980 + 601);
        EXPECT_EQ(a.Tentativi_Posto, 1);
        const Tipo_Animazione& slot = a.Animazioni_Carte(1);
        EXPECT_EQ(slot.Coordinate(5), std::nearbyint(laid.Top));
        EXPECT_EQ(slot.Coordinate(6), std::nearbyint(laid.Left));
        EXPECT_EQ(slot.Carta(1), 20);
        EXPECT_EQ(slot.Carta(2), 203);
    }
    EXPECT_EQ(a.Animazioni_Avviate, 1);

    // Limits that leave no room: 20 attempts, the last one stands, the card still flies.
    a.Limiti_Tavolo(1) = 9000;
    a.Limiti_Tavolo(3) = 0;
    const Control& laid = lay(3);
    EXPECT_EQ(a.Tentativi_Posto, 20);
    EXPECT_GE(laid.Top, 4660 + 1);
    EXPECT_LT(laid.Left, 6980 + 601);
    EXPECT_EQ(a.Animazioni_Avviate, 1);
}

// --- The human's click on the top card of the pile ----------------------------------

// A Camicia match as its start leaves it: the piles dealt from the ordered deck
// (the human's top card the Ten of suit 2, the computer's the Ten of suit 4), laid
// out face down, the human's top card face up and enabled, the human to turn.
class CamiciaClick : public CamiciaTable {
protected:
    void SetUp() override {
        choose_camicia();
        fill_deck();
        animation.Assegna_Carte_Giocatori();
        m.Carte_Mazzo_2 = m.Carte_Mazzo_3 = 20;
        m.Modalita_Partita = 0;
        animation.Disponi_Tavolo();
        w.PIC_Tavolo.Visible = true;
        w.IMG_Sfondo_Tavolo.Visible = false;
        for (int i = 1; i <= 20; ++i) {
            for (int picture : {i, 40 + i}) {
                w.P(picture).Picture = back("0");
                w.P(picture).Visible = true;
            }
        }
        turn_cell() = 2;
        animation.Abilita_Menu();
        show_top(20);
    }

    // The human's pile top at position t, shown face up and enabled.
    void show_top(int t) {
        w.P(t).Picture = face(card(2, t).first, card(2, t).second);
        w.P(t).Enabled = true;
        w.P(t).Visible = true;
    }
    bool click(int index) { return program.input.click({ControlId::P, index}); }

    // What the click had done when it began to wait for its card's flight.
    struct AtFlight {
        bool seen = false;
        Tipo_Animazione slot;
        Card centre_first;
        Card pile_top;
        bool top_shown = true;
        bool pile_enabled = true;
        bool menus_enabled = true;
    } at_flight;
    // When the click waits for its card, `then` runs after the state is noted.
    void watch_flight(std::function<void()> then = {}) {
        program.waits.set_wait_observer([this, then](std::string_view wait) {
            if (wait != "P_Click") return;
            at_flight.seen = true;
            at_flight.slot = a.Animazioni_Carte(1);
            at_flight.centre_first = card(4, 1);
            at_flight.pile_top = card(2, 20);
            at_flight.top_shown = w.P(20).Visible;
            at_flight.pile_enabled = false;
            for (int k = 1; k <= 20; ++k) at_flight.pile_enabled = at_flight.pile_enabled || w.P(k).Enabled;
            at_flight.menus_enabled = w.Q_N.Enabled;
            if (then) then();
        });
    }
};

TEST_F(CamiciaClick, OutOfTurnTheClickOnlyFreesTheFlights) {
    turn_cell() = 3;
    animation.fill_flight_slot(2, 5, back("0"), 0, 0, 0, 0, 1);
    w.P_A.Load(2);
    w.P_A(2).Visible = true;
    EXPECT_TRUE(click(20));

    EXPECT_EQ(a.Animazioni_Carte(2).Stato(1), 'Z');
    EXPECT_FALSE(w.P_A(2).Visible);
    EXPECT_EQ(count(2), 20);
    EXPECT_EQ(count(4), 0);
    EXPECT_TRUE(w.P(20).Enabled);
    EXPECT_TRUE(w.Q_N.Enabled);
    EXPECT_EQ(turn_cell(), 3);
}

TEST_F(CamiciaClick, AClickOffTheTopCardLocksNothing) {
    // Any card but the top is refused before the pile and the menus are locked, since
    // nothing would unlock them afterwards.
    w.P(7).Enabled = true;
    EXPECT_TRUE(click(7));
    program.master_events.P_Click(41);
    EXPECT_EQ(count(2), 20);
    EXPECT_EQ(count(4), 0);
    EXPECT_TRUE(w.P(20).Enabled);
    EXPECT_TRUE(w.P(7).Enabled);
    EXPECT_TRUE(w.Q_N.Enabled);

    // A right-button press last stops any click.
    program.master_events.P_MouseDown(20, 2);
    program.master_events.P_Click(20);
    EXPECT_EQ(count(2), 20);
}

TEST_F(CamiciaClick, TheTopCardGoesOnTheCentralPileAndTheComputerAnswersInTheSameClick) {
    const Control before = w.P(20);
    watch_flight();
    EXPECT_TRUE(click(20));

    // Before the flight: the card on the central pile, gone from the pile, its picture
    // hidden, its flight prepared from it, the pile and the menus locked.
    ASSERT_TRUE(at_flight.seen);
    EXPECT_EQ(at_flight.centre_first, Card(2, 10));
    EXPECT_EQ(at_flight.pile_top, Card(0, 0));
    EXPECT_FALSE(at_flight.top_shown);
    EXPECT_FALSE(at_flight.pile_enabled);
    EXPECT_FALSE(at_flight.menus_enabled);
    EXPECT_EQ(at_flight.slot.Carta(1), 20);
    EXPECT_EQ(at_flight.slot.Immagine, face(2, 10));
    EXPECT_EQ(at_flight.slot.Coordinate(1), std::nearbyint(before.Top));
    EXPECT_EQ(at_flight.slot.Coordinate(2), std::nearbyint(before.Left));
    EXPECT_EQ(m.Tabella_Carte(4, 1, 3), 2);

    // A Ten asks for nothing: the computer turns its Ten and the human turns next.
    EXPECT_EQ(card(4, 2), Card(4, 10));
    EXPECT_EQ(m.Tabella_Carte(4, 2, 3), 3);
    EXPECT_EQ(count(3), 19);
    EXPECT_EQ(turn_cell(), 2);
    EXPECT_FALSE(m.Partita_Finita);
    EXPECT_TRUE(w.Q_N.Enabled);
    EXPECT_EQ(m.Carte_Mazzo_2, 19);
    EXPECT_TRUE(w.P(19).Enabled);
    EXPECT_EQ(w.P(19).Picture, face(2, 9));
    EXPECT_FALSE(w.P(18).Enabled);
    // Both cards lie on the central pile, the computer's above.
    EXPECT_TRUE(w.P(201).Visible);
    EXPECT_TRUE(w.P(202).Visible);
    EXPECT_LT(w.P(201).z, w.P(202).z);
}

TEST_F(CamiciaClick, AnAcePaidByTheComputerIsGatheredUnderTheHumansPile) {
    put(2, 1, {2, 10}, 2);  // the Ace comes to the top
    put(2, 20, {1, 1}, 2);
    show_top(20);
    EXPECT_TRUE(click(20));

    // The computer paid its Ten; the human took the central pile, turned over, under
    // their own pile, and turns next from their former top card.
    EXPECT_EQ(count(4), 0);
    EXPECT_EQ(count(3), 19);
    EXPECT_EQ(count(2), 21);
    EXPECT_EQ(card(2, 1), Card(4, 10));
    EXPECT_EQ(card(2, 2), Card(1, 1));
    EXPECT_EQ(card(2, 3), Card(2, 10));
    EXPECT_EQ(card(2, 21), deck_card(19));
    for (int k = 1; k <= 21; ++k) EXPECT_EQ(m.Tabella_Carte(2, k, 3), 2) << k;
    EXPECT_EQ(turn_cell(), 2);
    EXPECT_TRUE(w.Q_N.Enabled);
    EXPECT_TRUE(w.P(21).Enabled);
    EXPECT_TRUE(w.P(21).Visible);
    EXPECT_EQ(w.P(21).Picture, face(deck_card(19).first, deck_card(19).second));
    EXPECT_FALSE(w.P(201).Visible);
}

TEST_F(CamiciaClick, ThePressBeforeTheClickLeavesTheLastCardsOfThePileInPlace) {
    // Two cards left, fewer than the hand size of the game played before: the press
    // that comes before the click must not redraw them as an empty hand.
    for (int k = 3; k <= 20; ++k) {
        put(2, k, {0, 0}, 0);
        w.P(k).Visible = false;
    }
    put(2, 1, {3, 5}, 2);
    put(2, 2, {3, 6}, 2);
    m.Carte_Mazzo_2 = 2;
    show_top(2);
    program.master_events.P_MouseDown(2, 1);
    EXPECT_TRUE(w.P(1).Visible);
    EXPECT_TRUE(w.P(2).Visible);
    EXPECT_EQ(w.P(2).Picture, face(3, 6));

    EXPECT_TRUE(click(2));
    EXPECT_EQ(card(4, 1), Card(3, 6));
    EXPECT_EQ(count(2), 1);
}

// The loop of computer turns ends however the engine leaves the table.
TEST_F(CamiciaClick, TheComputerTurnsEndWhenTheComputerHasNoCardInAMatchToANumberOfCards) {
    m.Modalita_Partita = 2;
    m.Numero_Carte_Camicia = 40;
    for (int k = 1; k <= 20; ++k) {
        put(3, k, {0, 0}, 0);
        w.P(40 + k).Visible = false;
    }
    m.Carte_Mazzo_3 = 0;
    EXPECT_TRUE(click(20));

    EXPECT_EQ(card(4, 1), Card(2, 10));
    EXPECT_EQ(count(4), 1);
    // Whether the match was decided or the turn simply came back, the menus work.
    EXPECT_TRUE(w.Q_N.Enabled);
}

TEST_F(CamiciaClick, AComputerTurnThatChangesNothingEndsTheLoop) {
    // The human pays the second of three cards the computer's Ace demands, and the
    // turn cell then names neither player: the computer's turn has nothing to do.
    // Were the loop to wait for the human's turn only, it would never end.
    put(10, 4, {1, 1}, 3);
    m.Tabella_Carte(10, 5, 1) = 3;
    watch_flight([&] { turn_cell() = 0; });
    EXPECT_TRUE(click(20));

    EXPECT_TRUE(at_flight.seen);
    EXPECT_EQ(turn_cell(), 0);
    EXPECT_EQ(count(3), 20);
    EXPECT_EQ(count(4), 1);
    EXPECT_FALSE(m.Partita_Finita);
    // The human gets the menus and the top card back, so play can be left.
    EXPECT_TRUE(w.Q_N.Enabled);
    EXPECT_TRUE(w.P(m.Carte_Mazzo_2).Enabled);
}

}  // namespace
}  // namespace tavolora::table
