#pragma once

// The fonts the program's forms name, on a machine that has other fonts: each
// family is given a free stand-in with like proportions, and points become pixels
// at 96 dots an inch.

#include <QFont>
#include <QString>

namespace tavolora::controls {

// The family drawn in place of a named one ("Verdana", "MS Sans Serif", "Comic Sans
// MS", "Courier New", "Arial Black" ...); other names are kept.
QString stand_in_family(const QString& family);

// A font as a form names it: family, size in points, weight and style.
QFont form_font(const QString& family, double points, bool bold = false, bool italic = false,
                bool underline = false);

}  // namespace tavolora::controls
