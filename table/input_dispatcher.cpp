#include "table/input_dispatcher.h"

#include <functional>

namespace tavolora::table {

void InputDispatcher::on(ControlId id, InputEvent event, InputHandler handler, HandlerKind kind) {
    handlers_[{id, event}] = Entry{std::make_shared<const InputHandler>(std::move(handler)), kind};
}

bool InputDispatcher::deliver(ControlKey key, InputEvent event, const MouseArgs& args) {
    if (waits_.unwinding()) return false;
    if (!controls_.accepts_input(key)) return false;
    const auto it = handlers_.find({key.id, event});
    if (it == handlers_.end()) return false;
    // The handler may replace handlers; keep it alive while it runs.
    const std::shared_ptr<const InputHandler> handler = it->second.handler;
    const auto call = [&handler, &key, &args] { (*handler)(key, args); };
    // Passed by reference: a std::function holds a reference without allocating.
    return run(it->second.kind, std::cref(call));
}

bool InputDispatcher::run(HandlerKind kind, const std::function<void()>& handler) {
    if (waits_.unwinding()) return false;
    if (kind == HandlerKind::Play && plays_ > 0) return false;
    const bool play = kind == HandlerKind::Play;
    const auto body = [&] {
        struct PlayScope {
            int& plays;
            bool counted;
            ~PlayScope() {
                if (counted) --plays;
            }
        } scope{plays_, play};
        if (play) ++plays_;
        handler();
    };
    waits_.at_boundary(std::cref(body));
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
