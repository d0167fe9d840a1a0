// Fuzzes the BMP header reader that sizes the card pictures.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto picture =
        tavolora::bmp_size(std::span(reinterpret_cast<const std::byte*>(data), size));
    if (picture &&
        (picture->width <= 0 || picture->height <= 0 || picture->width > 65536 || picture->height > 65536)) {
        __builtin_trap();
    }
    return 0;
}
