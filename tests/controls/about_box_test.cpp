// The themed button's About box: its window, its texts' places, the "Close" button
// raised and pressed, pixel by pixel, and a click anywhere putting it away.
#include <gtest/gtest.h>

#include <QTest>

#include "controls/button/about_box.h"
#include "controls/button/theme_button.h"
#include "tests/support/qt_printers.h"

namespace tavolora::controls {
namespace {

// On the classic desktop's button face (212, 208, 200): "Close" shades from the face
// +15 to the face -15 over rows 80 to 106; rows 81 and 105 are the first and last
// that the frame does not cover.
constexpr Colour kRow81Raised = rgb(226, 222, 214);
constexpr Colour kRow105Raised = rgb(198, 194, 186);

// Whether anything but the face is drawn in columns left..right - 1, rows top..bottom - 1.
bool inked(const Surface& s, int left, int top, int right, int bottom, Colour face) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (s.pixel(x, y) != face) return true;
    return false;
}

TEST(AboutBox, ShowsAsATopmostWindowWithTheRecordedStyle) {
    ControlHost host;
    QWidget form;
    ThemeButton fresh(host, QStringLiteral("cmdNew"), &form);
    fresh.InitProperties();
    fresh.About();
    AboutBox* box = fresh.about_box();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isWindow());
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About ThemeButton 3.0"));
    EXPECT_EQ(box->size(), QSize(377, 145));
    EXPECT_EQ(box->window_style(), 0x44C60000u);  // the panel's recorded child style kept
    fresh.About();
    EXPECT_EQ(fresh.about_box(), box);
    EXPECT_TRUE(box->isVisible());

    // A button restored from a form never recorded the style.
    ThemeButton stored(host, QStringLiteral("cmdStored"), &form);
    stored.ReadProperties(PropertyBag{});
    stored.About();
    EXPECT_EQ(stored.about_box()->window_style(), 0x00C60000u);
}

TEST(AboutBox, TheRaisedCloseButtonAndTheTextLines) {
    SystemColours colours;
    QWidget button;
    AboutBox box(colours, &button);
    box.show_about(0);
    const Surface& s = box.surface();
    const Colour face = colours.get(kColorBtnFace);
    const Colour shadow = colours.get(kColorBtnShadow);

    for (int x : {293, 356}) {
        EXPECT_EQ(s.pixel(x, 81), kRow81Raised) << x;
        EXPECT_EQ(s.pixel(x, 105), kRow105Raised) << x;
    }
    // The frame: straight sides, cut corners, the right side one column past the
    // gradient.
    for (const QPoint p : {QPoint(300, 80), QPoint(357, 80), QPoint(300, 106), QPoint(290, 82),
                           QPoint(290, 103), QPoint(360, 82), QPoint(360, 104), QPoint(291, 81),
                           QPoint(359, 81), QPoint(291, 105), QPoint(359, 105), QPoint(358, 106)})
        EXPECT_EQ(s.pixel(p.x(), p.y()), shadow) << p.x() << "," << p.y();
    for (const QPoint p :
         {QPoint(290, 80), QPoint(291, 80), QPoint(290, 81), QPoint(360, 80), QPoint(359, 80),
          QPoint(360, 81), QPoint(290, 106), QPoint(291, 106), QPoint(290, 105), QPoint(360, 106),
          QPoint(359, 106), QPoint(360, 105), QPoint(289, 90), QPoint(361, 90), QPoint(320, 107)})
        EXPECT_EQ(s.pixel(p.x(), p.y()), face) << p.x() << "," << p.y();

    // The three lines lie in rows 70-90, 110-130 and 140 on, each within its columns.
    EXPECT_TRUE(inked(s, 160, 70, 290, 90, face));  // short of "Close"
    EXPECT_TRUE(inked(s, 20, 110, 250, 130, face));
    EXPECT_TRUE(inked(s, 20, 140, 250, 145, face));
    EXPECT_FALSE(inked(s, 0, 41, 377, 70, face));
    EXPECT_FALSE(inked(s, 0, 90, 290, 110, face));
    EXPECT_FALSE(inked(s, 0, 130, 377, 140, face));

    // Another button face: the shades follow it and stop at 0 and 255.
    colours.set(kColorBtnFace, rgb(250, 8, 128));
    box.show_about(0);
    EXPECT_EQ(s.pixel(300, 81), rgb(254, 22, 142));
    EXPECT_EQ(s.pixel(300, 105), rgb(236, 1, 114));
}

TEST(AboutBox, APressShowsThePressedLookAndAClickAnywhereHides) {
    SystemColours colours;
    QWidget button;
    AboutBox box(colours, &button);
    box.show_about(0);
    const QImage raised = box.surface().image().copy();

    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(30, 120));
    EXPECT_TRUE(box.pressed());
    EXPECT_EQ(box.surface().pixel(300, 81), kRow105Raised);
    EXPECT_EQ(box.surface().pixel(300, 105), kRow81Raised);
    EXPECT_EQ(box.surface().pixel(300, 80), colours.get(kColorBtnShadow));
    EXPECT_EQ(box.surface().pixel(290, 80), colours.get(kColorBtnFace));
    // Only "Close" is drawn again: every pixel outside it is as it was.
    QImage outside = box.surface().image().copy();
    QImage before = raised;
    for (QImage* image : {&outside, &before})
        for (int y = 80; y <= 106; ++y)
            for (int x = 290; x <= 360; ++x) image->setPixel(x, y, 0);
    EXPECT_EQ(outside, before);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(30, 120));
    EXPECT_TRUE(box.isHidden());

    // The next showing is raised again.
    box.show_about(0);
    EXPECT_FALSE(box.pressed());
    EXPECT_EQ(box.surface().image(), raised);

    // Another button, or a release dragged out of the box, is no click: the box stays
    // and "Close" stands up again.
    QTest::mousePress(&box, Qt::RightButton, {}, QPoint(300, 90));
    QTest::mouseRelease(&box, Qt::RightButton, {}, QPoint(300, 90));
    EXPECT_TRUE(box.isVisible());
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(300, 90));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(500, 90));
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(box.pressed());
    EXPECT_EQ(box.surface().image(), raised);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(300, 90));
    EXPECT_TRUE(box.isHidden());
}

}  // namespace
}  // namespace tavolora::controls
