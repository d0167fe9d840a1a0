#pragma once

// Checks of window outlines shared by the tests of the controls cut to them.

#include <gtest/gtest.h>

#include <QPoint>
#include <QRect>
#include <QRegion>

#include <algorithm>

namespace tavolora::controls {

// The pixels of a region; its rectangles never overlap.
inline int pixel_count(const QRegion& region) {
    int count = 0;
    for (const QRect& r : region) count += r.width() * r.height();
    return count;
}

// Whether `outline` lies within the w x h box at the origin and keeps all of it but
// its rounded corners: each corner loses its outermost pixel, nothing is lost
// farther than `reach` from both edges that meet there, and the four corners are
// mirror images of one another.
inline testing::AssertionResult corners_cut_alike(const QRegion& outline, int w, int h, int reach) {
    if (!QRect(0, 0, w, h).contains(outline.boundingRect()))
        return testing::AssertionFailure() << "the outline reaches past " << w << " x " << h;
    if (outline.contains(QPoint(0, 0))) return testing::AssertionFailure() << "the corner pixel is kept";
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool kept = outline.contains(QPoint(x, y));
            const bool mirrored = outline.contains(QPoint(w - 1 - x, y)) == kept &&
                                  outline.contains(QPoint(x, h - 1 - y)) == kept;
            if (!mirrored)
                return testing::AssertionFailure() << x << "," << y << " differs from its mirror images";
            if (!kept && (std::min(x, w - 1 - x) >= reach || std::min(y, h - 1 - y) >= reach))
                return testing::AssertionFailure() << x << "," << y << " is cut away from the corners";
        }
    }
    return testing::AssertionSuccess();
}

}  // namespace tavolora::controls
