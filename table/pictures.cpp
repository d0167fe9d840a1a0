#include "table/pictures.h"

#include "storage/host_path.h"

namespace tavolora::table {

std::optional<platform::PixelSize> PictureSizes::twips(const std::string& path) {
    auto it = known_.find(path);
    if (it == known_.end()) {
        auto size = probe_.picture_size(storage::host_path(path));
        it = known_.emplace(path, size).first;
    }
    if (!it->second) return std::nullopt;
    return platform::PixelSize{it->second->width * metrics_.twips_per_pixel_x(),
                               it->second->height * metrics_.twips_per_pixel_y()};
}

void LoadPicture(Control& control, std::string path, PictureSizes& sizes) {
    if (!path.empty() && control.AutoSize) {
        if (const auto size = sizes.twips(path)) {
            control.Width = static_cast<float>(size->width);
            control.Height = static_cast<float>(size->height);
        }
    }
    control.Picture = std::move(path);
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string TrimRight(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

}  // namespace tavolora::table
