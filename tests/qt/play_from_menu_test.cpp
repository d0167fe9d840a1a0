// From the program's start to whole matches and back, as a person plays them: every
// step is a real mouse event on the window's own widgets (the main menu's arrows and
// icons, the set-up screen's options, sliders and icons, the cards on the table and
// the end panel's button). Then what the score panel and the captured-cards viewer
// show from match to match: every standing whole on one line, each match's own seats,
// and the viewer afresh. With TAVOLORA_SCREENSHOTS set to a folder, the window is
// saved there at each screen, for a person to look at.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QSlider>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <vector>

#include "controls/platform/fit_text.h"
#include "core/games.h"
#include "platform/qt/qt_platform.h"
#include "program/program.h"
#include "screens/f_011_menu.h"
#include "screens/f_040_partita.h"
#include "screens/screen_host.h"
#include "storage/default_options.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "table/qt/main_window.h"
#include "table/qt/table_view.h"
#include "tests/qt/running_program.h"
#include "tests/qt/window_clicks.h"

namespace {

using namespace tavolora;
using table::ControlId;
using table::Screen;

using testing::click;
using testing::screenshot;

// How long the player plays for what a test waits for before the test fails, in ms.
constexpr int kPlayTimeout = 120000;

// The program as main() starts it, with the main menu and the set-up screen at hand.
class Running : public testing::RunningProgram {
public:
    using RunningProgram::RunningProgram;

    // One card the rules let the human play, as the table shows it; 0 when none.
    int legal_card() const {
        const auto& cards = program.match.Tabella_Carte;
        const int game = program.match.Codice_Gioco;
        int led = 0;
        if (game == games::kTresette) {
            const int table_suit = cards(20, 1, 1);
            for (int i = 1; i <= 40 && table_suit != 0; ++i) {
                if (cards(9, i, 1) == table_suit) led = table_suit;
            }
        }
        const int last = game == games::kCamicia ? 40 : std::min(program.match.Carte_In_Mano, 40);
        for (int i = 1; i <= last; ++i) {
            if (led != 0 && cards(9, i, 1) != led) continue;
            if (program.master.P.find(i) != nullptr && program.master.accepts_input({ControlId::P, i})) return i;
        }
        return 0;
    }

    // Plays until the main menu is back, as a person does, answering the table
    // whenever it waits: a legal card at each turn, the signal chooser in Tresette,
    // the end panel's button between hands. The player's clicks run the computer's
    // turns inside them, and the table's waits inside those: the player answers from
    // a timer, so that it answers inside those waits too.
    void play_to_the_end(const QString& shots) {
        const int cards = play_until([this] { return shown(Screen::F_011_Menu); }, "the main menu back", shots);
        if (QTest::currentTestFailed()) return;
        QVERIFY(cards >= 3);
        // The match is over: the end panel's button leaves the table, or Camicia has
        // left it already.
        if (program.master.PIC_Fine_Partita.Visible) {
            screenshot(window, shots + QStringLiteral("-end-panel"));
            QCOMPARE(program.master.CMD_Continua.Caption, std::string("Fine partita"));
            click(window.table().widgets().widget({ControlId::CMD_Continua}));
        }
        window.sync();
        QVERIFY(!program.master.PIC_Tavolo.Visible);
        QVERIFY(!window.table().isVisible());
        QVERIFY(shown(Screen::F_011_Menu));
    }

    // Plays as above until `done` holds; returns the cards the human played. A wait
    // of two minutes fails the test with the `awaited` it was waiting for; the
    // caller ends the test there.
    int play_until(const std::function<bool()>& done, const char* awaited, const QString& shots) {
        QElapsedTimer clock;
        clock.start();
        int cards = 0;
        bool shot_in_play = false;
        // Qt never fires a timer inside its own handler: the player looks from one
        // timer and acts from a single-shot one, so that it still looks while its
        // click waits.
        bool acting = false;
        const auto act = [&](std::function<void()> action) {
            if (acting) return;
            acting = true;
            QTimer::singleShot(0, [&acting, action = std::move(action)] {
                acting = false;
                action();
            });
        };
        QTimer player;
        QObject::connect(&player, &QTimer::timeout, [&] {
            if (shown(Screen::F_011_Menu)) return;
            table::qt::TableView& table = window.table();
            table::qt::ControlWidgets& widgets = table.widgets();
            if (program.master.PIC_Fine_Partita.Visible && program.master.accepts_input({ControlId::CMD_Continua})) {
                act([&widgets] { click(widgets.widget({ControlId::CMD_Continua})); });
                return;
            }
            if (program.master.PIC_Parola_Tiro.Visible) {
                if (program.master.accepts_input({ControlId::CMD_Parola_Tiro, 0}))
                    act([&widgets] { click(widgets.widget({ControlId::CMD_Parola_Tiro, 0})); });
                return;
            }
            const int card = legal_card();
            if (card == 0) return;
            act([&, card] {
                // The table may have changed since the card was chosen.
                if (!program.master.accepts_input({ControlId::P, card})) return;
                if (++cards == 4 && !shot_in_play) {
                    shot_in_play = true;
                    screenshot(window, shots + QStringLiteral("-in-play"));
                }
                const QRect place = table.picture_rect({ControlId::P, card});
                QVERIFY(!place.isEmpty());
                QTest::mouseClick(&table, Qt::LeftButton, {}, place.center());
            });
        });
        player.start(5);
        // A failure inside the player ends the wait as well.
        const bool reached = QTest::qWaitFor([&] { return done() || QTest::currentTestFailed(); }, kPlayTimeout);
        player.stop();
        qInfo("%s: %d cards played by the human in %lld ms", qPrintable(shots), cards,
              static_cast<long long>(clock.elapsed()));
        if (!reached) {
            const QString why = QStringLiteral("%1: still waiting for %2 after %3 s, with %4 cards played")
                                    .arg(shots, QLatin1String(awaited))
                                    .arg(kPlayTimeout / 1000)
                                    .arg(cards);
            QTest::qFail(qPrintable(why), __FILE__, __LINE__);
        }
        return cards;
    }

    // A match started from the main menu as a person starts it: the game's play icon,
    // the kind of match by its arrow, the players, the target at the end of its
    // slider (the largest the set-up offers), then "Gioca!".
    void start_match(int game, const QString& kind, int players) {
        choose_game(game);
        click(menu()->icon_bar().icon(1));
        screens::F_040_Partita* set_up = this->set_up();
        QVERIFY(set_up != nullptr);
        for (int step = 0; step < 5 && set_up->mode_label()->text() != kind; ++step) click(set_up->mode_arrow(2));
        QCOMPARE(set_up->mode_label()->text(), kind);
        click(set_up->players(players));
        for (QSlider* slider : {set_up->points_slider(), set_up->games_slider()}) {
            if (!slider->isVisible()) continue;
            slider->setFocus();
            QTest::keyClick(slider, Qt::Key_End);
        }
        click(set_up->icon_bar().icon(2));
        QVERIFY(program.master.PIC_Tavolo.Visible);
        QCOMPARE(int(program.match.Numero_Giocatori), players);
    }

    // The widget of a control of the table, as the window shows it now.
    QWidget* table_widget(table::ControlKey key) {
        window.sync();
        return window.table().widgets().widget(key);
    }
    QLabel* table_label(table::ControlKey key) { return qobject_cast<QLabel*>(table_widget(key)); }
    // A click of a control of the table sent to the window at its middle: it reaches
    // the control only where nothing lies over it.
    void click_table(table::ControlKey key) {
        testing::click_through_window(table_widget(key));
        window.sync();
    }

};

}  // namespace

class PlayFromMenu : public QObject {
    Q_OBJECT

private slots:
    void theMainMenuAndTheSetUpScreenAnswerTheMouse() {
        Running run(QSize(1024, 768));
        screens::F_011_Menu* menu = run.menu();
        QVERIFY(menu != nullptr);
        QVERIFY(run.shown(Screen::F_011_Menu));
        QCOMPARE(menu->row_label(1)->text(), QStringLiteral("Anna"));
        QCOMPARE(menu->row_label(2)->text(), QStringLiteral("Briscola"));
        QVERIFY(!run.window.menuBar()->isVisible());
        // The main menu stands over the table, left in the window.
        QVERIFY(menu->geometry().left() < 40);

        // Hovering an action icon names it below the icons and slides the highlight.
        screens::IconBarWidget& bar = menu->icon_bar();
        QTest::mouseMove(bar.icon(4), QPoint(10, 10));
        QCOMPARE(bar.description()->text(), QStringLiteral("Guida"));
        QTRY_COMPARE(bar.highlight()->pos(), bar.icon(4)->pos());
        QCOMPARE(bar.icon(4)->toolTip(), QStringLiteral("Guida"));

        for (int game : {2, 3, 4, 1}) {
            click(menu->arrow(4));
            QCOMPARE(int(run.program.match.Codice_Gioco), game);
            QCOMPARE(menu->row_label(2)->text(), QString::fromUtf8(games::find(game)->name));
        }
        click(menu->arrow(3));
        QCOMPARE(menu->row_label(2)->text(), QStringLiteral("Tresette"));

        // The set-up screen stands centred between the main menu and the window's
        // right edge, measured on the window's outer width.
        click(menu->icon_bar().icon(1));
        screens::F_040_Partita* set_up = run.set_up();
        QVERIFY(run.shown(Screen::F_040_Partita));
        QCOMPARE(set_up->size(), QSize(7785 / 15, 8145 / 15));
        const QSize outer = run.window.frameGeometry().size();
        const int right_of_menu = (200 + 4440) / 15;
        QVERIFY(qAbs((set_up->x() - right_of_menu) - (outer.width() - set_up->x() - set_up->width())) <= 2);
        // The layout takes the window to be 500 twips higher than its client area.
        const double height = run.window.centralWidget()->height() + 500.0 / 15;
        QVERIFY(qAbs(set_up->y() - (height - set_up->height() - 40) / 2) <= 1);
        // A name typed for a seat names its who-plays-first option; typing into the
        // points box leaves its slider where it was.
        set_up->name(2)->selectAll();
        QTest::keyClicks(set_up->name(2), QStringLiteral("Zia Pina"));
        QCOMPARE(set_up->first_player(2)->text(), QStringLiteral("Zia Pina"));
        click(set_up->mode_arrow(1));  // back from "Singola": "Punteggio"
        QCOMPARE(set_up->mode_label()->text(), QStringLiteral("Punteggio"));
        const int points = set_up->points_slider()->value();
        set_up->points_box()->selectAll();
        QTest::keyClicks(set_up->points_box(), QStringLiteral("500"));
        QCOMPARE(set_up->points_slider()->value(), points);
        // A pressed icon shifts right and down until the release puts it back.
        screens::MousePicture* play = set_up->icon_bar().icon(2);
        const QPoint rest = play->pos();
        QTest::mousePress(play, Qt::LeftButton, {}, QPoint(5, 5));
        run.window.sync();
        QCOMPARE(play->pos(), rest + QPoint(30 / 15, 50 / 15));
        QTest::mouseRelease(play, Qt::LeftButton, {}, QPoint(-100, -100));
        run.window.sync();
        QCOMPARE(play->pos(), rest);
        QVERIFY(run.shown(Screen::F_040_Partita));  // released away from it: no click

        // "Chiudi" closes it; the user arrows close it too.
        click(set_up->icon_bar().icon(1));
        QVERIFY(!run.shown(Screen::F_040_Partita));
        click(menu->icon_bar().icon(1));
        QVERIFY(run.shown(Screen::F_040_Partita));
        click(menu->arrow(2));
        QVERIFY(run.set_up() == nullptr);
        QVERIFY(run.shown(Screen::F_011_Menu));
    }

    // Two whole matches of one game in a row, at two player counts (Camicia: a normal
    // game, then a game to 21 cards); the second starts from the main menu the first
    // came back to.
    void wholeMatchesFromTheMainMenuAndBack_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<QList<int>>("players");
        QTest::newRow("briscola") << games::kBriscola << QList<int>{2, 3};
        QTest::newRow("scopa") << games::kScopa << QList<int>{2, 4};
        QTest::newRow("camicia") << games::kCamicia << QList<int>{0, 0};
        QTest::newRow("tresette") << games::kTresette << QList<int>{4, 2};
    }

    void wholeMatchesFromTheMainMenuAndBack() {
        QFETCH(int, game);
        QFETCH(QList<int>, players);
        const QSize size = window_size();
        Running run(size);
        const QString at = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        screenshot(run.window, at + QStringLiteral("-main-menu"));
        const QString game_name = QString::fromUtf8(games::find(game)->name).toLower();
        for (int match = 1; match <= players.size(); ++match) {
            const int count = players[match - 1];
            const QString name = at + QStringLiteral("-%1-%2").arg(game_name).arg(match);
            run.choose_game(game);
            // The play icon opens the game's set-up.
            click(run.menu()->icon_bar().icon(1));
            screens::F_040_Partita* set_up = run.set_up();
            QVERIFY(set_up != nullptr);
            QVERIFY(run.shown(Screen::F_040_Partita));
            if (count != 0) {
                click(set_up->players(count));
                QVERIFY(set_up->players(count)->isChecked());
                QCOMPARE(set_up->name(2)->isEnabled(), true);
                QCOMPARE(set_up->name(1)->isEnabled(), count >= 3);
                QCOMPARE(set_up->name(3)->isEnabled(), count == 4);
                // The user plays first until another seat is chosen.
                QVERIFY(set_up->first_player(0)->isChecked());
            }
            if (game == games::kBriscola && match == 2) {
                // "Partite", to one game won: the slider from the keyboard.
                click(set_up->mode_arrow(2));
                QCOMPARE(set_up->mode_label()->text(), QStringLiteral("Partite"));
                QVERIFY(set_up->games_slider()->isVisible());
                QVERIFY(!set_up->points_slider()->isVisible());
                set_up->games_slider()->setFocus();
                QTest::keyClick(set_up->games_slider(), Qt::Key_Home);
                QCOMPARE(set_up->games_box()->text(), QStringLiteral("1"));
            }
            if (game == games::kScopa && match == 2) {
                // "Punteggio", to 3 points typed in the box.
                click(set_up->mode_arrow(1));
                QCOMPARE(set_up->mode_label()->text(), QStringLiteral("Punteggio"));
                QVERIFY(set_up->points_box()->isVisible());
                set_up->points_box()->selectAll();
                QTest::keyClicks(set_up->points_box(), QStringLiteral("3"));
            }
            if (game == games::kCamicia) {
                // A normal game, then a game to 21 cards: the count is open only for
                // the second.
                const int kind = match == 1 ? 0 : 2;
                click(set_up->camicia_kind(kind));
                QVERIFY(set_up->camicia_kind(kind)->isChecked());
                QCOMPARE(set_up->camicia_count_slider()->isEnabled(), kind == 2);
                if (kind == 2) {
                    set_up->camicia_count_slider()->setFocus();
                    QTest::keyClick(set_up->camicia_count_slider(), Qt::Key_Home);
                    QCOMPARE(set_up->camicia_count_box()->text(), QStringLiteral("21"));
                }
            }
            screenshot(run.window, name + QStringLiteral("-set-up"));

            // "Gioca!": the screens go, the table comes and the first hand is dealt.
            click(set_up->icon_bar().icon(2));
            QVERIFY(!run.shown(Screen::F_011_Menu));
            QVERIFY(!run.shown(Screen::F_040_Partita));
            QVERIFY(run.program.master.PIC_Tavolo.Visible);
            if (count != 0) QCOMPARE(run.program.match.Numero_Giocatori, count);
            run.play_to_the_end(name);
            if (QTest::currentTestFailed()) return;
        }
        // The settings chosen were saved for the next opening.
        click(run.menu()->icon_bar().icon(1));
        if (players.back() != 0) QVERIFY(run.set_up()->players(players.back())->isChecked());
        if (game == games::kCamicia) QVERIFY(run.set_up()->camicia_kind(2)->isChecked());
    }

    // The standing on the score panel ("121 / 1200") reads whole on one line, in the
    // frame's own font, in every kind of match that has one: the largest target the
    // set-up offers, totals longer than a match reaches, a negative one too, at the
    // smallest window and a large one.
    void theStandingsReadWholeOnOneLine_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("game");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("players");
        for (const QSize size : {QSize(800, 600), QSize(1600, 1000)}) {
            const QString at = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            QTest::newRow(qPrintable(at + QStringLiteral("-briscola-punteggio")))
                << size << games::kBriscola << QStringLiteral("Punteggio") << 4;
            QTest::newRow(qPrintable(at + QStringLiteral("-briscola-151")))
                << size << games::kBriscola << QStringLiteral("151") << 4;
            QTest::newRow(qPrintable(at + QStringLiteral("-briscola-partite")))
                << size << games::kBriscola << QStringLiteral("Partite") << 3;
            QTest::newRow(qPrintable(at + QStringLiteral("-scopa-punteggio")))
                << size << games::kScopa << QStringLiteral("Punteggio") << 4;
            QTest::newRow(qPrintable(at + QStringLiteral("-tresette-punteggio")))
                << size << games::kTresette << QStringLiteral("Punteggio") << 4;
        }
    }

    void theStandingsReadWholeOnOneLine() {
        QFETCH(QSize, size);
        QFETCH(int, game);
        QFETCH(QString, kind);
        QFETCH(int, players);
        Running run(size);
        run.start_match(game, kind, players);
        if (QTest::currentTestFailed()) return;

        // Totals past the longest a match reaches: Briscola to 1200 ends in the hand
        // that passes it, with at most 120 points and, in 151, 100 of declarations.
        auto& cards = run.program.match.Tabella_Carte;
        const int thirds = game == games::kTresette ? 3 : 1;
        const std::int16_t totals[] = {1419, -1419, 999, 1200};
        int row = 0;
        for (int seat : {9, 1, 2, 3}) {
            cards(engine::list::kMatch, seat, 1) = static_cast<std::int16_t>(totals[row++] * thirds);
            cards(seat + 10, engine::list::kScoreCell, 3) = 15;  // games won
        }
        run.program.match.Ferma_Punteggio = false;
        run.program.waits.at_boundary([&run] { run.program.engine.Aggiorna_Punteggi(); });
        run.click_table({ControlId::CMD_M_Punteggio});
        QVERIFY(run.program.master.PIC_51_Monitor.Visible);
        QWidget* frame = run.table_widget({ControlId::Frame1});
        QVERIFY(frame != nullptr);
        for (int seat : {9, 2, 1, 3}) {
            if ((seat == 1 && players < 3) || (seat == 3 && players < 4)) break;
            const table::Control& total = run.program.master.LBL_Totale_Punti(seat);
            QVERIFY2(total.Caption.find(" / ") != std::string::npos, total.Caption.c_str());
            QLabel* label = run.table_label({ControlId::LBL_Totale_Punti, seat});
            QVERIFY(label != nullptr && label->isVisible());
            const QString text = label->text();
            QCOMPARE(text, QString::fromStdString(total.Caption));
            // One line, whole in the label's room, the label whole in its frame.
            const QFontMetricsF metrics(label->font());
            const QSize room = controls::text_room(*label);
            QVERIFY2(metrics.horizontalAdvance(text) <= room.width(), qPrintable(text));
            QVERIFY2(metrics.height() <= room.height(), qPrintable(text));
            QVERIFY(frame->contentsRect().contains(label->geometry()));
            // In the frame's own font: the label's room is enough for it.
            QCOMPARE(QFontInfo(label->font()).pixelSize(), QFontInfo(frame->font()).pixelSize());
        }
        screenshot(run.window, QStringLiteral("%1x%2-score-panel-%3-%4")
                                   .arg(size.width())
                                   .arg(size.height())
                                   .arg(QString::fromUtf8(games::find(game)->name).toLower(), kind.toLower()));
    }

    // A four-player Briscola right after a two-player Scopa in which Galvino's pile
    // was looked at: the score panel shows every seat's points and standing, the
    // viewer opens on this match's empty pile of the human, and Tuno's and Melto's
    // buttons answer. Every click on the table goes to the window at a point.
    void eachMatchShowsItsOwnSeatsAndStartsTheViewerAfresh() {
        const QSize size = window_size();
        const QString at = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        Running run(size);
        const table::MasterWindow& w = run.program.master;
        const auto& cards = run.program.match.Tabella_Carte;
        const auto shows = [&run](table::ControlKey key) {
            QLabel* label = run.table_label(key);
            return label != nullptr ? label->text() : QString();
        };

        run.start_match(games::kScopa, QStringLiteral("Punteggio"), 2);
        if (QTest::currentTestFailed()) return;
        run.play_until([&cards] { return cards(12, 1, 1) != 0; }, "a card in Galvino's pile",
                       at + QStringLiteral("-scopa-before"));
        if (QTest::currentTestFailed()) return;
        run.click_table({ControlId::CMD_M_Carte});
        run.click_table({ControlId::Visualizza_Prese, 2});
        QCOMPARE(int(run.program.anim.Lista_Prese), 12);
        QVERIFY(shows({ControlId::LBL_RiepilogoPrese_Numero}) != QStringLiteral("0"));
        screenshot(run.window, at + QStringLiteral("-scopa-viewer-galvino"));
        run.click_table({ControlId::CMD_M_Chiudi_Partita});
        QVERIFY(run.shown(Screen::F_011_Menu));

        run.start_match(games::kBriscola, QStringLiteral("Punteggio"), 4);
        if (QTest::currentTestFailed()) return;
        run.click_table({ControlId::CMD_M_Punteggio});
        for (int seat : {9, 1, 2, 3}) {
            for (ControlId id : {ControlId::LBL_Parziale_Punti, ControlId::LBL_Totale_Punti}) {
                QLabel* label = run.table_label({id, seat});
                QVERIFY(label != nullptr && label->isVisible());
                QVERIFY2(label->isEnabled(), qPrintable(label->objectName()));
                QVERIFY2(label->text() != QStringLiteral("-"), qPrintable(label->objectName()));
            }
        }
        screenshot(run.window, at + QStringLiteral("-briscola-4-after-scopa-2-scores"));

        // The viewer: the human's pile of this match, empty, in no deck yet.
        run.click_table({ControlId::CMD_M_Carte});
        QCOMPARE(int(run.program.anim.Lista_Prese), 19);
        QCOMPARE(shows({ControlId::LBL_RiepilogoPrese_testo}), QStringLiteral("Numero di prese"));
        QCOMPARE(shows({ControlId::LBL_RiepilogoPrese_Numero}), QStringLiteral("0"));
        for (int k = 0; k < 4; ++k) {
            QLabel* slot = run.table_label({ControlId::IMG_Prese, k});
            QVERIFY(slot == nullptr || !slot->isVisible() || slot->pixmap().isNull());
        }
        screenshot(run.window, at + QStringLiteral("-briscola-4-after-scopa-2-viewer"));
        // Tuno's and Melto's piles are there to be chosen.
        for (int seat : {1, 3}) {
            run.click_table({ControlId::Visualizza_Prese, seat});
            QCOMPARE(int(run.program.anim.Lista_Prese), seat + 10);
            QCOMPARE(shows({ControlId::LBL_RiepilogoPrese_Numero}), QStringLiteral("0"));
        }
        QVERIFY(w.Visualizza_Prese(3).Enabled);
    }

    // A fresh clone has no user yet: the main menu shows none, and a match is played
    // by "Giocatore" with a new user's options, which nothing writes down.
    void aFolderWithoutUsersPlaysWithTheDefaults() {
        Running run(QSize(1024, 768), false);
        QCOMPARE(run.menu()->row_label(1)->text(), QString());
        QCOMPARE(run.menu()->row_label(2)->text(), QStringLiteral("Briscola"));
        run.choose_game(games::kTresette);
        click(run.menu()->icon_bar().icon(1));
        screens::F_040_Partita* set_up = run.set_up();
        QVERIFY(set_up->players(2)->isChecked());
        QCOMPARE(set_up->first_player(0)->text().trimmed(), QStringLiteral("Giocatore"));
        click(set_up->players(4));
        click(set_up->icon_bar().icon(2));
        run.play_to_the_end(QStringLiteral("no-user"));
        if (QTest::currentTestFailed()) return;
        QVERIFY(!std::filesystem::exists(run.folder.folder.path() / "Users"));
    }

    void theExitIconSavesTheLastUserAndGameAndEndsTheProgram() {
        Running run(QSize(1024, 768));
        run.choose_game(games::kCamicia);
        click(run.menu()->icon_bar().icon(7));
        QVERIFY(run.program.waits.finished());
        const auto general = storage::read_file(run.folder.folder.path() / "Options" / "TVQ.opt");
        QVERIFY(general.has_value());
        QCOMPARE(int(storage::decode_options(*general).Impostazioni(1)), games::kCamicia);
    }

private:
    // The window's size: 1024 x 768, or TAVOLORA_WINDOW_SIZE ("1600x1000").
    static QSize window_size() {
        const QList<QByteArray> parts = qgetenv("TAVOLORA_WINDOW_SIZE").split('x');
        if (parts.size() == 2) return {parts[0].toInt(), parts[1].toInt()};
        return {1024, 768};
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PlayFromMenu test;
    return QTest::qExec(&test, argc, argv);
}

#include "play_from_menu_test.moc"
