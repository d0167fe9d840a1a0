// The table as a player first sees it, with the build's own decks: after the first
// deal of every kind of table, at a small and a large window, the side seats' hands
// show each card apart, the turned trump shows below the deck that lies over it, and
// every hand, pile and deck picture lies inside the table.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/default_options.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "table/table_positions.h"
#include "tests/support/headless_program.h"

namespace tavolora {
namespace {

using table::Control;
using testing::HeadlessProgram;
using testing::TempFolder;

struct Deal {
    int game;
    int players;
};

struct WindowSize {
    int width;
    int height;
};

// Where a picture lies on the table, in twips.
struct Box {
    float left, top, right, bottom;
};
Box box_of(const Control& c) { return {c.Left, c.Top, c.Left + c.Width, c.Top + c.Height}; }
bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class TableLook : public ::testing::TestWithParam<std::string> {
protected:
    // A program over the build's pictures, with Anna's options choosing the deck.
    void start(const Deal& deal, const WindowSize& size) {
        folder = std::make_unique<TempFolder>();
        for (const char* part : {"Cards", "Tables"})
            std::filesystem::create_directory_symlink(std::filesystem::path(TAVOLORA_PROGRAM_DIR) / part,
                                                      folder->path() / part);
        folder->write("Users/Anna.usr", std::string(20, ' '));
        storage::Tipo_Opzioni options = storage::default_options(folder->string(), deal.game);
        options.Mazzo_Carte.assign(GetParam());
        options.Mazzo_Dorso.assign(GetParam());
        const storage::OptionsBytes bytes = storage::encode(options);
        folder->write("Users/Anna_" + std::to_string(deal.game) + ".opt", std::string(bytes.data(), bytes.size()));

        h = std::make_unique<HeadlessProgram>(folder->string());
        Program& p = h->program;
        p.waits.at_boundary([&p] { p.start_up(); });
        p.settings.Nome_Utente.assign("Anna");
        p.match.Codice_Gioco = static_cast<std::int16_t>(deal.game);
        p.storage.Imposta_Percorso_Opzioni();
        p.master_events.window_resized(static_cast<float>(size.width * 15), static_cast<float>(size.height * 15),
                                       static_cast<float>(size.width * 15), static_cast<float>(size.height * 15));
        p.waits.at_boundary([&p] {
            table::Imposta_Posizioni_Tavolo(p.anim, p.match.Codice_Gioco);
            p.master_events.Q_N_Singola_Click();
        });
        setup::SetupControls screen;
        screen.settings.OPT_Numero_Giocatori = deal.players;
        screen.settings.OPT_Gioca_Per_Primo = 0;
        screen.settings.TXT_Nome_Giocatore(1) = "Tuno";
        screen.settings.TXT_Nome_Giocatore(2) = "Galvino";
        screen.settings.TXT_Nome_Giocatore(3) = "Melto";
        screen.settings.LBL_Modalita_Tag = "1";
        screen.TXT_Numero_Partite = "1";
        screen.TXT_Numero_Punteggio = "1";
        p.waits.at_boundary([&p, &screen] { p.setup.game_setup.CMD_Gioca_Click(screen); });
    }

    const table::MasterWindow& w() const { return h->program.master; }
    std::vector<const Control*> shown(int from, int to) const {
        std::vector<const Control*> pictures;
        for (int i = from; i <= to; ++i) {
            const Control* c = w().P.find(i);
            if (c != nullptr && c->Visible) pictures.push_back(c);
        }
        return pictures;
    }

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<HeadlessProgram> h;
};

TEST_P(TableLook, AfterTheFirstDealEveryCardShowsWhereItBelongs) {
    const Deal deals[] = {{1, 2}, {1, 3}, {1, 4}, {4, 4}, {2, 4}};
    const WindowSize sizes[] = {{1024, 768}, {1600, 1000}};
    for (const Deal& deal : deals) {
        for (const WindowSize& size : sizes) {
            start(deal, size);
            SCOPED_TRACE("game " + std::to_string(deal.game) + ", " + std::to_string(deal.players) + " players, " +
                         std::to_string(size.width) + "x" + std::to_string(size.height));
            ASSERT_TRUE(w().PIC_Tavolo.Visible);
            const Box table{0, 0, w().PIC_Tavolo.Width, w().PIC_Tavolo.Height};

            // The side seats (1 right, 3 left) hold their cards lying, a card's width
            // high, one under the other: no two overlap where the column has room for
            // them all; a column too short for them (ten cards) overlaps them evenly,
            // each showing the same strip.
            const float card_width = static_cast<float>(h->program.anim.Spaziatura_Carte);
            for (const int seat : {1, 3}) {
                const std::vector<const Control*> hand = shown(40 * seat + 1, 40 * seat + 40);
                if (hand.empty()) continue;
                const float column = box_of(*hand.back()).bottom - hand.front()->Top;
                const bool room = hand.size() * card_width <= column + 1;
                for (std::size_t i = 0; i < hand.size(); ++i) {
                    EXPECT_EQ(hand[i]->Height, card_width) << "P(" << hand[i]->key.index << ") stands upright";
                    if (i == 0) continue;
                    const float step = hand[i]->Top - hand[i - 1]->Top;
                    EXPECT_NEAR(step, hand[1]->Top - hand[0]->Top, 1.0F) << "seat " << seat << " steps unevenly";
                    if (room) {
                        EXPECT_FALSE(overlap(box_of(*hand[i - 1]), box_of(*hand[i])))
                            << "seat " << seat << ": P(" << hand[i - 1]->key.index << ") and P(" << hand[i]->key.index
                            << ")";
                    }
                }
            }

            // Briscola's turned trump: at least half of it below the deck over it.
            if (deal.game == 1) {
                const Control& trump = w().P(241);
                ASSERT_TRUE(trump.Visible);
                float deck_bottom = trump.Top;
                for (const Control* card : shown(242, 280)) deck_bottom = std::max(deck_bottom, box_of(*card).bottom);
                EXPECT_GE(box_of(trump).bottom - deck_bottom, trump.Height / 2) << "the trump under the deck";
            }

            // Every hand, pile and deck picture inside the table.
            for (const Control* card : shown(1, 280)) {
                const Box b = box_of(*card);
                EXPECT_TRUE(b.left >= table.left && b.top >= table.top && b.right <= table.right &&
                            b.bottom <= table.bottom)
                    << "P(" << card->key.index << ") at " << b.left << "," << b.top << " to " << b.right << ","
                    << b.bottom << " outside " << table.right << " x " << table.bottom;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDeck, TableLook, ::testing::Values("Meridione", "Moderne", "Tavolora"));

}  // namespace
}  // namespace tavolora
