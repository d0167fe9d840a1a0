// The themed button's tooltip window: what each entry builds from the settings of
// that moment, and the tip that shows after the hover delay and hides on leaving.
#include <gtest/gtest.h>

#include <QCursor>
#include <QElapsedTimer>
#include <QTest>

#include <memory>

#include "controls/button/theme_button.h"
#include "controls/button/tooltip.h"
#include "tests/support/qt_printers.h"

namespace tavolora::controls {
namespace {

constexpr Colour kPaleYellow = rgb(255, 255, 225);

TooltipSettings settings(int type, const QString& title = {}, int icon = 0, Colour back = 0,
                         Colour fore = 0) {
    return TooltipSettings{QStringLiteral("Deal the next hand"), title, icon, type, back, fore};
}

TEST(ButtonTooltipBuild, StyleTitleMessageAndColoursFollowTheSettings) {
    SystemColours colours;
    QWidget owner;
    ButtonTooltip tooltip;

    tooltip.build(&owner, settings(1), colours);
    EXPECT_EQ(tooltip.window()->style, 67);
    EXPECT_TRUE(tooltip.tip()->balloon());
    for (int type : {0, 2, -1}) {
        tooltip.build(&owner, settings(type), colours);
        EXPECT_EQ(tooltip.window()->style, 3) << type;
        EXPECT_FALSE(tooltip.tip()->balloon()) << type;
    }

    // The title goes to the window when there is a title or an icon.
    tooltip.build(&owner, settings(1, {}, 0), colours);
    EXPECT_FALSE(tooltip.window()->title_sent);
    tooltip.build(&owner, settings(1, {}, 1), colours);
    EXPECT_TRUE(tooltip.window()->title_sent);
    tooltip.build(&owner, settings(1, QStringLiteral("Hint"), 0), colours);
    EXPECT_TRUE(tooltip.window()->title_sent);

    // A colour of 0 is never sent; the others are translated first.
    tooltip.build(&owner, settings(0), colours);
    EXPECT_FALSE(tooltip.window()->fore.has_value());
    EXPECT_FALSE(tooltip.window()->back.has_value());
    tooltip.build(&owner, settings(0, {}, 0, 0x8000000Du, rgb(1, 2, 3)), colours);
    EXPECT_EQ(tooltip.window()->back, colours.get(kColorHighlight));
    EXPECT_EQ(tooltip.window()->fore, rgb(1, 2, 3));
    tooltip.build(&owner, settings(0, {}, 0, 0x01000000u, 0), colours);
    EXPECT_EQ(tooltip.window()->back, kBadColour);
}

TEST(ButtonTooltipBuild, TheTipIsDrawnInTheSentColoursOrTheSystemsTooltipColours) {
    SystemColours colours;
    QWidget owner;
    ButtonTooltip tooltip;
    for (const bool balloon : {false, true}) {
        tooltip.build(&owner, settings(balloon ? 1 : 0), colours);
        tooltip.tip()->pop_up(QPoint(100, 100));
        const QImage& picture = tooltip.tip()->picture();
        const QRect body = tooltip.tip()->body();
        const int y = body.center().y();
        EXPECT_EQ(from_qrgb(picture.pixel(body.left(), y)), colours.get(kColorInfoText)) << balloon;
        EXPECT_EQ(from_qrgb(picture.pixel(body.left() + 1, y)), colours.get(kColorInfoBk)) << balloon;

        tooltip.build(&owner, settings(balloon ? 1 : 0, {}, 0, rgb(40, 60, 140), rgb(250, 250, 250)),
                      colours);
        tooltip.tip()->pop_up(QPoint(100, 100));
        EXPECT_EQ(from_qrgb(tooltip.tip()->picture().pixel(body.left(), y)), rgb(250, 250, 250)) << balloon;
        EXPECT_EQ(from_qrgb(tooltip.tip()->picture().pixel(body.left() + 1, y)), rgb(40, 60, 140)) << balloon;
    }
}

TEST(TipWindow, ShapePlacementAndTitleRow) {
    SystemColours colours;
    QWidget owner;
    owner.show();
    ButtonTooltip tooltip;

    // The plain tip: a full rectangle with its top-left corner just under the pointer.
    tooltip.build(&owner, settings(0), colours);
    TipWindow* tip = tooltip.tip();
    tip->pop_up(QPoint(200, 150));
    EXPECT_TRUE(tip->isVisible());
    EXPECT_TRUE(tip->mask().isEmpty());
    EXPECT_EQ(tip->pos().x(), 200);
    EXPECT_GT(tip->pos().y(), 150);
    EXPECT_EQ(qAlpha(tip->picture().pixel(0, 0)), 255);
    const int plain_height = tip->height();

    // The balloon: rounded corners left out of the window, the stem pointing up at the
    // pointer's column.
    tooltip.build(&owner, settings(1), colours);
    tip = tooltip.tip();
    tip->pop_up(QPoint(200, 150));
    EXPECT_TRUE(tip->stem_up());
    EXPECT_GT(tip->pos().y(), 150);
    const QRect body = tip->body();
    EXPECT_EQ(qAlpha(tip->picture().pixel(body.left(), body.top())), 0);
    EXPECT_FALSE(tip->mask().contains(QPoint(body.left(), body.top())));
    EXPECT_TRUE(tip->mask().contains(QPoint(200 - tip->x(), 0)));  // the stem's point
    EXPECT_EQ(qAlpha(tip->picture().pixel(200 - tip->x(), 0)), 255);

    // Where the screen ends below, the balloon goes above the pointer, stem down.
    const QRect screen = tip->screen()->availableGeometry();
    tip->pop_up(QPoint(screen.right() - 2, screen.bottom() - 2));
    EXPECT_FALSE(tip->stem_up());
    EXPECT_LT(tip->geometry().bottom(), screen.bottom() - 2);
    EXPECT_TRUE(screen.contains(tip->geometry()));

    // A title row makes the tip taller; icons 1 to 3 draw a glyph, others none.
    for (int icon : {1, 2, 3}) {
        tooltip.build(&owner, settings(0, {}, icon), colours);
        tooltip.tip()->pop_up(QPoint(200, 150));
        EXPECT_GT(tooltip.tip()->height(), plain_height) << icon;
        EXPECT_FALSE(tooltip.tip()->icon_rect().isEmpty()) << icon;
    }
    tooltip.build(&owner, settings(0, QStringLiteral("Hint"), 7), colours);
    tooltip.tip()->pop_up(QPoint(200, 150));
    EXPECT_GT(tooltip.tip()->height(), plain_height);
    EXPECT_TRUE(tooltip.tip()->icon_rect().isEmpty());
}

// A running form with one button on it, and the pointer moved about it for real.
class TooltipHover : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<QWidget>();
        form_->setGeometry(100, 100, 300, 200);
        host_.set_standard_tooltip(QStringLiteral("cmdDeal"), QStringLiteral("Deal the next hand"));
        button_ = new ThemeButton(host_, QStringLiteral("cmdDeal"), form_.get());
        button_->setGeometry(40, 40, 120, 45);
        button_->ReadProperties(PropertyBag{});
        QObject::connect(button_, &ThemeButton::MouseEnter, [this] { ++entries_; });
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        outside();
    }

    void outside() { QTest::mouseMove(form_.get(), QPoint(10, 10)); }
    void inside() { QTest::mouseMove(form_.get(), QPoint(100, 60)); }
    bool tip_shown() const { return button_->tooltip().tip() && button_->tooltip().tip()->isVisible(); }
    // Waits long past the hover delay.
    static void wait_past_delay() { QTest::qWait(ButtonTooltip::kHoverDelayMs + 200); }

    ControlHost host_;
    std::unique_ptr<QWidget> form_;
    ThemeButton* button_ = nullptr;
    int entries_ = 0;
};

TEST_F(TooltipHover, EachEntryBuildsAFreshWindowFromTheSettingsOfThatMoment) {
    for (int i = 0; i < 10; ++i) {
        inside();
        if (i == 4) button_->set_ToolTipTitle(QStringLiteral("Dealing"));  // takes effect at the next entry
        outside();
    }
    EXPECT_EQ(entries_, 10);
    EXPECT_EQ(button_->tooltip().windows(), 1);
    EXPECT_EQ(button_->findChildren<TipWindow*>().size(), 1);
    EXPECT_EQ(button_->tooltip().window()->title, QStringLiteral("Dealing"));
    EXPECT_EQ(button_->tooltip().window()->area, QRect(0, 0, 120, 45));

    // The stored button's defaults: a balloon, the system's tooltip background sent,
    // its black text colour not.
    EXPECT_EQ(button_->tooltip().window()->style, 67);
    EXPECT_EQ(button_->tooltip().window()->back, kPaleYellow);
    EXPECT_FALSE(button_->tooltip().window()->fore.has_value());
    // Where the system's tooltip text is not black, it is sent.
    host_.set_system_colour(kColorInfoText, rgb(0, 0, 128));
    button_->ReadProperties(PropertyBag{});
    inside();
    EXPECT_EQ(button_->tooltip().window()->fore, rgb(0, 0, 128));
}

TEST_F(TooltipHover, TheTipShowsAfterTheDelayBelowThePointerAndHidesOnLeaving) {
    QElapsedTimer clock;
    clock.start();
    inside();
    ASSERT_NE(button_->tooltip().tip(), nullptr);
    EXPECT_FALSE(tip_shown());
    ASSERT_TRUE(QTest::qWaitFor([this] { return tip_shown(); }, 5000));
    EXPECT_GE(clock.elapsed(), ButtonTooltip::kHoverDelayMs * 9 / 10);
    EXPECT_GT(button_->tooltip().tip()->y(), QCursor::pos().y());
    EXPECT_FALSE(button_->tooltip().tip()->hasFocus());
    outside();
    EXPECT_FALSE(tip_shown());
    wait_past_delay();
    EXPECT_FALSE(tip_shown());

    // Leaving before the delay runs out: no tip comes later.
    inside();
    outside();
    wait_past_delay();
    EXPECT_FALSE(tip_shown());
}

TEST_F(TooltipHover, AnEmptyTextNeverShowsAndAPressPutsTheTipAway) {
    button_->set_ToolTip(QString());
    button_->set_ToolTipTitle(QStringLiteral("A title alone"));
    inside();
    wait_past_delay();
    EXPECT_FALSE(tip_shown());
    outside();

    button_->set_ToolTip(QStringLiteral("Deal the next hand"));
    inside();
    QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(60, 20));
    wait_past_delay();
    EXPECT_FALSE(tip_shown());
    // The next entry starts again.
    outside();
    inside();
    EXPECT_TRUE(QTest::qWaitFor([this] { return tip_shown(); }, 5000));
}

}  // namespace
}  // namespace tavolora::controls
