// Fuzzes the folder listings with files and folders of any name, as someone could put
// them there by hand: the users, the decks, the table backgrounds and the photos are
// listed without a fault, and every name listed is one the program can use: a user
// the new-user screen would take, a deck, background or photo that is one part of a
// path, fits its record field and converts to the code page.
//
// The input is a list of names, one a line; the first byte of a line says where the
// name goes.

#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "storage/code_page.h"
#include "storage/folders.h"
#include "storage/names.h"
#include "tests/fuzz/fuzz_check.h"

namespace fs = std::filesystem;
using tavolora::testing::check;

namespace {
const fs::path& program_folder() {
    static const fs::path folder = [] {
        // Gone when the run ends, whatever it found.
        std::atexit([] {
            std::error_code error;
            fs::remove_all(program_folder(), error);
        });
        return fs::temp_directory_path() / ("tavolora-fuzz-folders-" + std::to_string(::getpid()));
    }();
    return folder;
}

bool ends_with_ignoring_case(const std::string& name, std::string_view end) {
    return name.size() > end.size() &&
           tavolora::storage::same_ignoring_case(std::string_view(name).substr(name.size() - end.size()), end);
}

// Every listed name is one part of a path that converts to the code page and fits `field`.
void check_listed(const std::vector<std::string>& names, std::size_t field) {
    for (const std::string& name : names) {
        check(tavolora::storage::is_single_component(name));
        check(tavolora::storage::to_cp1252(name).has_value());
        check(tavolora::storage::character_count(name) <= field);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavolora::storage;
    const fs::path& root = program_folder();
    std::error_code error;
    fs::remove_all(root, error);
    for (const char* sub : {"Users", "Cards", "Tables", "Photos"}) fs::create_directories(root / sub, error);

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        const std::string name(line.substr(1));
        // The host cannot hold these at all; a name it refuses (too long, not valid
        // for its file system) is simply not there.
        if (name.empty() || name == "." || name == ".." || name.find_first_of(std::string("/\0", 2)) != std::string::npos)
            continue;
        switch ((static_cast<unsigned char>(line[0]) - 'A') & 3) {  // A users, B decks, C backgrounds, D photos
            case 0:
                std::ofstream(root / "Users" / (name + ".usr")) << std::string(20, ' ');
                break;
            case 1:
                fs::create_directory(root / "Cards" / name, error);
                break;
            case 2:
                std::ofstream(root / "Tables" / name) << "x";
                break;
            default:
                std::ofstream(root / "Photos" / name) << "x";
                break;
        }
    }

    const std::string folder = root.string();
    const std::vector<std::string> users = user_names(folder);
    for (const std::string& user : users) {
        check(is_user_file_stem(user));
        check(check_user_name(user) == NameProblem::None);
        check(character_count(user) <= kUserNameLength);
        // Each user once, whatever the letter case.
        for (const std::string& other : users) check(&other == &user || !same_ignoring_case(other, user));
    }
    check_listed(deck_folders(folder), 50);
    const std::vector<std::string> pictures = background_pictures(folder);
    check_listed(pictures, 54);
    for (const std::string& picture : pictures) check(ends_with_ignoring_case(picture, ".jpg"));
    const std::vector<std::string> photos = user_photos(folder);
    check_listed(photos, 20);
    for (const std::string& photo : photos) check(ends_with_ignoring_case(photo, ".bmp"));
    return 0;
}
