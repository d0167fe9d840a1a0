#pragma once

// The platform on Qt: waits run the Qt event loop (blocking while there is nothing
// to do, so the program uses no CPU while it waits for the player), timers are
// precise QTimers, messages are message boxes.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ports.h"

class QMessageBox;
class QTimer;
class QWidget;

namespace tavolora::platform::qt {

class QtPlatform final : public QObject,
                         public Clock,
                         public EventLoop,
                         public ImageProbe,
                         public WindowMetrics,
                         public SeedSource,
                         public Messages,
                         public Shell,
                         public ProgramFolder {
public:
    // The program folder is the executable's unless one is given. Needs a
    // QApplication.
    explicit QtPlatform(std::string program_folder = {});
    ~QtPlatform() override;

    Ports ports();

    Micros now() const override { return clock_.nsecsElapsed() / 1000; }

    void process_pending() override;
    void wait_for_more(std::string_view wait) override;
    TimerId start_timer(Micros interval, bool repeating, std::function<void()> fire) override;
    void stop_timer(TimerId id) override;
    void interrupt() override;
    void exit_program() override;
    bool exit_requested() const { return exit_requested_; }

    // Runs before the pending events are let through, so the window shows the
    // table's latest state at every pump.
    void set_before_events(std::function<void()> hook) { before_events_ = std::move(hook); }

    std::optional<PixelSize> picture_size(const std::filesystem::path& file) const override;

    int twips_per_pixel_x() const override { return 15; }
    int twips_per_pixel_y() const override { return 15; }
    PixelSize screen_size() const override;

    std::uint64_t next_seed() override;

    // Message boxes open over this window.
    void set_message_parent(QWidget* parent) { message_parent_ = parent; }
    void show_message(std::string_view title, std::string_view text, MessageKind kind) override;
    bool ask_yes_no(std::string_view title, std::string_view text) override;

    bool open_link(std::string_view address) override;

    std::string program_folder() const override { return folder_; }

private:
    struct Timer {
        QTimer* timer;
        std::function<void()> fire;
    };
    void on_timeout(QTimer* timer);

    QElapsedTimer clock_;
    std::string folder_;
    TimerId next_id_ = 1;
    std::unordered_map<TimerId, Timer> timers_;
    std::unordered_map<QTimer*, TimerId> ids_;
    std::vector<QTimer*> spare_;
    std::function<void()> before_events_;
    QPointer<QWidget> message_parent_;
    QPointer<QMessageBox> open_message_;
    bool exit_requested_ = false;
};

// Runs code that the window system called, so that no exception crosses Qt's event
// dispatch: the waits' quit request is caught by the core at its boundary, and
// anything else is a programmer's error that stops the program with its message.
void guarded(const std::function<void()>& code) noexcept;

}  // namespace tavolora::platform::qt
