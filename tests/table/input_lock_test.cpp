#include <gtest/gtest.h>

#include <utility>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using testing::TableTest;

class InputLock : public TableTest {
protected:
    void SetUp() override {
        choose(1, {9, 2});
        program.storage.Carica_Testi_Italiano();
    }
};

TEST_F(InputLock, LockingLeavesExitUsableAndUnlockingEnablesOnlyHeldCards) {
    m.Tabella_Carte(9, 1, 1) = 1;
    m.Tabella_Carte(9, 3, 1) = 2;
    const Control* titles[] = {&w.Q_N, &w.Q_G, &w.Q_C, &w.Q_Gi, &w.Q_H, &w.Q_O, &w.Q_U};
    animation.Blocca_Comandi();
    EXPECT_TRUE(a.Comandi_Bloccati);
    EXPECT_FALSE(w.CMD_M_Tiri.Enabled);
    for (const Control* title : titles) EXPECT_FALSE(title->Enabled);
    EXPECT_TRUE(w.accepts_input({ControlId::Q_E, 0}));
    EXPECT_FALSE(w.accepts_input({ControlId::Q_Gi, 0}));

    // Locks do not nest: one unlock undoes two.
    animation.Blocca_Comandi();
    animation.Sblocca_Comandi();
    EXPECT_FALSE(a.Comandi_Bloccati);
    EXPECT_TRUE(w.P(1).Enabled);
    EXPECT_FALSE(w.P(2).Enabled);  // position 2 holds no card
    EXPECT_TRUE(w.P(3).Enabled);
    EXPECT_TRUE(w.CMD_Ordine_Carte.Enabled);
    for (const Control* title : titles) EXPECT_TRUE(title->Enabled);
}

TEST_F(InputLock, TheStripShowsBriscolasButtonsAgainAfterBeingHidden) {
    animation.Nascondi_Menu_Gioco();
    EXPECT_FALSE(w.FRM_M_Menu.Visible);
    EXPECT_FALSE(w.CMD_M_Tiri.Visible);
    EXPECT_TRUE(w.CMD_M_Chiudi_Partita.Visible);

    w.FRM_M_Menu.Height = 975;
    animation.Imposta_Menu_Gioco();
    EXPECT_TRUE(w.FRM_M_Menu.Visible);
    EXPECT_EQ(w.FRM_M_Menu.Height, 2535);
    const std::pair<Control*, const char*> buttons[] = {{&w.CMD_M_Briscola, "Visualizza briscola"},
                                                        {&w.CMD_M_Punteggio, "Visualizza punteggi"},
                                                        {&w.CMD_M_Carte, "Visualizza carte prese"},
                                                        {&w.CMD_M_Tiri, "Visualizza tiri"},
                                                        {&w.CMD_M_Continua, "Prosegui"},
                                                        {&w.CMD_M_Chiudi_Partita, "Esci dalla partita"}};
    for (const auto& [button, caption] : buttons) {
        EXPECT_TRUE(button->Visible) << caption;
        EXPECT_EQ(button->Caption, caption);
    }

    // A game without a strip of its own gets the captions only.
    animation.Nascondi_Menu_Gioco();
    m.Codice_Gioco = 5;
    animation.Imposta_Menu_Gioco();
    EXPECT_FALSE(w.FRM_M_Menu.Visible);
    EXPECT_FALSE(w.CMD_M_Carte.Visible);
}

}  // namespace
}  // namespace tavolora::table
