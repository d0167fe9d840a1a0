#include "cardfaces.h"

#include "figures.h"
#include "palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tavolora::art {

namespace {

const QRectF kCardRect(0, 0, kCardWidth, kCardHeight);
// Room left for the pips once the corner numerals have their place, with two
// pixels of paper between the numerals and the nearest pip.
const QRectF kPipArea(7, 17, 58, 86);

QImage blankCard() {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(colour::cardFace);
    return image;
}

void drawCardEdge(QPainter& p, const QColor& edge = colour::cardEdge) {
    p.setPen(QPen(edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kCardRect.adjusted(0.5, 0.5, -0.5, -0.5));
}

void drawFaceFrame(QPainter& p) {
    drawCardEdge(p);
    p.setPen(QPen(colour::frame, 1));
    p.drawRoundedRect(kCardRect.adjusted(3.5, 3.5, -3.5, -3.5), 5, 5);
}

QColor numeralColour(Suit suit) {
    switch (suit) {
        case Suit::Bastoni:
            return colour::darkBark;
        case Suit::Coppe:
            return colour::darkRed;
        case Suit::Denari:
            return colour::darkGold;
        case Suit::Spade:
            return colour::darkBlue;
    }
    return colour::ink;
}

// The value in the top-left and bottom-right corners.
void drawCornerNumerals(QPainter& p, Suit suit, int value) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, value == 10 ? -1 : 0);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.setPen(numeralColour(suit));
    // Both stay upright: a turned 6 would read as 9.
    const QString text = QString::number(value);
    p.drawText(QRectF(5, 5, 14, 11), Qt::AlignCenter, text);
    p.drawText(QRectF(kCardWidth - 19, kCardHeight - 16, 14, 11), Qt::AlignCenter, text);
}

struct Pip {
    QPointF centre;
    qreal angle;
};

// Pips per row, top to bottom, for values 2 to 7.
std::vector<int> pipRows(int value) {
    switch (value) {
        case 2:
            return {1, 1};
        case 3:
            return {1, 1, 1};
        case 4:
            return {2, 2};
        case 5:
            return {2, 1, 2};
        case 6:
            return {2, 2, 2};
        case 7:
            return {2, 3, 2};
        default:
            return {1};
    }
}

// Long signs lean towards the middle of the card so that neighbours cross
// like the batons and swords of the old decks; round signs stand upright.
std::vector<Pip> gridLayout(Suit suit, int value) {
    const std::vector<int> rows = pipRows(value);
    const qreal rowHeight = kPipArea.height() / rows.size();
    const qreal lean = isLongSign(suit) ? 28 : 0;
    std::vector<Pip> pips;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int n = rows[r];
        const qreal y = kPipArea.top() + rowHeight * (r + 0.5);
        for (int i = 0; i < n; ++i) {
            const qreal spread = n == 3 ? 0.36 : 0.25;
            const qreal fx = n == 1 ? 0.5 : 0.5 + spread * (2.0 * i / (n - 1) - 1.0);
            const qreal side = fx < 0.45 ? 1 : fx > 0.55 ? -1 : 0;
            pips.push_back({{kPipArea.left() + kPipArea.width() * fx, y}, lean * side});
        }
    }
    return pips;
}

// Two long signs cross in the middle of the card. With a third one standing
// between them, crossed swords are turned point down so that the three hilts
// stay apart.
std::vector<Pip> crossedLayout(Suit suit, int value) {
    const QPointF c = kPipArea.center();
    const qreal spread = value == 3 ? 34 : 26;
    const qreal turn = value == 3 && suit == Suit::Spade ? 180 : 0;
    std::vector<Pip> pips{{c, turn - spread}, {c, turn + spread}};
    if (value == 3) pips.insert(pips.begin() + 1, {c, 0});
    return pips;
}

qreal pipSize(Suit suit, int value) {
    if (isLongSign(suit) && value <= 3) return value == 3 ? 80 : 82;
    const std::vector<int> rows = pipRows(value);
    const int columns = *std::max_element(rows.begin(), rows.end());
    // A lone column still keeps its signs narrower than the card.
    const qreal cellW = kPipArea.width() * (columns == 1 ? 0.6 : 1.0 / columns);
    const qreal cellH = kPipArea.height() / rows.size();
    switch (suit) {
        case Suit::Denari:
            return std::min(cellW, cellH) * 0.86;
        case Suit::Coppe:
            return std::min(cellH * 0.86, cellW * 1.1);
        case Suit::Bastoni:
        case Suit::Spade:
            return std::min(cellH * 1.08, cellW * 1.6);
    }
    return cellW;
}

std::vector<Pip> pipLayout(Suit suit, int value) {
    return isLongSign(suit) && value <= 3 ? crossedLayout(suit, value) : gridLayout(suit, value);
}

void drawPips(QPainter& p, Suit suit, int value) {
    const qreal size = pipSize(suit, value);
    for (const Pip& pip : pipLayout(suit, value)) drawSuitSign(p, suit, pip.centre, size, pip.angle);
}

// One large sign framed by two leafy sprigs.
void drawAce(QPainter& p, Suit suit) {
    const QPointF centre = kPipArea.center();
    drawSprig(p, centre + QPointF(-3, 34), 16, 165);
    drawSprig(p, centre + QPointF(3, 34), 16, 15);
    const qreal size = isLongSign(suit) ? 86 : suit == Suit::Coppe ? 56 : 50;
    drawSuitSign(p, suit, centre + QPointF(0, -4), size, 0);
}

// A gold lattice on a blue field with a red dot in every diamond, and a medallion
// holding a red star.
void drawBackPattern(QPainter& p) {
    const QRectF field = kCardRect.adjusted(5, 5, -5, -5);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::backField);
    p.drawPath(fieldPath);

    // Gold lattice centred on the card, with a red dot in every diamond.
    const QPointF c = kCardRect.center();
    const qreal half = 4.5;
    p.save();
    p.setClipPath(fieldPath);
    p.setPen(QPen(colour::backLattice, 0.8));
    for (int k = -40; k <= 40; k += 2) {
        const QPointF through = c + QPointF(k * half, 0);
        p.drawLine(through + QPointF(-kCardHeight, -kCardHeight),
                   through + QPointF(kCardHeight, kCardHeight));
        p.drawLine(through + QPointF(-kCardHeight, kCardHeight),
                   through + QPointF(kCardHeight, -kCardHeight));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour::red);
    for (int b = -14; b <= 14; ++b) {
        for (int a = -9; a <= 9; ++a) {
            if ((a + b) % 2 != 0) p.drawEllipse(c + QPointF(a * half, b * half), 1.0, 1.0);
        }
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::backLattice, 1));
    p.drawRoundedRect(field.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);

    // Central medallion with an eight-pointed star.
    p.setPen(QPen(colour::backLattice, 2));
    p.setBrush(colour::cardFace);
    p.drawEllipse(c, 17, 24);
    p.setPen(QPen(colour::darkRed, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 14, 21);
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8 - M_PI / 2;
        const qreal r = (i % 2 == 0) ? 1.0 : 0.42;
        const QPointF pt = c + QPointF(11 * r * std::cos(a), 17 * r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(colour::darkRed, 0.8));
    p.setBrush(colour::red);
    p.drawPath(star);
    p.setBrush(colour::gold);
    p.drawEllipse(c, 3.5, 3.5);
}

}  // namespace

QImage renderFace(Suit suit, int value) {
    QImage image = blankCard();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawFaceFrame(p);
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
    drawCornerNumerals(p, suit, value);
    return image;
}

QImage renderBack() {
    QImage image = blankCard();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackPattern(p);
    // The deck and the piles show a stack of backs a pixel apart, each its outer
    // line only: a light margin and a soft edge make the stack's side read as the
    // edges of cards, where a dark line would make it a black slab.
    drawCardEdge(p, colour::backEdge);
    return image;
}

QImage laidOnSide(const QImage& upright) {
    return upright.transformed(QTransform().rotate(90));
}

}  // namespace tavolora::art
