#pragma once

// Arrays indexed from a fixed lower bound (1 in most of the program), so that every
// index in the rules of play can be read against the code as it stands. An index
// out of range is a programmer's error and stops the program in every build.

#include <array>
#include <cstddef>
#include <string>

#include "core/fatal.h"

namespace tavolora {

namespace detail {
[[noreturn]] inline void index_out_of_range(const char* what, long index, long lo, long hi) {
    fatal(std::string(what) + " index " + std::to_string(index) + " outside " + std::to_string(lo) + ".." +
          std::to_string(hi));
}
}  // namespace detail

// One dimension, indices Lo..Hi inclusive: `a(i)`.
template <class T, long Lo, long Hi>
class FixedArray {
    static_assert(Hi >= Lo);

public:
    static constexpr long lower = Lo;
    static constexpr long upper = Hi;
    static constexpr std::size_t size = static_cast<std::size_t>(Hi - Lo + 1);

    T& operator()(long i) { return cells_[offset(i)]; }
    const T& operator()(long i) const { return cells_[offset(i)]; }

    static constexpr bool in_range(long i) { return i >= Lo && i <= Hi; }

    void fill(const T& value) { cells_.fill(value); }

    auto begin() { return cells_.begin(); }
    auto end() { return cells_.end(); }
    auto begin() const { return cells_.begin(); }
    auto end() const { return cells_.end(); }

    friend bool operator==(const FixedArray&, const FixedArray&) = default;

private:
    static std::size_t offset(long i) {
        if (!in_range(i)) detail::index_out_of_range("array", i, Lo, Hi);
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, size> cells_{};
};

// Two dimensions, 1-based: `a(i, j)` with i in 1..N1, j in 1..N2.
template <class T, long N1, long N2>
class FixedArray2 {
public:
    T& operator()(long i, long j) { return cells_[offset(i, j)]; }
    const T& operator()(long i, long j) const { return cells_[offset(i, j)]; }

    void fill(const T& value) { cells_.fill(value); }

    friend bool operator==(const FixedArray2&, const FixedArray2&) = default;

private:
    static std::size_t offset(long i, long j) {
        if (i < 1 || i > N1) detail::index_out_of_range("first", i, 1, N1);
        if (j < 1 || j > N2) detail::index_out_of_range("second", j, 1, N2);
        return static_cast<std::size_t>((i - 1) * N2 + (j - 1));
    }
    std::array<T, static_cast<std::size_t>(N1* N2)> cells_{};
};

// Three dimensions, 1-based: `a(i, j, k)`.
template <class T, long N1, long N2, long N3>
class FixedArray3 {
public:
    T& operator()(long i, long j, long k) { return cells_[offset(i, j, k)]; }
    const T& operator()(long i, long j, long k) const { return cells_[offset(i, j, k)]; }

    void fill(const T& value) { cells_.fill(value); }

    friend bool operator==(const FixedArray3&, const FixedArray3&) = default;

private:
    static std::size_t offset(long i, long j, long k) {
        if (i < 1 || i > N1) detail::index_out_of_range("first", i, 1, N1);
        if (j < 1 || j > N2) detail::index_out_of_range("second", j, 1, N2);
        if (k < 1 || k > N3) detail::index_out_of_range("third", k, 1, N3);
        return static_cast<std::size_t>(((i - 1) * N2 + (j - 1)) * N3 + (k - 1));
    }
    std::array<T, static_cast<std::size_t>(N1* N2* N3)> cells_{};
};

}  // namespace tavolora
