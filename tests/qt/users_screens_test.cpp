// The user screens in the real window, with the mouse: the users icon of the main
// menu opens the list, a row is selected, new users are made with a name typed and
// a photo chosen on the scroll bar, one user is kept after a No and one deleted
// after a Yes, the list closes, and the main menu's user row then steps through the
// users made. With TAVOLORA_SCREENSHOTS set, both screens and the question are saved
// there.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>

#include "screens/f_011_menu.h"
#include "screens/f_022_utenti_nuovo.h"
#include "screens/f_02_utenti.h"
#include "screens/screen_host.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "tests/qt/running_program.h"
#include "tests/qt/window_clicks.h"

namespace {

using namespace tavolora;
using table::Screen;
using testing::click;
using testing::screenshot;

class Running : public testing::RunningProgram {
public:
    using RunningProgram::RunningProgram;

    screens::F_02_Utenti* users() { return screen<screens::F_02_Utenti>(Screen::F_02_Utenti); }
    screens::F_022_Utenti_Nuovo* new_user() {
        return screen<screens::F_022_Utenti_Nuovo>(Screen::F_022_Utenti_Nuovo);
    }
    bool user_file(const char* name) const {
        return std::filesystem::exists(folder.folder.path() / "Users" / (std::string(name) + ".usr"));
    }

    // A user made from the user screen, with clicks and keys sent to the window:
    // "Crea Utente", the name typed, the scroll bar's right arrow clicked `steps`
    // times, "Crea utente". The list then frames the new user, whom the main menu shows.
    void make_user(const QString& name, int steps, const QString& shot = {}) {
        testing::click_through_window(users()->icon_bar().icon(2));
        screens::F_022_Utenti_Nuovo* form = new_user();
        QVERIFY(form != nullptr);
        QVERIFY(shown(Screen::F_022_Utenti_Nuovo));
        QVERIFY(!shown(Screen::F_02_Utenti));
        testing::click_through_window(form->name_box());
        for (const QChar c : name) QTest::keyClick(window.windowHandle(), c.toLatin1());
        QScrollBar* bar = form->photo_bar();
        for (int step = 0; step < steps; ++step)
            testing::window_click(window, testing::in_window(bar, QPoint(bar->width() - 4, bar->height() / 2)));
        window.sync();
        QVERIFY(!form->preview()->pixmap().isNull());
        if (!shot.isEmpty()) screenshot(window, shot);
        testing::click_through_window(form->icon_bar().icon(1));
        QVERIFY(!shown(Screen::F_022_Utenti_Nuovo));
        QVERIFY(shown(Screen::F_02_Utenti));
        QCOMPARE(menu()->row_label(1)->text(), name);
        QCOMPARE(QString::fromStdString(marked()), name);
    }

    // The name of the row the mark frames on screen, 10 twips above its row.
    std::string marked() {
        window.sync();
        for (int row = 0; row < users()->rows(); ++row) {
            if (qAbs(users()->mark()->y() - users()->name(row)->y()) <= 1 && users()->mark()->isVisible())
                return program.setup.users_screen.rows.at(static_cast<std::size_t>(row)).LBL_Utente;
        }
        return {};
    }

    // The next question is answered with a click on `button`, as a person answers.
    void answer_next(QMessageBox::StandardButton button, const QString& shot = {}) {
        reader.stop();
        auto* answerer = new QTimer();
        QObject::connect(answerer, &QTimer::timeout, [answerer, button, shot] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box->button(button) == nullptr) return;
            answerer->stop();
            answerer->deleteLater();
            if (!shot.isEmpty()) screenshot(*box, shot);
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
        answerer->start(20);
    }
};

}  // namespace

class UsersScreens : public QObject {
    Q_OBJECT

private slots:
    void theUserScreensFromTheMainMenuWithTheMouse() {
        Running run(QSize(1024, 768));
        click(run.menu()->icon_bar().icon(2));
        screens::F_02_Utenti* users = run.users();
        QVERIFY(users != nullptr);
        QVERIFY(run.shown(Screen::F_02_Utenti));
        QCOMPARE(users->rows(), 1);
        QCOMPARE(users->name(0)->text(), QStringLiteral("Anna"));
        QVERIFY(users->mark()->isVisible());
        // The screen stands right of the main menu, as tall as its least height.
        QVERIFY(users->x() > run.menu()->geometry().right());
        QCOMPARE(users->size(), QSize(5145 / 15, 3735 / 15));
        QTest::mouseMove(users->icon_bar().icon(1), QPoint(10, 10));
        QCOMPARE(users->icon_bar().description()->text(), QStringLiteral("Cancella utente"));

        // New users, each with a photo chosen on the scroll bar; the name box takes
        // fourteen characters.
        run.make_user(QStringLiteral("Bruno"), 1, QStringLiteral("new-user"));
        run.make_user(QStringLiteral("Carla"), 2);
        run.make_user(QStringLiteral("Massimilianone"), 3);  // a whole name of 14
        users = run.users();
        QCOMPARE(users->rows(), 4);
        // The long name stays on one line of its row, never cut in two.
        QVERIFY(!users->name(3)->text().contains(QLatin1Char('\n')));
        QVERIFY(!users->photo(1)->pixmap().isNull());
        QVERIFY(users->photo(0)->pixmap().isNull());  // Anna has no photo: an empty frame
        QCOMPARE(QString::fromStdString(run.program.settings.Nome_Utente.trimmed()),
                 QStringLiteral("Massimilianone"));
        // The main menu shows the user just made, the one the program works for.
        QCOMPARE(run.menu()->row_label(1)->text(), QStringLiteral("Massimilianone"));
        for (int game = 1; game <= 10; ++game) {
            const auto size = storage::stored_size(run.folder.folder.path() / "Users" /
                                                   ("Carla_" + std::to_string(game) + ".opt"));
            QVERIFY(size && storage::valid_options_file_size(*size));
        }
        click(users->icon_bar().icon(2));
        QTest::keyClicks(run.new_user()->name_box(), QStringLiteral("Bartolomeo Colleoni"));
        QCOMPARE(run.new_user()->name_box()->text(), QStringLiteral("Bartolomeo Col"));
        click(run.new_user()->icon_bar().icon(2));  // "Chiudi": the list again
        QVERIFY(run.shown(Screen::F_02_Utenti));
        users = run.users();

        // A click on a name selects its row.
        click(users->name(2));
        run.window.sync();
        QCOMPARE(run.program.setup.users_screen.Utente_Selezionato, 2);
        QVERIFY(qAbs(users->mark()->y() - users->name(2)->y()) <= 1);  // 10 twips above the row
        screenshot(run.window, QStringLiteral("users-list"));

        // No keeps Carla; Yes deletes her, options and all.
        run.answer_next(QMessageBox::No, QStringLiteral("users-delete-question"));
        testing::click_through_window(users->icon_bar().icon(1));
        QVERIFY(run.user_file("Carla"));
        QCOMPARE(run.users()->rows(), 4);
        testing::click_through_window(run.users()->photo(2));
        run.answer_next(QMessageBox::Yes);
        testing::click_through_window(run.users()->icon_bar().icon(1));
        QVERIFY(!run.user_file("Carla"));
        QVERIFY(!std::filesystem::exists(run.folder.folder.path() / "Users" / "Carla_1.opt"));
        QCOMPARE(run.users()->rows(), 3);
        QCOMPARE(run.program.setup.users_screen.rows.at(2).LBL_Utente, std::string("Massimilianone"));
        QVERIFY(!run.users()->name(2)->text().contains(QLatin1Char('\n')));

        // "Chiudi": the main menu still shows the user it showed, whom no delete
        // touched, and its user row steps on from there through the users left.
        testing::click_through_window(run.users()->icon_bar().icon(3));
        QVERIFY(!run.shown(Screen::F_02_Utenti));
        screens::F_011_Menu* menu = run.menu();
        QCOMPARE(menu->row_label(1)->text(), QStringLiteral("Massimilianone"));
        QStringList seen;
        for (int step = 0; step < 3; ++step) {
            testing::click_through_window(menu->arrow(2));
            seen << menu->row_label(1)->text();
        }
        QCOMPARE(seen, (QStringList{QStringLiteral("Anna"), QStringLiteral("Bruno"),
                                    QStringLiteral("Massimilianone")}));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    UsersScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "users_screens_test.moc"
