// The drawing surface, the button's primitives and colour arithmetic, and the
// window outlines, against the rules they follow.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "controls/button/button_region.h"
#include "controls/button/primitives.h"
#include "controls/platform/regions.h"

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

    // Style 10: a rounded rectangle one pixel larger than the surface, so that it
    // covers the whole W x H but its rounded corners.
    const QRegion ten = button_region(10, 100, 30);
    EXPECT_EQ(ten.boundingRect(), QRect(0, 0, 100, 30));
    EXPECT_FALSE(ten.contains(QPoint(0, 0)));
    EXPECT_TRUE(ten.contains(QPoint(50, 0)));
    EXPECT_TRUE(ten.contains(QPoint(0, 15)));
    EXPECT_EQ(button_region(0, 100, 30), QRegion(0, 0, 100, 30));
}

TEST(Outlines, RoundRectRegionsStopOnePixelShortAndRoundOnTheirEllipse) {
    const QRegion square = round_rect_region(0, 0, 50, 40, 0, 0);
    EXPECT_EQ(square, QRegion(0, 0, 49, 39));
    const QRegion five = round_rect_region(0, 0, 50, 40, 5, 5);
    EXPECT_FALSE(five.contains(QPoint(0, 0)));
    EXPECT_TRUE(five.contains(QPoint(1, 0)));
    EXPECT_TRUE(five.contains(QPoint(0, 1)));
    EXPECT_FALSE(five.contains(QPoint(48, 38)));
    EXPECT_TRUE(five.contains(QPoint(47, 38)));

    // The outline of the same rounded box follows the region's edge.
    Surface s = fresh(50, 40);
    s.round_rect(0, 0, 49, 39, 5, 5, kInk);
    EXPECT_EQ(s.pixel(0, 0), kGround);
    EXPECT_EQ(s.pixel(1, 0), kInk);
    EXPECT_EQ(s.pixel(25, 0), kInk);
    EXPECT_EQ(s.pixel(48, 20), kInk);
    EXPECT_EQ(s.pixel(25, 38), kInk);
    EXPECT_EQ(s.pixel(49, 20), kGround);
    EXPECT_EQ(s.pixel(25, 20), kGround);
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
