// Style 7: the look of the card table's buttons. One base colour B (BackColor, or
// the button face) gives a face colour B0 by the state; from B0 come a vertical body
// gradient, a light and a dark side strip and a dark outline with cut corners. Light
// and dark inner lines run along the top and bottom, and a frame in the highlight
// colour shows while the mouse is over the button or a button at rest has the focus.
//
// Colours derived from B0 are taken from B0 after its channels were clipped to
// 0..255, never from B in one step: a base near white or black keeps its shading.

#include <QPoint>

#include "controls/button/primitives.h"
#include "controls/button/styles.h"

namespace tavolora::controls {

namespace {

// B0 = B + k, by state (1 normal, 2 hot, 3 pressed, 4 disabled).
int face_offset(int state) {
    switch (state) {
        case kHot:
            return 24;
        case kPressed:
            return -9;
        case kDisabled:
            return 18;
        default:
            return 8;
    }
}

}  // namespace

void paint_style7(Surface& s, const ButtonFields& f, const SystemColours& colours) {
    const int state = f.state;
    // A button that has no state yet shows the surface as it is.
    if (state < kNormal || state > kDisabled) return;
    const int w = s.width();
    const int h = s.height();
    // Without custom colours: the button face and the system's selection colour.
    const BaseColours own = base_colours(f, colours, {colours.get(kColorBtnFace), colours.get(kColorHighlight)});
    const Colour base = own.back;
    const Colour highlight = own.highlight;
    const Colour face = colour_clamp(base, face_offset(state));
    const auto b = [base](int d) { return colour_clamp(base, d); };
    const auto b0 = [face](int d) { return colour_clamp(face, d); };

    // A pressed button keeps the background it has: its body reaches the bottom row.
    if (state == kPressed) {
        if (!gradient_vertical(s, b0(-15), face, 1, 1, w - 2, h - 2)) return;
        // The strips swap their light and dark: the right strip first, light at the bottom.
        if (!gradient_vertical(s, b0(-21), b0(21), w - 2, 2, w - 3, h - 5)) return;
        if (!gradient_vertical(s, b0(-32), b0(-5), 1, 2, 2, h - 5)) return;
    } else {
        s.set_background(face);
        const int spread = state == kHot ? 16 : 15;
        if (!gradient_vertical(s, b0(spread), b0(-spread), 1, 1, w - 2, h - 3)) return;
        if (!gradient_vertical(s, b0(21), b0(-21), 1, 2, 2, h - 5)) return;
        // Drawn leftwards, so that each row paints column W-2 alone.
        if (!gradient_vertical(s, b0(-5), b0(-32), w - 2, 2, w - 3, h - 5)) return;
    }

    // The outline: top, left and bottom stop two pixels short of their ends, the
    // right side runs the whole height.
    const Colour edge = b0(-96);
    s.line(2, 0, w - 2, 0, edge);
    s.line(0, 2, 0, h - 2, edge);
    s.line(2, h - 1, w - 2, h - 1, edge);
    s.line(w - 1, 0, w - 1, h, edge);
    s.set_pixel(1, 1, edge);
    s.set_pixel(1, h - 2, edge);
    s.set_pixel(w - 2, 1, edge);
    s.set_pixel(w - 2, h - 2, edge);

    // The soft corners, the last two over the right side of the outline.
    const Colour soft = state == kDisabled ? b(5) : b(-21);
    const QPoint corners[] = {{1, 0},     {w - 2, 0},     {0, 1},     {0, h - 2},
                              {1, h - 1}, {w - 2, h - 1}, {w - 1, 1}, {w - 1, h - 2}};
    for (const QPoint& p : corners) s.set_pixel(p.x(), p.y(), soft);

    // The inner lines, from B itself: a pressed button has the dark one on top.
    if (state == kPressed) {
        s.line(2, h - 2, w - 2, h - 2, b(8));
        s.line(2, 1, w - 2, 1, b(-21));
    } else if (state != kHot) {
        s.line(2, 1, w - 2, 1, b(21));
        s.line(2, h - 2, w - 2, h - 2, b(-37));
    }

    // The highlight frame: always while hot, on a button at rest while it has the
    // focus (ShowFocus plays no part here).
    if (state == kHot || (state == kNormal && f.focus)) {
        s.line(2, 1, w - 2, 1, colour_clamp(highlight, 21));
        s.line(1, 2, w - 1, 2, colour_clamp(highlight, 21));
        s.line(1, h - 3, w - 1, h - 3, colour_clamp(highlight, -5));
        s.line(2, h - 2, w - 2, h - 2, colour_clamp(highlight, -21));
    }
}

}  // namespace tavolora::controls
