#pragma once

// The platform without a window: a virtual clock, timers that fire in virtual time,
// and a scripted user. A wait advances virtual time to the next timer or scripted
// action until its condition holds; a wait that could never end fails, naming the
// wait, instead of hanging the test.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/ports.h"

namespace tavolora::platform::headless {

// A wait that can never end (no timer runs and the script has nothing left), or
// that has gone on for longer than any wait of the program can.
class StalledWait : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HeadlessPlatform final : public Clock,
                               public EventLoop,
                               public ImageProbe,
                               public WindowMetrics,
                               public SeedSource,
                               public Messages,
                               public Shell,
                               public ProgramFolder {
public:
    // `seed` is the first seed handed to the shuffles; each later one is one more,
    // so the k-th hand of a match shuffles with seed + k.
    explicit HeadlessPlatform(std::string program_folder = ".", std::uint64_t seed = 1);

    Ports ports();

    // Clock.
    Micros now() const override { return now_; }

    // Event loop.
    void process_pending() override;
    void wait_for_more(std::string_view wait) override;
    // A wait that begins is progress: the hang limit counts from there.
    void wait_began(std::string_view) override { note_action(); }
    TimerId start_timer(Micros interval, bool repeating, std::function<void()> fire) override;
    void stop_timer(TimerId id) override;
    void interrupt() override {}
    // The program has ended: nothing of it runs any more.
    void exit_program() override;

    // Has the program asked to end?
    bool ended() const { return ended_; }
    bool has_timers() const { return !timers_.empty(); }

    // The scripted user. An action runs on the event thread as the window system
    // would deliver it: `post` at the next processing of events, `at` when virtual
    // time reaches `time`, `when_idle` when a wait has nothing else to run.
    void post(std::function<void()> action);
    void at(Micros time, std::function<void()> action);
    void when_idle(std::function<void()> action);
    // Asked, when a wait has nothing else to run and no idle action is left, to act
    // for the user; returns whether it did.
    void set_idle_responder(std::function<bool(std::string_view wait)> responder) {
        idle_responder_ = std::move(responder);
    }
    // Runs posted actions, timers and timed actions outside any wait until none is
    // left (idle actions are not run).
    void settle();
    // The longest a wait may go on, with no user action and no new wait beginning,
    // before it counts as hanging.
    void set_hang_limit(Micros limit) { hang_limit_ = limit; }

    // Image probe: the size read from a BMP file's header.
    std::optional<PixelSize> picture_size(const std::filesystem::path& file) const override;

    // Window metrics: 15 twips to a pixel, on a 1920 x 1080 screen.
    int twips_per_pixel_x() const override { return 15; }
    int twips_per_pixel_y() const override { return 15; }
    PixelSize screen_size() const override { return {1920, 1080}; }

    // Seeds.
    std::uint64_t next_seed() override { return seed_++; }

    // Messages are recorded, and closed at once as if the user pressed OK.
    void show_message(std::string_view title, std::string_view text, MessageKind kind) override;
    struct Message {
        std::string title;
        std::string text;
        friend bool operator==(const Message&, const Message&) = default;
    };
    const std::vector<Message>& messages() const { return messages_; }
    // The kind of each message, in the same order.
    const std::vector<MessageKind>& message_kinds() const { return message_kinds_; }

    // Yes/No questions are recorded with the answer they got: the next scripted
    // answer, or the default answer when none is left (No unless set otherwise).
    bool ask_yes_no(std::string_view title, std::string_view text) override;
    void answer_next(bool yes) { answers_.push_back(yes); }
    void set_default_answer(bool yes) { default_answer_ = yes; }
    struct Question {
        std::string title;
        std::string text;
        bool answer = false;
        friend bool operator==(const Question&, const Question&) = default;
    };
    const std::vector<Question>& questions() const { return questions_; }

    // Links are recorded, never opened.
    bool open_link(std::string_view address) override;
    const std::vector<std::string>& opened_links() const { return links_; }

    std::string program_folder() const override { return folder_; }

private:
    // A place in time order: the due time, then the order of scheduling.
    using Slot = std::pair<Micros, std::uint64_t>;
    // A timer's handler, in a box of its own so that it stays where it is while it
    // runs: the handler may stop its own timer, or end the program.
    using Handler = std::unique_ptr<std::function<void()>>;
    struct Timer {
        TimerId id;
        Micros interval;
        bool repeating;
        Handler fire;
        Slot slot;
    };

    // Puts the timer at its slot's place in the queue, counting back from `from`.
    void place(std::size_t from);
    // The handler of a timer taken out of the queue: let go now, or, while it runs,
    // once it has returned. Its box is kept for the next timer started.
    void retire(Handler handler);
    // A handler has returned.
    void finished_running();
    bool run_posted();
    // Runs the first timer or timed action that comes before `horizon`, if any.
    bool run_one_due(Slot horizon);
    Slot due_now() const { return {now_ + 1, 0}; }
    Micros next_event_time() const;
    void advance_to(Micros time, std::string_view wait);
    void note_action() { last_action_ = now_; }

    Micros now_ = 0;
    Micros last_action_ = 0;
    Micros hang_limit_ = 3600 * 1000 * kMillisecond;
    std::uint64_t sequence_ = 0;
    TimerId next_timer_ = 1;
    // The running timers in time order, the next due first. A handful run at a time
    // (the flight ticker, a pause, a screen's timer), and one starts with every flight
    // batch, so a short vector serves better than a tree and a hash.
    std::vector<Timer> timers_;
    // A flight batch starts a timer and a pause another: their boxes are reused.
    std::vector<Handler> spare_;
    std::vector<const std::function<void()>*> running_;  // outermost first
    std::vector<Handler> retired_while_running_;
    std::deque<std::function<void()>> posted_;
    std::multimap<Slot, std::function<void()>> timed_;
    std::deque<std::function<void()>> idle_;
    std::function<bool(std::string_view)> idle_responder_;
    bool ended_ = false;
    std::uint64_t seed_;
    std::string folder_;
    std::vector<Message> messages_;
    std::vector<MessageKind> message_kinds_;
    std::deque<bool> answers_;
    bool default_answer_ = false;
    std::vector<Question> questions_;
    std::vector<std::string> links_;
};

}  // namespace tavolora::platform::headless
