#include "table/qt/main_window.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "platform/qt/qt_platform.h"
#include "platform/waits.h"
#include "screens/screen_host.h"
#include "storage/host_path.h"
#include "storage/icons.h"
#include "table/input_dispatcher.h"
#include "table/master_events.h"
#include "table/master_window.h"
#include "table/qt/table_view.h"

namespace tavolora::table::qt {

namespace {
// The client area reports its size to the window, which tells the program.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, std::function<void()> resized)
        : QWidget(parent), resized_(std::move(resized)) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        resized_();
    }

private:
    std::function<void()> resized_;
};

// The window icon, drawn for each size in the program's Icons folder.
QIcon program_icon(const std::string& program_folder) {
    QIcon icon;
    for (const storage::icons::IconFile& file : storage::icons::kProgramma) {
        const std::string path = storage::icons::path(program_folder, file);
        icon.addFile(QString::fromStdString(storage::host_path(path).string()),
                     QSize(file.width, file.height));
    }
    return icon;
}

Twips twips_of(const platform::WindowMetrics& metrics) {
    return Twips{metrics.twips_per_pixel_x(), metrics.twips_per_pixel_y()};
}
}  // namespace

F_01_Master::F_01_Master(MasterContext context, platform::qt::QtPlatform& platform)
    : master_(context.master),
      events_(context.events),
      input_(context.input),
      waits_(context.waits),
      metrics_(context.metrics),
      platform_(platform) {
    setObjectName(QStringLiteral("F_01_Master"));
    setWindowIcon(program_icon(platform_.program_folder()));
    client_ = new ClientArea(this, [this] { schedule_size_report(); });
    setCentralWidget(client_);
    table_ = new TableView(master_, input_, twips_of(metrics_), host_, client_);
    table_->set_after_input([this] { sync(); });
    screens_ = std::make_unique<screens::ScreenHost>(
        master_.screens, context.setup,
        screens::ScreenContext{input_, host_, platform_.program_folder(), twips_of(metrics_),
                               [this] { sync(); }},
        client_);
    build_menu();
    resize(kStartWidthPixels, kStartHeightPixels);
    keep_within_largest_side();

    // The window shows the table data whenever the program lets events run: before
    // each pump of a wait, and whenever the event loop is about to sleep.
    platform_.set_before_events([this] { sync(); });
    about_to_block_ = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                              this, [this] { sync(); });
    platform_.set_message_parent(this);
}

F_01_Master::~F_01_Master() {
    disconnect(about_to_block_);
    platform_.set_before_events({});
    platform_.set_message_parent(nullptr);
    // The controls on the table use the host until they go: they go first.
    delete client_;
    client_ = nullptr;
    table_ = nullptr;
    screens_.reset();
}

void F_01_Master::build_menu() {
    MasterWindow& w = master_;
    QMenuBar* bar = menuBar();
    const auto add = [this](ControlId id, QAction* action) {
        menu_.push_back({id, action});
        connect(action, &QAction::triggered, this, [this, id] {
            platform::qt::guarded([&] { input_.deliver({id}, InputEvent::Click); });
        });
    };
    QMenu* nuova = bar->addMenu(QString::fromStdString(w.Q_N.Caption));
    menu_.push_back({ControlId::Q_N, nuova->menuAction()});
    for (const Control* item : {&w.Q_N_Singola, &w.Q_N_Partite, &w.Q_N_Punteggio, &w.Q_N_151}) {
        add(item->key.id, nuova->addAction(QString::fromStdString(item->Caption)));
    }
    for (const Control* title : {&w.Q_U, &w.Q_Gi, &w.Q_O, &w.Q_G, &w.Q_H, &w.Q_C, &w.Q_E}) {
        add(title->key.id, bar->addAction(QString::fromStdString(title->Caption)));
    }
    sync_menu();
}

void F_01_Master::sync_menu() {
    bool any_title = false;
    for (const MenuItem& item : menu_) {
        const Control* control = master_.find({item.id});
        if (control == nullptr) continue;
        if (item.action->isVisible() != control->Visible) item.action->setVisible(control->Visible);
        if (item.action->isEnabled() != control->Enabled) item.action->setEnabled(control->Enabled);
        if (control->container == nullptr && control->Visible) any_title = true;
    }
    // With every title hidden the window shows no menu bar at all.
    if (menuBar()->isHidden() == any_title) menuBar()->setHidden(!any_title);
}

void F_01_Master::sync() {
    // A control this sync shows may take the mouse at once, when the pointer lies
    // where it appears, and its handler asks for a sync: that one runs once this one
    // is done, so that every sync stacks the table's controls first and the screens
    // shown after them on top, never a part of one inside the other.
    if (syncing_) {
        sync_again_ = true;
        return;
    }
    syncing_ = true;
    for (int pass = 0; pass < 2; ++pass) {
        sync_again_ = false;
        const QString title = QString::fromStdString(master_.form.Caption);
        if (windowTitle() != title) setWindowTitle(title);
        sync_menu();
        table_->sync();
        screens_->sync();
        if (!sync_again_) break;
    }
    syncing_ = false;
    // A request that came during the second pass too is not lost: it runs from the
    // event loop, so that a handler that keeps asking can never hold the window here.
    if (sync_again_) {
        sync_again_ = false;
        QTimer::singleShot(0, this, [this] { sync(); });
    }
}

void F_01_Master::keep_within_largest_side() {
    // Layout points are 16-bit twips: the outer window never passes 2184 pixels.
    const QSize frame = frameGeometry().size() - geometry().size();
    setMaximumSize(QSize(kLargestSidePixels, kLargestSidePixels) - frame);
}

void F_01_Master::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    keep_within_largest_side();
    schedule_size_report();
}

void F_01_Master::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    keep_within_largest_side();
}

void F_01_Master::schedule_size_report() {
    // The size goes to the program as an event of its own, as a window system's
    // resize does, also inside the waits of a hand.
    if (size_report_pending_) return;
    size_report_pending_ = true;
    QTimer::singleShot(0, this, [this] { report_size(); });
}

void F_01_Master::report_size() {
    size_report_pending_ = false;
    const int tx = metrics_.twips_per_pixel_x();
    const int ty = metrics_.twips_per_pixel_y();
    const QSize outer = frameGeometry().size();
    const QSize client = client_->size();
    platform::qt::guarded([&] {
        waits_.at_boundary([&] {
            events_.window_resized(
                static_cast<float>(outer.width() * tx), static_cast<float>(outer.height() * ty),
                static_cast<float>(client.width() * tx), static_cast<float>(client.height() * ty));
        });
    });
    // The table laid out for the new size shows at once.
    sync();
}

void F_01_Master::closeEvent(QCloseEvent* event) {
    // Closing asks the program to end: the waits unwind, the exit-time save runs
    // once, and the event loop ends.
    event->ignore();
    platform::qt::guarded([this] { waits_.request_quit(); });
}

}  // namespace tavolora::table::qt
