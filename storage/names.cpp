#include "storage/names.h"

#include <algorithm>
#include <array>
#include <string>

#include "storage/code_page.h"

namespace tavolora::storage {

namespace {
bool has_control_character(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

bool has_separator(std::string_view name) {
    return name.find_first_of("\\/") != std::string_view::npos;
}

bool reserved_device_name(std::string_view name) {
    // Windows reserves these names with any extension, in any letter case.
    const std::string stem(name.substr(0, name.find('.')));
    static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
    for (std::string_view reserved : kPlain) {
        if (same_ignoring_case(stem, reserved)) return true;
    }
    if (stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9') {
        const std::string_view prefix(stem.data(), 3);
        return same_ignoring_case(prefix, "COM") || same_ignoring_case(prefix, "LPT");
    }
    return false;
}
}  // namespace

NameProblem check_user_name(std::string_view name) {
    if (name.empty()) return NameProblem::Empty;
    if (character_count(name) > kUserNameLength) return NameProblem::TooLong;
    if (has_separator(name)) return NameProblem::PathSeparator;
    if (name.find("..") != std::string_view::npos) return NameProblem::DotDot;
    if (has_control_character(name)) return NameProblem::ControlCharacter;
    if (name.front() == '.' || name.back() == '.') return NameProblem::LeadingOrTrailingDot;
    if (!to_cp1252(name)) return NameProblem::NotInCodePage;
    if (name.find_first_of("<>:\"|?*") != std::string_view::npos) return NameProblem::ForbiddenCharacter;
    if (reserved_device_name(name)) return NameProblem::ReservedDeviceName;
    return NameProblem::None;
}

bool is_single_component(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && !has_separator(name) &&
           !has_control_character(name);
}

}  // namespace tavolora::storage
