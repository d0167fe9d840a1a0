// The help screen (the tree of the current game's help file, the topic clicked, the
// close) and the credits screen (its texts, its links through the shell, the close),
// opened from the main menu's icons.

#include <functional>
#include <string>
#include <vector>

#include "storage/help_file.h"
#include "tests/setup/setup_fixture.h"

namespace tavolora::testing {
namespace {

using table::Screen;
using Lines = std::vector<std::string>;

// One line of a help file: chapter, section and line number as written, then the text.
std::string row(std::string_view chapter, std::string_view section, std::string_view number,
                std::string_view text = "") {
    return std::string(chapter) + std::string(section) + std::string(number) + " " + std::string(text);
}

std::string file_of(const Lines& lines, std::string_view end = "\r\n") {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + std::string(end);
    return bytes;
}

const Lines kBriscola = {
    row(" 1", "00", "000", "Regole"),        row(" 1", " 1", "000", "Il mazzo"),
    row(" 2", "00", "000", "Punti"),         row(" 2", " 5", "000", "Il conteggio"),
    row("12", "00", "000", "Consigli"),      row("12", " 3", "000", "Il carico"),
    row(" 2", "99", "000", "Mai raggiunta"), row(" 1", " 1", "001", "Quaranta carte."),
    row(" 2", " 5", "001", "Si contano"),    row(" 2", " 5", "002", "le carte prese."),
    row(" 2", "99", "001", "Nascosta"),      row(" 2", " 6", "001", "Altro"),
    row("12", " 3", "001", "Tienilo."),
};

const Lines kCamicia = {
    row(" 1", "00", "000", "Il gioco"),           row(" 1", " 1", "000", "Girare e pagare"),
    row(" 1", " 1", "001", "Si gira una carta."), row(" 1", " 1", "002"),
    row(" 1", " 1", "003", "Chi paga?"),
};

class HelpScreen : public StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        folder.write("Languages/Ita_1.txt", file_of(kBriscola));
        // Camicia's file is saved with bare line feeds.
        folder.write("Languages/Ita_3.txt", file_of(kCamicia, "\n"));
    }
    setup::HelpScreen& help() { return p.setup.help_events; }
    setup::HelpScreenState& state() { return p.setup.help_screen; }
    void open_help() {
        click([this] { menu().IMG_Icona_Click(4); });
    }
    void node_click(const std::string& key) {
        click([this, &key] { help().TVW_Help_NodeClick(key); });
    }
};

TEST_F(HelpScreen, OpensBesideTheMenuInItsColourWithTheTreeOfTheCurrentGamesFile) {
    p.master.PIC_Tavolo.Height = 9000;
    open_help();
    const table::ChildScreen& screen = shown(Screen::F_12_Help);
    EXPECT_TRUE(screen.Visible);
    EXPECT_EQ(p.master.PIC_Tavolo.Height, 0);
    // Centred right of the menu (200 + 4440), at (11520 - its height - 600) / 2.
    EXPECT_FLOAT_EQ(screen.Left, 4640 + (15360 - 4640 - setup::kHelpWidth) / 2);
    EXPECT_FLOAT_EQ(screen.Top, (11520 - setup::kHelpHeight - 600) / 2);
    EXPECT_EQ(state().BackColor2, games::find(1)->colour);
    // Chapters and sections in the order of the index lines; "99" is a key like any other.
    const std::vector<storage::HelpNode> tree = {{"A1", "", "Regole"},
                                                 {"A1_1", "A1", "Il mazzo"},
                                                 {"A2", "", "Punti"},
                                                 {"A2_5", "A2", "Il conteggio"},
                                                 {"A12", "", "Consigli"},
                                                 {"A12_3", "A12", "Il carico"},
                                                 {"A2_99", "A2", "Mai raggiunta"}};
    EXPECT_EQ(state().TVW_Help, tree);
    EXPECT_TRUE(state().TXT_Help.empty());
    EXPECT_TRUE(state().TVW_Help_Enabled);

    // Another game closes the help; opened again it reads that game's file, saved
    // with bare line feeds.
    choose_game(games::kCamicia);
    EXPECT_FALSE(shown(Screen::F_12_Help).loaded);
    open_help();
    EXPECT_EQ(p.settings.Percorso_Guida, folder.string() + "\\Languages\\Ita_3.txt");
    EXPECT_EQ(state().BackColor2, games::find(games::kCamicia)->colour);
    ASSERT_EQ(state().TVW_Help.size(), 2u);
    node_click("A1_1");
    EXPECT_EQ(state().TXT_Help, (Lines{"Si gira una carta.", "", "Chi paga?"}));
}

TEST_F(HelpScreen, TheClickedKeyNamesTheChapterAndTheSectionAndAChapterEmptiesTheList) {
    open_help();
    node_click("A2_5");
    EXPECT_EQ(state().Capitolo_Guida, "2");
    EXPECT_EQ(state().Sezione_Guida, "5");
    EXPECT_EQ(state().TXT_Help, (Lines{"Si contano", "le carte prese."}));
    node_click("A2");
    EXPECT_EQ(state().Sezione_Guida, "99");
    EXPECT_TRUE(state().TXT_Help.empty());
    // Two characters of chapter: chapter 12, not 2.
    node_click("A12_3");
    EXPECT_EQ(state().Capitolo_Guida, "12");
    EXPECT_EQ(state().TXT_Help, Lines{"Tienilo."});
    // Section 99 is the chapters' mark: its lines are never shown.
    node_click("A2_99");
    EXPECT_TRUE(state().TXT_Help.empty());
    // Blanks in the chapter part are passed over.
    node_click("A 1_1");
    EXPECT_EQ(state().Capitolo_Guida, "1");
    EXPECT_EQ(state().TXT_Help, Lines{"Quaranta carte."});
}

TEST_F(HelpScreen, ATopicIsListedLineByLineWithTheTreeDisabledAndEndsWhenTheScreenCloses) {
    open_help();
    // What the window shows each time it runs its events: once when the file is read,
    // then after each line, which is already on the list.
    std::vector<std::pair<bool, std::size_t>> seen;
    std::function<void()> observe = [&] {
        seen.emplace_back(state().TVW_Help_Enabled, state().TXT_Help.size());
        h.platform.post(observe);
    };
    h.platform.post(observe);
    node_click("A2_5");
    EXPECT_EQ(seen, (std::vector<std::pair<bool, std::size_t>>{{false, 0}, {false, 1}, {false, 2}}));
    EXPECT_TRUE(state().TVW_Help_Enabled);

    // The close icon clicked while the first line is on the list: no line follows it.
    std::function<void()> close_after_first = [&] {
        if (state().TXT_Help.size() == 1) return help().IMG_Icona_Click(3);
        h.platform.post(close_after_first);
    };
    h.platform.post(close_after_first);
    p.master.PIC_Tavolo.Height = 1234;
    node_click("A2_5");
    EXPECT_FALSE(shown(Screen::F_12_Help).loaded);
    EXPECT_EQ(state().TXT_Help, Lines{"Si contano"});
    EXPECT_EQ(p.master.PIC_Tavolo.Height, 11520);  // the window's whole height

    // A click that reaches the closed screen lists nothing.
    node_click("A1_1");
    EXPECT_EQ(state().TXT_Help, Lines{"Si contano"});
}

class CreditsScreen : public StartedProgram {
protected:
    setup::Credits& credits() { return p.setup.credits_events; }
    setup::CreditsScreenState& state() { return p.setup.credits_screen; }
};

TEST_F(CreditsScreen, OpensBesideTheMenuHandsItsLinksToTheShellAndClosesGivingTheTableItsHeight) {
    choose_game(games::kScopa);
    p.master.PIC_Tavolo.Height = 4321;
    click([this] { menu().IMG_Icona_Click(5); });
    const table::ChildScreen& screen = shown(Screen::F_08_Crediti);
    EXPECT_TRUE(screen.Visible);
    EXPECT_FLOAT_EQ(screen.Left, 4640 + (15360 - 4640 - setup::kCreditsWidth) / 2);
    EXPECT_FLOAT_EQ(screen.Top, (11520 - setup::kCreditsHeight - 600) / 2);
    EXPECT_EQ(p.master.PIC_Tavolo.Height, 4321);  // opening leaves the table alone
    EXPECT_EQ(state().BackColor2, games::find(games::kScopa)->colour);
    EXPECT_EQ(state().Label1, "Tavolora");
    EXPECT_EQ(state().LBL_Sito_Web, "https://www.example.org/tavolora");
    EXPECT_EQ(state().LBL_Email, "tavolora@example.org");
    EXPECT_TRUE(h.platform.opened_links().empty());

    // A mail link takes the address without the blanks around it; an icon other than
    // the mail one opens the site. The screen stays open.
    state().links.Email_Autore = "  autore@example.org ";
    state().links.Email_Editore = " editore@example.com  ";
    click([this] { credits().LBL_Email_Click(); });
    click([this] { credits().Label3_Click(); });
    click([this] { credits().IMG_Icona_Click(9); });
    EXPECT_EQ(h.platform.opened_links(), (Lines{"mailto:autore@example.org", "mailto:editore@example.com",
                                                "https://www.example.org/tavolora"}));
    EXPECT_TRUE(screen.Visible);

    click([this] { credits().IMG_Icona_Uscita_Click(); });
    EXPECT_EQ(p.master.PIC_Tavolo.Height, 11520);
    EXPECT_FALSE(shown(Screen::F_08_Crediti).loaded);
}

}  // namespace
}  // namespace tavolora::testing
