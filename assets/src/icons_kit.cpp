#include "icons_kit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <vector>

namespace tavolora::art::iconkit {

namespace {

// One pass of a box blur over every channel of a premultiplied picture, first
// along the rows, then down the columns; outside the picture counts as clear.
void boxBlur(QImage& image, int radius) {
    if (radius <= 0) return;
    const int w = image.width();
    const int h = image.height();
    const int span = 2 * radius + 1;
    std::vector<quint32> line(static_cast<size_t>(std::max(w, h)));
    const auto pass = [&](int count, int length, auto pixel) {
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < length; ++j) line[static_cast<size_t>(j)] = pixel(i, j);
            for (int j = 0; j < length; ++j) {
                quint32 sum[4] = {0, 0, 0, 0};
                for (int k = j - radius; k <= j + radius; ++k) {
                    if (k < 0 || k >= length) continue;
                    const quint32 v = line[static_cast<size_t>(k)];
                    for (int c = 0; c < 4; ++c) sum[c] += (v >> (8 * c)) & 0xffu;
                }
                quint32 out = 0;
                for (int c = 0; c < 4; ++c) out |= ((sum[c] + span / 2) / span) << (8 * c);
                pixel(i, j) = out;
            }
        }
    };
    pass(h, w, [&](int y, int x) -> quint32& { return reinterpret_cast<quint32*>(image.scanLine(y))[x]; });
    pass(w, h, [&](int x, int y) -> quint32& { return reinterpret_cast<quint32*>(image.scanLine(y))[x]; });
}

}  // namespace

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(Qt::NoPen);
}

QPainterPath stroked(const QPainterPath& line, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath rounded(const QPainterPath& shape, qreal radius) {
    return shape.united(stroked(shape, 2 * radius)).simplified();
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath turned(const QPainterPath& shape, QPointF centre, qreal degrees) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(shape);
}

void softShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int blur, const QColor& colour) {
    QImage mask(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing);
        m.setTransform(p.worldTransform() * QTransform::fromTranslate(offset.x(), offset.y()));
        m.fillPath(shape, colour);
    }
    for (int i = 0; i < 3; ++i) boxBlur(mask, blur);
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, mask);
    p.restore();
}

void shadedShape(QPainter& p, const QPainterPath& shape, const Hue& hue, qreal edgeWidth, bool gloss) {
    softShadow(p, shape, QPointF(0.5, 1.2), 1, QColor(0, 0, 0, 120));
    const QRectF r = shape.boundingRect();
    QLinearGradient fill(r.left() + r.width() * 0.35, r.top(), r.left() + r.width() * 0.65, r.bottom());
    fill.setColorAt(0, hue.top);
    fill.setColorAt(1, hue.bottom);
    p.fillPath(shape, fill);
    if (gloss) {
        p.save();
        p.setClipPath(shape, Qt::IntersectClip);
        // The lit rim along the top and left, just inside the outline.
        p.strokePath(shape.translated(edgeWidth * 0.8, edgeWidth * 1.1),
                     QPen(QColor(255, 255, 255, 110), edgeWidth * 1.4));
        // A soft sheen over the upper half.
        QLinearGradient sheen(0, r.top(), 0, r.top() + r.height() * 0.5);
        sheen.setColorAt(0, QColor(255, 255, 255, 100));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        QPainterPath cap;
        cap.addEllipse(QRectF(r.left() - r.width() * 0.2, r.top() - r.height() * 0.55, r.width() * 1.4,
                              r.height() * 1.05));
        p.fillPath(cap, sheen);
        p.restore();
    }
    QPen pen(hue.edge, edgeWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    p.strokePath(shape, pen);
}

void badge(QPainter& p, const Hue& hue) {
    shadedShape(p, roundedRect(kBadgeRect, kCornerRadius), hue);
}

void roundBadge(QPainter& p, const Hue& hue) {
    shadedShape(p, circle(kBadgeRect.center(), kBadgeRect.width() / 2), hue);
}

void cornerBadge(QPainter& p, const Hue& hue, QPointF centre, qreal radius) {
    p.fillPath(circle(centre, radius + 1.75), QColor(0xff, 0xff, 0xff));
    shadedShape(p, circle(centre, radius), hue, 1.0);
}

void glyph(QPainter& p, const QPainterPath& shape, const QColor& colour) {
    softShadow(p, shape, QPointF(0.4, 1.0), 1, QColor(0, 0, 0, 100));
    const QRectF r = shape.boundingRect();
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0, colour);
    fill.setColorAt(1, colour.darker(106));
    p.fillPath(shape, fill);
}

void object(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& edge, qreal edgeWidth) {
    softShadow(p, shape, QPointF(0.4, 1.0), 1, QColor(0, 0, 0, 90));
    p.fillPath(shape, fill);
    QPen pen(edge, edgeWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    p.strokePath(shape, pen);
}

QPainterPath personShape(QPointF head, qreal scale) {
    const qreal s = scale;
    const qreal cx = head.x();
    const qreal top = head.y() + 7.5 * s;
    QPainterPath body;
    body.moveTo(cx - 11 * s, top + 12 * s);
    body.lineTo(cx - 11 * s, top + 7 * s);
    body.cubicTo(cx - 11 * s, top + 1.5 * s, cx - 6 * s, top, cx, top);
    body.cubicTo(cx + 6 * s, top, cx + 11 * s, top + 1.5 * s, cx + 11 * s, top + 7 * s);
    body.lineTo(cx + 11 * s, top + 12 * s);
    body.closeSubpath();
    return rounded(body, kGlyphRound).united(circle(head, 5.5 * s));
}

QPainterPath crossShape(QPointF centre, qreal arm, qreal width) {
    QPainterPath lines;
    lines.moveTo(centre + QPointF(-arm, -arm));
    lines.lineTo(centre + QPointF(arm, arm));
    lines.moveTo(centre + QPointF(arm, -arm));
    lines.lineTo(centre + QPointF(-arm, arm));
    return stroked(lines, width);
}

QPainterPath plusShape(QPointF centre, qreal arm, qreal width) {
    QPainterPath lines;
    lines.moveTo(centre + QPointF(-arm, 0));
    lines.lineTo(centre + QPointF(arm, 0));
    lines.moveTo(centre + QPointF(0, -arm));
    lines.lineTo(centre + QPointF(0, arm));
    return stroked(lines, width);
}

QPainterPath checkShape(QPointF centre, qreal size, qreal width) {
    QPainterPath line;
    line.moveTo(centre + QPointF(-0.44, 0.02) * size);
    line.lineTo(centre + QPointF(-0.12, 0.34) * size);
    line.lineTo(centre + QPointF(0.46, -0.32) * size);
    return stroked(line, width);
}

QPainterPath cardShape(QPointF centre, QSizeF size, qreal degrees, qreal radius) {
    const QRectF rect(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                      size.height());
    return turned(roundedRect(rect, radius), centre, degrees);
}

}  // namespace tavolora::art::iconkit
