#pragma once

// What the program finds in its folders, in the order a file list shows it (by name,
// regardless of letter case). Names that could not be stored in their field, or
// that would lead outside their folder, are left out.

#include <string>
#include <vector>

namespace tavolora::storage {

// The deck folders under "<folder>\Cards".
std::vector<std::string> deck_folders(const std::string& program_folder);
// The ".jpg" pictures under "<folder>\Tables", with their extension.
std::vector<std::string> background_pictures(const std::string& program_folder);
// The users: the stems of the ".usr" files under "<folder>\Users", each name once
// whatever its letter case, leaving out the stems that are not names the program
// accepts for a new user (too long, blanks around them, a device name...).
std::vector<std::string> user_names(const std::string& program_folder);
// The photos a user can choose: the ".bmp" files under "<folder>\Photos", leaving
// out the names that would not fit the 20 characters of the user record's field (a
// stored name must find its file again).
std::vector<std::string> user_photos(const std::string& program_folder);

}  // namespace tavolora::storage
