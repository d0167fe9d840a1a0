// Style 10: the three pictures and how the painter stretches them over a button.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "controls/button/style10_patterns.h"
#include "controls/button/styles.h"

namespace tavolora::controls {
namespace {

constexpr Colour kGround = rgb(1, 2, 3);
constexpr Colour kWhite = 0xFFFFFF;
constexpr Style10Look kLooks[] = {Style10Look::kNormal, Style10Look::kHot, Style10Look::kPressed};

const Style10Pattern& normal() {
    return style10_pattern(Style10Look::kNormal);
}
const Style10Pattern& hot() {
    return style10_pattern(Style10Look::kHot);
}
const Style10Pattern& pressed() {
    return style10_pattern(Style10Look::kPressed);
}

int state_of(Style10Look look) {
    return look == Style10Look::kNormal ? kNormal : look == Style10Look::kHot ? kHot : kPressed;
}

Surface painted(int w, int h, int state, bool focus = false) {
    Surface s(w, h);
    s.set_background(kGround);
    ButtonFields f;
    f.state = state;
    f.focus = focus;
    paint_style10(s, f);
    return s;
}

std::set<std::pair<int, int>> untouched(const Surface& s) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.pixel(x, y) == kGround) pixels.insert({x, y});
        }
    }
    return pixels;
}

// What a button of at least 35 x 23 pixels shows, told region by region: the
// picture's rows 0-10 and 12-21 at the corners, row 10 down the sides, column 17
// (white where it holds nothing) across the top and bottom, the body inside.
Colour expected(const Style10Pattern& p, int w, int h, int x, int y) {
    const int dx = x >= w - 17 ? w - 34 : 0;
    const int dy = y >= h - 11 ? h - 22 : 0;
    const auto across = [&p](int j) { return p.holds(17, j) ? p.at(17, j) : kWhite; };
    if (x >= 17 && x <= w - 18 && (y <= 11 || y >= h - 11)) return across(y - dy);
    if (y >= 11 && y <= h - 11) return x <= 17 || x >= w - 17 ? p.at(x - dx, 10) : p.body();
    return p.holds(x - dx, y - dy) ? p.at(x - dx, y - dy) : kGround;
}

TEST(Style10Patterns, HoldTheirColoursQuarterByQuarter) {
    // The quarters as the painter walks them: each half takes the shared column 17
    // and the shared split row.
    const auto quarters = [](const Style10Pattern& p) {
        const int s = p.split_row();
        const auto count = [&p](int i0, int i1, int j0, int j1) {
            int n = 0;
            for (int j = j0; j <= j1; ++j)
                for (int i = i0; i <= i1; ++i) n += p.holds(i, j) ? 1 : 0;
            return n;
        };
        return std::array<int, 4>{count(0, 17, 0, s), count(0, 17, s, 21), count(17, 33, 0, s),
                                  count(17, 33, s, 21)};
    };
    EXPECT_EQ(normal().split_row(), 12);
    EXPECT_EQ(hot().split_row(), 10);
    EXPECT_EQ(pressed().split_row(), 10);
    EXPECT_EQ(normal().count(), 659);
    EXPECT_EQ(hot().count(), 671);
    EXPECT_EQ(pressed().count(), 671);
    EXPECT_EQ(quarters(normal()), (std::array<int, 4>{212, 161, 197, 145}));
    EXPECT_EQ(quarters(hot()), (std::array<int, 4>{176, 202, 163, 187}));
    EXPECT_EQ(quarters(pressed()), (std::array<int, 4>{176, 202, 163, 187}));
}

TEST(Style10Patterns, MasksDifferOnlyInTheNormalLooksHoles) {
    for (int j = 0; j < 22; ++j) {
        for (int i = 0; i < 34; ++i) {
            EXPECT_EQ(hot().holds(i, j), pressed().holds(i, j)) << i << ", " << j;
            if (j < 16 || j > 18) {
                EXPECT_EQ(normal().holds(i, j), hot().holds(i, j)) << i << ", " << j;
            } else if (normal().holds(i, j)) {
                EXPECT_TRUE(hot().holds(i, j)) << i << ", " << j;  // the normal look only has holes more
            }
        }
    }
    // Row 16 of the normal look: columns 1-10, 12, 14, 16, 18, 22-23, 25-32.
    std::set<int> row16;
    for (int i = 0; i < 34; ++i)
        if (normal().holds(i, 16)) row16.insert(i);
    EXPECT_EQ(row16, (std::set<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 14,
                                    16, 18, 22, 23, 25, 26, 27, 28, 29, 30, 31, 32}));
    EXPECT_TRUE(hot().holds(17, 16));
}

TEST(Style10Patterns, LooksShareTheirMarginAndShadow) {
    for (const Style10Look look : {Style10Look::kHot, Style10Look::kPressed}) {
        const Style10Pattern& p = style10_pattern(look);
        for (int j = 0; j < 22; ++j) {
            for (const int i : {0, 33}) {
                if (p.holds(i, j)) {
                    EXPECT_EQ(p.at(i, j), normal().at(i, j)) << i << ", " << j;
                }
            }
        }
        for (int i = 5; i <= 28; ++i) EXPECT_EQ(p.at(i, 21), normal().at(i, 21)) << i;
    }
    EXPECT_EQ(normal().at(5, 21), 0xFCFCFCu);
    EXPECT_EQ(normal().at(0, 15), 0xFEFEFEu);
    EXPECT_EQ(normal().at(33, 11), 0xF4F4F4u);
    EXPECT_EQ(pressed().body(), 0xCC9B6Au);
    EXPECT_EQ(normal().at(9, 0), 0x7A7A7Au);
    EXPECT_EQ(hot().at(25, 0), 0xA29D9Eu);
    // The pressed top row is drawn from the hot one: light at its ends, the pressed
    // outline in the middle.
    EXPECT_EQ(pressed().at(17, 0), 0x3C090Au);
    EXPECT_GE(red_of(pressed().at(6, 0)), 250);
    EXPECT_LE(blue_of(pressed().at(12, 0)), 70);
}

TEST(Style10Paint, LookFollowsTheStateAndTheFocus) {
    // The top line in the middle carries each look's outline colour.
    const Colour kNormalTop = 0x67696A;
    const Colour kHotTop = 0x450608;
    const Colour kPressedTop = 0x3C090A;
    struct Case {
        int state;
        bool focus;
        Colour top;
    };
    const Case cases[] = {
        {kNormal, false, kNormalTop},   {kNormal, true, kHotTop},       {kHot, false, kHotTop},
        {kHot, true, kHotTop},          {kPressed, false, kPressedTop}, {kPressed, true, kPressedTop},
        {kDisabled, false, kNormalTop}, {kDisabled, true, kHotTop},
    };
    for (const Case& c : cases) {
        const Surface s = painted(100, 40, c.state, c.focus);
        EXPECT_EQ(s.pixel(50, 0), c.top) << "state " << c.state << " focus " << c.focus;
    }
}

TEST(Style10Paint, NormalLookAt100By40) {
    const Surface s = painted(100, 40, kNormal);
    EXPECT_EQ(s.pixel(50, 20), 0xEAE7E8u);
    EXPECT_EQ(s.pixel(0, 20), 0xF7F7F7u);
    EXPECT_EQ(s.pixel(1, 20), 0xA0A0A0u);
    EXPECT_EQ(s.pixel(50, 0), 0x67696Au);
    EXPECT_EQ(s.pixel(50, 38), 0x545454u);
    EXPECT_EQ(s.pixel(50, 39), 0xC5C5C5u);
    EXPECT_EQ(s.pixel(6, 0), 0xFEFEFEu);
    // The horizontal lines of row 11 come after the vertical line at x = 17.
    EXPECT_EQ(s.pixel(17, 11), 0xE8EBE9u);
    EXPECT_EQ(s.pixel(17, 29), 0xE8EBE9u);
    // Column 17 holds nothing in row 16: its line is white, covering that hole.
    EXPECT_EQ(s.pixel(17, 34), kWhite);
    EXPECT_EQ(s.pixel(50, 34), kWhite);

    // Untouched: the curved corners and twelve holes in the face.
    const auto left_alone = untouched(s);
    for (int x = 0; x <= 5; ++x) EXPECT_TRUE(left_alone.count({x, 0})) << x;
    const std::set<std::pair<int, int>> holes = {{11, 34}, {13, 34}, {15, 34}, {83, 34}, {85, 34}, {86, 34},
                                                 {87, 34}, {90, 34}, {9, 35},  {88, 35}, {90, 35}, {87, 36}};
    std::set<std::pair<int, int>> corners;
    for (const auto& p : left_alone) {
        if (!holes.count(p)) corners.insert(p);
    }
    EXPECT_EQ(left_alone.size(), corners.size() + holes.size());
    EXPECT_EQ(corners.size(), 77u);
    // ... and the corners are those of the hot and pressed looks, which leave nothing
    // else untouched.
    EXPECT_EQ(untouched(painted(100, 40, kHot)), corners);
    EXPECT_EQ(untouched(painted(100, 40, kPressed)), corners);
    for (const auto& [x, y] : corners) EXPECT_TRUE((x < 10 || x > 89) && (y < 8 || y > 32)) << x << ", " << y;
}

TEST(Style10Paint, HotLookAt100By40) {
    const Surface s = painted(100, 40, kHot);
    EXPECT_EQ(s.pixel(50, 20), 0xE2A66Au);
    EXPECT_EQ(s.pixel(2, 20), 0x712E13u);
    EXPECT_EQ(s.pixel(50, 0), 0x450608u);
    EXPECT_EQ(s.pixel(50, 38), 0x635D40u);
    EXPECT_EQ(s.pixel(99, 20), 0xF6F6F6u);
    EXPECT_EQ(s.pixel(97, 20), 0x7C3514u);
}

TEST(Style10Paint, CornersLinesAndBodyFallWhereTheyShould) {
    for (const Style10Look look : kLooks) {
        const Style10Pattern& p = style10_pattern(look);
        for (const auto& [w, h] : {std::pair{100, 40}, std::pair{35, 23}, std::pair{61, 30}}) {
            const Surface s = painted(w, h, state_of(look));
            int wrong = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    if (s.pixel(x, y) != expected(p, w, h, x, y) && ++wrong <= 5)
                        ADD_FAILURE() << "look " << int(look) << " at " << w << " x " << h << ": pixel " << x
                                      << ", " << y;
                }
            }
        }
    }
}

TEST(Style10Paint, HalvesMeetAt34By22) {
    // The picture itself, but for row 11, which the side lines repeat from row 10; the
    // lines across and the body have no room.
    for (const Style10Look look : kLooks) {
        const Style10Pattern& p = style10_pattern(look);
        const Surface s = painted(34, 22, state_of(look));
        for (int j = 0; j < 22; ++j) {
            for (int i = 0; i < 34; ++i) {
                const Colour want = j == 11 ? p.at(i, 10) : p.holds(i, j) ? p.at(i, j) : kGround;
                EXPECT_EQ(s.pixel(i, j), want) << int(look) << ": " << i << ", " << j;
            }
        }
    }
}

TEST(Style10Paint, OnASmallButtonLaterStepsWin) {
    // 30 x 20: the right half starts at x = -4 and the bottom half at y = -2, over the
    // left and top halves; the lines across run leftwards from 17 to 14.
    const Style10Pattern& p = hot();
    const Surface s = painted(30, 20, kHot);
    EXPECT_EQ(s.pixel(10, 3), p.at(10, 3));    // the top-left quarter alone
    EXPECT_EQ(s.pixel(13, 3), p.at(17, 3));    // the top-right quarter over it
    EXPECT_EQ(s.pixel(5, 9), p.at(5, 11));     // the bottom-left quarter over it
    EXPECT_EQ(s.pixel(20, 11), p.at(24, 10));  // the right side's line over the quarters
    EXPECT_EQ(s.pixel(13, 11), p.at(17, 10));
    EXPECT_EQ(s.pixel(15, 3), p.at(17, 3));   // the top line over everything
    EXPECT_EQ(s.pixel(15, 9), p.at(17, 11));  // and the bottom lines over the top ones
    EXPECT_EQ(s.pixel(14, 11), p.at(17, 13));

    // The normal look's bottom half starts two rows further down, at its row 12.
    const Surface n = painted(30, 20, kNormal);
    EXPECT_EQ(n.pixel(5, 9), normal().at(5, 9));
    EXPECT_EQ(n.pixel(5, 10), normal().at(5, 12));
}

}  // namespace
}  // namespace tavolora::controls
