#include "storage/host_path.h"

#include "storage/code_page.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace tavolora::storage {

namespace {
std::vector<std::string> split_parts(std::string_view path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

// The entry of `folder` named `name` regardless of case, if there is one.
std::optional<std::string> find_entry(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    if (std::filesystem::exists(folder / name, error)) return name;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::string entry = it->path().filename().string();
        if (same_ignoring_case(entry, name)) return entry;
    }
    return std::nullopt;
}
}  // namespace

std::filesystem::path host_path(std::string_view path) {
    std::filesystem::path result;
    if (!path.empty() && (path.front() == '/' || path.front() == '\\')) result = "/";
    // Below a part that does not exist there is nothing more to look up.
    bool looking = true;
    for (const std::string& part : split_parts(path)) {
        if (looking) {
            if (auto found = find_entry(result.empty() ? "." : result, part)) {
                result /= *found;
                continue;
            }
            looking = false;
        }
        result /= part;
    }
    return result;
}

}  // namespace tavolora::storage
