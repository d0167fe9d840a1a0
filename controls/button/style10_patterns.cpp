// The three colourings of the style-10 face.
//
// What shapes the picture is the same for the three looks: a dark outline along a
// rounded rectangle (the top row, the bottom row 20, columns 1-2 and 31-32 down the
// sides), a light margin outside it (columns 0 and 33), a grey shadow under it
// (row 21), and inside it a face that darkens toward the sides and carries the
// gloss: a bright band under the top edge, a dip at row 8, the body colour in the
// middle and a glow that grows from row 11 down to row 19.
//
// Part of each picture is set down here as tables, position by position: which
// positions hold a colour (kMask), the middle row 10 and the middle column 17 of
// each look (the painter repeats them between the corners, so they set the look of
// every button size), the top row of the normal and hot looks, and the margin and
// shadow the three looks share. The other positions are rendered by render(): a
// rounded outline with smoothed edges in the edge colours of row 10, row 0 and
// column 17, the margin and shadow spread from their tables, and a face that adds
// the side shading of row 10 to the gloss of column 17, both carried round the
// corners. At the positions of row 10, column 17, the margin and the shadow the
// rendering gives the table values themselves, so the tables laid over it meet
// their neighbours without a seam. Only +, -, x, / and square roots of doubles are
// used, so the pictures come out the same on every machine.

#include "controls/button/style10_patterns.h"

#include <algorithm>
#include <cmath>

namespace tavolora::controls {

namespace {

constexpr int kColumns = Style10Pattern::kColumns;
constexpr int kRows = Style10Pattern::kRows;
constexpr Colour kWhite = 0xFFFFFF;

// --- The tables. Colours are written as the controls keep them, 0xBBGGRR.

// Which positions hold a colour: '#' in every look, 'o' in the hot and pressed
// looks only. The normal look's holes in rows 16 to 18 are part of its picture:
// there the button shows whatever lay under it.
constexpr std::array<const char*, kRows> kMask = {
    "......#####################.......",  // 0
    ".....########################.....",  // 1
    "...###########################....",  // 2
    "...############################...",  // 3
    "..##############################..",  // 4
    ".################################.",  // 5
    ".################################.",  // 6
    ".################################.",  // 7
    "##################################",  // 8
    "##################################",  // 9
    "##################################",  // 10
    "##################################",  // 11
    "##################################",  // 12
    "##################################",  // 13
    "##################################",  // 14
    "#################################.",  // 15
    ".##########o#o#o#o#ooo##o########.",  // 16
    ".########o############o#o########.",  // 17
    "..###################o##########..",  // 18
    "..#############################...",  // 19
    "...###########################....",  // 20
    ".....########################.....",  // 21
};

// Marks the one position of a middle column that holds nothing.
constexpr Colour kNothing = 0xFF000000;

constexpr std::array<Colour, kColumns> kNormalRow10 = {
    0xF7F7F7, 0xA0A0A0, 0x999999, 0xC3C3C3, 0xC9C9C9, 0xD5D5D5, 0xD7D7D7, 0xDFDFDF, 0xE0E0E0,
    0xE0E0E0, 0xE4E4E4, 0xE6E8E6, 0xE8E7E7, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8,
    0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xE7E7E7, 0xE6E6E6, 0xE4E4E4, 0xE0E0E0, 0xE0E0E0, 0xDEDEDE,
    0xD9D9D9, 0xD3D3D3, 0xCCCCCC, 0xC3C3C3, 0xA3A3A3, 0x9C9C9C, 0xF6F6F6,
};
constexpr std::array<Colour, kRows> kNormalColumn17 = {
    0x67696A, 0xF5F4F6, 0xF3F2F4, 0xEEEEEE, 0xEBEBEB, 0xEBE8EA, 0xEBE8EA, 0xEAEAEA,
    0xE1E1E1, 0xE5E2E3, 0xEAE7E8, 0xE8EBE9, 0xEEF1EF, 0xF2F2F2, 0xF5F5F5, 0xFFFEFE,
    kNothing, 0xFDFDFD, 0xFEFEFE, 0xFBFBFB, 0x545454, 0xC5C5C5,
};
constexpr std::array<Colour, kColumns> kHotRow10 = {
    0xF7F7F7, 0xB0A09E, 0x712E13, 0xBD5F14, 0xD17327, 0xD47F31, 0xD98C3D, 0xD9944B, 0xD7944F,
    0xDC9C55, 0xDC9B57, 0xE3A362, 0xE3A265, 0xE2A367, 0xE0A165, 0xE3A66A, 0xE3A66A, 0xE2A66A,
    0xE2A66A, 0xE1A464, 0xE0A363, 0xE0A363, 0xE1A161, 0xE09F5B, 0xDE9855, 0xDC9752, 0xDB934B,
    0xD68D39, 0xD17F2D, 0xD67426, 0xC05D13, 0x7C3514, 0xAB9B98, 0xF6F6F6,
};
constexpr std::array<Colour, kRows> kHotColumn17 = {
    0x450608, 0xF1D4C9, 0xE5C8BD, 0xE8C0A1, 0xE0B898, 0xE3B48E, 0xE0B18B, 0xE9B47F,
    0xCE9963, 0xDDA064, 0xE2A66A, 0xE6AC76, 0xF1B681, 0xF3BD8A, 0xFCC592, 0xF8CE97,
    0xFED59E, 0xF7DDA3, 0xFFE6AD, 0xE9E2C5, 0x635D40, 0xC5C5C5,
};
constexpr std::array<Colour, kColumns> kPressedRow10 = {
    0xF7F7F7, 0xA99D9B, 0x632D17, 0xA65A1D, 0xB96C2E, 0xBC7738, 0xC18242, 0xC2894E, 0xC18A52,
    0xC59157, 0xC59159, 0xCC9863, 0xCC9665, 0xCB9767, 0xC99565, 0xCC9A6A, 0xCC9A6A, 0xCC9B6A,
    0xCC9B6A, 0xCA9864, 0xC99763, 0xC99763, 0xCA9562, 0xC9945D, 0xC68E57, 0xC48C55, 0xC3884E,
    0xBE823E, 0xB97634, 0xBD6D2D, 0xA8581C, 0x6D3319, 0xA49794, 0xF6F6F6,
};
constexpr std::array<Colour, kRows> kPressedColumn17 = {
    0x3C090A, 0xDEC7BE, 0xD3BCB2, 0xD4B39A, 0xCCAC92, 0xCFA88A, 0xCCA587, 0xD2A77D,
    0xB98E62, 0xC69464, 0xCC9B6A, 0xD0A175, 0xDAAA7F, 0xDCB087, 0xE4B88E, 0xE1BF93,
    0xE7C699, 0xE2CC9D, 0xE9D5A6, 0xD7D2BA, 0x5A563E, 0xC5C5C5,
};

// The top row, columns 6 to 26: the outline, fading into the margin at both ends.
// The pressed look's top row is made from the hot one (pressed_top_row()).
constexpr int kTopRowFirst = 6;
constexpr std::array<Colour, 21> kNormalRow0 = {
    0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B, 0x6F6F6F,
    0x716F6F, 0x727070, 0x676866, 0x6C6D6B, 0x67696A, 0x666869, 0x716F6F,
    0x6F6D6D, 0x6F706E, 0x727371, 0x6E6E6E, 0x707070, 0xA6A6A6, 0xEEEEEE,
};
constexpr std::array<Colour, 21> kHotRow0 = {
    0xFEFEFE, 0xE6E5E5, 0xA9A5A5, 0x6C5E5E, 0x482729, 0x370D0C, 0x370706,
    0x360605, 0x3A0606, 0x410807, 0x450707, 0x450608, 0x450608, 0x3B0707,
    0x370706, 0x360507, 0x3B0F10, 0x442526, 0x604E4E, 0xA29D9E, 0xEEEEEE,
};

// Shared by the three looks: the shadow row 21 (columns 5 to 28) and the margin
// down the sides (column 0, rows 8 to 15; column 33, rows 8 to 14).
constexpr int kShadowFirst = 5;
constexpr std::array<Colour, 24> kRow21 = {
    0xFCFCFC, 0xF5F5F5, 0xEBEBEB, 0xE1E1E1, 0xD6D6D6, 0xCECECE, 0xC9C9C9, 0xC7C7C7,
    0xC7C7C7, 0xC6C6C6, 0xC6C6C6, 0xC5C5C5, 0xC5C5C5, 0xC5C5C5, 0xC6C6C6, 0xC6C6C6,
    0xC6C6C6, 0xC9C9C9, 0xCECECE, 0xD7D7D7, 0xE1E1E1, 0xECECEC, 0xF6F6F6, 0xFDFDFD,
};
constexpr int kMarginFirst = 8;
constexpr std::array<Colour, 8> kColumn0 = {
    0xFDFDFD, 0xFAFAFA, 0xF7F7F7, 0xF5F5F5, 0xF5F5F5, 0xF7F7F7, 0xFBFBFB, 0xFEFEFE,
};
constexpr std::array<Colour, 7> kColumn33 = {
    0xFDFDFD, 0xF9F9F9, 0xF6F6F6, 0xF4F4F4, 0xF5F5F5, 0xF8F8F8, 0xFDFDFD,
};
// The margin where no table gives it: a near-white.
constexpr Colour kPlainMargin = 0xFEFEFE;

// --- Colours with fractional channels, for mixing.

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb rgb_of(Colour c) {
    return {double(red_of(c)), double(green_of(c)), double(blue_of(c))};
}

Colour colour_of(Rgb c) {
    const auto channel = [](double v) { return std::clamp(round_even(v), 0, 255); };
    return rgb(channel(c.r), channel(c.g), channel(c.b));
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator-(Rgb a, Rgb b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
Rgb operator*(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}

// --- The outline's geometry, in the picture's own units: position (i, j) is the
// square from (i, j) to (i + 1, j + 1), its centre at (i + 0.5, j + 0.5).

// A rectangle whose four corners are quarters of ellipses.
struct RoundedBox {
    double left, top, right, bottom;
    // Half-axes (x, y) of the corner ellipses.
    double top_x, top_y;        // both top corners
    double bottom_x, bottom_y;  // both bottom corners

    bool contains(double x, double y) const {
        if (x < left || x > right || y < top || y > bottom) return false;
        const bool upper = y < top + top_y;
        const bool lower = y > bottom - bottom_y;
        if (!upper && !lower) return true;
        const double rx = upper ? top_x : bottom_x;
        const double ry = upper ? top_y : bottom_y;
        const double cy = upper ? top + ry : bottom - ry;
        double cx = 0;
        if (x < left + rx)
            cx = left + rx;
        else if (x > right - rx)
            cx = right - rx;
        else
            return true;
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1;
    }
};

// Three boxes around one set of corner centres (12, 10), (22, 10) at the top and
// (9, 15), (25, 15) at the bottom: the outer edge of the outline, the seam between
// the outline's outer tone and its darker inner tone (columns 1 and 2 at the
// sides; at the top and bottom the outline has the inner tone only), and the
// edge of the face.
constexpr RoundedBox kOuterEdge{1, 0, 33, 21, 11, 10, 8, 6};
constexpr RoundedBox kToneSeam{2, 0, 32, 21, 10, 10, 7, 6};
constexpr RoundedBox kFaceEdge{3, 1, 31, 20, 9, 9, 6, 5};
constexpr double kTopCentreY = 10;
constexpr double kBottomCentreY = 15;
constexpr double kTopLeftCentreX = 12;
constexpr double kTopRightCentreX = 22;
constexpr double kBottomLeftCentreX = 9;
constexpr double kBottomRightCentreX = 25;

// The share of a position that lies inside a box, from 8 x 8 samples: the smoothed
// edge of the curve.
double share(const RoundedBox& box, int i, int j) {
    constexpr int kSamples = 8;
    int inside = 0;
    for (int a = 0; a < kSamples; ++a) {
        for (int b = 0; b < kSamples; ++b) {
            if (box.contains(i + (a + 0.5) / kSamples, j + (b + 0.5) / kSamples)) ++inside;
        }
    }
    return double(inside) / (kSamples * kSamples);
}

// Where the face's edge crosses height y (on the left and the right) and the
// vertical line at x (at the top and the bottom). Along a straight side that is
// the side; in a corner, the point of the corner's arc, or the arc's end beyond it.
double quarter_arc(double offset, double along, double across) {
    const double t = std::min(1.0, std::abs(offset) / along);
    return across * std::sqrt(1 - t * t);
}
double face_left(double y) {
    const RoundedBox& f = kFaceEdge;
    if (y < kTopCentreY) return kTopLeftCentreX - quarter_arc(kTopCentreY - y, f.top_y, f.top_x);
    if (y > kBottomCentreY)
        return kBottomLeftCentreX - quarter_arc(y - kBottomCentreY, f.bottom_y, f.bottom_x);
    return f.left;
}
double face_right(double y) {
    const RoundedBox& f = kFaceEdge;
    if (y < kTopCentreY) return kTopRightCentreX + quarter_arc(kTopCentreY - y, f.top_y, f.top_x);
    if (y > kBottomCentreY)
        return kBottomRightCentreX + quarter_arc(y - kBottomCentreY, f.bottom_y, f.bottom_x);
    return f.right;
}
double face_top(double x) {
    const RoundedBox& f = kFaceEdge;
    if (x < kTopLeftCentreX) return kTopCentreY - quarter_arc(kTopLeftCentreX - x, f.top_x, f.top_y);
    if (x > kTopRightCentreX) return kTopCentreY - quarter_arc(x - kTopRightCentreX, f.top_x, f.top_y);
    return f.top;
}
double face_bottom(double x) {
    const RoundedBox& f = kFaceEdge;
    if (x < kBottomLeftCentreX)
        return kBottomCentreY + quarter_arc(kBottomLeftCentreX - x, f.bottom_x, f.bottom_y);
    if (x > kBottomRightCentreX)
        return kBottomCentreY + quarter_arc(x - kBottomRightCentreX, f.bottom_x, f.bottom_y);
    return f.bottom;
}

// --- One look's tables and the colours made from them.

struct LookTables {
    const std::array<Colour, kColumns>& row10;
    const std::array<Colour, kRows>& column17;
    std::array<Colour, 21> row0;
    int split_row;
};

// The pressed look's top row: the hot one, each channel moved so that its middle
// takes the pressed look's outline colour while the light margin at its ends stays
// as it is (255 - c scales by the same factor as 255 - the middle does).
std::array<Colour, 21> pressed_top_row() {
    const Rgb hot = rgb_of(kHotColumn17[0]);
    const Rgb pressed = rgb_of(kPressedColumn17[0]);
    const auto scaled = [](double c, double from, double to) {
        return 255 - (255 - c) * (255 - to) / (255 - from);
    };
    std::array<Colour, 21> row{};
    for (std::size_t k = 0; k < row.size(); ++k) {
        const Rgb c = rgb_of(kHotRow0[k]);
        row[k] = colour_of(
            {scaled(c.r, hot.r, pressed.r), scaled(c.g, hot.g, pressed.g), scaled(c.b, hot.b, pressed.b)});
    }
    return row;
}

LookTables tables_of(Style10Look look) {
    switch (look) {
        case Style10Look::kNormal:
            return {kNormalRow10, kNormalColumn17, kNormalRow0, 12};
        case Style10Look::kHot:
            return {kHotRow10, kHotColumn17, kHotRow0, 10};
        case Style10Look::kPressed:
            break;
    }
    return {kPressedRow10, kPressedColumn17, pressed_top_row(), 10};
}

// A table read between its entries, t held within first..last.
template <std::size_t N>
Rgb read_between(const std::array<Colour, N>& table, double t, int first, int last) {
    t = std::clamp(t, double(first), double(last));
    const int k = std::min(int(std::floor(t)), last - 1);
    return mix(rgb_of(table[k]), rgb_of(table[k + 1]), t - k);
}

// The face at the centre (x, y) of a position: the body colour plus the side
// shading of row 10 plus the gloss of column 17. Row 10 is read at the position's
// distance from the face's left or right edge, column 17 at its distance from the
// top or bottom edge; near the curve these distances are stretched so that the
// edge still meets the darkest side colour (column 3 or 30) or the first gloss row
// (1 or 19) while the middle column and row stay in place.
Rgb face_colour(const LookTables& t, double x, double y) {
    std::array<Colour, kRows> gloss = t.column17;
    // Row 16 of the normal look's middle column holds nothing; its painter draws white there.
    if (gloss[16] == kNothing) gloss[16] = kWhite;
    const Rgb body = rgb_of(t.row10[Style10Pattern::kMiddleColumn]);
    double along = 0;  // fractional column of row 10
    if (x <= 17.5) {
        const double edge = face_left(y);
        along = 3 + (x - edge) * (17.5 - 3) / std::max(17.5 - edge, 0.5);
    } else {
        const double edge = face_right(y);
        along = 31 - (edge - x) * (31 - 17.5) / std::max(edge - 17.5, 0.5);
    }
    double down = 0;  // fractional row of column 17
    if (y <= 10.5) {
        const double edge = face_top(x);
        down = 1 + (y - edge) * (10.5 - 1) / std::max(10.5 - edge, 0.5);
    } else {
        const double edge = face_bottom(x);
        down = 20 - (edge - y) * (20 - 10.5) / std::max(edge - 10.5, 0.5);
    }
    return read_between(t.row10, along - 0.5, 3, 30) + read_between(gloss, down - 0.5, 1, 19) - body;
}

// The outline's two tones at (x, y): the side colours of row 10 (columns 1 and 2
// on the left, 32 and 31 on the right) along the straight sides, the top row's
// colour near the corner (column 11 or 22) at the top and column 17's row 20 at
// the bottom, and in the corners a mix of the two by the direction from the
// corner's centre.
struct Tones {
    Rgb outer;
    Rgb inner;
};
Tones outline_tones(const LookTables& t, double x, double y) {
    const bool left = x < 17;
    const bool top = y < 10.5;
    const Rgb outer = rgb_of(left ? t.row10[1] : t.row10[32]);
    const Rgb inner = rgb_of(left ? t.row10[2] : t.row10[31]);
    const Rgb end = rgb_of(top ? t.row0[(left ? 11 : 22) - kTopRowFirst] : t.column17[20]);
    const double cx =
        top ? (left ? kTopLeftCentreX : kTopRightCentreX) : (left ? kBottomLeftCentreX : kBottomRightCentreX);
    const double cy = top ? kTopCentreY : kBottomCentreY;
    const double rx = top ? kOuterEdge.top_x : kOuterEdge.bottom_x;
    const double ry = top ? kOuterEdge.top_y : kOuterEdge.bottom_y;
    const double dx = std::max(0.0, left ? cx - x : x - cx) / rx;
    const double dy = std::max(0.0, top ? cy - y : y - cy) / ry;
    // 0 straight beside the centre, 1 straight above or below it.
    const double toward_end = dy == 0 ? 0 : dy * dy / (dx * dx + dy * dy);
    return {mix(outer, end, toward_end), mix(inner, end, toward_end)};
}

// Outside the outline: the side margin of column 0 or 33, shading from row 17 down
// into the shadow of row 21.
Rgb margin_colour(int i, int j) {
    Rgb m = rgb_of(kPlainMargin);
    const int k = j - kMarginFirst;
    if (i < 17 && k >= 0 && k < int(kColumn0.size())) m = rgb_of(kColumn0[k]);
    if (i >= 17 && k >= 0 && k < int(kColumn33.size())) m = rgb_of(kColumn33[k]);
    if (j >= 17) {
        const int s = i - kShadowFirst;
        const Rgb shadow = s >= 0 && s < int(kRow21.size()) ? rgb_of(kRow21[s]) : rgb_of(kPlainMargin);
        m = mix(m, shadow, (j - 16) / 5.0);
    }
    return m;
}

// The colour of a position before the tables are laid over it.
Colour render(const LookTables& t, int i, int j) {
    const double outer = share(kOuterEdge, i, j);
    const double seam = share(kToneSeam, i, j);
    const double face = share(kFaceEdge, i, j);
    const double x = i + 0.5;
    const double y = j + 0.5;
    const Tones tones = outline_tones(t, x, y);
    return colour_of(margin_colour(i, j) * (1 - outer) + tones.outer * (outer - seam) +
                     tones.inner * (seam - face) + face_colour(t, x, y) * face);
}

}  // namespace

Style10Pattern make_style10_pattern(Style10Look look) {
    const LookTables t = tables_of(look);
    Style10Pattern p;
    p.split_row_ = t.split_row;
    for (int j = 0; j < kRows; ++j) {
        for (int i = 0; i < kColumns; ++i) {
            const char mark = kMask[j][i];
            const bool holds = mark == '#' || (mark == 'o' && look != Style10Look::kNormal);
            p.holds_[Style10Pattern::index(i, j)] = holds;
            p.colours_[Style10Pattern::index(i, j)] = holds ? render(t, i, j) : kWhite;
        }
    }
    // The tables over the rendering. Each position they name holds a colour, but for
    // the one kNothing of the normal middle column.
    const auto put = [&p](int i, int j, Colour c) {
        if (c != kNothing) p.colours_[Style10Pattern::index(i, j)] = c;
    };
    for (std::size_t k = 0; k < t.row0.size(); ++k) put(kTopRowFirst + int(k), 0, t.row0[k]);
    for (std::size_t k = 0; k < kRow21.size(); ++k) put(kShadowFirst + int(k), 21, kRow21[k]);
    for (std::size_t k = 0; k < kColumn0.size(); ++k) put(0, kMarginFirst + int(k), kColumn0[k]);
    for (std::size_t k = 0; k < kColumn33.size(); ++k) put(33, kMarginFirst + int(k), kColumn33[k]);
    for (int i = 0; i < kColumns; ++i) put(i, Style10Pattern::kMiddleRow, t.row10[i]);
    for (int j = 0; j < kRows; ++j) put(Style10Pattern::kMiddleColumn, j, t.column17[j]);
    return p;
}

int Style10Pattern::count() const {
    return int(std::count(holds_.begin(), holds_.end(), true));
}

const Style10Pattern& style10_pattern(Style10Look look) {
    static const std::array<Style10Pattern, 3> patterns = {make_style10_pattern(Style10Look::kNormal),
                                                           make_style10_pattern(Style10Look::kHot),
                                                           make_style10_pattern(Style10Look::kPressed)};
    return patterns[static_cast<std::size_t>(look)];
}

}  // namespace tavolora::controls
