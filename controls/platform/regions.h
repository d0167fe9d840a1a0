#pragma once

// Window outlines as the window system made them, pixel for pixel. A region holds
// the pixels inside its boundary, the right and bottom boundary left out.

#include <QPoint>
#include <QRegion>

#include <vector>

namespace tavolora::controls {

// CreateRectRgn: the pixels (left..right - 1) x (top..bottom - 1).
QRegion rect_region(int left, int top, int right, int bottom);

// CreateRoundRectRgn: the pixels of the rectangle region of the same corners
// (left..right - 1, top..bottom - 1), each corner rounded on an ellipse of the given
// width and height laid over that rectangle. Ellipses of 1 pixel or less leave it
// a plain rectangle.
QRegion round_rect_region(int left, int top, int right, int bottom, int ellipse_width, int ellipse_height);

// CreatePolygonRgn with the alternate (even-odd) rule: pixel (x, y) belongs to the
// region when the point (x, y), its top-left corner, lies inside the polygon, a
// point on a left or top edge counting as inside and on a right or bottom edge as
// outside.
QRegion polygon_region(const std::vector<QPoint>& points);

// Whether a pixel lies in the rounded box of pixels left..right, top..bottom (all
// inclusive) whose corners are cut by ellipses of the given size: the test of its
// centre. Ellipses of 1 pixel or less leave square corners.
bool in_rounded_box(int x, int y, int left, int top, int right, int bottom, int ellipse_width,
                    int ellipse_height);

}  // namespace tavolora::controls
