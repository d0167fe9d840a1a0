// Style 5, the screens' command buttons, pixel by pixel: the built-in look and the
// look from BackColor and HighlightColor, in every state, with and without the
// focus, at the heights where a gradient has no rows, and on a real button with
// its caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPoint>

#include <vector>

#include "controls/button/primitives.h"
#include "controls/button/styles.h"
#include "controls/button/theme_button.h"
#include "controls/platform/host.h"
#include "controls/platform/property_bag.h"

namespace tavolora::controls {
namespace {

// A colour that no step of the painters produces: what a pixel shows when nothing
// painted it.
constexpr Colour kGround = rgb(1, 2, 3);

constexpr Colour kBorder = 0x00743C00u;
constexpr Colour kCornerInside = 0x00906E48u;
constexpr Colour kCornerOutside = 0x00A28B6Au;
constexpr Colour kCornerSoft = 0x00CAC7BFu;

constexpr Colour grey(int v) {
    return rgb(v, v, v);
}

ButtonFields fields(int state, bool focus = false) {
    ButtonFields f;
    f.Style = 5;
    f.state = state;
    f.focus = focus;
    return f;
}

ButtonFields custom(int state, Colour back, bool focus = false, bool show_focus = false) {
    ButtonFields f = fields(state, focus);
    f.UseCustomColors = true;
    f.ShowFocus = show_focus;
    f.BackColor = back;
    f.HighlightColor = rgb(40, 80, 200);
    return f;
}

Surface fixed(int w, int h, const ButtonFields& f, const SystemColours& colours = SystemColours()) {
    Surface s(w, h);
    s.set_background(kGround);
    paint_style5_fixed(s, f, colours);
    return s;
}

Surface painted(int w, int h, const ButtonFields& f, const SystemColours& colours = SystemColours()) {
    Surface s(w, h);
    s.set_background(kGround);
    paint_style5(s, f, colours);
    return s;
}

using Pixels = std::vector<QPoint>;

// Every pixel of the list in the colour.
void expect_pixels(const Surface& s, const Pixels& pixels, Colour c) {
    for (const QPoint& p : pixels) EXPECT_EQ(s.pixel(p.x(), p.y()), c) << p.x() << "," << p.y();
}

// Columns x0 to x1 of row y, or rows y0 to y1 of column x, in the colour.
void expect_row(const Surface& s, int y, int x0, int x1, Colour c) {
    for (int x = x0; x <= x1; ++x) EXPECT_EQ(s.pixel(x, y), c) << x << "," << y;
}
void expect_column(const Surface& s, int x, int y0, int y1, Colour c) {
    for (int y = y0; y <= y1; ++y) EXPECT_EQ(s.pixel(x, y), c) << x << "," << y;
}

bool all_pixels_are(const Surface& s, Colour c) {
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.pixel(x, y) != c) return false;
        }
    }
    return true;
}

// The pixel groups at the corners of a w x h face: diagonally inside each corner;
// the two beside each corner on the edge; the two beside each corner one pixel in;
// and the twelve of a disabled face.
Pixels inner_corners(int w, int h) {
    return {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}};
}
Pixels edge_pairs(int w, int h) {
    return {{0, 1}, {1, 0}, {1, h - 1}, {0, h - 2}, {w - 1, h - 2}, {w - 2, h - 1}, {w - 2, 0}, {w - 1, 1}};
}
Pixels inner_pairs(int w, int h) {
    return {{1, 2}, {2, 1}, {2, h - 2}, {1, h - 3}, {w - 2, h - 3}, {w - 3, h - 2}, {w - 3, 1}, {w - 2, 2}};
}
Pixels disabled_corners(int w, int h) {
    return {{0, 1},     {1, 1},     {1, 0},     {0, h - 2},     {1, h - 2},     {1, h - 1},
            {w - 1, 1}, {w - 2, 1}, {w - 2, 0}, {w - 1, h - 2}, {w - 2, h - 2}, {w - 2, h - 1}};
}

// The fixed border: each side one pixel short of the corners, whose neighbours the
// corner groups paint.
void expect_fixed_border(const Surface& s) {
    const int w = s.width();
    const int h = s.height();
    expect_row(s, 0, 2, w - 3, kBorder);
    expect_row(s, h - 1, 2, w - 3, kBorder);
    expect_column(s, 0, 2, h - 3, kBorder);
    expect_column(s, w - 1, 2, h - 3, kBorder);
    expect_pixels(s, inner_corners(w, h), kCornerInside);
    expect_pixels(s, edge_pairs(w, h), kCornerOutside);
}

// ---- The built-in colours ---------------------------------------------------------------

TEST(Style5Fixed, RestingFaceBorderAndSoftenedCorners) {
    const SystemColours colours;
    const Colour face = colours.get(kColorBtnFace);
    const int w = 40;
    const int h = 21;
    const Surface s = fixed(w, h, fields(kNormal));

    // The outline cuts the four extreme corners; they keep the face.
    expect_pixels(s, {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}, face);
    expect_fixed_border(s);
    expect_pixels(s, inner_pairs(w, h), kCornerSoft);

    // The top band steps evenly from &H00FBFCFC (rows 1 to 3 survive; the middle band
    // takes over at row 4).
    expect_row(s, 1, 3, w - 4, rgb(252, 252, 251));
    expect_row(s, 2, 2, w - 3, rgb(249, 249, 248));
    expect_row(s, 3, 1, w - 4, rgb(246, 246, 246));
    expect_row(s, 4, 1, w - 4, 0x00F9FAFAu);
    // Middle band, n = 13: row 10 is 250 - 10/13 x 6 = 245.4, 249 - 15/13 x 6 = 242.1.
    expect_row(s, 10, 1, w - 4, rgb(245, 245, 242));
    expect_row(s, 16, 1, w - 4, rgb(241, 241, 235));
    // The bottom band from &H00E6EBEB towards &H00C5D0D6 in steps of (-7, -9, -11).
    expect_row(s, 17, 1, w - 4, 0x00E6EBEBu);
    expect_row(s, 18, 2, w - 4, rgb(228, 226, 219));
    expect_row(s, 19, 3, w - 4, rgb(221, 217, 208));
    // The two shading columns at the right, n = 16 from row 3.
    EXPECT_EQ(s.pixel(w - 3, 3), 0x00FAFBFBu);
    EXPECT_EQ(s.pixel(w - 2, 3), 0x00F2F4F5u);
    EXPECT_EQ(s.pixel(w - 3, h - 3), rgb(229, 228, 220));  // 251 - 23/16 x 15 = 229.44 ...
    EXPECT_EQ(s.pixel(w - 2, 10), rgb(234, 231, 226));
    EXPECT_EQ(s.pixel(w - 2, 16), rgb(224, 220, 212));
}

TEST(Style5Fixed, HotRingAlwaysFocusRingOnlyAtRest) {
    const int w = 40;
    const int h = 21;
    // The ring's rows 1, 2, H-3 and H-2, and its side bands, which run from the
    // row-2 colour to the row-H-3 colour; half way down every channel of the hot
    // band lands on a half: 250.5, 197.5 and 92.5 go to the even neighbour.
    const auto expect_ring = [&](const Surface& s, Colour top, Colour upper, Colour lower, Colour bottom,
                                 Colour middle) {
        expect_row(s, 1, 2, w - 3, top);
        expect_row(s, 2, 1, w - 2, upper);
        expect_row(s, h - 3, 1, w - 2, lower);
        expect_row(s, h - 2, 2, w - 3, bottom);
        for (int x : {1, 2, w - 3, w - 2}) EXPECT_EQ(s.pixel(x, 10), middle) << x;
        // Inside the ring the body; the border and its corner groups but the inner
        // pairs stay.
        expect_row(s, 10, 3, w - 4, rgb(245, 245, 242));
        expect_fixed_border(s);
    };
    const Surface hot = fixed(w, h, fields(kHot));
    EXPECT_EQ(hot.image(), fixed(w, h, fields(kHot, true)).image())
        << "the focus does not change a hot button";
    expect_ring(hot, 0x00CFF0FFu, 0x0089D8FDu, 0x0030B3F8u, 0x001097E5u, rgb(250, 198, 92));

    // A focused button at rest shows the blue ring, whatever ShowFocus says.
    ButtonFields focused = fields(kNormal, true);
    focused.ShowFocus = false;
    expect_ring(fixed(w, h, focused), 0x00FFE7CEu, 0x00F6D4BCu, 0x00E4AD89u, 0x00EE8269u, rgb(162, 192, 237));

    // Without the focus, ShowFocus alone draws no ring.
    ButtonFields shown = fields(kNormal);
    shown.ShowFocus = true;
    EXPECT_EQ(fixed(w, h, shown).image(), fixed(w, h, fields(kNormal)).image());
    EXPECT_EQ(fixed(w, h, shown).pixel(5, 2), rgb(249, 249, 248));

    // Pressed and disabled buttons show no ring, focus or not.
    for (int state : {kPressed, kDisabled})
        EXPECT_EQ(fixed(w, h, fields(state, true)).image(), fixed(w, h, fields(state)).image()) << state;
}

TEST(Style5Fixed, RingsDrawTheirRowsInTheirOwnOrder) {
    // Four pixels high, rows 1 and H-3 coincide, and so do rows 2 and H-2: the hot
    // ring ends with its bottom row, the focus ring starts with it.
    const Surface hot = fixed(20, 4, fields(kHot));
    EXPECT_EQ(hot.pixel(5, 1), 0x0030B3F8u);
    EXPECT_EQ(hot.pixel(5, 2), 0x001097E5u);
    const Surface focus = fixed(20, 4, fields(kNormal, true));
    EXPECT_EQ(focus.pixel(5, 1), 0x00E4AD89u);
    EXPECT_EQ(focus.pixel(5, 2), 0x00F6D4BCu);
}

TEST(Style5Fixed, PressedFaceIsShadedTheOtherWay) {
    const SystemColours colours;
    const int w = 40;
    const int h = 21;
    const Surface s = fixed(w, h, fields(kPressed));
    EXPECT_EQ(s.image(), fixed(w, h, fields(kPressed, true)).image());
    expect_pixels(s, {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}, colours.get(kColorBtnFace));
    expect_fixed_border(s);
    expect_pixels(s, inner_pairs(w, h), kCornerSoft);

    // Darkest at the top: steps of 4.75, 5.75 and 6.75; row 3 lands on halves.
    expect_row(s, 1, 3, w - 4, 0x00C1CCD1u);
    expect_row(s, 3, 3, w - 2, rgb(218, 216, 206));
    // The middle band reaches column W-2 and ends a shade darker.
    expect_row(s, 4, 3, w - 2, 0x00DCE3E4u);
    expect_row(s, 10, 3, w - 2, rgb(228, 227, 220));
    expect_row(s, h - 5, 3, w - 2, rgb(227, 226, 219));
    // Lightest at the bottom, from column 3.
    expect_row(s, h - 4, 3, w - 2, 0x00DBE2E3u);
    expect_row(s, h - 2, 3, w - 4, rgb(237, 236, 232));
    // The shading columns lie at the left: column 1 from row 3, column 2 from row 4.
    EXPECT_EQ(s.pixel(1, 3), 0x00CED8DAu);
    EXPECT_EQ(s.pixel(1, h - 4), rgb(226, 225, 217));  // 206 + 13/16 x 14 = 217.4
    EXPECT_EQ(s.pixel(2, 3), rgb(218, 216, 206));      // the top band
    EXPECT_EQ(s.pixel(2, 4), 0x00CED8DAu);
    EXPECT_EQ(s.pixel(2, 11), rgb(222, 221, 212));  // 218 + 9/14 x 7 = 222.5, to the even 222
    EXPECT_EQ(s.pixel(2, h - 3), 0x00DBE2E3u);
}

TEST(Style5Fixed, DisabledFaceAndStatelessFace) {
    const SystemColours colours;
    const int w = 40;
    const int h = 21;
    const Surface s = fixed(w, h, fields(kDisabled, true));
    expect_pixels(s, {{0, 0}, {2, 0}, {0, 2}, {w - 1, h - 1}}, 0x00BAC7C9u);
    expect_row(s, 0, 2, w - 3, 0x00BAC7C9u);
    expect_row(s, h - 1, 2, w - 3, 0x00BAC7C9u);
    expect_column(s, 0, 2, h - 3, 0x00BAC7C9u);
    expect_column(s, w - 1, 2, h - 3, 0x00BAC7C9u);
    expect_pixels(s, {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}, 0x00BAC7C9u);
    expect_pixels(s, disabled_corners(w, h), 0x00C7D5D8u);
    expect_row(s, 2, 2, w - 3, 0x00EAF4F5u);
    expect_row(s, h - 3, 2, w - 3, 0x00EAF4F5u);
    EXPECT_EQ(s.pixel(20, 10), 0x00EAF4F5u);

    // No state yet: the face in the current button-face colour and nothing more.
    SystemColours changed;
    changed.set(kColorBtnFace, rgb(90, 100, 110));
    EXPECT_TRUE(all_pixels_are(fixed(w, h, fields(kNoState, true), changed), rgb(90, 100, 110)));
    EXPECT_TRUE(all_pixels_are(fixed(w, h, fields(kNoState), colours), colours.get(kColorBtnFace)));
}

TEST(Style5Fixed, AGradientWithoutRowsEndsThePainting) {
    const Colour face = SystemColours().get(kColorBtnFace);
    // Eight high, the middle band has no rows: only the top band is left.
    for (int state : {kNormal, kHot}) {
        const Surface s = fixed(20, 8, fields(state, true));
        EXPECT_EQ(s.pixel(3, 1), rgb(252, 252, 251)) << state;
        EXPECT_EQ(s.pixel(3, 5), rgb(240, 240, 240)) << state;
        EXPECT_EQ(s.pixel(17, 3), rgb(246, 246, 246)) << state;  // no shading column
        EXPECT_EQ(s.pixel(3, 6), face) << state;
        EXPECT_EQ(s.pixel(0, 3), face) << state;  // no border
        EXPECT_EQ(s.pixel(3, 0), face) << state;
    }
    // Five high, the first shading column has no rows: the bottom band is the last.
    const Surface five = fixed(20, 5, fields(kNormal));
    EXPECT_EQ(five.pixel(5, 1), 0x00E6EBEBu);
    EXPECT_EQ(five.pixel(17, 3), rgb(221, 217, 208));
    EXPECT_EQ(five.pixel(0, 2), face);
    // Pressed: seven high stops before the second shading column, eight high after
    // the top band, five high after the bottom band.
    const Surface seven = fixed(20, 7, fields(kPressed));
    EXPECT_EQ(seven.pixel(1, 3), 0x00CED8DAu);
    EXPECT_EQ(seven.pixel(2, 4), rgb(223, 221, 213)) << "the top band's row 4, not the second column";
    EXPECT_EQ(seven.pixel(0, 3), face);
    const Surface eight = fixed(20, 8, fields(kPressed));
    EXPECT_EQ(eight.pixel(5, 5), 0x00DCE3E4u);
    EXPECT_EQ(eight.pixel(1, 3), face);
    EXPECT_EQ(fixed(20, 5, fields(kPressed)).pixel(0, 2), face);
    // One pixel more or less and the painting runs to its end.
    for (int h : {6, 9, 10}) {
        for (int state : {kNormal, kHot, kPressed})
            EXPECT_EQ(fixed(20, h, fields(state)).pixel(0, h / 2), kBorder) << h << " " << state;
    }
}

// ---- Colours from BackColor and HighlightColor -------------------------------------

TEST(Style5Custom, RestingFaceFromBackColor) {
    const int w = 40;
    const int h = 21;
    const Colour back = rgb(100, 150, 200);
    const Surface s = painted(w, h, custom(kNormal, back));
    expect_pixels(s, {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}, back);  // the fill
    // Rows 1, 2, H-4, H-3 and H-2 in B+5, B+2, B-16, B-24 and B-37; row 2 also over
    // the top pixel of both side strips.
    expect_row(s, 1, 2, w - 3, rgb(105, 155, 205));
    expect_row(s, 2, 1, w - 2, rgb(102, 152, 202));
    expect_row(s, h - 4, 2, w - 3, rgb(84, 134, 184));
    expect_row(s, h - 3, 2, w - 3, rgb(76, 126, 176));
    expect_row(s, h - 2, 2, w - 3, rgb(63, 113, 163));
    // The body, B to B-15 over rows 1 to H-2, shows between them.
    expect_row(s, 7, 2, w - 3, rgb(95, 145, 195));
    // The side strips: B+21 to B-21 at column 1, B-5 to B-32 at column W-2.
    EXPECT_EQ(s.pixel(1, 7), rgb(108, 158, 208));  // 121 - 42/16 x 5 = 107.9
    EXPECT_EQ(s.pixel(1, h - 3), rgb(79, 129, 179));
    EXPECT_EQ(s.pixel(w - 2, 7), rgb(87, 137, 187));  // 95 - 27/16 x 5 = 86.6
    EXPECT_EQ(s.pixel(w - 2, h - 3), rgb(68, 118, 168));
    // The border, two pixels short of each corner, in B-128, the corners' inner
    // pixels in B-128 and their edge pairs in B-21.
    const Colour border = rgb(0, 22, 72);
    expect_row(s, 0, 2, w - 3, border);
    expect_row(s, h - 1, 2, w - 3, border);
    expect_column(s, 0, 2, h - 3, border);
    expect_column(s, w - 1, 2, h - 3, border);
    expect_pixels(s, inner_corners(w, h), border);
    expect_pixels(s, edge_pairs(w, h), rgb(79, 129, 179));
}

TEST(Style5Custom, WhiteAndBlackBackColours) {
    const int w = 40;
    const int h = 21;
    const Surface white = painted(w, h, custom(kNormal, rgb(255, 255, 255)));
    EXPECT_EQ(white.pixel(0, 0), grey(255));      // the fill
    expect_row(white, 1, 2, w - 3, grey(255));    // B+5
    expect_row(white, 2, 1, w - 2, grey(255));    // B+2
    EXPECT_EQ(white.pixel(1, 3), grey(254));      // B+21 towards B-21: 255 - 21/16
    EXPECT_EQ(white.pixel(1, h - 3), grey(234));  // B-21
    EXPECT_EQ(white.pixel(w - 2, 3), grey(248));  // B-5 towards B-32: 250 - 27/16
    EXPECT_EQ(white.pixel(w - 2, h - 3), grey(223));
    EXPECT_EQ(white.pixel(5, 7), grey(250));  // the body, B to B-15 over 18 rows
    EXPECT_EQ(white.pixel(5, h - 4), grey(239));
    EXPECT_EQ(white.pixel(5, h - 3), grey(231));
    EXPECT_EQ(white.pixel(5, h - 2), grey(218));
    expect_row(white, 0, 2, w - 3, grey(127));  // B-128
    expect_pixels(white, inner_corners(w, h), grey(127));
    expect_pixels(white, edge_pairs(w, h), grey(234));  // B-21
    // B-15 shows where the body is the last thing drawn.
    EXPECT_EQ(painted(w, 5, custom(kNormal, rgb(255, 255, 255))).pixel(5, 3), grey(240));

    const Surface black = painted(w, h, custom(kNormal, rgb(0, 0, 0)));
    EXPECT_EQ(black.pixel(0, 0), grey(0));
    expect_row(black, 1, 2, w - 3, grey(5));
    expect_row(black, 2, 1, w - 2, grey(2));
    EXPECT_EQ(black.pixel(1, 3), grey(20));  // 21 - 21/16 = 19.7: B-21 is black
    EXPECT_EQ(black.pixel(5, 10), grey(0));
    expect_pixels(black, {{5, 0}, {1, 0}, {1, 1}, {5, h - 2}, {w - 2, 5}}, grey(0));
}

TEST(Style5Custom, ASystemColourReferenceFillsInItsColourButShadesFromItsLowBytes) {
    const SystemColours colours;
    const int w = 40;
    const int h = 21;
    const Surface s = painted(w, h, custom(kNormal, 0x8000000Fu));
    EXPECT_EQ(s.pixel(0, 0), colours.get(kColorBtnFace));
    EXPECT_EQ(s.pixel(w - 1, h - 1), colours.get(kColorBtnFace));
    EXPECT_EQ(s.pixel(5, 1), rgb(20, 5, 5));  // B+5 of RGB(15, 0, 0)
    EXPECT_EQ(s.pixel(5, 2), rgb(17, 2, 2));
    EXPECT_EQ(s.pixel(5, 0), rgb(0, 0, 0));
    EXPECT_EQ(painted(w, 5, custom(kNormal, 0x8000000Fu)).pixel(5, 3), rgb(0, 0, 0));  // B-15
    EXPECT_EQ(painted(w, h, custom(kDisabled, 0x8000000Fu)).pixel(10, 10), colours.get(kColorBtnFace));

    // A value that names no colour cannot be a background: nothing is painted.
    EXPECT_TRUE(all_pixels_are(painted(w, h, custom(kNormal, 0x01000000u)), kGround));
}

TEST(Style5Custom, RingFromHighlightWhenHotFromTheSystemWhenFocused) {
    const int w = 40;
    const int h = 21;
    const Colour back = rgb(100, 150, 200);
    const auto expect_ring = [&](const Surface& s, Colour top, Colour upper, Colour lower, Colour bottom) {
        expect_row(s, 1, 2, w - 3, top);
        expect_row(s, 2, 1, w - 2, upper);
        expect_row(s, h - 3, 1, w - 2, lower);
        expect_row(s, h - 2, 2, w - 3, bottom);
        for (int x : {1, 2, w - 3, w - 2}) {
            EXPECT_NE(s.pixel(x, 10), upper) << x;
            EXPECT_NE(s.pixel(x, 10), lower) << x;
        }
        EXPECT_EQ(s.pixel(3, 7), rgb(95, 145, 195));  // the body inside the ring
        EXPECT_EQ(s.pixel(w - 4, 7), rgb(95, 145, 195));
        expect_pixels(s, inner_corners(w, h), rgb(0, 22, 72));
        expect_pixels(s, edge_pairs(w, h), rgb(79, 129, 179));
    };
    // Hot: HighlightColor RGB(40, 80, 200) plus 85, 69, 16 and 0, focus or not.
    const Surface hot = painted(w, h, custom(kHot, back));
    EXPECT_EQ(hot.image(), painted(w, h, custom(kHot, back, true, true)).image());
    EXPECT_EQ(hot.image(), painted(w, h, custom(kHot, back, true, false)).image());
    expect_ring(hot, rgb(125, 165, 255), rgb(109, 149, 255), rgb(56, 96, 216), rgb(40, 80, 200));
    EXPECT_EQ(hot.pixel(1, 10), rgb(82, 122, 236));  // 82.5, 122.5 and 235.5 to the even neighbour

    // At rest with the focus and ShowFocus: the system highlight RGB(10, 36, 106).
    expect_ring(painted(w, h, custom(kNormal, back, true, true)), rgb(95, 121, 191), rgb(79, 105, 175),
                rgb(26, 52, 122), rgb(10, 36, 106));

    // The focus alone or ShowFocus alone: no ring.
    const Surface rest = painted(w, h, custom(kNormal, back));
    EXPECT_EQ(painted(w, h, custom(kNormal, back, true, false)).image(), rest.image());
    EXPECT_EQ(painted(w, h, custom(kNormal, back, false, true)).image(), rest.image());
    // Pressed and disabled: never.
    for (int state : {kPressed, kDisabled}) {
        EXPECT_EQ(painted(w, h, custom(state, back, true, true)).image(),
                  painted(w, h, custom(state, back)).image())
            << state;
    }
}

TEST(Style5Custom, PressedKeepsTheBackgroundAndShadesUpwards) {
    const int w = 40;
    const int h = 21;
    const Surface s = painted(w, h, custom(kPressed, rgb(100, 150, 200)));
    expect_pixels(s, {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}, kGround);
    EXPECT_EQ(s.pixel(1, 2), rgb(52, 102, 152));  // B-48
    EXPECT_EQ(s.pixel(2, 1), rgb(52, 102, 152));
    EXPECT_EQ(s.pixel(w - 3, 1), rgb(52, 102, 152));
    EXPECT_EQ(s.pixel(2, h - 2), rgb(95, 145, 195));       // B-5
    EXPECT_EQ(s.pixel(1, h - 3), rgb(84, 134, 184));       // B-16
    EXPECT_EQ(s.pixel(w - 2, h - 3), rgb(118, 168, 218));  // B+18
    EXPECT_EQ(s.pixel(w - 3, h - 2), rgb(108, 158, 208));  // B+8
    EXPECT_EQ(s.pixel(w - 2, 2), rgb(63, 113, 163));       // B-37
    // The border in B-128, one pixel short of each corner, with no softening pairs.
    const Colour border = rgb(0, 22, 72);
    expect_row(s, 0, 1, w - 2, border);
    expect_row(s, h - 1, 1, w - 2, border);
    expect_column(s, 0, 1, h - 2, border);
    expect_column(s, w - 1, 1, h - 2, border);
    expect_pixels(s, inner_corners(w, h), rgb(4, 54, 104));  // B-96
    // The top band B-37 to B-21, the middle band B-21 to B-5, the bottom band B-5 to
    // B+5 from column 3.
    expect_row(s, 1, 3, w - 4, rgb(63, 113, 163));
    expect_row(s, 3, 2, w - 2, rgb(71, 121, 171));
    expect_row(s, 4, 3, w - 2, rgb(79, 129, 179));
    expect_row(s, 10, 3, w - 2, rgb(86, 136, 186));  // 79 + 16/13 x 6 = 86.4
    expect_row(s, h - 5, 3, w - 2, rgb(94, 144, 194));
    expect_row(s, h - 4, 3, w - 2, rgb(95, 145, 195));
    expect_row(s, h - 3, 3, w - 3, rgb(98, 148, 198));  // 95 + 10/3 = 98.3
    expect_row(s, h - 2, 3, w - 4, rgb(102, 152, 202));
    // Column 1 from B-32 to B-22, column 2 from B-24 to B-15.
    EXPECT_EQ(s.pixel(1, 3), rgb(68, 118, 168));
    EXPECT_EQ(s.pixel(1, h - 4), rgb(77, 127, 177));
    EXPECT_EQ(s.pixel(2, 4), rgb(76, 126, 176));
    EXPECT_EQ(s.pixel(2, h - 3), rgb(85, 135, 185));
}

TEST(Style5Custom, DisabledFaceAndStatelessButton) {
    const int w = 40;
    const int h = 21;
    const Colour back = rgb(100, 150, 200);
    const Surface s = painted(w, h, custom(kDisabled, back, true, true));
    const Colour outline = rgb(36, 86, 136);  // B-64
    expect_row(s, 0, 2, w - 3, outline);
    expect_row(s, h - 1, 2, w - 3, outline);
    expect_column(s, 0, 2, h - 3, outline);
    expect_column(s, w - 1, 2, h - 3, outline);
    expect_pixels(s, {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}, outline);
    expect_pixels(s, disabled_corners(w, h), rgb(47, 97, 147));  // B-53
    expect_row(s, 2, 2, w - 3, back);
    expect_row(s, h - 3, 2, w - 3, back);
    EXPECT_EQ(s.pixel(20, 10), back);
    // Without a state the custom painter does not even fill.
    EXPECT_TRUE(all_pixels_are(painted(w, h, custom(kNoState, back, true, true)), kGround));
}

TEST(Style5Custom, AGradientWithoutRowsEndsThePainting) {
    const Colour back = rgb(100, 150, 200);
    // Three high: the body has no rows; the fill is all there is.
    for (int state : {kNormal, kHot}) EXPECT_TRUE(all_pixels_are(painted(20, 3, custom(state, back)), back));
    // Five high: the body, then the first strip stops it.
    const Surface five = painted(20, 5, custom(kHot, back));
    EXPECT_EQ(five.pixel(1, 1), back);
    EXPECT_EQ(five.pixel(1, 3), colour_clamp(back, -15));
    EXPECT_EQ(five.pixel(0, 2), back);
    // Pressed, eight high: the top band only, on the untouched background.
    const Surface eight = painted(20, 8, custom(kPressed, back));
    EXPECT_EQ(eight.pixel(5, 1), colour_clamp(back, -37));
    EXPECT_EQ(eight.pixel(5, 5), colour_clamp(back, -21));
    EXPECT_EQ(eight.pixel(5, 6), kGround);
    EXPECT_EQ(eight.pixel(0, 3), kGround);
    // Seven high: everything up to the second shading column, no pixels, no border.
    const Surface seven = painted(20, 7, custom(kPressed, back));
    EXPECT_EQ(seven.pixel(1, 3), colour_clamp(back, -32));
    EXPECT_EQ(seven.pixel(1, 2), kGround);
    EXPECT_EQ(seven.pixel(5, 0), kGround);
    EXPECT_EQ(painted(20, 5, custom(kPressed, back)).pixel(0, 2), kGround);
    // Four and six high run to the end.
    for (int h : {4, 6}) {
        EXPECT_EQ(painted(20, h, custom(kNormal, back)).pixel(5, 0), colour_clamp(back, -128)) << h;
        EXPECT_EQ(painted(20, h, custom(kPressed, back)).pixel(5, 0), colour_clamp(back, -128)) << h;
    }
}

// ---- A real button ------------------------------------------------------------------------

// A style-5 button read from its form, `w` x `h` pixels, with a caption.
struct RealButton {
    ControlHost host;
    ThemeButton button{host, QStringLiteral("cmdGioca")};

    RealButton(int w, int h, const QString& caption, bool custom_colours) {
        PropertyBag bag;
        bag.write_always(QStringLiteral("Style"), qint64(5));
        bag.write_always(QStringLiteral("Caption"), caption);
        bag.write_always(QStringLiteral("USeCustomColors"), custom_colours);
        bag.write_always(QStringLiteral("ShowFocus"), true);
        bag.write_always(QStringLiteral("BackColor"), qint64(rgb(230, 220, 190)));
        button.resize(w, h);
        button.ReadProperties(bag);
    }
};

// Brings the button into each state through its own input, and checks that its
// surface is the painter's face with the caption drawn over it, inside the caption's
// rectangle only.
void check_states_of_a_real_button(int w, int h, bool custom_colours) {
    RealButton real(w, h, QStringLiteral("Nuova partita"), custom_colours);
    ThemeButton& b = real.button;
    ASSERT_EQ(b.surface().width(), w);
    ASSERT_EQ(b.surface().height(), h);
    const auto check = [&](int state, bool focus, const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(b.fields().state, state);
        EXPECT_EQ(b.fields().focus, focus);
        Surface face(w, h);
        face.set_background(b.surface().background());
        if (custom_colours)
            paint_style5(face, b.fields(), real.host.colours());
        else
            paint_style5_fixed(face, b.fields(), real.host.colours());
        int caption = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool inside = x >= 4 && y >= 4 && x < w - 4 && y < h - 4;
                if (b.surface().pixel(x, y) == face.pixel(x, y)) continue;
                EXPECT_TRUE(inside) << x << "," << y;
                ++caption;
            }
        }
        EXPECT_GT(caption, 40) << "the caption is drawn over the face";
    };
    check(kNormal, false, "normal");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
    check(kHot, false, "hot");
    QFocusEvent focus_in(QEvent::FocusIn);
    QApplication::sendEvent(&b, &focus_in);
    check(kHot, true, "hot with the focus");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&b, &press);
    check(kPressed, true, "pressed");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&b, &leave);
    check(kNormal, true, "at rest with the focus");
    b.set_Enabled(false);
    check(kDisabled, true, "disabled");
}

TEST(Style5Button, CaptionSitsOnTheFaceInEveryState) {
    check_states_of_a_real_button(120, 25, false);
    check_states_of_a_real_button(180, 21, false);
    check_states_of_a_real_button(120, 25, true);
}

}  // namespace
}  // namespace tavolora::controls
