// The table backgrounds. (Being drawn: for now plain stand-ins.)
#include "tables.h"

namespace tavolora::art {

namespace {

QImage plain(QColor colour) {
    QImage image(kTableWidth, kTableHeight, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

std::vector<TableDesign> tableDesigns() {
    return {
        {QStringLiteral("Ardesia"), [] { return plain(QColor(0x30, 0x34, 0x38)); }},
        {QStringLiteral("Blu"), [] { return plain(QColor(0x1c, 0x3c, 0x78)); }},
        {QStringLiteral("Feltro"), [] { return plain(QColor(0x1e, 0x6a, 0x34)); }},
        {QStringLiteral("Noce"), [] { return plain(QColor(0x6a, 0x42, 0x22)); }},
    };
}

}  // namespace tavolora::art
