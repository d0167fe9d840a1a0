#pragma once

// Every mouse event reaches the core here. The control's state is checked in the
// table data when the event is delivered, not when it was queued: a click queued on
// a card that was disabled a moment ago does nothing. A handler that starts a play
// or a match is refused while another one runs.

#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "platform/waits.h"
#include "table/control.h"

namespace tavolora::table {

enum class InputEvent : std::uint8_t { Click, MouseDown, MouseUp, MouseMove, MouseEnter, MouseLeave, Change };

// The window toolkit's mouse arguments: Button 1 left, 2 right, 4 middle; X and Y
// in twips in the control's own space.
struct MouseArgs {
    int Button = 1;
    int Shift = 0;
    float X = 0;
    float Y = 0;
};

enum class HandlerKind : std::uint8_t {
    Reentrant,  // may run inside the waits of a play (continue buttons, panels, resize)
    Play,       // starts a play or a match: never inside another
};

using InputHandler = std::function<void(ControlKey key, const MouseArgs& args)>;

class InputDispatcher {
public:
    InputDispatcher(platform::Waits& waits, ControlTree& controls) : waits_(waits), controls_(controls) {}
    InputDispatcher(const InputDispatcher&) = delete;
    InputDispatcher& operator=(const InputDispatcher&) = delete;

    // The handler of an event on a control, or on every member of a control array.
    void on(ControlId id, InputEvent event, InputHandler handler, HandlerKind kind = HandlerKind::Reentrant);

    // Delivers an event now. Returns whether a handler ran: nothing runs for a control
    // that is not loaded, hidden or disabled (itself or a container), for an event
    // without a handler, for a play while another runs, or after a quit request.
    bool deliver(ControlKey key, InputEvent event, const MouseArgs& args = {});
    // A control of a screen: its handler runs as a table control's would, at the
    // boundary where a quit unwinds, never after a quit request, and never as a play
    // inside another play. Returns whether it ran.
    bool run(HandlerKind kind, const std::function<void()>& handler);

    // A completed click with `button`: mouse down, mouse up, click, as the window
    // system delivers them. Returns whether the click handler ran.
    bool click(ControlKey key, int button = 1);

    bool play_running() const { return plays_ > 0; }

private:
    struct Entry {
        // Shared, so that a handler running holds itself alive (it may replace
        // handlers) without being copied at every event.
        std::shared_ptr<const InputHandler> handler;
        HandlerKind kind;
    };

    platform::Waits& waits_;
    ControlTree& controls_;
    std::map<std::pair<ControlId, InputEvent>, Entry> handlers_;
    int plays_ = 0;
};

}  // namespace tavolora::table
