#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/bmp.h"

namespace tavolora {
namespace {

std::vector<std::byte> bmp_header(std::uint32_t info_size, std::int32_t width, std::int32_t height) {
    std::vector<std::byte> bytes(14 + info_size);
    bytes[0] = std::byte{'B'};
    bytes[1] = std::byte{'M'};
    const auto put32 = [&bytes](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::byte>((v >> (8 * i)) & 0xFF);
    };
    put32(14, info_size);
    if (info_size == 12) {
        bytes[18] = static_cast<std::byte>(width & 0xFF);
        bytes[19] = static_cast<std::byte>((width >> 8) & 0xFF);
        bytes[20] = static_cast<std::byte>(height & 0xFF);
        bytes[21] = static_cast<std::byte>((height >> 8) & 0xFF);
    } else {
        put32(18, static_cast<std::uint32_t>(width));
        put32(22, static_cast<std::uint32_t>(height));
    }
    return bytes;
}

TEST(BmpHeader, GivesTheSizeOfEveryHeaderKind) {
    EXPECT_EQ(bmp_size(bmp_header(40, 72, 120)), (BmpSize{72, 120}));
    EXPECT_EQ(bmp_size(bmp_header(124, 800, 600)), (BmpSize{800, 600}));
    EXPECT_EQ(bmp_size(bmp_header(12, 300, 2)), (BmpSize{300, 2}));
    // Stored top-down.
    EXPECT_EQ(bmp_size(bmp_header(40, 72, -120)), (BmpSize{72, 120}));
}

TEST(BmpHeader, RefusesWhatIsNotAPlausibleBmp) {
    EXPECT_FALSE(bmp_size({}));
    auto jpeg = bmp_header(40, 72, 120);
    jpeg[0] = std::byte{0xFF};
    EXPECT_FALSE(bmp_size(jpeg));
    EXPECT_FALSE(bmp_size(bmp_header(41, 72, 120)));  // no such header
    EXPECT_FALSE(bmp_size(bmp_header(40, 0, 120)));
    EXPECT_FALSE(bmp_size(bmp_header(40, -5, 120)));
    EXPECT_FALSE(bmp_size(bmp_header(40, 72, INT32_MIN)));
    EXPECT_FALSE(bmp_size(bmp_header(40, 1 << 20, 120)));
    auto cut = bmp_header(40, 72, 120);
    cut.resize(20);
    EXPECT_FALSE(bmp_size(cut));
}

}  // namespace
}  // namespace tavolora
