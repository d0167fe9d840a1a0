// The titled panel: its picture, the caption's place, the window outline, its stored
// values and change notices, and the events it passes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <string>
#include <utility>

#include "controls/panel/panel.h"
#include "controls/platform/fonts.h"
#include "tests/controls/outline_checks.h"
#include "tests/support/qt_printers.h"

namespace tavolora::controls {
namespace {

constexpr Colour kBack = rgb(10, 20, 30);
constexpr Colour kBorder = rgb(200, 0, 0);
constexpr Colour kFore = rgb(0, 0, 250);
constexpr Colour kStart = rgb(250, 240, 230);
constexpr Colour kEnd = rgb(40, 80, 160);

// A shown form holding one panel of the given size, drawn in distinct colours and
// without a caption unless a test gives one.
struct Bench {
    ControlHost host;
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    Panel* panel = nullptr;

    explicit Bench(int w = 120, int h = 80) {
        form->resize(w + 40, h + 40);
        panel = new Panel(host, QStringLiteral("pnlScore"), form.get());
        panel->setGeometry(20, 20, w, h);
        panel->InitProperties();
        panel->set_BackColor(kBack);
        panel->set_BorderColor(kBorder);
        panel->set_ForeColor(kFore);
        panel->set_TitleGradientStart(kStart);
        panel->set_TitleGradientEnd(kEnd);
        panel->set_Caption(QString());
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    const Surface& s() const { return panel->surface(); }
};

// Whether rows top..bottom, columns left..right of `a` equal those of `b` moved by (dx, dy).
bool same_moved(const Surface& a, const Surface& b, int dx, int dy, int left, int top, int right,
                int bottom) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (a.pixel(x, y) != b.pixel(x + dx, y + dy)) return false;
        }
    }
    return true;
}

TEST(PanelPicture, BackgroundBandOutlineAndLineUnderTheBand) {
    Bench b(120, 80);  // TitleHeight 18, square corners
    const Surface& s = b.s();
    // The band over rows 1 to 17 between the side borders, from the start colour
    // towards the end colour; the background below it.
    EXPECT_TRUE(s.pixel(1, 1) == kStart && s.pixel(117, 1) == kStart);
    for (const int x : {1, 117}) {
        EXPECT_NEAR(red_of(s.pixel(x, 17)), red_of(kEnd), 13) << x;
        EXPECT_NEAR(blue_of(s.pixel(x, 17)), blue_of(kEnd), 13) << x;
    }
    EXPECT_TRUE(red_of(s.pixel(60, 9)) < red_of(kStart) && red_of(s.pixel(60, 9)) > red_of(s.pixel(60, 17)));
    EXPECT_EQ(s.pixel(60, 19), kBack);
    // The outline on columns 0 and W-2 and rows 0 and H-2: it leaves out its right
    // and bottom boundary, so the last column and row, inside the window, show the
    // background. The band's lower edge on row TitleHeight across the whole width.
    for (int y = 0; y <= 78; ++y) EXPECT_TRUE(s.pixel(0, y) == kBorder && s.pixel(118, y) == kBorder) << y;
    for (int x = 0; x <= 118; ++x) EXPECT_TRUE(s.pixel(x, 0) == kBorder && s.pixel(x, 78) == kBorder) << x;
    for (int x = 0; x < 120; ++x) EXPECT_EQ(s.pixel(x, 18), kBorder) << x;
    EXPECT_TRUE(s.pixel(119, 50) == kBack && s.pixel(60, 79) == kBack);
    b.panel->set_TitleHeight(30);
    EXPECT_EQ(s.pixel(60, 30), kBorder);
    EXPECT_NE(s.pixel(60, 18), kBorder);

    // System colours resolve everywhere but in the band, whose colours are plain
    // bytes; a new desktop scheme repaints at once.
    b.panel->set_BackColor(0x8000000Fu);
    b.panel->set_BorderColor(0x80000010u);
    b.panel->set_TitleGradientStart(0x8000000Fu);
    EXPECT_EQ(s.pixel(0, 50), b.host.colours().get(kColorBtnShadow));
    EXPECT_EQ(s.pixel(60, 1), rgb(15, 0, 0));
    b.host.set_system_colour(kColorBtnFace, rgb(1, 2, 3));
    EXPECT_EQ(s.pixel(60, 50), rgb(1, 2, 3));
}

TEST(PanelPicture, ABandOfNoHeightOrNoWidthDrawsNoGradient) {
    const auto has_band = [](const Surface& s) {
        for (int y = 0; y < s.height(); ++y) {
            for (int x = 0; x < s.width(); ++x) {
                if (s.pixel(x, y) != kBack && s.pixel(x, y) != kBorder) return true;
            }
        }
        return false;
    };
    Bench b(120, 40);
    for (const qint16 height : {qint16(1), qint16(0), qint16(-5)}) {
        b.panel->set_TitleHeight(height);
        EXPECT_FALSE(has_band(b.s())) << height;
    }
    b.panel->set_TitleHeight(1);
    EXPECT_EQ(b.s().pixel(60, 1), kBorder);
    EXPECT_EQ(b.s().pixel(60, 2), kBack);
    Bench narrow(3, 40);
    EXPECT_FALSE(has_band(narrow.s()));
    EXPECT_EQ(narrow.s().pixel(2, 18), kBorder);
}

TEST(CaptionOrigin, RowCentredInTheBandColumnByAlignmentHalvesToEven) {
    EXPECT_EQ(caption_origin(2, 100, 18, {20, 13}).y(), 2);  // 2.5
    EXPECT_EQ(caption_origin(2, 100, 19, {20, 12}).y(), 4);  // 3.5
    EXPECT_EQ(caption_origin(2, 100, 18, {20, 12.8}).y(), 3);
    EXPECT_EQ(caption_origin(2, 100, 1, {20, 14}).y(), -6);  // -6.5
    EXPECT_EQ(caption_origin(0, 200, 18, {50.4, 13}).x(), 5);
    EXPECT_EQ(caption_origin(1, 200, 18, {50.4, 13}).x(), 145);  // 144.6
    EXPECT_EQ(caption_origin(1, 200, 18, {50.5, 13}).x(), 144);  // 144.5
    EXPECT_EQ(caption_origin(2, 200, 18, {51, 13}).x(), 74);     // 74.5
    EXPECT_EQ(caption_origin(2, 200, 18, {260, 13}).x(), -30);   // wider than the panel
    EXPECT_EQ(caption_origin(3, 200, 18, {50.4, 13}).x(), 0);
    EXPECT_EQ(caption_origin(-1, 200, 18, {50.4, 13}).x(), 0);
}

TEST(PanelCaption, PrintedInItsFontAndColourWhereItsOriginSays) {
    const QFont font = form_font(QStringLiteral("Verdana"), 9, true);
    const QString caption = QStringLiteral("Punti");
    const QSizeF text = Surface::text_size(caption, font);
    // On a band of one colour, so that a caption moved shows the same pixels.
    const auto panel_with = [&](int alignment, qint16 title_height) {
        auto b = std::make_unique<Bench>(200, 60);
        b->panel->set_TitleGradientEnd(kStart);
        b->panel->set_Font(font);
        b->panel->set_Caption(caption);
        b->panel->set_Alignment(alignment);
        b->panel->set_TitleHeight(title_height);
        return b;
    };
    // Against the left edge (alignment 3) the caption is the reference, in ForeColor.
    const auto at_edge = panel_with(3, 24);
    bool fore = false;
    for (int y = 1; y <= 23; ++y) {
        for (int x = 1; x <= 60; ++x) fore = fore || at_edge->s().pixel(x, y) == kFore;
    }
    EXPECT_TRUE(fore);
    for (const int alignment : {0, 1, 2}) {
        const int dx = caption_origin(alignment, 200, 24, text).x();
        ASSERT_GT(dx, 0);
        const auto b = panel_with(alignment, 24);
        EXPECT_TRUE(same_moved(at_edge->s(), b->s(), dx, 0, 1, 1, 197 - dx, 23)) << alignment;
        EXPECT_FALSE(same_moved(at_edge->s(), b->s(), dx + 1, 0, 1, 1, 196 - dx, 23)) << alignment;
    }
    // A higher band moves the caption down as its origin says.
    const int dy = caption_origin(3, 200, 29, text).y() - caption_origin(3, 200, 24, text).y();
    ASSERT_GT(dy, 0);
    EXPECT_TRUE(same_moved(at_edge->s(), panel_with(3, 29)->s(), 0, dy, 1, 1, 197, 23 - dy));
}

TEST(PanelOutline, FollowsTheRoundedEdgeAndIsGivenOncePerChangeOfShape) {
    Bench b(120, 80);
    const Surface& s = b.s();
    const int first = b.panel->outlines_applied();
    EXPECT_GE(first, 1);
    // Repaints and changes that keep the shape give the window no new outline.
    b.panel->set_Caption(QStringLiteral("Dichiarazioni"));
    b.panel->set_TitleHeight(22);
    b.panel->Redraw();
    b.panel->repaint();
    QApplication::processEvents();
    EXPECT_EQ(b.panel->outlines_applied(), first);
    b.panel->set_RoundedCorners(5);
    b.panel->set_RoundedCorners(5);
    QApplication::processEvents();
    EXPECT_EQ(b.panel->outlines_applied(), first + 1);
    // The window loses the same few pixels at each corner and keeps all the others.
    const QRegion& outline = b.panel->outline();
    EXPECT_EQ(b.panel->mask(), outline);
    EXPECT_TRUE(corners_cut_alike(outline, 120, 80, 3));
    for (const QPoint corner : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 79), QPoint(119, 79)})
        EXPECT_EQ(s.pixel(corner.x(), corner.y()), kBack) << corner.x() << "," << corner.y();
    // The drawn outline, over (0, 0)-(W - 1, H - 1), meets the window's edge at the
    // top left: there the first pixel the window keeps on each row and column is
    // the outline's. The other corners are that one turned over, a pixel inside the
    // window on the right and at the bottom.
    for (int i = 0; i < 10; ++i) {
        int x = 0;
        while (!outline.contains(QPoint(x, i))) ++x;
        int y = 0;
        while (!outline.contains(QPoint(i, y))) ++y;
        EXPECT_TRUE(s.pixel(x, i) == kBorder && s.pixel(i, y) == kBorder) << i;
    }
    const auto border = [&](int x, int y) { return s.pixel(x, y) == kBorder; };
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            EXPECT_TRUE(border(x, y) == border(118 - x, y) && border(x, y) == border(x, 78 - y) &&
                        border(x, y) == border(118 - x, 78 - y))
                << x << "," << y;
        }
    }
    // Between the outline and the window's last column and row the background
    // shows, but where the band's lower edge (row 22) runs across the whole width.
    for (int y = 0; y < 80; ++y) {
        if (y != 22 && outline.contains(QPoint(119, y))) {
            EXPECT_EQ(s.pixel(119, y), kBack) << y;
        }
    }
    for (int x = 0; x < 120; ++x) {
        if (outline.contains(QPoint(x, 79))) {
            EXPECT_EQ(s.pixel(x, 79), kBack) << x;
        }
    }
    // Square corners: the whole rectangle.
    b.panel->resize(130, 80);
    EXPECT_EQ(b.panel->outlines_applied(), first + 2);
    b.panel->set_RoundedCorners(0);
    EXPECT_EQ(b.panel->outlines_applied(), first + 3);
    EXPECT_EQ(b.panel->mask(), QRegion(0, 0, 130, 80));
    EXPECT_EQ(s.pixel(0, 0), kBorder);
}

// A panel of 120 x 60 without rounded corners keeps all its 7,200 pixels; with
// them, only the corners are cut, each the mirror image of the others.
TEST(PanelOutline, SquareCornersKeepEveryPixelRoundedOnesCutTheCornersAlike) {
    Bench b(120, 60);
    EXPECT_EQ(b.panel->RoundedCorners(), 0);
    EXPECT_EQ(b.panel->mask(), QRegion(0, 0, 120, 60));
    EXPECT_EQ(pixel_count(b.panel->mask()), 7200);
    for (const int corners : {5, 12, 19}) {
        b.panel->set_RoundedCorners(corners);
        EXPECT_TRUE(corners_cut_alike(b.panel->mask(), 120, 60, (corners + 1) / 2)) << corners;
        EXPECT_LT(pixel_count(b.panel->mask()), 7200);
    }
}

// The stored names, in their order.
const QStringList kStored = {"BackColor",        "BorderColor", "ForeColor",      "TitleGradientStart",
                             "TitleGradientEnd", "Font",        "RoundedCorners", "TitleHeight",
                             "Caption",          "Alignment"};

TEST(PanelStore, DefaultsAreLeftOutAndStoredValuesComeBack) {
    ControlHost host;
    host.set_form_font(form_font(QStringLiteral("Tahoma"), 10));
    Panel panel(host, QStringLiteral("pnlPunti"));
    panel.resize(100, 60);
    panel.InitProperties();
    EXPECT_EQ(panel.BackColor(), 0x8000000Fu);
    EXPECT_EQ(panel.TitleGradientStart(), 0x00FFFFFFu);
    EXPECT_EQ(panel.TitleGradientEnd(), 0x00D96C00u);
    EXPECT_EQ(panel.Font(), host.form_font());
    EXPECT_EQ(panel.TitleHeight(), 18);
    EXPECT_EQ(panel.Caption(), QStringLiteral("pnlPunti"));
    EXPECT_EQ(panel.Alignment(), 2);
    PropertyBag bag;
    panel.WriteProperties(bag);
    EXPECT_EQ(bag.size(), 0);

    // Values away from their defaults are read, then written again under their names;
    // the last of the repaints shows them.
    // clang-format off
    const std::pair<const char*, PropertyValue> stored[] = {
        {"BackColor", qint64(rgb(1, 2, 3))}, {"BorderColor", qint64(0x80000010)},
        {"ForeColor", qint64(rgb(4, 5, 6))}, {"TitleGradientStart", qint64(rgb(7, 8, 9))},
        {"TitleGradientEnd", qint64(rgb(10, 11, 12))}, {"Font", form_font(QStringLiteral("Verdana"), 12)},
        {"RoundedCorners", qint64(5)}, {"TitleHeight", qint64(24)},
        {"Caption", QStringLiteral("Punteggio")}, {"Alignment", qint64(0)}};
    // clang-format on
    for (const auto& [name, value] : stored) bag.write_always(QLatin1String(name), value);
    Panel loaded(host, QStringLiteral("pnlPunti"));
    loaded.resize(100, 60);
    loaded.ReadProperties(bag);
    PropertyBag again;
    loaded.WriteProperties(again);
    EXPECT_EQ(again.size(), 10);
    for (const auto& [name, value] : stored)
        EXPECT_TRUE(again.read(QLatin1String(name), false) == value) << name;
    EXPECT_EQ(loaded.surface().pixel(50, 40), rgb(1, 2, 3));
    EXPECT_EQ(loaded.surface().pixel(50, 24), host.colours().get(kColorBtnShadow));

    // A value not stored is read as its default; the caption's is the panel's name.
    PropertyBag partial;
    partial.write_always(QStringLiteral("titleheight"), qint64(26));
    Panel other(host, QStringLiteral("pnlAltro"));
    other.ReadProperties(partial);
    EXPECT_EQ(other.TitleHeight(), 26);
    EXPECT_EQ(other.Caption(), QStringLiteral("pnlAltro"));
    EXPECT_EQ(other.Font(), host.form_font());
    EXPECT_EQ(other.TitleGradientEnd(), 0x00D96C00u);
}

TEST(PanelStore, EverySetterTellsTheFormItsNameAfterStoringTheValue) {
    ControlHost host;
    Panel panel(host, QStringLiteral("pnlPunti"));
    panel.resize(100, 60);
    QStringList names;
    Colour seen = 0;
    QObject::connect(&panel, &Panel::PropertyChanged, [&](const QString& name) {
        names << name;
        seen = panel.BackColor();
    });
    panel.InitProperties();
    EXPECT_EQ(names, kStored);
    names.clear();
    panel.ReadProperties(PropertyBag());
    EXPECT_EQ(names, kStored);
    // The form sees the new value when told; the picture follows before the setter returns.
    panel.set_BackColor(rgb(9, 9, 9));
    EXPECT_EQ(seen, rgb(9, 9, 9));
    EXPECT_EQ(panel.surface().pixel(50, 40), rgb(9, 9, 9));
}

// The events as the form receives them, one line each.
struct EventLog {
    QStringList lines;
    explicit EventLog(Panel* panel) {
        const auto mouse = [this](const char* kind) {
            return [this, kind](int button, int shift, float x, float y) {
                lines << QStringLiteral("%1 %2 %3 %4 %5").arg(kind).arg(button).arg(shift).arg(x).arg(y);
            };
        };
        const auto key = [this](const char* kind) {
            return [this, kind](int code, int shift) {
                lines << QStringLiteral("%1 %2 %3").arg(kind).arg(code).arg(shift);
            };
        };
        QObject::connect(panel, &Panel::MouseDown, mouse("down"));
        QObject::connect(panel, &Panel::MouseMove, mouse("move"));
        QObject::connect(panel, &Panel::MouseUp, mouse("up"));
        QObject::connect(panel, &Panel::Click, [this] { lines << QStringLiteral("click"); });
        QObject::connect(panel, &Panel::DoubleClick, [this] { lines << QStringLiteral("double"); });
        QObject::connect(panel, &Panel::KeyDown, key("keydown"));
        QObject::connect(panel, &Panel::KeyPress,
                         [this](int ascii) { lines << QStringLiteral("keypress %1").arg(ascii); });
        QObject::connect(panel, &Panel::KeyUp, key("keyup"));
    }
    // The lines since the last call, joined.
    std::string take() { return std::exchange(lines, {}).join(QStringLiteral(", ")).toStdString(); }
};

TEST(PanelInput, MouseEventsCarryTheFormsButtonShiftAndPosition) {
    Bench b(120, 80);  // the panel at (20, 20) in its form
    EventLog log(b.panel);
    QWindow* window = b.form->windowHandle();
    const auto at = [](int x, int y) { return QPoint(20 + x, 20 + y); };

    QTest::mouseMove(window, at(30, 40));
    EXPECT_EQ(log.take(), "move 0 0 30 40");
    QTest::mousePress(window, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, at(30, 40));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, at(30, 40));
    EXPECT_EQ(log.take(), "down 1 3 30 40, up 1 3 30 40, click");

    QTest::mousePress(window, Qt::RightButton, Qt::AltModifier, at(30, 40));
    QTest::mouseMove(window, at(31, 42));
    QTest::mousePress(window, Qt::MiddleButton, {}, at(31, 42));
    QTest::mouseMove(window, at(33, 44));
    QTest::mouseRelease(window, Qt::MiddleButton, {}, at(33, 44));
    QTest::mouseRelease(window, Qt::RightButton, {}, at(33, 44));
    EXPECT_EQ(
        log.take(),
        "down 2 4 30 40, move 2 0 31 42, down 4 0 31 42, move 6 0 33 44, up 4 0 33 44, click, up 2 0 33 44");

    // A double click raises one Click; a release off the panel none.
    QTest::mouseDClick(window, Qt::LeftButton, {}, at(33, 44));
    EXPECT_EQ(log.take(), "down 1 0 33 44, up 1 0 33 44, click, double, up 1 0 33 44");
    QTest::mousePress(window, Qt::LeftButton, {}, at(33, 44));
    QTest::mouseMove(window, at(130, 44));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(130, 44));
    EXPECT_EQ(log.take(), "down 1 0 33 44, move 1 0 130 44, up 1 0 130 44");
}

TEST(PanelInput, KeysReachThePanelAndGoOnToTheForm) {
    Bench b;
    EventLog log(b.panel);
    struct Counter : QObject {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            presses += event->type() == QEvent::KeyPress;
            return false;
        }
    } form_keys;
    b.form->installEventFilter(&form_keys);

    // Delete types no character; with modifiers, the modifier keys themselves go
    // down and up around the key.
    QTest::keyClick(b.panel, 'A');
    QTest::keyClick(b.panel, Qt::Key_Return);
    QTest::keyClick(b.panel, Qt::Key_Delete);
    QTest::keyClick(b.panel, Qt::Key_Left, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(b.panel, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(log.take(),
              "keydown 65 0, keypress 65, keyup 65 0, keydown 13 0, keypress 13, keyup 13 0, keydown 46 0, "
              "keyup 46 0, keydown 16 1, keydown 18 5, keydown 37 5, keyup 37 5, keyup 18 1, keyup 16 0, "
              "keydown 17 2, keydown 116 2, keyup 116 2, keyup 17 0");
    EXPECT_EQ(form_keys.presses, 8);

    // A held key repeats its press, never its release.
    QKeyEvent repeat_press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"), true);
    QKeyEvent repeat_release(QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"), true);
    QApplication::sendEvent(b.panel, &repeat_press);
    QApplication::sendEvent(b.panel, &repeat_release);
    EXPECT_EQ(log.take(), "keydown 90 0, keypress 122");
}

TEST(PanelContainer, ChildrenLieAboveTheDrawingAndKeepTheirFont) {
    Bench b(120, 80);
    auto* child = new QWidget(b.panel);
    child->setGeometry(30, 10, 20, 20);  // across the band's lower edge
    child->setAutoFillBackground(true);
    QPalette palette = child->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 0));
    child->setPalette(palette);
    child->show();
    const QFont child_font = child->font();
    b.panel->set_Font(form_font(QStringLiteral("Verdana"), 20, true));
    EXPECT_EQ(child->font(), child_font);
    const QImage shown = b.panel->grab().toImage();
    EXPECT_EQ(shown.pixelColor(40, 18), QColor(0, 255, 0));
    EXPECT_EQ(shown.pixelColor(60, 18), to_qcolor(kBorder));
}

}  // namespace
}  // namespace tavolora::controls
