// The options screen as a person uses it: opened from the main menu's icon, every
// panel opened from the icon bar, changed with the mouse, saved with its strip's
// save icon and closed; the screen closed; a save that cannot write; and the deck
// chosen here dealt in the next match. With TAVOLORA_SCREENSHOTS set to a folder,
// the window is saved there at each panel, for a person to look at.

#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QStyleOptionSlider>
#include <QtTest>

#include <cstdlib>
#include <filesystem>

#include "controls/button/theme_button.h"
#include "controls/gradient_container/grad_container.h"
#include "core/games.h"
#include "program/program.h"
#include "screens/f_011_menu.h"
#include "screens/f_040_partita.h"
#include "screens/f_06_opzioni.h"
#include "screens/f_12_help.h"
#include "screens/screen_host.h"
#include "storage/record_file.h"
#include "storage/records.h"
#include "table/qt/main_window.h"
#include "tests/qt/running_program.h"

namespace {

using namespace tavolora;
using table::Screen;
using testing::click;
using testing::screenshot;

class Running : public testing::RunningProgram {
public:
    using RunningProgram::RunningProgram;

    screens::F_06_Opzioni* options() { return screen<screens::F_06_Opzioni>(Screen::F_06_Opzioni); }
    storage::Tipo_Opzioni stored(int game) const {
        const auto bytes =
            storage::read_file(folder.folder.path() / "Users" / ("Anna_" + std::to_string(game) + ".opt"));
        return bytes ? storage::decode_options(*bytes) : storage::Tipo_Opzioni{};
    }
};

// Picks an entry of a drop-down list with the mouse: the list opens, the entry is
// clicked.
void pick(QComboBox* combo, const QString& entry) {
    const int index = combo->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    click(combo);
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    // An open list takes no release for a double-click's time, as a person's hand
    // would not be quicker.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect place = view->visualRect(view->model()->index(index, 0));
    QTest::mouseMove(view->viewport(), place.center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(combo->currentText(), entry);
}

// Drags a slider's handle with the mouse to `fraction` of its groove.
void drag(QSlider* slider, double fraction) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect handle =
        slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
    const QPoint to(static_cast<int>(slider->width() * fraction), handle.center().y());
    QTest::mouseMove(slider, handle.center());
    QTest::mousePress(slider, Qt::LeftButton, {}, handle.center());
    QTest::mouseMove(slider, to);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
}

// Whether a pixel seen on the screen is `expected` (&HBBGGRR), give or take a step
// of the fade.
bool near(QRgb seen, std::uint32_t expected) {
    const int red = static_cast<int>(expected & 0xFF);
    const int green = static_cast<int>((expected >> 8) & 0xFF);
    const int blue = static_cast<int>((expected >> 16) & 0xFF);
    return std::abs(qRed(seen) - red) <= 6 && std::abs(qGreen(seen) - green) <= 6 && std::abs(qBlue(seen) - blue) <= 6;
}

// Halfway between a colour (&HBBGGRR) and white.
std::uint32_t halfway_to_white(std::uint32_t colour) {
    std::uint32_t mixed = 0;
    for (int shift : {0, 8, 16}) mixed |= ((((colour >> shift) & 0xFF) + 255) / 2) << shift;
    return mixed;
}

QString rgb(QRgb pixel) {
    return QStringLiteral("(%1, %2, %3)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel));
}

// A save from the open panel's strip; the strip then shows whether it was written.
void save(screens::SubMenuWidget* strip) {
    QTest::mouseMove(strip->save_icon(), QPoint(10, 10));
    click(strip->save_icon());
}

}  // namespace

class OptionsScreen : public QObject {
    Q_OBJECT

private slots:
    void everyPanelUsedSavedAndClosedWithTheMouse() {
        Running run(QSize(1280, 860));
        QVERIFY(run.program.master.PIC_Tavolo.Height > 0);
        click(run.menu()->icon_bar().icon(3));
        screens::F_06_Opzioni* o = run.options();
        QVERIFY(o != nullptr);
        QVERIFY(run.shown(Screen::F_06_Opzioni));
        QCOMPARE(run.program.master.PIC_Tavolo.Height, 0.0F);
        QCOMPARE(o->size(), QSize(11780 / 15, 8055 / 15));
        // Briscola: no rules icon.
        QVERIFY(o->icon_bar().icon(3)->isVisible());
        QVERIFY(!o->icon_bar().icon(6)->isVisible());

        // The deck panel opens with the screen, shown as saved.
        QVERIFY(o->panel(1)->isVisible());
        screens::SubMenuWidget* strip = o->strip(1);
        QVERIFY(strip->shows_saved());
        QTest::mouseMove(strip->save_icon(), QPoint(10, 10));
        QTRY_COMPARE(strip->description()->text(), QStringLiteral("Impostazioni salvate"));
        QCOMPARE(o->deck_list()->currentText(), QStringLiteral("Tavolora"));
        QVERIFY(!o->card_preview(0)->pixmap().isNull());
        QVERIFY(!o->back_preview()->pixmap().isNull());
        screenshot(run.window, QStringLiteral("options-1-deck"));

        // Another deck: the back follows, the strip waits for the save.
        pick(o->deck_list(), QStringLiteral("Moderne"));
        run.window.sync();
        QVERIFY(!strip->shows_saved());
        QVERIFY(run.program.setup.options.IMG_Mazzo_Dorso.Picture.find("Moderne") != std::string::npos);
        // The scroll bar's right arrow steps one card.
        const QScrollBar* scroll = o->cards_scroll();
        QTest::mouseClick(o->cards_scroll(), Qt::LeftButton, {},
                          QPoint(scroll->width() - 4, scroll->height() / 2));
        run.window.sync();
        QCOMPARE(o->cards_scroll()->value(), 11);
        QVERIFY(run.program.setup.options.IMG_Mazzo_Prova(0).Picture.ends_with("\\1\\2.bmp"));
        screenshot(run.window, QStringLiteral("options-1-deck-changed"));
        save(strip);
        run.window.sync();
        QVERIFY(strip->shows_saved());
        QCOMPARE(strip->description()->text(), QStringLiteral("Impostazioni salvate"));
        QCOMPARE(QString::fromStdString(run.stored(1).Mazzo_Carte.trimmed()), QStringLiteral("Moderne"));
        // The close icon: "Chiudi", the highlight slides there, the panel goes.
        QTest::mouseMove(strip->close_icon(), QPoint(10, 10));
        QTRY_COMPARE(strip->description()->text(), QStringLiteral("Chiudi"));
        QTRY_COMPARE(strip->highlight()->pos(), strip->close_icon()->pos());
        click(strip->close_icon());
        QVERIFY(!o->panel(1)->isVisible());

        // Animations: a slider moved, its try-out, the wait for the click.
        click(o->icon_bar().icon(2));
        QVERIFY(o->panel(2)->isVisible());
        strip = o->strip(2);
        QVERIFY(strip->shows_saved());
        screenshot(run.window, QStringLiteral("options-2-animations"));
        QSlider* first = o->movement(1);
        const int before = first->value();
        drag(first, 0.25);
        run.window.sync();
        QVERIFY(first->value() > before);
        QVERIFY(!strip->shows_saved());
        const int steps = first->value();
        const QPoint top = o->try_out_shape()->pos();
        click(o->try_out(1));
        QTRY_VERIFY_WITH_TIMEOUT(run.program.setup.options.TME_Prove == 0, 20 * steps + 5000);
        run.window.sync();
        QCOMPARE(o->try_out_shape()->x(), top.x());
        QCOMPARE(o->try_out_shape()->y(), (360 + 4560) / 15);
        click(o->wait_for_click());
        QVERIFY(o->wait_for_click()->isChecked());
        QVERIFY(!o->movement(5)->isEnabled());
        QVERIFY(!o->try_out(5)->isEnabled());
        screenshot(run.window, QStringLiteral("options-2-animations-changed"));
        save(strip);
        run.window.sync();
        QVERIFY(strip->shows_saved());
        QCOMPARE(int(run.stored(1).Animazioni(1)), steps);
        QCOMPARE(int(run.stored(1).Animazioni(5)), 0);
        QCOMPARE(int(run.program.settings.Tempi_Animazione(1)), steps);

        // Difficulty, with the panel's own buttons.
        click(o->icon_bar().icon(3));
        QVERIFY(o->panel(3)->isVisible());
        QVERIFY(o->difficulty(1)->isChecked());
        click(o->difficulty(3));
        QVERIFY(o->difficulty(3)->isChecked());
        QVERIFY(!o->difficulty(1)->isChecked());
        QVERIFY(!o->strip(3)->shows_saved());
        screenshot(run.window, QStringLiteral("options-3-difficulty"));
        click(o->difficulty_save());
        run.window.sync();
        QVERIFY(o->strip(3)->shows_saved());
        QCOMPARE(int(run.stored(1).Difficolta), 3);
        QCOMPARE(int(run.program.settings.Difficolta), 3);
        click(o->difficulty_close());
        QVERIFY(!o->panel(3)->isVisible());

        // The table background, with its preview.
        click(o->icon_bar().icon(4));
        QVERIFY(o->panel(4)->isVisible());
        QCOMPARE(o->background_list()->count(), 6);
        QCOMPARE(o->background_list()->itemText(4), QStringLiteral("->Nessuno"));
        QCOMPARE(o->background_list()->itemText(5), QStringLiteral("->Casuale"));
        pick(o->background_list(), QStringLiteral("Noce"));
        run.window.sync();
        QVERIFY(!o->background_preview()->pixmap().isNull());
        screenshot(run.window, QStringLiteral("options-4-background"));
        save(o->strip(4));
        run.window.sync();
        QVERIFY(o->strip(4)->shows_saved());
        QCOMPARE(QString::fromStdString(run.stored(1).Sfondo_Tavolo.trimmed()), QStringLiteral("Noce"));
        pick(o->background_list(), QStringLiteral("->Nessuno"));
        run.window.sync();
        QVERIFY(o->background_preview()->pixmap().isNull());
        click(o->strip(4)->close_icon());
        QVERIFY(!o->panel(4)->isVisible());

        // The close icon of the bar closes the screen: the table has its height back.
        click(o->icon_bar().icon(5));
        QVERIFY(!run.shown(Screen::F_06_Opzioni));
        QCOMPARE(run.program.master.PIC_Tavolo.Height, run.program.master.form.Height);
        QCOMPARE(QString::fromStdString(run.stored(1).Sfondo_Tavolo.trimmed()), QStringLiteral("Noce"));

        // Scopa's rules: a preset, the suit of "Denari".
        run.choose_game(games::kScopa);
        click(run.menu()->icon_bar().icon(3));
        o = run.options();
        QVERIFY(o->icon_bar().icon(6)->isVisible());
        click(o->icon_bar().icon(6));
        QVERIFY(o->panel(6)->isVisible());
        QVERIFY(o->rule(10)->isChecked());
        QVERIFY(!o->ace_preview()->pixmap().isNull());
        click(o->preset(1));
        for (int k = 1; k <= 13; ++k) QCOMPARE(o->rule(k)->isChecked(), k == 7 || k >= 11);
        click(o->rule(1));
        QVERIFY(o->rule(1)->isChecked());
        const QScrollBar* suit = o->suit_scroll();
        QTest::mouseClick(o->suit_scroll(), Qt::LeftButton, {},
                          QPoint(suit->width() - 4, suit->height() / 2));
        run.window.sync();
        QCOMPARE(o->suit_scroll()->value(), 4);
        QVERIFY(run.program.setup.options.IMG_Mazzo_Asso.Picture.ends_with("\\4\\1.bmp"));
        screenshot(run.window, QStringLiteral("options-6-rules"));
        save(o->strip(6));
        run.window.sync();
        QVERIFY(o->strip(6)->shows_saved());
        const storage::Tipo_Opzioni scopa = run.stored(games::kScopa);
        QCOMPARE(int(scopa.Regole(1)), 1);
        QCOMPARE(int(scopa.Regole(10)), 0);
        QCOMPARE(int(scopa.Regole(20)), 4);
        click(o->icon_bar().icon(5));
        QVERIFY(!run.shown(Screen::F_06_Opzioni));

        // Camicia: no difficulty, no rules, and no wait for the click.
        run.choose_game(games::kCamicia);
        click(run.menu()->icon_bar().icon(3));
        o = run.options();
        QVERIFY(!o->icon_bar().icon(3)->isVisible());
        QVERIFY(!o->icon_bar().icon(6)->isVisible());
        click(o->icon_bar().icon(2));
        QVERIFY(!o->wait_for_click()->isEnabled());
        screenshot(run.window, QStringLiteral("options-camicia-animations"));
        click(o->icon_bar().icon(5));
    }

    // The screens' command buttons draw in style 5 and the table's in style 7. The
    // options, match set-up and help screens wear a plain fade from the game's colour
    // along the top to white along the bottom, with no frame; the main menu keeps its
    // slanted fade out from the middle inside a white frame.
    void theScreensWearTheirOwnBackgroundsAndCommandButtons() {
        Running run(QSize(1024, 768));
        run.choose_game(games::kScopa);
        const std::uint32_t colour = run.program.setup.main_menu.BackColor2;
        QCOMPARE(colour, games::find(games::kScopa)->colour);

        const struct {
            int icon;
            Screen id;
            const char* background;
            int close;
            int buttons;
        } screens[] = {{3, Screen::F_06_Opzioni, "Sfondo_06", 5, 11},
                       {1, Screen::F_040_Partita, "Sfondo_040", 1, 1},
                       {4, Screen::F_12_Help, "Sfondo_12", 3, 0}};
        for (const auto& c : screens) {
            click(run.menu()->icon_bar().icon(c.icon));
            QWidget* screen = run.screen<QWidget>(c.id);
            QVERIFY2(screen != nullptr && screen->isVisible(), c.background);
            auto* back = screen->findChild<controls::GradContainer*>(QString::fromLatin1(c.background));
            QVERIFY2(back != nullptr, c.background);
            QCOMPARE(int(back->BackAngle()), 0);
            QVERIFY(!back->BackMiddleOut());
            QCOMPARE(int(back->BorderThickness()), 0);
            QVERIFY(!back->HeaderVisible());
            QCOMPARE(back->BackColor1(), 0x00FFFFFFU);
            QCOMPARE(back->BackColor2(), colour);
            // Seen at the left edge, beside the panels: the game's colour at the top
            // (where the menu's look has its white frame), halfway to white in the
            // middle, white at the bottom.
            const QImage seen = screen->grab().toImage();
            const int h = seen.height();
            QVERIFY2(near(seen.pixel(2, 2), colour), qPrintable(rgb(seen.pixel(2, 2))));
            QVERIFY2(near(seen.pixel(2, (h - 1) / 2), halfway_to_white(colour)),
                     qPrintable(rgb(seen.pixel(2, (h - 1) / 2))));
            QVERIFY2(near(seen.pixel(2, h - 3), 0x00FFFFFF), qPrintable(rgb(seen.pixel(2, h - 3))));

            const QList<controls::ThemeButton*> buttons = screen->findChildren<controls::ThemeButton*>();
            QCOMPARE(int(buttons.size()), c.buttons);
            for (const controls::ThemeButton* button : buttons)
                QVERIFY2(button->Style() == 5, qPrintable(button->objectName()));
            screenshot(run.window, QStringLiteral("look-%1").arg(QString::fromLatin1(c.background)));
            if (c.id == Screen::F_040_Partita) {
                click(run.set_up()->icon_bar().icon(c.close));
            } else if (c.id == Screen::F_06_Opzioni) {
                click(run.options()->icon_bar().icon(c.close));
            } else {
                click(run.screen<screens::F_12_Help>(c.id)->icon_bar().icon(c.close));
            }
            QTRY_VERIFY(!run.shown(c.id));
        }

        // The main menu's own look stays: its frame is white at the top left.
        auto* menu_back = run.menu()->findChild<controls::GradContainer*>(QStringLiteral("PNL_Sfondo"));
        QVERIFY(menu_back != nullptr);
        QCOMPARE(int(menu_back->BackAngle()), 60);
        QVERIFY(menu_back->BackMiddleOut());
        QCOMPARE(int(menu_back->BorderThickness()), 4);
        const QImage menu = run.menu()->grab().toImage();
        QVERIFY2(near(menu.pixel(2, 2), 0x00FFFFFF), qPrintable(rgb(menu.pixel(2, 2))));

        // Every button of the table, outside the screens, in style 7.
        int table_buttons = 0;
        for (const controls::ThemeButton* button : run.window.findChildren<controls::ThemeButton*>()) {
            bool in_screen = false;
            for (const QObject* up = button->parent(); up != nullptr; up = up->parent())
                in_screen = in_screen || qobject_cast<const screens::ScreenWidget*>(up) != nullptr;
            if (in_screen) continue;
            QVERIFY2(button->Style() == 7, qPrintable(button->objectName()));
            ++table_buttons;
        }
        QVERIFY(table_buttons >= 6);
    }

    // The deck saved in the options is the one the next match is dealt with.
    void theDeckChosenIsTheDeckOfTheNextMatch() {
        Running run(QSize(1280, 860));
        click(run.menu()->icon_bar().icon(3));
        screens::F_06_Opzioni* o = run.options();
        pick(o->deck_list(), QStringLiteral("Meridione"));
        save(o->strip(1));
        click(o->icon_bar().icon(5));

        click(run.menu()->icon_bar().icon(1));
        QVERIFY(run.shown(Screen::F_040_Partita));
        click(run.set_up()->icon_bar().icon(2));
        QVERIFY(run.program.master.PIC_Tavolo.Visible);
        run.window.sync();
        const std::string deck = run.folder.folder.string() + "\\Cards\\Meridione\\";
        int shown = 0;
        for (int i = 1; i <= 40; ++i) {
            const table::Control* card = run.program.master.P.find(i);
            if (card == nullptr || !card->Visible) continue;
            QVERIFY2(card->Picture.starts_with(deck), card->Picture.c_str());
            ++shown;
        }
        QVERIFY(shown >= 3);
        screenshot(run.window, QStringLiteral("options-deck-in-play"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    OptionsScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "options_screen_test.moc"
