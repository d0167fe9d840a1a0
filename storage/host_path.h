#pragma once

// The program writes its paths with "\" between the parts, as the stored files and
// the layout rules do ("<folder>\Cards\<deck>\1\1.bmp"). This maps such a path to a
// host path: every "\" becomes the host's separator, and a part that does not
// exist as written is found in its folder regardless of letter case.

#include <filesystem>
#include <string_view>

namespace tavolora::storage {

std::filesystem::path host_path(std::string_view path);

}  // namespace tavolora::storage
