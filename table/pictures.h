#pragma once

// Loading a picture file into a picture control of the table data.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ports.h"
#include "table/control.h"

namespace tavolora::table {

// The sizes of the picture files, read once each.
class PictureSizes {
public:
    PictureSizes(const platform::ImageProbe& probe, const platform::WindowMetrics& metrics)
        : probe_(probe), metrics_(metrics) {}

    // The size of the picture in twips, or nothing when the file cannot be loaded.
    std::optional<platform::PixelSize> twips(std::string_view path);

private:
    struct Known {
        std::string path;
        std::optional<platform::PixelSize> size;  // in pixels
    };
    // Every flight and every hand shown asks for a size card by card, so the look-up
    // is an open-addressed table whose hash reads a fixed handful of bytes: the
    // length and the tail, where the paths of one folder differ (suit, value, back).
    // Paths that share the tail are told apart by the full comparison.
    static std::size_t quick_hash(std::string_view path);
    const Known& find_or_probe(std::string_view path);
    void grow();

    const platform::ImageProbe& probe_;
    const platform::WindowMetrics& metrics_;
    std::vector<Known> known_;            // in the order first asked for
    std::vector<std::int32_t> places_;    // a power of two long; -1 is free, else an index into known_
};

// Shows the picture file `path` in the control; a control with AutoSize takes the
// picture's size. A picture that cannot be loaded is drawn as nothing and leaves the
// size as it was: the layout and the play go on. "" clears the picture.
void LoadPicture(Control& control, std::string_view path, PictureSizes& sizes);

// Removes surrounding blanks (stored names are blank-padded).
std::string Trim(std::string_view text);
// The same without a copy: the part of `text` between the blanks.
std::string_view TrimView(std::string_view text);
// Removes the blanks that pad a stored text on the right.
std::string TrimRight(std::string_view text);

}  // namespace tavolora::table
