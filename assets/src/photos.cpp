// The users' pictures: ten friendly portraits, each a different subject on a
// ground of its own colour, so that they tell apart at a glance.
//
// Each is drawn at four times its size in a 100-unit square, with
// antialiasing, and scaled down smoothly; shapes are bold and outlined in a
// darker shade of their own colour so that they still read at 49 pixels.
#include "photos.h"

#include "photos_draw.h"

namespace tavolora::art {

namespace photo {
namespace {

// --- Animals -------------------------------------------------------------

QImage gatto() {
    return portrait(QColor(0xf2, 0xc1, 0x4e), [](QPainter& p) {
        const QColor fur(0x8e, 0x94, 0x9d);
        const QColor stripe(0x5c, 0x61, 0x6a);
        const QColor white(0xf6, 0xf3, 0xec);
        const QColor pink(0xf0, 0xa0, 0xae);
        // Shoulders and a white chest.
        shape(p, oval(50, 114, 36, 30), fur);
        fill(p, oval(50, 106, 13, 16), white);
        // Ears, behind the head.
        const QPainterPath ear = polygon({{19, 52}, {23, 12}, {47, 32}});
        shapePair(p, ear, fur);
        fillPair(p, polygon({{25, 44}, {27, 21}, {40, 33}}), pink);
        // The head, with tabby stripes on the forehead.
        const QPainterPath head = oval(50, 58, 32, 26);
        shape(p, head, fur);
        withClip(p, head, [&] {
            stroke(p, {{50, 31}, {50, 42}}, stripe, 3.2);
            stroke(p, {{42, 33}, {43.5, 41}}, stripe, 2.8);
            stroke(p, {{58, 33}, {56.5, 41}}, stripe, 2.8);
            stroke(p, {{18, 56}, {26, 57}}, stripe, 2.6);
            stroke(p, {{82, 56}, {74, 57}}, stripe, 2.6);
        });
        // Green eyes with slit pupils.
        for (const qreal x : {38.0, 62.0}) {
            shape(p, oval(x, 54, 6.5, 7), QColor(0xa4, 0xd0, 0x58));
            fill(p, oval(x, 54.5, 2.0, 5.2), QColor(0x1c, 0x1e, 0x22));
            fill(p, circle(x + 1.8, 51.5, 1.5), Qt::white);
        }
        // Muzzle, nose and whiskers.
        fill(p, oval(44.5, 68, 7.5, 6), white);
        fill(p, oval(55.5, 68, 7.5, 6), white);
        shape(p, polygon({{46, 62.5}, {54, 62.5}, {50, 67}}), QColor(0xe8, 0x82, 0x95));
        stroke(p, {{50, 67}, {50, 69.5}}, stripe, 1.4);
        const QColor whisker(0x4a, 0x4e, 0x55);
        for (const int side : {-1, 1}) {
            stroke(p, {{50 + side * 12.0, 67}, {50 + side * 30.0, 63}}, whisker, 1.2);
            stroke(p, {{50 + side * 12.0, 70}, {50 + side * 29.0, 72}}, whisker, 1.2);
        }
    });
}

QImage volpe() {
    return portrait(QColor(0x5a, 0x9e, 0x5c), [](QPainter& p) {
        const QColor fur(0xea, 0x7a, 0x2c);
        const QColor white(0xf8, 0xf1, 0xe6);
        const QColor dark(0x3a, 0x22, 0x16);
        shape(p, oval(50, 116, 34, 28), fur);
        fill(p, oval(50, 110, 15, 20), white);
        // Tall ears with dark tips and pale insides.
        const QPainterPath ear = polygon({{17, 48}, {21, 7}, {46, 28}});
        for (const bool right : {false, true}) {
            const QPainterPath e = right ? mirrored(ear) : ear;
            shape(p, e, fur);
            withClip(p, e, [&] { fill(p, QPainterPath(rect(0, 0, 100, 17)), dark); });
            outline(p, e, fur);
        }
        fillPair(p, polygon({{24, 40}, {25, 20}, {39, 30}}), QColor(0xf6, 0xdc, 0xbc));
        // The face: broad at the cheeks, narrowing to the snout.
        QPainterPath half;
        half.moveTo(50, 25);
        half.quadTo(80, 25, 90, 54);
        half.quadTo(74, 60, 62, 73);
        half.quadTo(56, 83, 50, 85);
        const QPainterPath head = symmetric(half);
        shape(p, head, fur);
        withClip(p, head, [&] {
            fill(p, oval(31, 67, 21, 12), white);
            fill(p, oval(69, 67, 21, 12), white);
        });
        outline(p, head, fur);
        // Slanted eyes and a black nose.
        for (const int side : {-1, 1}) {
            fill(p, rotatedOval(50 + side * 12.5, 50, 4.8, 3.6, side * 22), dark);
            fill(p, circle(50 + side * 12.5 + 1.4, 48.8, 1.2), Qt::white);
        }
        fill(p, oval(50, 81, 5, 3.8), QColor(0x1c, 0x14, 0x10));
        fill(p, circle(48.5, 80, 1.1), QColor(0x70, 0x60, 0x58));
    });
}

QImage gufo() {
    return portrait(QColor(0x3c, 0x40, 0x86), [](QPainter& p) {
        // A few stars in the night.
        const QColor star(0xf6, 0xe6, 0x9a);
        for (const QPointF& at : {QPointF(12, 14), QPointF(88, 20), QPointF(80, 7), QPointF(9, 40)})
            sparkle(p, at, 2.6, star);
        const QColor feathers(0x8c, 0x5c, 0x36);
        const QColor wing(0x6a, 0x42, 0x24);
        const QColor belly(0xe8, 0xd0, 0xa6);
        // Ear tufts, wings, body.
        shapePair(p, polygon({{22, 40}, {19, 14}, {38, 30}}), feathers);
        shapePair(p, rotatedOval(19, 80, 9, 23, 12), wing);
        const QPainterPath body = oval(50, 66, 32, 38);
        shape(p, body, feathers);
        withClip(p, body, [&] {
            fill(p, oval(50, 92, 19, 22), belly);
            for (const QPointF& v :
                 {QPointF(44, 80), QPointF(56, 80), QPointF(50, 88), QPointF(42, 95), QPointF(58, 95)}) {
                stroke(p, {{v.x() - 3, v.y() - 2}, {v.x(), v.y() + 1}, {v.x() + 3, v.y() - 2}},
                       QColor(0xb8, 0x94, 0x62), 1.6);
            }
        });
        outline(p, body, feathers);
        // The face disc and the big round eyes.
        shape(p, circle(37, 52, 14).united(circle(63, 52, 14)), QColor(0xf0, 0xde, 0xbc));
        for (const qreal x : {37.0, 63.0}) {
            shape(p, circle(x, 52, 9.5), QColor(0xf7, 0xb7, 0x2a));
            fill(p, circle(x, 53, 5), QColor(0x1a, 0x14, 0x12));
            fill(p, circle(x - 1.8, 50.8, 1.9), Qt::white);
        }
        shape(p, polygon({{45.5, 60}, {54.5, 60}, {50, 70}}), QColor(0xe2, 0x8e, 0x2a));
    });
}

QImage orso() {
    return portrait(QColor(0xc6, 0xcf, 0xd8), [](QPainter& p) {
        const QColor fur(0x8e, 0x5b, 0x33);
        const QColor tan(0xdb, 0xb4, 0x87);
        const QColor dark(0x33, 0x21, 0x16);
        shape(p, oval(50, 116, 37, 29), fur);
        for (const qreal x : {26.0, 74.0}) {
            shape(p, circle(x, 34, 11.5), fur);
            fill(p, circle(x, 34.5, 6.3), QColor(0xc0, 0x8a, 0x5c));
        }
        shape(p, oval(50, 59, 31, 28), fur);
        fillPair(p, oval(31, 67, 5.5, 3.5), QColor(0xd9, 0x7e, 0x6c, 110));
        shape(p, oval(50, 69, 14.5, 11), tan);
        fill(p, oval(50, 63.5, 6.4, 4.4), dark);
        fill(p, oval(48.4, 62.4, 2.0, 1.2), QColor(0x8a, 0x6c, 0x5c));
        QPainterPath mouth;
        mouth.moveTo(50, 67.5);
        mouth.lineTo(50, 71);
        mouth.moveTo(44.5, 72);
        mouth.quadTo(50, 76, 55.5, 72);
        strokePath(p, mouth, dark, 1.7);
        for (const qreal x : {39.0, 61.0}) {
            fill(p, circle(x, 52, 3.5), dark);
            fill(p, circle(x + 1.1, 50.9, 1.1), Qt::white);
        }
    });
}

QImage leone() {
    return portrait(QColor(0x33, 0xa1, 0x9a), [](QPainter& p) {
        const QColor mane(0xc4, 0x60, 0x26);
        const QColor gold(0xf2, 0xba, 0x4c);
        const QColor cream(0xfa, 0xe4, 0xae);
        const QColor dark(0x4a, 0x26, 0x12);
        shape(p, oval(50, 118, 34, 28), QColor(0xe6, 0xa6, 0x3e));
        // A scalloped mane round the face.
        QPainterPath ruff = circle(50, 56, 31);
        for (int i = 0; i < 14; ++i) {
            const QPointF at = onCircle(QPointF(50, 56), 31, i * 360.0 / 14 + 6);
            ruff = ruff.united(circle(at.x(), at.y(), 9.5));
        }
        shape(p, ruff, mane);
        for (const qreal x : {31.0, 69.0}) {
            shape(p, circle(x, 38, 7), gold);
            fill(p, circle(x, 38.5, 3.6), QColor(0xd9, 0x8c, 0x3a));
        }
        shape(p, oval(50, 60, 22.5, 22), gold);
        fill(p, oval(44, 71, 7.5, 6), cream);
        fill(p, oval(56, 71, 7.5, 6), cream);
        shape(p, roundedTriangle({45, 63.5}, {55, 63.5}, {50, 69.5}), QColor(0x7a, 0x3e, 0x22));
        stroke(p, {{50, 69.5}, {50, 72.5}}, dark, 1.5);
        for (const qreal x : {41.0, 59.0}) {
            fill(p, circle(x, 56, 3.3), dark);
            fill(p, circle(x + 1.1, 54.9, 1.1), Qt::white);
        }
    });
}

QImage coniglio() {
    return portrait(QColor(0xee, 0x96, 0xb4), [](QPainter& p) {
        const QColor fur(0xf8, 0xf6, 0xf2);
        const QColor pink(0xf2, 0x9c, 0xb2);
        const QColor dark(0x2c, 0x22, 0x28);
        shape(p, oval(50, 116, 32, 28), fur);
        // Long ears, leaning a little outwards.
        shapePair(p, rotatedOval(37, 27, 8.5, 22, -10), fur);
        fillPair(p, rotatedOval(37, 29, 4.4, 16, -10), pink);
        shape(p, oval(50, 63, 25, 22), fur);
        fillPair(p, oval(35, 69, 5.5, 3.5), QColor(0xf2, 0x8a, 0xa4, 120));
        for (const qreal x : {41.0, 59.0}) {
            fill(p, circle(x, 59, 3.4), dark);
            fill(p, circle(x + 1.1, 57.9, 1.1), Qt::white);
        }
        shape(p, roundedTriangle({47.3, 66}, {52.7, 66}, {50, 69}), QColor(0xe9, 0x72, 0x92));
        QPainterPath mouth;
        mouth.moveTo(50, 69);
        mouth.lineTo(50, 71.5);
        mouth.moveTo(46, 71.8);
        mouth.quadTo(48, 73.6, 50, 71.5);
        mouth.quadTo(52, 73.6, 54, 71.8);
        strokePath(p, mouth, QColor(0x8a, 0x6a, 0x74), 1.3);
        shape(p, QPainterPath(roundRect(48, 72.5, 4, 4.2, 0.8)), Qt::white);
        const QColor whisker(0xb0, 0xa4, 0xaa);
        for (const int side : {-1, 1}) {
            stroke(p, {{50 + side * 8.0, 68}, {50 + side * 24.0, 65}}, whisker, 1.1);
            stroke(p, {{50 + side * 8.0, 70.5}, {50 + side * 23.0, 72}}, whisker, 1.1);
        }
    });
}

QImage pinguino() {
    return portrait(QColor(0xe0, 0x58, 0x4c), [](QPainter& p) {
        const QColor black(0x24, 0x28, 0x32);
        const QColor white(0xf8, 0xf8, 0xf6);
        shapePair(p, rotatedOval(19, 88, 7, 19, 18), black);
        const QPainterPath body = oval(50, 72, 32, 38);
        shape(p, body, black);
        withClip(p, body, [&] { fill(p, oval(50, 100, 21, 20), white); });
        outline(p, body, black);
        // The white mask round the eyes.
        const QPainterPath mask =
            circle(40, 54, 12.5).united(circle(60, 54, 12.5)).united(oval(50, 66, 17, 13));
        fill(p, mask, white);
        fillPair(p, oval(33, 64, 4.5, 3), QColor(0xf2, 0x88, 0x8c, 150));
        for (const qreal x : {41.0, 59.0}) {
            fill(p, circle(x, 54, 3.5), black);
            fill(p, circle(x + 1.1, 52.9, 1.1), Qt::white);
        }
        shape(p, roundedTriangle({44, 61}, {56, 61}, {50, 68.5}), QColor(0xf6, 0xa4, 0x22));
    });
}

QImage rana() {
    return portrait(QColor(0xf3, 0x9a, 0x3e), [](QPainter& p) {
        const QColor skin(0x5c, 0xb2, 0x46);
        const QColor dark(0x2a, 0x5e, 0x20);
        shape(p, oval(50, 114, 36, 26), skin);
        fill(p, oval(50, 112, 22, 18), QColor(0xc8, 0xe4, 0x96));
        const QPainterPath head = oval(50, 66, 36, 23).united(circle(31, 44, 13)).united(circle(69, 44, 13));
        shape(p, head, skin);
        for (const qreal x : {31.0, 69.0}) {
            shape(p, circle(x, 43, 9), QColor(0xfb, 0xfb, 0xf4));
            fill(p, oval(x, 44, 4.6, 5.2), QColor(0x1c, 0x1e, 0x1a));
            fill(p, circle(x + 1.6, 42, 1.5), Qt::white);
        }
        fillPair(p, oval(25, 71, 5.5, 3.5), QColor(0xf0, 0x86, 0x7a, 130));
        fill(p, circle(46, 61, 1.3), dark);
        fill(p, circle(54, 61, 1.3), dark);
        QPainterPath smile;
        smile.moveTo(30, 68);
        smile.quadTo(50, 82, 70, 68);
        strokePath(p, smile, dark, 2.2);
    });
}

// --- People ----------------------------------------------------------------

QImage nonna() {
    return portrait(QColor(0xa8, 0x8c, 0xd6), [](QPainter& p) {
        const QColor hair(0xe8, 0xe6, 0xee);
        const QColor skin(0xf5, 0xcd, 0xa6);
        const QColor dress(0x3a, 0x8a, 0x86);
        const QColor dark(0x4a, 0x32, 0x3a);
        shape(p, oval(50, 118, 36, 30), dress);
        shape(p, QPainterPath(rect(44, 74, 12, 16)), skin);
        // A white collar and a string of pearls.
        shapePair(p, polygon({{38, 88}, {50, 90}, {46, 99}}), Qt::white);
        for (int i = 0; i < 7; ++i) {
            const qreal t = (i - 3) / 3.0;
            fill(p, circle(50 + t * 9, 86 + 3.5 * (1 - t * t), 1.5), QColor(0xfb, 0xf6, 0xe6));
        }
        // Hair gathered in a bun, behind the face.
        shape(p, circle(50, 21, 10.5), hair);
        shape(p, oval(50, 52, 29, 28), hair);
        shape(p, oval(50, 59, 21, 23), skin);
        QPainterPath fringe;
        fringe.moveTo(28, 58);
        fringe.cubicTo(24, 28, 76, 28, 72, 58);
        fringe.cubicTo(68, 43, 58, 38, 50, 42);
        fringe.cubicTo(42, 38, 32, 43, 28, 58);
        shape(p, fringe, hair);
        fillPair(p, oval(36, 68, 5, 3.4), QColor(0xee, 0x8a, 0x86, 140));
        // Round glasses, smiling eyes, a small nose, a smile.
        for (const qreal x : {41.0, 59.0}) {
            fill(p, circle(x, 59, 6.2), QColor(255, 255, 255, 70));
            QPainterPath eye;
            eye.moveTo(x - 2.8, 60);
            eye.quadTo(x, 56.5, x + 2.8, 60);
            strokePath(p, eye, dark, 1.7);
        }
        const QColor frame(0x7a, 0x4a, 0x62);
        strokePath(p, circle(41, 59, 6.2), frame, 1.7);
        strokePath(p, circle(59, 59, 6.2), frame, 1.7);
        stroke(p, {{47.2, 58.5}, {52.8, 58.5}}, frame, 1.5);
        QPainterPath nose;
        nose.moveTo(49, 63);
        nose.quadTo(51.5, 66, 49.5, 67);
        strokePath(p, nose, QColor(0xc8, 0x8a, 0x6a), 1.3);
        QPainterPath smile;
        smile.moveTo(43.5, 71);
        smile.quadTo(50, 76.5, 56.5, 71);
        strokePath(p, smile, QColor(0xa2, 0x44, 0x46), 1.8);
    });
}

QImage marinaio() {
    return portrait(QColor(0x82, 0xc2, 0xe8), [](QPainter& p) {
        const QColor skin(0xf0, 0xc0, 0x98);
        const QColor beard(0x9a, 0x66, 0x3e);
        const QColor navy(0x1f, 0x38, 0x6a);
        const QColor dark(0x33, 0x22, 0x1a);
        // A striped jersey and a red scarf.
        const QPainterPath shirt = oval(50, 120, 38, 32);
        shape(p, shirt, QColor(0xf7, 0xf7, 0xf4));
        withClip(p, shirt, [&] {
            for (qreal y = 91; y < 100; y += 7) fill(p, QPainterPath(rect(0, y, 100, 3.5)), navy);
        });
        outline(p, shirt, navy);
        shape(p, QPainterPath(rect(43.5, 74, 13, 14)), skin);
        shape(p, polygon({{38, 87}, {62, 87}, {50, 99}}), QColor(0xd8, 0x3a, 0x34));
        // Ears, face and a full beard.
        shapePair(p, oval(28.5, 61, 4, 6), skin);
        shape(p, oval(50, 60, 22, 24), skin);
        QPainterPath chin;
        chin.moveTo(28.5, 60);
        chin.cubicTo(29, 94, 71, 94, 71.5, 60);
        chin.cubicTo(66, 68, 60, 70, 50, 68);
        chin.cubicTo(40, 70, 34, 68, 28.5, 60);
        shape(p, chin, beard);
        fill(p, oval(50, 74, 5, 3), QColor(0x9a, 0x3a, 0x32));
        shape(p, oval(44, 69.5, 7, 3.4).united(oval(56, 69.5, 7, 3.4)), beard);
        shape(p, oval(50, 64, 4.4, 4), QColor(0xe8, 0xa4, 0x80));
        fillPair(p, oval(36.5, 63.5, 4, 2.6), QColor(0xec, 0x8a, 0x7a, 120));
        for (const qreal x : {41.5, 58.5}) {
            fill(p, circle(x, 56, 3.1), dark);
            fill(p, circle(x + 1.0, 55.0, 1.0), Qt::white);
            stroke(p, {{x - 3.8, 50.8}, {x + 3.8, 50.2}}, beard, 2.2);
        }
        // A white cap with a navy band, a black peak and a small gold anchor.
        QPainterPath crown;
        crown.moveTo(26, 41);
        crown.cubicTo(24, 21, 76, 21, 74, 41);
        crown.closeSubpath();
        shape(p, crown, QColor(0xfa, 0xfa, 0xf6));
        shape(p, QPainterPath(roundRect(27, 36, 46, 7, 1.5)), navy);
        shape(p, QPainterPath(roundRect(30, 41.5, 40, 4.5, 2.2)), QColor(0x1c, 0x1e, 0x26));
        fill(p, circle(50, 39.5, 2.2), QColor(0xf0, 0xc2, 0x3c));
    });
}

}  // namespace
}  // namespace photo

std::vector<PhotoDesign> photoDesigns() {
    return {
        {QStringLiteral("Gatto.bmp"), &photo::gatto},
        {QStringLiteral("Volpe.bmp"), &photo::volpe},
        {QStringLiteral("Gufo.bmp"), &photo::gufo},
        {QStringLiteral("Orso.bmp"), &photo::orso},
        {QStringLiteral("Leone.bmp"), &photo::leone},
        {QStringLiteral("Coniglio.bmp"), &photo::coniglio},
        {QStringLiteral("Pinguino.bmp"), &photo::pinguino},
        {QStringLiteral("Rana.bmp"), &photo::rana},
        {QStringLiteral("Nonna.bmp"), &photo::nonna},
        {QStringLiteral("Marinaio.bmp"), &photo::marinaio},
    };
}

}  // namespace tavolora::art
