#pragma once

// The drawing surface of a control: an image that the control paints into with the
// integer operations of the window system it was made for (lines that leave out
// their end point, rectangles that leave out their right column and bottom row,
// three-dimensional edges, a vertical two-colour fill, text in a rectangle, a
// picture painted at a point), so that every pixel can be checked against its
// rule. The widget shows the image; nothing is drawn straight to the screen.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSizeF>
#include <QString>

#include "controls/platform/colours.h"

namespace tavolora::controls {

// DrawTextA's format flags.
enum TextFormat : int {
    kDtLeft = 0,
    kDtTop = 0,
    kDtCenter = 1,
    kDtRight = 2,
    kDtVCenter = 4,
    kDtBottom = 8,
    kDtWordBreak = 16,
    kDtSingleLine = 32,
};

// DrawEdge's edges and the flag of all four sides.
enum EdgeKind : int {
    kBdrRaisedOuter = 1,
    kBdrSunkenOuter = 2,
    kBdrRaisedInner = 4,
    kBdrSunkenInner = 8,
    kEdgeRaised = 5,
    kEdgeSunken = 10,
    kBfRect = 15,
};

class Surface {
public:
    Surface() : Surface(0, 0) {}
    Surface(int width, int height);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    // The pixels, for painting through Qt (the platform's own button look).
    QImage& pixels() { return image_; }
    // One row's pixels (0 <= y < height), for painters that fill whole rows at once.
    QRgb* row(int y) { return reinterpret_cast<QRgb*>(image_.scanLine(y)); }
    static QRgb qrgb(Colour c) { return qRgb(red_of(c), green_of(c), blue_of(c)); }

    // A new size; the surface is cleared to its background colour.
    void resize(int width, int height);

    Colour background() const { return background_; }
    // The surface's background colour; setting it clears the whole surface to it.
    void set_background(Colour colour);
    // The whole surface in its background colour.
    void clear();

    void set_pixel(int x, int y, Colour colour);
    // The colour at a pixel, kBadColour outside the surface.
    Colour pixel(int x, int y) const;

    // A line one pixel wide from (x1, y1) towards (x2, y2); the end point itself is
    // not drawn. Each step along the longer axis moves the other coordinate to the
    // nearest whole pixel of the ideal line, halves away from the start.
    void line(int x1, int y1, int x2, int y2, Colour colour);
    // The rectangle from (left, top) to (right, bottom), right column and bottom row
    // left out.
    void fill_rect(int left, int top, int right, int bottom, Colour colour);
    void fill_region(const QRegion& region, Colour colour);
    // A vertical two-colour fill over (left, top)-(right, bottom), right and bottom
    // left out, with 16-bit channels (an 8-bit channel c is c x 256): each row's
    // channel is start + (end - start) x (row - top) / (bottom - top).
    void gradient_fill_vertical(int left, int top, int right, int bottom, Colour top_colour,
                                Colour bottom_colour);
    // A rounded rectangle's one-pixel outline drawn inside (left, top)-(right,
    // bottom), right and bottom left out, the corners rounded on ellipses of
    // width x height; the inside is left as it is.
    void round_rect(int left, int top, int right, int bottom, int ellipse_width, int ellipse_height,
                    Colour colour);
    // DrawEdge over (left, top)-(right, bottom) with all four sides: each border
    // kind is a one-pixel ring, outer at the rectangle's edge and inner inside it;
    // the top and left lines stop one pixel short of the bottom and right ones.
    void draw_edge(int left, int top, int right, int bottom, int edge, const SystemColours& colours);

    // DrawTextA: the text in the rectangle by the format, clipped to it, on a
    // transparent background.
    void draw_text(const QString& text, const QRect& rect, int format, const QFont& font, Colour colour);
    // The toolkit's Print: the text's top-left corner at (x, y), not clipped.
    void print_text(int x, int y, const QString& text, const QFont& font, Colour colour);
    // The toolkit's TextWidth and TextHeight of a text in a font.
    static QSizeF text_size(const QString& text, const QFont& font);

    // The toolkit's picture painting: the picture scaled into the rectangle (a
    // picture with transparency leaves its clear parts unpainted).
    void draw_picture(const QImage& picture, const QRect& target);
    // BitBlt: the surface takes the pixels of `source` from `from` on; pixels beyond
    // the source stay as they are.
    void copy_from(const QImage& source, QPoint from);

private:
    QImage image_;
    Colour background_ = 0;
};

}  // namespace tavolora::controls
