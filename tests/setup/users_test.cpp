// The user screens: the list of users, the selection, the delete and its refusals,
// the new user with its photo and options files, the names refused, and the main
// menu's user row kept in step with the users folder.

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "storage/names.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "tests/setup/setup_fixture.h"

namespace tavolora::testing {
namespace {

namespace fs = std::filesystem;
using table::Screen;
using Message = platform::headless::HeadlessPlatform::Message;

class Users : public StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        for (const char* photo : {"Gatto", "Sole", "Volpe"})
            folder.write(std::string("Photos/") + photo + ".bmp", bmp_header(48, 48));
    }

    setup::UserScreen& users() { return p.setup.users; }
    setup::NewUserScreen& new_user() { return p.setup.new_user; }
    const setup::UsersScreenState& list() const { return p.setup.users_screen; }
    const setup::NewUserScreenState& form() const { return p.setup.new_user_screen; }
    const setup::MenuLabel& user_label() const { return p.setup.main_menu.LBL_Primarie(1); }
    const std::vector<Message>& messages() const { return h.platform.messages(); }

    void open_users() {
        click([this] { menu().IMG_Icona_Click(2); });
    }
    // From the user screen: "Crea Utente", the name typed, a photo chosen, "Crea utente".
    void create(const std::string& name, int photo = 1) {
        click([this] { users().IMG_Icona_Click(2); });
        ASSERT_TRUE(new_user().loaded()) << name;
        new_user().set_name(name);
        new_user().set_photo(photo);
        click([this] { new_user().IMG_Icona_Click(1); });
    }
    void delete_row(int row, bool yes) {
        users().LBL_Utente_Click(row);
        h.platform.answer_next(yes);
        click([this] { users().IMG_Icona_Click(1); });
    }
    std::vector<std::string> names_listed() const {
        std::vector<std::string> names;
        for (const setup::UserRow& row : list().rows) names.push_back(row.LBL_Utente);
        return names;
    }
    std::set<std::string> users_folder() const {
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(folder.path() / "Users"))
            files.insert(entry.path().filename());
        return files;
    }
    bool exists(const std::string& file) const { return fs::exists(folder.path() / "Users" / file); }
    storage::Tipo_Utente user_record(const std::string& name) const {
        return storage::decode_user(*storage::read_file(folder.path() / "Users" / (name + ".usr")));
    }
    bool valid_options(const std::string& file) const {
        const auto size = storage::stored_size(folder.path() / "Users" / file);
        return size && storage::valid_options_file_size(*size);
    }
};

TEST_F(Users, TheListShowsEveryUserWithItsPhotoSizedToTheListBesideTheMainMenu) {
    storage::Tipo_Utente anna;
    anna.Foto.assign("Sole.bmp");
    storage::Tipo_Utente bruno;
    bruno.Foto.assign("Sparita.bmp");  // a photo no longer there
    folder.write("Users/Anna.usr", std::string(storage::encode(anna).data(), 20));
    folder.write("Users/Bruno.usr", std::string(storage::encode(bruno).data(), 20));
    folder.write("Users/Carla.usr", "Gat");  // short and damaged
    p.master.Q_U.Visible = true;
    open_users();

    const table::ChildScreen& screen = shown(Screen::F_02_Utenti);
    EXPECT_TRUE(screen.Visible);
    EXPECT_FALSE(p.master.Q_U.Visible);  // the menu bar hidden again
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
    EXPECT_EQ(list().rows[0].PIC_Utente, folder.string() + "\\Photos\\Sole.bmp");
    EXPECT_EQ(list().rows[1].PIC_Utente, "");  // an empty frame
    EXPECT_EQ(list().rows[2].PIC_Utente, "");
    // Three rows: a panel of 2840, and the screen no lower than 3735, beside the menu.
    EXPECT_EQ(list().FRM_Utente_Height, 2840);
    EXPECT_EQ(screen.Height, 3735);
    EXPECT_FLOAT_EQ(screen.Top, (p.master.form.Height - 3735 - 600) / 2);
    // The first row is selected and marked; a click selects another, never past the last.
    EXPECT_EQ(list().Utente_Selezionato, 0);
    EXPECT_EQ(list().Rec.Top, 310);
    users().PIC_Utente_Click(2);
    users().LBL_Utente_Click(3);
    EXPECT_EQ(list().Utente_Selezionato, 2);
    EXPECT_EQ(list().Rec.Top, 310 + 2 * 840);

    // A fourth user makes the screen taller than its least height.
    create("Dario");
    EXPECT_EQ(list().FRM_Utente_Height, 3680);
    EXPECT_EQ(screen.Height, 4325);
    click([this] { users().IMG_Icona_Click(3); });  // "Chiudi"
    EXPECT_FALSE(shown(Screen::F_02_Utenti).loaded);
    EXPECT_TRUE(shown(Screen::F_011_Menu).Visible);
}

TEST_F(Users, EightUsersAtMostEachWithItsPhotoAndTheOptionsOfTenGames) {
    open_users();
    create("  Dario  ", 2);
    EXPECT_TRUE(messages().empty());
    // The user's file names the photo as listed; games 1 to 10 have their options.
    EXPECT_EQ(user_record("Dario").Foto.text(), "Sole.bmp" + std::string(12, ' '));
    for (int game = 1; game <= 10; ++game)
        EXPECT_TRUE(valid_options("Dario_" + std::to_string(game) + ".opt"));
    EXPECT_FALSE(exists("Dario_11.opt"));
    // The new user is current with game 1, and the main menu shows them at their
    // place in the list, with the first game; the user screen is back with the new
    // user in its place.
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Dario");
    EXPECT_EQ(p.match.Codice_Gioco, 1);
    EXPECT_EQ(p.settings.Percorso_Opzioni, folder.string() + "\\Users\\Dario_1.opt");
    EXPECT_EQ(user_label().Caption, "Dario");
    EXPECT_EQ(user_label().Tag, "4");
    EXPECT_EQ(p.setup.main_menu.LBL_Primarie(2).Tag, "1");
    EXPECT_FALSE(new_user().loaded());
    EXPECT_TRUE(shown(Screen::F_02_Utenti).Visible);
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna", "Bruno", "Carla", "Dario"}));

    for (const char* name : {"Elena", "Franco", "Gina", "Ugo"}) create(name);
    EXPECT_EQ(list().rows.size(), 8U);
    // A ninth is refused on the user screen, which stays.
    click([this] { users().IMG_Icona_Click(2); });
    EXPECT_EQ(messages(), (std::vector<Message>{{"Attenzione!", "Non puoi creare più di 8 utenti!"}}));
    EXPECT_EQ(h.platform.message_kinds(), std::vector<platform::MessageKind>{platform::MessageKind::Warning});
    EXPECT_FALSE(new_user().loaded());
    EXPECT_TRUE(shown(Screen::F_02_Utenti).Visible);

    // The main menu's arrows step through all eight, on from the last one made.
    EXPECT_EQ(user_label().Caption, "Ugo");
    std::vector<std::string> seen;
    for (int step = 0; step < 8; ++step) {
        menu().IMG_Icona_Primarie_Click(2);
        seen.push_back(user_label().Caption);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Anna", "Bruno", "Carla", "Dario", "Elena", "Franco", "Gina",
                                              "Ugo"}));
}

// Whatever user and game the main menu showed before, after a save it shows the new
// user, whose files the options read and write, and whom the general file names.
TEST_F(Users, TheNewUserIsTheOneTheMainMenuShowsAndTheOptionsAreSavedFor) {
    menu().IMG_Icona_Primarie_Click(2);  // Bruno
    choose_game(games::kScopa);
    open_users();
    create("Zed");
    EXPECT_EQ(user_label().Caption, "Zed");
    EXPECT_EQ(p.setup.main_menu.LBL_Primarie(2).Caption, "Briscola");
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Zed");
    click([this] { users().IMG_Icona_Click(3); });

    // The options icon saves the shown user and game in the general file first; the
    // difficulty saved goes into the new user's options for the shown game.
    click([this] { menu().IMG_Icona_Click(3); });
    const auto general = storage::decode_options(*storage::read_file(folder.path() / "Options" / "TVQ.opt"));
    EXPECT_EQ(general.Mazzo_Dorso.trimmed(), "Zed");
    EXPECT_EQ(general.Impostazioni(1), 1);
    click([this] { p.setup.options_events.IMG_Icona_Click(3); });
    p.setup.options_events.set_difficulty(3);
    click([this] { p.setup.options_events.save_from_button(); });
    EXPECT_EQ(storage::decode_options(*storage::read_file(folder.path() / "Users" / "Zed_1.opt")).Difficolta, 3);
    for (const char* other : {"Anna_1.opt", "Bruno_1.opt", "Bruno_2.opt"}) {
        if (exists(other)) {
            EXPECT_NE(storage::decode_options(*storage::read_file(folder.path() / "Users" / other)).Difficolta, 3);
        }
    }
    EXPECT_EQ(user_label().Caption, "Zed");

    // The arrows step on from the new user: back to the one before it in the list.
    menu().IMG_Icona_Primarie_Click(1);
    EXPECT_EQ(user_label().Caption, "Carla");
}

// The mark frames the user the main menu shows, whom the program works for: when the
// list opens, right after a new user is saved, and after a declined delete, which
// keeps that user.
TEST_F(Users, TheMarkFramesTheUserTheMainMenuShows) {
    const auto marked = [this] {
        EXPECT_EQ(list().Rec.Top, 310 + 840 * list().Utente_Selezionato);
        return list().rows.at(static_cast<std::size_t>(list().Utente_Selezionato)).LBL_Utente;
    };
    menu().IMG_Icona_Primarie_Click(2);
    open_users();
    EXPECT_EQ(marked(), "Bruno");
    create("Cesare");
    EXPECT_EQ(user_label().Caption, "Cesare");
    EXPECT_EQ(marked(), "Cesare");
    delete_row(2, false);
    EXPECT_EQ(user_label().Caption, "Cesare");
    EXPECT_EQ(marked(), "Cesare");
}

TEST_F(Users, ANameThatCannotNameAFileIsRefusedBeforeAnyFileIsTouched) {
    open_users();
    click([this] { users().IMG_Icona_Click(2); });
    const std::set<std::string> before = users_folder();
    const char* refused[] = {"..",   "../Anna", "a\\b", "a/b",       "CON",   "lpt1",     "Nul.txt", "a:b",
                             "chi?", "a*",      "<io>", ".nascosto", "fine.", "tab\tbed", "日本語",
                             // Windows' other devices, also with blanks before an extension
                             "COM¹", "com²", "COM³.txt", "LPT¹", "lpt²", "LPT³", "CONIN$", "conout$",
                             "Clock$", "CON .txt", "  aux  .a", " . Anna", "Anna . "};
    for (const char* name : refused) {
        SCOPED_TRACE(name);
        const std::size_t shown_before = messages().size();
        new_user().set_name(name);
        click([this] { new_user().IMG_Icona_Click(1); });
        ASSERT_EQ(messages().size(), shown_before + 1);
        // "Errore" under the program's title, and under it why, in an error box.
        EXPECT_EQ(messages().back().title, "Tavolora");
        EXPECT_EQ(messages().back().text, "Errore\n\n" + storage::user_name_refusal(name));
        EXPECT_EQ(h.platform.message_kinds().back(), platform::MessageKind::Error);
        EXPECT_TRUE(new_user().loaded());  // for another try
    }
    EXPECT_EQ(messages()[4].text, "Errore\n\nIl nome \"CON\" è riservato dal sistema e non può essere un nome di file.");
    EXPECT_EQ(messages()[7].text, "Errore\n\nIl nome non può contenere \":\", che un nome di file non ammette.");
    EXPECT_EQ(messages()[14].text, "Errore\n\nIl carattere \"日\" non si può salvare nei file del gioco.");
    // A blank name is refused too, and says so.
    new_user().set_name("    ");
    click([this] { new_user().IMG_Icona_Click(1); });
    EXPECT_EQ(messages().back().text, "Errore\n\nIl nome è vuoto: scrivi il nome del nuovo utente.");
    EXPECT_EQ(users_folder(), before);
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Anna");
    EXPECT_FALSE(fs::exists(folder.path() / "Anna.usr"));

    // The box takes 14 characters; the 15th is refused, letters beyond ASCII count
    // as one each.
    new_user().set_name("Massimilianòne!");
    EXPECT_EQ(form().TXT_022_Nome_Utente, "Massimilianòne");
}

TEST_F(Users, OnlyNamesTheProgramWouldMakeAreListedAndADeleteRemovesThatUsersFilesAlone) {
    // Files put there from outside the program: a 15-character name the current
    // user's 14 characters would cut to another user's, names with blanks around
    // them and a device name.
    for (const char* file : {"Quattordici ab.usr", "Quattordici ab_1.opt", "Quattordici abc.usr",
                             "Quattordici abc_1.opt", " Bruno.usr", "Carla .usr", "COM¹.usr", "CON .usr"}) {
        folder.write(std::string("Users/") + file, std::string(20, ' '));
    }
    open_users();
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna", "Bruno", "Carla", "Quattordici ab"}));

    const std::set<std::string> before = users_folder();
    delete_row(3, true);
    ASSERT_EQ(h.platform.questions().size(), 1U);
    EXPECT_EQ(h.platform.questions()[0].text, "Sei sicuro di voler eliminare l'utente Quattordici ab?");
    std::set<std::string> expected = before;
    expected.erase("Quattordici ab.usr");
    expected.erase("Quattordici ab_1.opt");
    EXPECT_EQ(users_folder(), expected);
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
    // The main menu's names, rebuilt from the folder, are the same users.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(p.settings.Utenti_Giochi(1, i).trimmed(), names_listed()[i - 1]);
    EXPECT_EQ(p.settings.Utenti_Giochi(1, 4).trimmed(), "");
    // The eight-user bound counts the users, not the files that are none.
    for (const char* name : {"Dario", "Elena", "Franco", "Gina", "Ugo"}) create(name);
    EXPECT_EQ(list().rows.size(), 8U);
    EXPECT_TRUE(messages().empty());
}

TEST_F(Users, AFailedWriteSaysErroreAndLeavesEveryFileAsItWas) {
    // Dario's file cannot be written: a folder stands where it would go.
    folder.make_folder("Users/Dario.usr");
    folder.write("Users/.usr", "someone else's");
    open_users();
    click([this] { users().IMG_Icona_Click(2); });
    const std::set<std::string> before = users_folder();
    new_user().set_name("Dario");
    click([this] { new_user().IMG_Icona_Click(1); });
    EXPECT_EQ(messages(), (std::vector<Message>{{"Tavolora", "Errore"}}));
    EXPECT_EQ(users_folder(), before);  // no options, no temporary file, ".usr" kept
    EXPECT_EQ(*storage::read_file(folder.path() / "Users" / ".usr"), "someone else's");
    EXPECT_TRUE(new_user().loaded());
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Anna");
}

TEST_F(Users, AnExistingNameWhateverItsCaseAsksBeforeItsPhotoIsReplaced) {
    storage::Tipo_Opzioni tuned =
        storage::decode_options(*storage::read_file(folder.path() / "Users" / "Anna_1.opt"));
    tuned.Difficolta = 3;
    folder.write("Users/Anna_1.opt", std::string(storage::encode(tuned).data(), 298));
    open_users();
    const std::set<std::string> before = users_folder();

    h.platform.answer_next(false);
    create("aNNA", 3);
    ASSERT_EQ(h.platform.questions().size(), 1U);
    EXPECT_EQ(h.platform.questions()[0].title, "Attenzione!");
    EXPECT_EQ(h.platform.questions()[0].text, "L'utente Anna esiste già: vuoi cambiarne il logo?");
    EXPECT_EQ(users_folder(), before);
    EXPECT_EQ(user_record("Anna").Foto.trimmed(), "");
    EXPECT_TRUE(new_user().loaded());

    h.platform.answer_next(true);
    click([this] { new_user().IMG_Icona_Click(1); });
    EXPECT_EQ(h.platform.questions().size(), 2U);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(user_record("Anna").Foto.trimmed(), "Volpe.bmp");
    // One Anna still, her own options kept, the missing ones made.
    EXPECT_FALSE(exists("aNNA.usr"));
    EXPECT_EQ(storage::decode_options(*storage::read_file(folder.path() / "Users" / "Anna_1.opt")).Difficolta,
              3);
    EXPECT_TRUE(valid_options("Anna_10.opt"));
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Anna");
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
}

TEST_F(Users, OptionsThatCannotAllBeMadeSayErroreButTheUserIsKeptAndListed) {
    folder.make_folder("Users/Dario_3.opt");
    open_users();
    create("Dario");
    EXPECT_EQ(messages(), (std::vector<Message>{{"Tavolora", "Errore"}}));
    EXPECT_TRUE(exists("Dario.usr"));
    EXPECT_TRUE(valid_options("Dario_2.opt"));
    EXPECT_TRUE(valid_options("Dario_10.opt"));
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna", "Bruno", "Carla", "Dario"}));
    EXPECT_EQ(p.settings.Utenti_Giochi(1, 4).trimmed(), "Dario");
    EXPECT_FALSE(new_user().loaded());
}

TEST_F(Users, ThePhotoChooserAndAUserSavedWithoutAPhoto) {
    folder.write("Photos/Rotta.bmp", "not a picture");
    folder.write("Photos/UnNomeTroppoLungo.bmp", bmp_header(48, 48));  // 21 characters: not listed
    open_users();
    click([this] { users().IMG_Icona_Click(2); });
    EXPECT_TRUE(shown(Screen::F_022_Utenti_Nuovo).Visible);
    EXPECT_FALSE(shown(Screen::F_02_Utenti).loaded);
    EXPECT_EQ(form().File1, (std::vector<std::string>{"Gatto.bmp", "Rotta.bmp", "Sole.bmp", "Volpe.bmp"}));
    EXPECT_EQ(form().HSC_Foto.Max, 4);
    EXPECT_EQ(form().PIC_Utente, folder.string() + "\\Photos\\Gatto.bmp");
    new_user().set_photo(9);  // the bar stops at its end
    EXPECT_EQ(form().HSC_Foto.Value, 4);
    // A picture that cannot be loaded shows nothing, and can still be chosen.
    new_user().set_photo(2);
    EXPECT_EQ(form().PIC_Utente, "");
    new_user().set_name("Dario");
    click([this] { new_user().IMG_Icona_Click(1); });
    EXPECT_EQ(user_record("Dario").Foto.trimmed(), "Rotta.bmp");
    EXPECT_EQ(list().rows[3].PIC_Utente, "");

    // Without any photo: the bar has no place to take, the user no photo.
    fs::remove_all(folder.path() / "Photos");
    click([this] { users().IMG_Icona_Click(2); });
    EXPECT_EQ(form().HSC_Foto.Max, 0);
    EXPECT_EQ(form().PIC_Utente, "");
    new_user().set_photo(1);
    new_user().set_name("Elena");
    click([this] { new_user().IMG_Icona_Click(1); });
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(user_record("Elena").Foto.text(), std::string(20, ' '));

    // "Chiudi" brings the user screen back.
    click([this] { users().IMG_Icona_Click(2); });
    click([this] { new_user().IMG_Icona_Click(2); });
    EXPECT_FALSE(new_user().loaded());
    EXPECT_TRUE(shown(Screen::F_02_Utenti).Visible);
}

TEST_F(Users, ClosingEveryScreenWithTheNewUserScreenOpenLeavesTheUserScreen) {
    open_users();
    click([this] { users().IMG_Icona_Click(2); });
    menu().IMG_Icona_Primarie_Click(2);  // the arrows close every screen
    EXPECT_FALSE(new_user().loaded());
    EXPECT_TRUE(shown(Screen::F_02_Utenti).loaded);
    EXPECT_TRUE(shown(Screen::F_011_Menu).Visible);
    // The users icon, from there, shows the user screen once.
    click([this] { menu().IMG_Icona_Click(2); });
    EXPECT_TRUE(shown(Screen::F_02_Utenti).Visible);
    EXPECT_FALSE(new_user().loaded());
}

// A delete asks first and removes only that user's files; the user the main menu
// shows, whom the program works for, stays current through a No and through the
// delete of another user.
TEST_F(Users, ADeleteAsksRemovesOnlyThatUsersFilesAndKeepsTheCurrentUser) {
    folder.write("Users/Anna_15.opt", "x");
    folder.write("Users/Annalisa.usr", std::string(20, ' '));
    folder.write("Users/Annalisa_1.opt", "y");
    open_users();
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna", "Annalisa", "Bruno", "Carla"}));
    menu().IMG_Icona_Primarie_Click(2);  // the main menu on Bruno, second among the names it started with
    ASSERT_EQ(user_label().Caption, "Bruno");
    open_users();

    delete_row(0, false);  // No: nothing goes, and Bruno stays current
    ASSERT_EQ(h.platform.questions().size(), 1U);
    EXPECT_EQ(h.platform.questions()[0].text, "Sei sicuro di voler eliminare l'utente Anna?");
    EXPECT_TRUE(exists("Anna.usr"));
    EXPECT_EQ(user_label().Caption, "Bruno");
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Bruno");

    delete_row(0, true);
    EXPECT_FALSE(exists("Anna.usr"));
    for (int game : {1, 2, 3, 4, 15}) EXPECT_FALSE(exists("Anna_" + std::to_string(game) + ".opt"));
    EXPECT_TRUE(exists("Annalisa_1.opt"));
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Annalisa", "Bruno", "Carla"}));
    EXPECT_EQ(p.settings.Utenti_Giochi(1, 1).trimmed(), "Annalisa");
    EXPECT_EQ(p.settings.Utenti_Giochi(1, 4).trimmed(), "");
    // Bruno stays current, at his place in the new list, and marked there; the
    // deleted user's files do not come back when the options are next read.
    EXPECT_EQ(user_label().Caption, "Bruno");
    EXPECT_EQ(user_label().Tag, "2");
    EXPECT_EQ(list().Utente_Selezionato, 1);
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Bruno");
    EXPECT_EQ(p.settings.Percorso_Opzioni, folder.string() + "\\Users\\Bruno_1.opt");
    p.storage.Carica_Opzioni_Utente();
    EXPECT_FALSE(exists("Anna_1.opt"));
    EXPECT_TRUE(messages().empty());
}

// The arrows step on from the current user's place in the list after another user
// is deleted; only the delete of the current user itself puts the main menu on the
// first user, who becomes current.
TEST_F(Users, OnlyTheCurrentUsersOwnDeletePutsTheMainMenuOnTheFirstUser) {
    open_users();
    create("Dario");  // Anna, Bruno, Carla, Dario: Dario current
    delete_row(0, true);
    EXPECT_EQ(user_label().Caption, "Dario");
    EXPECT_EQ(user_label().Tag, "3");
    menu().IMG_Icona_Primarie_Click(1);
    EXPECT_EQ(user_label().Caption, "Carla");

    open_users();
    delete_row(1, true);  // Carla herself
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Bruno", "Dario"}));
    EXPECT_EQ(user_label().Caption, "Bruno");
    EXPECT_EQ(user_label().Tag, "1");
    EXPECT_EQ(list().Utente_Selezionato, 0);
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Bruno");
    EXPECT_EQ(p.settings.Percorso_Opzioni, folder.string() + "\\Users\\Bruno_1.opt");
    menu().IMG_Icona_Primarie_Click(2);
    EXPECT_EQ(user_label().Caption, "Dario");
}

TEST_F(Users, TheLastUserStaysAndADeleteWithoutASelectionDeletesNothing) {
    open_users();
    const std::set<std::string> before = users_folder();
    auto& state = p.setup.users_screen;
    state.Utente_Selezionato = -1;
    click([this] { users().IMG_Icona_Click(1); });
    EXPECT_TRUE(h.platform.questions().empty());
    EXPECT_EQ(users_folder(), before);

    delete_row(2, true);
    delete_row(1, true);
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna"}));
    click([this] { users().IMG_Icona_Click(1); });
    EXPECT_EQ(messages(),
              (std::vector<Message>{{"Attenzione!", "Non puoi cancellare l'ultimo utente rimasto!"}}));
    EXPECT_EQ(h.platform.questions().size(), 2U);  // the last one was not even asked about
    EXPECT_TRUE(exists("Anna.usr"));
    EXPECT_TRUE(exists("Anna_1.opt"));
}

// Makes one file impossible to remove for as long as it lives: the immutable flag,
// which only the superuser may set.
class Unremovable {
public:
    explicit Unremovable(const fs::path& file) : file_(file) {
        fd_ = ::open(file.c_str(), O_RDONLY);
        int flags = 0;
        if (fd_ < 0 || ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) != 0) return;
        flags |= FS_IMMUTABLE_FL;
        set_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ~Unremovable() {
        int flags = 0;
        if (set_ && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
        }
        if (fd_ >= 0) ::close(fd_);
    }
    Unremovable(const Unremovable&) = delete;
    Unremovable& operator=(const Unremovable&) = delete;
    bool holds() const { return set_; }

private:
    fs::path file_;
    int fd_ = -1;
    bool set_ = false;
};

TEST_F(Users, AUserFileThatCannotBeRemovedKeepsTheWholeUser) {
    open_users();
    folder.write("Users/Bruno_1.opt", std::string(298, ' '));
    Unremovable stuck(folder.path() / "Users" / "Bruno.usr");
    if (!stuck.holds()) GTEST_SKIP() << "this file system or user cannot make a file unremovable";
    delete_row(1, true);
    EXPECT_EQ(messages(),
              (std::vector<Message>{{"Attenzione!", "Non è stato possibile eliminare l'utente Bruno!"}}));
    EXPECT_TRUE(exists("Bruno.usr"));
    EXPECT_TRUE(exists("Bruno_1.opt"));
    EXPECT_EQ(names_listed(), (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
}

TEST_F(Users, MoreThanTenUserFilesShowTheFirstTenAndNoneCanBeAdded) {
    for (char c = 'D'; c <= 'N'; ++c)
        folder.write(std::string("Users/") + c + "zz.usr", std::string(20, ' '));
    open_users();
    ASSERT_EQ(list().rows.size(), 10U);
    EXPECT_EQ(list().rows[9].LBL_Utente, "Jzz");
    EXPECT_EQ(list().FRM_Utente_Height, 840 * 10 + 320);
    EXPECT_EQ(shown(Screen::F_02_Utenti).Height, 840 * 10 + 320 + 645);
    users().LBL_Utente_Click(9);
    EXPECT_EQ(list().Utente_Selezionato, 9);
    click([this] { users().IMG_Icona_Click(2); });
    EXPECT_EQ(messages().size(), 1U);
    EXPECT_FALSE(new_user().loaded());
    // A delete rebuilds the main menu's names: still ten at most.
    delete_row(0, true);
    EXPECT_EQ(p.settings.Utenti_Giochi(1, 10).trimmed(), "Kzz");
    EXPECT_EQ(list().rows.size(), 10U);
}

// The main menu's start with a last user saved in the general options file.
class LastUser : public ::testing::Test {
protected:
    void start_with_last_user(const std::string& name) {
        for (const char* user : {"Anna", "Bruno", "Carla"})
            folder.write(std::string("Users/") + user + ".usr", std::string(20, ' '));
        write_test_deck(folder);
        storage::Tipo_Opzioni general;
        general.Mazzo_Dorso.assign(name);
        general.Impostazioni(1) = 1;
        folder.write("Options/TVQ.opt", std::string(storage::encode(general).data(), 298));
        p.waits.at_boundary([this] { p.start_up(); });
    }
    const setup::MenuLabel& user_label() const { return p.setup.main_menu.LBL_Primarie(1); }

    TempFolder folder;
    HeadlessProgram h{folder.string()};
    Program& p = h.program;
};

TEST_F(LastUser, TheRestoredUserStandsAtItsPlaceSoTheArrowsStepOnFromThere) {
    start_with_last_user("bruno");  // another letter case: the same user
    EXPECT_EQ(user_label().Caption, "Bruno");
    EXPECT_EQ(user_label().Tag, "2");
    p.setup.main_menu_events.IMG_Icona_Primarie_Click(2);
    EXPECT_EQ(user_label().Caption, "Carla");
}

TEST_F(LastUser, AUserNoLongerThereGivesWayToTheFirstUser) {
    start_with_last_user("Zeno");
    EXPECT_EQ(user_label().Caption, "Anna");
    EXPECT_EQ(user_label().Tag, "1");
    EXPECT_EQ(p.settings.Nome_Utente.trimmed(), "Anna");
    p.storage.Carica_Opzioni_Utente();  // no options file is made for Zeno
    EXPECT_FALSE(fs::exists(folder.path() / "Users" / "Zeno_1.opt"));
}

}  // namespace
}  // namespace tavolora::testing
