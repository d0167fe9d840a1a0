#include "platform/qt/qt_platform.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QImageReader>
#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <exception>

#include "core/fatal.h"

namespace tavolora::platform::qt {

void guarded(const std::function<void()>& code) noexcept {
    try {
        code();
    } catch (const std::exception& error) {
        fatal(std::string("an exception reached the window system: ") + error.what());
    } catch (...) {
        fatal("an exception reached the window system");
    }
}

QtPlatform::QtPlatform(std::string program_folder) : folder_(std::move(program_folder)) {
    clock_.start();
    if (folder_.empty()) folder_ = QCoreApplication::applicationDirPath().toStdString();
}

QtPlatform::~QtPlatform() {
    for (auto& [id, timer] : timers_) delete timer.timer;
    for (QTimer* timer : spare_) delete timer;
}

Ports QtPlatform::ports() {
    return Ports{*this, *this, *this, *this, *this, *this, *this, *this};
}

void QtPlatform::process_pending() {
    if (before_events_) before_events_();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtPlatform::wait_for_more(std::string_view) {
    if (before_events_) before_events_();
    // Blocks in the window system until an event comes: no CPU while idle.
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

TimerId QtPlatform::start_timer(Micros interval, bool repeating, std::function<void()> fire) {
    QTimer* timer = nullptr;
    if (spare_.empty()) {
        timer = new QTimer();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, this, [this, timer] { on_timeout(timer); });
    } else {
        timer = spare_.back();
        spare_.pop_back();
    }
    const TimerId id = next_id_++;
    timers_.emplace(id, Timer{timer, std::move(fire)});
    ids_[timer] = id;
    timer->setSingleShot(!repeating);
    // Whole milliseconds, rounded up: a timer never ends a pause early.
    timer->start(static_cast<int>((interval + kMillisecond - 1) / kMillisecond));
    return id;
}

void QtPlatform::stop_timer(TimerId id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    QTimer* timer = it->second.timer;
    timer->stop();
    ids_.erase(timer);
    timers_.erase(it);
    spare_.push_back(timer);
}

void QtPlatform::on_timeout(QTimer* timer) {
    const auto id_it = ids_.find(timer);
    if (id_it == ids_.end()) return;
    const TimerId id = id_it->second;
    auto fire = timers_.at(id).fire;  // the handler may stop its own timer
    if (!timer->isSingleShot()) {
        guarded(fire);
        return;
    }
    stop_timer(id);
    guarded(fire);
}

void QtPlatform::interrupt() {
    if (open_message_) open_message_->reject();
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void QtPlatform::exit_program() {
    exit_requested_ = true;
    QCoreApplication::exit(0);
}

std::optional<PixelSize> QtPlatform::picture_size(const std::filesystem::path& file) const {
    QImageReader reader(QString::fromStdString(file.string()));
    const QSize size = reader.size();
    if (!size.isValid()) return std::nullopt;
    return PixelSize{size.width(), size.height()};
}

PixelSize QtPlatform::screen_size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {1024, 768};
    const QSize size = screen->availableSize();
    return {size.width(), size.height()};
}

std::uint64_t QtPlatform::next_seed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void QtPlatform::show_message(std::string_view title, std::string_view text, MessageKind kind) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (kind == MessageKind::Warning) icon = QMessageBox::Warning;
    if (kind == MessageKind::Error) icon = QMessageBox::Critical;
    QMessageBox box(icon, QString::fromUtf8(title.data(), static_cast<int>(title.size())),
                    QString::fromUtf8(text.data(), static_cast<int>(text.size())), QMessageBox::Ok,
                    message_parent_);
    open_message_ = &box;
    box.exec();
    open_message_ = nullptr;
}

bool QtPlatform::ask_yes_no(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(title.data(), static_cast<int>(title.size())),
                    QString::fromUtf8(text.data(), static_cast<int>(text.size())),
                    QMessageBox::Yes | QMessageBox::No, message_parent_);
    // The program speaks Italian.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    open_message_ = &box;
    box.exec();
    open_message_ = nullptr;
    // A box closed from outside (the end of the program) answers nothing: No.
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

bool QtPlatform::open_link(std::string_view address) {
    return QDesktopServices::openUrl(
        QUrl(QString::fromUtf8(address.data(), static_cast<int>(address.size()))));
}

}  // namespace tavolora::platform::qt
