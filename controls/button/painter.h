#pragma once

// Refresh: the one painter of the themed button. It settles the button state,
// draws the figure of the button's style, then the caption and the icon.

#include <functional>

#include "controls/button/button_fields.h"
#include "controls/platform/surface.h"

namespace tavolora::controls {

struct PaintContext {
    const SystemColours& colours;
    bool user_mode = true;
    // The platform's visual-style push button in the given state (5: defaulted),
    // drawn over the whole surface; false when there are no visual styles.
    std::function<bool(Surface&, int state)> themed;
};

// Paints the button on its surface. Changes the button state as painting settles
// it, and the style of a themed button when visual styles are off.
void refresh(Surface& s, ButtonFields& f, const PaintContext& context);

}  // namespace tavolora::controls
