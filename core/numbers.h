#pragma once

// The small number rules shared by every subsystem: the 16-bit cells of the card
// table and of the stored records, rounding to the nearest integer with halves to
// the even neighbour, and the two ways captions write a number.

#include <cstdint>
#include <string>

namespace tavolora {

// Stores `value` into a 16-bit cell. A value that does not fit leaves the cell
// unchanged and returns false: the caller decides whether that is a fault.
bool store16(std::int16_t& cell, long long value);

// True when `value` fits a signed 16-bit cell.
constexpr bool fits16(long long value) {
    return value >= INT16_MIN && value <= INT16_MAX;
}

// Nearest integer, a half to the even neighbour (1.5 -> 2, 2.5 -> 2, -0.5 -> -0).
double round_half_even(double value);

// Plain caption number: digits, a minus sign before a negative number, no blanks.
std::string format_plain(long long value);

// Signed caption number: as plain, with one leading blank before 0 and positive numbers.
std::string format_signed(long long value);

// The same for a number that may have a decimal part: a whole number is written
// without one; otherwise the shortest decimal that reads back as the number.
std::string format_plain_number(double value);
std::string format_signed_number(double value);

}  // namespace tavolora
