// Style 5. (Being drawn: for now a flat face.)
#include "controls/button/styles.h"

namespace tavolora::controls {

void paint_style5_fixed(Surface& s, const ButtonFields&, const SystemColours& c) { s.set_background(c.get(kColorBtnFace)); }
void paint_style5(Surface& s, const ButtonFields& f, const SystemColours&) { s.set_background(f.BackColor); }

}  // namespace tavolora::controls
