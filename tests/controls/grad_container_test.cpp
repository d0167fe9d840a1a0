// The gradient container as its forms use it: the look of a new one, of the card
// table's button strip and of the main menu's background, its border and window
// outline, its stored properties, its setters, MouseMove and transparent mode.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "controls/gradient_container/grad_container.h"
#include "controls/gradient_container/gradient_engine.h"
#include "controls/platform/fonts.h"
#include "controls/platform/regions.h"
#include "tests/controls/outline_checks.h"
#include "tests/support/qt_printers.h"

namespace tavolora::controls {
namespace {

constexpr Colour kShown = rgb(0, 128, 0);  // the surface where nothing is painted
constexpr Colour kRed = rgb(250, 0, 0);
// The body of a new container: BackColor1 and BackColor2.
constexpr Colour kBody1 = rgb(220, 232, 250);
constexpr Colour kBody2 = rgb(239, 244, 252);

using Values = std::vector<std::pair<const char*, PropertyValue>>;

PropertyBag bag_of(const Values& values) {
    PropertyBag bag;
    for (const auto& [name, value] : values) bag.write_always(QLatin1String(name), value);
    return bag;
}

// A container read from `stored` (or new), at the given size and shown.
std::unique_ptr<GradContainer> shown(ControlHost& host, int w, int h, const Values* stored = nullptr,
                                     QWidget* parent = nullptr) {
    auto c = std::make_unique<GradContainer>(host, QStringLiteral("Box"), parent);
    if (stored)
        c->ReadProperties(bag_of(*stored));
    else
        c->InitProperties();
    c->resize(w, h);
    c->show();
    return c;
}

QImage red_icon(int w, int h) {
    QImage icon(w, h, QImage::Format_RGB32);
    icon.fill(qRgb(250, 0, 0));
    return icon;
}

// Pixels of a box far darker than every band colour: the caption's ink.
int dark_pixels(const Surface& s, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            count += red_of(s.pixel(x, y)) < 90 && green_of(s.pixel(x, y)) < 110;
    }
    return count;
}

void expect_at(const Surface& s, std::initializer_list<QPoint> points, Colour c) {
    for (const QPoint p : points) EXPECT_EQ(s.pixel(p.x(), p.y()), c) << p.x() << "," << p.y();
}

TEST(GradContainer, NewInstanceShowsItsShadedBodyBandAndRoundedBorder) {
    ControlHost host;
    auto c = shown(host, 200, 151);
    const Surface& s = c->surface();
    // The body, middle-out at 180 degrees: BackColor1 across the middle, BackColor2
    // at the bottom (under the ring; the row above is the ramp's position 1). The
    // band: HeaderColor1 across its middle, HeaderColor2 on its lowest row, the
    // ramp's position 1 on its top row, the caption at the left.
    EXPECT_EQ(s.pixel(100, 75), kBody1);
    EXPECT_EQ(s.pixel(100, 149), gradient_table(kBody2, kBody1, 150, true)[1]);
    EXPECT_EQ(s.pixel(190, 12), rgb(167, 197, 237));
    EXPECT_EQ(s.pixel(190, 24), rgb(211, 224, 247));
    EXPECT_EQ(s.pixel(190, 1), gradient_table(rgb(211, 224, 247), rgb(167, 197, 237), 24, true)[23]);
    EXPECT_GT(dark_pixels(s, 5, 2, 120, 23), 20);
    EXPECT_EQ(dark_pixels(s, 130, 2, 195, 23), 0);
    // A one-pixel ring along the outline, on the first and last column and row; the
    // window is cut to it, the four corners alike.
    expect_at(s, {{0, 75}, {199, 75}, {100, 0}, {100, 150}, {1, 1}, {198, 149}}, rgb(173, 193, 220));
    EXPECT_TRUE(s.pixel(1, 75) != rgb(173, 193, 220) && s.pixel(198, 75) != rgb(173, 193, 220));
    EXPECT_EQ(c->mask(), round_rect_region(0, 0, 200, 151, 10, 10));
    EXPECT_TRUE(corners_cut_alike(c->mask(), 200, 151, 5));

    // Without curvature the window keeps all of its 120 x 60 pixels and a thick
    // border is a square frame as wide on all four sides; without thickness, no
    // ring but the window still whole.
    c->resize(120, 60);
    c->set_BorderColor(kRed);
    c->set_BorderThickness(4);
    c->set_Curvature(0);
    EXPECT_EQ(c->mask(), QRegion(0, 0, 120, 60));
    EXPECT_EQ(pixel_count(c->mask()), 7200);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 120; ++x) {
            const bool frame = std::min({x, y, 119 - x, 59 - y}) < 4;
            ASSERT_EQ(s.pixel(x, y) == kRed, frame) << x << "," << y;
        }
    }
    c->set_BorderThickness(0);
    for (const QPoint p : {QPoint(0, 30), QPoint(119, 30), QPoint(60, 0), QPoint(60, 59)})
        EXPECT_NE(s.pixel(p.x(), p.y()), kRed) << p.x() << "," << p.y();
    EXPECT_EQ(pixel_count(c->mask()), 7200);
}

TEST(GradContainer, OutlineIsGivenOnlyWhenSizeOrCurvatureChange) {
    ControlHost host;
    auto c = shown(host, 100, 80);
    EXPECT_EQ(c->outlines_applied(), 1);
    c->set_BackColor1(rgb(1, 2, 3));
    c->set_BorderThickness(3);
    c->set_Curvature(10);
    c->RedrawAll();
    c->repaint();
    EXPECT_EQ(c->outlines_applied(), 1);
    c->set_Curvature(6);
    c->resize(120, 80);
    EXPECT_EQ(c->outlines_applied(), 3);
    // Transparent mode keeps the outline of the last plain repaint.
    c->set_Transparent(true);
    c->resize(130, 80);
    EXPECT_EQ(c->outlines_applied(), 3);
    EXPECT_EQ(c->mask(), round_rect_region(0, 0, 120, 80, 6, 6));
    c->set_Transparent(false);
    EXPECT_EQ(c->outlines_applied(), 4);
    EXPECT_EQ(c->mask(), round_rect_region(0, 0, 130, 80, 6, 6));
}

// A rounded outline exposes the window as a region of many rectangles, drawn one
// at a time: every pixel inside the outline is the surface's, none outside it is
// touched, and a child covering part of the body keeps its own pixels.
TEST(GradContainer, TheWindowShowsItsSurfaceExactlyInsideItsOutline) {
    ControlHost host;
    auto c = shown(host, 120, 90);
    c->set_Curvature(24);
    c->RedrawAll();
    auto* child = new QWidget(c.get());
    child->setGeometry(40, 30, 30, 20);
    child->setAutoFillBackground(true);
    QPalette palette = child->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    child->setPalette(palette);
    child->show();
    const QRegion outline = c->mask();
    ASSERT_GT(outline.rectCount(), 8);

    const QRgb untouched = qRgb(1, 2, 3);
    QImage shown_image(c->size(), QImage::Format_RGB32);
    shown_image.fill(untouched);
    c->render(&shown_image);
    const QImage& surface = c->surface().image();
    for (int y = 0; y < c->height(); ++y) {
        for (int x = 0; x < c->width(); ++x) {
            const QRgb want = child->geometry().contains(x, y) ? qRgb(0, 0, 255)
                              : outline.contains(QPoint(x, y)) ? surface.pixel(x, y)
                                                               : untouched;
            ASSERT_EQ(shown_image.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(GradContainer, StoredPropertiesRoundTrip) {
    ControlHost host;
    // A new container stores only its IconSize 0, which differs from the default 1.
    GradContainer c(host, QStringLiteral("Box"));
    c.InitProperties();
    c.resize(40, 30);
    c.show();
    PropertyBag bag;
    c.WriteProperties(bag);
    EXPECT_EQ(bag.size(), 1);
    EXPECT_EQ(bag.read_int(QStringLiteral("iconsize"), 1), 0);
    c.ReadProperties(PropertyBag());
    EXPECT_EQ(c.IconSize(), 1);  // nothing stored: the icon is fitted
    EXPECT_EQ(c.CaptionFont(), std::optional<QFont>(host.form_font()));

    // Every property away from its default comes back as it went, stored directly:
    // no notice, no repaint, BackAngle not clamped.
    // clang-format off
    const Values all = {
        {"HeaderAngle", qint64(-30)}, {"BackAngle", qint64(400)}, {"IconSize", qint64(7)},
        {"HeaderColor2", qint64(5)}, {"HeaderColor1", qint64(4)}, {"BackColor2", qint64(0x80000005)},
        {"BackColor1", qint64(1)}, {"BorderColor", qint64(3)}, {"CaptionColor", qint64(6)},
        {"Caption", QStringLiteral("Menù di gioco")}, {"CaptionAlignment", qint64(2)},
        {"HeaderHeight", qint64(18)}, {"CaptionFont", form_font(QStringLiteral("Verdana"), 12, true)},
        {"Curvature", qint64(5)}, {"HeaderIcon", red_icon(5, 4)}, {"Enabled", true},
        {"BorderThickness", qint64(-2)}, {"BackMiddleOut", false}, {"HeaderMiddleOut", false},
        {"HeaderVisible", false}, {"Transparent", true}, {"ScaleLeft", 1.5}, {"ScaleTop", -2.25}
    };
    // clang-format on
    int notices = 0;
    QObject::connect(&c, &GradContainer::PropertyChanged, [&] { ++notices; });
    const QImage before = c.surface().image();
    c.ReadProperties(bag_of(all));
    EXPECT_EQ(notices, 0);
    EXPECT_EQ(c.surface().image(), before);
    EXPECT_EQ(c.BackAngle(), 400);
    PropertyBag again;
    c.WriteProperties(again);
    EXPECT_EQ(again.size(), 23);
    for (const auto& [name, value] : all)
        EXPECT_TRUE(again.read(QLatin1String(name), false) == value) << name;
}

TEST(GradContainer, SettersTellTheFormRepaintAndClampTheBodyAngle) {
    ControlHost host;
    auto c = shown(host, 80, 60);
    QWidget child(c.get());
    QStringList told;
    QObject::connect(c.get(), &GradContainer::PropertyChanged, [&](const QString& name) { told << name; });
    c->set_BackColor2(rgb(10, 20, 30));
    EXPECT_EQ(c->surface().pixel(40, 58), gradient_table(rgb(10, 20, 30), kBody1, 59, true)[1]);
    c->set_HeaderVisible(false);  // the body where the band was: row 10 is position 49, backwards
    EXPECT_EQ(c->surface().pixel(40, 10), gradient_table(rgb(10, 20, 30), kBody1, 59, true)[49]);
    // Enabled, ScaleLeft and ScaleTop are only kept: nothing repaints, nothing is disabled.
    const QImage before = c->surface().image();
    c->set_Enabled(true);
    c->set_Enabled(false);
    c->set_ScaleLeft(2);
    c->set_ScaleTop(3);
    EXPECT_FALSE(c->Enabled());
    EXPECT_TRUE(c->isEnabled() && child.isEnabled());
    EXPECT_EQ(c->surface().image(), before);
    EXPECT_EQ(told,
              (QStringList{"BackColor2", "HeaderVisible", "Enabled", "Enabled", "ScaleLeft", "ScaleTop"}));

    // The body angle is kept within 0 to 360 (360 paints as 0); the header's is taken
    // modulo 360 when painted.
    c->set_BackAngle(400);
    EXPECT_EQ(c->BackAngle(), 360);
    auto zero = shown(host, 80, 60);
    zero->set_HeaderVisible(false);
    zero->set_BackColor2(rgb(10, 20, 30));
    zero->set_BackAngle(0);
    EXPECT_EQ(c->surface().image(), zero->surface().image());
    c->set_BackAngle(-30);
    EXPECT_EQ(c->BackAngle(), 0);
    zero->set_HeaderVisible(true);
    zero->set_HeaderAngle(-30);
    c->set_HeaderVisible(true);
    c->set_HeaderAngle(330);
    EXPECT_EQ(zero->HeaderAngle(), -30);
    EXPECT_EQ(c->surface().image(), zero->surface().image());
}

TEST(GradContainer, MouseMovesReachTheFormWithButtonsShiftAndPixels) {
    ControlHost host;
    auto c = shown(host, 80, 60);
    EXPECT_TRUE(c->hasMouseTracking());
    std::vector<std::vector<float>> moves;
    QObject::connect(c.get(), &GradContainer::MouseMove, [&](int button, int shift, float x, float y) {
        moves.push_back({float(button), float(shift), x, y});
    });
    QMouseEvent drag(QEvent::MouseMove, QPointF(12.5, 7), c->mapToGlobal(QPointF(12.5, 7)), Qt::NoButton,
                     Qt::LeftButton | Qt::MiddleButton, Qt::ShiftModifier | Qt::AltModifier);
    QMouseEvent hover(QEvent::MouseMove, QPointF(30, 40), c->mapToGlobal(QPointF(30, 40)), Qt::NoButton,
                      Qt::RightButton, Qt::ControlModifier);
    QApplication::sendEvent(c.get(), &drag);
    QApplication::sendEvent(c.get(), &hover);
    EXPECT_EQ(moves, (std::vector<std::vector<float>>{{5, 5, 12.5f, 7}, {2, 2, 30, 40}}));
}

TEST(GradContainer, HeaderIconAndGradientsOfNoLength) {
    ControlHost host;
    auto c = shown(host, 200, 60);
    c->set_HeaderIcon(red_icon(16, 16));
    const Surface& s = c->surface();
    // At its own size at (thickness + 3, 2), the caption past the band's width;
    // fitted, 23 x 22 in a band 25 high.
    EXPECT_TRUE(s.pixel(4, 2) == kRed && s.pixel(19, 17) == kRed);
    EXPECT_TRUE(s.pixel(20, 17) != kRed && s.pixel(19, 18) != kRed && s.pixel(3, 2) != kRed);
    EXPECT_EQ(dark_pixels(s, 20, 2, 30, 23), 0);
    c->set_IconSize(1);
    EXPECT_EQ(s.pixel(26, 23), kRed);
    EXPECT_TRUE(s.pixel(27, 23) != kRed && s.pixel(26, 24) != kRed);
    // No font: no band, no caption, no icon.
    c->set_CaptionFont(std::nullopt);
    const Colour body_row_12 = gradient_table(kBody2, kBody1, 59, true)[47];
    expect_at(s, {{4, 12}, {60, 12}}, body_row_12);

    // A band one pixel high has no length: no band, but caption and icon as usual.
    c->set_CaptionFont(host.form_font());
    c->set_IconSize(0);
    c->set_BorderThickness(0);
    c->set_HeaderHeight(1);
    EXPECT_EQ(s.pixel(190, 0), gradient_table(kBody2, kBody1, 59, true)[59]);
    EXPECT_EQ(s.pixel(3, 2), kRed);
    EXPECT_GT(dark_pixels(s, 30, 0, 140, 8), 5);  // the caption, cut by the top edge

    // One pixel wide with upright lines: neither body nor band. The window keeps its
    // one column, which the border ring covers; without a border it shows the bare
    // surface.
    auto thin = shown(host, 1, 60);
    thin->set_BackAngle(90);
    thin->set_HeaderAngle(270);
    const Colour ring = thin->surface().pixel(0, 0);
    EXPECT_NE(ring, kShown);
    for (int y = 0; y < 60; ++y) EXPECT_EQ(thin->surface().pixel(0, y), ring) << y;
    EXPECT_EQ(thin->mask(), QRegion(0, 0, 1, 60));
    thin->set_BorderThickness(0);
    for (int y = 0; y < 60; ++y) EXPECT_EQ(thin->surface().pixel(0, y), kShown) << y;
    EXPECT_EQ(thin->outlines_applied(), 1);
    // No width at all: an outline with no pixels, given as a mask outside the
    // window, since an empty mask would show all of it.
    thin->resize(0, 60);
    EXPECT_FALSE(thin->mask().isEmpty());
    EXPECT_TRUE(thin->mask().intersected(QRect(0, 0, 1, 60)).isEmpty());
}

TEST(GradContainer, TransparentShowsTheFormBehindIt) {
    ControlHost host;
    QWidget form;
    form.resize(300, 200);
    form.show();
    auto c = shown(host, 50, 40, nullptr, &form);
    c->move(100, 20);
    Colour body = c->surface().pixel(30, 30);
    // Outside a form nothing is copied, over the picture as it was; a repaint clears it.
    c->set_Transparent(true);
    EXPECT_EQ(c->surface().pixel(30, 30), body);
    c->resize(50, 41);
    EXPECT_EQ(c->surface().pixel(30, 30), kShown);

    // On a form: the form's surface from the container's place. A form picture
    // narrower than the container leaves the rest as it was.
    host.form_surface = [&](const QWidget*) {
        QImage image(120, 200, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x, y, 7));
        }
        return image;
    };
    c->set_Transparent(false);
    body = c->surface().pixel(30, 30);
    c->set_Transparent(true);
    EXPECT_EQ(c->surface().pixel(0, 0), rgb(100, 20, 7));
    EXPECT_EQ(c->surface().pixel(19, 40), rgb(119, 60, 7));
    EXPECT_EQ(c->surface().pixel(30, 30), body);
}

// The forms' own containers. The card table's button strip: a green body under a
// band from white to blue with a centred caption, in a black ring with slightly
// rounded corners. The main menu's background: blue corners, a white streak at 60
// degrees through the middle and a square white frame four pixels wide.
TEST(GradContainer, CardTableStripAndMainMenuBackground) {
    ControlHost host;
    // clang-format off
    const Values strip_values = {
        {"Caption", QStringLiteral("Menù di gioco")}, {"CaptionAlignment", qint64(2)},
        {"HeaderHeight", qint64(18)}, {"HeaderColor1", qint64(0x00FFFFFF)},
        {"HeaderColor2", qint64(0x00D96C00)}, {"BackColor1", qint64(0x00004000)},
        {"BackColor2", qint64(0x00004000)}, {"BorderColor", qint64(0)}, {"CaptionColor", qint64(0)},
        {"Curvature", qint64(5)}, {"BackMiddleOut", false}, {"HeaderMiddleOut", false},
        {"CaptionFont", form_font(QStringLiteral("MS Sans Serif"), 8.25)}, {"IconSize", qint64(0)}
    };
    const Values menu_values = {
        {"BackAngle", qint64(60)}, {"BackColor1", qint64(0x00FFFFFF)}, {"BackColor2", qint64(0x00C00000)},
        {"BorderColor", qint64(0x00FFFFFF)}, {"BorderThickness", qint64(4)}, {"Curvature", qint64(0)},
        {"HeaderVisible", false}, {"Caption", QString()}, {"IconSize", qint64(0)}
    };
    // clang-format on
    auto strip = shown(host, 201, 169, &strip_values);
    const Surface& s = strip->surface();
    EXPECT_EQ(s.pixel(190, 1), rgb(240, 246, 253));
    EXPECT_EQ(s.pixel(190, 17), rgb(0, 108, 217));
    expect_at(s, {{100, 18}, {100, 100}, {5, 166}}, rgb(0, 64, 0));
    expect_at(s, {{0, 100}, {200, 100}, {100, 0}, {100, 168}, {1, 1}, {199, 167}}, rgb(0, 0, 0));
    EXPECT_TRUE(corners_cut_alike(strip->mask(), 201, 169, 3));
    EXPECT_GT(dark_pixels(s, 60, 2, 141, 17), 20);  // the caption in the middle, none near the ends
    EXPECT_EQ(dark_pixels(s, 2, 2, 40, 17) + dark_pixels(s, 161, 2, 198, 17), 0);

    auto menu = shown(host, 296, 474, &menu_values);
    const Surface& m = menu->surface();
    EXPECT_TRUE(red_of(m.pixel(5, 5)) < 40 && red_of(m.pixel(290, 468)) < 40);  // deep blue corners
    for (int d = 0; d < 4; ++d)
        expect_at(m, {{d, 200}, {295 - d, 200}, {150, d}, {150, 473 - d}}, rgb(255, 255, 255));
    EXPECT_NE(m.pixel(4, 10), rgb(255, 255, 255));
    EXPECT_EQ(menu->mask(), QRegion(0, 0, 296, 474));
    // Under the frame, 474 / 1.7320509 = 273.67: every line starts on the bottom
    // row, 274 along the run.
    menu->set_BorderThickness(0);
    const std::vector<Colour> run = gradient_table(rgb(0, 0, 192), rgb(255, 255, 255), 274 + 295, true);
    for (const int x : {0, 10, 100, 200, 295}) EXPECT_EQ(m.pixel(x, 473), run[x + 274]) << x;
    EXPECT_EQ(m.pixel(11, 473), rgb(255, 255, 255));  // the middle of the run, position 285
}

}  // namespace
}  // namespace tavolora::controls
