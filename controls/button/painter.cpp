#include "controls/button/painter.h"

#include <iterator>

#include "controls/button/button_region.h"
#include "controls/button/primitives.h"
#include "controls/button/styles.h"

namespace tavolora::controls {

namespace {

// The icon's distance from its side on most styles; the shaded borders of styles 5
// and 7 and the bevels of 9 and 10 keep it further in.
constexpr int kIconMargin = 4;
constexpr int kIconMarginBordered = 5;
constexpr int kIconMarginBeveled = 7;

// The outermost one-pixel ring of the surface.
void outline(Surface& s, Colour colour) { draw_rect_outline(s, 0, 0, s.width() - 1, s.height() - 1, colour); }

// The plain styles 0 to 2 build on the button face for both base colours.
BaseColours plain_colours(const ButtonFields& f, const SystemColours& system) {
    const Colour face = system.get(kColorBtnFace);
    return base_colours(f, system, {face, face});
}

void style0(Surface& s, const ButtonFields& f, const PaintContext& context) {
    const BaseColours c = plain_colours(f, context.colours);
    s.set_background(f.state == kNormal ? c.back : c.highlight);
    draw_edge_coords(s, 0, 0, s.width(), s.height(), f.state == kPressed ? kEdgeSunken : kEdgeRaised,
                     context.colours);
}

void style1(Surface& s, const ButtonFields& f, const PaintContext& context) {
    const BaseColours c = plain_colours(f, context.colours);
    s.set_background(f.state == kNormal || f.state == kDisabled ? c.back : c.highlight);
    if (f.state == kNormal || f.state == kHot)
        draw_edge_coords(s, 0, 0, s.width(), s.height(), kBdrRaisedInner, context.colours);
    else if (f.state == kPressed)
        draw_edge_coords(s, 0, 0, s.width(), s.height(), kBdrSunkenOuter, context.colours);
    else if (f.state == kDisabled)
        outline(s, s.background());
}

void style2(Surface& s, const ButtonFields& f, const PaintContext& context) {
    const BaseColours c = plain_colours(f, context.colours);
    s.set_background(f.state == kNormal || f.state == kDisabled ? c.back : c.highlight);
    if (f.state == kNormal || f.state == kDisabled)
        outline(s, s.background());
    else if (f.state == kHot)
        draw_edge_coords(s, 0, 0, s.width(), s.height(), kBdrRaisedInner, context.colours);
    else if (f.state == kPressed)
        draw_edge_coords(s, 0, 0, s.width(), s.height(), kBdrSunkenOuter, context.colours);
}

void style3(Surface& s, const ButtonFields& f, const PaintContext& context) {
    const SystemColours& system = context.colours;
    const Colour face = system.get(kColorBtnFace);
    const Colour shadow = system.get(kColorBtnShadow);
    // Without custom colours the etched panel stands in the button shadow.
    const BaseColours c = base_colours(f, system, {face, shadow});
    s.set_background(c.back);
    Colour panel = c.back;
    if (f.state == kPressed)
        panel = c.highlight;
    else if (f.state == kHot)
        panel = colour_blend(c.highlight, c.back);
    s.fill_rect(f.inner.left, f.inner.top, f.inner.right, f.inner.bottom, panel);
    draw_pixel_frame(s, f.client.left, f.client.top, f.client.right - f.client.left - 1,
                     f.client.bottom - f.client.top - 1, shadow, system.get(kColorWindow), panel);
}

void style4(Surface& s, const ButtonFields& f, const PaintContext& context) {
    const SystemColours& system = context.colours;
    // Without custom colours the hot and pressed faces start from the selection colour.
    const BaseColours c = base_colours(f, system, {system.get(kColorBtnFace), system.get(kColorHighlight)});
    // The background before the figure is ours to choose: the normal colour, so
    // that an erase before painting shows no black.
    s.set_background(c.back);
    const int w = s.width();
    const int h = s.height();
    if (f.state == kNormal || f.state == kDisabled) {
        draw_rectangle(s, 0, 0, w, h, colour_shift(c.back, 32));
    } else if (f.state == kHot || f.state == kPressed) {
        const Colour working = c.highlight;
        draw_rectangle(s, 0, 0, w - 1, h - 1, colour_shift(working, f.state == kHot ? 176 : 128));
        draw_rect_outline(s, 0, 0, w - 1, h - 1, working);
    }
}

void style5(Surface& s, const ButtonFields& f, const PaintContext& context) {
    if (f.UseCustomColors)
        paint_style5(s, f, context.colours);
    else
        paint_style5_fixed(s, f, context.colours);
}

// The platform's button on the button face; settle() has already handed a button
// without visual styles over to its stand-in, which shows from the next paint.
void style6(Surface& s, const ButtonFields& f, const PaintContext& context) {
    s.set_background(context.colours.get(kColorBtnFace));
    const int state = f.state == kNormal && f.focus ? 5 : f.state;
    if (context.themed && s.width() != 0 && s.height() != 0) context.themed(s, state);
}

void style7(Surface& s, const ButtonFields& f, const PaintContext& context) { paint_style7(s, f, context.colours); }
void style8(Surface& s, const ButtonFields& f, const PaintContext& context) { paint_style8(s, f, context.colours); }
void style9(Surface& s, const ButtonFields& f, const PaintContext& context) { paint_style9(s, f, context.colours); }
void style10(Surface& s, const ButtonFields& f, const PaintContext&) { paint_style10(s, f); }

// A style outside 0 to 10: the cleared surface, then the caption and the icon.
void no_face(Surface&, const ButtonFields&, const PaintContext&) {}

// clang-format off
//                 face     icon margin          outline           hot designed  icon shadow  themed
constexpr ButtonStyle kStyles[] = {
    /* 0 */ {style0,  kIconMargin,           rect_outline,    true,  false, false},
    /* 1 */ {style1,  kIconMargin,           rect_outline,    true,  false, false},
    /* 2 */ {style2,  kIconMargin,           rect_outline,    true,  false, false},
    /* 3 */ {style3,  kIconMargin,           rect_outline,    true,  false, false},
    /* 4 */ {style4,  kIconMargin,           rect_outline,    true,  true,  false},
    // The screens' style keeps its own look while the form is designed.
    /* 5 */ {style5,  kIconMarginBordered, cut_outline,     false, false, false},
    /* 6 */ {style6,  kIconMargin,           rect_outline,    true,  false, true},
    /* 7 */ {style7,  kIconMarginBordered, cut_outline,     true,  false, false},
    /* 8 */ {style8,  kIconMargin,           wide_cut_outline, true, false, false},
    /* 9 */ {style9,  kIconMarginBeveled,    wide_cut_outline, true, false, false},
    /* 10 */ {style10, kIconMarginBeveled,   rounded_outline, true,  false, false},
};
constexpr ButtonStyle kPlainStyle{no_face, kIconMargin, rect_outline, true, false, false};
// clang-format on

void draw_icon(Surface& s, const ButtonFields& f, int margin, bool shadows) {
    if (f.Icon.isNull()) return;
    const double w = s.width();
    const double h = s.height();
    const int size = f.IconSize;
    int x = 0;
    int y = 0;
    switch (f.IconAlign) {
        case 0:
            x = round_even((w - size) / 2);
            y = round_even((h - size) / 2);
            break;
        case 1:
            x = margin;
            y = round_even((h - size) / 2);
            break;
        case 2:
            x = round_even(w - size - margin);
            y = round_even((h - size) / 2);
            break;
        case 3:
            x = round_even((w - size) / 2);
            y = margin;
            break;
        case 4:
            x = round_even((w - size) / 2);
            y = round_even(h - size - margin);
            break;
        default:
            break;
    }
    if (f.state == kPressed) {
        ++x;
        ++y;
    } else if (f.state == kHot && shadows) {
        // A grey silhouette of the icon, and the icon two pixels up and left of it.
        s.draw_picture(f.Icon, QRect(x, y, size, size));
        const Colour ground = s.pixel(1, 1);
        for (int row = y; row <= y + size; ++row) {
            for (int column = x; column <= x + size; ++column) {
                if (s.pixel(column, row) != ground) s.set_pixel(column, row, rgb(128, 128, 128));
            }
        }
        x -= 2;
        y -= 2;
    }
    s.draw_picture(f.Icon, QRect(x, y, size, size));
}

}  // namespace

const ButtonStyle& button_style(int style) {
    if (style < 0 || style >= static_cast<int>(std::size(kStyles))) return kPlainStyle;
    return kStyles[style];
}

ButtonLook settle(ButtonFields& f, const Surface& s, const PaintContext& context) {
    const ButtonStyle& row = button_style(f.Style);
    // The order matters: a disabled toggle that is on shows disabled.
    if (!context.user_mode && row.hot_at_design_time) f.state = kHot;
    if (f.ButtonType == 1 && f.Value) f.state = kPressed;
    if (!f.Enabled) f.state = kDisabled;
    if (row.themed && (!context.themed || s.width() == 0 || s.height() == 0)) f.Style = f.NonThemeStyle;
    return ButtonLook{&row, button_style(f.Style).shadows_icon};
}

void paint(Surface& s, const ButtonFields& f, const ButtonLook& look, const PaintContext& context) {
    s.clear();
    if (!f.Enabled) s.set_background(context.colours.get(kColorBtnFace));
    look.face->face(s, f, context);
    draw_caption(s, f, context.colours);
    draw_icon(s, f, look.face->icon_margin, look.shadows_icon);
}

void refresh(Surface& s, ButtonFields& f, const PaintContext& context) {
    const ButtonLook look = settle(f, s, context);
    paint(s, f, look, context);
}

}  // namespace tavolora::controls
