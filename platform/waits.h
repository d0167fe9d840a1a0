#pragma once

// Every wait of the program goes through here: "pump once" (let the window process
// its pending events) and "wait until" (hold until a condition is true, letting
// events run meanwhile), the timed pauses, and the quit request.
//
// Quitting: closing the window or "Esci" sets a flag. Every wait checks it and
// unwinds by throwing QuitRequested, which `at_boundary` catches wherever the
// window system calls into the core. No rule of play runs after the request; once
// the outermost handler has unwound, the exit-time save runs once and the program
// ends.
//
// Leaving a match unwinds the same way: every wait in progress throws, no handler
// runs until the outermost one has unwound, and then the leave's own ending runs
// once (the table put away, the main menu shown) and the program goes on.

#include <functional>
#include <string_view>

#include "platform/ports.h"

namespace tavolora::platform {

// Thrown by a wait after a request to end the program or to leave the match. Only
// `Waits::at_boundary` catches it.
struct QuitRequested {};

class Waits {
public:
    Waits(EventLoop& loop, Clock& clock) : loop_(loop), clock_(clock) {}
    Waits(const Waits&) = delete;
    Waits& operator=(const Waits&) = delete;

    // Lets the window process its pending events once.
    void pump_once();

    // Lets events run until `done` holds. `what` names the wait in diagnostics.
    void wait_until(std::string_view what, const std::function<bool()>& done);

    // Lets events run for `duration` of the clock, and not less. A duration of 0 or
    // less returns at once without letting any event run.
    void pause(Micros duration, std::string_view what);

    // A timer whose handler runs at the boundary (see at_boundary).
    TimerId start_timer(Micros interval, bool repeating, std::function<void()> fire);
    void stop_timer(TimerId id) { loop_.stop_timer(id); }

    // Runs a handler that the window system calls (input, a timer tick). A quit
    // request unwinds it silently; a handler that arrives after the request is not
    // run at all. When the outermost handler has unwound, the program finishes.
    void at_boundary(const std::function<void()>& handler);

    // Asks the program to end. With no handler running it finishes at once;
    // otherwise the waits unwind first.
    void request_quit();
    // Asks the program to end from inside a handler and unwinds that handler now.
    [[noreturn]] void quit_now();

    // Asks to leave what is being played: every wait in progress unwinds, then
    // `ending` runs once, with no handler left running. With none running it runs at
    // once. A second request while one unwinds is the same request.
    void request_leave(std::function<void()> ending);
    // The same from inside a handler, which unwinds now (outside any handler the
    // ending has run already and this returns).
    void leave_now(std::function<void()> ending);

    bool quit_requested() const { return quit_requested_; }
    // Waits unwind and no handler runs: the program ends, or a match is being left.
    bool unwinding() const { return quit_requested_ || leaving_; }
    // For code that let the window system run on its own (a modal message box):
    // unwinds when a quit was requested meanwhile.
    void throw_if_quitting() const { check_quit(); }
    bool finished() const { return finished_; }

    // What the program saves when it ends; runs exactly once.
    void set_exit_save(std::function<void()> save) { exit_save_ = std::move(save); }

    // Called as each wait begins, with its name (tests script the user with it).
    void set_wait_observer(std::function<void(std::string_view)> observer) {
        wait_observer_ = std::move(observer);
    }

    int running_handlers() const { return handlers_; }
    int running_waits() const { return waits_; }

    Clock& clock() const { return clock_; }

private:
    void check_quit() const;
    void finish();
    // Once no handler runs any more: the program ends or the leave ends.
    void unwound();

    EventLoop& loop_;
    Clock& clock_;
    bool quit_requested_ = false;
    bool leaving_ = false;
    bool finished_ = false;
    std::function<void()> leave_ending_;
    int handlers_ = 0;
    int waits_ = 0;
    std::function<void()> exit_save_;
    std::function<void(std::string_view)> wait_observer_;
};

}  // namespace tavolora::platform
