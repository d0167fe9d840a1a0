#include "controls/platform/surface.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

#include "controls/platform/regions.h"

namespace tavolora::controls {

namespace {

// 96 dots an inch, as the controls' pixel rules assume.
constexpr int kDotsPerMeter = 3780;

QRgb qrgb_of(Colour c) { return qRgb(red_of(c), green_of(c), blue_of(c)); }

int qt_alignment(int format) {
    int flags = 0;
    if (format & kDtCenter)
        flags |= Qt::AlignHCenter;
    else if (format & kDtRight)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if ((format & kDtSingleLine) && (format & kDtVCenter))
        flags |= Qt::AlignVCenter;
    else if ((format & kDtSingleLine) && (format & kDtBottom))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (format & kDtWordBreak) flags |= Qt::TextWordWrap;
    return flags;
}

void prepare_text(QPainter& p, const QFont& font, Colour colour) {
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(to_qcolor(colour));
}

}  // namespace

Surface::Surface(int width, int height) { resize(width, height); }

void Surface::resize(int width, int height) {
    image_ = QImage(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    image_.setDotsPerMeterX(kDotsPerMeter);
    image_.setDotsPerMeterY(kDotsPerMeter);
    clear();
}

void Surface::set_background(Colour colour) {
    background_ = colour;
    clear();
}

void Surface::clear() {
    if (!image_.isNull()) image_.fill(qrgb_of(background_));
}

void Surface::set_pixel(int x, int y, Colour colour) {
    if (x >= 0 && y >= 0 && x < width() && y < height())
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = qrgb_of(colour);
}

Colour Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return kBadColour;
    return from_qrgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void Surface::line(int x1, int y1, int x2, int y2, Colour colour) {
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const long long adx = std::llabs(dx);
    const long long ady = std::llabs(dy);
    const long long steps = std::max(adx, ady);
    if (steps == 0 || image_.isNull()) return;
    const QRgb value = qrgb_of(colour);
    const long long w = width();
    const long long h = height();
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const auto at = [bits, stride](long long x, long long y) {
        return reinterpret_cast<QRgb*>(bits + y * stride) + x;
    };
    // The steps k (0 <= k < steps) whose coordinate along the longer axis, start +
    // sign x k, lies within 0..limit - 1.
    const auto visible = [steps](long long start, int sign, long long limit, long long& first, long long& last) {
        first = 0;
        last = steps - 1;
        if (sign > 0) {
            first = std::max(first, -start);
            last = std::min(last, limit - 1 - start);
        } else {
            first = std::max(first, start - (limit - 1));
            last = std::min(last, start);
        }
    };
    const int sx = dx > 0 ? 1 : -1;
    const int sy = dy > 0 ? 1 : -1;
    long long first = 0;
    long long last = 0;
    if (dy == 0) {
        if (y1 < 0 || y1 >= h) return;
        visible(x1, sx, w, first, last);
        if (first > last) return;
        const long long a = x1 + sx * first;
        const long long b = x1 + sx * last;
        std::fill(at(std::min(a, b), y1), at(std::max(a, b), y1) + 1, value);
        return;
    }
    if (dx == 0) {
        if (x1 < 0 || x1 >= w) return;
        visible(y1, sy, h, first, last);
        for (long long k = first; k <= last; ++k) *at(x1, y1 + sy * k) = value;
        return;
    }
    // The coordinate along the shorter axis at step k is the nearest whole number to
    // k x minor / major, halves away from the start: (2 k minor + major) \ (2 major),
    // kept as a quotient and a remainder from one step to the next.
    const bool along_x = adx >= ady;
    const long long major = along_x ? adx : ady;
    const long long minor = along_x ? ady : adx;
    if (along_x)
        visible(x1, sx, w, first, last);
    else
        visible(y1, sy, h, first, last);
    if (first > last) return;
    const long long denominator = 2 * major;
    const long long numerator = 2 * first * minor + major;
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    for (long long k = first; k <= last; ++k) {
        if (along_x) {
            const long long y = y1 + sy * quotient;
            if (y >= 0 && y < h) *at(x1 + sx * k, y) = value;
        } else {
            const long long x = x1 + sx * quotient;
            if (x >= 0 && x < w) *at(x, y1 + sy * k) = value;
        }
        remainder += 2 * minor;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++quotient;
        }
    }
}

void Surface::fill_rect(int left, int top, int right, int bottom, Colour colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width());
    bottom = std::min(bottom, height());
    if (right <= left || bottom <= top) return;
    const QRgb value = qrgb_of(colour);
    for (int y = top; y < bottom; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + left, row + right, value);
    }
}

void Surface::fill_region(const QRegion& region, Colour colour) {
    for (const QRect& r : region) fill_rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1, colour);
}

void Surface::gradient_fill_vertical(int left, int top, int right, int bottom, Colour top_colour,
                                     Colour bottom_colour) {
    if (right <= left || bottom <= top) return;
    const long long span = bottom - top;
    const int channels_from[3] = {red_of(top_colour) * 256, green_of(top_colour) * 256, blue_of(top_colour) * 256};
    const int channels_to[3] = {red_of(bottom_colour) * 256, green_of(bottom_colour) * 256,
                                blue_of(bottom_colour) * 256};
    for (int y = top; y < bottom; ++y) {
        int channel[3];
        for (int k = 0; k < 3; ++k)
            channel[k] =
                static_cast<int>(channels_from[k] + (channels_to[k] - channels_from[k]) * (y - top) / span) >> 8;
        fill_rect(left, y, right, y + 1, rgb(channel[0], channel[1], channel[2]));
    }
}

void Surface::round_rect(int left, int top, int right, int bottom, int ellipse_width, int ellipse_height,
                         Colour colour) {
    const int last_x = right - 1;
    const int last_y = bottom - 1;
    if (last_x < left || last_y < top) return;
    const auto inside = [&](int x, int y) {
        return in_rounded_box(x, y, left, top, last_x, last_y, ellipse_width, ellipse_height);
    };
    for (int y = top; y <= last_y; ++y) {
        for (int x = left; x <= last_x; ++x) {
            if (!inside(x, y)) continue;
            if (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1))
                set_pixel(x, y, colour);
        }
    }
}

void Surface::draw_edge(int left, int top, int right, int bottom, int edge, const SystemColours& colours) {
    const auto ring = [&](Colour light, Colour dark) {
        if (right - left < 1 || bottom - top < 1) return;
        line(left, top, right - 1, top, light);
        line(left, top, left, bottom - 1, light);
        line(left, bottom - 1, right, bottom - 1, dark);
        line(right - 1, top, right - 1, bottom, dark);
        ++left;
        ++top;
        --right;
        --bottom;
    };
    if (edge & kBdrRaisedOuter)
        ring(colours.get(kColor3dLight), colours.get(kColor3dDkShadow));
    else if (edge & kBdrSunkenOuter)
        ring(colours.get(kColorBtnShadow), colours.get(kColorBtnHighlight));
    if (edge & kBdrRaisedInner)
        ring(colours.get(kColorBtnHighlight), colours.get(kColorBtnShadow));
    else if (edge & kBdrSunkenInner)
        ring(colours.get(kColor3dDkShadow), colours.get(kColor3dLight));
}

void Surface::draw_text(const QString& text, const QRect& rect, int format, const QFont& font, Colour colour) {
    if (image_.isNull() || text.isEmpty() || rect.width() <= 0 || rect.height() <= 0) return;
    QString shown = text;
    if (format & kDtSingleLine) shown.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    QPainter p(&image_);
    prepare_text(p, font, colour);
    p.setClipRect(rect);
    p.drawText(rect, qt_alignment(format), shown);
}

void Surface::print_text(int x, int y, const QString& text, const QFont& font, Colour colour) {
    if (image_.isNull() || text.isEmpty()) return;
    QPainter p(&image_);
    prepare_text(p, font, colour);
    p.drawText(QPointF(x, y + QFontMetricsF(font).ascent()), text);
}

QSizeF Surface::text_size(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void Surface::draw_picture(const QImage& picture, const QRect& target) {
    if (image_.isNull() || picture.isNull() || target.isEmpty()) return;
    QPainter p(&image_);
    p.drawImage(target, picture);
}

void Surface::copy_from(const QImage& source, QPoint from) {
    if (image_.isNull() || source.isNull()) return;
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), source, QRect(from, image_.size()));
}

}  // namespace tavolora::controls
