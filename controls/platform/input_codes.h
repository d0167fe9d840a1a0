#pragma once

// The numbers a form's event handlers receive for the mouse buttons, the shift keys
// and the keys, made from Qt's input: every control raises its events with these,
// so one map serves them all.

#include <Qt>

class QKeyEvent;

namespace tavolora::controls {

// The form's mouse button numbers: 1 left, 2 right, 4 middle, and their sum for the
// buttons held during a move; any other button adds nothing.
int mouse_button_code(Qt::MouseButtons buttons);

// The form's shift state: 1 Shift, 2 Ctrl, 4 Alt, summed.
int shift_code(Qt::KeyboardModifiers modifiers);

// The form's key code of a key: the desktop's virtual key number (the platform's own
// on Windows). Qt's number is the same for letters and digits; keys that the map
// does not know give 0.
int key_code(const QKeyEvent& event);

}  // namespace tavolora::controls
