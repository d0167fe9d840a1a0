// Fuzzes the help file parser. The input: two bytes of chapter code, two bytes of
// section code, then the file's bytes (a shorter input gives shorter codes and an
// empty file).
//
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I. \
//       tests/fuzz/help_file_fuzz.cpp storage/help_file.cpp storage/basic_text.cpp \
//       storage/code_page.cpp -o help_fuzz
//   ./help_fuzz NEW_INPUTS_DIR tests/fuzz/corpus/help_file_fuzz

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

#include "storage/help_file.h"
#include "tests/fuzz/fuzz_check.h"

using tavolora::testing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavolora::storage;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view chapter = input.substr(0, 2);
    const std::string_view section = input.substr(std::min<std::size_t>(2, size), 2);
    const std::string_view bytes = input.substr(std::min<std::size_t>(4, size));

    std::unordered_set<std::string> keys;
    for (const HelpNode& node : help_index(bytes)) {
        // A section hangs under a node listed before it; no key comes twice.
        check(node.parent.empty() || keys.contains(node.parent));
        check(keys.insert(node.key).second);
        check(!node.text.empty());
    }

    std::size_t calls = 0;
    const auto topic = help_topic(bytes, chapter, section, [&calls] { ++calls; });
    check(calls == topic.size());
    std::size_t empty_run = 0;
    for (const std::string& line : topic) {
        check(line.find('\r') == std::string::npos && line.find('\n') == std::string::npos);
        empty_run = line.empty() ? empty_run + 1 : 0;
        check(empty_run < 3);
    }
    return 0;
}
