#include "controls/platform/fit_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace tavolora::controls {

namespace {

// A text box keeps this many pixels clear at each side of its text, and one more for
// the cursor after the last character (as QLineEdit draws).
constexpr int kBoxSideMargin = 2;
constexpr int kBoxTopMargin = 1;
constexpr int kCursorWidth = 1;

int pixel_size(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QFont at_size(const QFont& font, int pixels) {
    if (pixel_size(font) == pixels) return font;
    QFont sized = font;
    sized.setPixelSize(pixels);
    return sized;
}

QString without_trailing_blanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace()) --end;
    return text.left(end);
}

// The width a piece of the text takes when drawn; the blanks that end a line draw
// nothing.
qreal drawn_width(const QFontMetricsF& metrics, const QString& text, qsizetype from, qsizetype to) {
    while (to > from && text[to - 1] == QLatin1Char(' ')) --to;
    return metrics.horizontalAdvance(text.mid(from, to - from));
}

// Where each line of `text` starts when it is laid out in `width`: a line breaks after
// the blanks that end a word, never inside a word. Nothing when a word is wider than
// a line.
std::optional<std::vector<qsizetype>> line_starts(const QString& text, const QFontMetricsF& metrics, qreal width) {
    const qsizetype n = text.size();
    const auto fits = [&](qsizetype from, qsizetype to) { return drawn_width(metrics, text, from, to) <= width; };
    std::vector<qsizetype> starts{0};
    qsizetype at = 0;
    while (at < n) {
        qsizetype next = at;
        while (next < n && text[next] != QLatin1Char(' ')) ++next;
        while (next < n && text[next] == QLatin1Char(' ')) ++next;
        if (!fits(starts.back(), next)) {
            if (starts.back() == at || !fits(at, next)) return std::nullopt;
            starts.push_back(at);
        }
        at = next;
    }
    return starts;
}

QString joined(const QString& text, const std::vector<qsizetype>& starts) {
    QString out;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype to = i + 1 < starts.size() ? starts[i + 1] : text.size();
        if (i > 0) out += QLatin1Char('\n');
        out += text.mid(starts[i], to - starts[i]);
    }
    return out;
}

// How many lines of `font` the room holds, at most `lines` and at least one.
int lines_held(const QFontMetricsF& metrics, QSize room, int lines) {
    const qreal spare = room.height() - metrics.height();
    const int held = spare < 0 ? 1 : 1 + static_cast<int>(std::floor(spare / metrics.lineSpacing()));
    return std::clamp(held, 1, lines);
}

}  // namespace

int least_fitted_pixel_size() {
    // Rounded as the forms' fonts are (fonts.cpp): 8 points are 10.67 pixels, so 11.
    return static_cast<int>(std::lround(kLeastFittedPoints * 96.0 / 72.0));
}

FittedText fit_text(const QString& whole, const QFont& font, QSize room, int lines) {
    const QString text = without_trailing_blanks(whole);
    if (text.isEmpty()) return {text, font, false};
    lines = std::max(lines, 1);
    const int largest = pixel_size(font);
    const int least = std::min(largest, least_fitted_pixel_size());
    const qreal width = room.width();

    for (int size = largest; size >= least; --size) {
        const QFont candidate = at_size(font, size);
        const QFontMetricsF metrics(candidate);
        const auto starts = line_starts(text, metrics, width);
        if (starts && static_cast<int>(starts->size()) <= lines_held(metrics, room, lines))
            return {joined(text, *starts), candidate, false};
    }

    // Too long for the least size: one line, shortened, as a name reads everywhere. A
    // word cut over two lines would read as two names.
    const QFont smallest = at_size(font, least);
    return {QFontMetricsF(smallest).elidedText(text, Qt::ElideRight, width), smallest, true};
}

QSize text_room(const QLabel& label) {
    const int margin = label.margin();
    return label.contentsRect().adjusted(margin, margin, -margin, -margin).size();
}

QSize text_room(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(&button) != nullptr) contents = QStyle::SE_RadioButtonContents;
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) contents = QStyle::SE_CheckBoxContents;
    return button.style()->subElementRect(contents, &option, &button).size();
}

QSize text_room(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).marginsRemoved(box.textMargins());
    return contents
        .adjusted(kBoxSideMargin, kBoxTopMargin, -kBoxSideMargin - kCursorWidth, -kBoxTopMargin)
        .size();
}

void show_fitted(QLabel& label, const QString& text, const QFont& font, int lines) {
    const FittedText fitted = fit_text(text, font, text_room(label), lines);
    // A name is shown as typed, never read as markup, and broken only where the fit
    // broke it.
    if (label.textFormat() != Qt::PlainText) label.setTextFormat(Qt::PlainText);
    if (label.wordWrap()) label.setWordWrap(false);
    if (label.font() != fitted.font) label.setFont(fitted.font);
    if (label.text() != fitted.text) label.setText(fitted.text);
}

void show_fitted(QAbstractButton& button, const QString& text, const QFont& font, int widest) {
    QSize room = text_room(button);
    if (widest > 0) room.rwidth() += widest - button.width();
    const FittedText fitted = fit_text(text, font, room, 1);
    // A button reads "&" as the mark of its shortcut key: a name's "&" is doubled.
    QString shown = fitted.text;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (button.font() != fitted.font) button.setFont(fitted.font);
    if (button.text() != shown) button.setText(shown);
}

void fit_font(QLineEdit& box, const QFont& font) {
    const FittedText fitted = fit_text(box.text(), font, text_room(box), 1);
    if (box.font() != fitted.font) box.setFont(fitted.font);
}

}  // namespace tavolora::controls
