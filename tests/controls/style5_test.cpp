// Style 5, the screens' command buttons: the built-in look and the look from
// BackColor and HighlightColor in every state, the rings, the heights where a
// gradient has no rows, and a real button with its caption. Each gradient is checked
// at the rows that decide it, each line and corner group once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPoint>

#include <span>
#include <utility>
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
// BackColor B, and B + k for the k the look from BackColor uses.
constexpr Colour kBack = rgb(100, 150, 200);
constexpr Colour back_plus(int k) {
    return rgb(100 + k, 150 + k, 200 + k);
}

// The size of most buttons below.
constexpr int W = 40;
constexpr int H = 21;

ButtonFields fields(int state, bool focus = false, bool show_focus = false) {
    ButtonFields f;
    f.Style = 5;
    f.state = state;
    f.focus = focus;
    f.ShowFocus = show_focus;
    return f;
}

ButtonFields custom(int state, bool focus = false, bool show_focus = false, Colour back = kBack) {
    ButtonFields f = fields(state, focus, show_focus);
    f.UseCustomColors = true;
    f.BackColor = back;
    f.HighlightColor = rgb(40, 80, 200);
    return f;
}

// The painter the fields ask for (the one from BackColor with custom colours, else
// the built-in one) on a surface showing kGround.
Surface painted(int w, int h, const ButtonFields& f, const SystemColours& colours = SystemColours()) {
    Surface s(w, h);
    s.set_background(kGround);
    (f.UseCustomColors ? paint_style5 : paint_style5_fixed)(s, f, colours);
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

using Pixels = std::vector<QPoint>;
void expect_pixels(const Surface& s, const Pixels& pixels, Colour c) {
    for (const QPoint& p : pixels) EXPECT_EQ(s.pixel(p.x(), p.y()), c) << p.x() << "," << p.y();
}
// Columns x0 to x1 of row y in the colour.
void expect_row(const Surface& s, int y, int x0, int x1, Colour c) {
    for (int x = x0; x <= x1; ++x) EXPECT_EQ(s.pixel(x, y), c) << x << "," << y;
}

bool all_pixels_are(const Surface& s, Colour c) {
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.pixel(x, y) != c) return false;
        }
    }
    return true;
}

// The pixel groups at the corners of a W x H face: the extreme corners; diagonally
// inside each corner; the two beside each corner on the edge; the two beside each
// corner one pixel in.
const Pixels kExtremeCorners = {{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}};
const Pixels kInnerCorners = {{1, 1}, {1, H - 2}, {W - 2, 1}, {W - 2, H - 2}};
const Pixels kEdgePairs = {{0, 1},         {1, 0},         {1, H - 1}, {0, H - 2},
                           {W - 1, H - 2}, {W - 2, H - 1}, {W - 2, 0}, {W - 1, 1}};
const Pixels kInnerPairs = {{1, 2},         {2, 1},         {2, H - 2}, {1, H - 3},
                            {W - 2, H - 3}, {W - 3, H - 2}, {W - 3, 1}, {W - 2, 2}};

TEST(Style5, OutlineAndCornersInEveryState) {
    const Colour face = SystemColours().get(kColorBtnFace);
    const Colour b128 = rgb(0, 22, 72);
    struct Frame {
        ButtonFields f;
        Colour extreme;  // the extreme corners
        Colour sides;    // the sides, each `from` pixels short of both corners
        int from;
        Colour inner;  // diagonally inside the corners
        Colour edge;   // beside the corners on the edge
    };
    // The built-in border with its softened corners, also under the rings; the
    // disabled outline round the whole face; from BackColor, B-128 with B-21 beside
    // the corners (pressed: one pixel short of the corners, B-96 inside them, no
    // fill), disabled B-64 with B-53 at the corners.
    const Frame frames[] = {
        {fields(kNormal, true), face, kBorder, 2, 0x00906E48u, 0x00A28B6Au},
        {fields(kHot), face, kBorder, 2, 0x00906E48u, 0x00A28B6Au},
        {fields(kPressed, true), face, kBorder, 2, 0x00906E48u, 0x00A28B6Au},
        {fields(kDisabled, true), 0x00BAC7C9u, 0x00BAC7C9u, 2, 0x00C7D5D8u, 0x00C7D5D8u},
        {custom(kNormal, true, true), kBack, b128, 2, b128, back_plus(-21)},
        {custom(kHot), kBack, b128, 2, b128, back_plus(-21)},
        {custom(kPressed), kGround, b128, 1, back_plus(-96), b128},
        {custom(kDisabled), back_plus(-64), back_plus(-64), 2, back_plus(-53), back_plus(-53)},
    };
    for (const Frame& e : frames) {
        SCOPED_TRACE(testing::Message() << "state " << e.f.state << (e.f.UseCustomColors ? " custom" : ""));
        const Surface s = painted(W, H, e.f);
        expect_pixels(s, kExtremeCorners, e.extreme);
        expect_row(s, 0, e.from, W - 1 - e.from, e.sides);
        expect_row(s, H - 1, e.from, W - 1 - e.from, e.sides);
        for (int y = e.from; y <= H - 1 - e.from; ++y)
            EXPECT_TRUE(s.pixel(0, y) == e.sides && s.pixel(W - 1, y) == e.sides) << y;
        expect_pixels(s, kInnerCorners, e.inner);
        expect_pixels(s, kEdgePairs, e.edge);
    }
}

TEST(Style5, HotRingAlwaysFocusRingOnlyAtRest) {
    struct Ring {
        ButtonFields f;
        Colour top, upper, lower, bottom;  // rows 1, 2, H-3 and H-2
        Colour middle;                     // half way down the side bands, halves to even
        Colour body;                       // inside the ring on that row
    };
    // The built-in hot ring, and the focus ring at rest whatever ShowFocus says; from
    // BackColor the hot ring is HighlightColor RGB(40, 80, 200) plus 85, 69, 16 and
    // 0, and at rest with the focus and ShowFocus the same from the system highlight
    // RGB(10, 36, 106). The body from BackColor on row 10 is 92.5 and a hair, the step
    // being held in single precision: 93.
    const Ring rings[] = {
        {fields(kHot), 0x00CFF0FFu, 0x0089D8FDu, 0x0030B3F8u, 0x001097E5u, rgb(250, 198, 92),
         rgb(245, 245, 242)},
        {fields(kNormal, true), 0x00FFE7CEu, 0x00F6D4BCu, 0x00E4AD89u, 0x00EE8269u, rgb(162, 192, 237),
         rgb(245, 245, 242)},
        {custom(kHot), rgb(125, 165, 255), rgb(109, 149, 255), rgb(56, 96, 216), rgb(40, 80, 200),
         rgb(82, 122, 236), rgb(93, 143, 193)},
        {custom(kNormal, true, true), rgb(95, 121, 191), rgb(79, 105, 175), rgb(26, 52, 122),
         rgb(10, 36, 106), rgb(52, 78, 148), rgb(93, 143, 193)},
    };
    for (const Ring& e : rings) {
        SCOPED_TRACE(testing::Message() << "state " << e.f.state << (e.f.UseCustomColors ? " custom" : ""));
        const Surface s = painted(W, H, e.f);
        expect_row(s, 1, 2, W - 3, e.top);
        expect_row(s, 2, 1, W - 2, e.upper);
        expect_row(s, H - 3, 1, W - 2, e.lower);
        expect_row(s, H - 2, 2, W - 3, e.bottom);
        for (int x : {1, 2, W - 3, W - 2}) EXPECT_EQ(s.pixel(x, 10), e.middle) << x;
        EXPECT_TRUE(s.pixel(3, 10) == e.body && s.pixel(W - 4, 10) == e.body);
    }
    // No ring: ShowFocus without the focus; from BackColor, the focus without
    // ShowFocus; pressed and disabled buttons. A hot button is the same with the focus.
    const std::pair<ButtonFields, ButtonFields> alike[] = {
        {fields(kNormal, false, true), fields(kNormal)},
        {fields(kHot, true), fields(kHot)},
        {fields(kPressed, true, true), fields(kPressed)},
        {fields(kDisabled, true, true), fields(kDisabled)},
        {custom(kNormal, true), custom(kNormal)},
        {custom(kNormal, false, true), custom(kNormal)},
        {custom(kHot, true, true), custom(kHot)},
        {custom(kPressed, true, true), custom(kPressed)},
        {custom(kDisabled, true, true), custom(kDisabled)},
    };
    for (const auto& [with, without] : alike) {
        EXPECT_EQ(painted(W, H, with).image(), painted(W, H, without).image())
            << "state " << with.state << (with.UseCustomColors ? " custom" : "");
    }
    // Four pixels high, rows 1 and H-3 coincide, and so do rows 2 and H-2: the hot
    // ring ends with its bottom row, the built-in focus ring starts with it.
    const Surface low_hot = painted(20, 4, fields(kHot));
    EXPECT_TRUE(low_hot.pixel(5, 1) == 0x0030B3F8u && low_hot.pixel(5, 2) == 0x001097E5u);
    const Surface low_focus = painted(20, 4, fields(kNormal, true));
    EXPECT_TRUE(low_focus.pixel(5, 1) == 0x00E4AD89u && low_focus.pixel(5, 2) == 0x00F6D4BCu);
}

TEST(Style5Fixed, FacesInEveryState) {
    // At rest: the top band from &H00FBFCFC (rows 1 to 3 show), the middle band over
    // rows 4 to 16 (row 10: 245.4, 242.1), the bottom band in steps of (-7, -9, -11),
    // the two shading columns at the right from row 3 (row 18: 229.44 ...).
    const Surface rest = painted(W, H, fields(kNormal));
    expect_pixels(rest, kInnerPairs, 0x00CAC7BFu);
    const Probe rest_bands[] = {{5, 1, 0x00FBFCFCu},      {1, 3, 0x00F6F6F6u},     {1, 4, 0x00F9FAFAu},
                                {W - 4, 10, 0x00F2F5F5u}, {5, 16, 0x00EBF1F1u},    {1, 17, 0x00E6EBEBu},
                                {5, 19, 0x00D0D9DDu},     {W - 3, 3, 0x00FAFBFBu}, {W - 2, 3, 0x00F2F4F5u},
                                {W - 3, 18, 0x00DCE4E5u}, {W - 2, 16, 0x00D4DCE0u}};
    expect_probes(rest, rest_bands);
    // Pressed: darkest at the top, the shading columns at the left (column 1 from row
    // 3, column 2 from row 4; row 11 is 222.5, to the even 222), the bottom band from
    // column 3.
    const Surface down = painted(W, H, fields(kPressed));
    expect_pixels(down, kInnerPairs, 0x00CAC7BFu);
    const Probe down_bands[] = {{5, 1, 0x00C1CCD1u},  {W - 2, 3, 0x00CED8DAu}, {W - 2, 4, 0x00DCE3E4u},
                                {5, 16, 0x00DBE2E3u}, {3, 17, 0x00DBE2E3u},    {5, 19, 0x00E8ECEDu},
                                {1, 3, 0x00CED8DAu},  {1, 17, 0x00D9E1E2u},    {2, 3, 0x00CED8DAu},
                                {2, 4, 0x00CED8DAu},  {2, 11, 0x00D4DDDEu},    {2, 18, 0x00DBE2E3u}};
    expect_probes(down, down_bands);
    // Disabled: a flat pale face.
    expect_row(painted(W, H, fields(kDisabled)), 2, 2, W - 3, 0x00EAF4F5u);
    // No state yet: the current button-face colour and nothing more.
    SystemColours changed;
    changed.set(kColorBtnFace, rgb(90, 100, 110));
    EXPECT_TRUE(all_pixels_are(painted(W, H, fields(kNoState, true), changed), rgb(90, 100, 110)));
}

TEST(Style5Custom, FacesInEveryState) {
    // At rest: rows 1, 2, H-4, H-3 and H-2 in B+5, B+2, B-16, B-24 and B-37 (row 2
    // also over both side strips), the body B to B-15 between them, and the strips:
    // B+21 to B-21 at column 1 (row 7: 107.9), B-5 to B-32 at column W-2 (86.6).
    const Surface s = painted(W, H, custom(kNormal));
    expect_row(s, 1, 2, W - 3, back_plus(5));
    expect_row(s, 2, 1, W - 2, back_plus(2));
    expect_row(s, H - 4, 2, W - 3, back_plus(-16));
    expect_row(s, H - 3, 2, W - 3, back_plus(-24));
    expect_row(s, H - 2, 2, W - 3, back_plus(-37));
    const Probe rest[] = {{5, 7, back_plus(-5)},
                          {1, 7, back_plus(8)},
                          {1, H - 3, back_plus(-21)},
                          {W - 2, 7, back_plus(-13)},
                          {W - 2, H - 3, back_plus(-32)}};
    expect_probes(s, rest);
    // Each channel is held within 0 to 255.
    const Surface white = painted(W, H, custom(kNormal, false, false, rgb(255, 255, 255)));
    EXPECT_TRUE(white.pixel(5, 1) == rgb(255, 255, 255) && white.pixel(5, 0) == rgb(127, 127, 127));
    EXPECT_EQ(painted(W, H, custom(kNormal, false, false, rgb(0, 0, 0))).pixel(5, H - 2), rgb(0, 0, 0));

    // Pressed: the pixels beside the corners one pixel in; the top band B-37 to B-21,
    // the middle band B-21 to B-5 (row 10: 86.4), the bottom band B-5 to B+5 from
    // column 3; column 1 from B-32 to B-22, column 2 from B-24 to B-15.
    const Probe pressed[] = {
        {1, 2, back_plus(-48)},       {2, 1, back_plus(-48)},     {W - 3, 1, back_plus(-48)},
        {2, H - 2, back_plus(-5)},    {1, H - 3, back_plus(-16)}, {W - 2, H - 3, back_plus(18)},
        {W - 3, H - 2, back_plus(8)}, {W - 2, 2, back_plus(-37)}, {5, 1, back_plus(-37)},
        {W - 2, 3, back_plus(-29)},   {W - 2, 4, back_plus(-21)}, {5, 10, back_plus(-14)},
        {5, H - 5, back_plus(-6)},    {3, H - 4, back_plus(-5)},  {5, H - 2, back_plus(2)},
        {1, 3, back_plus(-32)},       {1, H - 4, back_plus(-23)}, {2, 4, back_plus(-24)},
        {2, H - 3, back_plus(-15)}};
    expect_probes(painted(W, H, custom(kPressed)), pressed);
    // Disabled: the plain fill. No state yet: not even the fill.
    expect_row(painted(W, H, custom(kDisabled)), 2, 2, W - 3, kBack);
    EXPECT_TRUE(all_pixels_are(painted(W, H, custom(kNoState, true, true)), kGround));

    // A system colour reference fills in its colour but shades from its low bytes; a
    // value that names no colour cannot be a background, and nothing is painted.
    const Colour face = SystemColours().get(kColorBtnFace);
    const Surface system = painted(W, H, custom(kNormal, false, false, 0x8000000Fu));
    EXPECT_EQ(system.pixel(0, 0), face);
    EXPECT_EQ(system.pixel(5, 1), rgb(20, 5, 5));  // B+5 of RGB(15, 0, 0)
    EXPECT_EQ(painted(W, H, custom(kDisabled, false, false, 0x8000000Fu)).pixel(10, 10), face);
    EXPECT_TRUE(all_pixels_are(painted(W, H, custom(kNormal, false, false, 0x01000000u)), kGround));
}

TEST(Style5, AGradientWithoutRowsEndsThePainting) {
    const Colour face = SystemColours().get(kColorBtnFace);
    const auto b = [](int k) { return colour_clamp(kBack, k); };
    struct Low {
        ButtonFields f;
        int h;
        std::vector<Probe> probes;
    };
    // The built-in face eight high: the middle band has no rows, only the top band
    // is left; five high, the first shading column has none, the bottom band is the
    // last. Pressed, seven high stops before the second shading column, eight high
    // after the top band, five high after the bottom band. From BackColor, five high
    // the first strip stops it after the body; pressed, eight high the top band is
    // all, seven high everything up to the second shading column.
    const std::vector<Probe> eight = {{3, 1, 0x00FBFCFCu}, {3, 5, 0x00F0F0F0u}, {17, 3, 0x00F6F6F6u},
                                      {3, 6, face},        {0, 3, face},        {3, 0, face}};
    const Low lows[] = {
        {fields(kNormal, true), 8, eight},
        {fields(kHot, true), 8, eight},
        {fields(kNormal), 5, {{5, 1, 0x00E6EBEBu}, {17, 3, 0x00D0D9DDu}, {0, 2, face}}},
        {fields(kPressed), 7, {{1, 3, 0x00CED8DAu}, {2, 4, 0x00D5DDDFu}, {0, 3, face}}},
        {fields(kPressed), 8, {{5, 5, 0x00DCE3E4u}, {1, 3, face}}},
        {fields(kPressed), 5, {{0, 2, face}}},
        {custom(kHot), 5, {{1, 1, kBack}, {1, 3, b(-15)}, {0, 2, kBack}}},
        {custom(kPressed), 8, {{5, 1, b(-37)}, {5, 5, b(-21)}, {5, 6, kGround}, {0, 3, kGround}}},
        {custom(kPressed), 7, {{1, 3, b(-32)}, {1, 2, kGround}, {5, 0, kGround}}},
        {custom(kPressed), 5, {{0, 2, kGround}}},
    };
    for (const Low& e : lows) {
        SCOPED_TRACE(testing::Message()
                     << e.h << " high, state " << e.f.state << (e.f.UseCustomColors ? " custom" : ""));
        expect_probes(painted(20, e.h, e.f), e.probes);
    }
    // Three high, the body from BackColor has no rows: the fill is all there is.
    for (int state : {kNormal, kHot}) EXPECT_TRUE(all_pixels_are(painted(20, 3, custom(state)), kBack));
    // One pixel more or less and the painting runs to its end.
    for (int h : {4, 6, 9, 10}) {
        for (int state : {kNormal, kHot, kPressed}) {
            EXPECT_EQ(painted(20, h, fields(state)).pixel(3, 0), kBorder) << h << " " << state;
            EXPECT_EQ(painted(20, h, custom(state)).pixel(5, 0), b(-128)) << h << " " << state;
        }
    }
}

// Brings a style-5 button read from its form into each state through its own input,
// and checks that its surface is the painter's face with the caption drawn over it,
// inside the caption's rectangle only.
void check_states_of_a_real_button(int w, int h, bool custom_colours) {
    ControlHost host;
    ThemeButton b(host, QStringLiteral("cmdGioca"));
    PropertyBag bag;
    bag.write_always(QStringLiteral("Style"), qint64(5));
    bag.write_always(QStringLiteral("Caption"), QStringLiteral("Nuova partita"));
    bag.write_always(QStringLiteral("USeCustomColors"), custom_colours);
    bag.write_always(QStringLiteral("ShowFocus"), true);
    bag.write_always(QStringLiteral("BackColor"), qint64(rgb(230, 220, 190)));
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
        (custom_colours ? paint_style5 : paint_style5_fixed)(face, b.fields(), host.colours());
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
    const auto send = [&](QEvent&& event) { QApplication::sendEvent(&b, &event); };
    check(kNormal, false, "normal");
    send(QFocusEvent(QEvent::FocusIn));
    check(kNormal, true, "focused");
    send(QEnterEvent(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5)));
    check(kHot, true, "hot with the focus");
    send(QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier));
    check(kPressed, true, "pressed");
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
