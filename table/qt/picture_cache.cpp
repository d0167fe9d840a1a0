#include "table/qt/picture_cache.h"

#include <QString>

#include <algorithm>

#include "storage/host_path.h"

namespace tavolora::table::qt {

namespace {
// A window being resized shows each stretched picture at a new size on every step:
// only the last sizes are worth keeping. Two, so that one picture shown at two sizes
// at once is not scaled again on every frame.
constexpr std::size_t kSizesKept = 2;
}  // namespace

const QPixmap& PictureCache::picture(const std::string& path) {
    auto it = pictures_.find(path);
    if (it == pictures_.end()) {
        QPixmap pixmap;
        if (!path.empty()) pixmap.load(QString::fromStdString(storage::host_path(path).string()));
        it = pictures_.emplace(path, pixmap).first;
    }
    return it->second;
}

QPixmap PictureCache::scaled(const std::string& path, QSize size) {
    const QPixmap& source = picture(path);
    if (source.isNull() || size.isEmpty()) return QPixmap();
    if (source.size() == size) return source;
    std::vector<Scaled>& sizes = scaled_[path];
    auto it = std::find_if(sizes.begin(), sizes.end(), [size](const Scaled& s) { return s.size == size; });
    if (it == sizes.end()) {
        if (sizes.size() >= kSizesKept) sizes.pop_back();
        sizes.push_back({size, source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)});
        it = std::prev(sizes.end());
    }
    std::rotate(sizes.begin(), it, std::next(it));
    return sizes.front().pixmap;
}

std::size_t PictureCache::scaled_count() const {
    std::size_t count = 0;
    for (const auto& [path, sizes] : scaled_) count += sizes.size();
    return count;
}

void PictureCache::clear() {
    pictures_.clear();
    scaled_.clear();
}

}  // namespace tavolora::table::qt
