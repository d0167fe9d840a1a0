#include "setup/game_setup.h"

#include "program/program.h"
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

    // A missing or short file gets the defaults. A file of two records or more is
    // not valid either, but it is left as the user has it: the defaults then serve
    // in memory whenever it is loaded. The new-user screen tells of a file that could
    // not be made.
    if (const std::filesystem::path file = program_.storage.options_file(); !file.empty()) {
        const auto size = storage::stored_size(file);
        if (!size || *size < storage::layout::kOptionsLength) {
            s.Opzioni = storage::default_options(folder, program_.match.Codice_Gioco);
            write(file);
        }
    }

    // The general file names the current user, with the first game.
    const std::filesystem::path general = program_.storage.general_options_file();
    if (const auto stored = storage::read_record(general, storage::layout::kOptionsLength);
        stored && stored->bytes.size() >= storage::layout::kOptionsLength) {
        s.Opzioni = storage::decode_options(stored->bytes);
    }
    s.Opzioni.Mazzo_Dorso.assign(s.Nome_Utente.trimmed_right());
    s.Opzioni.Impostazioni(1) = 1;
    if (!write(general)) {
        program_.storage.report_failed_save(storage::SavedFile::General,
                                            "l'ultimo utente e l'ultimo gioco (file " + general.string() + ")");
    }
}

}  // namespace tavolora::setup
