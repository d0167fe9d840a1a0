// The southern deck's palette and the drawing helpers its signs and figures share.
//
// The southern deck is printed in bold flat colours with firm dark outlines on
// a white card: brighter and more saturated than the house deck's, so that the
// two look different even across the table.
#pragma once

#include "palette.h"
#include "shapes.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>

namespace tavolora::art::meridione {

namespace tint {
inline const QColor ink{0x1c, 0x14, 0x10};
inline const QColor face{0xff, 0xfe, 0xfb};
inline const QColor edge{0x55, 0x4c, 0x46};
// The back's thin edge round its white margin, soft, so that the side of a stack of
// backs shows the light edges of its cards.
inline const QColor backEdge{0xd2, 0xcc, 0xc2};

inline const QColor red{0xd8, 0x26, 0x1c};
inline const QColor darkRed{0x8a, 0x14, 0x10};
inline const QColor wine{0x7a, 0x12, 0x22};
inline const QColor yellow{0xf8, 0xc8, 0x1a};
inline const QColor lightYellow{0xff, 0xe8, 0x7a};
inline const QColor ochre{0xb0, 0x74, 0x08};
inline const QColor green{0x2f, 0x96, 0x34};
inline const QColor lightGreen{0x9c, 0xd0, 0x3c};
inline const QColor darkGreen{0x17, 0x5a, 0x20};
inline const QColor blue{0x1e, 0x5c, 0xc4};
inline const QColor lightBlue{0x7c, 0xb4, 0xf0};
inline const QColor darkBlue{0x12, 0x30, 0x78};
inline const QColor purple{0x6e, 0x34, 0x9c};
inline const QColor orange{0xee, 0x7a, 0x16};
inline const QColor brown{0x8e, 0x4c, 0x1c};
inline const QColor darkBrown{0x4a, 0x26, 0x0c};
inline const QColor bark{0x6e, 0x94, 0x24};
inline const QColor darkBark{0x3e, 0x5c, 0x14};
inline const QColor lightWood{0xf0, 0xc8, 0x80};
inline const QColor white{0xff, 0xff, 0xff};
inline const QColor cream{0xf6, 0xee, 0xdc};
inline const QColor grey{0xa8, 0xa4, 0xa0};

inline const QColor skin{0xf8, 0xcc, 0xa2};
inline const QColor cheek{0xe8, 0x8a, 0x70};
inline const QColor blackHair{0x2a, 0x1a, 0x12};
inline const QColor whiteHair{0xe8, 0xe4, 0xdc};
}  // namespace tint

// Outline width in device pixels that keeps small signs crisp and large ones bold.
inline qreal signPenWidth(qreal size) {
    return std::clamp(size * 0.034, 0.9, 1.4);
}

// Fills `path` and outlines it in ink.
inline void inked(QPainter& p, const QPainterPath& path, const QColor& fill, qreal penPx = 1.0) {
    fillAndOutline(p, path, fill, outline(penPx, tint::ink));
}

// Boolean operations and strokes flatten curves with a tolerance fixed in
// drawing units. Signs are drawn in a unit box, so these helpers work on the
// path enlarged a thousand times and shrink the result, keeping curves smooth
// when the painter later scales them up.
inline constexpr qreal kFineScale = 1000;

inline QPainterPath unitedFine(const QPainterPath& a, const QPainterPath& b) {
    const QTransform up = QTransform::fromScale(kFineScale, kFineScale);
    const QTransform down = QTransform::fromScale(1 / kFineScale, 1 / kFineScale);
    return down.map(up.map(a).united(up.map(b)));
}

inline QPainterPath subtractedFine(const QPainterPath& a, const QPainterPath& b) {
    const QTransform up = QTransform::fromScale(kFineScale, kFineScale);
    const QTransform down = QTransform::fromScale(1 / kFineScale, 1 / kFineScale);
    return down.map(up.map(a).subtracted(up.map(b)));
}

// The outline of a thick rounded stroke along `line`: arms, legs, handles.
inline QPainterPath strokeShape(const QPainterPath& line, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width * kFineScale);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath fine = stroker.createStroke(QTransform::fromScale(kFineScale, kFineScale).map(line));
    return QTransform::fromScale(1 / kFineScale, 1 / kFineScale).map(fine.simplified());
}

inline QPainterPath polyline(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    return path;
}

// A plain stroke in a colour, its width in device pixels.
inline void line(QPainter& p, QPointF a, QPointF b, const QColor& c, qreal widthPx = 1.0) {
    p.setPen(outline(widthPx, c));
    p.setBrush(Qt::NoBrush);
    p.drawLine(a, b);
}

}  // namespace tavolora::art::meridione
