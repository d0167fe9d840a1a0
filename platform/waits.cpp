#include "platform/waits.h"

#include <utility>

namespace tavolora::platform {

namespace {
// Restores a counter when a scope ends, also by an exception.
class CountScope {
public:
    explicit CountScope(int& counter) : counter_(counter) { ++counter_; }
    ~CountScope() { --counter_; }
    CountScope(const CountScope&) = delete;
    CountScope& operator=(const CountScope&) = delete;

private:
    int& counter_;
};
}  // namespace

void Waits::check_quit() const {
    if (unwinding()) throw QuitRequested{};
}

void Waits::pump_once() {
    check_quit();
    {
        CountScope scope(waits_);
        loop_.process_pending();
    }
    check_quit();
}

void Waits::wait_until(std::string_view what, const std::function<bool()>& done) {
    check_quit();
    CountScope scope(waits_);
    loop_.wait_began(what);
    if (wait_observer_) wait_observer_(what);
    while (!done()) {
        loop_.wait_for_more(what);
        check_quit();
    }
}

void Waits::pause(Micros duration, std::string_view what) {
    if (duration <= 0) return;
    const Micros end = clock_.now() + duration;
    // A single-shot timer wakes the wait; the clock decides when it is over, so a
    // timer that fires early only arms another for the time left.
    bool fired = false;
    TimerId timer = loop_.start_timer(duration, false, [&fired] { fired = true; });
    struct StopTimer {
        EventLoop& loop;
        TimerId& id;
        ~StopTimer() { loop.stop_timer(id); }
    } stop{loop_, timer};
    wait_until(what, [&] {
        const Micros left = end - clock_.now();
        if (left <= 0) return true;
        if (fired) {
            fired = false;
            timer = loop_.start_timer(left, false, [&fired] { fired = true; });
        }
        return false;
    });
}

TimerId Waits::start_timer(Micros interval, bool repeating, std::function<void()> fire) {
    return loop_.start_timer(interval, repeating, [this, fire = std::move(fire)] { at_boundary(fire); });
}

void Waits::at_boundary(const std::function<void()>& handler) {
    if (unwinding()) return;
    {
        CountScope scope(handlers_);
        try {
            handler();
        } catch (const QuitRequested&) {
            // The waits below have unwound; nothing of the handler runs further.
        }
    }
    if (handlers_ == 0) unwound();
}

void Waits::unwound() {
    if (quit_requested_) {
        finish();
    } else if (leaving_) {
        leaving_ = false;
        const std::function<void()> ending = std::move(leave_ending_);
        leave_ending_ = nullptr;
        // The ending runs as a handler of its own: a quit asked meanwhile unwinds it.
        if (ending) at_boundary(ending);
    }
}

void Waits::request_quit() {
    if (finished_) return;
    quit_requested_ = true;
    loop_.interrupt();
    if (handlers_ == 0) finish();
}

void Waits::request_leave(std::function<void()> ending) {
    if (unwinding() || finished_) return;
    leaving_ = true;
    leave_ending_ = std::move(ending);
    loop_.interrupt();
    if (handlers_ == 0) unwound();
}

void Waits::leave_now(std::function<void()> ending) {
    request_leave(std::move(ending));
    check_quit();
}

void Waits::quit_now() {
    request_quit();
    throw QuitRequested{};
}

void Waits::finish() {
    if (finished_) return;
    finished_ = true;
    if (exit_save_) exit_save_();
    loop_.exit_program();
}

}  // namespace tavolora::platform
