#include "controls/platform/regions.h"

#include <algorithm>
#include <cmath>

namespace tavolora::controls {

namespace {

// A region from a test of each pixel of a box, row by row in spans.
template <class Inside>
QRegion region_of(int left, int top, int right, int bottom, Inside inside) {
    QRegion region;
    for (int y = top; y < bottom; ++y) {
        int start = -1;
        for (int x = left; x <= right; ++x) {
            const bool in = x < right && inside(x, y);
            if (in && start < 0) start = x;
            if (!in && start >= 0) {
                region += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    return region;
}

}  // namespace

QRegion rect_region(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return {};
    return QRegion(left, top, right - left, bottom - top);
}

bool in_rounded_box(int x, int y, int left, int top, int right, int bottom, int ellipse_width,
                    int ellipse_height) {
    if (x < left || x > right || y < top || y > bottom) return false;
    const double box_width = right - left + 1;
    const double box_height = bottom - top + 1;
    const double rx = std::min<double>(std::abs(ellipse_width), box_width) / 2.0;
    const double ry = std::min<double>(std::abs(ellipse_height), box_height) / 2.0;
    if (rx <= 0.5 || ry <= 0.5) return true;
    const double px = x + 0.5;
    const double py = y + 0.5;
    double cx = 0;
    double cy = 0;
    if (px < left + rx)
        cx = left + rx;
    else if (px > right + 1 - rx)
        cx = right + 1 - rx;
    else
        return true;
    if (py < top + ry)
        cy = top + ry;
    else if (py > bottom + 1 - ry)
        cy = bottom + 1 - ry;
    else
        return true;
    const double dx = (px - cx) / rx;
    const double dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

QRegion round_rect_region(int left, int top, int right, int bottom, int ellipse_width, int ellipse_height) {
    // The same pixels as the rectangle region of these corners, less what the
    // corner ellipses cut: a panel or container of W x H with square corners keeps
    // every one of its W x H pixels, and the four corners are cut alike.
    if (right <= left || bottom <= top) return {};
    return region_of(left, top, right, bottom, [&](int x, int y) {
        return in_rounded_box(x, y, left, top, right - 1, bottom - 1, ellipse_width, ellipse_height);
    });
}

QRegion polygon_region(const std::vector<QPoint>& points) {
    if (points.size() < 3) return {};
    int top = points[0].y();
    int bottom = top;
    for (const QPoint& p : points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    QRegion region;
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint a = points[i];
            const QPoint b = points[(i + 1) % points.size()];
            if (a.y() == b.y()) continue;
            const QPoint low = a.y() < b.y() ? a : b;
            const QPoint high = a.y() < b.y() ? b : a;
            // Half open: an edge counts from its upper end up to, not at, its lower end.
            if (y < low.y() || y >= high.y()) continue;
            crossings.push_back(low.x() + double(y - low.y()) * (high.x() - low.x()) / (high.y() - low.y()));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = static_cast<int>(std::ceil(crossings[i]));
            const int to = static_cast<int>(std::ceil(crossings[i + 1]));  // first pixel outside
            if (to > from) region += QRect(from, y, to - from, 1);
        }
    }
    return region;
}

}  // namespace tavolora::controls
