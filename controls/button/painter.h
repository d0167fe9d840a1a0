#pragma once

// Refresh: the one painter of the themed button. It settles the button's state and
// look first, then paints from the settled fields: the face of the button's style,
// the caption and the icon. A paint writes nothing but the surface.

#include <QRegion>

#include <functional>

#include "controls/button/button_fields.h"
#include "controls/platform/surface.h"

namespace tavolora::controls {

struct PaintContext {
    const SystemColours& colours;
    bool user_mode = true;
    // The platform's visual-style push button in the given state (5: defaulted),
    // drawn over the whole surface; empty when there are no visual styles. It draws
    // on any surface that has pixels.
    std::function<void(Surface&, int state)> themed;
};

// One row per button style: everything that differs from style to style.
struct ButtonStyle {
    // The face over the whole surface, from the settled fields; the caption and the
    // icon come afterwards.
    void (*face)(Surface& s, const ButtonFields& f, const PaintContext& context);
    // The icon's distance from the side it is aligned to, in pixels.
    int icon_margin;
    // The window's outline for a surface of w x h pixels (button_region.h).
    QRegion (*outline)(int w, int h);
    // Shown hot while the form is being designed.
    bool hot_at_design_time;
    // Hot, the icon casts a grey silhouette and stands two pixels up and left of it.
    bool shadows_icon;
    // The platform's own button: without visual styles NonThemeStyle takes over.
    bool themed;
};

// The row of a style, 0 to 10; any other value has the plain row, which draws no
// face at all.
const ButtonStyle& button_style(int style);

// What one paint draws, settled before it starts.
struct ButtonLook {
    // The row whose face this paint draws.
    const ButtonStyle* face;
    // Whether a hot icon is shadowed: the style the button holds once settled decides,
    // which for a themed button that hands over is already its stand-in.
    bool shadows_icon;
};

// Settles the button for a paint on `s`: the state (hot while designed, pressed
// while a toggle is on, disabled), and the themed style's fallback: without visual
// styles (or on a surface without pixels) it shows its plain face this once and
// hands over to NonThemeStyle, which paints from the next refresh on.
ButtonLook settle(ButtonFields& f, const Surface& s, const PaintContext& context);

// Paints a settled button on its surface.
void paint(Surface& s, const ButtonFields& f, const ButtonLook& look, const PaintContext& context);

// Settles, then paints.
void refresh(Surface& s, ButtonFields& f, const PaintContext& context);

}  // namespace tavolora::controls
