#include "deck_meridione_signs.h"

#include "deck_meridione_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>

namespace tavolora::art::meridione {

namespace {

// Sets the painter up so that a sign is drawn in a unit box centred on the
// origin; restores the painter when it goes out of scope.
class UnitFrame {
public:
    UnitFrame(QPainter& p, QPointF centre, qreal size, qreal angle, bool mirrored) : p_(p) {
        p_.save();
        p_.translate(centre);
        p_.rotate(angle);
        p_.scale(mirrored ? -size : size, size);
    }
    ~UnitFrame() { p_.restore(); }
    UnitFrame(const UnitFrame&) = delete;
    UnitFrame& operator=(const UnitFrame&) = delete;

private:
    QPainter& p_;
};

QPen inkPen(qreal size, qreal factor = 1.0) {
    return outline(signPenWidth(size) * factor, tint::ink);
}

// A pointed leaf lying along +x from the origin, with a midrib.
void drawLeaf(QPainter& p, QPointF base, qreal length, qreal angle, const QPen& pen) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    const qreal w = length * 0.4;
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -w, length * 0.75, -w * 0.75, length, 0);
    leaf.cubicTo(length * 0.75, w * 0.75, length * 0.3, w, 0, 0);
    fillAndOutline(p, leaf, tint::lightGreen, pen);
    QPen rib = pen;
    rib.setColor(tint::darkGreen);
    rib.setWidthF(pen.widthF() * 0.7);
    p.setPen(rib);
    p.drawLine(QPointF(length * 0.15, 0), QPointF(length * 0.8, 0));
    p.restore();
}

// A sawn-off side branch sticking out from `base` along `angle`.
void drawStub(QPainter& p, QPointF base, qreal angle, const QPen& pen) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath stub;
    stub.addRoundedRect(QRectF(-0.02, -0.055, 0.13, 0.11), 0.03, 0.03);
    fillAndOutline(p, stub, tint::brown, pen);
    fillAndOutline(p, ellipsePath(QPointF(0.11, 0), 0.03, 0.052), tint::lightWood, pen);
    p.restore();
}

QPainterPath cudgelBody() {
    // A club: a heavy rounded head tapering to a slender grip with a knob at
    // its end.
    QPainterPath body;
    body.moveTo(-0.12, -0.34);
    body.cubicTo(-0.11, -0.1, -0.055, 0.15, -0.045, 0.4);
    body.lineTo(0.045, 0.4);
    body.cubicTo(0.055, 0.15, 0.11, -0.1, 0.12, -0.34);
    body.cubicTo(0.12, -0.5, -0.12, -0.5, -0.12, -0.34);
    body.closeSubpath();
    // Knots swelling out of both sides, and the knob of the grip.
    body = unitedFine(body, ellipsePath({-0.105, -0.2}, 0.045, 0.05));
    body = unitedFine(body, ellipsePath({0.095, -0.06}, 0.04, 0.045));
    body = unitedFine(body, ellipsePath({-0.065, 0.13}, 0.035, 0.04));
    return unitedFine(body, ellipsePath({0, 0.43}, 0.06, 0.05));
}

}  // namespace

void drawCudgel(QPainter& p, QPointF centre, qreal size, qreal angle, bool mirrored) {
    const UnitFrame frame(p, centre, size, angle, mirrored);
    const QPen pen = inkPen(size);

    drawStub(p, QPointF(0.08, -0.26), -30, pen);
    drawStub(p, QPointF(-0.05, 0.04), -155, pen);

    // Olive-green bark with a light streak down the left and shade down the
    // right; brown knots and a brown grip worn bare by the hand.
    const QPainterPath body = cudgelBody();
    fillAndOutline(p, body, tint::lightGreen, pen);
    paintWithin(p, body, pen, [&] {
        p.setBrush(tint::bark);
        p.drawPath(QTransform::fromTranslate(0.035, 0).map(body));
        p.setBrush(tint::darkBark);
        p.drawPath(subtractedFine(body, QTransform::fromTranslate(-0.05, 0).map(body)));
        p.setBrush(tint::brown);
        p.drawRect(QRectF(-0.2, 0.3, 0.4, 0.3));
        p.setBrush(tint::darkBrown);
        p.drawRect(QRectF(0.02, 0.3, 0.2, 0.3));
    });
    p.setPen(pen);
    p.drawLine(QPointF(-0.065, 0.3), QPointF(0.065, 0.3));

    // Knots on the bark: brown lumps with a dark eye.
    for (const QPointF knot : {QPointF(-0.03, -0.3), QPointF(0.02, 0.1)}) {
        fillAndOutline(p, ellipsePath(knot, 0.03, 0.042), tint::brown,
                       outline(pen.widthF() * 0.8, tint::darkBrown));
        p.setPen(Qt::NoPen);
        p.setBrush(tint::darkBrown);
        p.drawEllipse(knot, 0.012, 0.02);
    }

    drawLeaf(p, QPointF(0.05, -0.44), 0.18, -68, pen);
    drawLeaf(p, QPointF(0.09, -0.14), 0.13, -15, pen);
}

void drawScimitar(QPainter& p, QPointF centre, qreal size, qreal angle, bool mirrored) {
    const UnitFrame frame(p, centre, size, angle, mirrored);
    const QPen pen = inkPen(size);

    // A sabre's blade: even in width, sweeping to the right near the point.
    QPainterPath blade;
    blade.moveTo(-0.05, 0.26);
    blade.cubicTo(-0.08, 0.04, -0.09, -0.26, 0.15, -0.5);
    blade.quadTo(0.09, -0.42, 0.07, -0.33);
    blade.cubicTo(0.05, -0.2, 0.05, 0.0, 0.05, 0.26);
    blade.closeSubpath();
    fillAndOutline(p, blade, tint::lightBlue, pen);
    paintWithin(p, blade, pen, [&] {
        p.setBrush(tint::blue);
        p.drawPath(QTransform::fromTranslate(0.04, 0.01).map(blade));
    });
    QPainterPath fuller;
    fuller.moveTo(0.02, 0.22);
    fuller.cubicTo(0.02, 0.0, 0.02, -0.2, 0.06, -0.34);
    p.setPen(outline(pen.widthF() * 0.8, tint::darkBlue));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fuller);

    // Gold hilt: a bowed guard with knobbed ends, a banded grip, a round pommel.
    QPainterPath guardLine;
    guardLine.moveTo(-0.145, 0.2);
    guardLine.quadTo(0, 0.32, 0.145, 0.2);
    fillAndOutline(p, strokeShape(guardLine, 0.055), tint::yellow, pen);
    for (const qreal x : {-0.155, 0.155})
        fillAndOutline(p, ellipsePath(QPointF(x, 0.19), 0.038, 0.038), tint::yellow, pen);
    QPainterPath grip;
    grip.addRoundedRect(QRectF(-0.04, 0.28, 0.08, 0.15), 0.02, 0.02);
    fillAndOutline(p, grip, tint::yellow, pen);
    p.setPen(outline(pen.widthF() * 0.7, tint::ochre));
    p.drawLine(QPointF(-0.03, 0.33), QPointF(0.03, 0.33));
    p.drawLine(QPointF(-0.03, 0.38), QPointF(0.03, 0.38));
    fillAndOutline(p, ellipsePath(QPointF(0, 0.455), 0.055, 0.045), tint::yellow, pen);
}

void drawGoblet(QPainter& p, QPointF centre, qreal size, qreal angle) {
    const QPen pen = inkPen(size);
    // An upright goblet's lip starts on a whole pixel: an outline that starts
    // across a row of pixels prints a grey line over the rim.
    if (angle == 0 && p.deviceTransform().type() <= QTransform::TxTranslate) {
        const qreal top = p.deviceTransform().map(centre).y() - size * 0.465 - pen.widthF() / 2;
        centre.ry() += std::round(top) - top;
    }
    const UnitFrame frame(p, centre, size, angle, false);

    // Scrolled handles behind the bowl, held close so that goblets can stand
    // three abreast.
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath handle;
        handle.moveTo(side * 0.24, -0.34);
        handle.cubicTo(side * 0.4, -0.38, side * 0.4, -0.14, side * 0.18, -0.1);
        fillAndOutline(p, strokeShape(handle, 0.05), tint::yellow, pen);
        fillAndOutline(p, ellipsePath(QPointF(side * 0.35, -0.25), 0.032, 0.032), tint::red, pen);
    }

    // Foot and stem with a blue knop.
    QPainterPath foot;
    foot.moveTo(-0.05, 0.27);
    foot.cubicTo(-0.06, 0.38, -0.26, 0.37, -0.27, 0.47);
    foot.lineTo(0.27, 0.47);
    foot.cubicTo(0.26, 0.37, 0.06, 0.38, 0.05, 0.27);
    foot.closeSubpath();
    fillAndOutline(p, foot, tint::yellow, pen);
    paintWithin(p, foot, pen, [&] {
        p.setBrush(tint::red);
        p.drawRect(QRectF(-0.3, 0.42, 0.6, 0.1));
    });
    QPainterPath stem;
    stem.addRect(QRectF(-0.04, 0.0, 0.08, 0.29));
    fillAndOutline(p, stem, tint::yellow, pen);
    fillAndOutline(p, ellipsePath(QPointF(0, 0.15), 0.1, 0.065), tint::blue, pen);
    p.setPen(Qt::NoPen);
    p.setBrush(tint::lightBlue);
    p.drawEllipse(QPointF(-0.035, 0.13), 0.03, 0.02);

    // Bowl: a red band under the lip and fluted lobes below.
    QPainterPath bowl;
    bowl.moveTo(-0.28, -0.4);
    bowl.cubicTo(-0.22, -0.3, -0.28, -0.1, -0.12, -0.01);
    bowl.quadTo(0, 0.05, 0.12, -0.01);
    bowl.cubicTo(0.28, -0.1, 0.22, -0.3, 0.28, -0.4);
    bowl.closeSubpath();
    fillAndOutline(p, bowl, tint::yellow, pen);
    const QPen flute = outline(pen.widthF() * 0.8, tint::ochre);
    paintWithin(p, bowl, pen, [&] {
        p.setBrush(tint::red);
        p.drawRect(QRectF(-0.4, -0.32, 0.8, 0.09));
        p.setBrush(tint::lightYellow);
        p.drawEllipse(QPointF(-0.15, -0.15), 0.04, 0.07);
        p.setPen(flute);
        p.setBrush(Qt::NoBrush);
        for (const qreal x : {-0.18, 0.0, 0.18}) p.drawEllipse(QPointF(x, -0.02), 0.08, 0.14);
    });
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(-0.25, -0.32), QPointF(0.25, -0.32));
    p.drawLine(QPointF(-0.25, -0.23), QPointF(0.25, -0.23));

    // Lip, with the wine inside; a small goblet's wine has no outline of its
    // own, which would only darken the rim.
    fillAndOutline(p, ellipsePath(QPointF(0, -0.4), 0.28, 0.065), tint::yellow, pen);
    fillAndOutline(p, ellipsePath(QPointF(0, -0.4), 0.2, 0.035), tint::wine,
                   size < 40 ? QPen(Qt::NoPen) : outline(pen.widthF() * 0.7));
}

void drawFlowerCoin(QPainter& p, QPointF centre, qreal size) {
    const UnitFrame frame(p, centre, size, 0, false);
    const QPen pen = inkPen(size);
    const QPen thin = inkPen(size, 0.75);

    fillAndOutline(p, ellipsePath({0, 0}, 0.5, 0.5), tint::yellow, pen);
    // Sun rays round the rim where there is room for them, a plain ring otherwise.
    if (size >= 24) {
        p.setPen(outline(pen.widthF() * 0.8, tint::ochre));
        for (int i = 0; i < 16; ++i) {
            const qreal a = i * M_PI / 8;
            p.drawLine(QPointF(0.37 * std::cos(a), 0.37 * std::sin(a)),
                       QPointF(0.46 * std::cos(a), 0.46 * std::sin(a)));
        }
    }
    fillAndOutline(p, ellipsePath({0, 0}, 0.35, 0.35), tint::lightYellow, thin);

    // A flower: green leaves between six red petals, a yellow heart.
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.rotate(30 + i * 60.0);
        QPainterPath leaf;
        leaf.moveTo(0, -0.08);
        leaf.quadTo(0.07, -0.2, 0, -0.3);
        leaf.quadTo(-0.07, -0.2, 0, -0.08);
        fillAndOutline(p, leaf, tint::green, size >= 24 ? thin : QPen(Qt::NoPen));
        p.restore();
    }
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.rotate(i * 60.0);
        fillAndOutline(p, ellipsePath(QPointF(0, -0.17), 0.075, 0.11), tint::red,
                       size >= 24 ? thin : QPen(Qt::NoPen));
        p.restore();
    }
    fillAndOutline(p, ellipsePath({0, 0}, 0.075, 0.075), tint::yellow, thin);
}

void drawSign(QPainter& p, Suit suit, QPointF centre, qreal size, qreal angle, bool mirrored) {
    switch (suit) {
        case Suit::Bastoni:
            drawCudgel(p, centre, size, angle, mirrored);
            break;
        case Suit::Coppe:
            drawGoblet(p, centre, size, angle);
            break;
        case Suit::Denari:
            drawFlowerCoin(p, centre, size);
            break;
        case Suit::Spade:
            drawScimitar(p, centre, size, angle, mirrored);
            break;
    }
}

void drawSignInHand(QPainter& p, Suit suit, QPointF hand, qreal size, qreal angle, bool mirrored) {
    // Cudgels and swords are held by the grip, goblets by the stem, coins by
    // the lower rim.
    QPointF grip;
    switch (suit) {
        case Suit::Bastoni:
            grip = {0, 0.38};
            break;
        case Suit::Coppe:
            grip = {0, 0.2};
            break;
        case Suit::Denari:
            grip = {0, 0.42};
            break;
        case Suit::Spade:
            grip = {0, 0.355};
            break;
    }
    const QPointF offset = QTransform().rotate(angle).scale(mirrored ? -size : size, size).map(grip);
    drawSign(p, suit, hand - offset, size, angle, mirrored);
}

}  // namespace tavolora::art::meridione
