#pragma once

// Reading and writing the record files. Only record 1 is ever read or written. A
// read never creates a file. A write replaces the record's bytes and keeps every
// byte after them; it goes to a temporary file in the same folder, which then
// replaces the old one, so a crash during a save loses at most that save.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavolora::storage {

// The whole file, or nothing when it cannot be read (a missing file included).
std::optional<std::string> read_file(const std::filesystem::path& file);

// The size of a stored file, or nothing when it does not exist or cannot be read.
std::optional<std::uintmax_t> stored_size(const std::filesystem::path& file);

// Writes `record` over the first bytes of the file, keeping the bytes after them
// (a file is never shortened), creating the file and its folder when missing.
// Returns false, with the old file untouched, when the write fails.
bool write_record(const std::filesystem::path& file, std::string_view record);

// Removes a file; false when it was not there or could not be removed.
bool remove_file(const std::filesystem::path& file);

}  // namespace tavolora::storage
