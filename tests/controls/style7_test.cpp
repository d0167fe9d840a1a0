// Style 7, the card table's buttons: the face colour of each state and what derives
// from it (outline, soft corners, inner lines, strips and body), the highlight frame,
// the heights where a gradient has no rows, and a real button with its caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>

#include <span>
#include <utility>

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

struct Probe {
    int x;
    int y;
    Colour c;
};
void expect_probes(const Surface& s, std::span<const Probe> probes) {
    for (const Probe& p : probes) EXPECT_EQ(s.pixel(p.x, p.y), p.c) << p.x << "," << p.y;
}

// The outline in `edge`: top, left and bottom two pixels short of their ends, the
// right side the whole height, and the pixels diagonally inside the corners; the
// eight pixels beside the corners in `soft`.
void expect_outline(const Surface& s, Colour edge, Colour soft) {
    const int w = s.width();
    const int h = s.height();
    for (int x = 2; x <= w - 3; ++x) {
        EXPECT_EQ(s.pixel(x, 0), edge) << x;
        EXPECT_EQ(s.pixel(x, h - 1), edge) << x;
    }
    for (int y = 2; y <= h - 3; ++y) EXPECT_TRUE(s.pixel(0, y) == edge && s.pixel(w - 1, y) == edge) << y;
    for (int y : {0, h - 1}) EXPECT_EQ(s.pixel(w - 1, y), edge) << y;
    for (const QPoint p : {QPoint(1, 1), QPoint(1, h - 2), QPoint(w - 2, 1), QPoint(w - 2, h - 2)})
        EXPECT_EQ(s.pixel(p.x(), p.y()), edge) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1, 0), QPoint(w - 2, 0), QPoint(0, 1), QPoint(0, h - 2), QPoint(1, h - 1),
                           QPoint(w - 2, h - 1), QPoint(w - 1, 1), QPoint(w - 1, h - 2)})
        EXPECT_EQ(s.pixel(p.x(), p.y()), soft) << p.x() << "," << p.y();
}

TEST(Style7, GreyWorkedExampleInEveryState) {
    // B = RGB(200, 200, 200) gives B0 = B + 8, 24, -9 or 18 by state; the outline
    // is B0 - 96, the soft corners B - 21 (B + 5 disabled), the inner lines B + 21
    // over B - 37 (pressed: B - 21 over B + 8, none while hot); the strips and the
    // body run between the colours below.
    struct Expected {
        int state;
        int face, edge, soft;
        int top_line, bottom_line;    // 0: covered by the frame
        int left_top, left_bottom;    // the strips' ends
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
        expect_outline(s, grey(e.edge), grey(e.soft));
        // A pressed button keeps the background it had.
        const Colour corner = e.state == kPressed ? kGround : grey(e.face);
        EXPECT_TRUE(s.pixel(0, 0) == corner && s.pixel(0, h - 1) == corner);
        if (e.top_line != 0) {
            const Probe inside[] = {{2, 1, grey(e.top_line)},        {w - 3, 1, grey(e.top_line)},
                                    {2, h - 2, grey(e.bottom_line)}, {w - 3, h - 2, grey(e.bottom_line)},
                                    {1, 2, grey(e.left_top)},        {1, h - 3, grey(e.left_bottom)},
                                    {w - 2, 2, grey(e.right_top)},   {w - 2, h - 3, grey(e.right_bottom)}};
            expect_probes(s, inside);
        }
        // Five high, the body is the last thing drawn: its first and last rows show
        // (a pressed body reaches the bottom row).
        const Surface low = painted(w, 5, grey_fields(e.state));
        EXPECT_EQ(low.pixel(5, 1), grey(e.body_top));
        EXPECT_EQ(low.pixel(5, e.state == kPressed ? 4 : 3), grey(e.body_bottom));
    }
    // Eight high, the body shows between the lines in steps of 6, the strips in
    // three steps (pressed: 2.5, with 178.5 to the even neighbour).
    const Probe rest[] = {{4, 2, grey(217)}, {4, 5, grey(199)}, {1, 3, grey(215)}, {7, 4, grey(185)}};
    expect_probes(painted(9, 8, grey_fields(kNormal)), rest);
    EXPECT_EQ(painted(9, 8, grey_fields(kPressed)).pixel(4, 2), grey(178));
    // Hot: the strips 245 to 203 and 219 to 192, the frame from HL = RGB(10, 36, 106)
    // (HL + 21 on rows 1 and 2, HL - 5, and HL - 21 with the red clipped) inside the
    // outline's corner pixels.
    const Colour up = rgb(31, 57, 127);
    const Colour lo = rgb(5, 31, 101);
    const Colour bo = rgb(0, 15, 85);
    const Colour ed = grey(128);
    const Probe hot[] = {{1, 3, grey(231)}, {1, 4, grey(217)}, {7, 3, grey(210)}, {7, 4, grey(201)},
                         {2, 1, up},        {5, 1, up},        {7, 1, ed},        {1, 2, up},
                         {7, 2, up},        {1, 5, lo},        {7, 5, lo},        {2, 6, bo},
                         {6, 6, bo},        {7, 6, ed}};
    expect_probes(painted(9, 8, grey_fields(kHot)), hot);
}

TEST(Style7, ColoursDeriveFromTheClippedFaceColour) {
    // B = RGB(250, 10, 128): B0 = RGB(255, 18, 136), and the body runs from B0 + 15
    // to B0 - 15, not to B - 7.
    const ButtonFields f = fields(kNormal, 0x00800AFAu, rgb(10, 36, 106));
    const Surface low = painted(20, 5, f);
    EXPECT_EQ(low.pixel(0, 0), rgb(255, 18, 136));
    EXPECT_EQ(low.pixel(5, 1), rgb(255, 33, 151));
    EXPECT_EQ(low.pixel(5, 3), rgb(240, 3, 121));
    const Surface s = painted(20, 12, f);
    EXPECT_EQ(s.pixel(5, 0), rgb(159, 0, 40));    // E = B0 - 96
    EXPECT_EQ(s.pixel(1, 0), rgb(229, 0, 107));   // S = B - 21, from B itself
    EXPECT_EQ(s.pixel(5, 1), rgb(255, 31, 149));  // the top line B + 21
    // The top byte of BackColor plays no part.
    EXPECT_EQ(painted(20, 12, fields(kNormal, 0x80800AFAu, rgb(10, 36, 106))).image(), s.image());
}

TEST(Style7, HighlightFrameWhileHotOrFocusedAtRest) {
    for (int state : {kNormal, kHot, kPressed, kDisabled}) {
        for (bool focus : {false, true}) {
            for (bool show_focus : {false, true}) {
                ButtonFields f = grey_fields(state, focus);
                f.ShowFocus = show_focus;
                const Surface s = painted(30, 12, f);
                const bool framed = state == kHot || (state == kNormal && focus);
                EXPECT_EQ(s.pixel(15, 2) == rgb(31, 57, 127) && s.pixel(15, 9) == rgb(5, 31, 101), framed)
                    << state << " " << focus << " " << show_focus;
            }
        }
    }
    // Without custom colours the frame takes the system's highlight, read at each paint.
    ButtonFields f = fields(kHot, rgb(9, 99, 199), rgb(99, 9, 9), true);
    f.UseCustomColors = false;
    SystemColours colours;
    colours.set(kColorBtnFace, rgb(100, 120, 140));
    colours.set(kColorHighlight, rgb(200, 0, 50));
    const Surface s = painted(30, 12, f, colours);
    EXPECT_EQ(s.pixel(0, 0), rgb(124, 144, 164));
    EXPECT_EQ(s.pixel(5, 1), rgb(221, 21, 71));
    EXPECT_EQ(s.pixel(5, 10), rgb(179, 0, 29));
}

TEST(Style7, APressedButtonDrawsEveryPixelButTwoAndTheStripsInTheirOrder) {
    // A pressed button sets no background, so every pixel it leaves shows.
    for (int w : {3, 9, 30}) {
        for (int h : {6, 7, 21}) {
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
    // Three high the body has no rows: the face colour is all. Five high the strips
    // have none: the body and no outline. Four and six high their counts are
    // negative or positive, and the painting goes on.
    for (int state : {kNormal, kHot, kDisabled}) {
        SCOPED_TRACE(state);
        const Colour face = colour_clamp(grey(200), state == kHot ? 24 : state == kDisabled ? 18 : 8);
        const Surface three = painted(20, 3, grey_fields(state, true));
        for (int i = 0; i < 60; ++i) EXPECT_EQ(three.pixel(i % 20, i / 20), face) << i;
        const Surface five = painted(20, 5, grey_fields(state, true));
        EXPECT_TRUE(five.pixel(0, 2) == face && five.pixel(19, 2) == face);
        for (int h : {4, 6})
            EXPECT_EQ(painted(20, h, grey_fields(state)).pixel(5, 0), colour_clamp(face, -96)) << h;
    }
    // Pressed: two high stops at once, five high after the body; three and four high
    // go on without strips. Without a state nothing at all is painted.
    EXPECT_EQ(painted(20, 2, grey_fields(kPressed)).pixel(5, 1), kGround);
    const Surface five = painted(20, 5, grey_fields(kPressed));
    EXPECT_TRUE(five.pixel(5, 4) == grey(191) && five.pixel(5, 0) == kGround);
    for (int h : {3, 4}) EXPECT_EQ(painted(20, h, grey_fields(kPressed)).pixel(5, 0), grey(95)) << h;
    const Surface none = painted(20, 12, grey_fields(kNoState, true));
    EXPECT_TRUE(none.pixel(0, 0) == kGround && none.pixel(10, 6) == kGround);
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
