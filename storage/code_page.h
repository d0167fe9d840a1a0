#pragma once

// The stored files hold text in Windows-1252, one byte a character; in memory the
// program's text is UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace tavolora::storage {

// The UTF-8 text of Windows-1252 bytes. Every byte has a character.
std::string from_cp1252(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text, or nothing when a character has no byte
// (or the text is not valid UTF-8).
std::optional<std::string> to_cp1252(std::string_view utf8);

// The same, with '?' for each character that has no byte, as a code page
// conversion does.
std::string to_cp1252_lossy(std::string_view utf8);

// Whether two UTF-8 texts are the same but for letter case, for the letters of
// Windows-1252 (names of files and users).
bool same_ignoring_case(std::string_view a, std::string_view b);

// The number of characters of a UTF-8 text (its width in a fixed-width field).
std::size_t character_count(std::string_view utf8);

// The first character of a UTF-8 text that has no byte in the code page (as UTF-8);
// empty when every character has one or the text is not valid UTF-8 there.
std::string_view first_character_outside_code_page(std::string_view utf8);

// A text as a message may show it: every character a person cannot read (a control
// character, C0 or C1, DEL, or a byte that is not UTF-8) becomes '?'. Text read from
// a damaged file goes through it before any message names it.
std::string printable(std::string_view utf8);

}  // namespace tavolora::storage
