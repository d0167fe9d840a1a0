// The longest names the program takes, shown whole wherever they appear: a user of 14
// characters made on the new-user screen, in the users list and on the main menu;
// opponents of 20 typed on the set-up screen, in its boxes and who-plays-first
// options, then at the table in the scores panel, on the captured-cards viewer's
// seat buttons and in the list of declarations and sweeps. Each text as drawn must fit its widget by the widget's own font, and
// be shortened with "…" only at the least font. Then the message boxes of the user
// screens, each with the icon of its kind: a refused name an error that says why, the
// last user's delete a warning, a delete a question. Every click and key goes to the
// window at a point, as a person's does. With TAVOLORA_SCREENSHOTS set, the main
// menu, the users list, the set-up screen, the table and the error box are saved
// there.

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "controls/button/theme_button.h"
#include "controls/platform/fit_text.h"
#include "screens/f_022_utenti_nuovo.h"
#include "screens/f_02_utenti.h"
#include "table/qt/table_view.h"
#include "tests/qt/running_program.h"

namespace {

using namespace tavolora;
using table::ControlId;
using table::Screen;
using testing::screenshot;

const QString kWideUser = QStringLiteral("WWWWWWWWWWWWWW");
const QString kWideOpponent = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
const QChar kEllipsis(0x2026);

class Running : public testing::RunningProgram {
public:
    Running() : RunningProgram(QSize(1024, 768)) {}

    // A click of the window at the centre of `widget` (or at `at` in it): the window
    // finds the widget under the mouse, as it does for a person.
    void click(QWidget* widget, QPoint at = {}) {
        QVERIFY(widget != nullptr && widget->isVisible());
        const QPoint point = widget->mapTo(&window, at.isNull() ? widget->rect().center() : at);
        QCOMPARE(window.childAt(point), widget);
        QTest::mouseMove(window.windowHandle(), point);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point);
        window.sync();
    }
    // Keys typed into the window, where the focus is.
    void type(const QString& text) {
        for (const QChar c : text) QTest::keyClick(window.windowHandle(), c.toLatin1());
        window.sync();
    }

    // The next message box, as it shows (its icon and text), answered by a click of
    // `button` on its own window.
    struct SeenBox {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString text;
    };
    void answer_next(SeenBox& seen, QMessageBox::StandardButton button, const QString& shot = {}) {
        reader.stop();
        auto* looker = new QTimer();
        QObject::connect(looker, &QTimer::timeout, [looker, &seen, button, shot] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box->button(button) == nullptr || !box->isVisible()) return;
            looker->stop();
            looker->deleteLater();
            seen = {box->icon(), box->text()};
            if (!shot.isEmpty()) screenshot(*box, shot);
            QAbstractButton* answer = box->button(button);
            const QPoint at = answer->mapTo(box, answer->rect().center());
            QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {}, at);
        });
        looker->start(20);
    }

    screens::F_02_Utenti* users() { return screen<screens::F_02_Utenti>(Screen::F_02_Utenti); }
    screens::F_022_Utenti_Nuovo* new_user() { return screen<screens::F_022_Utenti_Nuovo>(Screen::F_022_Utenti_Nuovo); }
    QWidget* table_widget(table::ControlKey key) {
        window.sync();
        return window.table().widgets().widget(key);
    }
};

// The text as drawn within `room`, line by line, in `font`.
bool drawn_within(const QString& text, const QFont& font, QSize room) {
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && metrics.height() + (lines.size() - 1) * metrics.lineSpacing() > room.height())
        return false;
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line.trimmed()) > room.width()) return false;
    }
    return true;
}

// `name` as a widget shows it: within its room, and whole unless drawn at the least
// font, where only an ending "…" may stand for the rest.
void shows(const QString& shown, const QFont& font, QSize room, const QString& name, const char* where) {
    QVERIFY2(drawn_within(shown, font, room), where);
    const QString text = QString(shown).remove(QLatin1Char('\n'));
    const bool least = QFontInfo(font).pixelSize() <= controls::least_fitted_pixel_size();
    if (text == name) return;
    QVERIFY2(least, qPrintable(QStringLiteral("%1: \"%2\" shortened above the least font").arg(where, shown)));
    QVERIFY2(text.endsWith(kEllipsis) && name.startsWith(text.chopped(1)), where);
}

void shows(const QLabel* label, const QString& name, const char* where) {
    QVERIFY(label != nullptr);
    shows(label->text(), label->font(), controls::text_room(*label), name, where);
}

void shows(const QRadioButton* option, const QString& name, const char* where) {
    QVERIFY(option != nullptr);
    shows(QString(option->text()).replace(QStringLiteral("&&"), QStringLiteral("&")), option->font(),
          controls::text_room(*option), name, where);
}

}  // namespace

class NamesFit : public QObject {
    Q_OBJECT

private slots:
    void theLongestNamesShowWholeOnTheScreensAndAtTheTable() {
        Running run;

        // Users of 14 characters made on the new-user screen; the box shows each whole.
        const QStringList made = {kWideUser, QStringLiteral("Massimilianone"), QStringLiteral("Maria Lucia Re")};
        run.click(run.menu()->icon_bar().icon(2));
        for (const QString& name : made) {
            run.click(run.users()->icon_bar().icon(2));
            QLineEdit* box = run.new_user()->name_box();
            run.click(box);
            run.type(name);
            QCOMPARE(box->text(), name);
            QVERIFY2(drawn_within(box->text(), box->font(), controls::text_room(*box)), qPrintable(name));
            run.click(run.new_user()->icon_bar().icon(1));
            QVERIFY(run.shown(Screen::F_02_Utenti));
        }
        screens::F_02_Utenti* users = run.users();
        QCOMPARE(users->rows(), 4);
        for (int row = 0; row < users->rows(); ++row) {
            const QString name = QString::fromStdString(run.program.setup.users_screen.rows[row].LBL_Utente);
            shows(users->name(row), name, "users list");
            // Two lines of a row only for two words: a word is never cut in two.
            const QString shown = users->name(row)->text();
            for (qsizetype at = shown.indexOf(QLatin1Char('\n')); at >= 0; at = shown.indexOf(QLatin1Char('\n'), at + 1))
                QVERIFY2(at > 0 && shown[at - 1] == QLatin1Char(' '), qPrintable(shown));
        }
        screenshot(run.window, QStringLiteral("names-users-list"));

        // The main menu's user row, stepped to each user.
        run.click(users->icon_bar().icon(3));
        for (int step = 0; step < 4; ++step) {
            run.click(run.menu()->arrow(2));
            const QString user = QString::fromStdString(run.program.settings.Nome_Utente.trimmed());
            shows(run.menu()->row_label(1), user, "main menu");
            if (user == kWideUser) screenshot(run.window, QStringLiteral("names-main-menu"));
        }
        while (QString::fromStdString(run.program.settings.Nome_Utente.trimmed()) != kWideUser)
            run.click(run.menu()->arrow(2));

        // Opponents of 20 characters typed on the set-up screen, four players.
        run.choose_game(games::kBriscola);
        run.click(run.menu()->icon_bar().icon(1));
        screens::F_040_Partita* set_up = run.set_up();
        run.click(set_up->players(4), QPoint(8, set_up->players(4)->height() / 2));
        const QString names[] = {kWideOpponent, QStringLiteral("Massimiliano Bianchi"),
                                 QStringLiteral("Bartolomeo Colleoni")};
        for (int seat = 1; seat <= 3; ++seat) {
            QLineEdit* box = set_up->name(seat);
            run.click(box);
            QTest::keyClick(run.window.windowHandle(), Qt::Key_A, Qt::ControlModifier);
            run.type(names[seat - 1]);
            QCOMPARE(box->text(), names[seat - 1]);
        }
        for (int seat = 0; seat <= 3; ++seat) {
            const QString name = seat == 0 ? kWideUser : names[seat - 1];
            shows(set_up->first_player(seat), name, "who plays first");
        }
        // A text box scrolls past the least font; a real name of 20 fits whole.
        for (int seat = 2; seat <= 3; ++seat) {
            QLineEdit* box = set_up->name(seat);
            QVERIFY(drawn_within(box->text(), box->font(), controls::text_room(*box)));
        }
        screenshot(run.window, QStringLiteral("names-set-up"));

        // "Gioca!", then the scores panel and the captured-cards viewer from the strip.
        run.click(set_up->icon_bar().icon(2));
        QVERIFY(run.program.master.PIC_Tavolo.Visible);
        run.click(run.table_widget({ControlId::CMD_M_Punteggio}));
        run.click(run.table_widget({ControlId::CMD_M_Carte}));
        const struct {
            int seat;
            QString name;
        } seats[] = {{9, kWideUser}, {1, names[0]}, {2, names[1]}, {3, names[2]}};
        for (const auto& s : seats) {
            shows(qobject_cast<QLabel*>(run.table_widget({ControlId::LBL_Parziale_Nome, s.seat})), s.name,
                  "scores panel");
            auto* button = qobject_cast<controls::ThemeButton*>(run.table_widget({ControlId::Visualizza_Prese, s.seat}));
            QVERIFY(button != nullptr);
            shows(button->Caption(), button->Font(), controls::ThemeButton::caption_rect(button->size()).size(),
                  s.name, "captured-cards viewer");
        }
        // A declaration's line with the longest name goes on below, never out of sight.
        run.program.master.Lista_Evento_Speciale.AddItem(kWideOpponent.toStdString() +
                                                         " ha accusato Napoletana a Denari");
        run.program.master.PIC_Riepilogo_Accusi.Visible = true;
        auto* list = qobject_cast<QListWidget*>(run.table_widget({ControlId::Lista_Evento_Speciale}));
        QVERIFY(list != nullptr && list->isVisible());
        QTRY_VERIFY(list->visualItemRect(list->item(0)).height() > list->fontMetrics().height());
        QVERIFY(list->visualItemRect(list->item(0)).width() <= list->viewport()->width());
        screenshot(run.window, QStringLiteral("names-table"));
        // The data keeps the whole names: only the window fits them.
        QCOMPARE(QString::fromStdString(run.program.master.LBL_Parziale_Nome(1).Caption), kWideOpponent);
    }

    void eachMessageBoxShowsTheIconOfItsKind() {
        Running run;
        run.click(run.menu()->icon_bar().icon(2));
        // The last user cannot be deleted: a warning.
        Running::SeenBox seen;
        run.answer_next(seen, QMessageBox::Ok);
        run.click(run.users()->icon_bar().icon(1));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.text, QStringLiteral("Non puoi cancellare l'ultimo utente rimasto!"));

        // A name a file cannot have: "Errore", under it why, with the error's icon.
        run.click(run.users()->icon_bar().icon(2));
        run.click(run.new_user()->name_box());
        run.type(QStringLiteral("Ciao: Bea"));
        run.answer_next(seen, QMessageBox::Ok, QStringLiteral("names-error-box"));
        run.click(run.new_user()->icon_bar().icon(1));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.text, QStringLiteral("Errore\n\nIl nome non può contenere \":\", che un nome di file non "
                                           "ammette."));
        QVERIFY(run.shown(Screen::F_022_Utenti_Nuovo));  // for another try

        // A user made, then asked about before a delete: the question's icon.
        run.click(run.new_user()->name_box());
        QTest::keyClick(run.window.windowHandle(), Qt::Key_A, Qt::ControlModifier);
        run.type(QStringLiteral("Bea"));
        run.click(run.new_user()->icon_bar().icon(1));
        QCOMPARE(run.users()->rows(), 2);
        run.click(run.users()->name(1));
        run.answer_next(seen, QMessageBox::No);
        run.click(run.users()->icon_bar().icon(1));
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(run.users()->rows(), 2);
    }

    void aSavedNameIsShownWithoutItsPaddingSoTypingAtItsEndAddsToIt() {
        Running run;
        run.choose_game(games::kBriscola);
        run.click(run.menu()->icon_bar().icon(1));
        QLineEdit* box = run.set_up()->name(2);
        run.click(box);
        QTest::keyClick(run.window.windowHandle(), Qt::Key_A, Qt::ControlModifier);
        run.type(QStringLiteral("Rita"));
        run.click(run.set_up()->icon_bar().icon(2));  // "Gioca!" saves the names, padded to 20
        QCOMPARE(QString::fromStdString(run.program.settings.Opzioni.Nomi_Giocatori(2).text()),
                 QStringLiteral("Rita") + QString(16, QLatin1Char(' ')));
        // Leaving the match brings the main menu back.
        run.click(run.table_widget({ControlId::CMD_M_Chiudi_Partita}));
        QVERIFY(run.shown(Screen::F_011_Menu));

        run.click(run.menu()->icon_bar().icon(1));
        box = run.set_up()->name(2);
        QCOMPARE(box->text(), QStringLiteral("Rita"));
        // A click in the box, the End key, and the letters follow the name.
        run.click(box, QPoint(box->width() - 4, box->height() / 2));
        QTest::keyClick(run.window.windowHandle(), Qt::Key_End);
        run.type(QStringLiteral("nna"));
        QCOMPARE(box->text(), QStringLiteral("Ritanna"));
        QCOMPARE(run.set_up()->first_player(2)->text(), QStringLiteral("Ritanna"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    NamesFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "names_fit_test.moc"
