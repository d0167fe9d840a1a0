// Style 5: the look of the screens' command buttons. A light face shaded from top to
// bottom inside a one-pixel border whose corners are softened by single pixels; an
// inner ring while the mouse is over the button or while a button at rest has the
// focus; a face shaded the other way while pressed; a flat pale face with a grey
// outline while disabled.
//
// Two painters draw it: one in built-in colours (the program's buttons) and one that
// derives every colour from BackColor and HighlightColor. Their layouts are close
// but not the same, so each is written out step by step; every step paints over the
// ones before it where they meet, and the order of the steps is part of the look.

#include <QPoint>

#include <cstddef>

#include "controls/button/primitives.h"
#include "controls/button/styles.h"

namespace tavolora::controls {

namespace {

template <std::size_t N>
void set_pixels(Surface& s, const QPoint (&pixels)[N], Colour colour) {
    for (const QPoint& p : pixels) s.set_pixel(p.x(), p.y(), colour);
}

// The four pixels just inside the corners, diagonally.
void inner_corners(Surface& s, Colour colour) {
    const int w = s.width();
    const int h = s.height();
    const QPoint pixels[] = {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}};
    set_pixels(s, pixels, colour);
}

// The disabled face's rounding: the three pixels next to each corner of its outline.
void disabled_corners(Surface& s, Colour colour) {
    const int w = s.width();
    const int h = s.height();
    const QPoint pixels[] = {{0, 1},     {1, 1},         {1, 0},         {0, h - 2},
                             {1, h - 2}, {1, h - 1},     {w - 1, 1},     {w - 2, 1},
                             {w - 2, 0}, {w - 1, h - 2}, {w - 2, h - 2}, {w - 2, h - 1}};
    set_pixels(s, pixels, colour);
}

// The colours of the inner ring: row 1, row 2, row H-3 and row H-2. The two side
// bands (columns 1-2 and W-3 to W-2) run from the row-2 colour to the row-H-3 one.
struct Ring {
    Colour top;
    Colour upper;
    Colour lower;
    Colour bottom;
};

// The ring inside the border. The built-in focus ring lays its bottom row first; the
// order shows only on a button too low for the rows to stay apart.
void draw_ring(Surface& s, const Ring& ring, bool bottom_first) {
    const int w = s.width();
    const int h = s.height();
    if (bottom_first) s.line(2, h - 2, w - 2, h - 2, ring.bottom);
    s.line(2, 1, w - 2, 1, ring.top);
    s.line(2, 2, w - 2, 2, ring.upper);
    s.line(2, h - 3, w - 2, h - 3, ring.lower);
    if (!bottom_first) s.line(2, h - 2, w - 2, h - 2, ring.bottom);
    if (!gradient_vertical(s, ring.upper, ring.lower, 1, 2, 3, h - 5)) return;
    (void)gradient_vertical(s, ring.upper, ring.lower, w - 3, 2, w - 1, h - 5);
}

// --- Built-in colours --------------------------------------------------------------

constexpr Colour kBorder = rgb(0, 60, 116);
constexpr Colour kCornerInside = rgb(72, 110, 144);
constexpr Colour kCornerOutside = rgb(106, 139, 162);
constexpr Colour kCornerSoft = rgb(191, 199, 202);

constexpr Colour kDisabledFace = rgb(245, 244, 234);
constexpr Colour kDisabledOutline = rgb(201, 199, 186);
constexpr Colour kDisabledCorner = rgb(216, 213, 199);

constexpr Ring kHotRing{rgb(255, 240, 207), rgb(253, 216, 137), rgb(248, 179, 48), rgb(229, 151, 16)};
constexpr Ring kFocusRing{rgb(206, 231, 255), rgb(188, 212, 246), rgb(137, 173, 228), rgb(105, 130, 238)};

// The resting face: three stacked gradients, lightest at the top, and two shading
// columns at the right. False when a gradient had no rows to draw.
bool fixed_face(Surface& s) {
    const int w = s.width();
    const int h = s.height();
    return gradient_vertical(s, rgb(252, 252, 251), rgb(240, 240, 240), 1, 1, w - 2, 4) &&
           gradient_vertical(s, rgb(250, 250, 249), rgb(240, 240, 234), 1, 4, w - 2, h - 8) &&
           gradient_vertical(s, rgb(235, 235, 230), rgb(214, 208, 197), 1, h - 4, w - 2, 3) &&
           gradient_vertical(s, rgb(251, 251, 250), rgb(228, 226, 218), w - 3, 3, w - 2, h - 5) &&
           gradient_vertical(s, rgb(245, 244, 242), rgb(219, 215, 205), w - 2, 3, w - 1, h - 5);
}

// The pressed face: darkest along the top and the left, lightest at the bottom, with
// its shading columns at the left.
bool fixed_pressed_face(Surface& s) {
    const int w = s.width();
    const int h = s.height();
    return gradient_vertical(s, rgb(209, 204, 193), rgb(228, 227, 220), 2, 1, w - 1, 4) &&
           gradient_vertical(s, rgb(228, 227, 220), rgb(227, 226, 219), 2, 4, w - 1, h - 8) &&
           gradient_vertical(s, rgb(227, 226, 219), rgb(242, 241, 238), 3, h - 4, w - 1, 3) &&
           gradient_vertical(s, rgb(218, 216, 206), rgb(227, 226, 219), 1, 3, 2, h - 5) &&
           gradient_vertical(s, rgb(218, 216, 206), rgb(227, 226, 219), 2, 4, 3, h - 7);
}

// The border, each side one pixel short of the corners, and the pixel groups that
// round its corners off.
void fixed_border(Surface& s) {
    const int w = s.width();
    const int h = s.height();
    s.line(1, 0, w - 1, 0, kBorder);
    s.line(0, 1, 0, h - 1, kBorder);
    s.line(w - 1, 1, w - 1, h - 1, kBorder);
    s.line(1, h - 1, w - 1, h - 1, kBorder);
    inner_corners(s, kCornerInside);
    // Beside each corner on the edge, then beside each corner one pixel in.
    const QPoint outside[] = {{0, 1},         {1, 0},         {1, h - 1}, {0, h - 2},
                              {w - 1, h - 2}, {w - 2, h - 1}, {w - 2, 0}, {w - 1, 1}};
    set_pixels(s, outside, kCornerOutside);
    const QPoint inside[] = {{1, 2},         {2, 1},         {2, h - 2}, {1, h - 3},
                             {w - 2, h - 3}, {w - 3, h - 2}, {w - 3, 1}, {w - 2, 2}};
    set_pixels(s, inside, kCornerSoft);
}

// --- Colours from BackColor -----------------------------------------------------------

// The face's fill takes BackColor as the window system would: a system colour
// reference shows that system colour. A value that names no colour is refused, as the
// window system refuses it, and the painting ends there.
bool fill_back_colour(Surface& s, Colour back, const SystemColours& colours) {
    const Colour fill = colours.translate(back);
    if (fill == kBadColour) return false;
    s.set_background(fill);
    return true;
}

}  // namespace

void paint_style5_fixed(Surface& s, const ButtonFields& f, const SystemColours& colours) {
    const int w = s.width();
    const int h = s.height();
    s.set_background(colours.get(kColorBtnFace));
    switch (f.state) {
        case kNormal:
        case kHot:
            if (!fixed_face(s)) return;
            fixed_border(s);
            // The hot ring whether or not the button has the focus; the focus ring on
            // a button at rest, whatever ShowFocus says.
            if (f.state == kHot)
                draw_ring(s, kHotRing, false);
            else if (f.focus)
                draw_ring(s, kFocusRing, true);
            return;
        case kPressed:
            if (!fixed_pressed_face(s)) return;
            fixed_border(s);
            return;
        case kDisabled:
            s.set_background(kDisabledFace);
            draw_rect_outline(s, 0, 0, w - 1, h - 1, kDisabledOutline);
            disabled_corners(s, kDisabledCorner);
            return;
        default:
            // No state yet: the plain face.
            return;
    }
}

void paint_style5(Surface& s, const ButtonFields& f, const SystemColours& colours) {
    const int w = s.width();
    const int h = s.height();
    const Colour back = f.BackColor;
    // BackColor moved by k on each channel, from its three low bytes.
    const auto b = [back](int k) { return colour_clamp(back, k); };
    switch (f.state) {
        case kNormal:
        case kHot: {
            if (!fill_back_colour(s, back, colours)) return;
            if (!gradient_vertical(s, back, b(-15), 1, 1, w - 2, h - 3)) return;
            if (!gradient_vertical(s, b(21), b(-21), 1, 2, 2, h - 5)) return;
            // Drawn leftwards, so that each row paints column W-2 alone.
            if (!gradient_vertical(s, b(-5), b(-32), w - 2, 2, w - 3, h - 5)) return;
            s.line(2, 1, w - 2, 1, b(5));
            s.line(1, 2, w - 1, 2, b(2));
            s.line(2, h - 4, w - 2, h - 4, b(-16));
            s.line(2, h - 3, w - 2, h - 3, b(-24));
            s.line(2, h - 2, w - 2, h - 2, b(-37));
            const Colour border = b(-128);
            s.line(2, 0, w - 2, 0, border);
            s.line(0, 2, 0, h - 2, border);
            s.line(2, h - 1, w - 2, h - 1, border);
            s.line(w - 1, 2, w - 1, h - 2, border);
            inner_corners(s, border);
            const QPoint pixels[] = {{1, 0},     {w - 2, 0},     {0, 1},     {0, h - 2},
                                     {1, h - 1}, {w - 2, h - 1}, {w - 1, 1}, {w - 1, h - 2}};
            set_pixels(s, pixels, b(-21));
            // The ring: hot, or focused where the button is asked to show its focus.
            // Its colours come from HighlightColor only while hot.
            if (f.state == kHot || (f.focus && f.ShowFocus)) {
                const Colour accent = f.state == kHot ? f.HighlightColor : colours.get(kColorHighlight);
                const Ring ring{colour_clamp(accent, 85), colour_clamp(accent, 69), colour_clamp(accent, 16),
                                colour_clamp(accent, 0)};
                draw_ring(s, ring, false);
            }
            return;
        }
        case kPressed: {
            // No fill: the corners keep the surface's background colour.
            if (!gradient_vertical(s, b(-37), b(-21), 2, 1, w - 1, 4)) return;
            if (!gradient_vertical(s, b(-21), b(-5), 2, 4, w - 1, h - 8)) return;
            if (!gradient_vertical(s, b(-5), b(5), 3, h - 4, w - 1, 3)) return;
            if (!gradient_vertical(s, b(-32), b(-22), 1, 3, 2, h - 5)) return;
            if (!gradient_vertical(s, b(-24), b(-15), 2, 4, 3, h - 7)) return;
            s.set_pixel(1, 2, b(-48));
            s.set_pixel(2, 1, b(-48));
            s.set_pixel(2, h - 2, b(-5));
            s.set_pixel(1, h - 3, b(-16));
            s.set_pixel(w - 2, h - 3, b(18));
            s.set_pixel(w - 3, h - 2, b(8));
            s.set_pixel(w - 3, 1, b(-48));
            s.set_pixel(w - 2, 2, b(-37));
            const Colour border = b(-128);
            s.line(1, 0, w - 1, 0, border);
            s.line(0, 1, 0, h - 1, border);
            s.line(w - 1, 1, w - 1, h - 1, border);
            s.line(1, h - 1, w - 1, h - 1, border);
            inner_corners(s, b(-96));
            return;
        }
        case kDisabled:
            if (!fill_back_colour(s, back, colours)) return;
            draw_rect_outline(s, 0, 0, w - 1, h - 1, b(-64));
            disabled_corners(s, b(-53));
            return;
        default:
            // No state yet: nothing at all, not even the fill.
            return;
    }
}

}  // namespace tavolora::controls
