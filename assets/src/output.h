// Writing the pictures and help files into the program folder.
#pragma once

#include <QString>

class QImage;

namespace tavolora::art {

// Each writer puts its files under the program folder `outDir`, creating the
// folders it needs. On failure it returns false and puts a message naming the path
// into `error`.

// Cards/<deck>/<suit>/<value>.bmp for the 40 faces of every deck, and each deck's
// back twice, Cards/<deck>/1/0.bmp (lying still, upright like the faces) and
// Cards/<deck>/1/00.bmp (flying, stacked, in the side seats' hands: the same picture
// turned a quarter, laid on its side).
bool writeDecks(const QString& outDir, QString* error);

// Tables/<name>.jpg: the table backgrounds.
bool writeTables(const QString& outDir, QString* error);

// Photos/<name>.bmp: the pictures a user can choose.
bool writePhotos(const QString& outDir, QString* error);

// Icons/<stem>.png: every picture of the icon catalogue (storage/icons.h).
bool writeIcons(const QString& outDir, QString* error);

// Languages/Ita_<game>.txt: the help files, made from the sources in `sourceDir`.
bool writeHelp(const QString& outDir, const QString& sourceDir, QString* error);

// Shared by the writers and the contact sheet.
bool makeFolder(const QString& path, QString* error);
bool writeImage(const QImage& image, const QString& path, const char* format, QString* error);
bool writeBytes(const QByteArray& bytes, const QString& path, QString* error);

}  // namespace tavolora::art
