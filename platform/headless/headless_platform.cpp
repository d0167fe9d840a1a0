#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <limits>

#include "storage/bmp.h"

namespace tavolora::platform::headless {

namespace {
constexpr Micros kNever = std::numeric_limits<Micros>::max();
}

HeadlessPlatform::HeadlessPlatform(std::string program_folder, std::uint64_t seed)
    : seed_(seed), folder_(std::move(program_folder)) {}

Ports HeadlessPlatform::ports() {
    return Ports{*this, *this, *this, *this, *this, *this, *this, *this};
}

TimerId HeadlessPlatform::start_timer(Micros interval, bool repeating, std::function<void()> fire) {
    const TimerId id = next_timer_++;
    // A repeating timer always moves time on, so it can never spin in place.
    const Micros step = std::max<Micros>(interval, repeating ? 1 : 0);
    Handler box;
    if (spare_.empty()) {
        box = std::make_unique<std::function<void()>>(std::move(fire));
    } else {
        box = std::move(spare_.back());
        spare_.pop_back();
        *box = std::move(fire);
    }
    timers_.push_back(Timer{id, step, repeating, std::move(box), Slot{now_ + step, sequence_++}});
    place(timers_.size() - 1);
    return id;
}

void HeadlessPlatform::place(std::size_t from) {
    // Every other timer is in order already: the moved one steps back past the later ones.
    for (std::size_t k = from; k > 0 && timers_[k].slot < timers_[k - 1].slot; --k) std::swap(timers_[k], timers_[k - 1]);
}

void HeadlessPlatform::stop_timer(TimerId id) {
    const auto it = std::find_if(timers_.begin(), timers_.end(), [id](const Timer& t) { return t.id == id; });
    if (it == timers_.end()) return;
    Handler handler = std::move(it->fire);
    timers_.erase(it);
    retire(std::move(handler));
}

void HeadlessPlatform::retire(Handler handler) {
    if (std::find(running_.begin(), running_.end(), handler.get()) != running_.end()) {
        retired_while_running_.push_back(std::move(handler));
        return;
    }
    *handler = nullptr;  // what the handler holds goes with its timer
    spare_.push_back(std::move(handler));
}

void HeadlessPlatform::finished_running() {
    const std::function<void()>* done = running_.back();
    running_.pop_back();
    // A handler that runs again further out stays.
    if (std::find(running_.begin(), running_.end(), done) != running_.end()) return;
    const auto it = std::find_if(retired_while_running_.begin(), retired_while_running_.end(),
                                 [done](const Handler& h) { return h.get() == done; });
    if (it == retired_while_running_.end()) return;
    Handler handler = std::move(*it);
    retired_while_running_.erase(it);
    retire(std::move(handler));
}

bool HeadlessPlatform::run_posted() {
    if (posted_.empty()) return false;
    // Only what was posted before this pass runs in it, as in a window system.
    for (auto count = posted_.size(); count > 0 && !posted_.empty(); --count) {
        auto action = std::move(posted_.front());
        posted_.pop_front();
        note_action();
        action();
    }
    return true;
}

bool HeadlessPlatform::run_one_due(Slot horizon) {
    const auto timed_it = timed_.begin();
    const bool timer_due = !timers_.empty() && timers_.front().slot < horizon;
    const bool timed_due = timed_it != timed_.end() && timed_it->first < horizon;
    if (!timer_due && !timed_due) return false;

    // Of a timer and a scripted action due together, the one scheduled first runs.
    if (timer_due && (!timed_due || timers_.front().slot < timed_it->first)) {
        Timer& timer = timers_.front();
        std::function<void()>* const fire = timer.fire.get();
        running_.push_back(fire);  // the handler may stop its own timer
        struct Running {
            HeadlessPlatform& platform;
            ~Running() { platform.finished_running(); }
        } running{*this};
        if (timer.repeating) {
            // A repeating timer takes its place in the queue again.
            timer.slot = {timer.slot.first + timer.interval, sequence_++};
            std::rotate(timers_.begin(), timers_.begin() + 1, timers_.end());
            place(timers_.size() - 1);
        } else {
            Handler handler = std::move(timer.fire);
            timers_.erase(timers_.begin());
            retire(std::move(handler));
        }
        (*fire)();
    } else {
        auto action = std::move(timed_it->second);
        timed_.erase(timed_it);
        note_action();
        action();
    }
    return true;
}

void HeadlessPlatform::process_pending() {
    run_posted();
    // What is due now and was scheduled before this pass runs once; a timer that a
    // handler starts or re-arms now waits for the next pass.
    const Slot horizon{now_, sequence_};
    while (run_one_due(horizon)) {
    }
}

Micros HeadlessPlatform::next_event_time() const {
    Micros next = kNever;
    if (!timers_.empty()) next = timers_.front().slot.first;
    if (!timed_.empty()) next = std::min(next, timed_.begin()->first.first);
    return next;
}

void HeadlessPlatform::advance_to(Micros time, std::string_view wait) {
    if (time - last_action_ > hang_limit_) {
        throw StalledWait("the wait '" + std::string(wait) +
                          "' goes on past the time any wait may take: it is hanging");
    }
    now_ = std::max(now_, time);
}

void HeadlessPlatform::wait_for_more(std::string_view wait) {
    if (run_posted()) return;
    if (run_one_due(due_now())) return;
    if (const Micros next = next_event_time(); next != kNever) {
        advance_to(next, wait);
        run_one_due(due_now());
        return;
    }
    if (!idle_.empty()) {
        auto action = std::move(idle_.front());
        idle_.pop_front();
        note_action();
        action();
        return;
    }
    if (idle_responder_ && idle_responder_(wait)) {
        note_action();
        return;
    }
    throw StalledWait("the wait '" + std::string(wait) +
                      "' can never end: no timer runs and the script has nothing left to do");
}

void HeadlessPlatform::exit_program() {
    ended_ = true;
    for (Timer& timer : timers_) retire(std::move(timer.fire));
    timers_.clear();
    posted_.clear();
    timed_.clear();
    idle_.clear();
}

void HeadlessPlatform::post(std::function<void()> action) {
    posted_.push_back(std::move(action));
}

void HeadlessPlatform::at(Micros time, std::function<void()> action) {
    timed_.emplace(std::make_pair(time, sequence_++), std::move(action));
}

void HeadlessPlatform::when_idle(std::function<void()> action) {
    idle_.push_back(std::move(action));
}

void HeadlessPlatform::settle() {
    for (;;) {
        if (run_posted()) continue;
        if (run_one_due(due_now())) continue;
        const Micros next = next_event_time();
        if (next == kNever) return;
        advance_to(next, "(no wait: settling)");
    }
}

std::optional<PixelSize> HeadlessPlatform::picture_size(const std::filesystem::path& file) const {
    return storage::bmp_file_size(file);
}

void HeadlessPlatform::show_message(std::string_view title, std::string_view text, MessageKind kind) {
    messages_.push_back({std::string(title), std::string(text)});
    message_kinds_.push_back(kind);
}

bool HeadlessPlatform::ask_yes_no(std::string_view title, std::string_view text) {
    bool answer = default_answer_;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    questions_.push_back({std::string(title), std::string(text), answer});
    return answer;
}

bool HeadlessPlatform::open_link(std::string_view address) {
    links_.emplace_back(address);
    return true;
}

}  // namespace tavolora::platform::headless
