#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using platform::kMillisecond;
using testing::TableTest;

class ScopaTable : public TableTest {
protected:
    // Scopa with the seats of `order`, `opening` cards face up on the table.
    void choose_scopa(std::initializer_list<int> order, int opening) {
        choose(2, order);
        m.Carte_Tavola_Iniziali = static_cast<std::int16_t>(opening);
    }

    std::pair<int, int> card(int lista, int position) const {
        return {m.Tabella_Carte(lista, position, 1), m.Tabella_Carte(lista, position, 2)};
    }
    static std::pair<int, int> deck_card(int position) {
        return {(position - 1) / 10 + 1, (position - 1) % 10 + 1};
    }
    void put(int lista, int position, int suit, int value, int owner = 0) {
        m.Tabella_Carte(lista, position, 1) = static_cast<std::int16_t>(suit);
        m.Tabella_Carte(lista, position, 2) = static_cast<std::int16_t>(value);
        m.Tabella_Carte(lista, position, 3) = static_cast<std::int16_t>(owner);
    }
    // Every card dealt so far, wherever it lies.
    bool dealt_anywhere(std::pair<int, int> wanted) const {
        for (int lista : {1, 2, 3, 9, 20}) {
            for (int p = 1; p <= 40; ++p) {
                if (card(lista, p) == wanted) return true;
            }
        }
        return false;
    }

    // The flight phase while the first tick runs.
    int phase_in_flight = -1;
    void watch_phase() {
        h.platform.at(20 * kMillisecond, [this] { phase_in_flight = a.Fase_Animazione; });
    }
};

// --- The deal and its flights -------------------------------------------------------

TEST_F(ScopaTable, TwoPlayersGetTheirHandsThenFourCardsFaceUpOnTheTable) {
    choose_scopa({9, 2}, 4);
    fill_deck();
    for (int k = 1; k <= 4; ++k) m.Tabella_Carte(20, k, 3) = 9;
    animation.Assegna_Carte_Giocatori();
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(card(9, k), deck_card(41 - k));
        EXPECT_EQ(card(2, k), deck_card(38 - k));
    }
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(card(20, k), deck_card(35 - k)) << k;
        EXPECT_EQ(m.Tabella_Carte(20, k, 3), 0);
    }
    EXPECT_EQ(m.Tabella_Carte(20, 5, 1), 0);
    EXPECT_EQ(deck_count(), 30);

    animation.Disponi_Tavolo();
    run([&] { animation.Distribuisci_Carte(); });
    EXPECT_EQ(a.Animazioni_Avviate, 10);
    // After the six hand flights, the table cards, 37 to 40 stack steps from the
    // bottom deck card.
    for (int s = 7; s <= 10; ++s) {
        const Tipo_Animazione& slot = a.Animazioni_Carte(s);
        EXPECT_EQ(slot.Carta(1), 194 + s);
        EXPECT_EQ(slot.Immagine, back("00"));
        EXPECT_EQ(slot.Coordinate(1), C(1) - 10 * (30 + s)) << s;
        EXPECT_EQ(slot.Coordinate(2), C(2) + 5 * (30 + s)) << s;
        EXPECT_EQ(slot.Coordinate(5), w.P(194 + s).Top);
        EXPECT_EQ(slot.Coordinate(6), w.P(194 + s).Left);
    }
}

TEST_F(ScopaTable, ThreePlayersLeaveTheFourOfSuitFourOutOfTheDeal) {
    choose_scopa({9, 2, 1}, 4);
    fill_deck();
    animation.Assegna_Carte_Giocatori();
    EXPECT_EQ(card(9, 1), deck_card(39));
    EXPECT_EQ(card(1, 3), deck_card(31));
    EXPECT_EQ(card(20, 1), deck_card(30));
    EXPECT_EQ(card(20, 4), deck_card(27));
    EXPECT_EQ(deck_count(), 26);
    EXPECT_EQ(card(21, 40), std::make_pair(4, 4));
    EXPECT_FALSE(dealt_anywhere({4, 4}));
}

// --- The redeal ---------------------------------------------------------------------

// Two-player Scopa after the deal: the hands played out, 30 cards in the deck.
class ScopaRedeal : public ScopaTable {
protected:
    void SetUp() override {
        choose_scopa({9, 2}, 4);
        fill_deck();
        animation.Assegna_Carte_Giocatori();
        for (int lista : {2, 9}) {
            for (int k = 1; k <= 3; ++k) put(lista, k, 0, 0);
        }
        animation.Disponi_Tavolo();
    }
};

TEST_F(ScopaRedeal, EverySeatGetsANewHandFaceDownInTurnOrderAndTheHandsAreSorted) {
    m.Indice_5 = 7;  // what the last capture left there plays no part
    watch_phase();
    run([&] { animation.Pesca_Carte_Mazzo(); });

    EXPECT_EQ(phase_in_flight, phase::kDrawn);
    EXPECT_EQ(a.Fase_Animazione, phase::kNone);
    EXPECT_EQ(deck_count(), 24);
    // The front seat's hand in deal order: deck positions 27, 26, 25.
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(card(2, j), deck_card(28 - j));
        EXPECT_EQ(m.Tabella_Carte(2, j, 3), 2);
    }
    // The human's (30, 29, 28: values 10, 9, 8) sorted by value.
    EXPECT_EQ(card(9, 1), deck_card(28));
    EXPECT_EQ(card(9, 3), deck_card(30));
    // The deck pictures of the cards taken are hidden from the top.
    for (int k = 25; k <= 30; ++k) EXPECT_FALSE(w.P(240 + k).Visible) << k;
    EXPECT_TRUE(w.P(264).Visible);

    EXPECT_EQ(a.Animazioni_Avviate, 6);
    const int pictures[] = {1, 2, 3, 81, 82, 83};
    for (int s = 1; s <= 6; ++s) {
        const Tipo_Animazione& slot = a.Animazioni_Carte(s);
        EXPECT_EQ(slot.Carta(1), pictures[s - 1]);
        EXPECT_EQ(slot.Immagine, back("00"));  // the human's card too
        // Slot s starts s stack steps beyond the 24 cards left.
        EXPECT_EQ(slot.Coordinate(1), C(1) - 10 * (24 + s)) << s;
        EXPECT_EQ(slot.Coordinate(2), C(2) + 5 * (24 + s)) << s;
        EXPECT_EQ(slot.Coordinate(5), w.P(pictures[s - 1]).Top);
        EXPECT_EQ(slot.Coordinate(6), w.P(pictures[s - 1]).Left);
    }
}

TEST_F(ScopaRedeal, TheHandsDealtFromTheLastCardsAreNotSorted) {
    deck_count() = 6;
    run([&] { animation.Pesca_Carte_Mazzo(); });
    EXPECT_EQ(deck_count(), 0);
    EXPECT_EQ(card(9, 1), deck_card(6));
    EXPECT_EQ(card(9, 3), deck_card(4));
    EXPECT_EQ(card(2, 3), deck_card(1));
}

TEST_F(ScopaTable, TheLastRedealOfThreePlayersGivesOnlyTheCardsLeft) {
    choose_scopa({9, 2, 1}, 4);
    fill_deck();
    animation.Assegna_Carte_Giocatori();
    animation.Disponi_Tavolo();
    const auto play_out = [&] {
        for (int lista : {1, 2, 9}) {
            for (int k = 1; k <= 3; ++k) put(lista, k, 0, 0);
        }
    };
    // 26 cards: two full redeals, then 8 for nine places.
    for (int redeal = 1; redeal <= 2; ++redeal) {
        play_out();
        run([&] { animation.Pesca_Carte_Mazzo(); });
    }
    EXPECT_EQ(deck_count(), 8);
    play_out();
    run([&] { animation.Pesca_Carte_Mazzo(); });

    EXPECT_EQ(deck_count(), 0);
    EXPECT_EQ(a.Animazioni_Avviate, 8);
    EXPECT_EQ(card(2, 1), deck_card(5));
    EXPECT_EQ(card(1, 1), deck_card(2));
    EXPECT_EQ(card(1, 2), deck_card(1));
    EXPECT_EQ(m.Tabella_Carte(1, 3, 1), 0);
    EXPECT_EQ(a.Animazioni_Carte(8).Carta(1), 42);
    EXPECT_EQ(a.Animazioni_Carte(8).Coordinate(1), C(1) - 10 * 8);
    EXPECT_EQ(a.Animazioni_Carte(9).Stato(1), 'Z');
    EXPECT_FALSE(dealt_anywhere({4, 4}));
}

// --- The capture flight and the sweep -------------------------------------------------

// Scopa laid out, the names of the seats and of the user known.
class ScopaCapture : public ScopaTable {
protected:
    void lay_out(std::initializer_list<int> order) {
        choose_scopa(order, 0);
        animation.Disponi_Tavolo();
        m.Nomi_Giocatori(1) = "Carla               ";
        m.Nomi_Giocatori(2) = "Bruno               ";
        m.Nomi_Giocatori(3) = "Dario               ";
        program.settings.Nome_Utente.assign("Anna");
        w.PIC_Riepilogo_Accusi.Visible = false;
        w.Lista_Evento_Speciale.Clear();
    }
    // A card at table place `place`, its picture lying at (4000, 1000 x place).
    void on_table(int place, int suit, int value) {
        put(20, place, suit, value, 1);
        w.P(200 + place).Top = 4000;
        w.P(200 + place).Left = 1000.0F * static_cast<float>(place);
        w.P(200 + place).Visible = true;
    }
    void capture(std::initializer_list<int> places) {
        int i = 0;
        for (int place : places) m.Tabella_Carte(38, ++i, 3) = static_cast<std::int16_t>(place);
        m.Tabella_Carte(38, 41, 1) = static_cast<std::int16_t>(i);
    }
    void turn_of(int seat) {
        for (int i = 1; i <= m.Numero_Giocatori; ++i) {
            if (m.Ordine_Giocatori(i) == seat) m.Indice_Turno = static_cast<std::int16_t>(i);
        }
    }
};

TEST_F(ScopaCapture, APartnersCaptureFliesToTheHumansPileAndItsSweepNamesThePartner) {
    lay_out({9, 3, 2, 1});
    for (int k = 1; k <= 4; ++k) put(19, k, 1, k);
    on_table(2, 2, 3);
    on_table(5, 3, 4);
    on_table(7, 4, 7);
    capture({2, 5});
    turn_of(2);
    m.Tabella_Carte(2, 1, 1) = 1;  // a hand still to play
    program.settings.Tempi_Animazione(3) = 4;
    watch_phase();
    run([&] { animation.Raccogli_Presa(); });

    EXPECT_EQ(phase_in_flight, phase::kTaken);
    EXPECT_EQ(a.Fase_Animazione, phase::kNone);
    EXPECT_EQ(h.platform.now(), 4 * 20 * kMillisecond);
    EXPECT_EQ(m.Vincitore_Mano, 9);
    EXPECT_EQ(m.Vincitore_Effettivo, 2);
    EXPECT_EQ(card(19, 5), std::make_pair(2, 3));
    EXPECT_EQ(card(19, 6), std::make_pair(3, 4));
    EXPECT_EQ(m.Tabella_Carte(19, 5, 3), 0);  // the seat that laid it is not copied
    EXPECT_EQ(a.Carte_Tavola_Dopo_Presa, 2);
    // The captured places are cleared, the other card stays: no sweep.
    EXPECT_EQ(m.Tabella_Carte(20, 2, 1), 0);
    EXPECT_EQ(m.Tabella_Carte(20, 5, 1), 0);
    EXPECT_EQ(card(20, 7), std::make_pair(4, 7));
    EXPECT_TRUE(w.Lista_Evento_Speciale.items.empty());
    EXPECT_EQ(m.Tabella_Carte(37, 19, 1), 0);

    const int places[] = {2, 5};
    for (int i = 1; i <= 2; ++i) {
        const Tipo_Animazione& slot = a.Animazioni_Carte(i);
        EXPECT_EQ(slot.Carta(1), 200 + places[i - 1]);
        EXPECT_EQ(slot.Immagine, face(card(19, 4 + i).first, card(19, 4 + i).second));
        EXPECT_EQ(slot.Coordinate(1), 4000);
        EXPECT_EQ(slot.Coordinate(2), 1000 * places[i - 1]);
        EXPECT_EQ(slot.Coordinate(5), C(13) - 10 * (3 + i));
        EXPECT_EQ(slot.Coordinate(6), C(14) + 5 * (3 + i));
    }
    // Each landed card lies on the pile at its own place.
    EXPECT_TRUE(w.P(305).Visible);
    EXPECT_TRUE(w.P(306).Visible);

    // The front seat clears the table: the sweep is its own.
    capture({7});
    run([&] { animation.Raccogli_Presa(); });
    EXPECT_EQ(m.Tabella_Carte(19, 7, 3), 15);
    EXPECT_EQ(m.Tabella_Carte(37, 19, 1), 1);
    EXPECT_TRUE(w.PIC_Riepilogo_Accusi.Visible);
    EXPECT_EQ(w.Lista_Evento_Speciale.items, std::vector<std::string>{"Bruno ha fatto scopa!"});
}

TEST_F(ScopaCapture, AClearedTableIsASweepOnlyWhileCardsAreStillToBePlayed) {
    lay_out({9, 2});
    turn_of(9);

    // The deck is empty but the front seat still holds a card: a sweep, the user's.
    deck_count() = 0;
    m.Tabella_Carte(2, 3, 1) = 4;
    on_table(1, 1, 5);
    capture({1});
    run([&] { animation.Raccogli_Presa(); });
    EXPECT_EQ(m.Tabella_Carte(37, 19, 1), 1);
    EXPECT_EQ(w.Lista_Evento_Speciale.items, std::vector<std::string>{"Anna ha fatto scopa!"});

    // The deck still holds cards and the hands are empty: a sweep too.
    m.Tabella_Carte(2, 3, 1) = 0;
    deck_count() = 6;
    on_table(3, 2, 6);
    capture({3});
    run([&] { animation.Raccogli_Presa(); });
    EXPECT_EQ(m.Tabella_Carte(37, 19, 1), 2);

    // The last capture of the hand, deck and hands empty: none.
    deck_count() = 0;
    on_table(4, 3, 6);
    capture({4});
    run([&] { animation.Raccogli_Presa(); });
    EXPECT_EQ(m.Tabella_Carte(37, 19, 1), 2);
    EXPECT_EQ(m.Tabella_Carte(19, 3, 3), 0);
    EXPECT_EQ(w.Lista_Evento_Speciale.items.size(), 2U);

    // The hand is over: the cards left go to the last capturer, not to the seat to
    // move, and are no sweep though a hand still holds a card.
    m.Partita_Finita = true;
    m.Ultimo_Presa = 2;
    m.Tabella_Carte(9, 1, 1) = 2;
    on_table(1, 4, 1);
    on_table(2, 4, 2);
    capture({1, 2});
    run([&] { animation.Raccogli_Presa(); });
    EXPECT_EQ(card(12, 1), std::make_pair(4, 1));
    EXPECT_EQ(card(12, 2), std::make_pair(4, 2));
    EXPECT_EQ(m.Tabella_Carte(37, 12, 1), 0);
    EXPECT_EQ(m.Tabella_Carte(12, 2, 3), 0);
    EXPECT_EQ(w.Lista_Evento_Speciale.items.size(), 2U);
    EXPECT_EQ(m.Tabella_Carte(20, 1, 1), 0);
}

// --- The card laid in the widest gap ------------------------------------------------

// Two-player Scopa laid out with a free area 2000..14000 across and the whole
// table's height down, so that the first attempt stands. A card's Left may reach
// the right limit, so the row the cards lie in ends at 14000 + 1080.
class ScopaLay : public ScopaTable {
protected:
    void SetUp() override {
        choose_scopa({9, 2}, 0);
        animation.Disponi_Tavolo();
        a.Limiti_Tavolo(1) = 0;
        a.Limiti_Tavolo(2) = 2000;
        a.Limiti_Tavolo(3) = 30000;
        a.Limiti_Tavolo(4) = 14000;
        program.settings.Tempi_Animazione(2) = 4;
    }

    // A card lying at table place `place` with its right edge at `edge`, at the
    // height of the table's centre.
    void lying(int place, float edge) {
        w.P(200 + place).Left = edge - kCardWidth;
        w.P(200 + place).Top = C(21);
        w.P(200 + place).Visible = true;
    }
    // The human's card laid at table place `place`.
    const Control& lay(int place, std::uint64_t seed) {
        program.cosmetic.reseed(seed);
        m.Indice_Turno = 1;
        m.Tabella_Giocatori(5, 1) = static_cast<std::int16_t>(place);
        animation.Libera_Animazioni();
        animation.fill_flight_slot(1, 2, face(1, 7), 8860, 10110, 0, 0, 1);
        run([&] { animation.Trova_Posto_Sul_Tavolo(); });
        return w.P(200 + place);
    }
    void expect_just_after(const Control& card, double edge) const {
        EXPECT_GE(card.Left, edge + 1);
        EXPECT_LT(card.Left, edge + kCardWidth / 4 + 1);
        EXPECT_GE(card.Top, C(21) + 1);
        EXPECT_LT(card.Top, C(21) + 3 * kCardWidth / 4 + 1);
    }
};

TEST_F(ScopaLay, OnAnEmptyTableTheCardGoesToTheLeftEndOfTheFreeArea) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const Control& card = lay(1, seed);
        expect_just_after(card, 2000);
        EXPECT_EQ(m.Carte_In_Tavola, 1);
        EXPECT_EQ(a.Tentativi_Posto, 1);
        const Tipo_Animazione& slot = a.Animazioni_Carte(1);
        EXPECT_EQ(slot.Carta(2), 201);
        EXPECT_EQ(slot.Coordinate(6), Animation::whole_twips(card.Left));
    }
    EXPECT_EQ(a.Animazioni_Avviate, 1);
    EXPECT_TRUE(w.Lista_Left_Ordinata.items.empty());
    EXPECT_EQ(w.Lista_Distanze.items, (std::vector<std::string>{"13080"}));
}

TEST_F(ScopaLay, WithOneCardTheWiderGapWinsAndAnEqualOneLeavesTheCardAfterTheLimit) {
    lying(1, 9080);  // gaps 6000 and 6000
    expect_just_after(lay(2, 3), 2000);
    lying(1, 8080);  // 5000 and 7000
    expect_just_after(lay(2, 3), 8080);
    lying(1, 10080);  // 7000 and 5000
    expect_just_after(lay(2, 3), 2000);
}

TEST_F(ScopaLay, TheEdgesAreSortedAndTheFirstOfTwoWidestGapsIsTaken) {
    lying(1, 8000);
    lying(2, 13000);
    lying(3, 3000);
    w.P(204).Visible = false;  // the card being laid
    const Control& card = lay(4, 5);

    // The left edges sorted; the free gaps from the left limit or a card's right edge
    // to the next card's left edge, the first reached into by a card.
    expect_just_after(card, 3000);
    EXPECT_EQ(w.Lista_Left_Ordinata.items, (std::vector<std::string>{"1920", "6920", "11920"}));
    EXPECT_EQ(w.Lista_Distanze.items, (std::vector<std::string>{"-80", "3920", "3920", "2080"}));
    EXPECT_EQ(m.Valore_Massimo, 3920);
    EXPECT_EQ(m.Valore_Minimo, 100000);

    // Any table place can be laid; a place outside the table lays nothing.
    for (int place = 1; place <= 3; ++place) w.P(200 + place).Visible = false;
    expect_just_after(lay(40, 5), 2000);
    EXPECT_EQ(a.Animazioni_Carte(1).Carta(2), 240);
    a.Animazioni_Avviate = 0;
    lay(41, 5);
    EXPECT_EQ(a.Animazioni_Avviate, 0);
}

// The row 2000..6080 with a card at each end of it.
TEST_F(ScopaLay, TheCardGoesWhereItCoversNoCardAndOnACrowdedTableHidesLeast) {
    a.Limiti_Tavolo(4) = 5000;
    lying(1, 3080);
    lying(2, 4780);
    // Free: 620 between the two cards, 1300 after the second; the card fits only
    // there, however far right its random offset would take it.
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const Control& card = lay(3, seed);
        EXPECT_GE(card.Left, 4780) << seed;
        EXPECT_LE(card.Left, 5000) << seed;
    }
    // Free: 720, then 120: no gap holds a card. Over the middle of the wider one it
    // hides 180 twips of each neighbour, the least it can.
    lying(2, 4880);
    lying(3, 6080);
    for (std::uint64_t seed = 1; seed <= 5; ++seed) EXPECT_FLOAT_EQ(lay(4, seed).Left, 2900) << seed;
}

TEST_F(ScopaTable, TheStripHasNoContinueOrThrowsButton) {
    choose_scopa({9, 2}, 0);
    program.storage.Carica_Testi_Italiano();
    animation.Nascondi_Menu_Gioco();
    w.CMD_M_Continua.Visible = true;
    animation.Imposta_Menu_Gioco();
    EXPECT_TRUE(w.FRM_M_Menu.Visible);
    EXPECT_EQ(w.CMD_M_Briscola.Caption, "Ridisposizione Carte");
    for (const Control* shown :
         {&w.CMD_M_Briscola, &w.CMD_M_Carte, &w.CMD_M_Punteggio, &w.CMD_M_Chiudi_Partita}) {
        EXPECT_TRUE(shown->Visible);
    }
    EXPECT_FALSE(w.CMD_M_Continua.Visible);
    EXPECT_FALSE(w.CMD_M_Tiri.Visible);
}

TEST_F(ScopaTable, TheFreeAreaReachesTheRightSeatsColumn) {
    choose_scopa({9, 2}, 0);
    animation.Disponi_Tavolo();
    EXPECT_EQ(a.Limiti_Tavolo(4), C(36));
    EXPECT_EQ(a.Limiti_Tavolo(2), C(40) + a.Altezza_Carta);
}

}  // namespace
}  // namespace tavolora::table
