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
#include "controls/platform/stored_properties.h"

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

template <class Self, class Row>
void ThemeButton::stored_properties(Self& self, Row&& row) {
    auto& f = self.f_;
    const SystemColours& colours = self.host_.colours();
    const QString tooltip = self.host_.standard_tooltip(self.name_);
    // clang-format off
    //   names: stored, notice                    member                reading default               writing
    row("Icon",                                   f.Icon,               QImage(),                     kWrittenAlways);
    row("Style",                                  f.Style,              3,                            kAsRead);
    row("Caption",                                f.Caption,            QString(),                    kAsRead);
    row("IconSize",                               f.IconSize,           16,                           kAsRead);
    row("CaptionAlign",                           f.CaptionAlign,       0,                            kAsRead);
    row("IconAlign",                              f.IconAlign,          0,                            kAsRead);
    row({"iNonThemeStyle", "NonThemeStyle"},      f.NonThemeStyle,      5,                            kAsRead);
    row("Enabled",                                f.Enabled,            true,                         kAsRead);
    row("ShowFocus",                              f.ShowFocus,          false,                        kAsRead);
    row({"USeCustomColors", "UseCustomColors"},   f.UseCustomColors,    false,                        kAsRead);
    row("BackColor",                              f.BackColor,          colours.get(kColorBtnFace),   kAsRead);
    row("HighlightColor",                         f.HighlightColor,     colours.get(kColorHighlight), kAsRead);
    row("FontColor",                              f.FontColor,          colours.get(kColorBtnText),   kAsRead);
    row("FontHighlightColor",                     f.FontHighlightColor, colours.get(kColorBtnText),   kAsRead);
    // The form's own tooltip text of the button, which the button takes over when shown.
    row("ToolTipText",                            f.tooltip.text,       tooltip,                      kAsRead);
    row({"Tooltiptitle", "TooltipTitle"},         f.tooltip.title,      QString(),                    kWrittenAlways);
    row({"ToolTipIcon", "TooltipIcon"},           f.tooltip.icon,       0,                            kWrittenAlways);
    row("ToolTipType",                            f.tooltip.type,       1,                            kWrittenAlways);
    row({"ttBackColor", "ToolTipBackColor"},      f.tooltip.back,       colours.get(kColorInfoBk),    kAsRead);
    row({"ttForeColor", "ToolTipForeColor"},      f.tooltip.fore,       colours.get(kColorInfoText),  kAsRead);
    // Not stored, a font stays the one the button has.
    row("Font",                                   f.font,               f.font,                       kWrittenAlways);
    row("ButtonType",                             f.ButtonType,         0,                            kAsRead);
    row("Value",                                  f.Value,              false,                        kAsRead);
    // clang-format on
}

void ThemeButton::ReadProperties(const PropertyBag& bag) {
    f_.state = kNormal;
    stored_properties(*this, StoreReader{bag});
    f_.caption_format = caption_format(f_.CaptionAlign, f_.caption_format);
    QWidget::setEnabled(f_.Enabled);
    if (host_.user_mode()) start_hover_tracking();
    relayout();
}

void ThemeButton::WriteProperties(PropertyBag& bag) const { stored_properties(*this, StoreWriter{bag}); }

void ThemeButton::notice(const void* member) {
    const PropertyNames names = names_of(member, [this](auto&& row) { stored_properties(*this, row); });
    emit PropertyChanged(QLatin1String(names.notice));
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
    notice(&f_.Style);
    relayout();
}

void ThemeButton::set_Caption(const QString& caption) {
    f_.Caption = caption;
    notice(&f_.Caption);
    relayout();
}

void ThemeButton::set_Icon(const QImage& icon) {
    f_.Icon = icon;
    notice(&f_.Icon);
    relayout();
}

void ThemeButton::set_IconAlign(int align) {
    f_.IconAlign = align;
    notice(&f_.IconAlign);
    relayout();
}

void ThemeButton::set_IconSize(qint16 size) {
    f_.IconSize = size;
    notice(&f_.IconSize);
    relayout();
}

void ThemeButton::set_CaptionAlign(int align) {
    f_.CaptionAlign = align;
    notice(&f_.CaptionAlign);
    relayout();
}

void ThemeButton::set_NonThemeStyle(int style) {
    f_.NonThemeStyle = style;
    notice(&f_.NonThemeStyle);
    relayout();
}

bool ThemeButton::Enabled() {
    Refresh();
    return f_.Enabled;
}

void ThemeButton::set_Enabled(bool enabled) {
    f_.state = kNormal;
    f_.Enabled = enabled;
    // A button disabled under the pointer forgets the hover: its tip goes, and the
    // first move over it once it is enabled again counts as an entry.
    if (!enabled) {
        f_.mouse_inside = false;
        tooltip_.leave();
    }
    Refresh();
    notice(&f_.Enabled);
    // A disabled button takes no mouse or keyboard input.
    QWidget::setEnabled(enabled);
}

void ThemeButton::set_ShowFocus(bool show) {
    f_.ShowFocus = show;
    notice(&f_.ShowFocus);
    Refresh();
}

void ThemeButton::set_UseCustomColors(bool use) {
    f_.UseCustomColors = use;
    notice(&f_.UseCustomColors);
    Refresh();
}

void ThemeButton::set_BackColor(Colour colour) {
    f_.BackColor = colour;
    notice(&f_.BackColor);
    Refresh();
}

void ThemeButton::set_HighlightColor(Colour colour) {
    f_.HighlightColor = colour;
    notice(&f_.HighlightColor);
    Refresh();
}

void ThemeButton::set_FontColor(Colour colour) {
    f_.FontColor = colour;
    notice(&f_.FontColor);
    Refresh();
}

void ThemeButton::set_FontHighlightColor(Colour colour) {
    f_.FontHighlightColor = colour;
    notice(&f_.FontHighlightColor);
    Refresh();
}

void ThemeButton::set_ToolTip(const QString& text) {
    f_.tooltip.text = text;
    notice(&f_.tooltip.text);
    Refresh();
}

void ThemeButton::set_ToolTipTitle(const QString& title) {
    f_.tooltip.title = title;
    notice(&f_.tooltip.title);
    Refresh();
}

void ThemeButton::set_ToolTipIcon(int icon) {
    f_.tooltip.icon = icon;
    notice(&f_.tooltip.icon);
    Refresh();
}

void ThemeButton::set_ToolTipType(int type) {
    f_.tooltip.type = type;
    notice(&f_.tooltip.type);
    Refresh();
}

void ThemeButton::set_ToolTipBackColor(Colour colour) {
    f_.tooltip.back = colour;
    notice(&f_.tooltip.back);
    Refresh();
}

void ThemeButton::set_ToolTipForeColor(Colour colour) {
    f_.tooltip.fore = colour;
    notice(&f_.tooltip.fore);
    Refresh();
}

void ThemeButton::set_Font(const QFont& font) {
    f_.font = font;
    Refresh();
    notice(&f_.font);
}

void ThemeButton::set_ButtonType(int type) {
    f_.ButtonType = type;
    notice(&f_.ButtonType);
    Refresh();
}

void ThemeButton::set_Value(bool value) {
    f_.Value = value;
    notice(&f_.Value);
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
    const QRect caption = caption_rect(size());
    f_.inner = {caption.left(), caption.top(), caption.left() + caption.width(), caption.top() + caption.height()};
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

bool ThemeButton::hears_hover() const {
    // The toolkit tells a disabled widget of the pointer coming and going; a disabled
    // button takes no mouse at all, so it neither changes nor raises anything for it.
    return f_.leave_tracking && isEnabled();
}

void ThemeButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    // A move over the button that no entry announced (it was enabled under the
    // pointer) is the entry.
    if (!f_.mouse_inside && rect().contains(event->position().toPoint())) hover_enter();
}

void ThemeButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    hover_enter();
}

void ThemeButton::hover_enter() {
    if (!hears_hover() || f_.mouse_inside) return;
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
    if (!hears_hover()) return;
    f_.mouse_inside = false;
    f_.state = kNormal;
    Refresh();
    tooltip_.leave();
    emit MouseLeave();
}

}  // namespace tavolora::controls
