// Style 10: a glossy face with curved corners, stretched to any size from one small
// picture (style10_patterns.h) in three colourings.
//
// The picture's four quarters go to the four corners of the button, each half
// sharing the picture's middle column 17 and its split row; then its middle row 10
// is repeated down both sides and its middle column across the top and bottom, and
// the body colour fills what is left. Each step overwrites the one before, so on a
// button smaller than the picture (under 35 x 23 pixels) the later steps win where
// they overlap.
#include "controls/button/primitives.h"
#include "controls/button/style10_patterns.h"
#include "controls/button/styles.h"

namespace tavolora::controls {

namespace {

constexpr Colour kWhite = 0xFFFFFF;

// The whole face in one look.
void paint_pattern(Surface& s, const Style10Pattern& p) {
    const int w = s.width();
    const int h = s.height();
    constexpr int kLast = Style10Pattern::kColumns - 1;     // 33
    constexpr int kBottom = Style10Pattern::kRows - 1;      // 21
    constexpr int kMiddle = Style10Pattern::kMiddleColumn;  // 17
    constexpr int kRow = Style10Pattern::kMiddleRow;        // 10
    const int right = w - Style10Pattern::kColumns;         // where column 0 of the right half would fall
    const int lower = h - Style10Pattern::kRows;            // where row 0 of the bottom half would fall
    const int split = p.split_row();

    // The body: columns 18 to w - 17, rows 11 to h - 9.
    draw_rectangle(s, 18, 11, w - 34, h - 19, p.body());

    // The quarters, pixel by pixel: top left, bottom left, top right, bottom right.
    struct Quarter {
        int first_column, last_column, first_row, last_row, dx, dy;
    };
    const Quarter quarters[] = {
        {0, kMiddle, 0, split, 0, 0},
        {0, kMiddle, split, kBottom, 0, lower},
        {kMiddle, kLast, 0, split, right, 0},
        {kMiddle, kLast, split, kBottom, right, lower},
    };
    for (const Quarter& q : quarters) {
        for (int j = q.first_row; j <= q.last_row; ++j) {
            for (int i = q.first_column; i <= q.last_column; ++i) {
                if (p.holds(i, j)) s.set_pixel(q.dx + i, q.dy + j, p.at(i, j));
            }
        }
    }

    // Row 10 down both sides, rows 11 to h - 11.
    for (int i = 0; i <= kMiddle; ++i) s.line(i, 11, i, h - 10, p.at(i, kRow));
    for (int i = kMiddle; i <= kLast; ++i) s.line(right + i, 11, right + i, h - 10, p.at(i, kRow));

    // Column 17 across the top and the bottom, columns 17 to w - 18; white where the
    // column holds nothing.
    const auto across = [&p](int j) { return p.holds(kMiddle, j) ? p.at(kMiddle, j) : kWhite; };
    for (int j = 0; j <= 11; ++j) s.line(kMiddle, j, w - kMiddle, j, across(j));
    for (int j = 11; j <= kBottom; ++j) s.line(kMiddle, lower + j, w - kMiddle, lower + j, across(j));
}

void paint_style10_normal(Surface& s) {
    paint_pattern(s, style10_pattern(Style10Look::kNormal));
}
void paint_style10_hot(Surface& s) {
    paint_pattern(s, style10_pattern(Style10Look::kHot));
}
void paint_style10_pressed(Surface& s) {
    paint_pattern(s, style10_pattern(Style10Look::kPressed));
}

}  // namespace

// A hot button, and a resting (or disabled) one that has the focus, show the hot
// look; a resting or disabled one without the focus the normal look; any other
// state, that is a pressed button, the pressed look.
void paint_style10(Surface& s, const ButtonFields& f) {
    if (f.state == kHot)
        paint_style10_hot(s);
    else if (f.state == kNormal || f.state == kDisabled)
        f.focus ? paint_style10_hot(s) : paint_style10_normal(s);
    else
        paint_style10_pressed(s);
}

}  // namespace tavolora::controls
