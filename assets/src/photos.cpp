// The users' pictures. (Being drawn: for now plain stand-ins.)
#include "photos.h"

namespace tavolora::art {

namespace {

QImage plain(QColor colour) {
    QImage image(kPhotoSize, kPhotoSize, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

std::vector<PhotoDesign> photoDesigns() {
    return {
        {QStringLiteral("Gatto.bmp"), [] { return plain(Qt::gray); }},
        {QStringLiteral("Volpe.bmp"), [] { return plain(Qt::red); }},
    };
}

}  // namespace tavolora::art
