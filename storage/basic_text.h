#pragma once

// The text conversions the stored files and the screens rely on.

#include <string_view>

namespace tavolora::storage {

// The number at the start of a text, as the classic BASIC Val reads it: blanks
// anywhere are passed over, then an optional sign and the decimal digits; no digits
// gives 0. Far too many digits saturate.
long basic_val(std::string_view text);

// The same, reading a decimal part too ("12.5" is 12.5, "7abc" is 7, "" is 0), for
// the number boxes of the screens.
double basic_val_number(std::string_view text);

}  // namespace tavolora::storage
