// Fuzzes the readers of the options files: the same bytes serve as a user's options
// file and as the general options file, and the program loads them as it does at
// start, at "Gioca!" and at each computer turn. What must hold: the values the
// program uses stay in range, every path stays inside the program folder, and no
// file appears outside the Users and Options folders.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "storage/record_file.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/headless_program.h"

using tavolora::testing::check;

namespace {

struct World {
    tavolora::testing::TempFolder folder;
    tavolora::testing::HeadlessProgram h{folder.string()};
    World() {
        folder.make_folder("Cards/Napoletane");
        folder.make_folder("Cards/Piacentine");
        folder.write("Users/Anna.usr", std::string(20, ' '));
    }
};

bool inside(const std::string& path, const std::string& prefix) {
    return path.rfind(prefix, 0) == 0;
}

// A path that is `folder` followed by one name (or none) that stays in that folder.
bool one_below(const std::string& path, const std::string& folder) {
    if (!inside(path, folder)) return false;
    const std::string name = path.substr(folder.size());
    return name.find_first_of("\\/") == std::string::npos && name != "." && name != "..";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World world;
    tavolora::Program& program = world.h.program;
    const std::string folder = world.folder.string();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    world.folder.write("Users/Anna_1.opt", bytes);
    world.folder.write("Options/TVQ.opt", bytes);

    program.setup.main_menu_events.Form_Load();
    program.storage.Carica_Opzioni_Utente();
    program.storage.Leggi_Difficolta();
    program.storage.Carica_Regole_Partita();
    program.storage.Mostra_Impostazioni_Partita_1();
    program.storage.Mostra_Mazzo();

    const auto& s = program.settings;
    check(s.Difficolta >= 0 && s.Difficolta <= 3);
    for (int i = 1; i <= 3; ++i) check(s.Tempi_Animazione(i) >= 1);
    for (int i = 4; i <= 5; ++i) check(s.Tempi_Animazione(i) >= 0 && s.Tempi_Animazione(i) <= 200);
    check(one_below(s.Percorso_Mazzo_Carte, folder + "\\Cards\\"));
    check(one_below(s.Percorso_Mazzo_Dorso, folder + "\\Cards\\"));
    check(s.Percorso_Sfondo == "N" || s.Percorso_Sfondo == "R" ||
          one_below(s.Percorso_Sfondo, folder + "\\Tables\\"));
    check(s.Percorso_Opzioni.empty() || one_below(s.Percorso_Opzioni, folder + "\\Users\\"));
    const int game = program.match.Codice_Gioco;
    check(game >= 1 && game <= 10);

    for (const auto& entry : std::filesystem::directory_iterator(world.folder.path())) {
        const std::string name = entry.path().filename().string();
        check(name == "Users" || name == "Options" || name == "Cards");
    }
    // Back to one user with one file, whatever the last user became.
    std::filesystem::remove_all(world.folder.path() / "Users");
    world.folder.write("Users/Anna.usr", std::string(20, ' '));
    return 0;
}
