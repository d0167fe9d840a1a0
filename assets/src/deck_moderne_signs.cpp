// The modern deck's suit signs: flat geometric shapes in the suit's tones.
//
// Each sign is drawn in a unit box, one unit tall and centred on the origin,
// then scaled to its height on the card.
#include "deck_moderne_parts.h"

#include <QPainter>
#include <QTransform>

#include <cmath>

namespace tavolora::art::moderne {

Tones tonesFor(Suit suit) {
    switch (suit) {
        case Suit::Bastoni:
            return {{0x1f, 0x8a, 0x4c}, {0x0d, 0x5c, 0x30}, {0x8f, 0xd1, 0x9e}, {0xe4, 0xf4, 0xe8}};
        case Suit::Coppe:
            return {{0xd9, 0x2b, 0x3a}, {0x96, 0x12, 0x24}, {0xf6, 0x9a, 0xa2}, {0xfc, 0xe6, 0xe8}};
        case Suit::Denari:
            return {{0xec, 0xa1, 0x0b}, {0xb0, 0x68, 0x00}, {0xfb, 0xd9, 0x73}, {0xfd, 0xf1, 0xd4}};
        case Suit::Spade:
            return {{0x1e, 0x5c, 0xc4}, {0x0e, 0x33, 0x80}, {0x93, 0xb6, 0xee}, {0xe3, 0xec, 0xfa}};
    }
    return {Qt::black, Qt::black, Qt::gray, Qt::white};
}

QPainterPath circle(QPointF centre, qreal r) {
    QPainterPath path;
    path.addEllipse(centre, r, r);
    return path;
}

QPainterPath oval(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void fill(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

namespace {

QPainterPath box(qreal left, qreal top, qreal right, qreal bottom, qreal radius = 0) {
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(left, top), QPointF(right, bottom)), radius, radius);
    return path;
}

// A short bar from `from`, `length` long and `width` wide, turned `angle`
// degrees clockwise from pointing up, with rounded ends.
QPainterPath bar(QPointF from, qreal length, qreal width, qreal angle) {
    QPainterPath path;
    path.addRoundedRect(QRectF(-width / 2, -length, width, length + width / 2), width / 2, width / 2);
    return QTransform().translate(from.x(), from.y()).rotate(angle).map(path);
}

// A star of `points` points around the origin.
QPainterPath star(int points, qreal outer, qreal inner, qreal turn = 0) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = (turn + i * 180.0 / points - 90) * M_PI / 180;
        const qreal r = i % 2 == 0 ? outer : inner;
        const QPointF pt(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// How much of a sign's inner detail its height in pixels can carry.
enum class Detail { Small, Pip, Large };

Detail detailFor(qreal height, qreal pipFrom, qreal largeFrom) {
    return height < pipFrom ? Detail::Small : height < largeFrom ? Detail::Pip : Detail::Large;
}

// A cudgel: broad and rounded at the head, tapering to a grip wrapped in the
// darker tone, with short lopped shoots and dark knots along the wood.
void baton(QPainter& p, const Tones& t, Detail detail) {
    QPainterPath shaft;
    shaft.moveTo(-0.045, 0.47);
    shaft.cubicTo(-0.06, 0.1, -0.1, -0.2, -0.1, -0.37);
    shaft.cubicTo(-0.1, -0.515, 0.1, -0.515, 0.1, -0.37);
    shaft.cubicTo(0.1, -0.2, 0.06, 0.1, 0.045, 0.47);
    shaft.quadTo(0, 0.515, -0.045, 0.47);
    shaft.closeSubpath();

    // Shoots: where each leaves the shaft, which way it points, how long it is.
    struct Shoot {
        QPointF root;
        qreal angle;
        qreal length;
    };
    const Shoot shoots[] = {{{0.05, -0.2}, 55, 0.11}, {{-0.04, 0.02}, -55, 0.1}};
    if (detail == Detail::Small) {
        // One stout shoot on the left, where a leaning baton shows it best.
        fill(p, bar(QPointF(-0.04, -0.08), 0.17, 0.085, -42), t.main);
    } else {
        for (const Shoot& shoot : shoots) fill(p, bar(shoot.root, shoot.length, 0.07, shoot.angle), t.main);
    }
    fill(p, shaft, t.main);
    p.save();
    p.setClipPath(shaft);
    fill(p, box(-0.2, 0.29, 0.2, 0.6), t.dark);
    if (detail != Detail::Small) {
        fill(p, box(-0.2, 0.36, 0.2, 0.385), t.main);
        fill(p, oval(QPointF(-0.02, -0.27), 0.022, 0.035), t.dark);
        fill(p, oval(QPointF(0.012, 0.13), 0.018, 0.03), t.dark);
    }
    if (detail == Detail::Large) fill(p, box(0.04, -0.42, 0.06, -0.12, 0.01), t.light);
    p.restore();
    if (detail == Detail::Large) {
        // The shoots' cut ends.
        for (const Shoot& shoot : shoots) {
            const QPointF end = shoot.root + QTransform().rotate(shoot.angle).map(QPointF(0, -shoot.length));
            fill(p,
                 QTransform()
                     .translate(end.x(), end.y())
                     .rotate(shoot.angle)
                     .map(oval(QPointF(0, 0), 0.03, 0.018)),
                 t.light);
        }
    }
}

// A goblet: round-bottomed bowl with a dark rim and a white band, a knotted
// stem and a wide foot.
void cup(QPainter& p, const Tones& t, Detail detail) {
    QPainterPath foot;
    foot.moveTo(-0.06, 0.3);
    foot.cubicTo(-0.08, 0.4, -0.26, 0.4, -0.29, 0.46);
    foot.lineTo(0.29, 0.46);
    foot.cubicTo(0.26, 0.4, 0.08, 0.4, 0.06, 0.3);
    foot.closeSubpath();
    fill(p, foot, t.main);
    fill(p, box(-0.31, 0.44, 0.31, 0.5, 0.02), t.dark);
    fill(p, box(-0.055, 0.0, 0.055, 0.34), t.main);
    fill(p, oval(QPointF(0, 0.17), 0.12, detail == Detail::Small ? 0.07 : 0.055), t.dark);

    QPainterPath bowl;
    bowl.moveTo(-0.35, -0.42);
    bowl.lineTo(0.35, -0.42);
    bowl.cubicTo(0.35, -0.1, 0.2, 0.06, 0, 0.06);
    bowl.cubicTo(-0.2, 0.06, -0.35, -0.1, -0.35, -0.42);
    bowl.closeSubpath();
    fill(p, bowl, t.main);
    if (detail != Detail::Small) {
        p.save();
        p.setClipPath(bowl);
        fill(p, box(-0.5, -0.29, 0.5, detail == Detail::Large ? -0.23 : -0.22), t.light);
        if (detail == Detail::Large) {
            fill(p, box(-0.5, -0.2, 0.5, -0.18), t.light);
            fill(p, oval(QPointF(-0.2, -0.08), 0.05, 0.08), t.light);
        }
        p.restore();
    }
    fill(p, box(-0.38, -0.5, 0.38, -0.41, 0.04), t.dark);
}

// A coin: a disc with a light ring and a star in the middle; large coins
// carry a rim of dots.
void coin(QPainter& p, const Tones& t, Detail detail) {
    fill(p, circle({0, 0}, 0.5), t.main);
    if (detail == Detail::Small) {
        fill(p, circle({0, 0}, 0.17), t.light);
        return;
    }
    QPainterPath ring = circle({0, 0}, 0.39);
    ring = ring.subtracted(circle({0, 0}, detail == Detail::Large ? 0.35 : 0.32));
    fill(p, ring, t.light);
    if (detail == Detail::Large) {
        fill(p, circle({0, 0}, 0.35), t.dark);
        fill(p, circle({0, 0}, 0.31), t.main);
        for (int i = 0; i < 16; ++i) {
            const qreal a = i * M_PI / 8;
            fill(p, circle(QPointF(0.445 * std::cos(a), 0.445 * std::sin(a)), 0.022), t.light);
        }
        fill(p, star(8, 0.25, 0.11), t.light);
        fill(p, circle({0, 0}, 0.07), t.dark);
    } else {
        fill(p, star(4, 0.22, 0.075), t.light);
    }
}

// A straight sword, point up: a tapering blade with a light fuller, a dark
// cross-guard, grip and pommel.
void sword(QPainter& p, const Tones& t, Detail detail) {
    QPainterPath blade;
    blade.moveTo(0, -0.5);
    blade.lineTo(0.07, -0.38);
    blade.lineTo(0.062, 0.19);
    blade.lineTo(-0.062, 0.19);
    blade.lineTo(-0.07, -0.38);
    blade.closeSubpath();
    fill(p, blade, t.main);
    if (detail != Detail::Small) {
        QPainterPath fuller;
        const qreal w = detail == Detail::Large ? 0.014 : 0.02;
        fuller.moveTo(0, -0.4);
        fuller.lineTo(w, -0.36);
        fuller.lineTo(w, 0.15);
        fuller.lineTo(-w, 0.15);
        fuller.lineTo(-w, -0.36);
        fuller.closeSubpath();
        fill(p, fuller, t.light);
    }
    fill(p, box(-0.17, 0.17, 0.17, 0.235, 0.03), t.dark);
    if (detail == Detail::Large) {
        fill(p, circle(QPointF(-0.17, 0.2), 0.045), t.dark);
        fill(p, circle(QPointF(0.17, 0.2), 0.045), t.dark);
    }
    fill(p, box(-0.04, 0.22, 0.04, 0.43), t.dark);
    if (detail != Detail::Small) {
        fill(p, box(-0.05, 0.28, 0.05, 0.3), t.main);
        fill(p, box(-0.05, 0.35, 0.05, 0.37), t.main);
    }
    fill(p, circle(QPointF(0, 0.45), 0.055), t.dark);
}

}  // namespace

void drawSign(QPainter& p, Suit suit, QPointF centre, qreal height) {
    drawSign(p, suit, centre, height, 0, tonesFor(suit));
}

void drawSign(QPainter& p, Suit suit, QPointF centre, qreal height, qreal angle, const Tones& t) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    // Long signs grow slimmer as they grow taller; small ones are drawn a
    // little stouter so that they keep their shape.
    qreal widthScale = 1;
    if (isLong(suit)) widthScale = height > 36 ? std::pow(36 / height, 0.4) : height < 20 ? 1.25 : 1.0;
    p.scale(height * widthScale, height);
    switch (suit) {
        case Suit::Bastoni:
            baton(p, t, detailFor(height, 22, 50));
            break;
        case Suit::Coppe:
            cup(p, t, detailFor(height, 14, 30));
            break;
        case Suit::Denari:
            coin(p, t, detailFor(height, 13, 30));
            break;
        case Suit::Spade:
            sword(p, t, detailFor(height, 22, 50));
            break;
    }
    p.restore();
}

QPointF signGrip(Suit suit, QPointF centre, qreal height) {
    switch (suit) {
        case Suit::Bastoni:
            return centre + QPointF(0, 0.38 * height);
        case Suit::Coppe:
            return centre + QPointF(0, 0.2 * height);
        case Suit::Denari:
            return centre + QPointF(0, 0.42 * height);
        case Suit::Spade:
            return centre + QPointF(0, 0.32 * height);
    }
    return centre;
}

}  // namespace tavolora::art::moderne
