// The main menu's screens in the real window, every click sent to the window at a
// point so that Qt finds the widget under the pointer as it does for a person: each
// screen stands inside the client area at 1024 x 768 and 800 x 600, beside the main
// menu where there is room for both, with its close icon under the pointer, and back
// inside when the window is made smaller while it is open; a match started with any
// of them open starts on a clear table, which takes the clicks where the screen
// stood; a new user made on the screens is the one the main menu shows and the
// options are saved for; without users the player is "Giocatore".
// With TAVOLORA_SCREENSHOTS set, the window is saved there at each step.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QCheckBox>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <vector>

#include "screens/f_022_utenti_nuovo.h"
#include "screens/f_02_utenti.h"
#include "screens/f_06_opzioni.h"
#include "screens/f_08_crediti.h"
#include "screens/f_12_help.h"
#include "table/qt/table_view.h"
#include "tests/qt/running_program.h"

namespace {

using namespace tavolora;
using table::ControlId;
using table::Screen;
using testing::screenshot;

// Where a person clicks a control: on the mark of an option or a check box, in the
// middle of anything else; in the window's coordinates.
QPoint aim(QWidget& window, QWidget* widget) {
    const bool marked = qobject_cast<QRadioButton*>(widget) != nullptr || qobject_cast<QCheckBox*>(widget) != nullptr;
    return widget->mapTo(&window, marked ? QPoint(8, widget->height() / 2) : widget->rect().center());
}

// Whether the window finds `widget`, or a part of it, under `at`.
bool found_at(QWidget& window, QWidget* widget, QPoint at) {
    QWidget* under = window.childAt(at);
    return under != nullptr && (under == widget || widget->isAncestorOf(under));
}

// A click as a person makes it: the pointer goes to the control's place in the
// window and clicks there; the window must find the control there.
void click(QWidget& window, QWidget* widget) {
    QVERIFY(widget != nullptr);
    QVERIFY2(widget->isVisible() && widget->isEnabled(), qPrintable(widget->objectName()));
    const QPoint at = aim(window, widget);
    QWidget* under = window.childAt(at);
    QVERIFY2(found_at(window, widget, at),
             qPrintable(QStringLiteral("%1 lies where %2 should be")
                            .arg(under != nullptr ? under->objectName() : QStringLiteral("nothing"),
                                 widget->objectName())));
    QTest::mouseMove(window.windowHandle(), at);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
}

class Running : public testing::RunningProgram {
public:
    using RunningProgram::RunningProgram;

    void click_on(QWidget* widget) { ::click(window, widget); }
    QWidget* area() { return window.centralWidget(); }
    QWidget* shown_screen(Screen id) {
        window.sync();
        QWidget* widget = window.screens().screen(id);
        return widget != nullptr && widget->isVisible() ? widget : nullptr;
    }
    screens::F_02_Utenti* users() { return screen<screens::F_02_Utenti>(Screen::F_02_Utenti); }
    screens::F_022_Utenti_Nuovo* new_user() {
        return screen<screens::F_022_Utenti_Nuovo>(Screen::F_022_Utenti_Nuovo);
    }
    screens::F_06_Opzioni* options() { return screen<screens::F_06_Opzioni>(Screen::F_06_Opzioni); }
    screens::F_12_Help* help() { return screen<screens::F_12_Help>(Screen::F_12_Help); }
    screens::F_08_Crediti* credits() { return screen<screens::F_08_Crediti>(Screen::F_08_Crediti); }
    QWidget* table_control(ControlId id, int index = 0) { return window.table().widgets().widget({id, index}); }
};

// A screen of the main menu: how a person opens it, and its close icon.
struct ScreenCase {
    Screen id;
    QString name;
    std::function<void(Running&)> open;
    std::function<QWidget*(Running&)> close;
};

std::vector<ScreenCase> menu_screens() {
    return {
        {Screen::F_040_Partita, QStringLiteral("set-up"),
         [](Running& run) { run.click_on(run.menu()->icon_bar().icon(1)); },
         [](Running& run) -> QWidget* { return run.set_up()->icon_bar().icon(1); }},
        {Screen::F_02_Utenti, QStringLiteral("users"),
         [](Running& run) { run.click_on(run.menu()->icon_bar().icon(2)); },
         [](Running& run) -> QWidget* { return run.users()->icon_bar().icon(3); }},
        {Screen::F_022_Utenti_Nuovo, QStringLiteral("new-user"),
         [](Running& run) {
             run.click_on(run.menu()->icon_bar().icon(2));
             run.click_on(run.users()->icon_bar().icon(2));
         },
         [](Running& run) -> QWidget* { return run.new_user()->icon_bar().icon(2); }},
        {Screen::F_06_Opzioni, QStringLiteral("options"),
         [](Running& run) { run.click_on(run.menu()->icon_bar().icon(3)); },
         [](Running& run) -> QWidget* { return run.options()->icon_bar().icon(5); }},
        {Screen::F_12_Help, QStringLiteral("help"),
         [](Running& run) { run.click_on(run.menu()->icon_bar().icon(4)); },
         [](Running& run) -> QWidget* { return run.help()->icon_bar().icon(3); }},
        {Screen::F_08_Crediti, QStringLiteral("credits"),
         [](Running& run) { run.click_on(run.menu()->icon_bar().icon(5)); },
         [](Running& run) -> QWidget* { return run.credits()->clickable(QStringLiteral("IMG_Icona_Uscita")); }},
    };
}

}  // namespace

class ScreensInWindow : public QObject {
    Q_OBJECT

private slots:
    void everyScreenStandsInsideTheWindow_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("800x600") << QSize(800, 600);
    }

    void everyScreenStandsInsideTheWindow() {
        QFETCH(QSize, size);
        Running run(size);
        const QString at = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        const QRect client = run.area()->rect();
        QWidget* menu = run.menu();
        QVERIFY2(client.contains(menu->geometry()), "the main menu");
        for (const ScreenCase& c : menu_screens()) {
            c.open(run);
            if (QTest::currentTestFailed()) return;
            QWidget* screen = run.shown_screen(c.id);
            QVERIFY2(screen != nullptr, qPrintable(c.name));
            screenshot(run.window, at + QStringLiteral("-") + c.name);
            const QRect place = screen->geometry();
            QVERIFY2(client.contains(place), qPrintable(c.name));
            // Clear of the main menu when the window is wide enough for both; else
            // against the right edge, over as little of the menu as it can.
            if (client.width() >= menu->geometry().right() + 1 + place.width()) {
                QVERIFY2(place.left() > menu->geometry().right(), qPrintable(c.name));
            } else {
                QVERIFY2(qAbs(place.right() - client.right()) <= 1, qPrintable(c.name));
            }
            // The close icon takes the click: the main menu is back alone.
            run.click_on(c.close(run));
            if (c.id == Screen::F_022_Utenti_Nuovo) run.click_on(run.users()->icon_bar().icon(3));
            if (QTest::currentTestFailed()) return;
            for (const ScreenCase& other : menu_screens()) QVERIFY(run.shown_screen(other.id) == nullptr);
        }
        // The options screen's strip has its own close icon at its right end.
        run.click_on(run.menu()->icon_bar().icon(3));
        run.click_on(run.options()->strip(1)->close_icon());
        QVERIFY(!run.options()->panel(1)->isVisible());
    }

    // Each screen open while the window is made smaller comes back inside the client
    // area, its close icon under the pointer there.
    void aScreenOpenWhileTheWindowShrinksComesBackInside() {
        Running run(QSize(1600, 1000));
        for (const ScreenCase& c : menu_screens()) {
            c.open(run);
            QWidget* screen = run.shown_screen(c.id);
            QVERIFY2(screen != nullptr, qPrintable(c.name));
            run.resize_to(QSize(800, 600));
            QTRY_VERIFY2(run.area()->rect().contains(screen->geometry()), qPrintable(c.name));
            screenshot(run.window, QStringLiteral("smaller-window-") + c.name);
            run.click_on(c.close(run));
            if (c.id == Screen::F_022_Utenti_Nuovo) run.click_on(run.users()->icon_bar().icon(3));
            if (QTest::currentTestFailed()) return;
            run.resize_to(QSize(1600, 1000));
        }
    }

    // A match started with a screen of the main menu open: "Gioca!" leaves nothing of
    // the screens over the table, and a click where the screen stood reaches the
    // table.
    void aNewMatchStartsOnAClearTableWhateverScreenWasOpen() {
        Running run(QSize(1024, 768));
        for (const ScreenCase& c : menu_screens()) {
            if (c.id == Screen::F_040_Partita) continue;
            c.open(run);
            QWidget* screen = run.shown_screen(c.id);
            QVERIFY2(screen != nullptr, qPrintable(c.name));
            const QPoint middle = screen->mapTo(&run.window, screen->rect().center());

            run.click_on(run.menu()->icon_bar().icon(1));
            run.click_on(run.set_up()->players(2));
            run.click_on(run.set_up()->icon_bar().icon(2));  // "Gioca!"
            if (QTest::currentTestFailed()) return;
            for (const ScreenCase& other : menu_screens())
                QVERIFY2(run.shown_screen(other.id) == nullptr, qPrintable(c.name + QStringLiteral(": ") + other.name));
            QVERIFY(run.shown_screen(Screen::F_011_Menu) == nullptr);
            QVERIFY(run.window.table().isVisible());
            screenshot(run.window, QStringLiteral("match-after-") + c.name);
            QVERIFY2(found_at(run.window, &run.window.table(), middle),
                     qPrintable(c.name + QStringLiteral(": the table is not under the screen's place")));
            // A person's click there is the table's: no screen comes back.
            QWidget* leave = run.table_control(ControlId::CMD_M_Chiudi_Partita);
            if (!found_at(run.window, leave, middle)) {
                QTest::mouseClick(run.window.windowHandle(), Qt::LeftButton, {}, middle);
                for (const ScreenCase& other : menu_screens()) QVERIFY(run.shown_screen(other.id) == nullptr);
            }
            // Back to the main menu for the next screen.
            if (run.program.master.PIC_Tavolo.Visible) run.click_on(leave);
            QTRY_VERIFY(run.shown(Screen::F_011_Menu));
        }
    }

    // A new user saved on the screens is the user the main menu shows, and the one
    // the options are then saved for.
    void aNewUserIsTheMainMenusUser() {
        Running run(QSize(1024, 768));
        run.click_on(run.menu()->arrow(4));  // Scopa: the save goes back to the first game
        run.click_on(run.menu()->icon_bar().icon(2));
        run.click_on(run.users()->icon_bar().icon(2));
        run.click_on(run.new_user()->name_box());
        QTest::keyClicks(run.new_user()->name_box(), QStringLiteral("Zed"));
        run.click_on(run.new_user()->icon_bar().icon(1));
        if (QTest::currentTestFailed()) return;
        QVERIFY(run.shown(Screen::F_02_Utenti));
        QCOMPARE(run.menu()->row_label(1)->text(), QStringLiteral("Zed"));
        QCOMPARE(run.menu()->row_label(2)->text(), QStringLiteral("Briscola"));
        screenshot(run.window, QStringLiteral("new-user-saved"));
        run.click_on(run.users()->icon_bar().icon(3));

        // The difficulty saved from the options goes into Zed's file for Briscola.
        run.click_on(run.menu()->icon_bar().icon(3));
        screens::F_06_Opzioni* o = run.options();
        run.click_on(o->icon_bar().icon(3));
        run.click_on(o->difficulty(3));
        run.click_on(o->difficulty_save());
        if (QTest::currentTestFailed()) return;
        const auto stored = storage::read_file(run.folder.folder.path() / "Users" / "Zed_1.opt");
        QVERIFY(stored.has_value());
        QCOMPARE(int(storage::decode_options(*stored).Difficolta), 3);
        QCOMPARE(run.menu()->row_label(1)->text(), QStringLiteral("Zed"));
    }

    // Without users the player is "Giocatore": on the set-up screen's who-plays-first
    // option, and on the scores panel of the match.
    void withoutUsersThePlayerIsGiocatore() {
        Running run(QSize(1024, 768), false);
        QCOMPARE(run.menu()->row_label(1)->text(), QString());
        run.click_on(run.menu()->icon_bar().icon(1));
        QRadioButton* first = run.set_up()->first_player(0);
        QCOMPARE(first->text().trimmed(), QStringLiteral("Giocatore"));
        run.click_on(first);
        QVERIFY(first->isChecked());
        run.click_on(run.set_up()->players(2));
        run.click_on(run.set_up()->icon_bar().icon(2));
        if (QTest::currentTestFailed()) return;
        run.click_on(run.table_control(ControlId::CMD_M_Punteggio));
        run.window.sync();
        auto* seat = qobject_cast<QLabel*>(run.table_control(ControlId::LBL_Parziale_Nome, 9));
        QVERIFY(seat != nullptr && seat->isVisible());
        QCOMPARE(seat->text().trimmed(), QStringLiteral("Giocatore"));
        screenshot(run.window, QStringLiteral("no-user-scores-panel"));
        QVERIFY(!std::filesystem::exists(run.folder.folder.path() / "Users"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ScreensInWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "screens_in_window_test.moc"
