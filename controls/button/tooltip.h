#pragma once

// The tooltip window a themed button builds each time the pointer comes onto it,
// from the button's tooltip settings: text, title with its icon, the balloon or the
// standard shape, and the two colours. The tip shows after the hover delay and
// hides when the pointer leaves; an empty text never shows.

#include <QPointer>
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
};

class ButtonTooltip {
public:
    ButtonTooltip() = default;
    ButtonTooltip(const ButtonTooltip&) = delete;
    ButtonTooltip& operator=(const ButtonTooltip&) = delete;
    ~ButtonTooltip();

    // Destroys any window built before and builds a new one for `owner`.
    void build(QWidget* owner, const TooltipSettings& settings, const SystemColours& colours);
    // The pointer left the owner: the tip hides.
    void leave();

    const std::optional<TooltipWindow>& window() const { return window_; }
    // How many tooltip windows exist (at most one).
    int windows() const { return tip_ ? 1 : 0; }
    // The widget that shows the tip, while one exists.
    QWidget* tip() const { return tip_; }

    // The system's hover delay before a tip shows.
    static constexpr int kHoverDelayMs = 400;

private:
    std::optional<TooltipWindow> window_;
    QPointer<QWidget> tip_;
    QTimer delay_;
};

}  // namespace tavolora::controls
