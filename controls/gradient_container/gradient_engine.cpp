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

bool draw_gradient(Surface& s, int w, int h, Colour first, Colour second, float angle, bool middle_out) {
    const GradientLayout g = gradient_layout(w, h, angle);
    // A set of no length has no colour run to spread (its one position would divide
    // 0 by 0); a set too long for the surface's coordinates is not drawn either.
    if (!g.drawable() || !fits_int(g.n) || !fits_int(g.from) || !fits_int(g.to)) return false;

    // The lines beyond the surface's far side cannot touch it: a steep line k starts
    // at column k - offset, a shallow one at row k - offset.
    const long long far_side = g.steep ? s.width() : s.height();
    const long long last = std::min(g.n, far_side - 1 + std::max(g.offset, 0LL));

    for (long long k = 0; k <= last; ++k) {
        const long long position = g.first_position + g.step * k;
        const Colour colour =
            ramp_colour(first, second, middle_out ? middle_out_position(position, g.n) : position, g.n);
        if (!fits_int(k - g.offset)) continue;
        const int start = static_cast<int>(k - g.offset);
        const int end = static_cast<int>(k);  // start + offset
        if (g.steep)
            s.line(start, static_cast<int>(g.from), end, static_cast<int>(g.to), colour);
        else
            s.line(static_cast<int>(g.from), start, static_cast<int>(g.to), end, colour);
    }
    return true;
}

}  // namespace tavolora::controls
