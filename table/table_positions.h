#pragma once

// The table layout's per-game starting points and steps, set before a game's screens
// open so that the layout of its first hand starts from them.

#include "table/animation_state.h"

namespace tavolora::table {

// Sets the steps between the cards of a group and the points the layout starts from
// for a game code. Camicia sets only the points it uses and keeps the others as the
// last game left them; a code with no table of its own changes no point.
void Imposta_Posizioni_Tavolo(AnimationState& anim, int game);

}  // namespace tavolora::table
