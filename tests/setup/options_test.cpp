// The options screen: its loading per game, the icon bar and the panels' strips, each
// panel shown and saved, the try-out of the animations, Scopa's presets, a save that
// cannot write, and a deck chosen here dealt in the next match.

#include <algorithm>
#include <filesystem>
#include <functional>

#include "storage/record_file.h"
#include "storage/records.h"
#include "tests/setup/setup_fixture.h"

namespace tavolora::testing {
namespace {

using setup::Saved;
using table::Screen;

std::string bmp(int width, int height) { return bmp_header(width, height); }

class Options : public StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        // Three more decks, whose cards are 2 : 3, square and half as wide as high.
        write_deck("Blu", 60, 90);
        write_deck("Oro", 80, 80);
        write_deck("Rosso", 50, 100);
        folder.make_folder("Tables");
    }

    void write_deck(const std::string& name, int width, int height) const {
        const std::string card = bmp(width, height);
        for (int suit = 1; suit <= 4; ++suit) {
            for (int value = 1; value <= 10; ++value) {
                folder.write(
                    "Cards/" + name + "/" + std::to_string(suit) + "/" + std::to_string(value) + ".bmp",
                    card);
            }
        }
        folder.write("Cards/" + name + "/1/0.bmp", card);
        folder.write("Cards/" + name + "/1/00.bmp", bmp(height, width));
    }

    // The options icon of the main menu, for the game chosen on it.
    void open_for(int game) {
        choose_game(game);
        click([this] { menu().IMG_Icona_Click(3); });
    }
    void icon(int index) {
        click([this, index] { options().IMG_Icona_Click(index); });
    }
    void save() {
        click([this] { options().IMG_Icona_SubMenu_Opzioni_Click(2 * o().Pannello_Attivo - 1); });
    }
    void close_screen() { icon(5); }

    setup::Options& options() { return p.setup.options_events; }
    setup::OptionsState& o() { return p.setup.options; }
    const setup::SubMenuStrip& strip(int panel) { return o().PNL_SubMenu_Opzioni(panel); }
    std::vector<int> icons_shown() {
        std::vector<int> shown;
        for (const setup::BarIcon& i : o().IMG_Icona.icons) {
            if (i.Visible) shown.push_back(i.index);
        }
        std::sort(shown.begin(), shown.end());
        return shown;
    }
    storage::Tipo_Opzioni stored(int game) const {
        const auto bytes =
            storage::read_file(folder.path() / "Users" / ("Anna_" + std::to_string(game) + ".opt"));
        EXPECT_TRUE(bytes.has_value());
        return bytes ? storage::decode_options(*bytes) : storage::Tipo_Opzioni{};
    }
    void store(int game, const storage::Tipo_Opzioni& record) const {
        const storage::OptionsBytes bytes = storage::encode(record);
        folder.write("Users/Anna_" + std::to_string(game) + ".opt", std::string(bytes.data(), bytes.size()));
    }
    std::string cards(const std::string& rest) const { return folder.string() + "\\Cards\\" + rest; }
};

TEST_F(Options, TheOptionsIconOpensTheScreenBesideTheMenuWithTheDeckPanelShownAsSaved) {
    p.master.PIC_Tavolo.Height = 9000;
    open_for(games::kBriscola);
    const table::ChildScreen& screen = shown(Screen::F_06_Opzioni);
    EXPECT_TRUE(screen.loaded);
    EXPECT_TRUE(screen.Visible);
    EXPECT_EQ(p.master.PIC_Tavolo.Height, 0);
    EXPECT_EQ(screen.Width, 11780);
    EXPECT_EQ(screen.Height, 8055);
    // Too wide for the room right of the main menu in a window of 1016 pixels: it
    // stands against the client area's right edge, whole.
    EXPECT_FLOAT_EQ(screen.Left + 11780, p.master.form.ScaleWidth);
    EXPECT_FLOAT_EQ(screen.Top, (p.master.form.Height - 8055 - 600) / 2);
    EXPECT_EQ(o().BackColor2, p.setup.main_menu.BackColor2);
    EXPECT_EQ(o().captions.PNL_Menu_Principale, "Menù");
    EXPECT_EQ(o().CMD_Movimento_Prova(3).Caption, "Prova");
    EXPECT_EQ(o().OPT_Difficolta(3).Caption, "Difficile");

    EXPECT_EQ(o().Pannello_Attivo, 1);
    EXPECT_TRUE(o().FRM_Mazzo.Visible);
    EXPECT_FALSE(o().FRM_Animazioni.Visible);
    EXPECT_TRUE(strip(1).saved);
    click([this] { options().IMG_Icona_SubMenu_Opzioni_MouseMove(1); });
    EXPECT_EQ(strip(1).bar.description, "Impostazioni salvate");

    // Opening it again only shows it: the panel open stays open.
    icon(2);
    click([this] { menu().IMG_Icona_Click(3); });
    EXPECT_EQ(o().Pannello_Attivo, 2);
    EXPECT_TRUE(o().FRM_Animazioni.Visible);

    // The close icon closes it without saving and gives the table its height back.
    options().set_movement(1, 77);
    close_screen();
    EXPECT_FALSE(shown(Screen::F_06_Opzioni).loaded);
    EXPECT_EQ(p.master.PIC_Tavolo.Height, p.master.form.Height);
    EXPECT_EQ(stored(1).Animazioni(1), 8);
}

TEST_F(Options, EachGameOffersItsOwnPanels) {
    const struct {
        int game;
        std::vector<int> icons;
    } cases[] = {{games::kBriscola, {1, 2, 3, 4, 5}},
                 {games::kScopa, {1, 2, 3, 4, 5, 6}},
                 {games::kCamicia, {1, 2, 4, 5}},
                 {games::kTresette, {1, 2, 3, 4, 5}}};
    for (const auto& c : cases) {
        open_for(c.game);
        EXPECT_EQ(icons_shown(), c.icons) << c.game;
        EXPECT_EQ(o().CHK_Aspetta_Tavolo.Enabled, c.game != games::kCamicia) << c.game;
        EXPECT_FALSE(o().CHK_Aspetta_Tavolo.Value) << c.game;
        // An icon the game does not offer opens nothing.
        icon(6);
        EXPECT_EQ(o().FRM_Regole.Visible, c.game == games::kScopa) << c.game;
        close_screen();
    }
}

TEST_F(Options, TheStripsHighlightSlidesUnderTheHoveredIconAndTheCloseIconEmptiesTheRightHandSide) {
    open_for(games::kBriscola);
    click([this] { options().IMG_Icona_SubMenu_Opzioni_MouseMove(2); });
    const setup::IconBar& bar = strip(1).bar;
    EXPECT_EQ(bar.description, "Chiudi");
    EXPECT_EQ(bar.interval, setup::IconBar::kInterval);
    EXPECT_EQ(bar.icon(2)->tooltip, "");  // a strip's tooltips never change
    int ticks = 0;
    while (bar.interval != 0 && ticks < 100) {
        options().TMR_SubMenu_Opzioni_Timer(1);
        ++ticks;
        if (bar.interval != 0) {
            EXPECT_LT(bar.shape_left, 7980);
        }
    }
    // 7980 twips take 20 ticks: the 20th starts under 40 twips away and snaps.
    EXPECT_EQ(bar.shape_left, 7980);
    EXPECT_EQ(ticks, 20);

    // A change turns the save icon plain; its hover says so; a save puts the check back.
    options().set_deck("Oro");
    EXPECT_FALSE(strip(1).saved);
    click([this] { options().IMG_Icona_SubMenu_Opzioni_MouseMove(1); });
    EXPECT_EQ(strip(1).bar.description, "Salva impostazioni");
    save();
    EXPECT_TRUE(strip(1).saved);
    EXPECT_EQ(strip(1).bar.description, "Impostazioni salvate");

    // The close icon hides the panel and leaves the area empty; the panel stays the
    // one the strip's handlers work on.
    click([this] { options().IMG_Icona_SubMenu_Opzioni_Click(2); });
    EXPECT_FALSE(o().FRM_Mazzo.Visible);
    EXPECT_EQ(o().Pannello_Attivo, 1);

    // A strip's timer still running when another panel opens stops at its next tick,
    // which moves the open panel's highlight.
    click([this] { options().IMG_Icona_SubMenu_Opzioni_MouseMove(1); });
    icon(2);
    click([this] { options().IMG_Icona_SubMenu_Opzioni_MouseMove(4); });
    options().TMR_SubMenu_Opzioni_Timer(1);
    EXPECT_EQ(strip(1).bar.interval, 0);
    EXPECT_FLOAT_EQ(strip(2).bar.shape_left, 8295.0F / 4);
}

TEST_F(Options, TheDeckListsHoldEveryFolderAndTheBackFollowsTheDeck) {
    // Before the stored names are shown, both lists end on the last folder.
    choose_game(games::kBriscola);
    options().load();
    const std::vector<std::string> decks = {"Blu", "Mazzo", "Oro", "Rosso"};
    EXPECT_EQ(o().CMB_Mazzo_Carte.List, decks);
    EXPECT_EQ(o().CMB_Mazzo_Dorso.List, decks);
    EXPECT_EQ(o().CMB_Mazzo_Carte.Text.substr(0, 5), "Mazzo");  // the stored deck, blank-padded
    EXPECT_EQ(o().IMG_Mazzo_Dorso.Picture, cards("Mazzo\\1\\0.bmp"));
    EXPECT_EQ(setup::Options::Estrapola("C:\\Gioco\\Cards\\Blu"), "Blu");
    options().Riempi_CMB_Mazzo();
    EXPECT_EQ(o().CMB_Mazzo_Carte.Text, "Rosso");

    // The previews keep the cards' proportions in 795 x 1260.
    const struct {
        const char* deck;
        float width;
        float height;
    } fits[] = {{"Blu", 795, 1192.5F}, {"Oro", 795, 795}, {"Rosso", 630, 1260}};
    for (const auto& f : fits) {
        options().set_deck(f.deck);
        EXPECT_EQ(o().CMB_Mazzo_Dorso.Text, f.deck);
        EXPECT_EQ(o().IMG_Mazzo_Dorso.Picture, cards(std::string(f.deck) + "\\1\\0.bmp"));
        EXPECT_FLOAT_EQ(o().IMG_Mazzo_Prova(2).Width, f.width) << f.deck;
        EXPECT_FLOAT_EQ(o().IMG_Mazzo_Prova(2).Height, f.height) << f.deck;
        EXPECT_FLOAT_EQ(o().IMG_Mazzo_Asso.Height, f.height) << f.deck;
    }

    // The scroll bar walks the cards in suit order.
    options().set_cards_scroll(19);
    EXPECT_EQ(o().IMG_Mazzo_Prova(0).Picture, cards("Rosso\\1\\10.bmp"));
    EXPECT_EQ(o().IMG_Mazzo_Prova(1).Picture, cards("Rosso\\2\\1.bmp"));
    EXPECT_EQ(o().IMG_Mazzo_Prova(4).Picture, cards("Rosso\\2\\4.bmp"));
    options().set_cards_scroll(99);
    EXPECT_EQ(o().HSR_Carte.Value, 45);
    EXPECT_EQ(o().IMG_Mazzo_Prova(4).Picture, cards("Rosso\\4\\10.bmp"));
}

TEST_F(Options, AnIncompleteDeckLeavesItsListAndAMissingOneIsSearchedOnlyAmongTheEntries) {
    write_deck("Rotto", 60, 90);
    std::filesystem::remove(folder.path() / "Cards" / "Rotto" / "3" / "7.bmp");
    write_deck("Senza", 60, 90);
    std::filesystem::remove(folder.path() / "Cards" / "Senza" / "1" / "00.bmp");
    open_for(games::kBriscola);
    options().set_deck("Oro");
    const float width = o().IMG_Mazzo_Prova(0).Width;

    options().set_deck("Rotto");
    EXPECT_FALSE(o().Mazzo_Carte_Valido);
    EXPECT_EQ(o().CMB_Mazzo_Carte.List, (std::vector<std::string>{"Blu", "Mazzo", "Oro", "Rosso", "Senza"}));
    EXPECT_EQ(o().CMB_Mazzo_Dorso.Text, "Oro");  // not followed
    EXPECT_FLOAT_EQ(o().IMG_Mazzo_Prova(0).Width, width);
    // Its save is refused, and the picture it lacks is named.
    save();
    EXPECT_FALSE(strip(1).saved);
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].title, "Attenzione!");
    EXPECT_EQ(h.platform.message_kinds()[0], platform::MessageKind::Warning);
    EXPECT_EQ(h.platform.messages()[0].text,
              "Le impostazioni non sono state salvate: nel mazzo \"Rotto\" manca la carta \"" +
                  (std::filesystem::path("Cards") / "Rotto" / "3" / "7.bmp").string() + "\".");
    EXPECT_EQ(stored(1).Mazzo_Carte.trimmed(), "Mazzo");

    // A deck without its flying back leaves the back list and clears the preview.
    options().set_deck("Senza");
    EXPECT_TRUE(o().Mazzo_Carte_Valido);
    EXPECT_FALSE(o().Mazzo_Dorso_Valido);
    EXPECT_EQ(o().IMG_Mazzo_Dorso.Picture, "");
    EXPECT_EQ(o().CMB_Mazzo_Dorso.List, (std::vector<std::string>{"Blu", "Mazzo", "Oro", "Rosso", "Rotto"}));
    // Listed among the decks, its save is refused for the back it lacks, named.
    save();
    ASSERT_EQ(h.platform.messages().size(), 2U);
    EXPECT_EQ(h.platform.messages()[1].text,
              "Le impostazioni non sono state salvate: nel mazzo \"Senza\" manca il dorso \"" +
                  (std::filesystem::path("Cards") / "Senza" / "1" / "00.bmp").string() + "\".");

    // A stored deck whose folder is gone is in neither list: nothing is removed, and
    // the search never reads past the last entry.
    storage::Tipo_Opzioni record = stored(1);
    record.Mazzo_Carte.assign("Sparito");
    record.Mazzo_Dorso.assign("Sparito");
    store(1, record);
    icon(1);
    EXPECT_FALSE(o().Mazzo_Carte_Valido);
    EXPECT_EQ(o().CMB_Mazzo_Carte.List.size(), 6U);
    EXPECT_EQ(o().CMB_Mazzo_Dorso.List.size(), 6U);
    // It shows as no choice, and its save asks for a deck of the list.
    EXPECT_EQ(o().CMB_Mazzo_Carte.Text, "");
    EXPECT_EQ(o().CMB_Mazzo_Dorso.Text, "");
    save();
    EXPECT_EQ(h.platform.messages().back().text, "Le impostazioni non sono state salvate: scegli un mazzo dell'elenco.");
    // A stored name that leaves the Cards folder names no deck.
    record.Mazzo_Carte.assign("..\\Cards\\Oro");
    store(1, record);
    icon(1);
    EXPECT_FALSE(o().Mazzo_Carte_Valido);
    EXPECT_EQ(o().IMG_Mazzo_Prova(0).Picture, "");
}

TEST_F(Options, TextFromADamagedFileIsNeverShownRaw) {
    folder.write("Tables/Verde.jpg", "jpg");
    // A name in another letter case is the entry it finds.
    storage::Tipo_Opzioni record = stored(1);
    record.Mazzo_Carte.assign("rOSSO");
    record.Sfondo_Tavolo.assign("verde");
    store(1, record);
    open_for(games::kBriscola);
    EXPECT_EQ(o().CMB_Mazzo_Carte.Text, "Rosso");
    icon(4);
    EXPECT_EQ(o().CMB_Sfondo_Tavolo.Text, "Verde");
    close_screen();

    // Control bytes and bytes the code page leaves undefined where the names are.
    const std::string junk = "\x01Ro\x90sso\x7F";
    std::copy(junk.begin(), junk.end(), record.Mazzo_Carte.bytes().begin());
    std::copy(junk.begin(), junk.end(), record.Mazzo_Dorso.bytes().begin());
    std::copy(junk.begin(), junk.end(), record.Sfondo_Tavolo.bytes().begin());
    std::copy(junk.begin(), junk.end(), record.Nomi_Giocatori(2).bytes().begin());
    store(1, record);

    // The panels show no choice, and their previews nothing.
    open_for(games::kBriscola);
    EXPECT_EQ(o().CMB_Mazzo_Carte.Text, "");
    EXPECT_EQ(o().CMB_Mazzo_Dorso.Text, "");
    EXPECT_EQ(o().IMG_Mazzo_Dorso.Picture, "");
    icon(4);
    EXPECT_EQ(o().CMB_Sfondo_Tavolo.Text, "");
    EXPECT_EQ(o().IMG_Sfondo_Tavolo.Picture, "");
    close_screen();

    // The set-up screen shows of a name only what can be read.
    click([this] { menu().IMG_Icona_Click(1); });
    EXPECT_EQ(p.setup.setup_screen.TXT_Nome_Giocatore(2).Text, "?Ro?sso?");
    EXPECT_EQ(p.setup.setup_screen.OPT_Gioca_Per_Primo(2).Caption, "?Ro?sso?");

    // A match with that deck does not start, and says so without the raw bytes.
    click([this] { p.setup.match_setup.IMG_Icona_Menu_Click(2); });
    ASSERT_FALSE(h.platform.messages().empty());
    const std::string said = h.platform.messages().back().text;
    EXPECT_NE(said.find("\"?Ro?sso?\""), std::string::npos) << said;
    for (const char c : said) EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F));
    EXPECT_EQ(said.find("\xC2\x90"), std::string::npos);
}

TEST_F(Options, TheChosenDeckIsSavedWithItsBackForItsGameOnly) {
    open_for(games::kTresette);
    options().set_deck("Oro");
    save();
    EXPECT_EQ(stored(4).Mazzo_Carte.trimmed(), "Oro");
    EXPECT_EQ(stored(4).Mazzo_Dorso.trimmed(), "Oro");
    EXPECT_EQ(p.settings.Percorso_Mazzo_Carte, cards("Oro"));
    EXPECT_EQ(stored(1).Mazzo_Carte.trimmed(), "Mazzo");  // another game keeps its own
}

TEST_F(Options, TheAnimationPanelShowsAndSavesItsFiveValuesAndTheWaitForTheClick) {
    storage::Tipo_Opzioni record = stored(1);
    for (int i = 1; i <= 5; ++i) record.Animazioni(i) = i == 5 ? 0 : 5;
    record.Animazioni(2) = 500;  // a damaged value shows at the slider's end
    store(1, record);
    open_for(games::kBriscola);
    icon(2);
    EXPECT_TRUE(o().FRM_Animazioni.Visible);
    EXPECT_EQ(o().SLD_Movimento(1).Value, 5);
    EXPECT_EQ(o().SLD_Movimento(2).Value, 200);
    EXPECT_EQ(o().SLD_Movimento(5).Value, 1);
    EXPECT_TRUE(o().CHK_Aspetta_Tavolo.Value);
    EXPECT_FALSE(o().SLD_Movimento(5).Enabled);
    EXPECT_FALSE(o().CMD_Movimento_Prova(5).Enabled);
    EXPECT_TRUE(strip(2).saved);

    // Saved with the box ticked, the fifth value is 0 whatever its slider shows; the
    // program uses the new values at once.
    options().set_movement(1, 12);
    options().SLD_Movimento_Click(1);
    EXPECT_FALSE(strip(2).saved);
    options().set_movement(5, 40);
    save();
    EXPECT_TRUE(strip(2).saved);
    EXPECT_EQ(stored(1).Animazioni(1), 12);
    EXPECT_EQ(stored(1).Animazioni(5), 0);
    EXPECT_EQ(p.settings.Tempi_Animazione(1), 12);

    options().set_wait(false);
    EXPECT_TRUE(o().SLD_Movimento(5).Enabled);
    EXPECT_FALSE(strip(2).saved);
    save();
    EXPECT_EQ(stored(1).Animazioni(5), 40);
    EXPECT_EQ(p.settings.Tempi_Animazione(5), 40);
    EXPECT_EQ(stored(1).Mazzo_Carte.trimmed(), "Mazzo");
}

TEST_F(Options, TheTryOutFallsInAsManyTwentyMillisecondStepsAsItsSliderSays) {
    open_for(games::kBriscola);
    icon(2);
    const auto run = [this](int index) {
        click([this, index] { options().CMD_Movimento_Prova_Click(index); });
        EXPECT_EQ(o().SHP_1_Top, 360);
        EXPECT_EQ(o().SHP_1_Left, 8400);
        EXPECT_EQ(o().TME_Prove, 20);
        int ticks = 0;
        while (o().TME_Prove != 0 && ticks < 1000) {
            options().TME_Prove_Timer();
            ++ticks;
        }
        return ticks;
    };
    options().set_movement(1, 1);
    EXPECT_EQ(run(1), 1);
    EXPECT_FLOAT_EQ(o().SHP_1_Top, 4920);
    options().set_movement(4, 200);
    EXPECT_EQ(run(4), 200);
    EXPECT_NEAR(o().SHP_1_Top, 4920, 0.1);
    options().set_movement(3, 7);
    EXPECT_EQ(run(3), 7);
    EXPECT_NEAR(o().SHP_1_Top, 4920, 0.1);

    // A press while it falls starts it again from the top.
    click([this] { options().CMD_Movimento_Prova_Click(4); });
    options().TME_Prove_Timer();
    options().TME_Prove_Timer();
    EXPECT_EQ(run(1), 1);
    EXPECT_FLOAT_EQ(o().SHP_1_Top, 4920);
}

TEST_F(Options, TheDifficultyIsSavedAndInUseAtOnceAndAStoredZeroIsKept) {
    open_for(games::kScopa);
    icon(3);
    EXPECT_TRUE(o().FRM_Difficolta.Visible);
    EXPECT_TRUE(o().OPT_Difficolta(1).Value);  // a new user's
    EXPECT_TRUE(strip(3).saved);
    options().set_difficulty(3);
    EXPECT_FALSE(strip(3).saved);
    save();
    EXPECT_EQ(stored(2).Difficolta, 3);
    EXPECT_EQ(p.settings.Difficolta, 3);
    EXPECT_TRUE(strip(3).saved);

    // The panel's own buttons save and close as the strip's icons do.
    options().set_difficulty(2);
    click([this] { options().save_from_button(); });
    EXPECT_EQ(stored(2).Difficolta, 2);
    EXPECT_TRUE(strip(3).saved);
    click([this] { options().CMD_06_Difficolta_Chiudi_Click(); });
    EXPECT_FALSE(o().FRM_Difficolta.Visible);

    // The hidden option 0 takes a stored 0, and saves it as it was.
    storage::Tipo_Opzioni record = stored(2);
    record.Difficolta = 0;
    store(2, record);
    icon(3);
    EXPECT_TRUE(o().OPT_Difficolta(0).Value);
    save();
    EXPECT_EQ(stored(2).Difficolta, 0);
}

// Before any user is made, matches are played with a new user's options: the
// difficulty panel shows the level they play at.
TEST(OptionsWithoutUsers, TheDifficultyPanelShowsTheLevelPlayUses) {
    TempFolder folder;
    write_test_deck(folder);
    HeadlessProgram h{folder.string()};
    Program& p = h.program;
    p.waits.at_boundary([&p] { p.start_up(); });
    p.master_events.window_resized(15360, 11520, 15240, 11020);
    p.waits.at_boundary([&p] { p.setup.main_menu_events.IMG_Icona_Click(3); });
    p.waits.at_boundary([&p] { p.setup.options_events.IMG_Icona_Click(3); });
    ASSERT_TRUE(p.setup.options.FRM_Difficolta.Visible);
    EXPECT_TRUE(p.setup.options.OPT_Difficolta(1).Value);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Users"));
}

TEST_F(Options, ScopasPresetsClearBeforeTheyTickAndReachTheFileOnlyWhenSaved) {
    open_for(games::kScopa);
    icon(6);
    EXPECT_EQ(o().FRM_Regole.Caption, "Regole e punti");
    // A new user's switches are the "5 Punti" preset, with suit 3.
    std::vector<int> ticked;
    for (int k = 1; k <= 13; ++k) {
        if (o().CHK_Regole_Scopa(k).Value) ticked.push_back(k);
    }
    EXPECT_EQ(ticked, (std::vector<int>{7, 10, 11, 12, 13}));
    EXPECT_EQ(o().HSR_Mazzo_Asso.Value, 3);
    EXPECT_EQ(o().IMG_Mazzo_Asso.Picture, cards("Mazzo\\3\\1.bmp"));
    EXPECT_TRUE(strip(6).saved);
    EXPECT_EQ(strip(6).bar.description, "Impostazioni salvate");

    const std::vector<std::vector<int>> presets = {{7, 11, 12, 13},
                                                   {7, 10, 11, 12, 13},
                                                   {7, 8, 9, 10, 11, 12, 13},
                                                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}};
    // From "13 Punti" down, so that each one has something to clear.
    for (int preset = 4; preset >= 1; --preset) {
        click([this, preset] { options().CMD_Regole_Scopa_Click(preset); });
        std::vector<int> now;
        for (int k = 1; k <= 13; ++k) {
            if (o().CHK_Regole_Scopa(k).Value) now.push_back(k);
        }
        EXPECT_EQ(now, presets[static_cast<std::size_t>(preset - 1)]) << preset;
        EXPECT_FALSE(strip(6).saved);
    }
    EXPECT_EQ(stored(2).Regole(10), 1);  // not saved yet

    // The suit shows the ace of the deck in use, whatever the deck list shows.
    options().set_suit(2);
    EXPECT_EQ(o().IMG_Mazzo_Asso.Picture, cards("Mazzo\\2\\1.bmp"));
    save();
    EXPECT_EQ(stored(2).Regole(10), 0);
    EXPECT_EQ(stored(2).Regole(7), 1);
    EXPECT_EQ(stored(2).Regole(20), 2);
    EXPECT_TRUE(strip(6).saved);
}

TEST_F(Options, TheBackgroundListOffersThePicturesNoneAndKeepInThatOrder) {
    for (const char* name : {"Verde.jpg", "Legno.jpg", "X.jpg", "Note.txt"})
        folder.write(std::string("Tables/") + name, "jpg");
    storage::Tipo_Opzioni record = stored(1);
    record.Sfondo_Tavolo.assign("Verde");
    store(1, record);
    open_for(games::kBriscola);
    icon(4);
    EXPECT_TRUE(o().FRM_Sfondo_Tavolo.Visible);
    EXPECT_EQ(o().CMB_Sfondo_Tavolo.List,
              (std::vector<std::string>{"Legno", "Verde", "X", "->Nessuno", "->Casuale"}));
    EXPECT_EQ(table::Trim(o().CMB_Sfondo_Tavolo.Text), "Verde");
    const std::string verde = folder.string() + "\\Tables\\Verde.jpg";
    EXPECT_EQ(o().IMG_Sfondo_Tavolo.Picture, verde);
    EXPECT_EQ(p.settings.Percorso_Sfondo, verde);
    EXPECT_TRUE(strip(4).saved);

    // No picture: the preview clears, the strip waits; the save stores "N" and the
    // table has no background.
    options().set_background("->Nessuno");
    EXPECT_EQ(o().IMG_Sfondo_Tavolo.Picture, "");
    EXPECT_FALSE(strip(4).saved);
    save();
    EXPECT_EQ(stored(1).Sfondo_Tavolo.trimmed(), "N");
    EXPECT_EQ(p.settings.Percorso_Sfondo, "N");
    EXPECT_FALSE(p.master.IMG_Sfondo_Tavolo.Visible);

    // Stored "N" shows the no-picture entry and leaves the preview as it was.
    options().set_background("Legno");
    icon(4);
    EXPECT_EQ(o().CMB_Sfondo_Tavolo.Text, "->Nessuno");
    EXPECT_EQ(o().IMG_Sfondo_Tavolo.Picture, folder.string() + "\\Tables\\Legno.jpg");

    // Keeping the last picture is stored "R", and shown so.
    options().set_background("->Casuale");
    save();
    EXPECT_EQ(stored(1).Sfondo_Tavolo.trimmed(), "R");
    icon(4);
    EXPECT_EQ(o().CMB_Sfondo_Tavolo.Text, "->Casuale");
    EXPECT_EQ(p.settings.Percorso_Sfondo, "R");

    // A stored picture that is gone is not in the list: its save is refused.
    record.Sfondo_Tavolo.assign("Sparito");
    store(1, record);
    icon(4);
    save();
    EXPECT_FALSE(strip(4).saved);
    EXPECT_EQ(stored(1).Sfondo_Tavolo.trimmed(), "Sparito");
    EXPECT_EQ(h.platform.messages().size(), 1U);

    // Without a Tables folder no panel opens.
    std::filesystem::remove_all(folder.path() / "Tables");
    icon(4);
    EXPECT_FALSE(o().FRM_Sfondo_Tavolo.Visible);
    EXPECT_FALSE(o().FRM_Mazzo.Visible);
}

// Every panel a game offers, changed, saved, and shown again as saved by a new
// opening of the screen, in that game's file only.
TEST_F(Options, EveryPanelOfEveryGameComesBackAsSaved) {
    folder.write("Tables/Verde.jpg", "jpg");
    for (const games::Game& game : games::kGames) {
        const int g = game.code;
        SCOPED_TRACE(game.name);
        open_for(g);
        options().set_deck("Rosso");
        save();
        icon(2);
        options().set_movement(3, 30 + g);
        if (game.options.wait_for_click) options().set_wait(true);
        save();
        if (game.options.difficulty) {
            icon(3);
            options().set_difficulty(2);
            save();
        }
        icon(4);
        options().set_background("Verde");
        save();
        if (game.options.rules) {
            icon(6);
            click([this] { options().CMD_Regole_Scopa_Click(1); });
            options().set_suit(4);
            save();
        }
        close_screen();
        EXPECT_TRUE(h.platform.messages().empty());

        open_for(g);
        EXPECT_EQ(table::Trim(o().CMB_Mazzo_Carte.Text), "Rosso");
        EXPECT_EQ(o().IMG_Mazzo_Dorso.Picture, cards("Rosso\\1\\0.bmp"));
        icon(2);
        EXPECT_EQ(o().SLD_Movimento(3).Value, 30 + g);
        EXPECT_EQ(o().CHK_Aspetta_Tavolo.Value, game.options.wait_for_click);
        if (game.options.difficulty) {
            icon(3);
            EXPECT_TRUE(o().OPT_Difficolta(2).Value);
        }
        icon(4);
        EXPECT_EQ(table::Trim(o().CMB_Sfondo_Tavolo.Text), "Verde");
        if (game.options.rules) {
            icon(6);
            EXPECT_TRUE(o().CHK_Regole_Scopa(11).Value);
            EXPECT_FALSE(o().CHK_Regole_Scopa(10).Value);
            EXPECT_EQ(o().HSR_Mazzo_Asso.Value, 4);
        }
        close_screen();
    }
    // Saved per game: Briscola's rules are a new user's still.
    EXPECT_EQ(stored(games::kBriscola).Regole(20), 0);
    EXPECT_EQ(stored(games::kScopa).Regole(20), 4);
    EXPECT_EQ(stored(games::kCamicia).Difficolta, 1);
}

// What a failed save shows: the panel stays unsaved, and the user is told. The Users
// folder is a file, which no user, root included, can write into.
TEST_F(Options, ASaveThatCannotWriteIsNeverShownAsSaved) {
    open_for(games::kScopa);
    const std::filesystem::path users = folder.path() / "Users";
    std::filesystem::rename(users, folder.path() / "Altrove");
    folder.write("Users", "not a folder");

    options().set_deck("Oro");
    save();
    EXPECT_FALSE(strip(1).saved);
    EXPECT_EQ(strip(1).bar.description, "Salva impostazioni");
    click([this] { options().IMG_Icona_SubMenu_Opzioni_MouseMove(1); });
    EXPECT_EQ(strip(1).bar.description, "Salva impostazioni");
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].title, "Attenzione!");
    EXPECT_NE(h.platform.messages()[0].text.find("non sono state salvate"), std::string::npos);

    // Every panel's save, even straight after it opens as saved.
    for (int panel : {2, 3, 4, 6}) {
        icon(panel);
        ASSERT_TRUE(strip(panel).saved) << panel;
        save();
        EXPECT_FALSE(strip(panel).saved) << panel;
    }
    EXPECT_EQ(h.platform.messages().size(), 5U);
    EXPECT_TRUE(std::filesystem::is_regular_file(users));

    // With the folder back the same save is shown as saved.
    std::filesystem::remove(users);
    std::filesystem::rename(folder.path() / "Altrove", users);
    save();
    EXPECT_TRUE(strip(6).saved);
    EXPECT_EQ(h.platform.messages().size(), 5U);

    // A user whose name names no file is told to create one.
    p.settings.Nome_Utente.assign("");
    p.storage.Imposta_Percorso_Opzioni();
    save();
    EXPECT_FALSE(strip(6).saved);
    ASSERT_EQ(h.platform.messages().size(), 6U);
    EXPECT_NE(h.platform.messages()[5].text.find("Crea prima un utente"), std::string::npos);
}

// Each saver starts from its own file's record: whatever `Opzioni` held before (the
// general file's record, or another user's options) never reaches the file.
TEST_F(Options, ASaverWritesOnlyItsOwnFieldsIntoItsOwnFile) {
    const storage::Tipo_Opzioni before = stored(1);
    storage::Tipo_Opzioni other = before;
    other.Mazzo_Carte.assign("Altrui");
    other.Mazzo_Dorso.assign("Bruno");  // the general file's last user
    other.Sfondo_Tavolo.assign("Altrui");
    other.Difficolta = 3;
    for (int i = 1; i <= 8; ++i) other.Animazioni(i) = 99;
    for (int i = 1; i <= 15; ++i) other.Impostazioni(i) = 9;
    for (int i = 1; i <= 3; ++i) other.Nomi_Giocatori(i).assign("Altrui");

    storage::Settings& saver = p.storage;
    storage::MatchSettingsScreen screen;
    screen.SLD_Punteggio = 61;
    screen.SLD_Partite = 5;
    screen.LBL_Modalita_Tag = "1";
    for (int k = 1; k <= 3; ++k) screen.TXT_Nome_Giocatore(k) = before.Nomi_Giocatori(k).text();
    const storage::AnimationPanel animations = saver.Mostra_Animazioni();
    const std::function<void()> savers[] = {
        [&] { saver.Salva_Difficolta(std::nullopt); }, [&] { saver.Salva_Animazioni(animations); },
        [&] { saver.Salva_Regole_Scopa({}); },
        [&] { saver.Salva_Impostazioni_Partita_1(screen); },  // the points: the one change
    };
    storage::Tipo_Opzioni expected = before;
    int n = 0;
    for (const auto& save_one : savers) {
        p.settings.Opzioni = other;
        save_one();
        if (n == 3) expected.Impostazioni(2) = 61;
        EXPECT_EQ(stored(1), expected) << "saver " << n;
        ++n;
    }
    const std::vector<std::string> decks = {"Oro"};
    p.settings.Opzioni = other;
    ASSERT_TRUE(saver.Salva_Mazzo({"Oro", decks, "Oro", decks}));
    EXPECT_EQ(stored(1).Sfondo_Tavolo, before.Sfondo_Tavolo);
    EXPECT_EQ(stored(1).Difficolta, before.Difficolta);

    // A missing file is written from the defaults (the third deck), not from memory.
    std::filesystem::remove(folder.path() / "Users" / "Anna_1.opt");
    p.settings.Opzioni = other;
    saver.Salva_Difficolta(2);
    EXPECT_EQ(stored(1).Mazzo_Dorso.trimmed(), "Oro");
    EXPECT_EQ(stored(1).Animazioni(1), 8);

    // And the general file, when it has no record, gets no user's fields either.
    std::filesystem::remove(folder.path() / "Options" / "TVQ.opt");
    p.settings.Opzioni = other;
    p.setup.main_menu_events.Salva_Opzioni_Generali();
    const auto general = storage::read_file(folder.path() / "Options" / "TVQ.opt");
    ASSERT_TRUE(general);
    EXPECT_EQ(storage::decode_options(*general).Mazzo_Carte.trimmed(), "");
    EXPECT_EQ(storage::decode_options(*general).Difficolta, 0);
}

}  // namespace
}  // namespace tavolora::testing
