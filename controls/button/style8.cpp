// Style 8: a soft vertical gradient inside a one-pixel light-and-dark ring, a border
// with cut corners and a drop shadow on the bottom and right that doubles into two
// diagonals at the bottom-right corner. Pressed, the gradient and the ring turn
// upside down; with the focus and not pressed, the border is darker.
#include "controls/button/primitives.h"
#include "controls/button/styles.h"

namespace tavolora::controls {

namespace {

// The surface's background from a colour as the button stores it: a system colour
// reference shows its current colour, as the window's own background colour does.
// A value that cannot be translated falls back to its three low bytes, the way the
// lines and gradients read every stored colour.
Colour background_of(Colour stored, const SystemColours& colours) {
    const Colour translated = colours.translate(stored);
    return translated == kBadColour ? stored & 0x00FFFFFFu : translated;
}

}  // namespace

void paint_style8(Surface& s, const ButtonFields& f, const SystemColours& colours) {
    const int w = s.width();
    const int h = s.height();
    const bool pressed = f.state == kPressed;

    // Without custom colours the face stands for BackColor and a lighter face for
    // HighlightColor.
    const Colour face = colours.get(kColorBtnFace);
    const BaseColours own = base_colours(f, colours, {face, colour_clamp(face, 15)});
    const Colour base = own.back;
    const Colour fill = f.state == kNormal ? base : own.highlight;
    // The focus darkens the border of a button at rest only.
    const Colour edge = colour_clamp(base, !pressed && f.focus ? -96 : -48);
    const Colour shade = colour_clamp(edge, 21);
    const Colour shade2 = colour_clamp(shade, 15);

    s.set_background(background_of(fill, colours));

    // Body and inner ring: light above and to the left at rest, the reverse pressed.
    // A body of no length (a button lower than the frame allows) ends the painter.
    const Colour light = colour_clamp(fill, 15);
    const Colour dark = colour_clamp(fill, -15);
    if (!gradient_vertical(s, pressed ? dark : light, pressed ? light : dark, 2, 2, w - 3, h - 6)) return;
    const Colour ring_light = colour_clamp(fill, 96);
    const Colour top_left = pressed ? fill : ring_light;
    const Colour bottom_right = pressed ? ring_light : fill;
    s.line(2, 1, w - 3, 1, top_left);
    s.line(1, 2, 1, h - 3, top_left);
    s.line(2, h - 3, w - 2, h - 3, bottom_right);
    s.line(w - 3, 2, w - 3, h - 3, bottom_right);

    // The border round (0, 0)-(w - 2, h - 2); each side stops two pixels short of
    // the box's corner and a single pixel joins two sides diagonally.
    s.line(2, 0, w - 3, 0, edge);
    s.line(0, 2, 0, h - 3, edge);
    s.line(2, h - 2, w - 3, h - 2, edge);
    s.line(w - 2, 2, w - 2, h - 3, edge);
    s.set_pixel(1, 1, edge);
    s.set_pixel(1, h - 3, edge);
    s.set_pixel(w - 3, 1, edge);
    s.set_pixel(w - 3, h - 3, edge);

    // The drop shadow below and to the right, and its two diagonals at the corner.
    s.line(3, h - 1, w - 4, h - 1, shade);
    s.line(w - 1, 3, w - 1, h - 4, shade);
    s.line(w - 4, h - 1, w, h - 5, shade);
    s.line(w - 3, h - 1, w, h - 4, shade2);
}

}  // namespace tavolora::controls
