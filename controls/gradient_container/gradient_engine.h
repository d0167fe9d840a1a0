#pragma once

// The angle gradient of the gradient container, in its parts: how a set of parallel
// one-pixel lines is laid over a w x h rectangle for an angle, and the run of
// colours that the lines take one after the other. draw_gradient (declared with the
// container) puts both together on a surface.
//
// The arithmetic has fixed precisions, so that a gradient comes out the same pixel
// for pixel everywhere: the angle in radians and each line's fraction are
// single-precision values, the slope and the colour sums double precision, every
// rounding to the nearest whole number with halves to the even neighbour.

#include <vector>

#include "controls/platform/colours.h"

namespace tavolora::controls {

struct GradientLayout {
    int theta = 0;         // the angle as a whole number of degrees, 0 to 359
    bool steep = false;    // lines nearer the vertical: one line per column, else one per row
    double slope = 0;      // |tan| of the angle
    long long offset = 0;  // how far each line runs across (steep: in x, shallow: in y)
    long long n = -1;      // the last colour position; the lines are 0 to n
    // The fixed ends of every line: steep lines run from row `from` towards row `to`,
    // shallow lines from column `from` towards column `to` (`to` itself left out).
    int from = 0;
    int to = 0;
    // The colour position of line 0 and the step to the next line's (+1 or -1).
    long long first_position = 0;
    int step = 1;

    // Whether there is anything to draw: a set of no length (n of 0 or less) has not.
    bool drawable() const { return n > 0; }
};

// The set of lines at `angle` degrees over a w x h rectangle. An angle that is not a
// finite number gives a set of no length.
GradientLayout gradient_layout(int w, int h, float angle);

// Position i (0 to n, n above 0) of the straight run from `first` to `second`.
Colour ramp_colour(Colour first, Colour second, long long i, long long n);

// The ramp position shown at position p (0 to n) of a middle-out run: the even ramp
// positions ascending, then the odd ones descending, so that the run starts at the
// first colour, reaches the second in the middle and comes back next to the first.
long long middle_out_position(long long p, long long n);

// The whole run of n + 1 colours; empty for n of 0 or less.
std::vector<Colour> gradient_table(Colour first, Colour second, long long n, bool middle_out);

class Surface;

// The set drawn as it is defined, line after line through the surface's line rule;
// draw_gradient paints the same pixels row by row, much faster.
bool draw_gradient_lines(Surface& s, int w, int h, Colour first, Colour second, float angle, bool middle_out);

}  // namespace tavolora::controls
