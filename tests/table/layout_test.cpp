#include <gtest/gtest.h>

#include <utility>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using testing::TableTest;

class Layout : public TableTest {};

// The start window, 15360 x 11520 twips outside, the table as wide; a card of
// 1080 x 1800: the table is 11020 high.
TEST_F(Layout, TwoPlayerBriscolaOnTheStartWindow) {
    choose(1, {9, 2});
    fill_deck();
    deck_count() = 34;
    m.Tabella_Carte(20, 1, 1) = 2;
    m.Tabella_Carte(20, 3, 1) = 4;  // a gap in the table list is passed over
    animation.Disponi_Tavolo();

    EXPECT_EQ(a.Altezza_Carta, 1800);
    EXPECT_EQ(w.PIC_Tavolo.Height, 11020);
    const std::pair<int, int> points[] = {
        {1, 4700},   {2, 100},    {3, 8860},   {4, 6080},  {5, 2160},   {6, 12660},  {7, 360},
        {8, 6080},   {9, 2160},   {10, 4280},  {13, 9472}, {14, 12840}, {15, 180},   {16, 13272},
        {17, 468},   {18, 4100},  {19, 9040},  {20, 4388}, {21, 4660},  {22, 8670},  {23, 5560},
        {24, 9210},  {25, 11020}, {26, 11080}, {27, 4280}, {33, 8860},  {34, 12660}, {35, 8860},
        {36, 12660}, {37, 360},   {38, 12660}, {39, 8860}, {40, 4280}};
    for (const auto& [entry, value] : points) EXPECT_EQ(C(entry), value) << "C" << entry;
    const int limits[] = {2160, 6080, 7060, 11580};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(a.Limiti_Tavolo(i), limits[i - 1]);

    // Three cards centred between C4 and C34 with gaps of 200: 1470 free each side.
    const float lefts[] = {7550, 8830, 10110};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(w.P(i).Top, 8860);
        EXPECT_EQ(w.P(i).Left, lefts[i - 1]);
        EXPECT_EQ(w.P(80 + i).Top, 360);
        EXPECT_EQ(w.P(80 + i).Left, lefts[i - 1]);
    }
    EXPECT_LT(w.P(1).z, w.P(2).z);
    EXPECT_EQ(w.P(41).Left, 0);  // seat 1 does not play

    // The deck: 34 backs, each 10 twips higher and 5 to the right, the trump card's
    // face under them; the pictures past the deck count are not touched.
    EXPECT_EQ(w.P(242).Top, 4690);
    EXPECT_EQ(w.P(242).Left, 105);
    EXPECT_EQ(w.P(274).Picture, back("00"));
    EXPECT_TRUE(w.P(274).Visible);
    EXPECT_FALSE(w.P(275).Visible);
    EXPECT_EQ(w.P(241).Picture, face(1, 1));
    EXPECT_EQ(w.P(241).Left, 460);
    EXPECT_EQ(w.P(241).Top, 5240);
    EXPECT_LT(w.P(241).z, w.P(242).z);

    // The table cards in one row: C24 - ((n / 2 - t) + 1) w - (k / 2 - t) 200.
    EXPECT_EQ(w.P(201).Top, 4660);
    EXPECT_EQ(w.P(201).Left, 9210 - 1080 - 100);
    EXPECT_EQ(w.P(203).Left, 9210 + 100);
}

TEST_F(Layout, SideColumnsAndPilesWithFourPlayers) {
    choose(1, {9, 1, 2, 3});
    m.Tabella_Carte(11, 1, 1) = 2;
    m.Tabella_Carte(11, 2, 1) = 3;
    w.P.Load(341);
    w.P.Load(342);
    animation.Disponi_Tavolo();

    // Columns of 6700 twips: three cards with gaps, the margin (6700 - 3240) / 2.
    const float tops[] = {3690, 4970, 6250};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(w.P(40 + i).Top, tops[i - 1]);
        EXPECT_EQ(w.P(40 + i).Left, 12660);
        EXPECT_EQ(w.P(120 + i).Top, tops[i - 1]);
        EXPECT_EQ(w.P(120 + i).Left, 4280);
    }
    // The pile's first card already one step off the pile point.
    EXPECT_EQ(w.P(341).Top, 180 - 10);
    EXPECT_EQ(w.P(342).Left, 13272 + 10);
}

TEST_F(Layout, NarrowWindowsAndOneCardHandsOverlapUpToTheRowsEnd) {
    choose(1, {9, 2});
    program.master_events.window_resized(11000, 11520, 11000, 11020);
    ASSERT_EQ(C(34), 8300);
    const float lefts[] = {6080, 6650, 7220};
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(w.P(i).Left, lefts[i - 1]);
    EXPECT_EQ(w.P(3).Left + kCardWidth, C(34));

    // One card: the step cannot be divided out, the card goes to the row's start.
    m.Carte_In_Mano = 1;
    animation.Disponi_Tavolo();
    EXPECT_EQ(w.P(1).Left, C(4));
    EXPECT_EQ(a.Larghezza_Carta, kCardWidth);
}

// Scopa's table lined up: C24 9210 on the start window, three cards in hand.
TEST_F(Layout, AScopaTableLinedUpFitsInsideTheTableClosingItsSpacingOnlyWhenItMust) {
    choose(2, {9, 2});
    const auto line_up = [&](int n) {
        for (int place = 1; place <= 40; ++place) m.Tabella_Carte(20, place, 1) = place <= n ? 1 : 0;
        animation.Disponi_Tavolo();
    };
    // Eight cards fit with the gaps of 200: the last ends at 9210 + 4 w + 6.5 x 200.
    line_up(8);
    EXPECT_EQ(w.P(201).Left, 9210 - 4 * 1080 - 100);
    EXPECT_EQ(w.P(208).Left + kCardWidth, 14830);
    EXPECT_EQ(w.P(202).Left - w.P(201).Left, 1280);

    for (const float table_width : {15240.0F, 12000.0F}) {
        program.master_events.window_resized(table_width + 120, 11520, table_width, 11020);
        for (int n = 9; n <= 16; ++n) {
            line_up(n);
            const float step = w.P(202).Left - w.P(201).Left;
            EXPECT_GE(w.P(201).Left, 0) << n;
            EXPECT_LE(w.P(200 + n).Left + kCardWidth, table_width + 0.01F)
                << n << " cards in " << table_width;
            EXPECT_LE(step, kCardWidth + 200) << n;
            // Still one row in table order, evenly spaced, each card half in sight.
            EXPECT_GT(step, kCardWidth / 2) << n;
            for (int t = 2; t <= n; ++t) {
                EXPECT_NEAR(w.P(200 + t).Left - w.P(199 + t).Left, step, 0.01) << n;
                EXPECT_EQ(w.P(200 + t).Top, C(21));
            }
        }
    }
}

TEST_F(Layout, TheBackgroundFollowsItsSetting) {
    Control& background = w.IMG_Sfondo_Tavolo;
    const std::string table = folder.string() + "\\Tables\\Verde.jpg";
    program.settings.Percorso_Sfondo = table;
    animation.Disegna_Sfondo_Tavolo();
    // "R" paints the picture loaded last again, over the whole window, behind all.
    program.settings.Percorso_Sfondo = " R ";
    w.form.Width = 12000;
    animation.Disegna_Sfondo_Tavolo();
    EXPECT_TRUE(background.Visible);
    EXPECT_EQ(background.Picture, table);
    EXPECT_EQ(background.Width, 12000);
    EXPECT_LT(background.z, w.P(0).z);

    program.settings.Percorso_Sfondo = "N";
    animation.Disegna_Sfondo_Tavolo();
    EXPECT_FALSE(background.Visible);
    EXPECT_EQ(background.Picture, "");
}

TEST_F(Layout, OverlaysAndScreensTakeTheirPlaces) {
    // The end panel is centred on the whole window, not on its client area.
    program.master_events.window_resized(15000, 9000, 14880, 8500);
    w.LBL_Parola_Tresette.Visible = true;
    animation.Mostra_Fine_Partita();
    EXPECT_FLOAT_EQ(w.PIC_Fine_Partita.Left, (15000 - 4815) / 2.0F);
    EXPECT_FLOAT_EQ(w.PIC_Fine_Partita.Top, (9000 - 2295) / 2.0F);
    EXPECT_TRUE(w.PIC_Fine_Partita.Visible);
    EXPECT_FALSE(w.LBL_Parola_Tresette.Visible);

    // The set-up screen right of the main menu, whose right edge is 4640.
    animation.Centra_Partita();
    const ChildScreen& set_up = w.screens(Screen::F_040_Partita);
    EXPECT_FLOAT_EQ(set_up.Left, 5927.5F);
    EXPECT_FLOAT_EQ(set_up.Top, (9000 - 8145 - 600) / 2.0F);

    setup::SetupScreenState& s = program.setup.setup_screen;
    s.FRM_Generali_Briscola.Visible = true;
    s.FRM_Numero_Punteggio.Visible = true;
    animation.Disponi_Opzioni_Partita();
    for (const setup::SetupFrame* frame : {&s.FRM_Generali_Briscola, &s.FRM_Generali_Camicia,
                                           &s.FRM_Numero_Partite, &s.FRM_Numero_Punteggio}) {
        EXPECT_FALSE(frame->Visible);
        EXPECT_EQ(frame->Left, 120);
    }
    EXPECT_EQ(s.FRM_Generali_Camicia.Top, 1470);
    EXPECT_EQ(s.FRM_Numero_Punteggio.Top, 4950);
}

}  // namespace
}  // namespace tavolora::table
