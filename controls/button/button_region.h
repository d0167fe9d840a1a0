#pragma once

// The window outline of each button style: the corners that a style cuts or rounds
// let the holding form show through.

#include <QPoint>
#include <QRegion>

#include <vector>

namespace tavolora::controls {

// The eight points of styles 5 and 7 (one-pixel cuts) and of styles 8 and 9
// (larger cuts), for a surface of w x h pixels.
std::vector<QPoint> region_polygon(int w, int h);
std::vector<QPoint> region_polygon2(int w, int h);

// The outline of a style: the polygons above, a rounded rectangle on 18 x 18
// corners for style 10, the plain rectangle for every other style.
QRegion button_region(int style, int w, int h);

}  // namespace tavolora::controls
