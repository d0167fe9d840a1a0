// Writing the deck's pictures into the program folder.
#pragma once

#include <QString>

namespace tavolora::art {

// Writes Cards/<deck>/<suit>/<value>.bmp for the 40 faces and
// Cards/<deck>/1/0.bmp and Cards/<deck>/1/00.bmp for the back, under `outDir`.
// On failure returns false and puts a message naming the path into `error`.
bool writeDeck(const QString& outDir, const QString& deck, QString* error);

// Writes one PNG with the 40 faces in four rows of ten and the two backs
// beside them; `scale` enlarges it pixel by pixel for close review.
bool writeContactSheet(const QString& file, int scale, QString* error);

}  // namespace tavolora::art
