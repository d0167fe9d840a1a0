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

// The name without the blanks around it.
std::string_view trimmed(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

bool reserved_device_name(std::string_view name) {
    // Windows reserves these names with any extension, in any letter case, and also
    // with blanks between the name and the extension ("CON .txt" is the console).
    std::string_view stem = name.substr(0, name.find('.'));
    stem = stem.substr(0, stem.find_last_not_of(' ') + 1);
    static constexpr std::array<std::string_view, 7> kPlain = {"CON",    "PRN",     "AUX",   "NUL",
                                                               "CONIN$", "CONOUT$", "CLOCK$"};
    for (std::string_view reserved : kPlain) {
        if (same_ignoring_case(stem, reserved)) return true;
    }
    if (stem.size() < 4) return false;
    const std::string_view prefix = stem.substr(0, 3);
    if (!same_ignoring_case(prefix, "COM") && !same_ignoring_case(prefix, "LPT")) return false;
    // The ports 1 to 9, and 1 to 3 written with the superscript digits of the code
    // page (the names here are UTF-8), which Windows takes for ports as well.
    const std::string_view port = stem.substr(3);
    if (port.size() == 1 && port[0] >= '1' && port[0] <= '9') return true;
    return port == "\xC2\xB9" || port == "\xC2\xB2" || port == "\xC2\xB3";  // ¹ ² ³ in UTF-8
}
}  // namespace

NameProblem check_user_name(std::string_view typed) {
    // Blanks around a name are not part of it; a name of blanks only is no name.
    const std::string_view name = trimmed(typed);
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

std::string user_name_refusal(std::string_view typed) {
    const std::string_view name = trimmed(typed);
    // The character at fault, quoted; a control character is never echoed.
    const auto quoted = [](std::string_view c) { return "\"" + printable(c) + "\""; };
    switch (check_user_name(typed)) {
        case NameProblem::None:
            return {};
        case NameProblem::Empty:
            return "Il nome è vuoto: scrivi il nome del nuovo utente.";
        case NameProblem::TooLong:
            return "Il nome è troppo lungo: può avere al massimo " + std::to_string(kUserNameLength) + " caratteri.";
        case NameProblem::PathSeparator:
            return "Il nome non può contenere " + quoted(name.substr(name.find_first_of("\\/"), 1)) +
                   ", che un nome di file non ammette.";
        case NameProblem::DotDot:
            return "Il nome non può contenere due punti di seguito (\"..\"), che un nome di file non ammette.";
        case NameProblem::ControlCharacter:
            return "Il nome contiene un carattere di controllo, che un nome di file non ammette.";
        case NameProblem::LeadingOrTrailingDot:
            return "Il nome non può cominciare né finire con un punto, che un nome di file non ammette.";
        case NameProblem::NotInCodePage: {
            const std::string_view c = first_character_outside_code_page(name);
            return c.empty() ? std::string("Il nome contiene un carattere che i file del gioco non possono salvare.")
                             : "Il carattere " + quoted(c) + " non si può salvare nei file del gioco.";
        }
        case NameProblem::ForbiddenCharacter:
            return "Il nome non può contenere " + quoted(name.substr(name.find_first_of("<>:\"|?*"), 1)) +
                   ", che un nome di file non ammette.";
        case NameProblem::ReservedDeviceName:
            return "Il nome " + quoted(name) + " è riservato dal sistema e non può essere un nome di file.";
    }
    return {};
}

bool is_user_file_stem(std::string_view stem) {
    return check_user_name(stem) == NameProblem::None && trimmed(stem).size() == stem.size();
}

bool is_single_component(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && !has_separator(name) &&
           !has_control_character(name);
}

}  // namespace tavolora::storage
