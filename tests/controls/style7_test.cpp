// Style 7, the card table's buttons, pixel by pixel: the whole face of a small
// button in grey, the face colour of each state and what derives from it, the
// highlight frame, the heights where a gradient has no rows, and a real button with
// its caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>

#include "controls/button/primitives.h"
#include "controls/button/styles.h"
#include "controls/button/theme_button.h"
#include "controls/platform/host.h"
#include "controls/platform/property_bag.h"

namespace tavolora::controls {
namespace {

// What a pixel shows when nothing painted it.
constexpr Colour kGround = rgb(1, 2, 3);

constexpr Colour grey(int v) {
    return rgb(v, v, v);
}

ButtonFields fields(int state, Colour back, Colour highlight, bool focus = false) {
    ButtonFields f;
    f.Style = 7;
    f.state = state;
    f.focus = focus;
    f.UseCustomColors = true;
    f.BackColor = back;
    f.HighlightColor = highlight;
    return f;
}

ButtonFields grey_fields(int state, bool focus = false) {
    return fields(state, grey(200), rgb(10, 36, 106), focus);
}

Surface painted(int w, int h, const ButtonFields& f, const SystemColours& colours = SystemColours()) {
    Surface s(w, h);
    s.set_background(kGround);
    paint_style7(s, f, colours);
    return s;
}

// Checks a whole surface against rows of grey levels; 0 stands for a pixel that no
// step paints, which shows the surface's background.
template <int W, int H>
void expect_greys(const Surface& s, const int (&rows)[H][W], const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(s.width(), W);
    ASSERT_EQ(s.height(), H);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const Colour want = rows[y][x] == 0 ? s.background() : grey(rows[y][x]);
            EXPECT_EQ(s.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(Style7, EveryPixelOfANineByEightButton) {
    // B = RGB(200, 200, 200). At rest B0 = 208: body 223 to 193 in steps of 6 (rows
    // 2 to 5 show), left strip 229 to 187 in steps of 14, right strip 203 to 176 in
    // steps of 9, outline 112, soft corners 179, inner lines 221 and 163.
    const int rest[8][9] = {
        {0, 179, 112, 112, 112, 112, 112, 179, 112},    //
        {179, 112, 221, 221, 221, 221, 221, 112, 179},  //
        {112, 229, 217, 217, 217, 217, 217, 203, 112},  //
        {112, 215, 211, 211, 211, 211, 211, 194, 112},  //
        {112, 201, 205, 205, 205, 205, 205, 185, 112},  //
        {112, 187, 199, 199, 199, 199, 199, 176, 112},  //
        {179, 112, 163, 163, 163, 163, 163, 112, 179},  //
        {0, 179, 112, 112, 112, 112, 112, 179, 112},
    };
    const Surface normal = painted(9, 8, grey_fields(kNormal));
    expect_greys(normal, rest, "at rest");
    EXPECT_EQ(normal.background(), grey(208));

    // The focus adds the highlight frame; with HL = RGB(100, 100, 100) its lines are
    // 121, 121, 95 and 79.
    const int focused[8][9] = {
        {0, 179, 112, 112, 112, 112, 112, 179, 112},    //
        {179, 112, 121, 121, 121, 121, 121, 112, 179},  //
        {112, 121, 121, 121, 121, 121, 121, 121, 112},  //
        {112, 215, 211, 211, 211, 211, 211, 194, 112},  //
        {112, 201, 205, 205, 205, 205, 205, 185, 112},  //
        {112, 95, 95, 95, 95, 95, 95, 95, 112},         //
        {179, 112, 79, 79, 79, 79, 79, 112, 179},       //
        {0, 179, 112, 112, 112, 112, 112, 179, 112},
    };
    expect_greys(painted(9, 8, fields(kNormal, grey(200), grey(100), true)), focused, "with the focus");

    // Pressed, B0 = 191: the body from 176 down to 191 at the bottom row in steps of
    // 2.5 (178.5, 183.5 and 188.5 go to the even neighbour), the right strip 170 to
    // 212, the left 159 to 186, outline 95, the dark inner line on top (179) and the
    // light one at the bottom (208). The background is not set.
    const int pressed[8][9] = {
        {0, 179, 95, 95, 95, 95, 95, 179, 95},        //
        {179, 95, 179, 179, 179, 179, 179, 95, 179},  //
        {95, 159, 178, 178, 178, 178, 178, 170, 95},  //
        {95, 168, 181, 181, 181, 181, 181, 184, 95},  //
        {95, 177, 184, 184, 184, 184, 184, 198, 95},  //
        {95, 186, 186, 186, 186, 186, 186, 212, 95},  //
        {179, 95, 208, 208, 208, 208, 208, 95, 179},  //
        {0, 179, 95, 95, 95, 95, 95, 179, 95},
    };
    const Surface down = painted(9, 8, grey_fields(kPressed));
    expect_greys(down, pressed, "pressed");
    EXPECT_EQ(down.pixel(0, 0), kGround);
    EXPECT_EQ(down.pixel(0, 7), kGround);
}

TEST(Style7, GreyWorkedExampleInEveryState) {
    struct Expected {
        int state;
        int face;                     // B0
        int edge;                     // E
        int soft;                     // S
        int top_line, bottom_line;    // 0: none
        int left_top, left_bottom;    // the strips' ends (0: covered by the frame)
        int right_top, right_bottom;  //
        int body_top, body_bottom;    // seen on a button five pixels high
    };
    const Expected table[] = {
        {kNormal, 208, 112, 179, 221, 163, 229, 187, 203, 176, 223, 193},
        {kHot, 224, 128, 179, 0, 0, 0, 0, 0, 0, 240, 208},
        {kPressed, 191, 95, 179, 179, 208, 159, 186, 170, 212, 176, 191},
        {kDisabled, 218, 122, 205, 221, 163, 239, 197, 213, 186, 233, 203},
    };
    // B from BackColor with custom colours, or from the system's button face.
    SystemColours system;
    system.set(kColorBtnFace, grey(200));
    ButtonFields from_system = fields(kNormal, rgb(9, 99, 199), rgb(99, 9, 9));
    from_system.UseCustomColors = false;
    const int w = 30;
    const int h = 12;
    for (const Expected& e : table) {
        SCOPED_TRACE(e.state);
        from_system.state = e.state;
        const Surface s = painted(w, h, grey_fields(e.state));
        EXPECT_EQ(s.image(), painted(w, h, from_system, system).image());
        // A pressed button keeps the background it had.
        EXPECT_EQ(s.pixel(0, 0), e.state == kPressed ? kGround : grey(e.face));
        EXPECT_EQ(s.pixel(5, 0), grey(e.edge));
        EXPECT_EQ(s.pixel(1, 1), grey(e.edge));
        EXPECT_EQ(s.pixel(w - 1, 0), grey(e.edge));
        EXPECT_EQ(s.pixel(w - 1, h - 1), grey(e.edge));
        EXPECT_EQ(s.pixel(1, 0), grey(e.soft));
        EXPECT_EQ(s.pixel(w - 1, 1), grey(e.soft));
        EXPECT_EQ(s.pixel(0, h - 2), grey(e.soft));
        if (e.top_line != 0) {
            EXPECT_EQ(s.pixel(5, 1), grey(e.top_line));
            EXPECT_EQ(s.pixel(5, h - 2), grey(e.bottom_line));
            EXPECT_EQ(s.pixel(1, 2), grey(e.left_top));
            EXPECT_EQ(s.pixel(1, h - 3), grey(e.left_bottom));
            EXPECT_EQ(s.pixel(w - 2, 2), grey(e.right_top));
            EXPECT_EQ(s.pixel(w - 2, h - 3), grey(e.right_bottom));
        }
        // Five high, the body is the last thing drawn: its first and last rows show.
        const Surface low = painted(w, 5, grey_fields(e.state));
        EXPECT_EQ(low.pixel(5, 1), grey(e.body_top));
        EXPECT_EQ(low.pixel(5, e.state == kPressed ? 4 : 3), grey(e.body_bottom));
    }
    // Hot strips, eight high: 245 to 203 and 219 to 192 in three steps.
    const Surface hot = painted(9, 8, grey_fields(kHot));
    EXPECT_EQ(hot.pixel(1, 3), grey(231));
    EXPECT_EQ(hot.pixel(1, 4), grey(217));
    EXPECT_EQ(hot.pixel(7, 3), grey(210));
    EXPECT_EQ(hot.pixel(7, 4), grey(201));
    // The frame from HL = RGB(10, 36, 106), the last line with its red clipped.
    for (int x : {2, 5, 7}) EXPECT_EQ(hot.pixel(x, 1) == rgb(31, 57, 127), x != 7) << x;
    for (int x : {1, 5, 7}) {
        EXPECT_EQ(hot.pixel(x, 2), rgb(31, 57, 127)) << x;
        EXPECT_EQ(hot.pixel(x, 5), rgb(5, 31, 101)) << x;
    }
    EXPECT_EQ(hot.pixel(2, 6), rgb(0, 15, 85));
    EXPECT_EQ(hot.pixel(6, 6), rgb(0, 15, 85));
    EXPECT_EQ(hot.pixel(7, 6), grey(128));
}

TEST(Style7, ColoursDeriveFromTheClippedFaceColour) {
    // B = RGB(250, 10, 128): B0 = RGB(255, 18, 136), and the body runs from B0 + 15
    // to B0 - 15, not to B - 7.
    const ButtonFields f = fields(kNormal, 0x00800AFAu, rgb(10, 36, 106));
    const Surface low = painted(20, 5, f);
    EXPECT_EQ(low.pixel(0, 0), 0x008812FFu);
    EXPECT_EQ(low.pixel(5, 1), 0x009721FFu);
    EXPECT_EQ(low.pixel(5, 3), 0x007903F0u);
    const Surface s = painted(20, 12, f);
    EXPECT_EQ(s.pixel(5, 0), rgb(159, 0, 40));    // E = B0 - 96
    EXPECT_EQ(s.pixel(1, 0), rgb(229, 0, 107));   // S = B - 21, from B itself
    EXPECT_EQ(s.pixel(5, 1), rgb(255, 31, 149));  // the top line B + 21
    // The top byte of BackColor plays no part.
    EXPECT_EQ(painted(20, 12, fields(kNormal, 0x80800AFAu, rgb(10, 36, 106))).image(), s.image());
}

TEST(Style7, HighlightFrameWhileHotOrFocusedAtRest) {
    const Colour highlight = rgb(10, 36, 106);
    const Colour frame[] = {rgb(31, 57, 127), rgb(5, 31, 101), rgb(0, 15, 85)};
    for (int state : {kNormal, kHot, kPressed, kDisabled}) {
        for (bool focus : {false, true}) {
            for (bool show_focus : {false, true}) {
                ButtonFields f = fields(state, grey(200), highlight, focus);
                f.ShowFocus = show_focus;
                const Surface s = painted(30, 12, f);
                int lit = 0;
                for (int y = 0; y < 12; ++y) {
                    for (int x = 0; x < 30; ++x) {
                        for (Colour c : frame) lit += s.pixel(x, y) == c;
                    }
                }
                const bool expected = state == kHot || (state == kNormal && focus);
                // Four lines: 26 + 28 + 28 + 26 pixels.
                EXPECT_EQ(lit, expected ? 108 : 0) << state << " " << focus << " " << show_focus;
            }
        }
    }
}

TEST(Style7, SystemColoursAreReadAtEachPaint) {
    ButtonFields f = fields(kHot, rgb(9, 99, 199), rgb(99, 9, 9), true);
    f.UseCustomColors = false;
    SystemColours colours;
    const Surface before = painted(30, 12, f, colours);
    EXPECT_EQ(before.pixel(0, 0), colour_clamp(colours.get(kColorBtnFace), 24));
    colours.set(kColorBtnFace, rgb(100, 120, 140));
    colours.set(kColorHighlight, rgb(200, 0, 50));
    const Surface after = painted(30, 12, f, colours);
    EXPECT_EQ(after.pixel(0, 0), rgb(124, 144, 164));
    EXPECT_EQ(after.pixel(5, 1), rgb(221, 21, 71));
    EXPECT_EQ(after.pixel(5, 10), rgb(179, 0, 29));
}

TEST(Style7, DrawsEveryPixelButTwoAndTheStripsInTheirOrder) {
    // A pressed button sets no background, so every pixel it leaves shows.
    for (int w : {3, 4, 9, 30}) {
        for (int h : {6, 7, 8, 21}) {
            const Surface s = painted(w, h, grey_fields(kPressed));
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const bool left_out = x == 0 && (y == 0 || y == h - 1);
                    EXPECT_EQ(s.pixel(x, y) == kGround, left_out) << w << "x" << h << " " << x << "," << y;
                }
            }
        }
    }
    // Three wide, both strips fall on column 1: the second one drawn stays.
    EXPECT_EQ(painted(3, 8, grey_fields(kNormal)).pixel(1, 3), grey(194));   // the right strip
    EXPECT_EQ(painted(3, 8, grey_fields(kPressed)).pixel(1, 3), grey(168));  // the left strip
}

TEST(Style7, AGradientWithoutRowsEndsThePainting) {
    for (int state : {kNormal, kHot, kDisabled}) {
        SCOPED_TRACE(state);
        const Colour face = colour_clamp(grey(200), state == kHot ? 24 : state == kDisabled ? 18 : 8);
        // Three high: no body rows; the face colour is all.
        const Surface three = painted(20, 3, grey_fields(state, true));
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 20; ++x) EXPECT_EQ(three.pixel(x, y), face) << x << "," << y;
        }
        // Five high: the body, then the strips have no rows: no outline.
        const Surface five = painted(20, 5, grey_fields(state, true));
        EXPECT_EQ(five.pixel(0, 2), face);
        EXPECT_EQ(five.pixel(5, 0), face);
        EXPECT_EQ(five.pixel(19, 2), face);
        EXPECT_EQ(five.pixel(5, 1), colour_clamp(face, state == kHot ? 16 : 15));
        // Four high: the strips' counts are negative, and the painting goes on.
        EXPECT_EQ(painted(20, 4, grey_fields(state)).pixel(5, 0), colour_clamp(face, -96));
        EXPECT_EQ(painted(20, 6, grey_fields(state)).pixel(5, 0), colour_clamp(face, -96));
    }
    // Pressed: two high stops at once, five high after the body; three and four high
    // go on without strips.
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 20; ++x) EXPECT_EQ(painted(20, 2, grey_fields(kPressed)).pixel(x, y), kGround);
    }
    const Surface five = painted(20, 5, grey_fields(kPressed));
    EXPECT_EQ(five.pixel(5, 4), grey(191));
    EXPECT_EQ(five.pixel(5, 0), kGround);
    for (int h : {3, 4}) EXPECT_EQ(painted(20, h, grey_fields(kPressed)).pixel(5, 0), grey(95)) << h;
    // No state yet: nothing at all.
    const Surface none = painted(20, 12, grey_fields(kNoState, true));
    EXPECT_EQ(none.pixel(0, 0), kGround);
    EXPECT_EQ(none.pixel(10, 6), kGround);
}

TEST(Style7Button, CaptionSitsOnTheFaceInEveryState) {
    for (auto [w, h] : {std::pair{180, 21}, {120, 25}}) {
        ControlHost host;
        ThemeButton b(host, QStringLiteral("cmdPunti"));
        PropertyBag bag;
        bag.write_always(QStringLiteral("Style"), qint64(7));
        bag.write_always(QStringLiteral("Caption"), QStringLiteral("Punteggio"));
        b.resize(w, h);
        b.ReadProperties(bag);
        ASSERT_EQ(b.surface().width(), w);
        ASSERT_EQ(b.surface().height(), h);
        const auto check = [&](int state, bool focus, const char* what) {
            SCOPED_TRACE(what);
            EXPECT_EQ(b.fields().state, state);
            EXPECT_EQ(b.fields().focus, focus);
            Surface face(w, h);
            face.set_background(b.surface().background());
            paint_style7(face, b.fields(), host.colours());
            int caption = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    if (b.surface().pixel(x, y) == face.pixel(x, y)) continue;
                    EXPECT_TRUE(x >= 4 && y >= 4 && x < w - 4 && y < h - 4) << x << "," << y;
                    ++caption;
                }
            }
            EXPECT_GT(caption, 40) << "the caption is drawn over the face";
        };
        check(kNormal, false, "normal");
        QFocusEvent focus_in(QEvent::FocusIn);
        QApplication::sendEvent(&b, &focus_in);
        check(kNormal, true, "focused");
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&b, &enter);
        check(kHot, true, "hot");
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&b, &press);
        check(kPressed, true, "pressed");
        b.set_Enabled(false);
        check(kDisabled, true, "disabled");
    }
}

}  // namespace
}  // namespace tavolora::controls
