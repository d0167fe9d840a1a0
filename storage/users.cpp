#include "storage/users.h"

#include <filesystem>
#include <system_error>

#include "core/numbers.h"
#include "storage/host_path.h"
#include "storage/names.h"
#include "storage/record_file.h"

namespace tavolora::storage {

std::string user_file(const std::string& program_folder, std::string_view name) {
    return program_folder + "\\Users" + "\\" + std::string(name) + ".usr";
}

std::optional<Tipo_Utente> read_user(const std::string& program_folder, std::string_view name) {
    // The record alone: a user file of any size costs 20 bytes to read.
    const auto stored = read_record(host_path(user_file(program_folder, name)), layout::kUserLength);
    if (!stored) return std::nullopt;
    return decode_user(stored->bytes);
}

bool write_user(const std::string& program_folder, std::string_view name, const Tipo_Utente& record) {
    const UserBytes bytes = encode(record);
    return write_record(host_path(user_file(program_folder, name)),
                        std::string_view(bytes.data(), bytes.size()));
}

bool remove_user(const std::string& program_folder, std::string_view name) {
    // Only a name the program could have made names this user's files alone.
    if (!is_user_file_stem(name)) return false;
    const std::filesystem::path file = host_path(user_file(program_folder, name));
    if (!remove_file(file)) {
        // Gone already is as good as removed; still there is not.
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(file, error)) || error) return false;
    }
    for (int game = 1; game <= 20; ++game) {
        remove_file(host_path(program_folder + "\\Users" + "\\" + std::string(name) + "_" +
                              format_plain(game) + ".opt"));
    }
    return true;
}

std::string photo_path(const std::string& program_folder, const FixedText<20>& photo) {
    const std::string name = photo.trimmed();
    if (!is_single_component(name)) return {};
    return program_folder + "\\Photos" + "\\" + name;
}

}  // namespace tavolora::storage
