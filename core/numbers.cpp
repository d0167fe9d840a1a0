#include "core/numbers.h"

#include <charconv>
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

std::string format_plain(long long value) {
    return std::to_string(value);
}

std::string format_signed(long long value) {
    return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

std::string format_plain_number(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        return format_plain(static_cast<long long>(value));
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string format_signed_number(double value) {
    return value >= 0 ? " " + format_plain_number(value) : format_plain_number(value);
}

}  // namespace tavolora
