// The icons of the screens and of the table, the highlight, the credits' pictures,
// the card pointer and the window icon: one family, drawn for the catalogue of
// storage/icons.h.
#pragma once

#include "storage/icons.h"

#include <QImage>

namespace tavolora::art {

// The picture of one catalogue entry at its size, with transparency; a null image
// when the generator has no drawing for it.
QImage renderIcon(const storage::icons::IconFile& icon);

}  // namespace tavolora::art
