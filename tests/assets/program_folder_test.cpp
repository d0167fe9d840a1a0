// What the program reads of the folder the build filled: at a new user's default
// options for every game, and after choosing each deck and each table background
// in the options, every picture and help file it names is there and loads, at the
// size the table and the screens lay it out for.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "storage/folders.h"
#include "storage/host_path.h"
#include "storage/icons.h"
#include "tests/support/headless_program.h"

namespace tavolora {
namespace {

using testing::HeadlessProgram;
using testing::TempFolder;

constexpr platform::PixelSize kCard{72, 120};
constexpr platform::PixelSize kLyingCard{120, 72};

// The full picture, decoded as the window decodes it; a null image when it fails.
QImage decoded(const std::string& path) {
    QImageReader reader(QString::fromStdString(storage::host_path(path).string()));
    return reader.read();
}

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        // The build's pictures and help files, beside users and options of the test's own.
        for (const char* part : {"Cards", "Tables", "Photos", "Icons", "Languages"}) {
            const std::filesystem::path built = std::filesystem::path(TAVOLORA_PROGRAM_DIR) / part;
            ASSERT_TRUE(std::filesystem::is_directory(built)) << built;
            std::filesystem::create_directory_symlink(built, folder.path() / part);
        }
    }

    void be(const std::string& user, int game) {
        program.settings.Nome_Utente.assign(user);
        program.match.Codice_Gioco = static_cast<std::int16_t>(game);
        program.storage.Imposta_Percorso_Opzioni();
    }

    // The faces the table loads from the deck folder and the two backs it loads from
    // the back folder: the faces and the still back of one size, the one the layout
    // measures from the first, and the flying back that size laid on its side.
    void expect_deck(const std::string& faces, const std::string& backs) {
        std::vector<std::pair<std::string, platform::PixelSize>> pictures;
        for (int suit = 1; suit <= 4; ++suit) {
            for (int value = 1; value <= 10; ++value)
                pictures.emplace_back(
                    faces + "\\" + std::to_string(suit) + "\\" + std::to_string(value) + ".bmp", kCard);
        }
        pictures.emplace_back(backs + "\\1\\0.bmp", kCard);
        pictures.emplace_back(backs + "\\1\\00.bmp", kLyingCard);
        for (const auto& [path, size] : pictures) {
            SCOPED_TRACE(path);
            EXPECT_EQ(h.platform.picture_size(storage::host_path(path)), size);
            EXPECT_EQ(decoded(path).size(), QSize(size.width, size.height));
        }
    }

    void expect_background(const std::string& path) {
        const QImage picture = decoded(path);
        EXPECT_GE(picture.width(), 2184) << path;
        EXPECT_GE(picture.height(), 1456) << path;
    }

    TempFolder folder;
    HeadlessProgram h{folder.string()};
    Program& program = h.program;
    storage::SettingsState& s = program.settings;
};

TEST_F(ProgramFolder, ANewUsersDefaultsNameADeckABackgroundAndAHelpFileForEveryGame) {
    for (int game = 1; game <= 4; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        be("Anna", game);
        program.setup.game_setup.Crea_Opzioni();
        program.storage.Carica_Opzioni_Utente();
        ASSERT_NE(s.Percorso_Mazzo_Carte, "");
        ASSERT_NE(s.Percorso_Sfondo, "N") << "no table background found";
        expect_deck(s.Percorso_Mazzo_Carte, s.Percorso_Mazzo_Dorso);
        expect_background(s.Percorso_Sfondo);

        int chapters = 0;
        for (const storage::HelpNode& node : program.help.Carica_Indice_Guida())
            chapters += node.parent.empty();
        EXPECT_GE(chapters, 4) << s.Percorso_Guida;
    }
}

TEST_F(ProgramFolder, EveryDeckAndEveryBackgroundTheOptionsOfferLoadsOnceChosen) {
    be("Bruno", 2);
    program.setup.game_setup.Crea_Opzioni();
    const std::vector<std::string> decks = storage::deck_folders(folder.string());
    EXPECT_GE(decks.size(), 3u);
    for (const std::string& deck : decks) {
        for (const std::string& back : decks) {
            SCOPED_TRACE(deck + " with the back of " + back);
            ASSERT_TRUE(program.storage.Salva_Mazzo({deck, decks, back, decks}));
            program.storage.Carica_Opzioni_Utente();
            EXPECT_EQ(s.Percorso_Mazzo_Carte, folder.string() + "\\Cards\\" + deck);
            EXPECT_EQ(s.Percorso_Mazzo_Dorso, folder.string() + "\\Cards\\" + back);
            expect_deck(s.Percorso_Mazzo_Carte, s.Percorso_Mazzo_Dorso);
        }
    }

    std::vector<std::string> list;
    for (const std::string& picture : storage::background_pictures(folder.string()))
        list.push_back(picture.substr(0, picture.size() - 4));
    EXPECT_GE(list.size(), 4u);
    list.emplace_back(storage::kScelta_Nessuno);
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        SCOPED_TRACE(list[i]);
        ASSERT_TRUE(program.storage.Salva_Sfondo({list[i], list}));
        program.storage.Carica_Sfondo();
        EXPECT_EQ(s.Percorso_Sfondo, folder.string() + "\\Tables\\" + list[i] + ".jpg");
        expect_background(s.Percorso_Sfondo);
    }
}

TEST_F(ProgramFolder, PhotosAndIconsLoadAtTheSizeTheScreensShowThem) {
    int photos = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "Photos")) {
        if (entry.path().extension() != ".bmp") continue;
        ++photos;
        const std::string path = folder.string() + "\\Photos\\" + entry.path().filename().string();
        EXPECT_EQ(decoded(path).size(), QSize(49, 49)) << path;
    }
    EXPECT_GE(photos, 8);
    for (const storage::icons::IconFile& icon : storage::icons::kAll) {
        const std::string path = storage::icons::path(folder.string(), icon);
        const QImage picture = decoded(path);
        EXPECT_EQ(picture.size(), QSize(icon.width, icon.height)) << path;
        EXPECT_TRUE(picture.hasAlphaChannel()) << path;
    }
}

}  // namespace
}  // namespace tavolora
