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

std::filesystem::path literal_host_path(std::string_view path) {
    // The parts joined by one separator, a leading one kept, empty parts dropped: the
    // path that host_path builds when every part exists as written, made in one go.
    std::string joined;
    joined.reserve(path.size() + 1);
    if (!path.empty() && (path.front() == '/' || path.front() == '\\')) joined.push_back('/');
    for (std::size_t at = 0; at < path.size();) {
        const std::size_t end = std::min(path.find_first_of("\\/", at), path.size());
        if (end > at) {
            if (!joined.empty() && joined.back() != '/') joined.append("/");
            joined.append(path.substr(at, end - at));
        }
        at = end + 1;
    }
    return std::filesystem::path(std::move(joined));
}

std::filesystem::path host_path(std::string_view path) {
    // Most paths exist as written: one look-up of the whole path settles them, and
    // the part-by-part search below would find every part as written anyway.
    std::error_code error;
    if (std::filesystem::path literal = literal_host_path(path);
        !literal.empty() && std::filesystem::exists(literal, error)) {
        return literal;
    }

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
