// Stand-in for the table layout, which comes with the first game: for now only the
// guard while a hand is prepared and the table's height follow the window.

#include "core/program.h"
#include "table/animation.h"

namespace tavolora::table {

void Animation::Disponi_Tavolo() {
    if (program_.anim.Preparazione_In_Corso) return;
    Adatta_Altezza_Tavolo();
}

void Animation::Adatta_Altezza_Tavolo() {
    program_.master.PIC_Tavolo.Height = program_.master.form.Height - 500;
}

}  // namespace tavolora::table
