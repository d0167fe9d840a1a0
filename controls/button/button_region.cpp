#include "controls/button/button_region.h"

#include "controls/button/painter.h"
#include "controls/platform/regions.h"

namespace tavolora::controls {

namespace {

// The corner ellipses of the rounded outline.
constexpr int kRoundedCorner = 18;

}  // namespace

std::vector<QPoint> region_polygon(int w, int h) {
    return {{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}};
}

std::vector<QPoint> region_polygon2(int w, int h) {
    return {{0, 2}, {2, 0}, {w - 3, 0}, {w, 3}, {w, h - 3}, {w - 3, h}, {4, h}, {0, h - 4}};
}

QRegion rect_outline(int w, int h) { return rect_region(0, 0, w, h); }

QRegion cut_outline(int w, int h) { return polygon_region(region_polygon(w, h)); }

QRegion wide_cut_outline(int w, int h) { return polygon_region(region_polygon2(w, h)); }

QRegion rounded_outline(int w, int h) {
    // A pixel past the surface on the right and at the bottom; the window clips that
    // column and row, so the two far corners are cut a little less than the near ones.
    return round_rect_region(0, 0, w + 1, h + 1, kRoundedCorner, kRoundedCorner);
}

QRegion button_region(int style, int w, int h) { return button_style(style).outline(w, h); }

}  // namespace tavolora::controls
