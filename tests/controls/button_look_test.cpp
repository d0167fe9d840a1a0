// The button's look as one settled choice: the colours a face starts from, and the
// settling that comes before every paint.
#include <gtest/gtest.h>

#include "controls/button/painter.h"
#include "controls/button/primitives.h"

namespace tavolora::controls {
namespace {

ButtonFields fields(int style, int state, bool custom) {
    ButtonFields f;
    f.Style = style;
    f.state = state;
    f.client = {0, 0, 60, 24};
    f.inner = {4, 4, 56, 20};
    f.caption_format = kDtSingleLine | kDtVCenter | kDtCenter;
    f.Caption = QStringLiteral("Gioca");
    f.UseCustomColors = custom;
    f.BackColor = rgb(70, 130, 90);
    f.HighlightColor = rgb(230, 160, 40);
    f.FontColor = rgb(255, 255, 255);
    f.FontHighlightColor = rgb(20, 20, 20);
    return f;
}

QImage painted(ButtonFields f, const SystemColours& colours) {
    Surface s(60, 24);
    refresh(s, f, PaintContext{colours, true, {}});
    return s.image();
}

TEST(BaseColours, OwnColoursOrTheStyleStandInsAndTheButtonText) {
    SystemColours system;
    ButtonFields f = fields(0, kNormal, true);
    const BaseColours own = base_colours(f, system, {rgb(1, 1, 1), rgb(2, 2, 2)});
    EXPECT_EQ(own.back, f.BackColor);
    EXPECT_EQ(own.highlight, f.HighlightColor);
    EXPECT_EQ(own.text, f.FontColor);
    EXPECT_EQ(own.text_hot, f.FontHighlightColor);
    f.UseCustomColors = false;
    const BaseColours stand_ins = base_colours(f, system, {rgb(1, 1, 1), rgb(2, 2, 2)});
    EXPECT_EQ(stand_ins.back, rgb(1, 1, 1));
    EXPECT_EQ(stand_ins.highlight, rgb(2, 2, 2));
    EXPECT_EQ(stand_ins.text, system.get(kColorBtnText));
    EXPECT_EQ(stand_ins.text_hot, system.get(kColorBtnText));
}

// Every face that has colours of its own ignores the desktop's button face and
// selection; without them, every style follows the desktop.
TEST(BaseColours, EveryStyleFollowsTheDesktopOnlyWithoutColoursOfItsOwn) {
    SystemColours desktop;
    SystemColours changed;
    changed.set(kColorBtnFace, rgb(90, 40, 140));
    changed.set(kColorHighlight, rgb(10, 200, 60));
    for (int style : {0, 1, 2, 3, 4, 5, 7, 8, 9}) {
        for (int state : {kNormal, kHot, kPressed}) {
            const ButtonFields own = fields(style, state, true);
            EXPECT_EQ(painted(own, desktop), painted(own, changed)) << style << " " << state;
            const ButtonFields system = fields(style, state, false);
            EXPECT_NE(painted(system, desktop), painted(system, changed)) << style << " " << state;
        }
    }
}

TEST(Settle, DecidesTheLookBeforeThePaintAndThePaintWritesNothingElse) {
    SystemColours colours;
    // A themed button without visual styles: this paint shows its plain face, and the
    // stand-in (here 4, a hot one) already shadows the icon.
    ButtonFields f = fields(6, kHot, true);
    f.NonThemeStyle = 4;
    Surface s(60, 24);
    const PaintContext unthemed{colours, true, {}};
    const ButtonLook look = settle(f, s, unthemed);
    EXPECT_EQ(look.face, &button_style(6));
    EXPECT_TRUE(look.shadows_icon);
    EXPECT_EQ(f.Style, 4);
    paint(s, f, look, unthemed);
    EXPECT_EQ(s.pixel(30, 2), colours.get(kColorBtnFace));

    // With visual styles it stays themed, and the platform's button is asked for the
    // defaulted look of a focused button at rest.
    int asked = -1;
    const PaintContext themed{colours, true, [&asked](Surface&, int state) { asked = state; }};
    ButtonFields g = fields(6, kNormal, false);
    g.focus = true;
    const ButtonLook kept = settle(g, s, themed);
    EXPECT_EQ(g.Style, 6);
    EXPECT_FALSE(kept.shadows_icon);
    paint(s, g, kept, themed);
    EXPECT_EQ(asked, 5);
    // A surface without pixels has no platform button either.
    Surface empty(0, 10);
    settle(g, empty, themed);
    EXPECT_EQ(g.Style, g.NonThemeStyle);

    // Painting a settled button twice gives the same picture: nothing it reads has moved.
    ButtonFields h = fields(7, kNormal, true);
    h.ButtonType = 1;
    h.Value = true;
    h.Enabled = false;
    const ButtonLook disabled = settle(h, s, unthemed);
    EXPECT_EQ(h.state, kDisabled);  // disabled wins over a toggle that is on
    paint(s, h, disabled, unthemed);
    const QImage first = s.image();
    paint(s, h, disabled, unthemed);
    EXPECT_EQ(s.image(), first);
}

}  // namespace
}  // namespace tavolora::controls
