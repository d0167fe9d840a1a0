#include "controls/platform/colours.h"

namespace tavolora::controls {

SystemColours::SystemColours() {
    table_.fill(rgb(0, 0, 0));
    table_[0] = rgb(212, 208, 200);   // scroll bar
    table_[1] = rgb(58, 110, 165);    // desktop
    table_[2] = rgb(10, 36, 106);     // active caption
    table_[3] = rgb(128, 128, 128);   // inactive caption
    table_[4] = rgb(212, 208, 200);   // menu
    table_[kColorWindow] = rgb(255, 255, 255);
    table_[6] = rgb(0, 0, 0);         // window frame
    table_[7] = rgb(0, 0, 0);         // menu text
    table_[8] = rgb(0, 0, 0);         // window text
    table_[9] = rgb(255, 255, 255);   // caption text
    table_[10] = rgb(212, 208, 200);  // active border
    table_[11] = rgb(212, 208, 200);  // inactive border
    table_[12] = rgb(128, 128, 128);  // application workspace
    table_[kColorHighlight] = rgb(10, 36, 106);
    table_[14] = rgb(255, 255, 255);  // highlighted text
    table_[kColorBtnFace] = rgb(212, 208, 200);
    table_[kColorBtnShadow] = rgb(128, 128, 128);
    table_[kColorGrayText] = rgb(128, 128, 128);
    table_[kColorBtnText] = rgb(0, 0, 0);
    table_[19] = rgb(212, 208, 200);  // inactive caption text
    table_[kColorBtnHighlight] = rgb(255, 255, 255);
    table_[kColor3dDkShadow] = rgb(64, 64, 64);
    table_[kColor3dLight] = rgb(212, 208, 200);
    table_[kColorInfoText] = rgb(0, 0, 0);
    table_[kColorInfoBk] = rgb(255, 255, 225);
    table_[26] = rgb(0, 0, 128);      // hot-tracked item
    table_[27] = rgb(166, 202, 240);  // active caption gradient
    table_[28] = rgb(192, 192, 192);  // inactive caption gradient
    table_[29] = rgb(49, 106, 197);   // menu highlight
    table_[30] = rgb(236, 233, 216);  // menu bar
}

Colour SystemColours::get(int index) const {
    return index >= 0 && index < kCount ? table_[static_cast<std::size_t>(index)] : rgb(0, 0, 0);
}

void SystemColours::set(int index, Colour rgb_colour) {
    if (index >= 0 && index < kCount) table_[static_cast<std::size_t>(index)] = rgb_colour & 0x00FFFFFFu;
}

Colour SystemColours::translate(Colour value) const {
    const Colour top = value & 0xFF000000u;
    if (top == 0) return value;
    if (top == 0x80000000u) {
        const Colour index = value & 0x00FFFFFFu;
        if (index < static_cast<Colour>(kCount)) return table_[index];
    }
    return kBadColour;
}

}  // namespace tavolora::controls
