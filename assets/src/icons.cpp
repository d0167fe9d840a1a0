// The icon family: looks the entry up among the drawings of the screens' icons
// and of the larger and table pictures, and draws it at the catalogue's size.
#include "icons.h"

#include "icons_kit.h"

#include <QPainter>

namespace tavolora::art {

QImage renderIcon(const storage::icons::IconFile& icon) {
    for (const auto drawings : {iconkit::screenIcons(), iconkit::pictureIcons()}) {
        for (const iconkit::Entry& entry : drawings) {
            if (entry.stem != icon.stem) continue;
            QImage image = iconkit::blank(icon.width, icon.height);
            QPainter p(&image);
            iconkit::prepare(p);
            entry.draw(p, QSize(icon.width, icon.height));
            return image;
        }
    }
    return {};
}

}  // namespace tavolora::art
