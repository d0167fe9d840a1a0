// Style 8. (Being drawn: for now a flat face.)
#include "controls/button/styles.h"

namespace tavolora::controls {

void paint_style8(Surface& s, const ButtonFields&, const SystemColours& c) { s.set_background(c.get(kColorBtnFace)); }

}  // namespace tavolora::controls
