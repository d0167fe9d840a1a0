#pragma once

// ThemeButton: the push button of every screen and of the card table. It keeps its
// properties in the holding form's property store, moves between its states on
// mouse, Space-key, hover and focus input, cuts its window to the outline of its
// style, paints itself into its own surface and raises Click, MouseEnter and
// MouseLeave to the form.
//
// The properties keep the names the forms use (Style, Caption, Enabled ...): a getter
// of that name and a setter set_<name>. Each setter stores the value, tells the form
// (PropertyChanged) and repaints, as the property table says.

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QWidget>

#include "controls/button/about_box.h"
#include "controls/button/button_fields.h"
#include "controls/button/tooltip.h"
#include "controls/platform/host.h"
#include "controls/platform/property_bag.h"
#include "controls/platform/surface.h"

namespace tavolora::controls {

// The platform's own push button (the visual style) in a button state, 5 for a
// defaulted one, over the whole surface, in the look of `widget`'s style.
bool draw_platform_button(Surface& surface, int state, const QWidget* widget);

class ThemeButton : public QWidget {
    Q_OBJECT

public:
    // A button named `name` in its form. It has no state until InitProperties (a new
    // button) or ReadProperties (a stored one).
    ThemeButton(ControlHost& host, const QString& name, QWidget* parent = nullptr);
    ~ThemeButton() override;

    // --- The property store's notices.

    // A new button: the defaults of a button just placed on a form.
    void InitProperties();
    // A stored button: its 23 stored values (or their reading defaults), then hover
    // tracking when the form runs.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // --- Public members.

    void About();
    void Refresh();
    static QString Version() { return QStringLiteral("3.0"); }

    int Style() const { return f_.Style; }
    void set_Style(int style);
    QString Caption() const { return f_.Caption; }
    void set_Caption(const QString& caption);
    QImage Icon() const { return f_.Icon; }
    void set_Icon(const QImage& icon);
    int IconAlign() const { return f_.IconAlign; }
    void set_IconAlign(int align);
    int IconSize() const { return f_.IconSize; }
    void set_IconSize(qint16 size);
    int CaptionAlign() const { return f_.CaptionAlign; }
    void set_CaptionAlign(int align);
    int NonThemeStyle() const { return f_.NonThemeStyle; }
    void set_NonThemeStyle(int style);
    // Reading Enabled repaints the button before it returns.
    bool Enabled();
    void set_Enabled(bool enabled);
    bool ShowFocus() const { return f_.ShowFocus; }
    void set_ShowFocus(bool show);
    bool UseCustomColors() const { return f_.UseCustomColors; }
    void set_UseCustomColors(bool use);
    Colour BackColor() const { return f_.BackColor; }
    void set_BackColor(Colour colour);
    Colour HighlightColor() const { return f_.HighlightColor; }
    void set_HighlightColor(Colour colour);
    Colour FontColor() const { return f_.FontColor; }
    void set_FontColor(Colour colour);
    Colour FontHighlightColor() const { return f_.FontHighlightColor; }
    void set_FontHighlightColor(Colour colour);
    QString ToolTip() const { return f_.tooltip.text; }
    void set_ToolTip(const QString& text);
    QString ToolTipTitle() const { return f_.tooltip.title; }
    void set_ToolTipTitle(const QString& title);
    int ToolTipIcon() const { return f_.tooltip.icon; }
    void set_ToolTipIcon(int icon);
    int ToolTipType() const { return f_.tooltip.type; }
    void set_ToolTipType(int type);
    Colour ToolTipBackColor() const { return f_.tooltip.back; }
    void set_ToolTipBackColor(Colour colour);
    Colour ToolTipForeColor() const { return f_.tooltip.fore; }
    void set_ToolTipForeColor(Colour colour);
    QFont Font() const { return f_.font; }
    void set_Font(const QFont& font);
    int ButtonType() const { return f_.ButtonType; }
    void set_ButtonType(int type);
    bool Value() const { return f_.Value; }
    void set_Value(bool value);
    // Opens a web address or a "mailto:" link through the desktop; above 32 on
    // success, as the shell answers.
    int OpenLink(const QString& link);

    // --- What the button shows and holds, for its tests and the gallery.
    const ButtonFields& fields() const { return f_; }
    const Surface& surface() const { return surface_; }
    const ButtonTooltip& tooltip() const { return tooltip_; }
    AboutBox* about_box() const { return about_; }
    // The outline last given to the window.
    const QRegion& outline() const { return outline_; }
    // How many times the outline was given to the window.
    int outlines_applied() const { return outlines_applied_; }

    // The smallest side, in pixels: 300 twips.
    int minimum_side() const { return 300 / host_.twips_per_pixel_x(); }
    // Where a button of `size` draws its caption: 4 pixels inside its edges.
    static QRect caption_rect(QSize size) { return {4, 4, size.width() - 8, size.height() - 8}; }

signals:
    void Click();
    void MouseEnter();
    void MouseLeave();
    // The holding form's change notice: a property of this name was set.
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void relayout();
    // The stored properties, one row each (stored_properties.h); Self is the button,
    // const or not.
    template <class Self, class Row>
    static void stored_properties(Self& self, Row&& row);
    // The change notice of the stored property held in `member`.
    void notice(const void* member);
    void start_hover_tracking();
    // Whether the pointer's coming and going counts: hover is tracked and the button
    // is enabled.
    bool hears_hover() const;
    // The pointer came onto the button: hot, MouseEnter, and a new tooltip window.
    void hover_enter();
    void left_press();
    void left_release();
    // The click notice, after a release: a left click toggles a toggle button and
    // raises Click. Returns false when a handler of Click destroyed the button.
    bool click_notice();

    ControlHost& host_;
    QString name_;
    ButtonFields f_;
    Surface surface_;
    ButtonTooltip tooltip_;
    QPointer<AboutBox> about_;
    QRegion outline_;
    QSize outline_size_;
    int outline_style_ = -1;
    int outlines_applied_ = 0;
    bool pressed_inside_ = false;
    bool after_double_click_ = false;
};

}  // namespace tavolora::controls
