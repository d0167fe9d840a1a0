#include <gtest/gtest.h>

#include <random>

#include "storage/default_options.h"
#include "storage/record_file.h"
#include "tests/support/headless_program.h"

namespace tavolora::storage {
namespace {

using testing::HeadlessProgram;
using testing::TempFolder;

std::string record_bytes(const Tipo_Opzioni& r) {
    const OptionsBytes b = encode(r);
    return std::string(b.data(), b.size());
}

class SettingsFiles : public ::testing::Test {
protected:
    TempFolder folder;
    HeadlessProgram h{folder.string()};
    Program& program = h.program;
    SettingsState& s = program.settings;
    Settings& storage = program.storage;

    void SetUp() override {
        for (const char* deck : {"Bergamasche", "Napoletane", "Piacentine", "Trevisane"}) {
            folder.make_folder(std::string("Cards/") + deck);
        }
        folder.make_folder("Tables");
        be("Anna", 1);
    }

    void be(const std::string& user, int game) {
        s.Nome_Utente.assign(user);
        program.match.Codice_Gioco = static_cast<std::int16_t>(game);
        storage.Imposta_Percorso_Opzioni();
    }

    std::string users_file(const std::string& name) const { return "Users/" + name; }

    Tipo_Opzioni stored(const std::string& name) const {
        return decode_options(*read_file(folder.path() / "Users" / name));
    }
};

TEST_F(SettingsFiles, TheOptionsFileIsNamedAfterTheUserAndTheGame) {
    be("Anna", 2);
    EXPECT_EQ(s.Percorso_Opzioni, folder.string() + "\\Users\\Anna_2.opt");
    EXPECT_EQ(storage.options_file(), folder.path() / "Users" / "Anna_2.opt");
    EXPECT_EQ(s.Estensioni(2), ".jpg");
    // A user whose name cannot name a file has none: nothing is read or written.
    be("..\\Options\\TVQ", 1);
    EXPECT_EQ(s.Percorso_Opzioni, "");
    storage.Carica_Opzioni_Utente();
    storage.Salva_Difficolta(2);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Options"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Users"));
}

TEST_F(SettingsFiles, LoadingCopiesWhatTheProgramUsesAndBringsTimingsIntoRange) {
    Tipo_Opzioni r;
    r.Mazzo_Carte.assign("Napoletane");
    r.Mazzo_Dorso.assign("Trevisane");
    r.Sfondo_Tavolo.assign("Verde");
    r.Difficolta = 7;  // unknown: random play
    const std::int16_t timings[] = {0, -3, 12, 500, -1};
    for (int i = 1; i <= 5; ++i) r.Animazioni(i) = timings[i - 1];
    folder.write(users_file("Anna_1.opt"), record_bytes(r));

    storage.Carica_Opzioni_Utente();
    EXPECT_EQ(s.Percorso_Mazzo_Carte, folder.string() + "\\Cards\\Napoletane");
    EXPECT_EQ(s.Percorso_Mazzo_Dorso, folder.string() + "\\Cards\\Trevisane");
    EXPECT_EQ(s.Percorso_Sfondo, folder.string() + "\\Tables\\Verde.jpg");
    EXPECT_EQ(s.Difficolta, 0);
    const std::int16_t usable[] = {1, 1, 12, 200, 0};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(s.Tempi_Animazione(i), usable[i - 1]) << i;
    // Only in memory: the file keeps what it held.
    EXPECT_EQ(stored("Anna_1.opt"), r);
}

TEST_F(SettingsFiles, BackgroundSettingsNoneAndKeepAreNeverPaths) {
    Tipo_Opzioni r;
    for (const auto& [stored_text, expected] : {std::pair<const char*, std::string>{"R", "R"},
                                                {" N ", "N"},
                                                {"n", folder.string() + "\\Tables\\n.jpg"}}) {
        r.Sfondo_Tavolo.assign(stored_text);
        folder.write(users_file("Anna_1.opt"), record_bytes(r));
        storage.Carica_Sfondo();
        EXPECT_EQ(s.Percorso_Sfondo, expected) << stored_text;
    }
}

// What a damaged or foreign options file gives: the defaults (with the third deck
// of four) or record 1, and never a path built from a name that leaves its folder.
TEST_F(SettingsFiles, BadFilesGiveTheDefaultsOrRecordOne) {
    Tipo_Opzioni good;
    good.Mazzo_Carte.assign("Napoletane");
    good.Mazzo_Dorso.assign("Napoletane");
    good.Sfondo_Tavolo.assign("N");
    good.Difficolta = 2;
    for (int i = 1; i <= 5; ++i) good.Animazioni(i) = 4;
    const std::string record = record_bytes(good);

    const struct {
        std::string bytes;
        bool defaults;
        std::uintmax_t size_after;
    } cases[] = {
        {"", true, 298},
        {"x", true, 298},
        {record.substr(0, 297), true, 298},
        {record + record, true, 596},  // not valid, and left as the user has it
        {record, false, 298},
        {record + "y", false, 299},
        {record + std::string(297, 'y'), false, 595},
    };
    for (const auto& c : cases) {
        folder.write(users_file("Anna_1.opt"), c.bytes);
        s.Percorso_Mazzo_Carte.clear();
        storage.Carica_Opzioni_Utente();
        const std::string deck = c.defaults ? "Piacentine" : "Napoletane";
        EXPECT_EQ(s.Percorso_Mazzo_Carte, folder.string() + "\\Cards\\" + deck) << c.bytes.size();
        EXPECT_EQ(s.Difficolta, c.defaults ? 1 : 2) << c.bytes.size();
        EXPECT_EQ(s.Tempi_Animazione(1), c.defaults ? 8 : 4) << c.bytes.size();
        EXPECT_EQ(*stored_size(folder.path() / "Users" / "Anna_1.opt"), c.size_after) << c.bytes.size();
        // Only a file too short for a record is made valid with the defaults.
        if (c.bytes.size() >= 298) {
            EXPECT_EQ(*read_file(folder.path() / "Users" / "Anna_1.opt"), c.bytes);
        }
    }

    // A missing file gets the defaults and is written with them.
    std::filesystem::remove(folder.path() / "Users" / "Anna_1.opt");
    storage.Carica_Opzioni_Utente();
    EXPECT_EQ(stored("Anna_1.opt").Mazzo_Dorso.trimmed(), "Piacentine");
    EXPECT_EQ(stored("Anna_1.opt").Nomi_Giocatori(2).trimmed(), "Galvino");
}

TEST_F(SettingsFiles, ZeroedRandomAndPathLikeRecordsAreReadSafely) {
    folder.write(users_file("Anna_1.opt"), std::string(298, '\0'));
    storage.Carica_Opzioni_Utente();
    EXPECT_EQ(s.Percorso_Mazzo_Carte, folder.string() + "\\Cards\\");  // a blank deck: nothing to show
    EXPECT_EQ(s.Difficolta, 0);
    EXPECT_EQ(s.Tempi_Animazione(1), 1);
    EXPECT_EQ(s.Tempi_Animazione(5), 0);

    Tipo_Opzioni r;
    r.Mazzo_Carte.assign("..\\..\\..\\etc");
    r.Mazzo_Dorso.assign("/etc/passwd");
    r.Sfondo_Tavolo.assign("..\\Users\\Anna_1");
    folder.write(users_file("Anna_1.opt"), record_bytes(r));
    storage.Carica_Opzioni_Utente();
    EXPECT_EQ(s.Percorso_Mazzo_Carte, folder.string() + "\\Cards\\");
    EXPECT_EQ(s.Percorso_Mazzo_Dorso, folder.string() + "\\Cards\\");
    EXPECT_EQ(s.Percorso_Sfondo, "N");

    std::mt19937 random(5);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(298 + random() % 300, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        folder.write(users_file("Anna_1.opt"), bytes);
        storage.Carica_Opzioni_Utente();
        EXPECT_GE(s.Difficolta, 0);
        EXPECT_LE(s.Difficolta, 3);
        EXPECT_GE(s.Tempi_Animazione(1), 1);
        EXPECT_LE(s.Tempi_Animazione(4), 200);
        EXPECT_EQ(s.Percorso_Mazzo_Carte.rfind(folder.string() + "\\Cards\\", 0), 0U);
    }
}

TEST_F(SettingsFiles, NamesThatDifferOnlyInLetterCaseAreOneUser) {
    Tipo_Opzioni r;
    r.Difficolta = 3;
    folder.write(users_file("Anna_1.opt"), record_bytes(r));
    be("ANNA", 1);
    storage.Carica_Opzioni_Utente();
    EXPECT_EQ(s.Difficolta, 3);
    storage.Salva_Difficolta(2);
    EXPECT_EQ(stored("Anna_1.opt").Difficolta, 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "Users"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(SettingsFiles, TheDifficultyReadAtEachTurnKeepsTheLastGoodOne) {
    Tipo_Opzioni r;
    r.Difficolta = 3;
    folder.write(users_file("Anna_1.opt"), record_bytes(r));
    storage.Leggi_Difficolta();
    EXPECT_EQ(s.Difficolta, 3);
    folder.write(users_file("Anna_1.opt"), "short");
    storage.Leggi_Difficolta();
    EXPECT_EQ(s.Difficolta, 3);
    std::filesystem::remove(folder.path() / "Users" / "Anna_1.opt");
    storage.Leggi_Difficolta();
    EXPECT_EQ(s.Difficolta, 3);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Users" / "Anna_1.opt"));  // reading never creates
}

TEST_F(SettingsFiles, TheOptionsPanelsShowAndSaveTheirOwnFields) {
    Tipo_Opzioni r;
    r.Mazzo_Carte.assign("Napoletane");
    for (int i = 1; i <= 5; ++i) r.Animazioni(i) = i == 5 ? 0 : 5;
    r.Difficolta = 2;
    r.Impostazioni(3) = 9;
    folder.write(users_file("Anna_1.opt"), record_bytes(r));

    const AnimationPanel shown = storage.Mostra_Animazioni();
    EXPECT_EQ(shown.SLD_Movimento(4), 5);
    EXPECT_EQ(shown.SLD_Movimento(5), 0);
    EXPECT_TRUE(shown.CHK_Aspetta_Tavolo);

    AnimationPanel panel;
    for (int i = 1; i <= 5; ++i) panel.SLD_Movimento(i) = 10 + i;
    panel.CHK_Aspetta_Tavolo = true;
    storage.Salva_Animazioni(panel);
    EXPECT_EQ(stored("Anna_1.opt").Animazioni(4), 14);
    EXPECT_EQ(stored("Anna_1.opt").Animazioni(5), 0);  // the wait box wins over the slider

    storage.Salva_Difficolta(std::nullopt);
    EXPECT_EQ(stored("Anna_1.opt").Difficolta, 2);
    storage.Salva_Difficolta(0);
    EXPECT_EQ(stored("Anna_1.opt").Difficolta, 0);

    // Each saver changes its own fields and keeps the others.
    EXPECT_EQ(stored("Anna_1.opt").Mazzo_Carte.trimmed(), "Napoletane");
    EXPECT_EQ(stored("Anna_1.opt").Impostazioni(3), 9);
}

TEST_F(SettingsFiles, DeckAndBackgroundAreSavedOnlyFromTheirLists) {
    folder.write(users_file("Anna_1.opt"), record_bytes(Tipo_Opzioni{}));
    const std::vector<std::string> decks = {"Napoletane", "Piacentine "};
    EXPECT_TRUE(storage.Salva_Mazzo({"Napoletane  ", decks, "Napoletane", decks}));
    EXPECT_EQ(stored("Anna_1.opt").Mazzo_Carte.trimmed(), "Napoletane");
    // A list entry with a trailing blank never matches; a typed name not in the list neither.
    EXPECT_FALSE(storage.Salva_Mazzo({"Piacentine", decks, "Napoletane", decks}));
    EXPECT_FALSE(storage.Salva_Mazzo({"Altro", decks, "Napoletane", decks}));
    EXPECT_EQ(storage.Mostra_Mazzo().CMB_Mazzo_Carte, "Napoletane" + std::string(40, ' '));

    const std::vector<std::string> backgrounds = {"->Nessuno", "->Casuale", "Verde"};
    EXPECT_TRUE(storage.Salva_Sfondo({"->Nessuno", backgrounds}));
    EXPECT_EQ(stored("Anna_1.opt").Sfondo_Tavolo.trimmed(), "N");
    EXPECT_TRUE(storage.Salva_Sfondo({"->Casuale", backgrounds}));
    EXPECT_EQ(stored("Anna_1.opt").Sfondo_Tavolo.trimmed(), "R");
    EXPECT_TRUE(storage.Salva_Sfondo({" Verde", backgrounds}));
    EXPECT_EQ(stored("Anna_1.opt").Sfondo_Tavolo.trimmed(), "Verde");
    EXPECT_FALSE(storage.Salva_Sfondo({"Blu", backgrounds}));
}

TEST_F(SettingsFiles, ScopasRulesAreShownAndSavedForScopaOnly) {
    be("Anna", 2);
    Tipo_Opzioni r;
    r.Regole(1) = 1;
    r.Regole(2) = 2;  // neither on nor off: the box is left alone
    r.Regole(20) = 4;
    folder.write(users_file("Anna_2.opt"), record_bytes(r));
    const auto shown = storage.Mostra_Regole_Scopa();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->CHK_Regole_Scopa(1), true);
    EXPECT_EQ(shown->CHK_Regole_Scopa(2), std::nullopt);
    EXPECT_EQ(shown->CHK_Regole_Scopa(3), false);
    EXPECT_EQ(shown->HSR_Mazzo_Asso, 4);

    RulesPanel panel;
    panel.CHK_Regole_Scopa(7) = 1;
    panel.HSR_Mazzo_Asso = 2;
    storage.Salva_Regole_Scopa(panel);
    EXPECT_EQ(stored("Anna_2.opt").Regole(1), 0);
    EXPECT_EQ(stored("Anna_2.opt").Regole(7), 1);
    EXPECT_EQ(stored("Anna_2.opt").Regole(20), 2);
    storage.Carica_Regole_Partita();
    EXPECT_EQ(s.Regole_Partita(7), 1);

    be("Anna", 1);
    folder.write(users_file("Anna_1.opt"), record_bytes(r));
    EXPECT_FALSE(storage.Mostra_Regole_Scopa());
    storage.Salva_Regole_Scopa(panel);
    EXPECT_EQ(stored("Anna_1.opt"), r);
}

TEST_F(SettingsFiles, MatchSettingsComeBackAsSavedAndStayPerGame) {
    storage.Carica_Opzioni_Utente();  // a new user's defaults
    const MatchSettingsShown briscola = storage.Mostra_Impostazioni_Partita_1();
    EXPECT_EQ(briscola.OPT_Numero_Giocatori, 2);
    EXPECT_EQ(briscola.SLD_Punteggio, 100);
    EXPECT_EQ(briscola.SLD_Partite, 5);
    EXPECT_EQ(briscola.CHK_Ferma_Punteggio, 0);
    EXPECT_EQ(briscola.OPT_Gioca_Per_Primo, 0);
    EXPECT_EQ(briscola.OPT_Verso_Delle_Carte, 0);
    EXPECT_EQ(briscola.TXT_Nome_Giocatore(2), "Galvino" + std::string(13, ' '));
    EXPECT_EQ(briscola.punteggio_max, 1200);
    EXPECT_EQ(briscola.LBL_Modalita_Tag, "1");

    MatchSettingsScreen screen;
    screen.OPT_Numero_Giocatori = 4;
    screen.SLD_Punteggio = 61;
    screen.SLD_Partite = 5;
    screen.CHK_Ferma_Punteggio = true;
    screen.OPT_Gioca_Per_Primo = 3;
    screen.OPT_Verso_Delle_Carte_0 = false;
    screen.TXT_Nome_Giocatore(1) = "Anna";
    screen.TXT_Nome_Giocatore(2) = "Un nome di oltre venti lettere";
    screen.TXT_Nome_Giocatore(3) = "Melto";
    screen.LBL_Modalita_Tag = "4";
    storage.Salva_Impostazioni_Partita_1(screen);
    const MatchSettingsShown again = storage.Mostra_Impostazioni_Partita_1();
    EXPECT_EQ(again.OPT_Numero_Giocatori, 4);
    EXPECT_EQ(again.SLD_Punteggio, 61);
    EXPECT_EQ(again.CHK_Ferma_Punteggio, 1);
    EXPECT_EQ(again.OPT_Gioca_Per_Primo, 3);
    EXPECT_EQ(again.OPT_Verso_Delle_Carte, 1);
    EXPECT_EQ(again.TXT_Nome_Giocatore(1), "Anna" + std::string(16, ' '));
    EXPECT_EQ(again.TXT_Nome_Giocatore(2), "Un nome di oltre ven");
    EXPECT_EQ(again.LBL_Modalita_Tag, "4");

    // No option selected: the settings keep their values.
    screen.OPT_Numero_Giocatori.reset();
    screen.OPT_Gioca_Per_Primo.reset();
    storage.Salva_Impostazioni_Partita_1(screen);
    EXPECT_EQ(storage.Mostra_Impostazioni_Partita_1().OPT_Numero_Giocatori, 4);

    // Scopa keeps its own, with its own points slider.
    be("Anna", 2);
    const MatchSettingsShown scopa = storage.Mostra_Impostazioni_Partita_2();
    EXPECT_EQ(scopa.OPT_Numero_Giocatori, 2);
    EXPECT_EQ(scopa.punteggio_max, 50);
    be("Anna", 4);
    EXPECT_EQ(storage.Mostra_Impostazioni_Partita_4().punteggio_max, 220);

    // Camicia saves the match state and keeps its mode position.
    be("Anna", 3);
    program.match.Modalita_Partita = 0;
    program.match.Numero_Carte_Camicia = 30;
    storage.Salva_Impostazioni_Camicia();
    const CamiciaSettingsShown camicia = storage.Mostra_Impostazioni_Camicia();
    EXPECT_EQ(camicia.OPT_Camicia, 0);
    EXPECT_EQ(camicia.SLD_Camicia_Numero, 30);
    EXPECT_EQ(camicia.LBL_Modalita_Tag, "1");
}

class StartUp : public SettingsFiles {
protected:
    void SetUp() override {
        SettingsFiles::SetUp();
        for (const char* user : {"Bruno.usr", "Anna.usr", "anna.usr", "..usr", "Carla.txt"}) {
            folder.write(users_file(user), std::string(20, ' '));
        }
    }
    const setup::MenuLabel& label(int i) const { return program.setup.main_menu.LBL_Primarie(i); }
};

TEST_F(StartUp, TheNameTablesHoldTheUsersAndEveryGame) {
    program.setup.main_menu_events.Inizializza_Tabelle_Utenti_Giochi();
    EXPECT_EQ(s.Utenti_Giochi(1, 1).trimmed(), "Anna");  // anna is the same user
    EXPECT_EQ(s.Utenti_Giochi(1, 2).trimmed(), "Bruno");
    EXPECT_EQ(s.Utenti_Giochi(1, 3).trimmed(), "");
    const char* games[] = {"Briscola", "Scopa", "Camicia", "Tresette"};
    for (int g = 1; g <= 4; ++g) EXPECT_EQ(s.Utenti_Giochi(2, g).trimmed(), games[g - 1]);
    EXPECT_EQ(s.Modalita_Giochi(1, 4).trimmed(), "151");
    EXPECT_EQ(s.Modalita_Giochi(4, 2).trimmed(), "Punteggio");
    EXPECT_EQ(s.Modalita_Giochi(3, 2).trimmed(), "");
    EXPECT_EQ(label(1).Caption, "Anna");
    EXPECT_EQ(label(2).Caption, "Briscola");
    EXPECT_EQ(s.Cartella_Utenti, folder.string() + "\\Users\\");
}

TEST_F(StartUp, WithoutAGeneralFileTheFirstUserAndGameAreWrittenAndRestored) {
    program.setup.main_menu_events.Form_Load();
    const auto general = read_file(folder.path() / "Options" / "TVQ.opt");
    ASSERT_TRUE(general);
    const Tipo_Opzioni record = decode_options(*general);
    EXPECT_EQ(record.Mazzo_Dorso.text(), "Anna" + std::string(46, ' '));
    EXPECT_EQ(record.Impostazioni(1), 1);
    EXPECT_EQ(label(1).Caption, "Anna");
    EXPECT_EQ(label(2).Caption, "Briscola");
    EXPECT_EQ(program.match.Codice_Gioco, 1);
    EXPECT_EQ(s.Percorso_Opzioni, folder.string() + "\\Users\\Anna_1.opt");
}

TEST_F(StartUp, TheLastUserAndGameAreRestored) {
    Tipo_Opzioni record;
    record.Mazzo_Dorso.assign("Bruno");
    record.Impostazioni(1) = 2;
    folder.write("Options/TVQ.opt", record_bytes(record));
    program.setup.main_menu_events.Form_Load();
    EXPECT_EQ(label(1).Caption, "Bruno");
    EXPECT_EQ(label(1).Tag, "2");  // the arrows step on from the restored user's place
    EXPECT_EQ(label(2).Caption, "Scopa");
    EXPECT_EQ(label(2).Tag, "2");
    EXPECT_EQ(program.match.Codice_Gioco, 2);
    EXPECT_EQ(s.Nome_Utente.trimmed(), "Bruno");
    EXPECT_EQ(s.Percorso_Opzioni, folder.string() + "\\Users\\Bruno_2.opt");

    // The exit saves what the main menu shows.
    program.setup.main_menu.LBL_Primarie(1).Caption = "Anna";
    program.setup.main_menu_events.Form_Unload();
    EXPECT_EQ(decode_options(*read_file(folder.path() / "Options" / "TVQ.opt")).Mazzo_Dorso.trimmed(),
              "Anna");
}

TEST_F(StartUp, AGameCodePastTheNamedGamesWrapsToTheFirst) {
    Tipo_Opzioni record;
    record.Mazzo_Dorso.assign("Anna");
    record.Impostazioni(1) = 7;
    folder.write("Options/TVQ.opt", record_bytes(record));
    program.setup.main_menu_events.Form_Load();
    EXPECT_EQ(label(2).Tag, "1");
    EXPECT_EQ(program.match.Codice_Gioco, 1);
}

TEST_F(StartUp, ADamagedGeneralFileIsRetriedOnceAndABadLastUserIsNotRestored) {
    folder.write("Options/TVQ.opt", std::string(700, 'x'));
    program.setup.main_menu_events.Form_Load();  // returns: no endless retry
    EXPECT_EQ(*read_file(folder.path() / "Options" / "TVQ.opt"), std::string(700, 'x'));  // left as it is
    EXPECT_EQ(label(1).Caption.substr(0, 4), "Anna");

    Tipo_Opzioni record;
    record.Mazzo_Dorso.assign("..\\Options");
    record.Impostazioni(1) = 4;
    folder.write("Options/TVQ.opt", record_bytes(record));
    program.setup.main_menu_events.Form_Load();
    EXPECT_EQ(label(1).Caption.substr(0, 4), "Anna");
    EXPECT_EQ(label(2).Caption, "Tresette");
}

TEST_F(StartUp, TheArrowsStepThroughTheUsers) {
    program.setup.main_menu_events.Form_Load();
    auto& menu = program.setup.main_menu_events;
    menu.IMG_Icona_Primarie_Click(2);
    EXPECT_EQ(label(1).Caption, "Bruno");
    menu.IMG_Icona_Primarie_Click(2);  // past the last: the first
    EXPECT_EQ(label(1).Caption, "Anna");
    menu.IMG_Icona_Primarie_Click(1);  // back from the first: the last
    EXPECT_EQ(label(1).Caption, "Bruno");
    EXPECT_EQ(s.Nome_Utente.trimmed(), "Bruno");
    EXPECT_EQ(program.setup.main_menu.BackColor2, 0xFF0000U);
}

// The general file as the storage sees it: the last user and game as plain values,
// whatever the main menu's labels show.
TEST_F(SettingsFiles, TheGeneralFileGivesAndTakesTheLastUserAndGameAsValues) {
    using File = GeneralOptions::File;
    EXPECT_EQ(storage.read_general_options().file, File::Short);  // no file yet
    ASSERT_TRUE(storage.write_general_options("Bruno", 4));
    GeneralOptions read = storage.read_general_options();
    EXPECT_EQ(read.file, File::Valid);
    EXPECT_EQ(read.user, "Bruno");
    EXPECT_EQ(read.game, 4);
    // A game past 16 bits keeps the stored one; the user is written all the same.
    ASSERT_TRUE(storage.write_general_options("Anna", 70000));
    read = storage.read_general_options();
    EXPECT_EQ(read.user, "Anna");
    EXPECT_EQ(read.game, 4);

    folder.write("Options/TVQ.opt", std::string(2 * layout::kOptionsLength, 'x'));
    EXPECT_EQ(storage.read_general_options().file, File::TooLong);
    folder.write("Options/TVQ.opt", std::string(layout::kOptionsLength - 1, 'x'));
    EXPECT_EQ(storage.read_general_options().file, File::Short);
}

TEST_F(SettingsFiles, NewOptionsFilesGetTheDefaultsAndAValidOneIsLeftAlone) {
    // Four decks: the third; three backgrounds or more: the third.
    for (const char* table : {"a.jpg", "b.JPG", "c.jpg", "d.jpg", "e.bmp"})
        folder.write(std::string("Tables/") + table, "");
    be("Anna", 2);
    program.setup.game_setup.Crea_Opzioni();
    const Tipo_Opzioni created = stored("Anna_2.opt");
    EXPECT_EQ(created.Mazzo_Carte.trimmed(), "Piacentine");
    EXPECT_EQ(created.Mazzo_Dorso.trimmed(), "Piacentine");
    EXPECT_EQ(created.Sfondo_Tavolo.trimmed(), "c");
    EXPECT_EQ(created.Difficolta, 1);
    const std::int16_t scopa_rules[] = {0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 3};
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(created.Regole(i), scopa_rules[i - 1]) << i;
    const std::int16_t settings[] = {2, 100, 5, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(created.Impostazioni(i), settings[i - 1]) << i;

    // The general file names the user, with the first game.
    const Tipo_Opzioni general = decode_options(*read_file(folder.path() / "Options" / "TVQ.opt"));
    EXPECT_EQ(general.Mazzo_Dorso.trimmed(), "Anna");
    EXPECT_EQ(general.Impostazioni(1), 1);

    // A valid file is not changed, byte for byte.
    const std::string valid = record_bytes(Tipo_Opzioni{}) + "tail";
    folder.write(users_file("Anna_4.opt"), valid);
    be("Anna", 4);
    program.setup.game_setup.Crea_Opzioni();
    EXPECT_EQ(*read_file(folder.path() / "Users" / "Anna_4.opt"), valid);
}

TEST(DefaultOptions, TakeTheFirstDeckAndBackgroundWhenThereAreOneOrTwo) {
    TempFolder folder;
    folder.make_folder("Cards/B");
    folder.make_folder("Cards/A");
    folder.write("Tables/verde.jpg", "");
    folder.write("Tables/blu.jpg", "");
    const Tipo_Opzioni r = default_options(folder.string(), 1);
    EXPECT_EQ(r.Mazzo_Carte.trimmed(), "A");
    EXPECT_EQ(r.Sfondo_Tavolo.trimmed(), "blu");
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(r.Regole(i), 0);
    TempFolder empty;
    EXPECT_EQ(default_options(empty.string(), 1).Sfondo_Tavolo.trimmed(), "N");
    EXPECT_EQ(default_options(empty.string(), 1).Mazzo_Carte.trimmed(), "");
}

TEST_F(SettingsFiles, FileNames) {
    EXPECT_EQ(Settings::Estrai_Nome_File("C:\\Tavolora\\Cards\\Napoletane"), "Napoletane");
    EXPECT_EQ(Settings::Estrai_Nome_File("C:\\Tavolora\\Cards\\"), "");
}

TEST_F(SettingsFiles, TheTextTableIsFilledAtStart) {
    storage.Carica_Testi_Italiano();
    EXPECT_EQ(s.Lingua, 1);
    EXPECT_EQ(s.Testi(13).trimmed_right(), "Menù principale");
    EXPECT_EQ(s.Testi(26).trimmed_right(), "Crea utente");
    EXPECT_EQ(s.Testi(22).trimmed_right(), "Crea Utente");
    EXPECT_EQ(s.Testi(34).trimmed_right(), "Seleziona il numero di punti da raggiungere");
    EXPECT_EQ(s.Testi(84).text(), "Totali" + std::string(44, ' '));
    for (int entry : {1, 19, 85, 99}) EXPECT_EQ(s.Testi(entry).trimmed_right(), "") << entry;
}

TEST_F(SettingsFiles, ARefusedUserNameSaysErroreAndWhyInAnErrorBox) {
    EXPECT_TRUE(storage.accept_user_name("Anna"));
    EXPECT_FALSE(storage.accept_user_name("../Anna"));
    ASSERT_EQ(h.platform.messages().size(), 1U);
    EXPECT_EQ(h.platform.messages()[0].text,
              "Errore\n\nIl nome non può contenere \"/\", che un nome di file non ammette.");
    EXPECT_EQ(h.platform.messages()[0].title, "Tavolora");
    EXPECT_EQ(h.platform.message_kinds()[0], platform::MessageKind::Error);
}

}  // namespace
}  // namespace tavolora::storage
