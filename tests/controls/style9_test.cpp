// The style-9 bevel: the face colour B by state and colours, the bevel columns split
// at half height (rounded halves to even), the short corner rows, and the sizes.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/button/painter.h"
#include "controls/button/styles.h"

namespace tavolora::controls {
namespace {

constexpr Colour kFace = rgb(212, 208, 200);  // the classic desktop's button face
constexpr Colour kBack = rgb(40, 120, 250);
constexpr Colour kHigh = rgb(250, 30, 100);
constexpr int kB = 128;  // the grey face of the layout tests

Colour grey(int level) {
    return rgb(level, level, level);
}

Surface paint(int state, bool focus, bool custom, Colour back, int w = 80, int h = 24, Colour face = kFace) {
    ButtonFields f;
    f.state = state;
    f.focus = focus;
    f.UseCustomColors = custom;
    f.BackColor = back;
    f.HighlightColor = kHigh;
    SystemColours colours;
    colours.set(kColorBtnFace, face);
    Surface s(w, h);
    s.set_background(rgb(1, 2, 3));
    paint_style9(s, f, colours);
    return s;
}

// A normal button whose face B is grey kB.
Surface grey_face(int w, int h) {
    return paint(kNormal, false, true, grey(kB + 15), w, h);
}

struct Level {
    int x, y, level;
};

void expect_levels(const Surface& s, std::initializer_list<Level> levels) {
    for (const Level& l : levels) {
        EXPECT_EQ(s.pixel(l.x, l.y), grey(std::clamp(l.level, 0, 255))) << "at " << l.x << "," << l.y;
    }
}

TEST(Style9, TheStateChoosesTheFaceAndTheFocusNothing) {
    const struct {
        int state;
        Colour system, custom;
    } faces[] = {
        {kNormal, rgb(197, 193, 185), rgb(25, 105, 235)},    // BackColor - 15
        {kHot, rgb(213, 209, 201), rgb(251, 31, 101)},       // HighlightColor + 1
        {kPressed, rgb(236, 232, 224), rgb(255, 54, 124)},   // HighlightColor + 24
        {kDisabled, rgb(227, 223, 215), rgb(55, 135, 255)},  // BackColor + 15
    };
    for (const auto& face : faces) {
        for (const bool custom : {false, true}) {
            const Surface s = paint(face.state, false, custom, kBack);
            const Colour b = custom ? face.custom : face.system;
            EXPECT_EQ(s.pixel(1, 5), b) << face.state;   // untouched background
            EXPECT_EQ(s.pixel(40, 1), b) << face.state;  // the row of B between the light ends
            EXPECT_EQ(s.image(), paint(face.state, true, custom, kBack).image()) << face.state;
        }
    }
    // A system colour reference is read by its low bytes, RGB(15, 0, 0): black less 15.
    const Surface s = paint(kNormal, false, true, 0x8000000Fu);
    EXPECT_EQ(s.pixel(1, 5), rgb(0, 0, 0));
    EXPECT_EQ(s.pixel(40, 1), rgb(0, 0, 0));
    EXPECT_EQ(s.pixel(2, 1), grey(48));
    EXPECT_EQ(s.pixel(40, 2), grey(32));
}

TEST(Style9, EightyByTwentyFour) {
    // Bevel columns (h = 12): 2: rows 4-9 and 10-17; 3: 3-8 and 9-18; 4: 2-7 and 8-19;
    // 5: 2-10 and 8-17; 76: 4-11 and 12-19; 75: 3-11 and 12-19; 74: 2-11 and 12-20;
    // 73: 2-10 and 12-20; 79: 0-12 and 12-20; 0 and 78: 0-20. Where the next segment
    // starts in the colour the last one ended in, the pixel after both tells.
    // clang-format off
    expect_levels(grey_face(80, 24), {
        {2, 9, kB - 37}, {2, 10, kB - 37}, {2, 17, kB - 32}, {2, 18, kB},
        {3, 8, kB - 53}, {3, 9, kB - 53}, {3, 18, kB - 32}, {3, 19, kB},
        {4, 7, kB - 37}, {4, 8, kB - 37}, {4, 19, kB - 32}, {4, 20, kB},
        {5, 2, kB + 37}, {5, 7, 145}, {5, 8, kB + 5},  // five eighths down from B + 37 to B + 5
        {76, 3, kB}, {76, 11, kB - 37}, {76, 12, kB - 37}, {76, 19, kB - 21}, {76, 20, kB},
        {75, 11, kB - 48}, {75, 12, kB - 48}, {75, 19, kB - 37}, {75, 20, kB},
        {74, 11, kB - 37}, {74, 12, kB - 37}, {74, 20, kB - 53}, {74, 21, kB},
        {73, 10, kB + 5}, {73, 11, kB}, {73, 12, kB - 5}, {73, 19, 95},  // seven eighths down to B - 37
        {79, 0, kB + 128}, {79, 11, 95}, {79, 12, kB - 64}, {79, 20, kB - 8}, {79, 21, kB},
        {0, 0, kB + 128}, {0, 20, kB - 128}, {0, 21, kB},
        {78, 0, kB + 128}, {78, 20, kB - 128}, {78, 21, kB - 21},
        // The short rows, both ends of each.
        {5, 19, kB - 53}, {12, 19, kB - 32}, {4, 18, kB - 56}, {7, 18, kB - 32}, {3, 17, kB - 37}, {5, 17, kB - 32},
        {65, 20, kB - 32}, {73, 20, kB - 53},
        {69, 2, kB + 32}, {76, 2, kB}, {70, 3, kB + 32}, {75, 3, kB}, {71, 4, kB + 32}, {74, 4, kB},
        // The light top rows, the bright pixel, the dark bottom rows, the corners.
        {2, 0, kB}, {3, 0, kB + 48}, {76, 0, kB + 48}, {77, 0, kB},
        {1, 1, kB + 48}, {4, 1, kB + 48}, {5, 1, kB}, {74, 1, kB}, {75, 1, kB + 48}, {78, 1, kB + 48},
        {6, 3, kB + 128}, {1, 21, kB - 112}, {77, 21, kB - 112},
        {2, 22, kB - 128}, {76, 22, kB - 128}, {77, 22, kB - 21},
        {3, 23, kB - 16}, {75, 23, kB - 16}, {76, 23, kB - 21},
    });
    // clang-format on
}

TEST(Style9, AnOddHeightRoundsEachHalfToEven) {
    // h = 11.5: r(h-7) = 4, r(h-4) = 8, r(h-2) = 10, r(h-5) = 6, r(h-3) = 8,
    // r(h-1) = 10, r(h) = 12; rounding halves up would move the pixels checked here.
    // clang-format off
    expect_levels(grey_face(80, 23), {
        {2, 8, kB - 37}, {2, 9, kB}, {2, 10, kB - 37}, {2, 16, kB - 32}, {2, 17, kB},
        {3, 7, kB - 53}, {3, 8, kB - 53}, {3, 17, kB},
        {4, 6, kB - 37}, {4, 7, kB}, {4, 8, kB - 37}, {4, 18, kB - 32}, {4, 19, kB},
        {5, 8, kB + 5},
        {76, 10, kB - 37}, {76, 11, kB}, {76, 12, kB - 37}, {76, 18, kB - 21}, {76, 19, kB},
        {79, 12, kB - 64}, {79, 20, kB - 8}, {79, 21, kB},
    });
    // clang-format on
}

TEST(Style9, SmallestButtonClampedChannelsAndTooLowAButton) {
    // 20 x 20: the shortest columns have three steps, and the painter reaches its
    // closing diagonal.
    expect_levels(grey_face(20, 20), {{2, 4, kB},
                                      {2, 5, 116},
                                      {2, 6, 103},
                                      {2, 7, kB - 37},
                                      {1, 17, kB - 112},
                                      {17, 17, kB - 112},
                                      {16, 19, kB - 21},
                                      {17, 18, kB - 21},
                                      {18, 17, kB - 21}});

    // A white B: the light colours all equal it, only the dark ones show.
    expect_levels(paint(kDisabled, false, false, kBack, 80, 24, rgb(245, 245, 245)),
                  {{0, 0, 255}, {2, 1, 255}, {6, 3, 255}, {69, 2, 255}, {40, 1, 255}, {40, 22, 127}});

    // At 14 pixels the left bevel has no length: the body and the left column stay,
    // nothing after them is drawn.
    expect_levels(grey_face(40, 14),
                  {{0, 0, kB + 128}, {20, 2, kB + 32}, {2, 5, kB}, {3, 0, kB}, {36, 0, kB}});
}

TEST(Style9, RefreshPaintsADisabledButtonFromBackColor) {
    ButtonFields f;
    f.Style = 9;
    f.state = kHot;
    f.Enabled = false;
    f.UseCustomColors = true;
    f.BackColor = kBack;
    f.HighlightColor = kHigh;
    SystemColours colours;
    Surface s(80, 24);
    refresh(s, f, PaintContext{colours, true, {}});
    EXPECT_EQ(s.pixel(1, 5), rgb(55, 135, 255));
}

}  // namespace
}  // namespace tavolora::controls
