// Drawing helpers for the users' pictures. Coordinates are in a 100-unit
// square; the picture is drawn at four times its final size and scaled down.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <functional>
#include <initializer_list>

namespace tavolora::art::photo {

// Paints the ground (a flat colour, a little lighter behind the head), runs
// `draw` in the 100-unit square and returns the picture at its real size.
QImage portrait(const QColor& ground, const std::function<void(QPainter&)>& draw);

QPainterPath circle(qreal cx, qreal cy, qreal r);
QPainterPath oval(qreal cx, qreal cy, qreal rx, qreal ry);
// An ellipse turned clockwise by `degrees` about its centre.
QPainterPath rotatedOval(qreal cx, qreal cy, qreal rx, qreal ry, qreal degrees);
QPainterPath rect(qreal x, qreal y, qreal w, qreal h);
QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius);
QPainterPath polygon(std::initializer_list<QPointF> points);
// A triangle whose corners are rounded off.
QPainterPath roundedTriangle(QPointF a, QPointF b, QPointF c);
// The point at `degrees` (clockwise from the right) on a circle.
QPointF onCircle(QPointF centre, qreal radius, qreal degrees);

// The same shape seen in a mirror down the middle of the picture.
QPainterPath mirrored(const QPainterPath& path);
// A closed outline from its right half: `half` runs from a point on the middle
// line, down the right side, back to the middle line.
QPainterPath symmetric(const QPainterPath& half);

// The outline colour of a shape: a darker shade of its own colour.
QColor edgeOf(const QColor& fill);

// Fills without an outline.
void fill(QPainter& p, const QPainterPath& path, const QColor& colour);
// Fills and outlines in a darker shade of the fill.
void shape(QPainter& p, const QPainterPath& path, const QColor& colour);
// Only the outline that shape() would draw, e.g. again after painting inside.
void outline(QPainter& p, const QPainterPath& path, const QColor& colour);
// The shape and its mirror image.
void shapePair(QPainter& p, const QPainterPath& path, const QColor& colour);
void fillPair(QPainter& p, const QPainterPath& path, const QColor& colour);
// Paints only inside `clip`.
void withClip(QPainter& p, const QPainterPath& clip, const std::function<void()>& paint);
// A line through the points with round ends, `width` units wide.
void stroke(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, qreal width);
void strokePath(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);
// A small four-pointed star.
void sparkle(QPainter& p, QPointF centre, qreal size, const QColor& colour);

}  // namespace tavolora::art::photo
