// The floating panels and the strip stay within the player's reach in the real
// window, dragged with the mouse through the window: a drag hard against each edge
// stops with the handle and the close button inside the client area, and the panel
// follows again once the pointer is back on the point pressed; a panel, shown or
// closed, and the strip's reopen button come back inside when the window is made
// smaller, and a panel left past an edge opens whole inside. With TAVOLORA_SCREENSHOTS set, the window is saved at each edge.

#include <QApplication>
#include <QtTest>

#include "screens/f_040_partita.h"
#include "table/qt/table_view.h"
#include "tests/qt/running_program.h"
#include "tests/qt/window_clicks.h"

namespace {

using namespace tavolora;
using table::ControlId;
using table::ControlKey;
using testing::click_through_window;
using testing::in_window;
using testing::on_top_at_its_middle;
using testing::screenshot;

// Well past every edge of the window, in pixels.
constexpr int kFar = 3000;
// Where the handle is pressed, in its own pixels.
const QPoint kGrip(5, 5);

class Table : public testing::RunningProgram {
public:
    // A Tresette match for two, started from the main menu with the mouse.
    Table() : RunningProgram(QSize(1024, 768)) {
        choose_game(4);
        click_through_window(menu()->icon_bar().icon(1));
        click_through_window(set_up()->players(2));
        click_through_window(set_up()->icon_bar().icon(2));  // "Gioca!"
        QTRY_VERIFY(program.master.accepts_input({ControlId::CMD_M_Punteggio}));
        window.sync();
    }

    QWidget* widget(ControlKey key) {
        window.sync();
        return window.table().widgets().widget(key);
    }
    QRect client() { return window.client_area().rect(); }
    // A widget's place in the client area.
    QRect place(QWidget* widget) {
        window.sync();
        return QRect(widget->mapTo(&window.client_area(), QPoint(0, 0)), widget->size());
    }
    // The handle and the close button lie inside the client area, nothing over them.
    bool in_reach(QWidget* handle, QWidget* close) {
        return client().contains(place(handle)) && client().contains(place(close)) && on_top_at_its_middle(handle) &&
               on_top_at_its_middle(close);
    }
};

// The handle pressed, the pointer taken far past one edge, where the element stops
// against it, then back: it stays put while the pointer is short of the point
// pressed, and follows once the pointer is past it.
void drag_against(Table& t, QWidget* handle, QPoint way, const QString& shot) {
    const QPoint from = in_window(handle, kGrip);
    testing::window_press(t.window, from);
    // The pointer leaves the window, as a person's does while a drag holds the mouse
    // (QTest warns of it).
    testing::window_move(t.window, from + way * kFar);
    t.window.sync();
    const QPoint stopped = in_window(handle, kGrip);
    screenshot(t.window, shot);
    testing::window_move(t.window, stopped + way * 10);
    t.window.sync();
    QCOMPARE(in_window(handle, kGrip), stopped);
    testing::window_move(t.window, stopped - way * 40);
    t.window.sync();
    QCOMPARE(in_window(handle, kGrip), stopped - way * 40);
    testing::window_release(t.window, stopped - way * 40);
    // Released far past the edge, it stops there again.
    testing::window_press(t.window, in_window(handle, kGrip));
    testing::window_release(t.window, in_window(handle, kGrip) + way * kFar);
    t.window.sync();
    QCOMPARE(in_window(handle, kGrip), stopped);
}

// Dragged hard against the left, right, top and bottom edges in turn: each time
// the handle and the close button stop inside, the one on the edge met.
void against_every_edge(Table& t, QWidget* element, QWidget* handle, QWidget* close, const QString& name) {
    drag_against(t, handle, QPoint(-1, 0), name + QStringLiteral("-left"));
    QCOMPARE(t.place(handle).left(), 0);
    QVERIFY2(t.in_reach(handle, close), qPrintable(name));
    drag_against(t, handle, QPoint(1, 0), name + QStringLiteral("-right"));
    QCOMPARE(t.place(close).right(), t.client().right());
    QVERIFY2(t.in_reach(handle, close), qPrintable(name));
    drag_against(t, handle, QPoint(0, -1), name + QStringLiteral("-top"));
    QCOMPARE(t.place(element).top(), 0);
    QVERIFY2(t.in_reach(handle, close), qPrintable(name));
    drag_against(t, handle, QPoint(0, 1), name + QStringLiteral("-bottom"));
    QCOMPARE(t.place(handle).bottom(), t.client().bottom());
    QVERIFY2(t.in_reach(handle, close), qPrintable(name));
}

}  // namespace

class WithinReach : public QObject {
    Q_OBJECT

private slots:
    void aDraggedPanelStopsAtEachEdgeAndComesBackWhenTheWindowShrinks() {
        Table t;
        for (const auto& p : testing::kTresettePanels) {
            const QString name = QString::fromLatin1(p.name);
            click_through_window(t.widget({p.opener}));
            QWidget* panel = t.widget({p.panel});
            QWidget* handle = t.widget({p.handle});
            QWidget* close = t.widget({p.close});
            QVERIFY2(panel != nullptr && panel->isVisible(), p.name);

            against_every_edge(t, panel, handle, close, name);
            if (QTest::currentTestFailed()) return;

            // In the bottom right corner, then the window made smaller: it comes in
            // whole, into the new corner.
            drag_against(t, handle, QPoint(1, 1), name + QStringLiteral("-corner"));
            t.resize_to(QSize(800, 600));
            QVERIFY2(t.in_reach(handle, close), p.name);
            QCOMPARE(t.place(panel).bottomRight(), t.client().bottomRight());
            screenshot(t.window, name + QStringLiteral("-smaller-window"));
            t.resize_to(QSize(1024, 768));
            click_through_window(close);
        }
        // Closed in the corner of the larger window, a panel opens whole inside the
        // smaller one.
        const auto& scores = testing::kTresettePanels[0];
        click_through_window(t.widget({scores.opener}));
        QWidget* handle = t.widget({scores.handle});
        QWidget* close = t.widget({scores.close});
        drag_against(t, handle, QPoint(1, 1), QStringLiteral("scores-corner-again"));
        click_through_window(close);
        t.window.sync();
        QVERIFY(!t.widget({scores.panel})->isVisible());
        t.resize_to(QSize(800, 600));
        click_through_window(t.widget({scores.opener}));
        t.window.sync();
        QVERIFY(t.widget({scores.panel})->isVisible());
        QVERIFY(t.in_reach(handle, close));
        QVERIFY(t.client().contains(t.place(t.widget({scores.panel}))));
        screenshot(t.window, QStringLiteral("scores-opened-in-smaller-window"));
    }

    void aPanelLeftAsItsTitleBandOpensWholeInLaterMatches() {
        Table t;
        click_through_window(t.widget({ControlId::CMD_M_Punteggio}));
        QWidget* panel = t.widget({ControlId::PIC_51_Monitor});
        QWidget* handle = t.widget({ControlId::CMD_Muovi_PIC_051_Monitor});
        QWidget* close = t.widget({ControlId::CMD_Chiudi_PIC_051_Monitor});
        // Down until only its title band shows, then closed.
        drag_against(t, handle, QPoint(0, 1), QStringLiteral("scores-left-at-the-bottom"));
        QVERIFY(!t.client().contains(t.place(panel)));
        click_through_window(close);
        t.window.sync();
        QVERIFY(!panel->isVisible());
        // Opened again: the whole panel shows, its foot on the window's bottom edge.
        click_through_window(t.widget({ControlId::CMD_M_Punteggio}));
        t.window.sync();
        QVERIFY(panel->isVisible());
        QVERIFY(t.client().contains(t.place(panel)));
        QCOMPARE(t.place(panel).bottom(), t.client().bottom());
        QVERIFY(t.in_reach(handle, close));
        screenshot(t.window, QStringLiteral("scores-opened-whole"));
    }

    void theStripAndItsReopenButtonStayWithinReach() {
        Table t;
        QWidget* strip = t.widget({ControlId::FRM_M_Menu});
        QWidget* handle = t.widget({ControlId::CMD_Muovi_Menu_M});
        QWidget* close = t.widget({ControlId::CMD_M_ApriChiudi, 1});
        against_every_edge(t, strip, handle, close, QStringLiteral("strip"));
        if (QTest::currentTestFailed()) return;

        // Closed in the bottom right corner: the reopen button stands there, and
        // comes inside with it when the window is made smaller.
        drag_against(t, handle, QPoint(1, 1), QStringLiteral("strip-corner"));
        click_through_window(close);
        t.window.sync();
        QVERIFY(!strip->isVisible());
        QWidget* reopen = t.widget({ControlId::CMD_M_ApriChiudi, 0});
        QVERIFY(reopen->isVisible());
        t.resize_to(QSize(800, 600));
        QVERIFY(t.client().contains(t.place(reopen)));
        QVERIFY(on_top_at_its_middle(reopen));
        QCOMPARE(t.place(reopen).bottomRight(), t.client().bottomRight());
        screenshot(t.window, QStringLiteral("strip-reopen-smaller-window"));
        click_through_window(reopen);
        t.window.sync();
        QVERIFY(strip->isVisible());
        QVERIFY(t.in_reach(handle, close));
        QVERIFY(t.client().contains(t.place(strip)));
        screenshot(t.window, QStringLiteral("strip-reopened-smaller-window"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    WithinReach test;
    return QTest::qExec(&test, argc, argv);
}

#include "within_reach_test.moc"
