#include "setup/game_setup.h"

#include "program/program.h"
#include "storage/default_options.h"
#include "storage/record_file.h"

namespace tavolora::setup {

void GameSetup::Crea_Opzioni() {
    storage::SettingsState& s = program_.settings;
    const std::string folder = program_.ports.folder.program_folder();
    // A missing or short file gets the defaults. A file of two records or more is
    // not valid either, but it is left as the user has it: the defaults then serve
    // in memory whenever it is loaded. The new-user screen tells of a file that could
    // not be made.
    if (const std::filesystem::path file = program_.storage.options_file(); !file.empty()) {
        const auto size = storage::stored_size(file);
        if (!size || *size < storage::layout::kOptionsLength) {
            s.Opzioni = storage::default_options(folder, program_.match.Codice_Gioco);
            const storage::OptionsBytes record = storage::encode(s.Opzioni);
            storage::write_record_below(file, std::string_view(record.data(), record.size()),
                                        storage::kTooLongOptionsFile);
        }
    }

    // The general file names the current user, with the first game (a file too long
    // to be valid is left as it is, and that is told as a failed save).
    program_.storage.write_general_options(s.Nome_Utente.trimmed_right(), 1);
}

}  // namespace tavolora::setup
