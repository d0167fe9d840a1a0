#include "core/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace tavolora {

void fatal(std::string_view message) {
    std::fprintf(stderr, "tavolora: internal error: %.*s\n", static_cast<int>(message.size()),
                 message.data());
    std::fflush(stderr);
    std::abort();
}

}  // namespace tavolora
