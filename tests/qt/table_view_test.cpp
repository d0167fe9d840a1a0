// The table view's pictures on screen: where each one's pixels go, which one lies on
// top, and that repainting only what changed leaves the screen as a whole redraw
// would, without piling up scaled copies of a background that changes size. And a
// view made from the table data alone, with no program behind it, placing and
// passing on what it is given.

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/master_context.h"
#include "platform/qt/qt_platform.h"
#include "platform/random.h"
#include "platform/waits.h"
#include "program/program.h"
#include "table/input_dispatcher.h"
#include "table/master_window.h"
#include "table/qt/main_window.h"
#include "table/qt/table_view.h"
#include "table/table_positions.h"

namespace {

using namespace tavolora;
using table::Control;

constexpr int kTwips = 15;
const QRgb kGreen = qRgb(0, 128, 0);  // the table's colour

struct Table {
    platform::qt::QtPlatform platform{TAVOLORA_PROGRAM_DIR};
    Program program{platform.ports()};
    table::qt::F_01_Master window{app::master_context(program), platform};
    table::MasterWindow& w = program.master;
    table::qt::TableView& view = window.table();

    Table() {
        window.resize(1024, 768);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the window was not exposed");
        QApplication::processEvents();  // the window's size reaches the program first
        w.PIC_Tavolo.Visible = true;
        w.PIC_Tavolo.Height = 700 * kTwips;
    }
    // A picture on the table at `at` in pixels (an empty size keeps its picture's), in
    // front of those placed before it.
    Control& place(Control& control, const std::string& relative, QRect at) {
        table::LoadPicture(control, std::string(TAVOLORA_PROGRAM_DIR) + "\\" + relative, program.pictures);
        control.Left = static_cast<float>(at.x() * kTwips);
        control.Top = static_cast<float>(at.y() * kTwips);
        if (!at.isEmpty()) {
            control.Width = static_cast<float>(at.width() * kTwips);
            control.Height = static_cast<float>(at.height() * kTwips);
        }
        control.Visible = true;
        control.ZOrder();
        return control;
    }
    Control& card(int k, const std::string& relative, QRect at) {
        w.P.Load(k);
        return place(w.P(k), relative, at);
    }
    void show() {
        window.sync();
        QApplication::processEvents();
    }
    // What the window holds now, painted bit by bit, against a whole new redraw,
    // where no screen of the window lies over the table.
    void expect_screen_is_a_full_redraw() {
        const QPoint at = view.mapTo(&window, QPoint(0, 0));
        QImage screen = window.screen()
                            ->grabWindow(window.winId(), at.x(), at.y(), view.width(), view.height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
        QImage redrawn = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (QWidget* other : view.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == &view || !other->isVisible()) continue;
            const QRect covered = other->geometry().translated(-view.pos());
            for (QImage* image : {&screen, &redrawn}) QPainter(image).fillRect(covered, Qt::black);
        }
        QCOMPARE(screen, redrawn);
    }
};

// The view given only what it uses: the table data, an input dispatcher, and twips
// that differ across and down, so that the one taken for the other shows.
struct BareTable {
    platform::qt::QtPlatform platform{TAVOLORA_PROGRAM_DIR};
    platform::Ports ports = platform.ports();
    platform::Waits waits{ports.loop, ports.clock};
    table::MasterWindow w;
    table::InputDispatcher input{waits, w};
    // The controls on the table use the host until they go: it goes last.
    controls::ControlHost host;
    QWidget area;
    table::qt::TableView view{w, input, table::qt::Twips{10, 20}, host, &area};

    static void place(Control& control, float left, float top, float width, float height) {
        control.Left = left;
        control.Top = top;
        control.Width = width;
        control.Height = height;
        control.Visible = true;
        control.Enabled = true;
    }
};

}  // namespace

class TableViewTest : public QObject {
    Q_OBJECT

private slots:
    void picturesFillTheirPlacesInTheirStackingOrder() {
        Table t;
        // The background stretched to a size other than its file's, behind everything.
        t.place(t.w.IMG_Sfondo_Tavolo, "Tables\\Feltro.jpg", {300, 200, 250, 170}).ZOrder(1);
        // A card cut to less than its picture, then brought in front of a later one.
        Control& cut = t.card(1, "Cards\\Tavolora\\1\\1.bmp", {600, 250, 50, 80});
        t.card(2, "Cards\\Tavolora\\2\\3.bmp", {620, 280, 0, 0});
        cut.ZOrder();
        // A card larger than its picture, over a small one that shows past the picture,
        // and a card whose picture does not load.
        Control& small = t.card(5, "Cards\\Tavolora\\4\\2.bmp", {875, 575, 20, 20});
        t.card(3, "Cards\\Tavolora\\3\\7.bmp", {800, 450, 100, 150});
        t.card(4, "Cards\\Tavolora\\1\\99.bmp", {400, 250, 72, 120});
        t.show();

        const QImage shown = t.view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto file = [](const char* relative) {
            return QImage(QStringLiteral(TAVOLORA_PROGRAM_DIR "/") + QLatin1String(relative))
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage felt = file("Tables/Feltro.jpg");
        QVERIFY(felt.size() != QSize(250, 170));
        QCOMPARE(shown.copy(300, 200, 250, 170),
                 felt.scaled(250, 170, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QCOMPARE(shown.pixel(550, 300), kGreen);
        QCOMPARE(shown.copy(600, 250, 50, 80), file("Cards/Tavolora/1/1.bmp").copy(0, 0, 50, 80));
        QCOMPARE(shown.copy(650, 330, 42, 70), file("Cards/Tavolora/2/3.bmp").copy(30, 50, 42, 70));
        QCOMPARE(shown.copy(800, 450, 72, 120), file("Cards/Tavolora/3/7.bmp"));
        QCOMPARE(shown.pixel(872, 500), kGreen);
        QCOMPARE(shown.pixel(850, 570), kGreen);
        QCOMPARE(shown.copy(875, 575, 20, 20), file("Cards/Tavolora/4/2.bmp").copy(0, 0, 20, 20));
        // Moving it repaints only inside the larger card's place.
        small.Left += 2 * kTwips;
        t.show();
        t.expect_screen_is_a_full_redraw();
    }

    void repaintingWhatChangedLeavesTheScreenAsAWholeRedraw() {
        Table t;
        Control& background = t.place(t.w.IMG_Sfondo_Tavolo, "Tables\\Feltro.jpg", {0, 0, 1024, 700});
        background.ZOrder(1);
        platform::Rng rng(7);
        const auto below = [&rng](int n) {
            return static_cast<int>(rng.next_u64() % static_cast<unsigned>(n));
        };
        for (int k = 1; k <= 60; ++k) {
            const std::string face = std::to_string(1 + k % 4) + "\\" + std::to_string(1 + k % 10) + ".bmp";
            t.card(k, "Cards\\Tavolora\\" + face, {320 + below(620), below(580), 0, 0});
        }
        t.show();
        // One card moving (a region of a few rectangles), then many at once (their
        // bounding box), cards raised, hidden and shown again; now and then the
        // background scaled to a new width, of which only the latest are kept.
        for (int step = 1; step <= 24; ++step) {
            if (step % 6 == 0) background.Width -= static_cast<float>(step * kTwips);
            for (int moved = step % 3 == 0 ? 12 : 1; moved > 0; --moved) {
                Control& card = t.w.P(1 + below(60));
                card.Left += static_cast<float>((below(41) - 20) * kTwips);
                card.Top += static_cast<float>((below(41) - 20) * kTwips);
                if (step % 4 == 0) card.ZOrder();
                if (step % 5 == 0) card.Visible = !card.Visible;
            }
            t.show();
            QVERIFY(t.view.pictures().scaled_count() <= 2);
            t.expect_screen_is_a_full_redraw();
            if (QTest::currentTestFailed()) return;
        }
    }

    // A deck or a pile shows the side of its stack as the light edges of cards, as a
    // stack of real cards does, never as a dark slab: for each deck, the deck stack of
    // lying backs and a side seat's pile of standing ones, forty cards each at the
    // table's own steps, a card's height less than a pixel apart.
    void theSideOfAStackShowsLightCardEdges() {
        Table t;
        t.place(t.w.IMG_Sfondo_Tavolo, "Tables\\Feltro.jpg", {0, 0, 1024, 700}).ZOrder(1);
        table::Imposta_Posizioni_Tavolo(t.program.anim, 1);
        const int down = t.program.anim.Passo_Top(1);
        const int across = t.program.anim.Passo_Left(1);
        QVERIFY(down != 0 && std::abs(down) < kTwips);
        const struct {
            int first;
            const char* back;
            QPoint at;
        } stacks[] = {{241, "00", {40, 300}}, {341, "0", {300, 280}}};
        for (const char* deck : {"Meridione", "Moderne", "Tavolora"}) {
            for (const auto& stack : stacks) {
                const std::string picture = std::string("Cards\\") + deck + "\\1\\" + stack.back + ".bmp";
                for (int i = 0; i < 40; ++i) {
                    Control& card = t.card(stack.first + i, picture, {stack.at, QSize()});
                    card.Top += static_cast<float>(i * down);
                    card.Left += static_cast<float>(i * across);
                }
            }
            t.show();
            const QImage shown = t.view.grab().toImage().convertToFormat(QImage::Format_RGB32);
            if (const QByteArray folder = qgetenv("TAVOLORA_SCREENSHOTS"); !folder.isEmpty()) {
                QDir().mkpath(QString::fromLocal8Bit(folder));
                shown.copy(20, 230, 440, 200).scaled(880, 400).save(
                    QDir(QString::fromLocal8Bit(folder)).filePath(QStringLiteral("stack-%1.png").arg(deck)));
            }
            for (const auto& stack : stacks) {
                // The side: what the cards under the top one show around it.
                QRegion side;
                for (int i = 0; i < 39; ++i) side += t.view.picture_rect({table::ControlId::P, stack.first + i});
                side -= t.view.picture_rect({table::ControlId::P, stack.first + 39});
                int light = 0;
                int pixels = 0;
                for (const QRect& part : side) {
                    for (int y = part.top(); y <= part.bottom(); ++y) {
                        for (int x = part.left(); x <= part.right(); ++x) {
                            ++pixels;
                            light += qGray(shown.pixel(x, y)) >= 150;
                        }
                    }
                }
                const QString where = QStringLiteral("%1, the stack of %2").arg(deck, stack.back);
                QVERIFY2(pixels >= 40 * 6, qPrintable(where));
                QVERIFY2(light >= pixels * 3 / 4, qPrintable(QStringLiteral("%1: %2 of %3 pixels of its side light")
                                                                .arg(where)
                                                                .arg(light)
                                                                .arg(pixels)));
            }
        }
    }

    void aViewOfTheTableDataAloneShowsItAtItsTwipsAndPassesTheMouseOn() {
        BareTable t;
        t.area.resize(400, 400);
        t.area.show();
        BareTable::place(t.w.PIC_Tavolo, 0, 0, 4000, 8000);
        t.w.P.Load(1);
        Control& card = t.w.P(1);
        card.Picture = std::string(TAVOLORA_PROGRAM_DIR) + "\\Cards\\Tavolora\\1\\1.bmp";
        BareTable::place(card, 600, 1200, 500, 1000);
        BareTable::place(t.w.FRM_M_Menu, 2000, 4000, 1500, 2000);
        BareTable::place(t.w.CMD_M_Briscola, 200, 400, 1000, 400);
        t.w.CMD_M_Briscola.Caption = "Briscola";

        std::vector<std::pair<table::ControlKey, table::MouseArgs>> clicks;
        const auto record = [&clicks](table::ControlKey key, const table::MouseArgs& args) {
            clicks.emplace_back(key, args);
        };
        for (table::ControlId id :
             {table::ControlId::P, table::ControlId::PIC_Tavolo, table::ControlId::CMD_M_Briscola})
            t.input.on(id, table::InputEvent::Click, record);
        int shown_after_input = 0;
        t.view.set_after_input([&shown_after_input] { ++shown_after_input; });
        t.view.sync();
        QApplication::processEvents();

        QVERIFY(t.view.isVisible());
        QCOMPARE(t.view.geometry(), QRect(0, 0, 400, 400));
        QCOMPARE(t.view.picture_rect(card.key), QRect(60, 60, 50, 50));
        QWidget* button = t.view.widgets().widget(t.w.CMD_M_Briscola.key);
        QVERIFY(button != nullptr);
        // The table's controls stand over it in its parent, where the table lies.
        QCOMPARE(button->parentWidget()->parentWidget(), &t.area);
        QCOMPARE(button->mapTo(&t.area, QPoint(0, 0)), t.view.mapTo(&t.area, QPoint(220, 220)));
        QCOMPARE(button->size(), QSize(100, 20));

        // A click on the card, in the card's own twips; one beside it, on the table.
        QTest::mouseClick(&t.view, Qt::LeftButton, {}, QPoint(70, 90));
        QTest::mouseClick(&t.view, Qt::RightButton, Qt::ShiftModifier, QPoint(200, 10));
        QCOMPARE(clicks.size(), std::size_t{2});
        QCOMPARE(clicks[0].first, card.key);
        QCOMPARE(clicks[0].second.Button, 1);
        QCOMPARE(clicks[0].second.X, 100.0F);
        QCOMPARE(clicks[0].second.Y, 600.0F);
        QCOMPARE(clicks[1].first, t.w.PIC_Tavolo.key);
        QCOMPARE(clicks[1].second.Button, 2);
        QCOMPARE(clicks[1].second.Shift, 1);
        QCOMPARE(clicks[1].second.X, 2000.0F);
        QCOMPARE(clicks[1].second.Y, 200.0F);
        QVERIFY(shown_after_input > 0);

        // The button on the strip goes to the same dispatcher, and the window is told.
        const int before = shown_after_input;
        QTest::mouseMove(button, button->rect().center());
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QCOMPARE(clicks.size(), std::size_t{3});
        QCOMPARE(clicks[2].first, t.w.CMD_M_Briscola.key);
        QVERIFY(shown_after_input > before);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TableViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "table_view_test.moc"
