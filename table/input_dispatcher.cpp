#include "table/input_dispatcher.h"

namespace tavolora::table {

void InputDispatcher::on(ControlId id, InputEvent event, InputHandler handler, HandlerKind kind) {
    handlers_[{id, event}] = Entry{std::move(handler), kind};
}

bool InputDispatcher::deliver(ControlKey key, InputEvent event, const MouseArgs& args) {
    if (waits_.quit_requested()) return false;
    if (!controls_.accepts_input(key)) return false;
    const auto it = handlers_.find({key.id, event});
    if (it == handlers_.end()) return false;
    const Entry& entry = it->second;
    if (entry.kind == HandlerKind::Play && plays_ > 0) return false;

    // The handler may replace handlers; keep its own copy alive while it runs.
    const InputHandler handler = entry.handler;
    const bool play = entry.kind == HandlerKind::Play;
    waits_.at_boundary([&] {
        struct PlayScope {
            int& plays;
            bool counted;
            ~PlayScope() {
                if (counted) --plays;
            }
        } scope{plays_, play};
        if (play) ++plays_;
        handler(key, args);
    });
    return true;
}

bool InputDispatcher::click(ControlKey key, int button) {
    MouseArgs args;
    args.Button = button;
    deliver(key, InputEvent::MouseDown, args);
    deliver(key, InputEvent::MouseUp, args);
    return deliver(key, InputEvent::Click, args);
}

}  // namespace tavolora::table
