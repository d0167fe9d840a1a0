#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using testing::TableTest;
using Card = std::pair<int, int>;

class TresetteTable : public TableTest {
protected:
    // Tresette with the seats of `order` and hands of `hand` cards, laid out on the
    // start window with the table shown.
    void lay_out(std::initializer_list<int> order, int hand) {
        choose(4, order, hand);
        animation.Disponi_Tavolo();
        w.PIC_Tavolo.Visible = true;
        w.IMG_Sfondo_Tavolo.Visible = false;
    }

    Card card(int lista, int position) const {
        return {m.Tabella_Carte(lista, position, 1), m.Tabella_Carte(lista, position, 2)};
    }
    void put(int lista, int position, Card c, int owner) {
        m.Tabella_Carte(lista, position, 1) = static_cast<std::int16_t>(c.first);
        m.Tabella_Carte(lista, position, 2) = static_cast<std::int16_t>(c.second);
        m.Tabella_Carte(lista, position, 3) = static_cast<std::int16_t>(c.first == 0 ? 0 : owner);
    }
    // The human's hand from position 1 on, shown and unlocked as at the human's turn.
    void give_human(const std::vector<Card>& cards) {
        for (int p = 1; p <= 40; ++p) put(9, p, {0, 0}, 9);
        int p = 0;
        for (const Card& c : cards) put(9, ++p, c, 9);
        animation.Aggiorna_Carte_Mano();
        animation.Sblocca_Comandi();
    }
    // Once the human's card is down the turn comes straight back to the human: the
    // other seats are out of the turn order.
    void only_the_human_plays() {
        for (int i = 2; i <= 9; ++i) m.Ordine_Giocatori(i) = 0;
        m.Indice_Turno = 1;
    }
    bool click(int index) { return program.input.click({ControlId::P, index}); }
    int table_cards() {
        program.engine.Conta_Carte_Tavolo();
        return m.Carte_In_Tavola;
    }

    // The waits that began, by name.
    std::vector<std::string> waits;
    void watch_waits() {
        program.waits.set_wait_observer([this](std::string_view wait) { waits.emplace_back(wait); });
    }
    int waits_named(std::string_view name) const {
        int n = 0;
        for (const std::string& wait : waits) n += wait == name ? 1 : 0;
        return n;
    }
};

// --- The table and the on-table strip -----------------------------------------------

TEST_F(TresetteTable, TheFreeAreaForCardsStaysClearOfTheSignalWord) {
    lay_out({9, 2}, 10);
    // The plain limits (2160, 6080, 7060, 11580) pulled in by the word's 495 x 1815.
    const int limits[] = {2655, 7895, 6565, 9765};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(a.Limiti_Tavolo(i), limits[i - 1]) << i;

    // They follow the word's size as it stands.
    w.LBL_Parola_Tresette.Height = 0;
    w.LBL_Parola_Tresette.Width = 1000;
    animation.Disponi_Tavolo();
    const int resized[] = {2160, 7080, 7060, 10580};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(a.Limiti_Tavolo(i), resized[i - 1]) << i;
}

TEST_F(TresetteTable, TheStripShowsEveryButtonWithTheDeclarationsSummaryFirst) {
    choose(4, {9, 3, 2, 1}, 10);
    program.storage.Carica_Testi_Italiano();
    animation.Nascondi_Menu_Gioco();
    w.FRM_M_Menu.Height = 975;
    animation.Imposta_Menu_Gioco();
    EXPECT_TRUE(w.FRM_M_Menu.Visible);
    EXPECT_EQ(w.FRM_M_Menu.Height, 2535);
    EXPECT_FALSE(w.CMD_M_ApriChiudi(0).Visible);
    const std::pair<Control*, const char*> buttons[] = {{&w.CMD_M_Briscola, "Riepilogo accusi"},
                                                        {&w.CMD_M_Punteggio, "Visualizza punteggi"},
                                                        {&w.CMD_M_Carte, "Visualizza carte prese"},
                                                        {&w.CMD_M_Tiri, "Visualizza tiri"},
                                                        {&w.CMD_M_Continua, "Prosegui"},
                                                        {&w.CMD_M_Chiudi_Partita, "Esci dalla partita"}};
    for (const auto& [button, caption] : buttons) {
        EXPECT_TRUE(button->Visible) << caption;
        EXPECT_EQ(button->Caption, caption);
    }
}

// --- Two players: the front seat's drawn card ------------------------------------------

// Two-player Tresette after a trick that seat 2 took: the human played from hand
// position 4, seat 2 from 7; 20 cards left in the deck.
class TresetteDraw : public TresetteTable {
protected:
    void SetUp() override {
        lay_out({9, 2}, 10);
        fill_deck();
        deck_count() = 20;
        animation.Disponi_Tavolo();
        const Card human[] = {{4, 1}, {1, 5}, {3, 2}, {0, 0}, {1, 1}, {4, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8}};
        for (int p = 1; p <= 10; ++p) {
            put(9, p, human[p - 1], 9);
            put(2, p, p == 7 ? Card{0, 0} : Card{3, p}, 2);
            Control& front = w.P(80 + p);
            front.Visible = p != 7;
            front.Picture = back("00");
        }
        w.P(82).Picture = face(3, 2);  // shown since the draw before
        m.Tabella_Giocatori(9, 4) = 4;
        m.Tabella_Giocatori(2, 4) = 7;
        m.Indice_Turno_Vincitore = 2;
    }
};

TEST_F(TresetteDraw, TheFrontSeatsCardFliesAndLandsFaceUpUntilTheHumansNextClick) {
    run([&] { animation.Pesca_Carte_Mazzo(); });

    // Seat 2 first, with deck card 20; then the human with 19. Both fly face up.
    EXPECT_EQ(deck_count(), 18);
    EXPECT_EQ(card(2, 7), Card(2, 10));
    EXPECT_EQ(a.Animazioni_Carte(1).Carta(1), 87);
    EXPECT_EQ(a.Animazioni_Carte(1).Immagine, face(2, 10));
    EXPECT_EQ(a.Animazioni_Carte(2).Carta(1), 4);
    EXPECT_EQ(a.Animazioni_Carte(2).Immagine, face(2, 9));

    // Landed: the drawn card shows its face, the rest of the front hand its still back.
    EXPECT_TRUE(w.P(87).Visible);
    EXPECT_EQ(w.P(87).Picture, face(2, 10));
    for (int p : {81, 82, 86, 90}) EXPECT_EQ(w.P(p).Picture, back("0")) << p;

    // The human's hand is sorted by suit, then value.
    const Card sorted[] = {{1, 1}, {1, 5}, {2, 9}, {3, 2}, {4, 1}, {4, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8}};
    for (int p = 1; p <= 10; ++p) EXPECT_EQ(card(9, p), sorted[p - 1]) << p;

    // The human's next click covers the front hand, even when it is refused (a Three
    // of Spade while Coppe is led and held).
    only_the_human_plays();
    put(20, 1, {1, 9}, 2);
    program.master_events.P_Click(4);
    EXPECT_EQ(card(9, 4), Card(3, 2));
    EXPECT_EQ(table_cards(), 1);
    for (int p = 81; p <= 90; ++p) EXPECT_EQ(w.P(p).Picture, back("0")) << p;
}

TEST_F(TresetteDraw, TheLastTricksDrawNothingAndLeavesTheHandAsItIs) {
    deck_count() = 0;
    run([&] { animation.Pesca_Carte_Mazzo(); });
    EXPECT_EQ(a.Animazioni_Avviate, 0);
    EXPECT_EQ(card(9, 1), Card(4, 1));
    EXPECT_EQ(card(9, 5), Card(1, 1));
}

TEST_F(TresetteTable, WithThreePlayersALandingInTheFrontHandRevealsNothing) {
    lay_out({9, 2, 1}, 13);
    put(2, 3, {2, 5}, 2);
    for (int p = 81; p <= 93; ++p) {
        w.P(p).Visible = true;
        w.P(p).Picture = back("00");
    }
    a.Fase_Animazione = phase::kDrawn;
    a.Carta_Animata = 83;
    program.master_events.Sususu();
    a.Fase_Animazione = phase::kNone;
    for (int p = 81; p <= 93; ++p) EXPECT_EQ(w.P(p).Picture, back("00")) << p;
}

// --- Following the suit led -----------------------------------------------------------

TEST_F(TresetteTable, AnotherSuitIsRefusedWhileTheHandHoldsTheLedSuitAnywhere) {
    lay_out({9, 2, 1}, 13);
    only_the_human_plays();
    // Thirteen cards, the only Bastoni at position 13.
    std::vector<Card> hand;
    for (int v = 1; v <= 6; ++v) hand.push_back({1, v});
    for (int v = 1; v <= 6; ++v) hand.push_back({3, v});
    hand.push_back({2, 7});
    give_human(hand);
    put(20, 1, {2, 4}, 2);

    EXPECT_TRUE(click(1));  // delivered, and refused
    EXPECT_EQ(card(9, 1), Card(1, 1));
    EXPECT_EQ(table_cards(), 1);
    EXPECT_FALSE(a.Comandi_Bloccati);
    EXPECT_TRUE(w.P(1).Visible);
    EXPECT_TRUE(w.P(1).Enabled);  // free for another choice

    // The card of the led suit is played.
    EXPECT_TRUE(click(13));
    EXPECT_EQ(card(20, 2), Card(2, 7));
    EXPECT_EQ(m.Tabella_Carte(20, 2, 3), 9);
    EXPECT_EQ(card(9, 13), Card(0, 0));
    EXPECT_FALSE(w.P(13).Visible);
    EXPECT_FALSE(a.Comandi_Bloccati);  // the turn came back to the human

    // With no card of the suit led left, any card goes.
    for (int p = 1; p <= 2; ++p) put(20, p, {0, 0}, 0);
    put(20, 1, {2, 1}, 2);
    EXPECT_TRUE(click(8));
    EXPECT_EQ(card(20, 2), Card(3, 2));
    EXPECT_EQ(card(9, 8), Card(0, 0));
}

// --- The four-player leader's signal ---------------------------------------------------

class TresetteSignal : public TresetteTable {
protected:
    void SetUp() override {
        lay_out({9, 3, 2, 1}, 10);
        only_the_human_plays();
        watch_waits();
        for (int i = 0; i <= 2; ++i) w.CMD_Parola_Tiro(i).Enabled = true;
    }
    // The buttons enabled: Busso, Striscio, Volo.
    std::vector<bool> offered() {
        return {w.CMD_Parola_Tiro(0).Enabled, w.CMD_Parola_Tiro(1).Enabled, w.CMD_Parola_Tiro(2).Enabled};
    }
    // The word stands on the middle card of the hand, P(5).
    void expect_word_over_the_middle_card(const Control* container) {
        const Control& word = w.LBL_Parola_Tresette;
        EXPECT_TRUE(word.Visible);
        EXPECT_EQ(word.container, container);
        EXPECT_EQ(word.Top, w.P(5).Top - word.Height);
        EXPECT_EQ(word.Left, w.P(5).Left);
        EXPECT_GT(word.z, w.P(10).z);
    }
};

TEST_F(TresetteSignal, TheOnlyCardOfItsSuitGivesVoloAtOnceEvenAThree) {
    give_human({{1, 3}, {2, 4}, {2, 5}, {2, 6}, {3, 4}, {3, 5}, {3, 6}, {4, 4}, {4, 5}, {4, 6}});
    EXPECT_TRUE(click(1));
    EXPECT_EQ(waits_named("Parola_Tiro"), 0);
    EXPECT_FALSE(w.PIC_Parola_Tiro.Visible);
    EXPECT_EQ(w.LBL_Parola_Tresette.Caption, "Volo!");
    EXPECT_EQ(offered(), (std::vector<bool>{false, false, true}));
    expect_word_over_the_middle_card(&w.PIC_Tavolo);
    EXPECT_EQ(card(20, 1), Card(1, 3));
}

TEST_F(TresetteSignal, SeveralCardsWithoutTheirThreeOrTwoGiveStriscioAtOnceOverTheBackground) {
    give_human({{1, 3}, {2, 4}, {2, 5}, {2, 6}, {3, 4}, {3, 5}, {3, 6}, {4, 4}, {4, 5}, {4, 6}});
    w.IMG_Sfondo_Tavolo.Visible = true;
    EXPECT_TRUE(click(3));
    EXPECT_EQ(waits_named("Parola_Tiro"), 0);
    EXPECT_EQ(w.LBL_Parola_Tresette.Caption, "Striscio!");
    EXPECT_EQ(offered(), (std::vector<bool>{false, true, false}));
    expect_word_over_the_middle_card(&w.IMG_Sfondo_Tavolo);
    EXPECT_EQ(card(20, 1), Card(2, 5));
}

TEST_F(TresetteSignal, WithTheThreeOrTheTwoThePlayerChoosesBeforeTheCardGoes) {
    // The led card is the Two itself.
    give_human({{1, 2}, {1, 7}, {2, 5}, {2, 6}, {3, 4}, {3, 5}, {3, 6}, {4, 4}, {4, 5}, {4, 6}});
    int asked = 0;
    h.platform.set_idle_responder([&](std::string_view wait) {
        if (wait != "Parola_Tiro") return false;
        if (++asked == 1) {
            // The chooser at the table's centre, the card still in the hand.
            const Control& chooser = w.PIC_Parola_Tiro;
            EXPECT_TRUE(chooser.Visible);
            EXPECT_EQ(chooser.Top, C(23) - chooser.Height / 2);
            EXPECT_EQ(chooser.Left, C(24) - chooser.Width / 2);
            EXPECT_EQ(offered(), (std::vector<bool>{true, true, false}));
            EXPECT_EQ(card(9, 1), Card(1, 2));
            EXPECT_EQ(table_cards(), 0);
            // Another card, a click on the table and the on-table continue button
            // do not end the choice.
            program.master_events.P_Click(2);
            EXPECT_EQ(card(9, 2), Card(1, 7));
            EXPECT_TRUE(program.input.click({ControlId::PIC_Tavolo}));
            program.master_events.CMD_M_Continua_Click();
            return true;
        }
        // The choice, through the button as the window delivers it.
        EXPECT_TRUE(program.input.click({ControlId::CMD_Parola_Tiro, 0}));
        return true;
    });
    EXPECT_TRUE(click(1));

    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(w.PIC_Parola_Tiro.Visible);
    EXPECT_EQ(w.LBL_Parola_Tresette.Caption, "Busso!");
    expect_word_over_the_middle_card(&w.PIC_Tavolo);
    EXPECT_EQ(card(20, 1), Card(1, 2));
    EXPECT_EQ(card(9, 1), Card(0, 0));
    EXPECT_FALSE(a.Continua);
    EXPECT_FALSE(a.Comandi_Bloccati);
}

TEST_F(TresetteSignal, StriscioCanBeChosenOverBusso) {
    give_human({{1, 5}, {1, 3}, {2, 5}, {2, 6}, {3, 4}, {3, 5}, {3, 6}, {4, 4}, {4, 5}, {4, 6}});
    h.platform.set_idle_responder([&](std::string_view wait) {
        return wait == "Parola_Tiro" && program.input.click({ControlId::CMD_Parola_Tiro, 1});
    });
    EXPECT_TRUE(click(1));
    EXPECT_EQ(waits_named("Parola_Tiro"), 1);
    EXPECT_EQ(w.LBL_Parola_Tresette.Caption, "Striscio!");
    EXPECT_EQ(card(20, 1), Card(1, 5));
}

TEST_F(TresetteSignal, NoSignalWhenFollowingOrWhenTheHandIsLocked) {
    give_human({{1, 2}, {1, 7}, {2, 5}, {2, 6}, {3, 4}, {3, 5}, {3, 6}, {4, 4}, {4, 5}, {4, 6}});
    a.Comandi_Bloccati = true;
    program.master_events.P_Click(1);
    EXPECT_FALSE(w.LBL_Parola_Tresette.Visible);
    EXPECT_EQ(card(9, 1), Card(1, 2));

    a.Comandi_Bloccati = false;
    put(20, 1, {1, 1}, 3);
    EXPECT_TRUE(click(1));
    EXPECT_EQ(card(20, 2), Card(1, 2));
    EXPECT_FALSE(w.LBL_Parola_Tresette.Visible);
    EXPECT_EQ(offered(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(waits_named("Parola_Tiro"), 0);
}

TEST_F(TresetteTable, TwoAndThreePlayersLeadWithoutASignal) {
    for (std::initializer_list<int> order : {std::initializer_list<int>{9, 2}, {9, 2, 1}}) {
        lay_out(order, 10);
        only_the_human_plays();
        for (int p = 1; p <= 40; ++p) put(20, p, {0, 0}, 0);
        give_human({{1, 2}, {1, 7}, {2, 5}, {2, 6}, {3, 4}, {3, 5}, {3, 6}, {4, 4}, {4, 5}, {4, 6}});
        EXPECT_TRUE(click(1));
        EXPECT_EQ(card(20, 1), Card(1, 2));
        EXPECT_FALSE(w.PIC_Parola_Tiro.Visible);
        EXPECT_FALSE(w.LBL_Parola_Tresette.Visible);
    }
}

// --- The end-of-hand continue button ------------------------------------------------------

class TresetteContinue : public TresetteTable {
protected:
    void SetUp() override {
        choose(4, {9, 3, 2, 1}, 10);
        w.PIC_Tavolo.Visible = true;
        w.PIC_Fine_Partita.Visible = true;
        w.CMD_Continua.Caption = "Fine partita";
        m.Numero_Mano = 3;
    }
    void press(int mode, bool over) {
        m.Modalita_Partita = mode;
        m.Partita_Terminata = over;
        run([&] { program.master_events.CMD_Continua_Click(); });
    }
};

TEST_F(TresetteContinue, ToATargetTheLastHandsDeclarationsGoBeforeTheNextDeal) {
    for (int p = 10; p <= 21; ++p) {
        for (int attribute = 1; attribute <= 3; ++attribute) {
            m.Tabella_Carte(37, p, attribute) = static_cast<std::int16_t>(attribute);
        }
    }
    w.LBL_Parola_Tresette.Visible = true;
    m.Primo_Giocatore = 9;
    // What the marks hold when the first card of the new hand starts to fly.
    std::vector<int> at_deal;
    program.waits.set_wait_observer([&](std::string_view) {
        if (!at_deal.empty()) return;
        for (int p = 10; p <= 21; ++p) {
            for (int attribute = 1; attribute <= 3; ++attribute) {
                at_deal.push_back(m.Tabella_Carte(37, p, attribute));
            }
        }
    });
    press(2, false);

    ASSERT_EQ(at_deal.size(), 36U);
    const std::vector<int> kept = {1, 2, 3};
    EXPECT_EQ(std::vector<int>(at_deal.begin(), at_deal.begin() + 3), kept);
    for (std::size_t i = 3; i < 33; ++i) EXPECT_EQ(at_deal[i], 0) << i;
    EXPECT_EQ(std::vector<int>(at_deal.begin() + 33, at_deal.end()), kept);
    // A new hand: dealt, the human to lead.
    EXPECT_EQ(program.engine.Conta_Carte_Lista(9), 10);
    EXPECT_TRUE(w.PIC_Tavolo.Visible);
    EXPECT_FALSE(w.PIC_Fine_Partita.Visible);
    EXPECT_FALSE(w.LBL_Parola_Tresette.Visible);
    EXPECT_EQ(w.CMD_Continua.Caption, "Continua la partita...");
}

TEST_F(TresetteContinue, AFinishedMatchLeavesTheTableAndOtherKindsStartNoHand) {
    for (int mode : {1, 2}) {
        w.PIC_Tavolo.Visible = true;
        press(mode, true);
        EXPECT_FALSE(w.PIC_Tavolo.Visible) << mode;
        EXPECT_EQ(w.CMD_Continua.Caption, "Continua la partita...");
    }
    const std::pair<int, bool> no_hand[] = {{1, false}, {3, false}, {4, false}, {3, true}, {4, true}};
    for (const auto& [mode, over] : no_hand) {
        w.PIC_Tavolo.Visible = true;
        const int hands = m.Numero_Mano;
        press(mode, over);
        EXPECT_TRUE(w.PIC_Tavolo.Visible) << mode;
        EXPECT_EQ(m.Numero_Mano, hands + 1);
        EXPECT_EQ(program.engine.Conta_Carte_Lista(9), 0) << mode;
    }
}

}  // namespace
}  // namespace tavolora::table
