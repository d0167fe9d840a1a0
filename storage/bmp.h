#pragma once

// Reads the size of a BMP picture file from its header (core/bmp.h reads the bytes).

#include <filesystem>
#include <optional>

#include "platform/ports.h"

namespace tavolora::storage {

// The picture size from the header of a file, or nothing when the file cannot be
// read or does not start with a BMP header.
std::optional<platform::PixelSize> bmp_file_size(const std::filesystem::path& file);

}  // namespace tavolora::storage
