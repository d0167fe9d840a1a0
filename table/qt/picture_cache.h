#pragma once

// The pictures of the table, loaded once per path, and scaled once per size they are
// shown at. A file that cannot be loaded gives a null pixmap: drawn as nothing.

#include <QPixmap>
#include <QSize>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace tavolora::table::qt {

class PictureCache {
public:
    // The picture as its file holds it.
    const QPixmap& picture(const std::string& path);
    // The picture smoothly scaled to exactly `size` pixels, so that painting it is a
    // plain copy: scaling at paint time would scale on every frame, and Qt hands a
    // scaled draw to its thread pool. Null when the file cannot be loaded or the
    // size is empty.
    QPixmap scaled(const std::string& path, QSize size);
    // How many scaled copies are kept, over all pictures.
    std::size_t scaled_count() const;
    void clear();

private:
    struct Scaled {
        QSize size;
        QPixmap pixmap;
    };

    std::unordered_map<std::string, QPixmap> pictures_;
    // The latest sizes of each picture, the most recently used first.
    std::unordered_map<std::string, std::vector<Scaled>> scaled_;
};

}  // namespace tavolora::table::qt
