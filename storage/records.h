#pragma once

// The two stored records, byte for byte: the options record (298 bytes), the same
// for every user's options file and for the general options file, and the user
// record (20 bytes). Text is Windows-1252, left-aligned and padded with blanks; a
// field never assigned holds zero bytes; numbers are 16-bit, signed,
// little-endian; fields follow each other without gaps.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/fixed_array.h"

namespace tavolora::storage {

// A fixed-width text field: N bytes as stored. Zero bytes (a field never assigned)
// read as blanks; writing back a field that was not changed keeps its bytes.
template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t width = N;

    FixedText() { bytes_.fill('\0'); }
    FixedText(std::string_view utf8) { assign(utf8); }  // NOLINT: a text converts as it is stored

    // Stores a UTF-8 text, cut to N characters or padded with blanks; a character
    // the code page cannot hold becomes '?'.
    void assign(std::string_view utf8);

    // The N characters as UTF-8, zero bytes read as blanks.
    std::string text() const;
    // Without trailing blanks.
    std::string trimmed_right() const;
    // Without leading and trailing blanks.
    std::string trimmed() const;

    const std::array<char, N>& bytes() const { return bytes_; }
    std::array<char, N>& bytes() { return bytes_; }

    friend bool operator==(const FixedText&, const FixedText&) = default;

private:
    std::array<char, N> bytes_{};
};

// One user's options for one game; in the general options file Mazzo_Dorso is the
// last user and Impostazioni(1) the last game.
struct Tipo_Opzioni {
    FixedText<50> Mazzo_Carte;
    FixedText<50> Mazzo_Dorso;
    FixedText<50> Sfondo_Tavolo;
    std::int16_t Difficolta = 0;
    FixedArray<std::int16_t, 1, 8> Animazioni{};
    FixedArray<std::int16_t, 1, 15> Impostazioni{};
    FixedArray<std::int16_t, 1, 20> Regole{};
    FixedArray<FixedText<20>, 1, 3> Nomi_Giocatori{};

    friend bool operator==(const Tipo_Opzioni&, const Tipo_Opzioni&) = default;
};

struct Tipo_Utente {
    FixedText<20> Foto;  // the file name of the user's picture in \Photos
    friend bool operator==(const Tipo_Utente&, const Tipo_Utente&) = default;
};

// Where each field of the options record lies.
namespace layout {
inline constexpr std::size_t kOptionsLength = 298;
inline constexpr std::size_t kUserLength = 20;
inline constexpr std::size_t kMazzoCarte = 0;
inline constexpr std::size_t kMazzoDorso = 50;
inline constexpr std::size_t kSfondoTavolo = 100;
inline constexpr std::size_t kDifficolta = 150;
inline constexpr std::size_t kAnimazioni = 152;
inline constexpr std::size_t kImpostazioni = 168;
inline constexpr std::size_t kRegole = 198;
inline constexpr std::size_t kNomiGiocatori = 238;
}  // namespace layout

using OptionsBytes = std::array<char, layout::kOptionsLength>;
using UserBytes = std::array<char, layout::kUserLength>;

OptionsBytes encode(const Tipo_Opzioni& record);
UserBytes encode(const Tipo_Utente& record);

// A record from the first bytes of a file. Bytes the file does not have read as
// zero (a file shorter than a record gives the part it holds).
Tipo_Opzioni decode_options(std::string_view bytes);
Tipo_Utente decode_user(std::string_view bytes);

// The number of whole records of `length` bytes in a file of `size` bytes; 0 when
// the count would not fit a 16-bit number.
int Numero_Record(std::uintmax_t size, std::size_t length);

// An options file is valid when it holds exactly one whole record: 298 to 595 bytes.
bool valid_options_file_size(std::uintmax_t size);

// An options file of two whole records or more (596 bytes and up) is not valid, and
// is never written: it stays as the user left it, and its defaults serve in memory.
inline constexpr std::uintmax_t kTooLongOptionsFile = 2 * layout::kOptionsLength;

}  // namespace tavolora::storage
