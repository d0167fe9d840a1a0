#include "deck_meridione_figures.h"

#include "cardfaces.h"
#include "deck_meridione_signs.h"
#include "deck_meridione_style.h"

#include <QPainter>
#include <QPainterPath>

namespace tavolora::art::meridione {

namespace {

// Each suit dresses its court in its own colours and sets it on its own ground.
struct Court {
    QColor ground;  // the arched panel behind the figure
    QColor floor;   // the strip of floor at its foot
    QColor main;    // doublet, coat, robe
    QColor second;  // cape, breeches, the king's sleeves and collar, saddle cloth
    QColor hat;     // the page's hat, the rider's hose
    QColor hair;
    QColor beard;
    QColor throne;  // the cloth of the king's throne
    QColor horse;
    QColor horseShade;
    QColor mane;
};

Court courtFor(Suit suit) {
    switch (suit) {
        case Suit::Bastoni:
            return {.ground = {0xfb, 0xe8, 0xa4},
                    .floor = {0xd8, 0xaa, 0x4c},
                    .main = tint::orange,
                    .second = tint::blue,
                    .hat = tint::darkGreen,
                    .hair = tint::blackHair,
                    .beard = {0x5a, 0x34, 0x18},
                    .throne = tint::darkGreen,
                    .horse = {0x9c, 0x56, 0x24},
                    .horseShade = {0x6c, 0x38, 0x14},
                    .mane = tint::blackHair};
        case Suit::Coppe:
            return {.ground = {0xd2, 0xe6, 0xf8},
                    .floor = {0x86, 0xae, 0xd8},
                    .main = tint::purple,
                    .second = tint::yellow,
                    .hat = tint::red,
                    .hair = {0x9a, 0x5a, 0x22},
                    .beard = tint::whiteHair,
                    .throne = tint::red,
                    .horse = {0xf6, 0xf2, 0xea},
                    .horseShade = {0xc8, 0xc0, 0xb4},
                    .mane = {0x8a, 0x84, 0x7e}};
        case Suit::Denari:
            return {.ground = {0xfa, 0xd8, 0xcc},
                    .floor = {0xd8, 0x90, 0x7a},
                    .main = tint::green,
                    .second = tint::red,
                    .hat = tint::blue,
                    .hair = {0xb8, 0x4a, 0x1a},
                    .beard = {0xb8, 0x4a, 0x1a},
                    .throne = tint::blue,
                    .horse = {0x4c, 0x3e, 0x38},
                    .horseShade = {0x2e, 0x24, 0x20},
                    .mane = tint::ink};
        case Suit::Spade:
            return {.ground = {0xd6, 0xee, 0xc8},
                    .floor = {0x90, 0xc2, 0x74},
                    .main = {0x16, 0x86, 0x88},
                    .second = tint::red,
                    .hat = tint::wine,
                    .hair = tint::blackHair,
                    .beard = tint::grey,
                    .throne = tint::orange,
                    .horse = {0xcc, 0xc8, 0xc2},
                    .horseShade = {0x98, 0x92, 0x8c},
                    .mane = {0x4a, 0x44, 0x40}};
    }
    return courtFor(Suit::Bastoni);
}

// The arch every court figure stands in, with a strip of floor at its foot.
void drawPanel(QPainter& p, const Court& court) {
    QPainterPath arch;
    arch.moveTo(6.5, 113.5);
    arch.lineTo(6.5, 34);
    arch.arcTo(QRectF(6.5, 6.5, 59, 55), 180, -180);
    arch.lineTo(65.5, 113.5);
    arch.closeSubpath();
    fillAndOutline(p, arch, court.ground, outline(1, tint::ink));
    paintWithin(p, arch, outline(1, tint::ink), [&] {
        p.setBrush(court.floor);
        p.drawRect(QRectF(0, 102, kCardWidth, 20));
    });
    line(p, QPointF(7, 102), QPointF(65, 102), tint::ink, 0.8);
}

// An arm or a leg: a thick rounded stroke through its joints.
void drawLimb(QPainter& p, const QPolygonF& joints, qreal width, const QColor& fill) {
    inked(p, strokeShape(polyline(joints), width), fill, 0.9);
}

void drawHand(QPainter& p, QPointF at) {
    inked(p, ellipsePath(at, 2, 2), tint::skin, 0.9);
}

void drawShoe(QPainter& p, QPointF at, qreal toward, const QColor& colour) {
    QPainterPath shoe;
    shoe.moveTo(at + QPointF(-2.6 - (toward < 0 ? 1.5 : 0), 1.4));
    shoe.quadTo(at + QPointF(-2.6, -2.2), at + QPointF(0, -2.2));
    shoe.quadTo(at + QPointF(2.6, -2.2), at + QPointF(2.6 + (toward > 0 ? 1.5 : 0), 1.4));
    shoe.closeSubpath();
    inked(p, shoe, colour, 0.9);
}

enum class Beard { None, Full };

// A face seen from the front: dark eyes, hair cut at the jaw (a page's a little
// longer), and either rosy cheeks or a full beard.
void drawHead(QPainter& p, QPointF c, const QColor& hair, bool longHair, Beard beard,
              const QColor& beardColour) {
    const qreal rx = 5.3;
    const qreal ry = 6.3;
    QPainterPath back;
    // The hair ends level with the mouth, so that it never reads as a beard.
    back.addRoundedRect(QRectF(c.x() - rx - 1.6, c.y() - ry - 0.8, 2 * rx + 3.2, ry + (longHair ? 4.8 : 3.4)),
                        3, 3);
    inked(p, back, hair, 0.9);
    inked(p, ellipsePath(c, rx, ry), tint::skin, 0.9);

    QPainterPath fringe;
    fringe.moveTo(c + QPointF(-rx - 0.2, -0.5));
    fringe.cubicTo(c + QPointF(-rx, -ry - 1.5), c + QPointF(rx, -ry - 1.5), c + QPointF(rx + 0.2, -0.5));
    fringe.quadTo(c + QPointF(rx * 0.4, -ry * 0.55), c + QPointF(0, -ry * 0.5));
    fringe.quadTo(c + QPointF(-rx * 0.4, -ry * 0.55), c + QPointF(-rx - 0.2, -0.5));
    inked(p, fringe, hair, 0.9);

    if (beard == Beard::Full) {
        // The beard starts at the cheekbones, under a band of bare cheek, so
        // that the eyes stand out on skin.
        QPainterPath b;
        b.moveTo(c + QPointF(-rx + 0.3, 2));
        b.cubicTo(c + QPointF(-rx, ry + 3), c + QPointF(-2, ry + 6), c + QPointF(0, ry + 7));
        b.cubicTo(c + QPointF(2, ry + 6), c + QPointF(rx, ry + 3), c + QPointF(rx - 0.3, 2));
        b.quadTo(c + QPointF(rx * 0.5, 3.8), c + QPointF(0, 3));
        b.quadTo(c + QPointF(-rx * 0.5, 3.8), c + QPointF(-rx + 0.3, 2));
        inked(p, b, beardColour, 0.9);
        line(p, c + QPointF(-1.3, 4.4), c + QPointF(1.3, 4.4), tint::darkRed, 0.9);
    } else {
        p.setPen(Qt::NoPen);
        QColor cheek = tint::cheek;
        cheek.setAlpha(150);
        p.setBrush(cheek);
        p.drawEllipse(c + QPointF(-3, 2), 1.3, 1.0);
        p.drawEllipse(c + QPointF(3, 2), 1.3, 1.0);
        line(p, c + QPointF(-1.1, 3.6), c + QPointF(1.1, 3.6), tint::darkRed, 0.9);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(tint::ink);
    p.drawEllipse(c + QPointF(-2, -0.2), 0.75, 0.9);
    p.drawEllipse(c + QPointF(2, -0.2), 0.75, 0.9);
}

// A feather from `base` curling to `tip`.
void drawFeather(QPainter& p, QPointF base, QPointF tip, qreal bend, const QColor& fill) {
    const QPointF d = tip - base;
    const QPointF n(-d.y() * bend, d.x() * bend);
    QPainterPath feather;
    feather.moveTo(base);
    feather.quadTo(base + d * 0.5 + n * 1.4, tip);
    feather.quadTo(base + d * 0.45 + n * 0.3, base);
    inked(p, feather, fill, 0.9);
}

// ---------------------------------------------------------------- Fante

void drawBreeches(QPainter& p, const Court& court) {
    QPainterPath puffs =
        unitedFine(ellipsePath(QPointF(31.5, 72), 6.2, 8.5), ellipsePath(QPointF(40.5, 72), 6.2, 8.5));
    paintWithin(p, puffs, outline(0.9, tint::ink), [&] {
        p.setBrush(court.second);
        p.drawRect(QRectF(20, 60, 32, 25));
        // Slashes showing the lining.
        p.setPen(outline(1.3, court.main));
        for (const qreal x : {28.5, 32.5, 39.5, 43.5}) p.drawLine(QPointF(x, 66), QPointF(x, 79));
    });
    line(p, QPointF(36, 70), QPointF(36, 80), tint::ink, 0.8);
}

void drawDoublet(QPainter& p, const Court& court) {
    QPainterPath doublet;
    doublet.moveTo(27, 37.5);
    doublet.quadTo(36, 35, 45, 37.5);
    doublet.lineTo(47, 42);
    doublet.lineTo(44, 61);
    doublet.lineTo(46, 67);
    doublet.quadTo(36, 70, 26, 67);
    doublet.lineTo(28, 61);
    doublet.lineTo(25, 42);
    doublet.closeSubpath();
    inked(p, doublet, court.main, 0.9);
    inked(p, polygonPath(QPolygonF({{27.6, 59.5}, {44.4, 59.5}, {44.1, 62.5}, {27.9, 62.5}})), tint::yellow,
          0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(tint::yellow);
    for (qreal y = 42; y <= 56; y += 4.5) p.drawEllipse(QPointF(36, y), 0.9, 0.9);
}

// A short cape thrown over the page's left shoulder, lined in gold.
void drawCape(QPainter& p, const Court& court) {
    QPainterPath cape;
    cape.moveTo(35, 36.5);
    cape.quadTo(26, 35, 23, 40);
    cape.cubicTo(20, 50, 19.5, 60, 21.5, 70);
    cape.quadTo(26, 72, 30.5, 67);
    cape.cubicTo(29.5, 57, 30, 46, 35, 36.5);
    cape.closeSubpath();
    inked(p, cape, court.second, 0.9);
    QPainterPath lining;
    lining.moveTo(30.5, 67);
    lining.cubicTo(29.5, 57, 30, 46, 35, 36.5);
    p.setPen(outline(1.3, tint::yellow));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lining);
}

void drawPageHat(QPainter& p, const Court& court) {
    drawFeather(p, QPointF(39, 16), QPointF(27, 8), 0.3, court.second);
    p.save();
    p.translate(36, 20);
    p.rotate(-8);
    inked(p, ellipsePath(QPointF(0, -3), 6, 4.6), court.hat, 0.9);
    line(p, QPointF(-5.6, -1.2), QPointF(5.6, -1.2), court.second, 1.2);
    inked(p, ellipsePath(QPointF(0, 0.5), 11, 2.5), court.hat, 0.9);
    p.restore();
}

}  // namespace

void drawFante(QPainter& p, Suit suit) {
    const Court court = courtFor(suit);
    drawPanel(p, court);

    // Stockings with garters, and shoes.
    drawLimb(p, QPolygonF({{31, 76}, {31, 90}, {30.5, 104}}), 4.6, tint::cream);
    drawLimb(p, QPolygonF({{41, 76}, {41, 90}, {41.5, 104}}), 4.6, tint::cream);
    line(p, QPointF(28.8, 83), QPointF(33.2, 83), court.main, 1.4);
    line(p, QPointF(38.8, 83), QPointF(43.2, 83), court.main, 1.4);
    drawShoe(p, QPointF(30, 106), -1, tint::darkBrown);
    drawShoe(p, QPointF(42, 106), 1, tint::darkBrown);

    drawBreeches(p, court);
    drawDoublet(p, court);
    drawCape(p, court);
    drawHand(p, QPointF(29.5, 60));
    inked(p, ellipsePath(QPointF(36, 36.2), 5.6, 2.2), tint::white, 0.9);

    drawHead(p, QPointF(36, 27.5), court.hair, true, Beard::None, court.hair);
    drawPageHat(p, court);

    // The sign in the right hand: long ones held upright, a goblet raised, a
    // coin shown before the chest.
    QPointF hand;
    switch (suit) {
        case Suit::Bastoni:
        case Suit::Spade:
            hand = {51, 60};
            drawLimb(p, QPolygonF({{45, 40}, {50, 50}, hand}), 4.4, court.main);
            drawSignInHand(p, suit, hand, suit == Suit::Spade ? 54 : 46, 8);
            break;
        case Suit::Coppe:
            hand = {51, 45};
            drawLimb(p, QPolygonF({{45, 40}, {51, 53}, hand}), 4.4, court.main);
            drawSignInHand(p, suit, hand, 24, 0);
            break;
        case Suit::Denari:
            hand = {50, 55};
            drawLimb(p, QPolygonF({{45, 40}, {51, 50}, hand}), 4.4, court.main);
            drawSignInHand(p, suit, hand, 21, 0);
            break;
    }
    inked(p, ellipsePath(QPointF(45.5, 40.5), 3.4, 3), court.main, 0.9);
    drawHand(p, hand);
}

namespace {

// ---------------------------------------------------------------- Cavallo

QPainterPath horseBody() {
    QPainterPath body =
        unitedFine(ellipsePath(QPointF(32, 80), 19, 10.5), ellipsePath(QPointF(49, 77), 8, 9.5));
    QPainterPath neck;
    neck.moveTo(40, 73);
    neck.cubicTo(44, 62, 48, 52, 54, 45);
    neck.lineTo(61, 51);
    neck.cubicTo(59, 60, 58, 68, 56, 80);
    neck.closeSubpath();
    body = unitedFine(body, neck);
    QPainterPath head;
    head.moveTo(53, 45);
    head.cubicTo(57, 41, 62, 42, 63.5, 47);
    head.lineTo(67.5, 57);
    head.quadTo(68.5, 62, 64, 62.5);
    head.lineTo(60.5, 61);
    head.quadTo(58, 56, 55, 52);
    head.closeSubpath();
    return unitedFine(body, head);
}

void drawHorseLeg(QPainter& p, const QPolygonF& joints, const QColor& coat) {
    drawLimb(p, joints, 4.4, coat);
    const QPointF hoof = joints.last();
    inked(p,
          polygonPath(QPolygonF({hoof + QPointF(-2.1, -0.8), hoof + QPointF(2.1, -0.8),
                                 hoof + QPointF(2.5, 2.2), hoof + QPointF(-2.5, 2.2)})),
          tint::ink, 0.9);
}

void drawHorse(QPainter& p, const Court& court) {
    // Far legs in shade, behind the body.
    drawHorseLeg(p, QPolygonF({{26, 86}, {27, 98}, {28, 106}}), court.horseShade);
    drawHorseLeg(p, QPolygonF({{45, 84}, {47, 96}, {47.5, 106}}), court.horseShade);

    QPainterPath tail;
    tail.moveTo(14, 75);
    tail.cubicTo(6, 76, 6, 92, 9, 102);
    tail.cubicTo(12, 94, 12, 86, 16, 81);
    tail.closeSubpath();
    inked(p, tail, court.mane, 0.9);

    inked(p, horseBody(), court.horse, 1.0);

    // Near legs: the front one lifted in a step.
    drawHorseLeg(p, QPolygonF({{20, 86}, {17, 97}, {19.5, 106}}), court.horse);
    drawHorseLeg(p, QPolygonF({{51, 83}, {57, 91}, {55, 99}}), court.horse);

    // Mane along the neck, ears, eye and nostril.
    QPainterPath mane;
    mane.moveTo(54, 44);
    mane.cubicTo(48, 50, 44, 60, 39, 72);
    mane.cubicTo(44, 64, 48, 56, 56, 47);
    mane.closeSubpath();
    inked(p, mane, court.mane, 0.9);
    inked(p, polygonPath(QPolygonF({{54.5, 44}, {55, 37.5}, {58, 43}})), court.horse, 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(tint::ink);
    p.drawEllipse(QPointF(59.5, 48), 1.0, 1.1);
    p.drawEllipse(QPointF(65.8, 59.5), 0.7, 0.8);

    // Bridle: a cheek strap and a noseband.
    p.setPen(outline(1.0, tint::red));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(57, 46.5), QPointF(62.5, 56.5));
    p.drawLine(QPointF(61.5, 56.8), QPointF(67, 55.6));
}

void drawSaddleCloth(QPainter& p, const Court& court) {
    QPainterPath cloth;
    cloth.moveTo(23, 70);
    cloth.lineTo(42, 70);
    cloth.lineTo(43, 86);
    cloth.quadTo(33, 89, 22, 86);
    cloth.closeSubpath();
    inked(p, cloth, court.second, 0.9);
    line(p, QPointF(23, 84.3), QPointF(42.4, 84.3), tint::yellow, 1.4);
}

void drawHelmet(QPainter& p, QPointF head) {
    // A round gold helmet with a red crest and a brim over the brow.
    QPainterPath crest;
    crest.moveTo(head + QPointF(-4, -9));
    crest.cubicTo(head + QPointF(-4, -17), head + QPointF(6, -18), head + QPointF(7.5, -12));
    crest.quadTo(head + QPointF(2, -13), head + QPointF(2, -8));
    crest.closeSubpath();
    inked(p, crest, tint::red, 0.9);
    QPainterPath dome;
    dome.moveTo(head + QPointF(-5.8, -4));
    dome.cubicTo(head + QPointF(-5.8, -12.5), head + QPointF(5.8, -12.5), head + QPointF(5.8, -4));
    dome.closeSubpath();
    inked(p, dome, tint::yellow, 0.9);
    inked(p, ellipsePath(head + QPointF(0, -4), 8, 1.7), tint::yellow, 0.9);
    line(p, head + QPointF(-4.5, -7), head + QPointF(4.5, -7), tint::ochre, 0.8);
}

}  // namespace

void drawCavallo(QPainter& p, Suit suit) {
    const Court court = courtFor(suit);
    drawPanel(p, court);
    drawHorse(p, court);
    drawSaddleCloth(p, court);

    // The rider: coat over the saddle, near leg down the horse's flank.
    const QPointF head(33, 33);
    QPainterPath coat;
    coat.moveTo(28, 43);
    coat.quadTo(33, 41, 39, 43);
    coat.lineTo(41, 48);
    coat.lineTo(40, 64);
    coat.lineTo(44, 72);
    coat.quadTo(34, 75, 24, 72);
    coat.lineTo(28, 64);
    coat.lineTo(26, 48);
    coat.closeSubpath();
    inked(p, coat, court.main, 0.9);
    inked(p, polygonPath(QPolygonF({{27.8, 61}, {40.2, 61}, {40, 64}, {28, 64}})), tint::yellow, 0.8);
    drawLimb(p, QPolygonF({{36, 68}, {42, 76}, {41, 86}}), 4.6, court.hat);
    drawShoe(p, QPointF(42, 88), 1, tint::darkBrown);
    inked(p, ellipsePath(head + QPointF(0, 9), 4.6, 1.8), tint::white, 0.9);

    // Rein hand forward.
    drawLimb(p, QPolygonF({{38, 46}, {42, 56}, {48, 59}}), 4.2, court.main);
    p.setPen(outline(0.9, tint::darkRed));
    p.drawLine(QPointF(48, 59), QPointF(62.5, 56.8));
    drawHand(p, QPointF(48, 59));

    drawHead(p, head, court.hair, false, Beard::None, court.hair);
    drawHelmet(p, head);

    // The sign raised high over the horse's back.
    const QPointF hand(19, 42);
    drawLimb(p, QPolygonF({{29, 46}, {22, 52}, hand}), 4.2, court.main);
    switch (suit) {
        case Suit::Bastoni:
            drawSignInHand(p, suit, hand, 36, -12);
            break;
        case Suit::Spade:
            drawSignInHand(p, suit, hand, 42, -10, true);
            break;
        case Suit::Coppe:
            drawSignInHand(p, suit, hand, 22, 0);
            break;
        case Suit::Denari:
            drawSignInHand(p, suit, hand, 21, 0);
            break;
    }
    drawHand(p, hand);
}

namespace {

// ---------------------------------------------------------------- Re

void drawThrone(QPainter& p, const Court& court) {
    // Tall gold-framed back with knobbed posts; the seat shows at both sides
    // of the king's lap.
    QPainterPath back;
    back.addRoundedRect(QRectF(14, 20, 44, 66), 4, 4);
    inked(p, back, tint::yellow, 1.0);
    QPainterPath cloth;
    cloth.addRoundedRect(QRectF(17.5, 23.5, 37, 59), 2.5, 2.5);
    inked(p, cloth, court.throne, 0.9);
    for (const qreal x : {13.5, 58.5}) {
        inked(p, polygonPath(QPolygonF({{x - 2, 22}, {x + 2, 22}, {x + 2, 104}, {x - 2, 104}})), tint::ochre,
              0.9);
        inked(p, ellipsePath(QPointF(x, 19), 3, 3), tint::yellow, 0.9);
    }
    inked(p, polygonPath(QPolygonF({{12, 74}, {60, 74}, {60, 80}, {12, 80}})), tint::ochre, 0.9);
}

void drawCrown(QPainter& p, QPointF head) {
    // An open crown of five points, each with a pearl, over a red cap.
    const QPointF c = head + QPointF(0, -8);
    inked(p, ellipsePath(c + QPointF(0, -2), 5.5, 4), tint::red, 0.9);
    QPainterPath crown;
    crown.moveTo(c + QPointF(-7, 2));
    crown.lineTo(c + QPointF(-7.5, -5));
    crown.lineTo(c + QPointF(-4.5, -1.5));
    crown.lineTo(c + QPointF(-2.5, -7));
    crown.lineTo(c + QPointF(0, -2));
    crown.lineTo(c + QPointF(2.5, -7));
    crown.lineTo(c + QPointF(4.5, -1.5));
    crown.lineTo(c + QPointF(7.5, -5));
    crown.lineTo(c + QPointF(7, 2));
    crown.closeSubpath();
    inked(p, crown, tint::yellow, 0.9);
    for (const QPointF tip :
         {QPointF(-7.5, -5.5), QPointF(-2.5, -7.5), QPointF(2.5, -7.5), QPointF(7.5, -5.5)})
        inked(p, ellipsePath(c + tip, 1.1, 1.1), tint::white, 0.8);
    line(p, c + QPointF(-6.8, 0), c + QPointF(6.8, 0), tint::ochre, 0.8);
    inked(p, ellipsePath(c + QPointF(0, 0.2), 1.3, 1.1), tint::red, 0.7);
}

}  // namespace

void drawRe(QPainter& p, Suit suit) {
    const Court court = courtFor(suit);
    drawPanel(p, court);
    drawThrone(p, court);

    // The robe falls from the knees to the feet, with an embroidered band
    // down the middle.
    QPainterPath skirt;
    skirt.moveTo(19.5, 80);
    skirt.quadTo(19.5, 71, 28, 71);
    skirt.lineTo(44, 71);
    skirt.quadTo(52.5, 71, 52.5, 80);
    skirt.lineTo(49.5, 104);
    skirt.lineTo(22.5, 104);
    skirt.closeSubpath();
    paintWithin(p, skirt, outline(1, tint::ink), [&] {
        p.setBrush(court.main);
        p.drawRect(QRectF(10, 60, 52, 50));
        p.setBrush(court.second);
        p.drawRect(QRectF(32.5, 70, 7, 40));
        p.setPen(outline(1.2, tint::yellow));
        p.drawLine(QPointF(32.5, 78), QPointF(32.5, 104));
        p.drawLine(QPointF(39.5, 78), QPointF(39.5, 104));
        p.drawLine(QPointF(15, 102.5), QPointF(57, 102.5));
    });
    // The two knees under the cloth.
    QPainterPath knees;
    knees.moveTo(21, 80);
    knees.quadTo(27, 76, 33, 79);
    knees.moveTo(39, 79);
    knees.quadTo(45, 76, 51, 80);
    p.setPen(outline(0.8, tint::ink));
    p.setBrush(Qt::NoBrush);
    p.drawPath(knees);
    drawShoe(p, QPointF(30, 106), -1, tint::red);
    drawShoe(p, QPointF(42, 106), 1, tint::red);

    // Body, belted in gold.
    QPainterPath body;
    body.moveTo(27, 42);
    body.quadTo(36, 39, 45, 42);
    body.quadTo(49, 44, 48, 50);
    body.lineTo(46.5, 74);
    body.lineTo(25.5, 74);
    body.lineTo(24, 50);
    body.quadTo(23, 44, 27, 42);
    inked(p, body, court.main, 1.0);
    inked(p, polygonPath(QPolygonF({{25.2, 66}, {46.8, 66}, {46.7, 69.5}, {25.3, 69.5}})), tint::yellow, 0.8);
    inked(p, ellipsePath(QPointF(36, 67.8), 2.2, 2.2), tint::red, 0.8);

    // Collar of the second colour with a gold chain and a jewel.
    QPainterPath collar;
    collar.moveTo(25, 43);
    collar.quadTo(36, 38, 47, 43);
    collar.quadTo(49, 48, 46, 51);
    collar.quadTo(36, 55, 26, 51);
    collar.quadTo(23, 48, 25, 43);
    inked(p, collar, court.second, 0.9);
    QPainterPath chain;
    chain.moveTo(28, 51);
    chain.quadTo(36, 61, 44, 51);
    p.setPen(outline(1.2, tint::yellow));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chain);
    inked(p, ellipsePath(QPointF(36, 57), 2, 2), tint::yellow, 0.8);

    // Wide sleeves with gold cuffs; the free hand rests on the knee.
    drawLimb(p, QPolygonF({{25.5, 46}, {21.5, 60}, {24.5, 72}}), 5.4, court.second);
    line(p, QPointF(22, 70.5), QPointF(27, 71.5), tint::yellow, 1.6);
    drawHand(p, QPointF(25.5, 74.5));

    const QPointF head(36, 30);
    drawHead(p, head, court.beard, false, Beard::Full, court.beard);
    drawCrown(p, head);

    QPointF hand;
    QPointF elbow(51, 58);
    switch (suit) {
        case Suit::Bastoni:
        case Suit::Spade:
            hand = {50, 66};
            break;
        case Suit::Coppe:
            hand = {50, 54};
            elbow = {52, 62};
            break;
        case Suit::Denari:
            hand = {50, 60};
            elbow = {52, 64};
            break;
    }
    drawLimb(p, QPolygonF({{46.5, 46}, elbow, hand + QPointF(0, 2.5)}), 5.4, court.second);
    line(p, hand + QPointF(-2.5, 1.5), hand + QPointF(2.5, 1.5), tint::yellow, 1.6);
    switch (suit) {
        case Suit::Bastoni:
            drawSignInHand(p, suit, hand, 46, 6);
            break;
        case Suit::Spade:
            drawSignInHand(p, suit, hand, 50, 6);
            break;
        case Suit::Coppe:
            drawSignInHand(p, suit, hand, 24, 0);
            break;
        case Suit::Denari:
            drawSignInHand(p, suit, hand, 22, 0);
            break;
    }
    drawHand(p, hand);
}

}  // namespace tavolora::art::meridione
