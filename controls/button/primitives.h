#pragma once

// The button's drawing primitives and colour arithmetic: every look of the themed
// button is made of these.

#include "controls/button/button_fields.h"
#include "controls/platform/surface.h"

namespace tavolora::controls {

// Channel-wise mean, to the nearest integer, halves to even.
Colour colour_blend(Colour a, Colour b);
// Towards white by amount / 255: ch x (255 - amount) \ 255 + amount, at most 255.
Colour colour_shift(Colour c, int amount);
// delta added to each channel, each kept within 0..255.
Colour colour_clamp(Colour c, int delta);

// One channel of row (or column) i of a gradient of n steps: the step (end - start)
// / n is held in single precision, as the painters have always held it, while its
// product with i and the sum with start are taken in double precision; the result
// goes to the nearest integer, halves to even, at most 255. Every gradient of the
// button goes through here.
int gradient_channel(int start, int end, int n, int i);

// n + 1 rows y..y + n, each a line from x1 towards x2 (x2 left out), from c1 on the
// first row to c2 on the last. A negative n draws nothing. n = 0 is the painters'
// arithmetic fault: nothing is drawn and the result is false, which ends the painter.
[[nodiscard]] bool gradient_vertical(Surface& s, Colour c1, Colour c2, int x1, int y, int x2, int n);
// Columns x1..x2, each a line from y1 towards y2, from c1 to c2 (n = x2 - x1, with
// the same rules).
[[nodiscard]] bool gradient_blend(Surface& s, Colour c1, Colour c2, int x1, int y1, int x2, int y2);

// w x h pixels from (x, y).
void draw_rectangle(Surface& s, int x, int y, int w, int h, Colour c);
// The closed outline of columns x..x + w and rows y..y + h, corners included;
// nothing for w = h = 0.
void draw_rect_outline(Surface& s, int x, int y, int w, int h, Colour c);
// DrawEdge on (x, y, x + w, y + h), each taken to the nearest integer, halves to even.
void draw_edge_coords(Surface& s, double x, double y, double w, double h, int edge,
                      const SystemColours& colours);
// The two-colour etched frame: c1 on the outer top and left and the inner bottom and
// right, c2 on the inner top and left and the outer bottom and right.
void draw_pixel_frame(Surface& s, int x, int y, int w, int h, Colour c1, Colour c2, Colour c3);

// The colours a button's look starts from. A button that uses its own colours
// (UseCustomColors) builds its face from BackColor and HighlightColor and writes its
// caption in FontColor at rest and FontHighlightColor otherwise; any other button
// takes the system's stand-ins that its style names for the first two, and the
// system's button text for the caption. Every look makes that choice here, and here
// only; a disabled caption is grey in both cases (draw_caption).
struct SystemStandIns {
    Colour back;       // for BackColor
    Colour highlight;  // for HighlightColor
};
struct BaseColours {
    Colour back;
    Colour highlight;
    Colour text;      // the caption at rest
    Colour text_hot;  // the caption hot or pressed
};
BaseColours base_colours(const ButtonFields& f, const SystemColours& system, SystemStandIns stand_ins);

// The caption in the inner rectangle with the caption format, in the colour the
// state and UseCustomColors choose.
void draw_caption(Surface& s, const ButtonFields& f, const SystemColours& colours);

}  // namespace tavolora::controls
