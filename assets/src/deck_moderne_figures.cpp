// The modern deck's court figures: flat portraits on the suit's pale panel.
// The Fante is a young page in a feathered beret, the Cavallo a rider behind
// his horse's head, the Re a bearded king with a crown and an ermine cape.
// The page and the king raise the suit sign on the left, below the top-left
// index and clear of the bottom-right one; the rider raises it on the right,
// above his horse.
#include "deck_moderne_parts.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

namespace tavolora::art::moderne {

namespace {

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// A thick stroke with round ends through `points`: arms, reins, feathers.
QPainterPath limb(const QPolygonF& points, qreal width) {
    QPainterPath line;
    line.addPolygon(points);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath shape(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// A soft disc behind the head, a shade darker than the panel.
void drawHalo(QPainter& p, const Tones& t, QPointF centre, qreal r) {
    fill(p, circle(centre, r), mix(t.pale, t.light, 0.45));
}

// The face: two eyes, a touch of colour on the cheeks and, when `smile`, a
// small smiling mouth.
void drawFace(QPainter& p, QPointF c, bool smile) {
    fill(p, circle(c + QPointF(-3.4, 0), 1.05), neutral::ink);
    fill(p, circle(c + QPointF(3.4, 0), 1.05), neutral::ink);
    fill(p, oval(c + QPointF(-4.6, 3.2), 1.4, 0.9), neutral::cheek);
    fill(p, oval(c + QPointF(4.6, 3.2), 1.4, 0.9), neutral::cheek);
    if (smile) {
        QPainterPath mouth;
        mouth.moveTo(c + QPointF(-1.8, 4.6));
        mouth.quadTo(c + QPointF(0, 6.4), c + QPointF(1.8, 4.6));
        mouth.quadTo(c + QPointF(0, 5.5), c + QPointF(-1.8, 4.6));
        fill(p, mouth, neutral::lips);
    }
}

// The hand that holds the sign: the sign drawn so its grip lands on the hand,
// then the hand over it.
void drawHeldSign(QPainter& p, Suit suit, QPointF hand, qreal height) {
    const QPointF centre = hand - (signGrip(suit, QPointF(0, 0), height));
    drawSign(p, suit, centre, height);
    fill(p, circle(hand, 2.8), neutral::skin);
}

// How tall the sign in a figure's hand is; a long sign is `longHeight` tall.
qreal heldHeight(Suit suit, qreal longHeight) {
    switch (suit) {
        case Suit::Bastoni:
        case Suit::Spade:
            return longHeight;
        case Suit::Coppe:
            return 19;
        case Suit::Denari:
            return 17;
    }
    return 18;
}

// -------------------------------------------------------------- Fante

void drawPageTunic(QPainter& p, const Tones& t) {
    QPainterPath body;
    body.moveTo(8, 118);
    body.lineTo(10, 98);
    body.cubicTo(11, 88, 21, 82, 33, 80);
    body.lineTo(49, 80);
    body.cubicTo(61, 82, 69, 88, 70, 98);
    body.lineTo(71, 118);
    body.closeSubpath();
    fill(p, body, t.main);
    p.save();
    // Within the panel too: the sash and the seam never reach the index tab.
    p.setClipPath(body, Qt::IntersectClip);
    // A light sash across the chest, and the seam of the far sleeve.
    fill(p, limb(QPolygonF({{62, 86}, {20, 124}}), 6), t.light);
    fill(p, limb(QPolygonF({{60, 90}, {62, 120}}), 1.6), t.dark);
    p.restore();
    // A round white collar.
    QPainterPath collar;
    collar.moveTo(31, 80);
    collar.quadTo(41, 92, 51, 80);
    collar.quadTo(41, 84, 31, 80);
    fill(p, collar, neutral::paper);
}

// The page's head around the origin: hair to the jaw, a smiling face and a
// beret with a feather.
void drawPageHead(QPainter& p, const Tones& t) {
    QPainterPath hair;
    hair.addRoundedRect(QRectF(-11, -10, 22, 20), 7, 7);
    fill(p, hair, neutral::hair);
    fill(p, oval({0, 0}, 8.6, 10), neutral::skin);
    QPainterPath fringe;
    fringe.moveTo(-9, -2);
    fringe.cubicTo(-9, -11, 9, -11, 9, -3);
    fringe.quadTo(2, -7, -4, -5);
    fringe.quadTo(-7, -4, -9, -2);
    fill(p, fringe, neutral::hair);
    drawFace(p, QPointF(0, 1), true);

    QPainterPath feather;
    feather.moveTo(5, -10);
    feather.cubicTo(12, -20, 20, -22, 24, -19);
    feather.cubicTo(18, -17, 12, -13, 7, -8);
    feather.closeSubpath();
    fill(p, feather, t.light);
    QPainterPath beret;
    beret.addEllipse(QPointF(-1, -11), 12.5, 5.5);
    fill(p, QTransform().rotate(-8).map(beret), t.dark);
    fill(p, circle(QPointF(3.5, -11.5), 1.6), t.light);
}

}  // namespace

void drawFante(QPainter& p, Suit suit) {
    const Tones t = tonesFor(suit);
    const QPointF head(41, 61);
    drawHalo(p, t, head + QPointF(1, -5), 23);

    drawPageTunic(p, t);
    fill(p, shape({{37, 68}, {45, 68}, {45, 81}, {41, 83}, {37, 81}}), neutral::skinShade);
    p.save();
    p.translate(head);
    p.scale(1.12, 1.12);
    drawPageHead(p, t);
    p.restore();

    // The near arm raised, holding the sign up on the left.
    const bool tall = isLong(suit);
    const QPointF hand = tall ? QPointF(15, 80) : QPointF(14, 70);
    fill(p, limb(QPolygonF({{18, 98}, {9, 89}, hand}), 7), t.dark);
    drawHeldSign(p, suit, hand, heldHeight(suit, 46));
}

namespace {

// -------------------------------------------------------------- Cavallo

// The horse's head and neck in profile, facing left, from the poll down to
// the bottom of the card.
QPainterPath horseHead() {
    QPainterPath head;
    head.moveTo(30, 51);
    head.cubicTo(24, 58, 16, 70, 11, 79);
    head.quadTo(6, 86, 10, 90);
    head.quadTo(14, 93, 19, 91);
    head.quadTo(26, 89, 31, 86);
    head.cubicTo(35, 96, 33, 108, 30, 118);
    head.lineTo(60, 118);
    head.cubicTo(58, 92, 50, 64, 40, 53);
    head.quadTo(36, 49, 30, 51);
    head.closeSubpath();
    return head;
}

void drawHorse(QPainter& p, const Tones& t) {
    // Ears: the far one in shade, behind the head.
    fill(p, shape({{35, 53}, {40, 39}, {43, 55}}), neutral::horseShade);
    fill(p, shape({{30, 54}, {33, 38}, {39, 52}}), neutral::horse);
    fill(p, shape({{32.5, 51}, {33.5, 43}, {36.5, 51}}), neutral::horseShade);

    const QPainterPath head = horseHead();
    fill(p, head, neutral::horse);
    p.save();
    p.setClipPath(head, Qt::IntersectClip);
    // The round of the cheek, the muzzle, and the throat in shade.
    fill(p, oval(QPointF(31, 77), 7.5, 8.5), neutral::horseShade);
    fill(p, oval(QPointF(31, 76), 6, 7), neutral::horse);
    fill(p, oval(QPointF(10, 87), 5, 4.5), neutral::horseShade);
    fill(p, shape({{31, 86}, {36, 88}, {42, 118}, {28, 118}}), neutral::horseShade);
    p.restore();
    // A thin grey edge keeps the white horse apart from the pale panel.
    p.setPen(QPen(neutral::greyShade, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(
        head.united(shape({{30, 54}, {33, 38}, {39, 52}})).united(shape({{35, 53}, {40, 39}, {43, 55}})));

    // The mane along the crest and a forelock, dark grey.
    QPainterPath mane;
    mane.moveTo(36, 49);
    mane.cubicTo(50, 62, 58, 92, 60, 118);
    mane.lineTo(67, 118);
    mane.lineTo(63, 108);
    mane.lineTo(66, 101);
    mane.lineTo(59, 92);
    mane.lineTo(62, 85);
    mane.lineTo(55, 77);
    mane.lineTo(57, 69);
    mane.lineTo(50, 63);
    mane.lineTo(50, 55);
    mane.closeSubpath();
    fill(p, mane, neutral::mane);
    fill(p, shape({{30, 51}, {39, 50}, {34, 59}, {31, 56}, {27, 59}}), neutral::mane);

    // Eye and nostril.
    fill(p, circle(QPointF(24.5, 64), 1.6), neutral::ink);
    fill(p, oval(QPointF(10.5, 84), 1.4, 1.1), neutral::greyShade);

    // The bridle: brow band, cheek piece and nose band meeting at a ring,
    // and the rein back to the rider's hand.
    fill(p, limb(QPolygonF({{27, 57}, {37, 57}}), 1.7), t.main);
    fill(p, limb(QPolygonF({{35, 56}, {26, 73}, {20, 84}}), 1.7), t.main);
    fill(p, limb(QPolygonF({{13, 76}, {22, 83}}), 1.7), t.main);
    fill(p, limb(QPolygonF({{20, 84}, {33, 90}, {44, 90}}), 1.5), t.dark);
    fill(p, circle(QPointF(20, 84), 1.7), neutral::gold);
}

void drawRiderBody(QPainter& p, const Tones& t, QPointF head) {
    drawHalo(p, t, head + QPointF(0, -3), 16);
    QPainterPath body;
    body.moveTo(34, 118);
    body.lineTo(36, 70);
    body.cubicTo(38, 60, 44, 56, 51, 56);
    body.cubicTo(60, 56, 66, 62, 67, 70);
    body.lineTo(68, 118);
    body.closeSubpath();
    fill(p, body, t.main);
    QPainterPath collar;
    collar.moveTo(44, 56.5);
    collar.quadTo(51, 65, 58, 56.5);
    collar.quadTo(51, 59, 44, 56.5);
    fill(p, collar, neutral::paper);

    fill(p,
         shape({head + QPointF(-4, 6), head + QPointF(4, 6), head + QPointF(4, 16), head + QPointF(0, 18),
                head + QPointF(-4, 16)}),
         neutral::skinShade);
    fill(p, oval(head, 8, 9), neutral::skin);
    drawFace(p, head + QPointF(0, 2), false);

    // A round cap with a brim and a plume sweeping back.
    QPainterPath plume;
    plume.moveTo(head + QPointF(2, -9));
    plume.cubicTo(head + QPointF(4, -19), head + QPointF(12, -21), head + QPointF(17, -16));
    plume.cubicTo(head + QPointF(11, -16), head + QPointF(8, -12), head + QPointF(7, -7));
    plume.closeSubpath();
    fill(p, plume, t.light);
    QPainterPath cap;
    cap.moveTo(head + QPointF(-9, -2));
    cap.cubicTo(head + QPointF(-9, -14), head + QPointF(9, -14), head + QPointF(9, -2));
    cap.closeSubpath();
    fill(p, cap, t.dark);
    fill(p, limb(QPolygonF({head + QPointF(-10, -2), head + QPointF(10, -2)}), 2.2), t.dark);
}

void drawRiderArm(QPainter& p, Suit suit, const Tones& t) {
    fill(p, circle(QPointF(44, 90), 2.7), neutral::skin);
    const bool tall = isLong(suit);
    const QPointF hand = tall ? QPointF(61, 46) : QPointF(60, 36);
    fill(p, limb(QPolygonF({{62, 68}, {65, 56}, hand}), 6), t.dark);
    drawHeldSign(p, suit, hand, heldHeight(suit, 40));
}

}  // namespace

void drawCavallo(QPainter& p, Suit suit) {
    const Tones t = tonesFor(suit);
    drawRiderBody(p, t, QPointF(51, 40));
    drawHorse(p, t);
    drawRiderArm(p, suit, t);
}

namespace {

// ------------------------------------------------------------------ Re

void drawRobe(QPainter& p, const Tones& t) {
    QPainterPath robe;
    robe.moveTo(7, 118);
    robe.lineTo(9, 98);
    robe.cubicTo(10, 88, 20, 82, 32, 80);
    robe.lineTo(50, 80);
    robe.cubicTo(62, 82, 70, 88, 71, 98);
    robe.lineTo(72, 118);
    robe.closeSubpath();
    fill(p, robe, t.main);

    // The ermine cape over the shoulders, white with black tails and a
    // scalloped hem.
    QPainterPath cape;
    cape.moveTo(9, 100);
    cape.cubicTo(10, 88, 20, 82, 32, 79);
    cape.lineTo(50, 79);
    cape.cubicTo(62, 82, 70, 88, 71, 100);
    for (int i = 0; i < 6; ++i) {
        const qreal x = 71 - i * 10.3;
        cape.quadTo(x - 5.15, 96 - (i == 2 || i == 3 ? 2 : 0), x - 10.3, 100);
    }
    cape.closeSubpath();
    fill(p, cape, neutral::paper);
    for (const QPointF& tail : {QPointF(16, 91), QPointF(26, 87), QPointF(56, 87), QPointF(65, 92),
                                QPointF(22, 96), QPointF(60, 97), QPointF(33, 94), QPointF(49, 94)}) {
        fill(p, shape({tail + QPointF(0, -1.8), tail + QPointF(1.2, 1.2), tail + QPointF(-1.2, 1.2)}),
             neutral::ink);
    }
    // A gold chain with a pendant in the suit's colour.
    QPainterPath chain;
    chain.moveTo(30, 80);
    chain.quadTo(41, 104, 52, 80);
    QPainterPathStroker stroker;
    stroker.setWidth(1.6);
    fill(p, stroker.createStroke(chain), neutral::gold);
    fill(p, circle(QPointF(41, 92), 3.4), neutral::gold);
    fill(p, circle(QPointF(41, 92), 1.8), t.main);
}

void drawCrown(QPainter& p, const Tones& t, QPointF head) {
    QPainterPath crown;
    crown.moveTo(head + QPointF(-9.5, -7));
    crown.lineTo(head + QPointF(-10.5, -20));
    crown.lineTo(head + QPointF(-5.5, -14));
    crown.lineTo(head + QPointF(0, -22));
    crown.lineTo(head + QPointF(5.5, -14));
    crown.lineTo(head + QPointF(10.5, -20));
    crown.lineTo(head + QPointF(9.5, -7));
    crown.closeSubpath();
    fill(p, crown, neutral::gold);
    fill(p,
         shape({head + QPointF(-9.8, -11), head + QPointF(9.8, -11), head + QPointF(9.5, -7),
                head + QPointF(-9.5, -7)}),
         neutral::goldShade);
    for (qreal dx : {-5.0, 0.0, 5.0}) fill(p, circle(head + QPointF(dx, -9), 1.2), t.main);
    fill(p, circle(head + QPointF(-10.5, -20), 1.3), neutral::gold);
    fill(p, circle(head + QPointF(0, -22), 1.4), neutral::gold);
    fill(p, circle(head + QPointF(10.5, -20), 1.3), neutral::gold);
}

}  // namespace

void drawRe(QPainter& p, Suit suit) {
    const Tones t = tonesFor(suit);
    const QPointF head(41, 59);
    drawHalo(p, t, head + QPointF(0, -6), 23);
    drawRobe(p, t);

    // Grey hair to the shoulders, the face, the full beard.
    QPainterPath hair;
    hair.addRoundedRect(QRectF(head + QPointF(-11, -9), QSizeF(22, 22)), 6, 6);
    fill(p, hair, neutral::grey);
    fill(p, oval(head, 8.6, 10), neutral::skin);
    QPainterPath beard;
    beard.moveTo(head + QPointF(-9, 0));
    beard.cubicTo(head + QPointF(-9, 14), head + QPointF(-4, 20), head + QPointF(0, 23));
    beard.cubicTo(head + QPointF(4, 20), head + QPointF(9, 14), head + QPointF(9, 0));
    beard.quadTo(head + QPointF(7, 6), head + QPointF(3, 6));
    beard.quadTo(head + QPointF(0, 4.5), head + QPointF(-3, 6));
    beard.quadTo(head + QPointF(-7, 6), head + QPointF(-9, 0));
    beard.closeSubpath();
    fill(p, beard, neutral::grey);
    fill(p,
         beard.intersected(QPainterPath(shape(
             {head + QPointF(0, 4), head + QPointF(12, 4), head + QPointF(12, 30), head + QPointF(0, 30)}))),
         neutral::greyShade);
    fill(p, circle(head + QPointF(-3.4, -1), 1.05), neutral::ink);
    fill(p, circle(head + QPointF(3.4, -1), 1.05), neutral::ink);
    fill(p, oval(head + QPointF(0, 8.5), 1.6, 0.9), neutral::lips);
    drawCrown(p, t, head);

    // The near arm raised, holding the sign up on the left, an ermine cuff
    // at the wrist.
    const bool tall = isLong(suit);
    const QPointF hand = tall ? QPointF(15, 80) : QPointF(14, 70);
    fill(p, limb(QPolygonF({{17, 98}, {9, 89}, hand}), 7), t.dark);
    fill(p, limb(QPolygonF({hand + QPointF(-1.5, 5.5), hand + QPointF(-0.5, 3.5)}), 5), neutral::paper);
    drawHeldSign(p, suit, hand, heldHeight(suit, 46));
}

}  // namespace tavolora::art::moderne
