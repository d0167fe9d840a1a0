#include "setup/icon_bar.h"

#include <cmath>

namespace tavolora::setup {

IconBar::IconBar(std::vector<BarIcon> bar_icons, std::string text, int highlight_on, bool slide)
    : icons(std::move(bar_icons)), description(std::move(text)), slides(slide) {
    if (const BarIcon* start = icon(highlight_on)) {
        shape_left = start->Left;
        shape_top = start->Top;
        destination_left = static_cast<int>(std::nearbyint(start->Left));
        destination_top = static_cast<int>(std::nearbyint(start->Top));
    }
}

BarIcon* IconBar::icon(int index) {
    for (BarIcon& i : icons) {
        if (i.index == index) return &i;
    }
    return nullptr;
}

const BarIcon* IconBar::icon(int index) const {
    for (const BarIcon& i : icons) {
        if (i.index == index) return &i;
    }
    return nullptr;
}

void IconBar::hover(int index) {
    BarIcon* target = icon(index);
    if (!slides || target == nullptr) return;
    destination_left = static_cast<int>(std::nearbyint(target->Left));
    destination_top = static_cast<int>(std::nearbyint(target->Top));
    interval = kInterval;
    description = target->text;
    target->tooltip = description;
}

void IconBar::tick() {
    const float dx = shape_left - static_cast<float>(destination_left);
    const float dy = shape_top - static_cast<float>(destination_top);
    if (dx == 0 && dy == 0) {
        interval = 0;
        return;
    }
    const float sx = dx / 4;
    const float sy = dy / 4;
    shape_left -= sx;
    shape_top -= sy;
    if (std::fabs(sx) < 10 && std::fabs(sy) < 10) {
        interval = 0;
        shape_left = static_cast<float>(destination_left);
        shape_top = static_cast<float>(destination_top);
    }
}

void IconBar::press(int index) {
    BarIcon* target = icon(index);
    if (target == nullptr) return;
    pressed_left_ = target->Left;
    pressed_top_ = target->Top;
    pressed_ = index;
    target->Left += 30;
    target->Top += 50;
}

void IconBar::release() {
    BarIcon* target = icon(pressed_);
    if (target == nullptr) return;
    target->Top = pressed_top_;
    target->Left = pressed_left_;
}

}  // namespace tavolora::setup
