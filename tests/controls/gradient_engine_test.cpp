// The angle gradient: how its lines lie for each angle, the run of colours they
// take, and the pixels they leave, at angles and places whose pixels do not depend
// on how a slanted line is stepped.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

#include "controls/gradient_container/grad_container.h"
#include "controls/gradient_container/gradient_engine.h"

namespace tavolora::controls {
namespace {

constexpr Colour kGround = rgb(1, 2, 3);
constexpr Colour kFirst = rgb(239, 244, 252);
constexpr Colour kSecond = rgb(20, 132, 50);

Surface fresh(int w, int h) {
    Surface s(w, h);
    s.set_background(kGround);
    return s;
}

TEST(GradientLayout, EachAngleGivesItsSetOfLines) {
    struct Case {
        float angle;
        bool steep;
        long long offset, n, first_position;
    };
    // 40 x 30: a line per row or per column; slanted sets run further by their offset,
    // and some quarters take the colours backwards.
    const Case cases[] = {
        {0, false, 0, 29, 0},    {180, false, 0, 29, 29},  {90, true, 0, 39, 0},   {270, true, 0, 39, 39},
        {45, true, 30, 69, 0},   {135, false, 40, 69, 69}, {134, true, 29, 68, 0}, {224, false, 39, 68, 68},
        {225, true, 30, 69, 69}, {315, false, 40, 69, 0},  {44, false, 39, 68, 0}, {314, true, 29, 68, 68},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        const GradientLayout g = gradient_layout(40, 30, c.angle);
        EXPECT_EQ(g.steep, c.steep);
        EXPECT_EQ(g.offset, c.offset);
        EXPECT_EQ(g.n, c.n);
        EXPECT_EQ(g.first_position, c.first_position);
        EXPECT_EQ(g.step, c.first_position == 0 ? 1 : -1);
    }
    EXPECT_GT(gradient_layout(40, 30, 90).slope, 1e7);
    EXPECT_NEAR(gradient_layout(40, 30, 45).slope, 1.0000000437, 1e-10);
    const GradientLayout sixty = gradient_layout(50, 300, 60);  // 300 / 1.7320509 = 173.205
    EXPECT_NEAR(sixty.slope, 1.7320509, 1e-7);
    EXPECT_EQ(sixty.offset, 173);
    EXPECT_EQ(gradient_layout(200, 25, 170).offset, 35);  // round(35.26)
    // Whole degrees, halves to even, then into 0..359.
    const std::pair<float, int> angles[] = {{-30, 330},  {400, 40},   {360, 0},
                                            {44.5f, 44}, {45.5f, 46}, {-720, 0}};
    for (const auto& [angle, theta] : angles) EXPECT_EQ(gradient_layout(10, 10, angle).theta, theta) << angle;
}

TEST(GradientTable, StraightAndMiddleOutRuns) {
    const std::vector<Colour> straight = gradient_table(rgb(0, 0, 0), rgb(255, 100, 8), 4, false);
    EXPECT_EQ(straight, (std::vector<Colour>{rgb(0, 0, 0), rgb(64, 25, 2), rgb(128, 50, 4), rgb(191, 75, 6),
                                             rgb(255, 100, 8)}));
    // f = 1/6 is held in single precision, a hair above a sixth: 42.5000013 goes up to
    // 43 and 0.5000000149 to 1, while g is a hair below: 7.4999998 goes down to 7.
    EXPECT_EQ(gradient_table(rgb(0, 0, 9), rgb(255, 3, 0), 6, false)[1], rgb(43, 1, 7));
    EXPECT_EQ(gradient_table(rgb(0, 0, 0), rgb(1, 5, 3), 2, false)[1], rgb(0, 2, 2));  // halves to even
    EXPECT_EQ(ramp_colour(kFirst | 0xFF000000u, kSecond, 0, 7), kFirst);               // top byte ignored

    // Middle-out: the even ramp positions up, then the odd ones down.
    for (const auto& [n, expected] : {std::pair<int, std::vector<long long>>{4, {0, 2, 4, 3, 1}},
                                      std::pair<int, std::vector<long long>>{5, {0, 2, 4, 5, 3, 1}}}) {
        std::vector<long long> order;
        for (long long p = 0; p <= n; ++p) order.push_back(middle_out_position(p, n));
        EXPECT_EQ(order, expected) << n;
    }
    const std::vector<Colour> ramp = gradient_table(kFirst, kSecond, 5, false);
    EXPECT_EQ(gradient_table(kFirst, kSecond, 5, true),
              (std::vector<Colour>{ramp[0], ramp[2], ramp[4], ramp[5], ramp[3], ramp[1]}));
    EXPECT_TRUE(gradient_table(kFirst, kSecond, 0, false).empty());
    EXPECT_TRUE(gradient_table(kFirst, kSecond, -3, true).empty());
}

// Level, upright and 45-degree sets colour every pixel by the one line through it.
TEST(DrawGradient, EveryPixelTakesTheColourOfItsLine) {
    constexpr int w = 9;
    constexpr int h = 6;
    struct Case {
        float angle;
        long long n;
        std::function<long long(int x, int y)> position;
    };
    const Case cases[] = {
        {0, h - 1, [](int, int y) { return y; }},  // the first colour along the top
        {180, h - 1, [](int, int y) { return h - 1 - y; }},
        {90, w - 1, [](int x, int) { return x; }},  // the first colour along the left
        {270, w - 1, [](int x, int) { return w - 1 - x; }},
        {45, w + h - 1, [](int x, int y) { return x + y + 1; }},  // line 0 lies off the rectangle
        {135, w + h - 1, [](int x, int y) { return h - 1 - y + x; }},
    };
    for (const bool middle_out : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.angle << (middle_out ? " middle-out" : ""));
            const std::vector<Colour> run = gradient_table(kFirst, kSecond, c.n, middle_out);
            Surface s = fresh(w, h);
            ASSERT_TRUE(draw_gradient(s, w, h, kFirst, kSecond, c.angle, middle_out));
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) ASSERT_EQ(s.pixel(x, y), run[c.position(x, y)]) << x << "," << y;
            }
        }
    }
    // The container's colours at 180 degrees, straight: the second colour on top.
    Surface body = fresh(5, 40);
    draw_gradient(body, 5, 40, rgb(239, 244, 252), rgb(220, 232, 250), 180, false);
    EXPECT_EQ(body.pixel(2, 0), rgb(220, 232, 250));
    EXPECT_EQ(body.pixel(2, 39), rgb(239, 244, 252));
}

TEST(DrawGradient, SixtyDegreesOnATallBodyStartsOneSeventyThreeAlongTheRun) {
    for (const bool middle_out : {false, true}) {
        const std::vector<Colour> run = gradient_table(kFirst, kSecond, 173 + 49, middle_out);
        Surface s = fresh(50, 300);
        ASSERT_TRUE(draw_gradient(s, 50, 300, kFirst, kSecond, 60, middle_out));
        // Every line starts on the bottom row, where its pixel does not depend on the stepping.
        for (int x = 0; x < 50; ++x) EXPECT_EQ(s.pixel(x, 299), run[x + 173]) << x;
        for (int y = 0; y < 300; y += 13) EXPECT_NE(s.pixel(25, y), kGround) << y;
    }
}

TEST(DrawGradient, SetsOfNoLengthDrawNothing) {
    // A level set one row high, an upright set one column wide, empty and negative
    // rectangles and an angle that is no number.
    const std::tuple<int, int, float> cases[] = {
        {8, 1, 0}, {8, 1, 180},  {1, 8, 90}, {1, 8, 270},
        {8, 0, 0}, {8, -5, 180}, {0, 8, 90}, {8, 8, std::numeric_limits<float>::quiet_NaN()}};
    for (const auto& [w, h, angle] : cases) {
        SCOPED_TRACE(testing::Message() << w << "x" << h << " at " << angle);
        EXPECT_LE(gradient_layout(w, h, angle).n, 0);
        Surface s = fresh(8, 8);
        EXPECT_FALSE(draw_gradient(s, w, h, kFirst, kSecond, angle, false));
        EXPECT_FALSE(draw_gradient(s, w, h, kFirst, kSecond, angle, true));
        EXPECT_EQ(s.image(), fresh(8, 8).image());
    }
    // One column wide but slanted still has a length; two rows make a run of two.
    Surface narrow = fresh(1, 8);
    EXPECT_TRUE(draw_gradient(narrow, 1, 8, kFirst, kSecond, 60, false));
    Surface two_rows = fresh(4, 2);
    ASSERT_TRUE(draw_gradient(two_rows, 4, 2, kFirst, kSecond, 0, true));
    EXPECT_EQ(two_rows.pixel(3, 0), kFirst);
    EXPECT_EQ(two_rows.pixel(3, 1), kSecond);
}

}  // namespace
}  // namespace tavolora::controls

namespace tavolora::controls {
namespace {

// Painting the set row by row gives, pixel for pixel, what drawing it line after line
// gives: at every angle, straight and middle-out, for a body that fills the surface
// and for a band narrower than it whose slanted lines run on below.
TEST(GradientRows, PaintExactlyWhatTheLinesPaint) {
    const std::pair<int, int> sizes[] = {{37, 23}, {120, 18}, {25, 90}, {1, 40}, {64, 1}};
    for (const auto& [w, h] : sizes) {
        for (int angle = -10; angle < 370; angle += 7) {
            for (bool middle_out : {false, true}) {
                Surface by_rows(w + 9, h + 31);
                Surface by_lines(w + 9, h + 31);
                by_rows.set_background(rgb(1, 2, 3));
                by_lines.set_background(rgb(1, 2, 3));
                const bool drawn = draw_gradient(by_rows, w, h, rgb(250, 10, 0), rgb(0, 90, 240),
                                                 static_cast<float>(angle), middle_out);
                EXPECT_EQ(drawn, draw_gradient_lines(by_lines, w, h, rgb(250, 10, 0), rgb(0, 90, 240),
                                                     static_cast<float>(angle), middle_out));
                ASSERT_TRUE(by_rows.image() == by_lines.image())
                    << w << " x " << h << " at " << angle << (middle_out ? " middle-out" : "");
            }
        }
    }
}

}  // namespace
}  // namespace tavolora::controls
