// The pictures a user can choose for himself on the new-user screen.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace tavolora::art {

// The user screens show a photo in a square of 735 twips.
inline constexpr int kPhotoSize = 49;

struct PhotoDesign {
    QString file;  // the file name with ".bmp", at most 20 characters (the user record's field)
    QImage (*render)();
};

std::vector<PhotoDesign> photoDesigns();

}  // namespace tavolora::art
