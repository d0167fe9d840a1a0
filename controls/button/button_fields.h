#pragma once

// What one themed button holds: its state, its properties and the settings of its
// tooltip. The painters read these fields; the button's frame (theme_button.h)
// keeps them.

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>

#include "controls/platform/colours.h"

namespace tavolora::controls {

// The button state; 0 only before the button has been given one.
enum ButtonState : int { kNoState = 0, kNormal = 1, kHot = 2, kPressed = 3, kDisabled = 4 };

// A rectangle as the window system keeps it: right and bottom lie just outside.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

struct TooltipSettings {
    QString text;
    QString title;
    int icon = 0;  // the title's icon: 0 none, 1 information, 2 warning, 3 error
    int type = 0;  // 1 balloon, anything else the standard rectangle
    Colour back = 0;
    Colour fore = 0;
};

struct ButtonFields {
    bool focus = false;
    int state = kNoState;
    int Style = 0;
    int NonThemeStyle = 0;
    Box client;  // (0, 0, W, H)
    Box inner;   // (4, 4, W - 4, H - 4): the caption's rectangle
    QString Caption;
    int CaptionAlign = 0;
    int IconAlign = 0;
    QImage Icon;  // null: no icon
    int IconSize = 0;
    bool Enabled = true;
    bool ShowFocus = false;
    bool UseCustomColors = false;
    Colour BackColor = 0;
    Colour HighlightColor = 0;
    Colour FontColor = 0;
    Colour FontHighlightColor = 0;
    TooltipSettings tooltip;
    int ButtonType = 0;  // 0 push button, 1 toggle button
    bool Value = false;
    std::uint32_t about_style = 0;
    bool leave_tracking = false;  // hover tracking runs (the form runs)
    bool mouse_inside = false;
    int caption_format = 17;
    int last_released = 0;  // 1 left, 2 right, 4 middle; 0 before the first release
    QFont font;
};

}  // namespace tavolora::controls
