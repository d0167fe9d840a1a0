// The southern deck: a white card with no corner numerals, bold flat signs
// gathered in bundles and rings, court figures on coloured arched grounds and a
// woven red back.
#include "decks.h"

#include "deck_meridione_figures.h"
#include "deck_meridione_signs.h"
#include "deck_meridione_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <vector>

namespace tavolora::art::meridione {

namespace {

const QRectF kCardRect(0, 0, kCardWidth, kCardHeight);
const QPointF kMiddle = kCardRect.center();

QImage blankCard(const QColor& fill) {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void drawCardEdge(QPainter& p, const QColor& edge = tint::edge) {
    p.setPen(QPen(edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kCardRect.adjusted(0.5, 0.5, -0.5, -0.5));
}

// ---------------------------------------------------------------- pips

struct Pip {
    QPointF centre;
    qreal size;
    qreal angle = 0;
    bool mirrored = false;
};

// A long sign turned by `angle`, placed so that the point `along` of its
// length below its middle (towards the grip) lands on `at`.
Pip longPip(QPointF at, qreal size, qreal angle, qreal along, bool mirrored) {
    const QPointF shift = QTransform().rotate(angle).map(QPointF(0, along * size));
    return {at - shift, size, angle, mirrored};
}

// Two long signs crossed like an X around `at`; the left one is mirrored so
// that curved blades bow away from each other. Cudgels cross nearer their
// grips so that their heavy heads stay apart.
void addCross(std::vector<Pip>& pips, Suit suit, QPointF at, qreal size, qreal spread) {
    const qreal along = suit == Suit::Bastoni ? 0.15 : 0;
    const QPointF crossing = at + QPointF(0, along * size * std::cos(spread * M_PI / 180));
    pips.push_back(longPip(crossing, size, -spread, along, true));
    pips.push_back(longPip(crossing, size, spread, along, false));
}

// One long sign lying across the card, head to the right.
void addAcross(std::vector<Pip>& pips, QPointF at, qreal size) {
    pips.push_back({at, size, 90, true});
}

// Three long signs standing side by side, apart, around `at`.
void addStanding(std::vector<Pip>& pips, QPointF at, qreal size, qreal apart) {
    for (const qreal dx : {-apart, 0.0, apart}) pips.push_back({at + QPointF(dx, 0), size});
}

// Batons and swords come in bundles: a saltire for two, then saltires stacked
// down the card, with one sign laid across between them when the count is odd;
// three cudgels are tied in a sheaf instead. On the 7 the middle three stand
// apart between two saltires, so that each bundle can be counted. Every sign
// keeps three pixels of paper from the edge and from the other bundles.
std::vector<Pip> longLayout(Suit suit, int value) {
    std::vector<Pip> pips;
    // A cudgel's leafy head reaches further from its middle than its grip, so
    // one laid across stands a little left of the middle, and stacked cudgels
    // are a little smaller than swords.
    const bool cudgels = suit == Suit::Bastoni;
    const QPointF across = cudgels ? QPointF(33, 60) : kMiddle;
    switch (value) {
        case 2:
            addCross(pips, suit, kMiddle, 80, 20);
            break;
        case 3:
            if (suit == Suit::Spade) {
                // A saltire with a third sword laid across its blades.
                addCross(pips, suit, QPointF(36, 66), 86, 24);
                addAcross(pips, QPointF(36, 54), 58);
            } else {
                for (const qreal angle : {-24.0, 0.0, 24.0})
                    pips.push_back(longPip(kMiddle, 84, angle, 0, angle < 0));
            }
            break;
        case 4:
            addCross(pips, suit, QPointF(36, 32), 56, 30);
            addCross(pips, suit, QPointF(36, 88), 56, 30);
            break;
        case 5:
            addCross(pips, suit, QPointF(36, 26), 42, 30);
            addCross(pips, suit, QPointF(36, 94), 42, 30);
            addAcross(pips, across, 46);
            break;
        case 6: {
            // A saltire of swords reaches lower than one of cudgels: it stands
            // a pixel higher.
            const qreal lift = cudgels ? 0 : 1;
            for (const qreal y : {22.0, 60.0, 98.0})
                addCross(pips, suit, QPointF(36, y - lift), cudgels ? 36 : 38, 30);
            break;
        }
        case 7:
            addCross(pips, suit, QPointF(36, 21), cudgels ? 34 : 36, 30);
            addStanding(pips, QPointF(36, 62), cudgels ? 32 : 34, 21);
            addCross(pips, suit, QPointF(36, 99), cudgels ? 34 : 36, 30);
            break;
        default:
            break;
    }
    return pips;
}

// Coins run on a diagonal for two and three, then form a lozenge, a quincunx, a
// ring of six, and the ring round a seventh.
std::vector<Pip> coinLayout(int value) {
    const auto at = [](std::initializer_list<QPointF> centres, qreal size) {
        std::vector<Pip> pips;
        for (const QPointF c : centres) pips.push_back({c, size});
        return pips;
    };
    switch (value) {
        case 2:
            return at({{23, 35}, {49, 85}}, 37);
        case 3:
            return at({{20, 27}, {36, 60}, {52, 93}}, 29);
        case 4:
            return at({{36, 27}, {19, 60}, {53, 60}, {36, 93}}, 26);
        case 5:
            return at({{20, 28}, {52, 28}, {36, 60}, {20, 92}, {52, 92}}, 25);
        case 6:
            return at({{36, 19}, {16, 40}, {56, 40}, {16, 80}, {56, 80}, {36, 101}}, 22);
        case 7:
            return at({{36, 19}, {16, 40}, {56, 40}, {36, 60}, {16, 80}, {56, 80}, {36, 101}}, 22);
        default:
            return {};
    }
}

// Goblets: a diagonal pair, a triangle, a lozenge, a quincunx, three rows of
// two, then two rows of three with the seventh standing between them.
std::vector<Pip> cupLayout(int value) {
    const auto at = [](std::initializer_list<QPointF> centres, qreal size) {
        std::vector<Pip> pips;
        for (const QPointF c : centres) pips.push_back({c, size});
        return pips;
    };
    switch (value) {
        case 2:
            return at({{23, 35}, {49, 85}}, 42);
        case 3: {
            std::vector<Pip> pips = at({{19, 86}, {53, 86}}, 34);
            pips.push_back({{36, 35}, 42});
            return pips;
        }
        case 4:
            return at({{36, 22}, {20, 60}, {52, 60}, {36, 98}}, 30);
        case 5:
            return at({{19, 25}, {53, 25}, {36, 60}, {19, 95}, {53, 95}}, 32);
        case 6:
            return at({{21, 25}, {51, 25}, {21, 60}, {51, 60}, {21, 95}, {51, 95}}, 30);
        case 7: {
            std::vector<Pip> pips =
                at({{13.5, 24}, {36, 24}, {58.5, 24}, {13.5, 96}, {36, 96}, {58.5, 96}}, 23);
            pips.push_back({kMiddle, 30});
            return pips;
        }
        default:
            return {};
    }
}

// The ribbon that ties the sheaf of three cudgels.
void drawTie(QPainter& p, QPointF at) {
    QPainterPath band;
    band.addRoundedRect(QRectF(at.x() - 11, at.y() - 3, 22, 6), 2, 2);
    QPainterPath tailL;
    tailL.moveTo(at + QPointF(-3, 2));
    tailL.cubicTo(at + QPointF(-8, 8), at + QPointF(-14, 6), at + QPointF(-16, 14));
    tailL.lineTo(at + QPointF(-11, 12));
    tailL.cubicTo(at + QPointF(-10, 9), at + QPointF(-5, 9), at + QPointF(1, 3));
    QPainterPath tailR =
        QTransform::fromTranslate(at.x(), at.y()).scale(-1, 1).translate(-at.x(), -at.y()).map(tailL);
    inked(p, tailL, tint::red);
    inked(p, tailR, tint::red);
    inked(p, band, tint::red);
    line(p, at + QPointF(-10, 0), at + QPointF(10, 0), tint::yellow, 1.2);
}

void drawPips(QPainter& p, Suit suit, int value) {
    std::vector<Pip> pips;
    switch (suit) {
        case Suit::Bastoni:
        case Suit::Spade:
            pips = longLayout(suit, value);
            break;
        case Suit::Coppe:
            pips = cupLayout(value);
            break;
        case Suit::Denari:
            pips = coinLayout(value);
            break;
    }
    for (const Pip& pip : pips) drawSign(p, suit, pip.centre, pip.size, pip.angle, pip.mirrored);
    if (suit == Suit::Bastoni && value == 3) drawTie(p, kMiddle);
}

// ---------------------------------------------------------------- aces

// A red bow tied round a long sign, its ends fluttering to both sides.
void drawBow(QPainter& p, QPointF at) {
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath tail;
        tail.moveTo(at + QPointF(side * 2, 2));
        tail.cubicTo(at + QPointF(side * 10, 12), at + QPointF(side * 20, 4), at + QPointF(side * 26, 16));
        tail.lineTo(at + QPointF(side * 20, 16));
        tail.cubicTo(at + QPointF(side * 16, 10), at + QPointF(side * 10, 16), at + QPointF(side * -1, 4));
        tail.closeSubpath();
        inked(p, tail, tint::red);
        QPainterPath loop;
        loop.moveTo(at);
        loop.cubicTo(at + QPointF(side * 6, -10), at + QPointF(side * 14, -6), at + QPointF(side * 12, 0));
        loop.cubicTo(at + QPointF(side * 11, 4), at + QPointF(side * 5, 3), at);
        inked(p, loop, tint::red);
    }
    inked(p, ellipsePath(at, 3.2, 3.5), tint::yellow);
}

// Sun rays round the great coin of the ace.
void drawSunburst(QPainter& p, QPointF at, qreal inner, qreal outer) {
    QPainterPath rays;
    const int n = 16;
    for (int i = 0; i < 2 * n; ++i) {
        const qreal a = i * M_PI / n - M_PI / 2;
        const qreal r = i % 2 == 0 ? outer : inner;
        const QPointF pt = at + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            rays.moveTo(pt);
        else
            rays.lineTo(pt);
    }
    rays.closeSubpath();
    inked(p, rays, tint::red);
}

// Three flowers rising out of the ace's goblet.
void drawBouquet(QPainter& p, QPointF base) {
    const struct {
        QPointF tip;
        QColor colour;
    } flowers[] = {{{-13, -20}, tint::blue}, {{13, -20}, tint::blue}, {{0, -27}, tint::red}};
    for (const auto& f : flowers) {
        QPainterPath stalk;
        stalk.moveTo(base);
        stalk.quadTo(base + QPointF(f.tip.x() * 0.2, f.tip.y() * 0.6), base + f.tip);
        p.setPen(outline(1.4, tint::darkGreen));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stalk);
    }
    for (const auto& f : flowers) {
        const QPointF c = base + f.tip;
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 2 * M_PI / 5 - M_PI / 2;
            inked(p, ellipsePath(c + QPointF(3.2 * std::cos(a), 3.2 * std::sin(a)), 2.6, 2.6), f.colour, 0.9);
        }
        inked(p, ellipsePath(c, 2, 2), tint::yellow, 0.9);
    }
}

void drawAce(QPainter& p, Suit suit) {
    switch (suit) {
        case Suit::Bastoni:
            drawCudgel(p, kMiddle + QPointF(0, 5), 96, -8);
            drawBow(p, kMiddle + QPointF(1, 18));
            break;
        case Suit::Coppe:
            drawBouquet(p, QPointF(36, 48));
            drawGoblet(p, QPointF(36, 72), 66);
            break;
        case Suit::Denari:
            drawSunburst(p, kMiddle, 26, 31);
            drawFlowerCoin(p, kMiddle, 54);
            break;
        case Suit::Spade:
            drawScimitar(p, kMiddle + QPointF(-4, 2), 100, 0);
            drawBow(p, QPointF(32, 92));
            break;
    }
}

// ---------------------------------------------------------------- backs

struct BackColours {
    QColor field;
    QColor band;
    QColor thread;
    QColor emblem;
};

// The weave: broad bands crossing at a regular pitch, darker where they
// overlap, with a fine thread between them.
void drawWeave(QPainter& p, const QRectF& area, const BackColours& c) {
    p.save();
    p.setClipRect(area);
    p.fillRect(area, c.field);
    // Whole pixels keep the bands sharp; the weave is centred on the card.
    const int pitch = 10;
    const int x0 = int(kMiddle.x()) - 2;
    const int y0 = int(kMiddle.y()) - 2;
    QColor band = c.band;
    band.setAlpha(140);
    for (int k = -8; k <= 8; ++k) {
        p.fillRect(QRect(x0 + k * pitch, int(area.top()), 4, int(area.height())), band);
        p.fillRect(QRect(int(area.left()), y0 + k * pitch, int(area.width()), 4), band);
    }
    for (int k = -8; k <= 8; ++k) {
        p.fillRect(QRect(x0 + k * pitch + 7, int(area.top()), 1, int(area.height())), c.thread);
        p.fillRect(QRect(int(area.left()), y0 + k * pitch + 7, int(area.width()), 1), c.thread);
    }
    p.restore();
}

void drawEmblem(QPainter& p, const BackColours& c) {
    // A lozenge carrying the deck's flower coin.
    const QPointF m = kMiddle;
    const auto lozenge = [&](qreal w, qreal h) {
        return polygonPath(
            QPolygonF({m + QPointF(0, -h), m + QPointF(w, 0), m + QPointF(0, h), m + QPointF(-w, 0)}));
    };
    inked(p, lozenge(23, 34), tint::yellow, 1.2);
    inked(p, lozenge(19, 28.5), c.emblem, 1.0);
    drawFlowerCoin(p, m, 22);
}

QImage drawBack(const BackColours& colours) {
    QImage image = blankCard(tint::face);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF field = kCardRect.adjusted(4, 4, -4, -4);
    drawWeave(p, field, colours);
    p.setPen(outline(1, tint::ink));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field.adjusted(0.5, 0.5, -0.5, -0.5));
    drawEmblem(p, colours);
    // A stack of backs shows each card's outer line only: a light one, so that its
    // side reads as the edges of cards.
    drawCardEdge(p, tint::backEdge);
    return image;
}

}  // namespace

QImage renderFace(Suit suit, int value) {
    QImage image = blankCard(tint::face);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (value) {
        case 1:
            drawAce(p, suit);
            break;
        case kFante:
            drawFante(p, suit);
            break;
        case kCavallo:
            drawCavallo(p, suit);
            break;
        case kRe:
            drawRe(p, suit);
            break;
        default:
            drawPips(p, suit, value);
            break;
    }
    drawCardEdge(p);
    return image;
}

QImage renderBack() {
    // Red bands woven on white with green threads, the emblem on white.
    return drawBack({tint::white, tint::red, tint::darkGreen, tint::white});
}

}  // namespace tavolora::art::meridione
