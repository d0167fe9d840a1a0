#include "controls/button/theme_button.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QUrl>

#include <algorithm>

#include "controls/button/button_region.h"
#include "controls/button/painter.h"
#include "controls/platform/exposed.h"
#include "controls/platform/fonts.h"
#include "controls/platform/input_codes.h"

namespace tavolora::controls {

namespace {

// The caption formats of CaptionAlign 0 to 4; another value keeps the format.
int caption_format(int align, int current) {
    switch (align) {
        case 0:
            return kDtSingleLine | kDtVCenter | kDtCenter;
        case 1:
            return kDtSingleLine | kDtVCenter | kDtLeft;
        case 2:
            return kDtSingleLine | kDtVCenter | kDtRight;
        case 3:
            return kDtSingleLine | kDtTop | kDtCenter;
        case 4:
            return kDtSingleLine | kDtBottom | kDtCenter;
        default:
            return current;
    }
}

// The window style that the About panel has as placed in the button: a hidden child.
constexpr std::uint32_t kAboutPanelStyle = 0x44000000u;

}  // namespace

ThemeButton::ThemeButton(ControlHost& host, const QString& name, QWidget* parent)
    : QWidget(parent), host_(host), name_(name) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    f_.font = form_font(QStringLiteral("Verdana"), 8.25);
    surface_.resize(width(), height());
    connect(&host_, &ControlHost::systemColoursChanged, this, [this] {
        if (f_.leave_tracking) Refresh();
    });
    connect(&host_, &ControlHost::themeChanged, this, [this] {
        if (f_.leave_tracking) Refresh();
    });
}

ThemeButton::~ThemeButton() { delete about_.data(); }

// --- Property store -----------------------------------------------------------

void ThemeButton::InitProperties() {
    const SystemColours& colours = host_.colours();
    f_ = ButtonFields{};
    f_.Style = 0;
    f_.Caption = name_;
    f_.IconSize = 16;
    f_.caption_format = 17;
    f_.Enabled = true;
    f_.BackColor = colours.translate(0x80000000u | kColorBtnFace);
    f_.HighlightColor = colours.translate(0x80000000u | kColorHighlight);
    f_.FontColor = colours.translate(0x80000000u | kColorBtnText);
    f_.FontHighlightColor = colours.translate(0x80000000u | kColorBtnText);
    f_.about_style = kAboutPanelStyle;
    f_.font = form_font(QStringLiteral("Verdana"), 8.25);
    QWidget::setEnabled(true);
    relayout();
}

void ThemeButton::ReadProperties(const PropertyBag& bag) {
    const SystemColours& colours = host_.colours();
    f_.state = kNormal;
    f_.Icon = bag.read_picture(QStringLiteral("Icon"), QImage());
    f_.Style = static_cast<int>(bag.read_int(QStringLiteral("Style"), 3));
    f_.Caption = bag.read_string(QStringLiteral("Caption"), QString());
    f_.IconSize = static_cast<int>(bag.read_int(QStringLiteral("IconSize"), 16));
    f_.CaptionAlign = static_cast<int>(bag.read_int(QStringLiteral("CaptionAlign"), 0));
    f_.IconAlign = static_cast<int>(bag.read_int(QStringLiteral("IconAlign"), 0));
    f_.NonThemeStyle = static_cast<int>(bag.read_int(QStringLiteral("iNonThemeStyle"), 5));
    f_.Enabled = bag.read_bool(QStringLiteral("Enabled"), true);
    f_.ShowFocus = bag.read_bool(QStringLiteral("ShowFocus"), false);
    f_.UseCustomColors = bag.read_bool(QStringLiteral("USeCustomColors"), false);
    f_.BackColor = static_cast<Colour>(bag.read_int(QStringLiteral("BackColor"), colours.get(kColorBtnFace)));
    f_.HighlightColor =
        static_cast<Colour>(bag.read_int(QStringLiteral("HighlightColor"), colours.get(kColorHighlight)));
    f_.FontColor = static_cast<Colour>(bag.read_int(QStringLiteral("FontColor"), colours.get(kColorBtnText)));
    f_.FontHighlightColor =
        static_cast<Colour>(bag.read_int(QStringLiteral("FontHighlightColor"), colours.get(kColorBtnText)));
    f_.tooltip.text = bag.read_string(QStringLiteral("ToolTipText"), host_.standard_tooltip(name_));
    f_.tooltip.title = bag.read_string(QStringLiteral("Tooltiptitle"), QString());
    f_.tooltip.icon = static_cast<int>(bag.read_int(QStringLiteral("ToolTipIcon"), 0));
    f_.tooltip.type = static_cast<int>(bag.read_int(QStringLiteral("ToolTipType"), 1));
    f_.tooltip.back = static_cast<Colour>(bag.read_int(QStringLiteral("ttBackColor"), colours.get(kColorInfoBk)));
    f_.tooltip.fore = static_cast<Colour>(bag.read_int(QStringLiteral("ttForeColor"), colours.get(kColorInfoText)));
    f_.font = bag.read_font(QStringLiteral("Font"), f_.font);
    f_.ButtonType = static_cast<int>(bag.read_int(QStringLiteral("ButtonType"), 0));
    f_.Value = bag.read_bool(QStringLiteral("Value"), false);
    f_.caption_format = caption_format(f_.CaptionAlign, f_.caption_format);
    QWidget::setEnabled(f_.Enabled);
    if (host_.user_mode()) start_hover_tracking();
    relayout();
}

void ThemeButton::WriteProperties(PropertyBag& bag) const {
    const SystemColours& colours = host_.colours();
    bag.write_always(QStringLiteral("Icon"), f_.Icon);
    bag.write(QStringLiteral("Style"), qint64(f_.Style), qint64(3));
    bag.write(QStringLiteral("Caption"), f_.Caption, QString());
    bag.write(QStringLiteral("IconSize"), qint64(f_.IconSize), qint64(16));
    bag.write(QStringLiteral("IconAlign"), qint64(f_.IconAlign), qint64(0));
    bag.write(QStringLiteral("CaptionAlign"), qint64(f_.CaptionAlign), qint64(0));
    bag.write(QStringLiteral("iNonThemeStyle"), qint64(f_.NonThemeStyle), qint64(5));
    bag.write(QStringLiteral("Enabled"), f_.Enabled, true);
    bag.write(QStringLiteral("ShowFocus"), f_.ShowFocus, false);
    bag.write(QStringLiteral("USeCustomColors"), f_.UseCustomColors, false);
    bag.write(QStringLiteral("BackColor"), qint64(f_.BackColor), qint64(colours.get(kColorBtnFace)));
    bag.write(QStringLiteral("HighlightColor"), qint64(f_.HighlightColor), qint64(colours.get(kColorHighlight)));
    bag.write(QStringLiteral("FontColor"), qint64(f_.FontColor), qint64(colours.get(kColorBtnText)));
    bag.write(QStringLiteral("FontHighlightColor"), qint64(f_.FontHighlightColor), qint64(colours.get(kColorBtnText)));
    bag.write(QStringLiteral("ToolTipText"), f_.tooltip.text, host_.standard_tooltip(name_));
    bag.write_always(QStringLiteral("Tooltiptitle"), f_.tooltip.title);
    bag.write_always(QStringLiteral("ToolTipIcon"), qint64(f_.tooltip.icon));
    bag.write_always(QStringLiteral("ToolTipType"), qint64(f_.tooltip.type));
    bag.write(QStringLiteral("ttBackColor"), qint64(f_.tooltip.back), qint64(colours.get(kColorInfoBk)));
    bag.write(QStringLiteral("ttForeColor"), qint64(f_.tooltip.fore), qint64(colours.get(kColorInfoText)));
    bag.write_always(QStringLiteral("Font"), f_.font);
    bag.write(QStringLiteral("ButtonType"), qint64(f_.ButtonType), qint64(0));
    bag.write(QStringLiteral("Value"), f_.Value, false);
}

// --- Public members -----------------------------------------------------------

void ThemeButton::About() {
    if (!about_) about_ = new AboutBox(host_.colours(), this);
    about_->show_about(f_.about_style);
}

void ThemeButton::Refresh() {
    if (surface_.width() != width() || surface_.height() != height()) surface_.resize(width(), height());
    // Without visual styles there is no platform button to draw.
    PaintContext context{host_.colours(), host_.user_mode(), {}};
    if (host_.visual_styles())
        context.themed = [this](Surface& s, int state) { draw_platform_button(s, state, this); };
    refresh(surface_, f_, context);
    update();
}

bool draw_platform_button(Surface& surface, int state, const QWidget* widget) {
    if (surface.width() == 0 || surface.height() == 0) return false;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    QStyleOptionButton option;
    if (widget != nullptr) option.initFrom(widget);
    option.rect = QRect(0, 0, surface.width(), surface.height());
    option.state = QStyle::State_Raised;
    if (state != kDisabled) option.state |= QStyle::State_Enabled;
    if (state == kHot) option.state |= QStyle::State_MouseOver;
    if (state == kPressed) option.state |= QStyle::State_Sunken;
    if (state == 5) option.features |= QStyleOptionButton::DefaultButton;
    QPainter painter(&surface.pixels());
    style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, widget);
    return true;
}

void ThemeButton::set_Style(int style) {
    f_.Style = style;
    notice(QStringLiteral("Style"));
    relayout();
}

void ThemeButton::set_Caption(const QString& caption) {
    f_.Caption = caption;
    notice(QStringLiteral("Caption"));
    relayout();
}

void ThemeButton::set_Icon(const QImage& icon) {
    f_.Icon = icon;
    notice(QStringLiteral("Icon"));
    relayout();
}

void ThemeButton::set_IconAlign(int align) {
    f_.IconAlign = align;
    notice(QStringLiteral("IconAlign"));
    relayout();
}

void ThemeButton::set_IconSize(qint16 size) {
    f_.IconSize = size;
    notice(QStringLiteral("IconSize"));
    relayout();
}

void ThemeButton::set_CaptionAlign(int align) {
    f_.CaptionAlign = align;
    notice(QStringLiteral("CaptionAlign"));
    relayout();
}

void ThemeButton::set_NonThemeStyle(int style) {
    f_.NonThemeStyle = style;
    notice(QStringLiteral("NonThemeStyle"));
    relayout();
}

bool ThemeButton::Enabled() {
    Refresh();
    return f_.Enabled;
}

void ThemeButton::set_Enabled(bool enabled) {
    f_.state = kNormal;
    f_.Enabled = enabled;
    Refresh();
    notice(QStringLiteral("Enabled"));
    // A disabled button takes no mouse or keyboard input.
    QWidget::setEnabled(enabled);
}

void ThemeButton::set_ShowFocus(bool show) {
    f_.ShowFocus = show;
    notice(QStringLiteral("ShowFocus"));
    Refresh();
}

void ThemeButton::set_UseCustomColors(bool use) {
    f_.UseCustomColors = use;
    notice(QStringLiteral("UseCustomColors"));
    Refresh();
}

void ThemeButton::set_BackColor(Colour colour) {
    f_.BackColor = colour;
    notice(QStringLiteral("BackColor"));
    Refresh();
}

void ThemeButton::set_HighlightColor(Colour colour) {
    f_.HighlightColor = colour;
    notice(QStringLiteral("HighlightColor"));
    Refresh();
}

void ThemeButton::set_FontColor(Colour colour) {
    f_.FontColor = colour;
    notice(QStringLiteral("FontColor"));
    Refresh();
}

void ThemeButton::set_FontHighlightColor(Colour colour) {
    f_.FontHighlightColor = colour;
    notice(QStringLiteral("FontHighlightColor"));
    Refresh();
}

void ThemeButton::set_ToolTip(const QString& text) {
    f_.tooltip.text = text;
    notice(QStringLiteral("ToolTipText"));
    Refresh();
}

void ThemeButton::set_ToolTipTitle(const QString& title) {
    f_.tooltip.title = title;
    notice(QStringLiteral("TooltipTitle"));
    Refresh();
}

void ThemeButton::set_ToolTipIcon(int icon) {
    f_.tooltip.icon = icon;
    notice(QStringLiteral("TooltipIcon"));
    Refresh();
}

void ThemeButton::set_ToolTipType(int type) {
    f_.tooltip.type = type;
    notice(QStringLiteral("ToolTipType"));
    Refresh();
}

void ThemeButton::set_ToolTipBackColor(Colour colour) {
    f_.tooltip.back = colour;
    notice(QStringLiteral("ToolTipBackColor"));
    Refresh();
}

void ThemeButton::set_ToolTipForeColor(Colour colour) {
    f_.tooltip.fore = colour;
    notice(QStringLiteral("ToolTipForeColor"));
    Refresh();
}

void ThemeButton::set_Font(const QFont& font) {
    f_.font = font;
    Refresh();
    notice(QStringLiteral("Font"));
}

void ThemeButton::set_ButtonType(int type) {
    f_.ButtonType = type;
    notice(QStringLiteral("ButtonType"));
    Refresh();
}

void ThemeButton::set_Value(bool value) {
    f_.Value = value;
    notice(QStringLiteral("Value"));
    Refresh();
}

int ThemeButton::OpenLink(const QString& link) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(link)) ? 42 : 2;
}

// --- Layout -----------------------------------------------------------------------

void ThemeButton::relayout() {
    const int side = minimum_side();
    if (width() < side) resize(side, height());
    if (height() < side) resize(width(), side);
    const int w = width();
    const int h = height();
    f_.client = {0, 0, w, h};
    f_.inner = {4, 4, w - 4, h - 4};
    f_.caption_format = caption_format(f_.CaptionAlign, f_.caption_format);
    // The outline goes to the window only when the size or the style changed: giving
    // it again from every paint would ask for the paint again.
    if (outline_size_ != size() || outline_style_ != f_.Style) {
        outline_ = button_region(f_.Style, w, h);
        outline_size_ = size();
        outline_style_ = f_.Style;
        setMask(outline_);
        ++outlines_applied_;
    }
    Refresh();
}

void ThemeButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void ThemeButton::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    paint_exposed(p, event->region(), surface_.image());
}

void ThemeButton::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The button's own tooltip takes the place of the form's.
    f_.tooltip.text = host_.standard_tooltip(name_);
    host_.set_standard_tooltip(name_, QString());
    Refresh();
}

void ThemeButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    host_.set_standard_tooltip(name_, f_.tooltip.text);
}

// --- Input ------------------------------------------------------------------------

void ThemeButton::start_hover_tracking() {
    f_.leave_tracking = true;
    setMouseTracking(true);
}

void ThemeButton::left_press() {
    f_.state = kPressed;
    Refresh();
}

void ThemeButton::left_release() {
    f_.state = f_.ButtonType == 1 && !f_.Value ? kPressed : kHot;
    Refresh();
}

bool ThemeButton::click_notice() {
    if (f_.last_released != 1) return true;
    if (f_.ButtonType == 1) {
        f_.Value = !f_.Value;
        f_.state = kHot;
        Refresh();
    }
    const QPointer<ThemeButton> alive(this);
    emit Click();
    return !alive.isNull();
}

void ThemeButton::mousePressEvent(QMouseEvent* event) {
    pressed_inside_ = true;
    after_double_click_ = false;
    if (event->button() == Qt::LeftButton) left_press();
}

void ThemeButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) left_release();
    f_.last_released = mouse_button_code(event->button());
    const bool click = pressed_inside_ && !after_double_click_ && rect().contains(event->position().toPoint());
    pressed_inside_ = false;
    after_double_click_ = false;
    if (click) click_notice();
}

void ThemeButton::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double click: a left press after a left release; the
    // release that follows raises no second Click.
    pressed_inside_ = true;
    after_double_click_ = true;
    if (f_.last_released == 1) left_press();
}

void ThemeButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event);
        return;
    }
    left_press();
    // The Space character: a toggle flips, and Click is raised once for it.
    if (f_.ButtonType == 1) {
        f_.Value = !f_.Value;
        f_.state = kHot;
        Refresh();
    }
    emit Click();
}

void ThemeButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    // A held key repeats its press; only the key's last release counts.
    if (!event->isAutoRepeat()) left_release();
}

void ThemeButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    f_.focus = true;
    Refresh();
}

void ThemeButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    f_.focus = false;
    Refresh();
}

void ThemeButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!f_.leave_tracking || f_.mouse_inside) return;
    f_.mouse_inside = true;
    f_.state = kHot;
    Refresh();
    const QPointer<ThemeButton> alive(this);
    emit MouseEnter();
    if (!alive) return;
    tooltip_.build(this, f_.tooltip, host_.colours());
}

void ThemeButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!f_.leave_tracking) return;
    f_.mouse_inside = false;
    f_.state = kNormal;
    Refresh();
    tooltip_.leave();
    emit MouseLeave();
}

}  // namespace tavolora::controls
