// The captured piles and Camicia's piles stay on the table however many cards they
// hold: a pile whose next card would cross the table's edge stops growing outward,
// and its further cards lie on its last one.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/table/table_fixture.h"

namespace tavolora::table {
namespace {

using testing::TableTest;

struct WindowSize {
    int width;
    int height;
};
// The smallest window the table is laid out for and a large one.
constexpr WindowSize kSizes[] = {{800, 600}, {1600, 1000}};

class Piles : public TableTest {
protected:
    // The flying back lies on its side, as every deck draws it.
    Piles() { folder.write("Cards/Tavolora/1/00.bmp", testing::bmp_picture(120, 72)); }

    // `game` with the human, the front seat, then the right seat and the left seat as
    // the players grow from two to four.
    void choose_players(int game, int players) {
        if (players == 2) {
            choose(game, {9, 2});
        } else if (players == 3) {
            choose(game, {9, 1, 2});
        } else {
            choose(game, {9, 1, 2, 3});
        }
    }

    void resize(const WindowSize& size) {
        const auto width = static_cast<float>(size.width * 15);
        const auto height = static_cast<float>(size.height * 15);
        program.master_events.window_resized(width, height, width, height);
    }

    // Takes to `seat`'s pile, four cards at a time from the middle of the table, until
    // it holds 40.
    void grow_pile(int seat) {
        program.settings.Tempi_Animazione(3) = 1;
        for (int take = 1; take <= 10 && pile_count(seat) < 40; ++take) {
            for (int i = 1; i <= 4; ++i) {
                m.Tabella_Carte(20, i, 1) = static_cast<std::int16_t>(1 + i % 4);
                m.Tabella_Carte(20, i, 2) = static_cast<std::int16_t>(take);
                m.Tabella_Carte(20, i, 3) = static_cast<std::int16_t>(seat);
                Control& card = w.P(200 + i);
                card.Top = C(21);
                card.Left = C(22);
                card.Visible = true;
                // Scopa takes what the capture names.
                m.Tabella_Carte(38, i, 3) = static_cast<std::int16_t>(i);
            }
            m.Tabella_Carte(38, 41, 1) = 4;
            m.Vincitore_Mano = static_cast<std::int16_t>(seat);
            // The cards left at the end of a Scopa hand go to the last capturer.
            m.Partita_Finita = true;
            m.Ultimo_Presa = static_cast<std::int16_t>(seat);
            run([&] { animation.Raccogli_Presa(); });
        }
    }

    int pile_count(int seat) const { return program.engine.Conta_Carte_Iniziali(seat + 10); }

    // Every picture of P(from) to P(to) that shows lies on the table's surface; `at
    // least` of them show.
    void expect_on_the_table(int from, int to, int at_least) const {
        const float width = w.PIC_Tavolo.Width;
        const float height = w.PIC_Tavolo.Height;
        int shown = 0;
        for (int i = from; i <= to; ++i) {
            const Control* card = w.P.find(i);
            if (card == nullptr || !card->Visible) continue;
            ++shown;
            EXPECT_TRUE(card->Left >= 0 && card->Top >= 0 && card->Left + card->Width <= width &&
                        card->Top + card->Height <= height)
                << "P(" << i << ") at " << card->Left << "," << card->Top << ", " << card->Width << " x "
                << card->Height << ", on a table of " << width << " x " << height;
        }
        EXPECT_GE(shown, at_least) << "P(" << from << ") to P(" << to << ")";
    }
};

TEST_F(Piles, EverySeatsPileOfFortyCardsLiesOnTheTableAtEveryWindowSize) {
    const int games[] = {1, 2, 4, 6};
    const std::vector<std::vector<int>> orders = {{9, 2}, {9, 1, 2}, {9, 1, 2, 3}};
    for (const int game : games) {
        for (const auto& order : orders) {
            for (const WindowSize& first : kSizes) {
                for (int i = 1; i <= 40; ++i) {
                    for (const int pile : {11, 12, 13, 19}) {
                        for (int at = 1; at <= 3; ++at) m.Tabella_Carte(pile, i, at) = 0;
                    }
                }
                for (int i = 301; i <= 460; ++i) {
                    if (Control* card = w.P.find(i)) card->Visible = false;
                }
                choose_players(game, static_cast<int>(order.size()));
                resize(first);
                SCOPED_TRACE("game " + std::to_string(game) + ", " + std::to_string(order.size()) + " players, " +
                             std::to_string(first.width) + " x " + std::to_string(first.height));
                for (const int seat : order) grow_pile(seat);
                // Four-player Scopa puts a pair's cards on one pile: the human's and
                // the right seat's.
                const bool pairs = game == 2 && order.size() == 4;
                for (const int seat : order) {
                    if (pairs && (seat == 2 || seat == 3)) continue;
                    EXPECT_EQ(pile_count(seat), 40) << "seat " << seat;
                    const int block = 300 + 40 * Animation::picture_block(seat);
                    expect_on_the_table(block + 1, block + 40, 40);
                }
                // Laid out again in the other window, the piles stay on the table.
                for (const WindowSize& other : kSizes) {
                    resize(other);
                    expect_on_the_table(301, 460, 40);
                }
            }
        }
    }
}

// The right seat's pile grows ten twips up a card from 180 twips below the table's
// top: its 18th card reaches the top, and the cards after it lie on that one, each
// taken card on top of the one before.
TEST_F(Piles, APileStopsWhereItsNextPictureWouldCrossTheEdge) {
    choose(1, {9, 1, 2, 3});
    resize({1024, 768});
    ASSERT_EQ(C(15), 180);
    grow_pile(1);
    ASSERT_EQ(pile_count(1), 40);
    EXPECT_EQ(w.P(358).Top, 0);
    EXPECT_EQ(w.P(357).Top, 10);
    for (int i = 359; i <= 380; ++i) {
        EXPECT_EQ(w.P(i).Top, w.P(358).Top) << i;
        EXPECT_EQ(w.P(i).Left, w.P(358).Left) << i;
        EXPECT_GT(w.P(i).z, w.P(i - 1).z) << "the last card taken lies on top";
    }
    // A take's flight ends one step short of where the card lands.
    const Tipo_Animazione& last = a.Animazioni_Carte(4);
    EXPECT_EQ(last.Coordinate(5), 10);
}

// In a window 520 pixels high the computer's pile point lies 170 twips below the
// table's top: its 17th card reaches the top and the cards after it lie on that one,
// when the pile is drawn and when the table is laid out again. The large window
// leaves both piles room to grow.
TEST_F(Piles, CamiciasPilesOfFortyCardsLieOnTheTable) {
    const auto expect_held_at_the_top = [this] {
        EXPECT_EQ(w.P(56).Top, 10);
        for (int i = 57; i <= 80; ++i) EXPECT_EQ(w.P(i).Top, 0) << "P(" << i << ")";
    };
    for (const WindowSize& size : {WindowSize{800, 520}, WindowSize{1600, 1000}}) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        choose(3, {9, 2});
        resize(size);
        const bool short_window = size.height == 520;
        if (short_window) {
            ASSERT_EQ(C(5), 170);
        }
        for (const int pile : {2, 3}) {
            for (int k = 1; k <= 40; ++k) {
                m.Tabella_Carte(2, k, 1) = static_cast<std::int16_t>(pile == 2 ? 1 + k % 4 : 0);
                m.Tabella_Carte(2, k, 2) = static_cast<std::int16_t>(pile == 2 ? 1 + k % 10 : 0);
                m.Tabella_Carte(3, k, 1) = static_cast<std::int16_t>(pile == 3 ? 1 + k % 4 : 0);
                m.Tabella_Carte(3, k, 2) = static_cast<std::int16_t>(pile == 3 ? 1 + k % 10 : 0);
            }
            for (int i = 1; i <= 80; ++i) {
                if (Control* card = w.P.find(i)) card->Visible = false;
            }
            const int block = pile == 2 ? 0 : 40;
            const bool held = short_window && pile == 3;
            program.engine.Disegna_Pile_Camicia();
            expect_on_the_table(block + 1, block + 40, 40);
            if (held) expect_held_at_the_top();
            animation.Disponi_Tavolo();
            expect_on_the_table(block + 1, block + 40, 40);
            if (held) expect_held_at_the_top();
        }
    }
}

}  // namespace
}  // namespace tavolora::table
