// The help and credits screens in the real window, with the mouse: every game's help
// opened from the main menu's help icon, a topic clicked in the tree and listed, the
// text following the highlight as the keys move it, the screen closed (also in the middle of a listing) with the table's height given back;
// the credits opened, every link clicked and handed to the window system, whose
// handlers record it here instead of starting a browser or a mail program, and
// closed. With TAVOLORA_SCREENSHOTS set, the window is saved with each screen.

#include <QApplication>
#include <QDesktopServices>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "screens/f_011_menu.h"
#include "screens/f_08_crediti.h"
#include "screens/f_12_help.h"
#include "screens/screen_host.h"
#include "storage/help_file.h"
#include "storage/host_path.h"
#include "storage/record_file.h"
#include "tests/qt/running_program.h"
#include "tests/qt/window_clicks.h"

// The links the window system was asked to open.
class LinkRecorder : public QObject {
    Q_OBJECT

public:
    std::vector<std::string> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url.toString().toStdString()); }
};

namespace {

using namespace tavolora;
using table::Screen;
using testing::click;

class Running : public testing::RunningProgram {
public:
    // The links go to the window system, where the test catches them.
    Running() : RunningProgram(QSize(1024, 768), true, testing::ProgramFolder::quick, true) {}

    // The screen's widget while it is shown.
    template <typename Widget>
    Widget* visible(Screen s) {
        auto* widget = screen<Widget>(s);
        return widget != nullptr && widget->isVisible() ? widget : nullptr;
    }
    // The help file of the current game, as the build wrote it, and a topic of it.
    std::string help_file() const {
        const std::string path = folder.folder.string() + "\\Languages\\Ita_" +
                                 std::to_string(program.match.Codice_Gioco) + ".txt";
        return storage::read_file(storage::host_path(path)).value_or(std::string());
    }
    // A chapter's key has no section: it lists nothing.
    QStringList topic(const std::string& key) const {
        QStringList lines;
        const std::size_t cut = key.find('_');
        if (cut == std::string::npos) return lines;
        for (const std::string& line :
             storage::help_topic(help_file(), key.substr(1, cut - 1), key.substr(cut + 1)))
            lines << QString::fromStdString(line);
        return lines;
    }
};

// A click on a node of the tree, sent to the window where the node lies, as a person
// clicks it.
void click_node(QTreeWidget* tree, QTreeWidgetItem* item) {
    QVERIFY(item != nullptr);
    tree->scrollToItem(item);
    testing::window_click(*tree->window(), testing::in_window(tree->viewport(), tree->visualItemRect(item).center()));
}

QStringList items_of(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

}  // namespace

class HelpAndCredits : public QObject {
    Q_OBJECT

private slots:
    void theHelpOfEachGameShowsItsTopicsAndClosesGivingTheTableItsHeight() {
        Running run;
        for (int game : {2, 3, 4, 1}) {
            click(run.menu()->arrow(4));
            QCOMPARE(int(run.program.match.Codice_Gioco), game);
            const std::vector<storage::HelpNode> index = storage::help_index(run.help_file());
            QVERIFY(index.size() >= 5);

            click(run.menu()->icon_bar().icon(4));
            auto* help = run.visible<screens::F_12_Help>(Screen::F_12_Help);
            QVERIFY(help != nullptr);
            QCOMPARE(run.program.master.PIC_Tavolo.Height, 0.0F);
            // Right of the main menu, inside the window.
            QVERIFY(help->x() > run.menu()->geometry().right());
            QVERIFY(help->geometry().right() < run.window.client_area().width());
            QTreeWidget* tree = help->tree();
            QCOMPARE(tree->topLevelItem(0)->text(0), QString::fromStdString(index[0].text));

            // The chapter's second section: its lines, and the tree back in use.
            const std::string key = index[2].key;
            click_node(tree, help->node(key));
            QTRY_COMPARE(items_of(help->text()), run.topic(key));
            QVERIFY(help->text()->count() >= 2);
            QTRY_VERIFY(tree->isEnabled());
            QCOMPARE(run.window.focusWidget(), static_cast<QWidget*>(tree));
            // No line of a help file makes the list scroll sideways.
            QVERIFY(!help->text()->horizontalScrollBar()->isVisible());
            testing::screenshot(run.window, QStringLiteral("help-%1").arg(game));
            run.program.master.PIC_Tavolo.Height = 1234;
            click(help->icon_bar().icon(3));
            QTRY_VERIFY(run.visible<screens::F_12_Help>(Screen::F_12_Help) == nullptr);
            QCOMPARE(run.program.master.PIC_Tavolo.Height, run.program.master.form.Height);
        }
    }

    // However the highlight reaches a node, a click or a key, the list shows that
    // node's topic, read once; a chapter shows nothing.
    void theTextFollowsTheHighlightedNodeByClicksAndKeys() {
        Running run;
        click(run.menu()->icon_bar().icon(4));
        auto* help = run.visible<screens::F_12_Help>(Screen::F_12_Help);
        QVERIFY(help != nullptr);
        QTreeWidget* tree = help->tree();
        const std::vector<storage::HelpNode> index = storage::help_index(run.help_file());
        QVERIFY(index.size() >= 5);
        const auto highlighted = [&]() -> std::string {
            for (const storage::HelpNode& node : index) {
                if (help->node(node.key) == tree->currentItem()) return node.key;
            }
            return {};
        };
        qsizetype listed = 0;
        QObject::connect(help->text()->model(), &QAbstractItemModel::rowsInserted, help,
                         [&listed](const QModelIndex&, int first, int last) { listed += last - first + 1; });
        // The list holds the highlighted node's topic, listed once since `listed` was 0.
        const auto follows = [&](const char* how) {
            const qsizetype count = std::exchange(listed, 0);
            const std::string key = highlighted();
            QVERIFY2(!key.empty(), how);
            QTRY_VERIFY2(tree->isEnabled(), how);
            QVERIFY2(items_of(help->text()) == run.topic(key), qPrintable(QString::fromLatin1(how) + " " + key.c_str()));
            QVERIFY2(count == run.topic(key).size(), how);
            QCOMPARE(run.window.focusWidget(), static_cast<QWidget*>(tree));
        };

        click_node(tree, help->node(index[2].key));
        QCOMPARE(highlighted(), index[2].key);
        follows("a click");
        const auto key = [&](Qt::Key k, const char* how) {
            const std::string before = highlighted();
            QTest::keyClick(run.window.windowHandle(), k);
            QVERIFY2(highlighted() != before, how);
            follows(how);
        };
        key(Qt::Key_Down, "down");
        key(Qt::Key_Down, "down again");
        key(Qt::Key_Up, "up");
        key(Qt::Key_End, "end");
        QCOMPARE(highlighted(), index.back().key);
        testing::screenshot(run.window, QStringLiteral("help-keys"));
        key(Qt::Key_Home, "home");
        QCOMPARE(highlighted(), index.front().key);  // a chapter: nothing listed
        key(Qt::Key_PageDown, "page down");
        key(Qt::Key_PageUp, "page up");
        // A click on the second chapter, on its first section, then on that section again:
        // its topic stays on the list.
        const auto chapter = std::find_if(index.begin() + 1, index.end() - 1,
                                          [](const storage::HelpNode& node) { return node.parent.empty(); });
        click_node(tree, help->node(chapter->key));
        follows("a chapter clicked");
        const std::string section = (chapter + 1)->key;
        click_node(tree, help->node(section));
        follows("a section clicked");
        click_node(tree, help->node(section));
        QCOMPARE(items_of(help->text()), run.topic(section));
    }

    void closingTheHelpWhileATopicIsListedEndsTheListing() {
        Running run;
        click(run.menu()->icon_bar().icon(4));
        QPointer<screens::F_12_Help> help = run.visible<screens::F_12_Help>(Screen::F_12_Help);
        QVERIFY(help != nullptr);
        const std::string key = storage::help_index(run.help_file())[1].key;
        QVERIFY(run.topic(key).size() >= 3);
        // Once the first line is on the list, the close icon is clicked at the next run
        // of the window's events, which comes inside the listing.
        screens::MousePicture* close = help->icon_bar().icon(3);
        bool clicked = false;
        QObject::connect(help->text()->model(), &QAbstractItemModel::rowsInserted, help, [&clicked, close] {
            if (clicked) return;
            clicked = true;
            QTimer::singleShot(0, [close] { click(close); });
        });
        click_node(help->tree(), help->node(key));
        QTRY_VERIFY(help.isNull());
        QVERIFY(clicked);
        const std::size_t listed = run.program.setup.help_screen.TXT_Help.size();
        QVERIFY(listed >= 1 && listed < static_cast<std::size_t>(run.topic(key).size()));
        QCOMPARE(run.program.master.PIC_Tavolo.Height, run.program.master.form.Height);

        // The help opens again, empty and in use.
        click(run.menu()->icon_bar().icon(4));
        help = run.visible<screens::F_12_Help>(Screen::F_12_Help);
        QVERIFY(help != nullptr);
        QCOMPARE(help->text()->count(), 0);
        QVERIFY(help->tree()->isEnabled());
    }

    void theCreditsOpenEveryLinkThroughTheWindowSystemAndClose() {
        Running run;
        LinkRecorder recorder;
        const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"),
                                     QStringLiteral("mailto")};
        for (const QString& scheme : schemes) QDesktopServices::setUrlHandler(scheme, &recorder, "open");

        click(run.menu()->icon_bar().icon(5));
        auto* credits = run.visible<screens::F_08_Crediti>(Screen::F_08_Crediti);
        QVERIFY(credits != nullptr);
        QVERIFY(credits->x() > run.menu()->geometry().right());
        QCOMPARE(credits->label(QStringLiteral("Label1"))->text(), QStringLiteral("Tavolora"));
        QCOMPARE(credits->clickable(QStringLiteral("IMG_Icona_1"))->toolTip(),
                 QStringLiteral("Spedisci un email"));
        testing::screenshot(run.window, QStringLiteral("credits"));

        const setup::CreditLinks links;
        const std::string maker_mail = "mailto:" + links.Email_Autore;
        const std::vector<std::pair<const char*, std::string>> clicks = {
            {"Image1", links.Sito_Autore},  {"LBL_Sito_Web", links.Sito_Autore},
            {"Label8", maker_mail},         {"LBL_Email", maker_mail},
            {"IMG_Icona_1", maker_mail},    {"IMG_Icona_2", links.Sito_Autore},
            {"Image2", links.Sito_Editore}, {"Label2", links.Sito_Editore},
            {"Label6", links.Sito_Editore}, {"Label3", "mailto:" + links.Email_Editore}};
        std::vector<std::string> expected;
        for (const auto& [name, target] : clicks) {
            click(credits->clickable(QString::fromLatin1(name)));
            expected.push_back(target);
        }
        for (const QString& scheme : schemes) QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(recorder.opened, expected);

        run.program.master.PIC_Tavolo.Height = 0;
        click(credits->clickable(QStringLiteral("IMG_Icona_Uscita")));
        QTRY_VERIFY(run.visible<screens::F_08_Crediti>(Screen::F_08_Crediti) == nullptr);
        QCOMPARE(run.program.master.PIC_Tavolo.Height, run.program.master.form.Height);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    HelpAndCredits test;
    return QTest::qExec(&test, argc, argv);
}

#include "help_credits_test.moc"
