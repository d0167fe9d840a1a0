#include "table/pictures.h"

#include <algorithm>
#include <cstring>

#include "storage/host_path.h"

namespace tavolora::table {

std::size_t PictureSizes::quick_hash(std::string_view path) {
    // The last 16 bytes (fewer in a shorter path) and the length, mixed by multiplying.
    std::uint64_t tail[2] = {0, 0};
    const std::size_t n = std::min<std::size_t>(path.size(), sizeof tail);
    if (n > 0) std::memcpy(tail, path.data() + path.size() - n, n);
    std::uint64_t h = (tail[0] ^ (path.size() * 0x9E3779B97F4A7C15ULL)) * 0xBF58476D1CE4E5B9ULL;
    h = (h ^ tail[1] ^ (h >> 31)) * 0x94D049BB133111EBULL;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

void PictureSizes::grow() {
    places_.assign(places_.empty() ? 64 : places_.size() * 2, -1);
    const std::size_t mask = places_.size() - 1;
    for (std::size_t k = 0; k < known_.size(); ++k) {
        std::size_t at = quick_hash(known_[k].path) & mask;
        while (places_[at] >= 0) at = (at + 1) & mask;
        places_[at] = static_cast<std::int32_t>(k);
    }
}

const PictureSizes::Known& PictureSizes::find_or_probe(std::string_view path) {
    // At most half the places are taken, so a free one ends every search.
    if ((known_.size() + 1) * 2 > places_.size()) grow();
    const std::size_t mask = places_.size() - 1;
    std::size_t at = quick_hash(path) & mask;
    for (; places_[at] >= 0; at = (at + 1) & mask) {
        const Known& known = known_[static_cast<std::size_t>(places_[at])];
        if (known.path == path) return known;
    }
    places_[at] = static_cast<std::int32_t>(known_.size());
    known_.push_back({std::string(path), probe_.picture_size(storage::host_path(path))});
    return known_.back();
}

std::optional<platform::PixelSize> PictureSizes::twips(std::string_view path) {
    const Known& known = find_or_probe(path);
    if (!known.size) return std::nullopt;
    return platform::PixelSize{known.size->width * metrics_.twips_per_pixel_x(),
                               known.size->height * metrics_.twips_per_pixel_y()};
}

void LoadPicture(Control& control, std::string_view path, PictureSizes& sizes) {
    if (!path.empty() && control.AutoSize) {
        if (const auto size = sizes.twips(path)) {
            control.Width = static_cast<float>(size->width);
            control.Height = static_cast<float>(size->height);
        }
    }
    // Assigned in place: the control's text keeps its room from the last picture.
    control.Picture.assign(path);
}

std::string_view TrimView(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

std::string TrimRight(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

}  // namespace tavolora::table
