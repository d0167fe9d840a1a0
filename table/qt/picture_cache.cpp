#include "table/qt/picture_cache.h"

#include "storage/host_path.h"

namespace tavolora::table::qt {

const QPixmap& PictureCache::picture(const std::string& path) {
    const QString key = QString::fromStdString(path);
    auto it = pictures_.find(key);
    if (it == pictures_.end()) {
        QPixmap pixmap;
        if (!path.empty()) pixmap.load(QString::fromStdString(storage::host_path(path).string()));
        it = pictures_.insert(key, pixmap);
    }
    return *it;
}

const QPixmap& PictureCache::stretched(const std::string& path, QSize size) {
    const QString key =
        QString::fromStdString(path) + QStringLiteral("@%1x%2").arg(size.width()).arg(size.height());
    auto it = stretched_.find(key);
    if (it == stretched_.end()) {
        const QPixmap& source = picture(path);
        QPixmap scaled = source.isNull() || size.isEmpty()
                             ? QPixmap()
                             : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Only the latest size of each picture is worth keeping.
        for (auto old = stretched_.begin(); old != stretched_.end();) {
            old = old.key().startsWith(QString::fromStdString(path) + '@') ? stretched_.erase(old)
                                                                           : std::next(old);
        }
        it = stretched_.insert(key, scaled);
    }
    return *it;
}

void PictureCache::clear() {
    pictures_.clear();
    stretched_.clear();
}

}  // namespace tavolora::table::qt
