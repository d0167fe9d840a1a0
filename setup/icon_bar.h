#pragma once

// The icon bar that drives every screen: picture icons instead of buttons. Hovering
// an icon writes its name into the screen's description label and its tooltip, and
// starts a highlight sliding toward it in quarter steps, one step a timer tick;
// pressing an icon shifts it right and down until the release puts it back. What a
// click does is each screen's own. The screens show this state and run its timer.

#include <string>
#include <vector>

namespace tavolora::setup {

struct BarIcon {
    int index = 0;
    float Left = 0;  // twips, in the bar's container
    float Top = 0;
    std::string text;     // the hover text
    std::string tooltip;  // the icon's tooltip: its designed one until the first hover
    bool Visible = true;
};

class IconBar {
public:
    // One step of the slide a tick, every 50 ms.
    static constexpr int kInterval = 50;
    // The highlight is 750 twips a side, the icons 720.
    static constexpr float kHighlightSide = 750;
    static constexpr float kIconSide = 720;

    IconBar() = default;
    // The icons, the description shown at first and the icon the highlight starts on;
    // a bar that does not slide keeps only the pressed look (the help screen's).
    IconBar(std::vector<BarIcon> icons, std::string description, int highlight_on, bool slides = true);

    BarIcon* icon(int index);
    const BarIcon* icon(int index) const;

    // The mouse moves over an icon: its text to the label and the tooltip, the
    // highlight's target to its corner, the timer on.
    void hover(int index);
    // A tick of the timer: a quarter of the way toward the target; the highlight
    // snaps onto it and the timer stops once a quarter step is under 10 twips.
    void tick();
    // A press shifts the icon 30 twips right and 50 down; the release puts back the
    // icon that was pressed, wherever the mouse is released.
    void press(int index);
    void release();

    std::vector<BarIcon> icons;
    float shape_left = 0;  // the highlight's corner, twips
    float shape_top = 0;
    int destination_left = 0;
    int destination_top = 0;
    int interval = 0;  // 0: the timer is stopped
    std::string description;
    bool slides = true;

private:
    int pressed_ = 0;
    float pressed_left_ = 0;
    float pressed_top_ = 0;
};

}  // namespace tavolora::setup
