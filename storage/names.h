#pragma once

// User names are file names, and the names the program reads from its records and
// folders (decks, backs, backgrounds, photos, the last user) become parts of paths.
// Both are checked before any file is touched, so that nothing outside the program
// folder is ever read or written.

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolora::storage {

inline constexpr std::size_t kUserNameLength = 14;

enum class NameProblem {
    None,
    Empty,  // nothing but blanks
    TooLong,        // more than 14 characters
    PathSeparator,  // "\" or "/"
    DotDot,         // ".."
    ControlCharacter,
    LeadingOrTrailingDot,
    NotInCodePage,       // a character Windows-1252 cannot store
    ForbiddenCharacter,  // one of < > : " | ? *, which a file name may not hold
    ReservedDeviceName,  // CON, PRN, AUX, NUL, CONIN$, CONOUT$, CLOCK$, COM1..COM9, LPT1..LPT9, COM¹..COM³, LPT¹..LPT³
};

// Whether a name, as the user typed it, can name a user: the blanks around it are
// left out first, and the rest is checked.
NameProblem check_user_name(std::string_view name);

// Why a name typed for a user cannot be one, in a sentence for the person who typed
// it (naming the character at fault where there is one); empty when it can.
std::string user_name_refusal(std::string_view name);

// Whether the stem of a file found in the users folder is a user the program could
// have made: a name it accepts, with no blanks around it (such a file would share
// its options files with the user named without them).
bool is_user_file_stem(std::string_view stem);

// Whether a name read from a record or a folder is one path component that stays
// inside its folder (not empty, no separator, no control character, not "." or
// ".."). A name that is not is treated as missing.
bool is_single_component(std::string_view name);

}  // namespace tavolora::storage
