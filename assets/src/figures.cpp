#include "figures.h"

#include "palette.h"
#include "shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>

namespace tavolora::art {

namespace {

const QPen kInk = outline(0.9);

// Every part of a figure is filled and outlined in ink.
void inked(QPainter& p, const QPainterPath& path, const QColor& fill) {
    fillAndOutline(p, path, fill, kInk);
}

// Fills `shape` with `left` on the viewer's left of x = `split` and `right`
// on the other side: the parti-coloured cloth of the old costumes.
void drawPartiColoured(QPainter& p, const QPainterPath& shape, qreal split, const QColor& left,
                       const QColor& right) {
    const QRectF bounds = shape.boundingRect();
    paintWithin(p, shape, kInk, [&] {
        p.setBrush(left);
        p.drawRect(QRectF(QPointF(bounds.left(), bounds.top()), QPointF(split, bounds.bottom())));
        p.setBrush(right);
        p.drawRect(QRectF(QPointF(split, bounds.top()), bounds.bottomRight()));
    });
}

// An arm or a leg: a thick rounded stroke through its joints.
void drawLimb(QPainter& p, const QPolygonF& joints, qreal width, const QColor& fill) {
    QPainterPath line;
    line.addPolygon(joints);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    inked(p, stroker.createStroke(line).simplified(), fill);
}

void drawHand(QPainter& p, QPointF at) {
    inked(p, ellipsePath(at, 1.9, 1.9), colour::skin);
}

void drawShoe(QPainter& p, QPointF at, qreal toward) {
    QPainterPath shoe;
    shoe.moveTo(at + QPointF(-2.5, 0));
    shoe.quadTo(at + QPointF(0, -3), at + QPointF(2.5, -0.5));
    shoe.quadTo(at + QPointF(2.5 + 2 * toward, 0.5), at + QPointF(2.5 * toward, 1.5));
    shoe.lineTo(at + QPointF(-2.5, 1.5));
    shoe.closeSubpath();
    inked(p, shoe, colour::ink);
}

enum class Beard { None, Full };

// Face seen from the front, with hair falling to the jaw.
void drawHead(QPainter& p, QPointF c, const QColor& hairColour, Beard beard) {
    const qreal rx = 4.8;
    const qreal ry = 5.8;
    QPainterPath hairPath;
    hairPath.addRoundedRect(QRectF(c.x() - rx - 1.5, c.y() - ry - 1, 2 * rx + 3, ry * 2 + 1.5), 4, 4);
    inked(p, hairPath, hairColour);
    inked(p, ellipsePath(c, rx, ry), colour::skin);

    // Fringe over the forehead.
    QPainterPath fringe;
    fringe.moveTo(c + QPointF(-rx, -1));
    fringe.quadTo(c + QPointF(-rx, -ry), c + QPointF(0, -ry));
    fringe.quadTo(c + QPointF(rx, -ry), c + QPointF(rx, -1));
    fringe.quadTo(c + QPointF(0, -ry * 0.45), c + QPointF(-rx, -1));
    inked(p, fringe, hairColour);

    if (beard == Beard::Full) {
        QPainterPath b;
        b.moveTo(c + QPointF(-rx + 0.3, 0.5));
        b.quadTo(c + QPointF(-rx, ry + 3), c + QPointF(0, ry + 5));
        b.quadTo(c + QPointF(rx, ry + 3), c + QPointF(rx - 0.3, 0.5));
        b.quadTo(c + QPointF(0, ry * 0.35), c + QPointF(-rx + 0.3, 0.5));
        inked(p, b, hairColour);
        p.setPen(outline(0.8, colour::ink));
        p.drawLine(c + QPointF(-1.2, ry * 0.5), c + QPointF(1.2, ry * 0.5));
    } else {
        p.setPen(outline(0.7, colour::darkRed));
        p.drawLine(c + QPointF(-1, ry * 0.55), c + QPointF(1, ry * 0.55));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    p.drawEllipse(c + QPointF(-1.8, -0.4), 0.7, 0.8);
    p.drawEllipse(c + QPointF(1.8, -0.4), 0.7, 0.8);
}

// A curling plume, from `base` towards `tip`.
void drawPlume(QPainter& p, QPointF base, QPointF tip, const QColor& fill) {
    const QPointF d = tip - base;
    const QPointF n(-d.y() * 0.25, d.x() * 0.25);
    QPainterPath plume;
    plume.moveTo(base);
    plume.quadTo(base + d * 0.5 + n, tip);
    plume.quadTo(base + d * 0.4 + n * 0.2, base);
    inked(p, plume, fill);
}

// How a figure's free arm holds its suit sign.
struct Hold {
    QPointF shoulder;
    QPointF elbow;
    QPointF hand;
    qreal size;
    qreal angle;
};

void drawHoldingArm(QPainter& p, Suit suit, const Hold& hold, qreal sleeveWidth, const QColor& sleeve) {
    drawLimb(p, QPolygonF({hold.shoulder, hold.elbow, hold.hand}), sleeveWidth, sleeve);
    drawHeldSign(p, suit, hold.hand, hold.size, hold.angle);
    drawHand(p, hold.hand);
}

// Each suit dresses its court in its own pair of colours.
struct Costume {
    QColor main;
    QColor second;
};

Costume costumeFor(Suit suit) {
    switch (suit) {
        case Suit::Bastoni:
            return {colour::red, colour::blue};
        case Suit::Coppe:
            return {colour::blue, colour::red};
        case Suit::Denari:
            return {colour::green, colour::red};
        case Suit::Spade:
            return {colour::blue, colour::green};
    }
    return {colour::red, colour::blue};
}

// ---------------------------------------------------------------- Fante

void drawFanteCap(QPainter& p, const QColor& cloth) {
    drawPlume(p, QPointF(37, 16), QPointF(46, 7), colour::white);
    inked(p, ellipsePath(QPointF(33, 17), 5.5, 3.5), cloth);
    inked(p, ellipsePath(QPointF(32, 19.5), 8.5, 2.4), cloth);
}

}  // namespace

void drawFante(QPainter& p, Suit suit) {
    const Costume costume = costumeFor(suit);
    // Legs in parti-coloured hose and pointed shoes.
    drawLimb(p, QPolygonF({{30, 72}, {29, 88}, {28, 106}}), 4.6, costume.second);
    drawLimb(p, QPolygonF({{37, 72}, {38, 88}, {39, 106}}), 4.6, costume.main);
    drawShoe(p, QPointF(27, 107.5), -1);
    drawShoe(p, QPointF(40, 107.5), 1);

    // Short parti-coloured tunic with a gold belt and hem.
    QPainterPath tunic;
    tunic.moveTo(28, 36);
    tunic.lineTo(39, 36);
    tunic.quadTo(43, 37, 43, 42);
    tunic.lineTo(39.5, 60);
    tunic.lineTo(44, 76);
    tunic.quadTo(33.5, 79, 23, 76);
    tunic.lineTo(27.5, 60);
    tunic.lineTo(24, 42);
    tunic.quadTo(24, 37, 28, 36);
    drawPartiColoured(p, tunic, 33.5, costume.main, costume.second);
    inked(p, polygonPath(QPolygonF({{27.5, 58}, {39.5, 58}, {39.5, 61.5}, {27.5, 61.5}})), colour::gold);
    p.setPen(outline(1.4, colour::gold));
    p.drawLine(QPointF(24.5, 74.5), QPointF(42.5, 74.5));
    inked(p, ellipsePath(QPointF(33.5, 36.5), 4.5, 2), colour::white);

    // Free hand resting on the hip.
    drawLimb(p, QPolygonF({{26, 40}, {21, 50}, {27, 58}}), 4.4, costume.main);
    drawHand(p, QPointF(27, 58));

    drawHead(p, QPointF(33.5, 27), colour::hair, Beard::None);
    drawFanteCap(p, costume.main);

    const Hold hold = isLongSign(suit)
                          ? Hold{{41, 40}, {46, 50}, {51, 56}, suit == Suit::Spade ? 54.0 : 48.0, 6}
                          : Hold{{41, 40}, {48, 46}, {50, 38}, 20, 0};
    drawHoldingArm(p, suit, hold, 4.4, costume.second);
}

namespace {

// ---------------------------------------------------------------- Cavallo

QPainterPath horseBody() {
    QPainterPath body = ellipsePath(QPointF(39, 74), 19, 10);
    body = body.united(ellipsePath(QPointF(53, 72), 7.5, 9));

    QPainterPath neck;
    neck.moveTo(20, 76);
    neck.quadTo(16, 66, 12, 53);
    neck.lineTo(16, 42);
    neck.quadTo(25, 46, 34, 66);
    neck.closeSubpath();
    body = body.united(neck);

    // The muzzle stops short of the frame.
    QPainterPath head;
    head.moveTo(18, 41);
    head.cubicTo(13, 42, 9, 47, 7, 52);
    head.quadTo(6, 56, 9, 57);
    head.lineTo(12, 56);
    head.quadTo(15, 53, 19, 49);
    head.closeSubpath();
    return body.united(head).simplified();
}

void drawHorseLeg(QPainter& p, const QPolygonF& joints, const QColor& coat) {
    drawLimb(p, joints, 3.6, coat);
    const QPointF hoof = joints.last();
    inked(p,
          polygonPath(QPolygonF({hoof + QPointF(-2, -1), hoof + QPointF(2, -1), hoof + QPointF(2.4, 2),
                                 hoof + QPointF(-2.4, 2)})),
          colour::ink);
}

void drawHorse(QPainter& p, const QColor& saddleCloth) {
    // Far legs in shade, behind the body.
    drawHorseLeg(p, QPolygonF({{28, 80}, {28, 94}, {29, 106}}), colour::horseShade);
    drawHorseLeg(p, QPolygonF({{48, 80}, {47, 94}, {45, 106}}), colour::horseShade);

    // Tail.
    QPainterPath tail;
    tail.moveTo(58, 66);
    tail.cubicTo(66, 66, 66, 82, 62, 96);
    tail.cubicTo(60, 90, 60, 80, 57, 72);
    tail.closeSubpath();
    inked(p, tail, colour::mane);

    inked(p, horseBody(), colour::horse);

    // Near legs: the front one lifted in a prance.
    drawHorseLeg(p, QPolygonF({{23, 79}, {18, 89}, {22, 96}}), colour::horse);
    // The hind hoof stands clear of the bottom-right numeral.
    drawHorseLeg(p, QPolygonF({{54, 78}, {55, 93}, {50, 105}}), colour::horse);

    // Mane, ears and face.
    QPainterPath mane;
    mane.moveTo(17, 40);
    mane.quadTo(26, 44, 34, 63);
    mane.quadTo(27, 52, 16, 44);
    mane.closeSubpath();
    inked(p, mane, colour::mane);
    inked(p, polygonPath(QPolygonF({{17.5, 41.5}, {20, 34.5}, {20.5, 42}})), colour::horseShade);
    inked(p, polygonPath(QPolygonF({{14.5, 42}, {15.5, 34.5}, {18.5, 41}})), colour::horse);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    p.drawEllipse(QPointF(13.2, 45.5), 1.0, 1.0);
    p.drawEllipse(QPointF(8.2, 54), 0.6, 0.8);

    // Bridle and saddle cloth.
    p.setPen(outline(0.9, colour::darkRed));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(9, 51), QPointF(11.5, 54.5));
    p.drawLine(QPointF(10, 49.5), QPointF(17, 42));
    QPainterPath cloth;
    cloth.moveTo(31, 62);
    cloth.lineTo(49, 62);
    cloth.lineTo(48, 80);
    cloth.quadTo(40, 83, 32, 80);
    cloth.closeSubpath();
    inked(p, cloth, saddleCloth);
    p.setPen(outline(1.3, colour::gold));
    p.drawLine(QPointF(32.5, 79), QPointF(47, 79));
}

}  // namespace

void drawCavallo(QPainter& p, Suit suit) {
    const Costume costume = costumeFor(suit);
    drawHorse(p, costume.second);

    // Rider: leg over the horse's flank, body upright in the saddle.
    drawLimb(p, QPolygonF({{41, 62}, {34, 69}, {36, 80}}), 4.4, colour::gold);
    drawShoe(p, QPointF(36, 81.5), -1);
    QPainterPath tunic;
    tunic.moveTo(36, 43);
    tunic.lineTo(44, 43);
    tunic.quadTo(47, 44, 46.5, 48);
    tunic.lineTo(45, 64);
    tunic.lineTo(35, 64);
    tunic.lineTo(33.5, 48);
    tunic.quadTo(33, 44, 36, 43);
    inked(p, tunic, costume.main);
    inked(p, polygonPath(QPolygonF({{34.5, 58}, {45.5, 58}, {45.3, 61}, {34.7, 61}})), colour::gold);

    // Rein hand.
    drawLimb(p, QPolygonF({{35, 46}, {31, 53}, {27, 55}}), 4, costume.main);
    p.setPen(outline(0.8, colour::darkRed));
    p.drawLine(QPointF(11, 54.5), QPointF(27, 55));
    drawHand(p, QPointF(27, 55));

    drawHead(p, QPointF(40, 35), colour::hair, Beard::None);
    // Brimmed hat with a plume blowing back.
    drawPlume(p, QPointF(43, 27), QPointF(51, 25), colour::red);
    inked(p, ellipsePath(QPointF(40, 27.5), 4.8, 3.8), costume.second);
    inked(p, ellipsePath(QPointF(40, 30), 8, 1.8), costume.second);

    const Hold hold = isLongSign(suit)
                          ? Hold{{45, 46}, {51, 48}, {53, 44}, suit == Suit::Spade ? 40.0 : 36.0, 14}
                          : Hold{{45, 46}, {51, 47}, {54, 40}, 17, 0};
    drawHoldingArm(p, suit, hold, 4, costume.main);
}

namespace {

// ---------------------------------------------------------------- Re

void drawCrown(QPainter& p) {
    QPainterPath crown;
    crown.moveTo(25, 22);
    crown.lineTo(25, 12);
    crown.lineTo(29, 17);
    crown.lineTo(33, 9);
    crown.lineTo(37, 17);
    crown.lineTo(41, 12);
    crown.lineTo(41, 22);
    crown.closeSubpath();
    inked(p, crown, colour::gold);
    for (const QPointF tip : {QPointF(25, 11.5), QPointF(33, 8.5), QPointF(41, 11.5)})
        inked(p, ellipsePath(tip, 1.5, 1.5), colour::gold);
    p.setPen(outline(0.8, colour::darkGold));
    p.drawLine(QPointF(25.5, 19), QPointF(40.5, 19));
    inked(p, ellipsePath(QPointF(33, 15.5), 1.6, 2), colour::red);
    inked(p, ellipsePath(QPointF(28, 20.5), 1, 1), colour::blue);
    inked(p, ellipsePath(QPointF(38, 20.5), 1, 1), colour::blue);
}

void drawErmineCape(QPainter& p) {
    QPainterPath cape;
    cape.moveTo(24, 44);
    cape.quadTo(33, 36, 42, 44);
    cape.quadTo(44, 50, 42, 52);
    cape.quadTo(33, 56, 24, 52);
    cape.quadTo(22, 50, 24, 44);
    inked(p, cape, colour::white);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    for (const QPointF spot :
         {QPointF(27, 47), QPointF(31, 50), QPointF(35, 50), QPointF(39, 47), QPointF(33, 45.5)})
        p.drawRect(QRectF(spot, QSizeF(0.9, 2)));
}

}  // namespace

void drawRe(QPainter& p, Suit suit) {
    const Costume costume = costumeFor(suit);
    // Long mantle open over a gown of the second colour.
    QPainterPath mantle;
    mantle.moveTo(26, 41);
    mantle.lineTo(40, 41);
    mantle.quadTo(46, 60, 51, 108);
    mantle.lineTo(15, 108);
    mantle.quadTo(20, 60, 26, 41);
    inked(p, mantle, costume.main);
    QPainterPath gown = polygonPath(QPolygonF({{30.5, 50}, {35.5, 50}, {41, 108}, {25, 108}}));
    inked(p, gown, costume.second);
    p.setPen(outline(1.2, colour::gold));
    p.drawLine(QPointF(30.5, 52), QPointF(25.5, 107));
    p.drawLine(QPointF(35.5, 52), QPointF(40.5, 107));
    p.drawLine(QPointF(16, 107), QPointF(50, 107));
    drawShoe(p, QPointF(29, 110), -1);
    drawShoe(p, QPointF(37, 110), 1);

    drawErmineCape(p);
    // Free hand laid on the chest.
    drawLimb(p, QPolygonF({{24.5, 47}, {21, 60}, {29, 63}}), 4.6, costume.main);
    drawHand(p, QPointF(29, 63));

    drawHead(p, QPointF(33, 27), colour::greyHair, Beard::Full);
    drawCrown(p);

    const Hold hold = isLongSign(suit)
                          ? Hold{{42, 47}, {47, 57}, {51, 60}, suit == Suit::Spade ? 54.0 : 48.0, 4}
                          : Hold{{42, 47}, {48, 55}, {51, 48}, 20, 0};
    drawHoldingArm(p, suit, hold, 4.6, costume.main);
}

}  // namespace tavolora::art
