// The themed button's frame: its properties and what it stores, its states under
// the mouse, the Space key, hover and focus, its outline, and Refresh's plain
// styles, caption and icon.
#include <gtest/gtest.h>

#include <QtTest>

#include <memory>

#include "controls/button/button_region.h"
#include "controls/button/painter.h"
#include "controls/button/primitives.h"
#include "controls/button/theme_button.h"
#include "tests/support/qt_printers.h"

namespace tavolora::controls {
namespace {

// A running form holding one stored button of the given style.
struct Form {
    ControlHost host;
    QWidget window;
    ThemeButton* button = nullptr;
    int clicks = 0;
    int enters = 0;
    int leaves = 0;

    explicit Form(int style, QSize size = {100, 30}, bool user_mode = true) {
        host.set_user_mode(user_mode);
        window.resize(300, 200);
        button = new ThemeButton(host, QStringLiteral("CMD_Prova"), &window);
        PropertyBag bag;
        bag.write_always(QStringLiteral("Style"), qint64(style));
        bag.write_always(QStringLiteral("Caption"), QStringLiteral("Prova"));
        button->ReadProperties(bag);
        button->setGeometry(QRect(QPoint(50, 50), size));
        QObject::connect(button, &ThemeButton::Click, [this] { ++clicks; });
        QObject::connect(button, &ThemeButton::MouseEnter, [this] { ++enters; });
        QObject::connect(button, &ThemeButton::MouseLeave, [this] { ++leaves; });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    int state() const { return button->fields().state; }
};

TEST(ThemeButtonProperties, ANewButtonAndAStoredOneStartFromTheirOwnDefaults) {
    ControlHost host;
    ThemeButton fresh(host, QStringLiteral("ThemeButton1"));
    fresh.InitProperties();
    EXPECT_EQ(fresh.Style(), 0);
    EXPECT_EQ(fresh.Caption(), QStringLiteral("ThemeButton1"));
    EXPECT_EQ(fresh.IconSize(), 16);
    EXPECT_EQ(fresh.NonThemeStyle(), 0);
    EXPECT_EQ(fresh.ToolTipType(), 0);
    EXPECT_EQ(fresh.BackColor(), host.colours().get(kColorBtnFace));  // already RGB, not a reference
    EXPECT_EQ(fresh.HighlightColor(), host.colours().get(kColorHighlight));
    EXPECT_EQ(fresh.fields().about_style, 0x44000000u);

    // Saved, the new button keeps what differs from the stored defaults and the five
    // entries written always.
    PropertyBag bag;
    fresh.WriteProperties(bag);
    for (const char* name : {"Icon", "Style", "Caption", "iNonThemeStyle", "Tooltiptitle", "ToolTipIcon",
                             "ToolTipType", "Font"})
        EXPECT_TRUE(bag.holds(QString::fromLatin1(name))) << name;
    for (const char* name : {"IconSize", "Enabled", "BackColor", "HighlightColor", "ShowFocus", "Value"})
        EXPECT_FALSE(bag.holds(QString::fromLatin1(name))) << name;

    ThemeButton loaded(host, QStringLiteral("ThemeButton1"));
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.Style(), 0);
    EXPECT_EQ(loaded.NonThemeStyle(), 0);
    EXPECT_EQ(loaded.ToolTipType(), 0);
    EXPECT_EQ(loaded.fields().state, kNormal);
    EXPECT_EQ(loaded.fields().about_style, 0u);  // a stored button never records it

    // An empty store gives the reading defaults, which differ from a new button's.
    ThemeButton bare(host, QStringLiteral("ThemeButton2"));
    bare.ReadProperties(PropertyBag{});
    EXPECT_EQ(bare.Style(), 3);
    EXPECT_EQ(bare.Caption(), QString());
    EXPECT_EQ(bare.IconAlign(), 0);
    EXPECT_EQ(bare.NonThemeStyle(), 5);
    EXPECT_EQ(bare.ToolTipType(), 1);

    // Names match whatever their letter case.
    PropertyBag odd;
    odd.write_always(QStringLiteral("usecustomcolors"), true);
    odd.write_always(QStringLiteral("CAPTION"), QStringLiteral("Via"));
    bare.ReadProperties(odd);
    EXPECT_TRUE(bare.UseCustomColors());
    EXPECT_EQ(bare.Caption(), QStringLiteral("Via"));
}

TEST(ThemeButtonProperties, SettersTellTheFormAndAButtonIsNeverSmallerThan300Twips) {
    ControlHost host;
    ThemeButton button(host, QStringLiteral("CMD_A"));
    button.ReadProperties(PropertyBag{});
    button.show();  // a shown control hears of every size it is given
    QStringList notices;
    QObject::connect(&button, &ThemeButton::PropertyChanged, [&](const QString& name) { notices << name; });
    button.set_Style(7);
    button.set_ToolTip(QStringLiteral("x"));
    button.set_ToolTipTitle(QStringLiteral("y"));
    button.set_UseCustomColors(true);
    EXPECT_EQ(notices, (QStringList{QStringLiteral("Style"), QStringLiteral("ToolTipText"),
                                    QStringLiteral("TooltipTitle"), QStringLiteral("UseCustomColors")}));

    button.resize(13, 7);  // 200 x 100 twips
    EXPECT_EQ(button.size(), QSize(20, 20));
    EXPECT_EQ(button.fields().inner, (Box{4, 4, 16, 16}));
    button.set_CaptionAlign(3);
    EXPECT_EQ(button.fields().caption_format, kDtSingleLine | kDtTop | kDtCenter);
    button.set_CaptionAlign(9);  // out of range: the format stays
    EXPECT_EQ(button.fields().caption_format, kDtSingleLine | kDtTop | kDtCenter);
}

TEST(ThemeButtonOutline, IsGivenToTheWindowOnlyWhenTheSizeOrTheStyleChanges) {
    ControlHost host;
    ThemeButton button(host, QStringLiteral("CMD_A"));
    button.ReadProperties(PropertyBag{});
    button.show();
    button.resize(100, 30);
    button.set_Style(5);
    const int applied = button.outlines_applied();
    EXPECT_EQ(button.outline(), button_region(5, 100, 30));
    button.set_Caption(QStringLiteral("Nuovo"));
    button.Refresh();
    button.set_Enabled(false);
    EXPECT_EQ(button.outlines_applied(), applied);
    button.resize(120, 30);
    EXPECT_EQ(button.outlines_applied(), applied + 1);
    button.set_Style(0);
    EXPECT_EQ(button.outline(), QRegion(0, 0, 120, 30));

    // A themed button that falls back keeps its outline until the next re-layout.
    host.set_visual_styles(false);
    button.set_NonThemeStyle(5);
    button.set_Style(6);
    button.Refresh();
    EXPECT_EQ(button.Style(), 5);
    EXPECT_EQ(button.outline(), QRegion(0, 0, 120, 30));
    button.resize(121, 30);
    EXPECT_EQ(button.outline(), button_region(5, 121, 30));
}

TEST(ThemeButtonInput, TheMouseMovesItBetweenItsStatesAndALeftClickRaisesClickOnce) {
    Form form(0);
    ThemeButton* b = form.button;
    const QPoint middle = b->rect().center();
    QTest::mousePress(b, Qt::LeftButton, {}, middle);
    EXPECT_EQ(form.state(), kPressed);
    QTest::mouseRelease(b, Qt::LeftButton, {}, middle);
    EXPECT_EQ(form.state(), kHot);
    EXPECT_EQ(form.clicks, 1);

    // The right button neither presses nor clicks.
    QTest::mouseClick(b, Qt::RightButton, {}, middle);
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(b->fields().last_released, 2);

    // A double click raises Click once and shows the press of its second click.
    QTest::mouseClick(b, Qt::LeftButton, {}, middle);
    EXPECT_EQ(form.clicks, 2);
    QTest::mouseDClick(b, Qt::LeftButton, {}, middle);  // the second press comes as the double click
    EXPECT_EQ(form.state(), kPressed);
    QTest::mouseRelease(b, Qt::LeftButton, {}, middle);
    EXPECT_EQ(form.clicks, 2);
    EXPECT_EQ(form.state(), kHot);

    // A press released outside the button is no click.
    QTest::mousePress(b, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(-10, -10));
    EXPECT_EQ(form.clicks, 2);

    // Disabled: painted in state 4 and deaf to the mouse.
    b->set_Enabled(false);
    EXPECT_EQ(form.state(), kDisabled);
    QTest::mouseClick(b, Qt::LeftButton, {}, middle);
    EXPECT_EQ(form.clicks, 2);
    b->set_Enabled(true);
    EXPECT_EQ(form.state(), kNormal);
}

TEST(ThemeButtonInput, AToggleButtonFlipsItsValueAndShowsPressedWhileOn) {
    Form form(7);
    ThemeButton* b = form.button;
    b->set_ButtonType(1);
    const QPoint middle = b->rect().center();
    QTest::mouseClick(b, Qt::LeftButton, {}, middle);
    EXPECT_TRUE(b->Value());
    EXPECT_EQ(form.state(), kPressed);  // painted pressed while on
    QTest::mouseClick(b, Qt::LeftButton, {}, middle);
    EXPECT_FALSE(b->Value());
    EXPECT_EQ(form.state(), kHot);
    EXPECT_EQ(form.clicks, 2);
}

TEST(ThemeButtonInput, SpacePressesOnKeyDownAndClicksOnceAKeyFocusShowsInTheState) {
    Form form(5);
    ThemeButton* b = form.button;
    b->setFocus();
    EXPECT_TRUE(b->fields().focus);
    QTest::keyPress(b, Qt::Key_Space);
    EXPECT_EQ(form.state(), kPressed);
    EXPECT_EQ(form.clicks, 1);
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_EQ(form.state(), kHot);
    EXPECT_EQ(form.clicks, 1);
    QTest::keyClick(b, Qt::Key_Return);  // no other key does anything
    EXPECT_EQ(form.clicks, 1);
    b->clearFocus();
    EXPECT_FALSE(b->fields().focus);
}

TEST(ThemeButtonInput, HoverRaisesEnterOnceAndLeaveOnceEachTime) {
    Form form(7);
    ThemeButton* b = form.button;
    QTest::mouseMove(&form.window, QPoint(10, 10));
    QTest::mouseMove(&form.window, QPoint(60, 60));
    QTest::mouseMove(&form.window, QPoint(70, 62));
    QTest::mouseMove(&form.window, QPoint(80, 64));
    EXPECT_EQ(form.enters, 1);
    EXPECT_EQ(form.state(), kHot);
    EXPECT_TRUE(b->fields().mouse_inside);
    QTest::mouseMove(&form.window, QPoint(250, 150));
    EXPECT_EQ(form.leaves, 1);
    EXPECT_EQ(form.state(), kNormal);
    QTest::mouseMove(&form.window, QPoint(60, 60));
    EXPECT_EQ(form.enters, 2);
    EXPECT_EQ(b->tooltip().windows(), 1);
}

// The toolkit tells a disabled widget of the pointer coming and going: a disabled
// button hears none of it, and works again once enabled. The pointer moves through
// the window, so the toolkit finds the button under it as for a person.
TEST(ThemeButtonInput, ADisabledButtonTakesNoHoverAndWorksAgainOnceEnabled) {
    Form form(5);
    ThemeButton* b = form.button;
    QWindow* window = form.window.windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint inside(60, 60);
    const QPoint outside(250, 150);
    b->set_ToolTip(QStringLiteral("Salva"));
    QTest::mouseMove(window, QPoint(10, 10));
    b->set_Enabled(false);
    form.enters = form.leaves = 0;  // the pointer may have started over it
    const QImage disabled = b->surface().image();
    const QPointer<TipWindow> tip = b->tooltip().tip();  // a new tip would delete it
    for (const QPoint at : {inside, QPoint(80, 64), outside, QPoint(70, 62)}) {
        QTest::mouseMove(window, at);
        EXPECT_EQ(form.enters, 0) << at.x();
        EXPECT_EQ(form.leaves, 0) << at.x();
        EXPECT_EQ(form.state(), kDisabled);
        EXPECT_FALSE(b->fields().mouse_inside);
        EXPECT_EQ(b->tooltip().tip(), tip.data());
        EXPECT_TRUE(tip.isNull() || !tip->armed());
        EXPECT_EQ(b->surface().image(), disabled);
    }

    // Enabled again under the pointer: the first move over it is the entry.
    b->set_Enabled(true);
    QTest::mouseMove(window, QPoint(72, 63));
    EXPECT_EQ(form.enters, 1);
    EXPECT_EQ(form.state(), kHot);
    ASSERT_NE(b->tooltip().tip(), nullptr);
    EXPECT_TRUE(b->tooltip().tip()->armed());
    QTest::mouseMove(window, outside);
    EXPECT_EQ(form.leaves, 1);
    EXPECT_EQ(form.state(), kNormal);

    // Disabled while the pointer rests on it: its tip is put away, and the pointer
    // leaving and coming back raises nothing.
    QTest::mouseMove(window, inside);
    EXPECT_EQ(form.enters, 2);
    ASSERT_NE(b->tooltip().tip(), nullptr);
    EXPECT_TRUE(b->tooltip().tip()->armed());
    b->set_Enabled(false);
    EXPECT_FALSE(b->tooltip().tip()->armed());
    QTest::mouseMove(window, outside);
    QTest::mouseMove(window, inside);
    EXPECT_EQ(form.enters, 2);
    EXPECT_EQ(form.leaves, 1);
    EXPECT_EQ(form.state(), kDisabled);
}

TEST(ThemeButtonInput, NothingIsTrackedWhileTheFormIsDesigned) {
    Form form(2, {100, 30}, false);
    QTest::mouseMove(&form.window, QPoint(10, 10));
    QTest::mouseMove(&form.window, QPoint(60, 60));
    QTest::mouseMove(&form.window, QPoint(250, 150));
    EXPECT_EQ(form.enters, 0);
    EXPECT_EQ(form.leaves, 0);
    EXPECT_EQ(form.state(), kHot);  // drawn hot at design time, as every style but 5
}

TEST(ThemeButtonInput, AClickHandlerMayDestroyTheButton) {
    Form form(7);
    QPointer<ThemeButton> b = form.button;
    QObject::connect(b, &ThemeButton::Click, [&] { delete b.data(); });
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    EXPECT_TRUE(b.isNull());
}

TEST(ThemeButtonInput, AColourOrThemeChangeRepaintsATrackedButton) {
    Form form(7);
    const Colour before = form.button->surface().pixel(50, 15);
    form.host.set_system_colour(kColorBtnFace, rgb(90, 140, 90));
    EXPECT_NE(form.button->surface().pixel(50, 15), before);
}

// --- Refresh --------------------------------------------------------------------

struct Painted {
    SystemColours colours;
    Surface surface{60, 24};
    ButtonFields f;
    Painted() {
        f.state = kNormal;
        f.client = {0, 0, 60, 24};
        f.inner = {4, 4, 56, 20};
        f.caption_format = kDtSingleLine | kDtVCenter | kDtCenter;
        f.UseCustomColors = true;
        f.BackColor = rgb(200, 180, 160);
        f.HighlightColor = rgb(40, 90, 200);
    }
    void paint(int style, int state, bool user_mode = true) {
        f.Style = style;
        f.state = state;
        refresh(surface, f, PaintContext{colours, user_mode, {}});
    }
    Colour at(int x, int y) const { return surface.pixel(x, y); }
};

TEST(Refresh, PlainStylesDrawTheirEdgesAndFacesByState) {
    Painted p;
    p.paint(0, kNormal);
    EXPECT_EQ(p.at(30, 12), p.f.BackColor);
    EXPECT_EQ(p.at(0, 5), p.colours.get(kColor3dLight));
    p.paint(0, kPressed);
    EXPECT_EQ(p.at(30, 12), p.f.HighlightColor);
    EXPECT_EQ(p.at(0, 5), p.colours.get(kColorBtnShadow));
    // Disabled style 0 with custom colours: the hot colour and a raised edge.
    p.f.Enabled = false;
    p.paint(0, kNormal);
    EXPECT_EQ(p.f.state, kDisabled);
    EXPECT_EQ(p.at(30, 12), p.f.HighlightColor);
    EXPECT_EQ(p.at(59, 5), p.colours.get(kColor3dDkShadow));
    p.f.Enabled = true;

    p.paint(1, kNormal);
    EXPECT_EQ(p.at(0, 5), p.colours.get(kColorBtnHighlight));
    EXPECT_EQ(p.at(59, 5), p.colours.get(kColorBtnShadow));
    p.paint(1, kPressed);
    EXPECT_EQ(p.at(0, 5), p.colours.get(kColorBtnShadow));
    p.paint(2, kNormal);
    EXPECT_EQ(p.at(0, 5), p.f.BackColor);  // flat: the ring in the face's colour
    p.paint(2, kHot);
    EXPECT_EQ(p.at(0, 5), p.colours.get(kColorBtnHighlight));
    EXPECT_EQ(p.at(30, 12), p.f.HighlightColor);

    p.paint(3, kHot);
    EXPECT_EQ(p.at(10, 10), colour_blend(p.f.HighlightColor, p.f.BackColor));
    EXPECT_EQ(p.at(0, 0), p.colours.get(kColorBtnShadow));
    EXPECT_EQ(p.at(1, 1), p.colours.get(kColorWindow));
    EXPECT_EQ(p.at(2, 2), p.f.BackColor);  // between the frame and the panel

    p.paint(4, kNormal);
    EXPECT_EQ(p.at(0, 0), colour_shift(p.f.BackColor, 32));
    EXPECT_EQ(p.at(59, 23), colour_shift(p.f.BackColor, 32));
    p.paint(4, kHot);
    EXPECT_EQ(p.at(0, 0), p.f.HighlightColor);
    EXPECT_EQ(p.at(30, 12), colour_shift(p.f.HighlightColor, 176));
    p.paint(4, kPressed);
    EXPECT_EQ(p.at(30, 12), colour_shift(p.f.HighlightColor, 128));

    // Any style outside 0 to 10 draws only the cleared surface and the caption.
    p.surface.set_background(rgb(5, 5, 5));
    p.f.Caption.clear();
    p.paint(11, kNormal);
    EXPECT_EQ(p.at(0, 0), rgb(5, 5, 5));
    EXPECT_EQ(p.at(30, 12), rgb(5, 5, 5));
}

TEST(Refresh, SettlesTheStateBeforeItPaints) {
    Painted p;
    p.paint(1, kNormal, false);  // at design time every style but 5 shows hot
    EXPECT_EQ(p.f.state, kHot);
    p.paint(5, kNormal, false);
    EXPECT_EQ(p.f.state, kNormal);
    p.f.ButtonType = 1;
    p.f.Value = true;
    for (int style = 0; style <= 10; ++style) {
        p.paint(style, kNormal);
        EXPECT_EQ(p.f.state, kPressed) << style;
    }
    p.f.Enabled = false;
    p.paint(7, kNormal);
    EXPECT_EQ(p.f.state, kDisabled);

    // Without visual styles the themed style shows the face this once, then its stand-in.
    Painted q;
    q.f.NonThemeStyle = 3;
    q.paint(6, kNormal);
    EXPECT_EQ(q.f.Style, 3);
    EXPECT_EQ(q.at(30, 12), q.colours.get(kColorBtnFace));
}

TEST(Refresh, TheIconStandsByItsAlignmentAndMovesWhenPressed) {
    Painted p;
    p.surface = Surface(100, 30);
    p.f.client = {0, 0, 100, 30};
    p.f.Caption.clear();
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(QColor(255, 0, 0));
    p.f.Icon = icon;
    p.f.IconSize = 16;
    const auto icon_at = [&p] {
        for (int y = 0; y < p.surface.height(); ++y) {
            for (int x = 0; x < p.surface.width(); ++x) {
                if (p.at(x, y) == rgb(255, 0, 0)) return QPoint(x, y);
            }
        }
        return QPoint(-1, -1);
    };
    p.f.IconAlign = 2;
    p.paint(0, kNormal);
    EXPECT_EQ(icon_at(), QPoint(80, 7));
    p.paint(9, kNormal);
    EXPECT_EQ(icon_at(), QPoint(77, 7));
    p.f.IconAlign = 0;
    p.paint(0, kPressed);
    EXPECT_EQ(icon_at(), QPoint(43, 8));
    p.f.IconAlign = 7;
    p.paint(0, kNormal);
    EXPECT_EQ(icon_at(), QPoint(0, 0));

    // A hot style-4 button: a grey shadow of the icon, the icon two pixels up and left.
    p.f.IconAlign = 0;
    p.paint(4, kHot);
    EXPECT_EQ(icon_at(), QPoint(40, 5));
    EXPECT_EQ(p.at(57, 22), rgb(128, 128, 128));
    EXPECT_EQ(p.at(58, 23), colour_shift(p.f.HighlightColor, 176));  // the face is not greyed
}

}  // namespace
}  // namespace tavolora::controls
