// The card table's own controls with the real mouse: the look-overs started and
// ended on their controls (the table put back exactly as it was), the panels opened,
// dragged by their handles, closed and opened again, over the main menu too at the
// end of a match, the main menu over the end panel that comes up under the resting
// pointer, the captured-cards viewer page by page, the strip closed and opened, the
// pointers, the keyboard after the continue button, the declarations' list, and a
// match left from the window while its cards fly. The panels and the strip take
// their clicks through the window, where Qt finds what lies on top. With
// TAVOLORA_SCREENSHOTS set to a folder, each look-over and panel is saved there
// (TAVOLORA_WINDOW_SIZE, "1600x1000", sets the window's size).

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>
#include <string>
#include <vector>

#include "screens/screen_host.h"
#include "setup/setup_screen.h"
#include "table/qt/table_view.h"
#include "table/table_positions.h"
#include "tests/qt/running_program.h"
#include "tests/qt/window_clicks.h"
#include "tests/support/table_snapshot.h"

namespace {

using namespace tavolora;
using table::Control;
using table::ControlId;
using table::ControlKey;
using table::Screen;
using testing::click;
using testing::click_through_window;
using testing::in_window;
using testing::on_top_at_its_middle;
using testing::seen;

// The window as the tests save it and, under a real X server, the whole screen as the
// server shows it.
void screenshot(QWidget& window, const QString& name) {
    testing::screenshot(window, name);
    const QByteArray folder = qgetenv("TAVOLORA_SCREENSHOTS");
    if (folder.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    QTest::qWait(100);
    window.screen()->grabWindow(0).save(
        QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral("-screen.png")));
}

// Steps that wait for the table to be ready for them, then act. The table runs its
// waits inside the player's clicks: the steps are taken from a timer, each in a
// single-shot of its own, so that they are taken inside those waits too.
class Script {
public:
    void step(std::function<bool()> ready, std::function<void()> act) { steps_.push_back({std::move(ready), std::move(act)}); }
    void run() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (acting_ || next_ >= steps_.size() || !steps_[next_].ready()) return;
            acting_ = true;
            QTimer::singleShot(0, [this] {
                acting_ = false;
                steps_[next_++].act();
            });
        });
        timer_.start(5);
    }
    bool done() const { return next_ >= steps_.size() && !acting_; }

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool acting_ = false;
    QTimer timer_;
};

class Table : public testing::RunningProgram {
public:
    explicit Table(const testing::ProgramFolder::Tune& tune = testing::ProgramFolder::quick)
        : Table(testing::window_size_from_environment(QSize(1024, 768)), tune) {}
    // A window of its own size, for what only that size shows.
    explicit Table(QSize size, const testing::ProgramFolder::Tune& tune = testing::ProgramFolder::quick)
        : RunningProgram(size, true, tune) {}

    // A single-hand match of `game`, started as "Gioca!" starts it; returns when the
    // human is to play.
    void start(int game, int players, int first = 0) {
        program.settings.Nome_Utente.assign("Anna");
        program.match.Codice_Gioco = static_cast<std::int16_t>(game);
        program.storage.Imposta_Percorso_Opzioni();
        program.waits.at_boundary([this] {
            table::Imposta_Posizioni_Tavolo(program.anim, program.match.Codice_Gioco);
            program.master_events.Q_N_Singola_Click();
        });
        setup::SetupControls screen;
        screen.settings.OPT_Numero_Giocatori = players;
        screen.settings.OPT_Gioca_Per_Primo = first;
        screen.settings.OPT_Verso_Delle_Carte_0 = true;
        screen.settings.TXT_Nome_Giocatore(1) = "Tuno";
        screen.settings.TXT_Nome_Giocatore(2) = "Galvino";
        screen.settings.TXT_Nome_Giocatore(3) = "Melto";
        screen.settings.LBL_Modalita_Tag = "1";
        screen.TXT_Numero_Partite = "1";
        screen.TXT_Numero_Punteggio = "1";
        program.waits.at_boundary([&] { program.setup.game_setup.CMD_Gioca_Click(screen); });
        window.sync();
    }

    table::qt::TableView& view() { return window.table(); }
    QWidget* widget(ControlKey key) {
        window.sync();
        return view().widgets().widget(key);
    }
    QImage table_image() {
        window.sync();
        return view().grab().toImage();
    }
    // A place of the table where only the background lies.
    QPoint empty_place() {
        for (int y = view().height() / 3; y < view().height(); y += 7) {
            for (int x = view().width() / 2; x < view().width(); x += 7) {
                const ControlKey key = view().control_at({x, y});
                if (key.id == ControlId::IMG_Sfondo_Tavolo && view().childAt(x, y) == nullptr) return {x, y};
            }
        }
        return {};
    }
    // A card of the human's hand that may be played now, 0 when none.
    int playable_card() const {
        for (int i = 1; i <= 40; ++i) {
            if (program.match.Tabella_Carte(9, i, 1) != 0 && program.master.accepts_input({ControlId::P, i})) return i;
        }
        return 0;
    }
    void click_card(int index) {
        const QRect place = view().picture_rect({ControlId::P, index});
        QTest::mouseClick(&view(), Qt::LeftButton, {}, place.center());
    }
    // The mouse leaves a button for an empty place of the table.
    void move_away() { QTest::mouseMove(&view(), empty_place()); }
    // The widgets beside `widget`, `widget` among them, bottom first.
    QList<QWidget*> stack_of(QWidget* widget) {
        window.sync();
        return widget->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // Drags `handle` by `by` through the window, pressing it at `grip`, with a stop
    // half way: the point pressed stays under the mouse all along.
    void drag(QWidget* handle, QPoint by, Qt::MouseButton button = Qt::LeftButton, QPoint grip = QPoint(5, 5)) {
        const QPoint from = in_window(handle, grip);
        testing::window_press(window, from, button);
        testing::window_move(window, from + by / 2);
        QCOMPARE(in_window(handle, grip), from + by / 2);
        testing::window_move(window, from + by);
        testing::window_release(window, from + by, button);
        window.sync();
        QCOMPARE(in_window(handle, grip), from + by);
    }
};

}  // namespace

class TableLookOvers : public QObject {
    Q_OBJECT

private slots:
    void theThrowsShowWhileHoveredAndTheTableComesBackExactly() {
        Table t;
        // Four players, seat 3 first: three cards lie on the table at the human's turn.
        t.start(1, 4, 3);
        QCOMPARE(int(t.program.match.Carte_In_Tavola), 3);
        t.move_away();
        const QImage before = t.table_image();
        const auto data_before = seen(t.program);

        QWidget* throws = t.widget({ControlId::CMD_M_Tiri});
        QTest::mouseMove(throws, throws->rect().center());
        QTRY_VERIFY(t.program.anim.Visualizzazione_Attiva);
        QVERIFY(t.program.master.P(281).Visible);
        QVERIFY(t.table_image() != before);
        screenshot(t.window, QStringLiteral("look-over-throws"));
        t.move_away();
        QTRY_VERIFY(!t.program.anim.Visualizzazione_Attiva);
        QCOMPARE(seen(t.program), data_before);
        QCOMPARE(t.table_image(), before);
    }

    void theTrumpCardShowsWhileHoveredAndGoesBackUnderTheDeck() {
        // Two players: the trump card lies under the deck.
        Table two;
        two.start(1, 2);
        two.move_away();
        const QImage deck = two.table_image();
        QWidget* trump = two.widget({ControlId::CMD_M_Briscola});
        QTest::mouseMove(trump, trump->rect().center());
        QTRY_VERIFY(two.program.anim.Visualizzazione_Briscola && two.program.anim.Visualizzazione_Attiva);
        QVERIFY(two.table_image() != deck);
        screenshot(two.window, QStringLiteral("look-over-trump"));
        two.move_away();
        QTRY_VERIFY(!two.program.anim.Visualizzazione_Attiva);
        QCOMPARE(two.table_image(), deck);
    }

    void aPressOnTheTableIsTheContinueRequestWhileTheTrickWaits() {
        // The table waits for the player after every trick.
        Table t([](storage::Tipo_Opzioni& o) {
            testing::ProgramFolder::quick(o);
            o.Animazioni(5) = 0;
        });
        t.start(1, 2);
        const auto waiting = [&t] {
            return t.program.master.CMD_M_Continua.Enabled && t.program.waits.running_waits() > 0;
        };
        Script script;
        script.step([&t] { return t.playable_card() != 0; }, [&t] { t.click_card(t.playable_card()); });
        script.step(waiting, [&t] { QTest::mouseClick(&t.view(), Qt::LeftButton, {}, t.empty_place()); });
        // The trick is taken and play goes on to the human's next card.
        script.step([&t, waiting] { return !waiting() && t.playable_card() != 0; }, [] {});
        script.run();
        QTRY_VERIFY_WITH_TIMEOUT(script.done(), 20000);
        // The trick went to its taker's pile.
        int taken = 0;
        for (int seat : {2, 9}) taken += t.program.engine.Conta_Carte_Iniziali(seat + 10);
        QCOMPARE(taken, 2);
    }

    void thePanelsOpenDragCloseAndOpenAgainWhereTheyWere() {
        Table t;
        t.start(4, 2);
        for (const auto& p : testing::kTresettePanels) {
            click_through_window(t.widget({p.opener}));
            QWidget* panel = t.widget({p.panel});
            QVERIFY(panel != nullptr && panel->isVisible());
            const QString shot = QStringLiteral("panel-") + QString::fromLatin1(p.name);
            screenshot(t.window, shot);
            // The handle and the close button lie on top in the panel's title band.
            QWidget* handle = t.widget({p.handle});
            QWidget* close = t.widget({p.close});
            QVERIFY2(on_top_at_its_middle(handle), p.name);
            QVERIFY2(on_top_at_its_middle(close), p.name);
            QCOMPARE(handle->toolTip(), QStringLiteral("Tieni premuto per spostare"));
            QCOMPARE(handle->cursor().shape(), Qt::SizeAllCursor);
            // Dragged by its handle, also with the right button.
            const QPoint start = panel->pos();
            t.drag(handle, QPoint(100, 50), p.panel == ControlId::PIC_52_Monitor ? Qt::RightButton : Qt::LeftButton);
            QCOMPARE(panel->pos(), start + QPoint(100, 50));
            screenshot(t.window, shot + QStringLiteral("-dragged"));
            // Closed, and opened again where it was left.
            QCOMPARE(close->toolTip(), QStringLiteral("Chiudi questa finestra"));
            click_through_window(close);
            t.window.sync();
            QVERIFY(!panel->isVisible());
            screenshot(t.window, shot + QStringLiteral("-closed"));
            click_through_window(t.widget({p.opener}));
            t.window.sync();
            QVERIFY(panel->isVisible());
            QCOMPARE(panel->pos(), start + QPoint(100, 50));
        }
        // A move over a panel's own surface brings it to the front of the others.
        QWidget* scores = t.widget({ControlId::PIC_51_Monitor});
        QVERIFY(t.stack_of(scores).last() != scores);
        testing::window_move(t.window, in_window(scores, QPoint(scores->width() / 2, scores->height() - 4)));
        QCOMPARE(t.stack_of(scores).last(), scores);
    }

    void thePanelsOpenedAtTheEndOfAMatchStandOverTheMainMenu() {
        Table t;
        t.start(1, 2);
        // The match ends: the end panel shows, and the main menu comes back over the
        // table.
        t.program.waits.at_boundary([&t] { t.program.engine.Fine_Partita(); });

        QVERIFY(t.shown(Screen::F_011_Menu));
        QWidget* menu = t.menu();
        QVERIFY(t.stack_of(menu).last() == menu);
        const struct {
            ControlId opener, panel, handle, close;
            const char* shot;
        } panels[] = {
            {ControlId::CMD_PIC_Fine_Partita_Visualizza_Punteggi, ControlId::PIC_51_Monitor,
             ControlId::CMD_Muovi_PIC_051_Monitor, ControlId::CMD_Chiudi_PIC_051_Monitor, "end-scores-over-menu"},
            {ControlId::ThemeButton2, ControlId::PIC_52_Monitor, ControlId::CMD_Muovi_PIC_052_Monitor,
             ControlId::CMD_Chiudi_PIC_052_Monitor, "end-captured-cards-over-menu"},
        };
        int row = 0;
        for (const auto& p : panels) {
            click_through_window(t.widget({p.opener}));
            QWidget* panel = t.widget({p.panel});
            QVERIFY(panel->isVisible());
            QCOMPARE(t.stack_of(menu).last(), panel);
            // Its handle is brought onto the main menu, near its right edge, and its
            // handle and close button take the mouse there.
            QWidget* handle = t.widget({p.handle});
            QWidget* close = t.widget({p.close});
            const QPoint onto = QPoint(menu->geometry().right() - 20, menu->geometry().center().y() + 60 * row++) -
                                handle->mapTo(&t.window.client_area(), QPoint(5, 5));
            t.drag(handle, onto);
            QVERIFY(menu->geometry().contains(handle->mapTo(&t.window.client_area(), handle->rect().center())));
            QVERIFY2(on_top_at_its_middle(handle), p.shot);
            QVERIFY2(on_top_at_its_middle(close), p.shot);
            screenshot(t.window, QString::fromLatin1(p.shot));
            t.drag(handle, QPoint(-10, -30));
            click_through_window(close);
            t.window.sync();
            QVERIFY(!panel->isVisible());
        }
        // Opened again, each stands over the menu where it was left.
        click_through_window(t.widget({ControlId::CMD_PIC_Fine_Partita_Visualizza_Punteggi}));
        click_through_window(t.widget({ControlId::ThemeButton2}));
        QCOMPARE(t.stack_of(menu).mid(t.stack_of(menu).size() - 2),
                 (QList<QWidget*>{t.widget({ControlId::PIC_51_Monitor}), t.widget({ControlId::PIC_52_Monitor})}));
        screenshot(t.window, QStringLiteral("end-panels-over-menu"));
        // A screen opened afterwards stands over them in its turn (its icon may lie
        // under the panels now: it is clicked where it is).
        click(t.menu()->icon_bar().icon(5));
        QVERIFY(t.shown(Screen::F_08_Crediti));
        QCOMPARE(t.stack_of(menu).last(), t.window.screens().screen(Screen::F_08_Crediti));
    }

    void theMainMenuStandsOverTheEndPanelThatComesUpUnderTheRestingPointer() {
        // At 800 x 600 the end panel, in the middle of the window, reaches under the
        // main menu.
        Table t(QSize(800, 600));
        t.start(1, 2);
        const QWidget* menu = t.window.screens().screen(Screen::F_011_Menu);
        QVERIFY(menu != nullptr);
        const QPoint rest(menu->geometry().right() - 20, menu->geometry().center().y());
        QWidget& area = t.window.client_area();
        const testing::RestingPointer pointer(t.window, in_window(&area, rest));
        // The match ends: the end panel comes up under the pointer, whose enter asks
        // for a sync while the one that shows the panel runs, and the main menu comes
        // back over the table.
        t.program.waits.at_boundary([&t] { t.program.engine.Fine_Partita(); });
        QVERIFY(t.shown(Screen::F_011_Menu));
        QWidget* panel = t.widget({ControlId::PIC_Fine_Partita});
        QVERIFY(panel->isVisible());
        QVERIFY(panel->geometry().contains(rest));
        QVERIFY(panel->underMouse());
        screenshot(t.window, QStringLiteral("end-panel-under-the-resting-pointer"));

        // Where the pointer rests, the window finds the main menu, not the panel's
        // "Fine partita" under it.
        const QWidget* found = t.window.childAt(in_window(&area, rest));
        QVERIFY2(found == menu || menu->isAncestorOf(found), qPrintable(found->objectName()));
        QCOMPARE(t.stack_of(panel).last(), menu);
    }

    void aKeyPressedAfterTheContinueButtonNeverLeavesTheMatch() {
        // The table waits for the player after every trick.
        Table t([](storage::Tipo_Opzioni& o) {
            testing::ProgramFolder::quick(o);
            o.Animazioni(5) = 0;
        });
        t.start(1, 2);
        t.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.window));
        const auto waiting = [&t] {
            return t.program.master.CMD_M_Continua.Enabled && t.program.waits.running_waits() > 0;
        };
        QWidget* leave = nullptr;
        Script script;
        script.step([&t] { return t.playable_card() != 0; }, [&t] { t.click_card(t.playable_card()); });
        script.step(waiting, [&t] { click_through_window(t.widget({ControlId::CMD_M_Continua})); });
        // "Prosegui" has disabled itself and play has come back to the human.
        script.step([&t, waiting] { return !waiting() && t.playable_card() != 0; }, [&t, &leave] {
            leave = t.widget({ControlId::CMD_M_Chiudi_Partita});
            QVERIFY(!t.program.master.CMD_M_Continua.Enabled);
            QVERIFY(QApplication::focusWidget() != leave);
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(t.window.windowHandle(), key);
        });
        script.run();
        QTRY_VERIFY_WITH_TIMEOUT(script.done(), 20000);
        t.window.sync();
        // The match goes on: the table, the human's turn, no main menu.
        QVERIFY(leave != nullptr);
        QVERIFY(t.program.master.PIC_Tavolo.Visible);
        QVERIFY(t.view().isVisible());
        QVERIFY(!t.shown(Screen::F_011_Menu));
        QVERIFY(t.playable_card() != 0);
    }

    void theDeclarationsListShowsWholeLines() {
        Table t;
        t.start(4, 2);
        click_through_window(t.widget({ControlId::CMD_M_Briscola}));
        table::Control& list = t.program.master.Lista_Evento_Speciale;
        list.Clear();
        for (int i = 1; i <= 12; ++i) list.AddItem("Anna ha accusato " + std::to_string(i) + " punti!");
        auto* box = qobject_cast<QListWidget*>(t.widget({ControlId::Lista_Evento_Speciale}));
        QVERIFY(box != nullptr && box->isVisible());
        QCOMPARE(box->count(), 12);
        // As a list box of the window system: its lines fill its inside exactly, the
        // last one seen whole, and it keeps inside its frame.
        const int line = box->visualItemRect(box->item(0)).height();
        QVERIFY(line >= box->fontMetrics().height());
        const int inside = box->viewport()->height();
        QVERIFY(inside >= line);
        QCOMPARE(inside % line, 0);
        const QModelIndex last_seen = box->indexAt(QPoint(2, inside - 1));
        QVERIFY(last_seen.isValid());
        QCOMPARE(box->visualRect(last_seen).bottom(), inside - 1);
        QVERIFY(box->geometry().bottom() < box->parentWidget()->height());
        screenshot(t.window, QStringLiteral("declarations-whole-lines"));
    }

    void theViewerLeafsThroughAPileOneCardAtATime() {
        Table t;
        t.start(1, 2);
        // The human's pile: seven cards.
        auto& cards = t.program.match.Tabella_Carte;
        for (int i = 1; i <= 7; ++i) {
            cards(19, i, 1) = static_cast<std::int16_t>(1 + i % 4);
            cards(19, i, 2) = static_cast<std::int16_t>(i);
        }
        click(t.widget({ControlId::CMD_M_Carte}));
        click(t.widget({ControlId::Visualizza_Prese, 9}));
        auto* bar = qobject_cast<QScrollBar*>(t.widget({ControlId::HSR_Prese}));
        QVERIFY(bar != nullptr && bar->isEnabled());
        QCOMPARE(bar->maximum(), 3);
        const auto showing = [&t, &cards](int first) {
            for (int k = 0; k < 4; ++k) {
                const std::string face = t.program.animation.face_picture(cards(19, first + k, 1), cards(19, first + k, 2));
                if (t.program.master.IMG_Prese(k).Picture != face) return false;
                auto* slot = qobject_cast<QLabel*>(t.widget({ControlId::IMG_Prese, k}));
                if (slot == nullptr || slot->pixmap().isNull()) return false;
            }
            return true;
        };
        QVERIFY(showing(1));
        screenshot(t.window, QStringLiteral("viewer-first-page"));
        // The right arrow of the bar steps one card.
        for (int first = 2; first <= 4; ++first) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
            QTRY_COMPARE(bar->value(), first - 1);
            QVERIFY(showing(first));
        }
        screenshot(t.window, QStringLiteral("viewer-last-page"));
    }

    void theStripClosesToItsReopenButtonAndOpensAgain() {
        Table t;
        t.start(1, 2);
        QWidget* strip = t.widget({ControlId::FRM_M_Menu});
        // Dragged by its handle first: the reopen button takes the close button's new place.
        t.drag(t.widget({ControlId::CMD_Muovi_Menu_M}), QPoint(150, 120));
        QWidget* close = t.widget({ControlId::CMD_M_ApriChiudi, 1});
        QCOMPARE(close->toolTip(), QStringLiteral("Clicca per chiudere il menù di gioco"));
        QVERIFY(!qobject_cast<QPushButton*>(close)->icon().isNull());
        const QPoint at = in_window(close, QPoint(0, 0));
        click_through_window(close);
        t.window.sync();
        QVERIFY(!strip->isVisible());
        QWidget* reopen = t.widget({ControlId::CMD_M_ApriChiudi, 0});
        QVERIFY(reopen->isVisible());
        QCOMPARE(in_window(reopen, QPoint(0, 0)), at);
        screenshot(t.window, QStringLiteral("strip-closed"));
        click_through_window(reopen);
        t.window.sync();
        QVERIFY(strip->isVisible());
        QVERIFY(!reopen->isVisible());
    }

    void theTableFillsTheWindowsClientAreaAtEverySize() {
        Table t;
        t.start(1, 2);
        for (const QSize size : {QSize(1024, 768), QSize(1400, 900), QSize(900, 700)}) {
            t.window.resize(size);
            QTRY_COMPARE(t.view().geometry(), t.window.centralWidget()->rect());
        }
    }

    void theStripsFirstButtonLinesUpScopasTableAndLeavesCamicia() {
        Table scopa;
        scopa.start(2, 2);
        table::MasterWindow& w = scopa.program.master;
        scopa.program.engine.Conta_Carte_Tavolo();
        const int laid = scopa.program.match.Carte_In_Tavola;
        QVERIFY(laid >= 1);
        for (int i = 1; i <= laid; ++i) w.P(200 + i).Left = 3000.0F + 90.0F * static_cast<float>(i);
        QWidget* line_up = scopa.widget({ControlId::CMD_M_Briscola});
        QCOMPARE(QString::fromStdString(w.CMD_M_Briscola.Caption), QStringLiteral("Ridisposizione Carte"));
        click(line_up);
        for (int i = 2; i <= laid; ++i) QVERIFY(w.P(200 + i - 1).Left + w.P(200 + i - 1).Width <= w.P(200 + i).Left);

        Table camicia;
        camicia.start(3, 2);
        QWidget* leave = camicia.widget({ControlId::CMD_M_Briscola});
        QCOMPARE(QString::fromStdString(camicia.program.master.CMD_M_Briscola.Caption),
                 QStringLiteral("Esci dalla partita"));
        click(leave);
        camicia.window.sync();
        QVERIFY(!camicia.view().isVisible());
        QVERIFY(camicia.window.screens().screen(table::Screen::F_011_Menu)->isVisible());
    }

    void thePointerIsTheCardPointerOverTheHandAndTheTablesOverTheTable() {
        Table t;
        t.start(1, 4, 3);
        const QRect hand = t.view().picture_rect({ControlId::P, 1});
        QTest::mouseMove(&t.view(), hand.center());
        QTRY_COMPARE(t.view().cursor().shape(), Qt::BitmapCursor);
        // The cards on the table take no mouse: the table's own pointer.
        const QRect on_table = t.view().picture_rect({ControlId::P, 201});
        QTest::mouseMove(&t.view(), on_table.center());
        QTRY_COMPARE(t.view().cursor().shape(), Qt::ArrowCursor);
    }

    void aMatchLeftWhileItsCardsFlyLeavesNothingAndTheNextOnePlays() {
        // Cards fly slowly enough to be caught in the air.
        Table t([](storage::Tipo_Opzioni& o) {
            testing::ProgramFolder::quick(o);
            o.Animazioni(1) = o.Animazioni(2) = o.Animazioni(3) = 20;
        });
        t.start(2, 2);
        Script script;
        script.step([&t] { return t.playable_card() != 0; }, [&t] { t.click_card(t.playable_card()); });
        script.step([&t] { return t.program.master.P_A.loaded(1) && t.program.master.P_A(1).Visible; },
                    [&t] { click(t.widget({ControlId::CMD_M_Chiudi_Partita})); });
        script.run();
        QTRY_VERIFY_WITH_TIMEOUT(script.done() && t.program.waits.running_handlers() == 0, 20000);
        t.window.sync();
        QVERIFY(!t.view().isVisible());
        QVERIFY(t.window.screens().screen(table::Screen::F_011_Menu)->isVisible());
        QCOMPARE(t.program.waits.running_waits(), 0);
        QVERIFY(!t.program.master.P_A.loaded(1));

        // The next match is dealt and answers the human's card.
        t.start(1, 2);
        QVERIFY(t.view().isVisible());
        const int card = t.playable_card();
        QVERIFY(card != 0);
        t.click_card(card);
        QCOMPARE(int(t.program.match.Tabella_Giocatori(9, 4)), card);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TableLookOvers test;
    return QTest::qExec(&test, argc, argv);
}

#include "table_look_overs_test.moc"
