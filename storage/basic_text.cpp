#include "storage/basic_text.h"

#include <limits>

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
        if (value > (std::numeric_limits<long>::max() - 9) / 10) return negative ? std::numeric_limits<long>::min() : std::numeric_limits<long>::max();
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

}  // namespace tavolora::storage
