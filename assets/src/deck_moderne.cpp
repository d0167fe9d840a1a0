// The modern deck: a white card with rounded corners, one strong colour per
// suit, large corner numerals, flat geometric signs laid out on a tidy grid,
// court figures as flat portraits on a tinted panel, and a back of concentric
// diamonds around a four-colour emblem.
#include "deck_moderne_parts.h"
#include "decks.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tavolora::art::moderne {

namespace {

const QRectF kCard(0, 0, kCardWidth, kCardHeight);
// The area inside the white margin: the figures' panel and the back's field.
const QRectF kInner(4, 4, kCardWidth - 8, kCardHeight - 8);

// The corner index: a numeral `kNumeralHeight` tall whose top stands
// `kIndexInset` below the card's top, centred on `kIndexX`, and the suit
// sign under it. The bottom-right index mirrors it, upright.
constexpr qreal kIndexX = 11.5;
constexpr qreal kIndexInset = 5;
constexpr qreal kNumeralHeight = 16;
constexpr qreal kNumeralSqueeze = 0.74;
constexpr qreal kSignGap = 2.5;
// The white tabs the indices keep on the figures' panel: the tallest index
// (numeral and baton, 40 pixels from the card's edge) with paper to spare.
const QSizeF kTab(22, 42);

QImage blankCard(const QColor& corners = neutral::edge) {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(corners);
    return image;
}

// The white card with its corners rounded off against the dark edge.
void drawCardFace(QPainter& p) {
    QPainterPath face;
    face.addRoundedRect(kCard, 5.5, 5.5);
    fill(p, face, neutral::rim);
    QPainterPath paper;
    paper.addRoundedRect(kCard.adjusted(1, 1, -1, -1), 4.5, 4.5);
    fill(p, paper, neutral::paper);
}

qreal indexSignHeight(Suit suit) {
    switch (suit) {
        case Suit::Bastoni:
            return 16;
        case Suit::Spade:
            return 15;
        case Suit::Coppe:
            return 11;
        case Suit::Denari:
            return 10;
    }
    return 10;
}

// The glyphs of a numeral as a path whose ink is `kNumeralHeight` tall with
// its top at y = 0 and its ink centred on x = 0. The glyphs are drawn large,
// scaled down and squeezed, so that the numerals are condensed and every card
// has exactly the same numeral height.
QPainterPath numeralPath(int value) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(200);
    font.setBold(true);
    QPainterPath one;
    one.addText(0, 0, font, QStringLiteral("1"));
    const QRectF reference = one.boundingRect();
    const qreal scale = kNumeralHeight / reference.height();

    // Each digit on its own, so that "10" can be set tighter than the font does.
    QPainterPath numeral;
    qreal x = 0;
    const QString digits = QString::number(value);
    for (const QChar digit : digits) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(digit));
        const QRectF ink = glyph.boundingRect();
        numeral.addPath(QTransform::fromTranslate(x - ink.left(), 0).map(glyph));
        x += ink.width() + 0.11 * reference.height();
    }
    numeral = QTransform()
                  .scale(scale * kNumeralSqueeze * (digits.size() > 1 ? 0.9 : 1.0), scale)
                  .translate(0, -reference.top())
                  .map(numeral);
    const QRectF ink = numeral.boundingRect();
    return QTransform::fromTranslate(-ink.center().x(), 0).map(numeral);
}

void drawIndices(QPainter& p, Suit suit, int value) {
    const Tones tones = tonesFor(suit);
    const QColor ink = suit == Suit::Denari ? tones.dark : tones.main;
    const QPainterPath numeral = numeralPath(value);
    const qreal signHeight = indexSignHeight(suit);
    // A small upright baton would read as an exclamation mark; leaning, it
    // reads as a club.
    const qreal signAngle = suit == Suit::Bastoni ? 28 : 0;

    // Top left: numeral, then the sign under it.
    fill(p, QTransform::fromTranslate(kIndexX, kIndexInset).map(numeral), ink);
    drawSign(p, suit, QPointF(kIndexX, kIndexInset + kNumeralHeight + kSignGap + signHeight / 2), signHeight,
             signAngle, tones);

    // Bottom right: the sign, then the numeral under it; both stay upright
    // so that a 6 never reads as a 9.
    const qreal bottom = kCardHeight - kIndexInset;
    const qreal right = kCardWidth - kIndexX;
    fill(p, QTransform::fromTranslate(right, bottom - kNumeralHeight).map(numeral), ink);
    drawSign(p, suit, QPointF(right, bottom - kNumeralHeight - kSignGap - signHeight / 2), signHeight,
             signAngle, tones);
}

// ------------------------------------------------------------------ pips

// Pip columns and rows. The columns keep clear of the corner numerals; the
// rows span the card's height.
constexpr qreal kLeft = 27;
constexpr qreal kMid = 36;
constexpr qreal kRight = 45;
// Between the indices a row may spread wider.
constexpr qreal kWideStep = 18;
constexpr qreal kTop = 8;
constexpr qreal kBottom = 112;

qreal row(qreal fraction) {
    return kTop + (kBottom - kTop) * fraction;
}

struct Pip {
    QPointF centre;
    qreal height;
};

// Signs sit on a grid of two columns and a middle one; the middle row, clear
// of the corner indices, may hold three across. Long signs stand side by side
// when there are only two or three of them, and share the grid otherwise.
std::vector<Pip> pipLayout(Suit suit, int value) {
    const bool tall = isLong(suit);
    const qreal small = tall ? 30 : suit == Suit::Denari ? 16 : 18;
    const qreal medium = tall ? 38 : suit == Suit::Denari ? 17 : 20;
    const qreal big = tall ? 66 : suit == Suit::Denari ? 22 : 25;
    std::vector<Pip> pips;
    auto add = [&](qreal x, qreal fy, qreal h) { pips.push_back({QPointF(x, row(fy)), h}); };
    switch (value) {
        case 2:
            if (tall) {
                // Batons close enough together to keep clear of the corner
                // indices; swords far enough apart for their guards.
                const qreal apart = suit == Suit::Bastoni ? 10 : 12;
                add(kMid - apart, 0.5, big);
                add(kMid + apart, 0.5, big);
            } else {
                add(kMid, 0.2, big);
                add(kMid, 0.8, big);
            }
            break;
        case 3:
            if (tall) {
                // The middle one stands higher, so that its hilt clears the others'.
                // The outer batons' heads start below the top-left index; the
                // swords' guards stay above the bottom-right one.
                const qreal sides = suit == Suit::Bastoni ? 0.58 : 0.55;
                add(kMid - 14, sides, big - 10);
                add(kMid, 0.36, big - 10);
                add(kMid + 14, sides, big - 10);
            } else {
                for (qreal fy : {0.15, 0.5, 0.85}) add(kMid, fy, medium);
            }
            break;
        case 4:
        case 5:
            if (suit == Suit::Denari) {
                // Coins are as wide as they are tall: a little smaller, they
                // gather nearer the middle, clear of the corner indices.
                for (qreal fy : {0.3, 0.7}) {
                    add(kMid - 10, fy, medium - 1);
                    add(kMid + 10, fy, medium - 1);
                }
                if (value == 5) add(kMid, 0.5, medium - 1);
                break;
            }
            for (qreal fy : {0.2, 0.8}) {
                add(kLeft, fy, medium);
                add(kRight, fy, medium);
            }
            if (value == 5) add(kMid, 0.5, medium);
            break;
        case 6:
            for (qreal fy : {0.14, 0.5, 0.86}) {
                add(kLeft, fy, small);
                add(kRight, fy, small);
            }
            break;
        case 7:
            // The middle row has the card's whole width to itself.
            for (qreal fy : {0.14, 0.86}) {
                add(kLeft, fy, small);
                add(kRight, fy, small);
            }
            for (qreal x : {kMid - kWideStep, kMid, kMid + kWideStep}) add(x, 0.5, small);
            break;
        default:
            break;
    }
    return pips;
}

void drawPips(QPainter& p, Suit suit, int value) {
    for (const Pip& pip : pipLayout(suit, value)) drawSign(p, suit, pip.centre, pip.height);
}

// One large sign in white on a disc of the suit's colour, inside a thin ring;
// batons and swords lie across the disc. The disc leaves paper round the
// corner indices.
void drawAce(QPainter& p, Suit suit) {
    const Tones tones = tonesFor(suit);
    const QPointF centre = kCard.center();
    fill(p, circle(centre, 25.5), tones.main);
    fill(p, circle(centre, 24.3), neutral::paper);
    fill(p, circle(centre, 23), tones.main);
    // White sign, its details in the light tone and cut out in the suit's colour.
    const Tones reversed{neutral::paper, tones.light, tones.main, tones.pale};
    if (isLong(suit))
        drawSign(p, suit, centre, 48, 45, reversed);
    else
        drawSign(p, suit, centre, suit == Suit::Coppe ? 32 : 30, 0, reversed);
}

// ---------------------------------------------------------------- figures

// The tinted panel of a court card: the inner area less the white tabs the
// corner indices keep.
QPainterPath figurePanel() {
    QPainterPath panel;
    panel.addRoundedRect(kInner, 3, 3);
    QPainterPath tabs;
    tabs.addRoundedRect(QRectF(QPointF(-10, -10), QPointF(kTab.width(), kTab.height())), 4, 4);
    tabs.addRoundedRect(QRectF(QPointF(kCardWidth - kTab.width(), kCardHeight - kTab.height()),
                               QPointF(kCardWidth + 10, kCardHeight + 10)),
                        4, 4);
    return panel.subtracted(tabs);
}

void drawFigure(QPainter& p, Suit suit, int value) {
    const QPainterPath panel = figurePanel();
    fill(p, panel, tonesFor(suit).pale);
    p.save();
    p.setClipPath(panel);
    switch (value) {
        case kFante:
            drawFante(p, suit);
            break;
        case kCavallo:
            drawCavallo(p, suit);
            break;
        default:
            drawRe(p, suit);
            break;
    }
    p.restore();
}

// ------------------------------------------------------------------ backs

struct BackColours {
    QColor field;
    QColor band;
    QColor frame;
};

// Deep teal diamonds in a pale sea-green frame.
const BackColours kBackColours{{0x0f, 0x4c, 0x5a}, {0x16, 0x65, 0x74}, {0x7f, 0xc8, 0xc6}};

// Concentric diamonds in two tones, drawn from the outside in, inside a
// thin light frame, with the emblem in the middle.
void drawBackField(QPainter& p, const BackColours& colours) {
    QPainterPath field;
    field.addRoundedRect(kInner, 3, 3);
    fill(p, field, colours.field);

    const QPointF c = kCard.center();
    p.save();
    p.setClipPath(field);
    constexpr qreal kStepX = 4.2;
    constexpr qreal kStepY = 7.0;
    for (int k = 22; k >= 1; --k) {
        const qreal dx = k * kStepX;
        const qreal dy = k * kStepY;
        QPolygonF diamond({c + QPointF(0, -dy), c + QPointF(dx, 0), c + QPointF(0, dy), c + QPointF(-dx, 0)});
        QPainterPath path;
        path.addPolygon(diamond);
        path.closeSubpath();
        fill(p, path, k % 2 == 0 ? colours.band : colours.field);
    }
    p.restore();

    QPainterPath frame;
    frame.addRoundedRect(kInner.adjusted(2, 2, -2, -2), 2, 2);
    QPainterPath inside;
    inside.addRoundedRect(kInner.adjusted(3, 3, -3, -3), 1.5, 1.5);
    fill(p, frame.subtracted(inside), colours.frame);
}

// A white disc ringed in the frame's colour, holding four pointed petals, one
// in each suit's colour.
void drawEmblem(QPainter& p, const BackColours& colours) {
    const QPointF c = kCard.center();
    fill(p, circle(c, 14), colours.field);
    fill(p, circle(c, 13), colours.frame);
    fill(p, circle(c, 12), neutral::paper);
    const std::array<Suit, 4> suits{Suit::Coppe, Suit::Denari, Suit::Spade, Suit::Bastoni};
    for (int i = 0; i < 4; ++i) {
        QPainterPath petal;
        petal.moveTo(0, -1);
        petal.cubicTo(-4.2, -3.5, -4.2, -7, 0, -10.5);
        petal.cubicTo(4.2, -7, 4.2, -3.5, 0, -1);
        fill(p, QTransform().translate(c.x(), c.y()).rotate(45 + 90 * i).map(petal), tonesFor(suits[i]).main);
    }
    fill(p, circle(c, 1.6), colours.field);
}

}  // namespace

QImage renderFace(Suit suit, int value) {
    QImage image = blankCard();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawCardFace(p);
    if (value == 1)
        drawAce(p, suit);
    else if (value >= kFante)
        drawFigure(p, suit, value);
    else
        drawPips(p, suit, value);
    drawIndices(p, suit, value);
    return image;
}

QImage renderBack() {
    QImage image = blankCard(neutral::backCorner);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawCardFace(p);
    drawBackField(p, kBackColours);
    drawEmblem(p, kBackColours);
    return image;
}

}  // namespace tavolora::art::moderne
