#pragma once

// Painting what a paint event exposes one rectangle at a time. A widget with an
// outline, or one partly covered by opaque children, is exposed as a region of many
// rectangles, and Qt's raster engine draws a picture through a clip that is not a
// single rectangle span by span, handing the spans to its thread pool: the wake-ups
// of those threads cost far more than the pixels, most of all on a busy machine or
// one with few cores. Clipped to one rectangle of the region, the same picture is
// copied row by row on the painting thread, and the pixels come out the same.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>

namespace tavolora::controls {

// Calls `paint(area)` for each rectangle of `exposed`, with the painter clipped to
// exactly that rectangle; the painter's clip is left off afterwards.
template <class Paint>
void for_each_exposed_rect(QPainter& painter, const QRegion& exposed, Paint&& paint) {
    for (const QRect& area : exposed) {
        painter.setClipRect(area);
        paint(area);
    }
    painter.setClipping(false);
}

// A control's kept picture, drawn at the widget's origin where the event exposes it.
inline void paint_exposed(QPainter& painter, const QRegion& exposed, const QImage& image) {
    for_each_exposed_rect(painter, exposed, [&](const QRect& area) {
        const QRect part = area & image.rect();
        if (!part.isEmpty()) painter.drawImage(part.topLeft(), image, part);
    });
}

}  // namespace tavolora::controls
