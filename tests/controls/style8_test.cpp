// The style-8 face: the gradient body inside its light-and-dark ring, the border with
// its corner pixels and the drop shadow, by state, focus and colours.
#include <gtest/gtest.h>

#include <utility>

#include "controls/button/painter.h"
#include "controls/button/styles.h"

namespace tavolora::controls {
namespace {

constexpr Colour kFace = rgb(212, 208, 200);  // the classic desktop's button face
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kBack = rgb(40, 120, 250);
constexpr Colour kHigh = rgb(250, 30, 100);

struct Look {
    int state = kNormal;
    bool focus = false;
    bool custom = false;
    Colour back = kBack;
    Colour high = kHigh;
    Colour face = kFace;
};

Surface paint(const Look& look, int w = 100, int h = 24) {
    ButtonFields f;
    f.state = look.state;
    f.focus = look.focus;
    f.UseCustomColors = look.custom;
    f.BackColor = look.back;
    f.HighlightColor = look.high;
    SystemColours colours;
    colours.set(kColorBtnFace, look.face);
    Surface s(w, h);
    s.set_background(rgb(1, 2, 3));
    paint_style8(s, f, colours);
    return s;
}

struct Frame {
    Colour ground, body_top, body_bottom, ring_top_left, ring_bottom_right, edge, shade, shade2;
};

// Every part of a 100 x 24 face at its ends, and the pixels that keep the background.
void expect_frame(const Look& look, const Frame& c) {
    const Surface s = paint(look);
    struct Pixel {
        int x, y;
        Colour colour;
    };
    // clang-format off
    const Pixel pixels[] = {
        {0, 0, c.ground}, {1, 0, c.ground}, {97, 0, c.ground}, {98, 1, c.ground}, {99, 2, c.ground},
        {0, 21, c.ground}, {1, 22, c.ground}, {2, 23, c.ground}, {98, 23, c.ground}, {99, 22, c.ground},
        {2, 2, c.body_top}, {96, 2, c.body_top}, {2, 20, c.body_bottom}, {96, 20, c.body_bottom},
        {2, 1, c.ring_top_left}, {96, 1, c.ring_top_left}, {1, 2, c.ring_top_left}, {1, 20, c.ring_top_left},
        {2, 21, c.ring_bottom_right}, {96, 21, c.ring_bottom_right},
        {97, 2, c.ring_bottom_right}, {97, 20, c.ring_bottom_right},
        {2, 0, c.edge}, {96, 0, c.edge}, {0, 2, c.edge}, {0, 20, c.edge},
        {2, 22, c.edge}, {96, 22, c.edge}, {98, 2, c.edge}, {98, 20, c.edge},
        {1, 1, c.edge}, {1, 21, c.edge}, {97, 1, c.edge}, {97, 21, c.edge},
        {3, 23, c.shade}, {95, 23, c.shade}, {99, 3, c.shade}, {99, 19, c.shade},
        {96, 23, c.shade}, {97, 22, c.shade}, {98, 21, c.shade}, {99, 20, c.shade},
        {97, 23, c.shade2}, {98, 22, c.shade2}, {99, 21, c.shade2},
    };
    // clang-format on
    for (const Pixel& p : pixels) EXPECT_EQ(s.pixel(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
}

TEST(Style8, SystemColoursByStateAndFocus) {
    const Colour hot = rgb(227, 223, 215);   // face + 15
    const Colour edge = rgb(164, 160, 152);  // face - 48
    const Colour shade = rgb(185, 181, 173);
    const Colour shade2 = rgb(200, 196, 188);
    expect_frame({.state = kNormal}, {kFace, hot, rgb(197, 193, 185), kWhite, kFace, edge, shade, shade2});
    expect_frame({.state = kNormal, .focus = true},
                 {kFace, hot, rgb(197, 193, 185), kWhite, kFace, rgb(116, 112, 104), rgb(137, 133, 125),
                  rgb(152, 148, 140)});
    expect_frame({.state = kHot}, {hot, rgb(242, 238, 230), kFace, kWhite, hot, edge, shade, shade2});
    // Pressed: the body and the ring upside down, and the focus leaves the border alone.
    expect_frame({.state = kPressed, .focus = true},
                 {hot, kFace, rgb(242, 238, 230), hot, kWhite, edge, shade, shade2});

    for (const bool focus : {false, true}) {
        for (const bool custom : {false, true}) {
            EXPECT_EQ(paint({.state = kHot, .focus = focus, .custom = custom}).image(),
                      paint({.state = kDisabled, .focus = focus, .custom = custom}).image());
        }
    }
}

TEST(Style8, CustomColoursAndClampedChannels) {
    // The border comes from BackColor in every state, the body from HighlightColor
    // in every state but the normal one.
    expect_frame({.state = kNormal, .focus = true, .custom = true},
                 {kBack, rgb(55, 135, 255), rgb(25, 105, 235), rgb(136, 216, 255), kBack, rgb(0, 24, 154),
                  rgb(21, 45, 175), rgb(36, 60, 190)});
    expect_frame({.state = kHot, .custom = true},
                 {kHigh, rgb(255, 45, 115), rgb(235, 15, 85), rgb(255, 126, 196), kHigh, rgb(0, 72, 202),
                  rgb(21, 93, 223), rgb(36, 108, 238)});
    expect_frame({.state = kPressed, .focus = true, .custom = true},
                 {kHigh, rgb(235, 15, 85), rgb(255, 45, 115), kHigh, rgb(255, 126, 196), rgb(0, 72, 202),
                  rgb(21, 93, 223), rgb(36, 108, 238)});

    // Each offset is clamped on its own: the hot fill is face + 15, then +-15 again;
    // the shadow is the clamped border + 21.
    expect_frame({.state = kHot, .face = rgb(250, 100, 5)},
                 {rgb(255, 115, 20), rgb(255, 130, 35), rgb(240, 100, 5), rgb(255, 211, 116),
                  rgb(255, 115, 20), rgb(202, 52, 0), rgb(223, 73, 21), rgb(238, 88, 36)});
    expect_frame({.face = kWhite}, {kWhite, kWhite, rgb(240, 240, 240), kWhite, kWhite, rgb(207, 207, 207),
                                    rgb(228, 228, 228), rgb(243, 243, 243)});
    expect_frame({.face = kBlack}, {kBlack, rgb(15, 15, 15), kBlack, rgb(96, 96, 96), kBlack, kBlack,
                                    rgb(21, 21, 21), rgb(36, 36, 36)});

    // A system colour reference in BackColor: the background shows the system
    // colour, everything drawn from it reads the low bytes, RGB(15, 0, 0).
    expect_frame({.custom = true, .back = 0x8000000Fu},
                 {kFace, rgb(30, 15, 15), kBlack, rgb(111, 96, 96), rgb(15, 0, 0), kBlack, rgb(21, 21, 21),
                  rgb(36, 36, 36)});
}

TEST(Style8, SmallestButtonPaintsEverythingAndNoBodyStopsThePainter) {
    for (const int state : {kNormal, kHot, kPressed, kDisabled}) {
        const Surface s = paint({.state = state}, 20, 20);
        const bool pressed = state == kPressed;
        const Colour fill = state == kNormal ? kFace : rgb(227, 223, 215);
        const Colour light = state == kNormal ? rgb(227, 223, 215) : rgb(242, 238, 230);
        const Colour dark = state == kNormal ? rgb(197, 193, 185) : kFace;
        EXPECT_EQ(s.pixel(10, 2), pressed ? dark : light) << state;  // the body's rows 2 to 16
        EXPECT_EQ(s.pixel(10, 16), pressed ? light : dark) << state;
        EXPECT_EQ(s.pixel(10, 17), pressed ? kWhite : fill) << state;
        for (const auto& [x, y] : {std::pair{17, 19}, {18, 18}, {19, 17}})  // the last line drawn
            EXPECT_EQ(s.pixel(x, y), rgb(200, 196, 188)) << state;
    }
    // Six rows leave the body no length: the face keeps its background and nothing else.
    const Surface s = paint({.state = kHot}, 30, 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 30; ++x) ASSERT_EQ(s.pixel(x, y), rgb(227, 223, 215)) << x << "," << y;
    }
}

TEST(Style8, RefreshPaintsADisabledButtonAsAHotOne) {
    ButtonFields f;
    f.Style = 8;
    f.state = kNormal;
    f.Enabled = false;
    f.UseCustomColors = true;
    f.BackColor = kBack;
    f.HighlightColor = kHigh;
    SystemColours colours;
    Surface s(100, 24);
    refresh(s, f, PaintContext{colours, true, {}});
    EXPECT_EQ(f.state, kDisabled);
    EXPECT_EQ(s.pixel(0, 0), kHigh);
    EXPECT_EQ(s.pixel(50, 2), rgb(255, 45, 115));
    EXPECT_EQ(s.pixel(50, 0), rgb(0, 72, 202));
}

}  // namespace
}  // namespace tavolora::controls
