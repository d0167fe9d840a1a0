#pragma once

// Reads the size of a BMP picture from its header, so that the table can be laid
// out from the card pictures without a window system.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>

#include "platform/ports.h"

namespace tavolora::storage {

// The picture size from the first bytes of a BMP file (the file header and the
// start of the information header), or nothing when they are not a BMP header.
std::optional<platform::PixelSize> bmp_size(std::span<const std::byte> bytes);

// The same, reading the header of a file.
std::optional<platform::PixelSize> bmp_file_size(const std::filesystem::path& file);

}  // namespace tavolora::storage
