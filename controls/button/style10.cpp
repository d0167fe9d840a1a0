// Style 10. (Being drawn: for now a flat face.)
#include "controls/button/styles.h"

namespace tavolora::controls {

void paint_style10(Surface& s, const ButtonFields&) { s.set_background(rgb(232, 231, 234)); }

}  // namespace tavolora::controls
