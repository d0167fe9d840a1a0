#pragma once

// The options a user gets for a game when there are none: the record a new user's
// options files start with, and what a damaged or missing file gives in memory.

#include <string>

#include "storage/records.h"

namespace tavolora::storage {

// The default record for a game: the third deck folder when there are more than
// two, else the first, for both the faces and the back; the third background when
// there are three or more, else the first, else "N"; difficulty 1; every movement
// and time 8; the match settings 2, 100, 5, 0, 0, 0, then 1; no rule switch but
// Scopa's 7, 10, 11, 12 and 13, with suit 3; the opponents Tuno, Galvino and Melto.
Tipo_Opzioni default_options(const std::string& program_folder, int game);

}  // namespace tavolora::storage
