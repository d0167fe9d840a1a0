#pragma once

// The whole program in a real window, offscreen, for the Qt tests: a program folder
// with the build's pictures, the program started as main() starts it, a reader that
// presses the button of each message box, and the helpers that click and save the
// window as a person would see it (TAVOLORA_SCREENSHOTS names a folder for that).

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/games.h"
#include "app/master_context.h"
#include "platform/qt/qt_platform.h"
#include "program/program.h"
#include "screens/f_011_menu.h"
#include "screens/f_040_partita.h"
#include "screens/screen_host.h"
#include "storage/default_options.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "table/qt/main_window.h"
#include "tests/support/temp_folder.h"

namespace tavolora::testing {

// The build's pictures and, unless the folder is as a fresh clone has it, one user,
// Anna, whose options are a new user's with the changes `tune` makes (by default the
// cards fly and the computer thinks quickly, and TAVOLORA_DECK, when set, names the
// deck and back she plays with, to look at each deck on the table).
struct ProgramFolder {
    using Tune = std::function<void(storage::Tipo_Opzioni&)>;
    static void quick(storage::Tipo_Opzioni& options) {
        options.Animazioni(1) = options.Animazioni(2) = options.Animazioni(3) = 2;
        options.Animazioni(4) = 0;
        options.Animazioni(5) = 1;
        if (const QByteArray deck = qgetenv("TAVOLORA_DECK"); !deck.isEmpty()) {
            options.Mazzo_Carte.assign(deck.toStdString());
            options.Mazzo_Dorso.assign(deck.toStdString());
        }
    }

    explicit ProgramFolder(bool with_user = true, const Tune& tune = quick) {
        for (const char* part : {"Cards", "Tables", "Photos", "Icons", "Languages"})
            std::filesystem::create_directory_symlink(std::filesystem::path(TAVOLORA_PROGRAM_DIR) / part,
                                                      folder.path() / part);
        if (!with_user) return;
        folder.write("Users/Anna.usr", std::string(20, ' '));
        for (int game = 1; game <= 4; ++game) {
            storage::Tipo_Opzioni options = storage::default_options(folder.string(), game);
            tune(options);
            const storage::OptionsBytes bytes = storage::encode(options);
            folder.write("Users/Anna_" + std::to_string(game) + ".opt", std::string(bytes.data(), bytes.size()));
        }
    }
    TempFolder folder;
};

inline void screenshot(QWidget& window, const QString& name) {
    const QByteArray folder = qgetenv("TAVOLORA_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    window.grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")));
}

// The table's three floating panels in a Tresette match: the strip's button that
// opens each, the panel, its drag handle and close button, and a name for its
// screenshots.
struct TablePanel {
    table::ControlId opener, panel, handle, close;
    const char* name;
};
inline constexpr TablePanel kTresettePanels[] = {
    {table::ControlId::CMD_M_Punteggio, table::ControlId::PIC_51_Monitor, table::ControlId::CMD_Muovi_PIC_051_Monitor,
     table::ControlId::CMD_Chiudi_PIC_051_Monitor, "scores"},
    {table::ControlId::CMD_M_Carte, table::ControlId::PIC_52_Monitor, table::ControlId::CMD_Muovi_PIC_052_Monitor,
     table::ControlId::CMD_Chiudi_PIC_052_Monitor, "captured-cards"},
    // Tresette's first strip button opens the declarations summary.
    {table::ControlId::CMD_M_Briscola, table::ControlId::PIC_Riepilogo_Accusi,
     table::ControlId::CMD_Muovi_PIC_Riepilogo_Accusi, table::ControlId::CMD_Chiudi_PIC_Riepilogo_Accusi,
     "declarations"},
};

// A click as a person makes it: the mouse moves onto the widget and clicks there.
inline void click(QWidget* widget) {
    QVERIFY(widget != nullptr);
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    // An option or a check box answers on its mark and its text, at the left.
    const QPoint at = (qobject_cast<QRadioButton*>(widget) != nullptr || qobject_cast<QCheckBox*>(widget) != nullptr)
                          ? QPoint(8, widget->height() / 2)
                          : widget->rect().center();
    QTest::mouseMove(widget, at);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

// Links are recorded, never opened: a test opens no browser or mail program.
class RecordedLinks : public platform::Shell {
public:
    bool open_link(std::string_view address) override {
        opened.emplace_back(address);
        return true;
    }
    std::vector<std::string> opened;
};

// The program as main() starts it, in a window of the given size. Its links are
// recorded in `links` unless `window_system_links`, when they go to the window
// system as in the program (a test then catches them there).
class RunningProgram {
public:
    explicit RunningProgram(QSize size, bool with_user = true,
                            const ProgramFolder::Tune& tune = ProgramFolder::quick,
                            bool window_system_links = false)
        : folder(with_user, tune), platform(folder.folder.string()),
          program(ports_of(platform, links, window_system_links)),
          window(app::master_context(program), platform) {
        program.waits.at_boundary([this] { program.start_up(); });
        window.resize(size);
        window.sync();
        window.show();
        // The window's first size report, as a person's first look finds it.
        QApplication::processEvents();
        window.sync();
        // The player reads each message and presses its button.
        QObject::connect(&reader, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
        });
        reader.start(50);
    }

    // A screen's widget while it is loaded, as its class; nullptr otherwise.
    template <typename Widget>
    Widget* screen(table::Screen id) {
        window.sync();
        return qobject_cast<Widget*>(window.screens().screen(id));
    }
    bool shown(table::Screen id) {
        window.sync();
        QWidget* widget = window.screens().screen(id);
        return widget != nullptr && widget->isVisible();
    }
    screens::F_011_Menu* menu() { return screen<screens::F_011_Menu>(table::Screen::F_011_Menu); }
    screens::F_040_Partita* set_up() { return screen<screens::F_040_Partita>(table::Screen::F_040_Partita); }

    // The window made `size`, once the program has been told its new client area.
    void resize_to(QSize size) {
        window.resize(size);
        QTRY_COMPARE(program.master.form.ScaleWidth, float(window.client_area().width() * platform.twips_per_pixel_x()));
        QTRY_COMPARE(program.master.form.ScaleHeight,
                     float(window.client_area().height() * platform.twips_per_pixel_y()));
        window.sync();
    }

    // The main menu's game arrow, forward until the game is `game`.
    void choose_game(int game) {
        for (int step = 0; step < 4 && program.match.Codice_Gioco != game; ++step) click(menu()->arrow(4));
        QCOMPARE(int(program.match.Codice_Gioco), game);
        QCOMPARE(menu()->row_label(2)->text(), QString::fromUtf8(games::find(game)->name));
    }

    static platform::Ports ports_of(platform::qt::QtPlatform& qt, RecordedLinks& links, bool window_system_links) {
        const platform::Ports p = qt.ports();
        if (window_system_links) return p;
        return platform::Ports{p.clock, p.loop, p.images, p.metrics, p.seeds, p.messages, links, p.folder};
    }

    ProgramFolder folder;
    RecordedLinks links;
    platform::qt::QtPlatform platform;
    Program program;
    table::qt::F_01_Master window;
    QTimer reader;
};

}  // namespace tavolora::testing
