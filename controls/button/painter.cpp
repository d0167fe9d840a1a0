#include "controls/button/painter.h"

#include "controls/button/primitives.h"
#include "controls/button/styles.h"

namespace tavolora::controls {

namespace {

struct Colours {
    Colour face;
    Colour shadow;
    Colour selection;
    Colour window;
    Colour normal;            // BackColor with custom colours, else face
    Colour hot;               // HighlightColor with custom colours, else face
    Colour custom_selection;  // HighlightColor with custom colours, else selection
};

Colours colours_of(const ButtonFields& f, const SystemColours& system) {
    Colours c;
    c.face = system.get(kColorBtnFace);
    c.shadow = system.get(kColorBtnShadow);
    c.selection = system.get(kColorHighlight);
    c.window = system.get(kColorWindow);
    c.normal = f.UseCustomColors ? f.BackColor : c.face;
    c.hot = f.UseCustomColors ? f.HighlightColor : c.face;
    c.custom_selection = f.UseCustomColors ? f.HighlightColor : c.selection;
    return c;
}

// The outermost one-pixel ring of the surface.
void outline(Surface& s, Colour colour) { draw_rect_outline(s, 0, 0, s.width() - 1, s.height() - 1, colour); }

void style0(Surface& s, const ButtonFields& f, const Colours& c, const SystemColours& system) {
    s.set_background(f.state == kNormal ? c.normal : c.hot);
    draw_edge_coords(s, 0, 0, s.width(), s.height(), f.state == kPressed ? kEdgeSunken : kEdgeRaised, system);
}

void style1(Surface& s, const ButtonFields& f, const Colours& c, const SystemColours& system) {
    s.set_background(f.state == kNormal || f.state == kDisabled ? c.normal : c.hot);
    if (f.state == kNormal || f.state == kHot)
        draw_edge_coords(s, 0, 0, s.width(), s.height(), kBdrRaisedInner, system);
    else if (f.state == kPressed)
        draw_edge_coords(s, 0, 0, s.width(), s.height(), kBdrSunkenOuter, system);
    else if (f.state == kDisabled)
        outline(s, s.background());
}

void style2(Surface& s, const ButtonFields& f, const Colours& c, const SystemColours& system) {
    s.set_background(f.state == kNormal || f.state == kDisabled ? c.normal : c.hot);
    if (f.state == kNormal || f.state == kDisabled)
        outline(s, s.background());
    else if (f.state == kHot)
        draw_edge_coords(s, 0, 0, s.width(), s.height(), kBdrRaisedInner, system);
    else if (f.state == kPressed)
        draw_edge_coords(s, 0, 0, s.width(), s.height(), kBdrSunkenOuter, system);
}

void style3(Surface& s, const ButtonFields& f, const Colours& c) {
    s.set_background(c.normal);
    Colour panel = c.normal;
    if (f.state == kPressed)
        panel = f.UseCustomColors ? f.HighlightColor : c.shadow;
    else if (f.state == kHot)
        panel = f.UseCustomColors ? colour_blend(f.HighlightColor, f.BackColor) : colour_blend(c.shadow, c.face);
    s.fill_rect(f.inner.left, f.inner.top, f.inner.right, f.inner.bottom, panel);
    draw_pixel_frame(s, f.client.left, f.client.top, f.client.right - f.client.left - 1,
                     f.client.bottom - f.client.top - 1, c.shadow, c.window, panel);
}

void style4(Surface& s, const ButtonFields& f, const Colours& c) {
    // The background before the figure is ours to choose: the normal colour, so
    // that an erase before painting shows no black.
    s.set_background(c.normal);
    const int w = s.width();
    const int h = s.height();
    if (f.state == kNormal || f.state == kDisabled) {
        draw_rectangle(s, 0, 0, w, h, colour_shift(c.normal, 32));
    } else if (f.state == kHot || f.state == kPressed) {
        const Colour working = c.custom_selection;
        draw_rectangle(s, 0, 0, w - 1, h - 1, colour_shift(working, f.state == kHot ? 176 : 128));
        draw_rect_outline(s, 0, 0, w - 1, h - 1, working);
    }
}

// The style's figure; returns the icon's margin.
int draw_figure(Surface& s, ButtonFields& f, const PaintContext& context) {
    const SystemColours& system = context.colours;
    const Colours c = colours_of(f, system);
    switch (f.Style) {
        case 0:
            style0(s, f, c, system);
            return 4;
        case 1:
            style1(s, f, c, system);
            return 4;
        case 2:
            style2(s, f, c, system);
            return 4;
        case 3:
            style3(s, f, c);
            return 4;
        case 4:
            style4(s, f, c);
            return 4;
        case 5:
            if (f.UseCustomColors)
                paint_style5(s, f, system);
            else
                paint_style5_fixed(s, f, system);
            return 5;
        case 6: {
            s.set_background(c.face);
            const int state = f.state == kNormal && f.focus ? 5 : f.state;
            // Without visual styles the button falls back, from the next paint on.
            if (!context.themed || !context.themed(s, state)) f.Style = f.NonThemeStyle;
            return 4;
        }
        case 7:
            paint_style7(s, f, system);
            return 5;
        case 8:
            paint_style8(s, f, system);
            return 4;
        case 9:
            paint_style9(s, f, system);
            return 7;
        case 10:
            paint_style10(s, f);
            return 7;
        default:
            return 4;
    }
}

void draw_icon(Surface& s, const ButtonFields& f, int margin) {
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
    } else if (f.state == kHot && f.Style == 4) {
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

void refresh(Surface& s, ButtonFields& f, const PaintContext& context) {
    s.clear();
    if (!context.user_mode && f.Style != 5) f.state = kHot;
    if (f.ButtonType == 1 && f.Value) f.state = kPressed;
    if (!f.Enabled) {
        f.state = kDisabled;
        s.set_background(context.colours.get(kColorBtnFace));
    }
    const int margin = draw_figure(s, f, context);
    draw_caption(s, f, context.colours);
    draw_icon(s, f, margin);
}

}  // namespace tavolora::controls
