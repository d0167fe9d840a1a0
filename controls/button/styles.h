#pragma once

// The painters of the button's richer styles. Each paints the whole face of one
// button on its surface from the button's fields and the system colours; the caption
// and the icon come afterwards (painter.h). A painter that meets a gradient of no
// length stops there and leaves what it has drawn.

#include "controls/button/button_fields.h"
#include "controls/platform/surface.h"

namespace tavolora::controls {

// Style 5 in the built-in colours (UseCustomColors off) and from BackColor and
// HighlightColor (on).
void paint_style5_fixed(Surface& s, const ButtonFields& f, const SystemColours& colours);
void paint_style5(Surface& s, const ButtonFields& f, const SystemColours& colours);
void paint_style7(Surface& s, const ButtonFields& f, const SystemColours& colours);
void paint_style8(Surface& s, const ButtonFields& f, const SystemColours& colours);
void paint_style9(Surface& s, const ButtonFields& f, const SystemColours& colours);
// Style 10 chooses one of three looks from the state and the focus.
void paint_style10(Surface& s, const ButtonFields& f);

}  // namespace tavolora::controls
