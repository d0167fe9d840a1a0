#pragma once

// The tooltip window a themed button builds each time the pointer comes onto it,
// from the button's tooltip settings: text, title with its icon, the balloon or the
// standard shape, and the two colours. The tip shows after the hover delay and
// hides when the pointer leaves; an empty text never shows.
//
// The desktop offers no tooltip control of the kind the button was made for, so the
// tip is a small window of our own: a frameless tooltip window that takes neither
// the focus nor the mouse, drawn with the button's colours, placed just under the
// pointer (above it where the screen ends below).

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <optional>

#include "controls/button/button_fields.h"

namespace tavolora::controls {

// What the last build made of the settings: the window's style (3 standard, 67
// balloon), the texts, and which messages it was sent (a colour of 0 is never
// sent, so the tip keeps the system's colour for that part).
struct TooltipWindow {
    int style = 3;
    QString text;
    QString title;
    int icon = 0;
    bool title_sent = false;
    std::optional<Colour> fore;  // translated, when sent
    std::optional<Colour> back;
    QRect area;  // the part of the button the tip watches: its whole client area
};

// The tip itself: a top-level tooltip window owned by the button. It watches the
// button's mouse input (as a tooltip control watches the tool it subclasses): the
// pointer resting on the button for the hover delay shows it, a press on the
// button puts it away until the next entry, and the button hiding hides it.
class TipWindow : public QWidget {
    Q_OBJECT

public:
    // Style bit of the balloon shape.
    static constexpr int kBalloon = 0x40;

    TipWindow(QWidget* owner, const TooltipWindow& built, Colour text_colour, Colour back_colour);

    // The pointer came onto the button: the hover delay starts.
    void arm();
    // The pointer left the button: the tip hides and waits for the next entry.
    void disarm();
    // Shows the tip now, placed for the pointer at `pointer` (global coordinates);
    // an empty text shows nothing.
    void pop_up(QPoint pointer);

    bool balloon() const { return (built_.style & kBalloon) != 0; }
    bool armed() const { return delay_.isActive(); }
    // The picture the window shows: the body in the two colours, the stem of a
    // balloon, clear pixels outside the shape.
    const QImage& picture() const { return picture_; }
    // In the window's coordinates: the body (without the stem) and the title icon
    // (empty when none is drawn).
    QRect body() const { return body_; }
    QRect icon_rect() const { return icon_rect_; }
    // Whether the stem points up at the pointer (the tip lies below it) or down.
    bool stem_up() const { return stem_up_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void render(int stem_x);

    QPointer<QWidget> owner_;
    TooltipWindow built_;
    Colour text_colour_;
    Colour back_colour_;
    QTimer delay_;
    QImage picture_;
    QRect body_;
    QRect icon_rect_;
    bool stem_up_ = true;
    bool put_away_ = false;  // a press on the button: no tip until the next entry
};

class ButtonTooltip {
public:
    ButtonTooltip() = default;
    ButtonTooltip(const ButtonTooltip&) = delete;
    ButtonTooltip& operator=(const ButtonTooltip&) = delete;
    ~ButtonTooltip();

    // Destroys any window built before and builds a new one for `owner`, which
    // starts waiting for the hover delay.
    void build(QWidget* owner, const TooltipSettings& settings, const SystemColours& colours);
    // The pointer left the owner: the tip hides.
    void leave();

    const std::optional<TooltipWindow>& window() const { return window_; }
    // How many tooltip windows exist (at most one).
    int windows() const { return tip_ ? 1 : 0; }
    // The widget that shows the tip, while one exists.
    TipWindow* tip() const { return tip_; }

    // The system's hover delay before a tip shows.
    static constexpr int kHoverDelayMs = 400;

private:
    std::optional<TooltipWindow> window_;
    QPointer<TipWindow> tip_;
};

}  // namespace tavolora::controls
