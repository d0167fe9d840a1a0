// The larger pictures of the family (the credits' portrait, emblem and
// decorations, the window icon) and the small, pixel-exact ones of the card
// table (the title band buttons and the pointer over the cards).
#include "icons_kit.h"

#include "palette.h"
#include "suitsigns.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>

namespace tavolora::art::iconkit {

namespace {

const QColor kWhite{0xff, 0xff, 0xff};
const QColor kCream{0xfb, 0xf6, 0xe8};
const QColor kCardRed{0xb8, 0x2c, 0x26};
const QColor kBackBlue{0x2c, 0x56, 0xa0};
const QColor kLattice{0xe8, 0xc4, 0x64};

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPen pen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Cards drawn at picture size (decorations, window icon) ---------------------

// A card of the house deck: cream face, thin red frame, a suit sign in the
// middle. `edge` is the outline width in pixels.
void bigCardFace(QPainter& p, QPointF centre, QSizeF size, qreal degrees, Suit suit, qreal signSize,
                 qreal edge) {
    const qreal radius = size.width() * 0.09;
    const QPainterPath shape = cardShape(centre, size, degrees, radius);
    softShadow(p, shape, {0.8, 1.6}, 1, QColor(0, 0, 0, 110));
    p.fillPath(shape, kCream);
    p.strokePath(shape, pen(kInk, edge));
    const qreal inset = size.width() * 0.1;
    p.strokePath(cardShape(centre, size - QSizeF(2 * inset, 2 * inset), degrees, radius * 0.5),
                 pen(kCardRed, std::max(0.8, edge * 0.7)));
    if (signSize > 0) drawSuitSign(p, suit, centre, signSize, degrees);
}

void bigCardBack(QPainter& p, QPointF centre, QSizeF size, qreal degrees, qreal edge) {
    const qreal radius = size.width() * 0.09;
    const QPainterPath shape = cardShape(centre, size, degrees, radius);
    softShadow(p, shape, {0.8, 1.6}, 1, QColor(0, 0, 0, 110));
    p.fillPath(shape, kBackBlue);
    const qreal inset = size.width() * 0.09;
    p.save();
    p.setClipPath(cardShape(centre, size - QSizeF(2 * inset, 2 * inset), degrees, radius * 0.5));
    p.translate(centre);
    p.rotate(degrees);
    const qreal step = size.width() * 0.16;
    p.setPen(QPen(kLattice, std::max(0.7, edge * 0.55)));
    for (int i = -8; i <= 8; ++i) {
        const qreal x = i * step;
        p.drawLine(QPointF(x - size.height(), -size.height()), QPointF(x + size.height(), size.height()));
        p.drawLine(QPointF(x + size.height(), -size.height()), QPointF(x - size.height(), size.height()));
    }
    p.restore();
    p.strokePath(cardShape(centre, size - QSizeF(2 * inset, 2 * inset), degrees, radius * 0.5),
                 pen(kLattice, std::max(0.7, edge * 0.6)));
    p.strokePath(shape, pen(kInk, edge));
}

void coinWithShadow(QPainter& p, QPointF centre, qreal size) {
    softShadow(p, circle(centre, size / 2), {0.8, 1.6}, 1, QColor(0, 0, 0, 110));
    drawCoin(p, centre, size, 0);
}

// Credits ---------------------------------------------------------------------

// The maker: a friendly head and shoulders on a sky badge.
void creditiAutore(QPainter& p, QSize) {
    const QPainterPath frame = roundedRect({4.5, 3.5, 55, 56}, 13.3);
    shadedShape(p, frame, hue::sky, 1.5, false);
    const QColor skin(0xf6, 0xd0, 0xa8);
    const QColor skinEdge(0x8a, 0x58, 0x36);
    const QColor hair(0x5e, 0x3a, 0x1e);
    p.save();
    p.setClipPath(frame);
    // Shoulders in a green jumper with a white collar.
    QPainterPath jumper;
    jumper.moveTo(9, 66);
    jumper.cubicTo(10, 51, 20, 46, 32, 46);
    jumper.cubicTo(44, 46, 54, 51, 55, 66);
    jumper.closeSubpath();
    QLinearGradient wool(0, 46, 0, 62);
    wool.setColorAt(0, QColor(0x4c, 0xa0, 0x5a));
    wool.setColorAt(1, QColor(0x2a, 0x70, 0x3a));
    p.fillPath(jumper, wool);
    p.strokePath(jumper, pen(hue::green.edge, 1.3));
    const QPainterPath neck = roundedRect({27.5, 36, 9, 12}, 3);
    p.fillPath(neck, skin);
    p.strokePath(neck, pen(skinEdge, 1.1));
    QPainterPath collar;
    collar.moveTo(25, 46.5);
    collar.lineTo(32, 53);
    collar.lineTo(39, 46.5);
    p.strokePath(collar, pen(kWhite, 2.4));
    // Ears, face, hair.
    for (const qreal x : {21.0, 43.0}) {
        p.fillPath(ellipse({x, 29.5}, 2.6, 3.4), skin);
        p.strokePath(ellipse({x, 29.5}, 2.6, 3.4), pen(skinEdge, 1.1));
    }
    const QPainterPath face = ellipse({32, 28}, 11, 12.5);
    p.fillPath(face, skin);
    p.strokePath(face, pen(skinEdge, 1.2));
    QPainterPath locks;
    locks.moveTo(20.6, 29);
    locks.cubicTo(18.5, 17, 25, 12.5, 32.5, 12.8);
    locks.cubicTo(40.5, 13, 45.5, 18, 43.4, 29);
    locks.cubicTo(42.5, 24.5, 40.5, 21.5, 37.5, 20);
    locks.cubicTo(33, 23, 27, 23.5, 22.5, 22);
    locks.cubicTo(21.5, 24, 21, 26.5, 20.6, 29);
    locks.closeSubpath();
    p.fillPath(locks, hair);
    p.strokePath(locks, pen(QColor(0x38, 0x22, 0x10), 1.1));
    p.strokePath(ellipse({27.5, 15.5}, 3, 1.2), pen(QColor(0x8a, 0x5e, 0x36), 1.0));
    // Eyes, brows, cheeks, nose, smile.
    for (const qreal x : {27.6, 36.4}) {
        p.fillPath(ellipse({x, 29.2}, 1.35, 1.7), kInk);
        p.fillPath(circle({x + 0.45, 28.6}, 0.45), kWhite);
        QPainterPath brow;
        brow.moveTo(x - 2.2, 25.8);
        brow.quadTo(x, 24.6, x + 2.2, 25.6);
        p.strokePath(brow, pen(hair, 1.3));
        p.fillPath(ellipse({x + (x < 32 ? -2.2 : 2.2), 33.6}, 2.3, 1.5), QColor(0xf0, 0x80, 0x78, 110));
    }
    QPainterPath nose;
    nose.moveTo(32.4, 30);
    nose.quadTo(30.6, 33, 32.8, 33.2);
    p.strokePath(nose, pen(skinEdge, 1.0));
    QPainterPath smile;
    smile.moveTo(27.8, 35.4);
    smile.quadTo(32, 39.4, 36.2, 35.4);
    p.strokePath(smile, pen(QColor(0x7a, 0x30, 0x22), 1.4));
    p.restore();
    // The badge's sheen and edge over the portrait.
    p.save();
    p.setClipPath(frame);
    QLinearGradient sheen(0, 3.5, 0, 28);
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(ellipse({32, 6}, 36, 22), sheen);
    p.restore();
    p.strokePath(frame, pen(hue::sky.edge, 1.5));
}

// The publisher: an invented emblem, three card shapes fanned inside a laurel
// wreath and a beaded gold ring, on a dark round badge; the middle card bears a
// cup, a sign of the Italian deck the publisher's games are played with.
void creditiEditore(QPainter& p, QSize) {
    const QPointF c(32, 31.5);
    const QColor gold(0xf0, 0xc2, 0x52);
    shadedShape(p, circle(c, 28), hue::navy, 1.5);
    p.strokePath(circle(c, 24), pen(gold, 1.4));
    for (int i = 0; i < 16; ++i) p.fillPath(circle(polar(c, 26.2, i * 22.5 + 11.25), 0.85), gold);
    // The wreath: two branches rising from the bottom along a circle.
    const qreal wreath = 18.5;
    for (const int side : {-1, 1}) {
        QPainterPath stem;
        stem.moveTo(polar(c, wreath, 90 + side * 8));
        for (int k = 1; k <= 10; ++k) stem.lineTo(polar(c, wreath, 90 + side * (8 + k * 12.0)));
        p.strokePath(stem, pen(gold, 1.1));
        // Pairs of leaves along the stem, pointing the way it grows.
        for (int k = 0; k < 6; ++k) {
            const qreal a = 90 + side * (26 + k * 18.0);
            const qreal growth = a - side * 90;
            for (const int out : {-1, 1}) {
                QPainterPath leaf;
                leaf.addEllipse(QPointF(2.9, 0), 3.1, 1.4);
                QTransform t;
                const QPointF at = polar(c, wreath, a);
                t.translate(at.x(), at.y());
                t.rotate(growth - side * out * 38);
                p.fillPath(t.map(leaf), gold);
            }
        }
    }
    const QPointF pivot(32, 45.5);
    for (const qreal angle : {-24.0, 24.0, 0.0}) {
        const QPointF centre = pivot + QTransform().rotate(angle).map(QPointF(0, -15));
        const QPainterPath leaf = cardShape(centre, {12, 18}, angle, 2.4);
        QLinearGradient shade(centre + QPointF(-6, -9), centre + QPointF(6, 9));
        if (angle == 0) {
            shade.setColorAt(0, QColor(0xff, 0xfc, 0xf0));
            shade.setColorAt(1, QColor(0xee, 0xe2, 0xc6));
        } else {
            shade.setColorAt(0, QColor(0xff, 0xe0, 0x86));
            shade.setColorAt(1, QColor(0xd4, 0x96, 0x26));
        }
        softShadow(p, leaf, {0.5, 1}, 1, QColor(0, 0, 0, 140));
        p.fillPath(leaf, shade);
        p.strokePath(leaf, pen(hue::navy.edge, 1.1));
    }
    // A cup of the Italian deck on the middle card.
    drawSuitSign(p, Suit::Coppe, pivot + QPointF(0, -15), 13, 0);
}

// A fan of four cards, one of each suit, with a coin and a cup before it.
void creditiDecoro1(QPainter& p, QSize) {
    const QPointF pivot(60, 86);
    const std::array<Suit, 4> suits{Suit::Bastoni, Suit::Coppe, Suit::Denari, Suit::Spade};
    for (int i = 0; i < 4; ++i) {
        const qreal angle = -33 + i * 22.0;
        const QPointF centre = pivot + QTransform().rotate(angle).map(QPointF(0, -46));
        bigCardFace(p, centre, {28, 44}, angle, suits[static_cast<size_t>(i)], 22, 1.1);
    }
    coinWithShadow(p, {17, 62}, 24);
    softShadow(p, ellipse({103, 75}, 8, 1.8), {0, 0}, 1, QColor(0, 0, 0, 100));
    drawCup(p, {103, 61}, 28, 0);
}

// A few cards and coins scattered on the cloth.
void creditiDecoro2(QPainter& p, QSize) {
    bigCardBack(p, {31, 39}, {30, 48}, -24, 1.1);
    bigCardFace(p, {63, 40}, {30, 48}, 12, Suit::Coppe, 22, 1.1);
    bigCardFace(p, {92, 37}, {30, 48}, 34, Suit::Denari, 22, 1.1);
    coinWithShadow(p, {50, 66}, 20);
    coinWithShadow(p, {107, 66}, 16);
    coinWithShadow(p, {12, 67}, 15);
}

// Card table: buttons on the title bands -------------------------------------

// A small raised button face filling the 20 x 16 picture, edges on whole pixels.
void tableButton(QPainter& p, QSize size) {
    const QRectF face(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(0xff, 0xff, 0xff));
    shade.setColorAt(1, QColor(0xd2, 0xd8, 0xe0));
    const QPainterPath shape = roundedRect(face, 3);
    p.fillPath(shape, shade);
    p.strokePath(shape, QPen(QColor(0x56, 0x60, 0x6c), 1.0));
}

// Paints a glyph given as rows of characters: '#' full ink, '+' half ink.
void pixels(QPainter& p, const std::array<const char*, 16>& rows, const QColor& ink) {
    QColor half = ink;
    half.setAlpha(110);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; rows[static_cast<size_t>(y)][x] != '\0'; ++x) {
            const char c = rows[static_cast<size_t>(y)][x];
            if (c == '#') p.fillRect(QRect(x, y, 1, 1), ink);
            if (c == '+') p.fillRect(QRect(x, y, 1, 1), half);
        }
    }
}

const QColor kButtonInk{0x2a, 0x32, 0x3c};

void tavoloSposta(QPainter& p, QSize size) {
    tableButton(p, size);
    pixels(p,
           {
               "....................",
               "....................",
               ".........##.........",
               "........####........",
               ".......######.......",
               "....#....##....#....",
               "...##....##....##...",
               "..################..",
               "..################..",
               "...##....##....##...",
               "....#....##....#....",
               ".......######.......",
               "........####........",
               ".........##.........",
               "....................",
               "....................",
           },
           kButtonInk);
}

void tavoloChiudi(QPainter& p, QSize size) {
    tableButton(p, size);
    pixels(p,
           {
               "....................",
               "....................",
               "....................",
               "....................",
               "......##....##......",
               ".......##..##.......",
               "........####........",
               ".........##.........",
               "........####........",
               ".......##..##.......",
               "......##....##......",
               "....................",
               "....................",
               "....................",
               "....................",
               "....................",
           },
           QColor(0xa8, 0x22, 0x1c));
}

void tavoloApri(QPainter& p, QSize size) {
    tableButton(p, size);
    pixels(p,
           {
               "....................",
               "....................",
               "....................",
               "....................",
               ".....##.########....",
               ".....##.########....",
               "....................",
               ".....##.########....",
               ".....##.########....",
               "....................",
               ".....##.########....",
               ".....##.########....",
               "....................",
               "....................",
               "....................",
               "....................",
           },
           kButtonInk);
}

// The pointer over the human's cards: a white hand with the index finger up,
// its edges on pixel centres so that the outline stays one pixel wide.
void cursoreCarta(QPainter& p, QSize) {
    QPainterPath hand = roundedRect({9.5, 1.5, 6, 18}, 3);
    hand = hand.united(roundedRect({15.5, 10.5, 5, 10}, 2.5));
    hand = hand.united(roundedRect({20.5, 11.5, 4, 9}, 2));
    hand = hand.united(roundedRect({24.5, 13.5, 4, 8}, 2));
    hand = hand.united(roundedRect({8.5, 16.5, 20, 13}, 5));
    QPainterPath thumb;
    thumb.moveTo(10.5, 23);
    thumb.lineTo(5, 16.5);
    hand = hand.united(stroked(thumb, 5.5)).simplified();
    softShadow(p, hand, {1, 1.5}, 1, QColor(0, 0, 0, 100));
    QLinearGradient shade(0, 0, 32, 32);
    shade.setColorAt(0.3, kWhite);
    shade.setColorAt(1.0, QColor(0xe2, 0xe6, 0xec));
    p.fillPath(hand, shade);
    p.strokePath(hand, QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPen crease(QColor(0x2a, 0x22, 0x1e, 190), 1.0, Qt::SolidLine, Qt::FlatCap);
    p.setPen(crease);
    p.drawLine(QPointF(15.5, 12), QPointF(15.5, 17));
    p.drawLine(QPointF(20.5, 13), QPointF(20.5, 17));
    p.drawLine(QPointF(24.5, 15), QPointF(24.5, 18));
    p.setPen(Qt::NoPen);
}

// The window icon -------------------------------------------------------------

// A plain coin for the smallest pictures, where the deck's rosette would blur.
void plainCoin(QPainter& p, QPointF centre, qreal radius) {
    QLinearGradient shade(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    shade.setColorAt(0, QColor(0xff, 0xe0, 0x7a));
    shade.setColorAt(1, QColor(0xe0, 0x9c, 0x26));
    p.fillPath(circle(centre, radius), shade);
    p.strokePath(circle(centre, radius), QPen(QColor(0x7a, 0x4e, 0x08), 1));
    p.fillPath(circle(centre, radius * 0.36), kCardRed);
}

// Three cards of the house deck fanned, with a coin before them; the two
// smallest sizes keep two cards and a plain coin, drawn to the pixel grid.
void tavolora(QPainter& p, QSize size) {
    const int s = size.width();
    if (s <= 16) {
        const QPainterPath back = roundedRect({1.5, 1.5, 8, 11}, 1.5);
        p.fillPath(back, kBackBlue);
        p.strokePath(back, QPen(kInk, 1));
        p.fillRect(QRectF(3, 3, 5, 8), QColor(0x5a, 0x80, 0xc4));
        const QPainterPath face = roundedRect({5.5, 3.5, 8, 11}, 1.5);
        p.fillPath(face, kCream);
        p.strokePath(face, QPen(kInk, 1));
        p.strokePath(roundedRect({7.5, 5.5, 4, 7}, 0.5), QPen(kCardRed, 1));
        plainCoin(p, {11.5, 11.5}, 3.5);
        return;
    }
    if (s <= 32) {
        const QPainterPath back = cardShape({11.5, 14}, {13, 20}, -12, 2);
        softShadow(p, back, {0.5, 1}, 1, QColor(0, 0, 0, 110));
        p.fillPath(back, kBackBlue);
        p.strokePath(cardShape({11.5, 14}, {8.5, 15.5}, -12, 1), QPen(kLattice, 1));
        p.strokePath(back, QPen(kInk, 1));
        const QPainterPath face = cardShape({19.5, 15}, {13, 20}, 10, 2);
        softShadow(p, face, {0.5, 1}, 1, QColor(0, 0, 0, 110));
        p.fillPath(face, kCream);
        p.strokePath(cardShape({19.5, 15}, {8.5, 15.5}, 10, 1), QPen(kCardRed, 1));
        p.strokePath(face, QPen(kInk, 1));
        softShadow(p, circle({23.5, 24}, 6.5), {0.5, 1}, 1, QColor(0, 0, 0, 110));
        plainCoin(p, {23.5, 24}, 6.5);
        return;
    }
    p.scale(s / 128.0, s / 128.0);
    const qreal edge = std::max(1.0, s / 48.0) * 128.0 / s;
    bigCardBack(p, {36, 58}, {50, 82}, -22, edge);
    bigCardFace(p, {62, 50}, {50, 82}, -3, Suit::Coppe, 40, edge);
    bigCardFace(p, {90, 60}, {50, 82}, 16, Suit::Spade, 44, edge);
    const QPointF coin(92, 96);
    softShadow(p, circle(coin, 25), {1, 2}, 1, QColor(0, 0, 0, 110));
    drawCoin(p, coin, 50, 0);
}

const std::array kPictureIcons{
    Entry{storage::icons::kCreditiAutore.stem, creditiAutore},
    Entry{storage::icons::kCreditiEditore.stem, creditiEditore},
    Entry{storage::icons::kCreditiDecoro1.stem, creditiDecoro1},
    Entry{storage::icons::kCreditiDecoro2.stem, creditiDecoro2},
    Entry{storage::icons::kTavoloSposta.stem, tavoloSposta},
    Entry{storage::icons::kTavoloChiudi.stem, tavoloChiudi},
    Entry{storage::icons::kTavoloApri.stem, tavoloApri},
    Entry{storage::icons::kCursoreCarta.stem, cursoreCarta},
    Entry{storage::icons::kProgramma[0].stem, tavolora},
    Entry{storage::icons::kProgramma[1].stem, tavolora},
    Entry{storage::icons::kProgramma[2].stem, tavolora},
    Entry{storage::icons::kProgramma[3].stem, tavolora},
    Entry{storage::icons::kProgramma[4].stem, tavolora},
};

}  // namespace

std::span<const Entry> pictureIcons() {
    return kPictureIcons;
}

}  // namespace tavolora::art::iconkit
