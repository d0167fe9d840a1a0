#pragma once

// The users' own files: each user's record ("<folder>\Users\<name>.usr", which names
// the user's photo in "<folder>\Photos"). The lists of users and photos are
// storage/folders.h's, the name tables and the options files the settings'; these
// routines only read, write and remove the files themselves.

#include <optional>
#include <string>
#include <string_view>

#include "storage/records.h"

namespace tavolora::storage {

// "<folder>\Users\<name>.usr", written as the program writes its paths.
std::string user_file(const std::string& program_folder, std::string_view name);

// The user's record; nothing when the file cannot be read. A file shorter than a
// record gives what it holds, blanks for the rest.
std::optional<Tipo_Utente> read_user(const std::string& program_folder, std::string_view name);

// Writes the user's record, creating the file (and the users folder) when missing.
// The write is atomic: when it fails, nothing is left behind and an older file is
// as it was.
bool write_user(const std::string& program_folder, std::string_view name, const Tipo_Utente& record);

// Removes a user: the user's file first, then the options files of the game numbers
// 1 to 20, each as far as it exists. When the user's file is there and cannot be
// removed, nothing else is touched and the answer is false: a user is never left
// without options while still listed, or half-deleted behind the user's back.
bool remove_user(const std::string& program_folder, std::string_view name);

// "<folder>\Photos\<photo>" for a stored photo name (its blanks removed), or "" when
// the field names no file that could lie in that folder.
std::string photo_path(const std::string& program_folder, const FixedText<20>& photo);

}  // namespace tavolora::storage
