#pragma once

// Loading a picture file into a picture control of the table data.

#include <optional>
#include <string>
#include <unordered_map>

#include "platform/ports.h"
#include "table/control.h"

namespace tavolora::table {

// The sizes of the picture files, read once each.
class PictureSizes {
public:
    PictureSizes(const platform::ImageProbe& probe, const platform::WindowMetrics& metrics)
        : probe_(probe), metrics_(metrics) {}

    // The size of the picture in twips, or nothing when the file cannot be loaded.
    std::optional<platform::PixelSize> twips(const std::string& path);

private:
    const platform::ImageProbe& probe_;
    const platform::WindowMetrics& metrics_;
    std::unordered_map<std::string, std::optional<platform::PixelSize>> known_;
};

// Shows the picture file `path` in the control; a control with AutoSize takes the
// picture's size. A picture that cannot be loaded is drawn as nothing and leaves the
// size as it was: the layout and the play go on. "" clears the picture.
void LoadPicture(Control& control, std::string path, PictureSizes& sizes);

// Removes surrounding blanks (stored names are blank-padded).
std::string Trim(std::string_view text);
// Removes the blanks that pad a stored text on the right.
std::string TrimRight(std::string_view text);

}  // namespace tavolora::table
