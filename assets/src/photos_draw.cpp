#include "photos_draw.h"

#include "photos.h"

#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace tavolora::art::photo {

namespace {

constexpr int kOversample = 4;
constexpr qreal kUnits = 100.0;
// About one pixel of the final picture.
constexpr qreal kOutline = 2.0;

}  // namespace

QImage portrait(const QColor& ground, const std::function<void(QPainter&)>& draw) {
    const int size = kPhotoSize * kOversample;
    QImage large(size, size, QImage::Format_RGB32);
    large.fill(ground);
    {
        QPainter p(&large);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / kUnits, size / kUnits);
        QRadialGradient light(QPointF(50, 42), 70);
        light.setColorAt(0.0, ground.lighter(112));
        light.setColorAt(1.0, ground.darker(106));
        p.fillRect(QRectF(0, 0, kUnits, kUnits), light);
        draw(p);
    }
    return large.scaled(kPhotoSize, kPhotoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPainterPath circle(qreal cx, qreal cy, qreal r) {
    return oval(cx, cy, r, r);
}

QPainterPath oval(qreal cx, qreal cy, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath rotatedOval(qreal cx, qreal cy, qreal rx, qreal ry, qreal degrees) {
    QTransform turn;
    turn.translate(cx, cy);
    turn.rotate(degrees);
    return turn.map(oval(0, 0, rx, ry));
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath roundedTriangle(QPointF a, QPointF b, QPointF c) {
    const QPointF corners[3] = {a, b, c};
    constexpr qreal kRound = 0.3;  // how much of each side the rounding takes
    auto towards = [](QPointF from, QPointF to, qreal t) { return from + (to - from) * t; };
    QPainterPath path;
    path.moveTo(towards(corners[0], corners[1], kRound));
    for (int i = 1; i <= 3; ++i) {
        const QPointF corner = corners[i % 3];
        path.lineTo(towards(corner, corners[(i + 2) % 3], kRound));
        path.quadTo(corner, towards(corner, corners[(i + 1) % 3], kRound));
    }
    path.closeSubpath();
    return path;
}

QPointF onCircle(QPointF centre, qreal radius, qreal degrees) {
    const qreal radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(std::cos(radians), std::sin(radians)) * radius;
}

QPainterPath mirrored(const QPainterPath& path) {
    return QTransform(-1, 0, 0, 1, kUnits, 0).map(path);
}

QPainterPath symmetric(const QPainterPath& half) {
    QPainterPath whole = half;
    whole.connectPath(mirrored(half).toReversed());
    whole.closeSubpath();
    return whole;
}

QColor edgeOf(const QColor& fill) {
    return fill.darker(165);
}

void fill(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void shape(QPainter& p, const QPainterPath& path, const QColor& colour) {
    fill(p, path, colour);
    outline(p, path, colour);
}

void outline(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.setPen(QPen(edgeOf(colour), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void shapePair(QPainter& p, const QPainterPath& path, const QColor& colour) {
    shape(p, path, colour);
    shape(p, mirrored(path), colour);
}

void fillPair(QPainter& p, const QPainterPath& path, const QColor& colour) {
    fill(p, path, colour);
    fill(p, mirrored(path), colour);
}

void withClip(QPainter& p, const QPainterPath& clip, const std::function<void()>& paint) {
    p.save();
    p.setClipPath(clip, Qt::IntersectClip);
    paint();
    p.restore();
}

void stroke(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, qreal width) {
    QPainterPath path;
    for (const QPointF& point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    strokePath(p, path, colour, width);
}

void strokePath(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void sparkle(QPainter& p, QPointF centre, qreal size, const QColor& colour) {
    const qreal waist = size * 0.28;
    QPainterPath star;
    star.moveTo(centre + QPointF(0, -size));
    star.quadTo(centre + QPointF(waist, -waist), centre + QPointF(size, 0));
    star.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, size));
    star.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-size, 0));
    star.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -size));
    star.closeSubpath();
    fill(p, star, colour);
}

}  // namespace tavolora::art::photo
