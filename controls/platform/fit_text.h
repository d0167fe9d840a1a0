#pragma once

// A text that must read whole in a small box, as a player's name does wherever it is
// shown: drawn in the box's own font when it fits, else in a smaller one down to a
// least readable size, and only past that shortened with "…". One rule for every
// label, option button, text box and themed button that shows a name, so that a name
// reads alike wherever it appears.

#include <QFont>
#include <QSize>
#include <QString>

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace tavolora::controls {

// The least size a fitted text is drawn at, in points, and in the pixels the forms'
// fonts round it to (96 dots an inch).
inline constexpr double kLeastFittedPoints = 8;
int least_fitted_pixel_size();

struct FittedText {
    // What is drawn. Over more than one line it holds a line break where a line ends;
    // a blank where the text broke stays at the end of its line, so that the text
    // less its line breaks is the text itself, unless it was shortened.
    QString text;
    QFont font;
    bool shortened = false;
};

// `text`, less the blanks after it (a stored name is padded with them), in the
// largest font from `font` down to the least at which it fits `room`: on one line,
// or, when `lines` is more than 1, on at most that many lines that fit the room's
// height, broken between words, never inside one. Past the least font it is shown on
// one line shortened with "…", at the least font (at `font` itself when that is
// already smaller).
FittedText fit_text(const QString& text, const QFont& font, QSize room, int lines = 1);

// The room a widget gives its text, as it draws it: a label's contents, an option
// button's or check box's beside its mark, a text box's inside its frame and margins.
QSize text_room(const QLabel& label);
QSize text_room(const QAbstractButton& button);
QSize text_room(const QLineEdit& box);

// Shows `text` fitted to the widget, starting from `font` (the widget's font as
// designed). A label shows the text as plain text; an option button shows an "&" as
// itself, and, given `widest`, fits the text to the room it would have at that width
// (its caller then sizes it to its text). A text box keeps its whole text, which the
// user edits: only its font shrinks, to the least, and past that the box scrolls.
void show_fitted(QLabel& label, const QString& text, const QFont& font, int lines = 1);
void show_fitted(QAbstractButton& button, const QString& text, const QFont& font, int widest = 0);
void fit_font(QLineEdit& box, const QFont& font);

}  // namespace tavolora::controls
