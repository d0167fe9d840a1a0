// The drawing surface, the button's primitives and colour arithmetic, and the
// window outlines, against the rules they follow.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "controls/button/button_region.h"
#include "controls/button/primitives.h"
#include "controls/platform/regions.h"
#include "tests/controls/outline_checks.h"

namespace tavolora::controls {
namespace {

constexpr Colour kGround = rgb(1, 2, 3);
constexpr Colour kInk = rgb(200, 10, 20);

Surface fresh(int w, int h) {
    Surface s(w, h);
    s.set_background(kGround);
    return s;
}

// The pixels of the surface that are not the ground, as (x, y).
std::set<std::pair<int, int>> inked(const Surface& s) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.pixel(x, y) != kGround) pixels.insert({x, y});
        }
    }
    return pixels;
}

TEST(ColourArithmetic, BlendShiftAndClampFollowTheirRules) {
    EXPECT_EQ(colour_blend(0x00808080u, 0x00C8D0D4u), 0x00A4A8AAu);
    EXPECT_EQ(colour_blend(0x00000000u, 0x00010101u), 0x00000000u);  // 0.5 to the even 0
    EXPECT_EQ(colour_blend(0x00000000u, 0x00030303u), 0x00020202u);  // 1.5 to the even 2
    EXPECT_EQ(colour_shift(0x00C8D0D4u, 32), 0x00CED5D9u);
    EXPECT_EQ(colour_shift(0x00123456u, 0), 0x00123456u);
    EXPECT_EQ(colour_shift(0x00123456u, 255), 0x00FFFFFFu);
    EXPECT_EQ(colour_clamp(0x00123456u, -300), 0x00000000u);
    EXPECT_EQ(colour_clamp(0x00123456u, 300), 0x00FFFFFFu);
    EXPECT_EQ(colour_clamp(rgb(250, 10, 128), 8), rgb(255, 18, 136));
}

TEST(ColourArithmetic, SystemColoursTranslateAndBadValuesFail) {
    SystemColours colours;
    EXPECT_EQ(colours.translate(0x00123456u), 0x00123456u);
    EXPECT_EQ(colours.translate(0x8000000Fu), colours.get(kColorBtnFace));
    EXPECT_EQ(colours.translate(0x80000011u), colours.get(kColorGrayText));
    EXPECT_EQ(colours.translate(0x80000040u), kBadColour);
    EXPECT_EQ(colours.translate(0x01000000u), kBadColour);
    colours.set(kColorBtnFace, rgb(1, 2, 3));
    EXPECT_EQ(colours.translate(0x8000000Fu), rgb(1, 2, 3));
}

TEST(Surface, LinesLeaveOutTheirEndAndRectanglesTheirRightAndBottom) {
    Surface s = fresh(10, 10);
    s.line(2, 3, 7, 3, kInk);
    EXPECT_EQ(inked(s), (std::set<std::pair<int, int>>{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}));
    s = fresh(10, 10);
    s.line(4, 4, 4, 4, kInk);
    EXPECT_TRUE(inked(s).empty());
    s = fresh(10, 10);
    s.line(6, 9, 9, 6, kInk);  // the diagonal of a corner: three pixels
    EXPECT_EQ(inked(s), (std::set<std::pair<int, int>>{{6, 9}, {7, 8}, {8, 7}}));
    s = fresh(10, 10);
    s.line(-20, 5, 30, 5, kInk);  // clipped to the surface, all ten columns
    EXPECT_EQ(inked(s).size(), 10u);

    s = fresh(10, 10);
    s.fill_rect(2, 2, 5, 4, kInk);
    EXPECT_EQ(inked(s).size(), 6u);
    EXPECT_EQ(s.pixel(4, 3), kInk);
    EXPECT_EQ(s.pixel(5, 3), kGround);
    EXPECT_EQ(s.pixel(4, 4), kGround);
    s = fresh(10, 10);
    draw_rectangle(s, 3, 3, 0, 4, kInk);
    draw_rectangle(s, 3, 3, -2, 4, kInk);
    EXPECT_TRUE(inked(s).empty());
}

TEST(Surface, RectOutlineIsTheRingOfItsColumnsAndRows) {
    Surface s = fresh(8, 6);
    draw_rect_outline(s, 0, 0, 7, 5, kInk);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool ring = x == 0 || y == 0 || x == 7 || y == 5;
            EXPECT_EQ(s.pixel(x, y) == kInk, ring) << x << "," << y;
        }
    }
    s = fresh(8, 6);
    draw_rect_outline(s, 2, 2, 0, 0, kInk);
    EXPECT_TRUE(inked(s).empty());
}

TEST(Gradients, RowsStepEvenlyAndEndOnTheSecondColour) {
    // The first gradient of the fixed style-5 face: five rows, n = 4.
    Surface s = fresh(12, 8);
    ASSERT_TRUE(gradient_vertical(s, 0x00FBFCFCu, 0x00F0F0F0u, 1, 1, 10, 4));
    EXPECT_EQ(s.pixel(3, 1), rgb(252, 252, 251));
    EXPECT_EQ(s.pixel(3, 2), rgb(249, 249, 248));
    EXPECT_EQ(s.pixel(3, 3), rgb(246, 246, 246));
    EXPECT_EQ(s.pixel(3, 4), rgb(243, 243, 243));
    EXPECT_EQ(s.pixel(3, 5), rgb(240, 240, 240));
    EXPECT_EQ(s.pixel(10, 3), kGround);  // x2 is left out
    EXPECT_EQ(s.pixel(3, 6), kGround);

    s = fresh(12, 8);
    ASSERT_TRUE(gradient_vertical(s, kInk, rgb(0, 0, 0), 0, 0, 12, 1));
    EXPECT_EQ(s.pixel(5, 0), kInk);
    EXPECT_EQ(s.pixel(5, 1), rgb(0, 0, 0));

    // No rows is the painters' fault and draws nothing; fewer than none is no fault.
    s = fresh(12, 8);
    EXPECT_FALSE(gradient_vertical(s, kInk, kInk, 0, 0, 12, 0));
    EXPECT_TRUE(gradient_vertical(s, kInk, kInk, 0, 0, 12, -1));
    EXPECT_FALSE(gradient_blend(s, kInk, kInk, 3, 0, 3, 1));
    EXPECT_TRUE(gradient_blend(s, kInk, kInk, 4, 0, 3, 1));
    EXPECT_TRUE(inked(s).empty());

    s = fresh(12, 8);
    ASSERT_TRUE(gradient_blend(s, rgb(0, 0, 0), rgb(100, 100, 100), 2, 3, 6, 4));
    EXPECT_EQ(s.pixel(2, 3), rgb(0, 0, 0));
    EXPECT_EQ(s.pixel(4, 3), rgb(50, 50, 50));
    EXPECT_EQ(s.pixel(6, 3), rgb(100, 100, 100));  // both ends of the row
    EXPECT_EQ(s.pixel(4, 4), kGround);
}

TEST(Gradients, TheStepIsSinglePrecisionTheProductDouble) {
    // (255 - 0) / 3 is 85 exactly; 100 / 3 in single precision is 33.33333206...,
    // times 3 in double precision is 99.9999962, which rounds to 100.
    EXPECT_EQ(gradient_channel(0, 100, 3, 3), 100);
    EXPECT_EQ(gradient_channel(0, 100, 3, 1), 33);
    EXPECT_EQ(gradient_channel(0, 5, 2, 1), 2);  // 2.5 to the even 2
    EXPECT_EQ(gradient_channel(0, 7, 2, 1), 4);  // 3.5 to the even 4
    EXPECT_EQ(gradient_channel(255, 255, 5, 4), 255);
}

TEST(PixelFrame, IsAnEtchedFrameInsideTheSurface) {
    Surface s = fresh(10, 8);
    const Colour a = rgb(10, 10, 10);
    const Colour b = rgb(250, 250, 250);
    const Colour c = rgb(100, 0, 0);
    draw_pixel_frame(s, 0, 0, 9, 7, a, b, c);
    EXPECT_EQ(s.pixel(0, 0), a);  // outer top and left
    EXPECT_EQ(s.pixel(4, 0), a);
    EXPECT_EQ(s.pixel(0, 3), a);
    EXPECT_EQ(s.pixel(1, 1), b);  // inner top and left
    EXPECT_EQ(s.pixel(4, 1), b);
    EXPECT_EQ(s.pixel(9, 3), b);  // outer right and bottom
    EXPECT_EQ(s.pixel(4, 7), b);
    EXPECT_EQ(s.pixel(8, 3), a);  // inner right and bottom
    EXPECT_EQ(s.pixel(4, 6), a);
    EXPECT_EQ(s.pixel(0, 7), c);  // the two corners the offset outlines leave open
    EXPECT_EQ(s.pixel(9, 0), c);
    EXPECT_EQ(s.pixel(1, 6), colour_blend(b, a));
    EXPECT_EQ(s.pixel(8, 1), colour_blend(b, a));
    EXPECT_EQ(s.pixel(4, 4), kGround);
}

TEST(Edges, RaisedAndSunkenRingsTakeTheSystemColours) {
    const SystemColours colours;
    Surface s = fresh(10, 8);
    draw_edge_coords(s, 0, 0, 10, 8, kEdgeRaised, colours);
    EXPECT_EQ(s.pixel(0, 0), colours.get(kColor3dLight));
    EXPECT_EQ(s.pixel(1, 1), colours.get(kColorBtnHighlight));
    EXPECT_EQ(s.pixel(9, 4), colours.get(kColor3dDkShadow));
    EXPECT_EQ(s.pixel(4, 7), colours.get(kColor3dDkShadow));
    EXPECT_EQ(s.pixel(8, 4), colours.get(kColorBtnShadow));
    EXPECT_EQ(s.pixel(9, 0), colours.get(kColor3dDkShadow));  // the dark lines run the full side
    EXPECT_EQ(s.pixel(4, 4), kGround);

    s = fresh(10, 8);
    draw_edge_coords(s, 0, 0, 10, 8, kEdgeSunken, colours);
    EXPECT_EQ(s.pixel(0, 3), colours.get(kColorBtnShadow));
    EXPECT_EQ(s.pixel(1, 3), colours.get(kColor3dDkShadow));
    EXPECT_EQ(s.pixel(9, 3), colours.get(kColorBtnHighlight));
    EXPECT_EQ(s.pixel(8, 3), colours.get(kColor3dLight));

    s = fresh(10, 8);
    draw_edge_coords(s, 0, 0, 10, 8, kBdrRaisedInner, colours);  // one ring at the edge
    EXPECT_EQ(s.pixel(0, 3), colours.get(kColorBtnHighlight));
    EXPECT_EQ(s.pixel(9, 3), colours.get(kColorBtnShadow));
    EXPECT_EQ(s.pixel(1, 3), kGround);
}

TEST(Outlines, ButtonPolygonsCutTheirCorners) {
    EXPECT_EQ(region_polygon(100, 30), (std::vector<QPoint>{{0, 1}, {1, 0}, {99, 0}, {100, 1}, {100, 28},
                                                            {98, 30}, {2, 30}, {0, 28}}));
    // Styles 5 and 7 leave out exactly the four extreme corners.
    const QRegion five = button_region(5, 100, 30);
    int missing = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 100; ++x) missing += !five.contains(QPoint(x, y));
    }
    EXPECT_EQ(missing, 4);
    for (QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 29), QPoint(99, 29)})
        EXPECT_FALSE(five.contains(corner));
    EXPECT_EQ(button_region(7, 100, 30), five);

    // Styles 8 and 9: cuts of 2 at the top left, 3 at the top right.
    const QRegion eight = button_region(8, 100, 30);
    EXPECT_FALSE(eight.contains(QPoint(1, 0)));
    EXPECT_TRUE(eight.contains(QPoint(2, 0)));
    EXPECT_FALSE(eight.contains(QPoint(97, 0)));
    EXPECT_TRUE(eight.contains(QPoint(96, 0)));
    EXPECT_FALSE(eight.contains(QPoint(99, 2)));
    EXPECT_TRUE(eight.contains(QPoint(99, 3)));

    // Style 10: a rounded rectangle one pixel larger than the surface each way.
    // The window clips the column and row past the surface; within it only the
    // rounded corners are missing, the two far ones a little less than the near.
    const QRegion ten = button_region(10, 100, 30);
    EXPECT_EQ(ten.boundingRect(), QRect(0, 0, 101, 31));
    for (const QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 29), QPoint(99, 29)})
        EXPECT_FALSE(ten.contains(corner)) << corner.x() << "," << corner.y();
    for (const QPoint edge : {QPoint(50, 0), QPoint(0, 15), QPoint(99, 15), QPoint(50, 29), QPoint(100, 15)})
        EXPECT_TRUE(ten.contains(edge)) << edge.x() << "," << edge.y();
    const QRegion on_surface = ten.intersected(QRect(0, 0, 100, 30));
    EXPECT_LT(pixel_count(on_surface.intersected(QRect(0, 0, 9, 9))),
              pixel_count(on_surface.intersected(QRect(91, 21, 9, 9))));
    EXPECT_EQ(button_region(0, 100, 30), QRegion(0, 0, 100, 30));
}

// A rounded rectangle region holds the pixels of the rectangle region of the same
// corners, less what the corner ellipses cut, alike at all four corners; the
// outline drawn over the same corners runs along its edge.
TEST(Outlines, RoundRectRegionsKeepTheirRectangleButTheCorners) {
    // Square corners: every pixel of the rectangle, wherever it lies.
    for (const int ellipse : {0, 1, -1})
        EXPECT_EQ(round_rect_region(0, 0, 50, 40, ellipse, ellipse), rect_region(0, 0, 50, 40)) << ellipse;
    EXPECT_EQ(pixel_count(round_rect_region(0, 0, 50, 40, 0, 0)), 2000);
    EXPECT_EQ(round_rect_region(4, 4, 56, 36, 0, 0), QRegion(4, 4, 52, 32));
    EXPECT_TRUE(round_rect_region(5, 5, 5, 40, 0, 0).isEmpty());
    // One pixel wide: no ellipse can cut more than half a pixel, so the column stays.
    EXPECT_EQ(round_rect_region(0, 0, 1, 60, 10, 10), QRegion(0, 0, 1, 60));

    // Rounded: the same cut at every corner, at even and odd sizes and ellipses,
    // an ellipse larger than the box taken at the box's size, a negative one at its
    // own size.
    struct Box {
        int w, h, ellipse, reach;
    };
    for (const Box b : {Box{50, 40, 5, 3}, Box{51, 39, 6, 3}, Box{120, 60, 18, 9}, Box{101, 31, 18, 9},
                        Box{20, 20, 18, 9}, Box{30, 24, 100, 15}, Box{40, 30, -10, 5}}) {
        const QRegion rounded = round_rect_region(0, 0, b.w, b.h, b.ellipse, b.ellipse);
        EXPECT_TRUE(corners_cut_alike(rounded, b.w, b.h, b.reach))
            << b.w << " x " << b.h << ", " << b.ellipse;
    }
    // A 5 x 5 ellipse takes exactly the four corner pixels.
    const QRegion five = round_rect_region(0, 0, 50, 40, 5, 5);
    EXPECT_EQ(pixel_count(five), 2000 - 4);
    EXPECT_TRUE(five.contains(QPoint(48, 39)) && five.contains(QPoint(49, 38)));

    // The outline of the same rounded box: exactly the region's pixels that touch
    // a pixel outside it.
    Surface s = fresh(50, 40);
    s.round_rect(0, 0, 50, 40, 5, 5, kInk);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 50; ++x) {
            const auto in = [&](int px, int py) { return five.contains(QPoint(px, py)); };
            const bool edge = in(x, y) && !(in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1));
            ASSERT_EQ(s.pixel(x, y) == kInk, edge) << x << "," << y;
        }
    }
}

TEST(TextFormats, SingleLineCaptionsStayWithinTheirRectangle) {
    Surface s = fresh(80, 30);
    ButtonFields f;
    f.state = kNormal;
    f.Caption = QStringLiteral("Gioca");
    f.inner = {4, 4, 76, 26};
    f.caption_format = kDtSingleLine | kDtVCenter | kDtCenter;
    f.font = QFont(QStringLiteral("DejaVu Sans"));
    f.font.setPixelSize(11);
    const SystemColours colours;
    draw_caption(s, f, colours);
    const auto pixels = inked(s);
    ASSERT_FALSE(pixels.empty());
    int left = 80;
    int right = 0;
    for (const auto& [x, y] : pixels) {
        EXPECT_GE(x, 4);
        EXPECT_LT(x, 76);
        EXPECT_GE(y, 4);
        EXPECT_LT(y, 26);
        left = std::min(left, x);
        right = std::max(right, x);
    }
    EXPECT_LE(std::abs((left + right) / 2 - 40), 2) << "centred";
}

}  // namespace
}  // namespace tavolora::controls
