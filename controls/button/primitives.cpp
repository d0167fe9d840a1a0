#include "controls/button/primitives.h"

#include <algorithm>

namespace tavolora::controls {

namespace {

int limit(int channel) { return std::clamp(channel, 0, 255); }

Colour rebuild(int red, int green, int blue) { return rgb(std::min(red, 255), std::min(green, 255), std::min(blue, 255)); }

}  // namespace

Colour colour_blend(Colour a, Colour b) {
    return rebuild(round_even((red_of(a) + red_of(b)) / 2.0), round_even((green_of(a) + green_of(b)) / 2.0),
                   round_even((blue_of(a) + blue_of(b)) / 2.0));
}

Colour colour_shift(Colour c, int amount) {
    const auto shift = [amount](int channel) { return std::min(channel * (255 - amount) / 255 + amount, 255); };
    return rgb(shift(red_of(c)), shift(green_of(c)), shift(blue_of(c)));
}

Colour colour_clamp(Colour c, int delta) {
    return rgb(limit(red_of(c) + delta), limit(green_of(c) + delta), limit(blue_of(c) + delta));
}

int gradient_channel(int start, int end, int n, int i) {
    const float step = static_cast<float>(end - start) / static_cast<float>(n);
    return std::min(round_even(static_cast<double>(start) + static_cast<double>(step) * i), 255);
}

bool gradient_vertical(Surface& s, Colour c1, Colour c2, int x1, int y, int x2, int n) {
    if (n < 0) return true;
    if (n == 0) return false;
    for (int i = 0; i <= n; ++i) {
        const Colour row = rgb(gradient_channel(red_of(c1), red_of(c2), n, i),
                               gradient_channel(green_of(c1), green_of(c2), n, i),
                               gradient_channel(blue_of(c1), blue_of(c2), n, i));
        s.line(x1, y + i, x2, y + i, row);
    }
    return true;
}

bool gradient_blend(Surface& s, Colour c1, Colour c2, int x1, int y1, int x2, int y2) {
    const int n = x2 - x1;
    if (n < 0) return true;
    if (n == 0) return false;
    for (int i = 0; i <= n; ++i) {
        const Colour column = rgb(gradient_channel(red_of(c1), red_of(c2), n, i),
                                  gradient_channel(green_of(c1), green_of(c2), n, i),
                                  gradient_channel(blue_of(c1), blue_of(c2), n, i));
        s.line(x1 + i, y1, x1 + i, y2, column);
    }
    return true;
}

void draw_rectangle(Surface& s, int x, int y, int w, int h, Colour c) { s.fill_rect(x, y, x + w, y + h, c); }

void draw_rect_outline(Surface& s, int x, int y, int w, int h, Colour c) {
    s.line(x, y, x + w, y, c);
    s.line(x + w, y, x + w, y + h, c);
    s.line(x + w, y + h, x, y + h, c);
    s.line(x, y + h, x, y, c);
}

void draw_edge_coords(Surface& s, double x, double y, double w, double h, int edge, const SystemColours& colours) {
    s.draw_edge(round_even(x), round_even(y), round_even(x + w), round_even(y + h), edge, colours);
}

void draw_pixel_frame(Surface& s, int x, int y, int w, int h, Colour c1, Colour c2, Colour c3) {
    draw_rect_outline(s, x, y, w - 1, h - 1, c1);
    draw_rect_outline(s, x + 1, y + 1, w - 1, h - 1, c2);
    s.set_pixel(x, y + h, c3);
    s.set_pixel(x + w, y, c3);
    const Colour blend = colour_blend(c2, c1);
    s.set_pixel(x + 1, y + h - 1, blend);
    s.set_pixel(x + w - 1, y + 1, blend);
}

BaseColours base_colours(const ButtonFields& f, const SystemColours& system, SystemStandIns stand_ins) {
    if (f.UseCustomColors) return {f.BackColor, f.HighlightColor, f.FontColor, f.FontHighlightColor};
    const Colour text = system.get(kColorBtnText);
    return {stand_ins.back, stand_ins.highlight, text, text};
}

void draw_caption(Surface& s, const ButtonFields& f, const SystemColours& colours) {
    Colour colour = 0;
    if (f.state == kDisabled) {
        colour = colours.translate(0x80000000u | kColorGrayText);
    } else {
        // The caption takes no colour from the face: the stand-ins play no part.
        const Colour face = colours.get(kColorBtnFace);
        const BaseColours base = base_colours(f, colours, {face, face});
        colour = f.state == kNormal ? base.text : base.text_hot;
    }
    const QRect rect(f.inner.left, f.inner.top, f.inner.right - f.inner.left, f.inner.bottom - f.inner.top);
    s.draw_text(f.Caption, rect, f.caption_format, f.font, colour);
}

}  // namespace tavolora::controls
