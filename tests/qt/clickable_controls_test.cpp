// Every control a person can click takes the click where the person sees it. In
// every game, at 2 and 4 players (Camicia as it is played), with the strip, the
// three floating panels, the captured-cards viewer, the Tresette signal chooser and
// the end panel shown, with the main menu back over the table at the end of the
// match, and on every screen the main menu opens (each options panel too), each
// visible, enabled control (the human's cards, the buttons of the table and of the
// screens, every handle, close and reopen button, the icons and arrows, the scroll
// bars, lists, boxes and sliders) is found by the window, at the middle of the part
// of it that can be seen and at the middles of that part's quarters, as that control
// or a child of it.
//
// What may lie over what: a screen over the table and what lies on it; what lies on
// the table (a panel, the strip, an overlay) over anything, once the table has
// brought it to the front, for the person moves the panels and opens them over the
// menu; a screen over another screen only where the window is too narrow for both
// side by side. Anything else, a control under another one of its own screen or
// panel above all, is a fault. The controls are found by walking the
// window's widgets, so that a control added later is checked too. The states are set
// up through the program's data where playing to them would be slow; every click
// goes through the window. The window's size is TAVOLORA_WINDOW_SIZE (1280x900 by
// default); with TAVOLORA_SCREENSHOTS set to a folder, each state is saved there.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegion>
#include <QtTest>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "controls/button/theme_button.h"
#include "core/games.h"
#include "screens/parts.h"
#include "screens/screen.h"
#include "screens/screen_host.h"
#include "table/qt/table_view.h"
#include "tests/qt/running_program.h"
#include "tests/qt/window_clicks.h"

namespace {

using namespace tavolora;
using table::ControlId;
using table::ControlKey;
using table::Screen;
using testing::in_window;

// Whether a person clicks the widget: a button, a picture that answers the mouse, a
// scroll bar or slider, a list, a box.
bool clickable(const QWidget* widget) {
    if (const auto* picture = qobject_cast<const screens::MousePicture*>(widget))
        return static_cast<bool>(picture->clicked) || static_cast<bool>(picture->pressed);
    return qobject_cast<const controls::ThemeButton*>(widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr || qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

// A widget by its names up to the client area, for the messages.
QString path_of(const QWidget* widget) {
    QStringList names;
    for (const QWidget* w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                : w->objectName());
        if (qobject_cast<const screens::ScreenWidget*>(w) != nullptr) break;
    }
    return widget == nullptr ? QStringLiteral("nothing") : names.join(QLatin1Char('/'));
}

QRect in_window_rect(const QWidget* widget) { return {in_window(widget, QPoint(0, 0)), widget->size()}; }

// A point well inside a region: the middle of its bounds when it lies in it, else the
// middle of its largest rectangle.
QPoint middle_of(const QRegion& region) {
    const QPoint middle = region.boundingRect().center();
    if (region.contains(middle)) return middle;
    QRect largest;
    for (const QRect& r : region) {
        if (r.width() * r.height() > largest.width() * largest.height()) largest = r;
    }
    return largest.center();
}

class Window {
public:
    explicit Window(testing::RunningProgram& run) : run_(run) {}

    QWidget& window() { return run_.window; }
    QWidget& client() { return run_.window.client_area(); }
    table::qt::TableView& table() { return run_.window.table(); }
    QWidget* widget(ControlKey key) {
        run_.window.sync();
        return table().widgets().widget(key);
    }

    // The widget of the client area that `widget` stands in: the table, a control
    // lying on it, or a screen.
    QWidget* element_of(QWidget* widget) {
        while (widget != nullptr && widget->parentWidget() != &client()) widget = widget->parentWidget();
        return widget;
    }
    static bool is_screen(const QWidget* widget) {
        return qobject_cast<const screens::ScreenWidget*>(widget) != nullptr;
    }

    // Whether two screens fit side by side in the client area, from the left margin
    // of the leftmost: only a window too narrow for both lets one lie over the other.
    bool room_for_both(const QWidget* a, const QWidget* b) {
        return std::min(a->x(), b->x()) + a->width() + b->width() <= client().width();
    }

    // `rect` of the window, in `element`, less what lies over it by right: the
    // client area's widgets in front of `element`, but for a screen the other screens
    // that could have stood beside it.
    QRegion seen(QRect rect, QWidget* element) {
        QRegion region(rect & in_window_rect(&client()));
        const QList<QWidget*> stack = client().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (qsizetype i = stack.indexOf(element) + 1; i < stack.size(); ++i) {
            QWidget* over = stack[i];
            if (!over->isVisible() || (is_screen(element) && is_screen(over) && room_for_both(element, over)))
                continue;
            region -= in_window_rect(over);
        }
        return region;
    }

    // What can be seen of a widget: inside its containers, less what lies over it by
    // right.
    QRegion seen(QWidget* widget) {
        QRect rect = in_window_rect(widget);
        for (QWidget* c = widget->parentWidget(); c != nullptr && !c->isWindow(); c = c->parentWidget())
            rect &= in_window_rect(c);
        return seen(rect, element_of(widget));
    }

    // The point a person clicks on a widget: the middle of what can be seen of it;
    // none when nothing of it can.
    std::optional<QPoint> aim(QWidget* widget) {
        run_.window.sync();
        const QRegion region = seen(widget);
        if (region.isEmpty()) return std::nullopt;
        return middle_of(region);
    }

    // A click on a control through the window, where a person sees it: an option or
    // a check box on its mark.
    void click(QWidget* widget) {
        QVERIFY(widget != nullptr);
        std::optional<QPoint> at = aim(widget);
        QVERIFY2(at.has_value(), qPrintable(path_of(widget)));
        if (qobject_cast<QRadioButton*>(widget) != nullptr || qobject_cast<QCheckBox*>(widget) != nullptr)
            at = in_window(widget, QPoint(8, widget->height() / 2));
        QWidget* found = window().childAt(*at);
        QVERIFY2(found == widget || widget->isAncestorOf(found),
                 qPrintable(path_of(widget) + QStringLiteral(" is covered by ") + path_of(found)));
        testing::window_click(window(), *at);
        run_.window.sync();
    }
    void click(ControlKey key) { click(widget(key)); }
    // A click on the child of a screen named `name`.
    void click(Screen screen, const char* name) {
        QWidget* host = run_.window.screens().screen(screen);
        QVERIFY2(host != nullptr, name);
        click(host->findChild<QWidget*>(QString::fromLatin1(name)));
    }

    // Every clickable widget of the window and every card of the human's hand that
    // takes the mouse: the window must find each at the middle of what can be seen of
    // it. Returns the faults; `checked` gets the names of the controls checked.
    QStringList check(std::set<QString>& checked) {
        run_.window.sync();
        QApplication::processEvents();
        run_.window.sync();
        QStringList faults;
        for (QWidget* widget : client().findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled() || !clickable(widget)) continue;
            if (widget->testAttribute(Qt::WA_TransparentForMouseEvents)) continue;
            const QRegion region = seen(widget);
            if (region.isEmpty()) continue;
            // Its middle, and the middles of its quarters, where they can be seen: a
            // control half covered by another is found out too.
            const QRect bounds = region.boundingRect();
            std::vector<QPoint> points{middle_of(region)};
            for (const double fx : {0.25, 0.75}) {
                for (const double fy : {0.25, 0.75}) {
                    const QPoint p(bounds.left() + static_cast<int>(fx * bounds.width()),
                                   bounds.top() + static_cast<int>(fy * bounds.height()));
                    if (region.contains(p)) points.push_back(p);
                }
            }
            for (const QPoint& at : points) {
                QWidget* found = window().childAt(at);
                if (found == widget || widget->isAncestorOf(found)) continue;
                faults << QStringLiteral("%1 at (%2, %3): the window finds %4")
                              .arg(path_of(widget))
                              .arg(at.x())
                              .arg(at.y())
                              .arg(path_of(found));
                break;
            }
            checked.insert(widget->objectName());
        }
        check_cards(faults, checked);
        return faults;
    }

private:
    // The human's cards are painted on the table: the window finds the table there,
    // and the table the card, where no other picture lies over it.
    void check_cards(QStringList& faults, std::set<QString>& checked) {
        table::MasterWindow& w = run_.program.master;
        table::qt::TableView& view = table();
        if (!view.isVisible()) return;
        const QPoint origin = in_window(&view, QPoint(0, 0));
        for (int i = 1; i <= 40; ++i) {
            const table::Control* card = w.P.find(i);
            if (card == nullptr || !card->Visible || !w.accepts_input({ControlId::P, i})) continue;
            QRegion region(view.picture_rect({ControlId::P, i}).translated(origin));
            const auto less_pictures_over = [&](table::ControlArray& pictures, int from, int to) {
                pictures.for_each_loaded(from, to, [&](table::Control& other) {
                    if (&other != card && other.Visible && other.z > card->z)
                        region -= view.picture_rect(other.key).translated(origin);
                });
            };
            less_pictures_over(w.P, 1, w.P.upper());
            less_pictures_over(w.P_A, 1, w.P_A.upper());
            region = seen(region.boundingRect() & in_window_rect(&view), &view) & region;
            if (region.isEmpty()) continue;
            const QPoint at = middle_of(region);
            QWidget* found = window().childAt(at);
            const QString name = QString::fromStdString(table::describe(card->key));
            if (found != &view || view.control_at(at - origin) != card->key) {
                faults << QStringLiteral("%1 at (%2, %3): the window finds %4")
                              .arg(name)
                              .arg(at.x())
                              .arg(at.y())
                              .arg(found == &view ? QString::fromStdString(table::describe(view.control_at(at - origin)))
                                                  : path_of(found));
            }
            checked.insert(QStringLiteral("P"));
        }
    }

    testing::RunningProgram& run_;
};

// The controls that must have been found and checked in a state: a fault that hid
// one of them wholly would otherwise pass unseen.
void expect_checked(const std::set<QString>& checked, std::initializer_list<const char*> names) {
    for (const char* name : names) QVERIFY2(checked.count(QString::fromLatin1(name)) == 1, name);
}

}  // namespace

class ClickableControls : public QObject {
    Q_OBJECT

private slots:
    void everyControlTakesItsClick_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("players");
        QTest::addColumn<bool>("variant");
        QTest::addColumn<bool>("screens");
        QTest::newRow("briscola-2") << games::kBriscola << 2 << false << true;
        QTest::newRow("briscola-4") << games::kBriscola << 4 << false << false;
        QTest::newRow("briscola-151") << games::kBriscola << 4 << true << false;
        QTest::newRow("scopa-2") << games::kScopa << 2 << false << true;
        QTest::newRow("scopa-4") << games::kScopa << 4 << false << false;
        QTest::newRow("tresette-2") << games::kTresette << 2 << false << true;
        QTest::newRow("tresette-4") << games::kTresette << 4 << false << false;
        // Camicia is played by two.
        QTest::newRow("camicia") << games::kCamicia << 2 << false << true;
    }

    void everyControlTakesItsClick() {
        QFETCH(int, game);
        QFETCH(int, players);
        QFETCH(bool, variant);
        QFETCH(bool, screens);
        const QSize size = testing::window_size_from_environment(QSize(1280, 900));
        const QString row = QString::fromLatin1(QTest::currentDataTag()) +
                            QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
        testing::RunningProgram run(size);
        Window w(run);
        table::MasterWindow& m = run.program.master;
        QStringList faults;
        const auto check = [&](const QString& state) {
            std::set<QString> checked;
            for (const QString& fault : w.check(checked)) faults << state + QStringLiteral(": ") + fault;
            testing::screenshot(run.window, row + QLatin1Char('-') + state);
            return checked;
        };

        // The match chosen and started from the main menu and the set-up screen.
        screens::F_011_Menu* menu = run.menu();
        for (int step = 0; step < 4 && run.program.match.Codice_Gioco != game; ++step) w.click(menu->arrow(4));
        QCOMPARE(int(run.program.match.Codice_Gioco), game);
        w.click(menu->icon_bar().icon(1));
        QTRY_VERIFY(run.shown(Screen::F_040_Partita));
        screens::F_040_Partita* set_up = run.set_up();
        for (int step = 0; step < 5 && variant && set_up->mode_label()->text() != QStringLiteral("151"); ++step)
            w.click(set_up->mode_arrow(2));
        if (set_up->players(players)->isVisible() && set_up->players(players)->isEnabled())
            w.click(set_up->players(players));
        expect_checked(check(QStringLiteral("set-up")), {"IMG_Icona_1", "IMG_Icona_2"});
        w.click(set_up->icon_bar().icon(2));
        QTRY_VERIFY(!run.shown(Screen::F_040_Partita));
        QVERIFY(m.PIC_Tavolo.Visible);
        QCOMPARE(int(run.program.match.Numero_Giocatori), players);
        if (variant) QCOMPARE(int(run.program.match.Modalita_Partita), 4);

        // In play, the human to play: the panels opened from the strip where it opens
        // them, the others as the play opens them.
        const bool strip_opens_panels = game != games::kCamicia;
        if (strip_opens_panels) {
            w.click({ControlId::CMD_M_Punteggio});
            w.click({ControlId::CMD_M_Carte});
        } else {
            for (table::Control* panel : {&m.PIC_51_Monitor, &m.PIC_52_Monitor}) {
                panel->Visible = true;
                panel->ZOrder(0);
            }
        }
        if (game == games::kTresette) {
            w.click({ControlId::CMD_M_Briscola});
        } else {
            m.PIC_Riepilogo_Accusi.Visible = true;
            m.PIC_Riepilogo_Accusi.ZOrder(0);
        }
        // The human's pile, for the viewer's scroll bar.
        for (int i = 1; i <= 7; ++i) {
            run.program.match.Tabella_Carte(19, i, 1) = static_cast<std::int16_t>(1 + i % 4);
            run.program.match.Tabella_Carte(19, i, 2) = static_cast<std::int16_t>(i);
        }
        w.click({ControlId::Visualizza_Prese, 9});
        if (game == games::kTresette && players == 4) run.program.animation.Mostra_Parola_Tiro();
        const std::set<QString> in_play = check(QStringLiteral("in-play"));
        expect_checked(in_play, {"P", "CMD_Muovi_Menu_M", "CMD_M_ApriChiudi(1)", "CMD_M_Briscola",
                                 "CMD_Muovi_PIC_051_Monitor", "CMD_Chiudi_PIC_051_Monitor",
                                 "CMD_Muovi_PIC_052_Monitor", "CMD_Chiudi_PIC_052_Monitor",
                                 "CMD_Muovi_PIC_Riepilogo_Accusi", "CMD_Chiudi_PIC_Riepilogo_Accusi",
                                 "Visualizza_Prese(9)", "Visualizza_Prese(2)"});
        // Camicia's short strip holds only its first button.
        if (strip_opens_panels)
            expect_checked(in_play, {"CMD_M_Punteggio", "CMD_M_Carte", "CMD_M_Chiudi_Partita", "HSR_Prese"});
        if (game == games::kTresette && players == 4)
            expect_checked(in_play, {"CMD_Parola_Tiro", "CMD_Parola_Tiro(1)", "CMD_Parola_Tiro(2)"});
        m.PIC_Parola_Tiro.Visible = false;

        // The strip closed to its reopen button, and opened again.
        w.click({ControlId::CMD_M_ApriChiudi, 1});
        // (Member 0 of an array is named as a single control.)
        expect_checked(check(QStringLiteral("strip-closed")), {"CMD_M_ApriChiudi"});
        w.click({ControlId::CMD_M_ApriChiudi, 0});
        QVERIFY(m.FRM_M_Menu.Visible);

        // The end of the match: the end panel, and the main menu back over the table;
        // the panels opened again from the end panel. Camicia leaves the table.
        run.program.waits.at_boundary([&run] { run.program.engine.Fine_Partita(); });
        QVERIFY(run.shown(Screen::F_011_Menu));
        if (m.PIC_Fine_Partita.Visible) {
            w.click({ControlId::CMD_PIC_Fine_Partita_Visualizza_Punteggi});
            w.click({ControlId::ThemeButton2});
            expect_checked(check(QStringLiteral("end-of-match")),
                           {"CMD_Continua", "CMD_PIC_Fine_Partita_Visualizza_Punteggi", "ThemeButton2",
                            "CMD_Muovi_PIC_051_Monitor", "CMD_Chiudi_PIC_051_Monitor", "CMD_Muovi_PIC_052_Monitor",
                            "CMD_Chiudi_PIC_052_Monitor"});
            // The person closes the panels before going on from the menu.
            for (ControlId close : {ControlId::CMD_Chiudi_PIC_051_Monitor, ControlId::CMD_Chiudi_PIC_052_Monitor,
                                    ControlId::CMD_Chiudi_PIC_Riepilogo_Accusi}) {
                if (run.program.master.accepts_input({close})) w.click({close});
            }
        } else {
            expect_checked(check(QStringLiteral("end-of-match")), {"IMG_Icona_1", "IMG_Icona_7"});
        }
        if (!screens) {
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
            return;
        }

        // Every screen the main menu opens, closed again by its own close icon.
        const auto open = [&](int icon, Screen screen) {
            w.click(menu->icon_bar().icon(icon));
            QTRY_VERIFY(run.shown(screen));
        };
        const auto closed = [&](Screen screen) { QTRY_VERIFY(!run.shown(screen)); };
        open(5, Screen::F_08_Crediti);
        expect_checked(check(QStringLiteral("credits")), {"IMG_Icona_1", "IMG_Icona_2", "IMG_Icona_Uscita"});
        w.click(Screen::F_08_Crediti, "IMG_Icona_Uscita");
        closed(Screen::F_08_Crediti);

        open(4, Screen::F_12_Help);
        expect_checked(check(QStringLiteral("help")), {"IMG_Icona_3", "TVW_Help"});
        w.click(Screen::F_12_Help, "IMG_Icona_3");
        closed(Screen::F_12_Help);

        open(3, Screen::F_06_Opzioni);
        check(QStringLiteral("options"));
        for (int panel : {1, 2, 3, 4, 6}) {
            QWidget* options = run.window.screens().screen(Screen::F_06_Opzioni);
            const auto* icon = options->findChild<QWidget*>(QStringLiteral("IMG_Icona_%1").arg(panel));
            if (icon == nullptr || !icon->isVisible()) continue;
            w.click(options->findChild<QWidget*>(QStringLiteral("IMG_Icona_%1").arg(panel)));
            const QString close = QStringLiteral("IMG_Icona_SubMenu_Opzioni_%1").arg(2 * panel);
            expect_checked(check(QStringLiteral("options-panel-%1").arg(panel)),
                           {"IMG_Icona_5", qPrintable(close)});
            w.click(options->findChild<QWidget*>(close));
        }
        w.click(Screen::F_06_Opzioni, "IMG_Icona_5");
        closed(Screen::F_06_Opzioni);

        // (The set-up screen was checked as the match began.)
        open(2, Screen::F_02_Utenti);
        expect_checked(check(QStringLiteral("users")), {"IMG_Icona_1", "IMG_Icona_2", "IMG_Icona_3"});
        w.click(Screen::F_02_Utenti, "IMG_Icona_2");
        QTRY_VERIFY(run.shown(Screen::F_022_Utenti_Nuovo));
        expect_checked(check(QStringLiteral("new-user")), {"IMG_Icona_1", "IMG_Icona_2", "TXT_022_Nome_Utente"});
        w.click(Screen::F_022_Utenti_Nuovo, "IMG_Icona_2");
        closed(Screen::F_022_Utenti_Nuovo);

        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ClickableControls test;
    return QTest::qExec(&test, argc, argv);
}

#include "clickable_controls_test.moc"
