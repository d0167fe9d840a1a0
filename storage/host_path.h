#pragma once

// The program writes its paths with "\" between the parts, as the stored files and
// the layout rules do ("<folder>\Cards\<deck>\1\1.bmp"). This maps such a path to a
// host path: every "\" becomes the host's separator, and a part that does not
// exist as written is found in its folder regardless of letter case.

#include <filesystem>
#include <string_view>

namespace tavolora::storage {

// The host path of `path`, each part found regardless of case where it does not
// exist as written. A path that exists as written costs one look-up, not one per part.
std::filesystem::path host_path(std::string_view path);

// The host path of `path` as written: the separators mapped and nothing looked up.
// Where every part exists as written, host_path gives this same path.
std::filesystem::path literal_host_path(std::string_view path);

// Runs `use` (which returns something that tests false when it failed, an optional
// say) on the path as written and, only when that fails, on the path found
// regardless of case. A file the program named and wrote itself, such as the
// options file read at every computer turn, is opened at the first attempt with no
// look-up at all; a name whose case differs on the disk still gets there.
template <class Use>
auto with_host_path(std::string_view path, Use&& use) -> decltype(use(std::filesystem::path())) {
    if (auto result = use(literal_host_path(path))) return result;
    return use(host_path(path));
}

}  // namespace tavolora::storage
