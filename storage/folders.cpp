#include "storage/folders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "storage/code_page.h"
#include "storage/host_path.h"
#include "storage/names.h"

namespace tavolora::storage {

namespace fs = std::filesystem;

namespace {
// The entries of a folder in the order a file list shows them: by name, regardless
// of letter case.
std::vector<std::string> listed(const std::string& folder, bool folders, std::string_view extension) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(host_path(folder), error), end; !error && it != end; it.increment(error)) {
        std::error_code kind_error;
        if (it->is_directory(kind_error) != folders) continue;
        const std::string name = it->path().filename().string();
        if (!is_single_component(name) || !to_cp1252(name)) continue;
        if (!extension.empty()) {
            if (name.size() <= extension.size() ||
                !same_ignoring_case(std::string_view(name).substr(name.size() - extension.size()),
                                    extension)) {
                continue;
            }
        }
        names.push_back(name);
    }
    // By name regardless of letter case; names equal but for case in byte order.
    const auto folded = [](const std::string& name) {
        std::string bytes = to_cp1252_lossy(name);
        for (char& c : bytes) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        }
        return bytes;
    };
    std::sort(names.begin(), names.end(), [&folded](const std::string& a, const std::string& b) {
        const std::string x = folded(a);
        const std::string y = folded(b);
        return x != y ? x < y : a < b;
    });
    return names;
}
}  // namespace

std::vector<std::string> deck_folders(const std::string& program_folder) {
    std::vector<std::string> decks = listed(program_folder + "\\Cards", true, "");
    // A deck's name is stored in a field of 50 characters.
    std::erase_if(decks, [](const std::string& name) { return character_count(name) > 50; });
    return decks;
}

std::vector<std::string> background_pictures(const std::string& program_folder) {
    std::vector<std::string> pictures = listed(program_folder + "\\Tables", false, ".jpg");
    std::erase_if(pictures, [](const std::string& name) { return character_count(name) > 54; });
    return pictures;
}

std::vector<std::string> user_names(const std::string& program_folder) {
    std::vector<std::string> users;
    for (const std::string& file : listed(program_folder + "\\Users", false, ".usr")) {
        const std::string stem = file.substr(0, file.size() - 4);
        // Names that differ only in letter case are one user.
        const bool known = std::any_of(users.begin(), users.end(), [&stem](const std::string& user) {
            return same_ignoring_case(user, stem);
        });
        // Only a name the new-user screen would take is a user: a longer one would be
        // cut to the 14 characters of the current user and share another's options
        // files, and the delete would remove that other user's files.
        if (!known && is_user_file_stem(stem)) users.push_back(stem);
    }
    return users;
}

std::vector<std::string> user_photos(const std::string& program_folder) {
    std::vector<std::string> photos = listed(program_folder + "\\Photos", false, ".bmp");
    std::erase_if(photos, [](const std::string& name) { return character_count(name) > 20; });
    return photos;
}

}  // namespace tavolora::storage
