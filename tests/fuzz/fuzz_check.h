#pragma once

// What a fuzz target asserts: a property that fails stops the run, and libFuzzer
// keeps the input that broke it.

namespace tavolora::testing {

inline void check(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace tavolora::testing
