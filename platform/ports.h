#pragma once

// What the program needs of the world, as small interfaces. The core calls only
// these; the windowed program gets them from platform/qt, the tests and the
// simulations from platform/headless.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavolora::platform {

// Microseconds of a monotonic clock (virtual time in the headless platform).
using Micros = std::int64_t;

inline constexpr Micros kMillisecond = 1000;

class Clock {
public:
    virtual ~Clock() = default;
    virtual Micros now() const = 0;
};

using TimerId = std::uint64_t;

// The event loop of the window system. Core code never calls it directly: it goes
// through Waits (platform/waits.h), which adds the quit request and the checks.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Lets the events that are due now run once (timers, input). Never blocks and
    // never advances time.
    virtual void process_pending() = 0;
    // Blocks until at least one event has run. `wait` names the wait that asks, so
    // that a wait that can never end is reported by its name.
    virtual void wait_for_more(std::string_view wait) = 0;
    // A wait begins (before its first `wait_for_more`).
    virtual void wait_began(std::string_view /*wait*/) {}
    // A timer whose `fire` runs on the event thread every `interval` (once when not
    // repeating) until stopped.
    virtual TimerId start_timer(Micros interval, bool repeating, std::function<void()> fire) = 0;
    virtual void stop_timer(TimerId id) = 0;
    // Wakes a blocked wait and closes a modal message, so that a quit request made
    // outside any handler can unwind the waits.
    virtual void interrupt() = 0;
    // Ends the outermost event loop: the program ends when it returns.
    virtual void exit_program() = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

class ImageProbe {
public:
    virtual ~ImageProbe() = default;
    // The size of the picture in the file, or nothing when it cannot be loaded.
    virtual std::optional<PixelSize> picture_size(const std::filesystem::path& file) const = 0;
};

class WindowMetrics {
public:
    virtual ~WindowMetrics() = default;
    virtual int twips_per_pixel_x() const = 0;
    virtual int twips_per_pixel_y() const = 0;
    // The usable area of the screen, in pixels.
    virtual PixelSize screen_size() const = 0;
};

// Where the shuffles take their seeds: the clock in the program; in tests a fixed
// seed plus the number of the hand, so that a match can be replayed card by card.
class SeedSource {
public:
    virtual ~SeedSource() = default;
    virtual std::uint64_t next_seed() = 0;
};

// What a message is, which its box shows by its icon: a result or an announcement
// (no icon), a warning, or an error (something could not be done).
enum class MessageKind { Plain, Warning, Error };

class Messages {
public:
    virtual ~Messages() = default;
    // A message box with an OK button and the icon of its kind; returns when the user
    // has closed it.
    virtual void show_message(std::string_view title, std::string_view text, MessageKind kind) = 0;
    // A message box with Yes and No buttons and the question's icon; true when the
    // user answered Yes. Closing the box any other way is a No.
    virtual bool ask_yes_no(std::string_view title, std::string_view text) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address or a "mailto:" address with the user's default program.
    virtual bool open_link(std::string_view address) = 0;
};

class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    // The folder that holds Users, Photos, Cards, Tables, Languages and Options, as a
    // host path without a trailing separator.
    virtual std::string program_folder() const = 0;
};

struct Ports {
    Clock& clock;
    EventLoop& loop;
    ImageProbe& images;
    WindowMetrics& metrics;
    SeedSource& seeds;
    Messages& messages;
    Shell& shell;
    ProgramFolder& folder;
};

}  // namespace tavolora::platform
