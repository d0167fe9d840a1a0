// The common make of the icons: the badge colours, the light from the upper left,
// the soft shadows, the rounded corners and the white glyphs, so that every
// drawing of the family is built from the same few parts.
#pragma once

#include "storage/icons.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <span>
#include <string_view>

namespace tavolora::art::iconkit {

// One badge colour: the lit top, the body at the bottom, and the dark edge that
// also outlines anything coloured drawn on the badge.
struct Hue {
    QColor top;
    QColor bottom;
    QColor edge;
};

namespace hue {
inline const Hue green{{0x86, 0xd2, 0x5e}, {0x2c, 0x8a, 0x36}, {0x17, 0x52, 0x1f}};
inline const Hue blue{{0x74, 0xb0, 0xf0}, {0x27, 0x5f, 0xb6}, {0x15, 0x37, 0x70}};
inline const Hue red{{0xf4, 0x7c, 0x6c}, {0xc4, 0x2a, 0x26}, {0x74, 0x14, 0x14}};
inline const Hue orange{{0xff, 0xbe, 0x58}, {0xe2, 0x6c, 0x12}, {0x86, 0x3a, 0x08}};
inline const Hue purple{{0xb8, 0x94, 0xe6}, {0x68, 0x40, 0xa6}, {0x3a, 0x20, 0x62}};
inline const Hue teal{{0x62, 0xd0, 0xc2}, {0x18, 0x86, 0x88}, {0x0b, 0x4c, 0x4e}};
inline const Hue slate{{0xa4, 0xb2, 0xc2}, {0x52, 0x60, 0x72}, {0x2c, 0x35, 0x42}};
inline const Hue amber{{0xff, 0xd6, 0x5e}, {0xdc, 0x90, 0x14}, {0x7e, 0x4c, 0x06}};
inline const Hue brown{{0xcc, 0x96, 0x5c}, {0x86, 0x56, 0x2a}, {0x48, 0x2c, 0x12}};
inline const Hue wine{{0xe0, 0x6a, 0x7a}, {0x9c, 0x24, 0x3a}, {0x5a, 0x10, 0x1e}};
inline const Hue grey{{0xe6, 0xe8, 0xea}, {0xa4, 0xaa, 0xb2}, {0x4c, 0x52, 0x5a}};
inline const Hue sky{{0xe4, 0xf2, 0xff}, {0x8c, 0xbc, 0xea}, {0x2e, 0x5a, 0x8c}};
inline const Hue navy{{0x4a, 0x64, 0xa8}, {0x1a, 0x26, 0x52}, {0x0c, 0x12, 0x2c}};
inline const Hue gold{{0xff, 0xe4, 0x86}, {0xd8, 0x98, 0x22}, {0x7a, 0x4e, 0x08}};
inline const Hue paper{{0xff, 0xfe, 0xf8}, {0xee, 0xe6, 0xd2}, {0x3c, 0x34, 0x2e}};
}  // namespace hue

// Dark ink for outlines that belong to no badge (cards, cursor, window icon).
inline const QColor kInk{0x2a, 0x22, 0x1e};

// The place of a badge on a 48 x 48 icon: room on the right and below for the
// shadow, the same corner radius and outline width everywhere. The edges lie
// on pixel centres, so that the outline stays crisp.
inline constexpr QRectF kBadgeRect{3.5, 2.5, 41.0, 42.0};
inline constexpr qreal kCornerRadius = 10.0;
inline constexpr qreal kEdgeWidth = 1.25;
// Corners of glyphs and of stand-alone shapes are rounded by this much.
inline constexpr qreal kGlyphRound = 1.0;
// Main strokes of line glyphs (crosses, checks, arrows).
inline constexpr qreal kStroke = 4.5;

// A transparent picture with a painter's usual set-up for the family.
QImage blank(int width, int height);
void prepare(QPainter& p);

// The outline of `line` drawn `width` wide with round caps and joins, as a filled shape.
QPainterPath stroked(const QPainterPath& line, qreal width);
// `shape` grown by `radius` all round, which rounds its corners.
QPainterPath rounded(const QPainterPath& shape, qreal radius);
QPainterPath roundedRect(const QRectF& rect, qreal radius);
QPainterPath circle(QPointF centre, qreal radius);
// `shape` turned by `degrees` about `centre`.
QPainterPath turned(const QPainterPath& shape, QPointF centre, qreal degrees);

// A blurred copy of `shape` filled in `colour`, moved by `offset`, under what is
// drawn next. `blur` is the box radius in pixels, applied in three passes.
void softShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int blur, const QColor& colour);

// A shape lit from the upper left: soft shadow, top-to-bottom gradient, gloss
// on its upper part, and an outline in the hue's edge colour.
void shadedShape(QPainter& p, const QPainterPath& shape, const Hue& hue, qreal edgeWidth = kEdgeWidth,
                 bool gloss = true);
// The badges of the 48 x 48 icons.
void badge(QPainter& p, const Hue& hue);
void roundBadge(QPainter& p, const Hue& hue);
// A small round badge on the lower right corner of a badge (plus, minus, check),
// set off from the badge under it by a white ring.
void cornerBadge(QPainter& p, const Hue& hue, QPointF centre, qreal radius);

// A glyph in `colour` (white unless told) with its soft shadow towards the lower right.
void glyph(QPainter& p, const QPainterPath& shape, const QColor& colour = QColor(0xff, 0xff, 0xff));
// A coloured object drawn on a badge (a card, a picture): filled, outlined in `edge`.
void object(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& edge,
            qreal edgeWidth = kEdgeWidth);

// The common glyph shapes.
QPainterPath personShape(QPointF head, qreal scale);
QPainterPath crossShape(QPointF centre, qreal arm, qreal width);
QPainterPath plusShape(QPointF centre, qreal arm, qreal width);
QPainterPath checkShape(QPointF centre, qreal size, qreal width);
// A playing card `size` big centred on `centre`, turned by `degrees`.
QPainterPath cardShape(QPointF centre, QSizeF size, qreal degrees, qreal radius);

// The drawings of the catalogue, by stem. Each paints onto a blank picture of the
// entry's size.
using Drawing = void (*)(QPainter& p, QSize size);
struct Entry {
    std::string_view stem;
    Drawing draw;
};
std::span<const Entry> screenIcons();
std::span<const Entry> pictureIcons();

}  // namespace tavolora::art::iconkit
