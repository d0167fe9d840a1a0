// Fuzzes the reading of a BMP file's size from disk: a file of any bytes and length,
// empty or shorter than a header, gives the size its first bytes give, or none.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "core/bmp.h"
#include "storage/bmp.h"
#include "tests/fuzz/fuzz_check.h"

using tavolora::testing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path file = [] {
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove(std::filesystem::temp_directory_path() /
                                        ("tavolora-fuzz-" + std::to_string(::getpid()) + ".bmp"),
                                    error);
        });
        return std::filesystem::temp_directory_path() / ("tavolora-fuzz-" + std::to_string(::getpid()) + ".bmp");
    }();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const auto from_file = tavolora::storage::bmp_file_size(file);
    // The file header and the start of the information header are all the reader needs.
    const auto from_bytes =
        tavolora::bmp_size(std::span(reinterpret_cast<const std::byte*>(data), std::min<size_t>(size, 26)));
    check(from_file.has_value() == from_bytes.has_value());
    if (from_file) {
        check(from_file->width == from_bytes->width && from_file->height == from_bytes->height);
        check(from_file->width >= 1 && from_file->height >= 1 && from_file->width <= 65536 &&
              from_file->height <= 65536);
    }
    return 0;
}
