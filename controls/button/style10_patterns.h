#pragma once

// The pictures behind the style-10 button: one glossy face of 34 x 22 positions
// with curved corners, in three colourings. The painter (style10.cpp) stretches a
// picture to the button's size by drawing its four quarters at the four corners
// and repeating its middle row and column in between.

#include <array>

#include "controls/platform/colours.h"

namespace tavolora::controls {

enum class Style10Look { kNormal, kHot, kPressed };

// One colouring: each position (i, j), column i = 0..33 and row j = 0..21, holds a
// colour or nothing. Nothing means the painter leaves that pixel alone.
class Style10Pattern {
public:
    static constexpr int kColumns = 34;
    static constexpr int kRows = 22;
    // The middle column and row: the painter repeats them between the corners, and
    // (17, 10) is the body colour.
    static constexpr int kMiddleColumn = 17;
    static constexpr int kMiddleRow = 10;

    bool holds(int i, int j) const { return holds_[index(i, j)]; }
    // The colour of a position that holds one; white for one that holds nothing.
    Colour at(int i, int j) const { return colours_[index(i, j)]; }
    Colour body() const { return at(kMiddleColumn, kMiddleRow); }
    // The row that the top half (rows 0..split) and the bottom half (rows
    // split..21) share.
    int split_row() const { return split_row_; }

    // The number of positions that hold a colour.
    int count() const;

private:
    friend Style10Pattern make_style10_pattern(Style10Look look);
    static constexpr int index(int i, int j) { return j * kColumns + i; }

    std::array<bool, kColumns * kRows> holds_{};
    std::array<Colour, kColumns * kRows> colours_{};
    int split_row_ = kMiddleRow;
};

// The picture of a look, made once on first use.
const Style10Pattern& style10_pattern(Style10Look look);

}  // namespace tavolora::controls
