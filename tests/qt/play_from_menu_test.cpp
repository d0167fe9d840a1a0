// From the program's start to whole matches and back, as a person plays them: every
// step is a real mouse event on the window's own widgets (the main menu's arrows and
// icons, the set-up screen's options, sliders and icons, the cards on the table and
// the end panel's button). With TAVOLORA_SCREENSHOTS set to a folder, the window is
// saved there at each screen, for a person to look at.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <vector>

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

namespace {

using namespace tavolora;
using table::ControlId;
using table::Screen;

using testing::click;
using testing::screenshot;

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
        QTRY_VERIFY_WITH_TIMEOUT(shown(Screen::F_011_Menu), 120000);
        player.stop();
        qInfo("%s: %d cards played by the human in %lld ms", qPrintable(shots), cards,
              static_cast<long long>(clock.elapsed()));
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
