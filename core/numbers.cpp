#include "core/numbers.h"

#include <cfenv>
#include <cmath>

namespace tavolora {

bool store16(std::int16_t& cell, long long value) {
    if (!fits16(value)) return false;
    cell = static_cast<std::int16_t>(value);
    return true;
}

double round_half_even(double value) {
    // nearbyint follows the current rounding mode; the program never changes it
    // from the default (to nearest, ties to even).
    return std::nearbyint(value);
}

std::string format_plain(long long value) { return std::to_string(value); }

std::string format_signed(long long value) {
    return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

}  // namespace tavolora
