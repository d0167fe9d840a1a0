#pragma once

// The window outline of each button style: the corners that a style cuts or rounds
// let the holding form show through. Each style's row (painter.h) names its outline.

#include <QPoint>
#include <QRegion>

#include <vector>

namespace tavolora::controls {

// The eight points of styles 5 and 7 (one-pixel cuts) and of styles 8 and 9
// (larger cuts), for a surface of w x h pixels.
std::vector<QPoint> region_polygon(int w, int h);
std::vector<QPoint> region_polygon2(int w, int h);

// The outlines of a surface of w x h pixels: the plain rectangle, the polygons
// above, and a rounded rectangle on 18 x 18 corners.
QRegion rect_outline(int w, int h);
QRegion cut_outline(int w, int h);
QRegion wide_cut_outline(int w, int h);
QRegion rounded_outline(int w, int h);

// The outline of a style, as its row names it.
QRegion button_region(int style, int w, int h);

}  // namespace tavolora::controls
