#include "controls/platform/host.h"

#include "controls/platform/fonts.h"

namespace tavolora::controls {

ControlHost::ControlHost() : form_font_(controls::form_font(QStringLiteral("MS Sans Serif"), 8.25)) {}

void ControlHost::set_system_colour(int index, Colour rgb_colour) {
    colours_.set(index, rgb_colour);
    emit systemColoursChanged();
}

}  // namespace tavolora::controls
