#include "storage/bmp.h"

#include <array>
#include <cstddef>
#include <fstream>
#include <span>

#include "core/bmp.h"

namespace tavolora::storage {

std::optional<platform::PixelSize> bmp_file_size(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    // Only the header's bytes are read, whatever the file's size.
    std::array<std::byte, kBmpHeaderBytes> header{};
    in.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
    const auto size = bmp_size(std::span<const std::byte>(header.data(), static_cast<std::size_t>(in.gcount())));
    if (!size) return std::nullopt;
    return platform::PixelSize{size->width, size->height};
}

}  // namespace tavolora::storage
