#include "core/bmp.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace tavolora {

namespace {
constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kCoreHeader = 12;  // the old OS/2 header with 16-bit sizes
// The information headers of the later versions, each larger than the one before.
constexpr std::uint32_t kInfoHeaders[] = {40, 52, 56, 64, 108, 124};
constexpr long kLargestSide = 1 << 16;
// The longest header read: what a file reader hands over is enough for every kind.
static_assert(kBmpHeaderBytes == kFileHeader + std::max<std::size_t>(kCoreHeader, 12));

std::uint32_t read_u32(std::span<const std::byte> b, std::size_t at) {
    return std::to_integer<std::uint32_t>(b[at]) | std::to_integer<std::uint32_t>(b[at + 1]) << 8 |
           std::to_integer<std::uint32_t>(b[at + 2]) << 16 | std::to_integer<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t read_u16(std::span<const std::byte> b, std::size_t at) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(b[at]) | std::to_integer<unsigned>(b[at + 1])
                                                                             << 8);
}
}  // namespace

std::optional<BmpSize> bmp_size(std::span<const std::byte> bytes) {
    if (bytes.size() < kFileHeader + 4) return std::nullopt;
    if (bytes[0] != std::byte{'B'} || bytes[1] != std::byte{'M'}) return std::nullopt;
    const std::uint32_t header = read_u32(bytes, kFileHeader);

    long width = 0;
    long height = 0;
    if (header == kCoreHeader) {
        if (bytes.size() < kFileHeader + kCoreHeader) return std::nullopt;
        width = read_u16(bytes, kFileHeader + 4);
        height = read_u16(bytes, kFileHeader + 6);
    } else if (std::find(std::begin(kInfoHeaders), std::end(kInfoHeaders), header) !=
               std::end(kInfoHeaders)) {
        if (bytes.size() < kFileHeader + 12) return std::nullopt;
        width = static_cast<std::int32_t>(read_u32(bytes, kFileHeader + 4));
        // A negative height marks a picture stored top-down.
        height = std::labs(static_cast<std::int32_t>(read_u32(bytes, kFileHeader + 8)));
    } else {
        return std::nullopt;
    }
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
        return std::nullopt;
    }
    return BmpSize{static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace tavolora
