// tavolora_controls_gallery: one PNG of the program's own controls, for review: the
// themed button in every style and state, the titled panel, the gradient container
// as the program uses it, the tooltip and the About box.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "controls/button/about_box.h"
#include "controls/button/button_region.h"
#include "controls/button/painter.h"
#include "controls/button/theme_button.h"
#include "controls/button/tooltip.h"
#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "controls/platform/fonts.h"

namespace {

using namespace tavolora::controls;

constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 26;
constexpr int kGap = 12;
constexpr int kLabelWidth = 70;
const QColor kGround(0xe8, 0xe4, 0xda);

struct Column {
    const char* name;
    int state;
    bool focus;
    bool toggled;
};

const Column kColumns[] = {
    {"normal", kNormal, false, false}, {"hot", kHot, false, false},       {"pressed", kPressed, false, false},
    {"disabled", kDisabled, false, false}, {"focused", kNormal, true, false}, {"toggle on", kNormal, false, true},
};

QImage button_face(const SystemColours& colours, int style, const Column& column, bool custom) {
    Surface surface(kButtonWidth, kButtonHeight);
    surface.set_background(colours.get(kColorBtnFace));
    ButtonFields f;
    f.Style = style;
    f.NonThemeStyle = 5;
    f.state = column.state;
    f.focus = column.focus;
    f.Enabled = column.state != kDisabled;
    f.ButtonType = column.toggled ? 1 : 0;
    f.Value = column.toggled;
    f.ShowFocus = true;
    f.UseCustomColors = custom;
    f.BackColor = rgb(70, 130, 90);
    f.HighlightColor = rgb(230, 160, 40);
    f.FontColor = rgb(255, 255, 255);
    f.FontHighlightColor = rgb(20, 20, 20);
    f.Caption = QStringLiteral("Gioca!");
    f.client = {0, 0, kButtonWidth, kButtonHeight};
    f.inner = {4, 4, kButtonWidth - 4, kButtonHeight - 4};
    f.caption_format = kDtSingleLine | kDtVCenter | kDtCenter;
    f.font = form_font(QStringLiteral("Verdana"), 8.25);
    refresh(surface, f, PaintContext{colours, true, [](Surface& s, int state) {
                                         draw_platform_button(s, state, nullptr);
                                     }});
    return surface.image();
}

void label(QPainter& p, int x, int y, int w, int h, const QString& text, bool bold = false) {
    QFont font = form_font(QStringLiteral("Verdana"), 8, bold);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(x, y, w, h), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// The buttons: a row per style, a column per state, with system colours and then
// with custom colours.
int draw_buttons(QPainter& p, const SystemColours& colours, int top, bool custom) {
    label(p, kGap, top, 600, 18,
          custom ? QStringLiteral("ThemeButton, UseCustomColors (green face, amber highlight)")
                 : QStringLiteral("ThemeButton, system colours"),
          true);
    top += 20;
    for (int c = 0; c < 6; ++c)
        label(p, kGap + kLabelWidth + c * (kButtonWidth + kGap), top, kButtonWidth, 16,
              QString::fromLatin1(kColumns[c].name));
    top += 18;
    for (int style = 0; style <= 10; ++style) {
        label(p, kGap, top, kLabelWidth, kButtonHeight, QStringLiteral("Style %1").arg(style));
        for (int c = 0; c < 6; ++c) {
            // Cut to the style's window outline, so that the sheet shows through the
            // corners as the form does.
            const QPoint at(kGap + kLabelWidth + c * (kButtonWidth + kGap), top);
            p.save();
            p.setClipRegion(button_region(style, kButtonWidth, kButtonHeight).translated(at));
            p.drawImage(at, button_face(colours, style, kColumns[c], custom));
            p.restore();
        }
        top += kButtonHeight + 8;
    }
    return top + kGap;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the program's own controls in every style and state."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The PNG to write."),
                                       QStringLiteral("FILE.png"));
    parser.addOption(outOption);
    parser.process(app);
    if (!parser.isSet(outOption)) {
        std::fputs("tavolora_controls_gallery: --out is required\n", stderr);
        return 1;
    }

    ControlHost host;
    const SystemColours& colours = host.colours();
    QImage sheet(kGap * 2 + kLabelWidth + 6 * (kButtonWidth + kGap), 1500, QImage::Format_RGB32);
    sheet.fill(kGround);
    QPainter p(&sheet);
    int top = kGap;
    top = draw_buttons(p, colours, top, false);
    top = draw_buttons(p, colours, top, true);

    // The titled panel as the card table's floating panels use it, and with its defaults.
    label(p, kGap, top, 600, 18, QStringLiteral("Panel and ucGradContainer"), true);
    top += 22;
    QWidget holder;
    holder.resize(sheet.width(), 400);
    holder.setAttribute(Qt::WA_DontShowOnScreen);
    std::vector<std::pair<QWidget*, QPoint>> placed;
    {
        PropertyBag bag;
        bag.write_always(QStringLiteral("Caption"), QStringLiteral("Riepilogo dei punteggi"));
        bag.write_always(QStringLiteral("RoundedCorners"), qint64(5));
        bag.write_always(QStringLiteral("TitleHeight"), qint64(20));
        bag.write_always(QStringLiteral("Font"), form_font(QStringLiteral("Verdana"), 8.25, true));
        auto* panel = new Panel(host, QStringLiteral("PIC_51_Monitor"), &holder);
        panel->ReadProperties(bag);
        panel->setGeometry(0, 0, 337, 153);
        placed.push_back({panel, QPoint(kGap, top)});
        auto* plain = new Panel(host, QStringLiteral("Panel1"), &holder);
        plain->InitProperties();
        plain->setGeometry(0, 0, 180, 100);
        placed.push_back({plain, QPoint(kGap + 350, top)});
    }
    {
        // The card table's button strip with two of its buttons.
        PropertyBag bag;
        bag.write_always(QStringLiteral("Caption"), QStringLiteral("Menù di gioco"));
        bag.write_always(QStringLiteral("CaptionAlignment"), qint64(2));
        bag.write_always(QStringLiteral("HeaderHeight"), qint64(18));
        bag.write_always(QStringLiteral("HeaderColor1"), qint64(0x00FFFFFF));
        bag.write_always(QStringLiteral("HeaderColor2"), qint64(0x00D96C00));
        bag.write_always(QStringLiteral("BackColor1"), qint64(0x00004000));
        bag.write_always(QStringLiteral("BackColor2"), qint64(0x00004000));
        bag.write_always(QStringLiteral("BorderColor"), qint64(0));
        bag.write_always(QStringLiteral("CaptionColor"), qint64(0));
        bag.write_always(QStringLiteral("Curvature"), qint64(5));
        bag.write_always(QStringLiteral("BackMiddleOut"), false);
        bag.write_always(QStringLiteral("HeaderMiddleOut"), false);
        bag.write_always(QStringLiteral("IconSize"), qint64(0));
        bag.write_always(QStringLiteral("CaptionFont"), form_font(QStringLiteral("MS Sans Serif"), 8.25));
        auto* strip = new GradContainer(host, QStringLiteral("FRM_M_Menu"), &holder);
        strip->ReadProperties(bag);
        strip->setGeometry(0, 0, 201, 169);
        const char* captions[] = {"Visualizza punteggi", "Esci dalla partita"};
        for (int i = 0; i < 2; ++i) {
            PropertyBag b;
            b.write_always(QStringLiteral("Style"), qint64(7));
            b.write_always(QStringLiteral("Caption"), QString::fromUtf8(captions[i]));
            b.write_always(QStringLiteral("Font"), form_font(QStringLiteral("Verdana"), 8.25));
            auto* button = new ThemeButton(host, QStringLiteral("CMD_%1").arg(i), strip);
            button->ReadProperties(b);
            button->setGeometry(8, 28 + i * 23, 185, 21);
        }
        placed.push_back({strip, QPoint(kGap + 550, top)});
    }
    {
        // The main menu's background, in the blue of Briscola.
        PropertyBag bag;
        bag.write_always(QStringLiteral("BackAngle"), qint64(60));
        bag.write_always(QStringLiteral("BackColor1"), qint64(0x00FFFFFF));
        bag.write_always(QStringLiteral("BackColor2"), qint64(0x00FF0000));
        bag.write_always(QStringLiteral("BorderColor"), qint64(0x00FFFFFF));
        bag.write_always(QStringLiteral("BorderThickness"), qint64(4));
        bag.write_always(QStringLiteral("Curvature"), qint64(0));
        bag.write_always(QStringLiteral("HeaderVisible"), false);
        bag.write_always(QStringLiteral("Caption"), QString());
        bag.write_always(QStringLiteral("IconSize"), qint64(0));
        auto* menu = new GradContainer(host, QStringLiteral("PNL_Sfondo"), &holder);
        menu->ReadProperties(bag);
        menu->setGeometry(0, 0, 74, 237);
        placed.push_back({menu, QPoint(kGap + 575 + 201 + kGap, top)});
        auto* fresh = new GradContainer(host, QStringLiteral("ucGradContainer1"), &holder);
        fresh->InitProperties();
        fresh->setGeometry(0, 0, 200, 120);
        placed.push_back({fresh, QPoint(kGap + 350, top + 110)});
    }
    holder.show();
    QApplication::processEvents();
    for (const auto& [widget, at] : placed) {
        // A grab ignores the window's outline (which the grab's own repaint may
        // give first); the sheet shows where the form would.
        const QPixmap picture = widget->grab();
        p.save();
        if (!widget->mask().isEmpty()) p.setClipRegion(widget->mask().translated(at));
        p.drawPixmap(at, picture);
        p.restore();
    }
    top += 250;

    // The About box and a tooltip's two shapes.
    label(p, kGap, top, 600, 18, QStringLiteral("About box"), true);
    top += 22;
    auto* owner = new ThemeButton(host, QStringLiteral("CMD_About"), &holder);
    owner->InitProperties();
    owner->About();
    QApplication::processEvents();
    if (AboutBox* about = owner->about_box()) p.drawImage(kGap, top, about->surface().image());
    top += AboutBox::kHeight + kGap;
    p.end();

    const QImage cut = sheet.copy(0, 0, sheet.width(), top);
    const QString out = parser.value(outOption);
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!cut.save(out, "PNG")) {
        std::fprintf(stderr, "tavolora_controls_gallery: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
