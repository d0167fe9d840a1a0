#include "suitsigns.h"

#include "palette.h"
#include "shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tavolora::art {

namespace {

// Sets the painter up so that a sign can be drawn in a unit box centred on
// the origin; restores the painter when it goes out of scope.
class UnitFrame {
public:
    UnitFrame(QPainter& p, QPointF centre, qreal size, qreal angle) : p_(p) {
        p_.save();
        p_.translate(centre);
        p_.rotate(angle);
        p_.scale(size, size);
    }
    ~UnitFrame() { p_.restore(); }
    UnitFrame(const UnitFrame&) = delete;
    UnitFrame& operator=(const UnitFrame&) = delete;

private:
    QPainter& p_;
};

// Outline width that keeps small pips crisp and large ones bold.
QPen signOutline(qreal size) {
    return outline(std::clamp(size * 0.035, 0.75, 1.3));
}

// A pointed leaf lying along +x from the origin, `length` long.
QPainterPath leafPath(qreal length) {
    const qreal w = length * 0.42;
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(length * 0.3, -w, length * 0.75, -w * 0.8, length, 0);
    path.cubicTo(length * 0.75, w * 0.8, length * 0.3, w, 0, 0);
    return path;
}

void drawLeaf(QPainter& p, QPointF base, qreal length, qreal angle, const QPen& pen) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    fillAndOutline(p, leafPath(length), colour::green, pen);
    p.restore();
}

// A cut-off side branch of the baton, sticking out from `base` along `angle`.
void drawStub(QPainter& p, QPointF base, qreal angle, const QPen& pen) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath stub;
    stub.addRoundedRect(QRectF(-0.01, -0.05, 0.13, 0.1), 0.03, 0.03);
    fillAndOutline(p, stub, colour::bark, pen);
    fillAndOutline(p, ellipsePath(QPointF(0.12, 0), 0.025, 0.047), colour::woodCut, pen);
    p.restore();
}

}  // namespace

void drawBaton(QPainter& p, QPointF centre, qreal size, qreal angle) {
    const UnitFrame frame(p, centre, size, angle);
    const QPen pen = signOutline(size);

    // Lopped side branches first, so the trunk hides their roots; the leaves
    // sprout from their cut ends, along the wood, never from the head: a
    // cudgel with leaves at its thick end reads as a root.
    drawStub(p, QPointF(-0.06, -0.2), -150, pen);
    drawStub(p, QPointF(0.06, 0.0), -30, pen);
    drawStub(p, QPointF(-0.055, 0.18), -150, pen);
    drawLeaf(p, QPointF(0.17, -0.07), 0.15, -75, pen);
    drawLeaf(p, QPointF(-0.16, 0.12), 0.13, -110, pen);

    // A club cut from a bough: a heavy sawn-off head, knobbly sides, hardly
    // thinner at the grip, which ends in a knob.
    QPainterPath trunk;
    trunk.moveTo(-0.1, -0.42);
    trunk.cubicTo(-0.115, -0.3, -0.075, -0.2, -0.09, -0.1);
    trunk.cubicTo(-0.1, -0.02, -0.065, 0.06, -0.075, 0.14);
    trunk.cubicTo(-0.08, 0.24, -0.06, 0.32, -0.058, 0.43);
    trunk.lineTo(0.058, 0.43);
    trunk.cubicTo(0.06, 0.32, 0.08, 0.24, 0.075, 0.14);
    trunk.cubicTo(0.065, 0.06, 0.1, -0.02, 0.09, -0.1);
    trunk.cubicTo(0.075, -0.2, 0.115, -0.3, 0.1, -0.42);
    trunk.closeSubpath();
    fillAndOutline(p, trunk, colour::bark, pen);

    // Light down one side gives the wood its roundness; the grain runs along it.
    paintWithin(p, trunk, pen, [&] {
        p.setBrush(colour::lightBark);
        p.drawPath(QTransform::fromTranslate(-0.055, 0.03).map(trunk));
        p.setPen(outline(pen.widthF() * 0.7, colour::darkBark));
        p.setBrush(Qt::NoBrush);
        QPainterPath grain;
        grain.moveTo(0.035, -0.36);
        grain.cubicTo(0.05, -0.2, 0.02, 0.0, 0.03, 0.36);
        p.drawPath(grain);
    });

    // Knots on the bark.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::darkBark);
    p.drawEllipse(QPointF(-0.03, -0.27), 0.022, 0.034);
    p.drawEllipse(QPointF(-0.01, 0.27), 0.018, 0.028);

    // The knob of the grip and the sawn head's end grain with its ring.
    fillAndOutline(p, ellipsePath(QPointF(0, 0.45), 0.075, 0.055), colour::bark, pen);
    fillAndOutline(p, ellipsePath(QPointF(0, -0.42), 0.1, 0.042), colour::woodCut, pen);
    p.setPen(outline(pen.widthF() * 0.6, colour::darkBark));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -0.42), 0.05, 0.02);
}

void drawCup(QPainter& p, QPointF centre, qreal size, qreal angle) {
    const UnitFrame frame(p, centre, size, angle);
    const QPen pen = signOutline(size);

    // Foot and stem.
    QPainterPath foot;
    foot.moveTo(-0.05, 0.25);
    foot.cubicTo(-0.07, 0.37, -0.25, 0.38, -0.27, 0.45);
    foot.quadTo(0, 0.51, 0.27, 0.45);
    foot.cubicTo(0.25, 0.38, 0.07, 0.37, 0.05, 0.25);
    foot.closeSubpath();
    fillAndOutline(p, foot, colour::gold, pen);
    QPainterPath footBand;
    footBand.moveTo(-0.2, 0.43);
    footBand.quadTo(0, 0.47, 0.2, 0.43);
    p.setPen(outline(pen.widthF(), colour::red));
    p.setBrush(Qt::NoBrush);
    p.drawPath(footBand);

    QPainterPath stem;
    stem.addRect(QRectF(-0.045, 0.0, 0.09, 0.28));
    fillAndOutline(p, stem, colour::gold, pen);
    fillAndOutline(p, ellipsePath(QPointF(0, 0.14), 0.11, 0.06), colour::blue, pen);

    // Bowl with a red band, open rim at the top.
    QPainterPath bowl;
    bowl.moveTo(-0.35, -0.38);
    bowl.cubicTo(-0.35, -0.1, -0.2, 0.03, 0, 0.03);
    bowl.cubicTo(0.2, 0.03, 0.35, -0.1, 0.35, -0.38);
    bowl.closeSubpath();
    fillAndOutline(p, bowl, colour::gold, pen);
    paintWithin(p, bowl, pen, [&] {
        p.setBrush(colour::red);
        p.drawRect(QRectF(-0.4, -0.25, 0.8, 0.1));
        p.setBrush(colour::lightGold);
        p.drawEllipse(QPointF(-0.2, -0.3), 0.05, 0.035);
    });

    fillAndOutline(p, ellipsePath(QPointF(0, -0.39), 0.35, 0.075), colour::darkGold, pen);
}

void drawCoin(QPainter& p, QPointF centre, qreal size, qreal angle) {
    const UnitFrame frame(p, centre, size, angle);
    const QPen pen = signOutline(size);

    fillAndOutline(p, ellipsePath({0, 0}, 0.5, 0.5), colour::gold, pen);
    p.setPen(outline(pen.widthF() * 0.8, colour::darkGold));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 0.4, 0.4);
    if (size >= 26) {
        // Beaded rim, only where there is room for it.
        p.setPen(Qt::NoPen);
        p.setBrush(colour::darkGold);
        for (int i = 0; i < 20; ++i) {
            const qreal a = i * M_PI / 10;
            p.drawEllipse(QPointF(0.45 * std::cos(a), 0.45 * std::sin(a)), 0.018, 0.018);
        }
    }
    fillAndOutline(p, ellipsePath({0, 0}, 0.3, 0.3), colour::lightGold,
                   outline(pen.widthF() * 0.8, colour::darkGold));

    // Eight-petalled rosette.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::red);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45.0);
        p.drawEllipse(QPointF(0, -0.14), 0.05, 0.11);
        p.restore();
    }
    fillAndOutline(p, ellipsePath({0, 0}, 0.065, 0.065), colour::blue, Qt::NoPen);
}

void drawSword(QPainter& p, QPointF centre, qreal size, qreal angle) {
    const UnitFrame frame(p, centre, size, angle);
    const QPen pen = signOutline(size);

    // Gently curved blade, in the Italian manner.
    QPainterPath blade;
    blade.moveTo(0.05, -0.5);
    blade.cubicTo(-0.06, -0.36, -0.08, -0.1, -0.055, 0.18);
    blade.lineTo(0.055, 0.18);
    blade.cubicTo(0.06, -0.08, 0.06, -0.3, 0.05, -0.5);
    fillAndOutline(p, blade, colour::steel, pen);
    QPainterPath fuller;
    fuller.moveTo(0, 0.14);
    fuller.cubicTo(-0.01, -0.08, -0.005, -0.28, 0.035, -0.42);
    p.setPen(outline(pen.widthF() * 0.8, colour::darkSteel));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fuller);

    // Cross-guard with curled ends.
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-0.2, 0.17, 0.4, 0.06), 0.03, 0.03);
    fillAndOutline(p, guard, colour::gold, pen);
    fillAndOutline(p, ellipsePath(QPointF(-0.21, 0.15), 0.04, 0.04), colour::gold, pen);
    fillAndOutline(p, ellipsePath(QPointF(0.21, 0.15), 0.04, 0.04), colour::gold, pen);

    // Grip and pommel.
    QPainterPath grip;
    grip.addRect(QRectF(-0.04, 0.23, 0.08, 0.18));
    fillAndOutline(p, grip, colour::red, pen);
    fillAndOutline(p, ellipsePath(QPointF(0, 0.45), 0.055, 0.05), colour::gold, pen);
}

void drawSuitSign(QPainter& p, Suit suit, QPointF centre, qreal size, qreal angle) {
    switch (suit) {
        case Suit::Bastoni:
            drawBaton(p, centre, size, angle);
            break;
        case Suit::Coppe:
            drawCup(p, centre, size, angle);
            break;
        case Suit::Denari:
            drawCoin(p, centre, size, angle);
            break;
        case Suit::Spade:
            drawSword(p, centre, size, angle);
            break;
    }
}

void drawHeldSign(QPainter& p, Suit suit, QPointF hand, qreal size, qreal angle) {
    // Where each sign is held, in its own unit box: batons and swords by the
    // grip, cups by the stem, coins by the lower rim.
    QPointF grip;
    switch (suit) {
        case Suit::Bastoni:
            grip = {0, 0.36};
            break;
        case Suit::Coppe:
            grip = {0, 0.16};
            break;
        case Suit::Denari:
            grip = {0, 0.42};
            break;
        case Suit::Spade:
            grip = {0, 0.32};
            break;
    }
    const QPointF offset = QTransform().rotate(angle).scale(size, size).map(grip);
    drawSuitSign(p, suit, hand - offset, size, angle);
}

void drawSprig(QPainter& p, QPointF base, qreal length, qreal angle) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    const QPen pen = outline(0.8, colour::darkGreen);
    QPainterPath stalk;
    stalk.moveTo(0, 0);
    stalk.quadTo(length * 0.5, -length * 0.12, length, 0);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stalk);
    const qreal leaf = length * 0.38;
    for (int i = 0; i < 3; ++i) {
        const qreal x = length * (0.25 + 0.3 * i);
        drawLeaf(p, QPointF(x, -length * 0.07), leaf, -50, pen);
        drawLeaf(p, QPointF(x, -length * 0.05), leaf, 40, pen);
    }
    drawLeaf(p, QPointF(length, 0), leaf, 0, pen);
    p.restore();
}

}  // namespace tavolora::art
