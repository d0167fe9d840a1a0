// The floating panels, the strip and the screens stay within the player's reach: a
// drag stops where a panel's handle and close button would leave the client area,
// and whatever stands past an edge when the window is made smaller, or when a panel
// opens, comes back whole inside.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "tests/setup/setup_fixture.h"
#include "tests/support/headless_program.h"

namespace tavolora::table {
namespace {

using testing::HeadlessProgram;

class WithinReach : public ::testing::Test {
protected:
    // A floating element with its drag handle and close button.
    struct Floating {
        Control& element;
        ControlKey handle;
        ControlKey close;
    };

    void SetUp() override {
        // A Briscola match's table, whose strip and look-overs open the panels.
        h.program.match.Codice_Gioco = 1;
        w.PIC_Tavolo.Visible = true;
        for (const Floating& f : floating()) f.element.Visible = true;
        resize(15000, 10500);
    }

    std::vector<Floating> floating() {
        return {{w.PIC_51_Monitor, {ControlId::CMD_Muovi_PIC_051_Monitor}, {ControlId::CMD_Chiudi_PIC_051_Monitor}},
                {w.PIC_52_Monitor, {ControlId::CMD_Muovi_PIC_052_Monitor}, {ControlId::CMD_Chiudi_PIC_052_Monitor}},
                {w.PIC_Riepilogo_Accusi, {ControlId::CMD_Muovi_PIC_Riepilogo_Accusi},
                 {ControlId::CMD_Chiudi_PIC_Riepilogo_Accusi}},
                {w.FRM_M_Menu, {ControlId::CMD_Muovi_Menu_M}, {ControlId::CMD_M_ApriChiudi, 1}}};
    }

    // The client area's size, with a thin frame around it.
    void resize(float width, float height) {
        h.program.master_events.window_resized(width + 120, height + 450, width, height);
    }

    void send(ControlKey key, InputEvent event, float x, float y) {
        ASSERT_TRUE(h.program.input.deliver(key, event, MouseArgs{1, 0, x, y})) << describe(key);
    }

    // A control of an element as the client area sees it.
    Control& part(ControlKey key) { return *w.find(key); }
    float left_of(const Floating& f, ControlKey key) { return f.element.Left + part(key).Left; }
    float top_of(const Floating& f, ControlKey key) { return f.element.Top + part(key).Top; }
    float right_of(const Floating& f, ControlKey key) { return left_of(f, key) + part(key).Width; }
    float bottom_of(const Floating& f, ControlKey key) { return top_of(f, key) + part(key).Height; }

    // Whether the handle and the close button, and the band above them, lie inside
    // the client area.
    bool within_reach(const Floating& f) {
        const float width = w.form.ScaleWidth;
        const float height = w.form.ScaleHeight;
        for (ControlKey key : {f.handle, f.close}) {
            if (left_of(f, key) < 0 || right_of(f, key) > width || bottom_of(f, key) > height) return false;
        }
        return f.element.Top >= 0;
    }

    HeadlessProgram h;
    MasterWindow& w = h.program.master;
};

TEST_F(WithinReach, ADragStopsAtEachEdgeWithTheHandleAndCloseButtonInside) {
    constexpr float kFar = 40000;  // well past every edge, in the handle's twips
    for (const Floating& f : floating()) {
        SCOPED_TRACE(describe(f.element.key));
        // Left: the handle stops on the edge while the mouse goes on; right: the close
        // button; up: the title band's top; down, the release too: the handle's foot.
        send(f.handle, InputEvent::MouseDown, 100, 120);
        send(f.handle, InputEvent::MouseMove, -kFar, 120);
        EXPECT_EQ(left_of(f, f.handle), 0);
        send(f.handle, InputEvent::MouseMove, kFar, 120);
        EXPECT_EQ(right_of(f, f.close), w.form.ScaleWidth);
        send(f.handle, InputEvent::MouseMove, 100, -kFar);
        EXPECT_EQ(f.element.Top, 0);
        send(f.handle, InputEvent::MouseUp, 100, kFar);
        EXPECT_EQ(bottom_of(f, f.handle), w.form.ScaleHeight);
        EXPECT_TRUE(within_reach(f));
    }
}

TEST_F(WithinReach, AWindowMadeSmallerBringsEveryElementBackShownOrHidden) {
    // Each element in the bottom right corner, as far as a drag takes it; the scores
    // panel hidden there, the strip closed to its reopen button.
    for (const Floating& f : floating()) {
        send(f.handle, InputEvent::MouseDown, 0, 0);
        send(f.handle, InputEvent::MouseUp, 40000, 40000);
        ASSERT_EQ(right_of(f, f.close), w.form.ScaleWidth);
    }
    ASSERT_TRUE(h.program.input.click({ControlId::CMD_Chiudi_PIC_051_Monitor}));
    ASSERT_FALSE(w.PIC_51_Monitor.Visible);
    ASSERT_TRUE(h.program.input.click({ControlId::CMD_M_ApriChiudi, 1}));
    const Control& reopen = w.CMD_M_ApriChiudi(0);
    ASSERT_TRUE(reopen.Visible);

    // Each comes whole into the smaller window's corner.
    resize(9000, 6000);
    for (const Floating& f : floating()) {
        SCOPED_TRACE(describe(f.element.key));
        EXPECT_EQ(f.element.Left + f.element.Width, 9000);
        EXPECT_EQ(f.element.Top + f.element.Height, 6000);
    }
    EXPECT_EQ(reopen.Left + reopen.Width, 9000);
    EXPECT_EQ(reopen.Top + reopen.Height, 6000);
    ASSERT_TRUE(h.program.input.click({ControlId::CMD_M_ApriChiudi, 0}));
    EXPECT_TRUE(w.FRM_M_Menu.Visible);

    // A window narrower than the band keeps the handle in reach first.
    resize(450, 3000);
    EXPECT_EQ(left_of(floating()[1], floating()[1].handle), 0);
}

TEST_F(WithinReach, APanelLeftPastAnEdgeOpensWholeInside) {
    // Dragged down until only its title band shows, closed, then opened again as the
    // table opens it: the whole panel shows, against the edge it was left at.
    const float width = w.form.ScaleWidth;
    const float height = w.form.ScaleHeight;
    for (const Floating& f : floating()) {
        SCOPED_TRACE(describe(f.element.key));
        send(f.handle, InputEvent::MouseDown, 0, 0);
        send(f.handle, InputEvent::MouseUp, 40000, 40000);
        ASSERT_GT(f.element.Top + f.element.Height, height);
        ASSERT_TRUE(within_reach(f));
        f.element.Visible = false;
        w.show_floating(f.element);
        EXPECT_TRUE(f.element.Visible);
        EXPECT_EQ(f.element.Left + f.element.Width, width);
        EXPECT_EQ(f.element.Top + f.element.Height, height);
    }
    // The table's own road: the scores look-over opens its panel.
    Control& scores = w.PIC_51_Monitor;
    scores.Top = height - 300;
    scores.Visible = false;
    h.program.master_events.CMD_M_Punteggio_Click();
    EXPECT_TRUE(scores.Visible);
    EXPECT_EQ(scores.Top + scores.Height, height);
}

}  // namespace
}  // namespace tavolora::table

namespace tavolora::testing {
namespace {

using MainMenuScreens = StartedProgram;

// Every screen the main menu opens, open while the window is made smaller: it comes
// back inside the client area, starting at its top left corner when the window is
// smaller than the screen.
TEST_F(MainMenuScreens, AScreenOpenWhileTheWindowIsMadeSmallerComesBackInside) {
    for (const auto& [id, name, open] : screens_from_menu()) {
        SCOPED_TRACE(name);
        p.master_events.window_resized(24000 + 120, 15000 + 450, 24000, 15000);
        click(open);
        const table::ChildScreen& s = shown(id);
        ASSERT_TRUE(s.Visible);
        for (const auto& [width, height] : {std::pair{12000.0F, 9000.0F}, std::pair{6000.0F, 4500.0F}}) {
            p.master_events.window_resized(width + 120, height + 450, width, height);
            // Inside; at the near edge where the screen is longer than the room.
            EXPECT_GE(s.Left, 0);
            EXPECT_LE(s.Left, std::max(0.0F, width - s.Width)) << width;
            EXPECT_GE(s.Top, 0);
            EXPECT_LE(s.Top, std::max(0.0F, height - s.Height)) << height;
        }
        p.master_events.Chiudi_Tutte_Le_Form();
    }
}

}  // namespace
}  // namespace tavolora::testing
