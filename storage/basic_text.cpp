#include "storage/basic_text.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace tavolora::storage {

long basic_val(std::string_view text) {
    bool negative = false;
    bool started = false;
    long value = 0;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        if (!started && (c == '+' || c == '-')) {
            negative = c == '-';
            started = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        started = true;
        if (value > (std::numeric_limits<long>::max() - 9) / 10)
            return negative ? std::numeric_limits<long>::min() : std::numeric_limits<long>::max();
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

double basic_val_number(std::string_view text) {
    std::string number;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        const bool sign = (c == '+' || c == '-') && number.empty();
        const bool digit = c >= '0' && c <= '9';
        const bool point = c == '.' && number.find('.') == std::string::npos;
        if (!sign && !digit && !point) break;
        number += c;
    }
    if (!number.empty() && number.front() == '+') number.erase(0, 1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc() ? value : 0;
}

}  // namespace tavolora::storage
