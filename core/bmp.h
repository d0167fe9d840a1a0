#pragma once

// Reads the size of a BMP picture from its header, so that the table can be laid
// out from the card pictures without a window system. Bytes in, size out: reading
// the file is the storage's part.

#include <cstddef>
#include <optional>
#include <span>

namespace tavolora {

// A picture's size in pixels, each side 1 to 65536.
struct BmpSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const BmpSize&, const BmpSize&) = default;
};

// How many bytes from the start of a file hold everything the reader needs: the
// file header and the start of the information header.
inline constexpr std::size_t kBmpHeaderBytes = 14 + 12;

// The picture size from the first bytes of a BMP file (the file header and the
// start of the information header), or nothing when they are not a BMP header.
std::optional<BmpSize> bmp_size(std::span<const std::byte> bytes);

}  // namespace tavolora
