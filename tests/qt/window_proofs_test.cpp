// The window and the Qt ports against the headless runs: the same journals, the
// same table data, through real Qt events, timers and widgets.

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest>

#include <ctime>
#include <memory>

#include "controls/button/theme_button.h"
#include "app/master_context.h"
#include "platform/qt/qt_platform.h"
#include "program/program.h"
#include "table/qt/main_window.h"
#include "table/qt/table_view.h"
#include "tests/support/headless_program.h"
#include "tests/support/scenarios.h"

namespace {

using namespace tavolora;
using table::ControlId;
using table::ControlKey;

// Counts the exceptions that reach Qt's event dispatch: there must be none.
class CheckedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            ++escaped;
            return false;
        }
    }
    int escaped = 0;
};

CheckedApplication* application() {
    return static_cast<CheckedApplication*>(QCoreApplication::instance());
}

struct Windowed {
    platform::qt::QtPlatform platform{TAVOLORA_PROGRAM_DIR};
    Program program{platform.ports()};
    table::qt::F_01_Master window{app::master_context(program), platform};

    Windowed() {
        program.waits.at_boundary([this] { program.master_events.start_up(); });
        window.sync();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the window was not exposed");
    }
};

void post_click_at(QWidget* widget, QPoint point) {
    const QPointF local(point);
    const QPointF global(widget->mapToGlobal(point));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, local, global,
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, local, global,
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// The user at the window: clicks and the close button are Qt events posted to the
// widgets, delivered when the program next lets events run.
class QtUser : public testing::QueuedUser {
public:
    explicit QtUser(Windowed& windowed) : w_(windowed) {}
    void post_click(ControlKey key) override {
        QWidget* widget = w_.window.table().widgets().widget(key);
        QVERIFY2(widget != nullptr, "the control has no widget on screen");
        post_click_at(widget, widget->rect().center());
    }
    void post_close() override { QCoreApplication::postEvent(&w_.window, new QCloseEvent()); }

private:
    Windowed& w_;
};

// Runs `scenario` inside the application's event loop, as the program runs, and
// returns the loop's exit code.
int run_in_event_loop(const std::function<void()>& scenario) {
    QTimer::singleShot(0, [scenario] { scenario(); });
    return QApplication::exec();
}

}  // namespace

class WindowProofs : public QObject {
    Q_OBJECT

private slots:
    void opensTitledWithoutMenuBarWithinTheLargestSide() {
        Windowed w;
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Tavolora V 1.4 [ Brevanto ]"));
        QCOMPARE(w.window.size(), QSize(1024, 768));
        QVERIFY(!w.window.menuBar()->isVisible());
        // The program's icon, drawn for each size a window system asks for.
        const QList<QSize> sizes = w.window.windowIcon().availableSizes();
        for (int side : {16, 32, 48, 64, 128}) QVERIFY2(sizes.contains(QSize(side, side)), "an icon size is missing");
        QVERIFY(w.window.maximumWidth() <= 2184);
        QVERIFY(w.window.maximumHeight() <= 2184);
        w.window.resize(3000, 3000);
        QVERIFY(w.window.frameGeometry().width() <= 2184);
        QVERIFY(w.window.frameGeometry().height() <= 2184);
        // The program learns the client area's size, in twips.
        QTRY_COMPARE(w.program.master.form.ScaleWidth,
                     static_cast<float>(w.window.client_area().width() * 15));
        QCOMPARE(w.program.master.PIC_Tavolo.Width, w.program.master.form.ScaleWidth);
        QVERIFY(!w.window.table().isVisible());
    }

    void nestedWaitsGiveTheHeadlessJournal() {
        Windowed w;
        QtUser user(w);
        testing::Journal journal;
        int saves = 0;
        w.program.waits.set_exit_save([&saves] { ++saves; });
        QElapsedTimer elapsed;
        elapsed.start();
        const int code = run_in_event_loop([&] {
            testing::run_nested_waits(w.program, user, false, journal);
            QCoreApplication::exit(0);
        });
        QCOMPARE(code, 0);
        QCOMPARE(journal, testing::expected_nested_waits());
        QVERIFY(elapsed.elapsed() >= 240);
        QCOMPARE(saves, 0);
        QCOMPARE(application()->escaped, 0);
    }

    void aQuitInsideTheNestedWaitsEndsTheProgramAfterOneSave() {
        Windowed w;
        QtUser user(w);
        testing::Journal journal;
        int saves = 0;
        w.program.waits.set_exit_save([&saves] { ++saves; });
        const int code =
            run_in_event_loop([&] { testing::run_nested_waits(w.program, user, true, journal); });
        QCOMPARE(code, 0);
        QVERIFY(w.platform.exit_requested());
        QCOMPARE(journal, (testing::Journal{"pausa: inizio", "attesa continua: inizio", "voli: inizio"}));
        QCOMPARE(saves, 1);
        QCOMPARE(w.program.waits.running_waits(), 0);
        QCOMPARE(application()->escaped, 0);
        // Nothing of the game runs after the request.
        w.program.master.CMD_M_Continua.Enabled = true;
        QVERIFY(!w.program.input.click({ControlId::CMD_M_Continua}));
        QTest::qWait(100);
        QCOMPARE(journal.size(), static_cast<std::size_t>(3));
    }

    void aQuitWhileAMessageIsOpenClosesItAndEndsTheProgram() {
        Windowed w;
        int saves = 0;
        bool after_message = false;
        w.program.waits.set_exit_save([&saves] { ++saves; });
        const int code = run_in_event_loop([&] {
            w.program.waits.at_boundary([&] {
                QTimer::singleShot(50, [&w] { QCoreApplication::postEvent(&w.window, new QCloseEvent()); });
                w.program.show_message("Fine Partita", "Ha vinto Anna");
                after_message = true;
            });
        });
        QCOMPARE(code, 0);
        QVERIFY(!after_message);
        QCOMPARE(saves, 1);
        QCOMPARE(application()->escaped, 0);
    }

    void aClickQueuedOnACardDisabledMeanwhileDoesNothing() {
        Windowed w;
        table::MasterWindow& data = w.program.master;
        data.PIC_Tavolo.Visible = true;
        data.PIC_Tavolo.Height = 8000;
        data.P.Load(1);
        table::LoadPicture(data.P(1), testing::face_path(TAVOLORA_PROGRAM_DIR, 3, 1), w.program.pictures);
        data.P(1).Left = 4000;
        data.P(1).Top = 3000;
        data.P(1).Visible = true;
        data.P(1).Enabled = true;
        QVERIFY(data.P(1).Width > 0);
        int clicks = 0;
        w.program.input.on(ControlId::P, table::InputEvent::Click,
                           [&clicks](ControlKey key, const table::MouseArgs&) { clicks += key.index; });
        // Only the way a click comes in is under test, not what the game does on a press.
        for (auto event : {table::InputEvent::MouseDown, table::InputEvent::MouseUp}) {
            w.program.input.on(ControlId::P, event, [](ControlKey, const table::MouseArgs&) {});
        }
        w.window.sync();
        table::qt::TableView& view = w.window.table();
        const QPoint card = view.picture_rect({ControlId::P, 1}).center();
        QCOMPARE(view.control_at(card), (ControlKey{ControlId::P, 1}));

        post_click_at(&view, card);
        data.P(1).Enabled = false;  // disabled after the click was queued
        QTest::qWait(50);
        QCOMPARE(clicks, 0);

        data.P(1).Enabled = true;
        post_click_at(&view, card);
        QTRY_COMPARE(clicks, 1);
    }

    void aHeldSpaceKeyOnATableButtonEntersItsPlayOnce() {
        // The table's buttons are the program's own: their clicks, the Space key's
        // too, go through the dispatcher, which lets no play start inside another.
        Windowed w;
        table::MasterWindow& data = w.program.master;
        data.PIC_Tavolo.Visible = true;
        data.PIC_Tavolo.Height = 8000;
        data.CMD_M_Briscola.Visible = true;
        data.CMD_M_Briscola.Enabled = true;
        w.window.sync();
        QWidget* button = w.window.table().widgets().widget({ControlId::CMD_M_Briscola});
        QVERIFY(qobject_cast<controls::ThemeButton*>(button) != nullptr);
        const auto press_space = [button](bool repeated) {
            QCoreApplication::postEvent(button, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier,
                                                              QStringLiteral(" "), repeated));
        };
        int entered = 0;
        int ended = 0;
        w.program.input.on(
            ControlId::CMD_M_Briscola, table::InputEvent::Click,
            [&](ControlKey, const table::MouseArgs&) {
                ++entered;
                // The key is held down: its press comes again and again while the play runs.
                for (int ms : {10, 30, 50, 70, 90}) QTimer::singleShot(ms, [&] { press_space(true); });
                bool over = false;
                QTimer::singleShot(150, [&over] { over = true; });
                w.program.waits.wait_until("gioco", [&over] { return over; });
                ++ended;
            },
            table::HandlerKind::Play);
        button->setFocus();
        press_space(false);
        QTRY_COMPARE(ended, 1);
        QTest::qWait(50);
        QCOMPARE(entered, 1);
        QCOMPARE(application()->escaped, 0);
    }

    void seededFlightsLeaveTheTableAsTheHeadlessRunDoes() {
        Windowed w;
        QTRY_VERIFY(w.program.master.form.ScaleWidth ==
                    static_cast<float>(w.window.client_area().width() * 15));
        // The headless window has the size the real one reported.
        testing::HeadlessProgram headless(TAVOLORA_PROGRAM_DIR);
        headless.program.master_events.start_up();
        const table::FormGeometry& form = w.program.master.form;
        headless.program.master_events.window_resized(form.Width, form.Height, form.ScaleWidth,
                                                      form.ScaleHeight);

        const testing::Journal expected = testing::run_seeded_flights(headless.program, 11, 5);
        const testing::Journal journal = testing::run_seeded_flights(w.program, 11, 5);
        QCOMPARE(journal.size(), expected.size());
        for (std::size_t i = 0; i < journal.size(); ++i) {
            // Compared line by line, so that a failure shows the control that differs.
            const QStringList got = QString::fromStdString(journal[i]).split('\n');
            const QStringList want = QString::fromStdString(expected[i]).split('\n');
            QCOMPARE(got.size(), want.size());
            for (qsizetype line = 0; line < got.size(); ++line) QCOMPARE(got[line], want[line]);
        }
        // The pictures were found: the copies took the cards' size.
        QVERIFY(w.program.master.P_A.member_slot(1).Width == 72 * 15);
    }

    void aTimedPauseNeverEndsEarly() {
        Windowed w;
        for (std::int16_t units : {1, 3, 8}) {
            w.program.settings.Tempi_Animazione(5) = units;
            QElapsedTimer elapsed;
            elapsed.start();
            w.program.waits.at_boundary([&] { w.program.animation.Attendi_Pausa_Movimento_5(); });
            QVERIFY2(elapsed.nsecsElapsed() >= units * 30'000'000LL, qPrintable(QString::number(units)));
        }
    }

    void aWaitForThePlayerSleepsInTheEventLoop() {
        // A busy wait would burn the whole 300 ms of CPU; the event loop sleeps.
        Windowed w;
        bool done = false;
        QTimer::singleShot(300, [&done] { done = true; });
        const std::clock_t start = std::clock();
        w.program.waits.at_boundary(
            [&] { w.program.waits.wait_until("giocatore", [&done] { return done; }); });
        const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        QVERIFY2(cpu_ms < 100, qPrintable(QStringLiteral("%1 ms of CPU").arg(cpu_ms)));
    }
};

int main(int argc, char** argv) {
    CheckedApplication app(argc, argv);
    WindowProofs proofs;
    return QTest::qExec(&proofs, argc, argv);
}

#include "window_proofs_test.moc"
