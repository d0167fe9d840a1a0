// Small path helpers shared by the sign and figure drawings.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tavolora::art {

inline QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

inline QPainterPath polygonPath(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

inline void fillAndOutline(QPainter& p, const QPainterPath& path, const QColor& fill, const QPen& pen) {
    p.setPen(pen);
    p.setBrush(fill);
    p.drawPath(path);
}

// Paints inside `shape` only (bands, shading, parti-colours), then draws the
// shape's outline again over the edges of what was painted.
template <typename PaintInside>
void paintWithin(QPainter& p, const QPainterPath& shape, const QPen& pen, PaintInside paintInside) {
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    paintInside();
    p.restore();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

}  // namespace tavolora::art
