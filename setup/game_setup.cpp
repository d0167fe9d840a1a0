#include "setup/game_setup.h"

#include "core/program.h"
#include "storage/default_options.h"
#include "storage/record_file.h"

namespace tavolora::setup {

void GameSetup::Crea_Opzioni() {
    storage::SettingsState& s = program_.settings;
    const std::string folder = program_.ports.folder.program_folder();
    const auto write = [&s](const std::filesystem::path& file) {
        const storage::OptionsBytes record = storage::encode(s.Opzioni);
        return storage::write_record(file, std::string_view(record.data(), record.size()));
    };

    if (const std::filesystem::path file = program_.storage.options_file(); !file.empty()) {
        const auto size = storage::stored_size(file);
        if (!size || !storage::valid_options_file_size(*size)) {
            s.Opzioni = storage::default_options(folder, program_.match.Codice_Gioco);
            write(file);
        }
    }

    // The general file names the current user, with the first game.
    const std::filesystem::path general = program_.storage.general_options_file();
    if (const auto bytes = storage::read_file(general);
        bytes && bytes->size() >= storage::layout::kOptionsLength) {
        s.Opzioni = storage::decode_options(*bytes);
    }
    s.Opzioni.Mazzo_Dorso.assign(s.Nome_Utente.trimmed_right());
    s.Opzioni.Impostazioni(1) = 1;
    write(general);
}

}  // namespace tavolora::setup
