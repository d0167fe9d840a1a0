#pragma once

#include <string_view>

namespace tavolora {

// Stops the program with a message. Used for programmer's errors only (an index
// outside its array, a broken invariant), in every build, tests included.
[[noreturn]] void fatal(std::string_view message);

}  // namespace tavolora
