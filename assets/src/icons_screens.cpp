// The 48 x 48 icons of the screens' icon bars and the highlight under them: a
// rounded badge per icon with a white glyph, or a coloured object outlined in
// the badge's edge colour.
#include "icons_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace tavolora::art::iconkit {

namespace {

const QPointF kMid = kBadgeRect.center();
const QColor kWhite{0xff, 0xff, 0xff};
const QColor kCream{0xfb, 0xf6, 0xe8};
const QColor kCardRed{0xb8, 0x2c, 0x26};
const QColor kCoinGold{0xf0, 0xb8, 0x3a};

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath line(QPointF from, QPointF to) {
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

// A small gold coin pip, as on the cards of the deck.
void coinPip(QPainter& p, QPointF centre, qreal radius, const QColor& edge) {
    p.fillPath(circle(centre, radius), kCoinGold);
    p.strokePath(circle(centre, radius), QPen(edge, 0.9));
    p.fillPath(circle(centre, radius * 0.4), kCardRed);
}

// A cream card face with the deck's thin red frame inside its edge.
void cardFace(QPainter& p, QPointF centre, QSizeF size, qreal degrees, const QColor& edge) {
    object(p, cardShape(centre, size, degrees, 2.5), kCream, edge);
    const QSizeF inner = size - QSizeF(5, 5);
    QPen frame(kCardRed, 0.8);
    p.strokePath(cardShape(centre, inner, degrees, 1.2), frame);
}

// A card's back: blue with a fine lattice inside a gold frame, as the deck's
// backs; the lattice is kept faint so that it does not turn to noise at this size.
void cardBack(QPainter& p, QPointF centre, QSizeF size, qreal degrees, const QColor& edge) {
    const QPainterPath shape = cardShape(centre, size, degrees, 2.5);
    object(p, shape, QColor(0x2c, 0x56, 0xa0), edge);
    const QPainterPath inner = cardShape(centre, size - QSizeF(4.5, 4.5), degrees, 1.2);
    p.save();
    p.setClipPath(inner);
    p.translate(centre);
    p.rotate(degrees);
    p.setPen(QPen(QColor(0x6c, 0x96, 0xd8), 0.8));
    for (int i = -6; i <= 6; ++i) {
        p.drawLine(QPointF(i * 4.0 - 20, -20), QPointF(i * 4.0 + 20, 20));
        p.drawLine(QPointF(i * 4.0 + 20, -20), QPointF(i * 4.0 - 20, 20));
    }
    p.restore();
    p.strokePath(inner, QPen(QColor(0xe8, 0xc4, 0x64), 0.9));
}

// Main menu ---------------------------------------------------------------------

void nuovaPartita(QPainter& p, QSize) {
    badge(p, hue::green);
    cardBack(p, {18.5, 23.5}, {17, 24}, -16, hue::green.edge);
    const QPointF front(28.5, 24.5);
    cardFace(p, front, {17, 24}, 10, hue::green.edge);
    const QPainterPath play = turned(
        rounded(polygon({front + QPointF(-3.2, -5.8), front + QPointF(-3.2, 5.8), front + QPointF(6, 0)}),
                0.8),
        front, 10);
    p.fillPath(play, kCardRed);
}

void utenti(QPainter& p, QSize) {
    badge(p, hue::blue);
    const QPainterPath front = personShape({19.5, 18}, 1.0);
    const QPainterPath back = personShape({30.5, 15.5}, 0.85).subtracted(rounded(front, 2.0));
    glyph(p, back, QColor(0xd6, 0xe6, 0xfa));
    glyph(p, front);
}

void opzioni(QPainter& p, QSize) {
    badge(p, hue::slate);
    QPainterPath gear = circle(kMid, 10.5);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * 45.0 + 22.5;
        gear = gear.united(polygon({polar(kMid, 9.5, a - 15), polar(kMid, 14.2, a - 9),
                                    polar(kMid, 14.2, a + 9), polar(kMid, 9.5, a + 15)}));
    }
    gear = rounded(gear, 0.6).subtracted(circle(kMid, 4.6));
    glyph(p, gear);
}

void guida(QPainter& p, QSize) {
    badge(p, hue::purple);
    // An open book: two pages curving away from the spine, with lines of text.
    QPainterPath left;
    left.moveTo(23, 16.5);
    left.cubicTo(19.5, 13.5, 14, 13, 10, 14);
    left.lineTo(10, 33.5);
    left.cubicTo(14, 32.5, 19.5, 33, 23, 36);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(25, 16.5);
    right.cubicTo(28.5, 13.5, 34, 13, 38, 14);
    right.lineTo(38, 33.5);
    right.cubicTo(34, 32.5, 28.5, 33, 25, 36);
    right.closeSubpath();
    QPainterPath pages = rounded(left, kGlyphRound).united(rounded(right, kGlyphRound));
    glyph(p, pages);
    QPen text(hue::purple.bottom, 1.5, Qt::SolidLine, Qt::RoundCap);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 19.5 + i * 4.5;
        QPainterPath l;
        l.moveTo(13, y);
        l.quadTo(17, y - 1.0, 20.5, y + 0.6);
        QPainterPath r;
        r.moveTo(27.5, y + 0.6);
        r.quadTo(31, y - 1.0, 35, y);
        p.strokePath(l, text);
        p.strokePath(r, text);
    }
}

void crediti(QPainter& p, QSize) {
    badge(p, hue::amber);
    QPolygonF star;
    const QPointF c = kMid + QPointF(0, 1.2);
    for (int i = 0; i < 10; ++i) star << polar(c, i % 2 == 0 ? 14.0 : 6.0, -90 + i * 36.0);
    QPainterPath path;
    path.addPolygon(star);
    path.closeSubpath();
    glyph(p, rounded(path, 1.2));
}

void esci(QPainter& p, QSize) {
    badge(p, hue::red);
    // A doorway open on the right, and an arrow leaving through it.
    QPainterPath frame;
    frame.moveTo(26, 13);
    frame.lineTo(13.5, 13);
    frame.lineTo(13.5, 34);
    frame.lineTo(26, 34);
    QPainterPath arrow;
    arrow.moveTo(20, 23.5);
    arrow.lineTo(35, 23.5);
    arrow.moveTo(29.5, 18);
    arrow.lineTo(35.5, 23.5);
    arrow.lineTo(29.5, 29);
    glyph(p, stroked(frame, 4.0).united(stroked(arrow, kStroke)));
}

// A fat green arrow pointing right; mirrored for the one pointing left.
void arrow(QPainter& p, bool right) {
    QPainterPath shape = polygon({{7.5, 18}, {23, 18}, {23, 9}, {41, 23.5}, {23, 38}, {23, 29}, {7.5, 29}});
    shape = rounded(shape, 1.5);
    if (!right) shape = QTransform(-1, 0, 0, 1, 48, 0).map(shape);
    shadedShape(p, shape, hue::green);
}

void frecciaIndietro(QPainter& p, QSize) {
    arrow(p, false);
}

void frecciaAvanti(QPainter& p, QSize) {
    arrow(p, true);
}

// The glow under the hovered icon: warm, brightest at the rim, clear enough in
// the middle for a badge's shadow to read over it.
void evidenziatore(QPainter& p, QSize size) {
    const QRectF area(0, 0, size.width(), size.height());
    const QPainterPath outer = roundedRect(area.adjusted(1.5, 1.5, -1.5, -1.5), 12);
    softShadow(p, outer, {0, 0}, 1, QColor(0xff, 0xc8, 0x4a, 200));
    QRadialGradient glow(area.center(), area.width() * 0.62);
    glow.setColorAt(0.0, QColor(0xff, 0xfa, 0xe6, 150));
    glow.setColorAt(0.6, QColor(0xff, 0xea, 0xaa, 170));
    glow.setColorAt(1.0, QColor(0xff, 0xd0, 0x60, 220));
    p.fillPath(outer, glow);
    p.strokePath(roundedRect(area.adjusted(2.5, 2.5, -2.5, -2.5), 11),
                 QPen(QColor(0xff, 0xff, 0xff, 150), 1.2));
    p.strokePath(outer, QPen(QColor(0xd8, 0x96, 0x1c, 210), 1.0));
}

// Shared ---------------------------------------------------------------------

void chiudi(QPainter& p, QSize) {
    roundBadge(p, hue::red);
    glyph(p, crossShape(kMid, 7.5, kStroke));
}

void gioca(QPainter& p, QSize) {
    roundBadge(p, hue::green);
    glyph(p, rounded(polygon({{19, 14.5}, {19, 32.5}, {33.5, 23.5}}), 1.8));
}

// Users -----------------------------------------------------------------------

const QPointF kCorner{35.5, 35};
constexpr qreal kCornerRadius = 8.0;

void utenteCancella(QPainter& p, QSize) {
    badge(p, hue::blue);
    glyph(p, personShape({20.5, 16}, 1.05));
    cornerBadge(p, hue::red, kCorner, kCornerRadius);
    glyph(p, stroked(line(kCorner + QPointF(-4, 0), kCorner + QPointF(4, 0)), 3.0));
}

void utenteNuovo(QPainter& p, QSize) {
    badge(p, hue::blue);
    glyph(p, personShape({20.5, 16}, 1.05));
    cornerBadge(p, hue::green, kCorner, kCornerRadius);
    glyph(p, plusShape(kCorner, 4.0, 3.0));
}

void utenteCrea(QPainter& p, QSize) {
    badge(p, hue::teal);
    glyph(p, personShape({20.5, 16}, 1.05));
    cornerBadge(p, hue::green, kCorner, kCornerRadius);
    glyph(p, checkShape(kCorner + QPointF(0.2, 0.3), 10, 2.8));
}

// Options ---------------------------------------------------------------------

void opzioniMazzo(QPainter& p, QSize) {
    badge(p, hue::wine);
    cardBack(p, {17.5, 24}, {16, 23}, -12, hue::wine.edge);
    cardBack(p, {23, 23}, {16, 23}, -2, hue::wine.edge);
    const QPointF front(29.5, 24);
    cardFace(p, front, {16, 23}, 9, hue::wine.edge);
    coinPip(p, front, 4.2, hue::wine.edge);
}

void opzioniAnimazioni(QPainter& p, QSize) {
    badge(p, hue::teal);
    QPainterPath lines;
    lines.addPath(line({10.5, 17}, {17, 17}));
    lines.addPath(line({7.5, 23.5}, {17, 23.5}));
    lines.addPath(line({10.5, 30}, {17, 30}));
    glyph(p, stroked(lines, 2.6));
    const QPointF card(29, 23.5);
    cardFace(p, card, {16, 23}, 14, hue::teal.edge);
    coinPip(p, card, 4.0, hue::teal.edge);
}

void opzioniDifficolta(QPainter& p, QSize) {
    badge(p, hue::purple);
    QPainterPath bars;
    bars.addPath(roundedRect({12, 27, 6.5, 8.5}, 1.5));
    bars.addPath(roundedRect({20.75, 20.5, 6.5, 15}, 1.5));
    bars.addPath(roundedRect({29.5, 13, 6.5, 22.5}, 1.5));
    glyph(p, bars);
}

void opzioniSfondo(QPainter& p, QSize) {
    badge(p, hue::blue);
    const QRectF frame(10, 12.5, 28, 22.5);
    const QPainterPath outer = roundedRect(frame, 2.5);
    const QPainterPath inner = roundedRect(frame.adjusted(2.5, 2.5, -2.5, -2.5), 1);
    glyph(p, outer);
    p.save();
    p.setClipPath(inner);
    QLinearGradient sky(0, frame.top(), 0, frame.bottom());
    sky.setColorAt(0, QColor(0x9c, 0xd4, 0xfa));
    sky.setColorAt(1, QColor(0xde, 0xf2, 0xfe));
    p.fillPath(inner, sky);
    p.fillPath(circle({30.5, 19}, 2.8), QColor(0xff, 0xc8, 0x30));
    QPainterPath far;
    far.moveTo(8, 36);
    far.lineTo(8, 27);
    far.cubicTo(14, 19.5, 19, 21, 25, 27);
    far.cubicTo(28, 25, 33, 24, 40, 28);
    far.lineTo(40, 36);
    far.closeSubpath();
    p.fillPath(far, QColor(0x6c, 0xb8, 0x4c));
    QPainterPath near;
    near.moveTo(8, 36);
    near.lineTo(8, 31.5);
    near.cubicTo(16, 28, 26, 28.5, 40, 32);
    near.lineTo(40, 36);
    near.closeSubpath();
    p.fillPath(near, QColor(0x2f, 0x84, 0x36));
    p.restore();
    p.strokePath(inner, QPen(hue::blue.edge, 0.8));
}

void opzioniRegole(QPainter& p, QSize) {
    badge(p, hue::brown);
    // A scroll: the sheet between two rolls, with lines of rules.
    const QPainterPath sheet = roundedRect({14, 12, 20, 24}, 1);
    object(p, sheet, kCream, hue::brown.edge);
    QPen text(QColor(0x6a, 0x46, 0x24), 1.5, Qt::SolidLine, Qt::RoundCap);
    const std::array<qreal, 4> ends{30.5, 28, 30.5, 26};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 18 + i * 4.2;
        p.fillPath(circle({18.2, y}, 1.1), kCardRed);
        p.strokePath(line({21.2, y}, {ends[static_cast<size_t>(i)], y}), text);
    }
    for (const qreal y : {12.0, 36.0}) {
        const QRectF roll(11, y - 2.8, 26, 5.6);
        QLinearGradient shade(0, roll.top(), 0, roll.bottom());
        shade.setColorAt(0, QColor(0xff, 0xf8, 0xe4));
        shade.setColorAt(1, QColor(0xd8, 0xc2, 0x92));
        object(p, roundedRect(roll, 2.8), shade, hue::brown.edge);
    }
}

void salva(QPainter& p, QSize) {
    badge(p, hue::orange);
    // A floppy disk: the body with a clipped corner, the shutter and the label.
    QPainterPath body = rounded(polygon({{13, 12.5}, {31, 12.5}, {35, 16.5}, {35, 34.5}, {13, 34.5}}), 1.2);
    body = body.subtracted(roundedRect({17.5, 11, 12, 8}, 1));
    body.addPath(roundedRect({25, 13.5, 2.8, 4}, 0.5));
    body = body.subtracted(roundedRect({17, 24, 14, 9}, 1.2));
    glyph(p, body);
    QPen text(QColor(0xff, 0xff, 0xff, 200), 1.3, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(line({19.5, 27.5}, {28.5, 27.5}), text);
    p.strokePath(line({19.5, 30.5}, {26, 30.5}), text);
}

void salvato(QPainter& p, QSize) {
    badge(p, hue::green);
    glyph(p, checkShape(kMid + QPointF(0, 0.5), 24, 5.0));
}

void pannelloChiudi(QPainter& p, QSize) {
    badge(p, hue::grey);
    const QPainterPath cross = crossShape(kMid, 7.5, 5.5);
    shadedShape(p, cross, hue::red, 1.0, false);
}

// Credits ---------------------------------------------------------------------

void creditiEmail(QPainter& p, QSize) {
    badge(p, hue::blue);
    const QRectF env(9.5, 14, 29, 20);
    glyph(p, roundedRect(env, 2));
    QPen fold(hue::blue.bottom, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPainterPath flap;
    flap.moveTo(11.5, 16);
    flap.lineTo(24, 25.5);
    flap.lineTo(36.5, 16);
    p.strokePath(flap, fold);
    QPen seam(hue::blue.bottom, 1.1, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(line({11.5, 32}, {20, 24.5}), seam);
    p.strokePath(line({36.5, 32}, {28, 24.5}), seam);
}

void creditiSito(QPainter& p, QSize) {
    badge(p, hue::teal);
    const qreal r = 13.5;
    glyph(p, circle(kMid, r));
    QPen grid(hue::teal.bottom, 1.4);
    p.save();
    p.setClipPath(circle(kMid, r));
    p.setBrush(Qt::NoBrush);
    p.setPen(grid);
    p.drawEllipse(kMid, r * 0.45, r);
    p.drawLine(kMid + QPointF(0, -r), kMid + QPointF(0, r));
    p.drawLine(kMid + QPointF(-r, 0), kMid + QPointF(r, 0));
    for (const qreal dy : {-r * 0.52, r * 0.52}) {
        const qreal half = std::sqrt(r * r - dy * dy);
        QPainterPath parallel;
        parallel.moveTo(kMid + QPointF(-half, dy));
        parallel.quadTo(kMid + QPointF(0, dy + (dy < 0 ? 2.0 : -2.0)), kMid + QPointF(half, dy));
        p.drawPath(parallel);
    }
    p.restore();
    p.strokePath(circle(kMid, r), QPen(hue::teal.bottom, 1.2));
}

const std::array kScreenIcons{
    Entry{storage::icons::kNuovaPartita.stem, nuovaPartita},
    Entry{storage::icons::kUtenti.stem, utenti},
    Entry{storage::icons::kOpzioni.stem, opzioni},
    Entry{storage::icons::kGuida.stem, guida},
    Entry{storage::icons::kCrediti.stem, crediti},
    Entry{storage::icons::kEsci.stem, esci},
    Entry{storage::icons::kFrecciaIndietro.stem, frecciaIndietro},
    Entry{storage::icons::kFrecciaAvanti.stem, frecciaAvanti},
    Entry{storage::icons::kEvidenziatore.stem, evidenziatore},
    Entry{storage::icons::kChiudi.stem, chiudi},
    Entry{storage::icons::kGioca.stem, gioca},
    Entry{storage::icons::kUtenteCancella.stem, utenteCancella},
    Entry{storage::icons::kUtenteNuovo.stem, utenteNuovo},
    Entry{storage::icons::kUtenteCrea.stem, utenteCrea},
    Entry{storage::icons::kOpzioniMazzo.stem, opzioniMazzo},
    Entry{storage::icons::kOpzioniAnimazioni.stem, opzioniAnimazioni},
    Entry{storage::icons::kOpzioniDifficolta.stem, opzioniDifficolta},
    Entry{storage::icons::kOpzioniSfondo.stem, opzioniSfondo},
    Entry{storage::icons::kOpzioniRegole.stem, opzioniRegole},
    Entry{storage::icons::kSalva.stem, salva},
    Entry{storage::icons::kSalvato.stem, salvato},
    Entry{storage::icons::kPannelloChiudi.stem, pannelloChiudi},
    Entry{storage::icons::kCreditiEmail.stem, creditiEmail},
    Entry{storage::icons::kCreditiSito.stem, creditiSito},
};

}  // namespace

std::span<const Entry> screenIcons() {
    return kScreenIcons;
}

}  // namespace tavolora::art::iconkit
