#include "controls/gradient_container/gradient_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/gradient_container/grad_container.h"

namespace tavolora::controls {

namespace {

long long round_to_whole(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

bool fits_int(long long value) {
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

}  // namespace

GradientLayout gradient_layout(int w, int h, float angle) {
    GradientLayout g;
    if (!std::isfinite(angle)) return g;

    // The angle to a whole number of degrees, then into 0..359.
    double degrees = std::fmod(std::nearbyint(static_cast<double>(angle)), 360.0);
    if (degrees < 0) degrees += 360.0;
    g.theta = static_cast<int>(degrees);

    // Steep for 45..134 and 225..314 degrees, shallow for the rest.
    const int quadrant = g.theta / 90;
    const bool odd = quadrant % 2 == 1;
    const int to_next_axis = (quadrant + 1) * 90 - g.theta;
    g.steep = odd ? to_next_axis > 45 : to_next_axis <= 45;

    // The radians are held in single precision and the slope taken from them in
    // double: at 45 degrees it is 1.0000000437, at 90 above 10^7.
    const float radians = static_cast<float>(g.theta * std::atan(1.0) / 45.0);
    g.slope = std::fabs(std::tan(static_cast<double>(radians)));

    if (g.steep) {
        g.offset = radians == 0.0f ? 0 : round_to_whole(h / g.slope);
        g.n = g.offset + w - 1;
        g.from = odd ? 0 : h - 1;
        g.to = g.from != 0 ? -1 : h;
    } else {
        g.offset = round_to_whole(g.slope * w);
        g.n = g.offset + h - 1;
        g.from = odd ? 0 : w - 1;
        g.to = g.from != 0 ? -1 : w;
    }

    // The colour runs from the first colour to the second in the direction 90
    // degrees clockwise of the lines: some quarters take the lines backwards.
    const bool backwards = g.steep ? quadrant >= 2 : (quadrant == 1 || quadrant == 2);
    g.first_position = backwards ? g.n : 0;
    g.step = backwards ? -1 : 1;
    return g;
}

Colour ramp_colour(Colour first, Colour second, long long i, long long n) {
    const float f = static_cast<float>(static_cast<double>(i) / static_cast<double>(n));
    const float g = static_cast<float>(1.0 - static_cast<double>(f));
    const auto channel = [&](int a, int b) {
        return static_cast<int>(std::nearbyint(static_cast<double>(b) * f + static_cast<double>(a) * g));
    };
    return rgb(channel(red_of(first), red_of(second)), channel(green_of(first), green_of(second)),
               channel(blue_of(first), blue_of(second)));
}

long long middle_out_position(long long p, long long n) {
    const long long evens = n / 2 + 1;
    if (p < evens) return 2 * p;
    const long long last_odd = n % 2 == 1 ? n : n - 1;
    return last_odd - 2 * (p - evens);
}

std::vector<Colour> gradient_table(Colour first, Colour second, long long n, bool middle_out) {
    std::vector<Colour> table;
    if (n <= 0) return table;
    table.reserve(static_cast<std::size_t>(n + 1));
    for (long long p = 0; p <= n; ++p)
        table.push_back(ramp_colour(first, second, middle_out ? middle_out_position(p, n) : p, n));
    return table;
}

namespace {

// The last line that can touch the surface: a steep line k starts at column
// k - offset, a shallow one at row k - offset.
long long last_line(const GradientLayout& g, const Surface& s) {
    const long long far_side = g.steep ? s.width() : s.height();
    return std::min(g.n, far_side - 1 + std::max(g.offset, 0LL));
}

Colour line_colour(const GradientLayout& g, long long k, Colour first, Colour second, bool middle_out) {
    const long long position = g.first_position + g.step * k;
    return ramp_colour(first, second, middle_out ? middle_out_position(position, g.n) : position, g.n);
}

}  // namespace

bool draw_gradient_lines(Surface& s, int w, int h, Colour first, Colour second, float angle, bool middle_out) {
    const GradientLayout g = gradient_layout(w, h, angle);
    // A set of no length has no colour run to spread (its one position would divide
    // 0 by 0); a set too long for the surface's coordinates is not drawn either.
    if (!g.drawable() || !fits_int(g.n) || !fits_int(g.from) || !fits_int(g.to)) return false;
    const long long last = last_line(g, s);
    for (long long k = 0; k <= last; ++k) {
        if (!fits_int(k - g.offset)) continue;
        const Colour colour = line_colour(g, k, first, second, middle_out);
        const int start = static_cast<int>(k - g.offset);
        const int end = static_cast<int>(k);  // start + offset
        if (g.steep)
            s.line(start, g.from, end, g.to, colour);
        else
            s.line(g.from, start, g.to, end, colour);
    }
    return true;
}

bool draw_gradient(Surface& s, int w, int h, Colour first, Colour second, float angle, bool middle_out) {
    const GradientLayout g = gradient_layout(w, h, angle);
    if (!g.drawable() || !fits_int(g.n) || !fits_int(g.from) || !fits_int(g.to)) return false;
    const long long last = last_line(g, s);
    // The lines are parallel and one pixel apart, so each pixel they reach belongs to
    // exactly one of them: along a steep line every row is the row above it shifted
    // by the same whole number of pixels, and along a shallow one every column. So the
    // set is painted row by row from its run of colours, pixel for pixel as line after
    // line would paint it, without crossing the surface's memory column-wise. A run too
    // long to hold is drawn line by line instead.
    constexpr long long kLongestRun = 1 << 22;
    if (last + 1 > kLongestRun) return draw_gradient_lines(s, w, h, first, second, angle, middle_out);
    std::vector<QRgb> run(static_cast<std::size_t>(std::max(last + 1, 0LL)));
    for (long long k = 0; k <= last; ++k)
        run[static_cast<std::size_t>(k)] = Surface::qrgb(line_colour(g, k, first, second, middle_out));
    const long long width = s.width();
    const long long height = s.height();
    // Where a line's whole-pixel step along its longer axis puts it on the other axis
    // (the surface's line rule: the nearest pixel, halves away from the start).
    const auto shift = [](long long step, long long minor, long long major) {
        return (2 * step * minor + major) / (2 * major);
    };
    if (g.steep) {
        // Rows 0 to h - 1 (from row `from` towards `to`), one pixel of each line a row:
        // the row shows the run from line (offset - m) on.
        const long long rows = std::min<long long>(h, height);
        for (long long row = 0; row < rows; ++row) {
            const long long j = g.to > g.from ? row - g.from : g.from - row;
            const long long m = g.offset == 0 ? 0 : shift(j, g.offset, h);
            const long long from_column = std::max(0LL, m - g.offset);
            const long long to_column = std::min(width - 1, last + m - g.offset);
            if (to_column < from_column) continue;
            const QRgb* source = run.data() + (from_column + g.offset - m);
            std::copy(source, source + (to_column - from_column + 1), s.row(static_cast<int>(row)) + from_column);
        }
    } else {
        // Columns 0 to w - 1 (from column `from` towards `to`), one pixel of each line
        // a column: pixel (column, row) belongs to line row + offset - m(column).
        const long long columns = std::min<long long>(w, width);
        std::vector<long long> m(static_cast<std::size_t>(std::max(columns, 0LL)));
        for (long long column = 0; column < columns; ++column) {
            const long long i = g.to > g.from ? column - g.from : g.from - column;
            m[static_cast<std::size_t>(column)] = g.offset == 0 ? 0 : shift(i, g.offset, w);
        }
        const bool level = std::all_of(m.begin(), m.end(), [](long long v) { return v == 0; });
        for (long long row = 0; row < height; ++row) {
            QRgb* pixels = s.row(static_cast<int>(row));
            if (level) {  // horizontal lines: the row is one line's colour
                const long long k = row + g.offset;
                if (k >= 0 && k <= last) std::fill(pixels, pixels + columns, run[static_cast<std::size_t>(k)]);
                continue;
            }
            for (long long column = 0; column < columns; ++column) {
                const long long k = row + g.offset - m[static_cast<std::size_t>(column)];
                if (k >= 0 && k <= last) pixels[column] = run[static_cast<std::size_t>(k)];
            }
        }
    }
    return true;
}

}  // namespace tavolora::controls
