// Style 9: a beveled face from one colour B. A vertical gradient fills the body; a
// light-to-dark column runs down the left edge and another just inside the right
// one; short gradient columns bevel both sides, split at half height; short rows
// soften the lower corners; light rows run along the top with a highlight fading
// into B near the top-right corner, dark rows along the bottom, and a diagonal
// closes the bottom-right corner. The state chooses B and nothing else.
#include "controls/button/primitives.h"
#include "controls/button/styles.h"

namespace tavolora::controls {

namespace {

// B: the base colour of the state with the state's offset. Without custom colours
// the button face stands for both base colours.
Colour face_of(const ButtonFields& f, const SystemColours& colours) {
    const Colour face = colours.get(kColorBtnFace);
    const BaseColours own = base_colours(f, colours, {face, face});
    switch (f.state) {
        case kNormal:
            return colour_clamp(own.back, -15);
        case kHot:
            return colour_clamp(own.highlight, 1);
        case kPressed:
            return colour_clamp(own.highlight, 24);
        default:
            return colour_clamp(own.back, 15);
    }
}

}  // namespace

void paint_style9(Surface& s, const ButtonFields& f, const SystemColours& colours) {
    const int w = s.width();
    const int h = s.height();
    const Colour b = face_of(f, colours);
    const auto tone = [b](int offset) { return colour_clamp(b, offset); };
    // Rows measured from half the height: each is rounded on its own, halves to even.
    const double half = h / 2.0;
    const auto r = [half](int offset) { return round_even(half + offset); };
    // A one-pixel gradient column x, rows y..y + n.
    const auto column = [&s](Colour top, Colour bottom, int x, int y, int n) {
        return gradient_vertical(s, top, bottom, x, y, x + 1, n);
    };

    s.set_background(b);

    // A gradient of no length ends the painter where it stands; that happens only on
    // a button lower than the smallest one the frame allows.

    // The body, and the light-to-dark column down the left edge.
    if (!gradient_vertical(s, tone(32), tone(-32), 5, 2, w - 5, h - 6)) return;
    if (!column(tone(128), tone(-128), 0, 0, h - 4)) return;

    // The left bevel: upper halves, then lower halves.
    if (!column(b, tone(-37), 2, 4, r(-7))) return;
    if (!column(b, tone(-53), 3, 3, r(-7))) return;
    if (!column(b, tone(-37), 4, 2, r(-7))) return;
    if (!column(tone(37), tone(5), 5, 2, r(-4))) return;
    if (!column(tone(-37), tone(-32), 2, r(-2), r(-5))) return;
    if (!column(tone(-53), tone(-32), 3, r(-3), r(-3))) return;
    if (!column(tone(-37), tone(-32), 4, r(-4), r(-1))) return;
    if (!column(tone(5), tone(-5), 5, r(-4), r(-3))) return;

    // The bottom-left corner softened by three short rows.
    if (!gradient_blend(s, tone(-53), tone(-32), 5, h - 5, 12, h - 6)) return;
    if (!gradient_blend(s, tone(-56), tone(-32), 4, h - 6, 7, h - 7)) return;
    if (!gradient_blend(s, tone(-37), tone(-32), 3, h - 7, 5, h - 8)) return;

    // The light-to-dark column inside the right edge, and the edge column itself,
    // which turns dark at half height.
    if (!column(tone(128), tone(-128), w - 2, 0, h - 4)) return;
    if (!column(tone(128), tone(-48), w - 1, 0, r(0))) return;
    if (!column(tone(-64), tone(-8), w - 1, r(0), r(-4))) return;

    // The right bevel: upper halves, then lower halves.
    if (!column(b, tone(-37), w - 4, 4, r(-5))) return;
    if (!column(b, tone(-48), w - 5, 3, r(-4))) return;
    if (!column(b, tone(-37), w - 6, 2, r(-3))) return;
    if (!column(tone(37), tone(5), w - 7, 2, r(-4))) return;
    if (!column(tone(-37), tone(-21), w - 4, r(0), r(-5))) return;
    if (!column(tone(-48), tone(-37), w - 5, r(0), r(-5))) return;
    if (!column(tone(-37), tone(-53), w - 6, r(0), r(-4))) return;
    if (!column(tone(-5), tone(-37), w - 7, r(0), r(-4))) return;
    if (!gradient_blend(s, tone(-32), tone(-53), w - 15, h - 4, w - 7, h - 3)) return;

    // Light rows along the top, B again between their ends, the highlight near the
    // top-right corner and one bright pixel near the top-left.
    s.line(3, 0, w - 3, 0, tone(48));
    s.line(1, 1, w - 1, 1, tone(48));
    s.line(5, 1, w - 5, 1, b);
    if (!gradient_blend(s, tone(32), b, w - 11, 2, w - 4, 3)) return;
    if (!gradient_blend(s, tone(32), b, w - 10, 3, w - 5, 4)) return;
    if (!gradient_blend(s, tone(32), b, w - 9, 4, w - 6, 5)) return;
    s.line(6, 3, 7, 3, tone(128));

    // Dark rows along the bottom, the two lower corner pixels and the closing
    // diagonal at the bottom right.
    s.line(3, h - 1, w - 3, h - 1, tone(-16));
    s.line(2, h - 2, w - 3, h - 2, tone(-128));
    s.line(7, h - 3, w - 7, h - 3, b);
    s.set_pixel(1, h - 3, tone(-112));
    s.set_pixel(w - 3, h - 3, tone(-112));
    s.line(w - 4, h - 1, w - 1, h - 4, tone(-21));
}

}  // namespace tavolora::controls
