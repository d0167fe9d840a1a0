// A match in the real window: the table's buttons, floating panels and button strip
// are the program's own controls, they show what the table data says, and their
// clicks play. With TAVOLORA_SCREENSHOTS set to a folder, the window is saved there
// at a few moments of the match, for a person to look at.

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <filesystem>

#include "controls/button/theme_button.h"
#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "app/master_context.h"
#include "platform/qt/qt_platform.h"
#include "program/program.h"
#include "setup/setup_screen.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "table/qt/main_window.h"
#include "table/table_positions.h"
#include "table/qt/table_view.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace tavolora;
using table::ControlId;
using table::ControlKey;

// A program folder with the build's pictures and a user whose options make the
// cards fly quickly.
struct Folder {
    testing::TempFolder folder;
    Folder() {
        for (const char* part : {"Cards", "Tables", "Photos", "Icons", "Languages"})
            std::filesystem::create_directory_symlink(std::filesystem::path(TAVOLORA_PROGRAM_DIR) / part,
                                                      folder.path() / part);
        folder.write("Users/Anna.usr", std::string(20, ' '));
        storage::Tipo_Opzioni options;
        options.Mazzo_Carte.assign("Tavolora");
        options.Mazzo_Dorso.assign("Tavolora");
        options.Sfondo_Tavolo.assign("Feltro");
        options.Difficolta = 1;
        options.Animazioni(1) = options.Animazioni(2) = options.Animazioni(3) = 3;
        options.Animazioni(4) = 1;
        options.Animazioni(5) = 2;
        const storage::OptionsBytes bytes = storage::encode(options);
        folder.write("Users/Anna_1.opt", std::string(bytes.data(), bytes.size()));
    }
};

void screenshot(QWidget& window, const char* name) {
    const QByteArray folder = qgetenv("TAVOLORA_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    window.grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(QString::fromLatin1(name)));
}

}  // namespace

class TableControls : public QObject {
    Q_OBJECT

private slots:
    void aFourPlayerMatchShowsTheProgramsOwnControlsAndPlaysThroughThem() {
        Folder folder;
        platform::qt::QtPlatform platform(folder.folder.string());
        Program program(platform.ports());
        table::qt::F_01_Master window(app::master_context(program), platform);
        program.waits.at_boundary([&program] { program.start_up(); });
        window.resize(1024, 768);
        window.sync();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The player reads each message and presses its button.
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&window] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                screenshot(*box, "table-message.png");
                box->accept();
            }
        });
        reader.start(100);

        program.settings.Nome_Utente.assign("Anna");
        program.match.Codice_Gioco = 1;
        program.storage.Imposta_Percorso_Opzioni();
        program.waits.at_boundary([&program] {
            table::Imposta_Posizioni_Tavolo(program.anim, program.match.Codice_Gioco);
            program.master_events.Q_N_Singola_Click();
        });
        setup::SetupControls screen;
        screen.settings.OPT_Numero_Giocatori = 4;
        screen.settings.OPT_Gioca_Per_Primo = 0;
        screen.settings.TXT_Nome_Giocatore(1) = "Tuno";
        screen.settings.TXT_Nome_Giocatore(2) = "Galvino";
        screen.settings.TXT_Nome_Giocatore(3) = "Melto";
        screen.settings.LBL_Modalita_Tag = "1";
        program.waits.at_boundary([&] { program.setup.game_setup.CMD_Gioca_Click(screen); });
        window.sync();

        // The strip and its buttons are the program's own controls, in their design's looks.
        table::qt::ControlWidgets& widgets = window.table().widgets();
        auto* strip = qobject_cast<controls::GradContainer*>(widgets.widget({ControlId::FRM_M_Menu}));
        QVERIFY(strip != nullptr);
        QCOMPARE(strip->Caption(), QStringLiteral("Menù di gioco"));
        auto* scores = qobject_cast<controls::ThemeButton*>(widgets.widget({ControlId::CMD_M_Punteggio}));
        QVERIFY(scores != nullptr);
        QCOMPARE(scores->Style(), 7);
        QCOMPARE(scores->Caption(), QString::fromStdString(program.master.CMD_M_Punteggio.Caption));
        screenshot(window, "table-first-trick.png");

        // The human's cards play through the dispatcher until the hand is over.
        int plays = 0;
        while (!program.master.PIC_Fine_Partita.Visible && plays < 20) {
            int card = 0;
            for (int i = 1; i <= 3 && card == 0; ++i) {
                if (program.master.accepts_input({ControlId::P, i})) card = i;
            }
            QVERIFY(card != 0);
            program.input.click({ControlId::P, card});
            ++plays;
            if (plays == 4) {
                // The scores panel, as its look-over opens it.
                program.master.PIC_51_Monitor.Visible = true;
                window.sync();
                QVERIFY(qobject_cast<controls::Panel*>(widgets.widget({ControlId::PIC_51_Monitor})) != nullptr);
                screenshot(window, "table-mid-hand.png");
            }
        }
        QCOMPARE(plays, 10);
        window.sync();
        screenshot(window, "table-end-of-hand.png");

        // The end panel's button is a themed button, and its click ends the match.
        QWidget* next = widgets.widget({ControlId::CMD_Continua});
        QVERIFY(qobject_cast<controls::ThemeButton*>(next) != nullptr);
        QVERIFY(next->isVisible());
        QTest::mouseClick(next, Qt::LeftButton, {}, next->rect().center());
        QTRY_VERIFY(!program.master.PIC_Tavolo.Visible);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TableControls test;
    return QTest::qExec(&test, argc, argv);
}

#include "table_controls_test.moc"
