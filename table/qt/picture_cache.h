#pragma once

// The pictures of the table, loaded once per path (and once per size for the
// stretched ones). A file that cannot be loaded gives a null pixmap: drawn as nothing.

#include <QHash>
#include <QPixmap>
#include <QString>

#include <string>

namespace tavolora::table::qt {

class PictureCache {
public:
    const QPixmap& picture(const std::string& path);
    const QPixmap& stretched(const std::string& path, QSize size);
    void clear();

private:
    QHash<QString, QPixmap> pictures_;
    QHash<QString, QPixmap> stretched_;
};

}  // namespace tavolora::table::qt
