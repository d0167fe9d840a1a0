#pragma once

// Reading and writing the record files. Only record 1 is ever read or written. A
// read never creates a file, and reads no more than the record it wants, whatever
// the size of the file. A write replaces the record's bytes and keeps every byte
// after them; it goes to a temporary file of its own in the same folder, which
// then replaces the old one, so that a reader (another copy of the program
// included) always finds the old or the new file whole, and a crash during a save
// loses at most that save.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavolora::storage {

// The whole file, or nothing when it cannot be read (a missing file included).
// For the small files only (user records, help texts): a record file that may be
// anything a user left there is read with read_record.
std::optional<std::string> read_file(const std::filesystem::path& file);

// The size of a stored file, or nothing when it does not exist or cannot be read.
std::optional<std::uintmax_t> stored_size(const std::filesystem::path& file);

// What read_record found: the file's size and its first bytes, at most the length
// asked for. Both come from the one file opened, so a save that replaces the file
// meanwhile cannot pair the size of one with the bytes of the other.
struct StoredRecord {
    std::uintmax_t size = 0;
    std::string bytes;
};

// The size and the first `length` bytes (fewer when the file is shorter) of a
// file; nothing when it does not exist or cannot be read.
std::optional<StoredRecord> read_record(const std::filesystem::path& file, std::size_t length);

// The temporary file of a save is "." + the file's name + a suffix of its own +
// ".tmp": it is never taken for a user's or an options file, and what a crash
// leaves of it is never read.
//
// Writes `record` over the first bytes of the file, keeping the bytes after them
// (a file is never shortened) and the file's permissions, creating the file and its
// folder when missing. Returns false, with the old file untouched, when the write
// fails.
bool write_record(const std::filesystem::path& file, std::string_view record);

// How a save of a record that a file of some length must never take ended.
enum class RecordSave { Written, Failed, LeftAlone };

// write_record, except that a file already `too_long` bytes long or longer is left
// exactly as it is: the test is made on the file whose bytes the save would keep,
// so a file cannot grow past it between the test and the save.
RecordSave write_record_below(const std::filesystem::path& file, std::string_view record,
                              std::uintmax_t too_long);

// Removes a file; false when it was not there or could not be removed.
bool remove_file(const std::filesystem::path& file);

}  // namespace tavolora::storage
