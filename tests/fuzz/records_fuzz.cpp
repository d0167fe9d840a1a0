// Fuzzes the record codec and the name checks: a record read from any bytes writes
// back the same bytes, and a name the checks accept stays one part of a path.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "storage/code_page.h"
#include "storage/names.h"
#include "storage/records.h"
#include "tests/fuzz/fuzz_check.h"

using tavolora::testing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavolora::storage;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Every record read writes back byte for byte (bytes past the input read as 0).
    std::string padded(bytes.substr(0, layout::kOptionsLength));
    padded.resize(layout::kOptionsLength, '\0');
    const OptionsBytes options = encode(decode_options(bytes));
    check(std::memcmp(options.data(), padded.data(), options.size()) == 0);
    const UserBytes user = encode(decode_user(bytes));
    check(std::memcmp(user.data(), padded.data(), user.size()) == 0);

    // Text read from a field converts and back.
    const Tipo_Opzioni record = decode_options(bytes);
    const std::string deck = record.Mazzo_Carte.text();
    check(to_cp1252(deck).has_value());
    check(character_count(deck) == 50);

    // The name checks.
    const std::string name = from_cp1252(bytes.substr(0, 20));
    if (check_user_name(name) == NameProblem::None) {
        // The check leaves out the blanks around a name; what is left is the name.
        const auto first = name.find_first_not_of(' ');
        check(first != std::string::npos);
        const std::string kept = name.substr(first, name.find_last_not_of(' ') - first + 1);
        check(is_single_component(kept));
        check(character_count(kept) <= kUserNameLength);
        check(kept.find("..") == std::string::npos);
        check(is_user_file_stem(kept));
        check(is_user_file_stem(name) == (kept == name));
    }
    const std::string_view raw = bytes.substr(0, 30);
    if (check_user_name(raw) == NameProblem::None) check(to_cp1252(raw).has_value());
    check(same_ignoring_case(name, name));
    return 0;
}
