// The whole program under random input: clicks with every button, presses, drags,
// moves and keys anywhere in the window, over every screen, mixed with a player's
// purposeful moves (choosing a game, starting a match, playing a legal card,
// answering the table's waits) so that whole matches of every game are played
// through it. After every input: no card lost or doubled, no seat played twice in a
// trick, no play inside another, no wait that has stopped moving, and the program
// still answers. Seeded: TAVOLORA_RANDOM_SEED picks the seed (the time's when
// unset, printed), TAVOLORA_RANDOM_SECONDS the length (30 s).

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QtTest>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <string>

#include "core/games.h"
#include "screens/f_011_menu.h"
#include "screens/f_040_partita.h"
#include "screens/screen_host.h"
#include "table/qt/table_view.h"
#include "tests/qt/running_program.h"
#include "tests/support/card_checks.h"

namespace {

using namespace tavolora;
using table::ControlId;
using table::Screen;

std::uint64_t seed_from_environment() {
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("TAVOLORA_RANDOM_SEED").toULongLong(&ok);
    return ok ? seed : static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

int seconds_from_environment() {
    bool ok = false;
    const int seconds = qEnvironmentVariable("TAVOLORA_RANDOM_SECONDS").toInt(&ok);
    return ok && seconds > 0 ? seconds : 30;
}

// Whether `widget` lies inside one named `name`.
bool inside(const QWidget* widget, const char* name) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String(name)) return true;
    }
    return false;
}

class Monkey {
public:
    Monkey(tavolora::testing::RunningProgram& run, std::uint64_t seed) : run_(run), random_(seed) {}

    // One input a tick, each from a single-shot of its own: the program's waits run
    // inside the inputs that start plays, and the next inputs come inside them.
    void start() {
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            check();
            if (depth_ > 3 || failed()) return;
            QTimer::singleShot(0, [this] {
                ++depth_;
                act();
                --depth_;
                ++inputs_;
                check();
            });
        });
        ticker_.start(3);
        moving_.start();
    }
    void stop() { ticker_.stop(); }

    bool failed() const { return !fault_.isEmpty(); }
    const QString& fault() const { return fault_; }
    int inputs() const { return inputs_; }
    int matches() const { return matches_; }
    // How often each screen came up.
    int screen_openings(Screen s) const { return screens_[static_cast<std::size_t>(s)]; }
    // The hands played out, by game code.
    const std::array<int, 5>& hands() const { return hands_; }

private:
    Program& p() { return run_.program; }
    QWidget& window() { return run_.window; }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    bool shown(Screen s) {
        QWidget* w = run_.window.screens().screen(s);
        return w != nullptr && w->isVisible();
    }

    // --- What must hold after every input.

    void check() {
        if (failed()) return;
        const Program& program = run_.program;
        if (program.input.play_running() && program.waits.running_handlers() == 0)
            fail(QStringLiteral("a play is marked running with no handler"));
        // A wait whose table has not changed for long is hanging.
        const auto state = std::make_tuple(program.match.Tabella_Carte(10, 1, 1), program.anim.Animazioni_Concluse,
                                           program.match.Carte_In_Tavola, program.waits.running_waits(),
                                           program.master.PIC_Fine_Partita.Visible);
        if (state != last_state_) {
            last_state_ = state;
            moving_.restart();
        } else if (program.waits.running_waits() > 0 && moving_.elapsed() > 20000) {
            fail(QStringLiteral("a wait has not moved for 20 s"));
        }
        if (program.waits.running_handlers() != 0) return;
        // With no handler running, nothing waits.
        if (program.waits.running_waits() != 0) fail(QStringLiteral("a wait is left with no handler"));
        check_cards();
    }

    void check_cards() {
        const Program& program = run_.program;
        const engine::MatchState& m = program.match;
        const table::MasterWindow& w = program.master;
        const bool in_hand = w.PIC_Tavolo.Visible && !w.PIC_Fine_Partita.Visible && !m.Partita_Terminata;
        if (!in_hand) return;
        const auto& cards = m.Tabella_Carte;
        std::string fault;
        if (m.Codice_Gioco == games::kCamicia) {
            fault = tavolora::testing::cards_fault(cards, {2, 3, 4}, 0, false);
        } else {
            fault = tavolora::testing::deck_fault(cards, m.Numero_Giocatori);
            if (fault.empty() && m.Codice_Gioco != games::kScopa) {
                // A trick holds a card of each seat at most.
                int seen = 0;
                int on_table = 0;
                for (int i = 1; i <= 40; ++i) {
                    if (cards(20, i, 1) == 0) continue;
                    ++on_table;
                    const int seat = cards(20, i, 3);
                    if (seat < 1 || seat > 9 || (seen & (1 << seat)) != 0) fault = "a seat played twice in a trick";
                    seen |= 1 << std::clamp(seat, 0, 9);
                }
                if (on_table > m.Numero_Giocatori) fault = "more cards on the table than players";
            }
        }
        if (!fault.empty()) fail(QString::fromStdString(fault));
    }

    void fail(const QString& why) {
        if (fault_.isEmpty())
            fault_ = QStringLiteral("%1 (after %2 inputs, game %3)").arg(why).arg(inputs_).arg(p().match.Codice_Gioco);
    }

    // --- The inputs.

    void act() {
        run_.window.sync();
        count_progress();
        if (chance(65)) {
            purposeful();
        } else {
            random_input();
        }
    }

    void count_progress() {
        for (int i = 0; i < static_cast<int>(Screen::Count); ++i) {
            const bool now = shown(static_cast<Screen>(i));
            if (now && !screen_was_[static_cast<std::size_t>(i)]) ++screens_[static_cast<std::size_t>(i)];
            screen_was_[static_cast<std::size_t>(i)] = now;
        }
        const bool table = p().master.PIC_Tavolo.Visible;
        if (table && !table_was_) {
            ++matches_;
            last_game_ = p().match.Codice_Gioco;
        }
        // Camicia puts its table away itself at the end, where no leave button did.
        if (!table && table_was_ && p().match.Codice_Gioco == games::kCamicia && !left_) ++hands_[games::kCamicia];
        left_ = false;
        table_was_ = table;
        // A hand played out shows the end panel.
        const bool ended = p().master.PIC_Fine_Partita.Visible;
        if (ended && !ended_was_) ++hands_[std::clamp<int>(p().match.Codice_Gioco, 0, 4)];
        ended_was_ = ended;
    }

    // What a player would do next.
    void purposeful() {
        if (QApplication::activeModalWidget() != nullptr) return;
        table::MasterWindow& w = p().master;
        table::qt::TableView& view = run_.window.table();
        table::qt::ControlWidgets& widgets = view.widgets();
        const auto click_control = [this, &widgets](table::ControlKey key) {
            left_ = left_ || key.id == ControlId::CMD_M_Chiudi_Partita;
            if (QWidget* widget = widgets.widget(key); widget != nullptr && widget->isVisible())
                QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        };
        if (w.PIC_Tavolo.Visible && view.isVisible()) {
            if (w.PIC_Fine_Partita.Visible) return click_control({ControlId::CMD_Continua});
            if (w.PIC_Parola_Tiro.Visible) return click_control({ControlId::CMD_Parola_Tiro, below(3)});
            if (w.CMD_M_Continua.Visible && w.CMD_M_Continua.Enabled) return click_control({ControlId::CMD_M_Continua});
            // Now and then the player leaves the match.
            if (below(5000) == 0) return click_control({ControlId::CMD_M_Chiudi_Partita});
            for (int i = 1; i <= 40; ++i) {
                if (p().match.Tabella_Carte(9, i, 1) == 0 && p().match.Codice_Gioco != games::kCamicia) continue;
                if (!w.accepts_input({ControlId::P, i})) continue;
                const QRect place = view.picture_rect({ControlId::P, i});
                if (!place.isEmpty()) QTest::mouseClick(&view, Qt::LeftButton, {}, place.center());
                return;
            }
            return;
        }
        if (shown(Screen::F_040_Partita)) {
            auto* set_up = qobject_cast<screens::F_040_Partita*>(run_.window.screens().screen(Screen::F_040_Partita));
            QWidget* gioca = set_up->icon_bar().icon(2);
            if (chance(70)) return QTest::mouseClick(gioca, Qt::LeftButton, {}, gioca->rect().center());
            QWidget* arrow = set_up->mode_arrow(1 + below(2));
            return QTest::mouseClick(arrow, Qt::LeftButton, {}, arrow->rect().center());
        }
        // A screen of the main menu's other icons: used anywhere, or left for the menu.
        for (Screen other : {Screen::F_02_Utenti, Screen::F_022_Utenti_Nuovo, Screen::F_06_Opzioni, Screen::F_12_Help,
                             Screen::F_08_Crediti}) {
            QWidget* screen = run_.window.screens().screen(other);
            if (screen == nullptr || !screen->isVisible() || chance(40)) continue;
            const QPoint at(below(screen->width()), below(screen->height()));
            QWidget* target = screen->childAt(at) != nullptr ? screen->childAt(at) : screen;
            return QTest::mouseClick(target, chance(90) ? Qt::LeftButton : Qt::RightButton, {},
                                     target->mapFrom(screen, at));
        }
        if (shown(Screen::F_011_Menu)) {
            auto* menu = qobject_cast<screens::F_011_Menu*>(run_.window.screens().screen(Screen::F_011_Menu));
            // Now and then the users, options, help or credits.
            if (chance(20)) {
                QWidget* icon = menu->icon_bar().icon(2 + below(4));
                return QTest::mouseClick(icon, Qt::LeftButton, {}, icon->rect().center());
            }
            // The next game after the one last played, then its set-up.
            QWidget* target = p().match.Codice_Gioco == last_game_ ? static_cast<QWidget*>(menu->arrow(4))
                                                                    : static_cast<QWidget*>(menu->icon_bar().icon(1));
            return QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        }
    }

    // Anything, anywhere: but never the main menu's exit icon, which ends the program,
    // and nothing behind a message box, which a person cannot reach either.
    void random_input() {
        if (QApplication::activeModalWidget() != nullptr) return;
        const QPoint at(below(window().width()), below(window().height()));
        QWidget* target = window().childAt(at);
        if (target == nullptr) target = &window();
        if (inside(target, "F_011_Menu") && target->objectName() == QLatin1String("IMG_Icona_7")) return;
        // The buttons that leave a match are hit now and then only, so that matches
        // are also played to their ends.
        const bool leaves = target->objectName() == QLatin1String("CMD_M_Chiudi_Partita") ||
                            (target->objectName() == QLatin1String("CMD_M_Briscola") &&
                             p().match.Codice_Gioco == games::kCamicia);
        if (leaves && !chance(5)) return;
        const QPoint local = target->mapFrom(&window(), at);
        left_ = left_ || leaves;
        const Qt::MouseButton button = chance(80) ? Qt::LeftButton : chance(70) ? Qt::RightButton : Qt::MiddleButton;
        switch (below(5)) {
            case 0:
            case 1:
                QTest::mouseClick(target, button, {}, local);
                break;
            case 2: {
                // A drag to another place.
                const QPoint to(local.x() + below(200) - 100, local.y() + below(200) - 100);
                QTest::mousePress(target, button, {}, local);
                QTest::mouseMove(target, (local + to) / 2);
                QTest::mouseMove(target, to);
                QTest::mouseRelease(target, button, {}, to);
                break;
            }
            case 3:
                QTest::mouseMove(target, local);
                break;
            default: {
                static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left,
                                               Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Tab,
                                               Qt::Key_Home,  Qt::Key_End,    Qt::Key_A,      Qt::Key_7};
                QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : target;
                QTest::keyClick(focus, keys[below(static_cast<int>(std::size(keys)))]);
                break;
            }
        }
    }

    tavolora::testing::RunningProgram& run_;
    std::mt19937_64 random_;
    QTimer ticker_;
    QElapsedTimer moving_;
    std::tuple<int, int, int, int, bool> last_state_{};
    QString fault_;
    int depth_ = 0;
    int inputs_ = 0;
    int matches_ = 0;
    std::array<int, 5> hands_{};
    bool table_was_ = false;
    bool ended_was_ = false;
    std::array<int, static_cast<std::size_t>(Screen::Count)> screens_{};
    std::array<bool, static_cast<std::size_t>(Screen::Count)> screen_was_{};
    int last_game_ = 0;
    // A button that leaves the match was pressed since the last input.
    bool left_ = false;
};

}  // namespace

class RandomInput : public QObject {
    Q_OBJECT

private slots:
    void theProgramHoldsUpUnderRandomInput() {
        const std::uint64_t seed = seed_from_environment();
        const int seconds = seconds_from_environment();
        qInfo("seed %llu, %d s (TAVOLORA_RANDOM_SEED=%llu replays it)", static_cast<unsigned long long>(seed), seconds,
              static_cast<unsigned long long>(seed));
        tavolora::testing::RunningProgram run(QSize(1024, 768));
        Monkey monkey(run, seed);
        monkey.start();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < seconds * 1000LL && !monkey.failed() && !run.program.waits.finished()) {
            QTest::qWait(50);
        }
        monkey.stop();
        // Whatever stands on the stack unwinds: the program leaves any match in play.
        QTRY_VERIFY_WITH_TIMEOUT(run.program.waits.running_handlers() == 0 || monkey.failed(), 30000);
        const auto& hands = monkey.hands();
        qInfo("%d inputs, %d matches begun; hands played out: Briscola %d, Scopa %d, Camicia %d, Tresette %d",
              monkey.inputs(), monkey.matches(), hands[1], hands[2], hands[3], hands[4]);
        qInfo("screens opened: set-up %d, users %d, new user %d, options %d, help %d, credits %d",
              monkey.screen_openings(Screen::F_040_Partita), monkey.screen_openings(Screen::F_02_Utenti),
              monkey.screen_openings(Screen::F_022_Utenti_Nuovo), monkey.screen_openings(Screen::F_06_Opzioni),
              monkey.screen_openings(Screen::F_12_Help), monkey.screen_openings(Screen::F_08_Crediti));
        QVERIFY2(!monkey.failed(), qPrintable(monkey.fault()));
        QVERIFY(!run.program.waits.finished());
        // The program still answers: a match can be left and the program ended.
        if (run.program.master.PIC_Tavolo.Visible) {
            // The strip may have been closed: it opens again from its reopen button.
            run.program.input.click({ControlId::CMD_M_ApriChiudi, 0});
            QVERIFY(run.program.input.click({ControlId::CMD_M_Chiudi_Partita}));
        }
        run.window.sync();
        auto* menu = qobject_cast<screens::F_011_Menu*>(run.window.screens().screen(Screen::F_011_Menu));
        const table::MasterWindow& w = run.program.master;
        QVERIFY2(menu != nullptr && menu->isVisible(),
                 qPrintable(QStringLiteral("table %1 end panel %2 menu data %3 set-up %4 over %5")
                                .arg(w.PIC_Tavolo.Visible)
                                .arg(w.PIC_Fine_Partita.Visible)
                                .arg(w.screens(Screen::F_011_Menu).Visible)
                                .arg(w.screens(Screen::F_040_Partita).Visible)
                                .arg(run.program.match.Partita_Terminata)));
        QWidget* exit = menu->icon_bar().icon(7);
        QTest::mouseClick(exit, Qt::LeftButton, {}, exit->rect().center());
        QVERIFY(run.program.waits.finished());
    }
};

int main(int argc, char** argv) {
    // A long run by hand outlasts the test framework's own limit for a test function.
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((seconds_from_environment() + 240) * 1000));
    QApplication app(argc, argv);
    RandomInput test;
    return QTest::qExec(&test, argc, argv);
}

#include "random_input_test.moc"
