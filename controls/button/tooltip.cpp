#include "controls/button/tooltip.h"

namespace tavolora::controls {

ButtonTooltip::~ButtonTooltip() { delete tip_.data(); }

void ButtonTooltip::build(QWidget* owner, const TooltipSettings& settings, const SystemColours& colours) {
    delete tip_.data();
    TooltipWindow window;
    window.style = settings.type == 1 ? 67 : 3;
    window.text = settings.text;
    window.title = settings.title;
    window.icon = settings.icon;
    window.title_sent = !settings.title.isEmpty() || settings.icon != 0;
    if (settings.fore != 0) window.fore = colours.translate(settings.fore);
    if (settings.back != 0) window.back = colours.translate(settings.back);
    window_ = window;
    tip_ = new QWidget(owner, Qt::ToolTip);
}

void ButtonTooltip::leave() {
    delay_.stop();
    if (tip_) tip_->hide();
}

}  // namespace tavolora::controls
